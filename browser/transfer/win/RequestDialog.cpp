#include "browser/transfer/win/RequestDialog.h"

namespace cobwen {

DWORD SystemRequestDialog::Run(HINTERNET request, DWORD error) {
    constexpr DWORD Flags = FLAGS_ERROR_UI_FILTER_FOR_ERRORS | FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS |
                            FLAGS_ERROR_UI_FLAGS_GENERATE_DATA;
    return InternetErrorDlg(GetDesktopWindow(), request, error, Flags, nullptr);
}

} // namespace cobwen
