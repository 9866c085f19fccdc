#include "browser/transfer/win/GetFileThread.h"

#include "browser/catalogue/core/BrowserMessages.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/Error.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "browser/transfer/core/HostPort.h"
#include "browser/transfer/core/TargetName.h"
#include "browser/transfer/core/TransferText.h"
#include "browser/transfer/win/WinInetText.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <cstdlib>
#include <thread>
#include <utility>

namespace cobwen {

namespace {

constexpr char Agent[] = "Kesh-Cobwen";
constexpr DWORD RequestFlags = INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION;
constexpr DWORD Block = 1024;
// Sends of one request, the first included, before a dialog that keeps asking for a retry is
// taken as giving up.
constexpr int MaxSends = 16;

// A WinInet call failed after the terminate request: the worker runs out without a message.
struct QuietEnd {};

constexpr int NoSlot = 0;
constexpr int HoldingSlot = 1;
constexpr int SlotGivenBack = 2;

// Paths are the system's own UTF-16 names; the target name is the browser's code page 1251 text.
std::wstring WorkerTargetPath(const std::filesystem::path& destFolder, const std::string& name) {
    std::wstring path = destFolder.native();
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path + win32::ToWide(name, BrowserCodePage);
}

// Everything before the last separator; empty when there is none.
std::wstring FolderOfPath(const std::wstring& path) {
    const auto at = path.find_last_of(L"\\/");
    return at == std::wstring::npos ? std::wstring() : path.substr(0, at);
}

// A path in a message: code page 1251, as every text of the browser.
std::string MessagePath(const std::wstring& path) {
    return win32::FromWide(path, BrowserCodePage);
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates the folder and its missing parents.
bool ForceFolders(const std::wstring& folder) {
    if (folder.empty() || IsFolder(folder))
        return true;
    const std::wstring parent = FolderOfPath(folder);
    if (!parent.empty() && parent != folder && parent.back() != L':' && !ForceFolders(parent))
        return false;
    return CreateDirectoryW(folder.c_str(), nullptr) || IsFolder(folder);
}

} // namespace

void TGetFileThread::Start(const std::string& url, const std::shared_ptr<TGetFiles::Shared>& queue,
                           const std::string& semaphoreName, const std::string& fileName) {
    auto* worker = new TGetFileThread(url, queue, semaphoreName, fileName);
    {
        const std::lock_guard guard(queue->lock);
        queue->workers.push_back(worker);
        ++queue->live;
    }
    std::thread([worker] {
        try {
            worker->Execute();
        } catch (...) {
        }
        delete worker;
    }).detach();
}

TGetFileThread::TGetFileThread(const std::string& url, std::shared_ptr<TGetFiles::Shared> queue,
                               const std::string& semaphoreName, const std::string& fileName)
    : queue_(std::move(queue)), url_(url), fileName_(fileName) {
    // Without the semaphore the transfer runs unlimited.
    slot_.Reset(OpenSemaphoreA(SYNCHRONIZE | SEMAPHORE_MODIFY_STATE, FALSE, semaphoreName.c_str()));
}

bool TGetFileThread::WaitForSlot() {
    if (!slot_.Valid())
        return true;
    // Only the queue's destruction cuts the wait short; a stop waits for the slot as well.
    const HANDLE handles[] = {slot_.Get(), queue_->abandoned.Get()};
    const DWORD result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (result == WAIT_OBJECT_0) {
        slotState_ = HoldingSlot;
        return true;
    }
    return false;
}

void TGetFileThread::ReleaseSlot() {
    int holding = HoldingSlot;
    if (slotState_.compare_exchange_strong(holding, SlotGivenBack))
        ReleaseSemaphore(slot_.Get(), 1, nullptr);
}

void TGetFileThread::GiveUpSlot() {
    ReleaseSlot();
}

void TGetFileThread::Execute() {
    const bool holding = WaitForSlot();
    if (holding && !terminated_) {
        queue_->Deliver([this](const GetFilesEvents& events) {
            if (events.OnStart)
                events.OnStart(url_);
        });
        if (!terminated_) {
            const TGetFiles::WorkerSettings settings = queue_->Settings();
            try {
                Transfer(settings, WorkerTargetPath(settings.DestFolder, fileName_));
            } catch (...) {
                failed_ = true;
            }
        }
    }
    queue_->RemoveWorker(this);
    if (!terminated_) {
        const bool failed = failed_;
        queue_->Deliver([this, failed](const GetFilesEvents& events) {
            if (events.OnDone)
                events.OnDone(failed, url_);
        });
    }
    ReleaseSlot();
    queue_->WorkerGone();
}

void TGetFileThread::Check(bool succeeded) const {
    if (succeeded)
        return;
    const DWORD code = GetLastError();
    if (terminated_)
        throw QuietEnd{};
    throw CobwenError(SystemFailureText(WinInetMessage(code), code));
}

void TGetFileThread::Fail(const std::string& text) {
    errorText_ = text;
    failed_ = true;
    queue_->Deliver([this](const GetFilesEvents& events) {
        if (events.OnError)
            events.OnError(errorText_);
    });
}

void TGetFileThread::Transfer(const TGetFiles::WorkerSettings& settings, const std::wstring& path) {
    const TProxySettings& proxy = settings.Proxy;
    DWORD access = INTERNET_OPEN_TYPE_PROXY;
    const char* proxyName = proxy.ProxyHost.c_str();
    const char* bypass = "";
    if (proxy.ProxyAccess == ProxyAccessMode::Direct)
        access = INTERNET_OPEN_TYPE_DIRECT;
    else if (proxy.ProxyAccess == ProxyAccessMode::System)
        access = INTERNET_OPEN_TYPE_PRECONFIG;
    if (access != INTERNET_OPEN_TYPE_PROXY) {
        proxyName = nullptr;
        bypass = nullptr;
    }
    const bool credentials = access == INTERNET_OPEN_TYPE_PROXY && proxy.ProxyAuthRequired;
    const std::string user = credentials ? proxy.ProxyUserName : std::string();
    const std::string password = credentials ? proxy.ProxyPassword : std::string();

    if (InternetAttemptConnect(0) != ERROR_SUCCESS) {
        failed_ = true;
        return;
    }
    try {
        const win32::InternetHandle root(InternetOpenA(Agent, access, proxyName, bypass, 0));
        Check(root.Valid());
        const UrlParts parts = SplitUrl(url_);
        // Port 80 unless the URL names another, as a local site on a free port does.
        const HostPort server = SplitHostPort(parts.host);
        const win32::InternetHandle connection(
            InternetConnectA(root.Get(), server.Host.c_str(), server.Port, user.c_str(),
                             password.c_str(), INTERNET_SERVICE_HTTP, 0, 0));
        Check(connection.Valid());

        // Nothing is written outside the destination folder.
        if (!IsTargetNameInside(fileName_)) {
            Fail(FillMessage(BrowserMessageText(IDS_CANNOT_CREATE_FILE), MessagePath(path)));
            return;
        }
        if (IsFile(path)) {
            failed_ = true;
            bool overwrite = true;
            const std::string question =
                FillMessage(BrowserMessageText(IDS_OVERWRITE_QUERY), fileName_);
            queue_->Deliver([&question, &overwrite](const GetFilesEvents& events) {
                if (events.OnOverwriteQuery)
                    events.OnOverwriteQuery(question, overwrite);
            });
            failed_ = false;
            // A stop or the queue's end during the question: the existing file stays untouched.
            if (!overwrite || terminated_)
                return;
        }
        const std::wstring folder = FolderOfPath(path);
        if (!ForceFolders(folder)) {
            Fail(FillMessage(BrowserMessageText(IDS_CANNOT_CREATE_FOLDER), MessagePath(folder)));
            return;
        }
        win32::KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            Fail(FillMessage(BrowserMessageText(IDS_CANNOT_CREATE_FILE), MessagePath(path)));
            return;
        }

        bool succeeded = false;
        try {
            if (!user.empty()) {
                Check(InternetSetOptionA(connection.Get(), INTERNET_OPTION_PROXY_USERNAME,
                                         const_cast<char*>(user.c_str()),
                                         static_cast<DWORD>(user.size())));
                Check(InternetSetOptionA(connection.Get(), INTERNET_OPTION_PROXY_PASSWORD,
                                         const_cast<char*>(password.c_str()),
                                         static_cast<DWORD>(password.size())));
            }
            succeeded = Request(connection.Get(), parts.object, file.Get(), *settings.Dialog);
        } catch (...) {
            file.Reset();
            DeleteFileW(path.c_str());
            throw;
        }
        file.Reset();
        if (!succeeded || terminated_)
            DeleteFileW(path.c_str());
        if (!succeeded)
            failed_ = true;
    } catch (const CobwenError& error) {
        Fail(ConnectionErrorText(error.what()));
    } catch (const QuietEnd&) {
        failed_ = true;
    }
}

void TGetFileThread::Abort() {
    terminated_ = true;
    const std::lock_guard guard(requestLock_);
    aborted_ = true;
    if (openRequest_ != nullptr)
        InternetCloseHandle(std::exchange(openRequest_, nullptr));
}

bool TGetFileThread::Request(HINTERNET connection, const std::string& object, HANDLE file,
                             RequestDialog& dialog) {
    win32::InternetHandle request(HttpOpenRequestA(connection, "GET", object.c_str(), nullptr,
                                                   nullptr, nullptr, RequestFlags, 0));
    Check(request.Valid());
    // Shares the request with Abort while it is in use; a request Abort closed is not closed again.
    struct Shared {
        TGetFileThread& worker;
        win32::InternetHandle& request;
        Shared(TGetFileThread& owner, win32::InternetHandle& handle)
            : worker(owner), request(handle) {
            const std::lock_guard guard(worker.requestLock_);
            if (worker.aborted_)
                throw QuietEnd{};
            worker.openRequest_ = request.Get();
        }
        Shared(const Shared&) = delete;
        Shared& operator=(const Shared&) = delete;
        ~Shared() {
            const std::lock_guard guard(worker.requestLock_);
            if (worker.openRequest_ == nullptr)
                request.Release();
            worker.openRequest_ = nullptr;
        }
    } shared(*this, request);

    DWORD error = ERROR_SUCCESS;
    for (int send = 1; !terminated_; ++send) {
        SetLastError(ERROR_SUCCESS);
        Check(HttpSendRequestA(request.Get(), nullptr, 0, nullptr, 0));
        error = GetLastError();
        const DWORD answer = dialog.Run(request.Get(), error);
        if (answer == ERROR_SUCCESS)
            break;
        if (answer == ERROR_CANCELLED || send == MaxSends)
            return false;
    }
    if (error != ERROR_SUCCESS || terminated_)
        return false;

    // An error page is not the file that was asked for.
    DWORD status = 0;
    DWORD length = sizeof status;
    Check(HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                         &length, nullptr));
    if (IsFailureStatus(status)) {
        char reason[256] = {};
        DWORD reasonLength = sizeof reason - 1;
        if (!HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_TEXT, reason, &reasonLength, nullptr))
            reasonLength = 0;
        throw CobwenError(HttpStatusText(status, std::string(reason, reasonLength)));
    }

    char block[Block];
    DWORD count = 0;
    unsigned long long received = 0;
    do {
        // A block read right after asking what is available costs a fraction of a block read on
        // its own under Wine's WinInet (about 16 against 280 microseconds a block, measured).
        DWORD available = 0;
        Check(InternetQueryDataAvailable(request.Get(), &available, 0, 0));
        Check(InternetReadFile(request.Get(), block, Block, &count));
        DWORD written = 0;
        if (!WriteFile(file, block, count, &written, nullptr) || written != count) {
            const DWORD code = GetLastError();
            throw CobwenError(SystemFailureText(WinInetMessage(code), code));
        }
        received += count;
        blockSize_ = static_cast<std::int32_t>(count);
        const std::int32_t size = blockSize_;
        queue_->Deliver([size](const GetFilesEvents& events) {
            if (events.OnProgress)
                events.OnProgress(size);
        });
    } while (count == Block && !terminated_);
    if (terminated_)
        return false;

    // A connection that closes early ends the body like a complete one; only the length the
    // server announced tells them apart.
    char announced[32] = {};
    DWORD announcedLength = sizeof announced - 1;
    if (HttpQueryInfoA(request.Get(), HTTP_QUERY_CONTENT_LENGTH, announced, &announcedLength,
                       nullptr)) {
        const unsigned long long expected = std::strtoull(announced, nullptr, 10);
        if (received < expected)
            throw CobwenError(ShortBodyText(received, expected));
    }
    return true;
}

} // namespace cobwen
