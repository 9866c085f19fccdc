#include "browser/app/list/core/ListFilter.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/FieldDecoding.h"

namespace cobwen {

namespace {

// The text a drop-down shows: its selected value, or nothing when none is selected.
std::string ShownText(const std::vector<std::string>& values, int selected) {
    if (selected < 0 || selected >= static_cast<int>(values.size())) {
        return {};
    }
    return values[static_cast<std::size_t>(selected)];
}

} // namespace

ListFilter::ListFilter(const FilterLists& lists, const FilterInput& input, const TextLocale& locale)
    : input_(input) {
    const FilterSettings& panel = input_.Panel;
    category_ = ShownText(lists.Category, panel.Category);
    author_ = ShownText(lists.Author, panel.Author);
    srcLanguage_ = ShownText(lists.SrcLanguage, panel.SrcLang);
    ulvarVersion_ = ShownText(lists.UlvarVersion, panel.UlvarVersion);
    if (panel.Date >= 0 && panel.Date < static_cast<int>(ReleasePeriods.size())) {
        periodDays_ = ReleasePeriods[static_cast<std::size_t>(panel.Date)].days;
    }
    if (panel.WindowsVersion >= 0 &&
        panel.WindowsVersion < static_cast<int>(WindowsVersions.size())) {
        windowsMask_ = WindowsVersions[static_cast<std::size_t>(panel.WindowsVersion)].mask;
    }
    nameActive_ = panel.UseName && !panel.Name.empty();
    if (nameActive_) {
        matcher_.emplace(panel.Name, locale);
    }
}

bool ListFilter::Passes(const TCobwenData& record) const {
    const FilterSettings& panel = input_.Panel;
    if (panel.UseCategory && record.Category != category_) {
        return false;
    }
    if (panel.UseAuthor && record.Author != author_) {
        return false;
    }
    if (panel.UseRelease && periodDays_) {
        if (record.Date <= 0 || record.Date < input_.Now - *periodDays_) {
            return false;
        }
    }
    if (panel.HasSources) {
        if (!record.HasSources) {
            return false;
        }
        if (panel.SrcLang != 0 && SrcLanguageName(record.SrcLanguage) != srcLanguage_) {
            return false;
        }
    }
    if (panel.UseUlvarVersion && record.UlvarVersion != ulvarVersion_) {
        return false;
    }
    if (panel.UseWindowsVersion && (BitString(record.WindowsVersion) & windowsMask_) == 0) {
        return false;
    }
    return NameMatches(record);
}

bool ListFilter::NameMatches(const TCobwenData& record) const {
    if (!nameActive_) {
        return true;
    }
    const NameMatcher& matcher = *matcher_;
    if (!matcher.Valid()) {
        return false;
    }
    const std::uint8_t findIn = input_.FindIn;
    return matcher.Matches(record.Name) ||
           ((findIn & FindInDescription) != 0 && matcher.Matches(record.Description)) ||
           ((findIn & FindInURL) != 0 && matcher.Matches(record.URL)) ||
           ((findIn & FindInHomePage) != 0 && matcher.Matches(record.HomePage)) ||
           ((findIn & FindInEMail) != 0 && matcher.Matches(record.EMail));
}

bool ListFilter::NameExpressionValid() const {
    return !nameActive_ || matcher_->Valid();
}

std::vector<int> FillList(const TCobwenArchive& archive, const FilterLists& lists,
                          const FilterInput& input, const TextLocale& locale) {
    const ListFilter filter(lists, input, locale);
    std::vector<int> rows;
    const int count = archive.Count();
    if (!filter.NameExpressionValid()) {
        return rows;
    }
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TCobwenData* record = archive.GetItem(i);
        if (record != nullptr && filter.Passes(*record)) {
            rows.push_back(i);
        }
    }
    return rows;
}

std::string RowCountText(int rowCount, int recordCount) {
    return std::to_string(rowCount) + "/" + std::to_string(recordCount);
}

} // namespace cobwen
