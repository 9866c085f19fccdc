#include "plugins/game/tests/core/GameFixture.h"

#include "plugin-host/standin/win/DllLoading.h"
#include "plugin-host/standin/win/PluginLibrary.h"
#include "plugins/game/core/Messages.h"

#include <filesystem>

namespace blocksby::test {
namespace {

using ulvar::standin::PluginLibrary;

std::string BuiltDll() {
    return (std::filesystem::path(ProgramFolder()) / "blocksby.dll").string();
}

TEST(BlocksbyDllTest, ExportsTheThreeEntryPointsAndNothingElseOfTheInterface) {
    PluginLibrary library(BuiltDll());
    ASSERT_TRUE(library.Loaded()) << library.Error();
    const auto& entry = library.EntryPoints();
    EXPECT_NE(entry.SetStartupInfo, nullptr);
    EXPECT_NE(entry.GetPluginInfo, nullptr);
    EXPECT_NE(entry.OpenPlugin, nullptr);
    for (const char* name : {"ClosePlugin", "GetOpenPluginInfo", "GetFindData", "FreeFindData",
                             "SetDirectory", "GetFiles", "PutFiles", "DeleteFiles", "ProcessKey",
                             "ProcessEvent", "Compare", "Configure", "ExitUlvar"}) {
        EXPECT_EQ(library.Export(name), nullptr) << name;
    }
}

class BlocksbyDllHostTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BlocksbyDllHostTest, PluginInfoOffersMessageZeroInThePluginsMenuOnlyAlsoInEditorAndViewer) {
    const std::string language = GetParam();
    ScratchFolder folder;
    const auto bin = std::filesystem::path(ProgramFolder());
    for (const char* name : {"blocksby.dll", "blocksby_en.lng", "blocksby_ru.lng"}) {
        std::filesystem::copy_file(bin / name, folder.File(name));
    }
    ulvar::standin::ScriptedUi ui;
    ulvar::standin::HostOptions options;
    options.language = language;
    ulvar::standin::StandInHost host(options, ui);
    std::string error;
    ASSERT_TRUE(ulvar::standin::LoadDll(host, folder.File("blocksby.dll"), &error)) << error;
    EXPECT_EQ(host.LanguagePath(), folder.File("blocksby_" + language + ".lng"));
    EXPECT_EQ(host.Messages().Size(), 37);

    const auto menus = host.GetPluginInfo();
    EXPECT_EQ(menus.flags, ulvar::PluginInEditor | ulvar::PluginInViewer);
    EXPECT_TRUE(menus.disksMenu.empty());
    EXPECT_TRUE(menus.configMenu.empty());
    ASSERT_EQ(menus.pluginsMenu.size(), 1u);
    EXPECT_EQ(menus.pluginsMenu[0], host.Messages().Get(msg::MenuEntry));
    EXPECT_FALSE(menus.pluginsMenu[0].empty());
    host.Exit();
}

INSTANTIATE_TEST_SUITE_P(Languages, BlocksbyDllHostTest, ::testing::Values("en", "ru"));

TEST(BlocksbyLanguageFilesTest, RussianFileIsInCodePage866AndEnglishIsPlainAscii) {
    const auto bin = std::filesystem::path(ProgramFolder());
    ulvar::standin::LanguageTable russian, english;
    ASSERT_TRUE(russian.LoadFile((bin / "blocksby_ru.lng").string()));
    ASSERT_TRUE(english.LoadFile((bin / "blocksby_en.lng").string()));
    EXPECT_EQ(russian.Size(), 37);
    EXPECT_EQ(english.Size(), 37);
    EXPECT_STREQ(russian.Get(msg::ScoreLabel), "\x8E\xE7\xAA\xA8"); // "Очки"
    for (int i = 0; i < english.Size(); ++i) {
        for (const char* p = english.Get(i); *p; ++p) {
            EXPECT_GE(static_cast<unsigned char>(*p), 0x20u) << "message " << i;
            EXPECT_LT(static_cast<unsigned char>(*p), 0x80u) << "message " << i;
        }
        EXPECT_GT(std::string(english.Get(i)).size(), 0u) << "message " << i;
    }
}

} // namespace
} // namespace blocksby::test
