#pragma once

// Host names found so far, by IPv4 address: a singly linked list to whose front new entries go,
// so an address keeps the first text stored for it. The host's thread reads it while resolver
// threads add to it; one lock guards every access.
//
// Resolver threads hold the cache by shared ownership and may outlive the plug-in's use of it:
// Release frees the entries and closes the cache, after which a late thread's store is dropped
// instead of touching freed state.

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace sockwell {

class HostNameCache {
public:
    HostNameCache() = default;
    ~HostNameCache();
    HostNameCache(const HostNameCache&) = delete;
    HostNameCache& operator=(const HostNameCache&) = delete;

    std::optional<std::string> Find(std::uint32_t networkOrderAddress) const;
    bool Contains(std::uint32_t networkOrderAddress) const;
    // Adds the text unless the address is cached already or the cache is closed. True when
    // stored.
    bool Store(std::uint32_t networkOrderAddress, std::string text);
    // Marks a lookup of the address as running: false when the address is cached, looked up
    // already or the cache is closed. Store (or EndLookup, when no lookup ran) ends the mark.
    bool BeginLookup(std::uint32_t networkOrderAddress);
    void EndLookup(std::uint32_t networkOrderAddress);
    // Frees every entry and refuses further stores.
    void Release();
    bool Closed() const;
    std::size_t Size() const;

private:
    struct Entry {
        std::uint32_t address;
        std::string text;
        std::unique_ptr<Entry> next;
    };
    const Entry* FindLocked(std::uint32_t address) const;
    void FreeLocked();

    mutable std::mutex lock_;
    std::unique_ptr<Entry> head_;
    std::size_t size_ = 0;
    std::set<std::uint32_t> inFlight_;
    bool closed_ = false;
};

} // namespace sockwell
