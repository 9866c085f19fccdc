#include "catalogue/win/ErrorDialog.h"

#include "catalogue/win/WideText.h"

#include <windows.h>

namespace cobwen {

void ErrorMessageBox::Show(const std::string& message) {
    MessageBoxW(GetActiveWindow(), ToWide(message, kBrowserCodePage).c_str(), L"Ошибка",
                MB_OK | MB_ICONERROR);
}

} // namespace cobwen
