#pragma once

// launchet in the stand-in host over the real startup places of the Wine prefix. The host's root
// key is a key of the test's own, so the settings go with the test; the entries a test makes
// carry the test's tag (in Run value names and data, in shortcut file names) and whatever carries
// it is removed from the real places when the test ends.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugins/startup/plugin/LaunchetPlugin.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace launchet::test {

inline constexpr const char* UserRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class LaunchetTest : public ::testing::Test {
protected:
    explicit LaunchetTest(std::uint32_t version = ulvar::MakeVersion(1, 70, 2));
    ~LaunchetTest() override;

    // The plug-in linked into the test (its object is CurrentPlugin()), or the built DLL.
    void LoadLinked();
    void LoadDll();
    LaunchetPlugin* Plugin() const;
    // From the disks menu; the panel, listed.
    ulvar::standin::PluginPanel& Open();

    // "launchet-test-<pid>-<n>t", n the test's number: part of every name a test makes (no tag is
    // the beginning of another).
    const std::string& Tag() const { return tag_; }
    // A value of the test's in the current user's real Run key.
    void AddRunValue(const std::string& name, const std::string& data);
    std::optional<std::string> RunValue(const std::string& name) const;
    // The test's values of the user's Run key (names with the tag).
    std::vector<std::string> TaggedRunValues() const;
    // The user's real startup folder (with a trailing backslash) and the test's files in it.
    static std::string StartupFolder();
    std::vector<std::string> TaggedShortcuts() const;
    // The panel's row whose name holds text, or -1.
    int RowOf(const std::string& text);

    std::string SettingsKey() const { return key_.Path() + "\\Drumlo\\Launchet"; }
    std::string Msg(int number) { return host_->Messages().Get(number); }
    ulvar::standin::StandInHost& Host() { return *host_; }
    ulvar::standin::PluginPanel& Panel() { return *host_->Panel(); }
    // A folder of the test's with files (their names; contents do not matter).
    std::string Files(const std::vector<std::string>& names);

    ulvar::standin::ScriptedUi ui;

private:
    void CopyLanguageFiles();
    void RemoveTagged();

    testsupport::TestRegistryKey key_{"Software\\LaunchetTests"};
    testsupport::ScratchFolder folder_{"launchet-plugin-"};
    std::string tag_;
    std::unique_ptr<ulvar::standin::StandInHost> host_;
};

} // namespace launchet::test
