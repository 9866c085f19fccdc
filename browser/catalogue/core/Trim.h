#pragma once

#include <string_view>

namespace cobwen {

// The text without leading and trailing blanks and control characters (every byte up to 0x20).
inline std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) {
        return static_cast<unsigned char>(c) <= ' ';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace cobwen
