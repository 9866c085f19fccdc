#include "browser/app/main/win/BasketController.h"

#include "browser/app/listview/win/RowList.h"
#include "browser/app/main/core/BasketDecisions.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/StatusBar.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

constexpr wchar_t ClearQuestion[] = L"Очистить корзину загружаемых плагинов ?";

struct MenuEntry {
    Command Id;
    const wchar_t* Caption;
};
constexpr MenuEntry Entries[] = {
    {Command::AddToBasket, L"Добавить в корзину для загрузки"},
    {Command::RemoveFromBasket, L"Удалить из корзины"},
    {Command::FindPlugin, L"Найти плагин в общем списке"},
};

ListRows RowsOf(const RowList& list) {
    ListRows rows;
    for (int position = 0; position < list.RowCount(); ++position) {
        rows.Data.push_back(list.RowData(position));
        rows.Selected.push_back(list.IsSelected(position));
    }
    rows.FocusedPosition = list.FocusedPosition();
    return rows;
}

} // namespace

BasketController::BasketController(BasketHost& host, Parts parts) : host_(host), parts_(parts) {
}

bool BasketController::Used() const {
    return parts_.Settings.Settings.UseDownloadBasket;
}

void BasketController::FillBasketList() {
    RowList& basket = parts_.Basket;
    const BasketFocus noted = FocusBeforeRefill(RowsOf(basket));
    basket.BeginUpdate();
    basket.SetRows(BasketRows(parts_.Archive, parts_.Settings.BasketIds));
    if (noted.Focused < 0 || !basket.Locate(noted.Focused, true))
        if (noted.Neighbour >= 0)
            basket.Locate(noted.Neighbour, true);
    basket.EndUpdate();
    host_.BasketChanged();
    if (!parts_.Transfers.Busy())
        ShowBasketTotal();
}

void BasketController::RemoveSelectedFromBasket() {
    RowList& basket = parts_.Basket;
    const ListRows rows = RowsOf(basket);
    const int noted = FocusAfterRemoval(rows);
    std::vector<int> kept;
    for (std::size_t n = 0; n < rows.Data.size(); ++n) {
        if (!rows.Selected[n]) {
            kept.push_back(rows.Data[n]);
            continue;
        }
        if (const TCobwenData* record = parts_.Archive.GetItem(rows.Data[n]))
            parts_.Settings.BasketIds.Remove(record->Id);
    }
    basket.BeginUpdate();
    basket.SetRows(std::move(kept));
    if (noted >= 0)
        basket.Locate(noted, false);
    basket.EndUpdate();
    host_.BasketChanged();
    ShowBasketTotal();
}

void BasketController::ShowBasketTotal() {
    parts_.Status.SetText(
        1, win32::ToWide(BasketTotalText(parts_.Archive, parts_.Settings.BasketIds, parts_.Locale),
                         BrowserCodePage));
}

bool BasketController::CanDownload() const {
    DownloadReadiness state;
    state.Busy = parts_.Transfers.Busy();
    state.UseDownloadBasket = Used();
    state.BasketRows = parts_.Basket.RowCount();
    state.CatalogueRows = parts_.Catalogue.RowCount();
    state.CatalogueFocused = parts_.Catalogue.FocusedData() >= 0;
    return cobwen::CanDownload(state);
}

std::vector<int> BasketController::RowsInOrder() const {
    std::vector<int> rows;
    for (int position = 0; position < parts_.Basket.RowCount(); ++position)
        rows.push_back(parts_.Basket.RowData(position));
    return rows;
}

void BasketController::ListEntered(const ListMenuVisibility& visible) {
    HMENU menu = parts_.ContextMenu;
    for (; entriesShown_ > 0; --entriesShown_)
        RemoveMenu(menu, 0, MF_BYPOSITION);
    const bool shown[] = {visible.AddToBasket, visible.RemoveFromBasket, visible.FindInCatalogue};
    UINT position = 0;
    for (std::size_t n = 0; n < std::size(Entries); ++n) {
        if (!shown[n])
            continue;
        const CommandRow* row = FindCommand(Entries[n].Id);
        const std::wstring text = std::wstring(Entries[n].Caption) + L"\t" +
                                  win32::ToWide(KeyText(row->Key), BrowserCodePage);
        InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING,
                    TCobwenMainForm::MenuId(Entries[n].Id), text.c_str());
    }
    if (visible.FirstSeparator && position > 0)
        InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    entriesShown_ = static_cast<int>(position);
}

void BasketController::AddToBasket() {
    if (parts_.FilesInFlight != 0 || parts_.Catalogue.SelectedCount() == 0)
        return;
    for (const int data : parts_.Catalogue.SelectedData())
        if (const TCobwenData* record = parts_.Archive.GetItem(data))
            parts_.Settings.BasketIds.Add(record->Id);
    FillBasketList();
    ListEntered(MenuOnListEnter(ActiveList::Catalogue, Used(), parts_.Basket.RowCount()));
}

void BasketController::RemoveFromBasket() {
    if (parts_.FilesInFlight != 0 || parts_.Basket.SelectedCount() == 0)
        return;
    RemoveSelectedFromBasket();
    ListEntered(MenuOnListEnter(ActiveList::Basket, Used(), parts_.Basket.RowCount()));
}

void BasketController::FindPlugin() {
    const int focused = parts_.Basket.FocusedData();
    // A record the filters hide has no row to go to.
    if (focused >= 0)
        parts_.Catalogue.Locate(focused, true);
}

void BasketController::ClearBasket() {
    if (!Used() || parts_.Transfers.Busy() || parts_.Basket.RowCount() == 0)
        return;
    if (parts_.Prompts.Ask(ClearQuestion, true) != Answer::Yes)
        return;
    parts_.Settings.BasketIds.Clear();
    FillBasketList();
}

void BasketController::Drop(DropAction action, const RowList& source) {
    if (action == DropAction::None)
        return;
    for (const int data : source.SelectedData())
        if (const TCobwenData* record = parts_.Archive.GetItem(data)) {
            if (action == DropAction::AddToBasket)
                parts_.Settings.BasketIds.Add(record->Id);
            else
                parts_.Settings.BasketIds.Remove(record->Id);
        }
    FillBasketList();
    if (action == DropAction::RemoveFromBasket)
        ListEntered(MenuOnListEnter(ActiveList::Basket, Used(), parts_.Basket.RowCount()));
}

bool BasketController::Run(Command command) {
    switch (command) {
    case Command::AddToBasket:
        AddToBasket();
        return true;
    case Command::RemoveFromBasket:
        RemoveFromBasket();
        return true;
    case Command::FindPlugin:
        FindPlugin();
        return true;
    case Command::ClearBasket:
        ClearBasket();
        return true;
    default:
        return false;
    }
}

void BasketController::AddState(CommandState& state) const {
    const bool used = Used();
    const bool inBasket = host_.CurrentList() == ActiveList::Basket;
    const bool basketRows = parts_.Basket.RowCount() > 0;
    state.AddToBasket = used && !inBasket && host_.FocusedRowAddable();
    state.RemoveFromBasket = used && inBasket && basketRows;
    state.FindPlugin = state.RemoveFromBasket;
    state.ClearBasket = used && basketRows;
    // A run keeps the commands off through TransferInFlight from its queueing to its end, while
    // the queue stays busy a moment longer as its last worker ends.
    DownloadReadiness ready;
    ready.UseDownloadBasket = used;
    ready.BasketRows = parts_.Basket.RowCount();
    ready.CatalogueRows = parts_.Catalogue.RowCount();
    ready.CatalogueFocused = parts_.Catalogue.FocusedData() >= 0;
    state.Download = cobwen::CanDownload(ready);
}

void BasketController::Shown() {
    ListEntered(MenuOnListEnter(host_.CurrentList(), Used(), parts_.Basket.RowCount()));
    if (Used())
        FillBasketList();
    else
        host_.BasketChanged();
}

} // namespace cobwen
