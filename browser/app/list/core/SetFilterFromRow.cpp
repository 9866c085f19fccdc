#include "browser/app/list/core/SetFilterFromRow.h"

#include "browser/catalogue/core/TextLocale.h"

namespace cobwen {

namespace {

int IndexIgnoringCase(const std::vector<std::string>& values, const std::string& value,
                      const TextLocale& locale) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (locale.SameText(values[i], value)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

FilterSettings SetFilterFromRow(const FilterSettings& panel, Filter by, const TCobwenData& record,
                                const FilterLists& lists, const TextLocale& locale) {
    FilterSettings result = panel;
    if (by != Filter::Category && by != Filter::Author) {
        return result;
    }
    const bool byCategory = by == Filter::Category;
    if (byCategory) {
        result.Category = IndexIgnoringCase(lists.Category, record.Category, locale);
        result.UseCategory = true;
    } else {
        result.Author = IndexIgnoringCase(lists.Author, record.Author, locale);
        result.UseAuthor = true;
    }
    if (panel.SetOffOther) {
        if (byCategory) {
            result.UseAuthor = false;
        } else {
            result.UseCategory = false;
        }
        result.UseRelease = false;
        result.UseName = false;
        result.HasSources = false;
        result.UseUlvarVersion = false;
    }
    return result;
}

} // namespace cobwen
