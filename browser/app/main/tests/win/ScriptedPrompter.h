#pragma once

#include "browser/app/main/win/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace cobwen::test {

// Answers the window's questions from a script and records every message box it would show.
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        enum Kind { Question, Error, Warning, Information } kind;
        std::wstring text;
    };

    void Answer(cobwen::Answer answer) { answers_.push_back(answer); }
    const std::vector<Shown>& History() const { return shown_; }
    std::size_t Count(Shown::Kind kind) const;
    // The text of the last box of this kind, or empty.
    std::wstring Last(Shown::Kind kind) const;

    cobwen::Answer Ask(const std::wstring& text, bool withCancel) override;
    void Error(const std::wstring& text) override { shown_.push_back({Shown::Error, text}); }
    void Warning(const std::wstring& text) override { shown_.push_back({Shown::Warning, text}); }
    void Information(const std::wstring& text) override {
        shown_.push_back({Shown::Information, text});
    }

private:
    std::deque<cobwen::Answer> answers_;
    std::vector<Shown> shown_;
};

} // namespace cobwen::test
