#include "plugins/services/plugin/SharedOperations.h"

#include "plugins/services/plugin/Folders.h"
#include "win32/ServiceHandle.h"

#include <windows.h>

namespace sentrel {

namespace {

constexpr std::uint32_t ConnectAndLock = 0x9;
constexpr std::uint32_t ReadAndChangeConfig = 0x20003;
constexpr int CannotLock = 130;
constexpr int CannotOpenForChange = 131; // drivers: 132
constexpr int CannotChange = 133;        // drivers: 134

} // namespace

// The properties editor of the services folder is not linked into this step: the new service
// keeps what the creation dialog gave it (own process, manual start, normal error control, the
// local system account).
bool EditNewServiceProperties(ServiceFolder&, NewService&) {
    return true;
}

// Nothing to grant for the local system account, the only account creation offers without the
// properties editor.
void GrantLogonRightAfterCreation(ServiceFolder&, const NewService&) {
}

bool WriteDescription(ServiceFolder& folder, const ServiceNode& record, const std::string& ansi) {
    PanelInstance& panel = folder.Panel();
    const Library& lib = panel.Lib();
    if (!lib.functions.changeConfig2)
        return true;
    win32::ServiceHandle manager = panel.OpenManager(ConnectAndLock, 0);
    if (!manager.Valid())
        return false;
    win32::ServiceDatabaseLock lock;
    for (;;) {
        lock = win32::ServiceDatabaseLock(LockServiceDatabase(manager.Get()));
        if (lock.Valid())
            break;
        const unsigned long error = GetLastError();
        if (lib.ErrorPrompt(error, CannotLock, panel.ComputerText()) != 0)
            return false;
    }
    const int variant = folder.Drivers() ? 1 : 0;
    int heading = 0;
    unsigned long error = 0;
    {
        const win32::ServiceHandle service(
            OpenServiceA(manager.Get(), record.name.c_str(), ReadAndChangeConfig));
        if (!service.Valid()) {
            error = GetLastError();
            heading = CannotOpenForChange + variant;
        } else {
            std::string text = ansi;
            SERVICE_DESCRIPTIONA description{text.data()};
            if (!lib.functions.changeConfig2(service.Get(), SERVICE_CONFIG_DESCRIPTION,
                                             &description)) {
                error = GetLastError();
                heading = CannotChange + variant;
            }
        }
    }
    lock.Reset();
    manager.Reset();
    if (heading == 0)
        return true;
    lib.ErrorNotice(error, heading, lib.text.OemFromAnsi(record.config.displayName));
    return false;
}

} // namespace sentrel
