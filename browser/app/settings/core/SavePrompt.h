#pragma once

#include <string>

namespace cobwen {

// The questions and messages of a failed save (code page 1251 text).
class SavePrompt {
public:
    virtual ~SavePrompt() = default;
    // A warning with Yes and No; true for Yes.
    virtual bool AskRetry(const std::string& message) = 0;
    // An error with OK.
    virtual void ShowError(const std::string& message) = 0;
};

} // namespace cobwen
