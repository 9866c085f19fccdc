#include "browser/app/settings/win/RegistrySettingsStore.h"

#include "browser/app/settings/tests/core/SettingsSamples.h"
#include "browser/catalogue/core/Error.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::Cp;

class RegistrySettingsStoreTest : public testing::Test {
protected:
    testsupport::TestRegistryKey root_;
    const std::string program_ = root_.ProgramKey();
};

TEST_F(RegistrySettingsStoreTest, OpeningCreatesTheKeyAndSectionsAreSubKeys) {
    ASSERT_FALSE(testsupport::KeyExists(program_));
    RegistrySettingsStore store(HKEY_CURRENT_USER, program_);
    EXPECT_TRUE(testsupport::KeyExists(program_));
    EXPECT_FALSE(store.SectionExists("Window"));
    store.WriteInteger("Window\\FontList", "Size", 8);
    EXPECT_TRUE(store.SectionExists("Window"));
    EXPECT_TRUE(store.SectionExists("Window\\FontList"));
    EXPECT_FALSE(store.SectionExists("Settings"));
    EXPECT_EQ(testsupport::GetDword(program_ + "\\Window\\FontList", "Size"), 8u);
}

TEST_F(RegistrySettingsStoreTest, WritesBooleansAndTextsAsStringsAndIntegersAsNumbers) {
    RegistrySettingsStore store(HKEY_CURRENT_USER, program_);
    store.WriteBool("Settings", "ShowAddInfo", true);
    store.WriteBool("Settings", "OverwriteFiles", false);
    store.WriteInteger("Settings", "PeriodCheckForUpdates", -30);
    store.WriteText("Settings", "DescriptIonFormat", "%Name (%Category)");
    const std::string section = program_ + "\\Settings";
    EXPECT_EQ(testsupport::GetString(section, "ShowAddInfo"), "1");
    EXPECT_EQ(testsupport::GetString(section, "OverwriteFiles"), "0");
    EXPECT_EQ(testsupport::GetDword(section, "PeriodCheckForUpdates"), static_cast<DWORD>(-30));
    EXPECT_EQ(testsupport::GetString(section, "DescriptIonFormat"), "%Name (%Category)");
}

TEST_F(RegistrySettingsStoreTest, AnIntegerKeptAsAStringIsReadAndRewrittenAsAString) {
    const std::string window = program_ + "\\Window";
    ASSERT_TRUE(testsupport::SetString(window, "Left", "123"));
    ASSERT_TRUE(testsupport::SetDword(window, "Top", 50));
    RegistrySettingsStore store(HKEY_CURRENT_USER, program_);
    EXPECT_EQ(store.ReadInteger("Window", "Left", 0), 123);
    store.WriteInteger("Window", "Left", -456);
    store.WriteInteger("Window", "Top", 60);
    EXPECT_EQ(testsupport::GetString(window, "Left"), "-456");
    EXPECT_EQ(testsupport::GetDword(window, "Top"), 60u);
    EXPECT_EQ(store.ReadInteger("Window", "Left", 0), -456);
}

TEST_F(RegistrySettingsStoreTest, ReadsTolerantly) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::int32_t integer; // with the fallback 77
        bool boolean;         // with the fallback true
        const char* text;     // with the fallback "fb"
    };
    const Case cases[] = {
        {"Dword5", REG_DWORD, std::string("\x05\0\0\0", 4), 5, true, "5"},
        {"Dword0", REG_DWORD, std::string(4, '\0'), 0, false, "0"},
        {"DwordMinus1", REG_DWORD, std::string(4, '\xFF'), -1, true, "-1"},
        {"String42", REG_SZ, std::string(" 42\0", 4), 42, true, " 42"},
        {"String0", REG_SZ, std::string("0\0", 2), 0, false, "0"},
        {"Word", REG_SZ, std::string("abc\0", 4), 77, true, "abc"},
        {"Empty", REG_SZ, std::string(1, '\0'), 77, true, ""},
        {"Expand", REG_EXPAND_SZ, std::string("7\0", 2), 7, true, "7"},
        {"Binary", REG_BINARY, std::string("\x01\x02", 2), 77, true, "fb"},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(testsupport::SetValue(program_ + "\\S", c.name, c.type, c.data));
    const RegistrySettingsStore store(HKEY_CURRENT_USER, program_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(store.ReadInteger("S", c.name, 77), c.integer);
        EXPECT_EQ(store.ReadBool("S", c.name, true), c.boolean);
        EXPECT_EQ(store.ReadText("S", c.name, "fb"), c.text);
    }
    EXPECT_EQ(store.ReadInteger("S", "Missing", 77), 77);
    EXPECT_FALSE(store.ReadBool("S", "Missing", false));
    EXPECT_EQ(store.ReadText("Nope", "Missing", "fb"), "fb");
    EXPECT_EQ(store.ReadBinary("S", "Missing"), std::nullopt);
}

TEST_F(RegistrySettingsStoreTest, KeepsTextsAndBytesAsTheyAre) {
    const std::string texts[] = {
        "",
        Cp("%Description\r\nАвтор: %Author\r\n"),
        " blanks ",
        std::string("nul\0inside", 10),
        std::string("\x01\x0D\x0A\0", 4),
    };
    RegistrySettingsStore store(HKEY_CURRENT_USER, program_);
    for (std::size_t i = 0; i < std::size(texts); ++i)
        store.WriteText("Settings", "Text" + std::to_string(i), texts[i]);
    const std::string bytes("\0\xFF layout\r\n", 11);
    store.WriteBinary("List", "Layout", bytes);

    const RegistrySettingsStore reopened(HKEY_CURRENT_USER, program_);
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(reopened.ReadText("Settings", "Text" + std::to_string(i), "fb"), texts[i]) << i;
    EXPECT_EQ(reopened.ReadBinary("List", "Layout"), bytes);
    EXPECT_EQ(testsupport::GetValue(program_ + "\\List", "Layout")->type,
              static_cast<DWORD>(REG_BINARY));
}

TEST(RegistrySettingsStore, AKeyThatCannotBeOpenedReadsFallbacksAndFailsWrites) {
    RegistrySettingsStore store(nullptr, "Software\\Nowhere");
    EXPECT_FALSE(store.SectionExists("Settings"));
    EXPECT_EQ(store.ReadInteger("Settings", "MaxDownloadCount", 3), 3);
    EXPECT_EQ(store.ReadText("Settings", "ProxyHost", "fb"), "fb");
    EXPECT_THROW(store.WriteInteger("Settings", "MaxDownloadCount", 1), CobwenError);
    EXPECT_THROW(store.WriteText("Settings", "ProxyHost", "x"), CobwenError);
    EXPECT_THROW(store.WriteBinary("List", "Layout", "x"), CobwenError);
}

} // namespace
} // namespace cobwen
