#include "plugins/netstat/core/Messages.h"
#include "plugins/netstat/core/ProcessList.h"
#include "plugins/netstat/tests/win/PluginFixture.h"
#include "plugins/netstat/win/SystemTables.h"

#include <iphlpapi.h>

#include <filesystem>
#include <vector>

namespace sockwell::test {
namespace {

using ProcessDialogTest = SockwellTest;
constexpr int F3 = 0x72;

// The owning process the system reports for a listening socket, read here on its own.
std::optional<std::uint32_t> OwnerOfListener(std::uint16_t port) {
    DWORD size = 0;
    GetExtendedTcpTable(nullptr, &size, TRUE, AF_INET, TCP_TABLE_OWNER_PID_ALL, 0);
    std::vector<std::uint64_t> buffer(size / 8 + 64);
    size = static_cast<DWORD>(buffer.size() * 8);
    if (GetExtendedTcpTable(buffer.data(), &size, TRUE, AF_INET, TCP_TABLE_OWNER_PID_ALL, 0) !=
        NO_ERROR)
        return std::nullopt;
    auto const* table = reinterpret_cast<const MIB_TCPTABLE_OWNER_PID*>(buffer.data());
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        auto const& row = table->table[i];
        if (row.dwState == MIB_TCP_STATE_LISTEN &&
            ntohs(static_cast<u_short>(row.dwLocalPort)) == port)
            return row.dwOwningPid;
    }
    return std::nullopt;
}

std::string OwnProgramName() {
    char path[MAX_PATH];
    DWORD const length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::string(path, length)).filename().string();
}

TEST_F(ProcessDialogTest, F3OnTheDotsIsHandledAndShowsNothing) {
    LoadDll();
    Open();
    ASSERT_TRUE(Panel().IsDots(Panel().Current()));
    for (unsigned state : {0u, unsigned{ulvar::KeyShift}, unsigned{ulvar::KeyCtrl | ulvar::KeyAlt}})
        EXPECT_NE(Host().PressKey(F3, state), 0) << state;
    EXPECT_TRUE(ui.Dialogs().empty());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ProcessDialogTest, F3ShowsTheRowsEntryOfTheProcessList) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    auto const owner = OwnerOfListener(listener.Port());
    ASSERT_TRUE(owner);
    LoadLinked();
    ASSERT_TRUE(Plugin()->ExtendedMode());
    Open();
    int const row = FindRow(Loopback(listener.Port()), "LISTENING");
    ASSERT_GE(row, 1);
    ASSERT_EQ(Plugin()->Processes().size(), static_cast<std::size_t>(Panel().Count() - 1));
    ProcessEntry const entry = Plugin()->Processes()[static_cast<std::size_t>(row - 1)];
    EXPECT_EQ(entry.id, ProcessIdText(*owner));
    if (*owner == GetCurrentProcessId()) {
        EXPECT_EQ(entry.name, OwnProgramName());
    }

    Panel().SetCursor(row);
    EXPECT_NE(Host().PressKey(F3, 0), 0);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& shown = ui.Dialogs()[0].shown;
    int const w = static_cast<int>(std::max(entry.id.size(), entry.name.size()));
    EXPECT_EQ(shown.x1, -1);
    EXPECT_EQ(shown.y1, -1);
    EXPECT_EQ(shown.x2, w + 24);
    EXPECT_EQ(shown.y2, 8);
    EXPECT_EQ(shown.helpTopic, "");
    ASSERT_EQ(shown.items.size(), 5u);
    EXPECT_EQ(shown.items[0].Type, ulvar::DialogDoubleBox);
    EXPECT_EQ(shown.items[0].X2, 20 + w);
    EXPECT_EQ(shown.items[1].Data, Msg(msg::ProcessIdLabel));
    EXPECT_EQ(shown.items[2].Data, entry.id);
    EXPECT_EQ(shown.items[3].Data, Msg(msg::ProcessNameLabel));
    EXPECT_EQ(shown.items[4].Data, entry.name);
}

TEST_F(ProcessDialogTest, OtherKeysAreLeftToTheHost) {
    LoadDll();
    Open();
    for (int key : {0x70, 0x71, 0x73, 0x0D, 0x26, 0x28, int{'R'}})
        EXPECT_EQ(Host().PressKey(key, 0), 0) << key;
    EXPECT_TRUE(ui.Dialogs().empty());
}

TEST_F(ProcessDialogTest, WithoutExtendedFunctionsF3IsNotHandledAndNoProcessIsLookedUp) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    LoadLinked(PluginOptions{win::TableSource::Plain});
    EXPECT_FALSE(Plugin()->ExtendedMode());
    Open();
    int const row = FindRow(Loopback(listener.Port()), "LISTENING");
    ASSERT_GE(row, 1);
    EXPECT_TRUE(Plugin()->Processes().empty());
    Panel().SetCursor(row);
    EXPECT_EQ(Host().PressKey(F3, 0), 0);
    EXPECT_TRUE(ui.Dialogs().empty());
}

// Under Wine every socket's owner reads 0, so the name lookup is tried on this process itself.
TEST(ProcessSnapshot, FindsThisProgramByItsIdAndNothingForAnIdNotRunning) {
    win::SystemTables tables;
    ASSERT_TRUE(tables.HasSnapshot());
    auto const processes = tables.TakeSnapshot();
    EXPECT_EQ(processes.Name(GetCurrentProcessId()), OwnProgramName());
    EXPECT_EQ(processes.Name(0xFFFFFFF0u), std::nullopt);
}

} // namespace
} // namespace sockwell::test
