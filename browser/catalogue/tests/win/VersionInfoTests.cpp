#include "browser/catalogue/win/VersionInfo.h"

#include "tools/testsupport/ScratchFolder.h"
#include "win32/Text.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

// The library built beside the tests, whose version resource lists Russian (code page 1251)
// first and English second, with the English string table stored first.
std::string VersionedFixture() {
    return testsupport::ProgramFolder() + "\\" VERSIONED_FIXTURE_NAME;
}

std::wstring Wide(const std::string& ansi) {
    return win32::ToWide(ansi, win32::AnsiCodePage);
}

TEST(VersionInfoString, ReadsTheStringTableOfTheFirstListedLanguage) {
    ASSERT_TRUE(testsupport::FileExists(VersionedFixture())) << VersionedFixture();
    const struct {
        const char* key;
        bool found;
        const char* value;
    } cases[] = {
        {"ProductVersion", true, "2.7.1 beta"},
        {"FileVersion", true, "2.7.1.40"},
        {"Comments", true, ""},
        {"EnglishOnly", false, ""}, // only in the second language's table
        {"LegalCopyright", false, ""},
    };
    for (const auto& c : cases) {
        std::string value = "stale";
        EXPECT_EQ(VersionInfoString(Wide(VersionedFixture()), c.key, value), c.found) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST(VersionInfoString, GivesCyrillicValuesInTheAnsiCodePage) {
    if (GetACP() != 1251)
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1251";
    std::string value;
    ASSERT_TRUE(VersionInfoString(Wide(VersionedFixture()), "CompanyName", value));
    EXPECT_EQ(value, "\xCE\xCE\xCE \xAB\xD2\xE5\xF1\xF2-\xA8\xE6\xBB"); // "ООО «Тест-Ёж»"
}

TEST(VersionInfoString, FailsWithoutAVersionResource) {
    testsupport::ScratchFolder folder;
    const std::string text = folder.File("notes.txt");
    ASSERT_TRUE(testsupport::WriteFile(text, "no resources here"));
    char program[MAX_PATH + 1] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);

    // The test program itself carries no version resource.
    for (const std::string& file : {std::string(program), text, folder.File("missing.dll")}) {
        std::string value = "stale";
        EXPECT_FALSE(VersionInfoString(Wide(file), "ProductVersion", value)) << file;
        EXPECT_EQ(value, "") << file;
    }
}

// The program in a folder the system's ANSI code page cannot spell (Cyrillic on a Western
// system): its version is still read.
TEST(VersionInfoString, ReadsAFileInAFolderNamedOutsideTheAnsiCodePage) {
    testsupport::ScratchFolder folder;
    const std::wstring cyrillic =
        Wide(folder.Path()) + L"\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430";
    ASSERT_TRUE(CreateDirectoryW(cyrillic.c_str(), nullptr));
    const std::wstring copy = cyrillic + L"\\versioned.dll";
    ASSERT_TRUE(CopyFileW(Wide(VersionedFixture()).c_str(), copy.c_str(), FALSE));
    std::string value;
    EXPECT_TRUE(VersionInfoString(copy, "FileVersion", value));
    EXPECT_EQ(value, "2.7.1.40");
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(cyrillic.c_str());
}

} // namespace
} // namespace cobwen
