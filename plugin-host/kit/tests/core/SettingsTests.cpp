#include "plugin-host/kit/core/Settings.h"

#include <gtest/gtest.h>

#include <set>

namespace ulvar::kit {
namespace {

struct Sample {
    std::uint32_t on = 1;
    std::uint32_t mode = 0;
    std::uint32_t limit = 250;
};

constexpr SettingValue<Sample> SampleValues[] = {
    {"On", &Sample::on},
    {"Mode", &Sample::mode},
    {"Limit", &Sample::limit},
};

TEST(SettingsTest, MissingValuesKeepTheRecordsDefaults) {
    MemoryValueStore store;
    store.Write("Mode", 3);
    store.Write("Other", 9);
    const Sample read = ReadSettings(store, SampleValues);
    EXPECT_EQ(read.on, 1u);
    EXPECT_EQ(read.mode, 3u);
    EXPECT_EQ(read.limit, 250u);
}

TEST(SettingsTest, EveryValueGoesToItsOwnFieldAndBack) {
    MemoryValueStore store;
    Sample written;
    written.on = 0;
    written.mode = 0xFFFFFFFF;
    written.limit = 7;
    EXPECT_TRUE(WriteSettings(store, SampleValues, written));
    EXPECT_EQ(store.Values(), (std::map<std::string, std::uint32_t>{
                                  {"Limit", 7}, {"Mode", 0xFFFFFFFF}, {"On", 0}}));
    const Sample read = ReadSettings(store, SampleValues);
    EXPECT_EQ(read.on, 0u);
    EXPECT_EQ(read.mode, 0xFFFFFFFFu);
    EXPECT_EQ(read.limit, 7u);
}

// A store that cannot write some names.
class PartlyWritable : public MemoryValueStore {
public:
    bool Write(const std::string& name, std::uint32_t value) override {
        return !refused.count(name) && MemoryValueStore::Write(name, value);
    }
    std::set<std::string> refused;
};

TEST(SettingsTest, AFailedWriteIsReportedAndTheOthersAreWrittenStill) {
    PartlyWritable store;
    store.refused = {"On"};
    EXPECT_FALSE(WriteSettings(store, SampleValues, Sample{}));
    EXPECT_EQ(store.Values(), (std::map<std::string, std::uint32_t>{{"Limit", 250}, {"Mode", 0}}));

    MemoryValueStore refusing;
    refusing.RefuseWrites();
    EXPECT_FALSE(WriteSettings(refusing, SampleValues, Sample{}));
    EXPECT_TRUE(refusing.Values().empty());
}

} // namespace
} // namespace ulvar::kit
