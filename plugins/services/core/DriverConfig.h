#pragma once

// The properties editor of the devices folder: the dialog "DevPropDlg" with the start types boot
// to disabled, the advanced dialog "DevAdvPropDlg" (display name, driver file, driver object
// name, load-order group, error control, dependencies; without the driver file when the driver
// has none), and the changes they ask for.

#include "plugins/services/core/ConfigDialog.h"
#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/ServiceNode.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

// What is to be written; none where nothing changed. Texts in ANSI. The service type of a driver
// is never changed, and it has no password.
struct DriverChanges {
    std::optional<std::uint32_t> startType, errorControl;
    std::optional<std::string> displayName, binaryPath, objectName, loadOrderGroup;
    std::optional<std::vector<std::string>> dependencies;

    bool Any() const {
        return startType || errorControl || displayName || binaryPath || objectName ||
               loadOrderGroup || dependencies;
    }
};

// The advanced values being edited; texts in OEM.
struct DriverAdvanced {
    std::string displayName, binaryPath, objectName, loadOrderGroup;
    std::uint32_t errorControl = 1;
    std::vector<std::string> dependencies; // ANSI, as the record holds them
};

namespace devdlg {
inline constexpr int FirstStart = 4; // 4 to 8: boot, system, automatic, manual, disabled
inline constexpr int Ok = 10;
inline constexpr int Cancel = 11;
inline constexpr int Advanced = 12;
} // namespace devdlg
DialogLayout DriverDialog(const std::string& displayName, std::uint32_t startType,
                          const MessageFn& msg);
// The chosen start type, or none.
std::optional<std::uint32_t> StartTypeFromDialog(const std::vector<ulvar::DialogItem>& items);

// The advanced dialog's item numbers, which depend on whether the path is shown.
struct AdvancedItems {
    int displayName = 2, binaryPath = -1, objectName, loadOrderGroup, firstErrorControl, ok, cancel,
        dependencies;
    explicit AdvancedItems(bool withPath);
};
DialogLayout DriverAdvancedDialog(const DriverAdvanced& values, bool withPath,
                                  const MessageFn& msg);
// The values as the dialog's items hold them, on top of values.
DriverAdvanced AdvancedFromDialog(const std::vector<ulvar::DialogItem>& items, bool withPath,
                                  DriverAdvanced values);

// Boot and system drivers are needed to start the system: moving one away from its start type
// asks first.
bool AsksBeforeStartChange(std::uint32_t stored, std::uint32_t chosen);

// The advanced values a record starts with (texts to OEM).
DriverAdvanced AdvancedOf(const ServiceNode& record,
                          const std::function<std::string(const std::string&)>& oemFromAnsi);
// The changes for the record: the start type and error control where they differ, the texts
// (to ANSI) where they differ exactly, the object name whenever it is not empty, the dependencies
// where they differ.
DriverChanges ChangesOf(const ServiceNode& record, std::uint32_t startType,
                        const DriverAdvanced& edited,
                        const std::function<std::string(const std::string&)>& ansiFromOem);
// The edit record that writes the changes: -1 and no change flag where there is none; the object
// name goes where a service keeps its account.
ServiceConfigEdit EditOf(const DriverChanges& changes, const std::string& serviceName);

} // namespace sentrel
