#include "plugins/netstat/win/SystemTables.h"

#include "win32/Text.h"

#include <ws2tcpip.h>

#include <iphlpapi.h>
#include <tlhelp32.h>

#include <memory>
#include <vector>

namespace sockwell::win {

namespace {

// The rows of the stack tables and of the extended tables with owning process ids share one
// layout; ports sit in network byte order in the lower 16 bits.
struct TcpOwnerRow {
    DWORD state, localAddress, localPort, remoteAddress, remotePort, processId;
};
struct UdpOwnerRow {
    DWORD localAddress, localPort, processId;
};
template <typename Row> struct OwnerTable {
    DWORD count;
    Row rows[1];
};

constexpr DWORD StackFlags = 2;
constexpr int TcpOwnerPidAll = 5; // TCP_TABLE_OWNER_PID_ALL
constexpr int UdpOwnerPid = 1;    // UDP_TABLE_OWNER_PID
constexpr DWORD SnapshotProcesses = 2;

std::uint16_t Port(DWORD networkOrderPort) {
    return ntohs(static_cast<u_short>(networkOrderPort));
}

TcpEndpoint Endpoint(const TcpOwnerRow& row) {
    return {row.state,         row.localAddress,     Port(row.localPort),
            row.remoteAddress, Port(row.remotePort), row.processId};
}

UdpEndpoint Endpoint(const UdpOwnerRow& row) {
    return {row.localAddress, Port(row.localPort), row.processId};
}

// A table the IP helper allocated on the process heap.
struct HeapFreer {
    void operator()(void* block) const { HeapFree(GetProcessHeap(), 0, block); }
};
using HeapBlock = std::unique_ptr<void, HeapFreer>;

template <typename Row, typename Out> void CopyRows(const void* table, std::vector<Out>& into) {
    auto const* owner = static_cast<const OwnerTable<Row>*>(table);
    for (DWORD i = 0; i < owner->count; ++i)
        into.push_back(Endpoint(owner->rows[i]));
}

// Calls a table function that reports the size it needs: a small buffer first and, when the
// reported size is larger, again into a buffer of that size. Sockets come and go between two calls,
// so a table that grew meanwhile asks again, a few times at most. Empty when the calls fail.
template <typename Call> std::optional<std::vector<std::uint64_t>> SizedCall(Call&& call) {
    constexpr int Attempts = 8;
    std::vector<std::uint64_t> buffer(2); // 16 bytes, aligned for the tables' rows
    DWORD size = 16;
    DWORD result = call(buffer.data(), &size);
    for (int attempt = 1; result == ERROR_INSUFFICIENT_BUFFER && attempt < Attempts; ++attempt) {
        // Room for the rows that may come before the next call.
        size += size / 4;
        buffer.assign((size + 7) / 8, 0);
        size = static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t));
        result = call(buffer.data(), &size);
    }
    if (result != NO_ERROR)
        return std::nullopt;
    return buffer;
}

} // namespace

const char* TableSourceName(TableSource source) {
    switch (source) {
    case TableSource::StackTables:
        return "stack tables";
    case TableSource::ExtendedTables:
        return "extended tables";
    default:
        return "plain tables";
    }
}

SystemTables::SystemTables() : ipHelper_(LoadLibraryA("iphlpapi.dll")) {
    auto const find = [](HMODULE module, const char* name) {
        return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
    };
    HMODULE const helper = ipHelper_.Valid() ? ipHelper_.Get() : nullptr;
    tcpFromStack_ =
        reinterpret_cast<AllocateFromStack>(find(helper, "AllocateAndGetTcpExTableFromStack"));
    udpFromStack_ =
        reinterpret_cast<AllocateFromStack>(find(helper, "AllocateAndGetUdpExTableFromStack"));
    extendedTcp_ = reinterpret_cast<GetExtendedTable>(find(helper, "GetExtendedTcpTable"));
    extendedUdp_ = reinterpret_cast<GetExtendedTable>(find(helper, "GetExtendedUdpTable"));
    HMODULE const kernel = GetModuleHandleA("kernel32.dll");
    createSnapshot_ = reinterpret_cast<CreateSnapshot>(find(kernel, "CreateToolhelp32Snapshot"));
    processFirst_ = reinterpret_cast<WalkProcesses>(find(kernel, "Process32First"));
    processNext_ = reinterpret_cast<WalkProcesses>(find(kernel, "Process32Next"));
}

bool SystemTables::Has(TableSource source) const {
    switch (source) {
    case TableSource::StackTables:
        return tcpFromStack_ && udpFromStack_;
    case TableSource::ExtendedTables:
        return extendedTcp_ && extendedUdp_;
    default:
        return true;
    }
}

TableSource SystemTables::BestSource() const {
    if (!HasSnapshot())
        return TableSource::Plain;
    if (Has(TableSource::StackTables))
        return TableSource::StackTables;
    if (Has(TableSource::ExtendedTables))
        return TableSource::ExtendedTables;
    return TableSource::Plain;
}

EndpointTables SystemTables::Read(TableSource source) const {
    if (source == TableSource::StackTables && Has(source))
        return ReadStack();
    if (source == TableSource::ExtendedTables && Has(source))
        return ReadExtended();
    return ReadPlain();
}

EndpointTables SystemTables::ReadPlain() const {
    EndpointTables tables;
    if (auto buffer = SizedCall([](void* table, DWORD* size) {
            return GetTcpTable(static_cast<MIB_TCPTABLE*>(table), size, TRUE);
        })) {
        tables.tcpRead = true;
        auto const* table = reinterpret_cast<const MIB_TCPTABLE*>(buffer->data());
        for (DWORD i = 0; i < table->dwNumEntries; ++i) {
            auto const& row = table->table[i];
            tables.tcp.push_back({row.dwState, row.dwLocalAddr, Port(row.dwLocalPort),
                                  row.dwRemoteAddr, Port(row.dwRemotePort), 0});
        }
    }
    if (auto buffer = SizedCall([](void* table, DWORD* size) {
            return GetUdpTable(static_cast<MIB_UDPTABLE*>(table), size, TRUE);
        })) {
        tables.udpRead = true;
        auto const* table = reinterpret_cast<const MIB_UDPTABLE*>(buffer->data());
        for (DWORD i = 0; i < table->dwNumEntries; ++i)
            tables.udp.push_back(
                {table->table[i].dwLocalAddr, Port(table->table[i].dwLocalPort), 0});
    }
    return tables;
}

EndpointTables SystemTables::ReadStack() const {
    EndpointTables tables;
    tables.withProcesses = true;
    void* tcp = nullptr;
    if (tcpFromStack_(&tcp, TRUE, GetProcessHeap(), StackFlags, AF_INET) == NO_ERROR && tcp) {
        HeapBlock const owned(tcp);
        tables.tcpRead = true;
        CopyRows<TcpOwnerRow>(tcp, tables.tcp);
    }
    void* udp = nullptr;
    if (udpFromStack_(&udp, TRUE, GetProcessHeap(), StackFlags, AF_INET) == NO_ERROR && udp) {
        HeapBlock const owned(udp);
        tables.udpRead = true;
        CopyRows<UdpOwnerRow>(udp, tables.udp);
    }
    return tables;
}

EndpointTables SystemTables::ReadExtended() const {
    EndpointTables tables;
    tables.withProcesses = true;
    if (auto buffer = SizedCall([this](void* table, DWORD* size) {
            return extendedTcp_(table, size, TRUE, AF_INET, TcpOwnerPidAll, 0);
        })) {
        tables.tcpRead = true;
        CopyRows<TcpOwnerRow>(buffer->data(), tables.tcp);
    }
    if (auto buffer = SizedCall([this](void* table, DWORD* size) {
            return extendedUdp_(table, size, TRUE, AF_INET, UdpOwnerPid, 0);
        })) {
        tables.udpRead = true;
        CopyRows<UdpOwnerRow>(buffer->data(), tables.udp);
    }
    return tables;
}

std::optional<std::string> SystemTables::Processes::Name(std::uint32_t processId) const {
    auto const found = names_.find(processId);
    if (found == names_.end())
        return std::nullopt;
    return found->second;
}

SystemTables::Processes SystemTables::TakeSnapshot() const {
    Processes processes;
    if (!HasSnapshot())
        return processes;
    win32::KernelHandle const snapshot(createSnapshot_(SnapshotProcesses, 0));
    if (!snapshot.Valid())
        return processes;
    PROCESSENTRY32 entry{};
    // The size of the record on this platform: 296 bytes in a 32-bit process, more in a 64-bit
    // one, where the system refuses a shorter record.
    entry.dwSize = sizeof entry;
    for (BOOL more = processFirst_(snapshot.Get(), &entry); more;
         more = processNext_(snapshot.Get(), &entry)) {
        // The first process of an id is the one a walk from the start finds.
        processes.names_.emplace(entry.th32ProcessID, win32::OemFromAnsi(entry.szExeFile));
        entry.dwSize = sizeof entry;
    }
    return processes;
}

} // namespace sockwell::win
