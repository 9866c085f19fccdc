#include "transfer/win/LogonSession.h"

#include <windows.h>

namespace cobwen {

namespace {

// Owns an access token handle.
class TokenHandle {
public:
    explicit TokenHandle(HANDLE handle) : handle_(handle) {}
    TokenHandle(const TokenHandle&) = delete;
    TokenHandle& operator=(const TokenHandle&) = delete;
    ~TokenHandle() { CloseHandle(handle_); }

    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

std::optional<LogonSessionId> CurrentLogonSession() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::nullopt;
    const TokenHandle owned(token);
    TOKEN_STATISTICS statistics{};
    DWORD length = 0;
    if (!GetTokenInformation(owned.Get(), TokenStatistics, &statistics, sizeof statistics, &length))
        return std::nullopt;
    return LogonSessionId{static_cast<std::uint32_t>(statistics.AuthenticationId.HighPart),
                          statistics.AuthenticationId.LowPart};
}

} // namespace cobwen
