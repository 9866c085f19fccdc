#include "browser/app/listview/core/RowSelection.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

std::vector<int> SelectedPositions(const RowSelection& selection) {
    std::vector<int> positions;
    for (int i = 0; i < selection.RowCount(); ++i)
        if (selection.IsSelected(i))
            positions.push_back(i);
    return positions;
}

struct Step {
    int Position;
    bool Shift;
    bool Ctrl;
    bool Toggle; // a Ctrl+click toggles where a Ctrl+arrow only moves
};

struct SelectionCase {
    const char* Name;
    std::vector<Step> Steps;
    std::vector<int> Selected;
    int Focus;
};

class MoveTo : public testing::TestWithParam<SelectionCase> {};

TEST_P(MoveTo, GivesTheSelectionAndFocus) {
    RowSelection selection;
    selection.Reset(10);
    for (const auto& step : GetParam().Steps) {
        selection.MoveTo(step.Position, step.Shift, step.Ctrl);
        if (step.Toggle)
            selection.Toggle(selection.Focus());
    }
    EXPECT_EQ(SelectedPositions(selection), GetParam().Selected);
    EXPECT_EQ(selection.Focus(), GetParam().Focus);
    EXPECT_EQ(selection.Count(), static_cast<int>(GetParam().Selected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MoveTo,
    testing::Values(
        SelectionCase{
            "PlainReplaces", {{2, false, false, false}, {5, false, false, false}}, {5}, 5},
        SelectionCase{"ShiftSelectsFromAnchorDown",
                      {{2, false, false, false}, {5, true, false, false}},
                      {2, 3, 4, 5},
                      5},
        SelectionCase{"ShiftSelectsFromAnchorUp",
                      {{6, false, false, false}, {3, true, false, false}},
                      {3, 4, 5, 6},
                      3},
        SelectionCase{"ShiftAgainShrinksToTheNewRange",
                      {{2, false, false, false}, {7, true, false, false}, {4, true, false, false}},
                      {2, 3, 4},
                      4},
        SelectionCase{"CtrlClickAddsAndRemoves",
                      {{1, false, false, false},
                       {4, false, true, true},
                       {6, false, true, true},
                       {4, false, true, true}},
                      {1, 6},
                      4},
        SelectionCase{"CtrlArrowMovesOnlyTheFocus",
                      {{1, false, false, false}, {2, false, true, false}, {3, false, true, false}},
                      {1},
                      3},
        SelectionCase{"CtrlShiftAddsARangeFromTheLastCtrlClick",
                      {{0, false, false, false}, {5, false, true, true}, {7, true, true, false}},
                      {0, 5, 6, 7},
                      7},
        SelectionCase{"ShiftWithoutAnchorStartsAtTheRow", {{4, true, false, false}}, {4}, 4},
        SelectionCase{"PositionsAreClamped",
                      {{-3, false, false, false}, {25, true, false, false}},
                      {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                      9}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

TEST(RowSelection, GenerationChangesOnlyWhenTheSelectedSetChanges) {
    RowSelection selection;
    selection.Reset(5);
    selection.MoveTo(2, false, false);
    const unsigned afterFirst = selection.Generation();
    selection.MoveTo(2, false, false);
    EXPECT_EQ(selection.Generation(), afterFirst);
    selection.MoveTo(3, false, true); // focus only
    EXPECT_EQ(selection.Generation(), afterFirst);
    selection.SelectAll();
    const unsigned afterAll = selection.Generation();
    EXPECT_NE(afterAll, afterFirst);
    selection.SelectAll();
    EXPECT_EQ(selection.Generation(), afterAll);
    selection.Reset(5);
    EXPECT_NE(selection.Generation(), afterAll);
    const unsigned afterReset = selection.Generation();
    selection.Reset(7);
    EXPECT_EQ(selection.Generation(), afterReset) << "nothing was selected";
    EXPECT_EQ(selection.Focus(), -1);
}

TEST(RowSelection, PermuteCarriesSelectionFocusAndAnchorWithTheirRows) {
    RowSelection selection;
    selection.Reset(4);
    selection.MoveTo(1, false, false);
    selection.MoveTo(3, false, true);
    selection.Toggle(3); // selected {1, 3}, focus and anchor 3
    // Reversed: the row now at 0 was at 3.
    selection.Permute({3, 2, 1, 0});
    EXPECT_EQ(SelectedPositions(selection), (std::vector<int>{0, 2}));
    EXPECT_EQ(selection.Focus(), 0);
    EXPECT_EQ(selection.Anchor(), 0);
    EXPECT_EQ(selection.Count(), 2);
}

TEST(RowSelection, NothingHappensWithoutRows) {
    RowSelection selection;
    selection.Reset(0);
    selection.MoveTo(0, true, false);
    selection.SelectAll();
    selection.Toggle(0);
    EXPECT_EQ(selection.Focus(), -1);
    EXPECT_EQ(selection.Count(), 0);
}

} // namespace
} // namespace cobwen
