#include "browser/transfer/win/GetFiles.h"

#include "browser/catalogue/core/UrlHelpers.h"
#include "browser/transfer/core/SlotName.h"
#include "browser/transfer/win/GetFileThread.h"
#include "browser/transfer/win/LogonSession.h"

#include <algorithm>

namespace cobwen {

namespace {

// How long destruction waits for its workers to end before it lets the rest go.
constexpr ULONGLONG LetGoAfterMs = 5000;

win32::SemaphoreHandle CreateSlots(const std::string& name, std::int32_t count) {
    if (count <= 0)
        return win32::SemaphoreHandle();
    // An existing semaphore of the name is opened as it is: it has the same capacity.
    return win32::SemaphoreHandle(CreateSemaphoreA(nullptr, count, count, name.c_str()));
}

} // namespace

TGetFiles::Shared::Shared()
    : dialog(std::make_shared<SystemRequestDialog>()),
      workerGone(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      abandoned(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
}

TGetFiles::TGetFiles()
    : shared_(std::make_shared<Shared>()), slotName_(cobwen::SlotName(CurrentLogonSession())) {
    shared_->mainThread = &mainThread_;
    slots_ = CreateSlots(SemaphoreName(), maxCount_);
}

TGetFiles::~TGetFiles() {
    Shared& shared = *shared_;
    shared.events = GetFilesEvents();
    SetEvent(shared.abandoned.Get());
    const ULONGLONG letGo = GetTickCount64() + LetGoAfterMs;
    for (;;) {
        {
            // Terminating alone leaves a worker waiting for a stalled server until WinInet's
            // time-out; closing its request is how WinInet cancels that wait. Again on each round,
            // as a worker may open its request after a call.
            const std::lock_guard guard(shared.lock);
            if (shared.live == 0)
                break;
            for (TGetFileThread* worker : shared.workers)
                worker->Abort();
        }
        // Workers may be waiting in an event delivery to this thread; run those (to no handler).
        mainThread_.RunPending();
        if (GetTickCount64() >= letGo) {
            const std::lock_guard guard(shared.lock);
            for (TGetFileThread* worker : shared.workers)
                worker->GiveUpSlot();
            break;
        }
        WaitForSingleObject(shared.workerGone.Get(), 10);
    }
    // The workers still running keep the shared part alive; once no delivery runs, none of them
    // can reach this thread again.
    for (;;) {
        if (shared.delivery.try_lock()) {
            shared.mainThread = nullptr;
            shared.delivery.unlock();
            break;
        }
        mainThread_.RunPending();
        Sleep(1);
    }
}

void TGetFiles::SetDestFolder(const std::filesystem::path& folder) {
    const std::lock_guard guard(shared_->lock);
    shared_->destFolder = folder;
}

std::filesystem::path TGetFiles::DestFolder() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->destFolder;
}

void TGetFiles::SetProxy(const TProxySettings& proxy) {
    const std::lock_guard guard(shared_->lock);
    shared_->proxy = proxy;
}

TProxySettings TGetFiles::Proxy() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->proxy;
}

void TGetFiles::SetRequestDialog(std::shared_ptr<RequestDialog> dialog) {
    const std::lock_guard guard(shared_->lock);
    shared_->dialog = dialog ? std::move(dialog) : std::make_shared<SystemRequestDialog>();
}

void TGetFiles::Add(const std::string& url, const std::string& fileName) {
    TGetFileThread::Start(url, shared_, SemaphoreName(),
                          fileName.empty() ? UrlFileName(url) : fileName);
}

void TGetFiles::AddList(const std::vector<std::string>& urls,
                        const std::vector<std::string>& fileNames) {
    for (std::size_t i = 0; i < urls.size(); ++i)
        Add(urls[i], i < fileNames.size() ? fileNames[i] : std::string());
}

void TGetFiles::SetMaxCount(std::int32_t count) {
    if (Busy() || count == maxCount_)
        return;
    maxCount_ = count;
    slots_.Reset();
    slots_ = CreateSlots(SemaphoreName(), maxCount_);
}

void TGetFiles::Stop() {
    const std::lock_guard guard(shared_->lock);
    // With no worker in the list there is nothing to stop: the ends still on their way end the
    // run, and a flag raised now would stop the next run ahead of its own end.
    if (shared_->stopping || shared_->workers.empty())
        return;
    shared_->stopping = true;
    for (TGetFileThread* worker : shared_->workers)
        worker->Terminate();
}

void TGetFiles::TerminateAll() {
    const std::lock_guard guard(shared_->lock);
    for (TGetFileThread* worker : shared_->workers)
        worker->Terminate();
}

bool TGetFiles::Busy() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->live > 0;
}

bool TGetFiles::Stopping() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->stopping;
}

std::size_t TGetFiles::WorkerCount() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->workers.size();
}

std::string TGetFiles::SemaphoreName() const {
    return SlotSemaphoreName(slotName_, maxCount_);
}

TGetFiles::WorkerSettings TGetFiles::Shared::Settings() const {
    const std::lock_guard guard(lock);
    return WorkerSettings{destFolder, proxy, dialog};
}

void TGetFiles::Shared::RemoveWorker(TGetFileThread* worker) {
    bool stopped = false;
    {
        const std::lock_guard guard(lock);
        workers.erase(std::remove(workers.begin(), workers.end(), worker), workers.end());
        if (stopping && workers.empty()) {
            stopping = false;
            stopped = true;
        }
    }
    if (stopped)
        Deliver([](const GetFilesEvents& handlers) {
            if (handlers.OnStopped)
                handlers.OnStopped();
        });
}

void TGetFiles::Shared::WorkerGone() {
    const std::lock_guard guard(lock);
    --live;
    SetEvent(workerGone.Get());
}

void TGetFiles::Shared::Deliver(const std::function<void(const GetFilesEvents&)>& call) const {
    const std::shared_lock hold(delivery);
    if (mainThread != nullptr)
        mainThread->Run([this, &call] { call(events); });
}

} // namespace cobwen
