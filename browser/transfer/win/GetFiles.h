#pragma once

#include "browser/app/settings/core/ProxySettings.h"
#include "browser/transfer/win/MainThreadCall.h"
#include "browser/transfer/win/RequestDialog.h"
#include "win32/Handle.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

namespace cobwen {

class TGetFileThread;

// The handlers of a queue's events; each may be unset. They run on the thread that created the
// queue while the reporting worker waits.
struct GetFilesEvents {
    std::function<void(const std::string& url)> OnStart;
    std::function<void(const std::string& text)> OnError;
    std::function<void(bool failed, const std::string& url)> OnDone;
    std::function<void(std::int32_t blockSize)> OnProgress;
    // `overwrite` comes in true; the handler leaves it or sets it false to keep the file.
    std::function<void(const std::string& question, bool& overwrite)> OnOverwriteQuery;
    std::function<void()> OnStopped;
};

// Starts one transfer worker per URL at once; a counting semaphore named after the logon session
// lets only MaxCount of them transfer at the same time, across every queue and every instance of
// the browser in that session that allows the same count.
//
// Create, use and destroy a queue on one thread that runs a message loop: the workers' events
// reach that thread through it. Destruction asks every worker to terminate, closes the requests
// they are sending or reading and waits, still running the events delivered meanwhile (to no
// handler), until each has ended. A worker that has not ended after a few seconds (under Wine a
// closed request does not end a receive that waits for a server that stalls) is let go: it keeps
// what it shares with the queue alive by itself, delivers nothing any more and ends on its own
// (deleting its partly written file) once the server gives up, so the program can always exit.
class TGetFiles {
public:
    TGetFiles();
    TGetFiles(const TGetFiles&) = delete;
    TGetFiles& operator=(const TGetFiles&) = delete;
    ~TGetFiles();

    // Settings read by each worker when it gets its slot.
    // The folder as the system names it (UTF-16 on Windows), so that any folder name works
    // whatever the system's ANSI code page.
    void SetDestFolder(const std::filesystem::path& folder);
    std::filesystem::path DestFolder() const;
    void SetProxy(const TProxySettings& proxy);
    TProxySettings Proxy() const;
    // Replaces every handler at once (unset ones included).
    void SetEvents(GetFilesEvents events) { shared_->events = std::move(events); }
    // The dialog each request goes through; the system's dialog by default.
    void SetRequestDialog(std::shared_ptr<RequestDialog> dialog);

    // Starts a worker for `url`; an empty name becomes the URL's file name.
    void Add(const std::string& url, const std::string& fileName = {});
    // Add of each URL with the name at the same index, or an empty one when `fileNames` is empty.
    void AddList(const std::vector<std::string>& urls,
                 const std::vector<std::string>& fileNames = {});
    // A new number of transfers at once; ignored while busy or when it is the current one.
    void SetMaxCount(std::int32_t count);
    std::int32_t MaxCount() const { return maxCount_; }
    // Asks every worker to terminate and has OnStopped raised once when the last one has ended;
    // nothing when no worker is left in the list (the ends on their way end the run).
    void Stop();
    void TerminateAll();

    // Some transfer of the queue has not ended (waiting for a slot, transferring or ending).
    bool Busy() const;
    bool Stopping() const;
    const std::string& SlotName() const { return slotName_; }
    // Workers started and not yet ended.
    std::size_t WorkerCount() const;

private:
    friend class TGetFileThread;

    struct WorkerSettings {
        std::filesystem::path DestFolder;
        TProxySettings Proxy;
        std::shared_ptr<RequestDialog> Dialog;
    };

    // What the queue and its workers share. Each worker holds it, so a worker the queue let go
    // of still finds it; the worker's calls may come from any thread.
    struct Shared {
        Shared();

        WorkerSettings Settings() const;
        void RemoveWorker(TGetFileThread* worker);
        // The last thing an ending worker does with its queue.
        void WorkerGone();
        // Runs `call` with the handlers on the queue's thread and waits for it; nothing once the
        // queue has let its workers go.
        void Deliver(const std::function<void(const GetFilesEvents&)>& call) const;

        mutable std::mutex lock;
        std::vector<TGetFileThread*> workers;
        std::size_t live = 0;
        bool stopping = false;
        std::filesystem::path destFolder;
        TProxySettings proxy;
        std::shared_ptr<RequestDialog> dialog;
        win32::KernelHandle workerGone;
        // Set when the queue is destroyed: cuts the workers' wait for a slot short.
        win32::KernelHandle abandoned;

        // Deliveries hold it shared while they run; the queue takes it whole to end them.
        mutable std::shared_mutex delivery;
        // The queue's thread; null once the queue has let its workers go.
        const MainThreadCall* mainThread = nullptr;
        // Read on the queue's thread only, where the queue sets them too.
        GetFilesEvents events;
    };

    std::string SemaphoreName() const;

    std::shared_ptr<Shared> shared_;
    std::int32_t maxCount_ = 1;
    std::string slotName_;
    win32::SemaphoreHandle slots_;
    MainThreadCall mainThread_;
};

} // namespace cobwen
