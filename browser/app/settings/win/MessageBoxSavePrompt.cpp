#include "app/settings/win/MessageBoxSavePrompt.h"

#include "catalogue/win/ErrorDialog.h"
#include "catalogue/win/WideText.h"

#include <windows.h>

namespace cobwen {

bool MessageBoxSavePrompt::AskRetry(const std::string& message) {
    return MessageBoxW(GetActiveWindow(), ToWide(message, kBrowserCodePage).c_str(),
                       L"Предупреждение", MB_YESNO | MB_ICONWARNING) == IDYES;
}

void MessageBoxSavePrompt::ShowError(const std::string& message) {
    ErrorMessageBox().Show(message);
}

} // namespace cobwen
