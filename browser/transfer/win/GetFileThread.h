#pragma once

#include "browser/transfer/win/GetFiles.h"
#include "win32/Handle.h"
#include "win32/InternetHandle.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace cobwen {

// Downloads one file over HTTP in a thread of its own into the queue's destination folder, holding
// one of the queue's slots while it works. Start creates it and lets it run; the object frees
// itself when its work ends. It reaches its queue only through the part they share, which it
// keeps alive, so it may outlive a queue that let it go.
class TGetFileThread {
public:
    TGetFileThread(const TGetFileThread&) = delete;
    TGetFileThread& operator=(const TGetFileThread&) = delete;

    // Opens the queue's slot semaphore, registers the worker with the queue and starts its thread.
    static void Start(const std::string& url, const std::shared_ptr<TGetFiles::Shared>& queue,
                      const std::string& semaphoreName, const std::string& fileName);

    // Asks the worker to end; it notices after the block being read, or when it gets its slot.
    void Terminate() { terminated_ = true; }
    // Terminate, and close the worker's open request from the calling thread, which is how
    // WinInet cancels a send or read waiting for a server that stalls. Call it again while the
    // worker runs: a request opened just after a call is not closed by it.
    void Abort();
    // For a queue that lets the worker go: gives its slot back now if it holds one, so that the
    // worker, which transfers nothing more, no longer counts against other transfers.
    void GiveUpSlot();

private:
    TGetFileThread(const std::string& url, std::shared_ptr<TGetFiles::Shared> queue,
                   const std::string& semaphoreName, const std::string& fileName);
    ~TGetFileThread() = default;

    void Execute();
    void Transfer(const TGetFiles::WorkerSettings& settings, const std::wstring& path);
    bool Request(HINTERNET connection, const std::string& object, HANDLE file,
                 RequestDialog& dialog);
    // Raises the failure of a WinInet call unless the worker was asked to terminate.
    void Check(bool succeeded) const;
    void Fail(const std::string& text);
    bool WaitForSlot();
    void ReleaseSlot();

    std::shared_ptr<TGetFiles::Shared> queue_;
    std::string url_;
    std::string fileName_;
    win32::SemaphoreHandle slot_;
    // NoSlot, HoldingSlot or SlotGivenBack; whoever moves it from HoldingSlot gives the slot back.
    std::atomic<int> slotState_{0};
    std::atomic<bool> terminated_{false};
    // The request being sent or read, which Abort closes; guarded by requestLock_.
    std::mutex requestLock_;
    HINTERNET openRequest_ = nullptr;
    bool aborted_ = false;
    bool failed_ = false;
    std::int32_t blockSize_ = 0;
    std::string errorText_;
};

} // namespace cobwen
