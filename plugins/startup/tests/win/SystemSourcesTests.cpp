// Each kind of source against the real registry, folders with real shortcuts and a real win.ini
// file, in keys and folders of the test's own.

#include "plugins/startup/core/ValueLists.h"
#include "plugins/startup/tests/win/SystemFixture.h"

#include <windows.h>

namespace launchet::test {
namespace {

using namespace std::string_literals;
using RowList = std::vector<std::string>;

TEST_F(SystemSourcesTest, AnUnquotedPathWithABlankSplitsInsideItAQuotedOneAfterTheQuote) {
    // A real file whose path has a blank: named alone it is all program.
    std::string const folder = Folder(11) + "Program Files";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string const program = folder + "\\tool.exe";
    ASSERT_TRUE(testsupport::WriteFile(program, "MZ"));
    SetValue(8, "a-unquoted", REG_SZ, program + " /start\0"s);
    SetValue(8, "b-quoted", REG_SZ, '"' + program + "\" /start\0"s);
    SetValue(8, "c-alone", REG_SZ, program + '\0');
    auto& panel = Panel();
    std::vector<const StartupEntry*> run;
    for (auto const& entry : panel.Entries())
        if (entry->Location().find("\\8\\") != std::string::npos)
            run.push_back(entry.get());
    ASSERT_EQ(run.size(), 3u);
    std::size_t const blank = program.find(' ');
    EXPECT_EQ(run[0]->Program(), program.substr(0, blank));
    EXPECT_EQ(run[0]->Arguments(), program.substr(blank + 1) + " /start");
    EXPECT_EQ(run[1]->Program(), program);
    EXPECT_EQ(run[1]->Arguments(), "/start");
    EXPECT_EQ(run[2]->Program(), program);
    EXPECT_EQ(run[2]->Arguments(), "");
}

TEST_F(SystemSourcesTest, ALogonListOfOneProgramAndACommaIsProtected) {
    SetValue(3, "Userinit", REG_SZ, "C:\\windows\\system32\\userinit.exe,\0"s);
    Panel();
    ASSERT_EQ(Rows(), RowList{"C:\\windows\\system32\\userinit.exe"});
    EXPECT_TRUE(Entry(0).Delete());
    EXPECT_EQ(warnings, std::vector<int>{ProtectedLogonEntry});
    EXPECT_EQ(GetValue(3, "Userinit")->data, "C:\\windows\\system32\\userinit.exe,\0"s);
}

TEST_F(SystemSourcesTest, DeletingTheFirstOfTwoRunListProgramsKeepsTheSecondAndTheType) {
    SetValue(6, "Run", REG_EXPAND_SZ, "%WINDIR%\\a.exe,b.exe -x\0"s);
    auto& panel = Panel();
    ASSERT_EQ(Rows(), (RowList{"%WINDIR%\\a.exe", "b.exe -x"}));
    EXPECT_TRUE(panel.Delete({&Entry(0)}));
    auto const value = GetValue(6, "Run");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->data, "b.exe -x,\0"s);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(SystemSourcesTest, SeveralElementsOfOneListGoInOneDeletion) {
    SetValue(12, "Load", REG_SZ, "a.exe,b.exe,c.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 3u);
    EXPECT_TRUE(panel.Delete({&Entry(0), &Entry(1)}));
    EXPECT_EQ(GetValue(12, "Load")->data, "c.exe,\0"s);
}

TEST_F(SystemSourcesTest, StringsAreReadWithinTheirRealLength) {
    // A REG_SZ without its terminating zero, a multi-string without its final empty string, and
    // a boot list longer than the first buffer.
    SetValue(6, "Run", REG_SZ, "a.exe,b.exe"s);
    SetValue(1, "BootExecute", REG_MULTI_SZ, "autocheck autochk *\0second.exe"s);
    std::string const longProgram = "C:\\" + std::string(600, 'x') + ".exe";
    SetValue(2, "PendingFileRenameOperations", REG_MULTI_SZ, "\\??\\" + longProgram + "\0\0"s);
    Panel();
    EXPECT_EQ(Rows(), (RowList{"autocheck autochk *", "second.exe",
                               RowName({"\\??\\" + longProgram + " -> ", ""}), "a.exe", "b.exe"}));
    EXPECT_EQ(Entry(2).Program(), "\\??\\" + longProgram + " -> ") << "read at its full size";
}

TEST_F(SystemSourcesTest, APendingRenameWithAnEmptyTargetShowsTheSourceAndAnArrow) {
    SetValue(2, "PendingFileRenameOperations", REG_MULTI_SZ,
             "\\??\\C:\\old.dll\0\0\\??\\C:\\new.tmp\0\\??\\C:\\new.dll\0\0"s);
    Panel();
    EXPECT_EQ(Rows(), (RowList{"\\??\\C:\\old.dll -> ", "\\??\\C:\\new.tmp -> \\??\\C:\\new.dll"}));
    EXPECT_TRUE(Entry(0).Delete());
    EXPECT_EQ(warnings, std::vector<int>{ProtectedBootEntry});
}

TEST_F(SystemSourcesTest, RunKeyValuesOfAnySizeAndAddingUnderTakenNames) {
    std::string const longName(300, 'n');
    std::string const longData = "C:\\long.exe " + std::string(2000, 'a');
    SetValue(17, longName, REG_SZ, longData + '\0');
    SetValue(8, "name", REG_SZ, "x.exe\0"s);
    SetValue(8, "name1", REG_SZ, "y.exe\0"s);
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 3u);
    EXPECT_EQ(Entry(2).Program(), "C:\\long.exe");
    EXPECT_EQ(Entry(2).Arguments(), std::string(2000, 'a'));
    EXPECT_EQ(Entry(2).Location(), "HKCU\\" + Key(17) + "\\" + longName);

    EXPECT_TRUE(panel.Source(7).Add("C:\\Program Files\\T\\t.exe", "name", ""));
    EXPECT_EQ(GetValue(8, "name2")->data, "\"C:\\Program Files\\T\\t.exe\"\0"s);
    EXPECT_EQ(GetValue(8, "name2")->type, static_cast<DWORD>(REG_SZ));
    EXPECT_TRUE(panel.Source(7).Add("C:\\T\\t.exe", "other", "-a -b"));
    EXPECT_EQ(GetValue(8, "other")->data, "C:\\T\\t.exe -a -b\0"s);

    panel.Collect();
    auto const& added = Entry(2);
    EXPECT_EQ(added.Program(), "C:\\Program Files\\T\\t.exe");
    EXPECT_TRUE(const_cast<StartupEntry&>(added).Delete());
    EXPECT_FALSE(GetValue(8, "name2"));
}

TEST_F(SystemSourcesTest, ShortcutsAreCreatedResolvedAndDeleted) {
    std::string const folder = Folder(11);
    ASSERT_TRUE(testsupport::WriteFile(folder + "tool.lnk", "taken"));
    auto& panel = Panel();
    auto& source = dynamic_cast<StartupFolderSource&>(panel.Source(10));
    EXPECT_EQ(source.Folder(), folder);
    EXPECT_TRUE(source.Add("C:\\windows\\notepad.exe", "tool", "readme.txt"));
    EXPECT_TRUE(testsupport::FileExists(folder + "tool1.lnk")) << "the name followed by 1";

    panel.Collect();
    std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], folder + "tool.lnk") << "a file that is no shortcut shows its own path";
    EXPECT_EQ(rows[1], "C:\\windows\\notepad.exe readme.txt");
    EXPECT_EQ(Entry(1).Location(), folder + "tool1.lnk");
    EXPECT_TRUE(Entry(1).Delete());
    EXPECT_FALSE(testsupport::FileExists(folder + "tool1.lnk"));
    EXPECT_FALSE(Entry(1).Delete()) << "already gone";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(SystemSourcesTest, HiddenFilesAreLeftOutAndFoldersShowTheirOwnPath) {
    std::string const folder = Folder(9);
    ASSERT_TRUE(testsupport::WriteFile(folder + "hidden.lnk", "x"));
    ASSERT_TRUE(SetFileAttributesA((folder + "hidden.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CreateDirectoryA((folder + "Sub").c_str(), nullptr));
    Panel();
    EXPECT_EQ(Rows(), RowList{folder + "Sub"});
}

TEST_F(SystemSourcesTest, AStartupFolderWithoutAPathCreatesNoShortcutInTheCurrentFolder) {
    testsupport::DeleteTree(Key(10));
    auto& panel = Panel();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    std::string const stray = std::string(current) + "\\stray-launchet-test.lnk";
    EXPECT_FALSE(panel.Source(9).Add("C:\\windows\\notepad.exe", "stray-launchet-test", ""));
    EXPECT_FALSE(testsupport::FileExists(stray));
    EXPECT_FALSE(testsupport::FileExists("stray-launchet-test.lnk"));
}

TEST_F(SystemSourcesTest, WinIniLoadAndRunLines) {
    WritePrivateProfileStringA("windows", "load", "a.exe, b.exe -x", IniFile().c_str());
    WritePrivateProfileStringA("windows", "run", "r.exe", IniFile().c_str());
    auto& panel = Panel();
    ASSERT_EQ(Rows(), (RowList{"a.exe", "b.exe -x", "r.exe"}));
    EXPECT_TRUE(panel.Delete({&Entry(2)}));
    char line[64] = {};
    EXPECT_EQ(
        GetPrivateProfileStringA("windows", "run", "<none>", line, sizeof line, IniFile().c_str()),
        6u);
    EXPECT_STREQ(line, "<none>") << "the key is removed";
    EXPECT_TRUE(panel.Delete({&Entry(0)}));
    GetPrivateProfileStringA("windows", "load", "", line, sizeof line, IniFile().c_str());
    EXPECT_STREQ(line, "b.exe -x");
}

TEST_F(SystemSourcesTest, ALineLongerThan255CharactersIsReadAndWrittenBackWhole) {
    std::string load = "first.exe";
    for (int i = 0; i < 40; ++i)
        load += ",C:\\programs\\program" + std::to_string(i) + ".exe";
    ASSERT_GT(load.size(), 600u);
    WritePrivateProfileStringA("windows", "load", load.c_str(), IniFile().c_str());
    auto& panel = Panel();
    ASSERT_EQ(panel.Entries().size(), 41u);
    EXPECT_EQ(Entry(40).Program(), "C:\\programs\\program39.exe");
    EXPECT_TRUE(panel.Delete({&Entry(0)}));
    std::string const read = store.ReadIni(IniFile(), "windows", "load");
    EXPECT_EQ(read, load.substr(load.find(',') + 1));
}

TEST(ComSessionTest, UninitialisesOnlyAfterASuccessfulInitialisation) {
    // This thread is in the multithreaded apartment first: CoInitialize then fails with
    // RPC_E_CHANGED_MODE, and the session must not end the other initialisation.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
        win32::ComSession session;
        EXPECT_EQ(session.Result(), RPC_E_CHANGED_MODE);
        EXPECT_FALSE(session.Initialized());
    }
    // Still initialised once: a second initialisation reports S_FALSE.
    HRESULT const again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(again, S_FALSE);
    CoUninitialize();
    CoUninitialize();
}

} // namespace
} // namespace launchet::test
