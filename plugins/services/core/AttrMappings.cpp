#include "plugins/services/core/AttrMappings.h"

#include <algorithm>
#include <cstdlib>

namespace sentrel {

namespace {

// A stored 32-bit value read as a signed number; missing is -1 (any).
std::int64_t Signed(const std::optional<std::uint32_t>& value) {
    return value ? static_cast<std::int64_t>(static_cast<std::int32_t>(*value)) : -1;
}

// The number of "Group<digits>", or none.
std::optional<unsigned long long> GroupNumber(const std::string& name) {
    constexpr std::string_view Prefix = "Group";
    if (name.size() <= Prefix.size() || name.compare(0, Prefix.size(), Prefix) != 0)
        return std::nullopt;
    const std::string digits = name.substr(Prefix.size());
    if (digits.size() > 18 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::strtoull(digits.c_str(), nullptr, 10);
}

} // namespace

std::optional<AttrMapping> MappingFromStored(const StoredMapping& stored) {
    const std::int64_t startup = Signed(stored.startup);
    const std::int64_t status = Signed(stored.status);
    if (startup < -1 || startup >= StartTypeCount || status < -1 || status >= StatusClassCount)
        return std::nullopt;
    if (!stored.attributes || (*stored.attributes & ~std::uint32_t{AttributeMask}) != 0)
        return std::nullopt;
    AttrMapping mapping;
    mapping.startup = startup < 0 ? Any : static_cast<std::uint8_t>(startup);
    mapping.status = status < 0 ? Any : static_cast<std::uint8_t>(status);
    mapping.attributes = static_cast<std::uint16_t>(*stored.attributes);
    return mapping;
}

StoredMapping StoredFromMapping(const AttrMapping& mapping) {
    StoredMapping stored;
    if (mapping.startup < StartTypeCount)
        stored.startup = mapping.startup;
    if (mapping.status < StatusClassCount)
        stored.status = mapping.status;
    stored.attributes = mapping.attributes & AttributeMask;
    return stored;
}

std::string GroupName(std::size_t position) {
    return "Group" + std::to_string(position);
}

std::vector<std::string> OrderGroupNames(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto left = GroupNumber(a);
        const auto right = GroupNumber(b);
        if (left && right)
            return *left < *right;
        return left.has_value() && !right.has_value();
    });
    return names;
}

std::vector<AttrMapping> ReadMappings(const MappingStore& store) {
    std::vector<AttrMapping> mappings;
    for (const std::string& name : OrderGroupNames(store.GroupNames())) {
        if (mappings.size() >= MaxMappings)
            break;
        if (const auto mapping = MappingFromStored(store.ReadGroup(name)))
            mappings.push_back(*mapping);
    }
    return mappings;
}

std::vector<AttrMapping> DefaultMappings() {
    return {AttrMapping{4, 0, 0}, AttrMapping{4, Any, 0x2}};
}

AttrTable BuildAttrTable(const std::vector<AttrMapping>& mappings) {
    AttrTable table{};
    std::array<bool, StartTypeCount * StatusClassCount> marked{};
    const auto set = [&](int startup, int status, std::uint16_t attributes, bool always) {
        const int cell = startup * StatusClassCount + status;
        if (always || !marked[cell]) {
            table[cell] = attributes;
            marked[cell] = true;
        }
    };
    for (const AttrMapping& mapping : mappings) {
        const bool anyStartup = mapping.startup >= StartTypeCount;
        const bool anyStatus = mapping.status >= StatusClassCount;
        for (int startup = 0; startup < StartTypeCount; ++startup) {
            if (!anyStartup && startup != mapping.startup)
                continue;
            for (int status = 0; status < StatusClassCount; ++status) {
                if (!anyStatus && status != mapping.status)
                    continue;
                set(startup, status, mapping.attributes, !anyStartup && !anyStatus);
            }
        }
    }
    return table;
}

int StatusClass(std::uint32_t state) {
    switch (state) {
    case 4:
        return 0;
    case 7:
        return 1;
    default:
        return 2;
    }
}

std::uint16_t AttributesFor(const AttrTable& table, std::uint32_t startType, std::uint32_t state) {
    if (startType >= static_cast<std::uint32_t>(StartTypeCount))
        return 0;
    return table[startType * StatusClassCount + static_cast<std::uint32_t>(StatusClass(state))];
}

} // namespace sentrel
