#include "plugins/services/core/MachineCache.h"

namespace sentrel {

const MachineCache::Entry* MachineCache::Find(const std::string& computer) const {
    for (const Entry& entry : entries_)
        if (SameNoCase(*text_, entry.computer, computer))
            return &entry;
    return nullptr;
}

ListPtr MachineCache::FindList(const std::string& computer, bool drivers) const {
    const Entry* entry = Find(computer);
    return entry ? entry->lists[drivers ? 1 : 0] : nullptr;
}

void MachineCache::StoreList(const std::string& computer, bool drivers, ListPtr list) {
    Entry* entry = const_cast<Entry*>(Find(computer));
    if (!entry) {
        entries_.insert(entries_.begin(), Entry{computer, {}});
        entry = &entries_.front();
    }
    entry->lists[drivers ? 1 : 0] = std::move(list);
}

std::vector<std::string> MachineCache::Computers() const {
    std::vector<std::string> names;
    for (const Entry& entry : entries_)
        names.push_back(entry.computer);
    return names;
}

std::string CacheName(const std::string& computer, const std::string& localName,
                      const SystemText& text) {
    if (computer.empty() || SameNoCase(text, computer, localName))
        return {};
    return computer;
}

} // namespace sentrel
