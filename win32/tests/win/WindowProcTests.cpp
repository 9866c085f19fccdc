#include "win32/WindowProc.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace win32 {
namespace {

constexpr UINT Throw = WM_APP;          // the body throws
constexpr UINT ThrowTwice = WM_APP + 1; // the body and the failure handler throw

struct Target {
    int handled = 0;
    std::string failure;
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Target* target = WindowObject<Target>(window, message, lParam);
    return GuardedMessage(
        [&]() -> LRESULT {
            if (target && message == Throw)
                throw std::runtime_error("body failed");
            if (target && message == ThrowTwice)
                throw 42;
            if (target && message == WM_USER)
                return ++target->handled;
            return DefWindowProcW(window, message, wParam, lParam);
        },
        [&](const char* what) -> LRESULT {
            if (message == ThrowTwice)
                throw std::runtime_error("report failed");
            target->failure = what;
            return -7;
        });
}

TEST(WindowProc, AFailureCostsItsMessageOnly) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"GuardedTestWindow";
    RegisterClassExW(&windowClass);
    Target target;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                  nullptr, windowClass.hInstance, &target);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 1);
    EXPECT_EQ(SendMessageW(window, Throw, 0, 0), -7);
    EXPECT_EQ(target.failure, "body failed");
    // A handler that fails too leaves the message with 0, and nothing escapes.
    EXPECT_EQ(SendMessageW(window, ThrowTwice, 0, 0), 0);
    // The window still works.
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 2);
    EXPECT_TRUE(DestroyWindow(window));
}

} // namespace
} // namespace win32
