// The filter panel, the catalogue list's rebuild and the window's keys.
#include "browser/app/list/core/FilterKeys.h"
#include "browser/app/list/core/ListFilter.h"
#include "browser/app/list/core/SetFilterFromRow.h"
#include "browser/app/main/core/MainKeys.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/main/win/ValuePicker.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "win32/Text.h"

#include <shellapi.h>

namespace cobwen {

namespace {

std::vector<std::wstring> WideItems(const std::vector<std::string>& items) {
    std::vector<std::wstring> wide;
    wide.reserve(items.size());
    for (const std::string& item : items)
        wide.push_back(win32::ToWide(item, BrowserCodePage));
    return wide;
}

int Number(Filter filter) {
    return static_cast<int>(filter);
}

} // namespace

FilterSettings TCobwenMainForm::PanelState() const {
    FilterSettings state;
    state.UseCategory = filters_.Checked(1);
    state.UseAuthor = filters_.Checked(2);
    state.UseRelease = filters_.Checked(3);
    state.UseName = filters_.Checked(4);
    state.HasSources = filters_.Checked(5);
    state.UseUlvarVersion = filters_.Checked(6);
    state.UseWindowsVersion = filters_.Checked(7);
    state.Category = filters_.Selected(1);
    state.Author = filters_.Selected(2);
    state.Date = filters_.Selected(3);
    state.SrcLang = filters_.Selected(5);
    state.UlvarVersion = filters_.Selected(6);
    state.WindowsVersion = filters_.Selected(7);
    state.Name = win32::FromWide(filters_.NameText(), BrowserCodePage);
    state.SetOffOther = setOffOther_;
    return state;
}

// Sets the check boxes, the enabling of the value controls and the name; the drop-downs' items
// are selected when they are filled.
void TCobwenMainForm::ShowPanelState(const FilterSettings& state) {
    const bool checks[FilterPanel::FilterCount] = {
        state.UseCategory, state.UseAuthor,       state.UseRelease,       state.UseName,
        state.HasSources,  state.UseUlvarVersion, state.UseWindowsVersion};
    for (int n = 1; n <= FilterPanel::FilterCount; ++n) {
        filters_.SetChecked(n, checks[n - 1]);
        filters_.EnableValue(n, checks[n - 1]);
    }
    const bool ready = listReady_;
    listReady_ = false; // the name field's change must not refill the list here
    filters_.SetNameText(win32::ToWide(state.Name, BrowserCodePage));
    listReady_ = ready;
}

void TCobwenMainForm::FillFilterLists() {
    filterLists_ = BuildFilterLists(archive_);
    const FilterSettings& stored = settings_.Window.Filters;
    const std::pair<Filter, int> selections[] = {{Filter::Category, stored.Category},
                                                 {Filter::Author, stored.Author},
                                                 {Filter::Released, stored.Date},
                                                 {Filter::HasSources, stored.SrcLang},
                                                 {Filter::UlvarVersion, stored.UlvarVersion},
                                                 {Filter::WindowsVersion, stored.WindowsVersion}};
    for (const auto& [filter, index] : selections) {
        const std::vector<std::string>& values = filterLists_.Values(filter);
        filters_.SetItems(Number(filter), WideItems(values));
        filters_.Select(Number(filter),
                        SelectStoredIndex(filter, index, static_cast<int>(values.size())));
    }
    // Selecting items is a value change.
    OnValueChange();
}

void TCobwenMainForm::OnValueChange() {
    if (!listReady_)
        return;
    const FilterSettings state = PanelState();
    settings_.Window.Filters.Category = state.Category;
    settings_.Window.Filters.Author = state.Author;
    settings_.Window.Filters.Date = state.Date;
    settings_.Window.Filters.SrcLang = state.SrcLang;
    settings_.Window.Filters.UlvarVersion = state.UlvarVersion;
    settings_.Window.Filters.WindowsVersion = state.WindowsVersion;
    FillList();
}

void TCobwenMainForm::OnFilterCheckBox(int filter) {
    if (filter <= 3) {
        for (int n = 1; n <= 3; ++n)
            filters_.EnableValue(n, filters_.Checked(n));
        FillList();
        return;
    }
    filters_.EnableValue(filter, filters_.Checked(filter));
    if (filter == FilterPanel::NameFilter && filters_.NameText().empty())
        return;
    FillList();
}

void TCobwenMainForm::FillList() {
    if (!listReady_)
        return;
    RowList& list = *catalogueList_;
    const int focused = list.FocusedData();
    list.BeginUpdate();
    try {
        FilterInput input;
        input.Panel = PanelState();
        input.FindIn = settings_.Settings.FindIn;
        input.Now = Now();
        list.SetRows(cobwen::FillList(archive_, filterLists_, input, locale_));
    } catch (...) {
        list.SetRows({});
    }
    if (list.RowCount() > 0)
        LocateRow(list, focused, true);
    list.EndUpdate();
    RunFocusedRowHandler(list);
    status_.SetText(
        0, win32::ToWide(RowCountText(list.RowCount(), archive_.Count()), BrowserCodePage));
}

bool TCobwenMainForm::LocateRow(RowList& list, int index, bool select) {
    if (index == -1)
        return false;
    return list.Locate(index, select);
}

void TCobwenMainForm::ToggleFilter(int filter) {
    filters_.SetChecked(filter, !filters_.Checked(filter));
    OnFilterCheckBox(filter);
}

void TCobwenMainForm::FocusFilterValue(int filter) {
    if (filters_.ValueEnabled(filter))
        SetFocus(filters_.ValueControl(filter));
}

void TCobwenMainForm::StepFilterValue(int filter, bool backwards) {
    const std::optional<DropDownStep> step =
        StepDropDown(filters_.ItemCount(filter), filters_.Selected(filter),
                     filters_.ValueEnabled(filter), backwards);
    if (!step)
        return;
    if (step->Enable) {
        filters_.SetChecked(filter, true);
        filters_.EnableValue(filter, true);
    }
    filters_.Select(filter, step->NewIndex);
    OnValueChange();
}

void TCobwenMainForm::SetFilterFromRow(Filter by) {
    const std::vector<int> selected = catalogueList_->SelectedData();
    const TCobwenData* record = selected.empty() ? nullptr : Record(selected.front());
    if (!record)
        return;
    const FilterSettings updated =
        cobwen::SetFilterFromRow(PanelState(), by, *record, filterLists_, locale_);
    const bool ready = listReady_;
    listReady_ = false;
    ShowPanelState(updated);
    filters_.Select(1, updated.Category);
    filters_.Select(2, updated.Author);
    listReady_ = ready;
    OnValueChange();
}

void TCobwenMainForm::PickValue(int filter) {
    const std::optional<int> chosen =
        RunValuePicker(window_, filters_.ValueControl(filter), filters_.Items(filter),
                       filters_.Selected(filter), locale_);
    if (!chosen)
        return;
    filters_.Select(filter, *chosen);
    OnValueChange();
}

bool TCobwenMainForm::PreTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd))
        return false;
    KeyPress key;
    key.VirtualKey = static_cast<std::uint32_t>(message.wParam);
    key.Ctrl = GetKeyState(VK_CONTROL) < 0;
    key.Alt = GetKeyState(VK_MENU) < 0;
    key.Shift = GetKeyState(VK_SHIFT) < 0;
    key.InNameField = GetFocus() == filters_.ValueControl(FilterPanel::NameFilter);

    // F2 in a filter drop-down opens the picker over it.
    if (key.VirtualKey == vk::F2 && !key.Ctrl && !key.Alt && !key.Shift) {
        for (int n = 1; n <= FilterPanel::FilterCount; ++n)
            if (n != FilterPanel::NameFilter && GetFocus() == filters_.ValueControl(n)) {
                PickValue(n);
                return true;
            }
    }
    // Ctrl+A selects every row of the list that has the focus.
    if (key.VirtualKey == 'A' && key.Ctrl && !key.Alt && !key.Shift) {
        for (RowList* list : {catalogueList_.get(), basketList_.get()})
            if (GetFocus() == list->Window()) {
                list->SelectAll();
                return true;
            }
    }
    const KeyAction action = ActionForKey(key);
    if (action.Action == MainAction::None)
        return false;
    ExecuteKey(action);
    return true;
}

void TCobwenMainForm::ExecuteKey(const KeyAction& action) {
    switch (action.Action) {
    case MainAction::RefreshList:
        if (toolbar_.Enabled(Toolbar::Refresh))
            RefreshCatalogue();
        break;
    case MainAction::Abort:
        if (toolbar_.Enabled(Toolbar::Stop))
            StopTransfers();
        break;
    case MainAction::SetArchiveFocus:
        if (GetFocus() == catalogueList_->Window() && IsWindowVisible(basketList_->Window()) &&
            IsWindowEnabled(basketList_->Window()))
            SetFocus(basketList_->Window());
        else if (IsWindowEnabled(catalogueList_->Window()))
            SetFocus(catalogueList_->Window());
        break;
    case MainAction::MaxMinWindow:
        ShowWindow(window_, IsZoomed(window_) ? SW_RESTORE : SW_MAXIMIZE);
        break;
    case MainAction::Help: {
        const std::wstring readme = programFolder_.native() + L"readme.txt";
        if (GetFileAttributesW(readme.c_str()) != INVALID_FILE_ATTRIBUTES)
            ShellExecuteW(window_, L"open", readme.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    }
    case MainAction::ReverseShowAddInfo:
        settings_.Settings.ShowAddInfo = !settings_.Settings.ShowAddInfo;
        ApplyViewSettings();
        break;
    case MainAction::ToggleFilter:
        ToggleFilter(action.Filter);
        break;
    case MainAction::FocusFilterValue:
        FocusFilterValue(action.Filter);
        break;
    case MainAction::StepFilterValue:
        StepFilterValue(action.Filter, action.Backwards);
        break;
    case MainAction::SetFilterByCategory:
        SetFilterFromRow(Filter::Category);
        break;
    case MainAction::SetFilterByAuthor:
        SetFilterFromRow(Filter::Author);
        break;
    case MainAction::SetFilterOffOther:
        setOffOther_ = !setOffOther_;
        CheckMenuItem(filterMenu_, MenuId(MainAction::SetFilterOffOther),
                      setOffOther_ ? MF_CHECKED : MF_UNCHECKED);
        break;
    case MainAction::CopyInfo:
        CopyInfo();
        break;
    case MainAction::WriteToAuthor:
        WriteToAuthor();
        break;
    case MainAction::GoToAuthorPage:
        GoToAuthorPage();
        break;
    default:
        // The settings dialog, the download run, the basket and the about box are not part of
        // this window yet: their keys do nothing, as their disabled buttons do.
        break;
    }
}

} // namespace cobwen
