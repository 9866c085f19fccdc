#include "plugins/game/tests/core/EngineFixture.h"

#include "plugins/game/core/GameRandom.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace blocksby::test {
namespace {

// The sequence worked out from its definition in 32-bit halves: state = state * M + 1 modulo
// 2^64 with M's upper half 346 and lower half 20021; a draw is the upper half without its top bit.
class ReferenceRandom {
public:
    std::uint32_t Next() {
        constexpr std::uint64_t MHigh = 346;
        constexpr std::uint64_t MLow = 20021;
        const std::uint64_t lowProduct = std::uint64_t{low_} * MLow + 1;
        const std::uint64_t high =
            (lowProduct >> 32) + std::uint64_t{low_} * MHigh + std::uint64_t{high_} * MLow;
        low_ = static_cast<std::uint32_t>(lowProduct);
        high_ = static_cast<std::uint32_t>(high);
        return high_ & 0x7FFFFFFF;
    }

private:
    std::uint32_t high_ = 0;
    std::uint32_t low_ = 1;
};

// Current and next piece after the opening and after each further new piece, as the rules pick
// them with a given tick count.
std::vector<std::pair<int, int>> ExpectedPieces(std::uint32_t ticks, int count) {
    ReferenceRandom random;
    if (ticks != 0) {
        random.Next();
    }
    int next = static_cast<int>(random.Next() % 7);
    std::vector<std::pair<int, int>> pieces;
    for (int i = 0; i < count; ++i) {
        const int current = next;
        do {
            if (ticks != 0) {
                random.Next();
            }
            next = static_cast<int>(random.Next() % 7);
        } while (next == current);
        pieces.emplace_back(current, next);
    }
    return pieces;
}

std::vector<std::pair<int, int>> PlayedPieces(std::uint32_t ticks, int count) {
    RecordingHooks hooks;
    hooks.ticks = ticks;
    GameEngine engine(hooks, hooks);
    engine.Open();
    std::vector<std::pair<int, int>> pieces;
    pieces.emplace_back(engine.State().currentPiece, engine.State().nextPiece);
    for (int i = 1; i < count; ++i) {
        engine.NewPiece();
        pieces.emplace_back(engine.State().currentPiece, engine.State().nextPiece);
    }
    return pieces;
}

TEST(GameRandomTest, FirstDrawIsTheUpperHalfOfMPlusOne) {
    GameRandom random;
    EXPECT_EQ(random.Next(), 346u);
    EXPECT_EQ(random.State(), 1486058704437ull + 1);
}

TEST(GameRandomTest, FollowsItsDefinitionOverManyDraws) {
    GameRandom random;
    ReferenceRandom reference;
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t value = random.Next();
        ASSERT_EQ(value, reference.Next()) << "draw " << i;
        ASSERT_LT(value, 0x80000000u);
    }
}

class PieceSequenceTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(PieceSequenceTest, FirstPiecesAfterLoadingAreAlwaysTheSame) {
    const std::uint32_t ticks = GetParam();
    const auto expected = ExpectedPieces(ticks, 50);
    EXPECT_EQ(PlayedPieces(ticks, 50), expected);
    EXPECT_EQ(PlayedPieces(ticks, 50), expected);
}

TEST_P(PieceSequenceTest, NextPieceNeverEqualsCurrentPiece) {
    RecordingHooks hooks;
    hooks.ticks = GetParam();
    GameEngine engine(hooks, hooks);
    engine.Open();
    int seen[7] = {};
    for (int i = 0; i < 5000; ++i) {
        engine.NewPiece();
        ASSERT_NE(engine.State().currentPiece, engine.State().nextPiece) << "piece " << i;
        ++seen[engine.State().nextPiece];
    }
    for (int piece = 0; piece < 7; ++piece) {
        EXPECT_GT(seen[piece], 0) << "piece " << piece << " never came";
    }
}

INSTANTIATE_TEST_SUITE_P(TickCounts, PieceSequenceTest, ::testing::Values(0u, 1u, 7u, 123456u));

TEST(OpeningTest, StartsAtTheStartDelayWithNoScoreAndTheFirstPieceAtItsStart) {
    RecordingHooks hooks;
    GameEngine engine(hooks, hooks);
    GameState& state = engine.State();
    state.startDelay = 3;
    state.delay = 9;
    state.score = 77;
    engine.Open();
    EXPECT_EQ(state.delay, 3);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.rotation, 0);
    EXPECT_EQ(state.pieceColumn, 4);
    EXPECT_EQ(state.pieceRow, 0);
    EXPECT_EQ(state.pieceValue, 16);
    EXPECT_FALSE(state.gameOver);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"erase " + std::to_string(state.currentPiece),
                                                      "draw " + std::to_string(state.nextPiece)}));
}

} // namespace
} // namespace blocksby::test
