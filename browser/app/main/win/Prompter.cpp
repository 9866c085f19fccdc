#include "browser/app/main/win/Prompter.h"

#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

namespace cobwen {

namespace {
constexpr wchar_t ErrorCaption[] = L"Ошибка";
constexpr wchar_t WarningCaption[] = L"Предупреждение";
constexpr wchar_t QuestionCaption[] = L"Подтверждение";
constexpr wchar_t InformationCaption[] = L"Информация";
} // namespace

void Prompter::Show(const std::string& message) {
    Error(win32::ToWide(message, BrowserCodePage));
}

Answer MessageBoxPrompter::Ask(const std::wstring& text, bool withCancel) {
    const UINT buttons = withCancel ? MB_YESNOCANCEL : MB_YESNO;
    switch (MessageBoxW(owner_, text.c_str(), QuestionCaption, buttons | MB_ICONQUESTION)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MessageBoxPrompter::Error(const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), ErrorCaption, MB_OK | MB_ICONERROR);
}

void MessageBoxPrompter::Warning(const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), WarningCaption, MB_OK | MB_ICONWARNING);
}

void MessageBoxPrompter::Information(const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), InformationCaption, MB_OK | MB_ICONINFORMATION);
}

} // namespace cobwen
