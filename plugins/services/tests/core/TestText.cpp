#include "plugins/services/tests/core/TestText.h"

namespace sentrel::test {

namespace {

// Cyrillic А..я (U+0410..U+044F) in 866: 0x80..0xAF, 0xE0..0xEF; in 1251: 0xC0..0xFF.
unsigned char OemToAnsi(unsigned char c) {
    if (c >= 0x80 && c <= 0xAF)
        return static_cast<unsigned char>(c + 0x40);
    if (c >= 0xE0 && c <= 0xEF)
        return static_cast<unsigned char>(c + 0x10);
    return c;
}

unsigned char AnsiToOem(unsigned char c) {
    if (c >= 0xC0 && c <= 0xEF)
        return static_cast<unsigned char>(c - 0x40);
    if (c >= 0xF0)
        return static_cast<unsigned char>(c - 0x10);
    return c;
}

std::string Map(std::string_view text, unsigned char (*map)(unsigned char)) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(map(static_cast<unsigned char>(c)));
    return result;
}

// Code points U+0410..U+044F of two-byte UTF-8 to 1251.
std::string Utf8ToAnsi(std::string_view utf8) {
    std::string result;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c == 0xD0 || c == 0xD1) && i + 1 < utf8.size()) {
            const unsigned code =
                ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            result += static_cast<char>(code - 0x410 + 0xC0);
        } else {
            result += static_cast<char>(c);
        }
    }
    return result;
}

} // namespace

std::string TestText::AnsiFromOem(std::string_view oem) const {
    return Map(oem, OemToAnsi);
}

std::string TestText::OemFromAnsi(std::string_view ansi) const {
    return Map(ansi, AnsiToOem);
}

std::string TestText::UpperAnsi(std::string_view ansi) const {
    std::string result(ansi);
    for (char& c : result) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || u >= 0xE0)
            c = static_cast<char>(u - 0x20);
    }
    return result;
}

const TestText& Text() {
    static const TestText text;
    return text;
}

std::string Oem(std::string_view utf8) {
    return Text().OemFromAnsi(Utf8ToAnsi(utf8));
}

std::string Ansi(std::string_view utf8) {
    return Utf8ToAnsi(utf8);
}

} // namespace sentrel::test
