#include "browser/catalogue/core/DescriptionText.h"

#include <optional>

namespace cobwen {
namespace {

bool SameBytes(std::string_view a, std::string_view b, const ByteCaseTable& upperCase) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperCase[static_cast<unsigned char>(a[i])] !=
            upperCase[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

// The length of the line's name part when the line describes `name`. Quotes are tried taken
// before left out, so the longest name part that fits wins.
std::optional<std::size_t> NamePart(std::string_view line, std::string_view name,
                                    const ByteCaseTable& upperCase) {
    for (const std::size_t open : {std::size_t{1}, std::size_t{0}}) {
        if (open == 1 && (line.empty() || line.front() != '"')) {
            continue;
        }
        if (!SameBytes(line.substr(open, name.size()), name, upperCase)) {
            continue;
        }
        const std::size_t after = open + name.size();
        for (const std::size_t close : {std::size_t{1}, std::size_t{0}}) {
            if (close == 1 && (after >= line.size() || line[after] != '"')) {
                continue;
            }
            const std::size_t end = after + close;
            if (end < line.size() && (line[end] == ' ' || line[end] == '\t')) {
                return end;
            }
        }
    }
    return std::nullopt;
}

} // namespace

ByteCaseTable Cp866UpperCase() {
    ByteCaseTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<unsigned char>(i);
    }
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        table[c] = static_cast<unsigned char>(c - 32);
    }
    // а-п follow А-П at a distance of 0x20, р-я are at 0xE0, away from Р-Я at 0x90.
    for (unsigned char c = 0xA0; c <= 0xAF; ++c) {
        table[c] = static_cast<unsigned char>(c - 0x20);
    }
    for (unsigned char c = 0xE0; c <= 0xEF; ++c) {
        table[c] = static_cast<unsigned char>(c - 0x50);
    }
    // Ё ё, Є є, Ї ї, Ў ў.
    for (unsigned char upper = 0xF0; upper <= 0xF6; upper += 2) {
        table[upper + 1u] = upper;
    }
    return table;
}

std::string DescriptionName(std::string_view fileName) {
    if (fileName.find(' ') == std::string_view::npos) {
        return std::string(fileName);
    }
    std::string quoted = "\"";
    for (const char c : fileName) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string OneLineDescription(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += ' ';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return out;
}

std::string WithoutEmptyLines(std::string_view fileText) {
    static constexpr std::string_view LineBreak = "\r\n";
    std::string out;
    out.reserve(fileText.size());
    std::size_t i = 0;
    while (i < fileText.size()) {
        if (fileText.substr(i, 2) == LineBreak) {
            out += LineBreak;
            while (fileText.substr(i, 2) == LineBreak) {
                i += 2;
            }
            continue;
        }
        out += fileText[i++];
    }
    return out;
}

std::string DescribeInText(std::string_view fileText, std::string_view fileName,
                           std::string_view description, const ByteCaseTable& upperCase) {
    const std::string name = DescriptionName(fileName);
    const std::string line = OneLineDescription(description);
    const std::string text = WithoutEmptyLines(fileText);

    std::string out;
    out.reserve(text.size() + name.size() + line.size() + 3);
    bool found = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t next = text.find('\n', start);
        next = next == std::string::npos ? text.size() : next + 1;
        std::size_t end = next;
        if (end > start && text[end - 1] == '\n') {
            --end;
            if (end > start && text[end - 1] == '\r') {
                --end;
            }
        }
        const std::string_view content(text.data() + start, end - start);
        if (const auto namePart = NamePart(content, name, upperCase)) {
            found = true;
            out.append(content.substr(0, *namePart));
            out += ' ';
            out += line;
            out.append(text, end, next - end);
        } else {
            out.append(text, start, next - start);
        }
        start = next;
    }
    if (!found) {
        if (!out.empty()) {
            out += "\r\n";
        }
        out += name;
        out += ' ';
        out += line;
    }
    return out;
}

} // namespace cobwen
