#include "plugins/game/core/BlocksbyPlugin.h"

#include "plugins/game/core/GameFile.h"
#include "plugins/game/core/Messages.h"
#include "plugins/game/core/ScoreDialogs.h"

namespace blocksby {

BlocksbyPlugin::BlocksbyPlugin(std::unique_ptr<GameConsole> console,
                               std::unique_ptr<GameStorage> storage,
                               const ulvar::kit::CodePages& codePages)
    : console_(std::move(console)), storage_(std::move(storage)), codePages_(codePages) {
}

void BlocksbyPlugin::SetStartupInfo(const ulvar::HostStartupInfo& info) {
    host_.Keep(info);
    registryKeyPath_ = host_.SettingsKey(SettingsSubKey);
    engine_.State().board.Clear();
    engine_.State().score = 0;
    gameFilePath_ = GameFilePath(host_.Info().ModuleName);
}

void BlocksbyPlugin::GetPluginInfo(ulvar::PluginInfoRecord& info) {
    menus_.flags = ulvar::PluginInEditor | ulvar::PluginInViewer;
    menus_.pluginsMenu = {host_.Msg(msg::MenuEntry)};
    info.StructSize = sizeof info;
    menus_.Fill(info);
}

ulvar::PanelHandle BlocksbyPlugin::OpenPlugin(int, std::intptr_t) {
    Open();
    return ulvar::InvalidPanel;
}

void BlocksbyPlugin::Open() {
    GameState& state = engine_.State();
    keys_ = GameKeys{};
    state.linesPerSpeedUp = DefaultLinesPerSpeedUp;
    autoPause_ = ulvar::kit::ReadSettings(*storage_->Values(registryKeyPath_), GameSettingsValues)
                     .AutoPause();

    void* savedScreen = host_.SaveWholeScreen();
    const std::string oldTitle = console_->Title();
    console_->SetTitle(codePages_.AnsiFromOem(host_.Msg(msg::ConsoleTitle)));
    foregroundWindow_ = console_->ForegroundWindow();
    console_->TakeHandles();

    int width = 80;
    int height = 25;
    console_->BufferSize(width, height);
    screen_.Layout(width, height);

    const bool cursorWasVisible = console_->CursorVisible();
    console_->SetCursorVisible(false);

    engine_.Open();
    LoadGame();
    mode_ = Mode::Menu;
    DrawWholeGame();

    quit_ = false;
    state.dropping = false;
    RunLoop();

    console_->SetCursorVisible(cursorWasVisible);
    console_->SetTitle(oldTitle);
    host_.RestoreScreen(savedScreen);
    engine_.Remove();
    SaveGameFile();
}

void BlocksbyPlugin::DrawWholeGame() {
    screen_.DrawFrame();
    engine_.Place();
    if (engine_.State().showNext) {
        screen_.DrawPreview(engine_.State().nextPiece);
    }
    RedrawBoard();
    RedrawNumbers();
    screen_.DrawStatus(host_.Msg(msg::PausedStatus), colour::Paused);
    screen_.DrawHints(false);
    screen_.Flush();
}

void BlocksbyPlugin::LoadGame() {
    const auto bytes = storage_->ReadGameFile(gameFilePath_);
    if (!bytes) {
        return;
    }
    SavedGame game{engine_.State(), keys_, scores_, colourMode_};
    DecodeGameFile(*bytes, game);
    engine_.State() = game.state;
    keys_ = game.keys;
    scores_ = game.scores;
    colourMode_ = game.colourMode;
}

void BlocksbyPlugin::SaveGameFile() {
    storage_->WriteGameFile(
        gameFilePath_, EncodeGameFile(SavedGame{engine_.State(), keys_, scores_, colourMode_}));
}

void BlocksbyPlugin::RedrawNumbers() {
    screen_.DrawNumbers(engine_.State(), mode_ == Mode::Playing);
}

void BlocksbyPlugin::RedrawBoard() {
    screen_.DrawBoard(engine_.State().board, colourMode_);
}

void BlocksbyPlugin::StepDone() {
    screen_.Flush();
    if (!autoPause_) {
        return;
    }
    const std::uintptr_t foreground = console_->ForegroundWindow();
    if (foreground == 0 || foreground != foregroundWindow_) {
        Pause(colour::AutoPaused, false);
    }
}

void BlocksbyPlugin::EnterScore() {
    const GameState& state = engine_.State();
    blocksby::EnterScore(host_, scores_, state.score, state.delay, state.linesCleared);
}

void BlocksbyPlugin::ReturnToMenu() {
    mode_ = Mode::Menu;
    screen_.DrawStatus(host_.Msg(msg::PausedStatus), colour::Paused);
    screen_.Flush();
}

} // namespace blocksby
