#include "plugins/netstat/core/HostNameResolver.h"

#include "plugins/netstat/core/RowTexts.h"

namespace sockwell {

std::string HostNameResolver::HostName(std::uint32_t networkOrderAddress) {
    if (auto cached = cache_->Find(networkOrderAddress))
        return *cached;
    auto job = [cache = cache_, lookup = lookup_, networkOrderAddress] {
        Resolve(cache, lookup, networkOrderAddress);
    };
    if (start_ && start_(std::move(job)))
        ++started_;
    return DottedAddress(networkOrderAddress);
}

void HostNameResolver::Resolve(const std::shared_ptr<HostNameCache>& cache,
                               const ReverseLookup& lookup, std::uint32_t networkOrderAddress) {
    if (cache->Contains(networkOrderAddress) || cache->Closed())
        return;
    // The lookup may take long: it runs without the lock, and the store skips an address that
    // another resolver cached meanwhile.
    std::optional<std::string> name = lookup ? lookup(networkOrderAddress) : std::nullopt;
    cache->Store(networkOrderAddress, name ? std::move(*name) : DottedAddress(networkOrderAddress));
}

} // namespace sockwell
