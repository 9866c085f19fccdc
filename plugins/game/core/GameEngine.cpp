#include "plugins/game/core/GameEngine.h"

#include "plugins/game/core/PieceShapes.h"

#include <utility>

namespace blocksby {
namespace {

// Counters are 32-bit and may come from a stored game; they wrap instead of overflowing.
void AddWrapping(std::int32_t& value, std::int64_t amount) {
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                      static_cast<std::uint32_t>(amount));
}

} // namespace

GameEngine::GameEngine(GameEnvironment& environment, GameListener& listener)
    : environment_(environment), listener_(listener) {
}

bool GameEngine::Fits(int column, int row, int piece, int rotation) const {
    for (int j = 0; j < BoxSize; ++j) {
        for (int i = 0; i < BoxSize; ++i) {
            if (!PieceCell(piece, rotation, i, j)) {
                continue;
            }
            const int c = column + i;
            const int r = row + j;
            if (c < 0 || c >= GameBoard::WellColumns || !GameBoard::InGrid(c, r) ||
                state_.board.At(c, r) != 0) {
                return false;
            }
        }
    }
    return true;
}

bool GameEngine::FitsAt(int column, int row, int rotation) const {
    return Fits(column, row, state_.currentPiece, rotation);
}

void GameEngine::Fill(std::uint8_t colour) {
    for (int j = 0; j < BoxSize; ++j) {
        for (int i = 0; i < BoxSize; ++i) {
            if (PieceCell(state_.currentPiece, state_.rotation, i, j)) {
                state_.board.Set(state_.pieceColumn + i, state_.pieceRow + j, colour);
            }
        }
    }
}

void GameEngine::Place() {
    Fill(PieceColour(state_.currentPiece));
}

void GameEngine::Remove() {
    Fill(0);
}

void GameEngine::Open() {
    const std::uint32_t ticks = environment_.TickCount();
    if (ticks != 0) {
        // Replaced at once by NewPiece; the draw only moves the sequence on.
        state_.currentPiece = static_cast<std::int32_t>(random_.Next() % ticks);
    }
    state_.nextPiece = static_cast<std::int32_t>(random_.Next() % PieceCount);
    state_.delay = state_.startDelay;
    state_.score = 0;
    NewPiece();
}

void GameEngine::NewPiece() {
    state_.currentPiece = state_.nextPiece;
    listener_.ErasePreview(state_.currentPiece);
    do {
        if (environment_.TickCount() != 0) {
            random_.Next();
        }
        state_.nextPiece = static_cast<std::int32_t>(random_.Next() % PieceCount);
    } while (state_.nextPiece == state_.currentPiece);
    state_.rotation = 0;
    state_.pieceColumn = StartColumn;
    state_.pieceRow = StartRow;
    state_.pieceValue = PieceValueFor(state_.delay);
    if (!FitsAt(state_.pieceColumn, state_.pieceRow, state_.rotation)) {
        state_.gameOver = true;
    }
    state_.graceStep = 0;
    if (state_.showNext) {
        listener_.DrawPreview(state_.nextPiece);
    }
}

void GameEngine::ResetCounters() {
    state_.linesAtLastSpeedUp = 0;
    state_.score = 0;
    state_.linesCleared = 0;
    state_.delay = state_.startDelay;
}

void GameEngine::NewGame() {
    state_.board.Clear();
    NewPiece();
    listener_.RedrawBoard();
    ResetCounters();
    listener_.RedrawNumbers();
}

void GameEngine::Step() {
    if (state_.dropping) {
        AddWrapping(state_.score, std::int64_t{state_.pieceValue} * Factor());
    }
    listener_.ResetTickCounter();
    Remove();
    if (FitsAt(state_.pieceColumn, state_.pieceRow + 1, state_.rotation)) {
        ++state_.pieceRow;
        state_.graceStep = 0;
        Place();
        if (state_.pieceValue > 0) {
            --state_.pieceValue;
        }
    } else {
        Place();
        if (state_.dropping && state_.graceStep == 0) {
            state_.graceStep = 1;
            state_.dropping = false;
        } else {
            state_.dropping = false;
            ClearFullRows();
            NewPiece();
            if (state_.gameOver) {
                EndGame();
            }
        }
    }
    if (state_.bestScore < state_.score) {
        state_.bestScore = state_.score;
    }
    listener_.RedrawNumbers();
    listener_.RedrawBoard();
    listener_.StepDone();
}

void GameEngine::ClearFullRows() {
    constexpr int BottomRow = GameBoard::WellRows - 1;
    int removed = 0;
    for (int row = 0; row <= BottomRow; ++row) {
        if (!state_.board.RowFull(row)) {
            continue;
        }
        AddWrapping(state_.linesCleared, 1);
        state_.board.RemoveRow(row);
        ++removed;
        if (row == BottomRow && state_.board.RowEmpty(BottomRow)) {
            environment_.Beep();
        }
    }
    AddWrapping(state_.score, std::int64_t{removed} * state_.pieceValue * Factor());

    const std::int64_t sinceSpeedUp = std::int64_t{state_.linesCleared} - state_.linesAtLastSpeedUp;
    if (state_.linesCleared > 0 && sinceSpeedUp != 0 && sinceSpeedUp >= state_.linesPerSpeedUp &&
        state_.delay > 0) {
        --state_.delay;
        state_.linesAtLastSpeedUp = state_.linesCleared;
    }
}

void GameEngine::EndGame() {
    state_.board.Clear();
    NewPiece();
    listener_.RedrawBoard();
    listener_.EnterScore();
    listener_.SaveGame();
    ResetCounters();
    listener_.RedrawNumbers();
    listener_.ReturnToMenu();
    state_.gameOver = false;
}

bool GameEngine::Shift(int columns) {
    Remove();
    const bool fits = FitsAt(state_.pieceColumn + columns, state_.pieceRow, state_.rotation);
    if (fits) {
        state_.pieceColumn += columns;
    }
    Place();
    return fits;
}

void GameEngine::MoveLeft() {
    Shift(-1);
}

void GameEngine::MoveRight() {
    Shift(1);
}

void GameEngine::MoveAllLeft() {
    while (Shift(-1)) {
    }
}

void GameEngine::MoveAllRight() {
    while (Shift(1)) {
    }
}

void GameEngine::Rotate() {
    Remove();
    const int turned = state_.rotateForward ? (state_.rotation + 1) % RotationCount
                                            : (state_.rotation + RotationCount - 1) % RotationCount;
    if (FitsAt(state_.pieceColumn, state_.pieceRow, turned)) {
        state_.rotation = turned;
    }
    Place();
}

void GameEngine::Swap() {
    Remove();
    if (Fits(state_.pieceColumn, state_.pieceRow, state_.nextPiece, 0)) {
        listener_.ErasePreview(state_.nextPiece);
        std::swap(state_.currentPiece, state_.nextPiece);
        state_.rotation = 0;
        if (state_.showNext) {
            listener_.DrawPreview(state_.nextPiece);
        }
    }
    Place();
}

void GameEngine::Drop() {
    if (state_.shortDrop) {
        Step();
        Step();
        return;
    }
    state_.dropping = true;
    Step();
}

} // namespace blocksby
