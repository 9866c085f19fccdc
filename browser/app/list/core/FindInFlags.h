#pragma once

#include <cstdint>

namespace cobwen {

// Flags of the FindIn setting: the fields the name filter searches besides the name.
enum FindInFlags : std::uint8_t {
    kFindInDescription = 1,
    kFindInURL = 2,
    kFindInEMail = 4,
    // A bit of its own, so that values stored before the home page could be searched keep their
    // meaning.
    kFindInHomePage = 8,
};
inline constexpr std::uint8_t kFindInMask =
    kFindInDescription | kFindInURL | kFindInEMail | kFindInHomePage;

} // namespace cobwen
