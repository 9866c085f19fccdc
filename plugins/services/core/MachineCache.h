#pragma once

// The lists read while the library is loaded, one entry per computer (`MachineCache`), the most
// recently added first: a services slot and a drivers slot each. Names are compared without
// regard to case; the local computer is kept under the empty name. Storing a list replaces the
// slot's list; a panel that still shows records of the old one keeps them alive itself.

#include "plugins/services/core/ServiceNode.h"
#include "plugins/services/core/SystemText.h"

#include <string>
#include <vector>

namespace sentrel {

class MachineCache {
public:
    explicit MachineCache(const SystemText& text) : text_(&text) {}

    // The list of a computer (cache name) and kind, or null.
    ListPtr FindList(const std::string& computer, bool drivers) const;
    void StoreList(const std::string& computer, bool drivers, ListPtr list);
    // The computers, the most recently added first.
    std::vector<std::string> Computers() const;
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        std::string computer;
        ListPtr lists[2];
    };
    const Entry* Find(const std::string& computer) const;

    const SystemText* text_;
    std::vector<Entry> entries_;
};

// The name under which a computer is cached: empty for the local computer, also when it is
// addressed by its own name.
std::string CacheName(const std::string& computer, const std::string& localName,
                      const SystemText& text);

} // namespace sentrel
