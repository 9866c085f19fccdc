#include "plugin-host/standin/core/Panels.h"

#include <algorithm>
#include <cstdio>

namespace ulvar::standin {

PluginPanel& Panels::AttachPlugin(int side, const PluginEntryPoints& entryPoints,
                                  PanelHandle handle, int owner) {
    Side& target = sides_[Index(side)];
    target.plugin = std::make_unique<PluginPanel>(entryPoints, handle);
    target.owner = owner;
    target.closeRequested = false;
    return *target.plugin;
}

void Panels::DetachPlugin(int side) {
    Side& target = sides_[Index(side)];
    target.plugin.reset();
    target.closeRequested = false;
}

int Panels::SideOf(PanelHandle panel) const {
    for (int side : {active_, PassiveSide()})
        if (sides_[side].plugin && sides_[side].plugin->Handle() == panel)
            return side;
    return -1;
}

int Panels::Resolve(PanelHandle panel) const {
    if (panel == ActivePanel)
        return active_;
    if (panel == PassivePanel)
        return PassiveSide();
    return SideOf(panel);
}

int Panels::Control(PanelHandle panel, int command, void* param) {
    int const side = Resolve(panel);
    if (side < 0)
        return 0;
    int const other = 1 - side;
    switch (command) {
    case ControlGetPanelInfo:
    case ControlGetOtherPanelInfo:
        if (!param)
            return 0;
        FillInfo(command == ControlGetPanelInfo ? side : other, *static_cast<PanelInfo*>(param));
        return 1;
    case ControlUpdatePanel:
    case ControlUpdateOtherPanel: {
        int const target = command == ControlUpdatePanel ? side : other;
        ++sideUpdates_[target];
        if (auto* plugin = PluginOn(target))
            plugin->Refresh(param != nullptr);
        return 1;
    }
    case ControlRedrawPanel:
    case ControlRedrawOtherPanel: {
        int const target = command == ControlRedrawPanel ? side : other;
        ++redraws_;
        ++sideRedraws_[target];
        auto const* redraw = static_cast<const RedrawInfo*>(param);
        if (auto* plugin = PluginOn(target)) {
            if (redraw)
                plugin->SetCursor(redraw->CurrentItem, redraw->TopPanelItem);
            TellRedraw(target, redraw);
        } else if (redraw) {
            FilePanel& files = Files(target);
            int const last = std::max(static_cast<int>(files.items.size()) - 1, 0);
            files.current = std::clamp(redraw->CurrentItem, 0, last);
            files.top = std::clamp(redraw->TopPanelItem, 0, last);
        }
        return 1;
    }
    case ControlSetSelection: {
        if (!param)
            return 0;
        auto const& info = *static_cast<const PanelInfo*>(param);
        if (auto* plugin = PluginOn(side)) {
            plugin->ApplySelection(info);
        } else if (info.PanelItems) {
            FilePanel& files = Files(side);
            int const count = std::min(info.ItemsNumber, static_cast<int>(files.items.size()));
            for (int i = 0; i < count; ++i)
                files.items[i].Flags = (files.items[i].Flags & ~ItemSelected) |
                                       (info.PanelItems[i].Flags & ItemSelected);
        }
        return 1;
    }
    case ControlSetPanelDirectory:
        return SetDirectory(side, false, static_cast<const char*>(param));
    case ControlSetOtherPanelDirectory:
        return SetDirectory(other, true, static_cast<const char*>(param));
    case ControlSetViewMode:
    case ControlSetSortMode: {
        if (!param)
            return 0;
        int const value = *static_cast<const int*>(param);
        if (command == ControlSetViewMode && (value < 0 || value >= ViewModeCount))
            return 0;
        if (auto* plugin = PluginOn(side)) {
            if (command == ControlSetViewMode)
                plugin->SetViewMode(value);
            else
                plugin->SetSortMode(value, plugin->SortDescending());
        } else {
            FilePanel& files = Files(side);
            (command == ControlSetViewMode ? files.viewMode : files.sortMode) = value;
        }
        return 1;
    }
    case ControlClosePlugin:
        if (!PluginOn(side))
            return 0;
        sides_[side].closeRequested = true;
        if (param)
            Files(side).folder = static_cast<const char*>(param);
        return 1;
    default:
        return 0;
    }
}

void Panels::TellRedraw(int side, const RedrawInfo* redraw) {
    auto* plugin = PluginOn(side);
    if (!redrawEvents_ || inRedrawEvent_ || !plugin || plugin->Closed())
        return;
    inRedrawEvent_ = true;
    plugin->ProcessEvent(EventRedraw, const_cast<RedrawInfo*>(redraw));
    inRedrawEvent_ = false;
}

int Panels::SetDirectory(int side, bool otherPanel, const char* folder) {
    if (!folder)
        return 0;
    directoryRequests_.push_back({otherPanel, opening_, folder, side});
    Files(side).folder = folder;
    // A folder shown where a plug-in's panel is replaces that panel.
    if (PluginOn(side))
        sides_[side].closeRequested = true;
    return 1;
}

PanelRect Panels::SideRect(int side) const {
    return side == LeftSide ? PanelRect{0, 1, 39, 22} : PanelRect{40, 1, 79, 22};
}

void Panels::FillInfo(int side, PanelInfo& info) {
    if (auto* plugin = PluginOn(side)) {
        plugin->FillInfo(info);
        PanelRect const rect = SideRect(side);
        info.Rect.Left = rect.Left;
        info.Rect.Right = rect.Right;
        info.Focus = side == active_ ? 1 : 0;
    } else {
        FillFileInfo(side, info);
    }
}

void Panels::FillFileInfo(int side, PanelInfo& info) {
    FilePanel& panel = Files(side);
    auto& items = sides_[side].infoItems;
    auto& selected = sides_[side].infoSelected;
    items = panel.items;
    selected.clear();
    for (auto const& item : items)
        if (item.Flags & ItemSelected)
            selected.push_back(item);
    int const count = static_cast<int>(items.size());
    int const current = count > 0 ? std::clamp(panel.current, 0, count - 1) : 0;
    if (selected.empty() && count > 0)
        selected.push_back(items[static_cast<std::size_t>(current)]);

    info = PanelInfo{};
    info.PanelType = panel.type;
    info.Plugin = 0;
    info.Rect = SideRect(side);
    info.PanelItems = items.empty() ? nullptr : items.data();
    info.ItemsNumber = count;
    info.SelectedItems = selected.empty() ? nullptr : selected.data();
    info.SelectedItemsNumber = static_cast<int>(selected.size());
    info.CurrentItem = current;
    info.TopPanelItem = panel.top;
    info.Visible = panel.visible ? 1 : 0;
    info.Focus = side == active_ ? 1 : 0;
    info.ViewMode = panel.viewMode;
    std::snprintf(info.ColumnTypes, sizeof info.ColumnTypes, "%s", "N");
    std::snprintf(info.ColumnWidths, sizeof info.ColumnWidths, "%s", "0");
    std::string const folder = interfacePath_ ? interfacePath_(panel.folder) : panel.folder;
    std::snprintf(info.CurDir, sizeof info.CurDir, "%s", folder.c_str());
    info.SortMode = panel.sortMode;
}

} // namespace ulvar::standin
