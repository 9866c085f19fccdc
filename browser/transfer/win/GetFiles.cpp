#include "browser/transfer/win/GetFiles.h"

#include "browser/catalogue/core/UrlHelpers.h"
#include "browser/transfer/core/SlotName.h"
#include "browser/transfer/win/GetFileThread.h"
#include "browser/transfer/win/LogonSession.h"

#include <algorithm>

namespace cobwen {

namespace {

win32::SemaphoreHandle CreateSlots(const std::string& name, std::int32_t count) {
    if (count <= 0)
        return win32::SemaphoreHandle();
    // An existing semaphore of the name is opened as it is: it has the same capacity.
    return win32::SemaphoreHandle(CreateSemaphoreA(nullptr, count, count, name.c_str()));
}

} // namespace

TGetFiles::TGetFiles()
    : dialog_(std::make_shared<SystemRequestDialog>()),
      slotName_(cobwen::SlotName(CurrentLogonSession())),
      workerGone_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      abandoned_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    slots_ = CreateSlots(SemaphoreName(), maxCount_);
}

TGetFiles::~TGetFiles() {
    events_ = GetFilesEvents();
    SetEvent(abandoned_.Get());
    for (;;) {
        {
            // Terminating alone leaves a worker waiting for a stalled server until WinInet's
            // time-out; closing its request is how WinInet cancels that wait. Again on each round,
            // as a worker may open its request after a call.
            const std::lock_guard guard(lock_);
            if (live_ == 0)
                break;
            for (TGetFileThread* worker : workers_)
                worker->Abort();
        }
        // Workers may be waiting in an event delivery to this thread; run those (to no handler).
        mainThread_.RunPending();
        WaitForSingleObject(workerGone_.Get(), 10);
    }
}

void TGetFiles::SetDestFolder(const std::string& folder) {
    const std::lock_guard guard(lock_);
    destFolder_ = folder;
}

std::string TGetFiles::DestFolder() const {
    const std::lock_guard guard(lock_);
    return destFolder_;
}

void TGetFiles::SetProxy(const TProxySettings& proxy) {
    const std::lock_guard guard(lock_);
    proxy_ = proxy;
}

TProxySettings TGetFiles::Proxy() const {
    const std::lock_guard guard(lock_);
    return proxy_;
}

void TGetFiles::SetRequestDialog(std::shared_ptr<RequestDialog> dialog) {
    const std::lock_guard guard(lock_);
    dialog_ = dialog ? std::move(dialog) : std::make_shared<SystemRequestDialog>();
}

void TGetFiles::Add(const std::string& url, const std::string& fileName) {
    TGetFileThread::Start(url, *this, fileName.empty() ? UrlFileName(url) : fileName);
}

void TGetFiles::AddList(const std::vector<std::string>& urls,
                        const std::vector<std::string>& fileNames) {
    for (std::size_t i = 0; i < urls.size(); ++i)
        Add(urls[i], i < fileNames.size() ? fileNames[i] : std::string());
}

void TGetFiles::SetMaxCount(std::int32_t count) {
    if (busy_ || count == maxCount_)
        return;
    maxCount_ = count;
    slots_.Reset();
    slots_ = CreateSlots(SemaphoreName(), maxCount_);
}

void TGetFiles::Stop() {
    const std::lock_guard guard(lock_);
    if (stopping_)
        return;
    stopping_ = true;
    for (TGetFileThread* worker : workers_)
        worker->Terminate();
}

void TGetFiles::TerminateAll() {
    const std::lock_guard guard(lock_);
    for (TGetFileThread* worker : workers_)
        worker->Terminate();
}

bool TGetFiles::Stopping() const {
    const std::lock_guard guard(lock_);
    return stopping_;
}

std::size_t TGetFiles::WorkerCount() const {
    const std::lock_guard guard(lock_);
    return workers_.size();
}

TGetFiles::WorkerSettings TGetFiles::Settings() const {
    const std::lock_guard guard(lock_);
    return WorkerSettings{destFolder_, proxy_, dialog_};
}

void TGetFiles::RemoveWorker(TGetFileThread* worker) {
    bool stopped = false;
    {
        const std::lock_guard guard(lock_);
        workers_.erase(std::remove(workers_.begin(), workers_.end(), worker), workers_.end());
        if (stopping_ && workers_.empty()) {
            stopping_ = false;
            stopped = true;
        }
    }
    if (stopped)
        Deliver([](const GetFilesEvents& events) {
            if (events.OnStopped)
                events.OnStopped();
        });
}

void TGetFiles::WorkerGone() {
    const std::lock_guard guard(lock_);
    --live_;
    SetEvent(workerGone_.Get());
}

void TGetFiles::Deliver(const std::function<void(const GetFilesEvents&)>& call) const {
    mainThread_.Run([this, &call] { call(events_); });
}

std::string TGetFiles::SemaphoreName() const {
    return SlotSemaphoreName(slotName_, maxCount_);
}

} // namespace cobwen
