#include "plugin-host/kit/core/PluginMenus.h"

#include <gtest/gtest.h>

namespace ulvar::kit {
namespace {

TEST(PluginMenusTest, RecordPointsAtTheMenusAndLeavesStructSizeAlone) {
    PluginMenus menus;
    menus.flags = PluginInEditor;
    menus.disksMenu = {"disk"};
    menus.disksMenuNumbers = {3};
    menus.pluginsMenu = {"first", "second"};
    menus.commandPrefix = "net";
    PluginInfoRecord info{};
    info.StructSize = 12345;
    info.PluginConfigStrings = reinterpret_cast<const char* const*>(&info);
    info.PluginConfigStringsNumber = 7;
    menus.Fill(info);

    EXPECT_EQ(info.StructSize, 12345);
    EXPECT_EQ(info.Flags, static_cast<std::uint32_t>(PluginInEditor));
    ASSERT_EQ(info.DisksMenuStringsNumber, 1);
    EXPECT_STREQ(info.DisksMenuStrings[0], "disk");
    EXPECT_EQ(info.DisksMenuNumbers[0], 3);
    ASSERT_EQ(info.PluginMenuStringsNumber, 2);
    EXPECT_STREQ(info.PluginMenuStrings[1], "second");
    EXPECT_EQ(info.PluginConfigStrings, nullptr) << "an empty menu";
    EXPECT_EQ(info.PluginConfigStringsNumber, 0);
    EXPECT_STREQ(info.CommandPrefix, "net");
}

} // namespace
} // namespace ulvar::kit
