#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// Whether a target name stays inside the destination folder: a relative path of names separated
// by "\" or "/", with no drive or stream colon, no leading separator and no step made only of
// dots (Windows trims trailing dots, so "..." walks up like "..").
bool IsTargetNameInside(std::string_view fileName);

// The destination folder with its trailing backslash, followed by the name.
std::string TargetPath(std::string_view destFolder, std::string_view fileName);

// The folder part of a target path (everything before its last separator); empty when none.
std::string TargetFolder(std::string_view path);

} // namespace cobwen
