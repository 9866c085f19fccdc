#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cobwen {

class TextLocale;

// Replace the first occurrence of `pattern` while there is one, searching from the start each time.
void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);
void ReplaceAllIgnoreCase(std::string& text, std::string_view pattern, std::string_view replacement,
                          const TextLocale& locale);
std::string ReplacedIgnoreCase(std::string_view text, std::string_view pattern,
                               std::string_view replacement, const TextLocale& locale);

std::string RemoveChar(std::string_view text, char c);
std::string TrimTrailing(std::string_view text, std::string_view chars);

// Reads a decimal 32-bit integer (leading blanks and a sign allowed); nothing when it is not one.
bool TryParseInt32(std::string_view text, std::int32_t& value);

// "1023", "1K", "1,5M", "2,00G" with the locale's separators; halves round to even.
std::string FormatSize(std::int32_t bytes, const TextLocale& locale);

// Breaks the text at blanks into lines of at most `width` characters joined by CR LF; a word
// longer than the width stays whole.
std::string WrapText(std::string_view text, std::size_t width);

// A path ending in a backslash; a lone drive letter gets ":\".
std::string IncludeTrailingDelimiter(std::string_view path);

} // namespace cobwen
