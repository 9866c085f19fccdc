#pragma once

// The control operations' calls of the service control manager: one service of a manager, opened,
// queried, started and controlled, and its active dependents read completely. Each failing call
// hands back the error code taken right after it.

#include "plugins/services/core/ControlRun.h"
#include "win32/ServiceHandle.h"

namespace sentrel::win {

class SystemServicePort : public ServicePort {
public:
    // manager: stays the caller's, open for the port's life.
    explicit SystemServicePort(SC_HANDLE manager) : manager_(manager) {}

    bool Open(const std::string& name, std::uint32_t access, std::uint32_t& error) override;
    bool Query(ServiceStatusInfo& status, std::uint32_t& error) override;
    bool Start(const std::vector<std::string>& parameters, std::uint32_t& error) override;
    bool Control(std::uint32_t code, ServiceStatusInfo& status, std::uint32_t& error) override;
    std::optional<std::vector<DependentService>> ActiveDependents(std::uint32_t& error) override;
    void Close() override { service_.Reset(); }

private:
    SC_HANDLE manager_;
    win32::ServiceHandle service_;
};

// One EnumDependentServicesA request for the active dependents into a buffer of bufferSize bytes.
DependentsReply RequestActiveDependents(SC_HANDLE service, std::uint32_t bufferSize);

} // namespace sentrel::win
