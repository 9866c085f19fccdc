#pragma once

#include <string_view>

namespace cobwen {

// The transfer messages of the browser's string table, in code page 1251, with their numbers.
// They move into the program's resources with the windows; until then they live here.
struct TransferMessage {
    unsigned Number;
    std::string_view Text;
};

// "Код ошибки: "
inline constexpr TransferMessage MsgErrorCode{65216, "\xCA\xEE\xE4 \xEE\xF8\xE8\xE1\xEA\xE8: "};
// "Ошибка соединения\r"
inline constexpr TransferMessage MsgConnectionError{
    65217, "\xCE\xF8\xE8\xE1\xEA\xE0 \xF1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xFF\r"};
// "Невозможно создать файл %s"
inline constexpr TransferMessage MsgCannotCreateFile{
    65218,
    "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xF1\xEE\xE7\xE4\xE0\xF2\xFC \xF4\xE0\xE9\xEB %s"};
// "Невозможно создать каталог %s"
inline constexpr TransferMessage MsgCannotCreateFolder{
    65219, "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xF1\xEE\xE7\xE4\xE0\xF2\xFC "
           "\xEA\xE0\xF2\xE0\xEB\xEE\xE3 %s"};
// "Файл %s существует. Перезаписать его ?"
inline constexpr TransferMessage MsgOverwriteQuery{
    65220, "\xD4\xE0\xE9\xEB %s \xF1\xF3\xF9\xE5\xF1\xF2\xE2\xF3\xE5\xF2. "
           "\xCF\xE5\xF0\xE5\xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC \xE5\xE3\xEE ?"};

} // namespace cobwen
