#pragma once

#include <array>
#include <string>
#include <vector>

namespace cobwen {

class TCobwenArchive;

// The seven filters of the filter panel, numbered as their captions and keys number them.
enum class Filter : int {
    Category = 1,
    Author = 2,
    Released = 3,
    Name = 4, // the only one with an edit field instead of a drop-down
    HasSources = 5,
    UlvarVersion = 6,
    WindowsVersion = 7,
};

// The six filters with a drop-down, in panel order.
inline constexpr std::array<Filter, 6> DropDownFilters{
    Filter::Category,   Filter::Author,       Filter::Released,
    Filter::HasSources, Filter::UlvarVersion, Filter::WindowsVersion};

struct ReleasePeriod {
    const char* text; // code page 1251
    int days;
};

// The choices of the release-period drop-down, in its order.
inline constexpr std::array<ReleasePeriod, 6> ReleasePeriods{{
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xFE\xFE \xED\xE5\xE4\xE5\xEB\xFE",
     7}, // "За последнюю неделю"
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE5 2 \xED\xE5\xE4\xE5\xEB\xE8",
     14}, // "За последние 2 недели"
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE9 \xEC\xE5\xF1\xFF\xF6",
     31}, // "За последний месяц"
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE5 2 \xEC\xE5\xF1\xFF\xF6\xE0",
     62}, // "За последние 2 месяца"
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE5 3 \xEC\xE5\xF1\xFF\xF6\xE0",
     93}, // "За последние 3 месяца"
    {"\xC7\xE0 \xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE9 \xE3\xEE\xE4", 365}, // "За последний год"
}};

// "на любом языке": the first choice of the sources filter, taking every record with sources.
inline constexpr const char* AnySourceLanguage =
    "\xED\xE0 \xEB\xFE\xE1\xEE\xEC \xFF\xE7\xFB\xEA\xE5";
// "Windows ", put before each name of WindowsVersions in its drop-down.
inline constexpr const char* WindowsVersionPrefix = "Windows ";

// The values the six drop-downs offer (code page 1251), in their order.
struct FilterLists {
    std::vector<std::string> Category;       // the archive's Categories
    std::vector<std::string> Author;         // the archive's Authors
    std::vector<std::string> Released;       // the texts of ReleasePeriods
    std::vector<std::string> SrcLanguage;    // AnySourceLanguage, then SrcLanguageName of each code
    std::vector<std::string> UlvarVersion;   // the archive's UlvarVersions
    std::vector<std::string> WindowsVersion; // "Windows " + each name of WindowsVersions

    // The values of a drop-down filter; `Filter::Name` has none (an empty list).
    const std::vector<std::string>& Values(Filter filter) const;
};

// The drop-downs' values after a catalogue load (the release periods and Windows versions are
// fixed).
FilterLists BuildFilterLists(const TCobwenArchive& archive);

// The item a drop-down selects for an index kept in the settings, given its number of values: the
// stored index when it selects a value; otherwise item 0 for filters 1, 2, 5, 6 and 7, and -1
// (nothing selected, so the period filter lets every record pass) for the release period, whose
// stored index is taken as it is.
int SelectStoredIndex(Filter filter, int storedIndex, int valueCount);

// The filter panel's texts (code page 1251).
struct FilterCaption {
    Filter filter;
    const char* caption;
};
inline constexpr std::array<FilterCaption, 7> FilterCaptions{{
    {Filter::Category, "(1) \xCA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xFF"},      // "(1) Категория"
    {Filter::Author, "(2) \xC0\xE2\xF2\xEE\xF0"},                        // "(2) Автор"
    {Filter::Released, "(3) \xC4\xE0\xF2\xE0 \xE2\xFB\xF5\xEE\xE4\xE0"}, // "(3) Дата выхода"
    {Filter::Name, "(4) \xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5"},              // "(4) Название"
    {Filter::HasSources,
     "(5) \xC8\xEC\xE5\xFE\xF2\xF1\xFF \xE8\xF1\xF5\xEE\xE4\xED\xE8\xEA\xE8"}, // "(5) Имеются
                                                                               // исходники"
    {Filter::UlvarVersion, "(6) \xC2\xE5\xF0\xF1\xE8\xFF Ulvar'\xE0"}, // "(6) Версия Ulvar'а"
    {Filter::WindowsVersion, "(7) \xC2\xE5\xF0\xF1\xE8\xFF Windows"},  // "(7) Версия Windows"
}};
// "Фильтр на отображение ": the panel's heading.
inline constexpr const char* FilterPanelHeading =
    "\xD4\xE8\xEB\xFC\xF2\xF0 \xED\xE0 \xEE\xF2\xEE\xE1\xF0\xE0\xE6\xE5\xED\xE8\xE5 ";

} // namespace cobwen
