// cobwen-get: runs the browser's transfer queue over the URLs of its command line and prints
// every event in UTF-8. Exit code 0 when every transfer succeeded, 1 otherwise.
#include "tools/cobwen-get/EventLines.h"
#include "tools/cobwen-get/GetOptions.h"

#include "browser/transfer/win/GetFiles.h"
#include "win32/Text.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

using namespace cobwen;

constexpr UINT StopMessage = WM_APP + 1;
constexpr std::int64_t ProgressStep = 1 << 20;

// The console's control handler takes no context: it finds the thread to stop through this.
std::atomic<DWORD> mainThreadId{0};

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT)
        return FALSE;
    PostThreadMessageW(mainThreadId, StopMessage, 0, 0);
    return TRUE;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

int Run(const GetOptions& options) {
    TGetFiles queue;
    // The command line is ANSI text.
    queue.SetDestFolder(win32::ToWide(options.DestFolder, win32::AnsiCodePage));
    queue.SetProxy(options.Proxy);
    queue.SetMaxCount(options.MaxCount);

    std::size_t done = 0;
    bool failed = false;
    bool stopped = false;
    bool stopAsked = false;
    ProgressTotal progress(ProgressStep);
    GetFilesEvents events;
    events.OnStart = [](const std::string& url) {
        Print(StartLine(url));
    };
    events.OnProgress = [&](std::int32_t size) {
        if (auto line = progress.Add(size))
            Print(*line);
    };
    events.OnOverwriteQuery = [&](const std::string& question, bool& overwrite) {
        overwrite = options.Overwrite;
        Print(OverwriteLine(question, overwrite));
    };
    events.OnError = [&](const std::string& text) {
        failed = true;
        Print(ErrorLine(text));
    };
    events.OnDone = [&](bool transferFailed, const std::string& url) {
        ++done;
        failed = failed || transferFailed;
        Print(DoneLine(transferFailed, url));
    };
    events.OnStopped = [&] {
        stopped = true;
        Print(StoppedLine());
    };
    queue.SetEvents(std::move(events));

    mainThreadId = GetCurrentThreadId();
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    for (const std::string& url : options.Urls)
        queue.Add(url);

    // The events arrive as sent messages, which GetMessage would handle without returning: the
    // loop waits for any input and checks after each round whether the run is over.
    // After a stop, OnStopped comes once the workers of the moment have ended; workers that had
    // ended before it still report OnDone.
    const auto over = [&] {
        return stopped || done >= options.Urls.size();
    };
    while (!over()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.hwnd == nullptr && message.message == StopMessage) {
                stopAsked = true;
                queue.Stop();
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!over())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    }
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    Print(progress.Line());
    return failed || stopAsked || done < options.Urls.size() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        SetConsoleOutputCP(CP_UTF8);
        // The lines are UTF-8 with "\n" endings as they are; no text-mode translation.
        _setmode(_fileno(stdout), _O_BINARY);
        std::vector<std::string> arguments(argv + 1, argv + argc);
        GetOptions options;
        std::string error;
        if (!ParseGetOptions(arguments, options, error)) {
            std::fprintf(stderr, "cobwen-get: %s\n%s", error.c_str(), GetUsage);
            return 1;
        }
        return Run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cobwen-get: %s\n", e.what());
        return 1;
    }
}
