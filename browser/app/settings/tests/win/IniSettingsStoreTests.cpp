#include "browser/app/settings/win/IniSettingsStore.h"

#include "browser/app/settings/tests/core/SettingsSamples.h"
#include "browser/app/settings/tests/win/FileProtection.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/Error.h"
#include "tools/testsupport/ScratchFolder.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

using test::Cp;

class IniSettingsStoreTest : public testing::Test {
protected:
    std::string Content() const {
        std::string content;
        EXPECT_TRUE(testsupport::ReadFile(path_, content));
        return content;
    }

    testsupport::ScratchFolder folder_;
    const std::string path_ = folder_.File("cobwen.ini");
};

TEST_F(IniSettingsStoreTest, WritesEveryValueAsText) {
    IniSettingsStore store(path_);
    store.WriteBool("Settings", "ShowAddInfo", true);
    store.WriteBool("Settings", "OverwriteFiles", false);
    store.WriteInteger("Window", "ColorList", -2147483640);
    store.WriteText("Window\\FontList", "Name", "MS Sans Serif");
    store.WriteBinary("List", "Layout", std::string("\x00\xAB", 2));
    const std::string content = Content();
    for (const char* line :
         {"[Settings]\r\nShowAddInfo=1\r\nOverwriteFiles=0\r\n",
          "[Window]\r\nColorList=-2147483640\r\n", "[Window\\FontList]\r\nName=MS Sans Serif\r\n",
          "[List]\r\nLayout=00AB\r\n"})
        EXPECT_NE(content.find(line), std::string::npos) << line << "\nin\n" << content;
}

TEST_F(IniSettingsStoreTest, ReadsTolerantlyAndTellsAnEmptyValueFromAMissingOne) {
    ASSERT_TRUE(testsupport::WriteFile(path_, "[S]\r\nSpaced= 42 \r\nWord=abc\r\nEmpty=\r\n"
                                              "Negative=-7\r\nmixedCase=3\r\nHex=zz\r\n"));
    const IniSettingsStore store(path_);
    struct Case {
        const char* key;
        std::int32_t integer; // with the fallback 77
        bool boolean;         // with the fallback true
        const char* text;     // with the fallback "fb"
    };
    const Case cases[] = {
        {"Spaced", 42, true, "42"},   {"Word", 77, true, "abc"},   {"Empty", 77, true, ""},
        {"Negative", -7, true, "-7"}, {"MIXEDCASE", 3, true, "3"}, {"Missing", 77, true, "fb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(store.ReadInteger("S", c.key, 77), c.integer);
        EXPECT_EQ(store.ReadBool("S", c.key, true), c.boolean);
        EXPECT_EQ(store.ReadText("S", c.key, "fb"), c.text);
    }
    EXPECT_FALSE(store.ReadBool("S", "Missing", false));
    EXPECT_EQ(store.ReadText("Other", "Word", "fb"), "fb");
    EXPECT_EQ(store.ReadBinary("S", "Hex"), std::nullopt);
    EXPECT_TRUE(store.SectionExists("S"));
    EXPECT_TRUE(store.SectionExists("s"));
    EXPECT_FALSE(store.SectionExists("Other"));
}

TEST_F(IniSettingsStoreTest, TextsTheFormatWouldChangeRoundTripOnOneLineEach) {
    const std::vector<std::string> texts = {
        Cp("%Description\r\nАвтор: %Author"),
        "%Name\r\n%URL\r\n",
        "lf\nonly",
        std::string("nul\0inside", 10),
        std::string("\x01\x0D\x0A\0", 4),
        " %Size ",
        "\t tabbed",
        "\"quoted\"",
        "'single'",
        "\x01",
        Cp("\u00A0неразрывный"),
        "C:\\dir\\\r\n",
    };
    IniSettingsStore store(path_);
    for (std::size_t i = 0; i < texts.size(); ++i)
        store.WriteText("Settings", "Text" + std::to_string(i), texts[i]);
    const IniSettingsStore reopened(path_);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(reopened.ReadText("Settings", "Text" + std::to_string(i), "fb"), texts[i]) << i;
    const std::string content = Content();
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'),
              static_cast<std::ptrdiff_t>(texts.size() + 1));
}

TEST_F(IniSettingsStoreTest, ReadsPlainValuesOfAnEarlierRunAsTheyStand) {
    ASSERT_TRUE(
        testsupport::WriteFile(path_, Cp("[Settings]\r\nDescriptIonFormat=%Name (%Category)\r\n"
                                         "DownloadFolder=C:\\Загрузки\\\r\n"
                                         "AddInfoFormat=a\\nb \\r\r\n"
                                         "StatusInfoFormat=\"%Size\"\r\n")));
    const IniSettingsStore store(path_);
    EXPECT_EQ(store.ReadText("Settings", "DescriptIonFormat", ""), "%Name (%Category)");
    EXPECT_EQ(store.ReadText("Settings", "DownloadFolder", ""), Cp("C:\\Загрузки\\"));
    EXPECT_EQ(store.ReadText("Settings", "AddInfoFormat", ""), "a\\nb \\r");
    // The system's reader strips the quotes, as it always did.
    EXPECT_EQ(store.ReadText("Settings", "StatusInfoFormat", ""), "%Size");
}

TEST_F(IniSettingsStoreTest, AReadOnlyFileFailsTheWriteAndStaysAsItWas) {
    if (test::ReadOnlyAttributeIsIgnored())
        GTEST_SKIP() << "this process may write read-only files (Wine run by root); the test "
                        "with the file held open elsewhere covers the failing write";
    const std::string original = "[Settings]\r\nMaxDownloadCount=2\r\n";
    ASSERT_TRUE(testsupport::WriteFile(path_, original));
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    IniSettingsStore store(path_);
    EXPECT_THROW(store.WriteInteger("Settings", "MaxDownloadCount", 3), CobwenError);
    EXPECT_THROW(store.WriteText("Settings", "ProxyHost", "x"), CobwenError);
    EXPECT_EQ(Content(), original);
}

TEST_F(IniSettingsStoreTest, AFileHeldOpenElsewhereFailsTheWriteAndStaysAsItWas) {
    const std::string original = "[Settings]\r\nMaxDownloadCount=2\r\n";
    ASSERT_TRUE(testsupport::WriteFile(path_, original));
    IniSettingsStore store(path_);
    {
        const win32::KernelHandle otherProgram(
            CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(otherProgram.Valid());
        EXPECT_THROW(store.WriteInteger("Settings", "MaxDownloadCount", 3), CobwenError);
        EXPECT_THROW(store.WriteText("Settings", "ProxyHost", "x"), CobwenError);
    }
    EXPECT_EQ(Content(), original);
    EXPECT_EQ(store.ReadInteger("Settings", "MaxDownloadCount", 0), 2);
}

TEST(IniSettingsStore, AFileInAMissingFolderFailsTheWrite) {
    const testsupport::ScratchFolder folder;
    IniSettingsStore store(folder.File("missing\\cobwen.ini"));
    EXPECT_THROW(store.WriteBool("Settings", "ShowAddInfo", true), CobwenError);
    EXPECT_EQ(store.ReadInteger("Settings", "ShowAddInfo", 9), 9);
}

// The program in a folder the system's ANSI code page cannot spell (Cyrillic on a Western
// system): its INI file, named in the browser's code page, is written and read there.
TEST_F(IniSettingsStoreTest, AFolderNamedOutsideTheAnsiCodePageIsFound) {
    const std::string folder = folder_.Path() + "\\" + Cp("Программа");
    const std::wstring wideFolder = win32::ToWide(folder, BrowserCodePage);
    ASSERT_TRUE(CreateDirectoryW(wideFolder.c_str(), nullptr));
    const std::string path = folder + "\\cobwen.ini";
    {
        IniSettingsStore store(path);
        store.WriteText("Settings", "Folder", "C:\\Plugins");
        store.WriteInteger("Settings", "Threads", 3);
    }
    const std::wstring widePath = wideFolder + L"\\cobwen.ini";
    EXPECT_NE(GetFileAttributesW(widePath.c_str()), INVALID_FILE_ATTRIBUTES);
    const IniSettingsStore store(path);
    EXPECT_TRUE(store.SectionExists("Settings"));
    EXPECT_EQ(store.ReadText("Settings", "Folder", ""), "C:\\Plugins");
    EXPECT_EQ(store.ReadInteger("Settings", "Threads", 0), 3);
    DeleteFileW(widePath.c_str());
    RemoveDirectoryW(wideFolder.c_str());
}

} // namespace
} // namespace cobwen
