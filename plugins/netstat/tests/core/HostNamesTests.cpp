#include "plugins/netstat/core/HostNameResolver.h"
#include "plugins/netstat/core/RowTexts.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <vector>

namespace sockwell {
namespace {

constexpr std::uint32_t A = 0x0100007F; // 127.0.0.1
constexpr std::uint32_t B = 0x0200000A; // 10.0.0.2

TEST(HostNameCache, AnAddressKeepsTheFirstTextStored) {
    HostNameCache cache;
    EXPECT_FALSE(cache.Find(A));
    EXPECT_TRUE(cache.Store(A, "first"));
    EXPECT_FALSE(cache.Store(A, "second"));
    EXPECT_TRUE(cache.Store(B, "other"));
    EXPECT_EQ(cache.Find(A), "first");
    EXPECT_EQ(cache.Find(B), "other");
    EXPECT_EQ(cache.Size(), 2u);
}

TEST(HostNameCache, ReleaseFreesEverythingAndRefusesLaterStores) {
    HostNameCache cache;
    for (std::uint32_t address = 0; address < 100; ++address)
        cache.Store(address, "x");
    cache.Release();
    EXPECT_EQ(cache.Size(), 0u);
    EXPECT_FALSE(cache.Find(5));
    EXPECT_FALSE(cache.Store(A, "late"));
    EXPECT_FALSE(cache.Find(A));
}

// Jobs collected instead of started, to run them when the test says.
struct Jobs {
    std::vector<std::function<void()>> queued;
    bool refuse = false;
    ThreadStarter Starter() {
        return [this](std::function<void()> job) {
            if (refuse)
                return false;
            queued.push_back(std::move(job));
            return true;
        };
    }
};

TEST(HostNameResolver, DottedAtOnceThenTheNameOnceTheResolverRan) {
    auto cache = std::make_shared<HostNameCache>();
    Jobs jobs;
    int lookups = 0;
    HostNameResolver resolver(
        cache,
        [&lookups](std::uint32_t) -> std::optional<std::string> {
            ++lookups;
            return "localhost";
        },
        jobs.Starter());
    EXPECT_EQ(resolver.HostName(A), "127.0.0.1");
    ASSERT_EQ(jobs.queued.size(), 1u);
    jobs.queued[0]();
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(resolver.HostName(A), "localhost");
    EXPECT_EQ(jobs.queued.size(), 1u);
    EXPECT_EQ(resolver.ResolversStarted(), 1);
}

// Every idle refresh asks again for the addresses of every row: while a slow lookup of an address
// runs, no second resolver is started for it, whatever the number of rows and refreshes.
TEST(HostNameResolver, OneLookupPerAddressInFlight) {
    auto cache = std::make_shared<HostNameCache>();
    Jobs jobs;
    HostNameResolver resolver(
        cache, [](std::uint32_t) -> std::optional<std::string> { return "name"; }, jobs.Starter());
    for (int refresh = 0; refresh < 50; ++refresh) {
        EXPECT_EQ(resolver.HostName(A), "127.0.0.1");
        EXPECT_EQ(resolver.HostName(B), "10.0.0.2");
    }
    EXPECT_EQ(jobs.queued.size(), 2u);
    EXPECT_EQ(resolver.ResolversStarted(), 2);
    jobs.queued[0]();
    EXPECT_EQ(resolver.HostName(A), "name");
    EXPECT_EQ(resolver.HostName(B), "10.0.0.2");
    EXPECT_EQ(jobs.queued.size(), 2u) << "B is still being looked up";
}

// A resolver that could not be started leaves the address free for the next attempt.
TEST(HostNameResolver, AnAddressWhoseResolverDidNotStartIsTriedAgain) {
    auto cache = std::make_shared<HostNameCache>();
    Jobs jobs;
    jobs.refuse = true;
    HostNameResolver resolver(
        cache, [](std::uint32_t) -> std::optional<std::string> { return "name"; }, jobs.Starter());
    resolver.HostName(A);
    jobs.refuse = false;
    resolver.HostName(A);
    EXPECT_EQ(jobs.queued.size(), 1u);
}

TEST(HostNameResolver, AFailedLookupCachesTheDottedFormForGood) {
    auto cache = std::make_shared<HostNameCache>();
    Jobs jobs;
    HostNameResolver resolver(
        cache, [](std::uint32_t) -> std::optional<std::string> { return std::nullopt; },
        jobs.Starter());
    resolver.HostName(B);
    jobs.queued.at(0)();
    EXPECT_EQ(cache->Find(B), "10.0.0.2");
    EXPECT_EQ(resolver.HostName(B), "10.0.0.2");
    EXPECT_EQ(jobs.queued.size(), 1u) << "not tried again";
}

TEST(HostNameResolver, NoThreadStillAnswersDotted) {
    auto cache = std::make_shared<HostNameCache>();
    Jobs jobs;
    jobs.refuse = true;
    HostNameResolver resolver(
        cache, [](std::uint32_t) -> std::optional<std::string> { return "x"; }, jobs.Starter());
    EXPECT_EQ(resolver.HostName(A), "127.0.0.1");
    EXPECT_EQ(resolver.ResolversStarted(), 0);
}

// The plug-in is unloaded while a lookup is still blocked: the thread finishes later against a
// released cache that is still alive through its own share, and stores nothing.
TEST(HostNameResolver, AResolverOutlivingTheReleaseTouchesNoFreedState) {
    std::promise<void> lookupEntered;
    std::promise<void> letLookupFinish;
    auto finish = letLookupFinish.get_future().share();
    std::thread thread;
    std::weak_ptr<HostNameCache> watch;
    {
        auto cache = std::make_shared<HostNameCache>();
        watch = cache;
        HostNameResolver resolver(
            cache,
            [&lookupEntered, finish](std::uint32_t) -> std::optional<std::string> {
                lookupEntered.set_value();
                finish.wait();
                return "late-name";
            },
            [&thread](std::function<void()> job) {
                thread = std::thread(std::move(job));
                return true;
            });
        resolver.HostName(A);
        lookupEntered.get_future().wait();
        cache->Release();
    }
    ASSERT_FALSE(watch.expired()) << "the running resolver keeps its share";
    letLookupFinish.set_value();
    thread.join();
    EXPECT_TRUE(watch.expired()) << "the last share went with the thread";
}

TEST(HostNameResolver, ConcurrentResolversAndReadersAgreeOnOneText) {
    auto cache = std::make_shared<HostNameCache>();
    std::vector<std::thread> threads;
    HostNameResolver resolver(
        cache,
        [](std::uint32_t address) -> std::optional<std::string> {
            return "name-" + std::to_string(address);
        },
        [&threads](std::function<void()> job) {
            threads.emplace_back(std::move(job));
            return true;
        });
    for (int round = 0; round < 20; ++round)
        for (std::uint32_t address = 1; address <= 8; ++address)
            resolver.HostName(address);
    for (auto& thread : threads)
        thread.join();
    for (std::uint32_t address = 1; address <= 8; ++address)
        EXPECT_EQ(resolver.HostName(address), "name-" + std::to_string(address));
    EXPECT_EQ(cache->Size(), 8u);
}

} // namespace
} // namespace sockwell
