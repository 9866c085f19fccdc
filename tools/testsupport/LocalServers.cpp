#include "tools/testsupport/LocalServers.h"

#include <cstdlib>

namespace testsupport {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

std::string LocalServer() {
    const std::string server = Environment("COBWEN_TEST_SERVER");
    return server.empty() ? "127.0.0.1" : server;
}

std::string LocalProxy() {
    return Environment("COBWEN_TEST_PROXY");
}

} // namespace testsupport
