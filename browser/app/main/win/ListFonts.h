#pragma once

#include "browser/app/listview/win/RowList.h"
#include "browser/app/settings/core/ViewSettings.h"

#include <cstdint>
#include <optional>
#include <windows.h>

namespace cobwen {

// A colour of the settings (0x00BBGGRR or a system colour) as GDI draws it.
COLORREF ToColorRef(std::uint32_t colour);

// A font of the settings at the screen's resolution; the caller owns it.
HFONT CreateSettingsFont(const FontSettings& font);

// The colours of a cell or preview of the lists: the background the colour rules chose and,
// unless it is selected (the list's highlight colours then), its font's colour for the text.
CellColours ListCellColours(const std::optional<std::uint32_t>& background,
                            const FontSettings& font, bool selected);

} // namespace cobwen
