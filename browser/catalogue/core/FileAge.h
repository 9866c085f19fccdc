#pragma once

#include "browser/catalogue/core/DateTime.h"

#include <filesystem>

namespace cobwen {

// The file's modification time as a local date-time; 0 for a folder, or when the file has none
// or cannot be read.
// Implemented once per platform.
DateTime FileAge(const std::filesystem::path& path);

} // namespace cobwen
