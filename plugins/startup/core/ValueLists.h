#pragma once

// The stored forms of lists: a registry value's bytes as text, comma lists of logon programs,
// multi-strings and pending-rename pairs, and the lines of win.ini.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace launchet {

// Registry value types, as the registry numbers them.
inline constexpr std::uint32_t TypeString = 1;       // REG_SZ
inline constexpr std::uint32_t TypeExpandString = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t TypeMultiString = 7;  // REG_MULTI_SZ

// A value's bytes as text: a string value (REG_SZ or REG_EXPAND_SZ) up to its first zero byte or
// its end, when it has no terminating zero; any other type as all its bytes.
std::string ValueText(std::uint32_t type, std::string_view bytes);

// A comma list: an element starts at the current character (the first one always belongs to it)
// and runs to the next comma or the end; the commas after it are skipped.
std::vector<std::string> SplitValueList(std::string_view text);
// Every element followed by a comma.
std::string JoinValueList(const std::vector<std::string>& elements);

// The zero-separated strings of a multi-string, up to its first empty string or its end (a final
// string without its terminating zero counts).
std::vector<std::string> SplitMultiString(std::string_view bytes);
// Source and target pairs of pending renames, while the source is not empty; a missing target
// is empty.
std::vector<std::pair<std::string, std::string>> SplitRenamePairs(std::string_view bytes);

// A win.ini line's tokens: commas, blanks and tabs between them are skipped; a token that begins
// with a double quote runs to the next double quote inclusive (to the end without one), any other
// to the next comma (blanks inside and at its end stay).
std::vector<std::string> TokenizeIniLine(std::string_view line);
// The tokens joined by single commas.
std::string JoinIniTokens(const std::vector<std::string>& tokens);

} // namespace launchet
