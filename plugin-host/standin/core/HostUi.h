#pragma once

// What a plug-in shows through the host's menus, dialogs and messages, and the interface that
// answers them: scripted in tests (ScriptedUi), the real console in the interactive program.

#include "ulvar/Plugin.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulvar::standin {

class VirtualScreen;

// What the plug-in showed, as the host received it.
struct MenuShown {
    int x = 0, y = 0, maxHeight = 0;
    std::uint32_t flags = 0;
    std::string title, bottom, helpTopic;
    std::vector<int> breakKeys; // without the terminating zero
    std::vector<MenuItem> items;
};

struct DialogShown {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string helpTopic;
    std::vector<DialogItem> items; // as passed in, before any answer changed them
    // For each item, the history list of an edit with DialogHistory, the latest text first (the
    // host keeps one list per history name for its lifetime); empty for the other items.
    std::vector<std::vector<std::string>> histories;
};

struct MessageShown {
    std::uint32_t flags = 0;
    std::string helpTopic;
    std::vector<std::string> lines; // the title first, then the text lines (and the error line)
    std::vector<std::string> buttons;
};

struct MenuAnswer {
    int item = -1;      // the chosen item, or -1
    int breakCode = -1; // index of the break key pressed, or -1
};

// Answers the plug-in's menus, dialogs and messages.
class HostUi {
public:
    virtual ~HostUi() = default;
    virtual MenuAnswer Menu(const MenuShown& menu) = 0;
    // May change the items' texts and states; returns the closing item or -1.
    virtual int Dialog(const DialogShown& dialog, std::vector<DialogItem>& items) = 0;
    virtual int Message(const MessageShown& message) = 0;
    // Called after the plug-in flushed its text output.
    virtual void Flushed(const VirtualScreen&) {}
    // Called after a saved area was put back on the screen (HostRestoreScreen).
    virtual void ScreenRestored(const VirtualScreen&) {}
};

} // namespace ulvar::standin
