#include "plugin-host/standin/core/VirtualScreen.h"

#include <gtest/gtest.h>

#include <string>

using namespace ulvar::standin;
using namespace std::string_literals;

namespace {

TEST(VirtualScreen, SizeIsAtLeastEightyByTwentyFive) {
    VirtualScreen small(40, 10);
    EXPECT_EQ(small.Width(), 80);
    EXPECT_EQ(small.Height(), 25);
    VirtualScreen tall(100, 50);
    EXPECT_EQ(tall.Width(), 100);
    EXPECT_EQ(tall.Height(), 50);
    EXPECT_EQ(tall.Row(49), std::string(100, ' '));
}

TEST(VirtualScreen, WritesAreClippedToTheScreen) {
    struct Case {
        const char* what;
        int x, y;
        std::string text;
        int row;
        std::string expectedStart; // of that row
        std::string expectedEnd;
    };
    const Case cases[] = {
        {"inside", 2, 1, "abc", 1, "  abc ", " "},
        {"left of the screen", -2, 0, "abcd", 0, "cd  ", " "},
        {"past the right edge", 78, 0, "abcd", 0, "  ", "ab"},
        {"far left", -100, 0, "abc", 0, "    ", " "},
        {"stops at a zero byte", 0, 0, "ab\0cd"s, 0, "ab  ", " "},
    };
    for (auto const& c : cases) {
        VirtualScreen screen;
        screen.Write(c.x, c.y, 0x1F, c.text);
        auto const row = screen.Row(c.row);
        EXPECT_EQ(row.substr(0, c.expectedStart.size()), c.expectedStart) << c.what;
        EXPECT_EQ(row.substr(80 - c.expectedEnd.size()), c.expectedEnd) << c.what;
    }
    VirtualScreen screen;
    screen.Write(0, -1, 7, "above");
    screen.Write(0, 25, 7, "below");
    for (int y = 0; y < 25; ++y)
        EXPECT_EQ(screen.Row(y), std::string(80, ' '));
}

TEST(VirtualScreen, CellsKeepCharacterAndColour) {
    VirtualScreen screen;
    screen.Text(5, 3, 0x17E, "\xdb\xdb");
    EXPECT_EQ(screen.CharAt(5, 3), '\xdb');
    EXPECT_EQ(screen.AttrAt(6, 3), 0x7E) << "only the low byte is the attribute";
    EXPECT_EQ(screen.AttrAt(7, 3), 0x07);
    EXPECT_EQ(screen.TextAt(4, 3, 4), " \xdb\xdb ");
    EXPECT_EQ(screen.At(-1, 0).attr, 0) << "outside the screen";
    EXPECT_EQ(screen.TextAt(78, 0, 4), "    ");
}

TEST(VirtualScreen, NullTextFlushesWithoutWriting) {
    VirtualScreen screen;
    screen.Text(0, 0, 7, "x");
    screen.Text(0, 0, 7, nullptr);
    screen.Text(1, 1, 7, nullptr);
    EXPECT_EQ(screen.FlushCount(), 2);
    EXPECT_EQ(screen.CharAt(0, 0), 'x');
    EXPECT_EQ(screen.CharAt(1, 1), ' ');
}

TEST(VirtualScreen, RestoreBringsBackTheSavedAreaOnly) {
    VirtualScreen screen;
    screen.Write(0, 2, 0x1E, "0123456789");
    void* saved = screen.Save(2, 1, 5, 2);
    ASSERT_NE(saved, nullptr);
    screen.Fill(0, 0, 79, 24, '#', 0x40);
    EXPECT_TRUE(screen.Restore(saved));
    EXPECT_EQ(screen.TextAt(0, 2, 8), "##2345##");
    EXPECT_EQ(screen.AttrAt(3, 2), 0x1E);
    EXPECT_EQ(screen.TextAt(2, 1, 4), "    ");
    EXPECT_EQ(screen.SavedCount(), 0);
    EXPECT_FALSE(screen.Restore(saved)) << "a handle is freed by its restore";
}

TEST(VirtualScreen, WholeScreenSavesNestAndRestoreInAnyOrder) {
    VirtualScreen screen(80, 50);
    screen.Write(0, 49, 7, "bottom");
    void* whole = screen.Save(-1, -1, -1, -1);
    screen.Write(0, 49, 7, "middle");
    void* part = screen.Save(0, 49, 10, 60); // clipped to the screen
    screen.Write(0, 49, 7, "top   ");
    EXPECT_EQ(screen.SavedCount(), 2);
    EXPECT_TRUE(screen.Restore(whole));
    EXPECT_EQ(screen.TextAt(0, 49, 6), "bottom");
    EXPECT_TRUE(screen.Restore(part));
    EXPECT_EQ(screen.TextAt(0, 49, 6), "middle");
    EXPECT_EQ(screen.SavedCount(), 0);
}

TEST(VirtualScreen, RestoreOfNullOrAForeignHandleChangesNothing) {
    VirtualScreen screen;
    screen.Write(0, 0, 7, "keep");
    int foreign = 0;
    EXPECT_FALSE(screen.Restore(nullptr));
    EXPECT_FALSE(screen.Restore(&foreign));
    EXPECT_EQ(screen.TextAt(0, 0, 4), "keep");
}

} // namespace
