#include "browser/catalogue/win/ConsoleText.h"

#include "win32/Text.h"

#include <windows.h>

namespace cobwen {

ByteCaseTable OemUpperCase() {
    ByteCaseTable table{};
    for (std::size_t code = 0; code < table.size(); ++code) {
        table[code] = static_cast<unsigned char>(code);
        const char byte = static_cast<char>(code);
        wchar_t character = 0;
        if (MultiByteToWideChar(CP_OEMCP, MB_ERR_INVALID_CHARS, &byte, 1, &character, 1) != 1)
            continue;
        wchar_t upper = 0;
        if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, &character, 1, &upper, 1) != 1)
            continue;
        char mapped = 0;
        BOOL lossy = FALSE;
        if (WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, &upper, 1, &mapped, 1, nullptr,
                                &lossy) == 1 &&
            !lossy)
            table[code] = static_cast<unsigned char>(mapped);
    }
    return table;
}

} // namespace cobwen
