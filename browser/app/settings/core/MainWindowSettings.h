#pragma once

#include <cstdint>
#include <string>

namespace cobwen {

// The filter panel's controls as the settings keep them.
struct FilterSettings {
    bool UseCategory = false;       // filter 1
    bool UseAuthor = false;         // filter 2
    bool UseRelease = false;        // filter 3
    bool UseName = false;           // filter 4
    bool HasSources = false;        // filter 5
    bool UseUlvarVersion = false;   // filter 6
    bool UseWindowsVersion = false; // filter 7
    // Item indexes of the value lists, applied when the lists are filled.
    std::int32_t Category = 0;
    std::int32_t Author = 0;
    std::int32_t Date = 0;
    std::int32_t SrcLang = 0; // 0: any language
    std::int32_t UlvarVersion = 0;
    std::int32_t WindowsVersion = 0;
    std::string Name;         // the name filter's text (code page 1251)
    bool SetOffOther = false; // setting a filter from a row switches the others off

    friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};

enum class MainWindowState : std::int32_t {
    Normal = 0,
    Minimized = 1,
    Maximized = 2,
};

// The main window's normal-state placement in pixels; the initial values are the designed ones.
struct WindowPlacement {
    std::int32_t Left = 358;
    std::int32_t Top = 155;
    std::int32_t Width = 771;
    std::int32_t Height = 586;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

inline constexpr std::int32_t DesignedBasketHeight = 215;

// What the settings store gives the main window's controls and takes back from them. Before
// loading, the window puts its current values here (they are the defaults of the stored ones) and
// the height of the area that holds the catalogue list and the basket list.
struct MainWindowSettings {
    FilterSettings Filters;
    MainWindowState State = MainWindowState::Normal;
    WindowPlacement Placement;
    std::int32_t BasketHeight = DesignedBasketHeight; // the basket list's height in pixels
    std::int32_t ListAreaHeight = 0; // read by loading only: a stored basket height must be
                                     // below half of it to be applied

    friend bool operator==(const MainWindowSettings&, const MainWindowSettings&) = default;
};

} // namespace cobwen
