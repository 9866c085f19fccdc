#pragma once

// The threads that look host names up. A thread may still be blocked in a lookup when the host
// unloads the plug-in, so each one holds its own reference on the module that contains its code
// and its own use of Windows Sockets, and gives both back as its very last act: the library stays
// mapped, and sockets started, until the last resolver has left it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace sockwell::win {

// Runs the job on a new thread whose handle is closed at once; false when none could start.
bool StartResolverThread(std::function<void()> job);

// gethostbyaddr for an IPv4 address in network byte order: the official host name in the OEM
// code page, or nullopt when the lookup failed.
std::optional<std::string> LookUpHostName(std::uint32_t networkOrderAddress);

} // namespace sockwell::win
