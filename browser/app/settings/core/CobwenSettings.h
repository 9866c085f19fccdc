#pragma once

#include "browser/app/settings/core/ProxySettings.h"

#include <cstdint>
#include <string>

namespace cobwen {

// The browser's behaviour settings, as the settings dialog edits them. The initial values are the
// defaults a fresh settings store gives. Texts are code page 1251.
struct TCobwenSettings {
    std::uint8_t Language = 1; // language of the catalogue texts; 1 = Russian
    std::uint8_t FindIn = 0;   // further fields the name filter searches (flags)
    bool SaveToINI = false;    // the store is the INI file beside the program
    bool SaveDirectoryStructure = false;
    bool CheckUpdatedPlugins = false;
    bool CreateDescriptIon = true;
    bool CreateTextDescriptFile = false;
    bool OverwriteFiles = true;
    bool ShowAddInfo = true;
    bool UseDownloadBasket = true;
    bool MinimizeToTray = false;
    bool CopyAllSelectedToClipboard = false;
    bool CheckForUpdates = false;
    std::uint32_t MaxDownloadCount = 1;
    std::int32_t PeriodCheckForUpdates = 30; // days between automatic update checks
    TProxySettings Proxy;
    std::string DownloadFolder; // empty: the program's folder
    std::string AddInfoFormat = "%Description";
    std::string CopyPluginInfoFormat = "%URL";
    std::string StatusInfoFormat;
    std::string DescriptIonFormat = "%Name (%Category)";

    friend bool operator==(const TCobwenSettings&, const TCobwenSettings&) = default;
};

} // namespace cobwen
