#include "plugins/services/win/ReportFile.h"

#include "win32/Handle.h"

#include <windows.h>

namespace sentrel::win {

bool WriteReportFile(const std::string& path, std::string_view text) {
    const win32::KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                               nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
    if (!file.Valid())
        return false;
    while (!text.empty()) {
        const std::size_t chunk = std::min(text.size(), ReportBufferSize);
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(chunk), &written, nullptr) ||
            written == 0)
            break;
        text.remove_prefix(written);
    }
    return true;
}

} // namespace sentrel::win
