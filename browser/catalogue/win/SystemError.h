#pragma once

#include "browser/catalogue/win/ErrorDialog.h"

#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// The message ShowSystemError shows for `errorCode`: `format` with its two "%s" filled with
// `text` and the system's message (text first when `textFirst`, else the system's message first;
// "%%" stands for "%"). When the system has no message, only a text-first message is shown, with
// an empty second part and without leading and trailing blanks; otherwise nothing.
std::optional<std::string> SystemErrorMessage(std::string_view format, std::string_view text,
                                              bool textFirst, unsigned long errorCode);

// Shows the message for the thread's last error.
void ShowSystemError(const std::string& format, const std::string& text, bool textFirst);
void ShowSystemError(const std::string& format, const std::string& text, bool textFirst,
                     ErrorDialog& dialog);

} // namespace cobwen
