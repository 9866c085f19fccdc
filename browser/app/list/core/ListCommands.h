#pragma once

#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/DateTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cobwen {

class TextLocale;

// The list that last received the focus.
enum class ActiveList { Catalogue, Basket };

// The context-menu entries whose visibility depends on the list that received the focus.
struct ListMenuVisibility {
    bool AddToBasket = false;      // "Добавить в корзину для загрузки"
    bool RemoveFromBasket = false; // "Удалить из корзины" (visible and enabled alike)
    bool FindInCatalogue = false; // "Найти плагин в общем списке" (follows the remove entry)
    bool FirstSeparator = false;   // the separator before the filter submenu
    bool SetFilterSubmenu = false; // "Установка фильтра"
};

// The menu when `list` receives the focus; the focused-row state follows (FocusedRowCommands).
ListMenuVisibility MenuOnListEnter(ActiveList list, bool useDownloadBasket, int basketRowCount);

// The enabling of the entries that need a focused row, and the status text it brings.
struct FocusedRowState {
    bool AddToBasket = false; // "Добавить в корзину для загрузки"
    bool SetFilter = false;   // "Установка фильтра"
    bool CopyInfo = false;    // "Копировать информацию о плагине"
    bool WriteToAuthor =
        false; // "Написать письмо автору": an "@" after the address's first character
    bool GotoAuthorPage =
        false; // "Перейти на страницу автора": a home page longer than 10 characters
    // Status-bar panel 2: ExpandTemplate(StatusInfoFormat, record) while the catalogue list is the
    // active one and no transfer runs; nothing leaves the panel as it is.
    std::optional<std::string> StatusText;
};

// The focused-row handler of both lists; `focused` is null when the list has no focused row (then
// all five entries are disabled).
FocusedRowState FocusedRowCommands(const TCobwenData* focused, ActiveList active,
                                   bool transferRunning, std::string_view statusInfoFormat,
                                   const TextLocale& locale);

// Status-bar panel 1 for the catalogue list without the basket: with fewer than two selected
// records the catalogue date as a short date, otherwise FormatSize of their total size (a total
// beyond the largest 32-bit size shows as that size).
std::string SelectionTotalText(const std::vector<const TCobwenData*>& selected,
                               DateTime catalogueDate, const TextLocale& locale);

} // namespace cobwen
