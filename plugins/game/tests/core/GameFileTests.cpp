#include "plugins/game/core/GameFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace blocksby::test {
namespace {

// A game with a distinct value in every stored field.
SavedGame SampleGame() {
    SavedGame game;
    GameState& s = game.state;
    s.board.Set(0, 22, 0x0E);
    s.board.Set(9, 22, 0x0C);
    s.board.Set(4, 10, 0x09);
    s.score = 1234;
    s.bestScore = 5000;
    s.delay = 3;
    s.linesCleared = 42;
    s.currentPiece = 2;
    s.nextPiece = 6;
    s.rotation = 3;
    s.pieceColumn = 5;
    s.pieceRow = 11;
    s.pieceValue = 14;
    s.linesPerSpeedUp = 25;
    s.showNext = false;
    s.startDelay = 7;
    s.shortDrop = true;
    s.rotateForward = false;
    game.keys.left = 0x41;
    game.keys.right = 0x44;
    game.keys.drop = 0x20;
    game.keys.rotate = 0x2D;
    game.keys.allLeft = 0x51;
    game.keys.allRight = 0x45;
    game.keys.swap = 0x53;
    for (int i = 0; i < ScoreTable::Size; ++i) {
        game.scores[i].score = 5000 - 400 * i;
        game.scores[i].delay = i;
        game.scores[i].lines = 100 - i;
        game.scores[i].SetName("name " + std::to_string(i));
    }
    game.colourMode = false;
    return game;
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

int Int16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8;
}

void PutInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

TEST(GameFileTest, FieldsLieAtTheirOffsetsLittleEndian) {
    const auto bytes = EncodeGameFile(SampleGame());
    ASSERT_EQ(bytes.size(), 2106u);
    EXPECT_EQ(bytes[0 * 40 + 22], 0x0E);
    EXPECT_EQ(bytes[9 * 40 + 22], 0x0C);
    EXPECT_EQ(bytes[4 * 40 + 10], 0x09);
    EXPECT_EQ(bytes[3 * 40 + 23], 255);
    const std::pair<std::size_t, std::int32_t> ints[] = {
        {1600, 1234}, {1604, 5000}, {1608, 3},  {1612, 42}, {1616, 2},  {1620, 6},
        {1624, 3},    {1628, 5},    {1632, 11}, {1636, 14}, {1640, 25}, {1659, 7}};
    for (const auto& [offset, value] : ints) {
        EXPECT_EQ(Int32At(bytes, offset), value) << "offset " << offset;
    }
    const std::pair<std::size_t, int> keys[] = {{1644, 0x41}, {1646, 0x44}, {1648, 0x20},
                                                {1650, 0x2D}, {1652, 0x51}, {1654, 0x45},
                                                {1656, 0x53}};
    for (const auto& [offset, value] : keys) {
        EXPECT_EQ(Int16At(bytes, offset), value) << "offset " << offset;
    }
    EXPECT_EQ(bytes[1658], 0);
    EXPECT_EQ(bytes[1663], 1);
    EXPECT_EQ(bytes[1664], 0);
    for (int i = 0; i < ScoreTable::Size; ++i) {
        const std::size_t entry = 1665 + 44 * i;
        EXPECT_EQ(Int32At(bytes, entry), 5000 - 400 * i);
        EXPECT_EQ(Int32At(bytes, entry + 4), i);
        EXPECT_EQ(Int32At(bytes, entry + 8), 100 - i);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[entry + 12])),
                  "name " + std::to_string(i));
        EXPECT_EQ(bytes[entry + 43], 0);
    }
    EXPECT_EQ(bytes[2105], 0);
}

TEST(GameFileTest, ReadingAWrittenFileGivesTheSameGame) {
    const SavedGame written = SampleGame();
    const auto bytes = EncodeGameFile(written);
    SavedGame read;
    DecodeGameFile(bytes, read);
    EXPECT_EQ(read.state.board, written.state.board);
    EXPECT_EQ(EncodeGameFile(read), bytes);
    EXPECT_EQ(read.keys, written.keys);
    EXPECT_EQ(read.scores, written.scores);
    EXPECT_FALSE(read.colourMode);
    EXPECT_EQ(read.state.bestScore, 5000) << "the best score is the table's first";
}

TEST(GameFileTest, BestScoreComesFromTheScoreTable) {
    SavedGame written = SampleGame();
    written.state.bestScore = 1;
    SavedGame read;
    DecodeGameFile(EncodeGameFile(written), read);
    EXPECT_EQ(read.state.bestScore, 5000);
}

struct ShortFileCase {
    std::size_t length;
    const char* name;
    // What the file's fields changed, checked on the result.
    std::function<void(const SavedGame&, const SavedGame&)> check; // (read, before)
};

const ShortFileCase ShortFiles[] = {
    {0, "Empty",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(EncodeGameFile(read), EncodeGameFile(before));
     }},
    {200, "FirstFiveColumns",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(read.state.board.At(0, 22), 0x0E);
         EXPECT_EQ(read.state.board.At(9, 22), 0) << "cells after the cut stay";
         EXPECT_EQ(read.state.score, before.state.score);
     }},
    {1602, "ScoreCutShort",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(read.state.score, 0x111104D2) << "low bytes from the file, high bytes kept";
         EXPECT_EQ(read.state.bestScore, before.state.bestScore);
     }},
    {1644, "UpToTheKeys",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(read.state.linesPerSpeedUp, 25);
         EXPECT_EQ(read.state.pieceRow, 11);
         EXPECT_EQ(read.keys, before.keys);
         EXPECT_EQ(read.state.bestScore, 5000) << "read from its own field";
     }},
    {1659, "KeysAndPreviewWithoutStartDelay",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(read.keys, SampleGame().keys);
         EXPECT_FALSE(read.state.showNext);
         EXPECT_EQ(read.state.startDelay, before.state.startDelay);
         EXPECT_EQ(read.state.shortDrop, before.state.shortDrop);
     }},
    {1665, "WithoutScoreTable",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_FALSE(read.state.rotateForward);
         EXPECT_EQ(read.scores, before.scores);
         EXPECT_EQ(read.state.bestScore, before.scores[0].score);
         EXPECT_EQ(read.colourMode, before.colourMode);
     }},
    {2105, "WithoutColourMode",
     [](const SavedGame& read, const SavedGame& before) {
         EXPECT_EQ(read.scores, SampleGame().scores);
         EXPECT_EQ(read.colourMode, before.colourMode);
     }},
};

class ShortFileTest : public ::testing::TestWithParam<ShortFileCase> {};

TEST_P(ShortFileTest, ReadingStopsWhereTheFileEndsKeepingWhatWasRead) {
    auto bytes = EncodeGameFile(SampleGame());
    bytes.resize(GetParam().length);
    SavedGame before;
    before.state.score = 0x11110000;
    before.state.bestScore = 777;
    before.scores[0].score = 321;
    SavedGame read = before;
    DecodeGameFile(bytes, read);
    GetParam().check(read, before);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortFileTest, ::testing::ValuesIn(ShortFiles),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

struct CorruptCase {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> corrupt;
    std::function<void(const SavedGame&)> check; // against the defaults of `before` below
};

// What the game had before reading: the opening's state.
SavedGame Before() {
    SavedGame before;
    before.state.currentPiece = 1;
    before.state.nextPiece = 4;
    before.state.pieceValue = 12;
    return before;
}

const CorruptCase CorruptFiles[] = {
    {"PieceAboveSix", [](auto& b) { PutInt32(b, 1616, 7); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.currentPiece, 1);
     }},
    {"NegativePiece", [](auto& b) { PutInt32(b, 1616, -1); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.currentPiece, 1);
     }},
    {"NextPieceHuge", [](auto& b) { PutInt32(b, 1620, 1 << 30); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.nextPiece, 4);
     }},
    {"RotationFour", [](auto& b) { PutInt32(b, 1624, 4); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.rotation, 0);
     }},
    {"ColumnLeavesTheWellOnTheRight",
     [](auto& b) {
         PutInt32(b, 1616, 0);
         PutInt32(b, 1624, 0);
         PutInt32(b, 1628, 7); // flat long piece in columns 7-10
     },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.currentPiece, 0);
         EXPECT_EQ(g.state.pieceColumn, 4);
         EXPECT_EQ(g.state.pieceRow, 0);
     }},
    {"ColumnFarOutside", [](auto& b) { PutInt32(b, 1628, -2000000000); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceColumn, 4);
     }},
    {"UprightLongPieceAgainstTheLeftWallIsFine",
     [](auto& b) {
         PutInt32(b, 1616, 0);
         PutInt32(b, 1624, 1);
         PutInt32(b, 1628, -1);
         PutInt32(b, 1632, 19);
     },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceColumn, -1);
         EXPECT_EQ(g.state.pieceRow, 19);
     }},
    {"RowInTheFloor",
     [](auto& b) {
         PutInt32(b, 1616, 0);
         PutInt32(b, 1624, 1);
         PutInt32(b, 1632, 20); // upright: rows 20-23
     },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceRow, 0);
     }},
    {"RowAboveTheWell", [](auto& b) { PutInt32(b, 1632, -1); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceRow, 0);
     }},
    {"DelayEleven", [](auto& b) { PutInt32(b, 1608, 11); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.delay, 5);
     }},
    {"DelayNegative", [](auto& b) { PutInt32(b, 1608, -1); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.delay, 5);
     }},
    {"StartDelayHuge", [](auto& b) { PutInt32(b, 1659, 1000); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.startDelay, 5);
     }},
    {"SpeedUpEveryFourRows", [](auto& b) { PutInt32(b, 1640, 4); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.linesPerSpeedUp, 10);
     }},
    {"SpeedUpNever", [](auto& b) { PutInt32(b, 1640, 0); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.linesPerSpeedUp, 10);
     }},
    {"SpeedUpNegative", [](auto& b) { PutInt32(b, 1640, -5); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.linesPerSpeedUp, 10);
     }},
    {"SpeedUpAboveThousand", [](auto& b) { PutInt32(b, 1640, 1005); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.linesPerSpeedUp, 10);
     }},
    {"SpeedUpLimitsAreFine", [](auto& b) { PutInt32(b, 1640, 1000); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.linesPerSpeedUp, 1000);
     }},
    {"PieceValueNegative", [](auto& b) { PutInt32(b, 1636, -3); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceValue, 12);
     }},
    {"PieceValueTooHigh", [](auto& b) { PutInt32(b, 1636, 23); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.pieceValue, 12);
     }},
    {"FloorHoled", [](auto& b) { b[3 * 40 + 23] = 0; },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.board.At(3, 23), 255);
     }},
    {"CellsOutsideTheWell",
     [](auto& b) {
         b[20 * 40 + 5] = 7;  // unused column
         b[2 * 40 + 30] = 9;  // below the floor
         b[39 * 40 + 39] = 1; // the last byte of the board
     },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.board.At(20, 5), 0);
         EXPECT_EQ(g.state.board.At(2, 30), 0);
         EXPECT_EQ(g.state.board.At(39, 39), 0);
     }},
    {"AnyByteInTheWellIsAColour", [](auto& b) { b[6 * 40 + 12] = 0xFF; },
     [](const SavedGame& g) {
         EXPECT_EQ(g.state.board.At(6, 12), 0xFF);
     }},
    {"NameWithoutZero", [](auto& b) { std::memset(&b[1665 + 44 * 3 + 12], 'Z', 32); },
     [](const SavedGame& g) {
         EXPECT_EQ(g.scores[3].Name(), std::string(31, 'Z'));
     }},
};

class CorruptFileTest : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptFileTest, ValuesTheGameCannotHaveAreRefused) {
    SavedGame written;
    written.state.currentPiece = 3;
    written.state.nextPiece = 5;
    written.state.pieceColumn = 2;
    written.state.pieceRow = 8;
    auto bytes = EncodeGameFile(written);
    GetParam().corrupt(bytes);
    SavedGame read = Before();
    DecodeGameFile(bytes, read);
    GetParam().check(read);
    EXPECT_EQ(read.state.board.At(0, 23), 255);
}

INSTANTIATE_TEST_SUITE_P(Corruptions, CorruptFileTest, ::testing::ValuesIn(CorruptFiles),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(GameFileTest, RefusedFieldsLeaveTheOthersRead) {
    auto bytes = EncodeGameFile(SampleGame());
    PutInt32(bytes, 1616, 99);
    SavedGame read = Before();
    DecodeGameFile(bytes, read);
    EXPECT_EQ(read.state.currentPiece, 1);
    EXPECT_EQ(read.state.nextPiece, 6);
    EXPECT_EQ(read.state.score, 1234);
    EXPECT_EQ(read.keys, SampleGame().keys);
}

} // namespace
} // namespace blocksby::test
