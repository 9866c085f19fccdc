// ulvar-host: tries plug-ins in a console, as Ulvar would run them, beside folders of the machine.
//   ulvar-host [--lang en|ru] [--size WxH] PLUGIN.dll [MORE.dll ...]

#include "plugin-host/app/MainMenu.h"
#include "plugin-host/standin/console/ConsoleTerminal.h"
#include "plugin-host/standin/core/HostArguments.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/win/DllLoading.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>
#include <windows.h>

using namespace ulvar::standin;

namespace {

// Ctrl+C and Ctrl+Break go to the open panel as a break event (on the handler's own thread),
// instead of ending the process.
BOOL WINAPI OnControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (auto* host = StandInHost::Current())
        host->SendBreak();
    return TRUE;
}

int Run(const HostArguments& arguments) {
    ConsoleTerminal terminal;
    if (!terminal.Valid()) {
        std::fprintf(stderr, "ulvar-host needs a console\n");
        return 2;
    }
    HostOptions options;
    options.language = arguments.language;
    options.redrawEvents = true;
    if (arguments.width > 0) {
        terminal.EnsureBufferSize(arguments.width, arguments.height);
        options.screenWidth = arguments.width;
        options.screenHeight = arguments.height;
    } else {
        // A smaller console would cut the screen of a plug-in drawn for 80x25.
        std::string const error = ScreenSizeError(terminal.BufferWidth(), terminal.BufferHeight());
        if (!error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        options.screenWidth = terminal.BufferWidth();
        options.screenHeight = terminal.BufferHeight();
    }

    InteractiveUi ui(terminal);
    StandInHost host(options, ui);
    ui.SetScreen(&host.Screen());
    std::string loadError;
    if (!LoadDll(host, arguments.plugin, &loadError)) {
        std::fprintf(stderr, "cannot load %s: %s\n", arguments.plugin.c_str(), loadError.c_str());
        return 1;
    }
    for (auto const& more : arguments.morePlugins) {
        if (AddDll(host, more, &loadError) < 0) {
            std::fprintf(stderr, "cannot load %s: %s\n", more.c_str(), loadError.c_str());
            return 1;
        }
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    PanelSession session(host, std::string(temp) + "ulvar-host-view");
    // Both sides show the folder the host started in until a plug-in's panel opens on one.
    std::string const folder = host.Platform().CurrentFolder();
    session.ShowFolder(LeftSide, folder);
    session.ShowFolder(RightSide, folder);
    SetConsoleCtrlHandler(OnControl, TRUE);
    RunMainMenu(host, session, ui, terminal);
    host.Exit();
    SetConsoleCtrlHandler(OnControl, FALSE);
    host.Screen().Clear();
    host.Screen().SetCursor(0, 0, true);
    terminal.Show(host.Screen(), true);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> const words(argv + 1, argv + argc);
    auto const arguments = ParseHostArguments(words);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "%s\n%s\n", arguments.error.c_str(), HostUsage);
        return 2;
    }
    try {
        return Run(arguments);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ulvar-host: %s\n", error.what());
        return 1;
    }
}
