#include "plugins/services/win/ServiceManager.h"

#include "win32/Text.h"

#include <vector>

namespace sentrel::win {

ManagerOpener SystemManagerOpener() {
    return [](const std::string& computer, std::uint32_t access, std::uint32_t& error) {
        win32::ServiceHandle manager(OpenSCManagerA(computer.empty() ? nullptr : computer.c_str(),
                                                    SERVICES_ACTIVE_DATABASEA, access));
        error = manager.Valid() ? 0 : GetLastError();
        return manager;
    };
}

OptionalFunctions FindOptionalFunctions() {
    OptionalFunctions functions;
    if (HMODULE advapi = GetModuleHandleA("ADVAPI32")) {
        functions.queryConfig2 = reinterpret_cast<QueryConfig2Fn>(
            reinterpret_cast<void*>(GetProcAddress(advapi, "QueryServiceConfig2A")));
        functions.changeConfig2 = reinterpret_cast<ChangeConfig2Fn>(
            reinterpret_cast<void*>(GetProcAddress(advapi, "ChangeServiceConfig2A")));
    }
    return functions;
}

EnumBatch ServiceEnumerator::Next(std::uint32_t& resume) {
    std::vector<unsigned char> buffer(EnumBufferSize);
    DWORD needed = 0;
    DWORD returned = 0;
    DWORD handle = resume;
    EnumBatch batch;
    const BOOL done =
        EnumServicesStatusA(manager_, typeMask_, SERVICE_STATE_ALL,
                            reinterpret_cast<ENUM_SERVICE_STATUSA*>(buffer.data()),
                            static_cast<DWORD>(buffer.size()), &needed, &returned, &handle);
    const DWORD error = done ? 0 : GetLastError();
    if (!done && error != ERROR_MORE_DATA) {
        batch.error = error;
        return batch;
    }
    batch.moreData = !done;
    const auto* entries = reinterpret_cast<const ENUM_SERVICE_STATUSA*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        EnumStatus status;
        status.name = entries[i].lpServiceName ? entries[i].lpServiceName : "";
        status.displayName = entries[i].lpDisplayName ? entries[i].lpDisplayName : "";
        status.state = entries[i].ServiceStatus.dwCurrentState;
        batch.entries.push_back(std::move(status));
    }
    resume = handle;
    return batch;
}

namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

std::vector<std::string> MultiText(const char* list) {
    std::vector<std::string> entries;
    if (!list)
        return entries;
    while (*list) {
        entries.emplace_back(list);
        list += entries.back().size() + 1;
    }
    return entries;
}

// A query that fills a buffer, asked again with the size the system wants when it does not fit.
template <typename Query>
bool QueryGrowing(std::vector<unsigned char>& buffer, Query query, std::uint32_t& error) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD needed = 0;
        if (query(buffer.data(), static_cast<DWORD>(buffer.size()), &needed)) {
            error = 0;
            return true;
        }
        error = GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size())
            return false;
        buffer.assign(needed, 0);
    }
    return false;
}

} // namespace

std::optional<ServiceNode> ReadServiceRecord(SC_HANDLE service, const std::string& name,
                                             QueryConfig2Fn queryConfig2, std::uint32_t& error) {
    std::vector<unsigned char> buffer(ConfigBufferSize);
    const bool read = QueryGrowing(
        buffer,
        [service](unsigned char* data, DWORD size, DWORD* needed) {
            return QueryServiceConfigA(service, reinterpret_cast<QUERY_SERVICE_CONFIGA*>(data),
                                       size, needed) != FALSE;
        },
        error);
    if (!read)
        return std::nullopt;
    const auto* config = reinterpret_cast<const QUERY_SERVICE_CONFIGA*>(buffer.data());
    ServiceNode record;
    record.name = name;
    record.config.serviceType = config->dwServiceType;
    record.config.startType = config->dwStartType;
    record.config.errorControl = config->dwErrorControl;
    record.config.binaryPath = Text(config->lpBinaryPathName);
    record.config.loadOrderGroup = Text(config->lpLoadOrderGroup);
    record.config.tagId = config->dwTagId;
    record.config.dependencies = MultiText(config->lpDependencies);
    record.config.account = Text(config->lpServiceStartName);
    record.config.displayName = Text(config->lpDisplayName);
    if (record.config.displayName.empty())
        record.config.displayName = name;

    if (queryConfig2) {
        std::vector<unsigned char> described(DescriptionBufferSize);
        std::uint32_t ignored = 0;
        if (QueryGrowing(
                described,
                [service, queryConfig2](unsigned char* data, DWORD size, DWORD* needed) {
                    return queryConfig2(service, SERVICE_CONFIG_DESCRIPTION, data, size, needed) !=
                           FALSE;
                },
                ignored)) {
            const auto* description =
                reinterpret_cast<const SERVICE_DESCRIPTIONA*>(described.data());
            if (description->lpDescription)
                record.description = win32::OemFromAnsi(description->lpDescription);
        }
    }
    error = 0;
    return record;
}

std::string LocalComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size))
        return {};
    return std::string(name, size);
}

std::uint64_t NowUtc() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

} // namespace sentrel::win
