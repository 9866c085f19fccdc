#pragma once

#include <functional>
#include <windows.h>

namespace cobwen {

// Runs calls of other threads on the thread that created it, through that thread's message loop:
// a hidden message-only window receives each call as a sent message, so the caller waits until
// the call has run. The creating thread must pump messages (any GetMessage or PeekMessage loop
// does, and so does a modal dialog).
class MainThreadCall {
public:
    MainThreadCall();
    MainThreadCall(const MainThreadCall&) = delete;
    MainThreadCall& operator=(const MainThreadCall&) = delete;
    ~MainThreadCall();

    // Runs `call` on the creating thread and returns when it has run; on the creating thread
    // itself it runs at once. An exception of the call ends there. False when the window is
    // missing and the call did not run.
    bool Run(const std::function<void()>& call) const;

    // Processes the messages sent to the calling thread without taking posted ones.
    static void ProcessSentMessages();

private:
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};

} // namespace cobwen
