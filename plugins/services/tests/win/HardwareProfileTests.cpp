// The hardware-profile menu (Alt+F4) through the stand-in host. Wine's configuration-manager
// library ends the process in these calls, so the menu talks to a configuration manager of the
// test's own through the plug-in's narrow interface over the manager's functions.

#include "plugins/services/core/HardwareProfiles.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/win/ConfigManager.h"
#include "plugins/services/win/ErrorText.h"

#include <windows.h>

#include <map>
#include <memory>

namespace sentrel::test {

namespace {

using ulvar::standin::MenuAnswer;
using ulvar::standin::MenuShown;

constexpr int F4 = 0x73;
constexpr int SpaceKey = 0, InsKey = 1;

// Two profiles; the device of every service is disabled in the second one.
struct ScriptedState {
    std::uint32_t loadError = 0;
    std::uint32_t listResult = cr::Success;
    std::vector<std::string> services; // the services asked for
    std::string machine;
    std::map<std::uint32_t, std::uint32_t> flags{{1, 0}, {2, ProfileDisabled}};
    std::vector<std::pair<std::uint32_t, std::uint32_t>> written;
    int disconnects = 0;
};

class ScriptedManager : public ConfigManager {
public:
    explicit ScriptedManager(std::shared_ptr<ScriptedState> state) : state_(std::move(state)) {}
    std::uint32_t Load() override { return state_->loadError; }
    std::uint32_t Connect(const std::string& machine) override {
        state_->machine = machine;
        return cr::Success;
    }
    void Disconnect() override { ++state_->disconnects; }
    std::uint32_t DeviceListSize(const std::string& service, std::uint32_t& size) override {
        state_->services.push_back(service);
        size = 32;
        return state_->listResult;
    }
    std::uint32_t DeviceList(const std::string& service, std::vector<char>& list) override {
        const std::string id = "ROOT\\LEGACY_" + service + "\\0000";
        std::copy(id.begin(), id.end(), list.begin());
        return cr::Success;
    }
    std::uint32_t ProfileInfo(std::uint32_t index, HardwareProfile& profile) override {
        if (index > 1)
            return cr::NoMoreHardwareProfiles;
        profile = index == 0 ? HardwareProfile{2, "Undocked"} : HardwareProfile{1, "Docked"};
        return cr::Success;
    }
    std::uint32_t GetFlags(const std::string&, std::uint32_t profile,
                           std::uint32_t& flags) override {
        flags = state_->flags[profile];
        return cr::Success;
    }
    std::uint32_t SetFlags(const std::string&, std::uint32_t profile,
                           std::uint32_t flags) override {
        state_->written.emplace_back(profile, flags);
        state_->flags[profile] = flags;
        return cr::Success;
    }

private:
    std::shared_ptr<ScriptedState> state_;
};

class HardwareProfileTest : public SentrelTest {
protected:
    void Load(int folderMessage) {
        PluginOptions options;
        options.configManager = [state = state] {
            return std::make_unique<ScriptedManager>(state);
        };
        LoadLinked(options);
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(folderMessage)));
        // The cursor on the first record.
        for (int i = 1; i < Panel().Count(); ++i) {
            if (const ServiceNode* record = RecordOf(Panel().Item(i))) {
                Panel().SetCursor(i);
                name = record->name;
                break;
            }
        }
        ASSERT_FALSE(name.empty());
    }
    int AltF4() { return Host().PressKey(F4, ulvar::KeyAlt); }

    std::shared_ptr<ScriptedState> state = std::make_shared<ScriptedState>();
    std::string name;
};

} // namespace

TEST_F(HardwareProfileTest, TheMenuShowsTheProfilesAndEnterWritesTheChangedOnes) {
    Load(msg::ServicesFolder);
    std::vector<MenuShown> menus;
    ui.QueueMenu([&](const MenuShown& menu) {
        menus.push_back(menu);
        return MenuAnswer{1, SpaceKey}; // Undocked: enabled now
    });
    ui.QueueMenu([&](const MenuShown& menu) {
        menus.push_back(menu);
        return MenuAnswer{0, InsKey}; // Docked: disabled now
    });
    ui.QueueMenu([&](const MenuShown& menu) {
        menus.push_back(menu);
        return MenuAnswer{1, -1}; // Enter
    });
    EXPECT_EQ(AltF4(), 1);
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].helpTopic, "HWConfM");
    EXPECT_EQ(menus[0].bottom, Msg(311));
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_STREQ(menus[0].items[0].Text, "Docked");
    EXPECT_EQ(menus[0].items[0].Checked, 1);
    EXPECT_STREQ(menus[0].items[1].Text, "Undocked");
    EXPECT_EQ(menus[0].items[1].Checked, 0);
    EXPECT_EQ(menus[1].items[1].Selected, 1);
    EXPECT_EQ(menus[1].items[1].Checked, 1);
    EXPECT_EQ(menus[2].items[1].Selected, 1); // Ins moved on to the next line
    EXPECT_EQ(menus[2].items[0].Checked, 0);

    EXPECT_EQ(state->services, std::vector<std::string>{name});
    EXPECT_EQ(state->machine, "\\\\" + win::LocalComputerName());
    EXPECT_EQ(state->written,
              (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, ProfileDisabled}, {2, 0}}));
    EXPECT_EQ(state->disconnects, 1);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(HardwareProfileTest, AnItemWithoutDevicesSaysSoInEachFolder) {
    for (const int folder : {msg::ServicesFolder, msg::DevicesFolder}) {
        SCOPED_TRACE(folder);
        state = std::make_shared<ScriptedState>();
        state->listResult = cr::NoSuchValue;
        name.clear();
        Host().Exit();
        Load(folder);
        const std::size_t before = ui.Messages().size();
        EXPECT_EQ(AltF4(), 1);
        ASSERT_EQ(ui.Messages().size(), before + 1);
        const auto& box = ui.Messages().back().shown;
        EXPECT_EQ(box.flags & ulvar::MessageErrorLine, 0u);
        ASSERT_GE(box.lines.size(), 2u);
        EXPECT_EQ(box.lines[1], Msg(folder == msg::ServicesFolder ? 143 : 144));
        EXPECT_EQ(box.lines.size(), 2u); // the title and the text, no error line
    }
}

TEST_F(HardwareProfileTest, AMissingFunctionIsReportedWithTheLookupError) {
    state->loadError = ERROR_PROC_NOT_FOUND;
    Load(msg::ServicesFolder);
    EXPECT_EQ(AltF4(), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    ASSERT_GE(box.lines.size(), 3u);
    EXPECT_EQ(box.lines[1], Msg(142));
    EXPECT_EQ(box.lines[2], win::ErrorText(ERROR_PROC_NOT_FOUND));
    EXPECT_TRUE(ui.Menus().empty());
    // The rest of the plug-in goes on.
    EXPECT_TRUE(Panel().Refresh());
}

TEST_F(HardwareProfileTest, NothingHappensOnTheFirstItem) {
    Load(msg::ServicesFolder);
    Panel().SetCursor(0);
    EXPECT_EQ(AltF4(), 1);
    EXPECT_TRUE(ui.Menus().empty());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(state->services.empty());
}

} // namespace sentrel::test

namespace sentrel::test {

// Only the lookup: the calls themselves end the process under Wine.
TEST(SystemConfigManager, FindsTheSevenFunctionsByName) {
    win::SystemConfigManager manager;
    EXPECT_EQ(manager.Load(), 0u);
}

} // namespace sentrel::test
