#include "browser/app/list/core/NameMatcher.h"

#include "browser/app/list/core/ExpressionAutomaton.h"
#include "browser/app/list/core/ExpressionTree.h"
#include "browser/catalogue/core/TextLocale.h"

#include <array>
#include <cstring>
#include <optional>
#include <regex>
#include <vector>

namespace cobwen {

namespace {

using FoldTable = std::array<unsigned char, 256>;

// Characters that make a pattern more than plain text; "|" is handled by the plain search too.
constexpr std::string_view RegexSpecials = "\\^$.*+?()[]{}";

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The pattern for matching against folded text: its characters folded, except escapes, whose
// letter carries meaning by its case (\D is not \d).
std::string FoldPattern(std::string_view pattern, const FoldTable& fold) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '\\') {
            out += static_cast<char>(fold[static_cast<unsigned char>(c)]);
            continue;
        }
        out += c;
        if (i + 1 >= pattern.size()) {
            break;
        }
        const char escaped = pattern[++i];
        out += escaped;
        // A character given by its code is folded by its value: \xHH, and \uHHHH within the
        // code page's range.
        const std::size_t digits = escaped == 'x' ? 2 : (escaped == 'u' ? 4 : 0);
        if (digits == 0 || i + digits >= pattern.size()) {
            continue;
        }
        int value = 0;
        for (std::size_t k = 1; k <= digits && value >= 0; ++k) {
            const int digit = HexValue(pattern[i + k]);
            value = digit < 0 ? -1 : value * 16 + digit;
        }
        if (value < 0 || value > 255) {
            continue;
        }
        const unsigned char folded = fold[static_cast<unsigned char>(value)];
        out.append(digits - 2, '0');
        out += Hex[folded >> 4];
        out += Hex[folded & 15];
        i += digits;
    }
    return out;
}

// How common a folded byte is in catalogue text, higher for more common ones: the direct search
// looks for the rarest character of the pattern first, so that it stops at few places.
std::array<unsigned char, 256> CommonnessTable() {
    std::array<unsigned char, 256> rank{};
    const auto rankRun = [&rank](std::string_view mostCommonFirst, int top) {
        for (char c : mostCommonFirst) {
            rank[static_cast<unsigned char>(c)] = static_cast<unsigned char>(top--);
        }
    };
    for (char digit = '0'; digit <= '9'; ++digit) {
        rank[static_cast<unsigned char>(digit)] = 150;
    }
    rankRun("./:-_", 200);
    rankRun("etaoinsrhldcumfpgwybvkxjqz", 250);
    // The Russian letters, from the most common on (code page 1251, lower case).
    rankRun("\xEE\xE5\xE0\xE8\xED\xF2\xF1\xF0\xE2\xEB\xEA\xEC\xE4\xEF\xF3\xFF\xFB\xFC\xE3\xE7\xE1"
            "\xF7\xE9\xF5\xE6\xF8\xFE\xF6\xF9\xFD\xF4\xFA\xB8",
            250);
    rank[static_cast<unsigned char>(' ')] = 255;
    return rank;
}

// One plain alternative, searched for without regard to case: every place of its rarest character
// (in either case) is found with memchr, then the whole text is compared there.
class FoldedLiteral {
public:
    FoldedLiteral(std::string_view text, const FoldTable& fold) : fold_(&fold) {
        for (char c : text) {
            pattern_ += static_cast<char>(fold[static_cast<unsigned char>(c)]);
        }
        if (pattern_.empty()) {
            return;
        }
        static const std::array<unsigned char, 256> commonness = CommonnessTable();
        for (std::size_t i = 1; i < pattern_.size(); ++i) {
            if (commonness[static_cast<unsigned char>(pattern_[i])] <
                commonness[static_cast<unsigned char>(pattern_[anchor_])]) {
                anchor_ = i;
            }
        }
        for (int b = 0; b < 256; ++b) {
            if (fold[b] == static_cast<unsigned char>(pattern_[anchor_])) {
                variants_.push_back(static_cast<char>(b));
            }
        }
    }

    bool Empty() const { return pattern_.empty(); }

    bool FoundIn(std::string_view text) const {
        const std::size_t m = pattern_.size();
        const std::size_t n = text.size();
        if (m > n) {
            return false;
        }
        const FoldTable& fold = *fold_;
        const auto* t = reinterpret_cast<const unsigned char*>(text.data());
        const auto* p = reinterpret_cast<const unsigned char*>(pattern_.data());
        // The anchor can only stand where the whole pattern still fits around it.
        const unsigned char* first = t + anchor_;
        const unsigned char* end = t + (n - m) + anchor_ + 1;
        for (char variant : variants_) {
            const unsigned char* at = first;
            while (at < end) {
                const auto* hit = static_cast<const unsigned char*>(
                    std::memchr(at, variant, static_cast<std::size_t>(end - at)));
                if (hit == nullptr) {
                    break;
                }
                const unsigned char* start = hit - anchor_;
                std::size_t j = 0;
                while (j < m && fold[start[j]] == p[j]) {
                    ++j;
                }
                if (j == m) {
                    return true;
                }
                at = hit + 1;
            }
        }
        return false;
    }

private:
    const FoldTable* fold_;
    std::string pattern_;
    std::size_t anchor_ = 0;
    std::vector<char> variants_;
};

// The longest run of plain characters that every match of one alternative must contain, found by
// walking the pattern's top level: groups, classes, escapes and anchors end a run, an optional
// character is dropped from it. Nothing when the pattern holds a construct this walk does not
// follow, or no such run.
std::optional<std::string> RequiredRun(std::string_view pattern) {
    std::string best;
    std::string run;
    const auto endRun = [&] {
        if (run.size() > best.size()) {
            best = run;
        }
        run.clear();
    };
    bool lastWasPlain = false; // the previous atom is the last character of `run`
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '*' || c == '?' || c == '+' || c == '{') {
            bool optional = c != '+';
            if (c == '{') {
                const std::size_t close = pattern.find('}', i);
                if (close == std::string_view::npos) {
                    return std::nullopt;
                }
                const std::string_view bounds = pattern.substr(i + 1, close - i - 1);
                if (bounds.empty() || bounds[0] < '0' || bounds[0] > '9') {
                    return std::nullopt;
                }
                // Optional when the lower bound (the digits before "," or "}") is zero.
                optional = true;
                for (std::size_t k = 0; k < bounds.size() && bounds[k] >= '0' && bounds[k] <= '9';
                     ++k) {
                    optional = optional && bounds[k] == '0';
                }
                i = close + 1;
            } else {
                ++i;
            }
            if (i < pattern.size() && pattern[i] == '?') {
                ++i; // a lazy quantifier needs the same characters
            }
            if (lastWasPlain && optional) {
                run.pop_back();
            }
            endRun();
            lastWasPlain = false;
            continue;
        }
        lastWasPlain = false;
        if (c == '\\') {
            if (i + 1 >= pattern.size()) {
                return std::nullopt;
            }
            const char e = pattern[i + 1];
            const bool word = (e >= '0' && e <= '9') || (e >= 'a' && e <= 'z') ||
                              (e >= 'A' && e <= 'Z') || e == '_';
            if (!word && static_cast<unsigned char>(e) < 0x80) {
                run += e; // escaped punctuation stands for itself
                lastWasPlain = true;
                i += 2;
                continue;
            }
            endRun();
            i += 2;
            if (e == 'x') {
                i += 2;
            } else if (e == 'u') {
                i += 4;
            } else if (e == 'c') {
                i += 1;
            } else if (e >= '0' && e <= '9') {
                while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') {
                    ++i;
                }
            }
            continue;
        }
        if (c == '[') {
            endRun();
            std::size_t j = i + 1;
            if (j < pattern.size() && pattern[j] == '^') {
                ++j;
            }
            if (j < pattern.size() && pattern[j] == ']') {
                return std::nullopt; // "[]" and "[^]" are read differently by different engines
            }
            while (j < pattern.size() && pattern[j] != ']') {
                j += pattern[j] == '\\' ? 2 : 1;
            }
            if (j >= pattern.size()) {
                return std::nullopt;
            }
            i = j + 1;
            continue;
        }
        if (c == '(') {
            endRun();
            int depth = 0;
            std::size_t j = i;
            while (j < pattern.size()) {
                const char g = pattern[j];
                if (g == '\\') {
                    j += 2;
                    continue;
                }
                if (g == '[') {
                    std::size_t k = j + 1;
                    if (k < pattern.size() && pattern[k] == '^') {
                        ++k;
                    }
                    if (k < pattern.size() && pattern[k] == ']') {
                        return std::nullopt;
                    }
                    while (k < pattern.size() && pattern[k] != ']') {
                        k += pattern[k] == '\\' ? 2 : 1;
                    }
                    j = k + 1;
                    continue;
                }
                if (g == '(') {
                    ++depth;
                } else if (g == ')' && --depth == 0) {
                    break;
                }
                ++j;
            }
            if (j >= pattern.size()) {
                return std::nullopt;
            }
            i = j + 1;
            continue;
        }
        if (RegexSpecials.find(c) != std::string_view::npos || c == '|') {
            endRun(); // anchors, ".", and anything unexpected
            ++i;
            continue;
        }
        run += c;
        lastWasPlain = true;
        ++i;
    }
    endRun();
    if (best.empty()) {
        return std::nullopt;
    }
    return best;
}

// Whether a number the expression engine reads as a value (a back-reference "\\N", or a count
// within "{...}") has more digits than fit its integer: the standard library's reader overflows on
// such a number, and what it then refers to or counts is undefined.
bool HasOverlongNumber(std::string_view pattern) {
    constexpr std::size_t MaxDigits = 9;
    bool inBraces = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool opensNumber = c == '\\' || (c == '{') || (inBraces && c == ',');
        if (c == '{') {
            inBraces = true;
        } else if (c == '}') {
            inBraces = false;
        }
        if (!opensNumber) {
            continue;
        }
        std::size_t digits = 0;
        while (i + 1 + digits < pattern.size() && pattern[i + 1 + digits] >= '0' &&
               pattern[i + 1 + digits] <= '9') {
            ++digits;
        }
        if (digits > MaxDigits) {
            return true;
        }
        if (c == '\\') {
            i += digits == 0 ? 1 : digits; // past the escaped character or the number
        }
    }
    return false;
}

// The top-level alternatives of a pattern (split at "|" outside groups, classes and escapes).
std::vector<std::string_view> TopLevelAlternatives(std::string_view pattern) {
    std::vector<std::string_view> alternatives;
    int depth = 0;
    bool inClass = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\\') {
            ++i;
        } else if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
            if (i + 1 < pattern.size() && pattern[i + 1] == ']') {
                ++i;
            }
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == '|' && depth == 0) {
            alternatives.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    alternatives.push_back(pattern.substr(start));
    return alternatives;
}

// Texts of which every match of the folded pattern contains at least one; nothing when no such
// set is known. They let most texts be turned down without running the expression engine.
std::optional<std::vector<std::string>> RequiredLiterals(std::string_view foldedPattern) {
    std::vector<std::string> literals;
    for (std::string_view alternative : TopLevelAlternatives(foldedPattern)) {
        std::optional<std::string> run = RequiredRun(alternative);
        if (!run) {
            return std::nullopt;
        }
        literals.push_back(std::move(*run));
    }
    return literals;
}

} // namespace

class NameMatcher::Impl {
    // Texts longer than this are matched breadth-first where the library allows it.
    static constexpr std::size_t LongText = 1024;

    static bool AnyFoundIn(const std::vector<FoldedLiteral>& literals, std::string_view text) {
        for (const FoldedLiteral& literal : literals) {
            if (literal.FoundIn(text)) {
                return true;
            }
        }
        return false;
    }

public:
    Impl(std::string_view pattern, const TextLocale& locale, NameEngine engine) {
        for (int b = 0; b < 256; ++b) {
            fold_[b] = static_cast<unsigned char>(locale.ToLower(static_cast<char>(b)));
        }
        if (pattern.find_first_of(RegexSpecials) == std::string_view::npos) {
            std::size_t start = 0;
            for (;;) {
                const std::size_t bar = pattern.find('|', start);
                literals_.emplace_back(pattern.substr(start, bar - start), fold_);
                if (literals_.back().Empty()) {
                    matchesAll_ = true;
                }
                if (bar == std::string_view::npos) {
                    break;
                }
                start = bar + 1;
            }
            return;
        }
        const std::string folded = FoldPattern(pattern, fold_);
        if (HasOverlongNumber(folded)) {
            valid_ = false;
            return;
        }
        try {
            regex_.emplace(folded, std::regex::ECMAScript);
        } catch (const std::regex_error&) {
            valid_ = false;
            return;
        }
        if (auto required = RequiredLiterals(folded)) {
            for (const std::string& literal : *required) {
                prefilter_.emplace_back(literal, fold_);
            }
        }
        if (engine == NameEngine::Automaton) {
            const ExpressionTree tree = ReadExpressionTree(folded);
            automaton_ = ExpressionAutomaton::Build(tree, fold_);
            if (automaton_) {
                // Long texts miss an expression with back-references, as with the standard
                // engine below.
                longTextsMiss_ = tree.backReferences;
                return;
            }
        }
#ifdef __GLIBCXX__
        // This library's backtracking engine recurses once per character it consumes, so a long
        // text could overflow the stack; its breadth-first engine does not, but it cannot follow
        // back-references: an expression with them matches no long text, as if it were invalid.
        try {
            longTextRegex_.emplace(folded,
                                   std::regex::ECMAScript | std::regex_constants::__polynomial);
        } catch (const std::regex_error&) {
        }
#else
        longTextRegex_ = regex_;
#endif
    }

    bool Valid() const {
        return valid_;
    }

    bool Matches(std::string_view text) const {
        if (!valid_) {
            return false;
        }
        if (matchesAll_) {
            return true;
        }
        if (!regex_) {
            return AnyFoundIn(literals_, text);
        }
        if (!prefilter_.empty() && !AnyFoundIn(prefilter_, text)) {
            return false;
        }
        if (automaton_) {
            if (longTextsMiss_ && text.size() > LongText) {
                return false;
            }
            return automaton_->Search(text); // it folds the text as it reads
        }
        folded_.resize(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            folded_[i] = static_cast<char>(fold_[static_cast<unsigned char>(text[i])]);
        }
        try {
            if (folded_.size() <= LongText)
                return std::regex_search(folded_, *regex_);
            return longTextRegex_ && std::regex_search(folded_, *longTextRegex_);
        } catch (const std::exception&) {
            return false;
        }
    }

    Method UsedMethod() const {
        if (!valid_) {
            return Method::Nothing;
        }
        if (matchesAll_) {
            return Method::Everything;
        }
        if (!regex_) {
            return Method::Literal;
        }
        return automaton_ ? Method::Automaton : Method::Backtracking;
    }

private:
    FoldTable fold_{};
    bool valid_ = true;
    bool matchesAll_ = false;
    std::vector<FoldedLiteral> literals_;
    std::optional<std::regex> regex_;
    std::optional<std::regex> longTextRegex_;
    std::unique_ptr<ExpressionAutomaton> automaton_;
    bool longTextsMiss_ = false;
    std::vector<FoldedLiteral> prefilter_; // one of them is in every text the expression matches
    mutable std::string folded_;
};

NameMatcher::NameMatcher(std::string_view pattern, const TextLocale& locale, NameEngine engine)
    : impl_(std::make_unique<Impl>(pattern, locale, engine)) {
}
NameMatcher::~NameMatcher() = default;
NameMatcher::NameMatcher(NameMatcher&&) noexcept = default;
NameMatcher& NameMatcher::operator=(NameMatcher&&) noexcept = default;

bool NameMatcher::Valid() const {
    return impl_->Valid();
}

bool NameMatcher::Matches(std::string_view text) const {
    return impl_->Matches(text);
}

NameMatcher::Method NameMatcher::UsedMethod() const {
    return impl_->UsedMethod();
}

} // namespace cobwen
