// The sources and the panel's model over a store in memory: the twenty sources in their order,
// what each collects, adding to Run keys and startup folders, and deleting every kind of entry,
// several elements of one list included.

#include "plugins/startup/core/StartupPanel.h"
#include "plugins/startup/core/ValueLists.h"
#include "plugins/startup/tests/core/MemoryStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launchet {
namespace {

using namespace std::string_literals;
using test::MemoryStore;

constexpr auto HKLM = RootKey::LocalMachine;
constexpr auto HKCU = RootKey::CurrentUser;
const std::string UserRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class SourcesTest : public ::testing::Test {
protected:
    StartupPanel& Panel() {
        panel_ = std::make_unique<StartupPanel>(StartupContext{store, pages, [this](int message) {
                                                                   warnings.push_back(message);
                                                               }});
        return *panel_;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (auto const& entry : panel_->Entries())
            rows.push_back(entry->RowName());
        return rows;
    }
    StartupEntry* Entry(std::size_t index) { return panel_->Entries().at(index).get(); }
    std::string Text(RootKey root, const std::string& key, const std::string& name) {
        auto const value = store.ReadValue(root, key, name);
        return value ? value->bytes : "<missing>";
    }

    MemoryStore store;
    test::CyrillicCodePages pages;
    std::vector<int> warnings;

private:
    std::unique_ptr<StartupPanel> panel_;
};

TEST(StartupSourcesTest, TwentyPlacesInTheirOrder) {
    struct Expected {
        SourceKind kind;
        RootKey root;
        std::string key;
        std::string value;
        int protection;
    };
    std::string const cv = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    std::string const ucv = "Software\\Microsoft\\Windows\\CurrentVersion\\";
    using K = SourceKind;
    std::vector<Expected> const expected = {
        {K::MultiString, HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "BootExecute",
         25},
        {K::RenamePair, HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
         "PendingFileRenameOperations", 25},
        {K::ValueList, HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
         "Userinit", 26},
        {K::RunKey, HKLM, cv + "RunOnce", "", 0},
        {K::RunKey, HKLM, cv + "RunOnceEx", "", 0},
        {K::ValueList, HKCU, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Run", 0},
        {K::RunKey, HKLM, cv + "Run", "", 0},
        {K::RunKey, HKCU, ucv + "Run", "", 0},
        {K::StartupFolder, HKLM, cv + "Explorer\\Shell Folders", "Common Startup", 0},
        {K::StartupFolder, HKLM, cv + "Explorer\\Shell Folders", "Common AltStartup", 0},
        {K::StartupFolder, HKCU, ucv + "Explorer\\Shell Folders", "Startup", 0},
        {K::ValueList, HKCU, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Load", 0},
        {K::RunKey, HKLM, cv + "RunServices", "", 0},
        {K::RunKey, HKLM, cv + "RunServicesOnce", "", 0},
        {K::RunKey, HKCU, ucv + "RunServices", "", 0},
        {K::RunKey, HKCU, ucv + "RunServicesOnce", "", 0},
        {K::RunKey, HKCU, ucv + "RunOnce", "", 0},
        {K::RunKey, HKCU, ucv + "RunOnceEx", "", 0},
        {K::RunKey, HKLM, cv + "policies\\Explorer\\Run", "", 0},
        {K::WinIni, HKLM, "win.ini", "windows", 0},
    };
    ASSERT_EQ(StartupSources.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        auto const& s = StartupSources[i];
        EXPECT_EQ(s.kind, expected[i].kind) << i + 1;
        EXPECT_EQ(s.root, expected[i].root) << i + 1;
        EXPECT_EQ(s.keyPath, expected[i].key) << i + 1;
        EXPECT_EQ(s.value ? s.value : "", expected[i].value) << i + 1;
        EXPECT_EQ(s.protection, expected[i].protection) << i + 1;
    }
    // "CreateAs" 0..3: the user's startup folder, all users' folder, the user's and the machine's
    // Run key (sources 11, 9, 8, 7).
    EXPECT_EQ(Destinations, (std::array<std::size_t, 4>{10, 8, 7, 6}));
}

TEST_F(SourcesTest, EntriesKeepSourceOrderAndStoredOrder) {
    std::string const cv = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    store.Set(HKCU, UserRun, "zeta", TypeString, "z.exe\0"s);
    store.Set(HKCU, UserRun, "alpha", TypeString, "a.exe -x\0"s);
    store.Set(HKLM, cv + "Run", "m", TypeString, "m.exe\0"s);
    store.Set(HKLM, StartupSources[0].keyPath, "BootExecute", TypeMultiString,
              "autocheck autochk *\0\0"s);
    store.ini["win.ini|windows|run"] = "r.exe";
    store.ini["win.ini|windows|load"] = "l.exe";
    Panel();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"autocheck autochk *", "m.exe", "z.exe", "a.exe -x",
                                                "l.exe", "r.exe"}));
}

TEST_F(SourcesTest, CollectingAgainEmptiesTheListFirst) {
    store.Set(HKCU, UserRun, "one", TypeString, "one.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 1u);
    store.Set(HKCU, UserRun, "two", TypeString, "two.exe\0"s);
    panel.Collect();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one.exe", "two.exe"}));
}

TEST_F(SourcesTest, RunKeyValuesAreConvertedToOemAndLocatedByTheirName) {
    // "\xcf\xf0\xee\xe1\xe0" has the capital "\xcf" (1251), shown as "\x8f" (866).
    store.Set(HKCU, UserRun, "\xcf-tool", TypeString, "C:\\\xc0\\t.exe /q\0garbage"s);
    store.Set(HKCU, UserRun, "binary", 3, "x.exe"s);
    Panel();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"C:\\\x80\\t.exe /q", "x.exe"}));
    EXPECT_EQ(Entry(0)->Location(), "HKCU\\" + UserRun + "\\\x8f-tool");
    EXPECT_TRUE(Entry(0)->Delete());
    EXPECT_FALSE(store.HasValue(HKCU, UserRun, "\xcf-tool")) << "deleted by its stored name";
}

TEST_F(SourcesTest, ALogonListOfOneProgramAndAComma) {
    auto const& userinit = StartupSources[2];
    store.Set(HKLM, userinit.keyPath, "Userinit", TypeString, "C:\\windows\\userinit.exe,\0"s);
    Panel();
    ASSERT_EQ(Rows(), std::vector<std::string>{"C:\\windows\\userinit.exe"});
    EXPECT_EQ(Entry(0)->Location(), std::string("HKLM\\") + userinit.keyPath + "\\Userinit");
    EXPECT_TRUE(Entry(0)->Delete()) << "a protected entry counts as deleted";
    EXPECT_EQ(warnings, std::vector<int>{26});
    EXPECT_EQ(Text(HKLM, userinit.keyPath, "Userinit"), "C:\\windows\\userinit.exe,\0"s);
}

TEST_F(SourcesTest, DeletingTheFirstOfTwoRunListProgramsLeavesTheSecondWithAComma) {
    auto const& run = StartupSources[5];
    store.Set(HKCU, run.keyPath, "Run", TypeString, "a.exe,b.exe\0"s);
    Panel();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"a.exe", "b.exe"}));
    EXPECT_TRUE(Entry(0)->Delete());
    EXPECT_EQ(Text(HKCU, run.keyPath, "Run"), "b.exe,\0"s);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(SourcesTest, DeletingSeveralElementsOfOneListRemovesExactlyTheChosenOnes) {
    auto const& load = StartupSources[11];
    store.Set(HKCU, load.keyPath, "Load", TypeExpandString, "a.exe,b.exe,c.exe,d.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 4u);
    EXPECT_TRUE(panel.Delete({Entry(0), Entry(2), Entry(3)}));
    auto const value = store.ReadValue(HKCU, load.keyPath, "Load");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->bytes, "b.exe,\0"s);
    EXPECT_EQ(value->type, TypeExpandString) << "an expandable value stays expandable";
}

TEST_F(SourcesTest, ALaterElementOfAnotherListKeepsItsIndex) {
    auto const& run = StartupSources[5];
    auto const& load = StartupSources[11];
    store.Set(HKCU, run.keyPath, "Run", TypeString, "a.exe,b.exe\0"s);
    store.Set(HKCU, load.keyPath, "Load", TypeString, "c.exe,d.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 4u);
    EXPECT_TRUE(panel.Delete({Entry(0), Entry(3)}));
    EXPECT_EQ(Text(HKCU, run.keyPath, "Run"), "b.exe,\0"s);
    EXPECT_EQ(Text(HKCU, load.keyPath, "Load"), "c.exe,\0"s);
}

TEST_F(SourcesTest, AProtectedElementDeletedAmongOthersShiftsNothing) {
    auto const& userinit = StartupSources[2];
    store.Set(HKLM, userinit.keyPath, "Userinit", TypeString, "u.exe,v.exe\0"s);
    store.Set(HKCU, UserRun, "x", TypeString, "x.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 3u);
    EXPECT_TRUE(panel.Delete({Entry(0), Entry(1), Entry(2)}));
    EXPECT_EQ(warnings, (std::vector<int>{26, 26}));
    EXPECT_EQ(Text(HKLM, userinit.keyPath, "Userinit"), "u.exe,v.exe\0"s);
    EXPECT_FALSE(store.HasValue(HKCU, UserRun, "x"));
}

TEST_F(SourcesTest, DeletionStopsAtTheFirstFailureWithItsErrorCode) {
    store.Set(HKCU, UserRun, "a", TypeString, "a.exe\0"s);
    store.Set(HKCU, UserRun, "b", TypeString, "b.exe\0"s);
    auto& panel = Panel();
    std::vector<StartupEntry*> const both = {Entry(0), Entry(1)};
    store.DeleteValue(HKCU, UserRun, "a");
    EXPECT_FALSE(panel.Delete(both));
    EXPECT_EQ(store.lastError, ErrorFileNotFound);
    EXPECT_TRUE(store.HasValue(HKCU, UserRun, "b")) << "stopped at the first failure";
}

TEST_F(SourcesTest, AnElementThatIsNoLongerThereIsAFailure) {
    auto const& run = StartupSources[5];
    store.Set(HKCU, run.keyPath, "Run", TypeString, "a.exe,b.exe\0"s);
    Panel();
    store.Set(HKCU, run.keyPath, "Run", TypeString, "a.exe\0"s);
    EXPECT_FALSE(Entry(1)->Delete());
    EXPECT_EQ(store.lastError, ErrorFileNotFound);
    EXPECT_EQ(Text(HKCU, run.keyPath, "Run"), "a.exe\0"s);
}

TEST_F(SourcesTest, BootListsAndPendingRenamesAreProtected) {
    auto const& boot = StartupSources[0];
    store.Set(HKLM, boot.keyPath, "BootExecute", TypeMultiString, "autocheck autochk *\0x.exe"s);
    store.Set(HKLM, boot.keyPath, "PendingFileRenameOperations", TypeMultiString,
              "\\??\\C:\\old.dll\0\0\\??\\C:\\a.tmp\0\\??\\C:\\a.dll\0\0"s);
    Panel();
    ASSERT_EQ(Rows(),
              (std::vector<std::string>{"autocheck autochk *", "x.exe", "\\??\\C:\\old.dll -> ",
                                        "\\??\\C:\\a.tmp -> \\??\\C:\\a.dll"}));
    EXPECT_EQ(Entry(0)->Program(), "autocheck");
    EXPECT_EQ(Entry(0)->Arguments(), "autochk *");
    EXPECT_EQ(Entry(2)->Program(), "\\??\\C:\\old.dll -> ");
    EXPECT_EQ(Entry(2)->Arguments(), "");
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(Entry(i)->Delete());
    EXPECT_EQ(warnings, (std::vector<int>{25, 25, 25, 25}));
    EXPECT_TRUE(store.HasValue(HKLM, boot.keyPath, "BootExecute"));
}

TEST_F(SourcesTest, RunKeyAddTakesTheFirstFreeNameAndQuotesAPathWithABlank) {
    store.Set(HKCU, UserRun, "name", TypeString, "x\0"s);
    store.Set(HKCU, UserRun, "name1", TypeString, "y\0"s);
    auto& panel = Panel();
    auto& userRun = panel.Source(7);
    EXPECT_TRUE(userRun.Add("C:\\Program Files\\T\\t.exe", "name", ""));
    EXPECT_EQ(Text(HKCU, UserRun, "name2"), "\"C:\\Program Files\\T\\t.exe\"\0"s);
    EXPECT_TRUE(userRun.Add("C:\\\x80\\t.exe", "\x8f", "-q"));
    EXPECT_EQ(Text(HKCU, UserRun, "\xcf"), "C:\\\xc0\\t.exe -q\0"s) << "converted to ANSI";
    EXPECT_EQ(store.ReadValue(HKCU, UserRun, "\xcf")->type, TypeString);
}

TEST_F(SourcesTest, OnlyRunKeysAndStartupFoldersTakeNewEntries) {
    auto& panel = Panel();
    for (std::size_t i = 0; i < panel.SourceCount(); ++i) {
        auto const kind = StartupSources[i].kind;
        if (kind == SourceKind::RunKey || kind == SourceKind::StartupFolder)
            continue;
        EXPECT_FALSE(panel.Source(i).Add("C:\\a.exe", "a", "")) << i + 1;
    }
    EXPECT_TRUE(store.shortcuts.empty());
}

class FolderTest : public SourcesTest {
protected:
    FolderTest() {
        store.Set(HKCU, StartupSources[10].keyPath, "Startup", TypeString, "C:\\Start \xc0\0"s);
    }
    std::string const folder = "C:\\Start \x80\\";
};

TEST_F(FolderTest, ListsFilesAndFoldersButNotHiddenOnesAndResolvesShortcuts) {
    store.files[folder + "tool.lnk"] = {"tool.lnk", false};
    store.shortcuts[folder + "tool.lnk"] = {"C:\\Tools\\tool.exe", "-min"};
    store.files[folder + "hidden.lnk"] = {"hidden.lnk", true};
    store.files[folder + "Sub"] = {"Sub", false};
    store.files[folder + "."] = {".", false};
    store.files[folder + ".."] = {"..", false};
    auto& panel = Panel();
    auto const& source = dynamic_cast<StartupFolderSource&>(panel.Source(10));
    EXPECT_EQ(source.Folder(), folder) << "OEM, with a trailing backslash";
    EXPECT_EQ(Rows(), (std::vector<std::string>{folder + "Sub", "C:\\Tools\\tool.exe -min"}));
    EXPECT_EQ(Entry(1)->Location(), folder + "tool.lnk");
    EXPECT_TRUE(Entry(1)->Delete());
    EXPECT_FALSE(store.FileExists(folder + "tool.lnk"));
}

TEST_F(FolderTest, AddingUnderATakenNameCreatesTheNameFollowedByOne) {
    store.files[folder + "tool.lnk"] = {"tool.lnk", false};
    auto& panel = Panel();
    EXPECT_TRUE(panel.Source(10).Add("C:\\Tools\\tool.exe", "tool", "-x"));
    ASSERT_TRUE(store.shortcuts.count(folder + "tool1.lnk"));
    EXPECT_EQ(store.shortcuts[folder + "tool1.lnk"].path, "C:\\Tools\\tool.exe");
    EXPECT_EQ(store.shortcuts[folder + "tool1.lnk"].arguments, "-x");
}

TEST_F(SourcesTest, AStartupFolderWithoutAPathCreatesNoShortcut) {
    auto& panel = Panel();
    EXPECT_FALSE(panel.Source(8).Add("C:\\Tools\\tool.exe", "tool", ""));
    EXPECT_TRUE(store.shortcuts.empty());
    EXPECT_TRUE(store.files.empty());
}

TEST_F(SourcesTest, WinIniLoadAndRunLines) {
    store.ini["win.ini|windows|load"] = "a.exe, b.exe -x";
    store.ini["win.ini|windows|run"] = "\"C:\\My Apps\\r.exe\"";
    auto& panel = Panel();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"a.exe", "b.exe -x", "C:\\My Apps\\r.exe"}));
    EXPECT_EQ(Entry(0)->Location(), "win.ini");
    // The only token of a line without commas: the key goes.
    EXPECT_TRUE(Entry(2)->Delete());
    EXPECT_EQ(store.ini.count("win.ini|windows|run"), 0u);
    EXPECT_TRUE(panel.Delete({Entry(0)}));
    EXPECT_EQ(store.ini["win.ini|windows|load"], "b.exe -x");
}

TEST_F(SourcesTest, WinIniDeletesKeepTheOtherProgramsOfTheLine) {
    store.ini["win.ini|windows|load"] = "\"C:\\A A\\a.exe\" \"C:\\B B\\b.exe\"";
    store.ini["win.ini|windows|run"] = "p.exe,q.exe,r.exe";
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 5u);
    // The first of two quoted programs without a comma between them: the second stays.
    EXPECT_TRUE(panel.Delete({Entry(0), Entry(2), Entry(4)}));
    EXPECT_EQ(store.ini["win.ini|windows|load"], "\"C:\\B B\\b.exe\"");
    EXPECT_EQ(store.ini["win.ini|windows|run"], "q.exe");
}

TEST_F(SourcesTest, AFailedWriteIsAFailure) {
    store.ini["win.ini|windows|run"] = "p.exe,q.exe";
    store.Set(HKCU, StartupSources[5].keyPath, "Run", TypeString, "a.exe,b.exe\0"s);
    Panel();
    store.failWrites = 5;
    for (std::size_t i = 0; i < 4; ++i) {
        store.lastError = 0;
        EXPECT_FALSE(Entry(i)->Delete()) << i;
        EXPECT_EQ(store.lastError, 5u) << i;
    }
}

} // namespace
} // namespace launchet
