#include "plugins/game/plugin/HostServices.h"

#include <algorithm>
#include <cstring>

namespace blocksby {

void HostServices::Set(const ulvar::HostStartupInfo& info) {
    info_ = ulvar::HostStartupInfo{};
    const auto size =
        std::min(static_cast<std::size_t>(std::max(info.StructSize, 0)), sizeof info_);
    std::memcpy(&info_, &info, size);
    info_.ModuleName[ulvar::MaxPath - 1] = '\0';
}

const char* HostServices::Msg(int number) const {
    const char* text = info_.GetMsg ? info_.GetMsg(info_.ModuleNumber, number) : nullptr;
    return text ? text : "";
}

void HostServices::Text(int x, int y, int colour, std::string_view text) const {
    if (info_.Text) {
        const std::string zeroTerminated(text);
        info_.Text(x, y, colour, zeroTerminated.c_str());
    }
}

void HostServices::Flush() const {
    if (info_.Text) {
        info_.Text(0, 0, 0, nullptr);
    }
}

void* HostServices::SaveWholeScreen() const {
    return info_.SaveScreen ? info_.SaveScreen(-1, -1, -1, -1) : nullptr;
}

void HostServices::RestoreScreen(void* saved) const {
    if (info_.RestoreScreen) {
        info_.RestoreScreen(saved);
    }
}

int HostServices::Menu(std::uint32_t flags, const char* title, const ulvar::MenuItem* items,
                       int count) const {
    if (!info_.Menu) {
        return -1;
    }
    int breakCode = -1;
    return info_.Menu(info_.ModuleNumber, -1, -1, 0, flags, title, nullptr, nullptr, nullptr,
                      &breakCode, items, count);
}

int HostServices::Dialog(int width, int height, ulvar::DialogItem* items, int count) const {
    return info_.Dialog
               ? info_.Dialog(info_.ModuleNumber, -1, -1, width, height, nullptr, items, count)
               : -1;
}

} // namespace blocksby
