#pragma once

// Attribute mappings: which file attributes a listed service gets by its start type and status
// class, and the table they are folded into. The mappings live below "AttrMappings" of the
// plug-in's key, one group per mapping named "Group<position>".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::uint8_t Any = 255;
inline constexpr std::uint16_t AttributeMask = 0x827;
inline constexpr std::size_t MaxMappings = 23;
inline constexpr int StartTypeCount = 5;
inline constexpr int StatusClassCount = 3;

struct AttrMapping {
    std::uint8_t startup = Any; // 0 to 4, or Any
    std::uint8_t status = Any;  // 0 running, 1 paused, 2 any other state, or Any
    std::uint16_t attributes = 0;

    friend bool operator==(const AttrMapping&, const AttrMapping&) = default;
};

// A group's values as stored; a missing value is none.
struct StoredMapping {
    std::optional<std::uint32_t> startup, status, attributes;
};

// The mapping a group holds, or none when the group is to be skipped: "Startup" outside -1 to 4,
// "Status" outside -1 to 2 (missing reads as -1, any), "Attributes" missing or with a bit outside
// the mask.
std::optional<AttrMapping> MappingFromStored(const StoredMapping& stored);
// What a mapping stores: "Startup" and "Status" only when they are not "any".
StoredMapping StoredFromMapping(const AttrMapping& mapping);

// "Group<n>" for a position.
std::string GroupName(std::size_t position);
// The group names in the order their mappings were written: "Group<n>" by the number n; names of
// another form after them in the order given.
std::vector<std::string> OrderGroupNames(std::vector<std::string> names);

// Where mappings are kept.
class MappingStore {
public:
    virtual ~MappingStore() = default;
    virtual std::vector<std::string> GroupNames() const = 0;
    virtual StoredMapping ReadGroup(const std::string& name) const = 0;
    // Replaces every stored mapping by the list; false when that failed.
    virtual bool WriteAll(const std::vector<AttrMapping>& mappings) = 0;
};

// The stored mappings in order, the invalid ones skipped, at most MaxMappings.
std::vector<AttrMapping> ReadMappings(const MappingStore& store);

// Startup disabled and running: no attributes; startup disabled and any status: hidden.
std::vector<AttrMapping> DefaultMappings();

// Attribute words by start type * 3 + status class.
using AttrTable = std::array<std::uint16_t, StartTypeCount * StatusClassCount>;

// A fully specified mapping always sets its cell; among partial mappings the earlier one wins.
AttrTable BuildAttrTable(const std::vector<AttrMapping>& mappings);

// 0 running, 1 paused, 2 any other state (Windows service states).
int StatusClass(std::uint32_t state);
// The attributes of a service; 0 for a start type outside 0 to 4.
std::uint16_t AttributesFor(const AttrTable& table, std::uint32_t startType, std::uint32_t state);

} // namespace sentrel
