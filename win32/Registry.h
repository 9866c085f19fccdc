#pragma once

// Registry keys and the 32-bit values the kit keeps in them.

#include "win32/Handle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace win32 {

// The key `path` below `parent`; an invalid key when it cannot be opened or created. Paths in the
// ANSI code page, or UTF-16.
RegistryKey OpenKey(HKEY parent, const std::string& path, REGSAM access);
RegistryKey OpenKey(HKEY parent, const std::wstring& path, REGSAM access);
RegistryKey CreateKey(HKEY parent, const std::string& path, REGSAM access);
RegistryKey CreateKey(HKEY parent, const std::wstring& path, REGSAM access);

// Deletes the key `path` below `parent` when it holds neither sub-keys nor values (the default
// value included); true when it was deleted.
bool DeleteKeyIfEmpty(HKEY parent, const std::string& path);

// A value that is REG_DWORD and four bytes long; nothing for a missing value, another type or
// another size.
std::optional<std::uint32_t> ReadDword(HKEY key, const char* name);
std::optional<std::uint32_t> ReadDword(HKEY key, const wchar_t* name);
// False when the value could not be written.
bool WriteDword(HKEY key, const char* name, std::uint32_t value);

} // namespace win32
