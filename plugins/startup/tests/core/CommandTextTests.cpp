// Splitting stored texts into program and arguments, the row name, and the data of a new Run
// value.

#include "plugins/startup/core/CommandText.h"

#include <gtest/gtest.h>

#include <set>

namespace launchet {
namespace {

struct SplitCase {
    const char* text;
    const char* program;
    const char* arguments;
};

// The files that "exist" for the split.
bool Exists(const std::string& path) {
    static const std::set<std::string> files = {"C:\\Program Files\\Tool\\tool.exe",
                                                "C:\\tools\\a b.exe"};
    return files.count(path) != 0;
}

class RegistrySplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(RegistrySplitTest, GivesProgramAndTrimmedArguments) {
    auto const& c = GetParam();
    Command const command = SplitRegistryCommand(c.text, Exists);
    EXPECT_EQ(command.program, c.program) << c.text;
    EXPECT_EQ(command.arguments, c.arguments) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RegistrySplitTest,
    ::testing::Values(
        // An unquoted path with a blank followed by arguments names no file: split inside it.
        SplitCase{"C:\\Program Files\\Tool\\tool.exe /start", "C:\\Program",
                  "Files\\Tool\\tool.exe /start"},
        // The same path in quotes splits after the closing quote.
        SplitCase{"\"C:\\Program Files\\Tool\\tool.exe\"  /start  ",
                  "C:\\Program Files\\Tool\\tool.exe", "/start"},
        SplitCase{"\"C:\\Program Files\\Tool\\tool.exe\"", "C:\\Program Files\\Tool\\tool.exe", ""},
        // The whole text names a file: no arguments.
        SplitCase{"C:\\Program Files\\Tool\\tool.exe", "C:\\Program Files\\Tool\\tool.exe", ""},
        SplitCase{"C:\\tools\\a b.exe", "C:\\tools\\a b.exe", ""},
        SplitCase{"notepad.exe", "notepad.exe", ""},
        SplitCase{"notepad.exe   readme.txt ", "notepad.exe", "readme.txt"},
        // Without a closing quote both stay empty.
        SplitCase{"\"C:\\no end.exe -x", "", ""}, SplitCase{"", "", ""},
        // A blank after a list's comma does not make the program empty.
        SplitCase{" explorer.exe", "explorer.exe", ""}, SplitCase{"\"src -> \"", "src -> ", ""}));

class IniSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(IniSplitTest, GivesProgramAndArguments) {
    auto const& c = GetParam();
    Command const command = SplitIniToken(c.text);
    EXPECT_EQ(command.program, c.program) << c.text;
    EXPECT_EQ(command.arguments, c.arguments) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, IniSplitTest,
    ::testing::Values(SplitCase{"calc.exe", "calc.exe", ""},
                      SplitCase{"calc.exe   -a b ", "calc.exe", "-a b "},
                      SplitCase{"\"C:\\My Tools\\x.exe\"", "C:\\My Tools\\x.exe", ""},
                      SplitCase{"\"C:\\My Tools\\x.exe\" -q", "C:\\My Tools\\x.exe", "-q"},
                      SplitCase{"\"C:\\open ended", "C:\\open ended", ""}));

TEST(RowNameTest, JoinsWithOneBlankAndKeepsAtMost259Characters) {
    EXPECT_EQ(RowName({"a.exe", ""}), "a.exe");
    EXPECT_EQ(RowName({"a.exe", "-x y"}), "a.exe -x y");
    std::string const name = RowName({std::string(200, 'p'), std::string(200, 'a')});
    EXPECT_EQ(name.size(), 259u);
    EXPECT_EQ(name.substr(199, 3), "p a");
}

struct RunDataCase {
    const char* path;
    const char* arguments;
    const char* data;
};

class RunValueDataTest : public ::testing::TestWithParam<RunDataCase> {};

TEST_P(RunValueDataTest, QuotesEveryPathWithABlank) {
    auto const& c = GetParam();
    EXPECT_EQ(RunValueData(c.path, c.arguments), c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RunValueDataTest,
    ::testing::Values(
        RunDataCase{"C:\\Program Files\\a.exe", "", "\"C:\\Program Files\\a.exe\""},
        RunDataCase{"C:\\Program Files\\a.exe", "-x", "\"C:\\Program Files\\a.exe\" -x"},
        RunDataCase{"\"C:\\Program Files\\a.exe", "-x", "\"C:\\Program Files\\a.exe\" -x"},
        RunDataCase{"C:\\Program Files\\a.exe\"", "", "\"C:\\Program Files\\a.exe\""},
        RunDataCase{"C:\\tools\\a.exe", "", "C:\\tools\\a.exe"},
        RunDataCase{"C:\\tools\\a.exe", "/q /r", "C:\\tools\\a.exe /q /r"}));

} // namespace
} // namespace launchet
