// The name filter's two engines on one expression (the input's first line) and one text (the
// rest): the automaton and the backtracking engine must agree on the expression's validity and on
// the match, over the text and over the text repeated past the length from which the
// backtracking engine runs breadth-first.
#include "browser/app/list/core/NameMatcher.h"
#include "browser/catalogue/core/TextLocale.h"
#include "tools/testsupport/FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Longer expressions and texts only slow the backtracking engine down.
constexpr std::size_t MaxPattern = 64;
constexpr std::size_t MaxText = 256;
constexpr std::size_t LongText = 1100;
// Over a long text the reference engine runs breadth-first from every place of the text, in time
// that grows with the text's square times the expression: only short expressions are compared
// there.
constexpr std::size_t MaxPatternForLongText = 12;

// How deep repetitions are nested in the pattern: 1 for "a*", 2 for "(a*)*" or "a**". A scan of
// the pattern's characters, good enough to keep the reference engine fast.
int RepetitionDepth(std::string_view pattern) {
    std::vector<int> groupDepth{0}; // per open group: the deepest repetition in it
    int atomDepth = 0;              // of the atom before the next quantifier
    bool afterQuantifier = false;   // a "?" here makes the quantifier lazy
    int deepest = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '?' && afterQuantifier) {
            afterQuantifier = false;
            continue;
        }
        afterQuantifier = false;
        if (c == '*' || c == '+' || c == '?' || c == '{') {
            while (c == '{' && i < pattern.size() && pattern[i] != '}') {
                ++i;
            }
            ++atomDepth;
            deepest = std::max(deepest, atomDepth);
            groupDepth.back() = std::max(groupDepth.back(), atomDepth);
            afterQuantifier = true;
            continue;
        }
        atomDepth = 0;
        if (c == '\\') {
            ++i;
        } else if (c == '[') {
            for (++i; i < pattern.size() && pattern[i] != ']'; ++i) {
                i += pattern[i] == '\\' ? 1 : 0;
            }
        } else if (c == '(') {
            groupDepth.push_back(0);
        } else if (c == ')' && groupDepth.size() > 1) {
            atomDepth = groupDepth.back();
            groupDepth.pop_back();
            groupDepth.back() = std::max(groupDepth.back(), atomDepth);
        }
    }
    return deepest;
}

void Disagree(std::string_view pattern, std::string_view text, bool automaton) {
    std::fprintf(stderr, "the engines disagree: the automaton says %s for \"%.*s\" in %zu bytes\n",
                 automaton ? "match" : "no match", static_cast<int>(pattern.size()), pattern.data(),
                 text.size());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cobwen::BuiltinRussianLocale locale;
    const auto parts = testsupport::fuzz::Parts(testsupport::fuzz::Text(data, size), '\n', 2);
    const std::string_view pattern = parts[0];
    const std::string_view text = parts[1];
    if (pattern.size() > MaxPattern || text.size() > MaxText) {
        return 0;
    }
    // The backtracking engine takes time exponential in the text, with the depth of repetitions
    // and their counts in the exponent, for a repetition of something repeated ("(a*)*", "a**",
    // even "()*?{126}" over two bytes): such expressions are not compared here (the differential
    // unit test covers them over its own texts).
    if (RepetitionDepth(pattern) > 1) {
        return 0;
    }
    const cobwen::NameMatcher automaton(pattern, locale, cobwen::NameEngine::Automaton);
    const cobwen::NameMatcher backtracking(pattern, locale, cobwen::NameEngine::Backtracking);
    if (automaton.Valid() != backtracking.Valid()) {
        Disagree(pattern, text, automaton.Valid());
    }
    const bool matches = automaton.Matches(text);
    if (matches != backtracking.Matches(text)) {
        Disagree(pattern, text, matches);
    }
    if (!text.empty() && pattern.size() <= MaxPatternForLongText &&
        automaton.UsedMethod() == cobwen::NameMatcher::Method::Automaton) {
        std::string longText;
        while (longText.size() < LongText) {
            longText += text;
        }
        const bool longMatches = automaton.Matches(longText);
        if (longMatches != backtracking.Matches(longText)) {
            Disagree(pattern, longText, longMatches);
        }
    }
    return 0;
}
