// Loading the local catalogue at a showing and on the refresh's request, and the handlers the
// transfer runs share.
#include "browser/app/main/core/RefreshDecisions.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

bool FileExists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Keeps the wait cursor up for the lifetime of the guard.
class WaitCursor {
public:
    WaitCursor()
        : previous_(SetCursor(
              LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

} // namespace

void TCobwenMainForm::OnWindowShow() {
    WaitCursor wait;
    try {
        int result = -1;
        controllers_.FolderScan->StopAll();
        if (FileExists(localCatalogue_))
            result = archive_.LoadFromFile(localCatalogue_);
        switch (StatusAfterShowLoad(result)) {
        case ShowStatus::CatalogueDate:
            ShowCatalogueDate();
            // Nothing counts as new at start.
            previousNewestStamp_ = archive_.NewestStamp();
            break;
        case ShowStatus::EmptyOrBad:
            status_.SetText(2, MessageText(IDS_CATALOGUE_EMPTY_OR_BAD));
            break;
        case ShowStatus::CannotLoad:
            status_.SetText(2, MessageText(IDS_CANNOT_LOAD_CATALOGUE));
            break;
        }
        listReady_ = false;
        FillFilterLists();
        listReady_ = true;
        for (const Filter filter : {Filter::Category, Filter::Author, Filter::Released})
            filters_.EnableValue(filter, filters_.Checked(filter));
        FillList();
        ApplyViewSettings();
        for (WindowController* controller : controllers_.All())
            controller->Shown();
    } catch (const std::exception& error) {
        prompts_->Error(win32::ToWide(error.what(), BrowserCodePage));
    }
    RunFocusedRowHandler(*catalogueList_);
}

int TCobwenMainForm::LoadCatalogue(const std::filesystem::path& path, bool warn, bool fill) {
    const std::string newest = archive_.NewestStamp();
    // No scan reads the records while they are replaced.
    controllers_.FolderScan->StopAll();
    const int result = archive_.LoadFromFile(path);
    const LoadReaction reaction = ReactionToLoad(result, warn);
    if (reaction == LoadReaction::Refuse) {
        prompts_->Error(MessageText(IDS_CANNOT_LOAD_CATALOGUE));
        return result;
    }
    if (reaction == LoadReaction::TakeWithWarning)
        prompts_->Warning(MessageText(IDS_CATALOGUE_PARTLY_READ));
    previousNewestStamp_ = newest;
    FillFilterLists();
    if (fill)
        FillList();
    // The basket's rows are record indexes of the catalogue that was replaced.
    controllers_.Basket->FillBasketList();
    controllers_.FolderScan->StartFolderScan();
    const TCobwenSettings& settings = settings_.Settings;
    if (result == LoadOk && settings.CheckUpdatedPlugins && settings.UseDownloadBasket)
        controllers_.FolderScan->StartUpdatedScan();
    return result;
}

void TCobwenMainForm::ReloadLocalCatalogue() {
    controllers_.FolderScan->StopAll();
    archive_.LoadFromFile(localCatalogue_);
    FillFilterLists();
    FillList();
    controllers_.Basket->FillBasketList();
    controllers_.FolderScan->StartFolderScan();
}

void TCobwenMainForm::ShowCatalogueDate() {
    // With the basket the panel shows its total, the date only while it is empty.
    if (controllers_.Basket && controllers_.Basket->Used()) {
        controllers_.Basket->ShowBasketTotal();
        return;
    }
    SetStatus(1, FormatShortDate(archive_.CatalogueDate(), locale_));
}

void TCobwenMainForm::RunChanged() {
    UpdateCommands();
    catalogueList_->Redraw();
}

void TCobwenMainForm::StartFolderScan() {
    controllers_.FolderScan->StartFolderScan();
}

void TCobwenMainForm::DownloadedChanged() {
    if (!catalogueList_ || !basketList_)
        return;
    catalogueList_->Redraw();
    basketList_->Redraw();
}

void TCobwenMainForm::StopTransfers() {
    status_.SetText(2, MessageText(IDS_STOPPING));
    transfers_.Stop();
}

void TCobwenMainForm::OnTransferError(const std::string& message) {
    status_.SetText(2, MessageText(IDS_ERROR_STATUS));
    const std::wstring text = win32::ToWide(message, BrowserCodePage);
    if (filesInFlight_ < 2) {
        prompts_->Error(text);
        return;
    }
    if (prompts_->Ask(FormatText(MessageText(IDS_CONTINUE_QUESTION), {text}), true) == Answer::No)
        transfers_.Stop();
}

void TCobwenMainForm::OnTransferProgress(int bytes) {
    status_.AdvanceProgress(bytes);
}

} // namespace cobwen
