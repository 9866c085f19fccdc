#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// Texts in an INI file. A value there ends at the line's end, the reader trims blanks around it
// and strips a pair of quotes enclosing it, and the writer stops at a NUL byte. A text that would
// lose something that way (line breaks, NUL bytes, blanks or a quote at either end) is stored
// encoded: the marker byte 0x01, the text with "\" and the line-break and NUL bytes written as
// "\\", "\r", "\n" and "\0", and the marker again. Every other text is stored as it is, so a value
// written verbatim (by hand or by an earlier run) reads back unchanged: typed text never begins
// with the marker, and a text that does is encoded.
std::string EncodeIniText(std::string_view text);
std::string DecodeIniText(std::string_view stored);

// Opaque bytes as upper-case hexadecimal digits, and back; nothing when the text is not an even
// number of hexadecimal digits.
std::string EncodeHex(std::string_view bytes);
std::optional<std::string> DecodeHex(std::string_view text);

} // namespace cobwen
