#include "plugins/game/tests/core/EngineFixture.h"

#include <algorithm>

namespace blocksby::test {
namespace {

struct ClearCase {
    const char* name;
    bool showNext;
    int rows; // full rows made by the locking piece (square in columns 0-1 of rows 21-22)
    int points;
};

const ClearCase ClearCases[] = {
    {"TwoRowsWithPreview", true, 2, 20},
    {"TwoRowsWithoutPreview", false, 2, 40},
    {"OneRowWithPreview", true, 1, 10},
    {"OneRowWithoutPreview", false, 1, 20},
};

class RowClearTest : public EngineTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(RowClearTest, LockingScoresRowsTimesPieceValueTimesFactor) {
    const ClearCase& c = GetParam();
    state.showNext = c.showNext;
    state.score = 100;
    FillRow(22, {0, 1});
    FillRow(21, c.rows == 2 ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 9});
    SetPiece(1, 0, 0, 21);
    state.pieceValue = 10;
    engine.Step();
    EXPECT_EQ(state.score, 100 + c.points);
    EXPECT_EQ(state.linesCleared, c.rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowClearTest, ::testing::ValuesIn(ClearCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(EngineTest, RowsAboveAClearedRowMoveDownAndTheTopRowEmpties) {
    state.board.Set(3, 0, 4);
    state.board.Set(6, 19, 5);
    FillRow(20, {0, 1});
    FillRow(21, {2});
    FillRow(22, {0, 1});
    SetPiece(1, 0, 0, 19); // square resting on row 21 completes row 20 only
    state.board.Set(7, 19, 2);
    engine.Step();
    EXPECT_EQ(RowText(22), "..########");
    EXPECT_EQ(RowText(21), "##.#######");
    EXPECT_EQ(RowText(20), "##....##..");
    EXPECT_EQ(RowText(1), "...#......");
    EXPECT_EQ(RowText(0), "..........");
    EXPECT_EQ(state.board.At(6, 20), 5);
    EXPECT_EQ(state.board.At(0, 20), 0x0D);
    EXPECT_EQ(hooks.beeps, 0);
}

TEST_F(EngineTest, EmptyingTheWellThroughTheBottomRowBeeps) {
    FillRow(22, {0, 1});
    FillRow(21, {0, 1});
    SetPiece(1, 0, 0, 21);
    engine.Step();
    EXPECT_EQ(FilledWellCells(), 0);
    EXPECT_EQ(hooks.beeps, 1);
}

TEST_F(EngineTest, ClearingTheBottomRowWithCellsLeftAboveDoesNotBeep) {
    FillRow(22, {0, 1});
    state.board.Set(5, 21, 3);
    SetPiece(1, 0, 0, 21);
    engine.Step();
    EXPECT_EQ(RowText(22), "##...#....");
    EXPECT_EQ(hooks.beeps, 0);
}

struct DropCase {
    const char* name;
    bool showNext;
    int blockRow; // a cell under the falling column stops the piece above it
    int restingRow;
    int points;
};

// The upright long piece worth 12 falls from row 0; every step while dropping adds what the piece
// is worth before it loses one point for the row: 12 + 11 + ... and nothing once it is worth 0.
const DropCase DropCases[] = {
    {"EighteenRowsWithPreview", true, 22, 18, 78},
    {"EighteenRowsWithoutPreview", false, 22, 18, 156},
    {"SixRowsWithPreview", true, 10, 6, 12 + 11 + 10 + 9 + 8 + 7 + 6},
    {"SixRowsWithoutPreview", false, 10, 6, 2 * (12 + 11 + 10 + 9 + 8 + 7 + 6)},
};

class HardDropTest : public EngineTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(HardDropTest, ScoresEachRowAndLeavesThePieceMovableForOneInterval) {
    const DropCase& c = GetParam();
    state.showNext = c.showNext;
    state.board.Set(5, c.blockRow, 3);
    SetPiece(0, 1, 4, 0);
    state.pieceValue = 12;
    state.nextPiece = 3;
    engine.Drop();
    while (state.dropping) { // the input loop steps without waiting while the piece drops
        engine.Step();
    }
    EXPECT_EQ(state.score, c.points);
    EXPECT_EQ(state.pieceRow, c.restingRow);
    EXPECT_EQ(state.graceStep, 1);
    EXPECT_EQ(state.currentPiece, 0) << "the piece must not lock yet";

    engine.MoveRight();
    EXPECT_EQ(state.pieceColumn, 5);
    EXPECT_EQ(state.pieceRow, c.restingRow);
}

TEST_P(HardDropTest, TheNextGravityStepLocksTheDroppedPiece) {
    const DropCase& c = GetParam();
    state.showNext = c.showNext;
    state.board.Set(5, c.blockRow, 3);
    SetPiece(0, 1, 4, 0);
    state.pieceValue = 12;
    state.nextPiece = 3;
    engine.Drop();
    while (state.dropping) {
        engine.Step();
    }
    engine.Step();
    EXPECT_EQ(state.score, c.points);
    EXPECT_EQ(state.currentPiece, 3);
    EXPECT_EQ(state.pieceRow, 0);
    EXPECT_EQ(state.board.At(5, c.restingRow), 0x0E);
}

INSTANTIATE_TEST_SUITE_P(Cases, HardDropTest, ::testing::ValuesIn(DropCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

class SpeedUpTest : public EngineTest {
protected:
    // One lock of the upright long piece in column 0 that completes the bottom `rows` rows.
    void ClearRows(int rows) {
        state.board.Clear();
        for (int row = 23 - rows; row <= 22; ++row) {
            FillRow(row, {0});
        }
        SetPiece(0, 1, -1, 19);
        engine.Step();
    }
};

TEST_F(SpeedUpTest, EveryTenthRowLowersTheDelayByOneDownToZero) {
    state.delay = 2;
    for (int line = 1; line <= 35; ++line) {
        ClearRows(1);
        ASSERT_EQ(state.linesCleared, line);
        const int expected = line < 10 ? 2 : line < 20 ? 1 : 0;
        ASSERT_EQ(state.delay, expected) << "after row " << line;
    }
    EXPECT_EQ(state.linesAtLastSpeedUp, 20);
}

TEST_F(SpeedUpTest, FourRowsAtOnceAcrossTheMarkLowerTheDelayOnce) {
    state.delay = 5;
    state.linesCleared = 8;
    ClearRows(4);
    EXPECT_EQ(state.linesCleared, 12);
    EXPECT_EQ(state.delay, 4);
    EXPECT_EQ(state.linesAtLastSpeedUp, 12);
    ClearRows(4);
    ClearRows(4);
    EXPECT_EQ(state.delay, 4) << "20 rows: only 8 since the last speed-up";
    ClearRows(1);
    EXPECT_EQ(state.delay, 4);
    ClearRows(1);
    EXPECT_EQ(state.delay, 3) << "22 rows: 10 since the last speed-up";
}

TEST_F(SpeedUpTest, IntervalComesFromLinesPerSpeedUp) {
    state.linesPerSpeedUp = 5;
    state.delay = 5;
    for (int i = 0; i < 5; ++i) {
        ClearRows(1);
    }
    EXPECT_EQ(state.delay, 4);
}

TEST_F(EngineTest, StepStartsTheTickCounterAgainAndKeepsTheBestScore) {
    state.bestScore = 50;
    state.score = 40;
    state.dropping = true;
    state.pieceValue = 20;
    SetPiece(1, 0, 4, 0);
    engine.Step();
    EXPECT_EQ(state.score, 60);
    EXPECT_EQ(state.bestScore, 60);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"reset", "numbers", "board", "step"}));
}

TEST_F(EngineTest, APieceThatDoesNotFitAtItsStartEndsTheGameAtThatLock) {
    state.board.Set(5, 0, 6);
    state.board.Set(5, 1, 6);
    state.score = 345;
    state.bestScore = 400;
    state.linesCleared = 7;
    state.linesAtLastSpeedUp = 3;
    state.delay = 2;
    state.startDelay = 6;
    SetPiece(1, 0, 0, 21);
    hooks.events.clear();
    engine.Step();

    EXPECT_FALSE(state.gameOver);
    EXPECT_EQ(FilledWellCells(), 0);
    EXPECT_EQ(state.board.At(0, 23), 255);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.linesCleared, 0);
    EXPECT_EQ(state.linesAtLastSpeedUp, 0);
    EXPECT_EQ(state.delay, 6);
    EXPECT_EQ(state.bestScore, 400);
    const std::vector<std::string> ending{"board", "score 345", "save", "numbers", "menu"};
    auto at = std::search(hooks.events.begin(), hooks.events.end(), ending.begin(), ending.end());
    EXPECT_NE(at, hooks.events.end())
        << "the end of the game goes board, score, save, numbers, menu";
}

TEST_F(EngineTest, NewGameClearsTheBoardAndCounters) {
    FillRow(22, {3});
    state.score = 90;
    state.linesCleared = 4;
    state.delay = 1;
    state.startDelay = 7;
    engine.NewGame();
    EXPECT_EQ(FilledWellCells(), 0);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.linesCleared, 0);
    EXPECT_EQ(state.delay, 7);
    EXPECT_EQ(state.pieceValue, 2 * (11 - 1)) << "the piece was chosen before the delay was reset";
}

} // namespace
} // namespace blocksby::test
