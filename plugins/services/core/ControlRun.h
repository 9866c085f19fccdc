#pragma once

// One control operation on one service or driver, carried out to its end: open, look at the
// state, confirm, stop the active dependents first, send the request, wait with a progress box
// (elapsed seconds, a prompt every 60 seconds, Ctrl+Break), refresh the dependencies a start may
// have started, and report a failure with its classification and retry. The system is reached
// through a ServicePort (one service handle), the user through a ControlHost, so the whole run can
// be driven by a test.

#include "plugins/services/core/ControlOperations.h"
#include "plugins/services/core/ServiceNode.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

// One service handle of the manager a run was given. Every failing call reports the error code
// taken right after it, before anything else can change the thread's last error.
class ServicePort {
public:
    virtual ~ServicePort() = default;
    virtual bool Open(const std::string& name, std::uint32_t access, std::uint32_t& error) = 0;
    virtual bool Query(ServiceStatusInfo& status, std::uint32_t& error) = 0;
    // parameters: empty to start without any.
    virtual bool Start(const std::vector<std::string>& parameters, std::uint32_t& error) = 0;
    virtual bool Control(std::uint32_t code, ServiceStatusInfo& status, std::uint32_t& error) = 0;
    // The active services that depend on the open one, all of them.
    virtual std::optional<std::vector<DependentService>> ActiveDependents(std::uint32_t& error) = 0;
    virtual void Close() = 0;
};

// What a run needs of the plug-in and the host. Texts go to the host in OEM.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    virtual std::unique_ptr<ServicePort> NewPort() = 0;
    virtual bool Drivers() const = 0;
    virtual std::string Msg(int number) const = 0;
    virtual std::string OemFromAnsi(const std::string& ansi) const = 0;
    // The display computer name, or the local computer's name (OEM).
    virtual std::string ComputerText() const = 0;
    virtual std::uint32_t CfmFlags() const = 0;
    // The please-wait title (message 56/57) on or off, with a redraw and a flush.
    virtual void BusyTitle(bool on) = 0;
    // A message box as Library::ShowMessage takes it; the chosen button or -1.
    virtual int Message(const std::vector<std::optional<std::string>>& texts, std::uint32_t flags,
                        int buttons, std::uint32_t error = 0) = 0;
    // 0 to retry, 1 to give up.
    virtual int ErrorPrompt(std::uint32_t error, int number, const std::string& insert) = 0;
    // The progress box: the title and its lines, without buttons.
    virtual void ShowProgress(const std::vector<std::string>& lines) = 0;
    virtual void SaveScreen() = 0;
    virtual void RestoreScreen() = 0;
    virtual std::uint32_t Ticks() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual void ClearAbort() = 0;
    virtual bool Aborted() = 0;
    // The UTC time a state read now is stamped with.
    virtual std::uint64_t Now() = 0;
    // The cached list of the panel's computer (null when not cached).
    virtual ServiceList* CachedList(bool drivers) = 0;
};

// 1 done (or nothing to do, or the user chose to go on), 0 failed or cancelled. parameters: the
// service name and its start parameters (used for a start only when more than one).
int RunControl(ControlHost& host, ServiceNode& record, int operation, unsigned flags,
               const std::vector<std::string>& parameters = {});

} // namespace sentrel
