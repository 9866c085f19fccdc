// The value picker as a window: typing narrows the list, Enter picks by the source position,
// Esc cancels, and it opens below its drop-down.
#include "browser/app/main/tests/win/PickerScript.h"
#include "browser/app/main/win/ValuePicker.h"
#include "browser/catalogue/win/SystemLocale.h"
#include "tools/testsupport/win/Input.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cobwen {
namespace {

class ValuePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
        dropDown_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                    10, 10, 150, 200, owner_, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    std::optional<int> Run(const std::function<void(HWND)>& script, int start = 0) {
        test::ScriptPicker(script);
        return RunValuePicker(owner_, dropDown_, values_, start, locale_);
    }

    SystemTextLocale locale_;
    std::vector<std::wstring> values_{L"Editor", L"Games", L"Utils", L"Архиваторы"};
    HWND owner_ = nullptr;
    HWND dropDown_ = nullptr;
};

TEST_F(ValuePickerTest, TypingNarrowsAndEnterPicksTheSourcePosition) {
    EXPECT_EQ(Run([](HWND) {
                  test::TypeText(L"ti");
                  test::PressKey(VK_RETURN);
              }),
              std::optional<int>(2));
    // Case does not matter, Cyrillic included.
    EXPECT_EQ(Run([](HWND) {
                  test::TypeText(L"АРХ");
                  test::PressKey(VK_RETURN);
              }),
              std::optional<int>(3));
}

TEST_F(ValuePickerTest, StartsOnTheDropDownsValueAndMovesWithTheArrows) {
    EXPECT_EQ(Run(
                  [](HWND) {
                      test::PressKey(VK_DOWN);
                      test::PressKey(VK_RETURN);
                  },
                  1),
              std::optional<int>(2));
}

TEST_F(ValuePickerTest, NothingMatchingOrEscapeChangesNothing) {
    EXPECT_EQ(Run([](HWND) {
                  test::TypeText(L"zzz");
                  test::PressKey(VK_RETURN); // nothing selected: the picker stays open
                  test::PressKey(VK_ESCAPE);
              }),
              std::nullopt);
}

TEST_F(ValuePickerTest, F10PicksLikeEnterAsTheSystemSendsIt) {
    UINT_PTR guard = 0;
    const std::optional<int> picked = Run([&](HWND picker) {
        test::TypeText(L"ti");
        testsupport::BringToFront(picker);
        testsupport::PressKeys({VK_F10});
        // A picker that ignores the key is closed as cancelled after a while.
        guard = SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) {
            if (HWND open = FindWindowW(L"TCobwenFilterDialog", nullptr))
                PostMessageW(open, WM_CLOSE, 0, 0);
        });
    });
    KillTimer(nullptr, guard);
    EXPECT_EQ(picked, std::optional<int>(2));
}

TEST_F(ValuePickerTest, OpensBelowItsDropDown) {
    Run([](HWND) { test::PressKey(VK_ESCAPE); });
    const RECT picker = test::ScriptedPickerRect();
    RECT box{};
    GetWindowRect(dropDown_, &box);
    EXPECT_EQ(picker.left, box.left);
    EXPECT_EQ(picker.top, box.bottom);
    EXPECT_EQ(picker.right - picker.left, 342);
    EXPECT_EQ(picker.bottom - picker.top, 208);
}

} // namespace
} // namespace cobwen
