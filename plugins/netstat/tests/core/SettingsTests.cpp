// Which registry value fills which setting, and what the values in effect mean.

#include "plugins/netstat/core/Settings.h"

#include <gtest/gtest.h>

namespace sockwell {
namespace {

TEST(SettingsValues, EachValueNameFillsItsOwnSettingAndMissingOnesKeepTheirDefaults) {
    ulvar::kit::MemoryValueStore store;
    Settings settings = ulvar::kit::ReadSettings(store, SettingsValues);
    EXPECT_EQ(settings.resolve, 0u);
    EXPECT_EQ(settings.resolvePorts, 0u);
    EXPECT_EQ(settings.autoRefresh, 1u);

    store.Write("Resolve", 11);
    store.Write("ResolvePorts", 12);
    settings = ulvar::kit::ReadSettings(store, SettingsValues);
    EXPECT_EQ(settings.resolve, 11u);
    EXPECT_EQ(settings.resolvePorts, 12u);
    EXPECT_EQ(settings.autoRefresh, 1u);

    ulvar::kit::MemoryValueStore written;
    EXPECT_TRUE(ulvar::kit::WriteSettings(written, SettingsValues, Settings{1, 0, 2}));
    EXPECT_EQ(written.Values(), (std::map<std::string, std::uint32_t>{
                                    {"AutoRefresh", 2}, {"Resolve", 1}, {"ResolvePorts", 0}}));
}

struct MeaningCase {
    std::uint32_t value;
    bool hosts, ports, refresh;
};

class SettingsMeaning : public ::testing::TestWithParam<MeaningCase> {};

TEST_P(SettingsMeaning, HostNamesAndRefreshNeedExactlyOnePortNamesAnyNonzero) {
    const MeaningCase& c = GetParam();
    const Settings settings{c.value, c.value, c.value};
    EXPECT_EQ(settings.ResolveHosts(), c.hosts);
    EXPECT_EQ(settings.ResolvePortNames(), c.ports);
    EXPECT_EQ(settings.RefreshWhenIdle(), c.refresh);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsMeaning,
                         ::testing::Values(MeaningCase{0, false, false, false},
                                           MeaningCase{1, true, true, true},
                                           MeaningCase{2, false, true, false},
                                           MeaningCase{0xFFFFFFFF, false, true, false}));

} // namespace
} // namespace sockwell
