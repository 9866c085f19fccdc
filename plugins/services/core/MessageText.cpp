#include "plugins/services/core/MessageText.h"

#include <algorithm>

namespace sentrel {

std::string FillInserts(std::string_view text, const std::vector<std::string>& inserts) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%' || i + 1 >= text.size() || text[i + 1] < '1' || text[i + 1] > '9') {
            result += c;
            continue;
        }
        std::size_t end = i + 2;
        std::size_t number = static_cast<std::size_t>(text[i + 1] - '0');
        if (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            number = number * 10 + static_cast<std::size_t>(text[end] - '0');
            ++end;
        }
        if (number <= inserts.size())
            result += inserts[number - 1];
        else
            result.append(text.substr(i, end - i));
        i = end - 1;
    }
    return result;
}

namespace {

std::size_t CountedLength(std::string_view line) {
    return line.size() - static_cast<std::size_t>(std::count(line.begin(), line.end(), '%'));
}

void AddBroken(std::string_view line, std::vector<std::string>& lines) {
    while (CountedLength(line) >= BreakCountedLength) {
        const std::size_t blank = line.substr(0, BreakWithin).rfind(' ');
        if (blank == std::string_view::npos)
            break;
        lines.emplace_back(line.substr(0, blank));
        line.remove_prefix(blank + 1);
    }
    lines.emplace_back(line);
}

} // namespace

std::vector<std::string> MessageLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const bool lineFeed = !end && text[i] == '\n';
        const bool percentN = !end && text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n';
        if (!end && !lineFeed && !percentN)
            continue;
        std::string_view line = text.substr(start, i - start);
        if (lineFeed && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        AddBroken(line, lines);
        if (percentN)
            ++i;
        start = i + 1;
    }
    return lines;
}

MessageBox BuildMessageBox(const std::vector<std::optional<std::string>>& texts, int buttons,
                           bool withErrorLine, const std::string& errorText) {
    MessageBox box;
    box.errorLineByHost = withErrorLine;
    const int count = static_cast<int>(texts.size());
    const int lineTexts = std::clamp(count - buttons, 0, count);
    for (int i = 0; i < lineTexts; ++i) {
        const std::optional<std::string>& text = texts[static_cast<std::size_t>(i)];
        if (!text) {
            if (!withErrorLine)
                continue;
            box.errorLineByHost = false;
        }
        for (std::string& line : MessageLines(text ? *text : errorText))
            box.lines.push_back(std::move(line));
    }
    if (box.lines.size() > MaxMessageLines)
        box.lines.resize(MaxMessageLines);
    for (int i = lineTexts; i < count; ++i)
        box.buttons.push_back(texts[static_cast<std::size_t>(i)].value_or(""));
    return box;
}

} // namespace sentrel
