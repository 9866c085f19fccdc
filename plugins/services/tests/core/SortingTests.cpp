#include "plugins/services/core/Sorting.h"

#include "plugins/services/tests/core/ServiceFixtures.h"
#include "ulvar/Plugin.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

SortContext Context(bool swapped = false, bool descriptions = false) {
    SortContext context;
    context.swapped = swapped;
    context.descriptionsSupported = descriptions;
    context.startTypeText = [](std::uint32_t start) {
        const char* texts[] = {"Boot", "System", "Auto", "Manual", "Disabled"};
        return start < 5 ? std::string(texts[start]) : std::string();
    };
    return context;
}

} // namespace

TEST(Sorting, EachSortModeHasItsKey) {
    auto running = MakeService("zeta", StateRunning, 2);
    auto paused = MakeService("alpha", StatePaused, 4);
    auto stopped = MakeService("Beta", StateStopped, 3, "", "");
    auto pending = MakeService("beta2", StateStartPending, 0, "", "");
    running->config.dependencies = {"a", "b"};
    paused->config.dependencies = {"a"};
    running->readTime = 300;
    paused->readTime = 100;
    stopped->readTime = 200;
    struct Case {
        const char* what;
        const ServiceNode& a;
        const ServiceNode& b;
        int mode;
        int expected;
    };
    const Case cases[] = {
        {"write time: running first", *running, *paused, ulvar::SortByWriteTime, -1},
        {"write time: paused before stopped", *paused, *stopped, ulvar::SortByWriteTime, -1},
        {"write time: stopped and pending rank alike", *stopped, *pending, ulvar::SortByWriteTime,
         -1},
        {"links: more dependencies first", *running, *paused, ulvar::SortByLinks, -1},
        {"creation: more dependencies first", *stopped, *paused, ulvar::SortByCreationTime, 1},
        {"access: earlier read first", *paused, *running, ulvar::SortByAccessTime, -1},
        {"size: start-type text", *running, *paused, ulvar::SortBySize, -1}, // Auto < Disabled
        {"size: Boot before Manual", *pending, *stopped, ulvar::SortBySize, -1},
        {"owner: without account first", *stopped, *running, ulvar::SortByOwner, -1},
        {"owner: with account last", *running, *stopped, ulvar::SortByOwner, 1},
        {"owner: both without, by name", *stopped, *pending, ulvar::SortByOwner, -1},
        {"name: without regard to case", *stopped, *pending, ulvar::SortByName, -1},
        {"name: alpha before Beta", *paused, *stopped, ulvar::SortByName, -1},
        {"unknown mode: by name", *running, *paused, 99, 1},
        {"description without support: by name", *running, *paused, ulvar::SortByDescription, 1},
        {"equal", *running, *running, ulvar::SortByName, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CompareServices(c.a, c.b, c.mode, Context()), c.expected);
    }
    EXPECT_EQ(CompareServices(*running, *paused, ulvar::SortByDescription, Context(false, true)),
              ulvar::CompareUseHostOrder);
}

TEST(Sorting, ASwappedListingSortsByDisplayName) {
    const auto a = MakeService("aaa", StateStopped, 3, "Zebra service");
    const auto b = MakeService("zzz", StateStopped, 3, "apple service");
    EXPECT_EQ(CompareServices(*a, *b, ulvar::SortByName, Context(false)), -1);
    EXPECT_EQ(CompareServices(*a, *b, ulvar::SortByName, Context(true)), 1);
    EXPECT_EQ(CompareServices(*a, *b, ulvar::SortByWriteTime, Context(true)), 1);
}

TEST(Sorting, OwnersCompareBytewise) {
    const auto a = MakeService("a", StateStopped, 3, "", "NT AUTHORITY\\LocalService");
    const auto b = MakeService("b", StateStopped, 3, "", "LocalSystem");
    const auto c = MakeService("c", StateStopped, 3, "", "localSystem");
    EXPECT_EQ(CompareServices(*a, *b, ulvar::SortByOwner, Context()), 1);
    EXPECT_EQ(CompareServices(*b, *c, ulvar::SortByOwner, Context()), -1);
}

} // namespace sentrel::test
