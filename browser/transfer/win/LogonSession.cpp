#include "browser/transfer/win/LogonSession.h"

#include "win32/Handle.h"

#include <windows.h>

namespace cobwen {

std::optional<LogonSessionId> CurrentLogonSession() {
    win32::KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return std::nullopt;
    TOKEN_STATISTICS statistics{};
    DWORD length = 0;
    if (!GetTokenInformation(token.Get(), TokenStatistics, &statistics, sizeof statistics, &length))
        return std::nullopt;
    return LogonSessionId{static_cast<std::uint32_t>(statistics.AuthenticationId.HighPart),
                          statistics.AuthenticationId.LowPart};
}

} // namespace cobwen
