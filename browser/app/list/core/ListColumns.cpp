#include "browser/app/list/core/ListColumns.h"

#include "browser/catalogue/core/DateTime.h"

#include <cstdint>

namespace cobwen {

std::string GroupedSizeText(std::int32_t size) {
    if (size == 0) {
        return {};
    }
    // Widened first: the magnitude of the smallest 32-bit value does not fit 32 bits.
    const std::int64_t value = size;
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ' ';
        }
        out += digits[i];
    }
    return out;
}

std::string ColumnText(const TCobwenData& record, ListColumn column, const TextLocale& locale) {
    switch (column) {
    case ListColumn::Name:
        return record.Name;
    case ListColumn::Version:
        return record.Version;
    case ListColumn::Category:
        return record.Category;
    case ListColumn::ReleaseDate:
        return record.Date > 0 ? FormatShortDate(record.Date, locale) : std::string();
    case ListColumn::Size:
        return GroupedSizeText(record.Size);
    }
    return {};
}

} // namespace cobwen
