#include "win32/SystemError.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace win32 {
namespace {

constexpr unsigned long UndefinedError = 0x2FFFFFFF;

// The system's own text for an error, as FormatMessageA gives it, with its line break cut off.
std::string FormatMessageText(DWORD error) {
    char buffer[1024] = {};
    DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       LANG_USER_DEFAULT, buffer, sizeof buffer, nullptr);
    while (length > 0 &&
           (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' || buffer[length - 1] == ' '))
        --length;
    return std::string(buffer, length);
}

TEST(SystemMessageText, IsTheSystemsTextWithoutLineBreak) {
    for (const DWORD error : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED}) {
        const std::string text = SystemMessageText(error);
        EXPECT_FALSE(text.empty()) << error;
        EXPECT_EQ(text, FormatMessageText(error)) << error;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << error;
    }
    EXPECT_EQ(SystemMessageText(UndefinedError), "");
}

TEST(SystemMessageText, IsRussianOnARussianSystem) {
    if (GetUserDefaultUILanguage() != 0x419 || GetACP() != 1251)
        GTEST_SKIP() << "the user's language is not Russian with code page 1251";
    // "Файл не найден." is how the system describes a missing file.
    const std::string text = SystemMessageText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_GE(static_cast<unsigned char>(text.front()), 0xC0) << text;
}

} // namespace
} // namespace win32
