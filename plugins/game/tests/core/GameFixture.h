#pragma once

// The game plug-in loaded into the stand-in host from its static library, with a fake console,
// a private folder for the library's path (language files copied in, game file written there)
// and a storage under test: the tests' own (files in that folder, values in memory,
// TestStorage.cpp) or, in the Windows tests, the real one (files and a private registry root
// that is deleted afterwards, tests/win/RealStorage.cpp).

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugins/game/core/BlocksbyPlugin.h"
#include "plugins/game/core/GameFile.h"
#include "plugins/game/core/GameStorage.h"
#include "plugins/game/tests/core/FakeConsole.h"
#include "tools/testsupport/ScratchFolder.h"

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

// The storage the game of a test runs on, and what the test sets in it besides the game.
class StorageUnderTest {
public:
    virtual ~StorageUnderTest() = default;
    // A storage for one plug-in object; it may refer to this object, which outlives the game.
    virtual std::unique_ptr<GameStorage> Make() = 0;
    // The host's root key for plug-in settings.
    virtual const std::string& RootKey() const = 0;
    // Stores a 32-bit value under HKEY_CURRENT_USER\<keyPath>.
    virtual void SetValue(const std::string& keyPath, const std::string& name,
                          std::uint32_t value) = 0;
};

// Defined once per test program: the storage its game tests run on.
std::unique_ptr<StorageUnderTest> MakeStorageUnderTest();

// Conversion between OEM and ANSI text for the tests: it marks what it converted, so a test sees
// which texts crossed over to the console's ANSI functions.
class MarkingCodePages : public ulvar::kit::CodePages {
public:
    std::string AnsiFromOem(std::string_view oem) const override {
        return "[ansi]" + std::string(oem);
    }
    std::string OemFromAnsi(std::string_view ansi) const override {
        return "[oem]" + std::string(ansi);
    }
};

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

    BlocksbyPlugin& Game() { return *ulvar::kit::CurrentPluginAs<BlocksbyPlugin>(); }
    ulvar::standin::VirtualScreen& Screen() { return host_->Screen(); }
    const char* Msg(int number) { return host_->Messages().Get(number); }
    std::string GameFilePath() const { return folder_.File("blocksby.gam"); }
    // Writes a game file for the next opening.
    void WriteGame(const SavedGame& game) { WriteBytes(GameFilePath(), EncodeGameFile(game)); }
    // Sets the registry value that turns the automatic pause on (when it is 27183).
    void SetWindowValue(std::uint32_t value);

    ulvar::standin::ScriptedUi ui;
    FakeConsole* console = nullptr;
    MarkingCodePages codePages;

private:
    ScratchFolder folder_;
    std::unique_ptr<StorageUnderTest> storage_ = MakeStorageUnderTest();
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
