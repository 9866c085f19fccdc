#pragma once

// The ten view modes of the services and devices folders, built from the language file: message 3
// holds the column types of the modes 0 to 9 separated by blanks or tabs, message 4 their widths,
// message 2 the full-screen modes. A string with "|" holds two variants, the one after the bar
// used when the system has service descriptions. A mode that shows the display name (C2) before
// the name column, or without one, is swapped: the display name becomes the name column.

#include "ulvar/Plugin.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sentrel {

inline constexpr std::size_t MaxColumnTitles = 100;

struct ViewModeTexts {
    std::string fullScreen;   // message 2
    std::string columnTypes;  // message 3
    std::string columnWidths; // message 4
};

struct ViewModes {
    std::array<std::string, ulvar::ViewModeCount> types, widths;
    std::array<bool, ulvar::ViewModeCount> swapped{}, fullScreen{};
    std::vector<std::string> titles; // of every mode in order, at most MaxColumnTitles
    std::array<std::size_t, ulvar::ViewModeCount> firstTitle{}, titleCount{};

    // The titles of a mode, as the host's column-title pointers.
    std::vector<const char*> TitlePointers(int mode) const;
};

// title(number) gives a message; drivers selects the owner title (message 12 instead of 11).
ViewModes BuildViewModes(const ViewModeTexts& texts, bool descriptionsSupported, bool drivers,
                         const std::function<std::string(int)>& title);

// The message number of a column type's title, or -1 ("???").
int ColumnTitleMessage(std::string_view type, bool drivers);

// Whether a mode's column types (as the host reports them) make a swapped listing.
bool IsSwappedColumns(std::string_view types);

// The part of a string with a bar that applies.
std::string_view Variant(std::string_view text, bool descriptionsSupported);

} // namespace sentrel
