#pragma once

// What a key does in the plug-in's panels: the keys every folder shares (choosing the computer,
// Ctrl+R) and the operations of the services and devices folders.

namespace sentrel {

enum class KeyAction {
    None,
    AskComputer,         // F6
    PickComputer,        // Alt+F6
    UseLocalComputer,    // Shift+F6
    Reread,              // Ctrl+R: reported as not handled, so that the host lists anew
    EditProperties,      // F4
    Start,               // F5
    Pause,               // F7
    Stop,                // F8
    EditDescriptions,    // Ctrl+Z
    HardwareProfiles,    // Alt+F4
    Restart,             // Alt+F5
    RereadState,         // Shift+F1
    CreateService,       // Shift+F4
    StartWithParameters, // Shift+F5
    DeleteItem,          // Shift+F8
};

// key: a virtual-key code; controlState: the host's KeyState bits.
KeyAction KeyActionFor(int key, unsigned controlState);

// The keys every folder handles before its own.
inline bool IsCommonKey(KeyAction action) {
    return action == KeyAction::AskComputer || action == KeyAction::PickComputer ||
           action == KeyAction::UseLocalComputer || action == KeyAction::Reread;
}

} // namespace sentrel
