// The configuration dialogs through the stand-in host: what they save lands in the registry of
// the Wine prefix and is in effect for the next description and listing, and again after the
// plug-in is loaded anew.

#include "plugins/services/core/ConfigDialog.h"
#include "plugins/services/core/MappingEditor.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/win/RegistryMappings.h"

#include <windows.h>

#include <cstring>

namespace sentrel::test {

namespace {

using testsupport::GetDword;
using ulvar::DialogItem;
using ulvar::standin::DialogShown;
using ulvar::standin::MenuAnswer;

constexpr int InsertKey = 0, DeleteKey = 1, EditKey = 2;

void SetText(DialogItem& item, const char* text) {
    std::strncpy(item.Data, text, sizeof item.Data - 1);
    item.Data[sizeof item.Data - 1] = '\0';
}

class ConfigurationTest : public SentrelTest {
protected:
    std::string MappingsKey() const { return SettingsKey() + "\\AttrMappings"; }

    // "CfgDlg" answered: change edits the items, then the dialog closes with closing.
    void QueueConfig(std::function<void(std::vector<DialogItem>&)> change, int closing) {
        ui.QueueDialog([change, closing](const DialogShown&, std::vector<DialogItem>& items) {
            if (change)
                change(items);
            return closing;
        });
    }
    // "MapAttrDlg" answered with a start-type and status choice (0 = any) and attributes.
    void QueueMapping(int startupChoice, int statusChoice, std::uint16_t attributes) {
        ui.QueueDialog([=](const DialogShown&, std::vector<DialogItem>& items) {
            for (int i = 0; i < 6; ++i)
                items[static_cast<std::size_t>(mapdlg::FirstStartup + i)].Selected =
                    i == startupChoice;
            for (int i = 0; i < 4; ++i)
                items[static_cast<std::size_t>(mapdlg::FirstStatus + i)].Selected =
                    i == statusChoice;
            for (int i = 0; i < 5; ++i)
                items[static_cast<std::size_t>(mapdlg::FirstAttribute + i)].Selected =
                    (attributes & mapdlg::AttributeBits[i]) != 0;
            return mapdlg::Confirm;
        });
    }
    std::vector<AttrMapping> StoredMappings() {
        return ReadMappings(win::RegistryMappingStore(SettingsKey()));
    }
    void Reload() {
        Host().Exit();
        LoadLinked();
    }
    const DialogShown& LastDialog() { return ui.Dialogs().back().shown; }
};

} // namespace

TEST_F(ConfigurationTest, OnlyEntryZeroIsTheConfiguration) {
    LoadLinked();
    EXPECT_EQ(Host().Configure(1), 0);
    EXPECT_TRUE(ui.Dialogs().empty());
    QueueConfig(nullptr, cfg::Cancel);
    EXPECT_EQ(Host().Configure(0), 0);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_EQ(LastDialog().helpTopic, "CfgDlg");
    EXPECT_EQ(LastDialog().x1, -1); // centred, 76 x 18
    EXPECT_EQ(LastDialog().x2, 76);
    EXPECT_EQ(LastDialog().y2, 18);
    EXPECT_FALSE(GetDword(SettingsKey(), value::DirStructure));
}

TEST_F(ConfigurationTest, EachSettingIsWrittenAndInEffect) {
    LoadLinked();
    Open();
    ASSERT_GE(Find(Msg(msg::ServicesFolder)), 0); // the root with "..", Services, Devices
    ASSERT_TRUE(Panel().IsDots(0));
    QueueConfig(
        [](std::vector<DialogItem>& items) {
            items[cfg::AddToDisksMenu].Selected = 1;
            SetText(items[cfg::DisksMenuDigit], "6");
            SetText(items[cfg::DefaultViewMode], "5");
            items[cfg::FirstLayout].Selected = 0;
            items[cfg::FirstLayout + 1].Selected = 1;
            items[cfg::AddDotsToRoot].Selected = 0;
            items[cfg::UseAttrMapping].Selected = 0;
            items[cfg::RemoteDescrs].Selected = 1;
        },
        cfg::Save);
    EXPECT_EQ(Host().Configure(0), 1);

    EXPECT_EQ(GetDword(SettingsKey(), value::AddToDisksMenu), 1u);
    EXPECT_EQ(GetDword(SettingsKey(), value::DisksMenuDigit), 6u);
    EXPECT_EQ(GetDword(SettingsKey(), value::DefaultViewMode), 5u);
    EXPECT_EQ(GetDword(SettingsKey(), value::DirStructure), 1u);
    EXPECT_EQ(GetDword(SettingsKey(), value::AddDotsToRoot), 0u);
    EXPECT_EQ(GetDword(SettingsKey(), value::UseAttrMapping), 0u);
    EXPECT_EQ(GetDword(SettingsKey(), value::RemoteDescrs), 1u);
    EXPECT_FALSE(GetDword(SettingsKey(), value::CfmFlags)); // unchanged, not written

    const auto menus = Host().GetPluginInfo();
    ASSERT_EQ(menus.disksMenuNumbers.size(), 1u);
    EXPECT_EQ(menus.disksMenuNumbers[0], 6);

    // The root shown now: its next listing moves to the services folder at the top, which
    // holds "Devices" and, the top folder without dots now, no "..".
    ASSERT_TRUE(Panel().Refresh());
    EXPECT_GE(Find(Msg(msg::DevicesFolder)), 0);
    // The description of the new folder, at the host's next request.
    ASSERT_TRUE(Panel().Refresh());
    EXPECT_EQ(Panel().Description().curDir, "");
    EXPECT_EQ(Panel().Description().panelTitle, " " + Msg(msg::ServicesFolder) + " ");
    EXPECT_GE(Find(Msg(msg::DevicesFolder)), 0);
    EXPECT_FALSE(Panel().Count() > 0 && Panel().IsDots(0));
    EXPECT_EQ(Panel().Description().startPanelMode, '5');

    // The next load reads the same.
    Reload();
    const Settings& settings = Plugin()->Lib().settings;
    EXPECT_EQ(settings.disksMenuDigit, 6);
    EXPECT_EQ(settings.defaultViewMode, '5');
    EXPECT_EQ(settings.dirStructure, 1);
    EXPECT_FALSE(settings.addDotsToRoot);
    EXPECT_EQ(settings.useAttrMapping, std::optional<bool>(false));
    EXPECT_TRUE(settings.remoteDescrs);
}

TEST_F(ConfigurationTest, ABlankViewModeIsNoStartModeAndReadsBackAsThree) {
    LoadLinked();
    QueueConfig([](std::vector<DialogItem>& items) { SetText(items[cfg::DefaultViewMode], " "); },
                cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    EXPECT_EQ(GetDword(SettingsKey(), value::DefaultViewMode), 255u);
    Open();
    EXPECT_EQ(Panel().Description().startPanelMode, ulvar::NoStartMode);
    Reload();
    EXPECT_EQ(Plugin()->Lib().settings.defaultViewMode, '3');
    Open();
    EXPECT_EQ(Panel().Description().startPanelMode, '3');
}

TEST_F(ConfigurationTest, DigitFieldsClearedOrWithLettersInTheRegistry) {
    LoadLinked();
    QueueConfig([](std::vector<DialogItem>& items) { SetText(items[cfg::DisksMenuDigit], "4"); },
                cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    QueueConfig([](std::vector<DialogItem>& items) { SetText(items[cfg::DisksMenuDigit], "q"); },
                cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    EXPECT_STREQ(ui.Dialogs().back().shown.items[cfg::DisksMenuDigit].Data, "4");
    EXPECT_EQ(GetDword(SettingsKey(), value::DisksMenuDigit), 4u);
    QueueConfig([](std::vector<DialogItem>& items) { SetText(items[cfg::DisksMenuDigit], ""); },
                cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    EXPECT_EQ(GetDword(SettingsKey(), value::DisksMenuDigit), 0u);
    EXPECT_TRUE(Host().GetPluginInfo().disksMenuNumbers == std::vector<int>{0});
}

TEST_F(ConfigurationTest, ConfirmationsAreSavedOnlyWithTheConfiguration) {
    LoadLinked();
    auto clearAll = [](const DialogShown& shown, std::vector<DialogItem>& items) {
        EXPECT_EQ(shown.helpTopic, "CfmDlg");
        for (DialogItem& item : items)
            if (item.Type == ulvar::DialogCheckBox)
                item.Selected = 0;
        return cfm::Confirm;
    };
    // Cleared, then the configuration cancelled: nothing stored.
    QueueConfig(nullptr, cfg::Confirmations);
    ui.QueueDialog(clearAll);
    QueueConfig(nullptr, cfg::Cancel);
    EXPECT_EQ(Host().Configure(0), 0);
    EXPECT_FALSE(GetDword(SettingsKey(), value::CfmFlags));
    EXPECT_EQ(Plugin()->Lib().settings.cfmFlags, DefaultCfmFlags);

    // Cleared and saved: 0, and the dialog shown again shows the new bits.
    QueueConfig(nullptr, cfg::Confirmations);
    ui.QueueDialog(clearAll);
    QueueConfig(nullptr, cfg::Save);
    EXPECT_EQ(Host().Configure(0), 1);
    EXPECT_EQ(GetDword(SettingsKey(), value::CfmFlags), 0u);
    EXPECT_EQ(Plugin()->Lib().settings.cfmFlags, 0u);
    QueueConfig(nullptr, cfg::Confirmations);
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>&) {
        int ticked = 0;
        for (const DialogItem& item : shown.items)
            ticked += item.Type == ulvar::DialogCheckBox && item.Selected ? 1 : 0;
        EXPECT_EQ(ticked, 0);
        return cfm::Cancel;
    });
    EXPECT_EQ(Host().Configure(0), 0);
    EXPECT_EQ(ui.PendingCount(), 0);
}

TEST_F(ConfigurationTest, MappingsAreWrittenInTheirOrderAndReadBack) {
    LoadLinked();
    ASSERT_EQ(StoredMappings(), DefaultMappings());
    QueueConfig(nullptr, cfg::Mappings);
    // On the empty line (after the two defaults): a mapping for any start type, running.
    ui.QueueMenu(MenuAnswer{2, -1});
    QueueMapping(0, 1, 0x4);
    // Ins on the first line: manual and paused, which stays first.
    ui.QueueMenu(MenuAnswer{0, InsertKey});
    QueueMapping(4, 2, 0x801);
    // Disabled and running again, by Enter on the empty line: replaces the old one.
    ui.QueueMenu(MenuAnswer{4, -1});
    QueueMapping(5, 1, 0x20);
    ui.QueueMenu(MenuAnswer{-1, -1});
    QueueConfig(nullptr, cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_EQ(ui.Menus().front().shown.helpTopic, "AttrMapM");
    EXPECT_EQ(ui.Menus().front().shown.items.size(), 3u);

    const std::vector<AttrMapping> expected = {
        {3, 1, 0x801}, {4, 0, 0x20}, {4, Any, 0x2}, {Any, 0, 0x4}};
    EXPECT_EQ(Plugin()->Lib().mappings, expected);
    EXPECT_EQ(Plugin()->Lib().attrTable, BuildAttrTable(expected));
    EXPECT_EQ(StoredMappings(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(testsupport::KeyExists(MappingsKey() + "\\" + GroupName(i))) << i;
    EXPECT_FALSE(testsupport::KeyExists(MappingsKey() + "\\" + GroupName(expected.size())));
    Reload();
    EXPECT_EQ(Plugin()->Lib().mappings, expected);
}

TEST_F(ConfigurationTest, CancellingKeepsTheStoredMappings) {
    LoadLinked();
    QueueConfig(nullptr, cfg::Mappings);
    ui.QueueMenu(MenuAnswer{0, DeleteKey});
    ui.QueueMenu(MenuAnswer{0, DeleteKey});
    ui.QueueMenu(MenuAnswer{-1, -1});
    QueueConfig(nullptr, cfg::Cancel);
    EXPECT_EQ(Host().Configure(0), 0);
    ASSERT_EQ(ui.Menus().size(), 3u);
    EXPECT_EQ(ui.Menus().back().shown.items.size(), 1u); // both removed from the copy
    EXPECT_EQ(StoredMappings(), DefaultMappings());
    EXPECT_EQ(Plugin()->Lib().mappings, DefaultMappings());
}

TEST_F(ConfigurationTest, TheTwentyFourthMappingCannotBeAdded) {
    std::vector<AttrMapping> full;
    for (std::uint8_t startup = 0; startup < 5; ++startup)
        for (std::uint8_t status = 0; status < 3; ++status)
            full.push_back({startup, status, 0x1});
    for (std::uint8_t startup = 0; startup < 5; ++startup)
        full.push_back({startup, Any, 0x2});
    for (std::uint8_t status = 0; status < 3; ++status)
        full.push_back({Any, status, 0x4});
    ASSERT_EQ(full.size(), MaxMappings);
    ASSERT_TRUE(testsupport::CreateKey(SettingsKey()));
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), value::UseAttrMapping, 1));
    ASSERT_TRUE(win::RegistryMappingStore(SettingsKey()).WriteAll(full));
    LoadLinked();
    ASSERT_EQ(Plugin()->Lib().mappings, full);

    QueueConfig(nullptr, cfg::Mappings);
    ui.QueueMenu(MenuAnswer{23, -1});       // Enter on the empty line
    ui.QueueMenu(MenuAnswer{5, InsertKey}); // Ins
    ui.QueueMenu(MenuAnswer{23, EditKey});  // F4 on the empty line
    ui.QueueMenu(MenuAnswer{0, EditKey});   // F4 on a mapping still edits it
    QueueMapping(1, 1, 0x800);
    ui.QueueMenu(MenuAnswer{-1, -1});
    QueueConfig(nullptr, cfg::Save);
    ASSERT_EQ(Host().Configure(0), 1);
    // Only the edit showed "MapAttrDlg": the dialogs were CfgDlg, MapAttrDlg, CfgDlg.
    ASSERT_EQ(ui.Dialogs().size(), 3u);
    EXPECT_EQ(ui.Dialogs()[1].shown.helpTopic, "MapAttrDlg");
    EXPECT_EQ(ui.Dialogs()[1].shown.items[mapdlg::FirstStartup + 1].Selected, 1); // preset
    EXPECT_EQ(ui.Menus().size(), 5u);
    for (const auto& menu : ui.Menus())
        EXPECT_EQ(menu.shown.items.size(), 24u);

    std::vector<AttrMapping> expected = full;
    expected[0].attributes = 0x800;
    EXPECT_EQ(StoredMappings(), expected);
}

} // namespace sentrel::test
