#pragma once

// A service of the test's own, registered with the real service control manager: the test service
// program copied to a folder on drive C: (a service started from a Z: path does not run under
// Wine), created with CreateService, optionally described and started, and stopped and deleted
// when the guard ends.

#include "tools/testsupport/ScratchFolder.h"
#include "win32/ServiceHandle.h"

#include <string>
#include <vector>

namespace sentrel::test {

// A service name no other test program or run uses: stem, the process id and the clock.
std::string UniqueName(const std::string& stem);

class TestService {
public:
    // name: unique per test; the display name and description are the service's; behaviour: the
    // options of the service program (service_program/TestService.cpp) after the name.
    TestService(std::string name, std::string displayName, std::string description,
                const std::string& behaviour = "");
    ~TestService();
    TestService(const TestService&) = delete;
    TestService& operator=(const TestService&) = delete;

    bool Created() const { return created_; }
    const std::string& Name() const { return name_; }
    const std::string& DisplayName() const { return displayName_; }
    const std::string& ProgramPath() const { return program_; }
    // A file in the service's own folder (for what the service writes).
    std::string File(const std::string& name) const { return folder_.File(name); }
    // StartService, then waits (bounded) for the running state; false when it did not run.
    bool Start();
    // Once per test program: a service of its own started and stopped, so that the manager has
    // finished starting the automatic services (until then a start fails as locked).
    static bool WaitForManagerStartup();
    // The state the manager reports now (0 when it cannot be read).
    unsigned long State() const;
    // ChangeServiceConfig: a new display name and start type.
    bool Change(const std::string& displayName, unsigned long startType);

private:
    testsupport::ScratchFolder folder_{"sentrel-service-"};
    std::string name_, displayName_, program_;
    bool created_ = false;
    bool refusesStop_ = false;
    // Held open for the guard's life: under Wine 8 a service created by CreateService could not
    // be opened by its name once the handle CreateService returned was closed (until the manager
    // started anew).
    win32::ServiceHandle manager_;
    win32::ServiceHandle service_;
};

// What the manager holds for a service, read with handles of the test's own.
struct ReadBack {
    bool found = false;
    std::string displayName, binaryPath, account, loadOrderGroup;
    unsigned long serviceType = 0, startType = 0, errorControl = 0;
    std::vector<std::string> dependencies;
    std::string description;
};
ReadBack ReadFromManager(const std::string& name);

} // namespace sentrel::test
