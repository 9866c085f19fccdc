#pragma once

#include <string>

namespace cobwen {

// Where the browser's error messages (code page 1251 text) are shown; a test records them instead.
class ErrorDialog {
public:
    virtual ~ErrorDialog() = default;
    virtual void Show(const std::string& message) = 0;
};

// The error message box: caption "Ошибка", an OK button, owned by the active window.
class ErrorMessageBox final : public ErrorDialog {
public:
    void Show(const std::string& message) override;
};

} // namespace cobwen
