#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace cobwen {

// `format` with its first "%s" replaced by `argument`; the rest is kept as written.
std::string FillMessage(std::string_view format, std::string_view argument);
// `format` with each "%s" replaced by the next argument; those beyond the arguments stay.
std::string FillMessage(std::string_view format, std::initializer_list<std::string_view> arguments);

// The text of a failed WinInet call: the system's message, then "Код ошибки: " and the code.
std::string SystemFailureText(std::string_view systemMessage, unsigned long code);

// The error text of a transfer that met a failure: "Ошибка соединения\r" and the detail.
std::string ConnectionErrorText(std::string_view detail);

// "Соединение прервано: получено N из M байт": a body that ended before the length the server
// announced.
std::string ShortBodyText(unsigned long long received, unsigned long long announced);

// The detail of an answer with an error status: "404 Not Found".
std::string HttpStatusText(unsigned long status, std::string_view reason);

// Whether an HTTP status makes the transfer a failure (400 and above).
inline bool IsFailureStatus(unsigned long status) {
    return status >= 400;
}

} // namespace cobwen
