#include "plugins/services/core/ConfigDialog.h"

#include <gtest/gtest.h>

#include <cstring>

namespace sentrel::test {

namespace {

std::string Msg(int number) {
    return "m" + std::to_string(number);
}

class RecordingMappingStore : public MappingStore {
public:
    std::vector<std::string> GroupNames() const override { return {}; }
    StoredMapping ReadGroup(const std::string&) const override { return {}; }
    bool WriteAll(const std::vector<AttrMapping>& mappings) override {
        written.push_back(mappings);
        return true;
    }
    std::vector<std::vector<AttrMapping>> written;
};

void SetText(ulvar::DialogItem& item, const char* text) {
    std::strncpy(item.Data, text, sizeof item.Data - 1);
}

// A store whose writes are recorded in order.
class OrderedStore : public ulvar::kit::MemoryValueStore {
public:
    bool Write(const std::string& name, std::uint32_t value) override {
        order.push_back(name);
        return MemoryValueStore::Write(name, value);
    }
    std::vector<std::string> order;
};

} // namespace

TEST(ConfigDialog, ShowsTheSettingsItIsOpenedWith) {
    Settings settings;
    settings.addToDisksMenu = false;
    settings.disksMenuDigit = 7;
    settings.defaultViewMode = 0;
    settings.dirStructure = 2;
    settings.useAttrMapping = true;
    settings.remoteDescrs = true;
    const DialogLayout dialog = ConfigDialog(settings, Msg);
    ASSERT_EQ(dialog.items.size(), 19u);
    EXPECT_EQ(dialog.width, 76);
    EXPECT_EQ(dialog.height, 18);
    EXPECT_EQ(dialog.items[cfg::AddToDisksMenu].Selected, 0);
    EXPECT_STREQ(dialog.items[cfg::DisksMenuDigit].Data, "7");
    EXPECT_EQ(dialog.items[cfg::DisksMenuDigit].Focus, 1);
    EXPECT_STREQ(dialog.items[cfg::DefaultViewMode].Data, "");
    for (int layout = 0; layout < 3; ++layout)
        EXPECT_EQ(dialog.items[cfg::FirstLayout + layout].Selected, layout == 2 ? 1 : 0);
    EXPECT_EQ(dialog.items[cfg::UseAttrMapping].Selected, 1);
    EXPECT_EQ(dialog.items[cfg::RemoteDescrs].Selected, 1);
    EXPECT_EQ(dialog.items[cfg::Save].DefaultButton, 1);
    // 67 minus the text's length, the "&" not counted.
    EXPECT_EQ(dialog.items[cfg::Mappings].X1, 67 - 4);
}

TEST(ConfigDialog, AColumnLeftOfALongTextStopsAtZero) {
    EXPECT_EQ(ColumnLeftOf(67, "&Mappings"), 59);
    EXPECT_EQ(ColumnLeftOf(67, std::string(80, 'x')), 0);
    EXPECT_EQ(ShownLength("&a&b"), 2);
}

TEST(ConfigDialog, DigitFieldsTakeBlanksAndDigitsOnly) {
    struct Case {
        const char* digit;
        const char* mode;
        int expectedDigit;
        int expectedMode;
    };
    const Case cases[] = {
        {"", "", 0, 0},     {" ", " ", 0, 0},   {"5", "7", 5, '7'},
        {"0", "0", 0, '0'}, {"x", "x", 4, '3'}, {"-", "?", 4, '3'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("[") + c.digit + "] [" + c.mode + "]");
        Settings current;
        current.disksMenuDigit = 4;
        DialogLayout dialog = ConfigDialog(current, Msg);
        SetText(dialog.items[cfg::DisksMenuDigit], c.digit);
        SetText(dialog.items[cfg::DefaultViewMode], c.mode);
        const Settings result = SettingsFromDialog(dialog.items, current);
        EXPECT_EQ(result.disksMenuDigit, c.expectedDigit);
        EXPECT_EQ(result.defaultViewMode, c.expectedMode);
    }
}

TEST(ConfigDialog, SavingWritesEveryValueInOrder) {
    Settings settings;
    settings.useAttrMapping = true;
    std::vector<AttrMapping> mappings = DefaultMappings();
    AttrTable table = BuildAttrTable(mappings);
    DialogLayout dialog = ConfigDialog(settings, Msg);
    dialog.items[cfg::FirstLayout].Selected = 0;
    dialog.items[cfg::FirstLayout + 1].Selected = 1;
    dialog.items[cfg::AddDotsToRoot].Selected = 0;
    SetText(dialog.items[cfg::DisksMenuDigit], "2");
    SetText(dialog.items[cfg::DefaultViewMode], " ");
    OrderedStore values;
    RecordingMappingStore store;
    const std::vector<AttrMapping> edited = {{Any, 0, 0x1}};
    SaveConfiguration(dialog.items, 0, &edited, {settings, mappings, table}, values, store);

    EXPECT_EQ(values.order, (std::vector<std::string>{value::AddToDisksMenu, value::DisksMenuDigit,
                                                      value::DefaultViewMode, value::AddDotsToRoot,
                                                      value::UseAttrMapping, value::DirStructure,
                                                      value::CfmFlags, value::RemoteDescrs}));
    EXPECT_EQ(values.Read(value::DisksMenuDigit), 2u);
    EXPECT_EQ(values.Read(value::DefaultViewMode), 255u);
    EXPECT_EQ(values.Read(value::DirStructure), 1u);
    EXPECT_EQ(values.Read(value::AddDotsToRoot), 0u);
    EXPECT_EQ(values.Read(value::CfmFlags), 0u);
    EXPECT_EQ(settings.dirStructure, 1);
    EXPECT_EQ(settings.defaultViewMode, 0);
    EXPECT_FALSE(settings.addDotsToRoot);
    EXPECT_EQ(settings.cfmFlags, 0u);
    ASSERT_EQ(store.written.size(), 1u);
    EXPECT_EQ(store.written[0], edited);
    EXPECT_EQ(mappings, edited);
    EXPECT_EQ(table, BuildAttrTable(edited));
}

TEST(ConfigDialog, UnchangedViewModeAndConfirmationsAndUnusedMappingsAreNotWritten) {
    Settings settings;
    settings.useAttrMapping = true;
    std::vector<AttrMapping> mappings = DefaultMappings();
    AttrTable table = BuildAttrTable(mappings);
    const AttrTable before = table;
    DialogLayout dialog = ConfigDialog(settings, Msg);
    OrderedStore values;
    RecordingMappingStore store;
    SaveConfiguration(dialog.items, settings.cfmFlags, nullptr, {settings, mappings, table}, values,
                      store);
    EXPECT_FALSE(values.Read(value::DefaultViewMode));
    EXPECT_FALSE(values.Read(value::CfmFlags));
    EXPECT_TRUE(store.written.empty());
    EXPECT_EQ(mappings, DefaultMappings());
    EXPECT_EQ(table, before);
    EXPECT_EQ(values.Read(value::DirStructure), 0u);
}

TEST(ConfirmationsDialog, BoxesFollowTheBitsAndComeBackAsBits) {
    const DialogLayout dialog = ConfirmationsDialog(0x1FE, Msg);
    ASSERT_EQ(dialog.items.size(), 15u);
    EXPECT_EQ(dialog.height, 19);
    EXPECT_EQ(dialog.items[2].Selected, 0); // 0x001
    for (int item : {3, 4, 5, 6, 8, 9, 10, 11})
        EXPECT_EQ(dialog.items[static_cast<std::size_t>(item)].Selected, 1) << item;

    std::vector<ulvar::DialogItem> items = dialog.items;
    EXPECT_EQ(ConfirmationsFromDialog(cfm::Confirm, items, 0x1FE), 0x1FEu);
    for (ulvar::DialogItem& item : items)
        if (item.Type == ulvar::DialogCheckBox)
            item.Selected = 0;
    EXPECT_EQ(ConfirmationsFromDialog(cfm::Confirm, items, 0x1FE), 0u);
    items[2].Selected = 1;
    items[11].Selected = 1;
    EXPECT_EQ(ConfirmationsFromDialog(cfm::Confirm, items, 0x1FE), 0x101u);
    EXPECT_EQ(ConfirmationsFromDialog(cfm::Cancel, items, 0x1FE), 0x1FEu);
    EXPECT_EQ(ConfirmationsFromDialog(-1, items, 0x1FE), 0x1FEu);
}

TEST(ConfirmationsDialog, WidensToTheLongestText) {
    const std::string longText(40, 'x');
    const DialogLayout dialog = ConfirmationsDialog(
        0, [&](int number) { return number == 321 ? longText : std::string("short"); });
    EXPECT_GE(dialog.items[1].X2, 7 + 4 + 40);
    EXPECT_EQ(dialog.items[1].X2, dialog.items[7].X2);
    EXPECT_GT(dialog.items[0].X2, dialog.items[1].X2);
    EXPECT_GT(dialog.width, dialog.items[0].X2);
    EXPECT_EQ(ConfirmationsDialog(0, [](int) { return std::string("s"); }).items[0].X2, 32);
}

} // namespace sentrel::test
