#include "plugins/services/core/Settings.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

struct Case {
    const char* name;
    std::optional<std::uint32_t> stored;
    Settings expected; // only the field named is compared
};

Settings With(void (*change)(Settings&)) {
    Settings settings;
    change(settings);
    return settings;
}

void ExpectSame(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.addToDisksMenu, b.addToDisksMenu);
    EXPECT_EQ(a.disksMenuDigit, b.disksMenuDigit);
    EXPECT_EQ(a.defaultViewMode, b.defaultViewMode);
    EXPECT_EQ(a.addDotsToRoot, b.addDotsToRoot);
    EXPECT_EQ(a.dirStructure, b.dirStructure);
    EXPECT_EQ(a.useAttrMapping, b.useAttrMapping);
    EXPECT_EQ(a.cfmFlags, b.cfmFlags);
    EXPECT_EQ(a.remoteDescrs, b.remoteDescrs);
}

} // namespace

TEST(Settings, DefaultsWhenNothingIsStored) {
    const ulvar::kit::MemoryValueStore store;
    const Settings settings = ReadSettings(store);
    EXPECT_TRUE(settings.addToDisksMenu);
    EXPECT_EQ(settings.disksMenuDigit, 0);
    EXPECT_EQ(settings.defaultViewMode, '3');
    EXPECT_TRUE(settings.addDotsToRoot);
    EXPECT_EQ(settings.dirStructure, 0);
    EXPECT_FALSE(settings.useAttrMapping.has_value());
    EXPECT_EQ(settings.cfmFlags, 0x1FEu);
    EXPECT_FALSE(settings.remoteDescrs);
}

TEST(Settings, EachValueIsReadAndClamped) {
    const Case cases[] = {
        {value::AddToDisksMenu, 0, With([](Settings& s) { s.addToDisksMenu = false; })},
        {value::AddToDisksMenu, 7, With([](Settings& s) { s.addToDisksMenu = true; })},
        {value::DisksMenuDigit, 1, With([](Settings& s) { s.disksMenuDigit = 1; })},
        {value::DisksMenuDigit, 9, With([](Settings& s) { s.disksMenuDigit = 9; })},
        {value::DisksMenuDigit, 10, With([](Settings&) {})},
        {value::DisksMenuDigit, 0xFFFFFFFF, With([](Settings&) {})},
        {value::DefaultViewMode, 0, With([](Settings& s) { s.defaultViewMode = '0'; })},
        {value::DefaultViewMode, 9, With([](Settings& s) { s.defaultViewMode = '9'; })},
        // A blank mode is stored as 255 and comes back as the default.
        {value::DefaultViewMode, 255, With([](Settings&) {})},
        {value::AddDotsToRoot, 0, With([](Settings& s) { s.addDotsToRoot = false; })},
        {value::DirStructure, 2, With([](Settings& s) { s.dirStructure = 2; })},
        {value::DirStructure, 3, With([](Settings&) {})},
        {value::UseAttrMapping, 0, With([](Settings& s) { s.useAttrMapping = false; })},
        {value::UseAttrMapping, 5, With([](Settings& s) { s.useAttrMapping = true; })},
        {value::CfmFlags, 0, With([](Settings& s) { s.cfmFlags = 0; })},
        {value::CfmFlags, 0xFFFFFFFF, With([](Settings& s) { s.cfmFlags = 0xFFFFFFFF; })},
        {value::RemoteDescrs, 1, With([](Settings& s) { s.remoteDescrs = true; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(*c.stored));
        ulvar::kit::MemoryValueStore store;
        store.Write(c.name, *c.stored);
        ExpectSame(ReadSettings(store), c.expected);
    }
}

TEST(Settings, KeyNameIsBelowTheHostsRootKey) {
    EXPECT_EQ(SettingsKeyName("Software\\Ulvar\\Plugins"), "Software\\Ulvar\\Plugins\\Sentrel");
}

} // namespace sentrel::test
