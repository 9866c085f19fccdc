#include "catalogue/win/ErrorDialog.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <windows.h>

namespace cobwen {
namespace {

constexpr wchar_t kCaption[] = L"Ошибка";

// Waits for a top-level window with the caption that belongs to this process.
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

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
    return TRUE;
}

bool CanCreateWindows() {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

TEST(ErrorMessageBox, ShowsCodePage1251TextUnderTheErrorCaption) {
    if (!CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    // "Файл не найден: C:\тест" in code page 1251.
    const std::string message =
        "\xD4\xE0\xE9\xEB \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED: C:\\\xF2\xE5\xF1\xF2";
    std::thread shower([&message] {
        ErrorMessageBox box;
        box.Show(message);
    });
    const HWND window = WaitForWindow(kCaption);
    std::vector<std::wstring> texts;
    if (window) {
        EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    shower.join();
    ASSERT_NE(window, nullptr) << "no message box captioned \"Ошибка\" appeared";
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Файл не найден: C:\\тест"), texts.end());
}

} // namespace
} // namespace cobwen
