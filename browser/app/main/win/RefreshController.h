#pragma once

#include "browser/app/main/win/WindowController.h"

#include <filesystem>
#include <string>
#include <windows.h>

namespace cobwen {

class BrowserSettings;
class Prompter;
class StatusBar;
class TGetFiles;
class TextLocale;

// What the refresh needs of the window it belongs to.
class RefreshHost {
public:
    // LoadCatalogue of the window: loads `path`, says what went wrong, refills the lists.
    virtual int LoadCatalogue(const std::filesystem::path& path, bool warn, bool fill) = 0;
    // Loads the local copy again and refills the lists.
    virtual void ReloadLocalCatalogue() = 0;
    virtual void ShowCatalogueDate() = 0;
    // The program's update check, after a refresh whose transfer succeeded.
    virtual void StartUpdateCheck(bool manual, bool afterTransfer) = 0;
    // Where the catalogue site offers the catalogue.
    virtual std::string CatalogueUrl() const = 0;
    // A run started or ended: the commands' enabling and the rows' colours follow.
    virtual void RunChanged() = 0;
    // The handlers the refresh shares with the download run.
    virtual void TransferError(const std::string& message) = 0;
    virtual void TransferProgress(int bytes) = 0;

protected:
    ~RefreshHost() = default;
};

// The catalogue refresh: the question, the download of a new catalogue through the window's
// transfer queue, its check and the replacement of the local copy.
class RefreshController final : public WindowController {
public:
    // What the refresh works with; the window owns all of it.
    struct Parts {
        Prompter& Prompts;
        TGetFiles& Transfers;
        StatusBar& Status;
        BrowserSettings& Settings;
        const TextLocale& Locale;
        // As the system names them (UTF-16), whatever its ANSI code page.
        const std::filesystem::path& ProgramFolder;  // with its trailing backslash
        const std::filesystem::path& LocalCatalogue; // the local copy
        int& FilesInFlight;
        HWND Window;
    };

    RefreshController(RefreshHost& host, Parts parts) : host_(host), parts_(parts) {}

    // Asks, then queues the download of the catalogue.
    void Refresh();
    // A refresh was asked for and has not ended yet.
    bool Refreshing() const { return !transferName_.empty(); }
    // The refresh owns the window's commands: from its queueing to its end.
    bool OwnsCommands() const { return owns_; }

    bool Run(Command command) override;
    void AddState(CommandState& state) const override;

private:
    void OnStart();
    void OnDone(bool failed);
    void OnStopped();
    void ReturnToIdle();

    RefreshHost& host_;
    Parts parts_;
    // The name the catalogue is being downloaded under; empty when no refresh runs.
    std::string transferName_;
    bool owns_ = false;
};

} // namespace cobwen
