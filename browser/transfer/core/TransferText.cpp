#include "browser/transfer/core/TransferText.h"

#include "browser/catalogue/core/BrowserMessages.h"

namespace cobwen {

std::string FillMessage(std::string_view format,
                        std::initializer_list<std::string_view> arguments) {
    std::string result;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next != arguments.end()) {
            result += *next++;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

std::string FillMessage(std::string_view format, std::string_view argument) {
    return FillMessage(format, {argument});
}

std::string SystemFailureText(std::string_view systemMessage, unsigned long code) {
    std::string text(systemMessage);
    text += BrowserMessageText(IDS_ERROR_CODE);
    text += std::to_string(code);
    return text;
}

std::string ConnectionErrorText(std::string_view detail) {
    std::string text = BrowserMessageText(IDS_CONNECTION_ERROR);
    text += detail;
    return text;
}

std::string ShortBodyText(unsigned long long received, unsigned long long announced) {
    return FillMessage(BrowserMessageText(IDS_CONNECTION_CUT),
                       {std::to_string(received), std::to_string(announced)});
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
