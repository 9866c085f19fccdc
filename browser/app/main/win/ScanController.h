#pragma once

#include "browser/app/main/win/WindowController.h"
#include "browser/catalogue/core/FolderScan.h"
#include "browser/transfer/win/MainThreadCall.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace cobwen {

class BasketController;
class BrowserSettings;
class TCobwenArchive;
class TMCIntegerList;

// What the scan needs of the window it belongs to.
class ScanHost {
public:
    // The downloaded set changed: the lists draw their rows anew.
    virtual void DownloadedChanged() = 0;

protected:
    ~ScanHost() = default;
};

// One walk of the download folder in a thread of its own. The found ids go to the main thread
// only, in one call at the end of the walk (also of a walk that was asked to stop).
class TFindFilesThread {
public:
    using Deliver = std::function<void(const std::vector<std::int32_t>& ids)>;

    TFindFilesThread(const TCobwenArchive& archive, std::string folder, ScanKind kind,
                     const MainThreadCall& mainThread, Deliver deliver);
    TFindFilesThread(const TFindFilesThread&) = delete;
    TFindFilesThread& operator=(const TFindFilesThread&) = delete;
    // Asks the walk to stop and waits for its end, serving its delivery meanwhile.
    ~TFindFilesThread();

    void Terminate() { terminate_ = true; }
    bool Running() const { return !finished_; }
    // The delivery still to come is dropped.
    void Abandon() { abandoned_ = true; }

private:
    void Body();

    const TCobwenArchive& archive_;
    std::string folder_;
    ScanKind kind_;
    const MainThreadCall& mainThread_;
    Deliver deliver_;
    std::atomic<bool> terminate_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> abandoned_{false};
    std::thread thread_;
};

// Collects the plug-ins whose archives lie in the download folder into DownloadedIds.
class TFindPluginFilesThread final : public TFindFilesThread {
public:
    using TFindFilesThread::TFindFilesThread;
};

// Collects the plug-ins whose archives on disk differ from the catalogue into the basket.
class TFindUpdatedFilesThread final : public TFindFilesThread {
public:
    using TFindFilesThread::TFindFilesThread;
};

// The download-folder scan: started when the list is shown, after a refresh and after a download
// run; a running scan ends before a new one starts, before the catalogue is loaded again and when
// the window closes.
class ScanController final : public WindowController {
public:
    struct Parts {
        const BrowserSettings& Settings;
        BrowserSettings& BasketSettings; // BasketIds
        const TCobwenArchive& Archive;
        BasketController& Basket;
        TMCIntegerList& DownloadedIds;
        const std::string& ProgramFolder;
    };

    ScanController(ScanHost& host, Parts parts) : host_(host), parts_(parts) {}
    ~ScanController() override { StopAll(); }

    void StartFolderScan();
    void StartUpdatedScan();
    // Ends every running scan (the catalogue is about to be loaded again, or the window closes).
    void StopAll();
    bool Scanning() const;

    bool Run(Command) override { return false; }
    void AddState(CommandState&) const override {}
    void Shown() override { StartFolderScan(); }
    void Closing() override;

private:
    std::string Folder() const;

    ScanHost& host_;
    Parts parts_;
    MainThreadCall mainThread_;
    std::unique_ptr<TFindPluginFilesThread> pluginScan_;
    std::unique_ptr<TFindUpdatedFilesThread> updatedScan_;
};

} // namespace cobwen
