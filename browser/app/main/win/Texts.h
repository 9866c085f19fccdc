#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// A message of the program's string table.
std::wstring MessageText(unsigned id);
// `format` with each "%s" replaced by the next argument.
std::wstring FormatText(std::wstring_view format, std::initializer_list<std::wstring_view> args);

} // namespace cobwen
