#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <windows.h>

namespace cobwen {

// Runs calls of other threads on the thread that created it, through that thread's message loop,
// and makes the caller wait until its call has run.
//
// A call waits in a queue; a message posted to a hidden message-only window wakes the creating
// thread, whose window procedure then runs the waiting calls. Any loop that dispatches messages
// does (GetMessage or PeekMessage loops, modal dialogs and message boxes). After a call the
// creating thread keeps listening for the next one for a moment before it returns to its loop, so
// a worker reporting in quick succession is served without a message per call; the loop still
// gets its turn after every listening spell. The waits on both sides are address waits, which cost
// far less than kernel events, sent messages or message-queue wake-ups.
class MainThreadCall {
public:
    MainThreadCall();
    MainThreadCall(const MainThreadCall&) = delete;
    MainThreadCall& operator=(const MainThreadCall&) = delete;
    ~MainThreadCall();

    // Runs `call` on the creating thread and returns when it has run; on the creating thread
    // itself it runs at once. An exception of the call ends there. False when the call did not
    // run (no window, or its message could not be posted).
    bool Run(const std::function<void()>& call) const;

    // On the creating thread: runs the calls waiting now, without waiting for more.
    void RunPending() const;

private:
    struct Request;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs waiting calls; with `listen`, also the ones that come while it keeps listening.
    void Serve(bool listen) const;
    static void Finish(Request& request, long state);

    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    mutable std::deque<Request*> waiting_;
    // The creating thread waits in Serve for the next call: a new call wakes it through `signal_`.
    mutable bool listening_ = false;
    // A wake-up message is on its way: a new call needs no message of its own.
    mutable bool posted_ = false;
    mutable std::atomic<LONG> signal_{0};
};

} // namespace cobwen
