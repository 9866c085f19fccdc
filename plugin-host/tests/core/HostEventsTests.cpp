// What the host tells a plug-in's panel beyond listings: redraws (per side, and as events), a
// language switch at run time, listings in find mode and the host's search through GetFiles.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

PanelHandle const Handle = reinterpret_cast<PanelHandle>(0x5150);

struct Seen {
    HostStartupInfo info{};
    std::vector<int> listingModes;
    std::vector<int> getFilesModes;
    std::vector<int> events;
    std::vector<const char*> textsAtRedraw; // message 0 at each redraw event
    std::vector<std::string> wordsAtRedraw;
    std::string folderInPut;               // the current folder inside PutFiles
    std::vector<std::string> put, deleted; // names handed to PutFiles and DeleteFiles
    int putMove = -1;
} seen;

const char* const Names[] = {"alpha.txt", "beta.txt", "Folder"};

void SetStartupInfo(const HostStartupInfo* info) {
    std::memcpy(&seen.info, info, sizeof seen.info);
}

PanelHandle OpenPlugin(int, std::intptr_t) {
    return Handle;
}

int GetFindData(PanelHandle, PanelItem** items, int* count, int mode) {
    seen.listingModes.push_back(mode);
    auto* list = new PanelItem[3]{};
    for (int i = 0; i < 3; ++i)
        std::snprintf(list[i].Data.FileName, sizeof list[i].Data.FileName, "%s", Names[i]);
    list[2].Data.FileAttributes = 0x10;
    *items = list;
    *count = 3;
    return 1;
}

void FreeFindData(PanelHandle, PanelItem* items, int) {
    delete[] items;
}

int GetFiles(PanelHandle, PanelItem* items, int count, int, char* destination, int mode) {
    seen.getFilesModes.push_back(mode);
    for (int i = 0; i < count; ++i) {
        std::ofstream out(std::string(destination) + "/" + items[i].Data.FileName);
        out << "the text of " << items[i].Data.FileName;
    }
    return 1;
}

int PutFiles(PanelHandle, PanelItem* items, int count, int move, int) {
    seen.folderInPut = std::filesystem::current_path().string();
    seen.putMove = move;
    for (int i = 0; i < count; ++i)
        seen.put.push_back(items[i].Data.FileName);
    return 1;
}

int DeleteFiles(PanelHandle, PanelItem* items, int count, int) {
    for (int i = 0; i < count; ++i)
        seen.deleted.push_back(items[i].Data.FileName);
    return 1;
}

int ProcessKey(PanelHandle panel, int key, unsigned) {
    RedrawInfo redraw{1, 0};
    switch (key) {
    case 'R':
        return seen.info.Control(panel, ControlRedrawPanel, &redraw);
    case 'O':
        return seen.info.Control(panel, ControlRedrawOtherPanel, nullptr);
    case 'U':
        return seen.info.Control(panel, ControlUpdateOtherPanel, nullptr) &&
               seen.info.Control(panel, ControlUpdatePanel, nullptr);
    default:
        return 0;
    }
}

int ProcessEvent(PanelHandle panel, int event, void*) {
    seen.events.push_back(event);
    if (event == EventRedraw) {
        const char* text = seen.info.GetMsg(seen.info.ModuleNumber, 0);
        seen.textsAtRedraw.push_back(text);
        seen.wordsAtRedraw.push_back(text);
        // A redraw asked for inside the event is not told again.
        seen.info.Control(panel, ControlRedrawPanel, nullptr);
    }
    return 0;
}

PluginEntryPoints EntryPoints() {
    PluginEntryPoints e;
    e.SetStartupInfo = SetStartupInfo;
    e.OpenPlugin = OpenPlugin;
    e.GetFindData = GetFindData;
    e.FreeFindData = FreeFindData;
    e.GetFiles = GetFiles;
    e.PutFiles = PutFiles;
    e.DeleteFiles = DeleteFiles;
    e.ProcessKey = ProcessKey;
    e.ProcessEvent = ProcessEvent;
    return e;
}

class HostEventsTest : public testing::Test {
protected:
    HostEventsTest() {
        seen = Seen{};
        folder.Write("events_en.lng", "Services\n");
        folder.Write("events_ru.lng", "\x91\xab\xe3\xa6\xa1\xeb\n");
    }
    StandInHost& Start(bool redrawEvents) {
        HostOptions options;
        options.redrawEvents = redrawEvents;
        host = std::make_unique<StandInHost>(options, ui);
        EXPECT_TRUE(host->Load(EntryPoints(), folder.File("events.dll")));
        EXPECT_EQ(host->Open(OpenFromPluginsMenu), Handle);
        return *host;
    }

    testsupport::ScratchFolder folder;
    ScriptedUi ui;
    std::unique_ptr<StandInHost> host;
};

TEST_F(HostEventsTest, RedrawsAndUpdatesAreCountedPerSideAndToldAsEvents) {
    auto& h = Start(true);
    auto const& panels = h.GetPanels();
    h.PressKey('R');
    EXPECT_EQ(h.Panel()->Current(), 1) << "the cursor of the redraw";
    EXPECT_EQ(seen.events, (std::vector<int>{EventRedraw}));
    h.PressKey('O');
    h.PressKey('U');
    EXPECT_EQ(panels.RedrawCount(false), 2) << "one asked for inside the event";
    EXPECT_EQ(panels.RedrawCount(true), 1);
    EXPECT_EQ(panels.RedrawCount(), 3);
    EXPECT_EQ(panels.UpdateCount(false), 1);
    EXPECT_EQ(panels.UpdateCount(true), 1);
    EXPECT_EQ(seen.events, (std::vector<int>{EventRedraw})) << "the other panel is the host's";
    h.Redraw();
    EXPECT_EQ(seen.events, (std::vector<int>{EventRedraw, EventRedraw}));
}

TEST_F(HostEventsTest, WithoutRedrawEventsThePluginHearsNothingOfRedraws) {
    auto& h = Start(false);
    h.PressKey('R');
    h.Redraw();
    EXPECT_TRUE(seen.events.empty());
    EXPECT_EQ(h.GetPanels().RedrawCount(false), 1);
}

// A plug-in tells a language switch by the text object HostGetMsg returns at a redraw.
TEST_F(HostEventsTest, ALanguageSwitchGivesNewTextsAtNewAddressesAndARedraw) {
    auto& h = Start(true);
    h.Redraw();
    ASSERT_TRUE(h.SwitchLanguage("ru"));
    ASSERT_EQ(seen.textsAtRedraw.size(), 2u);
    EXPECT_NE(seen.textsAtRedraw[0], seen.textsAtRedraw[1]);
    EXPECT_EQ(seen.wordsAtRedraw[0], "Services");
    EXPECT_EQ(seen.wordsAtRedraw[1], "\x91\xab\xe3\xa6\xa1\xeb");
    EXPECT_STREQ(seen.textsAtRedraw[0], "Services") << "the old text stays valid";
    EXPECT_EQ(h.LanguagePath(), folder.File("events_ru.lng"));
}

TEST_F(HostEventsTest, FindModeListingAndASearchThroughGetFilesInFindMode) {
    auto& h = Start(false);
    ASSERT_TRUE(h.Panel()->Refresh(true, OpFind));
    EXPECT_EQ(seen.listingModes, (std::vector<int>{0, OpFind}));
    auto const& calls = h.Panel()->Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "GetFindData 2"), calls.end());

    testsupport::ScratchFolder copies;
    auto const found = h.Search("of beta", copies.Path());
    EXPECT_EQ(found, (std::vector<std::string>{"beta.txt"}));
    EXPECT_EQ(seen.listingModes.back(), OpFind);
    EXPECT_EQ(seen.getFilesModes, (std::vector<int>{OpFind, OpFind})) << "the folder is not copied";
    EXPECT_EQ(h.Search("nowhere", copies.Path()), std::vector<std::string>{});
    EXPECT_EQ(h.Panel()->Count(), 3) << "the panel's own listing stays";
}

TEST_F(HostEventsTest, PutFilesFromTheOtherPanelRunsInThatPanelsFolder) {
    auto& h = Start(false);
    testsupport::ScratchFolder source;
    auto& files = h.GetPanels().PassiveFiles();
    files.folder = source.Path();
    files.items = {MakePanelItem("one.txt"), MakePanelItem("two.txt"), MakePanelItem("three.txt")};
    files.current = 2;
    auto const before = std::filesystem::current_path();

    EXPECT_EQ(h.PutFiles(false), 1);
    EXPECT_EQ(seen.put, (std::vector<std::string>{"three.txt"})) << "the current item";
    EXPECT_EQ(std::filesystem::equivalent(seen.folderInPut, source.Path()), true);
    EXPECT_EQ(std::filesystem::current_path(), before) << "put back after the call";
    EXPECT_EQ(seen.putMove, 0);

    seen.put.clear();
    files.items[0].Flags |= ItemSelected;
    files.items[1].Flags |= ItemSelected;
    EXPECT_EQ(h.PutFiles(true), 1);
    EXPECT_EQ(seen.put, (std::vector<std::string>{"one.txt", "two.txt"}));
    EXPECT_EQ(seen.putMove, 1);
    auto const& calls = h.Panel()->Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "PutFiles"), 2);
}

TEST_F(HostEventsTest, DeleteAndViewOfThePluginsItems) {
    auto& h = Start(false);
    auto& panel = *h.Panel();
    panel.Select(panel.Find("alpha.txt"), true);
    panel.Select(panel.Find("beta.txt"), true);
    EXPECT_EQ(h.DeleteFiles(), 1);
    EXPECT_EQ(seen.deleted, (std::vector<std::string>{"alpha.txt", "beta.txt"}));

    testsupport::ScratchFolder viewed;
    panel.SetCursor(panel.Find("beta.txt"));
    panel.Select(panel.Find("alpha.txt"), true);
    std::string const file = h.View(viewed.Path());
    EXPECT_EQ(seen.getFilesModes, (std::vector<int>{OpView}));
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(testsupport::ReadBytes(file), "the text of beta.txt");
    EXPECT_TRUE(panel.IsSelected(panel.Find("alpha.txt"))) << "the selection is the user's";
    panel.SetCursor(panel.Find("Folder"));
    EXPECT_EQ(h.View(viewed.Path()), "") << "a folder is not viewed";
}

} // namespace
