#include "plugins/services/core/FolderKinds.h"

namespace sentrel {

namespace {

constexpr int None = -1;
// Indexed by layout and the current kind (root, services, devices).
constexpr int Parents[LayoutCount][3] = {
    {None, 0, 0},
    {None, None, 1},
    {None, 2, None},
};
// Bits of the kinds that may be entered: 1 << kind.
constexpr int Children[LayoutCount][3] = {
    {(1 << 1) | (1 << 2), 0, 0},
    {0, 1 << 2, 0},
    {0, 0, 1 << 1},
};

int Layout(int layout) {
    return layout >= 0 && layout < LayoutCount ? layout : 0;
}

} // namespace

std::optional<FolderKind> ParentKind(int layout, FolderKind kind) {
    const int parent = Parents[Layout(layout)][static_cast<int>(kind)];
    if (parent == None)
        return std::nullopt;
    return static_cast<FolderKind>(parent);
}

bool MayEnter(int layout, FolderKind from, FolderKind child) {
    return (Children[Layout(layout)][static_cast<int>(from)] & (1 << static_cast<int>(child))) != 0;
}

} // namespace sentrel
