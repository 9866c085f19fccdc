#include "plugins/game/tests/core/ScreenCheck.h"

#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/Messages.h"
#include "plugins/game/core/PieceShapes.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace blocksby::test {
namespace {

class SavedGameTest : public GameTest {};

TEST_F(SavedGameTest, LeavingWritesTheWholeGameWithoutTheFallingPiece) {
    FakeConsole& con = Load();
    con.Leave();
    Play();
    const auto bytes = ReadBytes(GameFilePath());
    ASSERT_EQ(bytes.size(), GameFileSize);
    SavedGame saved;
    DecodeGameFile(bytes, saved);
    EXPECT_EQ(saved.state.board, GameBoard{}) << "the piece at the top is not part of the board";
    EXPECT_EQ(saved.state.currentPiece, Game().State().currentPiece);
    EXPECT_EQ(saved.state.nextPiece, Game().State().nextPiece);
    EXPECT_EQ(saved.state.linesPerSpeedUp, 10);
    EXPECT_TRUE(saved.colourMode);
}

TEST_F(SavedGameTest, ReopeningRestoresBoardKeysAndOptions) {
    FakeConsole& con = Load();
    ui.QueueMenu(6);  // all the way right
    ui.QueueMenu(8);  // short drop
    ui.QueueMenu(10); // colours off
    ui.QueueMenu(-1);
    std::optional<VirtualScreen> before;
    con.Press(vk::F9);
    con.Press('D');
    con.Press(vk::F1);
    con.Press(vk::PageUp);
    con.Press(vk::Return);
    con.Press(GameKeys{}.left);
    con.Press(' '); // two rows down
    con.Press(vk::Escape);
    Snapshot(before);
    con.Leave();
    Play();
    const GameState first = Game().State();

    FakeConsole& again = Reload();
    std::optional<VirtualScreen> after;
    Snapshot(after);
    again.Leave();
    Play();

    const GameState& state = Game().State();
    EXPECT_EQ(state.pieceRow, 2);
    EXPECT_EQ(state.pieceColumn, 3);
    EXPECT_EQ(state.currentPiece, first.currentPiece);
    EXPECT_EQ(state.nextPiece, first.nextPiece);
    EXPECT_EQ(Game().Keys().allRight, 'D');
    EXPECT_TRUE(state.shortDrop);
    EXPECT_FALSE(state.showNext);
    EXPECT_FALSE(Game().ColourMode());
    EXPECT_EQ(state.linesPerSpeedUp, 15);
    ASSERT_TRUE(before && after);
    const Origin o = OriginFor(80, 25);
    EXPECT_EQ(WellPicture(*after, o), WellPicture(*before, o));
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            if (PieceCell(state.currentPiece, 0, i, j)) {
                EXPECT_TRUE(WellCellIs(*after, o, 3 + i, 2 + j, 0x07)) << "grey: colours are off";
            }
        }
    }
}

TEST_F(SavedGameTest, AGameFileThatCannotBeWrittenIsSkippedSilently) {
    std::filesystem::create_directory(GameFilePath());
    FakeConsole& con = Load();
    con.Press(vk::Return);
    con.Press(' ');
    con.PauseAndLeave();
    Play();
    EXPECT_TRUE(std::filesystem::is_directory(GameFilePath()));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(con.scriptRanOut, 0);
}

void PutInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

struct CorruptCase {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> corrupt;
    std::function<void(const BlocksbyPlugin&)> check;
};

// The state the opening gives every load: Delay 5, rows per speed-up 10, the piece at (4, 0).
const CorruptCase CorruptCases[] = {
    {"PieceIndexOutOfRange", [](auto& b) { PutInt32(b, 1616, 1000000); },
     [](const BlocksbyPlugin& g) {
         EXPECT_LT(g.State().currentPiece, 7);
     }},
    {"NextPieceNegative", [](auto& b) { PutInt32(b, 1620, -7); },
     [](const BlocksbyPlugin& g) {
         EXPECT_GE(g.State().nextPiece, 0);
     }},
    {"RotationOutOfRange", [](auto& b) { PutInt32(b, 1624, 9); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().rotation, 0);
     }},
    {"ColumnOutsideTheGrid", [](auto& b) { PutInt32(b, 1628, 60); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().pieceColumn, 4);
     }},
    {"RowOutsideTheWell", [](auto& b) { PutInt32(b, 1632, 2000); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().pieceRow, 0);
     }},
    {"DelayOutOfRange", [](auto& b) { PutInt32(b, 1608, 50); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().delay, 5);
     }},
    {"StartDelayOutOfRange", [](auto& b) { PutInt32(b, 1659, -2); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().startDelay, 5);
     }},
    {"SpeedUpIntervalZero", [](auto& b) { PutInt32(b, 1640, 0); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().linesPerSpeedUp, 10);
     }},
    {"SpeedUpIntervalHuge", [](auto& b) { PutInt32(b, 1640, 100000); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().linesPerSpeedUp, 10);
     }},
    {"NameWithoutZero", [](auto& b) { std::fill_n(b.begin() + 1665 + 12, 32, 'Q'); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.Scores()[0].Name(), std::string(31, 'Q'));
     }},
    {"FloorAndUnusedColumnsScribbled",
     [](auto& b) { std::fill(b.begin(), b.begin() + 1600, 0xAB); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().board.At(0, 23), 255);
         EXPECT_EQ(g.State().board.At(10, 0), 0);
         EXPECT_EQ(g.State().board.At(3, 30), 0);
     }},
    {"TenBytes", [](auto& b) { b.resize(10); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().linesPerSpeedUp, 10);
     }},
    {"LongerThanAGame", [](auto& b) { b.resize(5000, 0xEE); },
     [](const BlocksbyPlugin& g) {
         EXPECT_EQ(g.State().linesPerSpeedUp, 10);
     }},
};

class CorruptGameFileTest : public GameTest, public ::testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptGameFileTest, ImpossibleValuesAreRefusedAndTheGamePlaysOn) {
    const CorruptCase& c = GetParam();
    auto bytes = EncodeGameFile(SavedGame{});
    c.corrupt(bytes);
    FakeConsole& con = Load();
    WriteBytes(GameFilePath(), bytes);
    std::optional<VirtualScreen> shot;
    Snapshot(shot);
    con.Then([&] { c.check(Game()); }); // as the opening left it
    con.Press(vk::Return);
    for (std::uint16_t key : {37, 37, 38, 38, 39, 40, 36, 35, 32}) {
        con.Press(key);
    }
    con.Wait(20);
    con.Press(' ');
    con.PauseAndLeave();
    Play();

    const GameState& state = Game().State();
    EXPECT_TRUE(ValidPiece(state.currentPiece));
    EXPECT_TRUE(ValidPiece(state.nextPiece));
    EXPECT_TRUE(ValidRotation(state.rotation));
    EXPECT_EQ(state.board.At(9, 23), 255);
    EXPECT_TRUE(ui.Messages().empty());
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(TextIs(*shot, o.x + 1, o.y, "\xC9", 0x70));
    EXPECT_TRUE(TextIs(*shot, o.x + 42, o.y + 24, "\xBC", 0x70));
    EXPECT_EQ(ReadBytes(GameFilePath()).size(), GameFileSize) << "written anew, whole";
}

INSTANTIATE_TEST_SUITE_P(Corruptions, CorruptGameFileTest, ::testing::ValuesIn(CorruptCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

} // namespace
} // namespace blocksby::test
