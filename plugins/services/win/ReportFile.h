#pragma once

// Writes a report file: created or overwritten, shared for reading, written through a buffer of
// 1024 bytes. Write failures after the file was created are not reported.

#include <string>
#include <string_view>

namespace sentrel::win {

inline constexpr std::size_t ReportBufferSize = 1024;

// False when the file could not be created. path: ANSI.
bool WriteReportFile(const std::string& path, std::string_view text);

} // namespace sentrel::win
