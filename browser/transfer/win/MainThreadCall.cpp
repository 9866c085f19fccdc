#include "browser/transfer/win/MainThreadCall.h"

#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

namespace cobwen {

namespace {

constexpr wchar_t ClassName[] = L"CobwenMainThreadCall";
constexpr UINT WakeMessage = WM_APP + 0x2C0;

constexpr long Waiting = 0;
constexpr long Ran = 1;
constexpr long Dropped = 2;

// Each side spins briefly before it sleeps on the address: a call that comes back at once is
// served without a sleep, while longer spins cost more than they save once other programs compete
// for the processors (both threads then rarely run at the same time).
constexpr LONGLONG SpinMicroseconds = 10;
// How long the creating thread waits for a next call before it returns to its loop, and how long
// one listening spell may last at most.
constexpr DWORD IdleMs = 2;
constexpr ULONGLONG SpellMs = 20;

LONGLONG Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LONGLONG SpinTicks() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart * SpinMicroseconds / 1000000;
}

bool SpinUntilChanged(const std::atomic<LONG>& value, LONG seen) {
    static const LONGLONG spin = SpinTicks();
    const LONGLONG end = Ticks() + spin;
    for (;;) {
        for (int i = 0; i < 64; ++i) {
            if (value.load(std::memory_order_acquire) != seen)
                return true;
            YieldProcessor();
        }
        if (Ticks() >= end)
            return value.load(std::memory_order_acquire) != seen;
    }
}

// Sleeps while `value` holds `seen`, at most `ms`; the other side wakes it with WakeAddress.
void WaitWhile(std::atomic<LONG>& value, LONG seen, DWORD ms) {
    WaitOnAddress(&value, &seen, sizeof seen, ms);
}

void WakeAddress(std::atomic<LONG>& value) {
    WakeByAddressSingle(&value);
}

class Locked {
public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK& lock_;
};

} // namespace

struct MainThreadCall::Request {
    const std::function<void()>* call;
    std::atomic<LONG> state{Waiting};
};

MainThreadCall::MainThreadCall() : threadId_(GetCurrentThreadId()) {
    // A second queue finds the class registered already.
    win32::RegisterWindowClassOnce(ClassName, WindowProc, {nullptr, nullptr, false, false});
    window_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ != nullptr)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MainThreadCall::~MainThreadCall() {
    RunPending();
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK MainThreadCall::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message != WakeMessage)
        return DefWindowProcW(window, message, wParam, lParam);
    return win32::GuardedMessage(
        [&]() -> LRESULT {
            const auto* self =
                reinterpret_cast<const MainThreadCall*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self != nullptr) {
                {
                    const Locked guard(self->lock_);
                    self->posted_ = false;
                }
                self->Serve(true);
            }
            return 0;
        },
        [](const char* what) -> LRESULT {
            win32::LastResort(what);
            return 0;
        });
}

bool MainThreadCall::Run(const std::function<void()>& call) const {
    if (GetCurrentThreadId() == threadId_) {
        try {
            call();
        } catch (...) {
        }
        return true;
    }
    if (window_ == nullptr)
        return false;

    Request request{&call};
    bool wake = false;
    bool post = false;
    {
        const Locked guard(lock_);
        waiting_.push_back(&request);
        if (listening_) {
            signal_.fetch_add(1, std::memory_order_release);
            wake = true;
        } else if (!posted_) {
            posted_ = true;
            post = true;
        }
    }
    if (wake)
        WakeAddress(signal_);
    if (post && !PostMessageW(window_, WakeMessage, 0, 0)) {
        // Nothing will wake the creating thread for the calls waiting now: none of them runs.
        std::deque<Request*> dropped;
        {
            const Locked guard(lock_);
            posted_ = false;
            dropped.swap(waiting_);
        }
        for (Request* waiting : dropped)
            Finish(*waiting, Dropped);
    }

    if (!SpinUntilChanged(request.state, Waiting)) {
        while (request.state.load(std::memory_order_acquire) == Waiting)
            WaitWhile(request.state, Waiting, INFINITE);
    }
    return request.state.load(std::memory_order_acquire) == Ran;
}

void MainThreadCall::RunPending() const {
    Serve(false);
}

void MainThreadCall::Serve(bool listen) const {
    const ULONGLONG end = GetTickCount64() + SpellMs;
    bool mayRepost = true;
    for (;;) {
        Request* request = nullptr;
        bool repost = false;
        bool wakeOthers = false;
        LONG seen = 0;
        {
            const Locked guard(lock_);
            if (!waiting_.empty()) {
                if (listen && mayRepost && GetTickCount64() >= end) {
                    // The loop gets its turn; a message brings the thread back for these calls.
                    if (posted_)
                        return;
                    posted_ = true;
                    repost = true;
                } else {
                    request = waiting_.front();
                    waiting_.pop_front();
                    // The call may run a loop of its own (a dialog, a message box): the calls
                    // behind it need a message that reaches that loop.
                    if (!waiting_.empty() && !posted_) {
                        posted_ = true;
                        wakeOthers = true;
                    }
                }
            } else if (!listen || GetTickCount64() >= end) {
                return;
            } else {
                listening_ = true;
                seen = signal_.load(std::memory_order_relaxed);
            }
        }
        if (repost) {
            if (!PostMessageW(window_, WakeMessage, 0, 0)) {
                // No message can come back for them: this spell serves them after all.
                const Locked guard(lock_);
                posted_ = false;
                mayRepost = false;
                continue;
            }
            return;
        }
        if (wakeOthers && !PostMessageW(window_, WakeMessage, 0, 0)) {
            // They are served here once the call has returned.
            const Locked guard(lock_);
            posted_ = false;
        }
        if (request != nullptr) {
            try {
                (*request->call)();
            } catch (...) {
                // A handler's failure belongs to this thread; the worker goes on.
            }
            Finish(*request, Ran);
            continue;
        }

        // Listening: a worker that calls from now on finds listening_ set and bumps signal_.
        if (!SpinUntilChanged(signal_, seen))
            WaitWhile(signal_, seen, IdleMs);
        {
            const Locked guard(lock_);
            listening_ = false;
            if (waiting_.empty())
                return;
        }
    }
}

void MainThreadCall::Finish(Request& request, long state) {
    // The waiting thread may return and drop the request as soon as it sees the new state; the
    // wake-up only uses the address as a key.
    request.state.store(state, std::memory_order_release);
    WakeAddress(request.state);
}

} // namespace cobwen
