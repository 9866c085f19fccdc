#include "browser/catalogue/win/Clipboard.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <windows.h>

namespace cobwen {
namespace {

// The clipboard opened for reading; other programs (the display's clipboard bridge) may hold it
// for a moment, so opening is retried for a while.
class OpenedClipboard {
public:
    OpenedClipboard() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!(open_ = OpenClipboard(nullptr) != FALSE) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }

    bool Open() const { return open_; }

    std::optional<std::string> Text() const {
        const HANDLE data = GetClipboardData(CF_TEXT);
        const auto* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
        if (!text)
            return std::nullopt;
        std::string result(text, strnlen(text, GlobalSize(data)));
        GlobalUnlock(data);
        return result;
    }

    std::optional<std::wstring> UnicodeText() const {
        const HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
        if (!text)
            return std::nullopt;
        std::wstring result(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
        return result;
    }

    std::optional<LCID> Locale() const {
        const HANDLE data = GetClipboardData(CF_LOCALE);
        const auto* locale = data ? static_cast<const LCID*>(GlobalLock(data)) : nullptr;
        if (!locale)
            return std::nullopt;
        const LCID result = *locale;
        GlobalUnlock(data);
        return result;
    }

private:
    bool open_ = false;
};

bool RussianLayoutInstalled() {
    HKL layouts[64] = {};
    const int count = GetKeyboardLayoutList(64, layouts);
    for (int i = 0; i < count; ++i) {
        if (LOWORD(reinterpret_cast<std::uintptr_t>(layouts[i])) == 0x419)
            return true;
    }
    return false;
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        const OpenedClipboard clipboard;
        if (!clipboard.Open())
            GTEST_SKIP() << "the clipboard cannot be opened in this session";
    }
};

TEST_F(ClipboardTest, RussianLocaleCopyKeepsTheBytesAndTheLayout) {
    const HKL before = GetKeyboardLayout(0);
    // "Привет, мир! Ёж" in code page 1251, and an empty text.
    for (const std::string& text :
         {std::string("\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xA8\xE6"), std::string()}) {
        ASSERT_TRUE(CopyTextRussianLocale(text));
        EXPECT_EQ(GetKeyboardLayout(0), before);
        const OpenedClipboard clipboard;
        ASSERT_TRUE(clipboard.Open());
        EXPECT_EQ(clipboard.Text(), text);
    }
}

TEST_F(ClipboardTest, RussianLocaleCopyIsMarkedRussian) {
    if (!RussianLayoutInstalled())
        GTEST_SKIP() << "no Russian keyboard layout is installed";
    ASSERT_TRUE(CopyTextRussianLocale("\xA8\xEB\xEA\xE0 1")); // "Ёлка 1"
    const OpenedClipboard clipboard;
    ASSERT_TRUE(clipboard.Open());
    EXPECT_EQ(clipboard.Locale(), std::optional<LCID>(0x419));
    // Programs that read Unicode get the Cyrillic letters, whatever the ANSI code page.
    EXPECT_EQ(clipboard.UnicodeText(), std::optional<std::wstring>(L"Ёлка 1"));
}

// The browser's texts are code page 1251 on any system: a Western one (ANSI code page 1252) also
// gets the Cyrillic letters as Unicode, not the bytes taken for Western letters.
TEST_F(ClipboardTest, UnicodeCopyIsReadAsCodePage1251AlsoOutsideTheAnsiCodePage) {
    const struct {
        std::string text;
        std::wstring expected;
    } cases[] = {
        {"\xA8\xE6 \xE8 \xB8\xEB\xEA\xE0, \xAB\xF2\xE5\xF1\xF2\xBB", L"Ёж и ёлка, «тест»"},
        {"plain ASCII", L"plain ASCII"},
        {"", L""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CopyTextUnicode(c.text));
        const OpenedClipboard clipboard;
        ASSERT_TRUE(clipboard.Open());
        EXPECT_EQ(clipboard.UnicodeText(), std::optional<std::wstring>(c.expected)) << c.text;
        // The system offers the 8-bit form of Unicode text by itself, in its ANSI code page.
        if (GetACP() == 1251) {
            EXPECT_EQ(clipboard.Text(), std::optional<std::string>(c.text)) << c.text;
        }
    }
}

} // namespace
} // namespace cobwen
