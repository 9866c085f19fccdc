// The panel through the stand-in host over the real startup places: listing, the entry dialog,
// rereading, adding files through the create dialog and its destinations, deleting with the
// confirmations, the configuration, and the plug-ins-menu entry that adds a file panel's selection.

#include "plugin-host/standin/core/FileTransfers.h"
#include "plugins/startup/core/Messages.h"
#include "plugins/startup/tests/win/PluginFixture.h"
#include "win32/Registry.h"

#include <windows.h>

#include <filesystem>

namespace launchet::test {
namespace {

using ulvar::standin::DialogAnswer;
using ulvar::standin::FindDialogItem;
using ulvar::standin::MakePanelItem;
namespace fs = std::filesystem;

std::vector<ulvar::PanelItem> Items(const std::vector<std::string>& names) {
    std::vector<ulvar::PanelItem> items;
    for (auto const& name : names)
        items.push_back(MakePanelItem(name));
    return items;
}

// The create dialog for one file: frame, name label and edit, arguments label and edit,
// separator, four destinations, separator, OK, Cancel.
constexpr int NameEdit = 2, ArgumentsEdit = 4, FirstDestination = 6, CreateOk = 11;
// For several files: frame, four destinations, separator, OK, Cancel.
constexpr int SeveralFirstDestination = 1, SeveralOk = 6;

using PanelTest = LaunchetTest;

TEST_F(PanelTest, ListsTheEntriesUnsortedInModeFourWithTheHostsDots) {
    // The registry gives a key's values in the order of their names: "-a" then "-b", so the rows
    // come as z.exe then b.exe, the reverse of the rows' own order.
    AddRunValue(Tag() + "-b", "C:\\" + Tag() + "\\b.exe -x");
    AddRunValue(Tag() + "-a", "C:\\" + Tag() + "\\z.exe");
    LoadLinked();
    EXPECT_TRUE(Plugin()->ComInitialized());
    auto const menus = Host().GetPluginInfo();
    EXPECT_EQ(menus.disksMenu, std::vector<std::string>{"Startup items"});
    EXPECT_EQ(menus.disksMenuNumbers, std::vector<int>{0});
    EXPECT_EQ(menus.pluginsMenu, std::vector<std::string>{"Startup items"});
    EXPECT_EQ(menus.configMenu, std::vector<std::string>{"Startup items"});
    EXPECT_EQ(menus.commandPrefix, "");

    auto& panel = Open();
    auto const& description = panel.Description();
    EXPECT_EQ(description.flags, static_cast<std::uint32_t>(ulvar::PanelAddDots));
    EXPECT_EQ(description.panelTitle, " Startup items ");
    EXPECT_EQ(description.format, "Startup");
    EXPECT_EQ(description.curDir, "");
    ASSERT_EQ(description.modes.size(), 10u);
    EXPECT_EQ(description.modes[4].columnTypes, "NR");
    EXPECT_EQ(description.modes[4].columnWidths, "0");
    EXPECT_FALSE(description.modes[4].columnTitles) << "the host's titles";
    EXPECT_EQ(description.modes[3].columnTypes, "");
    EXPECT_EQ(panel.ViewMode(), 4);
    EXPECT_EQ(panel.SortMode(), ulvar::SortUnsorted);
    EXPECT_TRUE(panel.IsDots(0));
    int const b = RowOf(Tag() + "\\b.exe -x");
    int const z = RowOf(Tag() + "\\z.exe");
    ASSERT_GT(z, 0);
    EXPECT_EQ(b, z + 1) << "the order of the key, not sorted";
    EXPECT_EQ(panel.Item(z).Data.FileSize, 0u);
}

TEST_F(PanelTest, OtherOriginsOpenNothingAndGetTheHostsFailureValue) {
    LoadLinked();
    EXPECT_EQ(Host().Open(ulvar::OpenFromCommandLine), ulvar::InvalidPanel);
    EXPECT_EQ(Host().Open(ulvar::OpenFromShortcut), ulvar::InvalidPanel);
    ui.QueueMenu(-1);
    EXPECT_EQ(Host().Open(ulvar::OpenFromPluginsMenu), ulvar::InvalidPanel) << "menu cancelled";
    EXPECT_EQ(Plugin()->OpenPanels(), 0u);
}

TEST_F(PanelTest, F3ShowsTheEntryAsShortenedTextsAndDoesNothingOnTheDots) {
    std::string const program =
        "C:\\Program Files\\" + Tag() + "\\" + std::string(80, 'p') + ".exe";
    AddRunValue(Tag(), "\"" + program + "\"");
    LoadLinked();
    auto& panel = Open();
    panel.SetCursor(0);
    EXPECT_EQ(Host().PressKey(0x72), 1);
    EXPECT_TRUE(ui.Dialogs().empty());

    int const row = RowOf(Tag());
    ASSERT_GT(row, 0);
    panel.SetCursor(row);
    EXPECT_EQ(Host().PressKey(0x0C), 1) << "Clear shows it too";
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& items = ui.Dialogs()[0].shown.items;
    ASSERT_EQ(items.size(), 9u);
    EXPECT_STREQ(items[0].Data, "Startup entry");
    EXPECT_STREQ(items[1].Data, "Program:");
    EXPECT_EQ(items[2].Type, ulvar::DialogText);
    // No console: a width of 79, shortened to 69 with the drive root kept.
    std::string const shown = items[2].Data;
    EXPECT_EQ(shown.size(), 69u);
    EXPECT_EQ(shown.substr(0, 6), "C:\\...");
    EXPECT_EQ(shown.substr(shown.size() - 10), "pppppp.exe");
    EXPECT_STREQ(items[4].Data, "<none>");
    std::string const location = items[6].Data;
    EXPECT_EQ(location.substr(0, 8), "HKCU\\...");
    EXPECT_EQ(location.substr(location.size() - Tag().size()), Tag());
    EXPECT_EQ(items[7].Flags & ulvar::DialogSeparator,
              static_cast<std::uint32_t>(ulvar::DialogSeparator));
    EXPECT_EQ(items[8].Type, ulvar::DialogButton);
}

class NewerHostTest : public LaunchetTest {
protected:
    NewerHostTest() : LaunchetTest(ulvar::MakeVersion(1, 70, 700)) {}
};

TEST_F(NewerHostTest, F3ShowsFullTextsInReadOnlyEditsWhenTheHostsBuildIsRecentEnough) {
    std::string const program = "C:\\" + Tag() + "\\" + std::string(100, 'q') + ".exe";
    AddRunValue(Tag(), program);
    LoadLinked();
    EXPECT_EQ(Plugin()->Host().BuildNumber(), 700)
        << "the full record of this layout has AdvControl";
    auto& panel = Open();
    panel.SetCursor(RowOf(Tag()));
    EXPECT_EQ(Host().PressKey(0x72), 1);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& items = ui.Dialogs()[0].shown.items;
    ASSERT_EQ(items.size(), 9u);
    for (int i : {2, 4, 6}) {
        EXPECT_EQ(items[i].Type, ulvar::DialogEdit) << i;
        EXPECT_EQ(items[i].Flags & ulvar::DialogReadOnly,
                  static_cast<std::uint32_t>(ulvar::DialogReadOnly));
        EXPECT_EQ(items[i].X2 - items[i].X1 + 1, 60);
    }
    EXPECT_EQ(items[2].Data, program);
    EXPECT_STREQ(items[4].Data, "");
    EXPECT_EQ(items[6].Data, std::string("HKCU\\") + UserRunKey + "\\" + Tag());
}

TEST_F(PanelTest, CtrlRCollectsAgainAndAsksForAnUpdateAndARedraw) {
    LoadLinked();
    auto& panel = Open();
    EXPECT_EQ(RowOf(Tag()), -1);
    AddRunValue(Tag(), "C:\\" + Tag() + ".exe");
    int const redraws = Host().GetPanels().RedrawCount();
    EXPECT_EQ(Host().PressKey(0x52, ulvar::KeyCtrl), 1);
    EXPECT_GT(RowOf(Tag()), 0);
    EXPECT_EQ(Host().GetPanels().RedrawCount(), redraws + 1);
    EXPECT_EQ(Host().PressKey(0x52, ulvar::KeyCtrl | ulvar::KeyShift), 0);
    EXPECT_EQ(Host().PressKey(0x52), 0);
    (void)panel;
}

TEST_F(PanelTest, OneFileGoesToTheChosenRunKeyUnderItsEditedNameAndTheChoiceIsStored) {
    std::string const folder = Files({Tag() + ".tool.v2.exe"});
    LoadLinked();
    Open();
    ui.QueueDialog(DialogAnswer{CreateOk,
                                {{NameEdit, Tag() + "-edited"}, {ArgumentsEdit, "-a -b"}},
                                {{FirstDestination, 0}, {FirstDestination + 2, 1}}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".tool.v2.exe"})),
              1);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& shown = ui.Dialogs()[0].shown;
    EXPECT_EQ(shown.helpTopic, "StartupCreate");
    EXPECT_STREQ(shown.items[0].Data, "Add to startup");
    EXPECT_EQ(shown.items[NameEdit].Data, Tag()) << "the name before its first dot";
    EXPECT_STREQ(shown.items[NameEdit].History, "Launchet.ItemName");
    EXPECT_STREQ(shown.items[ArgumentsEdit].History, "Launchet.Args");
    EXPECT_EQ(shown.items[NameEdit].X2 - shown.items[NameEdit].X1 + 1, 50);
    EXPECT_EQ(shown.items[FirstDestination].Selected, 1) << "CreateAs 0";
    EXPECT_STREQ(shown.items[FirstDestination + 3].Data, "&Machine's Run key");

    // The path has a blank: quoted, then the arguments.
    EXPECT_EQ(RunValue(Tag() + "-edited"), "\"" + folder + "\\" + Tag() + ".tool.v2.exe\" -a -b");
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "CreateAs"), 2u);
    EXPECT_EQ(Plugin()->CurrentSettings().createAs, 2u);
    EXPECT_GT(RowOf(Tag() + ".tool.v2.exe -a -b"), 0) << "collected again";
}

TEST_F(PanelTest, SeveralFilesGoToTheStartupFolderUnderTheirOwnNames) {
    if (StartupFolder().empty())
        GTEST_SKIP() << "the prefix names no startup folder of the user";
    std::vector<std::string> const names = {Tag() + "-one.exe", Tag() + "-two.x.exe",
                                            Tag() + "-three.exe"};
    std::string const folder = Files(names);
    LoadLinked();
    Open();
    ui.QueueDialog(DialogAnswer{SeveralOk, {}, {{SeveralFirstDestination, 1}}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items(names)), 1);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& shown = ui.Dialogs()[0].shown;
    EXPECT_STREQ(shown.items[0].Data, "Add files to startup");
    EXPECT_EQ(FindDialogItem(shown.items, ulvar::DialogEdit), -1) << "no name or arguments";
    auto shortcuts = TaggedShortcuts();
    std::sort(shortcuts.begin(), shortcuts.end());
    EXPECT_EQ(shortcuts, (std::vector<std::string>{Tag() + "-one.lnk", Tag() + "-three.lnk",
                                                   Tag() + "-two.lnk"}));
    int const row = RowOf(Tag() + "-two.x.exe");
    ASSERT_GT(row, 0) << "the shortcut is resolved";
    EXPECT_EQ(Panel().Name(row), folder + "\\" + Tag() + "-two.x.exe");
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "CreateAs"), 0u);
}

TEST_F(PanelTest, WithoutAChosenDestinationTheUsersStartupFolderTakesTheFile) {
    if (StartupFolder().empty())
        GTEST_SKIP() << "the prefix names no startup folder of the user";
    testsupport::SetDword(SettingsKey(), "CreateAs", 7);
    std::string const folder = Files({Tag() + ".exe"});
    LoadLinked();
    Open();
    ui.QueueDialog(DialogAnswer{CreateOk, {}, {}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"})), 1);
    auto const& shown = ui.Dialogs().at(0).shown;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shown.items[FirstDestination + i].Selected, 0) << i;
    EXPECT_EQ(TaggedShortcuts(), std::vector<std::string>{Tag() + ".lnk"});
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "CreateAs"), 0xFFFFFFFFu) << "-1";
}

TEST_F(PanelTest, SilentFilesGoToTheUsersStartupFolderWhateverTheSetting) {
    if (StartupFolder().empty())
        GTEST_SKIP() << "the prefix names no startup folder of the user";
    testsupport::SetDword(SettingsKey(), "CreateAs", 2);
    std::string const folder = Files({Tag() + ".exe"});
    LoadLinked();
    Open();
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"}), false,
                                                 ulvar::OpSilent),
              1);
    EXPECT_TRUE(ui.Dialogs().empty());
    EXPECT_EQ(TaggedShortcuts(), std::vector<std::string>{Tag() + ".lnk"});
    EXPECT_TRUE(TaggedRunValues().empty());
}

TEST_F(PanelTest, CancellingCreatesNothingAndStillAnswersDone) {
    std::string const folder = Files({Tag() + ".exe"});
    LoadLinked();
    Open();
    ui.QueueDialog(DialogAnswer{CreateOk + 1, {}, {{FirstDestination + 2, 1}}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"})), 1);
    ui.QueueDialog(DialogAnswer{-1, {}, {}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"})), 1);
    EXPECT_TRUE(TaggedRunValues().empty());
    EXPECT_TRUE(TaggedShortcuts().empty());
    EXPECT_FALSE(testsupport::GetDword(SettingsKey(), "CreateAs"));
}

TEST_F(PanelTest, FilesMovedIntoThePanelAreRefused) {
    std::string const folder = Files({Tag() + ".exe"});
    LoadLinked();
    Open();
    ui.QueueMessage(0);
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"}), true), 0)
        << "reporting a move as done would let the host delete the program";
    EXPECT_TRUE(ui.Dialogs().empty());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines.at(1), Msg(msg::MoveRefused));
    EXPECT_TRUE(fs::exists(folder + "\\" + Tag() + ".exe"));
    EXPECT_TRUE(TaggedShortcuts().empty());
}

TEST_F(PanelTest, ANameAFileOrValueCannotHoldIsRefusedWithAMessage) {
    std::string const folder = Files({Tag() + ".exe"});
    LoadLinked();
    Open();
    ui.QueueDialog(DialogAnswer{CreateOk,
                                {{NameEdit, Tag() + "\\sub"}},
                                {{FirstDestination, 0}, {FirstDestination + 2, 1}}});
    ui.QueueMessage(0);
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"})), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines.at(1), Msg(msg::InvalidName));
    EXPECT_EQ(ui.Messages()[0].shown.flags & ulvar::MessageWarning,
              static_cast<std::uint32_t>(ulvar::MessageWarning));
    EXPECT_TRUE(TaggedRunValues().empty());
}

TEST_F(PanelTest, DeletingOneEntryAsksWithItsFileNameAndOnlyTheFirstButtonDeletes) {
    AddRunValue(Tag(), "\"C:\\" + Tag() + "\\tool.exe\" -x");
    LoadLinked();
    auto& panel = Open();
    panel.SetCursor(RowOf(Tag()));
    ui.QueueMessage(1);
    ui.QueueMessage(-1);
    EXPECT_EQ(panel.DeleteFiles(0), 0);
    EXPECT_EQ(panel.DeleteFiles(0), 0);
    EXPECT_TRUE(RunValue(Tag()));
    ASSERT_EQ(ui.Messages().size(), 2u);
    auto const& shown = ui.Messages()[0].shown;
    EXPECT_EQ(shown.lines,
              (std::vector<std::string>{"Delete", "Do you wish to delete from the startup list",
                                        "the entry \"tool.exe\"?"}));
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{"Delete", "Cancel"}));
    EXPECT_EQ(shown.flags, 0u);

    ui.QueueMessage(0);
    EXPECT_EQ(panel.DeleteFiles(0), 1);
    EXPECT_FALSE(RunValue(Tag()));
    EXPECT_EQ(RowOf(Tag()), -1) << "collected again";
}

// A Userinit value of the test's in the machine's Winlogon key, removed afterwards.
class UserinitGuard {
public:
    UserinitGuard() {
        auto const key = win32::OpenKey(HKEY_LOCAL_MACHINE, std::string(Path), KEY_READ);
        existed_ = key.Valid() && RegQueryValueExA(key.Get(), "Userinit", nullptr, nullptr, nullptr,
                                                   nullptr) == ERROR_SUCCESS;
    }
    ~UserinitGuard() {
        if (existed_)
            return;
        auto const key = win32::OpenKey(HKEY_LOCAL_MACHINE, std::string(Path), KEY_SET_VALUE);
        if (key.Valid())
            RegDeleteValueA(key.Get(), "Userinit");
    }
    bool Set(const std::string& text) const {
        auto const key = win32::CreateKey(HKEY_LOCAL_MACHINE, std::string(Path), KEY_WRITE);
        return key.Valid() && RegSetValueExA(key.Get(), "Userinit", 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(text.c_str()),
                                             static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }
    bool Existed() const { return existed_; }
    static constexpr const char* Path = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

private:
    bool existed_ = false;
};

TEST_F(PanelTest, DeletingSeveralWithAUserinitEntryAmongThemWarnsAndDeletesTheOthers) {
    UserinitGuard const userinit;
    if (userinit.Existed())
        GTEST_SKIP() << "the prefix has a Userinit value of its own";
    ASSERT_TRUE(userinit.Set("C:\\" + Tag() + "\\userinit.exe,"));
    AddRunValue(Tag() + "-1", "C:\\" + Tag() + "\\one.exe");
    AddRunValue(Tag() + "-2", "C:\\" + Tag() + "\\two.exe");
    LoadLinked();
    auto& panel = Open();
    for (const char* text : {"\\userinit.exe", "\\one.exe", "\\two.exe"}) {
        int const row = RowOf(Tag() + text);
        ASSERT_GT(row, 0) << text;
        panel.Select(row, true);
    }
    ui.QueueMessage(0);
    ui.QueueMessage(0);
    EXPECT_EQ(panel.DeleteFiles(0), 1);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].shown.lines.at(2), "3 entries?");
    EXPECT_EQ(ui.Messages()[1].shown.lines,
              (std::vector<std::string>{Msg(msg::ErrorTitle), Msg(msg::ProtectedLogon)}));
    EXPECT_EQ(ui.Messages()[1].shown.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(TaggedRunValues().empty());
    EXPECT_GT(RowOf(Tag() + "\\userinit.exe"), 0) << "left as it was";
}

TEST_F(PanelTest, AFailedDeletionShowsTheSystemsErrorAndStops) {
    AddRunValue(Tag() + "-1", "C:\\" + Tag() + "\\one.exe");
    AddRunValue(Tag() + "-2", "C:\\" + Tag() + "\\two.exe");
    LoadLinked();
    auto& panel = Open();
    panel.Select(RowOf(Tag() + "\\one.exe"), true);
    panel.Select(RowOf(Tag() + "\\two.exe"), true);
    // Gone behind the panel's back.
    auto const key = win32::OpenKey(HKEY_CURRENT_USER, std::string(UserRunKey), KEY_SET_VALUE);
    ASSERT_EQ(RegDeleteValueA(key.Get(), (Tag() + "-1").c_str()), ERROR_SUCCESS);
    ui.QueueMessage(0);
    ui.QueueMessage(0);
    EXPECT_EQ(panel.DeleteFiles(0), 0);
    ASSERT_EQ(ui.Messages().size(), 2u);
    auto const& error = ui.Messages()[1].shown;
    EXPECT_EQ(error.flags,
              static_cast<std::uint32_t>(ulvar::MessageWarning | ulvar::MessageErrorLine));
    ASSERT_EQ(error.lines.size(), 3u);
    EXPECT_EQ(error.lines[1], Msg(msg::DeleteFailed));
    EXPECT_EQ(error.lines[2], Host().Platform().ErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(RunValue(Tag() + "-2")) << "stopped at the first failure";
}

TEST_F(PanelTest, TheConfigurationIsWrittenToTheRegistryAndRebuildsTheMenus) {
    LoadLinked();
    // Frame, disks-menu check box, hot key, its label, plug-ins-menu check box, separator, OK,
    // Cancel.
    ui.QueueDialog(DialogAnswer{6, {{2, "7"}}, {{1, 1}, {4, 0}}});
    EXPECT_EQ(Host().Configure(0), 1);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& shown = ui.Dialogs()[0].shown;
    EXPECT_EQ(shown.helpTopic, "Config");
    EXPECT_STREQ(shown.items[0].Data, "Startup items");
    EXPECT_EQ(shown.items[1].Y1, 2);
    EXPECT_EQ(shown.items[1].X1, 5);
    EXPECT_EQ(shown.items[2].X1, 10);
    EXPECT_EQ(shown.items[2].Y1, 3);
    EXPECT_EQ(shown.items[3].X1, 12);
    EXPECT_EQ(shown.items[3].Y1, 3);
    EXPECT_EQ(shown.items[4].Y1, 4);
    EXPECT_EQ(shown.items[6].Y1, 6);
    EXPECT_EQ(shown.items[7].Y1, 6);
    EXPECT_EQ(shown.y2, 9);
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "AddToDisksMenu"), 1u);
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "DisksMenuHotkey"), 7u);
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "AddToPluginsMenu"), 0u);
    EXPECT_FALSE(testsupport::GetDword(SettingsKey(), "CreateAs"));
    auto const menus = Host().GetPluginInfo();
    EXPECT_EQ(menus.disksMenuNumbers, std::vector<int>{7});
    EXPECT_TRUE(menus.pluginsMenu.empty());

    ui.QueueDialog(DialogAnswer{7, {{2, "3"}}, {{1, 0}}});
    EXPECT_EQ(Host().Configure(0), 0) << "Cancel";
    EXPECT_EQ(testsupport::GetDword(SettingsKey(), "DisksMenuHotkey"), 7u);
    EXPECT_EQ(Plugin()->CurrentSettings().disksMenuHotkey, 7u);
}

TEST_F(PanelTest, SettingsAreReadAtStartUp) {
    testsupport::SetDword(SettingsKey(), "AddToDisksMenu", 0);
    testsupport::SetDword(SettingsKey(), "AddToPluginsMenu", 0);
    LoadDll();
    auto const menus = Host().GetPluginInfo();
    EXPECT_TRUE(menus.disksMenu.empty());
    EXPECT_TRUE(menus.pluginsMenu.empty());
    EXPECT_EQ(menus.configMenu, std::vector<std::string>{"Startup items"});
}

TEST_F(PanelTest, ThePluginsMenuAddsTheSelectedFilesOfTheActivePanel) {
    std::vector<std::string> const names = {Tag() + "-x.exe", Tag() + "-y.exe", "other.exe"};
    std::string const folder = Files(names);
    LoadLinked();
    auto& files = Host().GetPanels().ActiveFiles();
    files.folder = folder;
    files.items = {MakePanelItem(".."), MakePanelItem(names[0]), MakePanelItem(names[1]),
                   MakePanelItem(names[2])};
    files.items[1].Flags |= ulvar::ItemSelected;
    files.items[2].Flags |= ulvar::ItemSelected;
    ui.QueueMenu(1);
    ui.QueueDialog(DialogAnswer{
        SeveralOk, {}, {{SeveralFirstDestination, 0}, {SeveralFirstDestination + 2, 1}}});
    EXPECT_EQ(ulvar::standin::OpenOverFilePanel(Host(), ulvar::OpenFromPluginsMenu),
              ulvar::InvalidPanel);
    ASSERT_EQ(ui.Menus().size(), 1u);
    auto const& menu = ui.Menus()[0].shown;
    EXPECT_EQ(menu.title, "Startup items");
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_STREQ(menu.items[0].Text, "Open startup items");
    EXPECT_STREQ(menu.items[1].Text, "Add to startup");
    auto values = TaggedRunValues();
    std::sort(values.begin(), values.end());
    EXPECT_EQ(values, (std::vector<std::string>{Tag() + "-x", Tag() + "-y"}));
    EXPECT_EQ(RunValue(Tag() + "-x"), "\"" + folder + "\\" + names[0] + "\"");
    EXPECT_EQ(Plugin()->OpenPanels(), 0u) << "a temporary panel, destroyed";

    // Nothing selected: the current item counts, unless it is "..".
    for (auto& item : files.items)
        item.Flags &= ~static_cast<std::uint32_t>(ulvar::ItemSelected);
    files.current = 0;
    ui.QueueMenu(1);
    EXPECT_EQ(ulvar::standin::OpenOverFilePanel(Host(), ulvar::OpenFromPluginsMenu),
              ulvar::InvalidPanel);
    EXPECT_EQ(ui.Dialogs().size(), 1u) << "nothing to add";

    ui.QueueMenu(0);
    EXPECT_NE(ulvar::standin::OpenOverFilePanel(Host(), ulvar::OpenFromPluginsMenu),
              ulvar::InvalidPanel);
    EXPECT_GT(RowOf(Tag() + "-y.exe"), 0);
}

TEST_F(PanelTest, TheDllAddsToTheRunKeyAndDeletesAgain) {
    std::string const folder = Files({Tag() + ".exe"});
    LoadDll();
    auto& panel = Open();
    ui.QueueDialog(DialogAnswer{CreateOk, {}, {{FirstDestination, 0}, {FirstDestination + 2, 1}}});
    EXPECT_EQ(ulvar::standin::PutFilesFromFolder(Host(), folder, Items({Tag() + ".exe"})), 1);
    EXPECT_EQ(RunValue(Tag()), "\"" + folder + "\\" + Tag() + ".exe\"");
    int const row = RowOf(Tag() + ".exe");
    ASSERT_GT(row, 0);
    panel.SetCursor(row);
    ui.QueueMessage(0);
    EXPECT_EQ(panel.DeleteFiles(0), 1);
    EXPECT_FALSE(RunValue(Tag()));
    EXPECT_EQ(RowOf(Tag() + ".exe"), -1);
}

} // namespace
} // namespace launchet::test
