#include "plugins/game/core/ScoreDialogs.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/game/core/Messages.h"

#include <algorithm>
#include <iterator>

namespace blocksby {

std::optional<std::string> AskPlayerName(const ulvar::kit::HostServices& host) {
    constexpr int EditItem = 2;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 66, 6, host.Msg(msg::NameTitle));
    items.Text(5, 2, host.Msg(msg::NamePrompt));
    items.Edit(5, 3, 64, DefaultPlayerName, NameHistory).Focus = 1;
    items.Separator(5, 4);
    items.Button(5, host.Msg(msg::Ok)).DefaultButton = 1;
    items.Button(5, host.Msg(msg::Cancel));

    const int closedBy = host.Dialog(70, 8, items.Items());
    if (closedBy == -1) {
        return std::nullopt;
    }
    const auto& data = items.Items()[EditItem].Data;
    return std::string(data, std::find(std::begin(data), std::end(data), '\0'));
}

void ShowScoreTable(const ulvar::kit::HostServices& host, const ScoreTable& table,
                    std::int32_t currentScore) {
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 66, 15, host.Msg(msg::ScoresTitle));
    items.Text(5, 2, host.Msg(msg::ScoresHeadings));
    for (int i = 0; i < ScoreTable::Size; ++i) {
        items.Text(5, 3 + i, FormatScoreRow(table[i], i + 1, currentScore));
    }
    items.Separator(5, 13);
    ulvar::DialogItem& ok = items.Button(14, host.Msg(msg::Ok));
    ok.Focus = 1;
    ok.DefaultButton = 1;
    host.Dialog(70, 17, items.Items());
}

void EnterScore(const ulvar::kit::HostServices& host, ScoreTable& table, std::int32_t score,
                std::int32_t delay, std::int32_t lines) {
    const int place = table.PlaceFor(score);
    if (place >= 0) {
        table.MakeRoomAt(place);
        if (const auto name = AskPlayerName(host)) {
            table[place].SetName(*name);
        }
        table[place].score = score;
        table[place].delay = delay;
        table[place].lines = lines;
    }
    ShowScoreTable(host, table, score);
}

} // namespace blocksby
