#pragma once

// The ten best games, best first, and how a finished game finds its place among them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace blocksby {

struct ScoreEntry {
    static constexpr int NameSize = 32; // with the terminating zero
    static constexpr int MaxNameLength = NameSize - 1;

    std::int32_t score = 0;
    std::int32_t delay = 0;
    std::int32_t lines = 0;
    std::array<char, NameSize> name{}; // 8-bit text as the host's dialog returns it

    std::string_view Name() const;
    // Keeps the first 31 characters; the rest of the field is zero.
    void SetName(std::string_view text);

    bool operator==(const ScoreEntry&) const = default;
};

class ScoreTable {
public:
    static constexpr int Size = 10;

    // The first entry whose score is lower than `score`, or -1 when the game is not good enough.
    int PlaceFor(std::int32_t score) const;
    // Moves the entry at `index` and all below it down one place; the last one falls out. The
    // entry at `index` keeps its old content until it is overwritten.
    void MakeRoomAt(int index);

    ScoreEntry& operator[](int index) { return entries_[index]; }
    const ScoreEntry& operator[](int index) const { return entries_[index]; }

    bool operator==(const ScoreTable&) const = default;

private:
    std::array<ScoreEntry, Size> entries_{};
};

// One row of the table as the score dialog shows it: a mark ("*" for the entry of the game just
// played), the rank 1-10, the name padded to 31 characters, the score, the lines and the delay.
std::string FormatScoreRow(const ScoreEntry& entry, int rank, std::int32_t currentScore);

} // namespace blocksby
