#include "browser/app/settings/core/LoadSettings.h"
#include "browser/app/settings/core/Password.h"
#include "browser/app/settings/core/SaveSettings.h"

#include "browser/app/settings/tests/core/MemorySettingsStore.h"
#include "browser/app/settings/tests/core/RecordingPrompt.h"
#include "browser/app/settings/tests/core/SettingsSamples.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::Cp;
using test::MemorySettingsStore;
using test::MemorySettingsStores;
using test::RecordingPrompt;
using Kind = MemorySettingsStore::Value::Kind;

BrowserSettings Load(MemorySettingsStores& stores) {
    BrowserSettings settings = test::WindowBeforeLoading();
    LoadSettings(stores, test::SampleColourDefaults(), settings);
    return settings;
}

void Save(MemorySettingsStores& stores, const BrowserSettings& settings) {
    RecordingPrompt prompt;
    SaveSettings(stores, settings, prompt);
    EXPECT_TRUE(prompt.questions.empty());
}

bool Has(const MemorySettingsStore& store, const char* section, const char* key) {
    return store.Find(section, key) != nullptr;
}

TEST(SaveSettings, EverySettingRoundTripsThroughEitherStore) {
    for (const bool ini : {false, true}) {
        SCOPED_TRACE(ini ? "INI mode" : "registry mode");
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        const BrowserSettings saved = test::EveryValueChanged(ini);
        Save(stores, saved);
        test::ExpectSameSettings(Load(stores), test::AfterRoundTrip(saved));
    }
}

TEST(SaveSettings, WritesEachKindAsTheStoreKeepsIt) {
    MemorySettingsStores stores;
    BrowserSettings settings = test::EveryValueChanged(false);
    Save(stores, settings);
    const auto kind = [&](const char* section, const char* key) {
        const auto* value = stores.registry.Find(section, key);
        return value ? value->kind : Kind::Binary;
    };
    EXPECT_EQ(kind("Settings", "Language"), Kind::Integer);
    EXPECT_EQ(stores.registry.Find("Settings", "Language")->number, 1);
    EXPECT_EQ(kind("Settings", "ShowAddInfo"), Kind::Text);
    EXPECT_EQ(stores.registry.Find("Settings", "ShowAddInfo")->text, "0");
    EXPECT_EQ(stores.registry.Find("Settings", "MinimizeToTray")->text, "1");
    EXPECT_EQ(kind("Settings", "MaxDownloadCount"), Kind::Integer);
    EXPECT_EQ(kind("Settings", "ProxyAccess"), Kind::Integer);
    EXPECT_EQ(kind("Window", "StripedRow"), Kind::Integer);
    EXPECT_EQ(stores.registry.Find("Window", "StripedRow")->number, 1);
    EXPECT_EQ(kind("Window", "FilterUseName"), Kind::Text);
    EXPECT_EQ(kind("Window\\FontList", "Style"), Kind::Integer);
    EXPECT_EQ(stores.registry.Find("Window\\FontList", "Style")->number, 5);
    EXPECT_EQ(stores.registry.Find("Settings", "BasketContents")->text, "12,0,7,-3,2147483647");
    // The password is stored scrambled.
    const std::string& password = settings.Settings.Proxy.ProxyPassword;
    const std::string stored = stores.registry.Find("Settings", "ProxyPassword")->text;
    EXPECT_EQ(stored.size(), password.size() + 2);
    EXPECT_EQ(stored.find(password.substr(0, 3)), std::string::npos);
    EXPECT_EQ(UnscramblePassword(stored), password);
}

TEST(SaveSettings, LeavesTheKeysItNeverWritesAlone) {
    for (const bool ini : {false, true}) {
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        MemorySettingsStore& target = ini ? stores.ini : stores.registry;
        target.PutText("Settings", "DescriptionFile", "files.bbs");
        target.PutText("Settings", "UseOtherCopy", "1");
        target.PutText("Settings", "LastVersion", "2162");
        target.PutInteger("Settings", "LastUpdate", 45000);
        const auto before = target.sections["Settings"];
        BrowserSettings settings = test::EveryValueChanged(ini);
        settings.DescriptionFile = "other.ion";
        settings.UseOtherCopy = false;
        Save(stores, settings);
        SCOPED_TRACE(ini ? "INI mode" : "registry mode");
        for (const char* key : {"DescriptionFile", "UseOtherCopy", "LastVersion", "LastUpdate"})
            EXPECT_EQ(*target.Find("Settings", key), before.at(key)) << key;
        EXPECT_FALSE(Has(stores.ini, "Settings", "SaveToINI"));
    }
}

TEST(SaveSettings, WritesTheRegistryChoiceAlwaysAndTheIniChoiceOnlyIntoAnExistingSection) {
    struct Case {
        bool registryHasSettings;
        bool saveToIni;
    };
    for (const Case c :
         {Case{false, false}, Case{true, false}, Case{true, true}, Case{false, true}}) {
        MemorySettingsStores stores;
        if (c.registryHasSettings)
            stores.registry.PutText("Settings", "SaveToINI", c.saveToIni ? "0" : "1");
        Save(stores, test::EveryValueChanged(c.saveToIni));
        SCOPED_TRACE(testing::Message()
                     << "section " << c.registryHasSettings << ", INI " << c.saveToIni);
        const auto* choice = stores.registry.Find("Settings", "SaveToINI");
        if (c.registryHasSettings || !c.saveToIni) {
            ASSERT_NE(choice, nullptr);
            EXPECT_EQ(choice->text, c.saveToIni ? "1" : "0");
        } else {
            EXPECT_EQ(choice, nullptr);
        }
        EXPECT_FALSE(Has(stores.ini, "Settings", "SaveToINI"));
        // In INI mode the registry gets nothing but the choice.
        EXPECT_EQ(Has(stores.registry, "Window", "Left"), !c.saveToIni);
        EXPECT_EQ(Has(stores.ini, "Window", "Left"), c.saveToIni);
        // Only INI mode without a registry section removes the registry key.
        EXPECT_EQ(stores.registryDeletions, c.saveToIni && !c.registryHasSettings ? 1 : 0);
        EXPECT_EQ(stores.registryKeyExists, !c.saveToIni || c.registryHasSettings);
    }
}

TEST(SaveSettings, SwitchingFromTheIniFileBackToTheRegistrySticks) {
    for (const bool registryHadSettings : {false, true}) {
        SCOPED_TRACE(registryHadSettings ? "registry section kept" : "registry key deleted");
        MemorySettingsStores stores;
        if (registryHadSettings)
            stores.registry.PutText("Settings", "SaveToINI", "1");
        Save(stores, test::EveryValueChanged(true));
        stores.iniFileExists = true; // the INI file stays beside the program
        BrowserSettings session = Load(stores);
        ASSERT_TRUE(session.Settings.SaveToINI);

        session.Settings.SaveToINI = false;
        session.Settings.DownloadFolder = test::Cp("D:\\Плагины");
        Save(stores, session);
        const BrowserSettings next = Load(stores);
        EXPECT_FALSE(next.Settings.SaveToINI);
        EXPECT_EQ(next.Settings.DownloadFolder, session.Settings.DownloadFolder);
    }
}

TEST(SaveSettings, AMaximisedWindowKeepsTheStoredNormalPlacement) {
    for (const bool ini : {false, true}) {
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        BrowserSettings settings = test::EveryValueChanged(ini);
        settings.Window.Placement = {11, 22, 777, 555};
        settings.Window.State = MainWindowState::Normal;
        Save(stores, settings);
        settings.Window.State = MainWindowState::Maximized;
        settings.Window.Placement = {0, 0, 1024, 768};
        Save(stores, settings);
        const BrowserSettings loaded = Load(stores);
        SCOPED_TRACE(ini ? "INI mode" : "registry mode");
        EXPECT_EQ(loaded.Window.State, MainWindowState::Maximized);
        EXPECT_EQ(loaded.Window.Placement, (WindowPlacement{11, 22, 777, 555}));
    }
}

TEST(SaveSettings, WritesTheBasketOnlyWhileItIsOn) {
    MemorySettingsStores stores;
    stores.registry.PutText("Settings", "BasketContents", "12,,7,12");
    BrowserSettings settings = test::EveryValueChanged(false);
    settings.Settings.UseDownloadBasket = false;
    Save(stores, settings);
    EXPECT_EQ(stores.registry.Find("Settings", "BasketContents")->text, "12,,7,12");
    const BrowserSettings loaded = Load(stores);
    EXPECT_EQ(loaded.BasketIds.Count(), 0);

    settings.Settings.UseDownloadBasket = true;
    settings.BasketIds.Clear();
    Save(stores, settings);
    EXPECT_EQ(stores.registry.Find("Settings", "BasketContents")->text, "");
}

TEST(SaveSettings, WritesTheListLayoutsThatAreThereInRegistryModeOnly) {
    for (const bool ini : {false, true}) {
        MemorySettingsStores stores;
        stores.iniFileExists = ini;
        stores.registry.WriteBinary("Basket", "Layout", "earlier");
        BrowserSettings settings = test::EveryValueChanged(ini);
        settings.BasketLayout.reset();
        Save(stores, settings);
        SCOPED_TRACE(ini ? "INI mode" : "registry mode");
        EXPECT_EQ(stores.registry.ReadBinary("List", "Layout"),
                  ini ? std::nullopt : settings.ListLayout);
        EXPECT_EQ(stores.registry.ReadBinary("Basket", "Layout"), std::string("earlier"));
        EXPECT_FALSE(stores.ini.SectionExists("List"));
    }
}

TEST(SaveSettings, OffersOneMoreAttemptAfterAFailedWrite) {
    const std::string question =
        Cp("Невозможно записать данные в файл C:\\Program Files\\Cobwen\\cobwen.ini.\r"
           "Возможно файл защищен от записи или у вас не хватает прав для его изменения.\r"
           "Попробовать записать данные еще раз ?");
    const std::string error =
        Cp("Невозможно записать данные в файл C:\\Program Files\\Cobwen\\cobwen.ini.\r"
           "Возможно файл защищен от записи или у вас не хватает прав для его изменения.");
    struct Case {
        int failures;
        std::deque<bool> answers;
        int questions;
        int errors;
        bool allWritten;
    };
    const Case cases[] = {
        {0, {}, 0, 0, true},      {1, {true}, 1, 0, true},        {1, {false}, 1, 0, false},
        {2, {true}, 1, 1, false}, {5, {true, true}, 1, 1, false}, // never more than two attempts
    };
    for (const bool ini : {false, true}) {
        for (const auto& c : cases) {
            MemorySettingsStores stores;
            stores.iniFileExists = ini;
            MemorySettingsStore& target = ini ? stores.ini : stores.registry;
            target.failingKey = "FilterName";
            target.failuresLeft = c.failures;
            RecordingPrompt prompt(c.answers);
            SaveSettings(stores, test::EveryValueChanged(ini), prompt);

            SCOPED_TRACE(testing::Message()
                         << (ini ? "INI" : "registry") << " mode, " << c.failures << " failures");
            EXPECT_EQ(prompt.questions, std::vector<std::string>(c.questions, question));
            EXPECT_EQ(prompt.errors, std::vector<std::string>(c.errors, error));
            EXPECT_EQ(target.failuresLeft, std::max(0, c.failures - 2));
            // What came before the failing key stays written; what comes after it and the
            // layouts only when an attempt succeeded.
            EXPECT_TRUE(Has(target, "Window", "LastListSize"));
            EXPECT_EQ(Has(target, "Window", "FilterName"), c.allWritten);
            EXPECT_EQ(Has(target, "Window\\FontPreview", "Style"), c.allWritten);
            EXPECT_EQ(stores.registry.ReadBinary("List", "Layout").has_value(),
                      c.allWritten && !ini);
        }
    }
}

} // namespace
} // namespace cobwen
