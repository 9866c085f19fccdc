#include "OemText.h"

#include <windows.h>

namespace sockwell::win {

std::string OemFromAnsi(const std::string& ansi) {
    std::string oem(ansi.size(), '\0');
    if (!ansi.empty())
        CharToOemBuffA(ansi.data(), oem.data(), static_cast<DWORD>(ansi.size()));
    return oem;
}

std::wstring WideFromOem(const std::string& oem) {
    if (oem.empty())
        return {};
    int const length =
        MultiByteToWideChar(CP_OEMCP, 0, oem.data(), static_cast<int>(oem.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_OEMCP, 0, oem.data(), static_cast<int>(oem.size()), wide.data(), length);
    return wide;
}

} // namespace sockwell::win
