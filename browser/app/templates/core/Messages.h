#pragma once

namespace cobwen {

// A message of the program's string table: its number and its code page 1251 text.
struct NumberedMessage {
    int number;
    const char* text;
};

// "Невозможно создать файл %s.\r%s": a text description file could not be written; the path and
// the system's message fill it.
inline constexpr NumberedMessage CannotCreateFileMessage{
    65185, "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xF1\xEE\xE7\xE4\xE0\xF2\xFC \xF4\xE0\xE9\xEB "
           "%s.\r%s"};

} // namespace cobwen
