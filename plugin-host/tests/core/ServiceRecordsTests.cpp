#include "plugin-host/standin/core/ServiceRecords.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

using Texts = std::vector<std::string>;

TEST(MessageShown, SplitsLinesButtonsAndTheErrorLine) {
    const char* const items[] = {"Title", "line 1", "line 2", "Yes", "No"};
    struct Case {
        const char* what;
        std::uint32_t flags;
        int count;
        int buttons;
        std::optional<std::string> error;
        Texts lines;
        Texts buttonTexts;
    };
    const Case cases[] = {
        {"own buttons", 0, 5, 2, std::nullopt, {"Title", "line 1", "line 2"}, {"Yes", "No"}},
        {"no buttons", 0, 3, 0, std::nullopt, {"Title", "line 1", "line 2"}, {}},
        {"more buttons than items", 0, 2, 5, std::nullopt, {}, {"Title", "line 1"}},
        {"ready-made row: every item is a line",
         MessageOkCancel,
         3,
         2,
         std::nullopt,
         {"Title", "line 1", "line 2"},
         {"OK", "Cancel"}},
        {"error line after the lines",
         MessageErrorLine,
         5,
         2,
         "Access denied.",
         {"Title", "line 1", "line 2", "Access denied."},
         {"Yes", "No"}},
        {"error text without the flag", 0, 3, 0, "ignored", {"Title", "line 1", "line 2"}, {}},
        {"negative count", 0, -1, 0, std::nullopt, {}, {}},
    };
    for (auto const& c : cases) {
        auto const shown = MakeMessageShown(c.flags, "Help", items, c.count, c.buttons, c.error);
        EXPECT_EQ(shown.lines, c.lines) << c.what;
        EXPECT_EQ(shown.buttons, c.buttonTexts) << c.what;
        EXPECT_EQ(shown.flags, c.flags);
        EXPECT_EQ(shown.helpTopic, "Help");
    }
    EXPECT_TRUE(MakeMessageShown(0, nullptr, nullptr, 3, 1, std::nullopt).lines.empty());
}

TEST(MessageShown, ReadyMadeRows) {
    EXPECT_EQ(ReadyMadeButtons(MessageYesNo, TextsFor("ru")), (Texts{"\x84\xa0", "\x8d\xa5\xe2"}))
        << "the host's language, in code page 866";
    EXPECT_EQ(ReadyMadeButtons(MessageOk), Texts{"OK"});
    EXPECT_EQ(ReadyMadeButtons(MessageAbortRetryIgnore), (Texts{"Abort", "Retry", "Ignore"}));
    EXPECT_EQ(ReadyMadeButtons(MessageYesNoCancel | MessageWarning),
              (Texts{"Yes", "No", "Cancel"}));
    EXPECT_EQ(ReadyMadeButtons(MessageRetryCancel), (Texts{"Retry", "Cancel"}));
    EXPECT_TRUE(ReadyMadeButtons(MessageWarning).empty());
}

TEST(MenuShown, BreakKeysEndAtZeroAndNullTextsAreEmpty) {
    MenuItem items[2] = {};
    items[1].Checked = 1;
    int const keys[] = {MakeBreakKey(0x73, 0), MakeBreakKey(0x2E, KeyShift), 0, 99};
    auto const menu =
        MakeMenuShown(-1, 4, 10, MenuWrapMode, nullptr, "bottom", nullptr, keys, items, 2);
    EXPECT_EQ(menu.breakKeys, (std::vector<int>{0x73, 0x2E | (KeyShift << 16)}));
    EXPECT_EQ(menu.title, "");
    EXPECT_EQ(menu.bottom, "bottom");
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_TRUE(menu.items[1].Checked);
    EXPECT_EQ(menu.x, -1);
    EXPECT_EQ(menu.maxHeight, 10);
    EXPECT_TRUE(MakeMenuShown(0, 0, 0, 0, "t", "", "", nullptr, nullptr, 5).items.empty());
}

TEST(DialogShown, CopiesTheItems) {
    DialogItem items[2] = {};
    items[1].Type = DialogEdit;
    auto const dialog = MakeDialogShown(-1, -1, 70, 8, "Help", items, 2);
    ASSERT_EQ(dialog.items.size(), 2u);
    EXPECT_EQ(dialog.items[1].Type, DialogEdit);
    EXPECT_EQ(dialog.x2, 70);
    EXPECT_EQ(dialog.helpTopic, "Help");
}

} // namespace
