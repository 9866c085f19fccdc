#pragma once

#include "browser/catalogue/core/CobwenData.h"

#include <array>
#include <cstdint>
#include <string>

namespace cobwen {

class TextLocale;

// The columns of the catalogue list and of the basket list, in their designed order.
enum class ListColumn : int {
    Name = 0,
    Version = 1,
    Category = 2,
    ReleaseDate = 3,
    Size = 4,
};
inline constexpr int ListColumnCount = 5;

struct ListColumnInfo {
    ListColumn column;
    const char* caption; // code page 1251; captions are centred
    int width;           // designed width in pixels
    bool rightAligned;   // the cells' alignment (captions stay centred)
};

inline constexpr std::array<ListColumnInfo, ListColumnCount> ListColumns{{
    // "Наименование"
    {ListColumn::Name, "\xCD\xE0\xE8\xEC\xE5\xED\xEE\xE2\xE0\xED\xE8\xE5", 281, false},
    // "Версия"
    {ListColumn::Version, "\xC2\xE5\xF0\xF1\xE8\xFF", 112, false},
    // "Категория"
    {ListColumn::Category, "\xCA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xFF", 179, false},
    // "Дата выхода"
    {ListColumn::ReleaseDate, "\xC4\xE0\xF2\xE0 \xE2\xFB\xF5\xEE\xE4\xE0", 98, false},
    // "Размер архива (байт)"
    {ListColumn::Size, "\xD0\xE0\xE7\xEC\xE5\xF0 \xE0\xF0\xF5\xE8\xE2\xE0 (\xE1\xE0\xE9\xF2)", 124,
     true},
}};

// The text of one cell (code page 1251). The release date is the locale's short date, empty when
// the record has no date (Date <= 0); the size is GroupedSizeText.
std::string ColumnText(const TCobwenData& record, ListColumn column, const TextLocale& locale);

// The size column's picture "### ### ### ###": digits grouped in threes from the right with a
// blank between groups (the blank is part of the picture, not the locale's separator), and no digit
// at all for 0, since every place of the picture is optional.
std::string GroupedSizeText(std::int32_t size);

} // namespace cobwen
