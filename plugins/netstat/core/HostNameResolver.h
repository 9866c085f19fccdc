#pragma once

// Host names for the listing: a cached name at once, otherwise the dotted form at once and a
// resolver started in the background whose answer shows from a later listing on (one at a time for
// an address). A failed lookup
// caches the dotted form, so it is not tried again while the plug-in stays loaded.

#include "plugins/netstat/core/HostNameCache.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace sockwell {

// Looks an address up by name (blocking); nullopt when the lookup failed.
using ReverseLookup = std::function<std::optional<std::string>(std::uint32_t networkOrderAddress)>;
// Runs a job on a thread of its own; false when no thread could be started.
using ThreadStarter = std::function<bool(std::function<void()> job)>;

class HostNameResolver {
public:
    HostNameResolver(std::shared_ptr<HostNameCache> cache, ReverseLookup lookup,
                     ThreadStarter start)
        : cache_(std::move(cache)), lookup_(std::move(lookup)), start_(std::move(start)) {}

    // The cached text, or the dotted form (a fresh string each time) with a resolver started.
    std::string HostName(std::uint32_t networkOrderAddress);
    int ResolversStarted() const { return started_; }

    // What one resolver thread does. It keeps its own share of the cache, so a cache released
    // meanwhile is closed but still there to refuse the store.
    static void Resolve(const std::shared_ptr<HostNameCache>& cache, const ReverseLookup& lookup,
                        std::uint32_t networkOrderAddress);

private:
    std::shared_ptr<HostNameCache> cache_;
    ReverseLookup lookup_;
    ThreadStarter start_;
    int started_ = 0;
};

} // namespace sockwell
