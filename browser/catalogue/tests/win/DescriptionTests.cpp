#include "browser/catalogue/win/Description.h"

#include "browser/catalogue/core/Error.h"
#include "browser/catalogue/win/ConsoleText.h"
#include "win32/Handle.h"

#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

std::string Content(const std::string& path) {
    std::string content;
    return testsupport::ReadFile(path, content) ? content : "<unreadable>";
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool Hidden(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

std::vector<std::string> FilesIn(const testsupport::ScratchFolder& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    win32::FindHandle search(FindFirstFileA(folder.File("*").c_str(), &found));
    if (!search.Valid())
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

// One complete use: open, describe, close.
void Describe(const std::string& path, const std::string& fileName, const std::string& text) {
    TDescription description;
    description.Create(path);
    description.SetDescription(fileName, text);
}

class DescriptionTest : public ::testing::Test {
protected:
    testsupport::ScratchFolder folder_;
    std::string path_ = folder_.File("Descript.ion");
};

TEST_F(DescriptionTest, ANewFileGetsOneHiddenLine) {
    Describe(path_, "plugin.rar", "Plug-in (Tools)");
    EXPECT_EQ(Content(path_), "plugin.rar Plug-in (Tools)");
    EXPECT_TRUE(Hidden(path_));
    // The temporary file took the description file's place.
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"Descript.ion"});
}

TEST_F(DescriptionTest, RewritesExistingFiles) {
    const struct {
        const char* what;
        std::string before, name, text, after;
    } cases[] = {
        {"a name in capitals keeps its spelling", "PLUGIN.RAR Old\r\nother.zip x", "plugin.rar",
         "New", "PLUGIN.RAR New\r\nother.zip x"},
        {"a quoted name with blanks is found", "a.rar A\r\n\"My Plugin.rar\" old", "my plugin.rar",
         "new", "a.rar A\r\n\"My Plugin.rar\" new"},
        {"a name with blanks is added in quotes", "a.rar A", "my plugin.rar", "new",
         "a.rar A\r\n\"my plugin.rar\" new"},
        {"pattern characters are plain", "\"c++ (x) [1].rar\" old\r\ncc.rar y\r\nx.rar z",
         "c++ (x) [1].rar", "N", "\"c++ (x) [1].rar\" N\r\ncc.rar y\r\nx.rar z"},
        {"pattern characters without blanks", "c++(x)[1].rar old\r\nabrar y", "C++(X)[1].RAR", "N",
         "c++(x)[1].rar N\r\nabrar y"},
        {"a star and a full stop are no wildcards", "ab.rar old", "*.rar", "N",
         "ab.rar old\r\n*.rar N"},
        {"a multi-line description stays on one line", "a.rar A", "b.rar", "first\r\nsecond\rthird",
         "a.rar A\r\nb.rar first second third"},
        {"empty lines are dropped", "\r\na.rar A\r\n\r\n\r\nb.rar B\r\n\r\n", "a.rar", "N",
         "a.rar N\r\nb.rar B"},
        {"a backslash and a dollar are written unchanged", "a.rar old", "a.rar",
         "C:\\new\\$1 $0 \\1", "a.rar C:\\new\\$1 $0 \\1"},
        {"a file of blank lines counts as empty", "\r\n\r\n  \r\n\t\r\n", "a.rar", "A", "a.rar A"},
        {"leading and trailing blanks of the file go", "  a.rar A \r\n", "b.rar", "B",
         "a.rar A\r\nb.rar B"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(testsupport::WriteFile(path_, c.before)) << c.what;
        Describe(path_, c.name, c.text);
        EXPECT_EQ(Content(path_), c.after) << c.what;
        EXPECT_TRUE(Hidden(path_)) << c.what;
        EXPECT_EQ(FilesIn(folder_).size(), 1u) << c.what;
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(DescriptionTest, ClearsTheHiddenAttributeWhileOpenAndSetsItAfterwards) {
    ASSERT_TRUE(testsupport::WriteFile(path_, "a.rar A"));
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_HIDDEN));
    {
        TDescription description;
        description.Create(path_);
        EXPECT_FALSE(Hidden(path_));
        EXPECT_EQ(description.Text(), "a.rar A");
    }
    EXPECT_TRUE(Hidden(path_));
    EXPECT_EQ(Content(path_), "a.rar A");

    // A file that was not hidden is hidden after use, even without a description set.
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL));
    {
        TDescription description;
        description.Create(path_);
    }
    EXPECT_TRUE(Hidden(path_));
}

TEST_F(DescriptionTest, CreateMakesAMissingFile) {
    {
        TDescription description;
        description.Create(path_);
        EXPECT_EQ(description.Text(), "");
        EXPECT_TRUE(testsupport::FileExists(path_));
    }
    EXPECT_EQ(Content(path_), "");
    EXPECT_TRUE(Hidden(path_));
}

TEST_F(DescriptionTest, WritesTheDescriptionInTheConsoleCodePage) {
    if (GetACP() != 1251 || GetOEMCP() != 866)
        GTEST_SKIP() << "the code pages are " << GetACP() << " and " << GetOEMCP()
                     << ", not 1251 and 866 (run with LANG=ru_RU.UTF-8)";
    // "Пакет (Ёлка, ящик)" in code page 1251, then in code page 866.
    Describe(path_, "a.rar", "\xCF\xE0\xEA\xE5\xF2 (\xA8\xEB\xEA\xE0, \xFF\xF9\xE8\xEA)");
    EXPECT_EQ(Content(path_), "a.rar \x8F\xA0\xAA\xA5\xE2 (\xF0\xAB\xAA\xA0, \xEF\xE9\xA8\xAA)");
}

TEST_F(DescriptionTest, MatchesCyrillicNamesOfTheFileWithoutCase) {
    if (GetOEMCP() != 866)
        GTEST_SKIP() << "the OEM code page is " << GetOEMCP() << ", not 866";
    // The file names "ЯЩИК.rar" in code page 866; the name described is "ящик.rar".
    ASSERT_TRUE(testsupport::WriteFile(path_, "\x9F\x99\x88\x8A.rar old"));
    Describe(path_, "\xEF\xE9\xA8\xAA.rar", "new");
    EXPECT_EQ(Content(path_), "\x9F\x99\x88\x8A.rar new");
}

TEST(OemUpperCase, AgreesWithTheConsoleCodePage) {
    if (GetOEMCP() != 866)
        GTEST_SKIP() << "the OEM code page is " << GetOEMCP() << ", not 866";
    const ByteCaseTable system = OemUpperCase();
    const ByteCaseTable builtin = Cp866UpperCase();
    for (std::size_t i = 0; i < system.size(); ++i)
        EXPECT_EQ(int{system[i]}, int{builtin[i]}) << "byte " << i;
}

TEST_F(DescriptionTest, AReadOnlyFileKeepsItsContent) {
    ASSERT_TRUE(testsupport::WriteFile(path_, "a.rar old"));
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_THROW(Describe(path_, "a.rar", "new"), CobwenError);
    EXPECT_EQ(Content(path_), "a.rar old");
    EXPECT_EQ(Attributes(path_) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN});
    EXPECT_EQ(FilesIn(folder_).size(), 1u);
}

TEST_F(DescriptionTest, AFailedReplacementKeepsTheOldContent) {
    ASSERT_TRUE(testsupport::WriteFile(path_, "a.rar old\r\nb.rar B"));
    TDescription description;
    description.Create(path_);
    {
        // Another program reads the file and does not let it be deleted or renamed: the new
        // content is complete but cannot take the old one's place.
        const win32::KernelHandle reader(
            CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(reader.Valid());
        EXPECT_THROW(description.SetDescription("a.rar", "new"), CobwenError);
    }
    EXPECT_EQ(Content(path_), "a.rar old\r\nb.rar B");
    // The temporary file is gone again.
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"Descript.ion"});
}

TEST_F(DescriptionTest, AMissingFolderIsRaised) {
    TDescription description;
    EXPECT_THROW(description.Create(folder_.File("missing\\Descript.ion")), CobwenError);
    EXPECT_THROW(description.SetDescription("a.rar", "A"), CobwenError);
}

} // namespace
} // namespace cobwen
