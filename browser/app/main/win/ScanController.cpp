#include "browser/app/main/win/ScanController.h"

#include "browser/app/main/win/BasketController.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/win/WindowsFolderLister.h"

#include <windows.h>

namespace cobwen {

TFindFilesThread::TFindFilesThread(const TCobwenArchive& archive, std::string folder, ScanKind kind,
                                   const MainThreadCall& mainThread, Deliver deliver)
    : archive_(archive), folder_(std::move(folder)), kind_(kind), mainThread_(mainThread),
      deliver_(std::move(deliver)), thread_([this] { Body(); }) {
}

TFindFilesThread::~TFindFilesThread() {
    terminate_ = true;
    // The walk's last act is its delivery on this thread: serve it while waiting.
    while (!finished_) {
        mainThread_.RunPending();
        Sleep(1);
    }
    thread_.join();
}

void TFindFilesThread::Body() {
    std::vector<std::int32_t> ids;
    try {
        const WindowsFolderLister lister;
        ScanFolder(lister, folder_, archive_, kind_, terminate_,
                   [&](std::int32_t id) { ids.push_back(id); });
    } catch (...) {
        // What was found until the failure still counts.
    }
    mainThread_.Run([&] {
        if (!abandoned_)
            deliver_(ids);
    });
    finished_ = true;
}

std::string ScanController::Folder() const {
    const std::string& folder = parts_.Settings.Settings.DownloadFolder;
    return folder.empty() ? parts_.ProgramFolder : folder;
}

void ScanController::StartFolderScan() {
    pluginScan_.reset();
    pluginScan_ = std::make_unique<TFindPluginFilesThread>(
        parts_.Archive, Folder(), ScanKind::Downloaded, mainThread_,
        [this](const std::vector<std::int32_t>& ids) {
            parts_.DownloadedIds.Clear();
            for (const std::int32_t id : ids)
                parts_.DownloadedIds.Add(id);
            host_.DownloadedChanged();
        });
}

void ScanController::StartUpdatedScan() {
    updatedScan_.reset();
    updatedScan_ = std::make_unique<TFindUpdatedFilesThread>(
        parts_.Archive, Folder(), ScanKind::Updated, mainThread_,
        [this](const std::vector<std::int32_t>& ids) {
            for (const std::int32_t id : ids)
                parts_.BasketSettings.BasketIds.Add(id);
            parts_.Basket.FillBasketList();
        });
}

void ScanController::StopAll() {
    pluginScan_.reset();
    updatedScan_.reset();
}

bool ScanController::Scanning() const {
    return (pluginScan_ && pluginScan_->Running()) || (updatedScan_ && updatedScan_->Running());
}

void ScanController::Closing() {
    for (TFindFilesThread* scan : {static_cast<TFindFilesThread*>(pluginScan_.get()),
                                   static_cast<TFindFilesThread*>(updatedScan_.get())})
        if (scan)
            scan->Abandon();
    StopAll();
}

} // namespace cobwen
