#pragma once

#include "browser/catalogue/win/ErrorDialog.h"

#include <string>
#include <windows.h>

namespace cobwen {

enum class Answer { Yes, No, Cancel, Ok };

// The main window's message boxes: questions, errors and warnings with the browser's captions.
// Tests answer them without a window.
class Prompter : public ErrorDialog {
public:
    // A question with Yes and No, and Cancel as well when `withCancel`.
    virtual Answer Ask(const std::wstring& text, bool withCancel) = 0;
    virtual void Error(const std::wstring& text) = 0;
    virtual void Warning(const std::wstring& text) = 0;
    virtual void Information(const std::wstring& text) = 0;

    // ErrorDialog: a code page 1251 error text of the shared helpers.
    void Show(const std::string& message) override;
};

// The system's message boxes, owned by the main window.
class MessageBoxPrompter final : public Prompter {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    Answer Ask(const std::wstring& text, bool withCancel) override;
    void Error(const std::wstring& text) override;
    void Warning(const std::wstring& text) override;
    void Information(const std::wstring& text) override;

private:
    HWND owner_ = nullptr;
};

} // namespace cobwen
