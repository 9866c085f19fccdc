#include "browser/app/templates/win/DownloadDescription.h"

#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/win/SystemError.h"
#include "win32/SystemError.h"
#include "win32/Text.h"

#include "browser/app/templates/tests/core/SampleRecord.h"
#include "browser/catalogue/tests/win/RecordingDialog.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

constexpr char Url[] = "http://cobwen.example/downld/files/tools/sentry.rar";

std::string Content(const std::string& path) {
    std::string content;
    return testsupport::ReadFile(path, content) ? content : "<missing>";
}

bool Hidden(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

class DescribeDownloadTest : public ::testing::Test {
protected:
    void Describe(const std::string& destFolder) {
        DescribeDownload(destFolder, Url, record_, settings_, locale_, dialog_);
    }

    testsupport::ScratchFolder folder_;
    BuiltinRussianLocale locale_;
    TCobwenData record_ = test::SampleRecord();
    DownloadDescriptionSettings settings_;
    test::RecordingDialog dialog_;
};

TEST_F(DescribeDownloadTest, DefaultsWriteTheDescriptionLineOnly) {
    EXPECT_TRUE(settings_.CreateDescriptIon);
    EXPECT_FALSE(settings_.CreateTextDescriptFile);
    Describe(folder_.Path());
    const std::string descriptIon = folder_.File("Descript.ion");
    // "Система" of the category in the console's code page 866.
    if (GetOEMCP() == 866)
        EXPECT_EQ(Content(descriptIon), "sentry.rar Sentry Tools (\x91\xA8\xE1\xE2\xA5\xAC\xA0)");
    else
        EXPECT_EQ(Content(descriptIon).substr(0, 25), "sentry.rar Sentry Tools (");
    EXPECT_TRUE(Hidden(descriptIon));
    EXPECT_FALSE(testsupport::FileExists(folder_.File("sentry.rar.txt")));
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(DescribeDownloadTest, WritesAWrappedTextFileInTheAnsiCodePage) {
    settings_.CreateDescriptIon = false;
    settings_.CreateTextDescriptFile = true;
    settings_.DescriptIonFormat = "%Name %Category\r\n%Description %Description";
    ASSERT_TRUE(
        testsupport::WriteFile(folder_.File("sentry.rar.txt"), "an older and longer text file"));
    // With a trailing backslash the folder is taken as it is.
    Describe(folder_.Path() + "\\");
    EXPECT_EQ(Content(folder_.File("sentry.rar.txt")),
              "Sentry Tools \xD1\xE8\xF1\xF2\xE5\xEC\xE0\r\nShows services & drivers.\r\nSee "
              "the manual. \r\nShows services & drivers.\r\nSee the manual.");
    EXPECT_FALSE(testsupport::FileExists(folder_.File("Descript.ion")));
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(DescribeDownloadTest, BreaksLongTextsAtSeventyCharacters) {
    settings_.CreateTextDescriptFile = true;
    settings_.DescriptionFile = "files.bbs";
    record_.Description =
        std::string(60, 'a') + " " + std::string(15, 'b') + " " + std::string(100, 'c') + " end";
    settings_.DescriptIonFormat = "%Description";
    Describe(folder_.Path());
    EXPECT_EQ(Content(folder_.File("sentry.rar.txt")), std::string(60, 'a') + " \r\n" +
                                                           std::string(15, 'b') + " \r\n" +
                                                           std::string(100, 'c') + " end");
    // The description file keeps its own name and the whole text on one line.
    EXPECT_EQ(Content(folder_.File("files.bbs")), "sentry.rar " + record_.Description);
}

TEST_F(DescribeDownloadTest, ReportsATextFileThatCannotBeCreated) {
    settings_.CreateTextDescriptFile = true;
    // A folder in the text file's place.
    const std::string path = folder_.File("sentry.rar.txt");
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    const HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_EQ(probe, INVALID_HANDLE_VALUE);
    const DWORD error = GetLastError();
    ASSERT_FALSE(win32::SystemMessageText(error).empty());

    Describe(folder_.Path());
    // "Невозможно создать файл <path>.\r<the system's message>"
    const std::vector<std::string> expected{
        "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xF1\xEE\xE7\xE4\xE0\xF2\xFC \xF4\xE0\xE9\xEB " +
        path + ".\r" + win32::SystemMessageText(error)};
    EXPECT_EQ(dialog_.shown, expected);
    // The description line was written all the same.
    EXPECT_EQ(Content(folder_.File("Descript.ion")).substr(0, 24), "sentry.rar Sentry Tools ");
}

TEST_F(DescribeDownloadTest, IgnoresADescriptionFileThatCannotBeWritten) {
    settings_.CreateTextDescriptFile = true;
    settings_.DescriptionFile = "missing\\Descript.ion";
    settings_.DescriptIonFormat = "%Ver";
    Describe(folder_.Path());
    EXPECT_TRUE(dialog_.shown.empty());
    EXPECT_EQ(Content(folder_.File("sentry.rar.txt")), "1.2");

    const std::string descriptIon = folder_.File("Descript.ion");
    ASSERT_TRUE(testsupport::WriteFile(descriptIon, "sentry.rar old"));
    ASSERT_TRUE(SetFileAttributesA(descriptIon.c_str(), FILE_ATTRIBUTE_READONLY));
    settings_.DescriptionFile = "Descript.ion";
    settings_.CreateTextDescriptFile = false;
    Describe(folder_.Path());
    EXPECT_EQ(Content(descriptIon), "sentry.rar old");
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(DescribeDownloadTest, ReplacesTheArchivesLineOnTheNextDownload) {
    Describe(folder_.Path());
    record_.Version = "2.0";
    settings_.DescriptIonFormat = "%Name %Ver";
    Describe(folder_.Path());
    DescribeDownload(folder_.Path(), "http://cobwen.example/downld/files/other.zip", record_,
                     settings_, locale_, dialog_);
    EXPECT_EQ(Content(folder_.File("Descript.ion")),
              "sentry.rar Sentry Tools 2.0\r\nother.zip Sentry Tools 2.0");
}

// Catalogue text is code page 1251 whatever the system's code pages are. On a Western system the
// description line holds what the console's code page makes of the Cyrillic letters and the text
// file what the ANSI code page makes of them, never the 1251 bytes taken for Western letters.
TEST_F(DescribeDownloadTest, CyrillicOutsideTheAnsiCodePageIsReadAsCodePage1251) {
    if (GetACP() == 1251)
        GTEST_SKIP() << "shows only under an ANSI code page other than 1251";
    settings_.CreateTextDescriptFile = true;
    settings_.DescriptIonFormat = "%Name (%Category)";
    Describe(folder_.Path());
    const std::wstring text = L"Sentry Tools (Система)";
    EXPECT_EQ(Content(folder_.File("Descript.ion")),
              "sentry.rar " + win32::FromWide(text, win32::OemCodePage));
    EXPECT_EQ(Content(folder_.File("sentry.rar.txt")), win32::FromWide(text, win32::AnsiCodePage));
    EXPECT_TRUE(dialog_.shown.empty());
}

} // namespace
} // namespace cobwen
