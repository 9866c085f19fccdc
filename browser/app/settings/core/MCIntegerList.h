#pragma once

#include <cstdint>
#include <vector>

namespace cobwen {

// A growable list of 32-bit integers that holds each value once: adding a value already present
// leaves the list as it is. Holds catalogue ids (the basket, the downloaded plug-ins) in the order
// they were added.
class TMCIntegerList {
public:
    using const_iterator = std::vector<std::int32_t>::const_iterator;

    // Appends `value` unless it is already present.
    void Add(std::int32_t value);
    // Position of `value`, or -1.
    int IndexOf(std::int32_t value) const;
    bool Contains(std::int32_t value) const { return IndexOf(value) >= 0; }
    // Removes `value` if present; the others keep their order.
    void Remove(std::int32_t value);
    // Removes the value at `index` (0 to Count() - 1).
    void Delete(int index);
    void Clear() { items_.clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    std::int32_t operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::int32_t>& Items() const { return items_; }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    friend bool operator==(const TMCIntegerList&, const TMCIntegerList&) = default;

private:
    std::vector<std::int32_t> items_;
};

} // namespace cobwen
