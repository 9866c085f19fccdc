#pragma once

// What a path given to SetDirectory, OpenPlugin or the command line means: a file-system path to
// hand to the host (it holds a colon), a computer named after two backslashes or slashes, a move
// to the top folder after a leading delimiter, then folder names (or leading parts of them) and
// "..", each allowed by the layout's navigation tables. Interpreting stops without an error at the
// first component that names nothing reachable.

#include "plugins/services/core/FolderKinds.h"
#include "plugins/services/core/SystemText.h"

#include <optional>
#include <string>
#include <string_view>

namespace sentrel {

inline constexpr std::size_t MaxComputerName = 49;
inline constexpr std::size_t MaxComputerField = 99;
inline constexpr std::size_t MaxComponent = 259;

struct PathContext {
    int layout = 0; // "DirStructure"
    FolderKind current = FolderKind::Root;
    std::string servicesName; // message 5, OEM
    std::string devicesName;  // message 6, OEM
};

struct PathResult {
    // The path holds a colon (and was not interpreted): the host is to show it.
    bool fileSystemPath = false;
    // The computer the path named (ANSI, leading blanks and tabs dropped; empty = local).
    std::optional<std::string> computer;
    // The path named a computer longer than MaxComputerName: nothing was changed.
    bool computerTooLong = false;
    // The name as it was typed, for the message about it (ANSI).
    std::string refusedComputer;
    FolderKind kind = FolderKind::Root;
};

// findMode: the host's find bit was set (a colon is then an ordinary character).
PathResult InterpretPath(std::string_view path, bool findMode, const PathContext& context,
                         const SystemText& text);

// Whether an OEM component is a non-empty leading part of an OEM name, compared in ANSI upper case.
bool MatchesLeadingPart(std::string_view component, std::string_view name, const SystemText& text);

// A computer name as the user typed it (ANSI): leading blanks, a leading pair of backslashes or
// slashes and the blanks after it, and trailing blanks dropped.
std::string CleanComputerName(std::string_view typed);

} // namespace sentrel
