#include "transfer/win/MainThreadCall.h"

namespace cobwen {

namespace {

constexpr wchar_t kClassName[] = L"CobwenMainThreadCall";
constexpr UINT kCallMessage = WM_APP + 0x2C0;

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallMessage) {
        try {
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
        } catch (...) {
            // An event handler's failure belongs to its own thread; the worker goes on.
        }
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

MainThreadCall::MainThreadCall() : threadId_(GetCurrentThreadId()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = CallWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    // A second queue finds the class registered already.
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

MainThreadCall::~MainThreadCall() {
    if (window_ != nullptr)
        DestroyWindow(window_);
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
    return SendMessageW(window_, kCallMessage, 0, reinterpret_cast<LPARAM>(&call)) != 0;
}

void MainThreadCall::ProcessSentMessages() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

} // namespace cobwen
