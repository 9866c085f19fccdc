#include "plugin-host/standin/win/SystemText.h"

#include "win32/SystemError.h"

namespace ulvar::standin {

std::string SystemErrorText(unsigned long code) {
    std::string text = win32::SystemMessageText(code);
    return text.empty() ? "Error " + std::to_string(code) : text;
}

} // namespace ulvar::standin
