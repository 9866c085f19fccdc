#pragma once

// A plug-in's copy of the host's startup record and thin calls of the services it holds. The host
// hands the record over for the duration of SetStartupInfo only, so the plug-in keeps its own copy;
// a service the record does not hold answers as the host does when it refuses (-1, 0 or null).
// Text passed here is OEM text, as the host takes it.

#include "ulvar/Plugin.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ulvar::kit {

class HostServices {
public:
    // Keeps at most StructSize bytes of the record (a negative size keeps nothing, a size beyond
    // this record keeps this record). A field the host's record holds only in part is cleared, and
    // ModuleName always ends with a zero.
    void Keep(const HostStartupInfo& info);
    const HostStartupInfo& Info() const { return info_; }
    // How many bytes of the host's record were kept.
    std::size_t KeptSize() const { return keptSize_; }
    // The host's record reaches AdvControl: hosts before that service hand out a shorter one.
    bool HasAdvControl() const;

    // The message, or "" when the host has none; never null.
    const char* Msg(int number) const;
    // The plug-in's registry key below HKEY_CURRENT_USER: the host's root key and subKey.
    std::string SettingsKey(std::string_view subKey) const;

    void Text(int x, int y, int colour, std::string_view text) const;
    // Shows what Text wrote.
    void Flush() const;
    void* SaveScreen(int left, int top, int right, int bottom) const;
    void* SaveWholeScreen() const { return SaveScreen(-1, -1, -1, -1); }
    void RestoreScreen(void* saved) const;

    // A menu centred on screen; the chosen item or -1. breakCode, when given, receives the index
    // of the break key that closed the menu, or -1.
    int Menu(std::uint32_t flags, const char* title, const MenuItem* items, int count,
             const int* breakKeys = nullptr, int* breakCode = nullptr, const char* bottom = nullptr,
             const char* helpTopic = nullptr) const;
    // A dialog of the given size centred on screen; the closing item or -1.
    int Dialog(int width, int height, DialogItem* items, int count,
               const char* helpTopic = nullptr) const;
    int Dialog(int width, int height, std::vector<DialogItem>& items,
               const char* helpTopic = nullptr) const {
        return Dialog(width, height, items.data(), static_cast<int>(items.size()), helpTopic);
    }
    // items: the title, the lines and the buttons; the chosen button or -1.
    int Message(std::uint32_t flags, const char* helpTopic, const char* const* items, int count,
                int buttons) const;
    int Control(PanelHandle panel, int command, void* param) const;
    // 0 when the host has no AdvControl.
    std::intptr_t AdvControl(int command, void* param = nullptr) const;

private:
    HostStartupInfo info_{};
    std::size_t keptSize_ = 0;
};

} // namespace ulvar::kit
