#pragma once

// The game's picture, drawn through the host's text output: the frame with its labels, the well,
// the preview of the next piece, the numbers, the menu hints and the status line. Positions are
// relative to the origin that centres the 40 x 24 field in the console buffer.

#include "plugin-host/kit/core/HostServices.h"
#include "plugins/game/core/GameBoard.h"
#include "plugins/game/core/GameState.h"

#include <cstdint>
#include <string_view>

namespace blocksby {

namespace colour {
inline constexpr int Frame = 0x70;
inline constexpr int Cell = 0x07;
inline constexpr int BestScoreLabel = 0x79;
inline constexpr int Label = 0x71;
inline constexpr int BestScore = 0x7F;
inline constexpr int Number = 0x70;
inline constexpr int MenuNumber = 0x7C;
inline constexpr int Hint = 0x7C;
inline constexpr int Paused = 0x7E;
inline constexpr int AutoPaused = 0x7B;
inline constexpr int Playing = 0x70;
} // namespace colour

class GameScreen {
public:
    explicit GameScreen(const ulvar::kit::HostServices& host) : host_(host) {}

    // The origin for a console buffer of the given size.
    void Layout(int bufferWidth, int bufferHeight);
    int OriginX() const { return x0_; }
    int OriginY() const { return y0_; }

    // Blank rows around a tall buffer, the frame, the preview background and the labels.
    void DrawFrame();
    void DrawBoard(const GameBoard& board, bool colourMode);
    void DrawPreview(int piece);
    void ErasePreview(int piece);
    void DrawNumbers(const GameState& state, bool playing);
    void DrawHints(bool playing);
    void DrawStatus(std::string_view text, int colour);
    void Flush() { host_.Flush(); }

private:
    void Put(int x, int y, int colour, std::string_view text);
    // Ten blanks from column 28, then the text so that it ends at column 37.
    void PutRightAligned(int y, int colour, std::string_view text);
    void PutPreviewCells(int piece, bool draw);

    const ulvar::kit::HostServices& host_;
    int x0_ = 0;
    int y0_ = 0;
    int bufferHeight_ = 25;
};

} // namespace blocksby
