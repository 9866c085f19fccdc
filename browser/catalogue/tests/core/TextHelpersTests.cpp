#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

TEST(ReplaceAll, ReplacesUntilNoOccurrenceIsLeft) {
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* expected;
    };
    const Case cases[] = {
        {"a<br>b<br>", "<br>", "\r\n", "a\r\nb\r\n"},
        {"aabb", "ab", "", ""},           // the removal makes a new occurrence, which goes too
        {"&amp;amp;", "&amp;", "&", "&"}, // the same for a replacement that completes the pattern
        {"xyz", "q", "w", "xyz"},
        {"", "a", "b", ""},
        {"abc", "", "z", "abc"},
        {"aaaa", "aa", "b", "bb"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        ReplaceAll(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(ReplaceAll, IgnoringCaseFollowsTheLocale) {
    const BuiltinRussianLocale locale;
    std::string text = Cp("Имя: %NAME, %name, %Имя, %ИМЯ");
    ReplaceAllIgnoreCase(text, "%Name", "X", locale);
    EXPECT_EQ(text, Cp("Имя: X, X, %Имя, %ИМЯ"));
    EXPECT_EQ(ReplacedIgnoreCase(text, Cp("%имя"), Cp("Ё"), locale), Cp("Имя: X, X, Ё, Ё"));
    // Case-sensitive replacement leaves other spellings alone.
    std::string sensitive = "Ab ab AB";
    ReplaceAll(sensitive, "ab", "x");
    EXPECT_EQ(sensitive, "Ab x AB");
}

TEST(TextHelpers, RemovesAndTrimsCharacters) {
    EXPECT_EQ(RemoveChar("1 234 567", ' '), "1234567");
    EXPECT_EQ(RemoveChar("   ", ' '), "");
    EXPECT_EQ(TrimTrailing("Windows 9x/NT//", "/"), "Windows 9x/NT");
    EXPECT_EQ(TrimTrailing("///", "/"), "");
    EXPECT_EQ(TrimTrailing("text \r\n", " \r\n"), "text");
    EXPECT_EQ(TrimTrailing("", "/"), "");
}

TEST(TextHelpers, ParsesInt32) {
    struct Case {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        {"42", true, 42},
        {"-7", true, -7},
        {" 15", true, 15},
        {"+3", true, 3},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"12a", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"1 2", false, 0},
        {"abc", false, 0},
    };
    for (const auto& c : cases) {
        std::int32_t value = 0;
        EXPECT_EQ(TryParseInt32(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(FormatSize, UsesUnitsAndTheLocaleSeparators) {
    const BuiltinRussianLocale locale;
    struct Case {
        std::int32_t bytes;
        const char* expected; // "_" stands for the no-break space
    };
    const Case cases[] = {
        {0, "0"},
        {1023, "1023"},
        {-5, "-5"},
        {-5000, "-5000"},
        {1024, "1K"},
        {1536, "2K"},        // 1.5 goes to the even 2
        {2560, "2K"},        // 2.5 goes to the even 2
        {1048575, "1_024K"}, // rounds up to 1024 and is grouped
        {1048576, "1,0M"},
        {1572864, "1,5M"},
        {1101004, "1,0M"}, // 1.05 exactly, to even
        {1153433, "1,1M"},
        {1073741823, "1_024,0M"},
        {1073741824, "1,00G"},
        {2147483647, "2,00G"},
    };
    for (const auto& c : cases) {
        std::string expected = c.expected;
        for (auto& ch : expected) {
            if (ch == '_') {
                ch = '\xA0';
            }
        }
        EXPECT_EQ(FormatSize(c.bytes, locale), expected) << c.bytes;
    }
}

TEST(WrapText, BreaksAtBlanksKeepingLongWords) {
    const std::string longWord(100, 'w');
    struct Case {
        std::string text;
        std::size_t width;
        std::string expected;
    };
    const Case cases[] = {
        {"short text", 70, "short text"},
        {"exactly10!", 10, "exactly10!"},
        {"aaa bbb ccc", 7, "aaa \r\nbbb ccc"},
        {"aaa bbb ccc ddd", 7, "aaa \r\nbbb \r\nccc ddd"},
        {"nobreakshere", 5, "nobreakshere"},
        {"first " + longWord, 70, "first \r\n" + longWord},
        {"first " + longWord + " tail", 70, "first \r\n" + longWord + " tail"},
        {"ab cd", 0, "ab cd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapText(c.text, c.width), c.expected) << c.text;
    }
}

TEST(IncludeTrailingDelimiter, EndsPathsWithABackslash) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"C:", "C:"},
        {"C:\\", "C:\\"},
        {"d", "d:\\"},
        {"Z", "Z:\\"},
        {"5", "5\\"},
        {"C:\\Files", "C:\\Files\\"},
        {"rel", "rel\\"},
        {"\\\\srv\\share", "\\\\srv\\share\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IncludeTrailingDelimiter(c.path), c.expected) << c.path;
    }
}

} // namespace
} // namespace cobwen
