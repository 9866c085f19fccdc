#include "tools/testsupport/win/WindowProbe.h"

#include <chrono>
#include <thread>

namespace testsupport {
namespace {

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
    return TRUE;
}

} // namespace

bool CanCreateWindows() {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

HWND WaitForWindow(const wchar_t* caption) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND window = FindWindowW(nullptr, caption);
        DWORD process = 0;
        if (window && GetWindowThreadProcessId(window, &process) &&
            process == GetCurrentProcessId())
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

} // namespace testsupport
