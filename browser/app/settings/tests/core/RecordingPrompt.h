#pragma once

#include "browser/app/settings/core/SavePrompt.h"

#include <deque>
#include <string>
#include <vector>

namespace cobwen::test {

// Answers the retry question from a list (No when the list is used up) and keeps what was shown.
class RecordingPrompt final : public SavePrompt {
public:
    explicit RecordingPrompt(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

    bool AskRetry(const std::string& message) override {
        questions.push_back(message);
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }

    std::vector<std::string> questions;
    std::vector<std::string> errors;

private:
    std::deque<bool> answers_;
};

} // namespace cobwen::test
