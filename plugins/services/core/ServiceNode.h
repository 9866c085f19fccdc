#pragma once

// One service or driver as the plug-in lists it (`ServiceNode`), and a list of them
// (`ServiceList`). A record is copied out of the system's buffers into texts of its own, so it
// keeps no pointer into them. Records are shared: the panel items that show a record keep it
// alive, so a list replaced in the cache while another panel still shows it frees nothing that
// panel refers to.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

// Windows service states.
enum ServiceState : std::uint32_t {
    StateStopped = 1,
    StateStartPending = 2,
    StateStopPending = 3,
    StateRunning = 4,
    StateContinuePending = 5,
    StatePausePending = 6,
    StatePaused = 7,
};

inline constexpr std::uint32_t Win32ServiceTypes = 0x30;
inline constexpr std::uint32_t DriverTypes = 0x0B;

// The configuration as the system reports it; texts in ANSI.
struct ServiceConfig {
    std::uint32_t serviceType = 0;
    std::uint32_t startType = 0;
    std::uint32_t errorControl = 0;
    std::string binaryPath;
    std::string loadOrderGroup;
    std::uint32_t tagId = 0;
    std::vector<std::string> dependencies; // an entry "+name" names a load-order group
    std::string account;
    std::string displayName; // the service name when the system gives none
};

struct ServiceNode {
    std::string name; // ANSI
    ServiceConfig config;
    std::uint32_t state = 0;
    std::uint64_t readTime = 0;             // UTC, 100-ns units since 1601, when the state was read
    int mark = 0;                           // selected before an operation
    std::optional<std::string> description; // OEM

    std::uint32_t DependencyCount() const {
        return static_cast<std::uint32_t>(config.dependencies.size());
    }
};

using ServicePtr = std::shared_ptr<ServiceNode>;

// A list of records, the newest first.
class ServiceList {
public:
    const std::vector<ServicePtr>& Records() const { return records_; }
    std::size_t Count() const { return records_.size(); }
    // The number of records whose state is neither stopped nor start pending.
    std::size_t ActiveCount() const;

    // The first record whose name equals name exactly (case counts), or null.
    ServiceNode* FindRecord(const std::string& name) const;
    // Puts a record at the front.
    void InsertRecord(ServicePtr record);
    // Takes the first record of that name out; false when there is none.
    bool RemoveRecord(const std::string& name);

private:
    std::vector<ServicePtr> records_;
};

using ListPtr = std::shared_ptr<ServiceList>;

// Copies the selection marks of old's records to the records of fresh with the same name (exact).
void CopyMarks(const ServiceList& old, ServiceList& fresh);

} // namespace sentrel
