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
    for (const Filter filter : All) {
        const int n = static_cast<int>(filter);
        checks_[Slot(filter)] = Child(parent, L"BUTTON", Captions[Slot(filter)],
                                      BS_AUTOCHECKBOX | WS_TABSTOP, CheckBoxId + n, font);
        if (filter == Filter::Name)
            values_[Slot(filter)] = Child(
                parent, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, ValueId + n, font);
        else
            values_[Slot(filter)] =
                Child(parent, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                      ValueId + n, font);
        EnableWindow(values_[Slot(filter)], FALSE);
    }
    hint_ = Child(parent, L"STATIC", HintText, SS_LEFT, -1, font);
}

void FilterPanel::Layout(const RECT& area) {
    const int width = area.right - area.left - 2 * Margin;
    int y = area.top + Margin;
    MoveWindow(heading_, area.left + Margin, y, width, CheckHeight, TRUE);
    y += CheckHeight + Margin;
    for (const Filter filter : All) {
        MoveWindow(CheckBox(filter), area.left + Margin, y, width, CheckHeight, TRUE);
        y += CheckHeight + 2;
        const int height = filter == Filter::Name ? ValueHeight : DropDownHeight;
        MoveWindow(ValueControl(filter), area.left + Margin + 8, y, width - 8, height, TRUE);
        y += ValueHeight + Margin;
    }
    const int hintTop = std::max(y + Margin, static_cast<int>(area.bottom) - HintHeight);
    MoveWindow(hint_, area.left + Margin, hintTop, width, HintHeight, TRUE);
}

int FilterPanel::NeededHeight() {
    return Margin + CheckHeight + Margin + FilterCount * (CheckHeight + 2 + ValueHeight + Margin) +
           Margin + HintHeight + Margin;
}

std::optional<Filter> FilterPanel::FilterOfControl(int id, bool& isCheckBox) {
    isCheckBox = id > CheckBoxId && id <= CheckBoxId + FilterCount;
    if (isCheckBox)
        return static_cast<Filter>(id - CheckBoxId);
    if (id > ValueId && id <= ValueId + FilterCount)
        return static_cast<Filter>(id - ValueId);
    return std::nullopt;
}

bool FilterPanel::Checked(Filter filter) const {
    return SendMessageW(CheckBox(filter), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FilterPanel::SetChecked(Filter filter, bool checked) {
    SendMessageW(CheckBox(filter), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool FilterPanel::ValueEnabled(Filter filter) const {
    return IsWindowEnabled(ValueControl(filter));
}

void FilterPanel::EnableValue(Filter filter, bool enabled) {
    EnableWindow(ValueControl(filter), enabled ? TRUE : FALSE);
}

void FilterPanel::SetItems(Filter filter, const std::vector<std::wstring>& items) {
    HWND box = ValueControl(filter);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
}

int FilterPanel::ItemCount(Filter filter) const {
    return static_cast<int>(SendMessageW(ValueControl(filter), CB_GETCOUNT, 0, 0));
}

int FilterPanel::Selected(Filter filter) const {
    return static_cast<int>(SendMessageW(ValueControl(filter), CB_GETCURSEL, 0, 0));
}

void FilterPanel::Select(Filter filter, int index) {
    SendMessageW(ValueControl(filter), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<std::wstring> FilterPanel::Items(Filter filter) const {
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
    HWND edit = ValueControl(Filter::Name);
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void FilterPanel::SetNameText(const std::wstring& text) {
    SetWindowTextW(ValueControl(Filter::Name), text.c_str());
}

} // namespace cobwen
