// The automaton and the backtracking engine must agree on every expression the automaton takes.
#include "browser/app/list/core/ExpressionAutomaton.h"
#include "browser/app/list/core/ExpressionTree.h"
#include "browser/app/list/core/NameMatcher.h"
#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace cobwen {
namespace {

using test::Cp;

// Texts over an alphabet the expressions below care about: Latin and Cyrillic letters of both
// cases, digits, word and non-word punctuation, line ends, and bytes above the letters.
std::vector<std::string> GeneratedTexts() {
    const std::string alphabet = "aAbBcCxXzZ019_ -.\n\r\t" + Cp("аАбБяЯёЁжЖ") + "\xA0\xB9\x80";
    std::mt19937 random(20241210);
    std::vector<std::string> texts{""};
    for (int n = 0; n < 400; ++n) {
        // Mostly short texts, some past the length from which back-references are not followed.
        const std::size_t length = n % 50 == 49 ? 1100 + random() % 400 : random() % 24;
        // Many texts draw from a few letters only, so that repetitions and counts line up.
        const std::size_t letters = n % 2 == 0 ? alphabet.size() : 3 + random() % 6;
        const std::size_t offset = random() % (alphabet.size() - letters + 1);
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text += alphabet[offset + random() % letters];
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

struct EngineCase {
    std::string pattern;
    std::string hit;                 // a text it matches
    std::optional<std::string> miss; // a text it does not
};

std::vector<EngineCase> Cases() {
    return {
        // Classes and ranges.
        {"[0-9]{3}[a-z]{4}", "v123abcd", "v12abcd"},
        {"[^a-z0-9 ]", "A-b", "ab 09"},
        {"[a-c][x-z]", "BX", "bw"},
        {"x[-a]y", "X-Y", "xby"},
        {"a|[]b", "a", "b"}, // "[]" is a class without bytes
        {"[^]", "x", ""},
        {"[\\d_]\\w", "_a", "a-"},
        {"\\D\\S\\W", "a.-", "1 -"},
        {"[[:digit:]][[:alpha:]]", "1a", "a1"},
        {"a.c",
         "A\xE0"
         "C",
         "a\nc"},
        {"\\x41\\u0042", "ab", "a b"},
        {"\\t|\\n", "a\nb", "ab"},
        {"[\\x30-\\x32]+z", "120z", "3z"},
        // Alternation and groups.
        {"arj|rar|(?:7z)", "7Z", "zip"},
        {"(zip|gz)(view|edit)", "gzEDIT", "zip edit"},
        {"a(b|c|)d", "ad", "aed"},
        {"((a|b)(c|d))+e", "acbde", "abe"},
        // Repetition counts, greedy and lazy.
        {"a{2}b", "xaab", "ab"},
        {"a{2,}b", "aaab", "ab"},
        {"a{1,3}c", "ac", "bc"},
        {"^a{0,2}$", "aa", "aaa"},
        {"(ab){2,3}c", "ababc", "abc"},
        {"x*?y+?z??", "yz", "xz"},
        {"[0-9]{1,3}\\.[0-9]{1,3}", "v1.20", "v1-20"},
        {"(a*)*b", "aaab", "aaa"},
        {"(a|b)*c{0}d", "abd", "ab"},
        // Anchors and word boundaries.
        {"^zip", "Zip view", "unzip"},
        {"view$", "Zip VIEW", "viewer"},
        {"^$", "", "a"},
        {"^(a|b)+$", "abBA", "abc"},
        {"\\bzip\\b", "a zip.", "unzip"},
        {"\\Bip", "zip", "ip"},
        {"^\\b", "a", " a"},
        {"-\\B$", "a-", "a-b"},
        {"a$|^b", "ba", "ab"},
        // Cyrillic in both cases.
        {Cp("архив(атор)?"), Cp("АРХИВатор"), Cp("арх ив")},
        {Cp("^[а-я]+$"), Cp("ПРИВЕТ"), Cp("привет!")},
        {Cp("[А-Я]{2}\\d"), Cp("вЕ5"), Cp("в5")},
        {Cp("(ёж|ЖУК)и?$"), Cp("ЁЖИ"), Cp("ёжик")},
        {Cp("\\bx[а-я]"), Cp("a xЯ"), Cp("axЯ")},
        {Cp("[ёа-е]+"), Cp("Ё"), Cp("ж")},
        // Empty matches: in every text.
        {"a*", "", std::nullopt},
        {"()", "x", std::nullopt},
        {"x?|y", "", std::nullopt},
        {"(|a)b", "b", "a"},
        // Back-references to a group of one character, spelled out per character.
        {"(\\w)\\1\\1", "xAaaz", "aab"},
        {"(.)x\\1", "-X-", "-x+"},
        {"([a-c])\\1{2,}", "bBb", "bbc"},
        {"(a|b|\\d)\\1", "1a11", "ab"},
        {"(\\d)(\\d)\\2\\1", "x1221", "1212"},
        {"^(.).*\\1$", "abca", "abc"},
        {"(\\w)(?:-\\1)+", "a-A-a", "a-b"},
        {Cp("([а-яё])\\1"), Cp("ЁЁ"), Cp("её")},
    };
}

TEST(NameMatcherEngines, AgreeOnGeneratedTexts) {
    const BuiltinRussianLocale locale;
    const std::vector<std::string> texts = GeneratedTexts();
    for (const EngineCase& c : Cases()) {
        const NameMatcher automaton(c.pattern, locale, NameEngine::Automaton);
        const NameMatcher backtracking(c.pattern, locale, NameEngine::Backtracking);
        ASSERT_TRUE(backtracking.Valid()) << c.pattern;
        ASSERT_EQ(automaton.UsedMethod(), NameMatcher::Method::Automaton) << c.pattern;
        ASSERT_EQ(backtracking.UsedMethod(), NameMatcher::Method::Backtracking) << c.pattern;
        EXPECT_TRUE(backtracking.Matches(c.hit)) << c.pattern << " in \"" << c.hit << "\"";
        EXPECT_TRUE(automaton.Matches(c.hit)) << c.pattern << " in \"" << c.hit << "\"";
        if (c.miss) {
            EXPECT_FALSE(backtracking.Matches(*c.miss)) << c.pattern << " in \"" << *c.miss << "\"";
            EXPECT_FALSE(automaton.Matches(*c.miss)) << c.pattern << " in \"" << *c.miss << "\"";
        }
        for (const std::string& text : texts) {
            EXPECT_EQ(automaton.Matches(text), backtracking.Matches(text))
                << c.pattern << " in \"" << text << "\"";
        }
    }
}

// Expressions the automaton does not follow stay with the backtracking engine: back-references
// to a group of more than one character, to a group that is repeated or in an alternative, with
// two digits, or to groups that would take too many copies; look-aheads; and repetition counts
// past the limit.
TEST(NameMatcherEngines, OtherBackReferencesAndLookAheadsStayWithBacktracking) {
    const BuiltinRussianLocale locale;
    for (const char* pattern :
         {"(ab)\\1", "(a)+\\1", "(?:(a)|b)\\1", "(a|b)\\1|c", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10",
          "(a*)\\1", "(.)(.)\\1\\2", "a(?=b)", "a(?!b)c", "x{1001}"}) {
        const NameMatcher matcher(pattern, locale);
        EXPECT_EQ(matcher.UsedMethod(), NameMatcher::Method::Backtracking) << pattern;
    }
    EXPECT_EQ(NameMatcher("zip|rar", locale).UsedMethod(), NameMatcher::Method::Literal);
    EXPECT_EQ(NameMatcher("(", locale).UsedMethod(), NameMatcher::Method::Nothing);
}

// A cache too small for the states a text needs is dropped and filled again, with the same
// results as a cache that keeps everything.
TEST(NameMatcherEngines, AFullStateCacheIsFlushedWithoutChangingResults) {
    const std::string pattern = "(a|b)*a(a|b){6}c";
    const ExpressionTree tree = ReadExpressionTree(pattern);
    ASSERT_EQ(tree.outcome, ExpressionTree::Outcome::Built);
    ExpressionAutomaton::FoldTable identity{};
    for (int b = 0; b < 256; ++b) {
        identity[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    }
    const auto roomy = ExpressionAutomaton::Build(tree, identity);
    const auto small = ExpressionAutomaton::Build(tree, identity, 1);
    ASSERT_TRUE(roomy && small);
    std::mt19937 random(7);
    int matches = 0;
    for (int n = 0; n < 300; ++n) {
        std::string text;
        for (std::size_t i = 0, length = random() % 40; i < length; ++i) {
            text += "abc"[random() % (i % 9 == 8 ? 3 : 2)];
        }
        const bool expected = roomy->Search(text);
        matches += expected ? 1 : 0;
        EXPECT_EQ(small->Search(text), expected) << text;
    }
    EXPECT_GT(matches, 0);
    EXPECT_GT(small->Flushes(), 0u);
    EXPECT_LE(small->States(), 2u);
    EXPECT_EQ(roomy->Flushes(), 0u);
}

} // namespace
} // namespace cobwen
