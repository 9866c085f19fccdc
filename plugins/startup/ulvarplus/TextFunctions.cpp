#include "plugins/startup/ulvarplus/TextFunctions.h"

#include <cctype>

namespace ulvarplus {

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The length of the text's root ("C:\" or "\\server\share\"), 0 when it has none.
std::size_t RootLength(std::string_view text) {
    if (text.size() >= 3 && IsLetter(text[0]) && text[1] == ':' && text[2] == '\\')
        return 3;
    if (text.size() < 2 || text[0] != '\\' || text[1] != '\\')
        return 0;
    std::size_t const server = text.find('\\', 2);
    if (server == std::string_view::npos || server == 2)
        return 0;
    std::size_t const share = text.find('\\', server + 1);
    if (share == std::string_view::npos || share == server + 1)
        return 0;
    return share + 1;
}

// The head, "..." and the last characters of text, width in all (width > head + 3).
std::string Join(std::string_view text, std::size_t head, std::size_t width) {
    std::size_t const tail = width - head - 3;
    std::string result(text.substr(0, head));
    result += "...";
    result += text.substr(text.size() - tail);
    return result;
}

} // namespace

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsWhite(text[begin]))
        ++begin;
    while (end > begin && IsWhite(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string QuoteIfBlank(std::string_view text) {
    std::string result(text);
    if (result.find(' ') == std::string::npos)
        return result;
    if (result.front() != '"')
        result.insert(result.begin(), '"');
    if (result.size() < 2 || result.back() != '"')
        result += '"';
    return result;
}

std::string FileNamePart(std::string_view path) {
    std::size_t const last = path.find_last_of("/:\\");
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ShortenTail(std::string_view text, int width) {
    if (width < 0)
        width = 0;
    auto const n = static_cast<std::size_t>(width);
    if (text.size() <= n)
        return std::string(text);
    if (n <= 3)
        return std::string(text.substr(0, n));
    return "..." + std::string(text.substr(text.size() - (n - 3)));
}

std::string ShortenPath(std::string_view text, int width) {
    std::size_t const root = RootLength(text);
    if (root == 0 || width < static_cast<int>(root) + 5)
        return ShortenTail(text, width);
    auto const n = static_cast<std::size_t>(width);
    return text.size() <= n ? std::string(text) : Join(text, root, n);
}

std::string ShortenLocation(std::string_view text, int width) {
    std::size_t const slash = text.find('\\');
    if (slash == std::string_view::npos || width < static_cast<int>(slash) + 5)
        return ShortenTail(text, width);
    auto const n = static_cast<std::size_t>(width);
    return text.size() <= n ? std::string(text) : Join(text, slash + 1, n);
}

} // namespace ulvarplus
