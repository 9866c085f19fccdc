#pragma once

#include "browser/app/list/core/ListCommands.h"
#include "browser/app/main/core/BasketDecisions.h"
#include "browser/app/main/win/WindowController.h"

#include <windows.h>

namespace cobwen {

class BrowserSettings;
class Prompter;
class RowList;
class StatusBar;
class TCobwenArchive;
class TGetFiles;
class TextLocale;

// What the basket needs of the window it belongs to.
class BasketHost {
public:
    // The list that last received the focus.
    virtual ActiveList CurrentList() const = 0;
    // The catalogue list's focused row may be put into the basket.
    virtual bool FocusedRowAddable() const = 0;
    // The enabling of the commands follows what changed.
    virtual void BasketChanged() = 0;

protected:
    ~BasketHost() = default;
};

// The download basket: the ids of BasketIds (kept in the settings, so stored as BasketContents),
// the basket list under the splitter, its total in the status bar, its context-menu entries and
// the commands Ins, Del, Enter and Shift+Del.
class BasketController final : public WindowController {
public:
    struct Parts {
        Prompter& Prompts;
        BrowserSettings& Settings;
        const TCobwenArchive& Archive;
        RowList& Catalogue;
        RowList& Basket;
        StatusBar& Status;
        TGetFiles& Transfers;
        const TextLocale& Locale;
        const int& FilesInFlight;
        HMENU ContextMenu; // the entries go at its top
    };

    BasketController(BasketHost& host, Parts parts);

    bool Used() const;
    // Rebuilds the basket list from BasketIds, keeping the focused record (or its neighbour).
    void FillBasketList();
    void RemoveSelectedFromBasket();
    void ShowBasketTotal();
    bool CanDownload() const;
    // The records of the basket list in list order.
    std::vector<int> RowsInOrder() const;
    // A list received the focus: the basket's menu entries are shown as its rule says.
    void ListEntered(const ListMenuVisibility& visible);

    // The commands.
    void AddToBasket();
    void RemoveFromBasket();
    void FindPlugin();
    void ClearBasket();
    // Rows of the source list dropped on a list: their ids join or leave the basket, during a
    // download run too.
    void Drop(DropAction action, const RowList& source);

    bool Run(Command command) override;
    void AddState(CommandState& state) const override;
    void Shown() override;

private:
    BasketHost& host_;
    Parts parts_;
    // The entries now at the top of the context menu.
    int entriesShown_ = 0;
};

} // namespace cobwen
