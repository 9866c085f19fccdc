#include "OemText.h"

#include <windows.h>

namespace blocksby {

std::wstring WideFromOem(const std::string& oem) {
    if (oem.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_OEMCP, 0, oem.data(), static_cast<int>(oem.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_OEMCP, 0, oem.data(), static_cast<int>(oem.size()), wide.data(),
                            length);
    }
    return wide;
}

std::string AnsiFromOem(const std::string& oem) {
    std::string ansi(oem);
    if (!ansi.empty()) {
        OemToCharBuffA(oem.data(), ansi.data(), static_cast<DWORD>(oem.size()));
    }
    return ansi;
}

} // namespace blocksby
