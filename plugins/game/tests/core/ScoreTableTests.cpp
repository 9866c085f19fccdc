#include "plugins/game/core/ScoreTable.h"

#include <gtest/gtest.h>

#include <string>

namespace blocksby::test {
namespace {

ScoreTable TableOfScores(std::initializer_list<int> scores) {
    ScoreTable table;
    int i = 0;
    for (int score : scores) {
        table[i].score = score;
        table[i].SetName("player " + std::to_string(i + 1));
        ++i;
    }
    return table;
}

struct PlaceCase {
    int score;
    int place;
};

class ScorePlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(ScorePlaceTest, FirstEntryWithALowerScoreTakesTheGame) {
    const ScoreTable table = TableOfScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    EXPECT_EQ(table.PlaceFor(GetParam().score), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(Scores, ScorePlaceTest,
                         ::testing::Values(PlaceCase{50, -1},   // equal to the tenth: not entered
                                           PlaceCase{10, -1},   // below every entry
                                           PlaceCase{51, 9},    // just above the tenth
                                           PlaceCase{800, 2},   // equal to the second: below it
                                           PlaceCase{901, 0})); // above the first

TEST(ScoreTableTest, EmptyTableDoesNotTakeAGameWithoutPoints) {
    ScoreTable table;
    EXPECT_EQ(table.PlaceFor(0), -1);
    EXPECT_EQ(table.PlaceFor(1), 0);
}

TEST(ScoreTableTest, MakingRoomAtTheTopMovesEveryEntryDownAndDropsTheTenth) {
    ScoreTable table = TableOfScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    table.MakeRoomAt(0);
    EXPECT_EQ(table[0].score, 900) << "the place keeps its old entry until it is overwritten";
    EXPECT_EQ(table[0].Name(), "player 1");
    for (int i = 1; i < ScoreTable::Size; ++i) {
        EXPECT_EQ(table[i].score, 1000 - 100 * i);
        EXPECT_EQ(table[i].Name(), "player " + std::to_string(i));
    }
}

TEST(ScoreTableTest, MakingRoomAtTheLastPlaceOnlyReplacesIt) {
    ScoreTable table = TableOfScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    const ScoreTable before = table;
    table.MakeRoomAt(9);
    EXPECT_EQ(table, before);
}

TEST(ScoreEntryTest, LongNameIsCutTo31Characters) {
    ScoreEntry entry;
    const std::string forty(40, 'W');
    entry.SetName(forty);
    EXPECT_EQ(entry.Name(), forty.substr(0, 31));
    EXPECT_EQ(entry.name[31], '\0');
    entry.SetName("Ann");
    EXPECT_EQ(entry.Name(), "Ann");
    EXPECT_EQ(entry.name[3], '\0');
    EXPECT_EQ(entry.name[30], '\0') << "a shorter name leaves no rest of the longer one";
}

struct RowCase {
    int score, lines, delay, rank, currentScore;
    const char* name;
    const char* row;
};

class ScoreRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ScoreRowTest, RowHasMarkRankPaddedNameAndNumbers) {
    const RowCase& c = GetParam();
    ScoreEntry entry;
    entry.score = c.score;
    entry.lines = c.lines;
    entry.delay = c.delay;
    entry.SetName(c.name);
    EXPECT_EQ(FormatScoreRow(entry, c.rank, c.currentScore), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScoreRowTest,
    ::testing::Values(RowCase{1234, 56, 3, 1, 1234, "Ann",
                              "* 1 Ann                                 1234       56   3"},
                      RowCase{1234, 56, 3, 10, 99, "Ann",
                              " 10 Ann                                 1234       56   3"},
                      RowCase{0, 0, 5, 4, 0, "",
                              "  4                                        0        0   5"},
                      RowCase{12345678, 1000, 10, 2, 5, "0123456789012345678901234567890",
                              "  2 0123456789012345678901234567890 12345678     1000  10"}));

} // namespace
} // namespace blocksby::test
