#include "plugins/startup/core/ValueLists.h"

namespace launchet {

namespace {

// The zero-separated strings of bytes, each up to its zero or the end.
std::vector<std::string> Strings(std::string_view bytes) {
    std::vector<std::string> strings;
    std::size_t position = 0;
    while (position < bytes.size()) {
        std::size_t end = bytes.find('\0', position);
        if (end == std::string_view::npos)
            end = bytes.size();
        strings.emplace_back(bytes.substr(position, end - position));
        position = end + 1;
    }
    return strings;
}

} // namespace

std::string ValueText(std::uint32_t type, std::string_view bytes) {
    if (type == TypeString || type == TypeExpandString)
        return std::string(bytes.substr(0, bytes.find('\0')));
    return std::string(bytes);
}

std::vector<std::string> SplitValueList(std::string_view text) {
    std::vector<std::string> elements;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find(',', position + 1);
        if (end == std::string_view::npos)
            end = text.size();
        elements.emplace_back(text.substr(position, end - position));
        position = end;
        while (position < text.size() && text[position] == ',')
            ++position;
    }
    return elements;
}

std::string JoinValueList(const std::vector<std::string>& elements) {
    std::string text;
    for (auto const& element : elements)
        text += element + ',';
    return text;
}

std::vector<std::string> SplitMultiString(std::string_view bytes) {
    std::vector<std::string> strings;
    for (auto& string : Strings(bytes)) {
        if (string.empty())
            break;
        strings.push_back(std::move(string));
    }
    return strings;
}

std::vector<std::pair<std::string, std::string>> SplitRenamePairs(std::string_view bytes) {
    auto const strings = Strings(bytes);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < strings.size() && !strings[i].empty(); i += 2)
        pairs.emplace_back(strings[i], i + 1 < strings.size() ? strings[i + 1] : std::string());
    return pairs;
}

std::vector<std::string> TokenizeIniLine(std::string_view line) {
    std::vector<std::string> tokens;
    std::size_t position = 0;
    for (;;) {
        position = line.find_first_not_of(", \t", position);
        if (position == std::string_view::npos)
            break;
        std::size_t end;
        if (line[position] == '"') {
            end = line.find('"', position + 1);
            end = end == std::string_view::npos ? line.size() : end + 1;
        } else {
            end = line.find(',', position);
            if (end == std::string_view::npos)
                end = line.size();
        }
        tokens.emplace_back(line.substr(position, end - position));
        position = end;
    }
    return tokens;
}

std::string JoinIniTokens(const std::vector<std::string>& tokens) {
    std::string line;
    for (auto const& token : tokens) {
        if (!line.empty())
            line += ',';
        line += token;
    }
    return line;
}

} // namespace launchet
