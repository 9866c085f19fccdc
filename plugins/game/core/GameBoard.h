#pragma once

// The well and everything around it: 40 columns of 40 cells, stored column after column. Only
// columns 0-9 are played; rows 0-22 of them are the well and row 23 is the floor that stops every
// piece. A cell holds 0 when empty, otherwise the colour of the piece that left it there.

#include <array>
#include <cstdint>

namespace blocksby {

class GameBoard {
public:
    static constexpr int Columns = 40;
    static constexpr int Rows = 40;
    static constexpr int Size = Columns * Rows;
    static constexpr int WellColumns = 10;
    static constexpr int WellRows = 23;
    static constexpr int FloorRow = 23;
    static constexpr std::uint8_t Floor = 255;

    GameBoard() { Clear(); }

    // Every cell empty, then the floor under the well.
    void Clear();
    // Puts back the cleared values outside the well (floor row, unused columns and rows), leaving
    // the well's cells as they are.
    void RestoreOutsideWell();

    static bool InGrid(int column, int row) {
        return column >= 0 && column < Columns && row >= 0 && row < Rows;
    }
    static bool InWell(int column, int row) {
        return column >= 0 && column < WellColumns && row >= 0 && row < WellRows;
    }

    // Cells outside the grid read as 0 and ignore writes.
    std::uint8_t At(int column, int row) const;
    void Set(int column, int row, std::uint8_t value);

    bool RowFull(int row) const;
    bool RowEmpty(int row) const;
    // Row `row` and every row above it move down by one; row 0 becomes empty.
    void RemoveRow(int row);

    std::array<std::uint8_t, Size>& Bytes() { return cells_; }
    const std::array<std::uint8_t, Size>& Bytes() const { return cells_; }

    bool operator==(const GameBoard&) const = default;

private:
    static int Index(int column, int row) { return column * Rows + row; }

    std::array<std::uint8_t, Size> cells_{};
};

} // namespace blocksby
