#include "browser/app/settings/core/LoadSettings.h"

#include "browser/app/settings/core/Password.h"
#include "browser/app/settings/core/SettingsSections.h"

#include <string_view>

namespace cobwen {

namespace {

constexpr std::int32_t SmallestListSize = 100;

// The store chosen as described in LoadSettings' comment.
std::unique_ptr<SettingsStore> ChooseStore(SettingsStores& stores, TCobwenSettings& settings) {
    settings.SaveToINI = false;
    auto store = stores.OpenRegistry();
    if (store->ReadBool(SettingsSection, "SaveToINI", true) && stores.IniFileExists()) {
        settings.SaveToINI = true;
        store.reset();
        store = stores.OpenIni();
    }
    settings.Language = 1;
    return store;
}

ProxyAccessMode ReadProxyAccess(const SettingsStore& store) {
    const std::int32_t value = store.ReadInteger(SettingsSection, "ProxyAccess", 0);
    switch (value) {
    case static_cast<std::int32_t>(ProxyAccessMode::System):
        return ProxyAccessMode::System;
    case static_cast<std::int32_t>(ProxyAccessMode::Given):
        return ProxyAccessMode::Given;
    default:
        return ProxyAccessMode::Direct;
    }
}

void ReadSettingsSection(const SettingsStore& store, BrowserSettings& all) {
    const char* const s = SettingsSection;
    TCobwenSettings& settings = all.Settings;
    const TCobwenSettings defaults;
    all.DescriptionFile = store.ReadText(s, "DescriptionFile", "Descript.ion");
    settings.UseDownloadBasket = store.ReadBool(s, "UseDownloadBasket", defaults.UseDownloadBasket);
    settings.CheckUpdatedPlugins =
        store.ReadBool(s, "CheckUpdatedPlugins", defaults.CheckUpdatedPlugins);
    settings.CheckForUpdates = store.ReadBool(s, "CheckForUpdates", defaults.CheckForUpdates);
    settings.MinimizeToTray = store.ReadBool(s, "MinimizeToTray", defaults.MinimizeToTray);
    settings.SaveDirectoryStructure =
        store.ReadBool(s, "SaveDirectoryStructure", defaults.SaveDirectoryStructure);
    settings.ShowAddInfo = store.ReadBool(s, "ShowAddInfo", defaults.ShowAddInfo);
    settings.CreateDescriptIon = store.ReadBool(s, "CreateDescriptIon", defaults.CreateDescriptIon);
    settings.CreateTextDescriptFile =
        store.ReadBool(s, "CreateTextDescriptFile", defaults.CreateTextDescriptFile);
    settings.OverwriteFiles = store.ReadBool(s, "OverwriteFiles", defaults.OverwriteFiles);
    settings.PeriodCheckForUpdates =
        store.ReadInteger(s, "PeriodCheckForUpdates", defaults.PeriodCheckForUpdates);
    settings.MaxDownloadCount = static_cast<std::uint32_t>(store.ReadInteger(
        s, "MaxDownloadCount", static_cast<std::int32_t>(defaults.MaxDownloadCount)));
    settings.FindIn = static_cast<std::uint8_t>(store.ReadInteger(s, "FindIn", defaults.FindIn));
    settings.DownloadFolder = store.ReadText(s, "DownloadFolder", defaults.DownloadFolder);
    settings.CopyPluginInfoFormat =
        store.ReadText(s, "CopyPluginInfoFormat", defaults.CopyPluginInfoFormat);
    settings.AddInfoFormat = store.ReadText(s, "AddInfoFormat", defaults.AddInfoFormat);
    settings.StatusInfoFormat = store.ReadText(s, "StatusInfoFormat", defaults.StatusInfoFormat);
    settings.DescriptIonFormat = store.ReadText(s, "DescriptIonFormat", defaults.DescriptIonFormat);
    settings.CopyAllSelectedToClipboard =
        store.ReadBool(s, "CopyAllSelectedToClipboard", defaults.CopyAllSelectedToClipboard);
    TProxySettings& proxy = settings.Proxy;
    proxy.ProxyAccess = ReadProxyAccess(store);
    proxy.ProxyHost = store.ReadText(s, "ProxyHost", "");
    proxy.ProxyUserName = store.ReadText(s, "ProxyUserName", "");
    proxy.ProxyPassword = UnscramblePassword(store.ReadText(s, "ProxyPassword", ""));
    proxy.ProxyAuthRequired = store.ReadBool(s, "ProxyAuthRequired", false);
    all.UseOtherCopy = store.ReadBool(s, "UseOtherCopy", false);
    if (settings.UseDownloadBasket) {
        const std::string contents = store.ReadText(s, "BasketContents", "");
        if (!contents.empty()) {
            std::size_t start = 0;
            while (true) {
                const std::size_t comma = contents.find(',', start);
                const std::string_view part =
                    std::string_view(contents).substr(start, comma - start);
                all.BasketIds.Add(IntegerFromText(part, 0));
                if (comma == std::string::npos)
                    break;
                start = comma + 1;
            }
        }
    }
}

MainWindowState ReadWindowState(const SettingsStore& store) {
    const std::int32_t value = store.ReadInteger(WindowSection, "WindowState", 0);
    switch (value) {
    case static_cast<std::int32_t>(MainWindowState::Minimized):
        return MainWindowState::Minimized;
    case static_cast<std::int32_t>(MainWindowState::Maximized):
        return MainWindowState::Maximized;
    default:
        return MainWindowState::Normal;
    }
}

std::uint32_t ReadColour(const SettingsStore& store, const char* key, std::uint32_t fallback) {
    return static_cast<std::uint32_t>(
        store.ReadInteger(WindowSection, key, static_cast<std::int32_t>(fallback)));
}

void ReadWindowSection(const SettingsStore& store, const ListColours& colourDefaults,
                       BrowserSettings& all) {
    const char* const w = WindowSection;
    all.LastListSize = store.ReadInteger(w, "LastListSize", DefaultLastListSize);
    if (all.LastListSize < SmallestListSize)
        all.LastListSize = DefaultLastListSize;

    FilterSettings& filters = all.Window.Filters;
    filters.Category = store.ReadInteger(w, "FilterCategory", 0);
    filters.Author = store.ReadInteger(w, "FilterAuthor", 0);
    filters.Date = store.ReadInteger(w, "FilterDate", 0);
    filters.SrcLang = store.ReadInteger(w, "FilterSrcLang", 0);
    filters.UlvarVersion = store.ReadInteger(w, "FilterUlvarVersion", 0);
    filters.WindowsVersion = store.ReadInteger(w, "FilterWindowsVersion", 0);
    filters.Name = store.ReadText(w, "FilterName", "");
    filters.HasSources = store.ReadBool(w, "FilterHasSources", false);
    filters.UseCategory = store.ReadBool(w, "FilterUseCategory", false);
    filters.UseAuthor = store.ReadBool(w, "FilterUseAuthor", false);
    filters.UseRelease = store.ReadBool(w, "FilterUseRelease", false);
    filters.UseName = store.ReadBool(w, "FilterUseName", false);
    filters.UseUlvarVersion = store.ReadBool(w, "FilterUseUlvarVersion", false);
    filters.UseWindowsVersion = store.ReadBool(w, "FilterUseWindowsVersion", false);
    filters.SetOffOther = store.ReadBool(w, "FilterSetOffOther", false);

    all.Window.State = ReadWindowState(store);
    WindowPlacement& placement = all.Window.Placement;
    placement.Left = store.ReadInteger(w, "Left", placement.Left);
    placement.Top = store.ReadInteger(w, "Top", placement.Top);
    placement.Width = store.ReadInteger(w, "Width", placement.Width);
    placement.Height = store.ReadInteger(w, "Height", placement.Height);

    ViewSettings& view = all.View;
    view.ColorList = ReadColour(store, "ColorList", colourDefaults.List);
    view.ColorOdd = ReadColour(store, "ColorOdd", colourDefaults.Odd);
    view.ColorNew = ReadColour(store, "ColorNew", colourDefaults.New);
    view.ColorDownloaded = ReadColour(store, "ColorDownloaded", colourDefaults.Downloaded);
    view.StripedRow = store.ReadBool(w, "StripedRow", false);

    const std::int32_t basketHeight = store.ReadInteger(w, "BasketHeight", all.Window.BasketHeight);
    if (basketHeight < all.Window.ListAreaHeight / 2)
        all.Window.BasketHeight = basketHeight;
}

void ReadFont(const SettingsStore& store, const char* section, FontSettings& font) {
    font.Name = store.ReadText(section, "Name", font.Name);
    font.Charset = store.ReadInteger(section, "Charset", font.Charset);
    font.Color = static_cast<std::uint32_t>(
        store.ReadInteger(section, "Color", static_cast<std::int32_t>(font.Color)));
    font.Size = store.ReadInteger(section, "Size", font.Size);
    font.Style = static_cast<std::uint8_t>(store.ReadInteger(section, "Style", 0) & FontStyleMask);
}

std::optional<std::string> ReadLayout(const SettingsStore& store, const char* section) {
    if (!store.SectionExists(section))
        return std::nullopt;
    return store.ReadBinary(section, LayoutKey);
}

} // namespace

void LoadSettings(SettingsStores& stores, const ListColours& colourDefaults,
                  BrowserSettings& settings) {
    const auto store = ChooseStore(stores, settings.Settings);
    ReadSettingsSection(*store, settings);
    ReadWindowSection(*store, colourDefaults, settings);
    ReadFont(*store, FontListSection, settings.View.FontList);
    ReadFont(*store, FontPreviewSection, settings.View.FontPreview);
    if (settings.Settings.SaveToINI) {
        settings.ListLayout.reset();
        settings.BasketLayout.reset();
    } else {
        settings.ListLayout = ReadLayout(*store, ListLayoutSection);
        settings.BasketLayout = ReadLayout(*store, BasketLayoutSection);
    }
}

} // namespace cobwen
