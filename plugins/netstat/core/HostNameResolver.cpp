#include "plugins/netstat/core/HostNameResolver.h"

#include "plugins/netstat/core/RowTexts.h"

namespace sockwell {

std::string HostNameResolver::HostName(std::uint32_t networkOrderAddress) {
    if (auto cached = cache_->Find(networkOrderAddress))
        return *cached;
    // One lookup per address at a time: every listing asks again for every row's addresses, and
    // a slow lookup would otherwise gather a thread per row and refresh.
    if (start_ && cache_->BeginLookup(networkOrderAddress)) {
        auto job = [cache = cache_, lookup = lookup_, networkOrderAddress] {
            Resolve(cache, lookup, networkOrderAddress);
        };
        if (start_(std::move(job)))
            ++started_;
        else
            cache_->EndLookup(networkOrderAddress);
    }
    return DottedAddress(networkOrderAddress);
}

void HostNameResolver::Resolve(const std::shared_ptr<HostNameCache>& cache,
                               const ReverseLookup& lookup, std::uint32_t networkOrderAddress) {
    if (cache->Contains(networkOrderAddress) || cache->Closed()) {
        cache->EndLookup(networkOrderAddress);
        return;
    }
    // The lookup may take long: it runs without the lock, and the store skips an address that
    // another resolver cached meanwhile.
    std::optional<std::string> name = lookup ? lookup(networkOrderAddress) : std::nullopt;
    cache->Store(networkOrderAddress, name ? std::move(*name) : DottedAddress(networkOrderAddress));
}

} // namespace sockwell
