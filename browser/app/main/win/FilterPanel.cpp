#include "browser/app/main/win/FilterPanel.h"

#include <algorithm>

namespace cobwen {

namespace {

constexpr const wchar_t* Captions[FilterPanel::FilterCount] = {
    L"(1) Категория",         L"(2) Автор",          L"(3) Дата выхода",    L"(4) Название",
    L"(5) Имеются исходники", L"(6) Версия Ulvar'а", L"(7) Версия Windows",
};
constexpr wchar_t HeadingText[] = L"Фильтр на отображение ";
constexpr wchar_t HintText[] =
    L"F6 - обновить список\r\nF7 - загрузить файлы\r\nF8 - остановить закачку\r\n"
    L"F9 - настройки программы\r\nF12 - список плагинов";

constexpr int Margin = 6;
constexpr int CheckHeight = 18;
constexpr int ValueHeight = 22;
constexpr int DropDownHeight = 300; // the drop-down list's extent below the field
constexpr int HintHeight = 80;

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, HFONT font) {
    HWND window = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

} // namespace

void FilterPanel::Create(HWND parent, HFONT font) {
    heading_ = Child(parent, L"STATIC", HeadingText, SS_CENTER, -1, font);
    for (int n = 1; n <= FilterCount; ++n) {
        checks_[n - 1] = Child(parent, L"BUTTON", Captions[n - 1], BS_AUTOCHECKBOX | WS_TABSTOP,
                               CheckBoxId + n, font);
        if (n == NameFilter)
            values_[n - 1] = Child(parent, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                   ValueId + n, font);
        else
            values_[n - 1] = Child(parent, L"COMBOBOX", L"",
                                   CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, ValueId + n, font);
        EnableWindow(values_[n - 1], FALSE);
    }
    hint_ = Child(parent, L"STATIC", HintText, SS_LEFT, -1, font);
}

void FilterPanel::Layout(const RECT& area) {
    const int width = area.right - area.left - 2 * Margin;
    int y = area.top + Margin;
    MoveWindow(heading_, area.left + Margin, y, width, CheckHeight, TRUE);
    y += CheckHeight + Margin;
    for (int n = 1; n <= FilterCount; ++n) {
        MoveWindow(checks_[n - 1], area.left + Margin, y, width, CheckHeight, TRUE);
        y += CheckHeight + 2;
        const int height = n == NameFilter ? ValueHeight : DropDownHeight;
        MoveWindow(values_[n - 1], area.left + Margin + 8, y, width - 8, height, TRUE);
        y += ValueHeight + Margin;
    }
    const int hintTop = std::max(y + Margin, static_cast<int>(area.bottom) - HintHeight);
    MoveWindow(hint_, area.left + Margin, hintTop, width, HintHeight, TRUE);
}

int FilterPanel::FilterOfControl(int id, bool& isCheckBox) {
    isCheckBox = id > CheckBoxId && id <= CheckBoxId + FilterCount;
    if (isCheckBox)
        return id - CheckBoxId;
    if (id > ValueId && id <= ValueId + FilterCount)
        return id - ValueId;
    return 0;
}

bool FilterPanel::Checked(int filter) const {
    return SendMessageW(CheckBox(filter), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FilterPanel::SetChecked(int filter, bool checked) {
    SendMessageW(CheckBox(filter), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool FilterPanel::ValueEnabled(int filter) const {
    return IsWindowEnabled(ValueControl(filter));
}

void FilterPanel::EnableValue(int filter, bool enabled) {
    EnableWindow(ValueControl(filter), enabled ? TRUE : FALSE);
}

void FilterPanel::SetItems(int filter, const std::vector<std::wstring>& items) {
    HWND box = ValueControl(filter);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
}

int FilterPanel::ItemCount(int filter) const {
    return static_cast<int>(SendMessageW(ValueControl(filter), CB_GETCOUNT, 0, 0));
}

int FilterPanel::Selected(int filter) const {
    return static_cast<int>(SendMessageW(ValueControl(filter), CB_GETCURSEL, 0, 0));
}

void FilterPanel::Select(int filter, int index) {
    SendMessageW(ValueControl(filter), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<std::wstring> FilterPanel::Items(int filter) const {
    std::vector<std::wstring> items;
    HWND box = ValueControl(filter);
    const int count = ItemCount(filter);
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        items.push_back(std::move(text));
    }
    return items;
}

std::wstring FilterPanel::NameText() const {
    HWND edit = ValueControl(NameFilter);
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void FilterPanel::SetNameText(const std::wstring& text) {
    SetWindowTextW(ValueControl(NameFilter), text.c_str());
}

} // namespace cobwen
