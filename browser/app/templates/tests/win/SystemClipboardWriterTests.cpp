#include "browser/app/templates/win/SystemClipboardWriter.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/templates/tests/core/FakeList.h"
#include "browser/app/templates/tests/core/SampleRecord.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <windows.h>

namespace cobwen {
namespace {

// The clipboard's content in one format; nothing when it cannot be opened or holds none. Another
// program may hold the clipboard for a moment, so opening is retried.
template <typename Char> std::optional<std::basic_string<Char>> ClipboardText(UINT format) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!OpenClipboard(nullptr)) {
        if (std::chrono::steady_clock::now() > deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::optional<std::basic_string<Char>> result;
    if (const HANDLE data = GetClipboardData(format)) {
        if (const auto* text = static_cast<const Char*>(GlobalLock(data))) {
            const std::size_t capacity = GlobalSize(data) / sizeof(Char);
            std::size_t length = 0;
            while (length < capacity && text[length] != 0)
                ++length;
            result.emplace(text, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

class CopyToClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OpenClipboard(nullptr))
            GTEST_SKIP() << "the clipboard cannot be opened in this session";
        CloseClipboard();
        for (const char* name : {"\xC0\xE2\xF2\xEE", "Beta"}) { // "Авто"
            TCobwenData record = test::SampleRecord();
            record.Name = name;
            list_.rows.push_back(record);
        }
        list_.selected = {1, 0};
        list_.focused = 0;
    }

    BuiltinRussianLocale locale_;
    test::FakeList list_;
};

TEST_F(CopyToClipboardTest, RussianLocaleWriterPutsTheBytes) {
    SystemClipboardWriter writer(false);
    CopyPluginInfo(list_, {"%Name (%Ver)", true}, locale_, writer);
    EXPECT_EQ(ClipboardText<char>(CF_TEXT),
              std::optional<std::string>("Beta (1.2)\r\xC0\xE2\xF2\xEE (1.2)"));

    CopyPluginInfo(list_, {"%Name", false}, locale_, writer);
    EXPECT_EQ(ClipboardText<char>(CF_TEXT), std::optional<std::string>("\xC0\xE2\xF2\xEE"));
}

TEST_F(CopyToClipboardTest, OtherCopyPutsUnicodeText) {
    if (GetACP() != 1251)
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1251";
    SystemClipboardWriter writer(true);
    CopyPluginInfo(list_, {"%Name: %Category", true}, locale_, writer);
    EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT),
              std::optional<std::wstring>(L"Beta: Система\rАвто: Система"));
}

TEST_F(CopyToClipboardTest, NoSelectionLeavesTheClipboardAlone) {
    SystemClipboardWriter writer(false);
    ASSERT_TRUE(writer.Write("kept"));
    list_.selected.clear();
    CopyPluginInfo(list_, {"%Name", true}, locale_, writer);
    EXPECT_EQ(ClipboardText<char>(CF_TEXT), std::optional<std::string>("kept"));
}

} // namespace
} // namespace cobwen
