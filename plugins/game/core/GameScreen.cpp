#include "plugins/game/core/GameScreen.h"

#include "plugins/game/core/Messages.h"
#include "plugins/game/core/PieceShapes.h"

#include <string>
#include <utility>

namespace blocksby {
namespace {

// Double-line box characters and the full block of the console's OEM code page.
constexpr char TopLeft = '\xC9';
constexpr char TopRight = '\xBB';
constexpr char BottomLeft = '\xC8';
constexpr char BottomRight = '\xBC';
constexpr char Horizontal = '\xCD';
constexpr char Vertical = '\xBA';
constexpr char Block = '\xDB';

constexpr int FrameLeft = -2;
constexpr int FrameWidth = 48;
constexpr int FieldRows = 24;
constexpr int LabelColumn = 25;
constexpr int NumberColumn = 28;
constexpr int NumberEnd = 37;
constexpr int PreviewColumn = 29;
constexpr int PreviewRow = 15;
constexpr int StatusRow = 24;
constexpr int StatusWidth = 38;

std::string Repeat(char c, int count) {
    return std::string(static_cast<std::size_t>(count), c);
}

std::string FilledCell() {
    return std::string(2, Block);
}

} // namespace

void GameScreen::Layout(int bufferWidth, int bufferHeight) {
    x0_ = (bufferWidth - 40) / 2;
    y0_ = (bufferHeight - FieldRows) / 2;
    bufferHeight_ = bufferHeight;
}

void GameScreen::Put(int x, int y, int colour, std::string_view text) {
    host_.Text(x0_ + x, y0_ + y, colour, text);
}

void GameScreen::PutRightAligned(int y, int colour, std::string_view text) {
    Put(NumberColumn, y, colour, Repeat(' ', 10));
    Put(NumberEnd + 1 - static_cast<int>(text.size()), y, colour, text);
}

void GameScreen::DrawFrame() {
    if (bufferHeight_ > 25) {
        Put(FrameLeft, -1, colour::Frame, Repeat(' ', FrameWidth));
        Put(FrameLeft, 25, colour::Frame, Repeat(' ', FrameWidth));
    }
    const std::string side = Repeat(' ', 3);
    Put(FrameLeft, 0, colour::Frame,
        side + TopLeft + Repeat(Horizontal, 15) + " Blocksby " + Repeat(Horizontal, 15) + TopRight +
            side);
    for (int row = 1; row <= 23; ++row) {
        Put(FrameLeft, row, colour::Frame, side + Vertical + Repeat(' ', 40) + Vertical + side);
    }
    Put(FrameLeft, 24, colour::Frame,
        side + BottomLeft + Repeat(Horizontal, 40) + BottomRight + side);

    for (int row = 0; row < 4; ++row) {
        Put(PreviewColumn, PreviewRow + row, colour::Cell, ". . . . ");
    }
    Put(LabelColumn, 1, colour::BestScoreLabel, host_.Msg(msg::BestScoreLabel));
    Put(LabelColumn, 4, colour::Label, host_.Msg(msg::ScoreLabel));
    Put(LabelColumn, 7, colour::Label, host_.Msg(msg::LinesLabel));
    Put(LabelColumn, 10, colour::Label, host_.Msg(msg::DelayLabel));
    Put(LabelColumn, 13, colour::Label, host_.Msg(msg::NextLabel));
    Put(LabelColumn, 21, colour::Frame, host_.Msg(msg::KeyHelp1));
    Put(LabelColumn, 22, colour::Frame, host_.Msg(msg::KeyHelp2));
    Put(LabelColumn, 23, colour::Frame, host_.Msg(msg::KeyHelp3));
}

void GameScreen::DrawBoard(const GameBoard& board, bool colourMode) {
    for (int row = 0; row < GameBoard::WellRows; ++row) {
        for (int column = 0; column < GameBoard::WellColumns; ++column) {
            const std::uint8_t cell = board.At(column, row);
            const int x = 3 + 2 * column;
            if (cell == 0) {
                Put(x, 1 + row, colour::Cell, ". ");
            } else {
                Put(x, 1 + row, colourMode ? cell : colour::Cell, FilledCell());
            }
        }
    }
}

void GameScreen::PutPreviewCells(int piece, bool draw) {
    for (int j = 0; j < BoxSize; ++j) {
        for (int i = 0; i < BoxSize; ++i) {
            if (!PieceCell(piece, 0, i, j)) {
                continue;
            }
            const int x = PreviewColumn + 2 * i;
            if (draw) {
                Put(x, PreviewRow + j, PieceColour(piece), FilledCell());
            } else {
                Put(x, PreviewRow + j, colour::Cell, ". ");
            }
        }
    }
}

void GameScreen::DrawPreview(int piece) {
    PutPreviewCells(piece, true);
}

void GameScreen::ErasePreview(int piece) {
    PutPreviewCells(piece, false);
}

void GameScreen::DrawNumbers(const GameState& state, bool playing) {
    const auto number = [](std::int32_t value) {
        return std::to_string(static_cast<std::uint32_t>(value));
    };
    PutRightAligned(2, colour::BestScore, number(state.bestScore));
    PutRightAligned(5, colour::Number, number(state.score));
    if (playing) {
        PutRightAligned(8, colour::Number, number(state.linesCleared));
        PutRightAligned(11, colour::Number, number(state.delay));
    } else {
        PutRightAligned(8, colour::MenuNumber, number(state.linesPerSpeedUp));
        PutRightAligned(11, colour::MenuNumber, number(state.delay));
    }
}

void GameScreen::DrawHints(bool playing) {
    const std::pair<int, int> hints[] = {
        {9, msg::HintSpeedUp}, {12, msg::HintDelay}, {19, msg::HintPreview}};
    for (const auto& [row, message] : hints) {
        const std::string_view text = host_.Msg(message);
        if (playing) {
            PutRightAligned(row, colour::Frame, Repeat(' ', static_cast<int>(text.size())));
        } else {
            PutRightAligned(row, colour::Hint, text);
        }
    }
}

void GameScreen::DrawStatus(std::string_view text, int colour) {
    Put(0, StatusRow, colour::Frame,
        ' ' + (BottomLeft + Repeat(Horizontal, 40)) + BottomRight + ' ');
    const int length = static_cast<int>(text.size());
    Put(3 + (StatusWidth - length) / 2, StatusRow, colour, ' ' + std::string(text) + ' ');
}

} // namespace blocksby
