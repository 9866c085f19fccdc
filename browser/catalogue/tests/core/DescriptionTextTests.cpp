#include "browser/catalogue/core/DescriptionText.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(DescribeInText, AddsOrReplacesTheLineOfTheFile) {
    const ByteCaseTable upper = Cp866UpperCase();
    const struct {
        const char* what;
        std::string file, name, description, expected;
    } cases[] = {
        {"a new file gets one line without a line break", "", "plugin.rar", "Plug-in (Tools)",
         "plugin.rar Plug-in (Tools)"},
        {"a new name goes on a new last line", "a.rar A", "b.rar", "B", "a.rar A\r\nb.rar B"},
        {"a name in capitals keeps its spelling", "PLUGIN.RAR Old\r\nother.zip x", "plugin.rar",
         "New", "PLUGIN.RAR New\r\nother.zip x"},
        {"every line of the name is rewritten", "a.rar 1\r\nb.rar 2\r\nA.rar 3", "a.rar", "N",
         "a.rar N\r\nb.rar 2\r\nA.rar N"},
        {"a name with blanks is quoted", "", "my plugin.rar", "D", "\"my plugin.rar\" D"},
        {"a quoted line is found and keeps its quotes",
         "x.rar X\r\n\"My Plugin.rar\" old\r\nz.rar Z", "my plugin.rar", "new",
         "x.rar X\r\n\"My Plugin.rar\" new\r\nz.rar Z"},
        {"quotes inside a quoted name are doubled", "", "say \"hi\".rar", "D",
         "\"say \"\"hi\"\".rar\" D"},
        {"an unquoted name without blanks may stand in quotes", "\"a.rar\" old", "a.rar", "new",
         "\"a.rar\" new"},
        {"one quote on either side is a name part too", "a.rar\" old\r\n\"a.rar old", "a.rar",
         "new", "a.rar\" new\r\n\"a.rar new"},
        {"a tab separates as a blank does and becomes a blank", "a.rar\told", "a.rar", "new",
         "a.rar new"},
        {"the blank may end the line", "a.rar ", "a.rar", "new", "a.rar new"},
        {"a name without a blank after it is another line", "a.rar\r\na.rar.bak x", "a.rar", "N",
         "a.rar\r\na.rar.bak x\r\na.rar N"},
        {"the name counts only at the start of a line", "x a.rar y", "a.rar", "N",
         "x a.rar y\r\na.rar N"},
        {"a quoted name does not match it unquoted", "my plugin.rar old", "my plugin.rar", "N",
         "my plugin.rar old\r\n\"my plugin.rar\" N"},
        {"a plus is a plus", "c++.rar old\r\nccc.rar x\r\nc.rar y", "c++.rar", "N",
         "c++.rar N\r\nccc.rar x\r\nc.rar y"},
        {"brackets and parentheses are themselves", "x(1).rar old\r\nx1.rar y\r\n[a].rar z",
         "x(1).rar", "N", "x(1).rar N\r\nx1.rar y\r\n[a].rar z"},
        {"a bracket expression is not a class", "a.rar old", "[a].rar", "N",
         "a.rar old\r\n[a].rar N"},
        {"a full stop matches only a full stop", "aXrar old", "a.rar", "N", "aXrar old\r\na.rar N"},
        {"a star is no wildcard", "x.rar old", "*.rar", "N", "x.rar old\r\n*.rar N"},
        {"a name that is a regular expression fragment", "a|b old\r\n^a$ x", "^a$", "N",
         "a|b old\r\n^a$ N"},
        {"line breaks of the description become blanks", "", "a.rar",
         "one\r\ntwo\rthree\r\n\r\nfour", "a.rar one two three  four"},
        {"a lone line feed stays", "", "a.rar", "one\ntwo", "a.rar one\ntwo"},
        {"empty lines are dropped on a rewrite", "a.rar A\r\n\r\n\r\nb.rar B\r\n\r\nc.rar C",
         "d.rar", "D", "a.rar A\r\nb.rar B\r\nc.rar C\r\nd.rar D"},
        {"empty lines go when a line is replaced as well", "a.rar A\r\n\r\nb.rar B", "b.rar", "N",
         "a.rar A\r\nb.rar N"},
        {"a line of blanks is not empty", "a.rar A\r\n  \r\nb.rar B", "c.rar", "C",
         "a.rar A\r\n  \r\nb.rar B\r\nc.rar C"},
        {"lines ending in a bare line feed keep it", "a.rar old\nb.rar B", "a.rar", "new",
         "a.rar new\nb.rar B"},
        {"replacement text is inserted literally", "a.rar old", "a.rar", "C:\\dir\\$1 $& \\1 $0 %s",
         "a.rar C:\\dir\\$1 $& \\1 $0 %s"},
        {"an appended description is inserted literally", "", "a.rar", "$1\\n", "a.rar $1\\n"},
        // "Пакет.rar" in the file, "пакет.RAR" described (code page 866).
        {"Cyrillic names compare without case", "\x8F\xA0\xAA\xA5\xE2.rar old",
         "\xAF\xA0\xAA\xA5\xE2.RAR", "new", "\x8F\xA0\xAA\xA5\xE2.rar new"},
        // "ЁЖ.rar" and "ёж.rar".
        {"Yo compares with yo", "\xF0\x86.rar old", "\xF1\xA6.rar", "new", "\xF0\x86.rar new"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeInText(c.file, c.name, c.description, upper), c.expected) << c.what;
    }
}

TEST(DescribeInText, ComparesThroughTheGivenCaseTable) {
    ByteCaseTable exact{};
    for (std::size_t i = 0; i < exact.size(); ++i) {
        exact[i] = static_cast<unsigned char>(i);
    }
    EXPECT_EQ(DescribeInText("A.RAR old", "a.rar", "N", exact), "A.RAR old\r\na.rar N");
    EXPECT_EQ(DescribeInText("A.RAR old", "a.rar", "N", Cp866UpperCase()), "A.RAR N");
}

TEST(DescriptionText, PreparesNamesAndDescriptions) {
    EXPECT_EQ(DescriptionName("plain.rar"), "plain.rar");
    EXPECT_EQ(DescriptionName("\"odd\".rar"), "\"odd\".rar");
    EXPECT_EQ(DescriptionName("a b.rar"), "\"a b.rar\"");
    EXPECT_EQ(OneLineDescription("\r\r\n\n"), "  \n");
    EXPECT_EQ(WithoutEmptyLines("\r\n\r\na\r\n\r\r\n\r\nb\n\n"), "\r\na\r\n\r\r\nb\n\n");
}

TEST(Cp866UpperCase, PairsTheLettersOfTheConsoleCodePage) {
    const ByteCaseTable upper = Cp866UpperCase();
    // Lower-case letters of code page 866 and their capitals: а-п, р-я, ё, є, ї, ў.
    const struct {
        unsigned first, last, upperFirst;
    } ranges[] = {{'a', 'z', 'A'},    {0xA0, 0xAF, 0x80}, {0xE0, 0xEF, 0x90}, {0xF1, 0xF1, 0xF0},
                  {0xF3, 0xF3, 0xF2}, {0xF5, 0xF5, 0xF4}, {0xF7, 0xF7, 0xF6}};
    ByteCaseTable expected{};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i] = static_cast<unsigned char>(i);
    }
    for (const auto& r : ranges) {
        for (unsigned c = r.first; c <= r.last; ++c) {
            expected[c] = static_cast<unsigned char>(r.upperFirst + (c - r.first));
        }
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(upper[i], expected[i]) << "byte " << i;
    }
}

} // namespace
} // namespace cobwen
