// Entry points linked into the test program, loaded with a module path of the test's choosing: the
// path picks the language file, and the services reach the plug-in as from a library.

#include "plugin-host/standin/StandInHost.h"
#include "plugin-host/standin/core/ScriptedUi.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace ulvar;
using namespace ulvar::standin;
using namespace testsupport;

namespace {

HostStartupInfo kept{};
int exits = 0;

void LinkedSetStartupInfo(const HostStartupInfo* info) {
    std::memcpy(&kept, info, sizeof kept);
}

void LinkedGetPluginInfo(PluginInfoRecord* info) {
    static const char* entries[1];
    entries[0] = kept.GetMsg(kept.ModuleNumber, 1);
    info->PluginMenuStrings = entries;
    info->PluginMenuStringsNumber = 1;
}

PanelHandle LinkedOpenPlugin(int, std::intptr_t) {
    kept.Text(3, 2, 0x2F, kept.GetMsg(kept.ModuleNumber, 0));
    kept.Text(0, 0, 0, nullptr);
    return InvalidPanel;
}

void LinkedExit() {
    ++exits;
}

PluginEntryPoints Linked() {
    PluginEntryPoints e;
    e.SetStartupInfo = LinkedSetStartupInfo;
    e.GetPluginInfo = LinkedGetPluginInfo;
    e.OpenPlugin = LinkedOpenPlugin;
    e.ExitUlvar = LinkedExit;
    return e;
}

TEST(LinkedPlugin, ModulePathPicksTheLanguageFile) {
    testsupport::ScratchFolder folder;
    folder.Write("linked_ru.lng", "\x8f\xe0\xa8\xa2\xa5\xe2\nmenu entry\n");
    ScriptedUi ui;
    HostOptions options;
    options.language = "ru";
    options.screenWidth = 100;
    options.screenHeight = 50;
    exits = 0;
    {
        StandInHost host(options, ui);
        std::string const module = folder.File("linked.dll");
        ASSERT_TRUE(host.Load(Linked(), module));
        EXPECT_EQ(host.LanguagePath(), folder.File("linked_ru.lng"));
        EXPECT_STREQ(kept.ModuleName, module.c_str());
        EXPECT_EQ(kept.StructSize, static_cast<int>(sizeof(HostStartupInfo)));
        EXPECT_EQ(host.GetPluginInfo().pluginsMenu, std::vector<std::string>{"menu entry"});
        EXPECT_EQ(host.Open(OpenFromPluginsMenu, 0), InvalidPanel);
        EXPECT_EQ(host.Screen().Width(), 100);
        EXPECT_EQ(host.Screen().Height(), 50);
        EXPECT_EQ(host.Screen().TextAt(3, 2, 6), "\x8f\xe0\xa8\xa2\xa5\xe2");
        EXPECT_EQ(host.Screen().AttrAt(3, 2), 0x2F);
        EXPECT_EQ(ui.FlushCount(), 1);
        EXPECT_EQ(host.Screen().FlushCount(), 1);
    }
    EXPECT_EQ(exits, 1);
}

TEST(LinkedPlugin, ServicesWithoutAHostAnswerSafely) {
    ScriptedUi ui;
    {
        StandInHost host(HostOptions{}, ui);
        ASSERT_TRUE(host.Load(Linked(), "C:\\nowhere\\linked.dll"));
        EXPECT_EQ(host.LanguagePath(), "");
    }
    // The plug-in kept its copy; the host is gone.
    ASSERT_NE(kept.GetMsg, nullptr);
    EXPECT_STREQ(kept.GetMsg(kept.ModuleNumber, 0), "");
    EXPECT_EQ(kept.Menu(kept.ModuleNumber, 0, 0, 0, 0, "t", nullptr, nullptr, nullptr, nullptr,
                        nullptr, 0),
              -1);
    EXPECT_EQ(kept.Control(ActivePanel, ControlGetPanelInfo, nullptr), 0);
    EXPECT_EQ(kept.SaveScreen(-1, -1, -1, -1), nullptr);
    kept.Text(0, 0, 7, "nothing happens");
}

} // namespace
