#include "browser/app/main/win/Prompter.h"

#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

namespace cobwen {

namespace {
constexpr wchar_t kErrorCaption[] = L"Ошибка";
constexpr wchar_t kWarningCaption[] = L"Предупреждение";
constexpr wchar_t kQuestionCaption[] = L"Подтверждение";
} // namespace

void Prompter::Show(const std::string& message) {
    Error(win32::ToWide(message, kBrowserCodePage));
}

Answer MessageBoxPrompter::Ask(const std::wstring& text, bool withCancel) {
    const UINT buttons = withCancel ? MB_YESNOCANCEL : MB_YESNO;
    switch (MessageBoxW(owner_, text.c_str(), kQuestionCaption, buttons | MB_ICONQUESTION)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MessageBoxPrompter::Error(const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}

void MessageBoxPrompter::Warning(const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), kWarningCaption, MB_OK | MB_ICONWARNING);
}

} // namespace cobwen
