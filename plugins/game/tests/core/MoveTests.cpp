#include "plugins/game/tests/core/EngineFixture.h"

namespace blocksby::test {
namespace {

struct WallCase {
    int piece;
    int rotation;
    int leftmost;  // box column when moved all the way left
    int rightmost; // ... all the way right
};

// Box columns follow from where each drawing's filled cells lie in its box.
const WallCase WallCases[] = {
    {0, 0, 0, 6},  // ####
    {0, 1, -1, 8}, // vertical in box column 1
    {1, 0, 0, 8},  // square
    {2, 1, -1, 7}, // box columns 1-2
    {3, 2, 0, 7},  // box columns 0-2
    {4, 1, -1, 7}, // box columns 1-2
    {5, 3, 0, 8},  // box columns 0-1
    {6, 1, 0, 8},  // box columns 0-1
};

class WallTest : public EngineTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(WallTest, AllTheWayStopsAtTheWallsAndSingleMovesGoNoFurther) {
    const WallCase& c = GetParam();
    SetPiece(c.piece, c.rotation, 4, 3);
    engine.MoveAllLeft();
    EXPECT_EQ(state.pieceColumn, c.leftmost);
    engine.MoveLeft();
    EXPECT_EQ(state.pieceColumn, c.leftmost);
    engine.MoveAllRight();
    EXPECT_EQ(state.pieceColumn, c.rightmost);
    engine.MoveRight();
    EXPECT_EQ(state.pieceColumn, c.rightmost);
    engine.MoveLeft();
    EXPECT_EQ(state.pieceColumn, c.rightmost - 1);
    EXPECT_EQ(state.pieceRow, 3);
    EXPECT_EQ(FilledWellCells(), 4);
}

INSTANTIATE_TEST_SUITE_P(Pieces, WallTest, ::testing::ValuesIn(WallCases));

TEST_F(EngineTest, MovesStopAtCellsLeftOnTheBoard) {
    state.board.Set(1, 5, 3);
    state.board.Set(8, 5, 3);
    SetPiece(1, 0, 4, 4); // square over rows 4-5
    engine.MoveAllLeft();
    EXPECT_EQ(state.pieceColumn, 2);
    engine.MoveAllRight();
    EXPECT_EQ(state.pieceColumn, 6);
    EXPECT_EQ(state.board.At(1, 5), 3);
    EXPECT_EQ(state.board.At(8, 5), 3);
}

struct FloorCase {
    int piece;
    int rotation;
    int restingRow; // box row where the piece stops on an empty well
};

const FloorCase FloorCases[] = {{0, 0, 22}, {0, 1, 19}, {1, 0, 21}, {2, 1, 20}, {5, 0, 21}};

class FloorTest : public EngineTest, public ::testing::WithParamInterface<FloorCase> {};

TEST_P(FloorTest, GravityStopsOnTheFloorAndThePieceLocksThere) {
    const FloorCase& c = GetParam();
    SetPiece(c.piece, c.rotation, 3, 0);
    for (int row = 1; row <= c.restingRow; ++row) {
        engine.Step();
        ASSERT_EQ(state.pieceRow, row);
    }
    const GameBoard resting = state.board;
    engine.Step(); // cannot fall: locks, and a new piece comes at the top
    EXPECT_EQ(state.board, resting);
    EXPECT_EQ(state.pieceRow, 0);
    EXPECT_EQ(state.pieceColumn, 4);
    EXPECT_EQ(state.board.At(3, 23), 255);
}

INSTANTIATE_TEST_SUITE_P(Pieces, FloorTest, ::testing::ValuesIn(FloorCases));

TEST_F(EngineTest, LongPieceAtTheRightWallIsNotRotatedOutOfTheWell) {
    SetPiece(0, 1, 8, 5); // upright in column 9
    engine.Rotate();
    EXPECT_EQ(state.rotation, 1);
    EXPECT_EQ(state.pieceColumn, 8);
    EXPECT_EQ(RowText(5), ".........#");

    engine.MoveLeft();
    engine.MoveLeft(); // upright in column 7: lying flat it takes columns 6-9
    engine.Rotate();
    EXPECT_EQ(state.rotation, 2);
    EXPECT_EQ(RowText(5), "......####");
}

TEST_F(EngineTest, RotationIsRefusedWhereACellIsTaken) {
    state.board.Set(5, 7, 2);
    SetPiece(0, 0, 4, 6); // flat in row 6; upright would cover (5, 6..9)
    engine.Rotate();
    EXPECT_EQ(state.rotation, 0);
    EXPECT_EQ(RowText(6), "....####..");
}

TEST_F(EngineTest, RotationDirectionWrapsBothWays) {
    SetPiece(4, 0, 3, 3);
    for (int expected : {1, 2, 3, 0}) {
        engine.Rotate();
        EXPECT_EQ(state.rotation, expected);
    }
    state.rotateForward = false;
    for (int expected : {3, 2, 1, 0}) {
        engine.Rotate();
        EXPECT_EQ(state.rotation, expected);
    }
}

TEST_F(EngineTest, SwapExchangesWithTheNextPieceWhenItFits) {
    state.nextPiece = 1;
    SetPiece(0, 1, 4, 3);
    hooks.events.clear();
    engine.Swap();
    EXPECT_EQ(state.currentPiece, 1);
    EXPECT_EQ(state.nextPiece, 0);
    EXPECT_EQ(state.rotation, 0);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"erase 1", "draw 0"}));
    EXPECT_EQ(RowText(3), "....##....");
    EXPECT_EQ(RowText(4), "....##....");
    EXPECT_EQ(FilledWellCells(), 4);
}

TEST_F(EngineTest, SwapDoesNothingWhenTheNextPieceDoesNotFit) {
    state.nextPiece = 0; // flat long piece would need columns 7-10
    SetPiece(1, 0, 7, 3);
    hooks.events.clear();
    engine.Swap();
    EXPECT_EQ(state.currentPiece, 1);
    EXPECT_EQ(state.nextPiece, 0);
    EXPECT_TRUE(hooks.events.empty());
    EXPECT_EQ(RowText(3), ".......##.");
}

TEST_F(EngineTest, SwapWithThePreviewOffDoesNotDrawIt) {
    state.showNext = false;
    state.nextPiece = 1;
    SetPiece(2, 0, 4, 3);
    hooks.events.clear();
    engine.Swap();
    EXPECT_EQ(state.currentPiece, 1);
    EXPECT_EQ(hooks.Count("draw 2"), 0);
}

TEST_F(EngineTest, ShortDropMovesTwoRowsWithoutPoints) {
    state.shortDrop = true;
    state.pieceValue = 12;
    SetPiece(1, 0, 4, 0);
    engine.Drop();
    EXPECT_EQ(state.pieceRow, 2);
    EXPECT_EQ(state.score, 0);
    EXPECT_FALSE(state.dropping);
    EXPECT_EQ(state.pieceValue, 10);
}

} // namespace
} // namespace blocksby::test
