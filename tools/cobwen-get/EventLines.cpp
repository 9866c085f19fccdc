#include "tools/cobwen-get/EventLines.h"

#include "browser/catalogue/core/Cp1251.h"

namespace cobwen {

namespace {

// CR LF and lone CR or LF become a line break and an indent.
std::string Indented(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (i + 1 < text.size())
                result += "\n  ";
            continue;
        }
        result += text[i];
    }
    return result;
}

} // namespace

std::string StartLine(std::string_view url) {
    return "start " + Cp1251ToUtf8(url) + "\n";
}

std::string OverwriteLine(std::string_view question, bool answer) {
    return "overwrite? " + Cp1251ToUtf8(question) + (answer ? " yes\n" : " no\n");
}

std::string ErrorLine(std::string_view text) {
    return "error " + Indented(Cp1251ToUtf8(text)) + "\n";
}

std::string DoneLine(bool failed, std::string_view url) {
    return std::string(failed ? "done failed " : "done ok ") + Cp1251ToUtf8(url) + "\n";
}

std::string StoppedLine() {
    return "stopped\n";
}

std::optional<std::string> ProgressTotal::Add(std::int32_t blockSize) {
    total_ += blockSize;
    if (step_ <= 0 || total_ / step_ == reported_ / step_)
        return std::nullopt;
    reported_ = total_;
    return Line();
}

std::string ProgressTotal::Line() const {
    return "progress " + std::to_string(total_) + " bytes\n";
}

} // namespace cobwen
