#include "browser/app/templates/win/ShellExecuteOpener.h"

#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

#include <objbase.h>
#include <shellapi.h>

namespace cobwen {

namespace {

// The shell may hand the request to extensions that need COM on the calling thread; a thread that
// has COM already keeps it as it is.
class ComScope {
public:
    ComScope()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (initialised_)
            CoUninitialize();
    }

private:
    bool initialised_;
};

} // namespace

bool ShellExecuteOpener::Open(const std::string& target) {
    const std::wstring wide = win32::ToWide(target, BrowserCodePage);
    const ComScope com;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A link that cannot be opened is not reported to the user.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_;
    info.lpVerb = L"open";
    info.lpFile = wide.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace cobwen
