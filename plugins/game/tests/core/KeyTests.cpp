#include "plugins/game/tests/core/ScreenCheck.h"

#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/Messages.h"

namespace blocksby::test {
namespace {

class KeyTest : public GameTest {};

TEST_F(KeyTest, EscPausesAndEscAgainLeavesWhenTheKeyIsReleased) {
    FakeConsole& con = Load();
    std::optional<VirtualScreen> paused;
    bool askedToLeave = false;
    con.Press(vk::Return);
    con.Press(GameKeys{}.left);
    con.KeyDown(vk::Escape);
    Snapshot(paused);
    con.KeyUp(vk::Escape);
    con.KeyDown(vk::Escape);
    con.Then([&] { askedToLeave = true; });
    con.KeyUp(vk::Escape);
    con.Press(GameKeys{}.right); // never read: the game is gone
    EXPECT_EQ(Play(), ulvar::InvalidPanel);

    EXPECT_TRUE(askedToLeave);
    EXPECT_FALSE(con.ScriptDone());
    EXPECT_EQ(con.scriptRanOut, 0);
    ASSERT_TRUE(paused);
    const Origin o = OriginFor(80, 25);
    EXPECT_TRUE(StatusIs(*paused, o, Msg(msg::PausedStatus), 0x7E));
    EXPECT_TRUE(NumberIs(*paused, o, 8, "10", 0x7C));
    const std::string hint = Msg(msg::HintDelay);
    EXPECT_TRUE(TextIs(*paused, o.x + 38 - static_cast<int>(hint.size()), o.y + 12, hint, 0x7C));
    EXPECT_EQ(Game().State().pieceColumn, 3);

    // A new load of the library finds the same board, paused.
    FakeConsole& again = Reload();
    std::optional<VirtualScreen> reopened;
    Snapshot(reopened);
    again.Leave();
    Play();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(WellPicture(*reopened, o), WellPicture(*paused, o));
    EXPECT_TRUE(StatusIs(*reopened, o, Msg(msg::PausedStatus), 0x7E));
    EXPECT_EQ(Game().State().pieceColumn, 3);
}

struct TabCase {
    const char* name;
    bool playing;
    std::uint32_t controlKeyState;
    bool leaves;
};

class TabTest : public GameTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabTest, TabLeavesOnlyWithAModifierOrLockKeyState) {
    const TabCase& c = GetParam();
    FakeConsole& con = Load();
    bool readOn = false;
    if (c.playing) {
        con.Press(vk::Return);
    }
    con.Press(vk::Tab, c.controlKeyState);
    con.Then([&] { readOn = true; });
    con.PauseAndLeave();
    Play();
    EXPECT_EQ(readOn, !c.leaves);
    EXPECT_EQ(con.scriptRanOut, 0);
}

INSTANTIATE_TEST_SUITE_P(States, TabTest,
                         ::testing::Values(TabCase{"MenuNumLock", false, 0x20, true},
                                           TabCase{"MenuShift", false, 0x10, true},
                                           TabCase{"MenuLeftCtrl", false, 0x08, true},
                                           TabCase{"MenuNoState", false, 0, false},
                                           TabCase{"MenuOnlyEnhanced", false, 0x100, false},
                                           TabCase{"PlayingCapsLock", true, 0x80, true},
                                           TabCase{"PlayingNoState", true, 0, false}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

struct LimitCase {
    const char* name;
    std::int32_t start;
    std::uint16_t key;
    int presses;
    std::int32_t expected;
};

class SpeedUpIntervalTest : public GameTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(SpeedUpIntervalTest, PageUpAndDownStepByFiveWithinTheLimits) {
    const LimitCase& c = GetParam();
    SavedGame game;
    game.state.linesPerSpeedUp = c.start;
    FakeConsole& con = Load();
    WriteGame(game);
    std::optional<VirtualScreen> shot;
    for (int i = 0; i < c.presses; ++i) {
        con.Press(c.key);
    }
    Snapshot(shot);
    con.Leave();
    Play();
    EXPECT_EQ(Game().State().linesPerSpeedUp, c.expected);
    ASSERT_TRUE(shot);
    EXPECT_TRUE(NumberIs(*shot, OriginFor(80, 25), 8, std::to_string(c.expected), 0x7C));
}

INSTANTIATE_TEST_SUITE_P(Limits, SpeedUpIntervalTest,
                         ::testing::Values(LimitCase{"UpFrom995", 995, vk::PageUp, 3, 1000},
                                           LimitCase{"UpFrom10", 10, vk::PageUp, 2, 20},
                                           LimitCase{"DownFrom10", 10, vk::PageDown, 3, 5},
                                           LimitCase{"DownFrom1000", 1000, vk::PageDown, 1, 995}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

class StartDelayTest : public GameTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(StartDelayTest, NumpadKeysInTheMenuChangeTheStartDelayWithinZeroToTen) {
    const LimitCase& c = GetParam();
    SavedGame game;
    game.state.startDelay = c.start;
    game.state.delay = c.start;
    FakeConsole& con = Load();
    WriteGame(game);
    std::optional<VirtualScreen> shot;
    for (int i = 0; i < c.presses; ++i) {
        con.Press(c.key);
    }
    Snapshot(shot);
    con.Leave();
    Play();
    EXPECT_EQ(Game().State().startDelay, c.expected);
    EXPECT_EQ(Game().State().delay, c.expected);
    ASSERT_TRUE(shot);
    EXPECT_TRUE(NumberIs(*shot, OriginFor(80, 25), 11, std::to_string(c.expected), 0x7C));
}

INSTANTIATE_TEST_SUITE_P(Limits, StartDelayTest,
                         ::testing::Values(LimitCase{"UpFrom9", 9, vk::NumpadAdd, 3, 10},
                                           LimitCase{"DownFrom1", 1, vk::NumpadSubtract, 3, 0},
                                           LimitCase{"DownFrom5", 5, vk::NumpadSubtract, 1, 4}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(KeyTest, NumpadKeysWhilePlayingChangeOnlyTheDelay) {
    SavedGame game;
    game.state.startDelay = 9;
    game.state.delay = 9;
    FakeConsole& con = Load();
    WriteGame(game);
    con.Press(vk::Return);
    for (int i = 0; i < 3; ++i) {
        con.Press(vk::NumpadAdd);
    }
    con.PauseAndLeave();
    Play();
    EXPECT_EQ(Game().State().delay, 10);
    EXPECT_EQ(Game().State().startDelay, 9);
}

TEST_F(KeyTest, RedefinedRotateKeySurvivesALoadAndF8RestoresTheArrows) {
    FakeConsole& con = Load();
    ui.QueueMenu(2); // rotate
    ui.QueueMenu(-1);
    std::optional<VirtualScreen> prompt;
    con.KeyDown(vk::F9);
    con.KeyUp(vk::F9);
    Snapshot(prompt);
    con.Press(vk::Insert);
    con.Leave();
    Play();
    EXPECT_EQ(Game().Keys().rotate, vk::Insert);
    ASSERT_TRUE(prompt);
    const std::string text = std::string(Msg(msg::DefineKeyPrompt)) + ": " + Msg(msg::KeyLeft + 2);
    EXPECT_TRUE(StatusIs(*prompt, OriginFor(80, 25), text, 0x70));
    ASSERT_EQ(ui.Menus().size(), 2u);
    EXPECT_EQ(ui.Menus()[0].shown.title, Msg(msg::OptionsTitle));
    EXPECT_TRUE(ui.Menus()[0].shown.flags & ulvar::MenuWrapMode);
    ASSERT_EQ(ui.Menus()[0].shown.items.size(), 11u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_STREQ(ui.Menus()[0].shown.items[i].Text, Msg(msg::KeyLeft + i));
    }
    EXPECT_STREQ(ui.Menus()[0].shown.items[7].Text, Msg(msg::LeaveOptions));
    EXPECT_EQ(ui.Menus()[0].shown.items[0].Selected, 1);
    EXPECT_EQ(ui.Menus()[1].shown.items[3].Selected, 1) << "the cursor moves to the next item";

    FakeConsole& second = Reload();
    int turnedByUp = -1, turnedByInsert = -1;
    second.Press(vk::Return);
    second.Press(38); // Up: not the rotate key any more
    second.Then([&] { turnedByUp = Game().State().rotation; });
    second.Press(vk::Insert);
    second.Then([&] { turnedByInsert = Game().State().rotation; });
    second.PauseAndLeave();
    Play();
    EXPECT_EQ(Game().Keys().rotate, vk::Insert);
    EXPECT_EQ(turnedByUp, 0);
    EXPECT_EQ(turnedByInsert, 1);

    FakeConsole& third = Reload();
    third.Press(vk::F8);
    third.Leave();
    Play();
    EXPECT_EQ(Game().Keys(), GameKeys{});
    const auto bytes = ReadBytes(GameFilePath());
    ASSERT_EQ(bytes.size(), GameFileSize);
    EXPECT_EQ(bytes[1650], 38) << "the file holds Up as the rotate key again";
}

TEST_F(KeyTest, EscWhileDefiningAKeyKeepsTheOldOne) {
    FakeConsole& con = Load();
    ui.QueueMenu(0);
    ui.QueueMenu(-1);
    con.Press(vk::F9);
    con.Press(vk::Escape);
    con.Leave();
    Play();
    EXPECT_EQ(Game().Keys().left, 37);
    EXPECT_EQ(con.scriptRanOut, 0);
}

TEST_F(KeyTest, OptionTogglesSwitchTheirTextAndPutTheCursorOnLeave) {
    FakeConsole& con = Load();
    ui.QueueMenu(8);
    ui.QueueMenu(9);
    ui.QueueMenu(7);
    con.Press(vk::F9);
    con.Leave();
    Play();
    EXPECT_TRUE(Game().State().shortDrop);
    EXPECT_FALSE(Game().State().rotateForward);
    const auto& menus = ui.Menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_STREQ(menus[0].shown.items[8].Text, Msg(msg::DropToBottom));
    EXPECT_STREQ(menus[1].shown.items[8].Text, Msg(msg::DropTwoRows));
    EXPECT_STREQ(menus[1].shown.items[9].Text, Msg(msg::RotateForward));
    EXPECT_STREQ(menus[2].shown.items[9].Text, Msg(msg::RotateBackward));
    EXPECT_EQ(menus[1].shown.items[7].Selected, 1);
    EXPECT_EQ(menus[2].shown.items[7].Selected, 1);
}

TEST_F(KeyTest, GravityMovesThePieceOnceTheDelayHasPassed) {
    SavedGame game;
    game.state.startDelay = 2;
    game.state.delay = 2;
    FakeConsole& con = Load();
    WriteGame(game);
    int rowBefore = -1, rowAfter = -1;
    con.Press(vk::Return);
    con.Wait(90);
    con.Then([&] { rowBefore = Game().State().pieceRow; });
    con.Wait(80);
    con.Then([&] { rowAfter = Game().State().pieceRow; });
    con.PauseAndLeave();
    Play();
    EXPECT_EQ(rowBefore, 0) << "one tick of 50 ms is not enough with a delay of 2";
    EXPECT_EQ(rowAfter, 1);
}

TEST_F(KeyTest, HardDropFallsWithoutWaitingAndF1TogglesThePreview) {
    FakeConsole& con = Load();
    std::optional<VirtualScreen> shot;
    int rowAfterDrop = -1;
    con.Press(vk::Return);
    con.Press(vk::F1);
    con.Press(' ');
    con.Wait(10);
    con.Then([&] { rowAfterDrop = Game().State().pieceRow; });
    Snapshot(shot);
    con.PauseAndLeave();
    Play();
    EXPECT_GE(rowAfterDrop, 19) << "the piece reached the floor while no key was waiting";
    EXPECT_FALSE(Game().State().showNext);
    EXPECT_GT(Game().State().score, 0);
    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(TextIs(*shot, o.x + 29, o.y + 15 + row, ". . . . ", 0x07));
    }
}

} // namespace
} // namespace blocksby::test
