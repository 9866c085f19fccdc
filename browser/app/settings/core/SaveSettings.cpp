#include "browser/app/settings/core/SaveSettings.h"

#include "browser/app/settings/core/Password.h"
#include "browser/app/settings/core/SettingsSections.h"
#include "browser/catalogue/core/Cp1251.h"

#include <exception>

namespace cobwen {

namespace {

void WriteSettingsSection(SettingsStore& store, const BrowserSettings& all) {
    const char* const s = SettingsSection;
    const TCobwenSettings& settings = all.Settings;
    store.WriteInteger(s, "Language", 1);
    store.WriteBool(s, "UseDownloadBasket", settings.UseDownloadBasket);
    store.WriteBool(s, "CheckUpdatedPlugins", settings.CheckUpdatedPlugins);
    store.WriteBool(s, "CheckForUpdates", settings.CheckForUpdates);
    store.WriteBool(s, "MinimizeToTray", settings.MinimizeToTray);
    store.WriteBool(s, "SaveDirectoryStructure", settings.SaveDirectoryStructure);
    store.WriteBool(s, "ShowAddInfo", settings.ShowAddInfo);
    store.WriteBool(s, "CreateDescriptIon", settings.CreateDescriptIon);
    store.WriteBool(s, "CreateTextDescriptFile", settings.CreateTextDescriptFile);
    store.WriteBool(s, "OverwriteFiles", settings.OverwriteFiles);
    store.WriteInteger(s, "PeriodCheckForUpdates", settings.PeriodCheckForUpdates);
    store.WriteInteger(s, "MaxDownloadCount", static_cast<std::int32_t>(settings.MaxDownloadCount));
    store.WriteInteger(s, "FindIn", settings.FindIn);
    store.WriteText(s, "DownloadFolder", settings.DownloadFolder);
    store.WriteText(s, "CopyPluginInfoFormat", settings.CopyPluginInfoFormat);
    store.WriteText(s, "AddInfoFormat", settings.AddInfoFormat);
    store.WriteText(s, "StatusInfoFormat", settings.StatusInfoFormat);
    store.WriteText(s, "DescriptIonFormat", settings.DescriptIonFormat);
    store.WriteBool(s, "CopyAllSelectedToClipboard", settings.CopyAllSelectedToClipboard);
    const TProxySettings& proxy = settings.Proxy;
    store.WriteInteger(s, "ProxyAccess", static_cast<std::int32_t>(proxy.ProxyAccess));
    store.WriteText(s, "ProxyHost", proxy.ProxyHost);
    store.WriteText(s, "ProxyUserName", proxy.ProxyUserName);
    store.WriteText(s, "ProxyPassword", ScramblePassword(proxy.ProxyPassword));
    store.WriteBool(s, "ProxyAuthRequired", proxy.ProxyAuthRequired);
    if (settings.UseDownloadBasket) {
        std::string contents;
        for (const std::int32_t id : all.BasketIds) {
            if (!contents.empty())
                contents += ',';
            contents += std::to_string(id);
        }
        store.WriteText(s, "BasketContents", contents);
    }
}

void WriteWindowSection(SettingsStore& store, const BrowserSettings& all) {
    const char* const w = WindowSection;
    store.WriteInteger(w, "LastListSize", all.LastListSize);
    const FilterSettings& filters = all.Window.Filters;
    store.WriteInteger(w, "FilterCategory", filters.Category);
    store.WriteInteger(w, "FilterAuthor", filters.Author);
    store.WriteInteger(w, "FilterDate", filters.Date);
    store.WriteInteger(w, "FilterSrcLang", filters.SrcLang);
    store.WriteInteger(w, "FilterUlvarVersion", filters.UlvarVersion);
    store.WriteInteger(w, "FilterWindowsVersion", filters.WindowsVersion);
    store.WriteText(w, "FilterName", filters.Name);
    store.WriteBool(w, "FilterHasSources", filters.HasSources);
    store.WriteBool(w, "FilterUseCategory", filters.UseCategory);
    store.WriteBool(w, "FilterUseAuthor", filters.UseAuthor);
    store.WriteBool(w, "FilterUseRelease", filters.UseRelease);
    store.WriteBool(w, "FilterUseName", filters.UseName);
    store.WriteBool(w, "FilterUseUlvarVersion", filters.UseUlvarVersion);
    store.WriteBool(w, "FilterUseWindowsVersion", filters.UseWindowsVersion);
    store.WriteBool(w, "FilterSetOffOther", filters.SetOffOther);

    store.WriteInteger(w, "WindowState", static_cast<std::int32_t>(all.Window.State));
    // A maximised window's placement is not its normal one: the one stored earlier stays.
    if (all.Window.State != MainWindowState::Maximized) {
        const WindowPlacement& placement = all.Window.Placement;
        store.WriteInteger(w, "Left", placement.Left);
        store.WriteInteger(w, "Top", placement.Top);
        store.WriteInteger(w, "Width", placement.Width);
        store.WriteInteger(w, "Height", placement.Height);
    }

    const ViewSettings& view = all.View;
    store.WriteInteger(w, "ColorList", static_cast<std::int32_t>(view.ColorList));
    store.WriteInteger(w, "ColorOdd", static_cast<std::int32_t>(view.ColorOdd));
    store.WriteInteger(w, "ColorNew", static_cast<std::int32_t>(view.ColorNew));
    store.WriteInteger(w, "ColorDownloaded", static_cast<std::int32_t>(view.ColorDownloaded));
    store.WriteInteger(w, "StripedRow", view.StripedRow ? 1 : 0);
    store.WriteInteger(w, "BasketHeight", all.Window.BasketHeight);
}

void WriteFont(SettingsStore& store, const char* section, const FontSettings& font) {
    store.WriteText(section, "Name", font.Name);
    store.WriteInteger(section, "Charset", font.Charset);
    store.WriteInteger(section, "Color", static_cast<std::int32_t>(font.Color));
    store.WriteInteger(section, "Size", font.Size);
    store.WriteInteger(section, "Style", font.Style);
}

void WriteAll(SettingsStore& store, const BrowserSettings& settings) {
    WriteSettingsSection(store, settings);
    WriteWindowSection(store, settings);
    WriteFont(store, FontListSection, settings.View.FontList);
    WriteFont(store, FontPreviewSection, settings.View.FontPreview);
}

bool TryWriteAll(SettingsStore& store, const BrowserSettings& settings) {
    try {
        WriteAll(store, settings);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void WriteLayouts(SettingsStore& store, const BrowserSettings& settings) {
    try {
        if (settings.ListLayout)
            store.WriteBinary(ListLayoutSection, LayoutKey, *settings.ListLayout);
        if (settings.BasketLayout)
            store.WriteBinary(BasketLayoutSection, LayoutKey, *settings.BasketLayout);
    } catch (const std::exception&) {
        // The layouts are a convenience; the window closes with or without them.
    }
}

std::string WithIniPath(const char* utf8Format, const std::string& iniPath) {
    std::string text = Utf8ToCp1251(utf8Format);
    const std::size_t placeholder = text.find("%s");
    if (placeholder != std::string::npos)
        text.replace(placeholder, 2, iniPath);
    return text;
}

constexpr char FailureFormat[] =
    "Невозможно записать данные в файл %s.\rВозможно файл защищен от записи или у вас не "
    "хватает прав для его изменения.";
constexpr char RetrySuffix[] = "\rПопробовать записать данные еще раз ?";

} // namespace

std::string SaveRetryQuestion(const std::string& iniPath) {
    return SaveFailureMessage(iniPath) + Utf8ToCp1251(RetrySuffix);
}

std::string SaveFailureMessage(const std::string& iniPath) {
    return WithIniPath(FailureFormat, iniPath);
}

void SaveSettings(SettingsStores& stores, const BrowserSettings& settings, SavePrompt& prompt) {
    auto store = stores.OpenRegistry();
    const bool registryHasSettings = store->SectionExists(SettingsSection);
    // The choice of the registry is written wherever it is made: without it the next start
    // would take an INI file still lying beside the program for the store.
    if (registryHasSettings || !settings.Settings.SaveToINI) {
        try {
            store->WriteBool(SettingsSection, "SaveToINI", settings.Settings.SaveToINI);
        } catch (const std::exception&) {
            // The choice of store stays as it was; the settings themselves are still written.
        }
    }
    if (settings.Settings.SaveToINI) {
        store.reset();
        if (!registryHasSettings)
            stores.DeleteRegistryKeys();
        store = stores.OpenIni();
    }

    if (!TryWriteAll(*store, settings)) {
        if (!prompt.AskRetry(SaveRetryQuestion(stores.IniPath())))
            return;
        if (!TryWriteAll(*store, settings)) {
            prompt.ShowError(SaveFailureMessage(stores.IniPath()));
            return;
        }
    }

    if (!settings.Settings.SaveToINI)
        WriteLayouts(*store, settings);
}

} // namespace cobwen
