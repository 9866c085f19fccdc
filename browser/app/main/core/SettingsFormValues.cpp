#include "browser/app/main/core/SettingsFormValues.h"

#include "browser/app/main/core/DownloadPlan.h"

#include <algorithm>

namespace cobwen {

namespace {

bool BlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::optional<ProxyAccessMode> ChoiceOf(ProxyAccessMode access) {
    switch (access) {
    case ProxyAccessMode::Direct:
    case ProxyAccessMode::System:
    case ProxyAccessMode::Given:
        return access;
    }
    return std::nullopt;
}

} // namespace

SettingsFormValues FormValuesFromSettings(const TCobwenSettings& s) {
    SettingsFormValues v;
    v.ShowAddInfo = s.ShowAddInfo;
    v.FindIn = BoxesFromFindIn(s.FindIn);
    v.UseDownloadBasket = s.UseDownloadBasket;
    v.MinimizeToTray = s.MinimizeToTray;
    v.Proxy = ChoiceOf(s.Proxy.ProxyAccess);
    v.ProxyHost = s.Proxy.ProxyHost;
    v.AuthNeeded = s.Proxy.ProxyAuthRequired;
    v.ProxyUserName = s.Proxy.ProxyUserName;
    v.ProxyPassword = s.Proxy.ProxyPassword;
    v.DownloadFolder = s.DownloadFolder;
    v.SaveDirectoryStructure = s.SaveDirectoryStructure;
    v.OverwriteFiles = s.OverwriteFiles;
    v.CreateDescriptIon = s.CreateDescriptIon;
    v.CreateTextDescriptFile = s.CreateTextDescriptFile;
    v.MaxDownloadCount = std::min(s.MaxDownloadCount, MaxDownloadCountLimit);
    v.AddInfoFormat = s.AddInfoFormat;
    v.DescriptIonFormat = s.DescriptIonFormat;
    v.StatusInfoFormat = s.StatusInfoFormat;
    v.CopyPluginInfoFormat = s.CopyPluginInfoFormat;
    v.CopyAllSelectedToClipboard = s.CopyAllSelectedToClipboard;
    v.CheckUpdatedPlugins = s.CheckUpdatedPlugins;
    v.CheckForUpdates = s.CheckForUpdates;
    v.PeriodCheckForUpdates =
        std::clamp(s.PeriodCheckForUpdates, PeriodCheckFirst, PeriodCheckLast);
    v.SaveToINI = s.SaveToINI;
    return v;
}

void SettingsFromFormValues(const SettingsFormValues& v, TCobwenSettings& s) {
    s.ShowAddInfo = v.ShowAddInfo;
    s.FindIn = FindInFromBoxes(v.FindIn);
    s.UseDownloadBasket = v.UseDownloadBasket;
    s.MinimizeToTray = v.MinimizeToTray;
    if (v.Proxy)
        s.Proxy.ProxyAccess = *v.Proxy;
    s.Proxy.ProxyHost = v.ProxyHost;
    s.Proxy.ProxyAuthRequired = v.AuthNeeded;
    s.Proxy.ProxyUserName = v.ProxyUserName;
    s.Proxy.ProxyPassword = v.ProxyPassword;
    s.DownloadFolder = v.DownloadFolder;
    s.SaveDirectoryStructure = v.SaveDirectoryStructure;
    s.OverwriteFiles = v.OverwriteFiles;
    s.CreateDescriptIon = v.CreateDescriptIon;
    s.CreateTextDescriptFile = v.CreateTextDescriptFile;
    s.MaxDownloadCount = static_cast<std::uint32_t>(TransfersAtOnce(v.MaxDownloadCount));
    s.AddInfoFormat = TrimTemplate(v.AddInfoFormat);
    s.DescriptIonFormat = TrimTemplate(v.DescriptIonFormat);
    s.StatusInfoFormat = TrimTemplate(v.StatusInfoFormat);
    s.CopyPluginInfoFormat = TrimTemplate(v.CopyPluginInfoFormat);
    s.CopyAllSelectedToClipboard = v.CopyAllSelectedToClipboard;
    s.CheckUpdatedPlugins = v.CheckUpdatedPlugins;
    s.CheckForUpdates = v.CheckForUpdates;
    s.PeriodCheckForUpdates = v.PeriodCheckForUpdates;
    s.SaveToINI = v.SaveToINI;
}

std::string TrimTemplate(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), BlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), BlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

ProxyEnabling ProxyControlsEnabled(std::optional<ProxyAccessMode> choice, bool authNeeded) {
    ProxyEnabling enabling;
    enabling.Host = choice == ProxyAccessMode::Given;
    enabling.Credentials = enabling.Host && authNeeded;
    return enabling;
}

} // namespace cobwen
