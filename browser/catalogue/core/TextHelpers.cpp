#include "browser/catalogue/core/TextHelpers.h"

#include "browser/catalogue/core/TextLocale.h"

#include <limits>

namespace cobwen {
namespace {

// Replacing the first occurrence again and again, restarting from the start, gives the same result
// as resuming the search just before the replaced piece: nothing earlier changed, and a new
// occurrence must overlap the replacement.
template <typename Find>
void ReplaceRepeatedly(std::string& text, std::size_t patternSize, std::string_view replacement,
                       Find find, std::string* shadow, const TextLocale* locale) {
    if (patternSize == 0) {
        return;
    }
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = find(from);
        if (at == std::string::npos) {
            return;
        }
        text.replace(at, patternSize, replacement);
        if (shadow != nullptr) {
            shadow->replace(at, patternSize, locale->Lower(replacement));
        }
        from = at >= patternSize - 1 ? at - (patternSize - 1) : 0;
    }
}

} // namespace

void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    ReplaceRepeatedly(
        text, pattern.size(), replacement,
        [&](std::size_t from) { return text.find(pattern, from); }, nullptr, nullptr);
}

void ReplaceAllIgnoreCase(std::string& text, std::string_view pattern, std::string_view replacement,
                          const TextLocale& locale) {
    std::string lowered = locale.Lower(text);
    const std::string loweredPattern = locale.Lower(pattern);
    ReplaceRepeatedly(
        text, pattern.size(), replacement,
        [&](std::size_t from) { return lowered.find(loweredPattern, from); }, &lowered, &locale);
}

std::string ReplacedIgnoreCase(std::string_view text, std::string_view pattern,
                               std::string_view replacement, const TextLocale& locale) {
    std::string result(text);
    ReplaceAllIgnoreCase(result, pattern, replacement, locale);
    return result;
}

std::string RemoveChar(std::string_view text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch != c) {
            out += ch;
        }
    }
    return out;
}

std::string TrimTrailing(std::string_view text, std::string_view chars) {
    const std::size_t end = text.find_last_not_of(chars);
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : text.substr(0, end + 1));
}

bool TryParseInt32(std::string_view text, std::int32_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return false;
    }
    long long magnitude = 0;
    const long long limit = negative
                                ? -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                                : std::numeric_limits<std::int32_t>::max();
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

namespace {

// bytes / unit with `decimals` digits, the half going to the even neighbour, and the locale's
// separators.
std::string FormatScaled(std::int32_t bytes, long long unit, int decimals,
                         const TextLocale& locale) {
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const long long scaled = static_cast<long long>(bytes) * scale;
    long long q = scaled / unit;
    const long long twiceRest = (scaled % unit) * 2;
    if (twiceRest > unit || (twiceRest == unit && q % 2 != 0)) {
        ++q;
    }
    const std::string digits = std::to_string(q / scale);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += locale.ThousandSeparator();
        }
        out += digits[i];
    }
    if (decimals > 0) {
        std::string fraction = std::to_string(q % scale);
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        out += locale.DecimalSeparator() + fraction;
    }
    return out;
}

} // namespace

std::string FormatSize(std::int32_t bytes, const TextLocale& locale) {
    if (bytes < 1024) {
        return std::to_string(bytes);
    }
    if (bytes < 1048576) {
        return FormatScaled(bytes, 1024, 0, locale) + "K";
    }
    if (bytes < 1073741824) {
        return FormatScaled(bytes, 1048576, 1, locale) + "M";
    }
    return FormatScaled(bytes, 1073741824, 2, locale) + "G";
}

std::string WrapText(std::string_view text, std::size_t width) {
    if (text.size() <= width || width == 0) {
        return std::string(text);
    }
    if (text.rfind(' ', width - 1) == std::string_view::npos) {
        return std::string(text);
    }
    std::string out;
    std::string_view rest = text;
    while (!rest.empty()) {
        std::string_view piece = rest;
        rest = {};
        if (piece.size() > width) {
            const std::size_t blank = piece.rfind(' ', width - 1);
            if (blank != std::string_view::npos) {
                rest = piece.substr(blank + 1);
                piece = piece.substr(0, blank + 1);
            }
        }
        if (!out.empty()) {
            out += "\r\n";
        }
        out += piece;
    }
    return out;
}

std::string IncludeTrailingDelimiter(std::string_view path) {
    if (path.empty() || path.back() == ':' || path.back() == '\\') {
        return std::string(path);
    }
    if (path.size() == 1 &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        return std::string(path) + ":\\";
    }
    return std::string(path) + "\\";
}

} // namespace cobwen
