#include "plugins/game/core/GameFile.h"

#include "plugins/game/core/PieceShapes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>

namespace blocksby {
namespace {

constexpr std::size_t ScoreEntrySize = 44;
constexpr std::size_t ScoreTableSize = ScoreEntrySize * ScoreTable::Size;

class Writer {
public:
    template <typename T> void Put(T value) {
        using U = std::make_unsigned_t<T>;
        auto bits = static_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            bits = static_cast<U>(bits >> 8);
        }
    }
    void PutBool(bool value) { bytes_.push_back(value ? 1 : 0); }
    void PutBytes(const std::uint8_t* data, std::size_t size) {
        bytes_.insert(bytes_.end(), data, data + size);
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads fields in order. A field gets as many of its bytes as remain, as its low-order bytes;
// each read tells how many bytes it found.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t ReadBytes(std::uint8_t* data, std::size_t size) {
        const std::size_t count = std::min(size, bytes_.size() - position_);
        std::memcpy(data, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }

    template <typename T> std::size_t Read(T& value) {
        using U = std::make_unsigned_t<T>;
        std::array<std::uint8_t, sizeof(T)> raw{};
        auto bits = static_cast<U>(value);
        for (auto& byte : raw) {
            byte = static_cast<std::uint8_t>(bits & 0xFF);
            bits = static_cast<U>(bits >> 8);
        }
        const std::size_t count = ReadBytes(raw.data(), raw.size());
        U result = 0;
        for (std::size_t i = sizeof(T); i-- > 0;) {
            result = static_cast<U>((result << 8) | raw[i]);
        }
        value = static_cast<T>(result);
        return count;
    }

    std::size_t ReadBool(bool& value) {
        std::uint8_t byte = 0;
        const std::size_t count = ReadBytes(&byte, 1);
        if (count != 0) {
            value = byte != 0;
        }
        return count;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

std::array<std::uint8_t, ScoreTableSize> EncodeScores(const ScoreTable& scores) {
    Writer writer;
    for (int i = 0; i < ScoreTable::Size; ++i) {
        writer.Put(scores[i].score);
        writer.Put(scores[i].delay);
        writer.Put(scores[i].lines);
        writer.PutBytes(reinterpret_cast<const std::uint8_t*>(scores[i].name.data()),
                        ScoreEntry::NameSize);
    }
    const auto bytes = writer.Take();
    std::array<std::uint8_t, ScoreTableSize> result{};
    std::copy(bytes.begin(), bytes.end(), result.begin());
    return result;
}

ScoreTable DecodeScores(const std::array<std::uint8_t, ScoreTableSize>& bytes) {
    ScoreTable scores;
    Reader reader(bytes);
    for (int i = 0; i < ScoreTable::Size; ++i) {
        reader.Read(scores[i].score);
        reader.Read(scores[i].delay);
        reader.Read(scores[i].lines);
        reader.ReadBytes(reinterpret_cast<std::uint8_t*>(scores[i].name.data()),
                         ScoreEntry::NameSize);
    }
    return scores;
}

// Every filled cell of the piece inside the well.
bool InsideWell(int piece, int rotation, int column, int row) {
    for (int j = 0; j < BoxSize; ++j) {
        for (int i = 0; i < BoxSize; ++i) {
            if (PieceCell(piece, rotation, i, j) && !GameBoard::InWell(column + i, row + j)) {
                return false;
            }
        }
    }
    return true;
}

template <typename T> void KeepIfOutside(T& value, T low, T high, T before) {
    if (value < low || value > high) {
        value = before;
    }
}

void Sanitise(SavedGame& game, const SavedGame& before) {
    GameState& s = game.state;
    const GameState& b = before.state;
    s.board.RestoreOutsideWell();
    KeepIfOutside(s.currentPiece, 0, PieceCount - 1, b.currentPiece);
    KeepIfOutside(s.nextPiece, 0, PieceCount - 1, b.nextPiece);
    KeepIfOutside(s.rotation, 0, RotationCount - 1, b.rotation);
    if (!InsideWell(s.currentPiece, s.rotation, s.pieceColumn, s.pieceRow)) {
        s.pieceColumn = b.pieceColumn;
        s.pieceRow = b.pieceRow;
    }
    KeepIfOutside(s.delay, 0, MaxDelay, b.delay);
    KeepIfOutside(s.startDelay, 0, MaxDelay, b.startDelay);
    KeepIfOutside(s.linesPerSpeedUp, MinLinesPerSpeedUp, MaxLinesPerSpeedUp, b.linesPerSpeedUp);
    KeepIfOutside(s.pieceValue, 0, PieceValueFor(0), b.pieceValue);
    for (int i = 0; i < ScoreTable::Size; ++i) {
        game.scores[i].name[ScoreEntry::MaxNameLength] = '\0';
    }
}

bool ReadFields(Reader& reader, SavedGame& game) {
    GameState& s = game.state;
    if (reader.ReadBytes(s.board.Bytes().data(), GameBoard::Size) == 0) {
        return false;
    }
    for (std::int32_t* field :
         {&s.score, &s.bestScore, &s.delay, &s.linesCleared, &s.currentPiece, &s.nextPiece,
          &s.rotation, &s.pieceColumn, &s.pieceRow, &s.pieceValue, &s.linesPerSpeedUp}) {
        if (reader.Read(*field) == 0) {
            return false;
        }
    }
    GameKeys& k = game.keys;
    for (std::uint16_t* key :
         {&k.left, &k.right, &k.drop, &k.rotate, &k.allLeft, &k.allRight, &k.swap}) {
        reader.Read(*key);
    }
    reader.ReadBool(s.showNext);
    if (reader.Read(s.startDelay) == 0) {
        return false;
    }
    reader.ReadBool(s.shortDrop);
    if (reader.ReadBool(s.rotateForward) == 0) {
        return false;
    }
    auto scoreBytes = EncodeScores(game.scores);
    reader.ReadBytes(scoreBytes.data(), scoreBytes.size());
    game.scores = DecodeScores(scoreBytes);
    s.bestScore = game.scores[0].score;
    reader.ReadBool(game.colourMode);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeGameFile(const SavedGame& game) {
    const GameState& s = game.state;
    Writer writer;
    writer.PutBytes(s.board.Bytes().data(), GameBoard::Size);
    for (std::int32_t field :
         {s.score, s.bestScore, s.delay, s.linesCleared, s.currentPiece, s.nextPiece, s.rotation,
          s.pieceColumn, s.pieceRow, s.pieceValue, s.linesPerSpeedUp}) {
        writer.Put(field);
    }
    const GameKeys& k = game.keys;
    for (std::uint16_t key : {k.left, k.right, k.drop, k.rotate, k.allLeft, k.allRight, k.swap}) {
        writer.Put(key);
    }
    writer.PutBool(s.showNext);
    writer.Put(s.startDelay);
    writer.PutBool(s.shortDrop);
    writer.PutBool(s.rotateForward);
    const auto scores = EncodeScores(game.scores);
    writer.PutBytes(scores.data(), scores.size());
    writer.PutBool(game.colourMode);
    return writer.Take();
}

void DecodeGameFile(std::span<const std::uint8_t> bytes, SavedGame& game) {
    const SavedGame before = game;
    Reader reader(bytes);
    ReadFields(reader, game);
    Sanitise(game, before);
}

} // namespace blocksby
