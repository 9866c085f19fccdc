#pragma once

#include "browser/app/settings/core/ProxySettings.h"
#include "browser/transfer/win/MainThreadCall.h"
#include "browser/transfer/win/RequestDialog.h"
#include "win32/Handle.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
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
// handler), until each has let go of the queue, so no worker touches a destroyed queue. Under Wine
// a closed request does not end a receive already waiting: a server that stalls holds the
// destruction up until it sends or closes.
class TGetFiles {
public:
    TGetFiles();
    TGetFiles(const TGetFiles&) = delete;
    TGetFiles& operator=(const TGetFiles&) = delete;
    ~TGetFiles();

    // Settings read by each worker when it gets its slot.
    void SetDestFolder(const std::string& folder);
    std::string DestFolder() const;
    void SetProxy(const TProxySettings& proxy);
    TProxySettings Proxy() const;
    // Replaces every handler at once (unset ones included).
    void SetEvents(GetFilesEvents events) { events_ = std::move(events); }
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
    // Asks every worker to terminate and has OnStopped raised once when the last one has ended.
    void Stop();
    void TerminateAll();

    bool Busy() const { return busy_; }
    bool Stopping() const;
    const std::string& SlotName() const { return slotName_; }
    // Workers started and not yet ended.
    std::size_t WorkerCount() const;

private:
    friend class TGetFileThread;

    struct WorkerSettings {
        std::string DestFolder;
        TProxySettings Proxy;
        std::shared_ptr<RequestDialog> Dialog;
    };

    // Worker side; each may be called from any thread.
    WorkerSettings Settings() const;
    void SetBusy(bool busy) { busy_ = busy; }
    void RemoveWorker(TGetFileThread* worker);
    // The last thing an ending worker does with its queue.
    void WorkerGone();
    // Runs `call` with the handlers on the queue's thread and waits for it.
    void Deliver(const std::function<void(const GetFilesEvents&)>& call) const;
    HANDLE Abandoned() const { return abandoned_.Get(); }
    std::string SemaphoreName() const;

    mutable std::mutex lock_;
    std::vector<TGetFileThread*> workers_;
    std::size_t live_ = 0;
    bool stopping_ = false;
    std::string destFolder_;
    TProxySettings proxy_;
    std::shared_ptr<RequestDialog> dialog_;

    std::atomic<bool> busy_{false};
    std::int32_t maxCount_ = 1;
    std::string slotName_;
    win32::SemaphoreHandle slots_;
    GetFilesEvents events_;
    MainThreadCall mainThread_;
    win32::KernelHandle workerGone_;
    win32::KernelHandle abandoned_;
};

} // namespace cobwen
