#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace cobwen {

class TextLocale;

// The name filter's expression, compiled once per list rebuild: a Perl-style (ECMAScript) regular
// expression that matches a text when it matches anywhere in it, without regard to case, code page
// 1251 Cyrillic included (pattern and text are folded to lower case by the locale; escapes such as
// \D keep their case). A pattern made only of plain text, or of plain alternatives separated by
// "|", is searched for directly; for other expressions a plain part that every match must contain
// is looked for first, so that most texts are turned down without the expression engine.
//
// Expressions are matched by a deterministic automaton, in time linear in the text; so are
// back-references to a group of one character ("(\w)\1"), spelled out per character. Those it
// cannot follow (other back-references, look-aheads) go to the standard library's backtracking
// engine, which matches no text longer than 1024 bytes when the expression has back-references
// (its recursion per character would overflow the stack); the automaton keeps that rule for them,
// so that the filter shows the same rows whichever engine follows the expression.
// NameEngine::Backtracking sends every expression there, the way the filter matched before the
// automaton, for comparison.
enum class NameEngine { Automaton, Backtracking };

class NameMatcher {
public:
    // How texts are matched.
    enum class Method { Nothing, Everything, Literal, Automaton, Backtracking };

    NameMatcher(std::string_view pattern, const TextLocale& locale,
                NameEngine engine = NameEngine::Automaton);
    ~NameMatcher();
    NameMatcher(NameMatcher&&) noexcept;
    NameMatcher& operator=(NameMatcher&&) noexcept;

    // False when the pattern is no valid expression: then nothing matches.
    bool Valid() const;
    // Whether the expression matches somewhere in `text`; false when matching fails. Not for use
    // from several threads at once (it keeps a folding buffer and the automaton's states).
    bool Matches(std::string_view text) const;
    Method UsedMethod() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace cobwen
