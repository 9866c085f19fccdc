#include "win32/WindowClass.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK First(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_USER ? 1 : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Second(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_USER ? 2 : DefWindowProcW(window, message, wParam, lParam);
}

// A second registration of a name finds the first one and leaves it as it was: the windows of
// that class keep the first procedure and look.
TEST(WindowClass, TheFirstRegistrationStays) {
    ASSERT_TRUE(win32::RegisterWindowClassOnce(L"OnceTestWindow", First));
    ASSERT_TRUE(win32::RegisterWindowClassOnce(L"OnceTestWindow", Second,
                                               {nullptr, nullptr, false, false}));
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof(registered);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"OnceTestWindow", &registered));
    EXPECT_EQ(registered.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_NE(registered.hCursor, nullptr);
    HWND window = CreateWindowExW(0, L"OnceTestWindow", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 1);
    EXPECT_TRUE(DestroyWindow(window));
}

TEST(WindowClass, ABareClassHasNoCursorAndNoBackground) {
    ASSERT_TRUE(win32::RegisterWindowClassOnce(L"BareTestWindow", Second,
                                               {nullptr, nullptr, false, false}));
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof(registered);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"BareTestWindow", &registered));
    EXPECT_EQ(registered.hbrBackground, nullptr);
    EXPECT_EQ(registered.hCursor, nullptr);
    EXPECT_EQ(registered.lpfnWndProc, Second);
}

} // namespace
