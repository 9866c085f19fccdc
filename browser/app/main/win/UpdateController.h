#pragma once

#include "browser/app/main/core/UpdateDecisions.h"
#include "browser/app/main/win/WindowController.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace cobwen {

struct BrowserSettings;
class Prompter;
class SettingsStore;
class TGetFiles;

// The program's update check on the window's second queue: the information file from the update
// server, the question, the archive into the download folder and the decision kept in the
// store's LastVersion and LastUpdate.
class UpdateController final : public WindowController {
public:
    struct Parts {
        Prompter& Prompts;
        TGetFiles& Transfers; // the window's second queue, for this check alone
        const BrowserSettings& Settings;
        // The store the run's writes go to, opened for one read or write.
        std::function<std::unique_ptr<SettingsStore>()> OpenStore;
        std::string Host;          // the update server, "HOST[:PORT]"
        std::wstring Title;        // the program's title the messages name
        std::string VersionNumber; // the program's file version without its dots
        // As the system names it, with its trailing backslash.
        const std::filesystem::path& ProgramFolder;
    };

    explicit UpdateController(Parts parts) : parts_(std::move(parts)) {}
    UpdateController(const UpdateController&) = delete;
    UpdateController& operator=(const UpdateController&) = delete;
    // No event of the queue reaches the controller once it is gone.
    ~UpdateController() override;

    // Checks now when `manual`, otherwise when the settings and the last check's day allow it.
    void StartUpdateCheck(bool manual, bool afterTransfer);
    bool CheckRunning() const { return checkRunning_; }
    bool ArchivePhase() const { return archivePhase_; }
    // Lines 2 to 4 of the last information file read.
    const UpdateInfo& Info() const { return info_; }

    bool Run(Command) override { return false; }
    void AddState(CommandState&) const override {}
    void Shown() override { StartUpdateCheck(false, false); }
    void Closing() override;

private:
    void OnError(const std::string& message);
    void OnDone(bool failed);
    void InformationReceived();
    void ArchiveReceived();
    void RecordDecision();
    void Malformed();

    Parts parts_;
    bool checkRunning_ = false;
    bool manualCheck_ = false;
    bool archivePhase_ = false;
    UpdateInfo info_;
};

} // namespace cobwen
