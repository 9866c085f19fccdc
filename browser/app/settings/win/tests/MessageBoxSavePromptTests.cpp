#include "app/settings/win/MessageBoxSavePrompt.h"

#include "SettingsSamples.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <windows.h>

namespace cobwen {
namespace {

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
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
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

struct Shown {
    bool appeared = false;
    std::vector<std::wstring> texts;
};

// Runs `show` on a thread of its own, waits for its message box, reads the box's texts and
// closes it with `button`.
Shown ShowAndAnswer(const std::function<void()>& show, const wchar_t* caption, WPARAM button) {
    std::thread shower(show);
    Shown shown;
    if (const HWND window = WaitForWindow(caption)) {
        shown.appeared = true;
        EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&shown.texts));
        PostMessageW(window, WM_COMMAND, button, 0);
    }
    shower.join();
    return shown;
}

bool Holds(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const std::string kMessage = test::Cp("Невозможно записать данные в файл C:\\тест\\cobwen.ini.");
const std::wstring kWideMessage = L"Невозможно записать данные в файл C:\\тест\\cobwen.ini.";

TEST(MessageBoxSavePrompt, AsksTheRetryQuestionAsAWarningWithYesAndNo) {
    if (!CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    for (const WPARAM button : {IDYES, IDNO}) {
        bool answer = button != IDYES;
        const Shown shown =
            ShowAndAnswer([&answer] { answer = MessageBoxSavePrompt().AskRetry(kMessage); },
                          L"Предупреждение", button);
        ASSERT_TRUE(shown.appeared) << "no message box captioned \"Предупреждение\" appeared";
        EXPECT_TRUE(Holds(shown.texts, kWideMessage));
        EXPECT_EQ(answer, button == IDYES);
    }
}

TEST(MessageBoxSavePrompt, ShowsTheFailureAsAnError) {
    if (!CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    const Shown shown =
        ShowAndAnswer([] { MessageBoxSavePrompt().ShowError(kMessage); }, L"Ошибка", IDOK);
    ASSERT_TRUE(shown.appeared) << "no message box captioned \"Ошибка\" appeared";
    EXPECT_TRUE(Holds(shown.texts, kWideMessage));
}

} // namespace
} // namespace cobwen
