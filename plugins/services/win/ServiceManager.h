#pragma once

// The service control manager as the plug-in uses it: opening the manager of a computer (through
// a replaceable opener, since the system's opener cannot be made to fail for a computer that does
// not answer), enumerating its services in several calls, reading one service's record with its
// description at full size, and the local computer's name.

#include "plugins/services/core/Enumeration.h"
#include "plugins/services/core/ServiceNode.h"
#include "win32/ServiceHandle.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace sentrel::win {

inline constexpr std::size_t EnumBufferSize = 0x9000;
inline constexpr std::size_t ConfigBufferSize = 1044;
inline constexpr std::size_t DescriptionBufferSize = 1028;

// Opens the manager's active database on a computer (ANSI; empty = local). On failure the handle
// is invalid and error holds the code, taken right after the failing call.
using ManagerOpener = std::function<win32::ServiceHandle(
    const std::string& computer, std::uint32_t access, std::uint32_t& error)>;
ManagerOpener SystemManagerOpener();

// ChangeServiceConfigA, or what a test puts in its place to see what the system is given.
using ChangeConfigFn = std::function<BOOL(SC_HANDLE, DWORD, DWORD, DWORD, LPCSTR, LPCSTR, LPDWORD,
                                          LPCSTR, LPCSTR, LPCSTR, LPCSTR)>;

// The optional functions of the system's ADVAPI32 (descriptions).
using QueryConfig2Fn = BOOL(WINAPI*)(SC_HANDLE, DWORD, LPBYTE, DWORD, LPDWORD);
using ChangeConfig2Fn = BOOL(WINAPI*)(SC_HANDLE, DWORD, LPVOID);
struct OptionalFunctions {
    QueryConfig2Fn queryConfig2 = nullptr;
    ChangeConfig2Fn changeConfig2 = nullptr;
};
OptionalFunctions FindOptionalFunctions();

// EnumServicesStatusA of a manager, in calls of EnumBufferSize bytes.
class ServiceEnumerator : public EnumSource {
public:
    ServiceEnumerator(SC_HANDLE manager, std::uint32_t typeMask)
        : manager_(manager), typeMask_(typeMask) {}
    EnumBatch Next(std::uint32_t& resume) override;

private:
    SC_HANDLE manager_;
    std::uint32_t typeMask_;
};

// The record of an open service (query-configuration access): the configuration copied out of the
// system's buffer, and the description (OEM) when queryConfig2 is given. None on failure, with the
// error code.
std::optional<ServiceNode> ReadServiceRecord(SC_HANDLE service, const std::string& name,
                                             QueryConfig2Fn queryConfig2, std::uint32_t& error);

// The local computer's name (ANSI), read with a 16-character buffer.
std::string LocalComputerName();

// The current UTC time in 100-ns units since 1601.
std::uint64_t NowUtc();

} // namespace sentrel::win
