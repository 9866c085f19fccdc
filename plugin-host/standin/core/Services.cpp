#include "plugin-host/standin/core/Services.h"

#include "plugin-host/standin/core/StandInHost.h"

namespace ulvar::standin::services {

namespace {

const char* GetMsg(int module, int number) {
    try {
        auto* host = StandInHost::Current();
        return host ? host->ServiceGetMsg(module, number) : "";
    } catch (...) {
        return "";
    }
}

int Menu(int module, int x, int y, int maxHeight, std::uint32_t flags, const char* title,
         const char* bottom, const char* helpTopic, const int* breakKeys, int* breakCode,
         const MenuItem* items, int itemsNumber) {
    try {
        if (breakCode)
            *breakCode = -1;
        auto* host = StandInHost::Current();
        return host ? host->ServiceMenu(module, x, y, maxHeight, flags, title, bottom, helpTopic,
                                        breakKeys, breakCode, items, itemsNumber)
                    : -1;
    } catch (...) {
        return -1;
    }
}

int Dialog(int module, int x1, int y1, int x2, int y2, const char* helpTopic, DialogItem* items,
           int itemsNumber) {
    try {
        auto* host = StandInHost::Current();
        return host ? host->ServiceDialog(module, x1, y1, x2, y2, helpTopic, items, itemsNumber)
                    : -1;
    } catch (...) {
        return -1;
    }
}

int Message(int module, std::uint32_t flags, const char* helpTopic, const char* const* items,
            int itemsNumber, int buttonsNumber) {
    try {
        auto* host = StandInHost::Current();
        if (!host)
            return -1;
        // The error line tells the error of the plug-in's last call: take it before anything here
        // can change it, and leave it as it was.
        auto& platform = host->Platform();
        unsigned long const lastError = platform.LastError();
        int const result = host->ServiceMessage(module, flags, helpTopic, items, itemsNumber,
                                                buttonsNumber, lastError);
        platform.SetLastError(lastError);
        return result;
    } catch (...) {
        return -1;
    }
}

int Control(PanelHandle panel, int command, void* param) {
    try {
        auto* host = StandInHost::Current();
        return host ? host->ServiceControl(panel, command, param) : 0;
    } catch (...) {
        return 0;
    }
}

void* SaveScreen(int left, int top, int right, int bottom) {
    try {
        auto* host = StandInHost::Current();
        return host ? host->ServiceSaveScreen(left, top, right, bottom) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

void RestoreScreen(void* saved) {
    try {
        if (auto* host = StandInHost::Current())
            host->ServiceRestoreScreen(saved);
    } catch (...) {
    }
}

void Text(int x, int y, int colour, const char* text) {
    try {
        if (auto* host = StandInHost::Current())
            host->ServiceText(x, y, colour, text);
    } catch (...) {
    }
}

std::intptr_t AdvControl(int module, int command, void* param) {
    try {
        auto* host = StandInHost::Current();
        return host ? host->ServiceAdvControl(module, command, param) : 0;
    } catch (...) {
        return 0;
    }
}

} // namespace

void Fill(HostStartupInfo& info) {
    info.Menu = Menu;
    info.Dialog = Dialog;
    info.Message = Message;
    info.GetMsg = GetMsg;
    info.Control = Control;
    info.SaveScreen = SaveScreen;
    info.RestoreScreen = RestoreScreen;
    info.Text = Text;
    info.AdvControl = AdvControl;
}

} // namespace ulvar::standin::services
