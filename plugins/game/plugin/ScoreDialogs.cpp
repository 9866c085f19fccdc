#include "plugins/game/plugin/ScoreDialogs.h"

#include "plugins/game/plugin/Messages.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

namespace blocksby {
namespace {

ulvar::DialogItem Item(int type, int x1, int y1, int x2, int y2, std::string_view text,
                       std::uint32_t flags = 0) {
    ulvar::DialogItem item{};
    item.Type = type;
    item.X1 = x1;
    item.Y1 = y1;
    item.X2 = x2;
    item.Y2 = y2;
    item.Flags = flags;
    const std::size_t length = std::min(text.size(), sizeof item.Data - 1);
    std::memcpy(item.Data, text.data(), length);
    item.Data[length] = '\0';
    return item;
}

ulvar::DialogItem Separator(int x, int y) {
    return Item(ulvar::DialogText, x, y, 0, 0, "", ulvar::DialogSeparator);
}

} // namespace

std::optional<std::string> AskPlayerName(const HostServices& host) {
    constexpr int EditItem = 2;
    std::vector<ulvar::DialogItem> items;
    items.push_back(Item(ulvar::DialogDoubleBox, 3, 1, 66, 6, host.Msg(msg::NameTitle)));
    items.push_back(Item(ulvar::DialogText, 5, 2, 0, 0, host.Msg(msg::NamePrompt)));
    items.push_back(Item(ulvar::DialogEdit, 5, 3, 64, 3, DefaultPlayerName, ulvar::DialogHistory));
    items.back().Focus = 1;
    items.back().History = NameHistory;
    items.push_back(Separator(5, 4));
    items.push_back(
        Item(ulvar::DialogButton, 0, 5, 0, 0, host.Msg(msg::Ok), ulvar::DialogCenterGroup));
    items.back().DefaultButton = 1;
    items.push_back(
        Item(ulvar::DialogButton, 0, 5, 0, 0, host.Msg(msg::Cancel), ulvar::DialogCenterGroup));

    const int closedBy = host.Dialog(70, 8, items.data(), static_cast<int>(items.size()));
    if (closedBy == -1) {
        return std::nullopt;
    }
    const auto& data = items[EditItem].Data;
    return std::string(data, std::find(std::begin(data), std::end(data), '\0'));
}

void ShowScoreTable(const HostServices& host, const ScoreTable& table, std::int32_t currentScore) {
    std::vector<ulvar::DialogItem> items;
    items.push_back(Item(ulvar::DialogDoubleBox, 3, 1, 66, 15, host.Msg(msg::ScoresTitle)));
    items.push_back(Item(ulvar::DialogText, 5, 2, 0, 0, host.Msg(msg::ScoresHeadings)));
    for (int i = 0; i < ScoreTable::Size; ++i) {
        items.push_back(
            Item(ulvar::DialogText, 5, 3 + i, 0, 0, FormatScoreRow(table[i], i + 1, currentScore)));
    }
    items.push_back(Separator(5, 13));
    items.push_back(
        Item(ulvar::DialogButton, 0, 14, 0, 0, host.Msg(msg::Ok), ulvar::DialogCenterGroup));
    items.back().Focus = 1;
    items.back().DefaultButton = 1;
    host.Dialog(70, 17, items.data(), static_cast<int>(items.size()));
}

void EnterScore(const HostServices& host, ScoreTable& table, std::int32_t score, std::int32_t delay,
                std::int32_t lines) {
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
