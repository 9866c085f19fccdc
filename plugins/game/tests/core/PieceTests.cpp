#include "plugins/game/tests/core/EngineFixture.h"

#include "plugins/game/core/PieceShapes.h"

#include <array>
#include <string>

namespace blocksby::test {
namespace {

struct PieceCase {
    int piece;
    std::uint8_t colour;
    std::array<const char*, 4> rotations; // box rows separated by "/"
};

const PieceCase Pieces[] = {
    {0,
     0x0E,
     {"####/..../..../....", ".#../.#../.#../.#..", "####/..../..../....", ".#../.#../.#../.#.."}},
    {1,
     0x0D,
     {"##../##../..../....", "##../##../..../....", "##../##../..../....", "##../##../..../...."}},
    {2,
     0x0A,
     {"###./..#./..../....", ".##./.#../.#../....", "#.../###./..../....", ".#../.#../##../...."}},
    {3,
     0x0C,
     {"###./#.../..../....", "#.../#.../##../....", "..#./###./..../....", "##../.#../.#../...."}},
    {4,
     0x0B,
     {"###./.#../..../....", ".#../.##./.#../....", ".#../###./..../....", ".#../##../.#../...."}},
    {5,
     0x09,
     {".##./##../..../....", "#.../##../.#../....", ".##./##../..../....", "#.../##../.#../...."}},
    {6,
     0x0F,
     {"##../.##./..../....", ".#../##../#.../....", "##../.##./..../....", ".#../##../#.../...."}},
};

// The drawing's cell at box offset (column, row).
bool Filled(const char* drawing, int column, int row) {
    return drawing[row * 5 + column] == '#';
}

TEST(GameBoardTest, ClearedBoardIsEmptyWithAFloorUnderTheWellStoredColumnAfterColumn) {
    GameBoard board;
    board.Bytes().fill(9);
    board.Clear();
    for (int index = 0; index < GameBoard::Size; ++index) {
        const int column = index / 40;
        const int row = index % 40;
        const std::uint8_t expected = column < 10 && row == 23 ? 255 : 0;
        ASSERT_EQ(board.Bytes()[index], expected) << "byte " << index;
    }
    board.Set(2, 7, 5);
    EXPECT_EQ(board.Bytes()[2 * 40 + 7], 5);
}

class PieceShapeTest : public EngineTest, public ::testing::WithParamInterface<PieceCase> {};

TEST_P(PieceShapeTest, PlacingEachRotationFillsExactlyTheDrawnCellsInThePieceColour) {
    const PieceCase& c = GetParam();
    EXPECT_EQ(PieceColour(c.piece), c.colour);
    const GameBoard empty = state.board;
    constexpr int Column = 3;
    constexpr int Row = 5;
    for (int rotation = 0; rotation < 4; ++rotation) {
        SetPiece(c.piece, rotation, Column, Row);
        for (int j = 0; j < 4; ++j) {
            for (int i = 0; i < 4; ++i) {
                const std::uint8_t expected = Filled(c.rotations[rotation], i, j) ? c.colour : 0;
                EXPECT_EQ(state.board.At(Column + i, Row + j), expected)
                    << "piece " << c.piece << " rotation " << rotation << " cell " << i << "," << j;
            }
        }
        EXPECT_EQ(FilledWellCells(), 4) << "piece " << c.piece << " rotation " << rotation;
        engine.Remove();
        EXPECT_EQ(state.board, empty) << "piece " << c.piece << " rotation " << rotation;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPieces, PieceShapeTest, ::testing::ValuesIn(Pieces),
                         [](const auto& caseInfo) {
                             return "Piece" + std::to_string(caseInfo.param.piece);
                         });

} // namespace
} // namespace blocksby::test
