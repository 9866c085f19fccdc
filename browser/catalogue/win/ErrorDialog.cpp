#include "browser/catalogue/win/ErrorDialog.h"

#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

#include <windows.h>

namespace cobwen {

void ErrorMessageBox::Show(const std::string& message) {
    MessageBoxW(GetActiveWindow(), win32::ToWide(message, BrowserCodePage).c_str(), L"Ошибка",
                MB_OK | MB_ICONERROR);
}

} // namespace cobwen
