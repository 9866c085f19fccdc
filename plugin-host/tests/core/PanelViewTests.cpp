#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/PanelView.h"
#include "plugin-host/tests/core/FakePlugin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

TEST(PanelView, ColumnsShareTheFreeWidth) {
    struct Case {
        const char* types;
        const char* widths;
        int width;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"N", "0", 78, {78}},
        {"N,S,C0", "0,6,8", 78, {62, 6, 8}},
        {"N,C0", "0,0", 79, {39, 39}},
        {"N,S", "", 20, {9, 10}},
        {"C0,C1", "50,50", 60, {50, 9}}, // too wide: cut from the right
        {"", "", 10, {10}},
        {"N, C0, C1, C2", "5, 0, 0, 11", 40, {5, 10, 11, 11}},
    };
    for (auto const& c : cases) {
        auto const columns = LayoutColumns(c.types, c.widths, nullptr, c.width);
        std::vector<int> widths;
        for (auto const& column : columns)
            widths.push_back(column.width);
        EXPECT_EQ(widths, c.expected) << c.types << " / " << c.widths;
    }
    std::vector<std::string> const titles{"File"};
    auto const titled = LayoutColumns("N,S", "0,5", &titles, 40);
    EXPECT_EQ(titled[0].title, "File");
    EXPECT_EQ(titled[1].title, "Size") << "a titles array shorter than the columns";
    EXPECT_EQ(LayoutColumns("N,S,Z", "", nullptr, 40)[2].title, "Description");
    auto const spaced = LayoutColumns("N, C0, Z", "", nullptr, 40);
    EXPECT_EQ(spaced[1].type, "C0") << "blanks after the commas are not part of the type";
    EXPECT_EQ(spaced[2].title, "Description");
}

TEST(PanelView, ColumnTexts) {
    const char* const custom[] = {"first", nullptr};
    PanelItem item = MakePanelItem("a.txt", 0, 1234);
    item.CustomColumnData = custom;
    item.CustomColumnNumber = 2;
    item.Description = "about a";
    EXPECT_EQ(ColumnText(item, "N"), "a.txt");
    EXPECT_EQ(ColumnText(item, "NR"), "a.txt") << "the name with a modifier";
    EXPECT_EQ(ColumnText(item, "S"), "1234");
    EXPECT_EQ(ColumnText(item, "C0"), "first");
    EXPECT_EQ(ColumnText(item, "C1"), "") << "null text";
    EXPECT_EQ(ColumnText(item, "C2"), "") << "beyond CustomColumnNumber";
    EXPECT_EQ(ColumnText(item, "Z"), "about a");
    EXPECT_EQ(ColumnText(item, "O"), "");
    EXPECT_EQ(ColumnText(MakePanelItem("dir", AttributeDirectory), "S"), "Folder");
}

TEST(PanelView, DrawsColumnsCursorSelectionAndKeyBar) {
    fake::Reset();
    fake::S().startPanelMode = '3'; // N,S,C0 with titles Name, Size, Kind; widths 0,6,8
    {
        PluginPanel panel(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        panel.SetCursor(panel.Find("beta.txt"));
        panel.Select(panel.Find("delta.txt"), true);
        VirtualScreen screen(80, 25);
        DrawPanel(screen, panel);

        EXPECT_EQ(screen.TextAt(37, 0, 6), " Fake ");
        EXPECT_EQ(screen.TextAt(1, 1, 4), "Name");
        EXPECT_EQ(screen.TextAt(64, 1, 4), "Size");
        EXPECT_EQ(screen.TextAt(71, 1, 4), "Kind");
        // Rows from 2: "..", Alpha, beta.txt, delta.txt, gamma.log.
        EXPECT_EQ(screen.TextAt(1, 2, 2), "..");
        EXPECT_EQ(screen.TextAt(1, 4, 8), "beta.txt");
        EXPECT_EQ(screen.CharAt(63, 4), '\xB3');
        EXPECT_EQ(screen.TextAt(64, 4, 6), "    20");
        EXPECT_EQ(screen.TextAt(71, 4, 4), "text");
        EXPECT_EQ(screen.TextAt(64, 3, 6), "Folder");
        EXPECT_EQ(screen.AttrAt(1, 4), 0x30) << "cursor";
        EXPECT_EQ(screen.AttrAt(1, 5), 0x1E) << "selected";
        EXPECT_EQ(screen.AttrAt(1, 6), 0x1B);
        EXPECT_EQ(screen.TextAt(1, 22, 12), "beta.txt  20") << "status line";
        EXPECT_NE(screen.Row(23).find(" 1 selected "), std::string::npos);
        // Key bar: 8 columns a key; the plug-in set F7 and blanked F8, F3 is the host's.
        EXPECT_EQ(screen.TextAt(16, 24, 5), "3View");
        EXPECT_EQ(screen.TextAt(48, 24, 7), "7MkLink");
        EXPECT_EQ(screen.TextAt(56, 24, 8), "8       ");
        EXPECT_EQ(screen.TextAt(72, 24, 6), "10Quit");
    }
    fake::Reset();
}

TEST(PanelView, TwoPanelsSideBySideTheCursorOnlyOnTheActiveOne) {
    fake::Reset();
    {
        PluginPanel panel(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        FilePanel files;
        files.items = {MakePanelItem("..", AttributeDirectory), MakePanelItem("one.txt", 0, 7),
                       MakePanelItem("two.txt", 0, 9)};
        files.items[2].Flags |= ItemSelected;
        files.current = 1;
        VirtualScreen screen(80, 25);
        auto const& english = TextsFor("en");
        DrawPanel(screen, panel, SideArea(80, 0, true), english);
        DrawFilePanel(screen, files, "C:\\Work", SideArea(80, 1, false), english);
        DrawKeyBar(screen, &panel.Description(), PanelDescription::Ctrl, english);

        EXPECT_EQ(screen.CharAt(39, 5), '\xBA') << "the left frame ends at the middle";
        EXPECT_EQ(screen.CharAt(40, 5), '\xBA') << "the right one starts there";
        EXPECT_NE(screen.Row(0).find(" C:\\Work "), std::string::npos);
        EXPECT_EQ(screen.TextAt(41, 3, 7), "one.txt");
        EXPECT_EQ(screen.AttrAt(41, 3), 0x1B) << "no cursor on the passive panel";
        EXPECT_EQ(screen.AttrAt(41, 4), 0x1E) << "its selection shows";
        EXPECT_EQ(screen.TextAt(41, 22, 10), "one.txt  7");
        EXPECT_NE(screen.Row(23).find(" 1 selected "), std::string::npos);
        EXPECT_EQ(screen.TextAt(16, 24, 5), "3Name") << "the Ctrl row: sort by name";
        EXPECT_EQ(screen.TextAt(48, 24, 7), "7Unsort");

        // Alone, a panel takes the whole width; in Russian the host's texts are Russian.
        VirtualScreen alone(80, 25);
        auto const& russian = TextsFor("ru");
        DrawFilePanel(alone, files, "C:\\Work", SideArea(80, 1, true, true), russian);
        DrawKeyBar(alone, nullptr, PanelDescription::Plain, russian);
        EXPECT_EQ(alone.CharAt(0, 5), '\xBA');
        EXPECT_EQ(alone.AttrAt(1, 3), 0x30) << "the cursor of the active panel";
        EXPECT_NE(alone.Row(23).find(" 1 \xa2\xeb\xa1\xe0\xa0\xad\xae "), std::string::npos);
        EXPECT_EQ(alone.TextAt(72, 24, 7), "10\x82\xeb\xe5\xae\xa4");
        EXPECT_EQ(alone.TextAt(1, 1, 3), "\x88\xac\xef");
    }
    fake::Reset();
}

TEST(PanelView, AFullScreenModeIsTold) {
    fake::Reset();
    {
        PluginPanel panel(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        struct Case {
            int mode;
            bool full;
        };
        for (auto const c : {Case{3, false}, Case{5, true}, Case{0, false}}) {
            panel.SetViewMode(c.mode);
            EXPECT_EQ(WantsFullScreen(panel), c.full) << c.mode;
        }
    }
    fake::Reset();
}

} // namespace
