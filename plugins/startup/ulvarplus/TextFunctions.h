#pragma once

// Text functions of the class library: trimming, quoting a text with a blank, the file-name part of
// a path, and the three ways a long path is shortened to a width for display.

#include <string>
#include <string_view>

namespace ulvarplus {

// Without white space (blank, tab, line ends) at either end.
std::string Trim(std::string_view text);
// A text containing a blank in double quotes, adding only the quote missing at either end; any
// other text unchanged.
std::string QuoteIfBlank(std::string_view text);
// The text after the last "/", ":" or backslash (the whole text when it has none).
std::string FileNamePart(std::string_view path);

// At most width characters: a longer text becomes "..." and its last width - 3 characters (for a
// width of 3 or less, its first width characters).
std::string ShortenTail(std::string_view text, int width);
// Keeps a drive root ("C:\") or network root ("\\server\share\") in front when the width leaves
// room for it and five more characters: root, "..." and the last characters. Otherwise the tail
// form.
std::string ShortenPath(std::string_view text, int width);
// Keeps everything up to the first backslash in front when the width is at least its position + 5:
// that part, "..." and the last characters. Otherwise the tail form.
std::string ShortenLocation(std::string_view text, int width);

} // namespace ulvarplus
