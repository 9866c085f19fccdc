#pragma once

#include "browser/app/search/core/FindInFrame.h"
#include "browser/app/settings/core/CobwenSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// What the controls of TCobwenSettingsForm hold, page by page; texts are code page 1251.
struct SettingsFormValues {
    // "Основные"
    bool ShowAddInfo = false;             // chxShowAddInfo
    FindInBoxes FindIn;                   // the boxes of the peFindIn drop-down
    bool UseDownloadBasket = false;       // chxUseDownloadBasket
    bool MinimizeToTray = false;          // chxMinimizeToTray
    std::optional<ProxyAccessMode> Proxy; // the chosen proxy button; none chosen
    std::string ProxyHost;                // edHost
    bool AuthNeeded = false;              // cbxAuthNeeded
    std::string ProxyUserName;            // edUserName
    std::string ProxyPassword;            // edPassword
    std::string DownloadFolder;           // beDownloadFolder
    bool SaveDirectoryStructure = false;  // chxSaveDirectoryStructure
    bool OverwriteFiles = false;          // chxOverwriteFiles
    bool CreateDescriptIon = false;       // chxCreateDescripion
    bool CreateTextDescriptFile = false;  // chxCreateTextDescriptFile
    std::uint32_t MaxDownloadCount = 0;   // edMaxDownloadCount
    // "Форматы"
    std::string AddInfoFormat;               // memAddInfoFormat
    std::string DescriptIonFormat;           // memDescriptionFormat
    std::string StatusInfoFormat;            // edStatusInfoFormat
    std::string CopyPluginInfoFormat;        // memClipboardFormat
    bool CopyAllSelectedToClipboard = false; // chxCopyAllSelectedToClipboard
    // "Дополнительно"
    bool CheckUpdatedPlugins = false;       // chxCheckUpdatedPlugins
    bool CheckForUpdates = false;           // chxCheckForUpdate
    std::int32_t PeriodCheckForUpdates = 1; // edPeriodCheckForUpdate
    bool SaveToINI = false;                 // chxSaveToINI

    friend bool operator==(const SettingsFormValues&, const SettingsFormValues&) = default;
};

// The number fields' ranges.
inline constexpr std::uint32_t MaxDownloadCountLimit = 2147483647;
inline constexpr std::int32_t PeriodCheckFirst = 1;
inline constexpr std::int32_t PeriodCheckLast = 365;

// Every control from its setting. A proxy access other than the three modes chooses no button.
SettingsFormValues FormValuesFromSettings(const TCobwenSettings& settings);

// The controls back into `settings`: every box and field into its setting, the four templates
// trimmed, the proxy access from the chosen button (unchanged when none is chosen). A queue needs
// a slot to transfer anything, so a download count of 0 is stored as 1. Language is left alone.
void SettingsFromFormValues(const SettingsFormValues& values, TCobwenSettings& settings);

// A template without the blanks and control characters at its start and end.
std::string TrimTemplate(std::string_view text);

// Which proxy controls are enabled: the host label, edHost and cbxAuthNeeded only for the given
// proxy; the user name's and the password's labels and fields only when those are enabled and
// authentication is needed.
struct ProxyEnabling {
    bool Host = false;
    bool Credentials = false;

    friend bool operator==(const ProxyEnabling&, const ProxyEnabling&) = default;
};
ProxyEnabling ProxyControlsEnabled(std::optional<ProxyAccessMode> choice, bool authNeeded);

// The update period's field and its two labels are enabled only while checks are on.
inline bool UpdatePeriodEnabled(bool checkForUpdates) {
    return checkForUpdates;
}

} // namespace cobwen
