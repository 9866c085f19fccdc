#include "plugin-host/standin/core/ConsoleMessage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

MessageShown Sample(std::uint32_t flags = 0) {
    MessageShown m;
    m.flags = flags;
    m.lines = {"Delete", "Delete the file", "readme.txt?"};
    m.buttons = {"&Yes", "No", "Cancel"};
    return m;
}

KeyPress Key(int key, unsigned state = 0) {
    return KeyPress{key, state, 0};
}

TEST(ConsoleMessage, ButtonsAreChosenWithArrowsAndEnter) {
    struct Case {
        const char* what;
        std::vector<KeyPress> keys;
        bool closed;
        int result;
        int current;
    };
    const Case cases[] = {
        {"enter on the first", {Key(vk::Return)}, true, 0, 0},
        {"right then enter", {Key(vk::Right), Key(vk::Return)}, true, 1, 1},
        {"left wraps to the last", {Key(vk::Left), Key(vk::Space)}, true, 2, 2},
        {"tab and shift+tab", {Key(vk::Tab), Key(vk::Tab), Key(vk::Tab, KeyShift)}, false, -1, 1},
        {"right wraps to the first",
         {Key(vk::Right), Key(vk::Right), Key(vk::Right)},
         false,
         -1,
         0},
        {"escape cancels", {Key(vk::Right), Key(vk::Escape)}, true, -1, 1},
        {"other keys do nothing", {Key('A'), Key(vk::Down)}, false, -1, 0},
    };
    for (auto const& c : cases) {
        ConsoleMessage message(Sample(), 80, 25);
        for (auto const& key : c.keys)
            message.Key(key);
        EXPECT_EQ(message.GetState() == ConsoleMessage::State::Closed, c.closed) << c.what;
        EXPECT_EQ(message.Result(), c.result) << c.what;
        EXPECT_EQ(message.Current(), c.current) << c.what;
    }
}

TEST(ConsoleMessage, WithoutButtonsItIsClosedAtOnce) {
    auto m = Sample();
    m.buttons.clear();
    ConsoleMessage message(m, 80, 25);
    EXPECT_EQ(message.GetState(), ConsoleMessage::State::Closed);
    EXPECT_EQ(message.Result(), -1);
    EXPECT_EQ(message.Bottom() - message.Top() + 1, 4) << "frame and two lines";
}

TEST(ConsoleMessage, DrawsTitleCentredLinesAndButtons) {
    ConsoleMessage message(Sample(MessageWarning), 80, 25);
    message.Key(Key(vk::Right));
    VirtualScreen screen;
    message.Draw(screen);
    // Widest: the button row " Yes " " No " " Cancel " with blanks between (19), plus 6.
    int const width = 25, height = 6;
    int const left = (80 - width) / 2, top = (25 - height) / 2;
    ASSERT_EQ(message.Left(), left);
    ASSERT_EQ(message.Top(), top);
    EXPECT_EQ(screen.TextAt(left + 8, top, 8), " Delete ");
    EXPECT_EQ(screen.TextAt(left + 5, top + 1, 15), "Delete the file");
    EXPECT_EQ(screen.TextAt(left + 7, top + 2, 11), "readme.txt?");
    EXPECT_EQ(screen.AttrAt(left + 7, top + 2), 0x4F) << "warning colours";
    EXPECT_EQ(screen.CharAt(left, top + 3), '\xC7');
    EXPECT_EQ(screen.TextAt(left + 3, top + 4, 19), " Yes   No   Cancel ");
    EXPECT_EQ(screen.AttrAt(left + 9, top + 4), 0x70) << "the focused button";
    EXPECT_EQ(screen.AttrAt(left + 3, top + 4), 0x4F);
}

} // namespace
