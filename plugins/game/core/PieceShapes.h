#pragma once

// The seven pieces, each in four rotations inside a 4 x 4 box whose top-left cell is the piece's
// position, and their console colours.

#include <cstdint>

namespace blocksby {

inline constexpr int PieceCount = 7;
inline constexpr int RotationCount = 4;
inline constexpr int BoxSize = 4;

inline constexpr int LongPiece = 0;

// True when the cell at box offset (column, row), each 0-3, is filled. Pieces and rotations
// outside their ranges have no filled cells.
bool PieceCell(int piece, int rotation, int column, int row);

// Foreground colour on black; 0 for an index outside 0-6.
std::uint8_t PieceColour(int piece);

bool ValidPiece(int piece);
bool ValidRotation(int rotation);

} // namespace blocksby
