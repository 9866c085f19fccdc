#include "browser/app/settings/win/MessageBoxSavePrompt.h"

#include "browser/app/settings/tests/core/SettingsSamples.h"
#include "tools/testsupport/win/WindowProbe.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <windows.h>

namespace cobwen {
namespace {

struct Shown {
    bool appeared = false;
    std::vector<std::wstring> texts;
};

// Runs `show` on a thread of its own, waits for its message box, reads the box's texts and
// closes it with `button`.
Shown ShowAndAnswer(const std::function<void()>& show, const wchar_t* caption, WPARAM button) {
    std::thread shower(show);
    Shown shown;
    if (const HWND window = testsupport::WaitForWindow(caption)) {
        shown.appeared = true;
        shown.texts = testsupport::ChildTexts(window);
        PostMessageW(window, WM_COMMAND, button, 0);
    }
    shower.join();
    return shown;
}

bool Holds(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const std::string Message = test::Cp("Невозможно записать данные в файл C:\\тест\\cobwen.ini.");
const std::wstring WideMessage = L"Невозможно записать данные в файл C:\\тест\\cobwen.ini.";

TEST(MessageBoxSavePrompt, AsksTheRetryQuestionAsAWarningWithYesAndNo) {
    if (!testsupport::CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    for (const WPARAM button : {IDYES, IDNO}) {
        bool answer = button != IDYES;
        const Shown shown =
            ShowAndAnswer([&answer] { answer = MessageBoxSavePrompt().AskRetry(Message); },
                          L"Предупреждение", button);
        ASSERT_TRUE(shown.appeared) << "no message box captioned \"Предупреждение\" appeared";
        EXPECT_TRUE(Holds(shown.texts, WideMessage));
        EXPECT_EQ(answer, button == IDYES);
    }
}

TEST(MessageBoxSavePrompt, ShowsTheFailureAsAnError) {
    if (!testsupport::CanCreateWindows())
        GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    const Shown shown =
        ShowAndAnswer([] { MessageBoxSavePrompt().ShowError(Message); }, L"Ошибка", IDOK);
    ASSERT_TRUE(shown.appeared) << "no message box captioned \"Ошибка\" appeared";
    EXPECT_TRUE(Holds(shown.texts, WideMessage));
}

} // namespace
} // namespace cobwen
