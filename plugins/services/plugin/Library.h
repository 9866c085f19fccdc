#pragma once

// What every panel of the loaded library shares: the host's services, the settings and the
// attribute table, the per-computer cache of lists, the remembered path, the abort flag that
// Ctrl+Break sets (possibly from another thread), the local computer's name, the optional system
// functions and the opener of the service control manager.

#include "plugin-host/kit/core/HostServices.h"
#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/core/ControlRun.h"
#include "plugins/services/core/HardwareProfiles.h"
#include "plugins/services/core/LogonRight.h"
#include "plugins/services/core/MachineCache.h"
#include "plugins/services/core/Settings.h"
#include "plugins/services/win/ServiceManager.h"
#include "plugins/services/win/WindowsText.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

class Library {
public:
    Library();

    ulvar::kit::HostServices host;
    win::WindowsText text;
    Settings settings;
    std::vector<AttrMapping> mappings;
    AttrTable attrTable{};
    MachineCache cache{text};
    std::string rememberedPath;
    std::atomic<bool> abort{false};
    std::string localName, localNameOem;
    win::OptionalFunctions functions;
    win::ManagerOpener opener;
    // Locks the service database of a manager (null on failure, the error left for GetLastError).
    std::function<SC_LOCK(SC_HANDLE)> lockDatabase;
    win::ChangeConfigFn changeConfig;
    // Makes the configuration manager the hardware-profile menu talks to.
    std::function<std::unique_ptr<ConfigManager>()> configManager;
    // Makes the port a control run reaches one service through, over the manager its caller
    // opened (and still owns).
    std::function<std::unique_ptr<ServicePort>(SC_HANDLE manager)> servicePort;
    // Makes the security calls that grant the logon right.
    std::function<std::unique_ptr<AccountRights>()> accountRights;
    // The text object of message 60 at the first redraw: a new one means a new language.
    const char* languageMarker = nullptr;

    // Message 0 to 329 of the language file; "???" for any other number. Never null.
    const char* Msg(int number) const;
    bool DescriptionsSupported() const { return functions.queryConfig2 != nullptr; }

    // Message boxes. texts: the title and the lines, then `buttons` labels; a missing text is the
    // error line (the text of errorCode) when flags ask for one, else skipped.
    int ShowMessage(const std::vector<std::optional<std::string>>& texts, std::uint32_t flags,
                    int buttons, unsigned long errorCode = 0) const;
    // Title message 59, the message with its inserts, the error line when the code is not 0,
    // retry and cancel as a warning. 0 for retry, 1 for giving up.
    int ErrorPrompt(unsigned long code, int number, const std::string& insert1 = "",
                    const std::string& insert2 = "") const;
    // The same with the single button message 60.
    void ErrorNotice(unsigned long code, int number, const std::string& insert1 = "",
                     const std::string& insert2 = "") const;
};

} // namespace sentrel
