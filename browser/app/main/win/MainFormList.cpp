// The two lists: what their rows show, their colours and order, the focused row, the context menu
// and its commands.
#include "browser/app/list/core/CompareRows.h"
#include "browser/app/list/core/ListColumns.h"
#include "browser/app/list/core/RowColours.h"
#include "browser/app/list/core/SetFilterFromRow.h"
#include "browser/app/main/core/Commands.h"
#include "browser/app/main/win/ListFonts.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/settings/core/ViewSettings.h"
#include "browser/app/templates/core/InfoCommands.h"
#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/app/templates/win/ShellExecuteOpener.h"

#include "browser/app/templates/win/SystemClipboardWriter.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"
#include <optional>

namespace cobwen {

namespace {

// The rows of a list as the template commands see them.
class ListSelection final : public RecordSelection {
public:
    ListSelection(RowList& list, const TCobwenArchive& archive) : list_(list), archive_(archive) {}
    std::size_t SelectedCount() const override {
        return static_cast<std::size_t>(list_.SelectedCount());
    }
    std::vector<const TCobwenData*> SelectedRecords() const override {
        std::vector<const TCobwenData*> records;
        for (int data : list_.SelectedData())
            if (const TCobwenData* record = archive_.GetItem(data))
                records.push_back(record);
        return records;
    }
    const TCobwenData* FocusedRecord() const override {
        const int data = list_.FocusedData();
        return data < 0 ? nullptr : archive_.GetItem(data);
    }

private:
    RowList& list_;
    const TCobwenArchive& archive_;
};

} // namespace

const TCobwenData* TCobwenMainForm::Record(int data) const {
    return data < 0 || data >= archive_.Count() ? nullptr : archive_.GetItem(data);
}

std::wstring TCobwenMainForm::CellText(int data, int column) {
    const TCobwenData* record = Record(data);
    if (!record || column < 0 || column >= ListColumnCount)
        return {};
    return win32::ToWide(ColumnText(*record, static_cast<ListColumn>(column), locale_),
                         BrowserCodePage);
}

int TCobwenMainForm::CompareRows(int dataA, int dataB, int column, SortDirection direction) {
    ListSort sort;
    if (column >= 0 && column < ListColumnCount && direction != SortDirection::None)
        sort.Column = static_cast<ListColumn>(column);
    sort.Direction = direction;
    return cobwen::CompareRows(Record(dataA), Record(dataB), sort);
}

CellColours TCobwenMainForm::CellColour(int data, int rowPosition, int columnPosition,
                                        bool selected) {
    return ColourOfCell(data, rowPosition, columnPosition, selected,
                        catalogueList_->PreviewShown());
}

CellColours TCobwenMainForm::ColourOfCell(int data, int rowPosition, int columnPosition,
                                          bool selected, bool previewShown) const {
    const RowColourContext context{settings_.View, downloadedIds_, previousNewestStamp_,
                                   TransferRunning(), previewShown};
    return ListCellColours(
        cobwen::CellColour(Record(data), rowPosition, columnPosition, selected, context),
        settings_.View.FontList, selected);
}

std::wstring TCobwenMainForm::PreviewText(int data) {
    const TCobwenData* record = Record(data);
    if (!record)
        return {};
    return win32::ToWide(ExpandTemplate(settings_.Settings.AddInfoFormat, *record, locale_),
                         BrowserCodePage);
}

CellColours TCobwenMainForm::PreviewColour(int data, bool selected) {
    const RowColourContext context{settings_.View, downloadedIds_, previousNewestStamp_,
                                   TransferRunning(), catalogueList_->PreviewShown()};
    return ListCellColours(cobwen::PreviewColour(Record(data), selected, context),
                           settings_.View.FontPreview, selected);
}

void TCobwenMainForm::FocusedRowChanged(RowList& list) {
    RunFocusedRowHandler(list);
}

void TCobwenMainForm::SelectionCountChanged(RowList& list) {
    if (&list == catalogueList_.get() && controllers_.Download)
        controllers_.Download->SelectionChanged();
    if (&list != catalogueList_.get() || settings_.Settings.UseDownloadBasket)
        return;
    std::vector<const TCobwenData*> records;
    for (int data : list.SelectedData())
        if (const TCobwenData* record = Record(data))
            records.push_back(record);
    SetStatus(1, SelectionTotalText(records, archive_.CatalogueDate(), locale_));
}

void TCobwenMainForm::GotFocus(RowList& list) {
    activeList_ = &list == catalogueList_.get() ? ActiveList::Catalogue : ActiveList::Basket;
    const ListMenuVisibility visible =
        MenuOnListEnter(activeList_, settings_.Settings.UseDownloadBasket, basketList_->RowCount());
    // The basket's own entries come with the basket's contents; the filter submenu follows the
    // rule for the list that got the focus.
    controllers_.Basket->ListEntered(visible);
    EnableFilterSubmenu(visible.SetFilterSubmenu);
    RunFocusedRowHandler(list);
}

void TCobwenMainForm::RunFocusedRowHandler(RowList& list) {
    const TCobwenData* record = Record(list.FocusedData());
    rowState_ = FocusedRowCommands(record, activeList_, TransferRunning(),
                                   settings_.Settings.StatusInfoFormat, locale_);
    EnableFilterSubmenu(rowState_.SetFilter);
    UpdateCommands();
    if (rowState_.StatusText && &list == catalogueList_.get())
        SetStatus(2, *rowState_.StatusText);
}

void TCobwenMainForm::EnableFilterSubmenu(bool enabled) {
    const int count = GetMenuItemCount(contextMenu_.Get());
    for (int position = 0; position < count; ++position)
        if (GetSubMenu(contextMenu_.Get(), position) == filterMenu_)
            EnableMenuItem(contextMenu_.Get(), static_cast<UINT>(position),
                           MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TCobwenMainForm::CreateContextMenu() {
    contextMenu_.Reset(CreatePopupMenu());
    filterMenu_ = CreatePopupMenu();
    const auto caption = [](Command command) -> std::wstring {
        switch (command) {
        case Command::SetFilterByCategory:
            return win32::ToWide(SetFilterByCategoryCaption, BrowserCodePage);
        case Command::SetFilterByAuthor:
            return win32::ToWide(SetFilterByAuthorCaption, BrowserCodePage);
        case Command::SetFilterOffOther:
            return win32::ToWide(SetFilterOffOtherCaption, BrowserCodePage);
        case Command::CopyInfo:
            return L"Копировать информацию о плагине";
        case Command::WriteToAuthor:
            return L"Написать письмо автору";
        case Command::GoToAuthorPage:
            return L"Перейти на страницу автора";
        default:
            return {};
        }
    };
    const auto append = [&](HMENU menu, const CommandRow& row) {
        const std::wstring text =
            caption(row.Id) + L"\t" + win32::ToWide(KeyText(row.Key), BrowserCodePage);
        AppendMenuW(menu, MF_STRING, MenuId(row.Id), text.c_str());
    };
    for (const CommandRow& row : CommandTable())
        if (row.Menu == MenuPlace::FilterSubmenu)
            append(filterMenu_, row);
    AppendMenuW(contextMenu_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(filterMenu_),
                win32::ToWide(SetFilterMenuCaption, BrowserCodePage).c_str());
    for (const CommandRow& row : CommandTable()) {
        if (row.Menu != MenuPlace::Context)
            continue;
        // The author's entries stand apart from the copy.
        if (row.Id == Command::WriteToAuthor)
            AppendMenuW(contextMenu_.Get(), MF_SEPARATOR, 0, nullptr);
        append(contextMenu_.Get(), row);
    }
}

void TCobwenMainForm::ContextMenu(RowList& list, POINT screenPoint) {
    if (&list != &Active())
        GotFocus(list);
    TrackPopupMenu(contextMenu_.Get(), TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window_,
                   nullptr);
}

DropAction TCobwenMainForm::DropActionFor(const RowList& source, HWND target) const {
    const auto over = [target](const RowList& list) {
        return target && IsWindowVisible(list.Window()) &&
               (target == list.Window() || IsChild(list.Window(), target));
    };
    std::optional<ActiveList> onto;
    if (over(*basketList_))
        onto = ActiveList::Basket;
    else if (over(*catalogueList_))
        onto = ActiveList::Catalogue;
    if (!onto)
        return DropAction::None;
    const ActiveList from =
        &source == basketList_.get() ? ActiveList::Basket : ActiveList::Catalogue;
    return DropOnList(from, *onto, controllers_.Basket->Used());
}

bool TCobwenMainForm::AcceptsDrop(RowList& source, HWND target) {
    return DropActionFor(source, target) != DropAction::None;
}

void TCobwenMainForm::RowsDropped(RowList& source, HWND target) {
    controllers_.Basket->Drop(DropActionFor(source, target), source);
}

void TCobwenMainForm::ApplyViewSettings() {
    catalogueList_->SetPreview(settings_.Settings.ShowAddInfo &&
                               !settings_.Settings.AddInfoFormat.empty());
    LayoutControls();
    catalogueList_->Redraw();
    basketList_->Redraw();
}

void TCobwenMainForm::CopyInfo() {
    ListSelection selection(Active(), archive_);
    CopyInfoSettings copy{settings_.Settings.CopyPluginInfoFormat,
                          settings_.Settings.CopyAllSelectedToClipboard};
    SystemClipboardWriter clipboard(settings_.UseOtherCopy);
    CopyPluginInfo(selection, copy, locale_, clipboard);
}

void TCobwenMainForm::WriteToAuthor() {
    ListSelection selection(Active(), archive_);
    ShellExecuteOpener shell(window_);
    SendEMailToAuthor(selection, shell);
}

void TCobwenMainForm::GoToAuthorPage() {
    ListSelection selection(Active(), archive_);
    ShellExecuteOpener shell(window_);
    cobwen::GotoAuthorPage(selection, shell);
}

} // namespace cobwen
