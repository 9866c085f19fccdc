#include "browser/catalogue/core/UrlHelpers.h"

#include <algorithm>

namespace cobwen {
namespace {

bool IsAsciiAlnum(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

bool ContainsHttpScheme(std::string_view url) {
    constexpr std::string_view scheme = "http://";
    for (std::size_t i = 0; i + scheme.size() <= url.size(); ++i) {
        bool match = true;
        for (std::size_t k = 0; k < scheme.size() && match; ++k) {
            char c = url[i + k];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c + 32);
            }
            match = c == scheme[k];
        }
        if (match) {
            return true;
        }
    }
    return false;
}

std::string UrlFileName(std::string_view url) {
    if (url.size() < 2) {
        return std::string(url);
    }
    const std::size_t slash = url.rfind('/', url.size() - 2);
    if (slash == std::string_view::npos) {
        return std::string(url);
    }
    return std::string(url.substr(slash + 1));
}

UrlParts SplitUrl(std::string_view url) {
    if (ContainsHttpScheme(url)) {
        url.remove_prefix(std::min<std::size_t>(7, url.size()));
    }
    UrlParts parts;
    const std::size_t slash = url.find('/');
    if (slash == std::string_view::npos) {
        parts.host = std::string(url);
    } else {
        parts.host = std::string(url.substr(0, slash));
        parts.object = std::string(url.substr(slash));
    }
    return parts;
}

std::string UrlEncode(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAsciiAlnum(c) || c == '_') {
            out += c;
        } else if (c == '%' && i + 2 < text.size() && IsAsciiAlnum(text[i + 1]) &&
                   IsAsciiAlnum(text[i + 2])) {
            out.append(text.substr(i, 3));
            i += 2;
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += Hex[b >> 4];
            out += Hex[b & 0x0F];
        }
    }
    return out;
}

} // namespace cobwen
