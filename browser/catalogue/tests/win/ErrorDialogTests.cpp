#include "browser/catalogue/win/ErrorDialog.h"

#include "tools/testsupport/win/WindowProbe.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <windows.h>

namespace cobwen {
namespace {

constexpr wchar_t Caption[] = L"Ошибка";

TEST(ErrorMessageBox, ShowsCodePage1251TextUnderTheErrorCaption) {
    if (!testsupport::CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    // "Файл не найден: C:\тест" in code page 1251.
    const std::string message =
        "\xD4\xE0\xE9\xEB \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED: C:\\\xF2\xE5\xF1\xF2";
    std::thread shower([&message] {
        ErrorMessageBox box;
        box.Show(message);
    });
    const HWND window = testsupport::WaitForWindow(Caption);
    std::vector<std::wstring> texts;
    if (window) {
        texts = testsupport::ChildTexts(window);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    shower.join();
    ASSERT_NE(window, nullptr) << "no message box captioned \"Ошибка\" appeared";
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Файл не найден: C:\\тест"), texts.end());
}

} // namespace
} // namespace cobwen
