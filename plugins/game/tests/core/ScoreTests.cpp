#include "plugins/game/tests/core/ScreenCheck.h"

#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/Messages.h"

namespace blocksby::test {
namespace {

using ulvar::standin::DialogAnswer;

// A game one lock away from its end: the square in the top-left corner drops to the floor, and
// a cell in the top row under the start position keeps every next piece out.
SavedGame GameAboutToEnd(std::int32_t score, const ScoreTable& table) {
    SavedGame game;
    game.state.board.Set(5, 0, 0x0C);
    game.state.currentPiece = 1;
    game.state.nextPiece = 2;
    game.state.pieceColumn = 0;
    game.state.pieceRow = 0;
    game.state.pieceValue = 0;
    game.state.score = score;
    game.state.delay = 4;
    game.state.linesCleared = 7; // below the rows per speed-up: the delay stays
    game.scores = table;
    return game;
}

ScoreTable TableOf(std::initializer_list<std::pair<int, const char*>> entries) {
    ScoreTable table;
    int i = 0;
    for (const auto& [score, name] : entries) {
        table[i].score = score;
        table[i].delay = 3;
        table[i].lines = i;
        table[i].SetName(name);
        ++i;
    }
    return table;
}

ScoreTable FullTable() {
    return TableOf({{1000, "one"},
                    {900, "two"},
                    {800, "three"},
                    {700, "four"},
                    {600, "five"},
                    {550, "six"},
                    {540, "seven"},
                    {530, "eight"},
                    {520, "nine"},
                    {500, "ten"}});
}

// Play, drop, let the drop settle, drop again: the piece locks and the game ends.
void EndTheGame(FakeConsole& con) {
    con.Press(vk::Return);
    con.Press(' ');
    con.Wait(10);
    con.Press(' ');
    con.Leave();
}

const std::string FortyCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";

struct EntryCase {
    const char* name;
    ScoreTable table;
    std::int32_t score;
    std::optional<DialogAnswer> nameAnswer; // none: no name dialog is expected
    ScoreTable expected;
};

ScoreTable Expected(ScoreTable table, int place, std::int32_t score, const char* name) {
    table[place].score = score;
    table[place].delay = 4;
    table[place].lines = 7;
    table[place].SetName(name);
    return table;
}

ScoreTable ShiftedFrom(ScoreTable table, int place) {
    table.MakeRoomAt(place);
    return table;
}

const EntryCase EntryCases[] = {
    {"FortyCharacterNameIsStoredAs31", ScoreTable{}, 500,
     DialogAnswer{4, {{2, FortyCharacters}}, {}},
     Expected(ScoreTable{}, 0, 500, FortyCharacters.substr(0, 31).c_str())},
    {"EscKeepsTheNameThatStoodThere", TableOf({{900, "Ann"}, {400, "Bob"}}), 500,
     DialogAnswer{-1, {{2, "ignored"}}, {}},
     Expected(ShiftedFrom(TableOf({{900, "Ann"}, {400, "Bob"}}), 1), 1, 500, "Bob")},
    {"CancelButtonStillTakesTheName", ScoreTable{}, 500, DialogAnswer{5, {{2, "Cid"}}, {}},
     Expected(ScoreTable{}, 0, 500, "Cid")},
    {"UntouchedDialogGivesTheOfferedName", ScoreTable{}, 500, DialogAnswer{4, {}, {}},
     Expected(ScoreTable{}, 0, 500, "xUSSR :-)")},
    {"EqualToTheTenthIsNotEntered", FullTable(), 500, std::nullopt, FullTable()},
    {"AboveTheFirstMovesEveryoneDown", FullTable(), 5000, DialogAnswer{4, {{2, "Top"}}, {}},
     Expected(ShiftedFrom(FullTable(), 0), 0, 5000, "Top")},
};

class ScoreEntryTest : public GameTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(ScoreEntryTest, FinishedGameEntersTheTableAndShowsIt) {
    const EntryCase& c = GetParam();
    FakeConsole& con = Load();
    WriteGame(GameAboutToEnd(c.score, c.table));
    if (c.nameAnswer) {
        ui.QueueDialog(*c.nameAnswer);
    }
    ui.QueueDialog(DialogAnswer{13, {}, {}});
    EndTheGame(con);
    Play();

    EXPECT_EQ(Game().Scores(), c.expected);
    const auto& dialogs = ui.Dialogs();
    ASSERT_EQ(dialogs.size(), c.nameAnswer ? 2u : 1u);
    EXPECT_EQ(ui.UnscriptedCount(), 0);
    const auto& table = dialogs.back().shown;
    ASSERT_EQ(table.items.size(), 14u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(std::string(table.items[2 + i].Data),
                  FormatScoreRow(c.expected[i], i + 1, c.score))
            << "row " << i;
    }
    EXPECT_EQ(Game().State().score, 0) << "the next game starts from nothing";
    EXPECT_EQ(Game().State().linesCleared, 0);

    SavedGame saved;
    DecodeGameFile(ReadBytes(GameFilePath()), saved);
    EXPECT_EQ(saved.scores, c.expected) << "the table is saved";
}

INSTANTIATE_TEST_SUITE_P(Cases, ScoreEntryTest, ::testing::ValuesIn(EntryCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(GameTest, NameAndTableDialogsAreLaidOutAsTheGameAsksForThem) {
    FakeConsole& con = Load();
    WriteGame(GameAboutToEnd(700, ScoreTable{}));
    std::optional<VirtualScreen> afterEnd;
    ui.QueueDialog(DialogAnswer{4, {}, {}});
    ui.QueueDialog(DialogAnswer{13, {}, {}});
    con.Press(vk::Return);
    con.Press(' ');
    con.Wait(10);
    con.Press(' ');
    Snapshot(afterEnd);
    con.Leave();
    Play();
    ASSERT_EQ(ui.Dialogs().size(), 2u);

    const auto& name = ui.Dialogs()[0].shown;
    EXPECT_EQ(std::tie(name.x1, name.y1, name.x2, name.y2), std::make_tuple(-1, -1, 70, 8));
    ASSERT_EQ(name.items.size(), 6u);
    const auto& box = name.items[0];
    EXPECT_EQ(box.Type, ulvar::DialogDoubleBox);
    EXPECT_EQ(std::tie(box.X1, box.Y1, box.X2, box.Y2), std::make_tuple(3, 1, 66, 6));
    EXPECT_STREQ(box.Data, Msg(msg::NameTitle));
    EXPECT_EQ(name.items[1].Type, ulvar::DialogText);
    EXPECT_EQ(std::tie(name.items[1].X1, name.items[1].Y1), std::make_tuple(5, 2));
    EXPECT_STREQ(name.items[1].Data, Msg(msg::NamePrompt));
    const auto& edit = name.items[2];
    EXPECT_EQ(edit.Type, ulvar::DialogEdit);
    EXPECT_EQ(std::tie(edit.X1, edit.Y1, edit.X2, edit.Y2), std::make_tuple(5, 3, 64, 3));
    EXPECT_EQ(edit.Focus, 1);
    EXPECT_TRUE(edit.Flags & ulvar::DialogHistory);
    EXPECT_STREQ(edit.History, "BlocksbyUserHistory");
    EXPECT_STREQ(edit.Data, "xUSSR :-)");
    EXPECT_TRUE(name.items[3].Flags & ulvar::DialogSeparator);
    EXPECT_EQ(name.items[3].Y1, 4);
    for (int i : {4, 5}) {
        EXPECT_EQ(name.items[i].Type, ulvar::DialogButton);
        EXPECT_EQ(name.items[i].Y1, 5);
        EXPECT_TRUE(name.items[i].Flags & ulvar::DialogCenterGroup);
    }
    EXPECT_STREQ(name.items[4].Data, Msg(msg::Ok));
    EXPECT_EQ(name.items[4].DefaultButton, 1);
    EXPECT_STREQ(name.items[5].Data, Msg(msg::Cancel));
    EXPECT_EQ(name.items[5].DefaultButton, 0);

    const auto& table = ui.Dialogs()[1].shown;
    EXPECT_EQ(std::tie(table.x1, table.y1, table.x2, table.y2), std::make_tuple(-1, -1, 70, 17));
    ASSERT_EQ(table.items.size(), 14u);
    EXPECT_EQ(table.items[0].Type, ulvar::DialogDoubleBox);
    EXPECT_EQ(std::tie(table.items[0].X1, table.items[0].Y1, table.items[0].X2, table.items[0].Y2),
              std::make_tuple(3, 1, 66, 15));
    EXPECT_STREQ(table.items[0].Data, Msg(msg::ScoresTitle));
    EXPECT_STREQ(table.items[1].Data, Msg(msg::ScoresHeadings));
    EXPECT_EQ(std::tie(table.items[1].X1, table.items[1].Y1), std::make_tuple(5, 2));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(std::tie(table.items[2 + i].X1, table.items[2 + i].Y1),
                  std::make_tuple(5, 3 + i));
    }
    EXPECT_EQ(std::string(table.items[2].Data).substr(0, 4), "* 1 ") << "the new entry is marked";
    EXPECT_TRUE(table.items[12].Flags & ulvar::DialogSeparator);
    EXPECT_EQ(table.items[12].Y1, 13);
    const auto& ok = table.items[13];
    EXPECT_EQ(ok.Type, ulvar::DialogButton);
    EXPECT_EQ(ok.Y1, 14);
    EXPECT_EQ(ok.Focus, 1);
    EXPECT_EQ(ok.DefaultButton, 1);
    EXPECT_STREQ(ok.Data, Msg(msg::Ok));

    ASSERT_TRUE(afterEnd);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(StatusIs(*afterEnd, o, Msg(msg::PausedStatus), 0x7E)) << "back in the menu";
    EXPECT_TRUE(NumberIs(*afterEnd, o, 5, "0", 0x70));
    EXPECT_TRUE(NumberIs(*afterEnd, o, 2, "700", 0x7F));
    std::string emptyWell;
    for (int row = 0; row < 23; ++row) {
        emptyWell += "..........\n";
    }
    EXPECT_EQ(WellPicture(*afterEnd, o), emptyWell) << "the board was cleared";
}

TEST_F(GameTest, F12ShowsTheTableMarkingTheCurrentScore) {
    SavedGame game;
    game.state.score = 520;
    game.scores = FullTable();
    FakeConsole& con = Load();
    WriteGame(game);
    con.Press(vk::F12);
    con.Leave();
    Play();
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    const auto& rows = ui.Dialogs()[0].shown.items;
    EXPECT_EQ(rows[10].Data[0], '*') << "ninth entry, 520 points";
    EXPECT_EQ(rows[9].Data[0], ' ');
}

} // namespace
} // namespace blocksby::test
