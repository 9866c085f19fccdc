#include "browser/catalogue/core/FieldDecoding.h"

#include "browser/catalogue/core/TextHelpers.h"

namespace cobwen {

std::string HtmlToText(std::string_view description) {
    std::string text(description);
    // Entities are decoded before tags are removed, so an escaped tag disappears too; the line
    // break comes first, so an escaped one stays as the tag text.
    ReplaceAll(text, "<br>", "\r\n");
    ReplaceAll(text, "&lt;", "<");
    ReplaceAll(text, "&gt;", ">");
    ReplaceAll(text, "&amp;", "&");
    for (const char* tag : {"<b>", "</b>", "<i>", "</i>", "<u>", "</u>", "<code>", "</code>"}) {
        ReplaceAll(text, tag, "");
    }

    constexpr std::string_view anchor = "<a href=\"";
    constexpr std::string_view anchorEnd = "\">";
    for (;;) {
        const std::size_t open = text.find(anchor);
        if (open == std::string::npos) {
            break;
        }
        const std::size_t close = text.find(anchorEnd);
        if (close == std::string::npos || close < open) {
            break;
        }
        text.erase(open, close + anchorEnd.size() - open);
    }
    ReplaceAll(text, "</a>", "");
    return text;
}

std::string EMailAddress(std::string_view email) {
    const std::size_t open = email.find('<');
    if (open == std::string_view::npos) {
        return std::string(email);
    }
    std::string_view address = email.substr(open + 1);
    const std::size_t close = address.find('>');
    if (close != std::string_view::npos) {
        address = address.substr(0, close);
    }
    return std::string(address);
}

std::string SrcLanguageName(std::string_view code) {
    switch (code.empty() ? '?' : code.front()) {
    case '#':
        return "C#";
    case 'A':
        return "Assembler";
    case 'C':
        return "C/C++";
    case 'D':
        return "Ada";
    case 'M':
        return "Modula";
    case 'P':
        return "Delphi/Virtual Pascal";
    case 'V':
        return "Visual Basic/JavaScript";
    default:
        return "\xCD\xE5\xF2 \xE4\xE0\xED\xED\xFB\xF5"; // "Нет данных"
    }
}

std::uint32_t BitString(std::string_view flags) {
    // The last character is the most significant bit; reading stops (from the end backwards) at
    // the first character that is not a flag.
    std::uint32_t value = 0;
    for (auto it = flags.rbegin(); it != flags.rend(); ++it) {
        if (*it != '0' && *it != '1') {
            break;
        }
        value = (value << 1) | static_cast<std::uint32_t>(*it - '0');
    }
    return value;
}

std::string WindowsVersionText(std::string_view flags) {
    const std::uint32_t bits = BitString(flags);
    std::string text = "Windows ";
    for (const auto& row : WindowsVersions) {
        if ((row.mask & bits) != 0) {
            text += row.name;
            text += '/';
        }
    }
    return TrimTrailing(text, "/");
}

} // namespace cobwen
