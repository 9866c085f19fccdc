#pragma once

// The host's two panels and HostControl on them. The active side shows the host's own file panel
// or, once a plug-in opened one, the plug-in's panel; the passive side is a host panel that a test
// may turn into an information panel or a folder with items.

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/PluginPanel.h"

#include <memory>
#include <string>
#include <vector>

namespace ulvar::standin {

// A file-system folder a plug-in asked a panel to show.
struct DirectoryRequest {
    bool otherPanel = false;   // the passive side
    bool whileOpening = false; // asked from inside OpenPlugin
    std::string folder;
};

class Panels {
public:
    FilePanel& ActiveFiles() { return activeFiles_; }
    FilePanel& PassiveFiles() { return passiveFiles_; }
    // The plug-in's panel on the active side, or null.
    PluginPanel* Plugin() { return plugin_.get(); }
    const PluginPanel* Plugin() const { return plugin_.get(); }
    // Makes a plug-in panel the active one (not listed yet).
    PluginPanel& AttachPlugin(const PluginEntryPoints& entryPoints, PanelHandle handle);
    // Forgets the plug-in panel (frees its listing; closing it is the caller's business).
    void DetachPlugin() { plugin_.reset(); }

    // Set while the host is inside OpenPlugin.
    void SetOpening(bool opening) { opening_ = opening; }

    // HostControl. Returns nonzero on success.
    int Control(PanelHandle panel, int command, void* param);

    const std::vector<DirectoryRequest>& DirectoryRequests() const { return directoryRequests_; }
    // Redraws asked for with HostControl, on either side, and per side (passive: the other panel
    // of the plug-in's active one).
    int RedrawCount() const { return redraws_; }
    int RedrawCount(bool passive) const { return sideRedraws_[passive ? 1 : 0]; }
    int UpdateCount(bool passive) const { return sideUpdates_[passive ? 1 : 0]; }
    // With redraw events, every redraw of the plug-in's panel is told to it (EventRedraw with the
    // RedrawInfo, or null); a redraw asked for from inside that event is not told again.
    void SetRedrawEvents(bool on) { redrawEvents_ = on; }
    bool RedrawEvents() const { return redrawEvents_; }
    // EventRedraw to the plug-in's panel, when redraw events are on.
    void TellRedraw(const RedrawInfo* redraw);
    // The plug-in asked its panel to close (ControlClosePlugin, or a folder shown in its place).
    // The host closes it once the entry point that asked has returned.
    bool CloseRequested() const { return closeRequested_; }
    void ClearCloseRequest() { closeRequested_ = false; }

private:
    enum class Side { None, Active, Passive };
    Side Resolve(PanelHandle panel) const;
    void FillInfo(Side side, PanelInfo& info);
    void FillFileInfo(FilePanel& panel, bool focus, PanelInfo& info);
    int SetDirectory(Side side, const char* folder);

    FilePanel activeFiles_;
    FilePanel passiveFiles_;
    std::unique_ptr<PluginPanel> plugin_;
    bool opening_ = false;
    bool closeRequested_ = false;
    int redraws_ = 0;
    int sideRedraws_[2] = {0, 0};
    int sideUpdates_[2] = {0, 0};
    bool redrawEvents_ = false;
    bool inRedrawEvent_ = false;
    std::vector<DirectoryRequest> directoryRequests_;
    std::vector<PanelItem> infoItems_[2];
    std::vector<PanelItem> infoSelected_[2];
};

} // namespace ulvar::standin
