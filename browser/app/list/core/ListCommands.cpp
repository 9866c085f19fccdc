#include "browser/app/list/core/ListCommands.h"

#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/TextHelpers.h"

#include <cstdint>
#include <limits>

namespace cobwen {

ListMenuVisibility MenuOnListEnter(ActiveList list, bool useDownloadBasket, int basketRowCount) {
    ListMenuVisibility menu;
    const bool catalogue = list == ActiveList::Catalogue;
    menu.AddToBasket = catalogue && useDownloadBasket;
    menu.RemoveFromBasket = useDownloadBasket && !menu.AddToBasket && basketRowCount > 0;
    menu.FindInCatalogue = menu.RemoveFromBasket;
    menu.FirstSeparator = catalogue;
    menu.SetFilterSubmenu = catalogue;
    return menu;
}

FocusedRowState FocusedRowCommands(const TCobwenData* focused, ActiveList active,
                                   bool transferRunning, std::string_view statusInfoFormat,
                                   const TextLocale& locale) {
    FocusedRowState state;
    if (focused == nullptr) {
        return state;
    }
    state.AddToBasket = true;
    state.SetFilter = true;
    state.CopyInfo = true;
    const std::string address = EMailAddress(focused->EMail);
    state.WriteToAuthor = address.find('@', 1) != std::string::npos;
    state.GotoAuthorPage = focused->HomePage.size() > 10;
    if (active == ActiveList::Catalogue && !transferRunning) {
        state.StatusText = ExpandTemplate(statusInfoFormat, *focused, locale);
    }
    return state;
}

std::string SelectionTotalText(const std::vector<const TCobwenData*>& selected,
                               DateTime catalogueDate, const TextLocale& locale) {
    if (selected.size() < 2) {
        return FormatShortDate(catalogueDate, locale);
    }
    std::int64_t total = 0;
    for (const TCobwenData* record : selected) {
        if (record != nullptr) {
            total += record->Size;
        }
    }
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    return FormatSize(static_cast<std::int32_t>(total > largest ? largest : total), locale);
}

} // namespace cobwen
