// The name filter's two engines on one expression (the input's first line) and one text (the
// rest): the automaton and the backtracking engine must agree on the expression's validity and on
// the match, over the text and over the text repeated past the length from which the
// backtracking engine runs breadth-first.
#include "browser/app/list/core/NameMatcher.h"
#include "browser/catalogue/core/TextLocale.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Longer expressions and texts only slow the backtracking engine down.
constexpr std::size_t MaxPattern = 64;
constexpr std::size_t MaxText = 256;
constexpr std::size_t LongText = 1100;

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
    const cobwen::NameMatcher automaton(pattern, locale, cobwen::NameEngine::Automaton);
    const cobwen::NameMatcher backtracking(pattern, locale, cobwen::NameEngine::Backtracking);
    if (automaton.Valid() != backtracking.Valid()) {
        Disagree(pattern, text, automaton.Valid());
    }
    const bool matches = automaton.Matches(text);
    if (matches != backtracking.Matches(text)) {
        Disagree(pattern, text, matches);
    }
    if (!text.empty() && automaton.UsedMethod() == cobwen::NameMatcher::Method::Automaton) {
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
