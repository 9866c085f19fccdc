#pragma once

// The interactive host's two panels as a person works with them: the left and the right side,
// each a folder of the machine or a plug-in's panel, drawn side by side (or the active one alone),
// with the keys of a two-panel file manager. The terminal loop reads a key, gives it to the active
// plug-in panel first and hands what that leaves to HandleKey.
//
// Keys: Tab switches the side; cursor keys, Home, End, PageUp, PageDown move; Insert selects;
// Enter enters a folder; F3 views; F5 and F6 copy and move to the other side; F7 makes a folder
// in a file panel; F8 (Delete) deletes a plug-in's items; F9 the plug-in's configuration; F11 the
// plug-ins menu; Alt+Shift+F9 the configuration menu (plug-ins' settings, the host's language);
// Alt+F7 searches a plug-in's items for a text; Ctrl+0..9 view modes; Ctrl+F3..F11
// sort modes (Ctrl+F7 unsorted, the same key again reverses); Ctrl+R rereads; Ctrl+P hides and
// shows the other panel; Ctrl+L makes it the information panel (and back); a view mode marked
// full-screen hides it too; Esc or F10 closes a plug-in's panel. A plug-in panel alone on the
// screen takes F5 as a prompt for a file to copy in.

#include "plugin-host/standin/core/HostTexts.h"
#include "plugin-host/standin/core/Keys.h"
#include "plugin-host/standin/core/StandInHost.h"

#include <string>

namespace ulvar::standin {

// Keys of the panels beyond those of Keys.h.
inline constexpr int CopyKey = 0x74;    // F5
inline constexpr int MoveKey = 0x75;    // F6
inline constexpr int FolderKey = 0x76;  // F7
inline constexpr int DeleteKey = 0x77;  // F8
inline constexpr int PluginsKey = 0x7A; // F11
inline constexpr int SearchKey = 0x76;  // Alt+F7

// The sort mode Ctrl with a function key chooses (F3 name ... F11 owner, F7 unsorted); -1 for
// keys without one.
int SortModeOfKey(int key);

class PanelSession {
public:
    // viewFolder: where F3 has plug-ins write the item viewed.
    PanelSession(StandInHost& host, std::string viewFolder);

    // A side not showing a plug-in's panel shows folder.
    void ShowFolder(int side, const std::string& folder);
    // Draws the panels and the key bar into the host's screen.
    void Draw();
    // A key the active plug-in panel did not take (or any key on a file panel).
    void HandleKey(const KeyPress& key);
    // Whether a plug-in panel is open on either side.
    bool AnyPluginPanel();
    bool PassiveHidden() const { return passiveHidden_; }
    // The key bar row shown: that of the modifiers of the last key.
    int KeyRow() const { return keyRow_; }
    const HostTexts& Texts() const;

    // The commands the keys run.
    void Move(int delta, bool toEnd = false);
    void Enter();
    void View();
    void CopyOrMove(bool move);
    void MakeFolder();
    void Delete();
    void Sort(int mode);
    void ChooseViewMode(int mode);
    void Reread();
    void PluginsMenu();
    // The host's search through the active plug-in panel's items: asks for the text and shows the
    // names of the items whose copy (GetFiles in find mode) holds it.
    void Search();
    // Ctrl+L: the other side (when it shows no plug-in's panel) becomes the information panel
    // about the active one, or a file panel again.
    void ToggleInformation();
    // The command line: what the user types in the panels (characters no plug-in panel took),
    // Backspace, Esc to clear; Enter runs "prefix:text" with the plug-in of that prefix
    // (OpenPlugin from the command line with the text after the colon). False when the line held
    // no known prefix (the line is then kept).
    const std::string& CommandLine() const { return commandLine_; }
    bool RunCommandLine();
    // Alt+Shift+F9: the host's configuration menu: every plug-in's configuration entries and the
    // host's language (switched at run time: the plug-ins see it at the next redraw).
    void ConfigurationMenu();

private:
    FilePanel& ActiveFiles() { return host_.GetPanels().ActiveFiles(); }
    void ShowText(const std::string& title, const std::string& path);
    void PromptAndPutFile();
    // A one-line prompt of the host's; nullopt when cancelled.
    std::optional<std::string> Prompt(const std::string& title, const std::string& label,
                                      const std::string& button, const std::string& history);

    StandInHost& host_;
    std::string viewFolder_;
    bool passiveHidden_ = false;
    std::string commandLine_;
    int keyRow_ = 0;
};

} // namespace ulvar::standin
