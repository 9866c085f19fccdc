#include "plugins/services/core/MappingEditor.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

constexpr std::uint8_t Disabled = 4, Manual = 3, Running = 0, Paused = 1;

std::string Msg(int number) {
    return "m" + std::to_string(number);
}

} // namespace

TEST(MappingEditor, AnAnyMappingAddedAfterASpecificOneStaysBehindIt) {
    std::vector<AttrMapping> list = {{Disabled, Running, 0}};
    const std::size_t at = PlaceMapping(list, 1, true, {Any, Running, 0x2});
    EXPECT_EQ(at, 1u);
    EXPECT_EQ(list, (std::vector<AttrMapping>{{Disabled, Running, 0}, {Any, Running, 0x2}}));

    // Inserted in front, it moves down behind the specific mapping.
    std::vector<AttrMapping> front = {{Disabled, Running, 0}};
    EXPECT_EQ(PlaceMapping(front, 0, true, {Any, Running, 0x2}), 1u);
    EXPECT_EQ(front[0], (AttrMapping{Disabled, Running, 0}));
}

TEST(MappingEditor, TheSameStartTypeAndStatusReplaceTheOldMapping) {
    std::vector<AttrMapping> list = {{Disabled, Running, 0}, {Disabled, Any, 0x2}};
    const std::size_t at = PlaceMapping(list, 2, true, {Disabled, Running, 0x1});
    EXPECT_EQ(list, (std::vector<AttrMapping>{{Disabled, Running, 0x1}, {Disabled, Any, 0x2}}));
    EXPECT_EQ(at, 0u);
}

TEST(MappingEditor, AnEditedMappingMovesToItsPlace) {
    std::vector<AttrMapping> list = {
        {Disabled, Running, 0}, {Manual, Any, 0x1}, {Any, Paused, 0x2}, {Any, Any, 0x4}};
    // The any-for-both mapping made specific moves up past both partial ones.
    EXPECT_EQ(PlaceMapping(list, 3, false, {Manual, Paused, 0x20}), 1u);
    EXPECT_EQ(list, (std::vector<AttrMapping>{{Disabled, Running, 0},
                                              {Manual, Paused, 0x20},
                                              {Manual, Any, 0x1},
                                              {Any, Paused, 0x2}}));
    // The first one made any-for-both moves to the end.
    EXPECT_EQ(PlaceMapping(list, 0, false, {Any, Any, 0}), 3u);
    EXPECT_EQ(list.back(), (AttrMapping{Any, Any, 0}));
    EXPECT_EQ(list[0], (AttrMapping{Manual, Paused, 0x20}));
    // An edit that keeps the same start type and status keeps its place and is not removed.
    EXPECT_EQ(PlaceMapping(list, 1, false, {Manual, Any, 0x800}), 1u);
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].attributes, 0x800);
}

TEST(MappingEditor, RemovingKeepsThePositionAndMovesUpFromTheLast) {
    std::vector<AttrMapping> list = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}};
    EXPECT_EQ(RemoveMapping(list, 1), 1u);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(RemoveMapping(list, 1), 0u);
    EXPECT_EQ(RemoveMapping(list, 0), 0u);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(RemoveMapping(list, 0), 0u);
}

TEST(MappingEditor, TheDialogNeedsAStartTypeAndAStatus) {
    DialogLayout fresh = MappingDialog(nullptr, Msg);
    ASSERT_EQ(fresh.items.size(), 23u);
    for (const ulvar::DialogItem& item : fresh.items)
        EXPECT_EQ(item.Selected, 0);
    EXPECT_FALSE(MappingFromDialog(mapdlg::Confirm, fresh.items));
    fresh.items[mapdlg::FirstStartup + 5].Selected = 1; // disabled
    EXPECT_FALSE(MappingFromDialog(mapdlg::Confirm, fresh.items));
    fresh.items[mapdlg::FirstStatus].Selected = 1; // any
    fresh.items[mapdlg::FirstAttribute + 1].Selected = 1;
    fresh.items[mapdlg::FirstAttribute + 4].Selected = 1;
    EXPECT_EQ(MappingFromDialog(mapdlg::Confirm, fresh.items), (AttrMapping{Disabled, Any, 0x802}));
    EXPECT_FALSE(MappingFromDialog(mapdlg::Cancel, fresh.items));
    EXPECT_FALSE(MappingFromDialog(-1, fresh.items));

    const AttrMapping current{Any, Paused, 0x21};
    const DialogLayout edited = MappingDialog(&current, Msg);
    EXPECT_EQ(MappingFromDialog(mapdlg::Confirm, edited.items), current);
    EXPECT_EQ(edited.items[mapdlg::FirstStartup].Selected, 1);
    EXPECT_EQ(edited.items[mapdlg::FirstStatus + 2].Selected, 1);
}

TEST(MappingEditor, LinesShowTheColumnsAndTheAttributeLetters) {
    const MappingColumns columns = MappingColumnWidths(Msg);
    EXPECT_EQ(columns.startup, 4);
    EXPECT_EQ(columns.status, 4);
    EXPECT_EQ(MappingLine({Disabled, Any, 0x827}, columns, Msg), "m190 \xB3 *    => RHSAC");
    EXPECT_EQ(AttributeLetters(0), ".....");
    EXPECT_EQ(AttributeLetters(0x800), "....C");
}

TEST(MappingEditor, WideColumnsAreNarrowedTogether) {
    const MappingColumns columns = MappingColumnWidths([](int number) {
        return std::string(number == 186 ? 40 : number == 191 ? 30 : 3, 'x');
    });
    // The sum 70 passes 56: 40 - (70 - 55) / 2 and 30 - (70 - 56) / 2.
    EXPECT_EQ(columns.startup, 33);
    EXPECT_EQ(columns.status, 23);
    const std::string line = MappingLine(
        {0, 0, 0}, columns, [](int number) { return std::string(number == 186 ? 40 : 30, 'x'); });
    EXPECT_EQ(line.size(), 33u + 3 + 23 + 4 + 5);
}

} // namespace sentrel::test
