// The texts cobwen.exe carries in its string table against the texts the transfer code writes.
#include "tools/testsupport/ScratchFolder.h"

#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/BrowserMessages.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/transfer/core/TransferText.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

// cobwen.exe beside the test program, opened for its resources only.
class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring path =
            win32::ToWide(testsupport::ProgramFolder() + "\\cobwen.exe", win32::AnsiCodePage);
        module_ = LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cobwen.exe beside the tests: " << GetLastError();
    }
    void TearDown() override {
        if (module_)
            FreeLibrary(module_);
    }

    std::wstring Text(unsigned number) const {
        const wchar_t* text = nullptr;
        const int length = LoadStringW(module_, number, reinterpret_cast<wchar_t*>(&text), 0);
        return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length))
                                  : std::wstring();
    }

    HMODULE module_ = nullptr;
};

// Every message of the table is in the program with its text, and the program has no other.
TEST_F(ProgramResources, StringTableIsTheBrowsersMessageTable) {
    for (const BrowserMessage& message : BrowserMessages)
        EXPECT_EQ(Text(message.Number), win32::ToWide(message.Utf8, CP_UTF8)) << message.Number;
    for (unsigned number = 65184; number <= 65231; ++number) {
        if (Text(number).empty())
            continue;
        EXPECT_FALSE(BrowserMessageText(number).empty()) << number << " is not in the table";
    }
}

TEST_F(ProgramResources, ShortBodyTextIsANumberedMessageOfTheProgram) {
    const std::wstring format = Text(65221);
    ASSERT_FALSE(format.empty()) << "no message 65221 in cobwen.exe";
    EXPECT_EQ(win32::ToWide(ShortBodyText(5, 10), BrowserCodePage),
              FormatText(format, {L"5", L"10"}));
}

} // namespace
} // namespace cobwen
