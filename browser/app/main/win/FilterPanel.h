#pragma once

#include "browser/app/list/core/FilterLists.h"

#include <array>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

// The filter panel's controls, children of the main window (which gets their notifications).
// The name filter's value control is an edit field, the others are drop-down lists.
class FilterPanel {
public:
    static constexpr int FilterCount = 7;
    // Every filter in panel order.
    static constexpr std::array<Filter, FilterCount> All{
        Filter::Category,   Filter::Author,       Filter::Released,      Filter::Name,
        Filter::HasSources, Filter::UlvarVersion, Filter::WindowsVersion};
    // Control ids: check box of a filter = CheckBoxId + its number, value control = ValueId + it.
    static constexpr int CheckBoxId = 1000;
    static constexpr int ValueId = 1010;

    void Create(HWND parent, HFONT font);
    // Places the panel in the given rectangle of the parent; returns the height it needs above
    // the hint text.
    void Layout(const RECT& area);
    // The height Layout needs to show every control and the key hints without overlap.
    static int NeededHeight();

    // Which filter a control id belongs to, and whether it is the check box.
    static std::optional<Filter> FilterOfControl(int id, bool& isCheckBox);

    bool Checked(Filter filter) const;
    void SetChecked(Filter filter, bool checked);
    HWND ValueControl(Filter filter) const { return values_[Slot(filter)]; }
    HWND CheckBox(Filter filter) const { return checks_[Slot(filter)]; }
    bool ValueEnabled(Filter filter) const;
    void EnableValue(Filter filter, bool enabled);

    // Drop-down lists.
    void SetItems(Filter filter, const std::vector<std::wstring>& items);
    int ItemCount(Filter filter) const;
    int Selected(Filter filter) const; // -1: none
    void Select(Filter filter, int index);
    std::vector<std::wstring> Items(Filter filter) const;

    std::wstring NameText() const;
    void SetNameText(const std::wstring& text);

    HWND Heading() const { return heading_; }
    HWND Hint() const { return hint_; }

private:
    static std::size_t Slot(Filter filter) { return static_cast<std::size_t>(filter) - 1; }

    HWND heading_ = nullptr;
    HWND hint_ = nullptr;
    HWND checks_[FilterCount]{};
    HWND values_[FilterCount]{};
};

} // namespace cobwen
