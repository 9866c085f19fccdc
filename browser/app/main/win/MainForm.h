#pragma once

#include "browser/app/list/core/FilterLists.h"
#include "browser/app/list/core/ListCommands.h"
#include "browser/app/listview/win/RowList.h"
#include "browser/app/main/core/Commands.h"
#include "browser/app/main/win/BasketController.h"
#include "browser/app/main/win/DownloadController.h"
#include "browser/app/main/win/FilterPanel.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/RefreshController.h"
#include "browser/app/main/win/ScanController.h"
#include "browser/app/main/win/SettingsController.h"
#include "browser/app/main/win/SettingsFormDialogs.h"
#include "browser/app/main/win/StatusBar.h"
#include "browser/app/main/win/Toolbar.h"
#include "browser/app/main/win/TrayController.h"
#include "browser/app/main/win/UpdateController.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/settings/win/MessageBoxSavePrompt.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/win/SystemLocale.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Gdi.h"
#include "win32/Handle.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

// How the program was started; tests start the window with a program path, a registry key and
// answers of their own.
struct MainFormOptions {
    std::filesystem::path ProgramPath; // the program file; empty: this process's file
    std::string CatalogueHost;         // the catalogue site; empty: the public one
    std::string RegistryKey;           // below HKEY_CURRENT_USER; empty: the program's own key
    Prompter* Prompts = nullptr;       // message boxes; null: the system's
    SavePrompt* SavePrompts = nullptr; // the questions of a failed save; null: the system's
    SettingsFormDialogs* SettingsDialogs = nullptr; // the settings' font, colour and folder
                                                    // dialogs; null: the system's
};

// The controllers of the main window, each with a job of its own. The places still empty are
// filled as their features come: the basket and its download run, the download-folder scan, the
// update check, the settings dialog and the tray.
struct MainControllers {
    std::unique_ptr<RefreshController> Refresh;
    std::unique_ptr<BasketController> Basket;
    std::unique_ptr<DownloadController> Download;
    std::unique_ptr<ScanController> FolderScan;
    std::unique_ptr<UpdateController> UpdateCheck;
    std::unique_ptr<WindowController> SettingsDialog;
    std::unique_ptr<TrayController> Tray;

    // The controllers present, in the order above.
    std::vector<WindowController*> All() const;
};

// The browser's main window: it owns the settings, the catalogue, the transfer queues and the id
// sets for the whole run, and connects the filter panel, the lists, the toolbar and the status
// bar to them.
class TCobwenMainForm final : public RowListOwner,
                              private RefreshHost,
                              private BasketHost,
                              private DownloadHost,
                              private ScanHost,
                              private SettingsHost {
public:
    explicit TCobwenMainForm(MainFormOptions options);
    TCobwenMainForm(const TCobwenMainForm&) = delete;
    TCobwenMainForm& operator=(const TCobwenMainForm&) = delete;
    ~TCobwenMainForm() override;

    HWND Window() const { return window_; }
    // Shows the window with the placement the settings gave (the show steps run then).
    void Show();
    // The window's own keys, before the focused control gets them; true when the key was used.
    bool PreTranslate(const MSG& message);

    // Commands, as the toolbar and the keys run them.
    void RefreshCatalogue() { controllers_.Refresh->Refresh(); }
    void StopTransfers();
    // Runs a command of the table if its enabled rule allows it now.
    void RunCommand(const KeyAction& action);
    bool CommandEnabled(Command command) const;
    // The close query and the close; false when the user chose to stay.
    bool CloseQuery();
    int LoadCatalogue(const std::filesystem::path& path, bool warn, bool fill) override;

    // What the window shows, for tests.
    const TCobwenArchive& Archive() const { return archive_; }
    RowList& CatalogueList() { return *catalogueList_; }
    RowList& BasketList() { return *basketList_; }
    HWND BasketCaptionWindow() const { return basketCaption_; }
    BasketController& Basket() { return *controllers_.Basket; }
    UpdateController& UpdateCheck() { return *controllers_.UpdateCheck; }
    TrayController& Tray() { return *controllers_.Tray; }
    // The program's update check (manual: asked for by the user; afterTransfer: a run of the
    // first queue has just succeeded).
    void StartUpdateCheck(bool manual, bool afterTransfer) override {
        controllers_.UpdateCheck->StartUpdateCheck(manual, afterTransfer);
    }
    FilterPanel& Filters() { return filters_; }
    StatusBar& Status() { return status_; }
    Toolbar& Tools() { return toolbar_; }
    const BrowserSettings& Settings() const { return settings_; }
    const std::filesystem::path& LocalCatalogue() const { return localCatalogue_; }
    const std::string& PreviousNewestStamp() const { return previousNewestStamp_; }
    bool Refreshing() const { return controllers_.Refresh->Refreshing(); }
    bool Downloading() const { return controllers_.Download->Running(); }
    bool Scanning() const { return controllers_.FolderScan->Scanning(); }
    const TMCIntegerList& DownloadedIds() const { return downloadedIds_; }
    HMENU ContextMenuHandle() const { return contextMenu_.Get(); }
    // The command id of a context-menu entry: its command, above every control's id (the dialog
    // manager sends IDOK and IDCANCEL as commands of the window too).
    static UINT MenuId(Command command) { return MenuIdBase + static_cast<UINT>(command); }

    // RowListOwner.
    std::wstring CellText(int data, int column) override;
    int CompareRows(int dataA, int dataB, int column, SortDirection direction) override;
    CellColours CellColour(int data, int rowPosition, int columnPosition, bool selected) override;
    std::wstring PreviewText(int data) override;
    CellColours PreviewColour(int data, bool selected) override;
    void FocusedRowChanged(RowList& list) override;
    void SelectionCountChanged(RowList& list) override;
    void GotFocus(RowList& list) override;
    void ContextMenu(RowList& list, POINT screenPoint) override;
    bool AcceptsDrop(RowList& source, HWND target) override;
    void RowsDropped(RowList& source, HWND target) override;

private:
    static constexpr UINT MenuIdBase = 3000;
    // Runs the value picker after a drop-down's opening.
    static constexpr UINT_PTR PickTimer = 1;
    static constexpr UINT MenuIdEnd = MenuIdBase + 100;

    // The basket list asks through this, as its rows never show a preview.
    class BasketOwner final : public RowListOwner {
    public:
        explicit BasketOwner(TCobwenMainForm& form) : form_(form) {}
        std::wstring CellText(int data, int column) override {
            return form_.CellText(data, column);
        }
        int CompareRows(int a, int b, int column, SortDirection direction) override {
            return form_.CompareRows(a, b, column, direction);
        }
        CellColours CellColour(int data, int row, int column, bool selected) override {
            return form_.ColourOfCell(data, row, column, selected, false);
        }
        void FocusedRowChanged(RowList& list) override { form_.FocusedRowChanged(list); }
        void SelectionCountChanged(RowList& list) override { form_.SelectionCountChanged(list); }
        void GotFocus(RowList& list) override { form_.GotFocus(list); }
        void ContextMenu(RowList& list, POINT point) override { form_.ContextMenu(list, point); }
        bool AcceptsDrop(RowList& source, HWND target) override {
            return form_.AcceptsDrop(source, target);
        }
        void RowsDropped(RowList& source, HWND target) override {
            form_.RowsDropped(source, target);
        }

    private:
        TCobwenMainForm& form_;
    };

    // What dropping rows of the source list on the window does.
    DropAction DropActionFor(const RowList& source, HWND target) const;
    CellColours ColourOfCell(int data, int rowPosition, int columnPosition, bool selected,
                             bool previewShown) const;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation and layout.
    void CreateControls();
    void CreateContextMenu();
    void LayoutControls();
    int MinimumHeight() const;
    void ApplyFonts();
    void OnWindowShow();
    // The show steps, once each time the window becomes visible.
    void BecameVisible();
    void RestoreFocus();
    void OnCommand(int id, int code, HWND control);
    void OnClose();
    // The modal about box.
    void ShowAbout();
    void SaveWindowSettings();

    // Filters and the list.
    void FillFilterLists();
    void FillList();
    bool LocateRow(RowList& list, int index, bool select);
    void ApplyViewSettings();
    void OnValueChange();
    void OnFilterCheckBox(Filter filter);
    void ToggleFilter(Filter filter);
    void FocusFilterValue(Filter filter);
    void StepFilterValue(Filter filter, bool backwards);
    void SetFilterFromRow(Filter by);
    void PickValue(Filter filter);
    void RunFocusedRowHandler(RowList& list);
    FilterSettings PanelState() const;
    void ShowPanelState(const FilterSettings& state);
    const TCobwenData* Record(int data) const;
    RowList& Active() {
        return activeList_ == ActiveList::Catalogue ? *catalogueList_ : *basketList_;
    }

    // Context menu commands.
    void CopyInfo();
    void WriteToAuthor();
    void GoToAuthorPage();

    // RefreshHost.
    void ReloadLocalCatalogue() override;
    void ShowCatalogueDate() override;
    std::string CatalogueUrl() const override { return archive_.CatalogueURL(); }
    void RunChanged() override;
    void TransferError(const std::string& message) override { OnTransferError(message); }
    void TransferProgress(int bytes) override { OnTransferProgress(bytes); }

    // BasketHost.
    ActiveList CurrentList() const override { return activeList_; }
    bool FocusedRowAddable() const override { return rowState_.AddToBasket; }
    void BasketChanged() override { UpdateCommands(); }
    // DownloadHost.
    void StartFolderScan() override;
    // ScanHost.
    void DownloadedChanged() override;
    // SettingsHost.
    void SettingsChanged() override;
    // Enables the filter submenu, wherever the basket's entries put it.
    void EnableFilterSubmenu(bool enabled);

    // The transfers' handlers shared by the refresh and the download run.
    void OnTransferError(const std::string& message);
    void OnTransferProgress(int bytes);
    bool TransferRunning() const { return status_.ProgressShown(); }

    // The enabling of the toolbar and the menu entries by the command table.
    void UpdateCommands();
    // The commands the window runs itself.
    void RunOwnCommand(const KeyAction& action);
    void SetStatus(int panel, const std::string& browserText);

    MainFormOptions options_;
    MessageBoxPrompter systemPrompts_;
    Prompter* prompts_;
    MessageBoxSavePrompt systemSavePrompts_;
    SavePrompt* savePrompts_;
    SystemSettingsFormDialogs systemSettingsDialogs_;
    SystemTextLocale locale_;
    BrowserSettings settings_;
    TCobwenArchive archive_;
    TGetFiles transfers_;
    TGetFiles updateTransfers_;
    TMCIntegerList downloadedIds_;
    FilterLists filterLists_;

    std::string programPath_;
    // As the system names them (UTF-16), whatever its ANSI code page.
    std::filesystem::path programFolder_;
    // The program's folder in code page 1251, as the download run and the scan name folders.
    std::string programFolderText_;
    std::filesystem::path localCatalogue_;
    std::string iniPath_;
    // The store chosen at start takes every write of the run.
    bool storeIsIni_ = false;
    std::string previousNewestStamp_;
    std::string programVersion_;
    std::string versionNumber_;
    std::string programDateText_;
    int filesInFlight_ = 0;
    bool listReady_ = false;
    bool setOffOther_ = false;
    ActiveList activeList_ = ActiveList::Catalogue;

    HWND window_ = nullptr;
    win32::IconHandle icon_;
    win32::IconHandle smallIcon_;
    win32::FontObject uiFont_;
    win32::FontObject listFont_;
    win32::FontObject previewFont_;
    win32::FontObject boldFont_;
    win32::BrushObject panelBrush_;
    Toolbar toolbar_;
    StatusBar status_;
    FilterPanel filters_;
    std::unique_ptr<RowList> catalogueList_;
    BasketOwner basketOwner_{*this};
    std::unique_ptr<RowList> basketList_;
    HWND basketCaption_ = nullptr;
    win32::MenuHandle contextMenu_;
    HMENU filterMenu_ = nullptr;
    FocusedRowState rowState_;
    // Last, so that they go before what they work with.
    MainControllers controllers_;
    int basketHeight_ = DesignedBasketHeight;
    bool draggingSplitter_ = false;
    bool shown_ = false;
    bool picking_ = false;
    std::optional<Filter> pendingPick_;
    HWND lastFocus_ = nullptr;
};

} // namespace cobwen
