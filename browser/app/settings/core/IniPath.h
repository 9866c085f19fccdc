#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// The INI file beside a program: the program's path with its extension (the part of the file name
// from its last dot on) replaced by ".ini", or with ".ini" appended when the name has none.
std::string IniPathForProgram(std::string_view programPath);

} // namespace cobwen
