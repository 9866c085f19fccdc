// The host's two panels: plug-in panels on both sides at once, of one plug-in sharing its state or
// of two plug-ins, a panel on the passive side, Tab, HostControl answering for this and the other
// panel of each, records per side, and copies between the sides.

#include "plugin-host/standin/core/FileTransfers.h"
#include "plugin-host/standin/core/FolderListing.h"
#include "plugin-host/standin/core/HostMenus.h"
#include "plugin-host/standin/core/PanelSession.h"
#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/core/StandardPlatform.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

// A plug-in whose panels all show one list of names, the state they share: a key on one panel adds
// a name and asks the host to update the other panel.
struct Shared {
    HostStartupInfo info{};
    std::vector<std::string> names;
    std::vector<std::unique_ptr<int>> panels; // a handle is the address of a panel's number
    std::vector<std::pair<int, int>> events;  // (panel number, event)
    std::vector<std::string> folderInCall;    // the current folder inside PutFiles / GetFiles
    std::vector<std::string> put;
    std::vector<std::string> gotInto;
    int exits = 0;
    std::vector<std::string> deleted;
    bool refusePut = false;
    const char* prefix = nullptr;
    std::vector<std::string> commandLines; // the texts OpenPlugin got from the command line
    std::vector<const char*> pluginsMenu;
    std::vector<const char*> disksMenu;
    std::vector<int> disksNumbers;
} one, two; // the state of two plug-ins

int Number(PanelHandle panel) {
    return *static_cast<int*>(panel);
}

template <Shared& S> struct SharedPlugin {
    static void SetStartupInfo(const HostStartupInfo* info) {
        std::memcpy(&S.info, info, sizeof S.info);
    }
    static PanelHandle OpenPlugin(int origin, std::intptr_t item) {
        if (origin == OpenFromCommandLine)
            S.commandLines.push_back(reinterpret_cast<const char*>(item));
        S.panels.push_back(std::make_unique<int>(static_cast<int>(S.panels.size())));
        return S.panels.back().get();
    }
    static void ClosePlugin(PanelHandle) {}
    static int GetFindData(PanelHandle, PanelItem** items, int* count, int) {
        auto* list = new PanelItem[S.names.size() + 1]{};
        for (std::size_t i = 0; i < S.names.size(); ++i)
            std::snprintf(list[i].Data.FileName, sizeof list[i].Data.FileName, "%s",
                          S.names[i].c_str());
        *items = list;
        *count = static_cast<int>(S.names.size());
        return 1;
    }
    static void FreeFindData(PanelHandle, PanelItem* items, int) { delete[] items; }
    static int ProcessKey(PanelHandle panel, int key, unsigned) {
        switch (key) {
        case 'A':
            S.names.push_back("added" + std::to_string(S.names.size()));
            return S.info.Control(panel, ControlUpdatePanel, nullptr) &&
                   S.info.Control(panel, ControlUpdateOtherPanel, nullptr) &&
                   S.info.Control(panel, ControlRedrawOtherPanel, nullptr);
        case 'C':
            return S.info.Control(panel, ControlClosePlugin, nullptr);
        default:
            return 0;
        }
    }
    static int ProcessEvent(PanelHandle panel, int event, void*) {
        S.events.emplace_back(Number(panel), event);
        return 0;
    }
    static int PutFiles(PanelHandle, PanelItem* items, int count, int, int) {
        S.folderInCall.push_back(std::filesystem::current_path().string());
        if (S.refusePut)
            return 0;
        for (int i = 0; i < count; ++i)
            S.put.push_back(items[i].Data.FileName);
        for (int i = 0; i < count; ++i)
            S.names.push_back(items[i].Data.FileName);
        return 1;
    }
    static int GetFiles(PanelHandle, PanelItem* items, int count, int, char* destination, int) {
        for (int i = 0; i < count; ++i) {
            std::ofstream(std::string(destination) + "/" + items[i].Data.FileName) << "copied";
            S.gotInto.push_back(destination);
        }
        return 1;
    }
    static int DeleteFiles(PanelHandle, PanelItem* items, int count, int) {
        for (int i = 0; i < count; ++i) {
            S.deleted.push_back(items[i].Data.FileName);
            S.names.erase(std::find(S.names.begin(), S.names.end(), items[i].Data.FileName));
        }
        return 1;
    }
    static void ExitUlvar() { ++S.exits; }
    static void GetPluginInfo(PluginInfoRecord* info) {
        info->PluginMenuStrings = S.pluginsMenu.data();
        info->PluginMenuStringsNumber = static_cast<int>(S.pluginsMenu.size());
        info->DisksMenuStrings = S.disksMenu.data();
        info->DisksMenuNumbers = S.disksNumbers.data();
        info->DisksMenuStringsNumber = static_cast<int>(S.disksMenu.size());
        info->CommandPrefix = S.prefix;
    }

    static PluginEntryPoints EntryPoints() {
        PluginEntryPoints e;
        e.SetStartupInfo = SetStartupInfo;
        e.OpenPlugin = OpenPlugin;
        e.ClosePlugin = ClosePlugin;
        e.GetFindData = GetFindData;
        e.FreeFindData = FreeFindData;
        e.ProcessKey = ProcessKey;
        e.ProcessEvent = ProcessEvent;
        e.PutFiles = PutFiles;
        e.GetFiles = GetFiles;
        e.DeleteFiles = DeleteFiles;
        e.ExitUlvar = ExitUlvar;
        e.GetPluginInfo = GetPluginInfo;
        return e;
    }
};

class TwoPanelsTest : public testing::Test {
protected:
    TwoPanelsTest() {
        one = Shared{};
        two = Shared{};
        one.names = {"first", "second"};
        two.names = {"other"};
        folder.Write("one_en.lng", "One\n");
        folder.Write("two_en.lng", "Two\n");
        HostOptions options;
        options.redrawEvents = true;
        host = std::make_unique<StandInHost>(options, ui);
        EXPECT_TRUE(host->Load(SharedPlugin<one>::EntryPoints(), folder.File("one.dll")));
    }

    PanelInfo Info(PanelHandle panel, int command) {
        PanelInfo info{};
        EXPECT_EQ(host->ServiceControl(panel, command, &info), 1);
        return info;
    }

    testsupport::ScratchFolder folder;
    ScriptedUi ui;
    std::unique_ptr<StandInHost> host;
};

TEST_F(TwoPanelsTest, TwoPanelsOfOnePluginShareItsStateAndAnswerForEachOther) {
    PanelHandle const left = host->Open(OpenFromPluginsMenu);
    host->SwitchActive();
    EXPECT_EQ(host->ActiveSide(), RightSide);
    EXPECT_EQ(host->PanelOn(LeftSide)->Handle(), left) << "the left panel stays open";
    PanelHandle const right = host->Open(OpenFromPluginsMenu);
    ASSERT_NE(left, right);
    ASSERT_EQ(host->Panel()->Handle(), right);

    PanelInfo const rightInfo = Info(right, ControlGetPanelInfo);
    EXPECT_EQ(rightInfo.Plugin, 1);
    EXPECT_EQ(rightInfo.Focus, 1);
    EXPECT_EQ(rightInfo.Rect.Left, 40);
    PanelInfo const leftInfo = Info(right, ControlGetOtherPanelInfo);
    EXPECT_EQ(leftInfo.Plugin, 1) << "the other panel is the plug-in's left one";
    EXPECT_EQ(leftInfo.Focus, 0);
    EXPECT_EQ(leftInfo.Rect.Left, 0);
    EXPECT_EQ(Info(left, ControlGetOtherPanelInfo).Focus, 1) << "from the left: the right one";
    EXPECT_EQ(Info(PassivePanel, ControlGetPanelInfo).Rect.Left, 0);

    // A name added on the right reaches the left panel through HostControl's update.
    EXPECT_EQ(host->PressKey('A'), 1);
    EXPECT_EQ(host->PanelOn(RightSide)->Count(), 3);
    EXPECT_EQ(host->PanelOn(LeftSide)->Count(), 3);
    EXPECT_GE(host->PanelOn(LeftSide)->Find("added2"), 0);
    auto const& panels = host->GetPanels();
    EXPECT_EQ(panels.UpdateCountOn(RightSide), 1);
    EXPECT_EQ(panels.UpdateCountOn(LeftSide), 1);
    EXPECT_EQ(panels.RedrawCountOn(LeftSide), 1);
    EXPECT_EQ(panels.RedrawCountOn(RightSide), 0);
    EXPECT_EQ(panels.RedrawCount(true), 1) << "the left side is the passive one";
    EXPECT_EQ(one.events, (std::vector<std::pair<int, int>>{{Number(left), EventRedraw}}))
        << "the redraw event goes to the panel redrawn";

    host->SwitchActive();
    EXPECT_EQ(host->Panel()->Handle(), left);
    EXPECT_EQ(Info(ActivePanel, ControlGetPanelInfo).Rect.Left, 0);

    one.events.clear();
    host->Idle();
    EXPECT_EQ(one.events, (std::vector<std::pair<int, int>>{{Number(left), EventIdle},
                                                            {Number(right), EventIdle}}))
        << "both panels hear the idle event, the active one first";
}

TEST_F(TwoPanelsTest, APanelOnThePassiveSideAnswersAndClosesOnItsOwn) {
    testsupport::ScratchFolder files;
    host->GetPanels().ActiveFiles().folder = files.Path();
    PanelHandle const passive = host->OpenOn(RightSide, OpenFromPluginsMenu);
    ASSERT_NE(passive, InvalidPanel);
    EXPECT_EQ(host->Panel(), nullptr) << "the active side still shows its files";
    EXPECT_EQ(host->ActiveSide(), LeftSide);

    PanelInfo const own = Info(passive, ControlGetPanelInfo);
    EXPECT_EQ(own.Plugin, 1);
    EXPECT_EQ(own.Focus, 0);
    PanelInfo const active = Info(passive, ControlGetOtherPanelInfo);
    EXPECT_EQ(active.Plugin, 0);
    EXPECT_EQ(active.Focus, 1);
    EXPECT_STREQ(active.CurDir, files.Path().c_str());
    EXPECT_EQ(Info(ActivePanel, ControlGetPanelInfo).Plugin, 0) << "-1 is the active panel";

    // A break goes to the active side's panel, and there is none.
    host->SendBreak();
    EXPECT_TRUE(one.events.empty());

    // A redraw of the passive panel by the host reaches that panel only.
    host->Redraw(RightSide);
    EXPECT_EQ(one.events, (std::vector<std::pair<int, int>>{{Number(passive), EventRedraw}}));

    // Its own close request closes it, not the active side.
    one.info.Control(passive, ControlClosePlugin, nullptr);
    host->Redraw(LeftSide);
    EXPECT_EQ(host->PanelOn(RightSide), nullptr);
}

TEST_F(TwoPanelsTest, TwoPluginsSideBySideEachWithItsOwnMessagesAndBreaks) {
    int const second = host->AddPlugin(SharedPlugin<two>::EntryPoints(), folder.File("two.dll"));
    ASSERT_EQ(second, 1);
    EXPECT_NE(one.info.ModuleNumber, two.info.ModuleNumber);
    EXPECT_STREQ(one.info.GetMsg(one.info.ModuleNumber, 0), "One");
    EXPECT_STREQ(two.info.GetMsg(two.info.ModuleNumber, 0), "Two");

    PanelHandle const left = host->Open(OpenFromPluginsMenu, 0, 0);
    host->SwitchActive();
    PanelHandle const right = host->Open(OpenFromPluginsMenu, 0, second);
    EXPECT_EQ(host->PanelOn(LeftSide)->Name(0), "first");
    EXPECT_EQ(host->PanelOn(RightSide)->Name(0), "other");
    EXPECT_EQ(host->GetPanels().OwnerOn(RightSide), second);

    host->SendBreak();
    EXPECT_EQ(two.events, (std::vector<std::pair<int, int>>{{Number(right), EventBreak}}));
    EXPECT_TRUE(one.events.empty());
    host->SwitchActive();
    host->SendBreak();
    EXPECT_EQ(one.events, (std::vector<std::pair<int, int>>{{Number(left), EventBreak}}));

    host->Exit();
    EXPECT_EQ(one.exits, 1);
    EXPECT_EQ(two.exits, 1);
    EXPECT_FALSE(host->Loaded());
}

TEST_F(TwoPanelsTest, CopiesBetweenAFolderAndAPluginPanelInBothDirections) {
    testsupport::ScratchFolder source;
    source.Write("note.txt", "text");
    auto& files = host->GetPanels().Files(LeftSide);
    files.folder = source.Path();
    files.items = {MakePanelItem("note.txt"), MakePanelItem("other.txt")};
    host->OpenOn(RightSide, OpenFromPluginsMenu);
    auto const before = std::filesystem::current_path();

    // F5 on the left: into the plug-in, in the left panel's folder.
    EXPECT_EQ(host->CopyToPassive(false), 1);
    EXPECT_EQ(one.put, (std::vector<std::string>{"note.txt"}));
    ASSERT_EQ(one.folderInCall.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(one.folderInCall[0], source.Path()));
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(host->PanelOn(RightSide)->Count(), 3) << "listed again after the copy";

    // F5 on the right: out of the plug-in into the left panel's folder.
    host->SwitchActive();
    host->Panel()->SetCursor(host->Panel()->Find("second"));
    EXPECT_EQ(host->CopyToPassive(false), 1);
    EXPECT_EQ(one.gotInto, (std::vector<std::string>{source.Path()}));
    EXPECT_EQ(testsupport::ReadBytes(source.File("second")), "copied");

    // Between two file panels the host copies nothing.
    host->ClosePanelOn(LeftSide, true);
    host->ClosePanelOn(RightSide, true);
    EXPECT_EQ(host->CopyToPassive(false), 0);
}

TEST_F(TwoPanelsTest, BetweenTwoPluginsThroughATransitFolderAndAMoveDeletesOnlyWhatArrived) {
    int const second = host->AddPlugin(SharedPlugin<two>::EntryPoints(), folder.File("two.dll"));
    testsupport::ScratchFolder transit;
    host->OpenOn(RightSide, OpenFromPluginsMenu, 0, second);
    host->Open(OpenFromPluginsMenu);
    host->Panel()->SetCursor(host->Panel()->Find("second"));

    EXPECT_EQ(host->CopyToPassive(false), 0) << "no transit folder, no copy";
    EXPECT_EQ(host->CopyToPassive(false, 0, transit.Path()), 1);
    EXPECT_EQ(two.put, (std::vector<std::string>{"second"}));
    ASSERT_EQ(two.folderInCall.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(two.folderInCall[0], transit.Path()));
    EXPECT_GE(host->PanelOn(RightSide)->Find("second"), 0) << "the target is listed again";
    EXPECT_TRUE(one.deleted.empty()) << "a copy deletes nothing";
    EXPECT_TRUE(std::filesystem::is_empty(transit.Path()));

    // A move the target refuses keeps the source's items.
    two.refusePut = true;
    EXPECT_EQ(host->CopyToPassive(true, 0, transit.Path()), 0);
    EXPECT_TRUE(one.deleted.empty());
    two.refusePut = false;
    EXPECT_EQ(host->CopyToPassive(true, 0, transit.Path()), 1);
    EXPECT_EQ(one.deleted, (std::vector<std::string>{"second"}));
    EXPECT_LT(host->Panel()->Find("second"), 0) << "the source is listed again";
    EXPECT_TRUE(std::filesystem::is_empty(transit.Path()));
}

// A folder shown through HostControl in place of a plug-in's panel closes that panel only.
TEST_F(TwoPanelsTest, AFolderShownInTheOtherPanelClosesThePluginPanelThere) {
    host->Open(OpenFromPluginsMenu);
    host->SwitchActive();
    PanelHandle const right = host->Open(OpenFromPluginsMenu);
    char folderName[] = "C:\\Elsewhere";
    EXPECT_EQ(one.info.Control(right, ControlSetOtherPanelDirectory, folderName), 1);
    host->Redraw();
    EXPECT_EQ(host->PanelOn(LeftSide), nullptr);
    EXPECT_EQ(host->GetPanels().Files(LeftSide).folder, "C:\\Elsewhere");
    ASSERT_NE(host->PanelOn(RightSide), nullptr);
    auto const& requests = host->GetPanels().DirectoryRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].otherPanel);
    EXPECT_EQ(requests[0].side, LeftSide);
}

// The interactive host's keys on two panels, a folder on the left and the plug-in on the right.
class PanelSessionTest : public TwoPanelsTest {
protected:
    PanelSessionTest() : session(*host, view.Path()) {
        source.Write("note.txt", "the note");
        source.Write("plain.txt", "");
        session.ShowFolder(LeftSide, source.Path());
        host->OpenOn(RightSide, OpenFromPluginsMenu);
    }
    void Press(int key, unsigned state = 0, char ch = 0) { session.HandleKey({key, state, ch}); }
    std::vector<std::string> LeftNames() {
        std::vector<std::string> names;
        for (auto const& item : host->GetPanels().Files(LeftSide).items)
            names.push_back(item.Data.FileName);
        return names;
    }

    testsupport::ScratchFolder source, view;
    PanelSession session;
};

TEST_F(PanelSessionTest, TabAndCopiesBothWaysWithTheFoldersListedAgain) {
    ASSERT_EQ(LeftNames(), (std::vector<std::string>{"..", "note.txt", "plain.txt"}));
    Press(vk::Down);
    Press(vk::Insert); // note.txt selected, the cursor on plain.txt
    EXPECT_EQ(host->GetPanels().Files(LeftSide).current, 2);
    Press(CopyKey);
    EXPECT_EQ(one.put, (std::vector<std::string>{"note.txt"})) << "the selection, not the cursor";
    ASSERT_EQ(one.folderInCall.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(one.folderInCall[0], source.Path()));

    Press(vk::Tab);
    EXPECT_EQ(host->ActiveSide(), RightSide);
    host->Panel()->SetCursor(host->Panel()->Find("first"));
    Press(CopyKey);
    EXPECT_EQ(testsupport::ReadBytes(source.File("first")), "copied");
    EXPECT_EQ(LeftNames(), (std::vector<std::string>{"..", "first", "note.txt", "plain.txt"}))
        << "the folder the copy went to is listed again";
    Press(vk::Escape);
    EXPECT_EQ(host->PanelOn(RightSide), nullptr) << "Esc closes the plug-in's panel";
    EXPECT_FALSE(session.AnyPluginPanel());
}

TEST_F(PanelSessionTest, MakeFolderAndTheHistoryOfItsName) {
    ui.QueueDialog(DialogAnswer{3, {{2, "Made"}}, {}});
    Press(FolderKey);
    EXPECT_TRUE(std::filesystem::is_directory(source.File("Made")));
    auto const& files = host->GetPanels().Files(LeftSide);
    EXPECT_STREQ(files.items[static_cast<std::size_t>(files.current)].Data.FileName, "Made");
    ui.QueueDialog(DialogAnswer{-1, {{2, "Cancelled"}}, {}});
    Press(FolderKey);
    ui.QueueDialog(DialogAnswer{3, {{2, "Second"}}, {}});
    Press(FolderKey);
    ASSERT_EQ(ui.Dialogs().size(), 3u);
    EXPECT_TRUE(ui.Dialogs()[0].shown.histories[2].empty());
    EXPECT_EQ(ui.Dialogs()[1].shown.histories[2], (std::vector<std::string>{"Made"}));
    EXPECT_EQ(ui.Dialogs()[2].shown.histories[2], (std::vector<std::string>{"Made"}))
        << "a cancelled dialog adds nothing";
    EXPECT_EQ(host->History("NewFolder"), (std::vector<std::string>{"Second", "Made"}));

    Press(vk::Tab);
    Press(FolderKey);
    EXPECT_EQ(ui.Dialogs().size(), 3u) << "a plug-in's panel has no make-folder entry point";
}

TEST_F(PanelSessionTest, SortAndViewModesByCtrlKeysAndTheKeyBarRow) {
    Press(vk::Tab);
    auto& panel = *host->Panel();
    struct Case {
        int key;
        int mode;
        bool descending;
    };
    // The panel starts sorted by name: its key again reverses the order.
    const Case cases[] = {
        {vk::F3, SortByName, true},        {0x75, SortBySize, false},   {0x75, SortBySize, true},
        {vk::F3, SortByName, false},       {0x76, SortUnsorted, false}, {0x7A, SortByOwner, false},
        {vk::F9, SortByAccessTime, false},
    };
    for (auto const& c : cases) {
        Press(c.key, KeyCtrl);
        EXPECT_EQ(panel.SortMode(), c.mode) << c.key;
        EXPECT_EQ(panel.SortDescending(), c.descending) << c.key;
    }
    EXPECT_EQ(session.KeyRow(), PanelDescription::Ctrl);
    Press('4', KeyCtrl);
    EXPECT_EQ(panel.ViewMode(), 4);
    Press(vk::Down);
    EXPECT_EQ(session.KeyRow(), PanelDescription::Plain);
    Press(vk::F3, KeyShift);
    EXPECT_EQ(session.KeyRow(), PanelDescription::Shift);
    EXPECT_EQ(SortModeOfKey(vk::F1), -1);
}

TEST_F(PanelSessionTest, AlonePluginPanelTakesAFileByNameAndBothPanelsAreDrawn) {
    session.Draw();
    auto& screen = host->Screen();
    EXPECT_NE(screen.Row(3).find("note.txt"), std::string::npos);
    EXPECT_NE(screen.Row(2).find("first"), std::string::npos);

    Press(vk::Tab);
    Press('P', KeyCtrl);
    EXPECT_TRUE(session.PassiveHidden());
    session.Draw();
    EXPECT_EQ(screen.Row(3).find("note.txt"), std::string::npos) << "the folder is hidden";
    EXPECT_NE(screen.Row(2).find("first"), std::string::npos);
    ui.QueueDialog(DialogAnswer{3, {{2, "plain.txt"}}, {}});
    std::filesystem::current_path(source.Path());
    Press(CopyKey);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_EQ(std::string(ui.Dialogs()[0].shown.items[0].Data), "Copy a file into the panel");
    EXPECT_EQ(one.put, (std::vector<std::string>{"plain.txt"}));
    std::filesystem::current_path(view.Path());
}

TEST_F(PanelSessionTest, CtrlLMakesTheOtherSideTheInformationPanelThePluginSees) {
    Press(vk::Tab);
    PanelHandle const right = host->Panel()->Handle();
    Press('L', KeyCtrl);
    PanelInfo info{};
    one.info.Control(right, ControlGetOtherPanelInfo, &info);
    EXPECT_EQ(info.PanelType, PanelTypeInfo);
    session.Draw();
    auto& screen = host->Screen();
    EXPECT_NE(screen.Row(0).find(" Information "), std::string::npos);
    EXPECT_NE(screen.Row(2).find("Items"), std::string::npos);
    EXPECT_NE(screen.Row(2).find("2"), std::string::npos) << "the plug-in's two items";
    Press('L', KeyCtrl);
    one.info.Control(right, ControlGetOtherPanelInfo, &info);
    EXPECT_EQ(info.PanelType, PanelTypeFiles);
    Press(vk::Tab);
    Press('L', KeyCtrl);
    EXPECT_EQ(host->GetPanels().Files(RightSide).type, PanelTypeFiles)
        << "a side showing a plug-in's panel stays as it is";
}

TEST_F(PanelSessionTest, TheConfigurationMenuSwitchesTheHostsLanguageAtRunTime) {
    folder.Write("one_ru.lng", "\x8e\xa4\xa8\xad\n");
    ui.QueueMenu(1); // after English: Russian
    Press(vk::F9, KeyAlt | KeyShift);
    ASSERT_EQ(ui.Menus().size(), 1u);
    auto const& items = ui.Menus()[0].shown.items;
    ASSERT_EQ(items.size(), 2u) << "no configuration entries, two languages";
    EXPECT_STREQ(items[0].Text, "  Language: English");
    EXPECT_TRUE(items[0].Checked);
    EXPECT_EQ(host->Options().language, "ru");
    EXPECT_STREQ(one.info.GetMsg(one.info.ModuleNumber, 0), "\x8e\xa4\xa8\xad");
    EXPECT_EQ(one.events.back(), (std::pair<int, int>{0, EventRedraw}))
        << "the panel on the right hears of it at the redraw";
    Press(vk::Down); // the plain key bar row again
    session.Draw();
    EXPECT_NE(host->Screen().Row(24).find("10\x82\xeb\xe5\xae\xa4"), std::string::npos)
        << "the host's key bar in Russian";
}

TEST_F(PanelSessionTest, TheCommandLineOpensThePluginOfItsPrefix) {
    one.prefix = "one";
    auto const type = [&](const std::string& text) {
        for (char c : text)
            Press(std::toupper(static_cast<unsigned char>(c)), 0, c);
    };
    type("ONE:a b");
    EXPECT_EQ(session.CommandLine(), "ONE:a b");
    session.Draw();
    EXPECT_EQ(host->Screen().TextAt(0, 24, 9), "> ONE:a b");
    Press(vk::Back, 0, 8);
    Press(vk::Return, 0, 13);
    EXPECT_EQ(one.commandLines, (std::vector<std::string>{"a "}));
    EXPECT_EQ(session.CommandLine(), "");
    ASSERT_NE(host->Panel(), nullptr) << "opened on the active side";

    type("two:x");
    Press(vk::Return, 0, 13);
    EXPECT_EQ(session.CommandLine(), "two:x") << "no plug-in has that prefix";
    Press(vk::Escape, 0, 27);
    EXPECT_EQ(session.CommandLine(), "");
    EXPECT_NE(host->Panel(), nullptr) << "Esc cleared the line, it closed no panel";
}

TEST_F(PanelSessionTest, AltF7SearchesThePluginsItemsAndLeavesNoCopies) {
    Press(vk::Tab);
    ui.QueueDialog(DialogAnswer{3, {{2, "copied"}}, {}});
    ui.QueueMessage(0);
    Press(SearchKey, KeyAlt);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines,
              (std::vector<std::string>{"Search", "first", "second"}));
    EXPECT_EQ(ui.Messages()[0].shown.buttons, (std::vector<std::string>{"OK"}));
    EXPECT_TRUE(std::filesystem::is_empty(JoinFolder(view.Path(), "search")));
    ui.QueueDialog(DialogAnswer{3, {{2, "absent"}}, {}});
    ui.QueueMessage(0);
    Press(SearchKey, KeyAlt);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[1].shown.lines[1], "Nothing found");
}

TEST_F(TwoPanelsTest, MenuEntriesOfEveryPluginWithTheirHotDigits) {
    one.pluginsMenu = {"Open one", "Tour one"};
    two.pluginsMenu = {"Open two"};
    two.disksMenu = {"Disk two", "No digit"};
    two.disksNumbers = {5, 0};
    int const second = host->AddPlugin(SharedPlugin<two>::EntryPoints(), folder.File("two.dll"));
    auto const entries = HostMenuEntries(*host, TextsFor("en"));
    ASSERT_EQ(entries.size(), 5u);
    struct Case {
        int plugin, origin, number, digit;
        const char* text;
    };
    const Case cases[] = {
        {0, OpenFromPluginsMenu, 0, 1, "&1 Open one"},
        {0, OpenFromPluginsMenu, 1, 2, "&2 Tour one"},
        {second, OpenFromPluginsMenu, 0, 3, "&3 Open two"},
        {second, OpenFromDisksMenu, 0, 5, "&5 Disk: Disk two"},
        {second, OpenFromDisksMenu, 1, 0, "  Disk: No digit"},
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].plugin, cases[i].plugin) << i;
        EXPECT_EQ(entries[i].origin, cases[i].origin) << i;
        EXPECT_EQ(entries[i].number, cases[i].number) << i;
        EXPECT_EQ(entries[i].hotDigit, cases[i].digit) << i;
        EXPECT_EQ(entries[i].text, cases[i].text) << i;
    }
    EXPECT_EQ(EntryOfDigit(entries, '5'), 3);
    EXPECT_EQ(EntryOfDigit(entries, '4'), -1);
    EXPECT_EQ(EntryOfDigit(entries, 'a'), -1);
    RunHostMenuEntry(*host, entries[3], nullptr);
    ASSERT_NE(host->Panel(), nullptr);
    EXPECT_EQ(host->GetPanels().OwnerOn(host->ActiveSide()), second);
}

// A file panel's folder is the system's path; HostControl hands it over as the interface spells
// paths (the OEM code page on Windows; here a platform that marks what it converted).
class MarkingPlatform : public StandardPlatform {
public:
    std::string InterfacePath(const std::string& systemPath) const override {
        return "oem:" + systemPath;
    }
};

TEST(TwoPanelsPaths, AFilePanelsFolderReachesThePluginInTheInterfacesSpelling) {
    one = Shared{};
    ScriptedUi ui;
    MarkingPlatform platform;
    StandInHost host(HostOptions{}, ui, platform);
    ASSERT_TRUE(host.Load(SharedPlugin<one>::EntryPoints(), "one.dll"));
    host.GetPanels().Files(RightSide).folder = "C:\\Work";
    PanelHandle const panel = host.Open(OpenFromPluginsMenu);
    PanelInfo info{};
    ASSERT_EQ(one.info.Control(panel, ControlGetOtherPanelInfo, &info), 1);
    EXPECT_STREQ(info.CurDir, "oem:C:\\Work");
}

} // namespace
