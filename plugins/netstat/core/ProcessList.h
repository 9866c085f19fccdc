#pragma once

// The owning process of every row of the last listing, in row order, for the process dialog.

#include <cstdint>
#include <string>
#include <vector>

namespace sockwell {

struct ProcessEntry {
    std::string name; // the executable's file name, or "???" when the process was not found
    std::string id;   // "0x" and the id in lowercase hexadecimal
};

using RowProcessList = std::vector<ProcessEntry>;

inline constexpr const char* UnknownProcessName = "???";

std::string ProcessIdText(std::uint32_t processId);

} // namespace sockwell
