#include "plugins/services/core/DriverConfig.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

std::string Msg(int number) {
    return "m" + std::to_string(number);
}

std::string Same(const std::string& text) {
    return text;
}

ServiceNode Driver(std::uint32_t startType, std::string path) {
    ServiceNode record;
    record.name = "drv";
    record.config.serviceType = 1;
    record.config.startType = startType;
    record.config.errorControl = 1;
    record.config.displayName = "Driver";
    record.config.binaryPath = std::move(path);
    record.config.loadOrderGroup = "Base";
    return record;
}

} // namespace

TEST(DriverConfig, OnlyBootAndSystemDriversAskBeforeTheirStartTypeChanges) {
    for (std::uint32_t stored = 0; stored < 5; ++stored)
        for (std::uint32_t chosen = 0; chosen < 5; ++chosen)
            EXPECT_EQ(AsksBeforeStartChange(stored, chosen), stored <= 1 && chosen != stored)
                << stored << " " << chosen;
}

TEST(DriverConfig, TheMainDialogShowsTheStartTypeAndFitsTheName) {
    DialogLayout dialog = DriverDialog("Driver", 3, Msg);
    ASSERT_EQ(dialog.items.size(), 13u);
    EXPECT_EQ(dialog.height, 17);
    EXPECT_EQ(dialog.items[devdlg::FirstStart + 3].Selected, 1);
    EXPECT_EQ(dialog.items[devdlg::FirstStart + 3].Focus, 1);
    EXPECT_EQ(StartTypeFromDialog(dialog.items), 3u);
    dialog.items[devdlg::FirstStart + 3].Selected = 0;
    EXPECT_FALSE(StartTypeFromDialog(dialog.items));
    EXPECT_EQ(DriverDialog("Driver", 7, Msg).items[devdlg::Ok].Focus, 1);

    const DialogLayout wide = DriverDialog(std::string(100, 'n'), 0, Msg);
    EXPECT_EQ(wide.items[0].X2, 66);
    const std::string shown = wide.items[2].Data;
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LT(13 + static_cast<int>(shown.size()), 66);
    EXPECT_EQ(DriverDialog("d", 0, Msg).items[0].X2, 30);
}

TEST(DriverConfig, WithoutAPathTheAdvancedDialogIsTwoRowsShorter) {
    DriverAdvanced values;
    values.displayName = "Driver";
    values.binaryPath = "drv.sys";
    values.objectName = "\\Driver\\drv";
    values.errorControl = 2;
    const DialogLayout full = DriverAdvancedDialog(values, true, Msg);
    const DialogLayout shorter = DriverAdvancedDialog(values, false, Msg);
    ASSERT_EQ(full.items.size(), 18u);
    ASSERT_EQ(shorter.items.size(), 16u);
    EXPECT_EQ(full.height - shorter.height, 2);
    EXPECT_EQ(full.items[0].Y2 - shorter.items[0].Y2, 2);
    for (const bool withPath : {true, false}) {
        const AdvancedItems at(withPath);
        const auto& items = withPath ? full.items : shorter.items;
        EXPECT_STREQ(items[static_cast<std::size_t>(at.objectName)].Data, "\\Driver\\drv");
        EXPECT_STREQ(items[static_cast<std::size_t>(at.objectName)].History, "SentrelObjName");
        EXPECT_EQ(items[static_cast<std::size_t>(at.firstErrorControl) + 2].Selected, 1);
        EXPECT_EQ(items[static_cast<std::size_t>(at.ok)].DefaultButton, 1);
        EXPECT_EQ(items[static_cast<std::size_t>(at.dependencies)].Type, ulvar::DialogButton);
    }
    EXPECT_STREQ(full.items[4].Data, "drv.sys");
    EXPECT_EQ(full.items[static_cast<std::size_t>(AdvancedItems(true).objectName)].Y1 -
                  shorter.items[static_cast<std::size_t>(AdvancedItems(false).objectName)].Y1,
              2);
}

TEST(DriverConfig, ChangesAreWhatDiffers) {
    const ServiceNode record = Driver(1, "");
    DriverAdvanced edited = AdvancedOf(record, Same);
    DriverChanges changes = ChangesOf(record, 1, edited, Same);
    EXPECT_FALSE(changes.Any());

    edited.displayName = "Renamed";
    edited.errorControl = 3;
    edited.objectName = "\\Driver\\obj";
    edited.binaryPath = "ignored without a path";
    changes = ChangesOf(record, 3, edited, Same);
    EXPECT_EQ(changes.startType, 3u);
    EXPECT_EQ(changes.errorControl, 3u);
    EXPECT_EQ(changes.displayName, "Renamed");
    EXPECT_FALSE(changes.binaryPath);
    EXPECT_EQ(changes.objectName, "\\Driver\\obj");
    EXPECT_FALSE(changes.loadOrderGroup);
    EXPECT_FALSE(changes.dependencies);

    const ServiceNode withPath = Driver(3, "drv.sys");
    DriverAdvanced path = AdvancedOf(withPath, Same);
    path.binaryPath = "new.sys";
    path.dependencies = {"+Base"};
    changes = ChangesOf(withPath, 3, path, Same);
    EXPECT_EQ(changes.binaryPath, "new.sys");
    EXPECT_EQ(changes.dependencies, std::vector<std::string>{"+Base"});
    EXPECT_FALSE(changes.startType);
}

TEST(DriverConfig, TheEditRecordWritesOnlyTheChanges) {
    DriverChanges changes;
    ServiceConfigEdit edit = EditOf(changes, "drv");
    EXPECT_EQ(edit.serviceName, "drv");
    EXPECT_FALSE(edit.AnyChange());

    changes.startType = 1;
    changes.objectName = "\\Driver\\obj";
    changes.dependencies = std::vector<std::string>{};
    edit = EditOf(changes, "drv");
    EXPECT_EQ(edit.startType, 1);
    EXPECT_EQ(edit.errorControl, NoChange);
    EXPECT_EQ(edit.serviceType, NoChange); // a driver's type is never changed
    EXPECT_TRUE(edit.changedAccount);
    EXPECT_EQ(edit.account, "\\Driver\\obj");
    EXPECT_TRUE(edit.changedDependencies); // an emptied list clears them
    EXPECT_TRUE(edit.dependencies.empty());
    EXPECT_FALSE(edit.changedDisplayName || edit.changedBinaryPath || edit.changedGroup ||
                 edit.changedPassword);
}

} // namespace sentrel::test
