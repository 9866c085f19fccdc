#pragma once

// The twenty sources against the running system: a table of the same kinds in the same order whose
// registry keys lie below a key of the test's own (HKEY_CURRENT_USER), whose startup folders are
// folders of the test's own and whose win.ini is a file of the test's own. Everything goes with
// the test.

#include "plugin-host/kit/win/SystemCodePages.h"
#include "plugins/startup/core/StartupPanel.h"
#include "plugins/startup/win/SystemStore.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Com.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace launchet::test {

class SystemSourcesTest : public ::testing::Test {
protected:
    SystemSourcesTest();

    // The panel over the test's table, collected now.
    StartupPanel& Panel();
    std::vector<std::string> Rows() const;
    StartupEntry& Entry(std::size_t index) const { return *panel_->Entries().at(index); }

    // The test's key for source n (1..20).
    std::string Key(int source) const;
    // Below HKEY_CURRENT_USER, the full path of the test key's copy of a source's key.
    void SetValue(int source, const std::string& name, DWORD type, const std::string& bytes);
    std::optional<testsupport::RegistryValue> GetValue(int source, const std::string& name) const;
    // The startup folder of source n (9..11), created, with a trailing backslash.
    std::string Folder(int source) const;
    // Not named "win.ini": the system maps the "windows" section of any file of that name to the
    // registry.
    std::string IniFile() const { return scratch_.File("startup.ini"); }

    win32::ComSession com;
    testsupport::TestRegistryKey key;
    win::SystemStore store;
    std::vector<int> warnings;

private:
    testsupport::ScratchFolder scratch_{"launchet-test-"};
    std::vector<std::string> paths_; // keeps the table's texts
    std::array<SourceDefinition, 20> table_{};
    std::unique_ptr<StartupPanel> panel_;
};

} // namespace launchet::test
