#include "browser/app/search/core/FindInFrame.h"

namespace cobwen {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

FindInBoxes BoxesFromFindIn(std::uint8_t flags) {
    FindInBoxes boxes;
    boxes.Description = (flags & FindInDescription) != 0;
    boxes.URL = (flags & FindInURL) != 0;
    boxes.HomePage = (flags & FindInHomePage) != 0;
    boxes.EMail = (flags & FindInEMail) != 0;
    return boxes;
}

std::uint8_t FindInFromBoxes(const FindInBoxes& boxes) {
    std::uint8_t flags = 0;
    if (boxes.Description) {
        flags |= FindInDescription;
    }
    if (boxes.URL) {
        flags |= FindInURL;
    }
    if (boxes.HomePage) {
        flags |= FindInHomePage;
    }
    if (boxes.EMail) {
        flags |= FindInEMail;
    }
    return flags;
}

std::string FindInText(std::uint8_t flags) {
    std::string text;
    if ((flags & FindInDescription) != 0) {
        text = "\xE2 \xEE\xEF\xE8\xF1\xE0\xED\xE8\xE8,"; // "в описании,"
    }
    if ((flags & (FindInURL | FindInHomePage)) != 0) {
        text = Trimmed(text + " \xE2 URL,"); // " в URL,"
    }
    if ((flags & FindInEMail) != 0) {
        text = Trimmed(text + " \xE2 e-mail,"); // " в e-mail,"
    }
    if (text.empty()) {
        return "\xED\xE8 \xE2 \xF7\xE5\xEC \xE1\xEE\xEB\xFC\xF8\xE5"; // "ни в чем больше"
    }
    text.pop_back();
    return text;
}

} // namespace cobwen
