#pragma once

// The game plug-in loaded into the stand-in host from its static library, with a fake console,
// a private folder for the library's path (language files copied in, game file written there)
// and a private registry root that is deleted afterwards.

#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugins/game/engine/GameFile.h"
#include "plugins/game/plugin/BlocksbyPlugin.h"
#include "plugins/game/plugin/PluginEntry.h"
#include "plugins/game/tests/win/FakeConsole.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace blocksby::test {

using testsupport::ProgramFolder;
using testsupport::ScratchFolder;

// The game file as bytes.
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // Starts the plug-in as if the library had just been loaded, on a screen of the given size.
    FakeConsole& Load(int width = 80, int height = 25, const std::string& language = "en");
    // Unloads and loads again: only the game file and the registry carry anything over.
    FakeConsole& Reload();
    // OpenPlugin: runs the script given to the console until the game is left.
    ulvar::PanelHandle Play();
    // The screen as it is when the script gets here.
    void Snapshot(std::optional<ulvar::standin::VirtualScreen>& into);

    BlocksbyPlugin& Game() { return Plugin(); }
    ulvar::standin::VirtualScreen& Screen() { return host_->Screen(); }
    const char* Msg(int number) { return host_->Messages().Get(number); }
    std::string GameFilePath() const { return folder_.File("blocksby.gam"); }
    // Writes a game file for the next opening.
    void WriteGame(const SavedGame& game) { WriteBytes(GameFilePath(), EncodeGameFile(game)); }
    // Sets the registry value that turns the automatic pause on (when it is 27183).
    void SetWindowValue(unsigned long value);

    ulvar::standin::ScriptedUi ui;
    FakeConsole* console = nullptr;

private:
    ScratchFolder folder_;
    testsupport::TestRegistryKey registry_{"Software\\UlvarTests"};
    int width_ = 80, height_ = 25;
    std::string language_ = "en";
    std::unique_ptr<ulvar::standin::StandInHost> host_;
};

// Origin of the game field for a buffer size.
struct Origin {
    int x, y;
};
inline Origin OriginFor(int width, int height) {
    return {(width - 40) / 2, (height - 24) / 2};
}

// Well cell (column, row) on screen: two characters from this position.
inline int CellX(Origin o, int column) {
    return o.x + 3 + 2 * column;
}
inline int CellY(Origin o, int row) {
    return o.y + 1 + row;
}

} // namespace blocksby::test
