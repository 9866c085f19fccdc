// Loading the local catalogue, and refreshing it from the catalogue site through the transfer
// queue.
#include "browser/app/main/core/RefreshTarget.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/win/FileInfo.h"
#include "browser/catalogue/win/ReplaceFile.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

bool FileExists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteBrowserFile(const std::filesystem::path& path) {
    DeleteFileW(path.c_str());
}

// A folder as the browser's text, for the rule that compares folder names.
std::string BrowserText(const std::filesystem::path& path) {
    return win32::FromWide(path.native(), BrowserCodePage);
}

std::filesystem::path WithDelimiter(const std::filesystem::path& folder) {
    std::wstring text = folder.native();
    if (!text.empty() && text.back() != L'\\')
        text += L'\\';
    return text;
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
        if (FileExists(localCatalogue_))
            result = archive_.LoadFromFile(localCatalogue_);
        if (result != LoadOk) {
            status_.SetText(2, MessageText(result < LoadSkippedLines ? IDS_CATALOGUE_EMPTY_OR_BAD
                                                                     : IDS_CANNOT_LOAD_CATALOGUE));
        } else {
            SetStatus(1, FormatShortDate(archive_.CatalogueDate(), locale_));
            // Nothing counts as new at start.
            previousNewestStamp_ = archive_.NewestStamp();
        }
        listReady_ = false;
        FillFilterLists();
        listReady_ = true;
        for (int n = 1; n <= 3; ++n)
            filters_.EnableValue(n, filters_.Checked(n));
        FillList();
        ApplyViewSettings();
    } catch (const std::exception& error) {
        prompts_->Error(win32::ToWide(error.what(), BrowserCodePage));
    }
    RunFocusedRowHandler(*catalogueList_);
}

int TCobwenMainForm::LoadCatalogue(const std::filesystem::path& path, bool warn, bool fill) {
    const std::string newest = archive_.NewestStamp();
    const int result = archive_.LoadFromFile(path);
    if (result == LoadNoLines || result == LoadUnreadable) {
        prompts_->Error(MessageText(IDS_CANNOT_LOAD_CATALOGUE));
        return result;
    }
    if (result == LoadSkippedLines && warn)
        prompts_->Warning(MessageText(IDS_CATALOGUE_PARTLY_READ));
    previousNewestStamp_ = newest;
    FillFilterLists();
    if (fill)
        FillList();
    return result;
}

void TCobwenMainForm::RefreshCatalogue() {
    if (prompts_->Ask(MessageText(IDS_REFRESH_QUESTION), true) != Answer::Yes)
        return;
    // The rule compares the names as the browser's text; the folder handed on is the one the
    // system named, so that a name its ANSI code page cannot spell still works.
    const std::filesystem::path temp = TempFolder();
    const std::string& downloadFolder = settings_.Settings.DownloadFolder;
    const RefreshTarget target = ChooseRefreshTarget(BrowserText(temp), BrowserText(programFolder_),
                                                     downloadFolder, locale_);
    const bool intoTemp = target.TransferName == CatalogueFileName;
    catalogueTransferName_ = target.TransferName;
    transfers_.SetProxy(settings_.Settings.Proxy);
    transfers_.SetDestFolder(intoTemp                 ? temp
                             : downloadFolder.empty() ? programFolder_
                                                      : std::filesystem::path(win32::ToWide(
                                                            downloadFolder, BrowserCodePage)));

    GetFilesEvents events;
    events.OnStart = [this](const std::string&) {
        OnRefreshStart();
    };
    events.OnDone = [this](bool failed, const std::string&) {
        OnRefreshDone(failed);
    };
    events.OnStopped = [this] {
        OnRefreshStopped();
    };
    events.OnError = [this](const std::string& message) {
        OnTransferError(message);
    };
    events.OnProgress = [this](std::int32_t bytes) {
        OnTransferProgress(bytes);
    };
    transfers_.SetEvents(std::move(events));

    filesInFlight_ = 1;
    status_.SetProgressRange(settings_.LastListSize);
    transfers_.Add(archive_.CatalogueURL(), catalogueTransferName_);
}

void TCobwenMainForm::OnRefreshStart() {
    toolbar_.Enable(Toolbar::Download, false);
    toolbar_.Enable(Toolbar::Refresh, false);
    toolbar_.Enable(Toolbar::Stop, true);
    status_.SetText(2, MessageText(IDS_LOADING_CATALOGUE));
    status_.ShowProgress(true);
    UpdateWindow(window_);
}

void TCobwenMainForm::OnRefreshDone(bool failed) {
    try {
        if (!failed) {
            status_.SetText(2, MessageText(IDS_UPDATING_CATALOGUE_FILE));
            const std::filesystem::path downloaded =
                WithDelimiter(transfers_.DestFolder()).native() +
                win32::ToWide(catalogueTransferName_, BrowserCodePage);
            const int result = LoadCatalogue(downloaded, true, true);
            if (result != LoadOk) {
                // The local copy stays as it was.
                archive_.LoadFromFile(localCatalogue_);
                FillFilterLists();
                FillList();
                DeleteBrowserFile(downloaded);
            } else {
                const std::string format =
                    win32::FromWide(MessageText(IDS_CANNOT_SAVE_CATALOGUE), BrowserCodePage);
                ReplaceFile(downloaded, localCatalogue_, format, *prompts_);
                const std::int32_t size = FileSizeOf(localCatalogue_);
                settings_.LastListSize = size > 0 ? size : 0;
            }
            SetStatus(1, FormatShortDate(archive_.CatalogueDate(), locale_));
        }
    } catch (const std::exception& error) {
        prompts_->Error(win32::ToWide(error.what(), BrowserCodePage));
    }
    ReturnToIdle();
}

void TCobwenMainForm::OnRefreshStopped() {
    ReturnToIdle();
}

void TCobwenMainForm::ReturnToIdle() {
    catalogueTransferName_.clear();
    toolbar_.Enable(Toolbar::Refresh, true);
    // Downloads come with the basket; until then there is nothing to download.
    toolbar_.Enable(Toolbar::Download, false);
    toolbar_.Enable(Toolbar::Stop, false);
    status_.SetText(2, L"");
    filesInFlight_ = 0;
    status_.ShowProgress(false);
    catalogueList_->Redraw();
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
