#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

// The filter panel's controls, children of the main window (which gets their notifications).
// Filters are numbered 1 to 7 as on screen: category, author, release period, name, sources,
// host version, Windows version. Filter 4's value control is the name field, the others are
// drop-down lists.
class FilterPanel {
public:
    static constexpr int FilterCount = 7;
    static constexpr int NameFilter = 4;
    // Control ids: check box of filter n = CheckBoxId + n, value control = ValueId + n.
    static constexpr int CheckBoxId = 1000;
    static constexpr int ValueId = 1010;

    void Create(HWND parent, HFONT font);
    // Places the panel in the given rectangle of the parent; returns the height it needs above
    // the hint text.
    void Layout(const RECT& area);

    // Which filter a control id belongs to (0: none), and whether it is the check box.
    static int FilterOfControl(int id, bool& isCheckBox);

    bool Checked(int filter) const;
    void SetChecked(int filter, bool checked);
    HWND ValueControl(int filter) const { return values_[filter - 1]; }
    HWND CheckBox(int filter) const { return checks_[filter - 1]; }
    bool ValueEnabled(int filter) const;
    void EnableValue(int filter, bool enabled);

    // Drop-down lists.
    void SetItems(int filter, const std::vector<std::wstring>& items);
    int ItemCount(int filter) const;
    int Selected(int filter) const; // -1: none
    void Select(int filter, int index);
    std::vector<std::wstring> Items(int filter) const;

    std::wstring NameText() const;
    void SetNameText(const std::wstring& text);

    HWND Heading() const { return heading_; }
    HWND Hint() const { return hint_; }

private:
    HWND heading_ = nullptr;
    HWND hint_ = nullptr;
    HWND checks_[FilterCount]{};
    HWND values_[FilterCount]{};
};

} // namespace cobwen
