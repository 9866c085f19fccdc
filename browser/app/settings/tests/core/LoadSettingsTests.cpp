#include "browser/app/settings/core/LoadSettings.h"
#include "browser/app/settings/core/SaveSettings.h"

#include "browser/app/settings/tests/core/MemorySettingsStore.h"
#include "browser/app/settings/tests/core/RecordingPrompt.h"
#include "browser/app/settings/tests/core/SettingsSamples.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace cobwen {
namespace {

using test::MemorySettingsStore;
using test::MemorySettingsStores;
using test::RecordingPrompt;
using Ids = std::vector<std::int32_t>;

BrowserSettings Load(MemorySettingsStores& stores,
                     BrowserSettings before = test::WindowBeforeLoading()) {
    LoadSettings(stores, test::SampleColourDefaults(), before);
    return before;
}

// A value in the store: text, integer, or absent.
struct Stored {
    std::optional<std::string> text;
    std::optional<std::int32_t> number;

    void PutInto(MemorySettingsStore& store, const char* section, const char* key) const {
        if (text)
            store.PutText(section, key, *text);
        else if (number)
            store.PutInteger(section, key, *number);
    }
};
const Stored Missing{};
Stored Text(const char* text) {
    return {text, std::nullopt};
}
Stored Number(std::int32_t number) {
    return {std::nullopt, number};
}

TEST(LoadSettings, ChoosesTheIniFileOnlyWhenTheRegistryAllowsItAndTheFileExists) {
    struct Case {
        bool registryHasSettings;
        Stored saveToIni;
        bool iniExists;
        bool usesIni;
    };
    const Case cases[] = {
        {false, Missing, false, false}, // first start: the registry
        {false, Missing, true, true},   // first start beside an INI file
        {true, Missing, true, true},    // SaveToINI missing counts as true
        {true, Text("1"), true, true},
        {true, Text("1"), false, false},
        {true, Text("0"), true, false},
        {true, Number(0), true, false},
        {true, Number(5), true, true},
        {true, Text("no"), true, true}, // not a number: the default, true
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        stores.iniFileExists = c.iniExists;
        if (c.registryHasSettings)
            stores.registry.PutInteger("Settings", "MaxDownloadCount", 2);
        c.saveToIni.PutInto(stores.registry, "Settings", "SaveToINI");
        stores.ini.PutInteger("Settings", "MaxDownloadCount", 3);
        stores.ini.PutText("Settings", "SaveToINI", "0"); // never read from the INI file

        const BrowserSettings loaded = Load(stores);
        SCOPED_TRACE(testing::Message() << "registry section " << c.registryHasSettings
                                        << ", INI file " << c.iniExists);
        EXPECT_EQ(loaded.Settings.SaveToINI, c.usesIni);
        EXPECT_EQ(loaded.Settings.MaxDownloadCount,
                  c.usesIni ? 3u : (c.registryHasSettings ? 2u : 1u));
        EXPECT_TRUE(stores.registryKeyExists); // the registry is always opened first
    }
}

TEST(LoadSettings, AFreshStoreGivesTheDefaults) {
    for (const bool ini : {false, true}) {
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        test::ExpectSameSettings(Load(stores), test::FreshStoreSettings(ini));
    }
}

TEST(LoadSettings, ReadsBooleansAsIntegersAndIgnoresTheStoredLanguage) {
    MemorySettingsStores stores;
    stores.registry.PutInteger("Settings", "Language", 3);
    stores.registry.PutInteger("Settings", "ShowAddInfo", 0);
    stores.registry.PutInteger("Settings", "MinimizeToTray", 5);
    stores.registry.PutText("Settings", "OverwriteFiles", "0");
    stores.registry.PutText("Settings", "CreateDescriptIon", "yes"); // not a number: default
    stores.registry.PutText("Settings", "UseOtherCopy", "1");
    stores.registry.PutText("Settings", "DescriptionFile", "files.bbs");
    stores.registry.PutText("Settings", "ProxyPassword", "n!np!p");
    const BrowserSettings loaded = Load(stores);
    EXPECT_EQ(loaded.Settings.Language, 1);
    EXPECT_FALSE(loaded.Settings.ShowAddInfo);
    EXPECT_TRUE(loaded.Settings.MinimizeToTray);
    EXPECT_FALSE(loaded.Settings.OverwriteFiles);
    EXPECT_TRUE(loaded.Settings.CreateDescriptIon);
    EXPECT_TRUE(loaded.UseOtherCopy);
    EXPECT_EQ(loaded.DescriptionFile, "files.bbs");
    EXPECT_EQ(loaded.Settings.Proxy.ProxyPassword, "abcd");
}

TEST(LoadSettings, ReplacesASmallLastListSize) {
    struct Case {
        Stored stored;
        std::int32_t loaded;
    };
    const Case cases[] = {
        {Missing, 122880},   {Number(50), 122880}, {Number(99), 122880}, {Number(100), 100},
        {Number(0), 122880}, {Number(-5), 122880}, {Text("50"), 122880}, {Text("4096"), 4096},
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        c.stored.PutInto(stores.registry, "Window", "LastListSize");
        EXPECT_EQ(Load(stores).LastListSize, c.loaded)
            << testing::PrintToString(c.stored.number) << testing::PrintToString(c.stored.text);
    }
}

TEST(LoadSettings, FillsTheBasketFromItsContentsOnlyWhileTheBasketIsOn) {
    struct Case {
        const char* useBasket;
        const char* contents;
        Ids ids;
    };
    const Case cases[] = {
        {"1", "12,,7,12", {12, 0, 7}}, {"1", "", {}},   {"1", "5", {5}},
        {"1", "x, 3,", {0, 3}},        {"1", ",", {0}}, {"0", "12,7", {}},
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        stores.registry.PutText("Settings", "UseDownloadBasket", c.useBasket);
        stores.registry.PutText("Settings", "BasketContents", c.contents);
        EXPECT_EQ(Load(stores).BasketIds.Items(), c.ids) << c.useBasket << " " << c.contents;
    }
}

TEST(LoadSettings, AppliesAStoredBasketHeightOnlyBelowHalfTheListArea) {
    struct Case {
        std::int32_t area;
        Stored stored;
        std::int32_t height;
    };
    const Case cases[] = {
        {484, Number(200), 200}, {484, Number(241), 241}, {484, Number(242), 215},
        {484, Number(250), 215}, {485, Number(242), 215}, {486, Number(242), 242},
        {484, Missing, 215},     {0, Number(10), 215},
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        c.stored.PutInto(stores.registry, "Window", "BasketHeight");
        BrowserSettings before = test::WindowBeforeLoading();
        before.Window.ListAreaHeight = c.area;
        EXPECT_EQ(Load(stores, before).Window.BasketHeight, c.height)
            << "area " << c.area << ", stored " << testing::PrintToString(c.stored.number);
    }
}

TEST(LoadSettings, ReadsTheWindowStateAndProxyAccessFallingBackToTheirFirstValue) {
    struct Case {
        Stored stored;
        MainWindowState state;
        ProxyAccessMode proxy;
    };
    const Case cases[] = {
        {Missing, MainWindowState::Normal, ProxyAccessMode::Direct},
        {Number(1), MainWindowState::Minimized, ProxyAccessMode::System},
        {Number(2), MainWindowState::Maximized, ProxyAccessMode::Given},
        {Text("2"), MainWindowState::Maximized, ProxyAccessMode::Given},
        {Number(3), MainWindowState::Normal, ProxyAccessMode::Direct},
        {Number(-1), MainWindowState::Normal, ProxyAccessMode::Direct},
        {Number(258), MainWindowState::Normal, ProxyAccessMode::Direct},
        {Text("max"), MainWindowState::Normal, ProxyAccessMode::Direct},
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        c.stored.PutInto(stores.registry, "Window", "WindowState");
        c.stored.PutInto(stores.registry, "Settings", "ProxyAccess");
        const BrowserSettings loaded = Load(stores);
        SCOPED_TRACE(testing::PrintToString(c.stored.number) +
                     testing::PrintToString(c.stored.text));
        EXPECT_EQ(loaded.Window.State, c.state);
        EXPECT_EQ(loaded.Settings.Proxy.ProxyAccess, c.proxy);
    }
}

TEST(LoadSettings, MissingWindowKeysKeepTheWindowsCurrentValues) {
    MemorySettingsStores stores;
    stores.registry.PutInteger("Window", "Top", 5);
    stores.registry.PutText("Window\\FontList", "Name", "Verdana");
    BrowserSettings before = test::WindowBeforeLoading();
    before.Window.Placement = {1, 2, 3, 4};
    before.View.FontList = {"Current", 7, 0x123456, 11, FontBold | FontItalic};
    const BrowserSettings loaded = Load(stores, before);
    EXPECT_EQ(loaded.Window.Placement, (WindowPlacement{1, 5, 3, 4}));
    // Every font key but the style defaults to the current font; a missing style is none.
    EXPECT_EQ(loaded.View.FontList, (FontSettings{"Verdana", 7, 0x123456, 11, 0}));
}

TEST(LoadSettings, AFirstStartGetsTheDesignedFontsAndSavesThem) {
    // The window holds nothing but its records' own initial values at its first start.
    MemorySettingsStores stores;
    const BrowserSettings loaded = Load(stores, BrowserSettings{});
    const FontSettings list = loaded.View.FontList;
    const FontSettings preview = loaded.View.FontPreview;
    EXPECT_EQ(list, DesignedListFont());
    EXPECT_EQ(preview, DesignedPreviewFont());
    EXPECT_FALSE(list.Name.empty());
    EXPECT_FALSE(preview.Name.empty());
    EXPECT_EQ(preview.Charset, RussianCharset);
    EXPECT_EQ(preview.Color, 0x00800000u); // navy

    RecordingPrompt prompt;
    SaveSettings(stores, loaded, prompt);
    for (const char* section : {"Window\\FontList", "Window\\FontPreview"}) {
        const auto* name = stores.registry.Find(section, "Name");
        ASSERT_NE(name, nullptr) << section;
        EXPECT_FALSE(name->text.empty()) << section;
    }
    EXPECT_EQ(stores.registry.Find("Window\\FontPreview", "Charset")->number, RussianCharset);
}

TEST(LoadSettings, ReadsTheFontStyleBits) {
    struct Case {
        std::int32_t stored;
        bool bold, italic, underline, strikeOut;
    };
    const Case cases[] = {
        {5, true, false, true, false},  {0, false, false, false, false},
        {2, false, true, false, false}, {8, false, false, false, true},
        {15, true, true, true, true},   {16, false, false, false, false},
    };
    for (const auto& c : cases) {
        MemorySettingsStores stores;
        stores.registry.PutInteger("Window\\FontPreview", "Style", c.stored);
        const FontSettings font = Load(stores).View.FontPreview;
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(font.Bold(), c.bold);
        EXPECT_EQ(font.Italic(), c.italic);
        EXPECT_EQ(font.Underline(), c.underline);
        EXPECT_EQ(font.StrikeOut(), c.strikeOut);
    }
}

TEST(LoadSettings, ReadsTheListLayoutsInRegistryModeOnly) {
    for (const bool ini : {false, true}) {
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        for (MemorySettingsStore* store : {&stores.registry, &stores.ini}) {
            store->WriteBinary("List", "Layout", std::string("L\0", 2));
            store->PutText("Basket", "Other", "x"); // the section without a layout
        }
        const BrowserSettings loaded = Load(stores);
        SCOPED_TRACE(ini ? "INI mode" : "registry mode");
        EXPECT_EQ(loaded.ListLayout, ini ? std::nullopt : std::optional(std::string("L\0", 2)));
        EXPECT_EQ(loaded.BasketLayout, std::nullopt);
    }
}

} // namespace
} // namespace cobwen
