#include "plugin-host/standin/core/Panels.h"

#include <algorithm>
#include <cstdio>

namespace ulvar::standin {

PluginPanel& Panels::AttachPlugin(const PluginEntryPoints& entryPoints, PanelHandle handle) {
    plugin_ = std::make_unique<PluginPanel>(entryPoints, handle);
    closeRequested_ = false;
    return *plugin_;
}

Panels::Side Panels::Resolve(PanelHandle panel) const {
    if (panel == ActivePanel)
        return Side::Active;
    if (panel == PassivePanel)
        return Side::Passive;
    if (plugin_ && panel == plugin_->Handle())
        return Side::Active;
    return Side::None;
}

int Panels::Control(PanelHandle panel, int command, void* param) {
    Side const side = Resolve(panel);
    if (side == Side::None)
        return 0;
    Side const other = side == Side::Active ? Side::Passive : Side::Active;
    bool const pluginSide = side == Side::Active && plugin_;
    switch (command) {
    case ControlGetPanelInfo:
    case ControlGetOtherPanelInfo:
        if (!param)
            return 0;
        FillInfo(command == ControlGetPanelInfo ? side : other, *static_cast<PanelInfo*>(param));
        return 1;
    case ControlUpdatePanel:
    case ControlUpdateOtherPanel: {
        Side const target = command == ControlUpdatePanel ? side : other;
        ++sideUpdates_[target == Side::Passive ? 1 : 0];
        if (target == Side::Active && plugin_)
            plugin_->Refresh(param != nullptr);
        return 1;
    }
    case ControlRedrawPanel:
    case ControlRedrawOtherPanel: {
        Side const target = command == ControlRedrawPanel ? side : other;
        ++redraws_;
        ++sideRedraws_[target == Side::Passive ? 1 : 0];
        auto const* redraw = static_cast<const RedrawInfo*>(param);
        if (target == Side::Active && plugin_) {
            if (redraw)
                plugin_->SetCursor(redraw->CurrentItem, redraw->TopPanelItem);
            TellRedraw(redraw);
        } else if (redraw) {
            FilePanel& files = target == Side::Active ? activeFiles_ : passiveFiles_;
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
        if (pluginSide) {
            plugin_->ApplySelection(info);
        } else if (info.PanelItems) {
            FilePanel& files = side == Side::Active ? activeFiles_ : passiveFiles_;
            int const count = std::min(info.ItemsNumber, static_cast<int>(files.items.size()));
            for (int i = 0; i < count; ++i)
                files.items[i].Flags = (files.items[i].Flags & ~ItemSelected) |
                                       (info.PanelItems[i].Flags & ItemSelected);
        }
        return 1;
    }
    case ControlSetPanelDirectory:
        return SetDirectory(side, static_cast<const char*>(param));
    case ControlSetOtherPanelDirectory:
        return SetDirectory(other, static_cast<const char*>(param));
    case ControlSetViewMode:
    case ControlSetSortMode: {
        if (!param)
            return 0;
        int const value = *static_cast<const int*>(param);
        if (command == ControlSetViewMode && (value < 0 || value >= ViewModeCount))
            return 0;
        if (pluginSide) {
            if (command == ControlSetViewMode)
                plugin_->SetViewMode(value);
            else
                plugin_->SetSortMode(value, plugin_->SortDescending());
        } else {
            FilePanel& files = side == Side::Active ? activeFiles_ : passiveFiles_;
            (command == ControlSetViewMode ? files.viewMode : files.sortMode) = value;
        }
        return 1;
    }
    case ControlClosePlugin:
        if (!pluginSide)
            return 0;
        closeRequested_ = true;
        if (param)
            activeFiles_.folder = static_cast<const char*>(param);
        return 1;
    default:
        return 0;
    }
}

void Panels::TellRedraw(const RedrawInfo* redraw) {
    if (!redrawEvents_ || inRedrawEvent_ || !plugin_ || plugin_->Closed())
        return;
    inRedrawEvent_ = true;
    plugin_->ProcessEvent(EventRedraw, const_cast<RedrawInfo*>(redraw));
    inRedrawEvent_ = false;
}

int Panels::SetDirectory(Side side, const char* folder) {
    if (!folder)
        return 0;
    directoryRequests_.push_back({side == Side::Passive, opening_, folder});
    (side == Side::Active ? activeFiles_ : passiveFiles_).folder = folder;
    // A folder shown where the plug-in's panel is replaces that panel.
    if (side == Side::Active && plugin_)
        closeRequested_ = true;
    return 1;
}

void Panels::FillInfo(Side side, PanelInfo& info) {
    if (side == Side::Active && plugin_)
        plugin_->FillInfo(info);
    else
        FillFileInfo(side == Side::Active ? activeFiles_ : passiveFiles_, side == Side::Active,
                     info);
}

void Panels::FillFileInfo(FilePanel& panel, bool focus, PanelInfo& info) {
    auto& items = infoItems_[focus ? 0 : 1];
    auto& selected = infoSelected_[focus ? 0 : 1];
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
    info.Rect = focus ? PanelRect{0, 1, 39, 22} : PanelRect{40, 1, 79, 22};
    info.PanelItems = items.empty() ? nullptr : items.data();
    info.ItemsNumber = count;
    info.SelectedItems = selected.empty() ? nullptr : selected.data();
    info.SelectedItemsNumber = static_cast<int>(selected.size());
    info.CurrentItem = current;
    info.TopPanelItem = panel.top;
    info.Visible = panel.visible ? 1 : 0;
    info.Focus = focus ? 1 : 0;
    info.ViewMode = panel.viewMode;
    std::snprintf(info.ColumnTypes, sizeof info.ColumnTypes, "%s", "N");
    std::snprintf(info.ColumnWidths, sizeof info.ColumnWidths, "%s", "0");
    std::snprintf(info.CurDir, sizeof info.CurDir, "%s", panel.folder.c_str());
    info.SortMode = panel.sortMode;
}

} // namespace ulvar::standin
