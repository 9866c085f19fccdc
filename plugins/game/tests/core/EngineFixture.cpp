#include "plugins/game/tests/core/EngineFixture.h"

#include <algorithm>

namespace blocksby::test {

int RecordingHooks::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

void EngineTest::SetPiece(int piece, int rotation, int column, int row) {
    state.currentPiece = piece;
    state.rotation = rotation;
    state.pieceColumn = column;
    state.pieceRow = row;
    engine.Place();
}

void EngineTest::FillRow(int row, std::vector<int> emptyColumns) {
    for (int column = 0; column < GameBoard::WellColumns; ++column) {
        const bool empty =
            std::find(emptyColumns.begin(), emptyColumns.end(), column) != emptyColumns.end();
        state.board.Set(column, row, empty ? 0 : 1);
    }
}

std::string EngineTest::RowText(int row) const {
    std::string text;
    for (int column = 0; column < GameBoard::WellColumns; ++column) {
        text += state.board.At(column, row) != 0 ? '#' : '.';
    }
    return text;
}

int EngineTest::FilledWellCells() const {
    int count = 0;
    for (int column = 0; column < GameBoard::WellColumns; ++column) {
        for (int row = 0; row < GameBoard::WellRows; ++row) {
            count += state.board.At(column, row) != 0 ? 1 : 0;
        }
    }
    return count;
}

} // namespace blocksby::test
