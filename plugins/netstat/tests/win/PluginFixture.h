#pragma once

// sockwell in the stand-in host: the built DLL (or the plug-in library linked into the test, for
// what only its object can tell) in a folder of the test's own with the language files and, when
// the test gives one, a ports.lst of its own. The settings key is emptied for the test and put
// back as it was afterwards.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugins/netstat/core/Settings.h"
#include "plugins/netstat/plugin/SockwellPlugin.h"
#include "plugins/netstat/tests/win/LoopbackSockets.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace sockwell::test {

using testsupport::ProgramFolder;
using testsupport::ScratchFolder;

// The settings key as the test found it, restored when destroyed; empty meanwhile.
class SettingsKeyGuard : public testsupport::RegistryKeyGuard {
public:
    SettingsKeyGuard() : RegistryKeyGuard(SettingsKey) {}

    static void Set(const char* name, unsigned long value) {
        testsupport::SetDword(SettingsKey, name, value);
    }
    // The value, or nullopt when it (or the key) is missing.
    static std::optional<unsigned long> Get(const char* name) {
        return testsupport::GetDword(SettingsKey, name);
    }
    static bool KeyExists() { return testsupport::KeyExists(SettingsKey); }
};

// The plug-in object linked into the test (LoadLinked), or null.
inline SockwellPlugin* Plugin() {
    return ulvar::kit::CurrentPluginAs<SockwellPlugin>();
}

struct Row {
    std::string name, local, remote, state;
};

class SockwellTest : public ::testing::Test {
protected:
    SockwellTest();
    // The library's folder is a sub-folder of this name (ANSI) of the test's folder.
    explicit SockwellTest(std::string subFolder);
    ~SockwellTest() override;

    // The DLL, copied with its language files into the test's folder.
    void LoadDll(const std::string& language = "en");
    // The plug-in library linked into the test, with the same folder as its library path.
    void LoadLinked(const PluginOptions& options = {});
    void WritePortsList(const std::string& text) {
        testsupport::WriteBytes(File("ports.lst"), text);
    }
    // OpenPlugin from the plug-ins menu; the panel, listed once.
    ulvar::standin::PluginPanel& Open();
    void Unload();

    Row RowAt(int index);
    // The panel index of the row whose local column reads local (and state, when given), or -1.
    int FindRow(const std::string& local, const std::string& state = "");
    // "127.0.0.1:<port>"
    static std::string Loopback(std::uint16_t port) { return "127.0.0.1:" + std::to_string(port); }
    std::string Msg(int number) { return host_->Messages().Get(number); }
    std::string DllPath() const { return File("sockwell.dll"); }
    // A file of the library's folder.
    std::string File(const std::string& name) const { return libraryFolder_ + "\\" + name; }

    ulvar::standin::StandInHost& Host() { return *host_; }
    ulvar::standin::PluginPanel& Panel() { return *host_->Panel(); }

    SettingsKeyGuard settingsKey;
    SocketsSession sockets;
    ulvar::standin::ScriptedUi ui;

private:
    void CopyLanguageFiles();

    testsupport::ScratchFolder folder_;
    std::string libraryFolder_;
    std::unique_ptr<ulvar::standin::StandInHost> host_;
};

} // namespace sockwell::test
