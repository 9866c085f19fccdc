#include "browser/app/settings/core/IniText.h"

namespace cobwen {

namespace {

constexpr char Marker = '\x01';

// Bytes the INI reader trims from either end of a value: the blanks and control characters it
// counts as spaces, and the no-break space of code page 1251.
bool TrimmedAtEnds(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F || byte == 0xA0;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool NeedsEncoding(std::string_view text) {
    if (text.empty())
        return false;
    if (text.front() == Marker || TrimmedAtEnds(text.front()) || TrimmedAtEnds(text.back()) ||
        IsQuote(text.front()) || IsQuote(text.back()))
        return true;
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EncodeIniText(std::string_view text) {
    if (!NeedsEncoding(text))
        return std::string(text);
    std::string stored(1, Marker);
    for (const char c : text) {
        switch (c) {
        case '\\':
            stored += "\\\\";
            break;
        case '\r':
            stored += "\\r";
            break;
        case '\n':
            stored += "\\n";
            break;
        case '\0':
            stored += "\\0";
            break;
        default:
            stored += c;
        }
    }
    stored += Marker;
    return stored;
}

std::string DecodeIniText(std::string_view stored) {
    if (stored.size() < 2 || stored.front() != Marker || stored.back() != Marker)
        return std::string(stored);
    const std::string_view body = stored.substr(1, stored.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\' || i + 1 == body.size()) {
            text += body[i];
            continue;
        }
        switch (body[i + 1]) {
        case '\\':
            text += '\\';
            break;
        case 'r':
            text += '\r';
            break;
        case 'n':
            text += '\n';
            break;
        case '0':
            text += '\0';
            break;
        default: // not an escape this encoding makes: kept as it stands
            text += body[i];
            continue;
        }
        ++i;
    }
    return text;
}

std::string EncodeHex(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += Digits[byte >> 4];
        text += Digits[byte & 0x0F];
    }
    return text;
}

std::optional<std::string> DecodeHex(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

} // namespace cobwen
