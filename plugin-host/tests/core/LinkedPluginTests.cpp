// Entry points linked into the test program, loaded with a module path of the test's choosing: the
// path picks the language file, and the services reach the plug-in as from a library. The host's
// platform is the build's own or one of the test's.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/core/StandardPlatform.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
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

// A platform whose error texts tell the code and which, like the system's message functions, may
// change the last error while it looks a text up.
class TestPlatform : public HostPlatform {
public:
    unsigned long LastError() const override { return error; }
    void SetLastError(unsigned long code) override { error = code; }
    std::string ErrorText(unsigned long code) const override {
        error = 317;
        return "text of " + std::to_string(code);
    }
    std::intptr_t ConsoleWindow() const override { return 0x1234; }

    mutable unsigned long error = 0;
};

TestPlatform* testPlatform = nullptr;
unsigned long errorAfterMessage = 0;
int messageResult = -2;
std::intptr_t consoleWindow = 0;

PanelHandle MessagingOpenPlugin(int, std::intptr_t) {
    const char* const lines[] = {"Title", "Could not read"};
    testPlatform->error = 5;
    messageResult =
        kept.Message(kept.ModuleNumber, MessageErrorLine | MessageOk, nullptr, lines, 2, 0);
    errorAfterMessage = testPlatform->error;
    consoleWindow = kept.AdvControl(kept.ModuleNumber, AdvGetConsoleWindow, nullptr);
    return InvalidPanel;
}

TEST(LinkedPlugin, ErrorLineIsTheTextOfTheCallersLastErrorWhichTheMessageLeavesAsItWas) {
    TestPlatform platform;
    testPlatform = &platform;
    ScriptedUi ui;
    ui.QueueMessage(0);
    StandInHost host(HostOptions{}, ui, platform);
    PluginEntryPoints entry = Linked();
    entry.OpenPlugin = MessagingOpenPlugin;
    ASSERT_TRUE(host.Load(entry, "linked.dll"));
    host.Open(OpenFromPluginsMenu, 0);

    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines,
              (std::vector<std::string>{"Title", "Could not read", "text of 5"}));
    EXPECT_EQ(messageResult, 0);
    EXPECT_EQ(errorAfterMessage, 5u);
    EXPECT_EQ(consoleWindow, 0x1234);
    testPlatform = nullptr;
}

TEST(StandardPlatform, LastErrorIsErrnoAndEachCodeHasItsOwnText) {
    StandardPlatform platform;
    platform.SetLastError(ENOENT);
    EXPECT_EQ(errno, ENOENT);
    errno = EACCES;
    EXPECT_EQ(platform.LastError(), static_cast<unsigned long>(EACCES));
    std::string const missing = platform.ErrorText(ENOENT);
    EXPECT_FALSE(missing.empty());
    EXPECT_NE(missing, platform.ErrorText(EACCES));
    EXPECT_EQ(platform.ConsoleWindow(), 0);
}

} // namespace
