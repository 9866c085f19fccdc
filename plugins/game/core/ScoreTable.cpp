#include "plugins/game/core/ScoreTable.h"

#include <algorithm>
#include <cstdio>

namespace blocksby {

std::string_view ScoreEntry::Name() const {
    const auto end = std::find(name.begin(), name.end(), '\0');
    return std::string_view(name.data(), static_cast<std::size_t>(end - name.begin()));
}

void ScoreEntry::SetName(std::string_view text) {
    name.fill('\0');
    const auto length = std::min<std::size_t>(text.size(), MaxNameLength);
    std::copy_n(text.begin(), length, name.begin());
}

int ScoreTable::PlaceFor(std::int32_t score) const {
    for (int i = 0; i < Size; ++i) {
        if (entries_[i].score < score) {
            return i;
        }
    }
    return -1;
}

void ScoreTable::MakeRoomAt(int index) {
    if (index < 0 || index >= Size) {
        return;
    }
    for (int i = Size - 1; i > index; --i) {
        entries_[i] = entries_[i - 1];
    }
}

std::string FormatScoreRow(const ScoreEntry& entry, int rank, std::int32_t currentScore) {
    std::string name(entry.Name());
    name.resize(ScoreEntry::MaxNameLength, ' ');
    const char mark = entry.score == currentScore && entry.score > 0 ? '*' : ' ';
    char row[128];
    std::snprintf(row, sizeof row, "%c%2d %s %8d %8d %3d", mark, rank, name.c_str(), entry.score,
                  entry.lines, entry.delay);
    return row;
}

} // namespace blocksby
