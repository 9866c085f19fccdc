#pragma once

#include "browser/app/main/core/DownloadPlan.h"
#include "browser/app/main/win/WindowController.h"

#include <string>
#include <windows.h>

namespace cobwen {

class BasketController;
class BrowserSettings;
class Prompter;
class RowList;
class StatusBar;
class TCobwenArchive;
class TGetFiles;
class TextLocale;

// What the download run needs of the window it belongs to.
class DownloadHost {
public:
    // A run started or ended: the commands' enabling and the rows' colours follow.
    virtual void RunChanged() = 0;
    // The handlers the run shares with the refresh.
    virtual void TransferError(const std::string& message) = 0;
    virtual void TransferProgress(int bytes) = 0;
    // The download folder is scanned for the archives now there.
    virtual void StartFolderScan() = 0;
    // The program's update check, after a run whose last transfer succeeded.
    virtual void StartUpdateCheck(bool manual, bool afterTransfer) = 0;

protected:
    ~DownloadHost() = default;
};

// The download run (F7): the archives of the basket, or without it the selected catalogue rows
// in the order they were selected, fetched through the window's transfer queue into the download
// folder, each described there as it arrives and taken out of the basket.
class DownloadController final : public WindowController {
public:
    struct Parts {
        Prompter& Prompts;
        BrowserSettings& Settings;
        const TCobwenArchive& Archive;
        BasketController& Basket;
        RowList& Catalogue;
        StatusBar& Status;
        TGetFiles& Transfers;
        const TextLocale& Locale;
        const std::string& ProgramFolder; // with its trailing backslash
        int& FilesInFlight;
        HWND Window;
    };

    DownloadController(DownloadHost& host, Parts parts) : host_(host), parts_(parts) {}

    // Asks, then queues the archives.
    void Download();
    // The catalogue list's selection changed: its order is kept for a run without the basket.
    void SelectionChanged();
    // A run was queued and has not ended yet.
    bool Running() const { return running_; }

    bool Run(Command command) override;
    void AddState(CommandState& state) const override;

private:
    void OnDownloadStart(const std::string& url);
    void ConfirmOverwrite(const std::string& question, bool& overwrite);
    void OnDownloadDone(bool failed, const std::string& url);
    void OnDownloadStopped();
    void ReturnToIdle();

    DownloadHost& host_;
    Parts parts_;
    SelectionOrder selection_;
    bool running_ = false;
};

} // namespace cobwen
