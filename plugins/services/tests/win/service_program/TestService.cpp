// A service program for the plug-in's tests: reports running once started and stopped when asked
// to stop. Registered by a test with CreateService and deleted afterwards. Its command line is the
// service's name followed by the behaviour the test chose:
//   --no-pause          does not accept pause and continue
//   --start-delay=N     stays start-pending for N seconds before running
//   --exit-code=N       stops right after starting, with the service-specific exit code N
//   --stay-pending      never leaves start-pending (until it is stopped)
//   --args-file=PATH    writes the arguments its main function got to PATH, one a line
//   --refuse-stop=N     answers a stop request with the error N (the stop stays accepted)
// Whatever the options, setting the named event "SentrelTestService-" + the name stops it (the
// way out of a test whose service refuses to stop).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

SERVICE_STATUS_HANDLE statusHandle = nullptr;
HANDLE stopEvent = nullptr;
SERVICE_STATUS status{};

bool acceptPause = true;
DWORD startDelay = 0;
bool stopsWithCode = false;
DWORD exitCode = 0;
bool stayPending = false;
std::string argsFile;
DWORD refuseStop = NO_ERROR;

void Report(DWORD state, DWORD win32Exit = 0, DWORD specificExit = 0) {
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwWin32ExitCode = win32Exit;
    status.dwServiceSpecificExitCode = specificExit;
    status.dwWaitHint = state == SERVICE_START_PENDING ? 5000 : 0;
    ++status.dwCheckPoint;
    if (state == SERVICE_STOPPED || state == SERVICE_STOP_PENDING)
        status.dwControlsAccepted = 0;
    else if (state == SERVICE_START_PENDING)
        status.dwControlsAccepted = stayPending ? SERVICE_ACCEPT_STOP : 0;
    else
        status.dwControlsAccepted =
            SERVICE_ACCEPT_STOP | (acceptPause ? SERVICE_ACCEPT_PAUSE_CONTINUE : 0);
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, LPVOID, LPVOID) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
        if (refuseStop != NO_ERROR)
            return refuseStop;
        Report(SERVICE_STOP_PENDING);
        SetEvent(stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
        if (!acceptPause)
            return ERROR_CALL_NOT_IMPLEMENTED;
        Report(SERVICE_PAUSED);
        return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
        if (!acceptPause)
            return ERROR_CALL_NOT_IMPLEMENTED;
        Report(SERVICE_RUNNING);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WriteArguments(DWORD count, LPSTR* arguments) {
    if (argsFile.empty())
        return;
    if (FILE* file = std::fopen(argsFile.c_str(), "w")) {
        for (DWORD i = 0; i < count; ++i)
            std::fprintf(file, "%s\n", arguments[i]);
        std::fclose(file);
    }
}

void WINAPI ServiceMain(DWORD count, LPSTR* arguments) {
    statusHandle = RegisterServiceCtrlHandlerExA(arguments[0], Handler, nullptr);
    if (!statusHandle)
        return;
    WriteArguments(count, arguments);
    stopEvent = CreateEventA(nullptr, TRUE, FALSE,
                             (std::string("SentrelTestService-") + arguments[0]).c_str());
    Report(SERVICE_START_PENDING);
    if (stopsWithCode) {
        Report(SERVICE_STOPPED, ERROR_SERVICE_SPECIFIC_ERROR, exitCode);
        return;
    }
    if (stayPending) {
        WaitForSingleObject(stopEvent, INFINITE);
        Report(SERVICE_STOPPED);
        return;
    }
    if (startDelay > 0 && WaitForSingleObject(stopEvent, startDelay * 1000) == WAIT_OBJECT_0) {
        Report(SERVICE_STOPPED);
        return;
    }
    Report(SERVICE_RUNNING);
    WaitForSingleObject(stopEvent, INFINITE);
    Report(SERVICE_STOPPED);
}

bool Option(const char* argument, const char* name, std::string& value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) != 0)
        return false;
    value = argument + length;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    for (int i = 2; i < argc; ++i) {
        std::string value;
        if (std::strcmp(argv[i], "--no-pause") == 0)
            acceptPause = false;
        else if (std::strcmp(argv[i], "--stay-pending") == 0)
            stayPending = true;
        else if (Option(argv[i], "--start-delay=", value))
            startDelay = static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 10));
        else if (Option(argv[i], "--exit-code=", value)) {
            stopsWithCode = true;
            exitCode = static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (Option(argv[i], "--args-file=", value))
            argsFile = value;
        else if (Option(argv[i], "--refuse-stop=", value))
            refuseStop = static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 10));
    }
    SERVICE_TABLE_ENTRYA table[] = {{argv[1], ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
