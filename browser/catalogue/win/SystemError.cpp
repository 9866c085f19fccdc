#include "browser/catalogue/win/SystemError.h"

#include "win32/SystemError.h"

#include <windows.h>

namespace cobwen {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The message formats come from the program's string table and carry two "%s"; anything else
// after a "%" is kept as written rather than trusted to printf.
std::string FillFormat(std::string_view format, std::string_view first, std::string_view second) {
    std::string result;
    int used = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == '%') {
                result += '%';
                ++i;
                continue;
            }
            if (format[i + 1] == 's') {
                result += used == 0 ? first : used == 1 ? second : std::string_view();
                ++used;
                ++i;
                continue;
            }
        }
        result += format[i];
    }
    return result;
}

} // namespace

std::optional<std::string> SystemErrorMessage(std::string_view format, std::string_view text,
                                              bool textFirst, unsigned long errorCode) {
    const std::string system = win32::SystemMessageText(errorCode);
    if (system.empty()) {
        if (!textFirst)
            return std::nullopt;
        return std::string(Trim(FillFormat(format, text, {})));
    }
    return textFirst ? FillFormat(format, text, system) : FillFormat(format, system, text);
}

void ShowSystemError(const std::string& format, const std::string& text, bool textFirst) {
    ErrorMessageBox box;
    ShowSystemError(format, text, textFirst, box);
}

void ShowSystemError(const std::string& format, const std::string& text, bool textFirst,
                     ErrorDialog& dialog) {
    const DWORD error = GetLastError();
    if (const auto message = SystemErrorMessage(format, text, textFirst, error))
        dialog.Show(*message);
}

} // namespace cobwen
