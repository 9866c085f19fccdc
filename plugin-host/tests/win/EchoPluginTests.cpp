// The stand-in host driving a real plug-in library (the echo plug-in) through every service. The
// plug-in notes what it got back; the tests compare that with what the scripted UI recorded.

#include "plugin-host/standin/core/FolderListing.h"
#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/win/DllLoading.h"
#include "plugin-host/tests/win/EchoCopy.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <windows.h>

using namespace ulvar;
using namespace ulvar::standin;
using namespace testsupport;
using namespace ulvar::standin::test;

namespace {

const char englishMessages[] = "Echo panel\r\nEcho disk\r\nEcho services tour\r\nFirst\r\n"
                               "Second\r\nThird\r\nEcho menu\r\nHello from the echo plug-in\r\n"
                               "Echo settings\r\n";
// "Эхо-панель" and "Меню эха" in code page 866.
const char russianPanel[] = "\x9d\xe5\xae-\xaf\xa0\xad\xa5\xab\xec";
const char russianMenu[] = "\x8c\xa5\xad\xee \xed\xe5\xa0";

std::string WideErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    DWORD const length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    // Back to 8 bits through UTF-8, so that the comparison does not use the OEM tables at all.
    return win32::FromWide(text, CP_UTF8);
}

std::string OemLineAsUtf8(const std::string& oem) {
    return win32::Recode(oem, CP_OEMCP, CP_UTF8);
}

class EchoPluginTest : public testing::Test {
protected:
    void SetUp() override {
        dll = CopyEchoPlugin(folder);
        folder.Write("echo_plugin_en.lng", englishMessages);
        folder.Write("echo_plugin_ru.lng",
                     std::string(russianPanel) + "\r\n\r\n\r\n\r\n\r\n\r\n" + russianMenu + "\r\n");
    }
    void TearDown() override { host.reset(); }

    void Start(HostOptions options = {}) {
        host = std::make_unique<StandInHost>(options, ui);
        std::string error;
        ASSERT_TRUE(LoadDll(*host, dll, &error)) << error;
    }

    // Every value the plug-in noted under a key, in order.
    std::vector<std::string> Observed(const std::string& key) const {
        using Observer = const char* (*)();
        auto const observer = reinterpret_cast<Observer>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll.c_str()), "EchoObserved")));
        std::vector<std::string> values;
        if (!observer)
            return values;
        std::istringstream lines(observer());
        for (std::string line; std::getline(lines, line);)
            if (line.compare(0, key.size() + 1, key + "=") == 0)
                values.push_back(line.substr(key.size() + 1));
        return values;
    }
    std::string Last(const std::string& key) const {
        auto const values = Observed(key);
        return values.empty() ? "<none>" : values.back();
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < host->Panel()->Count(); ++i)
            names.push_back(host->Panel()->Name(i));
        return names;
    }

    ScratchFolder folder;
    std::string dll;
    ScriptedUi ui;
    std::unique_ptr<StandInHost> host;
};

TEST_F(EchoPluginTest, StartupRecordCarriesModuleRootKeyAndVersion) {
    HostOptions options;
    options.version = MakeVersion(2, 5, 1234);
    options.rootKey = "Software\\Test\\Plugins";
    Start(options);
    EXPECT_EQ(Last("structSize"), std::to_string(sizeof(HostStartupInfo)));
    EXPECT_EQ(Last("module"), host->ModulePath());
    EXPECT_EQ(lstrcmpiA(host->ModulePath().c_str(), dll.c_str()), 0) << host->ModulePath();
    EXPECT_EQ(Last("moduleNumber"), std::to_string(host->ModuleNumber()));
    EXPECT_EQ(Last("rootKey"), "Software\\Test\\Plugins");
    EXPECT_EQ(Last("version"), std::to_string(MakeVersion(2, 5, 1234)));
}

// The redraw event and a language switch reach the library; it tells the switch by the text
// object HostGetMsg returns.
TEST_F(EchoPluginTest, RedrawEventsAndALanguageSwitchReachThePlugin) {
    HostOptions options;
    options.redrawEvents = true;
    Start(options);
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    host->Redraw();
    host->Redraw();
    EXPECT_EQ(Observed("redraw"), (std::vector<std::string>{"first", "same"}));
    ASSERT_TRUE(host->SwitchLanguage("ru"));
    EXPECT_EQ(Last("redraw"), "switched");
    EXPECT_EQ(Last("redrawText"), russianPanel);
}

TEST_F(EchoPluginTest, PluginInfoComesFromTheChosenLanguageFile) {
    struct Case {
        const char* language;
        bool removeEnglish;
        std::string panelEntry;
    };
    const Case cases[] = {
        {"ru", false, russianPanel},
        {"en", false, "Echo panel"},
        {"de", false, "Echo panel"}, // no German file: English
        {"de", true, ""},            // nothing at all: empty texts
    };
    for (auto const& c : cases) {
        if (c.removeEnglish)
            DeleteFileA(folder.File("echo_plugin_en.lng").c_str());
        HostOptions options;
        options.language = c.language;
        Start(options);
        auto const menus = host->GetPluginInfo();
        ASSERT_EQ(menus.pluginsMenu.size(), 2u) << c.language;
        EXPECT_EQ(menus.pluginsMenu[0], c.panelEntry) << c.language;
        EXPECT_EQ(menus.disksMenuNumbers, std::vector<int>{5});
        EXPECT_EQ(menus.configMenu.size(), 1u);
        EXPECT_EQ(menus.commandPrefix, "echo");
        EXPECT_EQ(menus.flags, std::uint32_t{PluginInEditor});
        host.reset();
    }
}

TEST_F(EchoPluginTest, TourUsesEveryServiceAndGetsTheAnswersBack) {
    HostOptions options;
    options.language = "ru";
    Start(options);
    auto& other = host->GetPanels().PassiveFiles();
    other.folder = "C:\\Other";
    other.items = {MakePanelItem("a.txt"), MakePanelItem("b.txt")};
    other.current = 1;
    ui.QueueMenu(MenuAnswer{3, 1});
    ui.QueueDialog(DialogAnswer{7, {{2, "typed"}}, {{3, 1}, {4, 0}, {5, 1}}});
    ui.QueueMessage(1);
    ui.QueueMessage(0);
    std::vector<std::string> flushedRow0;
    std::vector<std::uint8_t> flushedAttr;
    std::string flushedRow1;
    ui.OnFlush([&](const VirtualScreen& screen) {
        flushedRow0.push_back(screen.TextAt(0, 0, 11));
        flushedAttr.push_back(screen.AttrAt(0, 0));
        flushedRow1 = screen.TextAt(0, 1, 27);
    });

    EXPECT_EQ(host->Open(OpenFromPluginsMenu, 1), InvalidPanel);
    EXPECT_EQ(host->Panel(), nullptr);
    EXPECT_EQ(ui.UnscriptedCount(), 0);
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"Menu", "Dialog", "Message", "Message", "Flush",
                                                  "Restore", "Flush", "Restore"}));

    // Messages by number, never null, stable, nothing for a foreign module number.
    EXPECT_EQ(Last("msg0"), russianPanel);
    EXPECT_EQ(Last("msgStable"), "1");
    EXPECT_EQ(Last("msg999"), "''");
    EXPECT_EQ(Last("foreignModule"), "''");

    auto const& menu = ui.Menus().at(0).shown;
    EXPECT_EQ(menu.title, russianMenu);
    EXPECT_EQ(menu.flags, std::uint32_t{MenuWrapMode});
    EXPECT_EQ(menu.breakKeys,
              (std::vector<int>{MakeBreakKey(VK_F4, 0), MakeBreakKey(VK_DELETE, KeyShift)}));
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_TRUE(menu.items[1].Selected);
    EXPECT_TRUE(menu.items[2].Separator);
    EXPECT_EQ(Last("menu"), "3");
    EXPECT_EQ(Last("menuBreak"), "1");

    auto const& dialog = ui.Dialogs().at(0).shown;
    ASSERT_EQ(dialog.items.size(), 9u);
    EXPECT_EQ(dialog.x2, 54);
    EXPECT_STREQ(dialog.items[2].Data, "initial");
    EXPECT_STREQ(dialog.items[2].History, "EchoHistory");
    EXPECT_EQ(dialog.items[7].DefaultButton, 1);
    EXPECT_EQ(Last("dialog"), "7");
    EXPECT_EQ(Last("dialogEdit"), "typed");
    EXPECT_EQ(Last("dialogLoud"), "1");
    EXPECT_EQ(Last("dialogRadio"), "01");

    auto const& message = ui.Messages().at(0).shown;
    ASSERT_EQ(message.lines.size(), 4u);
    EXPECT_EQ(message.lines[0], "Echo");
    EXPECT_EQ(message.lines[2], "C:\\nowhere");
    EXPECT_EQ(OemLineAsUtf8(message.lines[3]), WideErrorText(ERROR_ACCESS_DENIED))
        << "the error line is the OEM text of the error the plug-in had set";
    EXPECT_EQ(message.buttons, (std::vector<std::string>{"Retry", "Cancel"}));
    EXPECT_NE(message.flags & MessageWarning, 0u);
    EXPECT_EQ(Last("message"), "1");
    EXPECT_EQ(Last("lastErrorAfterMessage"), std::to_string(ERROR_ACCESS_DENIED));
    auto const& question = ui.Messages().at(1).shown;
    EXPECT_EQ(question.lines, (std::vector<std::string>{"Echo", "Go on?"}));
    // The ready-made row is the host's: in the host's language (Russian, code page 866).
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"\x84\xa0", "\x8d\xa5\xe2"}));
    EXPECT_EQ(Last("yesNo"), "0");

    ASSERT_EQ(flushedRow0.size(), 2u);
    EXPECT_EQ(flushedRow0[0], "ECHO TOUR  ");
    EXPECT_EQ(flushedAttr[0], 0x1F);
    EXPECT_EQ(flushedRow0[1], "ECHO TOUR  ") << "the restored part hides the overwrite";
    EXPECT_EQ(flushedAttr[1], 0x1F);
    EXPECT_EQ(flushedRow1, std::string(27, ' '))
        << "message 7 is missing from the Russian file: empty, no English text per message";
    EXPECT_EQ(host->Screen().Row(0), std::string(80, ' ')) << "the whole screen restored";
    EXPECT_EQ(host->Screen().SavedCount(), 0);
    EXPECT_EQ(Last("saved"), "1");

    EXPECT_EQ(Last("otherInfo"), "1");
    EXPECT_EQ(Last("otherType"), std::to_string(PanelTypeFiles));
    EXPECT_EQ(Last("otherDir"), "C:\\Other");
    EXPECT_EQ(Last("otherItems"), "2");
    EXPECT_EQ(Last("otherSelected"), "b.txt");
    EXPECT_EQ(Last("setDirWhileOpening"), "1");
    auto const& requests = host->GetPanels().DirectoryRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].folder, "C:\\EchoStart");
    EXPECT_TRUE(requests[0].whileOpening);
}

TEST_F(EchoPluginTest, UnscriptedTourIsCancelledEverywhere) {
    Start();
    host->GetPanels().PassiveFiles().type = PanelTypeInfo;
    EXPECT_EQ(host->OpenCommandLine("tour"), InvalidPanel);
    EXPECT_EQ(ui.UnscriptedCount(), 4);
    EXPECT_EQ(Last("menu"), "-1");
    EXPECT_EQ(Last("menuBreak"), "-1");
    EXPECT_EQ(Last("dialog"), "-1");
    EXPECT_EQ(Last("dialogEdit"), "initial");
    EXPECT_EQ(Last("message"), "-1");
    EXPECT_EQ(Last("otherType"), std::to_string(PanelTypeInfo));
}

TEST_F(EchoPluginTest, PanelListsWithDotsAndCustomColumns) {
    Start();
    PanelHandle const handle = host->Open(OpenFromPluginsMenu, 0);
    ASSERT_NE(handle, InvalidPanel);
    ASSERT_NE(host->Panel(), nullptr);
    EXPECT_EQ(Names(), (std::vector<std::string>{"..", "Sub", "alpha.txt", "beta.txt", "readme"}));
    auto* panel = host->Panel();
    EXPECT_EQ(panel->ViewMode(), 3);
    EXPECT_EQ(panel->ColumnTypes(), "N,C0,C1");
    EXPECT_EQ(panel->Description().panelTitle, "Echo: \\");
    EXPECT_STREQ(panel->Item(2).CustomColumnData[0], "first note");
    EXPECT_EQ(panel->Description().infoLines.size(), 2u);
    EXPECT_EQ(panel->Description().keyBar[0][7], std::optional<std::string>(""));

    panel->SetSortMode(SortBySize);
    EXPECT_EQ(Names(), (std::vector<std::string>{"..", "Sub", "readme", "alpha.txt", "beta.txt"}))
        << "the plug-in's own order";
    panel->SetSortMode(SortByExtension);
    EXPECT_EQ(Names(), (std::vector<std::string>{"..", "Sub", "readme", "alpha.txt", "beta.txt"}));
    panel->SetSortMode(SortByWriteTime); // all times equal: by name
    EXPECT_EQ(Names(), (std::vector<std::string>{"..", "Sub", "alpha.txt", "beta.txt", "readme"}));
}

TEST_F(EchoPluginTest, PluginSeesCursorAndSelectionThroughControl) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    auto* panel = host->Panel();
    EXPECT_EQ(host->PressKey('I'), 1);
    EXPECT_EQ(Last("info"), "current:.. selected:.. items:5 top:0 dir:\\ columns:N,C0,C1");
    panel->SetCursor(3);
    panel->Select(2, true);
    panel->Select(4, true);
    host->PressKey('I');
    EXPECT_EQ(Last("info"),
              "current:beta.txt selected:alpha.txt,readme items:5 top:0 dir:\\ columns:N,C0,C1");

    // The plug-in selects the .txt items, updates keeping the selection, moves the cursor.
    host->PressKey('S');
    EXPECT_EQ(panel->Selection(), (std::vector<int>{2, 3}));
    EXPECT_EQ(panel->Current(), 2);
    EXPECT_EQ(host->GetPanels().RedrawCount(), 1);
    EXPECT_EQ(Observed("list").size(), 2u) << "the update listed the folder again";
    EXPECT_EQ(Observed("free").size(), 1u);

    host->Idle();
    host->Idle();
    EXPECT_EQ(Observed("idle"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(host->PressKey('Z'), 0);
}

TEST_F(EchoPluginTest, FoldersAreEnteredAndLeft) {
    Start();
    ASSERT_NE(host->Open(OpenFromDisksMenu, 0), InvalidPanel);
    auto* panel = host->Panel();
    panel->SetCursor(panel->Find("Sub"));
    ASSERT_TRUE(host->EnterCurrent());
    EXPECT_EQ(Names(), (std::vector<std::string>{"..", "inner.txt"}));
    EXPECT_EQ(panel->Description().curDir, "\\Sub");
    // The new folder is listed before the old listing is freed.
    EXPECT_EQ(Observed("list"), (std::vector<std::string>{"", "Sub"}));
    EXPECT_EQ(Observed("free"), (std::vector<std::string>{""}));

    ASSERT_TRUE(host->EnterCurrent()); // ".."
    EXPECT_EQ(panel->Name(panel->Current()), "Sub");
    EXPECT_EQ(Observed("free"), (std::vector<std::string>{"", "Sub"}));

    panel->SetCursor(0);
    EXPECT_FALSE(host->EnterCurrent()) << "'..' in the top folder";
    EXPECT_EQ(host->Panel(), nullptr) << "closes the panel";
    EXPECT_EQ(Last("close"), "live:0") << "every listing was freed before ClosePlugin";
    auto const freed = Observed("free");
    EXPECT_EQ(std::count(freed.begin(), freed.end(), "unknown"), 0);
}

TEST_F(EchoPluginTest, ClosingAsksThePluginAndFollowsItsRequests) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    host->PressKey('K'); // keep open on close
    EXPECT_FALSE(host->ClosePanel());
    EXPECT_NE(host->Panel(), nullptr);
    EXPECT_EQ(Last("closeEvent"), "keep");
    host->PressKey('K');
    EXPECT_TRUE(host->ClosePanel());
    EXPECT_EQ(Observed("close").size(), 1u);

    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    host->PressKey('D');
    EXPECT_EQ(Last("setOtherDir"), "1");
    EXPECT_EQ(host->GetPanels().PassiveFiles().folder, "C:\\Other");
    EXPECT_NE(host->Panel(), nullptr) << "the other panel's folder leaves this one open";
    host->PressKey('Q');
    EXPECT_EQ(host->Panel(), nullptr) << "closed once ProcessKey returned";
    EXPECT_EQ(Observed("close").size(), 2u);
}

TEST_F(EchoPluginTest, FileOperationsGetTheSelection) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    auto* panel = host->Panel();
    panel->Select(panel->Find("alpha.txt"), true);
    panel->Select(panel->Find("beta.txt"), true);
    ASSERT_EQ(panel->GetFiles(folder.Path(), false, OpView), 1);
    EXPECT_EQ(Last("getFiles"), "alpha.txt,beta.txt move:0 mode:4");
    EXPECT_EQ(ScratchFolder::Read(folder.File("alpha.txt")), "echo:alpha.txt\r\n");
    EXPECT_EQ(ScratchFolder::Read(folder.File("beta.txt")), "echo:beta.txt\r\n");

    panel->SetCursor(panel->Find("readme"));
    EXPECT_EQ(panel->DeleteFiles(0), 1);
    EXPECT_EQ(Last("deleteFiles"), "readme");

    std::vector<PanelItem> incoming{MakePanelItem("new.txt")};
    EXPECT_EQ(panel->PutFiles(incoming, true, 0), 0) << "the echo plug-in refuses moves";
    EXPECT_EQ(panel->PutFiles(incoming, false, 0), 1);
    EXPECT_EQ(Last("putFiles"), "new.txt move:0");
}

// Two echo panels side by side, and a folder whose name and file are Cyrillic: the file panel lists
// it as the system spells it, the plug-in gets the names in OEM with the file functions in OEM
// and the current folder set, and finds the file.
TEST_F(EchoPluginTest, TwoEchoPanelsAndACyrillicFolderCopiedFrom) {
    if (GetACP() != 1251)
        GTEST_SKIP() << "needs the ANSI code page 1251 (LANG=ru_RU.UTF-8)";
    Start();
    // "папка" and "файл.txt" in code page 1251, as the system names them.
    std::string const sub = folder.File("\xef\xe0\xef\xea\xe0");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    std::string const file = "\xf4\xe0\xe9\xeb.txt";
    WriteBytes(sub + "\\" + file, "text");

    PanelHandle const left = host->Open(OpenFromPluginsMenu, 0);
    host->SwitchActive();
    PanelHandle const right = host->Open(OpenFromPluginsMenu, 0);
    ASSERT_NE(left, right);
    host->PressKey('V');
    EXPECT_EQ(Last("setViewMode"), "1");
    EXPECT_EQ(host->PanelOn(RightSide)->ViewMode(), 0);
    EXPECT_EQ(host->PanelOn(LeftSide)->ViewMode(), 3) << "the other echo panel keeps its mode";

    host->ClosePanelOn(LeftSide);
    auto& files = host->GetPanels().Files(LeftSide);
    files.folder = sub;
    ASSERT_TRUE(ListFiles(files, host->Platform()));
    ASSERT_EQ(files.items.size(), 2u);
    EXPECT_EQ(std::string(files.items[1].Data.FileName), win32::OemFromAnsi(file));
    files.current = 1;
    host->SwitchActive();
    EXPECT_EQ(host->CopyToPassive(false), 1);
    EXPECT_EQ(Last("putFiles"), win32::OemFromAnsi(file) + " move:0");
    EXPECT_EQ(Last("putFound"), win32::OemFromAnsi(file)) << "found with the OEM file functions";
    EXPECT_EQ(Last("putFolder"), win32::OemFromAnsi(sub)) << "the current folder, read in OEM";
}

// The echo panel refreshes the other side only when it is the information panel, and sorts
// itself through HostControl.
TEST_F(EchoPluginTest, TheOtherPanelRefreshedWhenItIsTheInformationPanel) {
    Start();
    ASSERT_NE(host->OpenOn(RightSide, OpenFromPluginsMenu, 0), InvalidPanel);
    host->SwitchActive();
    auto const& panels = host->GetPanels();
    host->PressKey('O');
    EXPECT_EQ(Last("otherRefreshed"), "0") << "a file panel is left alone";
    EXPECT_EQ(panels.UpdateCountOn(LeftSide), 0);
    host->GetPanels().Files(LeftSide).type = PanelTypeInfo;
    host->PressKey('O');
    EXPECT_EQ(Last("otherRefreshed"), "1");
    EXPECT_EQ(panels.UpdateCountOn(LeftSide), 1);
    EXPECT_EQ(panels.RedrawCountOn(LeftSide), 1);
    EXPECT_EQ(panels.RedrawCountOn(RightSide), 0);

    host->PressKey('B');
    EXPECT_EQ(Last("setSortMode"), "1");
    EXPECT_EQ(host->Panel()->SortMode(), SortBySize);
    EXPECT_EQ(host->Panel()->Name(2), "readme") << "the plug-in's own order: largest first";
}

TEST_F(EchoPluginTest, BreakArrivesFromAnotherThreadWhileThePluginIsBusy) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    using Busy = int (*)();
    auto const busy = reinterpret_cast<Busy>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll.c_str()), "EchoBusy")));
    ASSERT_NE(busy, nullptr);
    std::thread breaker([&] {
        ULONGLONG const start = GetTickCount64();
        while (!busy() && GetTickCount64() - start < 10000)
            Sleep(1);
        host->SendBreak();
    });
    int const result = host->PressKey('W');
    breaker.join();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Last("break"), "1");
}

TEST_F(EchoPluginTest, ErrorLineInsideAPanelAndReadyMadeButtons) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    ui.QueueMessage(0);
    host->PressKey('E');
    auto const& shown = ui.Messages().at(0).shown;
    ASSERT_EQ(shown.lines.size(), 3u);
    EXPECT_EQ(shown.lines[1], "Missing file");
    EXPECT_EQ(OemLineAsUtf8(shown.lines[2]), WideErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(shown.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(Last("errorMessage"), "0");
}

TEST_F(EchoPluginTest, ConfigureReturnsWhetherTheDialogWasAccepted) {
    Start();
    ui.QueueDialog(DialogAnswer{2, {}, {{1, 1}}});
    EXPECT_EQ(host->Configure(0), 1);
    EXPECT_EQ(Last("configure"), "0 closed:2 option:1");
    EXPECT_EQ(host->Configure(0), 0) << "cancelled";
    EXPECT_EQ(Last("configure"), "0 closed:-1 option:0");
}

TEST_F(EchoPluginTest, ExitCallsExitUlvarAndUnloads) {
    Start();
    ASSERT_NE(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    host->Exit();
    EXPECT_FALSE(host->Loaded());
    EXPECT_EQ(host->Panel(), nullptr);
    EXPECT_EQ(GetModuleHandleA(dll.c_str()), nullptr);
    EXPECT_EQ(ScratchFolder::Read(dll + ".exit"), "bye\r\n");
    EXPECT_TRUE(LoadDll(*host, dll)) << "a host can load again after Exit";
}

TEST_F(EchoPluginTest, DestroyingTheHostExitsThePlugin) {
    Start();
    host.reset();
    EXPECT_EQ(StandInHost::Current(), nullptr);
    EXPECT_EQ(ScratchFolder::Read(dll + ".exit"), "bye\r\n");
    EXPECT_EQ(GetModuleHandleA(dll.c_str()), nullptr);
}

TEST_F(EchoPluginTest, LoadFailuresAndOneHostAtATime) {
    host = std::make_unique<StandInHost>(HostOptions{}, ui);
    std::string error;
    EXPECT_FALSE(LoadDll(*host, folder.File("missing.dll"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(host->Loaded());
    EXPECT_EQ(host->Open(OpenFromPluginsMenu, 0), InvalidPanel);
    ASSERT_TRUE(LoadDll(*host, dll));
    EXPECT_FALSE(LoadDll(*host, dll, &error)) << "one plug-in per host";
    EXPECT_FALSE(error.empty());
    ScriptedUi otherUi;
    EXPECT_THROW(StandInHost(HostOptions{}, otherUi), std::logic_error);
    EXPECT_EQ(StandInHost::Current(), host.get());
}

} // namespace
