#include "plugins/services/win/AccountRights.h"

#include "win32/Text.h"

#include <windows.h>

#include <lm.h>

namespace sentrel::win {

namespace {

constexpr ACCESS_MASK PolicyAccess =
    POLICY_VIEW_LOCAL_INFORMATION | POLICY_CREATE_ACCOUNT | POLICY_LOOKUP_NAMES; // 0x811
// How often a lookup may ask for larger buffers before it counts as failed.
constexpr int LookupAttempts = 4;

std::wstring Wide(const std::string& ansi) {
    return win32::ToWide(ansi, win32::AnsiCodePage);
}

// Null for the local computer.
const wchar_t* SystemName(const std::wstring& computer) {
    return computer.empty() ? nullptr : computer.c_str();
}

LSA_UNICODE_STRING LsaString(const wchar_t* text, std::size_t length) {
    LSA_UNICODE_STRING string;
    string.Buffer = const_cast<wchar_t*>(text);
    string.Length = static_cast<USHORT>(length * sizeof(wchar_t));
    string.MaximumLength = string.Length;
    return string;
}

PSID SidOf(const std::vector<std::uint8_t>& sid) {
    return const_cast<std::uint8_t*>(sid.data());
}

} // namespace

std::uint32_t SystemAccountRights::OpenPolicy(const std::string& computer) {
    const std::wstring name = Wide(computer);
    LSA_UNICODE_STRING system = LsaString(name.c_str(), name.size());
    LSA_OBJECT_ATTRIBUTES attributes{};
    const NTSTATUS status = LsaOpenPolicy(name.empty() ? nullptr : &system, &attributes,
                                          PolicyAccess, policy_.Receive());
    return LsaNtStatusToWinError(status);
}

void SystemAccountRights::ClosePolicy() {
    policy_.Reset();
}

std::uint32_t SystemAccountRights::LookupAccount(const std::string& computer,
                                                 const std::string& account,
                                                 std::vector<std::uint8_t>& sid) {
    const std::wstring system = Wide(computer);
    const std::wstring name = Wide(account);
    DWORD sidSize = 128, domainSize = 16;
    for (int attempt = 0; attempt < LookupAttempts; ++attempt) {
        sid.assign(sidSize, 0);
        std::wstring domain(domainSize, L'\0');
        SID_NAME_USE use;
        if (LookupAccountNameW(SystemName(system), name.c_str(), sid.data(), &sidSize,
                               domain.data(), &domainSize, &use)) {
            sid.resize(GetLengthSid(sid.data()));
            return 0;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER)
            return error;
    }
    return ERROR_INSUFFICIENT_BUFFER;
}

std::uint32_t SystemAccountRights::ReplicatorGroupName(const std::string& computer,
                                                       std::u16string& name) {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    win32::AllocatedSid group;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_REPLICATOR, 0, 0, 0, 0, 0, 0, group.Receive()))
        return GetLastError();
    const std::wstring system = Wide(computer);
    DWORD nameSize = 64, domainSize = 16;
    for (int attempt = 0; attempt < LookupAttempts; ++attempt) {
        std::wstring text(nameSize, L'\0'), domain(domainSize, L'\0');
        SID_NAME_USE use;
        if (LookupAccountSidW(SystemName(system), group.Get(), text.data(), &nameSize,
                              domain.data(), &domainSize, &use)) {
            text.resize(wcslen(text.c_str()));
            name.assign(text.begin(), text.end());
            return 0;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER)
            return error;
    }
    return ERROR_INSUFFICIENT_BUFFER;
}

std::uint32_t SystemAccountRights::AddToLocalGroup(const std::string& computer,
                                                   const std::u16string& group,
                                                   const std::vector<std::uint8_t>& sid) {
    const std::wstring system = Wide(computer);
    const std::wstring groupName(group.begin(), group.end());
    LOCALGROUP_MEMBERS_INFO_0 member{SidOf(sid)};
    return NetLocalGroupAddMembers(SystemName(system), groupName.c_str(), 0,
                                   reinterpret_cast<BYTE*>(&member), 1);
}

std::uint32_t SystemAccountRights::EnumerateRights(const std::vector<std::uint8_t>& sid,
                                                   std::vector<std::u16string>& rights) {
    PLSA_UNICODE_STRING list = nullptr;
    ULONG count = 0;
    const NTSTATUS status = LsaEnumerateAccountRights(policy_.Get(), SidOf(sid), &list, &count);
    const win32::LsaMemory owner(list);
    if (status != 0)
        return LsaNtStatusToWinError(status);
    rights.clear();
    for (ULONG i = 0; i < count && list != nullptr; ++i)
        rights.emplace_back(list[i].Buffer, list[i].Buffer + list[i].Length / sizeof(wchar_t));
    return 0;
}

std::uint32_t SystemAccountRights::AddRight(const std::vector<std::uint8_t>& sid,
                                            const std::u16string& right) {
    const std::wstring text(right.begin(), right.end());
    LSA_UNICODE_STRING string = LsaString(text.c_str(), text.size());
    return LsaNtStatusToWinError(LsaAddAccountRights(policy_.Get(), SidOf(sid), &string, 1));
}

} // namespace sentrel::win
