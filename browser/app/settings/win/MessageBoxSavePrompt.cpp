#include "browser/app/settings/win/MessageBoxSavePrompt.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/ErrorDialog.h"
#include "win32/Text.h"

#include <windows.h>

namespace cobwen {

bool MessageBoxSavePrompt::AskRetry(const std::string& message) {
    return MessageBoxW(GetActiveWindow(), win32::ToWide(message, BrowserCodePage).c_str(),
                       L"Предупреждение", MB_YESNO | MB_ICONWARNING) == IDYES;
}

void MessageBoxSavePrompt::ShowError(const std::string& message) {
    ErrorMessageBox().Show(message);
}

} // namespace cobwen
