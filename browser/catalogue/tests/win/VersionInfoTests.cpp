#include "browser/catalogue/win/VersionInfo.h"

#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

// The library built beside the tests, whose version resource lists Russian (code page 1251)
// first and English second, with the English string table stored first.
std::string VersionedFixture() {
    return testsupport::ProgramFolder() + "\\" VERSIONED_FIXTURE_NAME;
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
        EXPECT_EQ(VersionInfoString(VersionedFixture(), c.key, value), c.found) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST(VersionInfoString, GivesCyrillicValuesInTheAnsiCodePage) {
    if (GetACP() != 1251)
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1251";
    std::string value;
    ASSERT_TRUE(VersionInfoString(VersionedFixture(), "CompanyName", value));
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
        EXPECT_FALSE(VersionInfoString(file, "ProductVersion", value)) << file;
        EXPECT_EQ(value, "") << file;
    }
}

} // namespace
} // namespace cobwen
