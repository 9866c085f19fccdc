#pragma once

// The local servers a test runner started for the test program (tools/testsupport's
// local_servers.py): their addresses come in the environment.

#include <string>

namespace testsupport {

// "127.0.0.1:PORT" of the HTTP server of the test (COBWEN_TEST_SERVER); "127.0.0.1" when the
// program runs without a runner.
std::string LocalServer();
// "127.0.0.1:PORT" of the authenticating proxy (COBWEN_TEST_PROXY); empty when none runs.
std::string LocalProxy();

} // namespace testsupport
