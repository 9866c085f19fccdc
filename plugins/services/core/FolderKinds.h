#pragma once

// The three folder kinds and the navigation between them: which kind is the top folder of each
// layout ("DirStructure"), which kind is the parent of another, and which folders may be entered.

#include <optional>

namespace sentrel {

enum class FolderKind { Root = 0, Services = 1, Devices = 2 };

inline constexpr int LayoutCount = 3;

// The top folder of a layout 0 to 2.
inline FolderKind TopKind(int layout) {
    return static_cast<FolderKind>(layout >= 0 && layout < LayoutCount ? layout : 0);
}

// The parent of a folder in a layout, or none at the top.
std::optional<FolderKind> ParentKind(int layout, FolderKind kind);
// Whether the folder `child` may be entered from `from` in a layout.
bool MayEnter(int layout, FolderKind from, FolderKind child);

inline bool IsDriverKind(FolderKind kind) {
    return kind == FolderKind::Devices;
}

} // namespace sentrel
