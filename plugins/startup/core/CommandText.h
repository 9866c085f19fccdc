#pragma once

// How a stored startup text becomes a program and its arguments, and how a program and its
// arguments become the text of a Run value.

#include <functional>
#include <string>
#include <string_view>

namespace launchet {

struct Command {
    std::string program;
    std::string arguments; // trimmed; may be empty
};

// Whether a path names an existing file.
using FileExists = std::function<bool(const std::string&)>;

// A registry text: a program in double quotes ends at the closing quote (none: both empty);
// otherwise a text that names an existing file is all program; otherwise the program ends at the
// first blank. Blanks before the text do not count.
Command SplitRegistryCommand(std::string_view text, const FileExists& exists);
// A token of a win.ini line: the program inside its double quotes (to the end without a closing
// one), else up to the first blank; the arguments are the rest without leading blanks.
Command SplitIniToken(std::string_view token);

// What the panel shows: the program and, with arguments, one blank and the arguments; at most
// 259 characters.
std::string RowName(const Command& command);
inline constexpr std::size_t RowNameLength = 259;

// A Run value's data: a path with a blank in double quotes (with or without arguments, so that
// Windows never starts the part before the blank), then one blank and the arguments when there
// are any.
std::string RunValueData(std::string_view path, std::string_view arguments);

} // namespace launchet
