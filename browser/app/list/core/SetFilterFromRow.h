#pragma once

#include "browser/app/list/core/FilterLists.h"
#include "browser/app/settings/core/MainWindowSettings.h"
#include "browser/catalogue/core/CobwenData.h"

#include <array>

namespace cobwen {

class TextLocale;

// The panel after "by category" (`Filter::Category`) or "by author" (`Filter::Author`) for the
// first selected row's record: the drop-down selects the value equal to the record's field without
// regard to case (-1 when there is none), its check box is checked, and with `panel.SetOffOther`
// the filters 1 to 6 other than this one are unchecked; the Windows-version filter and every index
// of another drop-down stay. Apply the result as a value change. Any other filter leaves the panel
// as it is.
FilterSettings SetFilterFromRow(const FilterSettings& panel, Filter by, const TCobwenData& record,
                                const FilterLists& lists, const TextLocale& locale);

// The submenu "Установка фильтра" and its entries "по категории", "по автору" and "отключать
// остальные фильтры" (code page 1251).
inline constexpr const char* SetFilterMenuCaption =
    "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 \xF4\xE8\xEB\xFC\xF2\xF0\xE0";
inline constexpr const char* SetFilterByCategoryCaption =
    "\xEF\xEE \xEA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xE8";
inline constexpr const char* SetFilterByAuthorCaption = "\xEF\xEE \xE0\xE2\xF2\xEE\xF0\xF3";
inline constexpr const char* SetFilterOffOtherCaption =
    "\xEE\xF2\xEA\xEB\xFE\xF7\xE0\xF2\xFC \xEE\xF1\xF2\xE0\xEB\xFC\xED\xFB\xE5 "
    "\xF4\xE8\xEB\xFC\xF2\xF0\xFB";

} // namespace cobwen
