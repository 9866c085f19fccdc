#pragma once

// The game plug-in as the host sees it: everything it keeps while it is loaded (the model, the
// keys, the options, the score table, the host's record) in one object, the opening and leaving
// of the game, and the input loop that runs inside OpenPlugin.

#include "plugins/game/engine/GameEngine.h"
#include "plugins/game/engine/GameKeys.h"
#include "plugins/game/engine/ScoreTable.h"
#include "plugins/game/plugin/GameConsole.h"
#include "plugins/game/plugin/GameScreen.h"
#include "plugins/game/plugin/HostServices.h"

#include <memory>
#include <string>

namespace blocksby {

class BlocksbyPlugin : private GameEnvironment, private GameListener {
public:
    explicit BlocksbyPlugin(std::unique_ptr<GameConsole> console);
    BlocksbyPlugin(const BlocksbyPlugin&) = delete;
    BlocksbyPlugin& operator=(const BlocksbyPlugin&) = delete;

    void SetStartupInfo(const ulvar::HostStartupInfo& info);
    void GetPluginInfo(ulvar::PluginInfoRecord& info);
    // Plays until the player leaves.
    void Open();

    void SetConsole(std::unique_ptr<GameConsole> console) { console_ = std::move(console); }
    const GameState& State() const { return engine_.State(); }
    const GameKeys& Keys() const { return keys_; }
    const ScoreTable& Scores() const { return scores_; }
    bool ColourMode() const { return colourMode_; }
    const std::string& GameFile() const { return gameFilePath_; }
    const std::string& RegistryKeyPath() const { return registryKeyPath_; }

private:
    enum class Mode { Menu, Playing };

    void LoadGame();
    void SaveGameFile();
    void DrawWholeGame();

    // The input loop and the keys (InputLoop.cpp).
    void RunLoop();
    void MenuKey(const ConsoleEvent& event);
    void GameKey(const ConsoleEvent& event);
    void ToggleShowNext();
    void Pause(int statusColour, bool hints);
    void StartPlaying();
    void OpenOptions();

    // GameEnvironment
    std::uint32_t TickCount() override { return console_->TickCount(); }
    void Beep() override { console_->Beep(); }
    // GameListener
    void ErasePreview(int piece) override { screen_.ErasePreview(piece); }
    void DrawPreview(int piece) override { screen_.DrawPreview(piece); }
    void RedrawNumbers() override;
    void RedrawBoard() override;
    void ResetTickCounter() override { ticks_ = 0; }
    void StepDone() override;
    void EnterScore() override;
    void SaveGame() override { SaveGameFile(); }
    void ReturnToMenu() override;

    std::unique_ptr<GameConsole> console_;
    HostServices host_;
    GameScreen screen_{host_};
    GameEngine engine_{*this, *this};
    GameKeys keys_;
    ScoreTable scores_;
    bool colourMode_ = true;
    std::string registryKeyPath_;
    std::string gameFilePath_;
    const char* menuStrings_[1] = {""};

    // State of an open game.
    Mode mode_ = Mode::Menu;
    bool quit_ = false;
    int ticks_ = 0; // 50-ms ticks since the last gravity step
    bool autoPause_ = false;
    std::uintptr_t foregroundWindow_ = 0;
};

} // namespace blocksby
