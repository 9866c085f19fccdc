#pragma once

#include <cstdint>

namespace cobwen {

// Flags of the FindIn setting: the fields the name filter searches besides the name.
enum FindInFlags : std::uint8_t {
    FindInDescription = 1,
    FindInURL = 2,
    FindInEMail = 4,
    // A bit of its own, so that values stored before the home page could be searched keep their
    // meaning.
    FindInHomePage = 8,
};
inline constexpr std::uint8_t FindInMask =
    FindInDescription | FindInURL | FindInEMail | FindInHomePage;

} // namespace cobwen
