#include "plugins/services/tests/win/TestService.h"

#include "win32/Handle.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sentrel::test {

std::string UniqueName(const std::string& stem) {
    return stem + std::to_string(GetCurrentProcessId()) + "x" +
           std::to_string(GetTickCount64() % 1000000);
}

TestService::TestService(std::string name, std::string displayName, std::string description,
                         const std::string& behaviour)
    : name_(std::move(name)), displayName_(std::move(displayName)),
      program_(folder_.File("sentrel_test_service.exe")),
      refusesStop_(behaviour.find("--refuse-stop") != std::string::npos) {
    std::filesystem::copy_file(
        std::filesystem::path(testsupport::ProgramFolder()) / "sentrel_test_service.exe", program_);
    manager_ = win32::ServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    std::string command = "\"" + program_ + "\" " + name_;
    if (!behaviour.empty())
        command += " " + behaviour;
    service_ = win32::ServiceHandle(
        CreateServiceA(manager_.Get(), name_.c_str(), displayName_.c_str(), SERVICE_ALL_ACCESS,
                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                       command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    created_ = service_.Valid();
    if (!created_)
        std::fprintf(stderr, "CreateService %s: error %lu\n", name_.c_str(), GetLastError());
    if (created_ && !description.empty()) {
        SERVICE_DESCRIPTIONA text{description.data()};
        ChangeServiceConfig2A(service_.Get(), SERVICE_CONFIG_DESCRIPTION, &text);
    }
}

TestService::~TestService() {
    if (!service_.Valid())
        return;
    SERVICE_STATUS status{};
    bool stopping = false;
    if (refusesStop_) {
        // Under Wine a refused stop leaves the manager refusing every later control of the
        // service (as not acceptable now): the program's own event ends it.
        const win32::KernelHandle end(
            OpenEventA(EVENT_MODIFY_STATE, FALSE, ("SentrelTestService-" + name_).c_str()));
        stopping = end.Valid() && SetEvent(end.Get());
    } else {
        stopping = ControlService(service_.Get(), SERVICE_CONTROL_STOP, &status);
    }
    if (stopping) {
        for (int i = 0; i < 100 && QueryServiceStatus(service_.Get(), &status) &&
                        status.dwCurrentState != SERVICE_STOPPED;
             ++i)
            Sleep(50);
    }
    if (State() != SERVICE_STOPPED && State() != 0)
        std::fprintf(stderr, "service %s still runs (state %lu)\n", name_.c_str(), State());
    DeleteService(service_.Get());
}

bool TestService::Start() {
    if (!service_.Valid())
        return false;
    // While the manager starts the automatic services (after the wineserver started, and again
    // whenever the system processes were ended and come back), StartService waits 3 s for the
    // start-up lock and fails with ERROR_SERVICE_DATABASE_LOCKED: try again, bounded.
    const ULONGLONG deadline = GetTickCount64() + 90000;
    for (;;) {
        if (StartServiceA(service_.Get(), 0, nullptr))
            break;
        const DWORD error = GetLastError();
        if (error != ERROR_SERVICE_DATABASE_LOCKED || GetTickCount64() > deadline) {
            std::fprintf(stderr, "StartService %s: error %lu\n", program_.c_str(), error);
            return false;
        }
        std::fprintf(stderr, "StartService %s: database locked, again\n", name_.c_str());
    }
    for (int i = 0; i < 200; ++i) {
        if (State() == SERVICE_RUNNING)
            return true;
        Sleep(50);
    }
    return false;
}

bool TestService::WaitForManagerStartup() {
    static const bool started = [] {
        TestService probe("SentrelWarmUp" + std::to_string(GetCurrentProcessId()) + "x" +
                              std::to_string(GetTickCount64() % 1000000),
                          "Sentrel warm-up", "");
        return probe.Created() && probe.Start();
    }();
    return started;
}

unsigned long TestService::State() const {
    SERVICE_STATUS status{};
    return service_.Valid() && QueryServiceStatus(service_.Get(), &status) ? status.dwCurrentState
                                                                           : 0;
}

bool TestService::Change(const std::string& displayName, unsigned long startType) {
    if (!service_.Valid())
        return false;
    displayName_ = displayName;
    return ChangeServiceConfigA(service_.Get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                displayName.c_str()) != FALSE;
}

ReadBack ReadFromManager(const std::string& name) {
    ReadBack result;
    const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const win32::ServiceHandle service(
        OpenServiceA(manager.Get(), name.c_str(), SERVICE_QUERY_CONFIG));
    if (!service.Valid())
        return result;
    std::vector<unsigned char> buffer(8192);
    DWORD needed = 0;
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!QueryServiceConfigA(service.Get(), config, static_cast<DWORD>(buffer.size()), &needed))
        return result;
    result.found = true;
    result.displayName = config->lpDisplayName ? config->lpDisplayName : "";
    result.binaryPath = config->lpBinaryPathName ? config->lpBinaryPathName : "";
    result.account = config->lpServiceStartName ? config->lpServiceStartName : "";
    result.loadOrderGroup = config->lpLoadOrderGroup ? config->lpLoadOrderGroup : "";
    result.serviceType = config->dwServiceType;
    result.startType = config->dwStartType;
    result.errorControl = config->dwErrorControl;
    for (const char* entry = config->lpDependencies; entry && *entry;
         entry += std::strlen(entry) + 1)
        result.dependencies.emplace_back(entry);
    std::vector<unsigned char> text(8192);
    if (QueryServiceConfig2A(service.Get(), SERVICE_CONFIG_DESCRIPTION, text.data(),
                             static_cast<DWORD>(text.size()), &needed)) {
        const auto* description = reinterpret_cast<SERVICE_DESCRIPTIONA*>(text.data());
        result.description = description->lpDescription ? description->lpDescription : "";
    }
    return result;
}

} // namespace sentrel::test
