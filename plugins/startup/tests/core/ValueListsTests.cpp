// The stored list forms: string values of their real length, comma lists, multi-strings, pending
// renames and win.ini lines.

#include "plugins/startup/core/ValueLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launchet {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

TEST(ValueTextTest, StringsEndAtTheirFirstZeroOrTheirRealEnd) {
    EXPECT_EQ(ValueText(TypeString, "abc\0def"s), "abc");
    EXPECT_EQ(ValueText(TypeString, "abc"s), "abc") << "no terminating zero";
    EXPECT_EQ(ValueText(TypeExpandString, "%SystemRoot%\\x.exe,\0"s), "%SystemRoot%\\x.exe,");
    EXPECT_EQ(ValueText(TypeString, ""s), "");
    EXPECT_EQ(ValueText(TypeMultiString, "a\0b\0\0"s), "a\0b\0\0"s);
    EXPECT_EQ(ValueText(3, "x\0y"s), "x\0y"s);
}

struct ListCase {
    std::string text;
    Strings elements;
};

class ValueListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ValueListTest, Splits) {
    EXPECT_EQ(SplitValueList(GetParam().text), GetParam().elements) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Lists, ValueListTest,
                         ::testing::Values(ListCase{"", {}},
                                           ListCase{"userinit.exe,", {"userinit.exe"}},
                                           ListCase{"userinit.exe", {"userinit.exe"}},
                                           ListCase{"a.exe,b.exe", {"a.exe", "b.exe"}},
                                           ListCase{"a.exe,,,b.exe,,", {"a.exe", "b.exe"}},
                                           ListCase{"a.exe, b.exe -x", {"a.exe", " b.exe -x"}},
                                           // The first character always belongs to the element.
                                           ListCase{",a.exe", {",a.exe"}}, ListCase{",", {","}}));

TEST(ValueListTest, JoinEndsEveryElementWithAComma) {
    EXPECT_EQ(JoinValueList({"b.exe"}), "b.exe,");
    EXPECT_EQ(JoinValueList({"a", " b"}), "a, b,");
    EXPECT_EQ(JoinValueList({}), "");
}

TEST(MultiStringTest, StopsAtTheFirstEmptyStringOrTheEnd) {
    EXPECT_EQ(SplitMultiString("autocheck autochk *\0\0"s), Strings{"autocheck autochk *"});
    EXPECT_EQ(SplitMultiString("a\0b\0\0c\0\0"s), (Strings{"a", "b"}));
    // Without the final empty string, and without the last terminating zero.
    EXPECT_EQ(SplitMultiString("a\0b\0"s), (Strings{"a", "b"}));
    EXPECT_EQ(SplitMultiString("a\0b"s), (Strings{"a", "b"}));
    EXPECT_EQ(SplitMultiString(""s), Strings{});
    EXPECT_EQ(SplitMultiString("\0a\0"s), Strings{});
}

TEST(RenamePairsTest, TakesTwoStringsAtATimeWhileTheSourceIsNotEmpty) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(SplitRenamePairs("\\??\\C:\\a\0\\??\\C:\\b\0\\??\\C:\\c\0\0\0"s),
              (Pairs{{"\\??\\C:\\a", "\\??\\C:\\b"}, {"\\??\\C:\\c", ""}}));
    EXPECT_EQ(SplitRenamePairs("x\0\0y\0z\0\0"s), (Pairs{{"x", ""}, {"y", "z"}}));
    EXPECT_EQ(SplitRenamePairs("x"s), (Pairs{{"x", ""}})) << "ends inside the first pair";
    EXPECT_EQ(SplitRenamePairs("\0y\0"s), Pairs{});
}

struct IniCase {
    std::string line;
    Strings tokens;
};

class IniLineTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniLineTest, Tokenizes) {
    EXPECT_EQ(TokenizeIniLine(GetParam().line), GetParam().tokens) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniLineTest,
    ::testing::Values(IniCase{"", {}}, IniCase{" , \t,", {}},
                      IniCase{"a.exe, b.exe", {"a.exe", "b.exe"}},
                      IniCase{"a.exe -x ,b.exe", {"a.exe -x ", "b.exe"}},
                      IniCase{"\"C:\\My Apps\\a.exe\" -x,b", {"\"C:\\My Apps\\a.exe\"", "-x", "b"}},
                      IniCase{"\"a b\" \"c d\"", {"\"a b\"", "\"c d\""}},
                      IniCase{"\"open end", {"\"open end"}}, IniCase{"\ta.exe", {"a.exe"}}));

TEST(IniLineTest, JoinUsesSingleCommas) {
    EXPECT_EQ(JoinIniTokens({"a.exe", "\"b c\""}), "a.exe,\"b c\"");
    EXPECT_EQ(JoinIniTokens({"a.exe"}), "a.exe");
}

} // namespace
} // namespace launchet
