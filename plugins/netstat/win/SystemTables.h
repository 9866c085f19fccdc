#pragma once

// The system's TCP and UDP tables and its process snapshot. Which functions exist decides the
// listing: the two tables of the IP helper's stack with owning processes, or, where a newer
// system no longer has those, the extended tables with owning process ids; either together with
// the tool help snapshot functions makes extended mode. Without them the plain tables are read
// and no process is known.

#include "plugins/netstat/core/Endpoints.h"
#include "win32/Handle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace sockwell::win {

enum class TableSource {
    Plain,          // GetTcpTable and GetUdpTable: no owning processes
    StackTables,    // AllocateAndGetTcpExTableFromStack and its UDP partner
    ExtendedTables, // GetExtendedTcpTable and GetExtendedUdpTable with owning process ids
};

const char* TableSourceName(TableSource source);

class SystemTables {
public:
    // Loads "iphlpapi.dll" by name and looks the functions up.
    SystemTables();
    SystemTables(const SystemTables&) = delete;
    SystemTables& operator=(const SystemTables&) = delete;

    // The source extended mode uses when the system has it; Plain otherwise.
    TableSource BestSource() const;
    bool Has(TableSource source) const;
    bool HasSnapshot() const { return createSnapshot_ && processFirst_ && processNext_; }

    // Reads both tables from a source (Plain when the source is missing).
    EndpointTables Read(TableSource source) const;

    // Executable names by process id from one snapshot of the running processes.
    class Processes {
    public:
        std::optional<std::string> Name(std::uint32_t processId) const;

    private:
        friend class SystemTables;
        std::unordered_map<std::uint32_t, std::string> names_; // OEM text
    };
    // Empty when the snapshot functions are missing or the snapshot fails.
    Processes TakeSnapshot() const;

private:
    using AllocateFromStack = DWORD(WINAPI*)(void** table, BOOL order, HANDLE heap, DWORD flags,
                                             DWORD family);
    using GetExtendedTable = DWORD(WINAPI*)(void* table, DWORD* size, BOOL order, ULONG family,
                                            int tableClass, ULONG reserved);
    using CreateSnapshot = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
    using WalkProcesses = BOOL(WINAPI*)(HANDLE snapshot, void* entry);

    EndpointTables ReadPlain() const;
    EndpointTables ReadStack() const;
    EndpointTables ReadExtended() const;

    win32::ModuleHandle ipHelper_;
    AllocateFromStack tcpFromStack_ = nullptr;
    AllocateFromStack udpFromStack_ = nullptr;
    GetExtendedTable extendedTcp_ = nullptr;
    GetExtendedTable extendedUdp_ = nullptr;
    CreateSnapshot createSnapshot_ = nullptr;
    WalkProcesses processFirst_ = nullptr;
    WalkProcesses processNext_ = nullptr;
};

} // namespace sockwell::win
