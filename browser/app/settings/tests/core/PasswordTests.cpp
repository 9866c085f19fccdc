#include "browser/app/settings/core/Password.h"

#include <gtest/gtest.h>
#include <vector>

namespace cobwen {
namespace {

// Returns `value` for every draw and checks the bound the filler bytes are drawn with.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(unsigned value) : value_(value) {}
    unsigned Below(unsigned bound) override {
        EXPECT_EQ(bound, 95u);
        ++draws;
        return value_;
    }
    int draws = 0;

private:
    unsigned value_;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

TEST(Password, ScramblesByTheStoredFormatOfEarlierRuns) {
    // "abcd": h = 2; from the end: 'd' + 0 + 12 = 'p' after a filler, 'c' + 1 + 12 = 'p',
    // 'b' + 12 = 'n' after a filler, 'a' + 13 = 'n'. The fillers are 33 + the random number.
    FixedRandom lowest(0);
    EXPECT_EQ(ScramblePassword("abcd", lowest), "n!np!p");
    EXPECT_EQ(lowest.draws, 2);
    FixedRandom highest(94);
    EXPECT_EQ(ScramblePassword("abcd", highest), "n\x7Fnp\x7Fp");
    // Whatever the fillers were, they are skipped when reading.
    for (const char* stored : {"n!np!p", "n~np#p", "n\x7Fnp\x7Fp"})
        EXPECT_EQ(UnscramblePassword(stored), "abcd") << stored;
    // "ab": h = 1, a filler before each byte.
    FixedRandom filler(10);
    EXPECT_EQ(ScramblePassword("ab", filler), "+m+n");
    EXPECT_EQ(UnscramblePassword("+m+n"), "ab");
}

TEST(Password, StoredFormIsTwoBytesLongerAndOneAndThreeByteFormsHaveLengthsOfTheirOwn) {
    struct Case {
        std::size_t length;
        std::size_t stored;
        int fillers;
    };
    const Case cases[] = {
        {0, 0, 0}, {1, 3, 2},  {2, 4, 2},  {3, 5, 2},   {4, 6, 2},   {5, 7, 2},   {6, 8, 2},
        {7, 9, 2}, {8, 10, 2}, {9, 11, 2}, {10, 12, 2}, {11, 13, 2}, {12, 14, 2}, {255, 257, 2},
    };
    for (const auto& c : cases) {
        FixedRandom random(50);
        const std::string stored = ScramblePassword(std::string(c.length, 'x'), random);
        EXPECT_EQ(stored.size(), c.stored) << c.length;
        EXPECT_EQ(random.draws, c.fillers) << c.length;
    }
}

TEST(Password, RoundTripsEveryLengthFromNoneToTwelveWithAnyBytes) {
    SystemRandom random;
    unsigned seed = 1;
    for (std::size_t length = 0; length <= 12; ++length) {
        for (int round = 0; round < 200; ++round) {
            std::string password;
            for (std::size_t i = 0; i < length; ++i) {
                seed = seed * 1103515245u + 12345u;
                password += static_cast<char>((seed >> 16) & 0xFF);
            }
            const std::string stored = ScramblePassword(password, random);
            ASSERT_EQ(UnscramblePassword(stored), password)
                << "length " << length << ", round " << round;
        }
    }
}

TEST(Password, ReadsShortStoredTexts) {
    struct Case {
        std::string stored;
        std::string password;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"x", ""},                         // nothing writes a single byte
        {"!n", "b"},                       // two bytes: h = 1, one filler skipped
        {"!n!", "a"},                      // a 1-byte password: 'a' + 1 + 12
        {"!npr!", "abc"},                  // a 3-byte password: + 13, + 14, + 15
        {Bytes({'#', 0x0C, '#'}), "\xFF"}, // 0xFF + 13 wraps round to 0x0C
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnscramblePassword(c.stored), c.password) << c.stored;
    FixedRandom random(0);
    EXPECT_EQ(ScramblePassword("a", random), "!n!");
    EXPECT_EQ(ScramblePassword("abc", random), "!npr!");
}

} // namespace
} // namespace cobwen
