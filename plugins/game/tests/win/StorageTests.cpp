// The game's storage on Windows: the game file through the wide file functions with OEM paths,
// and the registry value under the plug-in's key.

#include "plugins/game/core/GameFile.h"
#include "plugins/game/win/Win32GameStorage.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <windows.h>

namespace blocksby::win {
namespace {

using testsupport::ScratchFolder;

std::vector<std::uint8_t> Sequence(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    return bytes;
}

TEST(Win32GameStorageTest, ReadsAtMostAGameFileAndNothingOfWhatCannotBeOpened) {
    ScratchFolder folder;
    Win32GameStorage storage;
    const auto longer = Sequence(GameFileSize + 100);
    folder.Write("long.gam", std::string(longer.begin(), longer.end()));
    const auto read = storage.ReadGameFile(folder.File("long.gam"));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, Sequence(GameFileSize));

    folder.Write("short.gam", "ten bytes!");
    EXPECT_EQ(storage.ReadGameFile(folder.File("short.gam"))->size(), 10u);
    EXPECT_EQ(storage.ReadGameFile(folder.File("missing.gam")), std::nullopt);
    std::filesystem::create_directory(folder.File("folder.gam"));
    EXPECT_EQ(storage.ReadGameFile(folder.File("folder.gam")), std::nullopt);
}

TEST(Win32GameStorageTest, WritingCreatesTheFileAnewAndFailsOnAFolder) {
    ScratchFolder folder;
    Win32GameStorage storage;
    folder.Write("game.gam", std::string(5000, 'x'));
    EXPECT_TRUE(storage.WriteGameFile(folder.File("game.gam"), Sequence(300)));
    const std::string written = ScratchFolder::ReadBytes(folder.File("game.gam"));
    const auto expected = Sequence(300);
    EXPECT_EQ(written, std::string(expected.begin(), expected.end()));

    std::filesystem::create_directory(folder.File("folder.gam"));
    EXPECT_FALSE(storage.WriteGameFile(folder.File("folder.gam"), Sequence(10)));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.gam")));
}

TEST(Win32GameStorageTest, PathsAreOemText) {
    if (GetOEMCP() != 866)
        GTEST_SKIP() << "needs the OEM code page 866 (LANG=ru_RU.UTF-8)";
    ScratchFolder folder;
    Win32GameStorage storage;
    // "Игра.gam" with the folder's path, in code page 866 as the host hands paths over.
    const std::string oemPath =
        win32::OemFromWide(win32::ToWide(folder.Path(), win32::AnsiCodePage)) +
        "\\\x88\xa3\xe0\xa0.gam";
    ASSERT_TRUE(storage.WriteGameFile(oemPath, Sequence(20)));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(
        win32::ToWide(folder.Path(), win32::AnsiCodePage) + L"\\\x0418\x0433\x0440\x0430.gam")));
    EXPECT_EQ(storage.ReadGameFile(oemPath), Sequence(20));
}

TEST(Win32GameStorageTest, ValuesAreTheRegistryKeysDwords) {
    testsupport::TestRegistryKey key("Software\\UlvarTests");
    const std::string keyPath = key.Path() + "\\Blocksby";
    ASSERT_TRUE(testsupport::SetDword(keyPath, "Window", AutoPauseMagic));
    Win32GameStorage storage;
    const auto values = storage.Values(keyPath);
    EXPECT_EQ(values->Read("Window"), AutoPauseMagic);
    EXPECT_TRUE(ulvar::kit::ReadSettings(*values, GameSettingsValues).AutoPause());
    EXPECT_EQ(storage.Values(key.Path())->Read("Window"), std::nullopt) << "the root key has none";
}

} // namespace
} // namespace blocksby::win
