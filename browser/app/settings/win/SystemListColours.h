#pragma once

#include "browser/app/settings/core/ListColours.h"

namespace cobwen {

// The list colours' defaults from the system's current window colour, each mapped to the nearest
// colour the display shows.
ListColours SystemListColours();

} // namespace cobwen
