// The kit's entry points: the two lifetimes of the library's plug-in object, and the host's
// failure answer of every entry point when the plug-in throws or is not there.

#include "plugin-host/kit/core/PanelItems.h"
#include "plugin-host/kit/core/PluginModule.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulvar::kit {
namespace {

PanelHandle const Panel = reinterpret_cast<PanelHandle>(static_cast<std::intptr_t>(0x50));

// What happened to the plug-in objects of a test.
struct Record {
    int made = 0;
    int destroyed = 0;
    std::vector<std::string> calls;
    bool throwing = false;
};

class RecordingPlugin : public Plugin {
public:
    explicit RecordingPlugin(Record& record) : record_(record) { ++record_.made; }
    ~RecordingPlugin() override { ++record_.destroyed; }

    void SetStartupInfo(const HostStartupInfo& info) override {
        Note("SetStartupInfo " + std::to_string(info.ModuleNumber));
    }
    void GetPluginInfo(PluginInfoRecord& info) override {
        Note("GetPluginInfo");
        info.Flags = PluginPreload;
    }
    PanelHandle OpenPlugin(int, std::intptr_t) override { return Note("OpenPlugin"), Panel; }
    void ClosePlugin(PanelHandle) override { Note("ClosePlugin"); }
    void GetOpenPluginInfo(PanelHandle, OpenPluginInfoRecord&) override {
        Note("GetOpenPluginInfo");
    }
    int GetFindData(PanelHandle, PanelItem** items, int* count, int) override {
        Note("GetFindData");
        PanelItemBlock block(1);
        *items = block.HandOut();
        *count = 1;
        return 1;
    }
    void FreeFindData(PanelHandle panel, PanelItem* items, int count) override {
        Note("FreeFindData");
        Plugin::FreeFindData(panel, items, count);
    }
    int SetDirectory(PanelHandle, const char*, int) override { return Note("SetDirectory"), 1; }
    int GetFiles(PanelHandle, PanelItem*, int, int, char*, int) override {
        return Note("GetFiles"), 1;
    }
    int PutFiles(PanelHandle, PanelItem*, int, int, int) override { return Note("PutFiles"), 1; }
    int DeleteFiles(PanelHandle, PanelItem*, int, int) override { return Note("DeleteFiles"), 1; }
    int ProcessKey(PanelHandle, int, unsigned) override { return Note("ProcessKey"), 1; }
    int ProcessEvent(PanelHandle, int, void*) override { return Note("ProcessEvent"), 1; }
    int Compare(PanelHandle, const PanelItem*, const PanelItem*, unsigned) override {
        return Note("Compare"), 1;
    }
    int Configure(int) override { return Note("Configure"), 1; }
    void ExitUlvar() override { Note("ExitUlvar"); }

private:
    void Note(std::string call) {
        if (record_.throwing)
            throw std::runtime_error(call);
        record_.calls.push_back(std::move(call));
    }

    Record& record_;
};

PluginDefinition Recording(Lifetime lifetime, Record& record) {
    return {lifetime, [&record] {
                return std::make_unique<RecordingPlugin>(record);
            }};
}

HostStartupInfo Startup(int moduleNumber) {
    HostStartupInfo info{};
    info.StructSize = sizeof info;
    info.ModuleNumber = moduleNumber;
    return info;
}

class PluginModuleTest : public ::testing::Test {
protected:
    ~PluginModuleTest() override { InstallPlugin({}); }
    Record record;
};

TEST_F(PluginModuleTest, WholeLoadPluginIsMadeByTheFirstCallAndKeptAcrossStartups) {
    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    EXPECT_EQ(CurrentPlugin(), nullptr);
    PluginInfoRecord info{};
    entry::GetPluginInfo(&info);
    EXPECT_EQ(info.Flags, static_cast<std::uint32_t>(PluginPreload));
    Plugin* const first = CurrentPlugin();
    ASSERT_NE(first, nullptr);
    const HostStartupInfo startup = Startup(3);
    entry::SetStartupInfo(&startup);
    entry::SetStartupInfo(&startup);
    entry::SetStartupInfo(nullptr);
    EXPECT_EQ(CurrentPlugin(), first);
    EXPECT_EQ(record.made, 1);
    EXPECT_EQ(record.calls,
              (std::vector<std::string>{"GetPluginInfo", "SetStartupInfo 3", "SetStartupInfo 3"}));
    EXPECT_EQ(CurrentPluginAs<RecordingPlugin>(), first);
}

TEST_F(PluginModuleTest, StartupToExitPluginIsMadeAnewByEachStartupAndDestroyedByExit) {
    InstallPlugin(Recording(Lifetime::StartupToExit, record));
    EXPECT_EQ(entry::OpenPlugin(OpenFromPluginsMenu, 0), InvalidPanel) << "none before a startup";
    EXPECT_EQ(record.made, 0);

    const HostStartupInfo first = Startup(1), second = Startup(2);
    entry::SetStartupInfo(&first);
    entry::SetStartupInfo(&second);
    EXPECT_EQ(record.made, 2);
    EXPECT_EQ(record.destroyed, 1);
    EXPECT_EQ(entry::OpenPlugin(OpenFromPluginsMenu, 0), Panel);
    entry::ExitUlvar();
    EXPECT_EQ(record.destroyed, 2);
    EXPECT_EQ(CurrentPlugin(), nullptr);
    EXPECT_EQ(record.calls, (std::vector<std::string>{"SetStartupInfo 1", "SetStartupInfo 2",
                                                      "OpenPlugin", "ExitUlvar"}));
    entry::SetStartupInfo(nullptr);
    EXPECT_EQ(record.made, 2) << "no record, no plug-in";
}

TEST_F(PluginModuleTest, APluginThatFailsItsStartupIsNotKept) {
    InstallPlugin(Recording(Lifetime::StartupToExit, record));
    const HostStartupInfo startup = Startup(1);
    entry::SetStartupInfo(&startup);
    record.throwing = true;
    entry::SetStartupInfo(&startup);
    EXPECT_EQ(CurrentPlugin(), nullptr);
    EXPECT_EQ(record.made, 2);
    EXPECT_EQ(record.destroyed, 2);

    InstallPlugin({Lifetime::StartupToExit, []() -> std::unique_ptr<Plugin> {
                       throw std::bad_alloc();
                   }});
    entry::SetStartupInfo(&startup);
    EXPECT_EQ(CurrentPlugin(), nullptr);
}

TEST_F(PluginModuleTest, InstallingDropsTheObjectThereWas) {
    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    entry::Configure(0);
    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    EXPECT_EQ(record.destroyed, 1);
    EXPECT_EQ(CurrentPlugin(), nullptr);
}

// Every entry point called once: what it returned (as a number) and what it reached.
struct EntryCase {
    const char* name;
    std::function<std::intptr_t()> call;
    std::intptr_t failure; // the answer of a throwing or missing plug-in
    std::intptr_t success; // the recording plug-in's answer
};

PanelItem item{};
char destination[MaxPath] = "dest";

const EntryCase EntryCases[] = {
    {"GetPluginInfo",
     [] {
         PluginInfoRecord info{};
         entry::GetPluginInfo(&info);
         return static_cast<std::intptr_t>(info.Flags);
     },
     0, PluginPreload},
    {"OpenPlugin", [] { return reinterpret_cast<std::intptr_t>(entry::OpenPlugin(0, 0)); },
     reinterpret_cast<std::intptr_t>(InvalidPanel), reinterpret_cast<std::intptr_t>(Panel)},
    {"ClosePlugin", [] { return entry::ClosePlugin(Panel), std::intptr_t{0}; }, 0, 0},
    {"GetOpenPluginInfo",
     [] {
         OpenPluginInfoRecord info{};
         return entry::GetOpenPluginInfo(Panel, &info), std::intptr_t{0};
     },
     0, 0},
    {"GetFindData",
     [] {
         PanelItem* items = &item;
         int count = 99;
         const int result = entry::GetFindData(Panel, &items, &count, 0);
         // A failure lists nothing; a listing goes back to FreeFindData.
         EXPECT_EQ(result == 0, items == nullptr && count == 0);
         entry::FreeFindData(Panel, items, count);
         return static_cast<std::intptr_t>(result);
     },
     0, 1},
    {"SetDirectory", [] { return std::intptr_t{entry::SetDirectory(Panel, "..", 0)}; }, 0, 1},
    {"GetFiles",
     [] { return std::intptr_t{entry::GetFiles(Panel, &item, 1, 0, destination, OpView)}; }, 0, 1},
    {"PutFiles", [] { return std::intptr_t{entry::PutFiles(Panel, &item, 1, 0, 0)}; }, 0, 1},
    {"DeleteFiles", [] { return std::intptr_t{entry::DeleteFiles(Panel, &item, 1, 0)}; }, 0, 1},
    {"ProcessKey", [] { return std::intptr_t{entry::ProcessKey(Panel, 0x72, 0)}; }, 0, 1},
    {"ProcessEvent", [] { return std::intptr_t{entry::ProcessEvent(Panel, EventIdle, nullptr)}; },
     0, 1},
    {"Compare", [] { return std::intptr_t{entry::Compare(Panel, &item, &item, SortByName)}; },
     CompareUseHostOrder, 1},
    {"Configure", [] { return std::intptr_t{entry::Configure(0)}; }, 0, 1},
    {"ExitUlvar", [] { return entry::ExitUlvar(), std::intptr_t{0}; }, 0, 0},
};

class EntryTest : public ::testing::TestWithParam<EntryCase> {
protected:
    ~EntryTest() override { InstallPlugin({}); }
    Record record;
};

TEST_P(EntryTest, ReachesThePluginAndAnswersItsFailureValueWhenItThrowsOrIsMissing) {
    const EntryCase& c = GetParam();
    const HostStartupInfo startup = Startup(1);
    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    entry::SetStartupInfo(&startup);
    record.calls.clear();
    EXPECT_EQ(c.call(), c.success);
    ASSERT_FALSE(record.calls.empty());
    EXPECT_EQ(record.calls[0], c.name);

    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    entry::SetStartupInfo(&startup);
    record.throwing = true;
    EXPECT_EQ(c.call(), c.failure) << "a throwing plug-in";

    InstallPlugin(Recording(Lifetime::StartupToExit, record));
    EXPECT_EQ(c.call(), c.failure) << "no plug-in yet";
}

INSTANTIATE_TEST_SUITE_P(EveryEntryPoint, EntryTest, ::testing::ValuesIn(EntryCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(PluginModuleEntryTest, NullOutputsOfGetFindDataAreRefused) {
    Record record;
    InstallPlugin(Recording(Lifetime::WholeLoad, record));
    int count = 5;
    PanelItem* items = &item;
    EXPECT_EQ(entry::GetFindData(Panel, nullptr, &count, 0), 0);
    EXPECT_EQ(entry::GetFindData(Panel, &items, nullptr, 0), 0);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(items, &item);
    EXPECT_TRUE(record.calls.empty());
    InstallPlugin({});
}

TEST(PluginModuleEntryTest, FreeFindDataWithoutAPluginStillReleasesTheBlock) {
    InstallPlugin({});
    PanelItemBlock block(2);
    block.SetColumns(1, {"released by the entry point"});
    entry::FreeFindData(Panel, block.HandOut(), 2);
}

} // namespace
} // namespace ulvar::kit
