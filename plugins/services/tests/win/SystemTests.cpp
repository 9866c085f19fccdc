// The plug-in's settings and mappings in the real registry, error texts, and the DLL as built.

#include "plugin-host/standin/core/LanguageFile.h"
#include "plugin-host/standin/win/PluginLibrary.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/RegistryMappings.h"
#include "win32/Handle.h"
#include "win32/SystemError.h"
#include "win32/Text.h"

#include <windows.h>

#include <filesystem>
#include <regex>

namespace sentrel::test {

namespace {

namespace fs = std::filesystem;

class SystemTest : public SentrelTest {};

std::set<std::string> Inserts(const std::string& text) {
    std::set<std::string> inserts;
    const std::regex insert("%[1-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), insert);
         it != std::sregex_iterator(); ++it)
        inserts.insert(it->str());
    return inserts;
}

} // namespace

TEST_F(SystemTest, TheFirstStartWritesTheDefaultMappings) {
    LoadLinked();
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "UseAttrMapping"), 1u);
    const std::string group0 = SettingsKey() + "\\AttrMappings\\Group0";
    const std::string group1 = SettingsKey() + "\\AttrMappings\\Group1";
    EXPECT_EQ(testsupport::GetDword(group0, "Startup"), 4u);
    EXPECT_EQ(testsupport::GetDword(group0, "Status"), 0u);
    EXPECT_EQ(testsupport::GetDword(group0, "Attributes"), 0u);
    EXPECT_EQ(testsupport::GetDword(group1, "Startup"), 4u);
    EXPECT_FALSE(testsupport::GetDword(group1, "Status").has_value());
    EXPECT_EQ(testsupport::GetDword(group1, "Attributes"), 2u);
    EXPECT_EQ(Plugin()->Lib().attrTable[4 * 3 + 2], 2u);
    EXPECT_EQ(Plugin()->Lib().attrTable[4 * 3 + 0], 0u);
}

TEST_F(SystemTest, MappingsComeBackInTheOrderTheyWereWritten) {
    win::RegistryMappingStore store(SettingsKey());
    std::vector<AttrMapping> written;
    for (int i = 0; i < 12; ++i)
        written.push_back(AttrMapping{static_cast<std::uint8_t>(i % 5),
                                      static_cast<std::uint8_t>(i % 3 ? Any : 1),
                                      static_cast<std::uint16_t>(1u << (i % 3))});
    ASSERT_TRUE(store.WriteAll(written));
    EXPECT_EQ(ReadMappings(store), written);
    // Writing fewer replaces them all.
    ASSERT_TRUE(store.WriteAll(DefaultMappings()));
    EXPECT_EQ(store.GroupNames().size(), 2u);
    EXPECT_EQ(ReadMappings(store), DefaultMappings());
}

TEST_F(SystemTest, SettingsAreClampedAndOnlyFourByteDwordsCount) {
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "UseAttrMapping", 1));
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "DisksMenuDigit", 12));
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "DefaultViewMode", 7));
    ASSERT_TRUE(testsupport::SetValue(SettingsKey(), "DirStructure", REG_BINARY,
                                      std::string("\x01\0\0\0", 4)));
    ASSERT_TRUE(
        testsupport::SetValue(SettingsKey(), "AddDotsToRoot", REG_QWORD, std::string(8, '\0')));
    ASSERT_TRUE(testsupport::SetValue(SettingsKey(), "CfmFlags", REG_DWORD, std::string(2, '\0')));
    LoadLinked();
    const Settings& settings = Plugin()->Lib().settings;
    EXPECT_EQ(settings.disksMenuDigit, 0);
    EXPECT_EQ(settings.defaultViewMode, '7');
    EXPECT_EQ(settings.dirStructure, 0);
    EXPECT_TRUE(settings.addDotsToRoot);
    EXPECT_EQ(settings.cfmFlags, DefaultCfmFlags);
    // No default mappings over the ones the user has.
    EXPECT_FALSE(testsupport::KeyExists(SettingsKey() + "\\AttrMappings"));
}

TEST_F(SystemTest, ErrorTextsInOemWithTheNetworkLibraryWhereThereIsOne) {
    EXPECT_EQ(win::ErrorText(ERROR_ACCESS_DENIED),
              win32::OemFromAnsi(win32::SystemMessageText(ERROR_ACCESS_DENIED)));
    EXPECT_FALSE(win::ErrorText(ERROR_ACCESS_DENIED).empty());
    const win32::ModuleHandle netmsg(
        LoadLibraryExA("netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (netmsg.Valid())
        EXPECT_FALSE(win::ErrorText(2102).empty());
    else
        EXPECT_EQ(win::ErrorText(2102), win32::OemFromAnsi(win32::SystemMessageText(2102)));
}

TEST(SentrelDll, ExportsTheEntryPointsAndNoFileCopyingIn) {
    ulvar::standin::PluginLibrary library((fs::path(ProgramFolder()) / "sentrel.dll").string());
    ASSERT_TRUE(library.Loaded()) << library.Error();
    for (const char* name :
         {"SetStartupInfo", "GetPluginInfo", "OpenPlugin", "ClosePlugin", "GetOpenPluginInfo",
          "GetFindData", "FreeFindData", "SetDirectory", "GetFiles", "ProcessKey", "ProcessEvent",
          "Compare", "Configure", "ExitUlvar"})
        EXPECT_NE(library.Export(name), nullptr) << name;
    for (const char* name : {"PutFiles", "DeleteFiles"})
        EXPECT_EQ(library.Export(name), nullptr) << name;
}

TEST(SentrelDll, TheLanguageFilesHoldOneCatalogue) {
    ulvar::standin::LanguageTable english, russian;
    ASSERT_TRUE(english.LoadFile((fs::path(ProgramFolder()) / "sentrel_en.lng").string()));
    ASSERT_TRUE(russian.LoadFile((fs::path(ProgramFolder()) / "sentrel_ru.lng").string()));
    EXPECT_EQ(english.Size(), msg::Count);
    EXPECT_EQ(russian.Size(), msg::Count);
    for (int i = 0; i < msg::Count; ++i) {
        EXPECT_STRNE(english.Get(i), "") << i;
        EXPECT_STRNE(russian.Get(i), "") << i;
        EXPECT_EQ(Inserts(english.Get(i)), Inserts(russian.Get(i))) << i;
    }
    // The view-mode strings are the same layout in both.
    EXPECT_STREQ(english.Get(msg::ColumnTypes), russian.Get(msg::ColumnTypes));
    // "Службы" in code page 866.
    EXPECT_STREQ(russian.Get(msg::ServicesFolder), "\x91\xab\xe3\xa6\xa1\xeb");
}

TEST_F(SystemTest, TheDllOffersItsMenusAndThePrefix) {
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "DisksMenuDigit", 4));
    LoadDll("ru");
    const auto menus = Host().GetPluginInfo();
    EXPECT_EQ(menus.disksMenu, std::vector<std::string>{Msg(msg::DisksMenu)});
    EXPECT_EQ(menus.disksMenuNumbers, std::vector<int>{4});
    EXPECT_EQ(menus.pluginsMenu, std::vector<std::string>{Msg(msg::Title)});
    EXPECT_EQ(menus.configMenu, std::vector<std::string>{Msg(msg::Title)});
    EXPECT_EQ(menus.commandPrefix, "svc");
    ASSERT_NE(Host().OpenCommandLine("\\\\\\" + Msg(msg::ServicesFolder)), ulvar::InvalidPanel);
    EXPECT_EQ(Panel().Description().curDir, Msg(msg::ServicesFolder));
    EXPECT_GT(Panel().Count(), 3);
}

} // namespace sentrel::test
