#pragma once

#include <windows.h>
#include <wininet.h>

namespace cobwen {

// The dialog a request goes through after each send: it may ask the user for proxy or server
// credentials and set them on the request. Returns ERROR_SUCCESS when the request stands,
// ERROR_CANCELLED when the user gave up, any other value to have the request sent again.
class RequestDialog {
public:
    virtual ~RequestDialog() = default;
    virtual DWORD Run(HINTERNET request, DWORD error) = 0;
};

// The system's dialog (InternetErrorDlg) over the desktop window, filtering for errors,
// changing the request's options and generating its data.
class SystemRequestDialog final : public RequestDialog {
public:
    DWORD Run(HINTERNET request, DWORD error) override;
};

} // namespace cobwen
