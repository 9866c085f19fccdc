#include "browser/app/templates/core/InfoTemplate.h"

#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/TextLocale.h"

namespace cobwen {
namespace {

bool IsLatinLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char LatinUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLatinText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LatinUpper(a[i]) != LatinUpper(b[i])) {
            return false;
        }
    }
    return true;
}

using FieldText = std::string (*)(const TCobwenData&, const TextLocale&);

struct Placeholder {
    std::string_view token;
    FieldText text;
};

// In the order tokens are compared.
constexpr Placeholder Placeholders[] = {
    {"%Name",
     [](const TCobwenData& r, const TextLocale&) {
         return r.Name;
     }},
    {"%Category",
     [](const TCobwenData& r, const TextLocale&) {
         return r.Category;
     }},
    {"%Description",
     [](const TCobwenData& r, const TextLocale&) {
         return HtmlToText(r.Description);
     }},
    {"%URL",
     [](const TCobwenData& r, const TextLocale&) {
         return r.URL;
     }},
    {"%Size",
     [](const TCobwenData& r, const TextLocale&) {
         return std::to_string(r.Size);
     }},
    {"%Date",
     [](const TCobwenData& r, const TextLocale& l) {
         return FormatShortDate(r.Date, l);
     }},
    {"%Author",
     [](const TCobwenData& r, const TextLocale&) {
         return r.Author;
     }},
    {"%EMail",
     [](const TCobwenData& r, const TextLocale&) {
         return EMailAddress(r.EMail);
     }},
    {"%HomePage",
     [](const TCobwenData& r, const TextLocale&) {
         return r.HomePage;
     }},
    {"%Ver",
     [](const TCobwenData& r, const TextLocale&) {
         return r.Version;
     }},
    {"%UlvarVer",
     [](const TCobwenData& r, const TextLocale&) {
         return r.UlvarVersion;
     }},
    {"%SrcLang",
     [](const TCobwenData& r, const TextLocale&) {
         return SrcLanguageName(r.SrcLanguage);
     }},
    {"%WinVer",
     [](const TCobwenData& r, const TextLocale&) {
         return WindowsVersionText(r.WindowsVersion);
     }},
};

} // namespace

std::string PlaceholderValue(std::string_view token, const TCobwenData& record,
                             const TextLocale& locale) {
    for (const Placeholder& placeholder : Placeholders) {
        if (SameLatinText(token, placeholder.token)) {
            return placeholder.text(record, locale);
        }
    }
    return {};
}

std::string ExpandTemplate(std::string_view infoTemplate, const TCobwenData& record,
                           const TextLocale& locale) {
    std::string out;
    out.reserve(infoTemplate.size());
    std::size_t i = 0;
    while (i < infoTemplate.size()) {
        if (infoTemplate[i] != '%' || i + 1 >= infoTemplate.size() ||
            !IsLatinLetter(infoTemplate[i + 1])) {
            out += infoTemplate[i++];
            continue;
        }
        std::size_t end = i + 1;
        while (end < infoTemplate.size() && IsLatinLetter(infoTemplate[end])) {
            ++end;
        }
        out += PlaceholderValue(infoTemplate.substr(i, end - i), record, locale);
        i = end;
    }
    return out;
}

} // namespace cobwen
