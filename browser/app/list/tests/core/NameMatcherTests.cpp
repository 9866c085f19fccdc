#include "browser/app/list/core/NameMatcher.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>

namespace cobwen {
namespace {

using test::Cp;

TEST(NameMatcher, MatchesAnywhereWithoutRegardToCase) {
    const struct {
        std::string pattern;
        std::string text;
        bool matches;
    } cases[] = {
        // Plain text, searched directly.
        {"z", "Zip", true},
        {"Z", "unzip", true},
        {"q", "Zip", false},
        {"ip", "ZIP", true},
        {"zip", "ZI", false},
        {"aab", "aaab", true},
        {"aab", "aaba", true},
        {"abab", "abaabab", true},
        {"view", "Zip viewer", true},
        {"viewer", "Zip viewe", false},
        {"file manager", "The File Manager", true},
        {Cp("просмотр"), Cp("ПРОСМОТР архивов"), true},
        {Cp("ёж"), Cp("ЁЖИК"), true},
        {Cp("ЯЗЫК"), Cp("язык"), true},
        {Cp("ї"), Cp("Ї"), true},
        {Cp("я"), "\xFF", true},
        {Cp("я"), Cp("Ю"), false},
        {"arj|rar", "RAR archiver", true},
        {"arj|rar", "Arj", true},
        {"arj|rar", "zip", false},
        {"zip|", "anything", true}, // an empty alternative matches everywhere
        // Expressions.
        {"^zip", "Zip view", true},
        {"^zip", "Unzip", false},
        {"view$", "Zip VIEW", true},
        {"z.p", "ZAP", true},
        {Cp("^[а-я]+$"), Cp("ПРИВЕТ"), true},
        {Cp("^[А-Я]+$"), Cp("привет"), true},
        {Cp("^[а-я]+$"), "Hello", false},
        {"^\\D+$", "ABC", true}, // \D keeps its meaning: it is no \d
        {"^\\D+$", "A1", false},
        {"\\W", "A-B", true},
        {"^\\w+$", "A-B", false},
        {"\\xC0", Cp("а"), true}, // \xC0 is the capital А
        {"\\x41", "a", true},
        {"(ab){2}", "ABAB", true},
        {"(ab){2}", "ABA", false},
        {"colou?r", "COLOR", true},
        {Cp("(ядро|Core)\\s+v\\d"), Cp("Ядро  V2"), true},
    };
    const BuiltinRussianLocale locale;
    for (const auto& c : cases) {
        const NameMatcher matcher(c.pattern, locale);
        EXPECT_TRUE(matcher.Valid()) << c.pattern;
        EXPECT_EQ(matcher.Matches(c.text), c.matches) << c.pattern << " in " << c.text;
    }
}

TEST(NameMatcher, AnInvalidExpressionMatchesNothing) {
    const BuiltinRussianLocale locale;
    // Numbers too long for the engine's integers: a back-reference and repetition counts.
    for (const char* bad : {"(", "[a-", "a)", "+a", "a{2,1}", "\\", "(\\w)\\88888888888888888888",
                            "a{99999999999999999999}", "a{1,99999999999999999999}"}) {
        const NameMatcher matcher(bad, locale);
        EXPECT_FALSE(matcher.Valid()) << bad;
        EXPECT_FALSE(matcher.Matches(bad)) << bad;
        EXPECT_FALSE(matcher.Matches("")) << bad;
    }
}

TEST(NameMatcher, TheSameMatcherServesManyTexts) {
    const BuiltinRussianLocale locale;
    for (const char* pattern : {"zip", "zi(p)"}) {
        const NameMatcher matcher(pattern, locale);
        EXPECT_TRUE(matcher.Matches("a long text that ends with ZIP"));
        EXPECT_FALSE(matcher.Matches("short"));
        EXPECT_TRUE(matcher.Matches("zip"));
        EXPECT_FALSE(matcher.Matches(""));
    }
}

// Expressions whose plain parts are optional, repeated, escaped or alternatives: the matcher turns
// texts down early by such parts, and must agree with the expression engine run on its own.
TEST(NameMatcher, AgreesWithTheExpressionEngineOnLatinText) {
    const char* patterns[] = {
        "ab*c",  "ab{0,2}c", "ab{1,2}c", "ab??c",     "x+y",    "a\\.b",     "a|b.c",   "(a|b)c|d",
        "a.*b",  "\\x41bc",  "(a)\\1",   "ab[c-e]+f", "a[]]b",  "[^a]bc",    "ab(?=c)", "ab(?!c)d",
        "\\bab", "ab\\b",    "^ab|cd$",  "(?:ab)?c",  "a{2}b",  "a\\d+b",    "a\\|b",   "ab\\[c",
        "a\\sb", "\\u0041b", "a\\cJb",   "(ab|cd)+e", "a(b|)c", "[a-c]{0}x",
    };
    const char* texts[] = {
        "",    "ac",    "abc", "ABBC", "abbbc", "xxy",   "y",   "A.B",  "AxB",   "zzbqc", "d",
        "bc",  "a---B", "aa",  "AB",   "abcf",  "abddf", "a]b", "xbc",  "abd",   "ab c",  "zab",
        "abz", "cd",    "aab", "a12b", "a|b",   "ab[c",  "a b", "a\nb", "abcde", "ace",   "x",
    };
    const BuiltinRussianLocale locale;
    for (const char* pattern : patterns) {
        std::optional<std::regex> reference;
        try {
            reference.emplace(pattern, std::regex::ECMAScript | std::regex::icase);
        } catch (const std::regex_error&) {
        }
        const NameMatcher matcher(pattern, locale);
        ASSERT_EQ(matcher.Valid(), reference.has_value()) << pattern;
        if (!reference) {
            continue;
        }
        for (const char* text : texts) {
            EXPECT_EQ(matcher.Matches(text), std::regex_search(text, *reference))
                << pattern << " in \"" << text << "\"";
        }
    }
}

// A description may be long; matching it must not exhaust the stack.
TEST(NameMatcher, MatchesVeryLongTexts) {
    const BuiltinRussianLocale locale;
    std::string text(300000, 'x');
    text += "AB";
    for (const char* pattern : {"x.*b", "(x|y)+a", "^x*ab$"}) {
        EXPECT_TRUE(NameMatcher(pattern, locale).Matches(text)) << pattern;
    }
}

// A back-reference needs the backtracking engine, which recurses once per character: over a long
// description such an expression matches nothing rather than overflow the stack, as an invalid
// expression does; over short texts it still works.
TEST(NameMatcher, BackReferencesMatchNothingInLongTexts) {
    const BuiltinRussianLocale locale;
    std::string description;
    for (int i = 0; description.size() < 65536; ++i)
        description += "word" + std::to_string(i % 97) + " ";
    description += "abab";
    const struct {
        const char* pattern;
        const char* shortText;
    } cases[] = {
        {"(ab)\\1", "xxabab"}, {"(w).*\\1", "a word and a wave"}, {"([a-z]+)\\1", "byebye"}};
    for (const auto& c : cases) {
        const NameMatcher matcher(c.pattern, locale);
        EXPECT_TRUE(matcher.Valid()) << c.pattern;
        EXPECT_FALSE(matcher.Matches(description)) << c.pattern;
        EXPECT_TRUE(matcher.Matches(c.shortText)) << c.pattern;
    }
}

} // namespace
} // namespace cobwen
