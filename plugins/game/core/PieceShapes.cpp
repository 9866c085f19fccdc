#include "plugins/game/core/PieceShapes.h"

#include <array>
#include <string_view>

namespace blocksby {
namespace {

// One rotation drawn as four rows of the box separated by "/": "#" filled, "." empty. The
// drawing is turned into a 16-bit mask (bit row * 4 + column) at compile time.
constexpr std::uint16_t Shape(std::string_view rows) {
    std::uint16_t mask = 0;
    int row = 0;
    int column = 0;
    for (char c : rows) {
        if (c == '/') {
            ++row;
            column = 0;
            continue;
        }
        if (c == '#') {
            mask = static_cast<std::uint16_t>(mask | (1u << (row * BoxSize + column)));
        }
        ++column;
    }
    return mask;
}

using Rotations = std::array<std::uint16_t, RotationCount>;

constexpr std::array<Rotations, PieceCount> Shapes = {{
    {Shape("####/..../..../...."), Shape(".#../.#../.#../.#.."), Shape("####/..../..../...."),
     Shape(".#../.#../.#../.#..")},
    {Shape("##../##../..../...."), Shape("##../##../..../...."), Shape("##../##../..../...."),
     Shape("##../##../..../....")},
    {Shape("###./..#./..../...."), Shape(".##./.#../.#../...."), Shape("#.../###./..../...."),
     Shape(".#../.#../##../....")},
    {Shape("###./#.../..../...."), Shape("#.../#.../##../...."), Shape("..#./###./..../...."),
     Shape("##../.#../.#../....")},
    {Shape("###./.#../..../...."), Shape(".#../.##./.#../...."), Shape(".#../###./..../...."),
     Shape(".#../##../.#../....")},
    {Shape(".##./##../..../...."), Shape("#.../##../.#../...."), Shape(".##./##../..../...."),
     Shape("#.../##../.#../....")},
    {Shape("##../.##./..../...."), Shape(".#../##../#.../...."), Shape("##../.##./..../...."),
     Shape(".#../##../#.../....")},
}};

constexpr std::array<std::uint8_t, PieceCount> Colours = {0x0E, 0x0D, 0x0A, 0x0C, 0x0B, 0x09, 0x0F};

} // namespace

bool ValidPiece(int piece) {
    return piece >= 0 && piece < PieceCount;
}

bool ValidRotation(int rotation) {
    return rotation >= 0 && rotation < RotationCount;
}

bool PieceCell(int piece, int rotation, int column, int row) {
    if (!ValidPiece(piece) || !ValidRotation(rotation) || column < 0 || column >= BoxSize ||
        row < 0 || row >= BoxSize) {
        return false;
    }
    return (Shapes[piece][rotation] >> (row * BoxSize + column)) & 1u;
}

std::uint8_t PieceColour(int piece) {
    return ValidPiece(piece) ? Colours[piece] : 0;
}

} // namespace blocksby
