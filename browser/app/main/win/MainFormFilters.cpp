// The filter panel, the catalogue list's rebuild and the window's keys.
#include "browser/app/list/core/FilterKeys.h"
#include "browser/app/list/core/ListFilter.h"
#include "browser/app/list/core/NameMatcher.h"
#include "browser/app/list/core/SetFilterFromRow.h"
#include "browser/app/main/core/Commands.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/main/win/ValuePicker.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "win32/Text.h"

#include <algorithm>
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

} // namespace

FilterSettings TCobwenMainForm::PanelState() const {
    FilterSettings state;
    state.UseCategory = filters_.Checked(Filter::Category);
    state.UseAuthor = filters_.Checked(Filter::Author);
    state.UseRelease = filters_.Checked(Filter::Released);
    state.UseName = filters_.Checked(Filter::Name);
    state.HasSources = filters_.Checked(Filter::HasSources);
    state.UseUlvarVersion = filters_.Checked(Filter::UlvarVersion);
    state.UseWindowsVersion = filters_.Checked(Filter::WindowsVersion);
    state.Category = filters_.Selected(Filter::Category);
    state.Author = filters_.Selected(Filter::Author);
    state.Date = filters_.Selected(Filter::Released);
    state.SrcLang = filters_.Selected(Filter::HasSources);
    state.UlvarVersion = filters_.Selected(Filter::UlvarVersion);
    state.WindowsVersion = filters_.Selected(Filter::WindowsVersion);
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
    for (std::size_t n = 0; n < FilterPanel::All.size(); ++n) {
        filters_.SetChecked(FilterPanel::All[n], checks[n]);
        filters_.EnableValue(FilterPanel::All[n], checks[n]);
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
        filters_.SetItems(filter, WideItems(values));
        filters_.Select(filter, SelectStoredIndex(filter, index, static_cast<int>(values.size())));
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

void TCobwenMainForm::OnFilterCheckBox(Filter filter) {
    constexpr Filter FirstThree[] = {Filter::Category, Filter::Author, Filter::Released};
    if (std::ranges::find(FirstThree, filter) != std::end(FirstThree)) {
        for (const Filter each : FirstThree)
            filters_.EnableValue(each, filters_.Checked(each));
        FillList();
        return;
    }
    filters_.EnableValue(filter, filters_.Checked(filter));
    if (filter == Filter::Name && filters_.NameText().empty())
        return;
    FillList();
}

void TCobwenMainForm::FillList() {
    if (!listReady_)
        return;
    RowList& list = *catalogueList_;
    const int focused = list.FocusedData();
    FilterInput input;
    input.Panel = PanelState();
    input.FindIn = settings_.Settings.FindIn;
    input.Now = Now();
    list.BeginUpdate();
    try {
        list.SetRows(cobwen::FillList(archive_, filterLists_, input, locale_));
    } catch (...) {
        list.SetRows({});
    }
    if (list.RowCount() > 0)
        LocateRow(list, focused, true);
    list.EndUpdate();
    // An expression that cannot be compiled shows no row; the message panel says why.
    const bool invalidName = input.Panel.UseName && !input.Panel.Name.empty() &&
                             !NameMatcher(input.Panel.Name, locale_).Valid();
    const std::wstring invalidText = MessageText(IDS_INVALID_NAME_FILTER);
    if (!invalidName && status_.Text(2) == invalidText)
        status_.SetText(2, L"");
    RunFocusedRowHandler(list);
    if (invalidName && !TransferRunning())
        status_.SetText(2, invalidText);
    status_.SetText(
        0, win32::ToWide(RowCountText(list.RowCount(), archive_.Count()), BrowserCodePage));
}

bool TCobwenMainForm::LocateRow(RowList& list, int index, bool select) {
    if (index == -1)
        return false;
    return list.Locate(index, select);
}

void TCobwenMainForm::ToggleFilter(Filter filter) {
    filters_.SetChecked(filter, !filters_.Checked(filter));
    OnFilterCheckBox(filter);
}

void TCobwenMainForm::FocusFilterValue(Filter filter) {
    if (filters_.ValueEnabled(filter))
        SetFocus(filters_.ValueControl(filter));
}

void TCobwenMainForm::StepFilterValue(Filter filter, bool backwards) {
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
    filters_.Select(Filter::Category, updated.Category);
    filters_.Select(Filter::Author, updated.Author);
    listReady_ = ready;
    OnValueChange();
}

void TCobwenMainForm::PickValue(Filter filter) {
    // One picker at a time: its own loop still sees the drop-downs' notifications.
    if (picking_ || !filters_.ValueEnabled(filter))
        return;
    picking_ = true;
    const std::vector<std::wstring> values = filters_.Items(filter);
    std::optional<int> chosen;
    try {
        chosen = RunValuePicker(window_, filters_.ValueControl(filter), values,
                                filters_.Selected(filter), locale_);
    } catch (...) {
        picking_ = false;
        throw;
    }
    picking_ = false;
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(values.size()))
        return;
    // A refresh may have refilled the drop-down meanwhile: the value picked counts, not its
    // position; a value no longer listed changes nothing.
    const std::vector<std::wstring> now = filters_.Items(filter);
    const auto found = std::ranges::find(now, values[static_cast<std::size_t>(*chosen)]);
    if (found == now.end())
        return;
    filters_.Select(filter, static_cast<int>(found - now.begin()));
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
    key.InNameField = GetFocus() == filters_.ValueControl(Filter::Name);
    key.InList = GetFocus() == catalogueList_->Window() || GetFocus() == basketList_->Window();

    // F2 in a filter drop-down opens the picker over it.
    if (key.VirtualKey == vk::F2 && !key.Ctrl && !key.Alt && !key.Shift) {
        for (const Filter filter : DropDownFilters)
            if (GetFocus() == filters_.ValueControl(filter)) {
                PickValue(filter);
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
    if (action.Action == Command::None)
        return false;
    RunCommand(action);
    return true;
}

bool TCobwenMainForm::CommandEnabled(Command command) const {
    CommandState state;
    state.CopyInfo = rowState_.CopyInfo;
    state.WriteToAuthor = rowState_.WriteToAuthor;
    state.GoToAuthorPage = rowState_.GotoAuthorPage;
    for (const WindowController* controller : controllers_.All())
        controller->AddState(state);
    return cobwen::CommandEnabled(command, state);
}

void TCobwenMainForm::UpdateCommands() {
    for (const CommandRow& row : CommandTable()) {
        const bool enabled = CommandEnabled(row.Id);
        if (row.Button != ToolButton::None)
            toolbar_.Enable(row.Button, enabled);
        if (row.Menu != MenuPlace::None)
            EnableMenuItem(contextMenu_.Get(), MenuId(row.Id),
                           MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void TCobwenMainForm::RunCommand(const KeyAction& action) {
    // A key of a disabled command does nothing, as its disabled button and menu entry do.
    if (!CommandEnabled(action.Action))
        return;
    for (WindowController* controller : controllers_.All())
        if (controller->Run(action.Action))
            return;
    RunOwnCommand(action);
}

void TCobwenMainForm::RunOwnCommand(const KeyAction& action) {
    switch (action.Action) {
    case Command::Abort:
        StopTransfers();
        break;
    case Command::Exit:
        SendMessageW(window_, WM_CLOSE, 0, 0);
        break;
    case Command::SetArchiveFocus:
        if (GetFocus() == catalogueList_->Window() && IsWindowVisible(basketList_->Window()) &&
            IsWindowEnabled(basketList_->Window()))
            SetFocus(basketList_->Window());
        else if (IsWindowEnabled(catalogueList_->Window()))
            SetFocus(catalogueList_->Window());
        break;
    case Command::MaxMinWindow:
        ShowWindow(window_, IsZoomed(window_) ? SW_RESTORE : SW_MAXIMIZE);
        break;
    case Command::About:
        ShowAbout();
        break;
    case Command::Help: {
        const std::wstring readme = programFolder_.native() + L"readme.txt";
        if (GetFileAttributesW(readme.c_str()) != INVALID_FILE_ATTRIBUTES)
            ShellExecuteW(window_, L"open", readme.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    }
    case Command::ReverseShowAddInfo:
        settings_.Settings.ShowAddInfo = !settings_.Settings.ShowAddInfo;
        ApplyViewSettings();
        break;
    case Command::ToggleFilter:
        ToggleFilter(*action.Filter);
        break;
    case Command::FocusFilterValue:
        FocusFilterValue(*action.Filter);
        break;
    case Command::StepFilterValue:
        StepFilterValue(*action.Filter, action.Backwards);
        break;
    case Command::SetFilterByCategory:
        SetFilterFromRow(Filter::Category);
        break;
    case Command::SetFilterByAuthor:
        SetFilterFromRow(Filter::Author);
        break;
    case Command::SetFilterOffOther:
        setOffOther_ = !setOffOther_;
        CheckMenuItem(filterMenu_, MenuId(Command::SetFilterOffOther),
                      setOffOther_ ? MF_CHECKED : MF_UNCHECKED);
        break;
    case Command::CopyInfo:
        CopyInfo();
        break;
    case Command::WriteToAuthor:
        WriteToAuthor();
        break;
    case Command::GoToAuthorPage:
        GoToAuthorPage();
        break;
    default:
        // Commands without a controller are never enabled; the swallowed digit does nothing.
        break;
    }
}

} // namespace cobwen
