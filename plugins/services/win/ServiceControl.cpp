#include "plugins/services/win/ServiceControl.h"

#include <windows.h>

namespace sentrel::win {

namespace {

ServiceStatusInfo FromSystem(const SERVICE_STATUS& status) {
    return {status.dwCurrentState, status.dwControlsAccepted, status.dwWin32ExitCode,
            status.dwServiceSpecificExitCode};
}

} // namespace

bool SystemServicePort::Open(const std::string& name, std::uint32_t access, std::uint32_t& error) {
    service_ = win32::ServiceHandle(OpenServiceA(manager_, name.c_str(), access));
    error = service_.Valid() ? 0 : GetLastError();
    return service_.Valid();
}

bool SystemServicePort::Query(ServiceStatusInfo& status, std::uint32_t& error) {
    SERVICE_STATUS system{};
    if (!QueryServiceStatus(service_.Get(), &system)) {
        error = GetLastError();
        return false;
    }
    status = FromSystem(system);
    return true;
}

bool SystemServicePort::Start(const std::vector<std::string>& parameters, std::uint32_t& error) {
    std::vector<const char*> arguments;
    for (const std::string& parameter : parameters)
        arguments.push_back(parameter.c_str());
    if (!StartServiceA(service_.Get(), static_cast<DWORD>(arguments.size()),
                       arguments.empty() ? nullptr : arguments.data())) {
        error = GetLastError();
        return false;
    }
    return true;
}

bool SystemServicePort::Control(std::uint32_t code, ServiceStatusInfo& status,
                                std::uint32_t& error) {
    SERVICE_STATUS system{};
    if (!ControlService(service_.Get(), code, &system)) {
        error = GetLastError();
        return false;
    }
    status = FromSystem(system);
    return true;
}

DependentsReply RequestActiveDependents(SC_HANDLE service, std::uint32_t bufferSize) {
    DependentsReply reply;
    std::vector<ENUM_SERVICE_STATUSA> buffer(bufferSize / sizeof(ENUM_SERVICE_STATUSA) + 1);
    DWORD needed = 0, count = 0;
    if (!EnumDependentServicesA(service, SERVICE_ACTIVE, buffer.data(), bufferSize, &needed,
                                &count)) {
        reply.error = GetLastError();
        reply.bytesNeeded = needed;
        return reply;
    }
    for (DWORD i = 0; i < count; ++i)
        reply.entries.push_back({buffer[i].lpServiceName ? buffer[i].lpServiceName : "",
                                 buffer[i].lpDisplayName ? buffer[i].lpDisplayName : ""});
    return reply;
}

std::optional<std::vector<DependentService>>
SystemServicePort::ActiveDependents(std::uint32_t& error) {
    const SC_HANDLE service = service_.Get();
    return ReadAllDependents(
        [service](std::uint32_t size) { return RequestActiveDependents(service, size); }, error);
}

} // namespace sentrel::win
