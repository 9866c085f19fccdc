#include "plugins/game/tests/core/ScreenCheck.h"

#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/Messages.h"

namespace blocksby::test {
namespace {

struct AutoPauseCase {
    const char* name;
    std::optional<unsigned long> windowValue; // none: no registry value
    std::uintptr_t laterForeground;           // the game remembered 0x100 at its opening
    bool pauses;
};

class AutoPauseTest : public GameTest, public ::testing::WithParamInterface<AutoPauseCase> {};

TEST_P(AutoPauseTest, GravityStepPausesWhenAnotherWindowTookTheForeground) {
    const AutoPauseCase& c = GetParam();
    if (c.windowValue) {
        SetWindowValue(*c.windowValue);
    }
    SavedGame game;
    game.state.startDelay = 1;
    game.state.delay = 1;
    FakeConsole& con = Load();
    WriteGame(game);
    int calls = 0;
    con.foreground = [&] {
        return ++calls == 1 ? std::uintptr_t{0x100} : c.laterForeground;
    };
    std::optional<VirtualScreen> shot;
    int rowAfterPause = -1;
    con.Press(vk::Return);
    con.Wait(60); // one gravity step
    Snapshot(shot);
    con.Wait(200); // four more, unless paused
    con.Then([&] { rowAfterPause = Game().State().pieceRow; });
    con.PauseAndLeave();
    Play();

    ASSERT_TRUE(shot);
    const Origin o = OriginFor(80, 25);
    if (c.pauses) {
        EXPECT_TRUE(StatusIs(*shot, o, Msg(msg::PausedStatus), 0x7B));
        EXPECT_TRUE(NumberIs(*shot, o, 8, "10", 0x7C)) << "menu numbers";
        EXPECT_EQ(rowAfterPause, 1) << "no gravity while paused";
    } else {
        EXPECT_TRUE(StatusIs(*shot, o, Msg(msg::PlayingStatus), 0x70));
        EXPECT_GE(rowAfterPause, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoPauseTest,
                         ::testing::Values(AutoPauseCase{"OnOtherWindow", 27183ul, 0x200, true},
                                           AutoPauseCase{"OnNoWindow", 27183ul, 0, true},
                                           AutoPauseCase{"OnSameWindow", 27183ul, 0x100, false},
                                           AutoPauseCase{"OtherValue", 27182ul, 0x200, false},
                                           AutoPauseCase{"NoValue", std::nullopt, 0x200, false}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(GameTest, RegistryValueIsReadAtEachOpening) {
    SavedGame game;
    game.state.startDelay = 1;
    game.state.delay = 1;
    FakeConsole& con = Load();
    WriteGame(game);
    con.foreground = [] {
        return std::uintptr_t{0};
    };
    int rowFirst = -1;
    con.Press(vk::Return);
    con.Wait(200);
    con.Then([&] { rowFirst = Game().State().pieceRow; });
    con.PauseAndLeave();
    Play();
    EXPECT_GE(rowFirst, 3) << "no automatic pause without the value";

    SetWindowValue(27183);
    int rowSecond = -1;
    const int start = Game().State().pieceRow;
    con.Press(vk::Return);
    con.Wait(200);
    con.Then([&] { rowSecond = Game().State().pieceRow; });
    con.PauseAndLeave();
    Play();
    EXPECT_EQ(rowSecond, start + 1) << "paused after the first step";
}

} // namespace
} // namespace blocksby::test
