#include "plugins/services/core/MachineCache.h"

#include "plugins/services/tests/core/ServiceFixtures.h"
#include "plugins/services/tests/core/TestText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(MachineCache, EntriesByComputerWithoutRegardToCase) {
    MachineCache cache(Text());
    EXPECT_EQ(cache.FindList("", false), nullptr);
    auto local = std::make_shared<ServiceList>();
    auto remote = std::make_shared<ServiceList>();
    auto drivers = std::make_shared<ServiceList>();
    cache.StoreList("", false, local);
    cache.StoreList("Server1", false, remote);
    cache.StoreList("SERVER1", true, drivers);
    EXPECT_EQ(cache.FindList("", false), local);
    EXPECT_EQ(cache.FindList("server1", false), remote);
    EXPECT_EQ(cache.FindList("Server1", true), drivers);
    EXPECT_EQ(cache.FindList("", true), nullptr);
    EXPECT_EQ(cache.Computers(), (std::vector<std::string>{"Server1", ""}));
    cache.Clear();
    EXPECT_EQ(cache.FindList("server1", false), nullptr);
}

TEST(MachineCache, TheLocalComputerByItsNameSharesTheLocalEntry) {
    EXPECT_EQ(CacheName("myhost", "MYHOST", Text()), "");
    EXPECT_EQ(CacheName("", "MYHOST", Text()), "");
    EXPECT_EQ(CacheName("other", "MYHOST", Text()), "other");
}

TEST(MachineCache, AReplacedListStaysValidForWhoeverHoldsIt) {
    MachineCache cache(Text());
    auto old = std::make_shared<ServiceList>();
    old->InsertRecord(MakeService("kept"));
    cache.StoreList("", false, old);
    // A panel keeps the records of its listing.
    std::vector<ServicePtr> shown = old->Records();
    std::weak_ptr<ServiceList> watch = old;
    old.reset();
    auto fresh = std::make_shared<ServiceList>();
    fresh->InsertRecord(MakeService("kept"));
    cache.StoreList("", false, fresh);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(shown.front()->name, "kept");
    shown.front()->mark = 1;
    EXPECT_EQ(cache.FindList("", false)->Records().front()->mark, 0);
}

TEST(ServiceList, FindInsertRemoveAndMarks) {
    ServiceList list;
    list.InsertRecord(MakeService("a", StateRunning));
    list.InsertRecord(MakeService("b", StateStartPending));
    list.InsertRecord(MakeService("A", StatePaused));
    EXPECT_EQ(list.Records().front()->name, "A");
    EXPECT_EQ(list.FindRecord("a")->state, StateRunning);
    EXPECT_EQ(list.FindRecord("B"), nullptr);
    EXPECT_EQ(list.ActiveCount(), 2u);
    EXPECT_TRUE(list.RemoveRecord("a"));
    EXPECT_FALSE(list.RemoveRecord("a"));
    EXPECT_EQ(list.Count(), 2u);

    ServiceList fresh;
    fresh.InsertRecord(MakeService("b"));
    fresh.InsertRecord(MakeService("A"));
    fresh.InsertRecord(MakeService("c"));
    list.FindRecord("A")->mark = 1;
    CopyMarks(list, fresh);
    EXPECT_EQ(fresh.FindRecord("A")->mark, 1);
    EXPECT_EQ(fresh.FindRecord("b")->mark, 0);
    EXPECT_EQ(fresh.FindRecord("c")->mark, 0);
}

} // namespace sentrel::test
