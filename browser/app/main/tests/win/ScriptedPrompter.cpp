#include "browser/app/main/tests/win/ScriptedPrompter.h"

#include <algorithm>

namespace cobwen::test {

std::size_t ScriptedPrompter::Count(Shown::Kind kind) const {
    return static_cast<std::size_t>(std::count_if(
        shown_.begin(), shown_.end(), [kind](const Shown& shown) { return shown.kind == kind; }));
}

std::wstring ScriptedPrompter::Last(Shown::Kind kind) const {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
        if (it->kind == kind)
            return it->text;
    return {};
}

cobwen::Answer ScriptedPrompter::Ask(const std::wstring& text, bool withCancel) {
    shown_.push_back({Shown::Question, text});
    // An unscripted question is cancelled (or refused when there is no Cancel).
    if (answers_.empty())
        return withCancel ? cobwen::Answer::Cancel : cobwen::Answer::No;
    const cobwen::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace cobwen::test
