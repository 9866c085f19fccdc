// The kept record decides from its size, by this layout's offsets, whether the host has
// HostAdvControl, and the build number from the version it returns.

#include "plugins/startup/ulvarplus/HostRecord.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace ulvarplus {
namespace {

std::intptr_t Version(int, int command, void*) {
    return command == ulvar::AdvGetVersion ? ulvar::MakeVersion(1, 70, 700) : 0;
}

ulvar::HostStartupInfo Record(int structSize) {
    ulvar::HostStartupInfo info{};
    info.StructSize = structSize;
    info.AdvControl = Version;
    return info;
}

constexpr int Full = static_cast<int>(sizeof(ulvar::HostStartupInfo));
constexpr int AdvControlAt = static_cast<int>(offsetof(ulvar::HostStartupInfo, AdvControl));

TEST(HostRecordTest, TheBuildNumberComesFromAdvControlWhenTheRecordReachesIt) {
    struct Case {
        int size;
        int build;
    };
    // The whole record of this layout is shorter than the records of other layouts (372 bytes):
    // only the offsets of this one count.
    static_assert(Full < 372);
    for (Case const c : {Case{Full, 700}, Case{372, 700}, Case{AdvControlAt + 8, 700},
                         Case{AdvControlAt + 4, 0}, Case{AdvControlAt, 0}, Case{0, 0}}) {
        HostRecord host;
        host.Keep(Record(c.size));
        EXPECT_EQ(host.HasAdvControl(), c.build != 0) << c.size;
        EXPECT_EQ(host.BuildNumber(), c.build) << c.size;
    }
}

TEST(HostRecordTest, WithoutServicesMessagesAreEmptyAndNeverNull) {
    HostRecord host;
    host.Keep(Record(Full));
    ASSERT_NE(host.Msg(3), nullptr);
    EXPECT_STREQ(host.Msg(3), "");
    EXPECT_EQ(host.PluginFlags(), 0u);
}

} // namespace
} // namespace ulvarplus
