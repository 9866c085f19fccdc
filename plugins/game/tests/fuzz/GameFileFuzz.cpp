// The game file beside the plug-in, as a crash, another program or a hand may have left it: the
// board, the pieces, the keys, the options and the score table. What a decoded game writes reads
// back as the same game. A file cut before its score table keeps the best score it held, while a
// whole file takes it from the table, so the round trip starts from a game whose best score is the
// table's first.
#include "plugins/game/core/GameFile.h"
#include "plugins/game/core/ScoreTable.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    blocksby::SavedGame game;
    blocksby::DecodeGameFile(std::span<const std::uint8_t>(data, size), game);
    blocksby::SavedGame whole = game;
    whole.state.bestScore = whole.scores[0].score;
    const std::vector<std::uint8_t> written = blocksby::EncodeGameFile(whole);
    if (written.size() != blocksby::GameFileSize)
        std::abort();
    blocksby::SavedGame again;
    blocksby::DecodeGameFile(written, again);
    if (blocksby::EncodeGameFile(again) != written)
        std::abort();
    for (int i = 0; i < blocksby::ScoreTable::Size; ++i)
        blocksby::FormatScoreRow(game.scores[i], i + 1, static_cast<std::int32_t>(size));
    game.scores.PlaceFor(static_cast<std::int32_t>(size));
    return 0;
}
