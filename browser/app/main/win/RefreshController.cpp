#include "browser/app/main/win/RefreshController.h"

#include "browser/app/main/core/RefreshDecisions.h"
#include "browser/app/main/core/RefreshTarget.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/StatusBar.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/FileInfo.h"
#include "browser/catalogue/win/ReplaceFile.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

void DeleteBrowserFile(const std::filesystem::path& path) {
    DeleteFileW(path.c_str());
}

// A folder as the browser's text, for the rule that compares folder names.
std::string BrowserText(const std::filesystem::path& path) {
    return win32::FromWide(path.native(), BrowserCodePage);
}

} // namespace

bool RefreshController::Run(Command command) {
    if (command != Command::RefreshList)
        return false;
    Refresh();
    return true;
}

void RefreshController::AddState(CommandState& state) const {
    state.TransferInFlight = state.TransferInFlight || owns_;
}

void RefreshController::Refresh() {
    if (parts_.Prompts.Ask(MessageText(IDS_REFRESH_QUESTION), true) != Answer::Yes)
        return;
    // The rule compares the names as the browser's text; the folder handed on is the one the
    // system named, so that a name its ANSI code page cannot spell still works.
    const std::filesystem::path temp = TempFolder();
    const std::string& downloadFolder = parts_.Settings.Settings.DownloadFolder;
    const RefreshTarget target = ChooseRefreshTarget(
        BrowserText(temp), BrowserText(parts_.ProgramFolder), downloadFolder, parts_.Locale);
    const bool intoTemp = target.TransferName == CatalogueFileName;
    transferName_ = target.TransferName;
    TGetFiles& transfers = parts_.Transfers;
    transfers.SetProxy(parts_.Settings.Settings.Proxy);
    transfers.SetDestFolder(intoTemp                 ? temp
                            : downloadFolder.empty() ? parts_.ProgramFolder
                                                     : std::filesystem::path(win32::ToWide(
                                                           downloadFolder, BrowserCodePage)));

    GetFilesEvents events;
    events.OnStart = [this](const std::string&) {
        OnStart();
    };
    events.OnDone = [this](bool failed, const std::string&) {
        OnDone(failed);
    };
    events.OnStopped = [this] {
        OnStopped();
    };
    events.OnError = [this](const std::string& message) {
        host_.TransferError(message);
    };
    events.OnProgress = [this](std::int32_t bytes) {
        host_.TransferProgress(bytes);
    };
    transfers.SetEvents(std::move(events));

    parts_.FilesInFlight = 1;
    parts_.Status.SetProgressRange(parts_.Settings.LastListSize);
    // From here until its own end the refresh owns the commands, also while its worker waits for
    // a slot: no second refresh, and Stop reaches this one.
    owns_ = true;
    host_.RunChanged();
    transfers.Add(host_.CatalogueUrl(), transferName_);
}

void RefreshController::OnStart() {
    parts_.Status.SetText(2, MessageText(IDS_LOADING_CATALOGUE));
    parts_.Status.ShowProgress(true);
    UpdateWindow(parts_.Window);
}

void RefreshController::OnDone(bool failed) {
    if (!Refreshing())
        return;
    try {
        if (!failed) {
            parts_.Status.SetText(2, MessageText(IDS_UPDATING_CATALOGUE_FILE));
            const std::filesystem::path downloaded =
                DownloadedFile(parts_.Transfers.DestFolder().native(),
                               win32::ToWide(transferName_, BrowserCodePage));
            const int result = host_.LoadCatalogue(downloaded, true, true);
            if (FateOfDownload(result) == DownloadFate::Discard) {
                // The local copy stays as it was.
                host_.ReloadLocalCatalogue();
                DeleteBrowserFile(downloaded);
            } else {
                const std::string format =
                    win32::FromWide(MessageText(IDS_CANNOT_SAVE_CATALOGUE), BrowserCodePage);
                ReplaceFile(downloaded, parts_.LocalCatalogue, format, parts_.Prompts);
                const std::int32_t size = FileSizeOf(parts_.LocalCatalogue);
                parts_.Settings.LastListSize = size > 0 ? size : 0;
            }
            host_.ShowCatalogueDate();
            host_.StartUpdateCheck(false, true);
        }
    } catch (const std::exception& error) {
        parts_.Prompts.Error(win32::ToWide(error.what(), BrowserCodePage));
    }
    ReturnToIdle();
}

void RefreshController::OnStopped() {
    if (Refreshing())
        ReturnToIdle();
}

void RefreshController::ReturnToIdle() {
    transferName_.clear();
    owns_ = false;
    parts_.Status.SetText(2, L"");
    parts_.FilesInFlight = 0;
    parts_.Status.ShowProgress(false);
    host_.RunChanged();
}

} // namespace cobwen
