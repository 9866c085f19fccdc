#pragma once

// The rules of the dependency editor that the service and driver properties share: the list's
// menu (title, lines, bottom text), the keys that change it, the candidates offered for adding,
// and the double-zero-terminated form the system takes. An entry "+name" names a load-order group.

#include "plugins/services/core/ServiceNode.h"
#include "plugins/services/core/SystemText.h"

#include <functional>
#include <string>
#include <vector>

namespace sentrel {

// The list being edited and the position of the chosen entry.
struct DependencyEdit {
    std::vector<std::string> entries;
    int current = 0;
};

enum class DependencyKey { Delete, MoveUp, MoveDown };

// Del removes the chosen entry (the position stays, or moves up from the last line); Ctrl+Up and
// Ctrl+Down exchange it with its neighbour (nothing at the ends) and the position follows it.
// A chosen line outside the list does nothing.
void ApplyDependencyKey(DependencyEdit& edit, DependencyKey key, int chosen);
// Appends an entry and makes it the current one.
void AddDependency(DependencyEdit& edit, std::string entry);

inline constexpr std::size_t MaxMenuTitle = 60;
// titleFormat: message 196/197 with %1 for the display name. A title longer than 60 characters
// has the name shortened with "..." so that it fits; when that is not enough, the title is cut to
// 57 characters followed by "...".
std::string DependencyMenuTitle(const std::string& titleFormat, const std::string& displayName);
// A group entry as groupFormat (message 198) with the group's name, any other as it is; at most
// 127 characters.
std::string DependencyLine(const std::string& entry, const std::string& groupFormat);
// Message 199 (empty), 200 (one entry) or 201 (more).
int DependencyBottomMessage(std::size_t count);

// A line of the adding menu: its text, and the entry it adds ("" for the separator line).
struct DependencyCandidate {
    std::string text;
    std::string entry;
};
// The distinct non-empty load-order groups of the list sorted without regard to case, an empty
// separator line, then the records sorted by name without regard to case, each as its name padded
// to the longest name plus one, a vertical line (OEM 179), a blank and the display name, cut at
// 60 characters. The service being edited and what the list holds already (without regard to
// case) are left out. Texts are ANSI; the caller converts them for the menu.
std::vector<DependencyCandidate> DependencyCandidates(const ServiceList& list,
                                                      const std::string& editedService,
                                                      const std::vector<std::string>& entries,
                                                      const SystemText& text);

// The entries as the system takes them: each followed by a zero, and one zero more (an empty
// list is two zeros, which clears the dependencies; no text at all would leave them unchanged).
std::string DoubleZeroList(const std::vector<std::string>& entries);

} // namespace sentrel
