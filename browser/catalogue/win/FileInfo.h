#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace cobwen {

class TextLocale;

// Size in bytes of the first file (not folder) matching the path, which may be a wildcard
// pattern; read-only, hidden, system and archive files count. 0 when nothing matches.
std::int32_t FileSizeOf(const std::filesystem::path& path);

// The file's modification time as "d mmm yyyy (hh:nn:ss)", or "?" when the file cannot be
// opened for reading.
std::string FileDateText(const std::filesystem::path& path, const TextLocale& locale);

// The system's folder for temporary files, with its trailing backslash; empty if the system
// reports none that fits in 1024 characters.
std::filesystem::path TempFolder();

} // namespace cobwen
