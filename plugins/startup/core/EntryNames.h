#pragma once

// Names of new entries: the default name of a file, the check that a name fits both a file name
// and a registry value name, and the first free name of a family ("name", "name1", "name2", ...).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace launchet {

// The file-name part of the path, cut before its first ".".
std::string DefaultEntryName(std::string_view path);

// A name a shortcut file and a Run value can both hold: not empty, no control characters and none
// of \ / : * ? " < > |.
bool IsValidEntryName(std::string_view name);

// The first of base, base1, base2, ... (formed by make) that taken does not report; nothing when
// MaxNumberedNames names are all taken.
inline constexpr int MaxNumberedNames = 10000;
std::optional<std::string> FirstFreeName(const std::function<std::string(int number)>& make,
                                         const std::function<bool(const std::string&)>& taken);

} // namespace launchet
