#include "plugins/services/core/HardwareProfiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace sentrel::test {

namespace {

// A configuration manager of the test's: profiles with the flags of each device, and results to
// give instead of the real answers.
class ScriptedManager : public ConfigManager {
public:
    std::uint32_t loadError = 0;
    std::uint32_t connectResult = cr::Success;
    std::uint32_t listResult = cr::Success;
    std::string devices = std::string("ROOT\\LEGACY_X\\0000\0ROOT\\LEGACY_X\\0001\0", 39);
    std::vector<HardwareProfile> profiles;
    // Results of ProfileInfo by index, instead of the profile.
    std::map<std::uint32_t, std::uint32_t> profileResults;
    std::map<std::pair<std::string, std::uint32_t>, std::uint32_t> flags;
    std::map<std::uint32_t, std::uint32_t> setResults; // by profile
    std::vector<std::string> calls;
    bool connected = false;

    std::uint32_t Load() override { return loadError; }
    std::uint32_t Connect(const std::string& machine) override {
        calls.push_back("Connect " + machine);
        connected = connectResult == cr::Success;
        return connectResult;
    }
    void Disconnect() override {
        calls.push_back("Disconnect");
        connected = false;
    }
    std::uint32_t DeviceListSize(const std::string& service, std::uint32_t& size) override {
        calls.push_back("Size " + service);
        size = static_cast<std::uint32_t>(devices.size());
        return listResult;
    }
    std::uint32_t DeviceList(const std::string&, std::vector<char>& list) override {
        std::copy(devices.begin(), devices.end(), list.begin());
        return cr::Success;
    }
    std::uint32_t ProfileInfo(std::uint32_t index, HardwareProfile& profile) override {
        calls.push_back("Profile " + std::to_string(index));
        if (const auto found = profileResults.find(index); found != profileResults.end())
            return found->second;
        if (index >= profiles.size())
            return cr::NoMoreHardwareProfiles;
        profile = profiles[index];
        return cr::Success;
    }
    std::uint32_t GetFlags(const std::string& device, std::uint32_t profile,
                           std::uint32_t& value) override {
        value = flags[{device, profile}];
        return cr::Success;
    }
    std::uint32_t SetFlags(const std::string& device, std::uint32_t profile,
                           std::uint32_t value) override {
        calls.push_back("Set " + device + " " + std::to_string(profile) + " " +
                        std::to_string(value));
        if (const auto found = setResults.find(profile); found != setResults.end())
            return found->second;
        flags[{device, profile}] = value;
        return cr::Success;
    }
};

struct Shown {
    std::uint32_t error;
    int message;
    std::string insert1, insert2;
    bool operator==(const Shown&) const = default;
};

class ScriptedUi : public ProfileMenuUi {
public:
    std::deque<ProfileChoice> choices;
    std::vector<std::vector<ProfileLine>> shown;
    std::vector<int> selections;
    std::vector<std::string> titles;
    std::vector<Shown> notices;

    ProfileChoice Menu(const std::string& title, const std::vector<ProfileLine>& lines,
                       int selected) override {
        titles.push_back(title);
        shown.push_back(lines);
        selections.push_back(selected);
        if (choices.empty())
            return {};
        const ProfileChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
    void Notice(std::uint32_t error, int message, const std::string& insert1,
                const std::string& insert2) override {
        notices.push_back({error, message, insert1, insert2});
    }
};

ProfileRequest Request(bool drivers = false) {
    ProfileRequest request;
    request.serviceName = "Svc";
    request.displayName = "Service";
    request.machine = "\\\\HOST";
    request.drivers = drivers;
    request.msg = [](int number) {
        return number == 310 ? std::string("Profiles of %1") : "m";
    };
    request.oemFromAnsi = [](const std::string& ansi) {
        return ansi;
    };
    return request;
}

const std::string First = "ROOT\\LEGACY_X\\0000";

class HardwareProfiles : public ::testing::Test {
protected:
    HardwareProfiles() {
        manager.profiles = {{1, "office"}, {2, "Docked"}, {3, "mobile"}};
        manager.flags[{First, 1}] = 0;
        manager.flags[{First, 2}] = ProfileDisabled;
        manager.flags[{First, 3}] = 0x4;
    }
    void Run(bool drivers = false) { RunHardwareProfiles(manager, ui, Request(drivers)); }
    std::vector<std::string> SetCalls() const {
        std::vector<std::string> sets;
        for (const std::string& call : manager.calls)
            if (call.rfind("Set ", 0) == 0)
                sets.push_back(call);
        return sets;
    }

    ScriptedManager manager;
    ScriptedUi ui;
};

} // namespace

TEST_F(HardwareProfiles, ProfilesAreShownSortedWithTheFirstDevicesFlags) {
    Run();
    ASSERT_EQ(ui.shown.size(), 1u);
    const auto& lines = ui.shown[0];
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "Docked");
    EXPECT_FALSE(lines[0].checked);
    EXPECT_EQ(lines[1].text, "mobile");
    EXPECT_TRUE(lines[1].checked);
    EXPECT_EQ(lines[1].flags, 0x4u);
    EXPECT_EQ(lines[2].text, "office");
    EXPECT_EQ(ui.titles[0], "Profiles of Service");
    EXPECT_EQ(manager.calls.front(), "Connect \\\\HOST");
    EXPECT_EQ(manager.calls.back(), "Disconnect");
    EXPECT_TRUE(ui.notices.empty()); // Escape: nothing written, nothing shown
    EXPECT_TRUE(SetCalls().empty());
}

TEST_F(HardwareProfiles, EnterWritesTheToggledLinesOnlyForTheFirstDevice) {
    // Space on Docked (enabling it), Ins on mobile twice (toggled back), Enter.
    ui.choices = {{ProfileKey::Space, 0},
                  {ProfileKey::Insert, 1},
                  {ProfileKey::Insert, 1},
                  {ProfileKey::Space, 2},
                  {ProfileKey::Enter, 2}};
    Run();
    EXPECT_EQ(ui.selections, (std::vector<int>{0, 0, 2, 2, 2}));
    EXPECT_EQ(SetCalls(),
              (std::vector<std::string>{"Set " + First + " 2 0", "Set " + First + " 1 1"}));
    EXPECT_TRUE(ui.notices.empty());
}

TEST_F(HardwareProfiles, InsOnTheLastLineKeepsTheSelection) {
    ui.choices = {{ProfileKey::Insert, 2}, {ProfileKey::Escape, -1}};
    Run();
    EXPECT_EQ(ui.selections, (std::vector<int>{0, 2}));
    EXPECT_FALSE(ui.shown[1][2].checked);
    EXPECT_TRUE(SetCalls().empty());
}

TEST_F(HardwareProfiles, AFailedWriteIsShownAndTheOthersAreWritten) {
    manager.setResults[2] = 5; // the Docked profile refuses
    ui.choices = {{ProfileKey::Space, 0}, {ProfileKey::Space, 2}, {ProfileKey::Enter, 0}};
    Run();
    ASSERT_EQ(SetCalls().size(), 2u);
    EXPECT_EQ(ui.notices, (std::vector<Shown>{{6, 145, "Service", "Docked"}}));
    EXPECT_EQ(manager.flags[std::make_pair(First, 1u)], ProfileDisabled);
}

TEST_F(HardwareProfiles, AServiceWithoutDevicesSaysSoWithoutAnErrorLine) {
    for (const std::uint32_t result : {cr::NoSuchValue, cr::NoSuchRegistryKey}) {
        for (const bool drivers : {false, true}) {
            ScriptedManager without;
            without.listResult = result;
            ScriptedUi shown;
            RunHardwareProfiles(without, shown, Request(drivers));
            EXPECT_EQ(shown.notices, (std::vector<Shown>{{0, drivers ? 144 : 143, "", ""}}));
            EXPECT_TRUE(shown.shown.empty());
            EXPECT_EQ(without.calls.back(), "Disconnect");
        }
    }
}

TEST_F(HardwareProfiles, AMissingFunctionIsReportedWithTheLookupError) {
    manager.loadError = 127; // the procedure was not found
    Run();
    EXPECT_EQ(ui.notices, (std::vector<Shown>{{127, 142, "", ""}}));
    EXPECT_TRUE(manager.calls.empty());
}

TEST_F(HardwareProfiles, ConnectionAndListFailuresEndWithMessage142) {
    manager.connectResult = 2;
    Run();
    EXPECT_EQ(ui.notices, (std::vector<Shown>{{8, 142, "", ""}}));
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"Connect \\\\HOST"}));

    ScriptedManager failing;
    failing.listResult = 4;
    ScriptedUi shown;
    RunHardwareProfiles(failing, shown, Request());
    EXPECT_EQ(shown.notices, (std::vector<Shown>{{87, 142, "", ""}}));
}

TEST_F(HardwareProfiles, TheProfileLoopStopsAtTheFirstCallThatFails) {
    manager.profileResults[1] = 3; // an invalid pointer, say
    manager.profiles.push_back({4, "never read"});
    Run();
    EXPECT_EQ(ui.notices, (std::vector<Shown>{{87, 142, "", ""}}));
    EXPECT_TRUE(ui.shown.empty());
    std::vector<std::string> profileCalls;
    for (const std::string& call : manager.calls)
        if (call.rfind("Profile", 0) == 0)
            profileCalls.push_back(call);
    EXPECT_EQ(profileCalls, (std::vector<std::string>{"Profile 0", "Profile 1"}));
    EXPECT_EQ(manager.calls.back(), "Disconnect");
}

TEST(HardwareProfileTexts, ResultCodesBecomeWindowsErrors) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0},           {9, 0},           {50, 0},          {2, 8},           {3, 87},
        {31, 87},         {5, 6},           {30, 1213},       {13, 1243},       {15, 1721},
        {16, 1073},       {17, 1781},       {21, 1058},       {23, 1052},       {26, 122},
        {29, 0x80040151}, {35, 259},        {37, 0x80040152}, {46, 0x80040152}, {39, 1800},
        {40, 1310},       {44, 0x80004001}, {45, 1804},       {47, 1210},       {48, 1766},
        {49, 51},         {1, 0x8001FFFF},  {51, 0x8001FFFF}, {999, 0x8001FFFF}};
    for (const auto& [result, error] : cases)
        EXPECT_EQ(WindowsErrorOf(result), error) << result;
}

TEST(HardwareProfileTexts, LongTitlesAreShortened) {
    EXPECT_EQ(ProfileMenuTitle("Profiles of %1", "Name"), "Profiles of Name");
    const std::string title = ProfileMenuTitle("Profiles of %1", std::string(70, 'n'));
    EXPECT_EQ(title, "Profiles of " + std::string(45, 'n') + "...");
    EXPECT_EQ(title.size(), 60u);
    const std::string cut = ProfileMenuTitle(std::string(70, 'f') + "%1", "Name");
    EXPECT_EQ(cut, std::string(57, 'f') + "...");
}

} // namespace sentrel::test
