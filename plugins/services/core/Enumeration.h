#pragma once

// Enumerating the services of a manager in several calls: each call returns what fits in the
// buffer and says whether more remains, resuming where the previous one stopped. A call that
// reports more data but returns nothing and does not move the resume point would repeat forever;
// it ends the enumeration with an error instead.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::uint32_t ErrorMoreData = 234;

struct EnumStatus {
    std::string name, displayName; // ANSI
    std::uint32_t state = 0;
};

struct EnumBatch {
    std::vector<EnumStatus> entries;
    bool moreData = false;
    std::uint32_t error = 0; // another failure than "more data"
};

class EnumSource {
public:
    virtual ~EnumSource() = default;
    // One call from resume; moves resume on.
    virtual EnumBatch Next(std::uint32_t& resume) = 0;
};

// Every entry. On a failure, retry(error) decides: true calls again from the same point, false
// stops with the entries read until then.
std::vector<EnumStatus> EnumerateAll(EnumSource& source,
                                     const std::function<bool(std::uint32_t error)>& retry);

} // namespace sentrel
