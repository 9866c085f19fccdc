#include "plugin-host/app/PanelLoop.h"

namespace ulvar::standin {

namespace {

constexpr int IdleMs = 1000;

} // namespace

void BrowsePanels(StandInHost& host, PanelSession& session, Terminal& terminal) {
    while (session.AnyPluginPanel()) {
        session.Draw();
        terminal.Show(host.Screen(), true);
        KeyPress key;
        if (!terminal.ReadKey(key, IdleMs)) {
            host.Idle();
            continue;
        }
        if (host.Panel() && (host.PressKey(key.key, key.state) || !session.AnyPluginPanel()))
            continue;
        session.HandleKey(key);
    }
}

} // namespace ulvar::standin
