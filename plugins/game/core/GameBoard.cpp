#include "plugins/game/core/GameBoard.h"

namespace blocksby {

void GameBoard::Clear() {
    cells_.fill(0);
    for (int column = 0; column < WellColumns; ++column) {
        cells_[Index(column, FloorRow)] = Floor;
    }
}

void GameBoard::RestoreOutsideWell() {
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            if (InWell(column, row)) {
                continue;
            }
            const bool floor = column < WellColumns && row == FloorRow;
            cells_[Index(column, row)] = floor ? Floor : 0;
        }
    }
}

std::uint8_t GameBoard::At(int column, int row) const {
    return InGrid(column, row) ? cells_[Index(column, row)] : 0;
}

void GameBoard::Set(int column, int row, std::uint8_t value) {
    if (InGrid(column, row)) {
        cells_[Index(column, row)] = value;
    }
}

bool GameBoard::RowFull(int row) const {
    for (int column = 0; column < WellColumns; ++column) {
        if (At(column, row) == 0) {
            return false;
        }
    }
    return true;
}

bool GameBoard::RowEmpty(int row) const {
    for (int column = 0; column < WellColumns; ++column) {
        if (At(column, row) != 0) {
            return false;
        }
    }
    return true;
}

void GameBoard::RemoveRow(int row) {
    for (int column = 0; column < WellColumns; ++column) {
        for (int r = row; r >= 1; --r) {
            Set(column, r, At(column, r - 1));
        }
        Set(column, 0, 0);
    }
}

} // namespace blocksby
