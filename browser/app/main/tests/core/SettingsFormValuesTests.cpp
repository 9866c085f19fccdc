#include "browser/app/main/core/SettingsFormValues.h"

#include <gtest/gtest.h>

#include <functional>

namespace cobwen {
namespace {

// Settings in which every value the dialog shows differs from its default.
TCobwenSettings EveryValueChanged() {
    TCobwenSettings s;
    s.FindIn = FindInDescription | FindInEMail;
    s.SaveToINI = true;
    s.SaveDirectoryStructure = true;
    s.CheckUpdatedPlugins = true;
    s.CreateDescriptIon = false;
    s.CreateTextDescriptFile = true;
    s.OverwriteFiles = false;
    s.ShowAddInfo = false;
    s.UseDownloadBasket = false;
    s.MinimizeToTray = true;
    s.CopyAllSelectedToClipboard = true;
    s.CheckForUpdates = true;
    s.MaxDownloadCount = 4;
    s.PeriodCheckForUpdates = 7;
    s.Proxy = {ProxyAccessMode::Given, "proxy:3128", "user", "secret", true};
    s.DownloadFolder = "D:\\plugins";
    s.AddInfoFormat = "%Name\r\n%Description";
    s.CopyPluginInfoFormat = "%URL %Size";
    s.StatusInfoFormat = "%Author";
    s.DescriptIonFormat = "%Name %Ver";
    return s;
}

TEST(SettingsFormValues, EveryControlShowsItsSettingAndGivesItBack) {
    const TCobwenSettings changed = EveryValueChanged();
    const TCobwenSettings defaults;
    struct Control {
        const char* name;
        std::function<bool(const SettingsFormValues&, const TCobwenSettings&)> shows;
        std::function<void(SettingsFormValues&)> edit;
        std::function<bool(const TCobwenSettings&)> edited;
    };
    using V = SettingsFormValues;
    using S = TCobwenSettings;
    const std::vector<Control> controls = {
        {"chxShowAddInfo", [](const V& v, const S& s) { return v.ShowAddInfo == s.ShowAddInfo; },
         [](V& v) { v.ShowAddInfo = !v.ShowAddInfo; }, nullptr},
        {"peFindIn", [](const V& v, const S& s) { return FindInFromBoxes(v.FindIn) == s.FindIn; },
         [](V& v) { v.FindIn.URL = !v.FindIn.URL; }, nullptr},
        {"chxUseDownloadBasket",
         [](const V& v, const S& s) { return v.UseDownloadBasket == s.UseDownloadBasket; },
         [](V& v) { v.UseDownloadBasket = !v.UseDownloadBasket; }, nullptr},
        {"chxMinimizeToTray",
         [](const V& v, const S& s) { return v.MinimizeToTray == s.MinimizeToTray; },
         [](V& v) { v.MinimizeToTray = !v.MinimizeToTray; }, nullptr},
        {"proxy buttons", [](const V& v, const S& s) { return v.Proxy == s.Proxy.ProxyAccess; },
         [](V& v) { v.Proxy = ProxyAccessMode::System; },
         [](const S& s) {
             return s.Proxy.ProxyAccess == ProxyAccessMode::System;
         }},
        {"edHost", [](const V& v, const S& s) { return v.ProxyHost == s.Proxy.ProxyHost; },
         [](V& v) { v.ProxyHost = "other:8080"; },
         [](const S& s) {
             return s.Proxy.ProxyHost == "other:8080";
         }},
        {"cbxAuthNeeded",
         [](const V& v, const S& s) { return v.AuthNeeded == s.Proxy.ProxyAuthRequired; },
         [](V& v) { v.AuthNeeded = !v.AuthNeeded; }, nullptr},
        {"edUserName",
         [](const V& v, const S& s) { return v.ProxyUserName == s.Proxy.ProxyUserName; },
         [](V& v) { v.ProxyUserName = "new"; },
         [](const S& s) {
             return s.Proxy.ProxyUserName == "new";
         }},
        {"edPassword",
         [](const V& v, const S& s) { return v.ProxyPassword == s.Proxy.ProxyPassword; },
         [](V& v) { v.ProxyPassword = " pass "; },
         [](const S& s) {
             return s.Proxy.ProxyPassword == " pass ";
         }},
        {"beDownloadFolder",
         [](const V& v, const S& s) { return v.DownloadFolder == s.DownloadFolder; },
         [](V& v) { v.DownloadFolder = " E:\\x "; },
         [](const S& s) {
             return s.DownloadFolder == " E:\\x ";
         }},
        {"chxSaveDirectoryStructure",
         [](const V& v, const S& s) {
             return v.SaveDirectoryStructure == s.SaveDirectoryStructure;
         },
         [](V& v) { v.SaveDirectoryStructure = !v.SaveDirectoryStructure; }, nullptr},
        {"chxOverwriteFiles",
         [](const V& v, const S& s) { return v.OverwriteFiles == s.OverwriteFiles; },
         [](V& v) { v.OverwriteFiles = !v.OverwriteFiles; }, nullptr},
        {"chxCreateDescripion",
         [](const V& v, const S& s) { return v.CreateDescriptIon == s.CreateDescriptIon; },
         [](V& v) { v.CreateDescriptIon = !v.CreateDescriptIon; }, nullptr},
        {"chxCreateTextDescriptFile",
         [](const V& v, const S& s) {
             return v.CreateTextDescriptFile == s.CreateTextDescriptFile;
         },
         [](V& v) { v.CreateTextDescriptFile = !v.CreateTextDescriptFile; }, nullptr},
        {"edMaxDownloadCount",
         [](const V& v, const S& s) { return v.MaxDownloadCount == s.MaxDownloadCount; },
         [](V& v) { v.MaxDownloadCount = 9; },
         [](const S& s) {
             return s.MaxDownloadCount == 9u;
         }},
        {"memAddInfoFormat",
         [](const V& v, const S& s) { return v.AddInfoFormat == s.AddInfoFormat; },
         [](V& v) { v.AddInfoFormat = "%Ver"; },
         [](const S& s) {
             return s.AddInfoFormat == "%Ver";
         }},
        {"memDescriptionFormat",
         [](const V& v, const S& s) { return v.DescriptIonFormat == s.DescriptIonFormat; },
         [](V& v) { v.DescriptIonFormat = "%Ver"; },
         [](const S& s) {
             return s.DescriptIonFormat == "%Ver";
         }},
        {"edStatusInfoFormat",
         [](const V& v, const S& s) { return v.StatusInfoFormat == s.StatusInfoFormat; },
         [](V& v) { v.StatusInfoFormat = "%Ver"; },
         [](const S& s) {
             return s.StatusInfoFormat == "%Ver";
         }},
        {"memClipboardFormat",
         [](const V& v, const S& s) { return v.CopyPluginInfoFormat == s.CopyPluginInfoFormat; },
         [](V& v) { v.CopyPluginInfoFormat = "%Ver"; },
         [](const S& s) {
             return s.CopyPluginInfoFormat == "%Ver";
         }},
        {"chxCopyAllSelectedToClipboard",
         [](const V& v, const S& s) {
             return v.CopyAllSelectedToClipboard == s.CopyAllSelectedToClipboard;
         },
         [](V& v) { v.CopyAllSelectedToClipboard = !v.CopyAllSelectedToClipboard; }, nullptr},
        {"chxCheckUpdatedPlugins",
         [](const V& v, const S& s) { return v.CheckUpdatedPlugins == s.CheckUpdatedPlugins; },
         [](V& v) { v.CheckUpdatedPlugins = !v.CheckUpdatedPlugins; }, nullptr},
        {"chxCheckForUpdate",
         [](const V& v, const S& s) { return v.CheckForUpdates == s.CheckForUpdates; },
         [](V& v) { v.CheckForUpdates = !v.CheckForUpdates; }, nullptr},
        {"edPeriodCheckForUpdate",
         [](const V& v, const S& s) { return v.PeriodCheckForUpdates == s.PeriodCheckForUpdates; },
         [](V& v) { v.PeriodCheckForUpdates = 365; },
         [](const S& s) {
             return s.PeriodCheckForUpdates == 365;
         }},
        {"chxSaveToINI", [](const V& v, const S& s) { return v.SaveToINI == s.SaveToINI; },
         [](V& v) { v.SaveToINI = !v.SaveToINI; }, nullptr},
    };
    for (const TCobwenSettings& settings : {defaults, changed}) {
        const SettingsFormValues shown = FormValuesFromSettings(settings);
        // Taking the values back unedited changes nothing.
        TCobwenSettings back = settings;
        back.Language = 3; // not the dialog's
        SettingsFromFormValues(shown, back);
        EXPECT_EQ(back.Language, 3);
        back.Language = settings.Language;
        EXPECT_EQ(back, settings);
        for (const Control& control : controls) {
            SCOPED_TRACE(control.name);
            EXPECT_TRUE(control.shows(shown, settings));
            SettingsFormValues edited = shown;
            control.edit(edited);
            TCobwenSettings result = settings;
            SettingsFromFormValues(edited, result);
            EXPECT_TRUE(control.shows(edited, result));
            if (control.edited) {
                EXPECT_TRUE(control.edited(result));
            }
            EXPECT_NE(result, settings);
        }
    }
}

TEST(SettingsFormValues, TheFourTemplatesAreTrimmedAndOtherTextsKeptAsTyped) {
    SettingsFormValues values = FormValuesFromSettings(TCobwenSettings{});
    const std::string typed = "  \t%Name\r\n%Description \r\n";
    values.AddInfoFormat = typed;
    values.DescriptIonFormat = typed;
    values.StatusInfoFormat = "   %Name";
    values.CopyPluginInfoFormat = "\x01%URL\x1F";
    values.ProxyHost = " host:80 ";
    values.ProxyUserName = " user ";
    values.ProxyPassword = "\tpass\r\n";
    values.DownloadFolder = " C:\\folder\\ ";
    TCobwenSettings settings;
    SettingsFromFormValues(values, settings);
    EXPECT_EQ(settings.AddInfoFormat, "%Name\r\n%Description");
    EXPECT_EQ(settings.DescriptIonFormat, "%Name\r\n%Description");
    EXPECT_EQ(settings.StatusInfoFormat, "%Name");
    EXPECT_EQ(settings.CopyPluginInfoFormat, "%URL");
    EXPECT_EQ(settings.Proxy.ProxyHost, " host:80 ");
    EXPECT_EQ(settings.Proxy.ProxyUserName, " user ");
    EXPECT_EQ(settings.Proxy.ProxyPassword, "\tpass\r\n");
    EXPECT_EQ(settings.DownloadFolder, " C:\\folder\\ ");
    // Cyrillic letters (bytes above 0x7F) are text, not blanks.
    EXPECT_EQ(TrimTemplate(" \xC8\xEC\xFF\xFF "), "\xC8\xEC\xFF\xFF");
    EXPECT_EQ(TrimTemplate(" \r\n\t "), "");
    EXPECT_EQ(TrimTemplate(""), "");
}

TEST(SettingsFormValues, TheProxyButtonFollowsTheAccessAndNoButtonKeepsIt) {
    struct Case {
        std::uint8_t access;
        std::optional<ProxyAccessMode> chosen;
    };
    for (const Case c : {Case{0, ProxyAccessMode::Direct}, Case{1, ProxyAccessMode::System},
                         Case{2, ProxyAccessMode::Given}, Case{7, std::nullopt}}) {
        SCOPED_TRACE(static_cast<int>(c.access));
        TCobwenSettings settings;
        settings.Proxy.ProxyAccess = static_cast<ProxyAccessMode>(c.access);
        const SettingsFormValues values = FormValuesFromSettings(settings);
        EXPECT_EQ(values.Proxy, c.chosen);
        TCobwenSettings back = settings;
        SettingsFromFormValues(values, back);
        EXPECT_EQ(static_cast<int>(back.Proxy.ProxyAccess), c.access);
    }
}

TEST(SettingsFormValues, ProxyAndUpdateEnabling) {
    struct Case {
        std::optional<ProxyAccessMode> choice;
        bool auth;
        ProxyEnabling enabled;
    };
    for (const Case c : {
             Case{ProxyAccessMode::Direct, true, {false, false}},
             Case{ProxyAccessMode::System, true, {false, false}},
             Case{ProxyAccessMode::System, false, {false, false}},
             Case{ProxyAccessMode::Given, false, {true, false}},
             Case{ProxyAccessMode::Given, true, {true, true}},
             Case{std::nullopt, true, {false, false}},
         }) {
        SCOPED_TRACE(testing::Message()
                     << (c.choice ? static_cast<int>(*c.choice) : -1) << " " << c.auth);
        EXPECT_EQ(ProxyControlsEnabled(c.choice, c.auth), c.enabled);
    }
    EXPECT_TRUE(UpdatePeriodEnabled(true));
    EXPECT_FALSE(UpdatePeriodEnabled(false));
}

TEST(SettingsFormValues, ADownloadCountOfNoneKeepsOneSlot) {
    struct Case {
        std::uint32_t typed;
        std::uint32_t stored;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{5, 5}, Case{2147483647u, 2147483647u}}) {
        SettingsFormValues values = FormValuesFromSettings(TCobwenSettings{});
        values.MaxDownloadCount = c.typed;
        TCobwenSettings settings;
        SettingsFromFormValues(values, settings);
        EXPECT_EQ(settings.MaxDownloadCount, c.stored) << c.typed;
    }
}

} // namespace
} // namespace cobwen
