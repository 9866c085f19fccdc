#pragma once

#include "browser/catalogue/win/ErrorDialog.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <windows.h>

// windows.h maps the name ReplaceFile to its own function through a macro; here it is ours.
#undef ReplaceFile

namespace cobwen {

// Moves `source` onto `target`, replacing it and copying across drives when needed; when the move
// fails, copies and then deletes the source. When the copy fails too, shows the system's message
// for the failure with the source's folder (`messageFormat` gets the system's message first) and
// returns false. Two paths that differ only in case are the same file: nothing is done. The
// message and its folder are code page 1251 text.
bool ReplaceFile(const std::filesystem::path& source, const std::filesystem::path& target,
                 const std::string& messageFormat);
bool ReplaceFile(const std::filesystem::path& source, const std::filesystem::path& target,
                 const std::string& messageFormat, ErrorDialog& dialog);

// The folder part of a path: everything before its last backslash, or up to and including the
// colon of a bare drive ("C:name" gives "C:"); empty for a bare name.
std::string FolderOf(std::string_view path);

} // namespace cobwen
