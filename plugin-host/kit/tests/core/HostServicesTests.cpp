// The kept startup record: how much of the host's record is copied, what a short record leaves
// out, and the thin calls of the services (through the stand-in host, or with none there).

#include "plugin-host/kit/core/HostServices.h"
#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace ulvar::kit {
namespace {

const char* FakeGetMsg(int module, int number) {
    static std::string text;
    text = std::to_string(module) + ":" + std::to_string(number);
    return text.c_str();
}
std::intptr_t FakeAdvControl(int, int command, void*) {
    return 100 + command;
}
int FakeControl(PanelHandle, int command, void*) {
    return command;
}

// A record with every field set, as a host of the given StructSize hands it over.
HostStartupInfo FullRecord(int structSize) {
    HostStartupInfo info{};
    info.StructSize = structSize;
    std::snprintf(info.ModuleName, sizeof info.ModuleName, "C:\\plugins\\kit.dll");
    info.ModuleNumber = 42;
    info.RootKey = "Software\\Ulvar\\Plugins";
    info.GetMsg = FakeGetMsg;
    info.Control = FakeControl;
    info.AdvControl = FakeAdvControl;
    return info;
}

constexpr int FullSize = static_cast<int>(sizeof(HostStartupInfo));
constexpr int RootKeyAt = static_cast<int>(offsetof(HostStartupInfo, RootKey));
constexpr int ModuleNameAt = static_cast<int>(offsetof(HostStartupInfo, ModuleName));

struct KeepCase {
    const char* name;
    int structSize;
    std::size_t keptSize;
    const char* moduleName;
    int moduleNumber;
    bool rootKey, getMsg, advControl;
};

class KeepTest : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepTest, CopiesAtMostTheRecordsSizeAndClearsWhatItHoldsOnlyInPart) {
    const KeepCase& c = GetParam();
    HostServices host;
    host.Keep(FullRecord(c.structSize));
    EXPECT_EQ(host.KeptSize(), c.keptSize);
    EXPECT_STREQ(host.Info().ModuleName, c.moduleName);
    EXPECT_EQ(host.Info().ModuleNumber, c.moduleNumber);
    EXPECT_EQ(host.Info().RootKey != nullptr, c.rootKey);
    EXPECT_EQ(host.Info().GetMsg != nullptr, c.getMsg);
    EXPECT_EQ(host.HasAdvControl(), c.advControl);
    EXPECT_EQ(host.Info().AdvControl != nullptr, c.advControl);
    EXPECT_EQ(host.AdvControl(AdvGetVersion), c.advControl ? 100 : 0);
    EXPECT_STREQ(host.Msg(3), c.getMsg ? "42:3" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, KeepTest,
    ::testing::Values(KeepCase{"Whole", FullSize, sizeof(HostStartupInfo), "C:\\plugins\\kit.dll",
                               42, true, true, true},
                      KeepCase{"Larger", FullSize + 64, sizeof(HostStartupInfo),
                               "C:\\plugins\\kit.dll", 42, true, true, true},
                      KeepCase{"WithoutAdvControl", StartupInfoSizeWithoutAdvControl,
                               static_cast<std::size_t>(StartupInfoSizeWithoutAdvControl),
                               "C:\\plugins\\kit.dll", 42, true, true, false},
                      KeepCase{"HalfOfAdvControl", StartupInfoSizeWithoutAdvControl + 4,
                               static_cast<std::size_t>(StartupInfoSizeWithoutAdvControl + 4),
                               "C:\\plugins\\kit.dll", 42, true, true, false},
                      KeepCase{"HalfOfRootKey", RootKeyAt + 4,
                               static_cast<std::size_t>(RootKeyAt + 4), "C:\\plugins\\kit.dll", 42,
                               false, false, false},
                      KeepCase{"PartOfModuleName", ModuleNameAt + 10,
                               static_cast<std::size_t>(ModuleNameAt + 10), "C:\\plugins", 0, false,
                               false, false},
                      KeepCase{"Zero", 0, 0, "", 0, false, false, false},
                      KeepCase{"Negative", -8, 0, "", 0, false, false, false}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(HostServicesTest, ModuleNameWithoutAZeroIsCutBeforeItsLastByte) {
    HostStartupInfo info = FullRecord(FullSize);
    std::memset(info.ModuleName, 'x', sizeof info.ModuleName);
    HostServices host;
    host.Keep(info);
    EXPECT_EQ(std::string(host.Info().ModuleName), std::string(MaxPath - 1, 'x'));
}

TEST(HostServicesTest, KeepingAgainForgetsTheEarlierRecord) {
    HostServices host;
    host.Keep(FullRecord(FullSize));
    host.Keep(FullRecord(StartupInfoSizeWithoutAdvControl));
    EXPECT_FALSE(host.HasAdvControl());
    EXPECT_EQ(host.Info().AdvControl, nullptr);
}

TEST(HostServicesTest, MessagesAreNeverNull) {
    HostServices host;
    EXPECT_STREQ(host.Msg(0), "") << "no record";
    HostStartupInfo info = FullRecord(FullSize);
    info.GetMsg = [](int, int) -> const char* {
        return nullptr;
    };
    host.Keep(info);
    EXPECT_STREQ(host.Msg(0), "") << "the host has no such message";
}

TEST(HostServicesTest, SettingsKeyIsTheRootKeyAndTheSubKey) {
    HostServices host;
    host.Keep(FullRecord(FullSize));
    EXPECT_EQ(host.SettingsKey("Sentrel"), "Software\\Ulvar\\Plugins\\Sentrel");
    host.Keep(FullRecord(RootKeyAt));
    EXPECT_EQ(host.SettingsKey("Sentrel"), "\\Sentrel") << "a record without a root key";
}

TEST(HostServicesTest, ServicesMissingFromTheRecordAnswerAsRefused) {
    HostServices host;
    host.Keep(FullRecord(ModuleNameAt));
    MenuItem item{};
    DialogItem dialogItem{};
    const char* lines[] = {"t"};
    int breakCode = 7;
    EXPECT_EQ(host.Menu(0, "t", &item, 1, nullptr, &breakCode), -1);
    EXPECT_EQ(breakCode, -1);
    EXPECT_EQ(host.Dialog(10, 5, &dialogItem, 1), -1);
    EXPECT_EQ(host.Message(0, nullptr, lines, 1, 0), -1);
    EXPECT_EQ(host.Control(ActivePanel, ControlGetPanelInfo, nullptr), 0);
    EXPECT_EQ(host.SaveWholeScreen(), nullptr);
    host.RestoreScreen(nullptr);
    host.Text(0, 0, 7, "nowhere");
    host.Flush();
}

// The thin calls against the stand-in host: what it was shown and what came back.
HostServices kept;

void KeepStartupInfo(const HostStartupInfo* info) {
    kept.Keep(*info);
}

class ThroughHostTest : public ::testing::Test {
protected:
    ThroughHostTest() {
        standin::PluginEntryPoints entry;
        entry.SetStartupInfo = KeepStartupInfo;
        EXPECT_TRUE(host.Load(entry, "kit.dll"));
    }

    standin::ScriptedUi ui;
    standin::StandInHost host{standin::HostOptions{}, ui};
};

TEST_F(ThroughHostTest, MenuIsCentredWithTheModuleNumberAndReportsTheBreakKey) {
    ui.QueueMenu(standin::MenuAnswer{1, 0});
    const MenuItem items[2] = {MenuItem{"first", 0, 0, 0}, MenuItem{"second", 1, 0, 0}};
    const int breakKeys[] = {MakeBreakKey(0x73, 0), 0};
    int breakCode = -1;
    EXPECT_EQ(kept.Menu(MenuWrapMode, "Title", items, 2, breakKeys, &breakCode), 1);
    EXPECT_EQ(breakCode, 0);
    ASSERT_EQ(ui.Menus().size(), 1u);
    const auto& shown = ui.Menus()[0].shown;
    EXPECT_EQ(shown.x, -1);
    EXPECT_EQ(shown.y, -1);
    EXPECT_EQ(shown.flags, static_cast<std::uint32_t>(MenuWrapMode));
    EXPECT_EQ(shown.title, "Title");
    EXPECT_EQ(shown.breakKeys, std::vector<int>{breakKeys[0]});
    ASSERT_EQ(shown.items.size(), 2u);
    EXPECT_STREQ(shown.items[1].Text, "second");
}

TEST_F(ThroughHostTest, DialogIsCentredWithItsSizeAndGetsTheEditedTextsBack) {
    ui.QueueDialog(standin::DialogAnswer{1, {{0, "typed"}}, {}});
    std::vector<DialogItem> items(2);
    items[0].Type = DialogEdit;
    items[1].Type = DialogButton;
    EXPECT_EQ(kept.Dialog(40, 8, items, "Topic"), 1);
    const auto& shown = ui.Dialogs().at(0).shown;
    EXPECT_EQ(shown.x1, -1);
    EXPECT_EQ(shown.y1, -1);
    EXPECT_EQ(shown.x2, 40);
    EXPECT_EQ(shown.y2, 8);
    EXPECT_EQ(shown.helpTopic, "Topic");
    EXPECT_STREQ(items[0].Data, "typed");
}

TEST_F(ThroughHostTest, TextReachesTheScreenOnFlushAndTheScreenComesBack) {
    void* saved = kept.SaveWholeScreen();
    ASSERT_NE(saved, nullptr);
    kept.Text(2, 3, 0x1E, std::string_view("kit text and more").substr(0, 8));
    kept.Flush();
    EXPECT_EQ(host.Screen().TextAt(2, 3, 9), "kit text ");
    EXPECT_EQ(host.Screen().AttrAt(2, 3), 0x1E);
    EXPECT_EQ(ui.FlushCount(), 1);
    kept.RestoreScreen(saved);
    EXPECT_EQ(host.Screen().TextAt(2, 3, 8), std::string(8, ' '));
    EXPECT_EQ(host.Screen().SavedCount(), 0);
}

TEST_F(ThroughHostTest, MessageControlAndAdvControlReachTheHost) {
    ui.QueueMessage(1);
    const char* items[] = {"Title", "line", "Yes", "No"};
    EXPECT_EQ(kept.Message(MessageWarning, nullptr, items, 4, 2), 1);
    EXPECT_EQ(ui.Messages().at(0).shown.buttons, (std::vector<std::string>{"Yes", "No"}));
    PanelInfo info{};
    EXPECT_EQ(kept.Control(PassivePanel, ControlGetPanelInfo, &info), 1);
    EXPECT_TRUE(kept.HasAdvControl());
    EXPECT_EQ(kept.AdvControl(AdvGetVersion), static_cast<std::intptr_t>(MakeVersion(1, 70, 2)));
    EXPECT_STREQ(kept.Msg(0), "") << "no language file beside kit.dll";
}

} // namespace
} // namespace ulvar::kit
