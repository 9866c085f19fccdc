#include "plugin-host/kit/core/HostServices.h"

#include <algorithm>
#include <cstring>

namespace ulvar::kit {

namespace {

struct Field {
    std::size_t offset;
    std::size_t size;
};

#define ULVAR_KIT_FIELD(name)                                                                      \
    Field {                                                                                        \
        offsetof(HostStartupInfo, name), sizeof(HostStartupInfo::name)                             \
    }
// The fields after ModuleName: a record that ends inside one of them holds a pointer or number
// cut in two.
constexpr Field CutFields[] = {
    ULVAR_KIT_FIELD(ModuleNumber), ULVAR_KIT_FIELD(RootKey),    ULVAR_KIT_FIELD(Menu),
    ULVAR_KIT_FIELD(Dialog),       ULVAR_KIT_FIELD(Message),    ULVAR_KIT_FIELD(GetMsg),
    ULVAR_KIT_FIELD(Control),      ULVAR_KIT_FIELD(SaveScreen), ULVAR_KIT_FIELD(RestoreScreen),
    ULVAR_KIT_FIELD(Text),         ULVAR_KIT_FIELD(AdvControl),
};
#undef ULVAR_KIT_FIELD

} // namespace

void HostServices::Keep(const HostStartupInfo& info) {
    info_ = HostStartupInfo{};
    keptSize_ = std::min(static_cast<std::size_t>(std::max(info.StructSize, 0)), sizeof info_);
    std::memcpy(&info_, &info, keptSize_);
    auto* const bytes = reinterpret_cast<unsigned char*>(&info_);
    for (const Field& field : CutFields) {
        if (field.offset < keptSize_ && keptSize_ < field.offset + field.size)
            std::memset(bytes + field.offset, 0, field.size);
    }
    info_.ModuleName[MaxPath - 1] = '\0';
}

bool HostServices::HasAdvControl() const {
    return keptSize_ >= static_cast<std::size_t>(StartupInfoSizeWithoutAdvControl) +
                            sizeof(HostStartupInfo::AdvControl);
}

const char* HostServices::Msg(int number) const {
    const char* text = info_.GetMsg ? info_.GetMsg(info_.ModuleNumber, number) : nullptr;
    return text ? text : "";
}

std::string HostServices::SettingsKey(std::string_view subKey) const {
    std::string key = info_.RootKey ? info_.RootKey : "";
    key += '\\';
    key += subKey;
    return key;
}

void HostServices::Text(int x, int y, int colour, std::string_view text) const {
    if (info_.Text) {
        const std::string zeroTerminated(text);
        info_.Text(x, y, colour, zeroTerminated.c_str());
    }
}

void HostServices::Flush() const {
    if (info_.Text)
        info_.Text(0, 0, 0, nullptr);
}

void* HostServices::SaveScreen(int left, int top, int right, int bottom) const {
    return info_.SaveScreen ? info_.SaveScreen(left, top, right, bottom) : nullptr;
}

void HostServices::RestoreScreen(void* saved) const {
    if (info_.RestoreScreen)
        info_.RestoreScreen(saved);
}

int HostServices::Menu(std::uint32_t flags, const char* title, const MenuItem* items, int count,
                       const int* breakKeys, int* breakCode, const char* bottom,
                       const char* helpTopic) const {
    int ignored = -1;
    int* const code = breakCode ? breakCode : &ignored;
    *code = -1;
    if (!info_.Menu)
        return -1;
    return info_.Menu(info_.ModuleNumber, -1, -1, 0, flags, title, bottom, helpTopic, breakKeys,
                      code, items, count);
}

int HostServices::Dialog(int width, int height, DialogItem* items, int count,
                         const char* helpTopic) const {
    return info_.Dialog
               ? info_.Dialog(info_.ModuleNumber, -1, -1, width, height, helpTopic, items, count)
               : -1;
}

int HostServices::Message(std::uint32_t flags, const char* helpTopic, const char* const* items,
                          int count, int buttons) const {
    return info_.Message
               ? info_.Message(info_.ModuleNumber, flags, helpTopic, items, count, buttons)
               : -1;
}

int HostServices::Control(PanelHandle panel, int command, void* param) const {
    return info_.Control ? info_.Control(panel, command, param) : 0;
}

std::intptr_t HostServices::AdvControl(int command, void* param) const {
    return HasAdvControl() && info_.AdvControl
               ? info_.AdvControl(info_.ModuleNumber, command, param)
               : 0;
}

} // namespace ulvar::kit
