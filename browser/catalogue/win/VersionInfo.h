#pragma once

#include <string>

namespace cobwen {

// The entry `key` (such as "ProductVersion") of the file's version resource, from the string table
// of the first language and code page the resource lists. The text comes in the ANSI code page.
// False, with `value` emptied, when the file, its resource or the entry is missing.
bool VersionInfoString(const std::wstring& fileName, const std::string& key, std::string& value);

} // namespace cobwen
