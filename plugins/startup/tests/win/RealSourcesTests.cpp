// The twenty sources at their real places in the Wine prefix: values, a shortcut and win.ini lines
// made by the test (and removed after it) show in the order of their sources; a shortcut in the
// current user's real startup folder is created, resolved and deleted.

#include "plugin-host/kit/win/SystemCodePages.h"
#include "plugins/startup/core/StartupPanel.h"
#include "plugins/startup/win/SystemStore.h"
#include "tools/testsupport/ScratchFolder.h"
#include "win32/Com.h"
#include "win32/Registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace launchet::test {
namespace {

using namespace std::string_literals;

// A value made by the test at a real place, deleted when the test ends.
class RealValue {
public:
    RealValue(HKEY root, std::string key, std::string name, const std::string& data)
        : root_(root), key_(std::move(key)), name_(std::move(name)) {
        auto const created = win32::CreateKey(root_, key_, KEY_WRITE);
        made_ =
            created.Valid() && RegSetValueExA(created.Get(), name_.c_str(), 0, REG_SZ,
                                              reinterpret_cast<const BYTE*>(data.c_str()),
                                              static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
    }
    ~RealValue() {
        auto const opened = win32::OpenKey(root_, key_, KEY_SET_VALUE);
        if (opened.Valid())
            RegDeleteValueA(opened.Get(), name_.c_str());
    }
    bool Made() const { return made_; }

private:
    HKEY root_;
    std::string key_, name_;
    bool made_ = false;
};

// A win.ini key of the real file as the test found it, put back afterwards.
class RealIniLine {
public:
    explicit RealIniLine(std::string key) : key_(std::move(key)) {
        char line[4096] = {};
        DWORD const length =
            GetPrivateProfileStringA("windows", key_.c_str(), "\x01", line, sizeof line, "win.ini");
        existed_ = !(length == 1 && line[0] == '\x01');
        old_.assign(line, length);
    }
    ~RealIniLine() {
        WritePrivateProfileStringA("windows", key_.c_str(), existed_ ? old_.c_str() : nullptr,
                                   "win.ini");
    }
    void Set(const std::string& line) const {
        WritePrivateProfileStringA("windows", key_.c_str(), line.c_str(), "win.ini");
    }

private:
    std::string key_, old_;
    bool existed_ = false;
};

std::string Unique(const char* what) {
    return "launchet-test-" + std::string(what) + "-" + std::to_string(GetCurrentProcessId());
}

class RealSourcesTest : public ::testing::Test {
protected:
    std::unique_ptr<StartupPanel> MakePanel() {
        return std::make_unique<StartupPanel>(
            StartupContext{store, ulvar::kit::win::SystemCodePages(), nullptr});
    }
    // The index of the first (or last) row holding text, or -1.
    static int RowOf(const StartupPanel& panel, const std::string& text, bool last = false) {
        auto const& entries = panel.Entries();
        int found = -1;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i]->RowName().find(text) != std::string::npos) {
                found = static_cast<int>(i);
                if (!last)
                    break;
            }
        return found;
    }

    win32::ComSession com;
    win::SystemStore store;
};

TEST_F(RealSourcesTest, EntriesOfTheRealPlacesShowInTheOrderOfTheirSources) {
    std::string const cv = "Software\\Microsoft\\Windows\\CurrentVersion\\";
    RealValue const machineRunOnce(HKEY_LOCAL_MACHINE, cv + "RunOnce", Unique("a"),
                                   "C:\\machine-runonce-" + Unique("a") + ".exe");
    RealValue const machineRun(HKEY_LOCAL_MACHINE, cv + "Run", Unique("b"),
                               "C:\\machine-run-" + Unique("b") + ".exe");
    RealValue const userRun(HKEY_CURRENT_USER, cv + "Run", Unique("c"),
                            "C:\\user-run-" + Unique("c") + ".exe -x");
    RealValue const userRunOnce(HKEY_CURRENT_USER, cv + "RunOnce", Unique("d"),
                                "C:\\user-runonce-" + Unique("d") + ".exe");
    RealValue const policies(HKEY_LOCAL_MACHINE, cv + "policies\\Explorer\\Run", Unique("e"),
                             "C:\\policies-" + Unique("e") + ".exe");
    for (auto const* value : {&machineRunOnce, &machineRun, &userRun, &userRunOnce, &policies})
        ASSERT_TRUE(value->Made());
    RealIniLine const load("load");
    RealIniLine const run("run");
    load.Set("C:\\ini-load-" + Unique("f") + ".exe");
    run.Set("C:\\ini-run-" + Unique("g") + ".exe");

    auto const panel = MakePanel();
    ASSERT_EQ(panel->SourceCount(), 20u);
    std::vector<int> rows;
    for (const char* text :
         {"machine-runonce-", "machine-run-", "user-run-", "user-runonce-", "policies-"})
        rows.push_back(RowOf(*panel, text));
    // The system maps win.ini's "windows" section to the user's "Windows" key, so the two lines
    // show as its "Run" and "Load" values too (sources 6 and 12); source 20 comes last.
    rows.push_back(RowOf(*panel, "ini-load-", true));
    rows.push_back(RowOf(*panel, "ini-run-", true));
    for (int row : rows)
        EXPECT_GE(row, 0);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()))
        << "sources 4, 7, 8, 17, 19 and 20 (load, then run) in their order: "
        << ::testing::PrintToString(rows);
    auto const& entry = *panel->Entries().at(static_cast<std::size_t>(rows[2]));
    EXPECT_EQ(entry.Arguments(), "-x");
    EXPECT_EQ(entry.Location(), "HKCU\\" + cv + "Run\\" + Unique("c"));
}

TEST_F(RealSourcesTest, AShortcutInTheUsersStartupFolderIsCreatedResolvedAndDeleted) {
    auto panel = MakePanel();
    auto& folder = dynamic_cast<StartupFolderSource&>(panel->Source(DefaultDestination));
    if (folder.Folder().empty())
        GTEST_SKIP() << "the prefix names no startup folder of the user";
    testsupport::ScratchFolder scratch("launchet-real-");
    std::string const program = scratch.File("real tool.exe");
    ASSERT_TRUE(testsupport::WriteFile(program, "MZ"));
    std::string const name = Unique("shortcut");
    ASSERT_TRUE(folder.Add(program, name, "--start"));
    std::string const file = folder.Folder() + name + ".lnk";
    ASSERT_TRUE(testsupport::FileExists(file));

    panel->Collect();
    int const row = RowOf(*panel, "real tool.exe");
    ASSERT_GE(row, 0);
    auto& entry = *panel->Entries().at(static_cast<std::size_t>(row));
    EXPECT_EQ(entry.Program(), program);
    EXPECT_EQ(entry.Arguments(), "--start");
    EXPECT_EQ(entry.Location(), file);
    EXPECT_TRUE(entry.Delete());
    EXPECT_FALSE(testsupport::FileExists(file));
}

} // namespace
} // namespace launchet::test
