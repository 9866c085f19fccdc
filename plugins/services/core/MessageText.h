#pragma once

// Texts of the plug-in's message boxes. A text from the language file is never used as a printf
// format: its inserts %1 to %99 are filled here, an insert the caller did not give stays as it
// was written, and every other character is copied as it is (so a stray percent sign does no
// harm). The box's lines are cut at line feeds and at "%n", and a long line is broken at a blank.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sentrel {

// The text with %1.. replaced by the inserts ("%n" and "%%" are kept for the line breaking).
std::string FillInserts(std::string_view text, const std::vector<std::string>& inserts);

inline constexpr std::size_t BreakCountedLength = 65;
inline constexpr std::size_t BreakWithin = 50;
inline constexpr std::size_t MaxMessageLines = 23;

// A text cut into lines at LF (a CR before it dropped) and at "%n"; a line that reaches 65
// characters (percent signs not counted) is broken at the last blank within its first 50, the
// blank dropped, again for the rest; a line without such a blank stays whole.
std::vector<std::string> MessageLines(std::string_view text);

struct MessageBox {
    std::vector<std::string> lines; // the title first
    std::vector<std::string> buttons;
    bool errorLineByHost = false; // the host is still to add the error line
};

// texts: the title and the text lines (count - buttons of them), then the button labels. A missing
// text becomes errorText when withErrorLine (the host is then not asked for one), else it is
// skipped. At most MaxMessageLines lines are kept, the title included.
MessageBox BuildMessageBox(const std::vector<std::optional<std::string>>& texts, int buttons,
                           bool withErrorLine, const std::string& errorText);

} // namespace sentrel
