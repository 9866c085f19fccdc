#include "plugins/netstat/core/HostNameCache.h"

namespace sockwell {

HostNameCache::~HostNameCache() {
    FreeLocked();
}

const HostNameCache::Entry* HostNameCache::FindLocked(std::uint32_t address) const {
    for (const Entry* entry = head_.get(); entry; entry = entry->next.get())
        if (entry->address == address)
            return entry;
    return nullptr;
}

std::optional<std::string> HostNameCache::Find(std::uint32_t networkOrderAddress) const {
    std::lock_guard guard(lock_);
    if (const Entry* entry = FindLocked(networkOrderAddress))
        return entry->text;
    return std::nullopt;
}

bool HostNameCache::Contains(std::uint32_t networkOrderAddress) const {
    std::lock_guard guard(lock_);
    return FindLocked(networkOrderAddress) != nullptr;
}

bool HostNameCache::Store(std::uint32_t networkOrderAddress, std::string text) {
    std::lock_guard guard(lock_);
    inFlight_.erase(networkOrderAddress);
    if (closed_ || FindLocked(networkOrderAddress))
        return false;
    head_.reset(new Entry{networkOrderAddress, std::move(text), std::move(head_)});
    ++size_;
    return true;
}

bool HostNameCache::BeginLookup(std::uint32_t networkOrderAddress) {
    std::lock_guard guard(lock_);
    if (closed_ || FindLocked(networkOrderAddress))
        return false;
    return inFlight_.insert(networkOrderAddress).second;
}

void HostNameCache::EndLookup(std::uint32_t networkOrderAddress) {
    std::lock_guard guard(lock_);
    inFlight_.erase(networkOrderAddress);
}

void HostNameCache::Release() {
    std::lock_guard guard(lock_);
    FreeLocked();
    inFlight_.clear();
    closed_ = true;
}

bool HostNameCache::Closed() const {
    std::lock_guard guard(lock_);
    return closed_;
}

std::size_t HostNameCache::Size() const {
    std::lock_guard guard(lock_);
    return size_;
}

void HostNameCache::FreeLocked() {
    // One entry at a time: letting the chain of owners free itself recursively could exhaust the
    // stack on a long list.
    while (head_)
        head_ = std::move(head_->next);
    size_ = 0;
}

} // namespace sockwell
