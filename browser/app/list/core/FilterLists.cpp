#include "browser/app/list/core/FilterLists.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/FieldDecoding.h"

namespace cobwen {

const std::vector<std::string>& FilterLists::Values(Filter filter) const {
    static const std::vector<std::string> none;
    switch (filter) {
    case Filter::Category:
        return Category;
    case Filter::Author:
        return Author;
    case Filter::Released:
        return Released;
    case Filter::HasSources:
        return SrcLanguage;
    case Filter::UlvarVersion:
        return UlvarVersion;
    case Filter::WindowsVersion:
        return WindowsVersion;
    case Filter::Name:
        break;
    }
    return none;
}

FilterLists BuildFilterLists(const TCobwenArchive& archive) {
    FilterLists lists;
    lists.Category = archive.Categories().Items();
    lists.Author = archive.Authors().Items();
    for (const ReleasePeriod& period : ReleasePeriods) {
        lists.Released.emplace_back(period.text);
    }
    lists.SrcLanguage.emplace_back(AnySourceLanguage);
    for (const std::string& code : archive.SrcLanguages().Items()) {
        lists.SrcLanguage.push_back(SrcLanguageName(code));
    }
    lists.UlvarVersion = archive.UlvarVersions().Items();
    for (const TWindowsVersionInfo& version : WindowsVersions) {
        lists.WindowsVersion.push_back(std::string(WindowsVersionPrefix) + version.name);
    }
    return lists;
}

int SelectStoredIndex(Filter filter, int storedIndex, int valueCount) {
    if (storedIndex >= 0 && storedIndex < valueCount) {
        return storedIndex;
    }
    if (filter == Filter::Released || valueCount <= 0) {
        return -1;
    }
    return 0;
}

} // namespace cobwen
