#pragma once

// The game plug-in as the host sees it: everything it keeps while it is loaded (the model, the
// keys, the options, the score table, the host's record) in one object, the opening and leaving
// of the game, and the input loop that runs inside OpenPlugin. The object lives as long as the
// library; the console, the storage and the code pages are the platform's.

#include "plugin-host/kit/core/CodePages.h"
#include "plugin-host/kit/core/HostServices.h"
#include "plugin-host/kit/core/PluginMenus.h"
#include "plugin-host/kit/core/PluginModule.h"
#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/GameEngine.h"
#include "plugins/game/core/GameKeys.h"
#include "plugins/game/core/GameScreen.h"
#include "plugins/game/core/GameStorage.h"
#include "plugins/game/core/ScoreTable.h"

#include <memory>
#include <string>

namespace blocksby {

class BlocksbyPlugin : public ulvar::kit::Plugin, private GameEnvironment, private GameListener {
public:
    BlocksbyPlugin(std::unique_ptr<GameConsole> console, std::unique_ptr<GameStorage> storage,
                   const ulvar::kit::CodePages& codePages);
    BlocksbyPlugin(const BlocksbyPlugin&) = delete;
    BlocksbyPlugin& operator=(const BlocksbyPlugin&) = delete;

    void SetStartupInfo(const ulvar::HostStartupInfo& info) override;
    void GetPluginInfo(ulvar::PluginInfoRecord& info) override;
    // Plays until the player leaves; no panel is opened.
    ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) override;

    const GameState& State() const { return engine_.State(); }
    const GameKeys& Keys() const { return keys_; }
    const ScoreTable& Scores() const { return scores_; }
    bool ColourMode() const { return colourMode_; }
    const std::string& GameFile() const { return gameFilePath_; }
    const std::string& RegistryKeyPath() const { return registryKeyPath_; }

private:
    enum class Mode { Menu, Playing };

    void Open();
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
    std::unique_ptr<GameStorage> storage_;
    const ulvar::kit::CodePages& codePages_;
    ulvar::kit::HostServices host_;
    GameScreen screen_{host_};
    GameEngine engine_{*this, *this};
    GameKeys keys_;
    ScoreTable scores_;
    bool colourMode_ = true;
    std::string registryKeyPath_;
    std::string gameFilePath_;
    ulvar::kit::PluginMenus menus_;

    // State of an open game.
    Mode mode_ = Mode::Menu;
    bool quit_ = false;
    int ticks_ = 0; // 50-ms ticks since the last gravity step
    bool autoPause_ = false;
    std::uintptr_t foregroundWindow_ = 0;
};

} // namespace blocksby
