// Loading and saving against Wine's registry and real INI files.
#include "browser/app/settings/core/LoadSettings.h"
#include "browser/app/settings/core/SaveSettings.h"
#include "browser/app/settings/win/IniSettingsStore.h"
#include "browser/app/settings/win/WindowsSettingsStores.h"

#include "browser/app/settings/tests/core/RecordingPrompt.h"
#include "browser/app/settings/tests/core/SettingsSamples.h"
#include "browser/app/settings/tests/win/FileProtection.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Handle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

using test::Cp;
using Names = std::vector<std::string>;

// The key names of an INI section, in the file's order.
Names IniKeys(const std::string& path, const char* section) {
    std::string buffer(16384, '\0');
    const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    Names names;
    for (std::size_t start = 0; start < length;) {
        const std::size_t end = buffer.find('\0', start);
        names.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

Names IniSections(const std::string& path) {
    std::string buffer(4096, '\0');
    const DWORD length = GetPrivateProfileSectionNamesA(
        buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    Names names;
    for (std::size_t start = 0; start < length;) {
        const std::size_t end = buffer.find('\0', start);
        names.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

const Names SavedSettingsKeys = {
    "Language",
    "UseDownloadBasket",
    "CheckUpdatedPlugins",
    "CheckForUpdates",
    "MinimizeToTray",
    "SaveDirectoryStructure",
    "ShowAddInfo",
    "CreateDescriptIon",
    "CreateTextDescriptFile",
    "OverwriteFiles",
    "PeriodCheckForUpdates",
    "MaxDownloadCount",
    "FindIn",
    "DownloadFolder",
    "CopyPluginInfoFormat",
    "AddInfoFormat",
    "StatusInfoFormat",
    "DescriptIonFormat",
    "CopyAllSelectedToClipboard",
    "ProxyAccess",
    "ProxyHost",
    "ProxyUserName",
    "ProxyPassword",
    "ProxyAuthRequired",
    "BasketContents",
};
const Names SavedWindowKeys = {
    "LastListSize",
    "FilterCategory",
    "FilterAuthor",
    "FilterDate",
    "FilterSrcLang",
    "FilterUlvarVersion",
    "FilterWindowsVersion",
    "FilterName",
    "FilterHasSources",
    "FilterUseCategory",
    "FilterUseAuthor",
    "FilterUseRelease",
    "FilterUseName",
    "FilterUseUlvarVersion",
    "FilterUseWindowsVersion",
    "FilterSetOffOther",
    "WindowState",
    "Left",
    "Top",
    "Width",
    "Height",
    "ColorList",
    "ColorOdd",
    "ColorNew",
    "ColorDownloaded",
    "StripedRow",
    "BasketHeight",
};
const Names FontKeys = {"Name", "Charset", "Color", "Size", "Style"};

// A registry key and a program folder of their own, and the stores on them.
class Places {
public:
    BrowserSettings Load() {
        BrowserSettings settings = test::WindowBeforeLoading();
        LoadSettings(stores, test::SampleColourDefaults(), settings);
        return settings;
    }

    void Save(const BrowserSettings& settings) {
        test::RecordingPrompt prompt;
        SaveSettings(stores, settings, prompt);
        EXPECT_TRUE(prompt.questions.empty());
    }

    std::string IniContent() const {
        std::string content;
        EXPECT_TRUE(testsupport::ReadFile(iniPath, content));
        return content;
    }

    std::string Key(const char* section) const { return root.ProgramKey() + "\\" + section; }

    testsupport::TestRegistryKey root;
    testsupport::ScratchFolder folder;
    const std::string iniPath = folder.File("cobwen.ini");
    WindowsSettingsStores stores{iniPath, root.ProgramKey()};
};

enum class Protection { ReadOnly, HeldOpen };

// Saving into an INI file that cannot be written: the question, then (after Yes) the error.
void ExpectRetryQuestionAndError(Protection protection) {
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer ? "Yes" : "No");
        Places places;
        const std::string message =
            Cp("Невозможно записать данные в файл ") + places.iniPath +
            Cp(".\rВозможно файл защищен от записи или у вас не хватает прав для его изменения.");
        const std::string question = message + Cp("\rПопробовать записать данные еще раз ?");
        const std::string original = "[Settings]\r\nMaxDownloadCount=2\r\n";
        ASSERT_TRUE(testsupport::WriteFile(places.iniPath, original));
        BrowserSettings loaded = places.Load();
        ASSERT_TRUE(loaded.Settings.SaveToINI);
        loaded.Settings.MaxDownloadCount = 3;

        win32::KernelHandle otherProgram;
        if (protection == Protection::ReadOnly)
            ASSERT_TRUE(SetFileAttributesA(places.iniPath.c_str(), FILE_ATTRIBUTE_READONLY));
        else
            otherProgram.Reset(CreateFileA(places.iniPath.c_str(), GENERIC_READ, 0, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
        test::RecordingPrompt prompt({answer});
        SaveSettings(places.stores, loaded, prompt);
        otherProgram.Reset();

        EXPECT_EQ(prompt.questions, Names{question});
        EXPECT_EQ(prompt.errors, answer ? Names{message} : Names{});
        EXPECT_EQ(places.IniContent(), original);
    }
}

TEST(SettingsFiles, FirstStartWithoutEitherStoreUsesTheRegistry) {
    Places places;
    test::ExpectSameSettings(places.Load(), test::FreshStoreSettings(false));
    EXPECT_TRUE(testsupport::KeyExists(places.root.ProgramKey()));

    const BrowserSettings saved = test::EveryValueChanged(false);
    places.Save(saved);
    EXPECT_FALSE(testsupport::FileExists(places.iniPath));
    // The choice of the registry is written with the settings, so that an INI file put beside
    // the program later does not take over.
    EXPECT_EQ(testsupport::GetString(places.Key("Settings"), "SaveToINI"),
              std::optional<std::string>("0"));
    EXPECT_EQ(testsupport::GetDword(places.Key("Settings"), "Language"), 1u);
    test::ExpectSameSettings(places.Load(), test::AfterRoundTrip(saved));
}

TEST(SettingsFiles, AnEmptyIniFileBesideTheProgramIsUsed) {
    Places places;
    ASSERT_TRUE(testsupport::WriteFile(places.iniPath, ""));
    test::ExpectSameSettings(places.Load(), test::FreshStoreSettings(true));

    const BrowserSettings saved = test::EveryValueChanged(true);
    places.Save(saved);
    // The key that opening the registry created is gone again, and the vendor's key with it.
    EXPECT_FALSE(testsupport::KeyExists(places.root.ProgramKey()));
    EXPECT_FALSE(testsupport::KeyExists(places.root.VendorKey()));
    EXPECT_TRUE(testsupport::KeyExists(places.root.Path()));
    test::ExpectSameSettings(places.Load(), test::AfterRoundTrip(saved));
}

TEST(SettingsFiles, SavesEveryKeyUnderItsNameAndNoOther) {
    {
        SCOPED_TRACE("INI file");
        Places places;
        ASSERT_TRUE(testsupport::WriteFile(places.iniPath, ""));
        places.Save(test::EveryValueChanged(true));
        const std::string& ini = places.iniPath;
        EXPECT_EQ(IniSections(ini),
                  (Names{"Settings", "Window", "Window\\FontList", "Window\\FontPreview"}));
        EXPECT_EQ(IniKeys(ini, "Settings"), SavedSettingsKeys);
        EXPECT_EQ(IniKeys(ini, "Window"), SavedWindowKeys);
        EXPECT_EQ(IniKeys(ini, "Window\\FontList"), FontKeys);
        EXPECT_EQ(IniKeys(ini, "Window\\FontPreview"), FontKeys);
    }
    {
        SCOPED_TRACE("registry");
        Places places;
        places.Save(test::EveryValueChanged(false));
        // The registry also holds the choice of store.
        Names registryKeys = SavedSettingsKeys;
        registryKeys.push_back("SaveToINI");
        EXPECT_EQ(Sorted(testsupport::ValueNames(places.Key("Settings"))), Sorted(registryKeys));
        EXPECT_EQ(Sorted(testsupport::ValueNames(places.Key("Window"))), Sorted(SavedWindowKeys));
        EXPECT_EQ(Sorted(testsupport::ValueNames(places.Key("Window\\FontList"))),
                  Sorted(FontKeys));
        EXPECT_EQ(Sorted(testsupport::ValueNames(places.Key("Window\\FontPreview"))),
                  Sorted(FontKeys));
        EXPECT_EQ(testsupport::ValueNames(places.Key("List")), Names{"Layout"});
        EXPECT_EQ(testsupport::ValueNames(places.Key("Basket")), Names{"Layout"});
        EXPECT_EQ(testsupport::GetString(places.Key("Settings"), "ShowAddInfo"), "0");
        EXPECT_EQ(testsupport::GetDword(places.Key("Window"), "StripedRow"), 1u);
        EXPECT_EQ(testsupport::GetDword(places.Key("Window\\FontList"), "Style"), 5u);
    }
}

TEST(SettingsFiles, AStoredChoiceOfTheRegistryWinsOverAnIniFile) {
    Places places;
    ASSERT_TRUE(testsupport::SetString(places.Key("Settings"), "SaveToINI", "0"));
    ASSERT_TRUE(testsupport::SetDword(places.Key("Settings"), "MaxDownloadCount", 2));
    const std::string file = "[Settings]\r\nMaxDownloadCount=3\r\n";
    ASSERT_TRUE(testsupport::WriteFile(places.iniPath, file));

    BrowserSettings loaded = places.Load();
    EXPECT_FALSE(loaded.Settings.SaveToINI);
    EXPECT_EQ(loaded.Settings.MaxDownloadCount, 2u);
    loaded.Settings.MaxDownloadCount = 4;
    places.Save(loaded);
    EXPECT_EQ(testsupport::GetDword(places.Key("Settings"), "MaxDownloadCount"), 4u);
    EXPECT_EQ(testsupport::GetString(places.Key("Settings"), "SaveToINI"), "0");
    EXPECT_EQ(places.IniContent(), file);
}

TEST(SettingsFiles, AStoredChoiceOfTheIniFileIsKeptAndCanBeTurnedBack) {
    Places places;
    ASSERT_TRUE(testsupport::SetString(places.Key("Settings"), "SaveToINI", "1"));
    ASSERT_TRUE(testsupport::WriteFile(places.iniPath, "[Settings]\r\nMaxDownloadCount=3\r\n"));

    BrowserSettings loaded = places.Load();
    ASSERT_TRUE(loaded.Settings.SaveToINI);
    EXPECT_EQ(loaded.Settings.MaxDownloadCount, 3u);
    places.Save(loaded);
    // The registry keeps its section with the choice and gets nothing else.
    EXPECT_EQ(testsupport::ValueNames(places.Key("Settings")), Names{"SaveToINI"});
    EXPECT_FALSE(testsupport::KeyExists(places.Key("Window")));
    EXPECT_EQ(Sorted(IniKeys(places.iniPath, "Settings")), Sorted(SavedSettingsKeys));

    // The user turns the INI file off: the next save goes to the registry, the next start reads it.
    loaded.Settings.SaveToINI = false;
    loaded.Settings.MaxDownloadCount = 5;
    places.Save(loaded);
    EXPECT_EQ(testsupport::GetString(places.Key("Settings"), "SaveToINI"), "0");
    const BrowserSettings next = places.Load();
    EXPECT_FALSE(next.Settings.SaveToINI);
    EXPECT_EQ(next.Settings.MaxDownloadCount, 5u);
}

TEST(SettingsFiles, AnIntegerKeptAsAStringStaysAString) {
    Places places;
    ASSERT_TRUE(testsupport::SetString(places.Key("Window"), "Left", "123"));
    ASSERT_TRUE(testsupport::SetDword(places.Key("Window"), "Top", 50));
    BrowserSettings loaded = places.Load();
    EXPECT_EQ(loaded.Window.Placement.Left, 123);
    EXPECT_EQ(loaded.Window.Placement.Top, 50);
    loaded.Window.Placement = {1, 2, 3, 4};
    places.Save(loaded);
    EXPECT_EQ(testsupport::GetString(places.Key("Window"), "Left"), "1");
    EXPECT_EQ(testsupport::GetDword(places.Key("Window"), "Top"), 2u);
}

TEST(SettingsFiles, AReadOnlyIniFileAsksOnceMoreAndThenReportsTheFailure) {
    if (test::ReadOnlyAttributeIsIgnored())
        GTEST_SKIP() << "this process may write read-only files (Wine run by root); the test "
                        "with the INI file held open elsewhere covers the failing save";
    ExpectRetryQuestionAndError(Protection::ReadOnly);
}

TEST(SettingsFiles, AnIniFileHeldOpenElsewhereAsksOnceMoreAndThenReportsTheFailure) {
    ExpectRetryQuestionAndError(Protection::HeldOpen);
}

TEST(SettingsFiles, AMaximisedWindowAtExitKeepsTheEarlierNormalPlacement) {
    for (const bool ini : {false, true}) {
        SCOPED_TRACE(ini ? "INI file" : "registry");
        Places places;
        if (ini) {
            ASSERT_TRUE(testsupport::WriteFile(places.iniPath, ""));
        }
        BrowserSettings settings = places.Load();
        ASSERT_EQ(settings.Settings.SaveToINI, ini);
        settings.Window.Placement = {11, 22, 777, 555};
        places.Save(settings);
        settings.Window.State = MainWindowState::Maximized;
        settings.Window.Placement = {0, 0, 1024, 768};
        places.Save(settings);
        const BrowserSettings loaded = places.Load();
        EXPECT_EQ(loaded.Window.State, MainWindowState::Maximized);
        EXPECT_EQ(loaded.Window.Placement, (WindowPlacement{11, 22, 777, 555}));
    }
}

TEST(SettingsFiles, ReadsAFileAnEarlierRunWrote) {
    Places places;
    ASSERT_TRUE(testsupport::WriteFile(places.iniPath, "[Settings]\r\n"
                                                       "UseDownloadBasket=1\r\n"
                                                       "BasketContents=12,,7,12\r\n"
                                                       "ProxyPassword=n!np!p\r\n"
                                                       "DescriptionFile=files.bbs\r\n"
                                                       "[Window]\r\n"
                                                       "LastListSize=50\r\n"
                                                       "BasketHeight=200\r\n"
                                                       "ColorNew=255\r\n"
                                                       "[Window\\FontList]\r\n"
                                                       "Style=5\r\n"
                                                       "Size=10\r\n"));
    const BrowserSettings loaded = places.Load();
    EXPECT_TRUE(loaded.Settings.SaveToINI);
    EXPECT_EQ(loaded.BasketIds.Items(), (std::vector<std::int32_t>{12, 0, 7}));
    EXPECT_EQ(loaded.Settings.Proxy.ProxyPassword, "abcd");
    EXPECT_EQ(loaded.DescriptionFile, "files.bbs");
    EXPECT_EQ(loaded.LastListSize, 122880);
    EXPECT_EQ(loaded.Window.BasketHeight, 200); // below 484 / 2
    EXPECT_EQ(loaded.View.ColorNew, 255u);
    EXPECT_EQ(loaded.View.ColorList, test::SampleColourDefaults().List);
    EXPECT_TRUE(loaded.View.FontList.Bold());
    EXPECT_TRUE(loaded.View.FontList.Underline());
    EXPECT_FALSE(loaded.View.FontList.Italic());
    EXPECT_EQ(loaded.View.FontList.Size, 10);
    EXPECT_EQ(loaded.View.FontList.Name, DesignedListFont().Name);
}

TEST(SettingsFiles, ABasketHeightOfHalfTheListAreaOrMoreIsNotApplied) {
    for (const char* height : {"242", "250"}) {
        Places places;
        ASSERT_TRUE(testsupport::WriteFile(places.iniPath,
                                           std::string("[Window]\r\nBasketHeight=") + height));
        EXPECT_EQ(places.Load().Window.BasketHeight, DesignedBasketHeight) << height;
    }
}

TEST(SettingsFiles, TheBasketOffLeavesItsStoredContentsAlone) {
    Places places;
    ASSERT_TRUE(testsupport::WriteFile(places.iniPath, "[Settings]\r\nUseDownloadBasket=0\r\n"
                                                       "BasketContents=12,,7,12\r\n"));
    BrowserSettings loaded = places.Load();
    EXPECT_EQ(loaded.BasketIds.Count(), 0);
    loaded.BasketIds.Add(99);
    places.Save(loaded);
    EXPECT_EQ(IniSettingsStore(places.iniPath).ReadText("Settings", "BasketContents", ""),
              "12,,7,12");
}

TEST(SettingsFiles, PasswordsOfEveryLengthRoundTripThroughBothStores) {
    // Cyrillic letters near the end of the code page scramble to control and NUL bytes.
    const std::string sources[] = {"abcdefghijkl", Cp("яюэьфхцчшщъы"), Cp("pя1ф х\"ь=;[]")};
    for (const bool ini : {false, true}) {
        Places places;
        if (ini) {
            ASSERT_TRUE(testsupport::WriteFile(places.iniPath, ""));
        }
        for (const auto& source : sources) {
            for (std::size_t length = 0; length <= 12; ++length) {
                BrowserSettings settings = test::FreshStoreSettings(ini);
                settings.Settings.Proxy.ProxyPassword = source.substr(0, length);
                places.Save(settings);
                const std::string stored =
                    places.stores.Open(ini)->ReadText("Settings", "ProxyPassword", "missing");
                SCOPED_TRACE(testing::Message() << (ini ? "INI file" : "registry") << ", " << length
                                                << " bytes of " << source);
                EXPECT_EQ(stored.size(), length == 0 ? 0 : length + 2);
                EXPECT_EQ(places.Load().Settings.Proxy.ProxyPassword, source.substr(0, length));
            }
        }
    }
}

} // namespace
} // namespace cobwen
