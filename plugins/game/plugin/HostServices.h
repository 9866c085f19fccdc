#pragma once

// The plug-in's copy of the host's startup record and thin calls of its services. Text passed
// here is OEM text, as the host takes it.

#include "ulvar/Plugin.h"

#include <string>
#include <string_view>

namespace blocksby {

class HostServices {
public:
    // Keeps as much of the record as the host says it holds.
    void Set(const ulvar::HostStartupInfo& info);
    const ulvar::HostStartupInfo& Info() const { return info_; }

    // The message, or "" when the host has none; never null.
    const char* Msg(int number) const;
    void Text(int x, int y, int colour, std::string_view text) const;
    void Flush() const;
    void* SaveWholeScreen() const;
    void RestoreScreen(void* saved) const;
    // A menu centred on screen; the chosen item or -1.
    int Menu(std::uint32_t flags, const char* title, const ulvar::MenuItem* items, int count) const;
    // A dialog of the given size centred on screen; the closing item or -1.
    int Dialog(int width, int height, ulvar::DialogItem* items, int count) const;

private:
    ulvar::HostStartupInfo info_{};
};

} // namespace blocksby
