#include "plugins/game/tests/core/ScreenCheck.h"

#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/Messages.h"
#include "plugins/game/core/PieceShapes.h"

namespace blocksby::test {
namespace {

const char TopLeft = '\xC9', TopRight = '\xBB', BottomLeft = '\xC8', BottomRight = '\xBC';
const char Horizontal = '\xCD', Vertical = '\xBA';

struct OriginCase {
    int width, height;
    int x0, y0;
    bool blankRows;
};

class OriginTest : public GameTest, public ::testing::WithParamInterface<OriginCase> {};

TEST_P(OriginTest, FrameIsCentredWithBlankRowsOnlyAboveAndBelowOnTallBuffers) {
    const OriginCase& c = GetParam();
    FakeConsole& con = Load(c.width, c.height);
    std::optional<VirtualScreen> shot;
    Snapshot(shot);
    con.Leave();
    Play();
    ASSERT_TRUE(shot);
    const VirtualScreen& s = *shot;
    const Origin o{c.x0, c.y0};
    EXPECT_EQ(OriginFor(c.width, c.height).x, c.x0);

    const std::string side(3, ' ');
    EXPECT_TRUE(TextIs(s, o.x - 2, o.y,
                       side + TopLeft + std::string(15, Horizontal) + " Blocksby " +
                           std::string(15, Horizontal) + TopRight + side,
                       0x70));
    for (int row = 1; row <= 23; ++row) {
        EXPECT_TRUE(TextIs(s, o.x - 2, o.y + row, side + Vertical, 0x70)) << "row " << row;
        EXPECT_TRUE(TextIs(s, o.x + 42, o.y + row, Vertical + side, 0x70)) << "row " << row;
    }
    EXPECT_TRUE(
        TextIs(s, o.x - 2, o.y + 24, side + BottomLeft + std::string(10, Horizontal), 0x70));
    EXPECT_TRUE(
        TextIs(s, o.x + 34, o.y + 24, std::string(8, Horizontal) + BottomRight + side, 0x70));

    const int top = c.blankRows ? o.y - 1 : o.y;
    const int bottom = c.blankRows ? o.y + 25 : o.y + 24;
    if (c.blankRows) {
        EXPECT_TRUE(TextIs(s, o.x - 2, o.y - 1, std::string(48, ' '), 0x70));
        if (o.y + 25 < c.height) {
            EXPECT_TRUE(TextIs(s, o.x - 2, o.y + 25, std::string(48, ' '), 0x70));
        }
    }
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const bool inside = y >= top && y <= bottom && x >= o.x - 2 && x < o.x + 46;
            if (!inside) {
                ASSERT_EQ(s.At(x, y).attr, 0x07)
                    << "written outside the field at " << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Buffers, OriginTest,
                         ::testing::Values(OriginCase{80, 25, 20, 0, false},
                                           OriginCase{80, 50, 20, 13, true},
                                           OriginCase{81, 26, 20, 1, true},
                                           OriginCase{100, 40, 30, 8, true}));

class ScreenTest : public GameTest {};

TEST_F(ScreenTest, OpeningShowsLabelsNumbersHintsPieceAndPreview) {
    FakeConsole& con = Load();
    std::optional<VirtualScreen> shot;
    bool cursorDuringGame = true;
    Snapshot(shot);
    con.Then([&] { cursorDuringGame = con.cursorVisible; });
    con.Leave();
    Play();
    ASSERT_TRUE(shot);
    const VirtualScreen& s = *shot;
    const Origin o = OriginFor(80, 25);
    const GameState& state = Game().State();

    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 1, Msg(msg::BestScoreLabel), 0x79));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 4, Msg(msg::ScoreLabel), 0x71));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 7, Msg(msg::LinesLabel), 0x71));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 10, Msg(msg::DelayLabel), 0x71));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 13, Msg(msg::NextLabel), 0x71));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 21, Msg(msg::KeyHelp1), 0x70));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 22, Msg(msg::KeyHelp2), 0x70));
    EXPECT_TRUE(TextIs(s, o.x + 25, o.y + 23, Msg(msg::KeyHelp3), 0x70));

    EXPECT_TRUE(NumberIs(s, o, 2, "0", 0x7F));
    EXPECT_TRUE(NumberIs(s, o, 5, "0", 0x70));
    EXPECT_TRUE(NumberIs(s, o, 8, "10", 0x7C)) << "the menu shows the rows per speed-up";
    EXPECT_TRUE(NumberIs(s, o, 11, "5", 0x7C));
    for (const auto& [row, message] :
         {std::pair{9, msg::HintSpeedUp}, std::pair{12, msg::HintDelay},
          std::pair{19, msg::HintPreview}}) {
        const std::string hint = Msg(message);
        EXPECT_TRUE(TextIs(s, o.x + 38 - static_cast<int>(hint.size()), o.y + row, hint, 0x7C));
    }
    EXPECT_TRUE(StatusIs(s, o, Msg(msg::PausedStatus), 0x7E));
    EXPECT_TRUE(TextIs(s, o.x, o.y + 24, std::string(" ") + BottomLeft + Horizontal, 0x70));

    for (int row = 0; row < 23; ++row) {
        for (int column = 0; column < 10; ++column) {
            const bool piece =
                PieceCell(state.currentPiece, 0, column - state.pieceColumn, row - state.pieceRow);
            EXPECT_TRUE(WellCellIs(s, o, column, row, piece ? PieceColour(state.currentPiece) : 0))
                << column << "," << row;
        }
    }
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const int x = o.x + 29 + 2 * i;
            if (PieceCell(state.nextPiece, 0, i, j)) {
                EXPECT_TRUE(TextIs(s, x, o.y + 15 + j, FilledCell, PieceColour(state.nextPiece)));
            } else {
                EXPECT_TRUE(TextIs(s, x, o.y + 15 + j, ". ", 0x07));
            }
        }
    }

    EXPECT_FALSE(cursorDuringGame);
    EXPECT_EQ(con.titlesSet,
              (std::vector<std::string>{"[ansi]" + std::string(Msg(msg::ConsoleTitle)), "Ulvar"}))
        << "the title in the ANSI code page, the old one put back as it was";
    EXPECT_TRUE(con.cursorVisible);
    EXPECT_EQ(con.handlesTaken, 1);
    EXPECT_EQ(con.scriptRanOut, 0);
    EXPECT_EQ(Screen().SavedCount(), 0);
    EXPECT_EQ(Screen().Row(0), std::string(80, ' ')) << "the host's screen comes back";
}

TEST_F(ScreenTest, PlayModeShowsThePlayingStatusLinesAndDelayAndBlanksTheHints) {
    FakeConsole& con = Load();
    std::optional<VirtualScreen> shot;
    con.Press(vk::Return);
    Snapshot(shot);
    con.PauseAndLeave();
    Play();
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(StatusIs(*shot, o, Msg(msg::PlayingStatus), 0x70));
    EXPECT_TRUE(NumberIs(*shot, o, 8, "0", 0x70)) << "rows cleared in this game";
    EXPECT_TRUE(NumberIs(*shot, o, 11, "5", 0x70));
    for (int row : {9, 12, 19}) {
        EXPECT_EQ(shot->TextAt(o.x + 25, o.y + row, 13), std::string(13, ' ')) << "row " << row;
    }
}

TEST_F(ScreenTest, NumbersAreUnsignedDecimal) {
    SavedGame game;
    game.state.score = -1;
    game.state.linesPerSpeedUp = 1000;
    game.scores[0].score = 123456;
    FakeConsole& con = Load();
    WriteGame(game);
    std::optional<VirtualScreen> shot;
    Snapshot(shot);
    con.Leave();
    Play();
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(NumberIs(*shot, o, 5, "4294967295", 0x70));
    EXPECT_TRUE(NumberIs(*shot, o, 2, "123456", 0x7F)) << "the best score is the table's first";
    EXPECT_TRUE(NumberIs(*shot, o, 8, "1000", 0x7C));
}

TEST_F(ScreenTest, ColourModeOffGreysTheBoardButKeepsThePreviewColours) {
    FakeConsole& con = Load();
    ui.QueueMenu(10);
    ui.QueueMenu(-1);
    std::optional<VirtualScreen> shot;
    con.Press(vk::F9);
    Snapshot(shot);
    con.Leave();
    Play();
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    const GameState& state = Game().State();
    EXPECT_FALSE(Game().ColourMode());

    int pieceCells = 0;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (PieceCell(state.currentPiece, 0, column, row)) {
                ++pieceCells;
                EXPECT_TRUE(
                    WellCellIs(*shot, o, state.pieceColumn + column, state.pieceRow + row, 0x07));
            }
            if (PieceCell(state.nextPiece, 0, column, row)) {
                EXPECT_TRUE(TextIs(*shot, o.x + 29 + 2 * column, o.y + 15 + row, FilledCell,
                                   PieceColour(state.nextPiece)));
            }
        }
    }
    EXPECT_EQ(pieceCells, 4);

    ASSERT_EQ(ui.Menus().size(), 2u);
    EXPECT_STREQ(ui.Menus()[0].shown.items[10].Text, Msg(msg::ColoursOn));
    EXPECT_STREQ(ui.Menus()[1].shown.items[10].Text, Msg(msg::ColoursOff));
}

TEST_F(ScreenTest, RussianMessagesReachTheScreenInCodePage866) {
    FakeConsole& con = Load(80, 25, "ru");
    std::optional<VirtualScreen> shot;
    Snapshot(shot);
    con.Leave();
    Play();
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(TextIs(*shot, o.x + 25, o.y + 4, "\x8E\xE7\xAA\xA8", 0x71)); // "Очки"
}

} // namespace
} // namespace blocksby::test
