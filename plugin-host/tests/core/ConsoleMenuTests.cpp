#include "plugin-host/standin/core/ConsoleMenu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

MenuItem Item(const char* text, bool selected = false, bool separator = false) {
    MenuItem item{};
    std::snprintf(item.Text, sizeof item.Text, "%s", text);
    item.Selected = selected;
    item.Separator = separator;
    return item;
}

MenuShown FourItems(std::uint32_t flags) {
    MenuShown menu;
    menu.x = menu.y = -1;
    menu.flags = flags;
    menu.title = "Options";
    menu.bottom = "Esc";
    menu.breakKeys = {MakeBreakKey(vk::F4, 0), MakeBreakKey(vk::Delete, KeyShift)};
    menu.items = {Item("&Alpha"), Item("Beta", true), Item("", false, true), Item("Gamma")};
    return menu;
}

KeyPress Key(int key, unsigned state = 0) {
    return KeyPress{key, state, 0};
}

TEST(ConsoleMenu, KeysMoveChooseCancelAndBreak) {
    struct Case {
        const char* what;
        std::uint32_t flags;
        std::vector<KeyPress> keys;
        ConsoleMenu::State state;
        int current;
        MenuAnswer answer;
    };
    auto const open = ConsoleMenu::State::Open;
    const Case cases[] = {
        {"starts on the selected item", 0, {}, open, 1, {-1, -1}},
        {"down skips the separator", 0, {Key(vk::Down)}, open, 3, {-1, -1}},
        {"no wrap at the end", 0, {Key(vk::Down), Key(vk::Down)}, open, 3, {-1, -1}},
        {"wraps to the first", MenuWrapMode, {Key(vk::Down), Key(vk::Down)}, open, 0, {-1, -1}},
        {"wraps to the last", MenuWrapMode, {Key(vk::Up), Key(vk::Up)}, open, 3, {-1, -1}},
        {"no wrap at the start", 0, {Key(vk::Up), Key(vk::Up)}, open, 0, {-1, -1}},
        {"home and end", 0, {Key(vk::End), Key(vk::Home)}, open, 0, {-1, -1}},
        {"enter chooses",
         0,
         {Key(vk::End), Key(vk::Return)},
         ConsoleMenu::State::Chosen,
         3,
         {3, -1}},
        {"escape cancels",
         0,
         {Key(vk::Down), Key(vk::Escape)},
         ConsoleMenu::State::Cancelled,
         3,
         {-1, -1}},
        {"F10 cancels", 0, {Key(vk::F10)}, ConsoleMenu::State::Cancelled, 1, {-1, -1}},
        {"break key with its modifier",
         0,
         {Key(vk::Delete, KeyShift)},
         ConsoleMenu::State::Broken,
         1,
         {1, 1}},
        {"same key without the modifier is no break key", 0, {Key(vk::Delete)}, open, 1, {-1, -1}},
        {"another modifier is no break key", 0, {Key(vk::F4, KeyCtrl)}, open, 1, {-1, -1}},
        {"plain break key", 0, {Key(vk::Up), Key(vk::F4)}, ConsoleMenu::State::Broken, 0, {0, 0}},
        {"the hot key chooses", 0, {KeyPress{'A', 0, 'a'}}, ConsoleMenu::State::Chosen, 0, {0, -1}},
        {"in either case",
         0,
         {KeyPress{'A', KeyShift, 'A'}},
         ConsoleMenu::State::Chosen,
         0,
         {0, -1}},
        {"a letter without '&' is no hot key", 0, {KeyPress{'G', 0, 'g'}}, open, 1, {-1, -1}},
        {"keys after closing change nothing",
         0,
         {Key(vk::Return), Key(vk::Up)},
         ConsoleMenu::State::Chosen,
         1,
         {1, -1}},
    };
    for (auto const& c : cases) {
        ConsoleMenu menu(FourItems(c.flags), 80, 25);
        for (auto const& key : c.keys)
            menu.Key(key);
        EXPECT_EQ(menu.GetState(), c.state) << c.what;
        EXPECT_EQ(menu.Current(), c.current) << c.what;
        EXPECT_EQ(menu.Answer().item, c.answer.item) << c.what;
        EXPECT_EQ(menu.Answer().breakCode, c.answer.breakCode) << c.what;
    }
}

TEST(ConsoleMenu, DrawsACentredFrameWithTitleItemsAndCursor) {
    ConsoleMenu menu(FourItems(0), 80, 25);
    VirtualScreen screen;
    menu.Draw(screen);
    // Widest text "Options" + 2, plus frame and margins: 13 wide, 6 high, centred.
    EXPECT_EQ(menu.Right() - menu.Left() + 1, 13);
    EXPECT_EQ(menu.Left(), (80 - 13) / 2);
    EXPECT_EQ(menu.Top(), (25 - 6) / 2);
    int const x = menu.Left(), y = menu.Top();
    EXPECT_EQ(screen.TextAt(x, y, 13), "\xC9\xCD Options \xCD\xBB");
    EXPECT_EQ(screen.TextAt(x + 1, y + 1, 6), " Alpha") << "hot-key marks are not shown";
    EXPECT_EQ(screen.AttrAt(x + 2, y + 1), 0x30);
    EXPECT_EQ(screen.TextAt(x + 1, y + 2, 5), " Beta");
    EXPECT_EQ(screen.AttrAt(x + 2, y + 2), 0x0F) << "the cursor's row";
    EXPECT_EQ(screen.CharAt(x, y + 3), '\xC7') << "separator joins the frame";
    EXPECT_EQ(screen.CharAt(x + 1, y + 3), '\xC4');
    EXPECT_EQ(screen.TextAt(x + 4, y + 5, 5), " Esc ");
}

TEST(ConsoleMenu, LongMenusScrollWithTheCursor) {
    MenuShown menu;
    menu.x = 2;
    menu.y = 1;
    menu.maxHeight = 3;
    for (int i = 0; i < 10; ++i)
        menu.items.push_back(Item(("Item " + std::to_string(i)).c_str()));
    menu.items[5].Checked = 1;
    ConsoleMenu widget(menu, 80, 25);
    EXPECT_EQ(widget.Bottom() - widget.Top() + 1, 5);
    for (int i = 0; i < 5; ++i)
        widget.Key(Key(vk::Down));
    VirtualScreen screen;
    widget.Draw(screen);
    EXPECT_EQ(screen.TextAt(3, 2, 7), " Item 3");
    EXPECT_EQ(screen.TextAt(3, 4, 7), "\xFBItem 5") << "checked, on the last row";
    EXPECT_EQ(screen.AttrAt(4, 4), 0x0F);
}

} // namespace
