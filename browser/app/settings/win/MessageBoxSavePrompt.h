#pragma once

#include "browser/app/settings/core/SavePrompt.h"

namespace cobwen {

// The failed save's message boxes, owned by the active window: the question captioned
// "Предупреждение" with Yes and No, the error captioned "Ошибка" with OK.
class MessageBoxSavePrompt final : public SavePrompt {
public:
    bool AskRetry(const std::string& message) override;
    void ShowError(const std::string& message) override;
};

} // namespace cobwen
