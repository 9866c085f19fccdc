#include "browser/catalogue/win/SystemError.h"

#include "browser/catalogue/tests/win/RecordingDialog.h"
#include "win32/SystemError.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

constexpr unsigned long UndefinedError = 0x2FFFFFFF;

TEST(SystemErrorMessage, FillsTheFormatInTheRequestedOrder) {
    const std::string notFound = win32::SystemMessageText(ERROR_FILE_NOT_FOUND);
    const std::string denied = win32::SystemMessageText(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(notFound.empty());
    ASSERT_FALSE(denied.empty());
    const struct {
        const char* format;
        const char* text;
        bool textFirst;
        unsigned long error;
        std::optional<std::string> expected;
    } cases[] = {
        {"%s: %s", "C:\\data", true, ERROR_FILE_NOT_FOUND, "C:\\data: " + notFound},
        {"%s: %s", "C:\\data", false, ERROR_FILE_NOT_FOUND, notFound + ": C:\\data"},
        {"[%s] (%s)", "x", false, ERROR_ACCESS_DENIED, "[" + denied + "] (x)"},
        {"100%% %s %s", "x", true, ERROR_ACCESS_DENIED, "100% x " + denied},
        // No system message: only the text-first form is shown, trimmed.
        {"  %s: %s  ", "C:\\data", true, UndefinedError, "C:\\data:"},
        {"%s %s", "text", true, UndefinedError, "text"},
        {"%s: %s", "C:\\data", false, UndefinedError, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SystemErrorMessage(c.format, c.text, c.textFirst, c.error), c.expected)
            << c.format << " / " << c.error << " / " << c.textFirst;
}

TEST(ShowSystemError, ShowsTheMessageForTheLastError) {
    test::RecordingDialog dialog;
    SetLastError(ERROR_ACCESS_DENIED);
    ShowSystemError("%s - %s", "D:\\downloads", false, dialog);
    SetLastError(UndefinedError);
    ShowSystemError("%s - %s", "D:\\downloads", true, dialog);
    SetLastError(UndefinedError);
    ShowSystemError("%s - %s", "D:\\downloads", false, dialog);

    const std::vector<std::string> expected{
        win32::SystemMessageText(ERROR_ACCESS_DENIED) + " - D:\\downloads", "D:\\downloads -"};
    EXPECT_EQ(dialog.shown, expected);
}

} // namespace
} // namespace cobwen
