#pragma once

#include "browser/catalogue/core/CobwenData.h"

#include <array>
#include <string>
#include <string_view>

namespace cobwen {

class TextLocale;

// The text of an info template filled from a record. Every "%" directly followed by letters A-Z
// or a-z takes all of those letters as one word and is replaced, word and all, by
// PlaceholderValue; everything else is copied as it stands, and inserted values are not searched
// again. `locale` gives the format of "%Date".
std::string ExpandTemplate(std::string_view infoTemplate, const TCobwenData& record,
                           const TextLocale& locale);

// The text one placeholder stands for ("%Name", "%date", ...: the whole token, "%" included,
// compared without regard to case); empty for any other token.
std::string PlaceholderValue(std::string_view token, const TCobwenData& record,
                             const TextLocale& locale);

struct PlaceholderDescription {
    const char* placeholder;
    const char* description; // code page 1251
};

// The placeholders with the texts the settings dialog shows beside them, in the dialog's order.
inline constexpr std::array<PlaceholderDescription, 13> PlaceholderDescriptions{{
    // "наименование плагина"
    {"%Name", "\xED\xE0\xE8\xEC\xE5\xED\xEE\xE2\xE0\xED\xE8\xE5 \xEF\xEB\xE0\xE3\xE8\xED\xE0"},
    // "категория"
    {"%Category", "\xEA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xFF"},
    // "описание"
    {"%Description", "\xEE\xEF\xE8\xF1\xE0\xED\xE8\xE5"},
    // "ссылка на архив"
    {"%URL", "\xF1\xF1\xFB\xEB\xEA\xE0 \xED\xE0 \xE0\xF0\xF5\xE8\xE2"},
    // "размер архива"
    {"%Size", "\xF0\xE0\xE7\xEC\xE5\xF0 \xE0\xF0\xF5\xE8\xE2\xE0"},
    // "дата выхода"
    {"%Date", "\xE4\xE0\xF2\xE0 \xE2\xFB\xF5\xEE\xE4\xE0"},
    // "версия плагина"
    {"%Ver", "\xE2\xE5\xF0\xF1\xE8\xFF \xEF\xEB\xE0\xE3\xE8\xED\xE0"},
    // "имя автора"
    {"%Author", "\xE8\xEC\xFF \xE0\xE2\xF2\xEE\xF0\xE0"},
    // "e-mail автора"
    {"%EMail", "e-mail \xE0\xE2\xF2\xEE\xF0\xE0"},
    // "URL автора"
    {"%HomePage", "URL \xE0\xE2\xF2\xEE\xF0\xE0"},
    // "версия Ulvar"
    {"%UlvarVer", "\xE2\xE5\xF0\xF1\xE8\xFF Ulvar"},
    // "язык программирования"
    {"%SrcLang",
     "\xFF\xE7\xFB\xEA \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE8\xF0\xEE\xE2\xE0\xED\xE8\xFF"},
    // "поддерживаемые версии Windows"
    {"%WinVer", "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xEC\xFB\xE5 \xE2\xE5\xF0\xF1\xE8\xE8 "
                "Windows"},
}};

} // namespace cobwen
