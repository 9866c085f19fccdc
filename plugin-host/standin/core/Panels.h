#pragma once

// The host's two panels, left and right, and HostControl on them. Each side shows a file panel of
// the host's own (a folder with its items, or an information panel) or, once a plug-in opened one
// there, the plug-in's panel; plug-in panels may be open on both sides at once, of one plug-in or
// of two. One side is the active one; Tab makes the other one active.

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/PluginPanel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ulvar::standin {

inline constexpr int LeftSide = 0;
inline constexpr int RightSide = 1;

// A file-system folder a plug-in asked a panel to show.
struct DirectoryRequest {
    bool otherPanel = false;   // the side other than the asking panel's
    bool whileOpening = false; // asked from inside OpenPlugin
    std::string folder;
    int side = LeftSide; // the side that was to show it
};

class Panels {
public:
    int ActiveSide() const { return active_; }
    int PassiveSide() const { return 1 - active_; }
    // Tab: the other side becomes the active one.
    void SwitchActive() { active_ = 1 - active_; }
    void SetActiveSide(int side) { active_ = side == RightSide ? RightSide : LeftSide; }

    // The file panel of a side: what it shows when no plug-in panel is open there.
    FilePanel& Files(int side) { return sides_[Index(side)].files; }
    FilePanel& ActiveFiles() { return Files(active_); }
    FilePanel& PassiveFiles() { return Files(PassiveSide()); }
    // The plug-in's panel on a side, or null.
    PluginPanel* PluginOn(int side) { return sides_[Index(side)].plugin.get(); }
    const PluginPanel* PluginOn(int side) const { return sides_[Index(side)].plugin.get(); }
    // The plug-in panel on the active side, or null.
    PluginPanel* Plugin() { return PluginOn(active_); }
    const PluginPanel* Plugin() const { return PluginOn(active_); }
    // Which plug-in of the host's owns a side's panel (the order of loading; -1: none).
    int OwnerOn(int side) const {
        return sides_[Index(side)].plugin ? sides_[Index(side)].owner : -1;
    }
    // The side whose plug-in panel has that handle (the active side first), or -1.
    int SideOf(PanelHandle panel) const;

    // Makes a plug-in panel the one of a side (not listed yet); one there already is forgotten.
    PluginPanel& AttachPlugin(int side, const PluginEntryPoints& entryPoints, PanelHandle handle,
                              int owner = 0);
    PluginPanel& AttachPlugin(const PluginEntryPoints& entryPoints, PanelHandle handle) {
        return AttachPlugin(active_, entryPoints, handle);
    }
    // Forgets a side's plug-in panel (frees its listing; closing it is the caller's business).
    void DetachPlugin(int side);
    void DetachPlugin() { DetachPlugin(active_); }

    // How a file panel's folder (the system's path) is spelt in the interface's CurDir: the host
    // converts it to the OEM code page. Unset, CurDir is the folder as it stands.
    void SetInterfacePath(std::function<std::string(const std::string&)> convert) {
        interfacePath_ = std::move(convert);
    }

    // Set while the host is inside OpenPlugin.
    void SetOpening(bool opening) { opening_ = opening; }

    // HostControl. Returns nonzero on success.
    int Control(PanelHandle panel, int command, void* param);

    const std::vector<DirectoryRequest>& DirectoryRequests() const { return directoryRequests_; }
    // Redraws asked for with HostControl: in all, per side (LeftSide, RightSide), and for the
    // side that is passive now (passive) or active now.
    int RedrawCount() const { return redraws_; }
    int RedrawCountOn(int side) const { return sideRedraws_[Index(side)]; }
    int UpdateCountOn(int side) const { return sideUpdates_[Index(side)]; }
    int RedrawCount(bool passive) const { return RedrawCountOn(passive ? PassiveSide() : active_); }
    int UpdateCount(bool passive) const { return UpdateCountOn(passive ? PassiveSide() : active_); }
    // With redraw events, every redraw of a plug-in's panel is told to it (EventRedraw with the
    // RedrawInfo, or null); a redraw asked for from inside that event is not told again.
    void SetRedrawEvents(bool on) { redrawEvents_ = on; }
    bool RedrawEvents() const { return redrawEvents_; }
    // EventRedraw to a side's plug-in panel (the active side's), when redraw events are on.
    void TellRedraw(int side, const RedrawInfo* redraw);
    void TellRedraw(const RedrawInfo* redraw) { TellRedraw(active_, redraw); }
    // A plug-in asked its panel to close (ControlClosePlugin, or a folder shown in its place).
    // The host closes it once the entry point that asked has returned.
    bool CloseRequested(int side) const { return sides_[Index(side)].closeRequested; }
    bool CloseRequested() const { return CloseRequested(active_); }
    void ClearCloseRequest(int side) { sides_[Index(side)].closeRequested = false; }
    void ClearCloseRequest() { ClearCloseRequest(active_); }

private:
    struct Side {
        FilePanel files;
        std::unique_ptr<PluginPanel> plugin;
        int owner = 0;
        bool closeRequested = false;
        std::vector<PanelItem> infoItems;
        std::vector<PanelItem> infoSelected;
    };
    static int Index(int side) { return side == RightSide ? RightSide : LeftSide; }
    // The side a handle names, or -1.
    int Resolve(PanelHandle panel) const;
    void FillInfo(int side, PanelInfo& info);
    void FillFileInfo(int side, PanelInfo& info);
    int SetDirectory(int side, bool otherPanel, const char* folder);
    PanelRect SideRect(int side) const;

    Side sides_[2];
    int active_ = LeftSide;
    bool opening_ = false;
    int redraws_ = 0;
    int sideRedraws_[2] = {0, 0};
    int sideUpdates_[2] = {0, 0};
    bool redrawEvents_ = false;
    bool inRedrawEvent_ = false;
    std::vector<DirectoryRequest> directoryRequests_;
    std::function<std::string(const std::string&)> interfacePath_;
};

} // namespace ulvar::standin
