#include "browser/transfer/core/TransferText.h"

#include "browser/transfer/core/TransferMessages.h"

namespace cobwen {

std::string FillMessage(std::string_view format, std::string_view argument) {
    std::string result(format);
    const auto at = result.find("%s");
    if (at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}

std::string SystemFailureText(std::string_view systemMessage, unsigned long code) {
    std::string text(systemMessage);
    text += MsgErrorCode.Text;
    text += std::to_string(code);
    return text;
}

std::string ConnectionErrorText(std::string_view detail) {
    std::string text(MsgConnectionError.Text);
    text += detail;
    return text;
}

std::string ShortBodyText(unsigned long long received, unsigned long long announced) {
    // "Соединение прервано: получено " ... " из " ... " байт"
    return "\xD1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xE5 \xEF\xF0\xE5\xF0\xE2\xE0\xED\xEE: "
           "\xEF\xEE\xEB\xF3\xF7\xE5\xED\xEE " +
           std::to_string(received) + " \xE8\xE7 " + std::to_string(announced) +
           " \xE1\xE0\xE9\xF2";
}

std::string HttpStatusText(unsigned long status, std::string_view reason) {
    std::string text = std::to_string(status);
    if (!reason.empty()) {
        text += ' ';
        text += reason;
    }
    return text;
}

} // namespace cobwen
