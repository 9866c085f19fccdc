#pragma once

#include <functional>

namespace testsupport {

// Runs the thread's messages (and the calls other threads send it) until `condition` holds or
// the time is up; false on time-out. A quit message of a closed window is dropped.
bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs = 30000);

} // namespace testsupport
