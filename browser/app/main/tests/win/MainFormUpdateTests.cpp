// The program's update check on the window's second queue, against the local site: the
// information file and the archive are files of the site's "ulvar" folder, the known version and
// the last check's day are the test's own registry key.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/settings/core/SettingsSections.h"
#include "browser/app/settings/win/WindowsSettingsStores.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/win/FileInfo.h"
#include "browser/catalogue/win/VersionInfo.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

constexpr char Published[] = "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n";
constexpr wchar_t Question2170[] =
    L"Доступна новая версия ULVAR Cobwen GUI: 2.1.7 от 01.02.2026.\rЗагрузить эту версию ?";
constexpr wchar_t NoNewer[] = L"Новых версий пока нет. Сорри :(";
constexpr wchar_t BadInfo[] =
    L"Некорректный формат информации о новой версии.\rВозможно файл загрузился неполностью или "
    L"произошла ошибка при загрузке.\rПроверьте настройки соединения и попробуйте снова.";

std::int32_t TodayNumber() {
    return static_cast<std::int32_t>(std::floor(Today()));
}

class MainFormUpdateTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        if (IsSkipped())
            return;
        CreateDirectoryA((site_ + "\\ulvar").c_str(), nullptr);
        DeleteFileA(InfoFile().c_str());
        DeleteFileA(ArchiveFile().c_str());
    }

    void TearDown() override {
        form_.reset();
        if (!site_.empty()) {
            DeleteFileA(InfoFile().c_str());
            DeleteFileA(ArchiveFile().c_str());
        }
    }

    std::string InfoFile() const { return site_ + "\\ulvar\\lv_gui.dat"; }
    std::string ArchiveFile() const { return site_ + "\\ulvar\\cobwen_gui.rar"; }
    std::string SettingsKey() const { return registry_.ProgramKey() + "\\Settings"; }

    void Publish(std::string_view info) { ASSERT_TRUE(testsupport::WriteFile(InfoFile(), info)); }
    void Put(const std::string& name, const std::string& text) {
        ASSERT_TRUE(testsupport::SetString(SettingsKey(), name, text));
    }
    // Automatic checks on, every `period` days, the last one `daysAgo` days ago.
    void AutomaticChecks(int daysAgo, int period = 30) {
        Put("CheckForUpdates", "1");
        Put("PeriodCheckForUpdates", std::to_string(period));
        Put("LastUpdate", std::to_string(TodayNumber() - daysAgo));
    }

    std::unique_ptr<SettingsStore> Store() const {
        WindowsSettingsStores stores(folder_.File("cobwen.ini"), registry_.ProgramKey());
        return stores.OpenRegistry();
    }
    std::string StoredVersion() const {
        return Store()->ReadText(SettingsSection, LastVersionKey, "<none>");
    }
    std::int32_t StoredDay() const {
        return Store()->ReadInteger(SettingsSection, LastUpdateKey, -1);
    }

    bool WaitForCheck(TCobwenMainForm& form) {
        return PumpWindow(form, [&] { return !form.UpdateCheck().CheckRunning(); });
    }
    void ManualCheck(TCobwenMainForm& form) {
        form.StartUpdateCheck(true, false);
        ASSERT_TRUE(form.UpdateCheck().CheckRunning());
        ASSERT_TRUE(WaitForCheck(form));
    }

    // The program file with this build's version resource, for the cases that fall back on the
    // program's own version.
    std::string PutProgram() {
        wchar_t self[MAX_PATH]{};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring target = std::wstring(folder_.Path().begin(), folder_.Path().end());
        EXPECT_TRUE(CopyFileW(self, (target + L"\\cobwen.exe").c_str(), FALSE));
        std::string version;
        EXPECT_TRUE(VersionInfoString(target + L"\\cobwen.exe", "FileVersion", version));
        return RemoveChar(version, '.');
    }
};

TEST_F(MainFormUpdateTest, AutomaticCheckOnlyAfterThePeriod) {
    struct Case {
        int daysAgo;
        bool runs;
    };
    for (const Case c : {Case{30, false}, Case{31, true}}) {
        SCOPED_TRACE(c.daysAgo);
        Publish(Published);
        Put("LastVersion", "2000");
        AutomaticChecks(c.daysAgo);
        TCobwenMainForm& form = Open();
        EXPECT_EQ(form.UpdateCheck().CheckRunning(), c.runs);
        ASSERT_TRUE(WaitForCheck(form));
        if (c.runs) {
            // The offer, declined: the published version and today are recorded.
            EXPECT_EQ(prompts_.Last(Shown::Question), Question2170);
            EXPECT_EQ(StoredVersion(), "2170");
            EXPECT_EQ(StoredDay(), TodayNumber());
        } else {
            EXPECT_EQ(prompts_.History().size(), 0u);
            EXPECT_EQ(StoredVersion(), "2000");
            EXPECT_EQ(StoredDay(), TodayNumber() - 30);
        }
        form_.reset();
        prompts_ = {};
    }
}

TEST_F(MainFormUpdateTest, NoNewerVersionRecordsNothing) {
    Publish(Published);
    Put("LastVersion", "2170");
    AutomaticChecks(31);
    TCobwenMainForm& form = Open();
    ASSERT_TRUE(form.UpdateCheck().CheckRunning());
    ASSERT_TRUE(WaitForCheck(form));
    // Silent when automatic, and the next opportunity checks again.
    EXPECT_EQ(prompts_.History().size(), 0u);
    EXPECT_EQ(StoredDay(), TodayNumber() - 31);
    EXPECT_EQ(StoredVersion(), "2170");
    EXPECT_EQ(form.UpdateCheck().Info().Version, "2170");
    form.StartUpdateCheck(false, true);
    EXPECT_TRUE(form.UpdateCheck().CheckRunning());
    ASSERT_TRUE(WaitForCheck(form));

    ManualCheck(form);
    EXPECT_EQ(prompts_.Last(Shown::Information), NoNewer);
    EXPECT_EQ(prompts_.History().size(), 1u);
    EXPECT_EQ(StoredDay(), TodayNumber() - 31);
}

TEST_F(MainFormUpdateTest, DeclinedVersionIsOfferedOnlyWhenGreater) {
    Publish(Published);
    Put("LastVersion", "2162");
    TCobwenMainForm& form = Open();
    prompts_.Answer(Answer::No);
    ManualCheck(form);
    EXPECT_EQ(prompts_.Last(Shown::Question), Question2170);
    EXPECT_EQ(StoredVersion(), "2170");
    EXPECT_EQ(StoredDay(), TodayNumber());

    ManualCheck(form);
    EXPECT_EQ(prompts_.Count(Shown::Question), 1u);
    EXPECT_EQ(prompts_.Last(Shown::Information), NoNewer);

    Publish("ULVAR Cobwen GUI\r\n2171\r\n2.1.7.1\r\n02.02.2026\r\n");
    ManualCheck(form);
    EXPECT_EQ(prompts_.Count(Shown::Question), 2u);
    EXPECT_EQ(prompts_.Last(Shown::Question),
              L"Доступна новая версия ULVAR Cobwen GUI: 2.1.7.1 от 02.02.2026.\rЗагрузить эту "
              L"версию ?");
    // Cancel is a decision too.
    EXPECT_EQ(StoredVersion(), "2171");
}

TEST_F(MainFormUpdateTest, MalformedInformationIsReportedAlsoWhenAutomatic) {
    struct Case {
        const char* name;
        const char* file;
        const char* lastVersion;
    };
    const Case cases[] = {
        {"first line in other case", "ULVAR cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n", "2162"},
        {"published version too large", "ULVAR Cobwen GUI\r\n99999999999\r\n9\r\n01.02.2026\r\n",
         "2162"},
        {"known version too large", Published, "99999999999"},
        {"version not a number", "ULVAR Cobwen GUI\r\n2.1.7\r\n2.1.7\r\n01.02.2026\r\n", "2162"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Publish(c.file);
        Put("LastVersion", c.lastVersion);
        AutomaticChecks(31);
        TCobwenMainForm& form = Open();
        ASSERT_TRUE(WaitForCheck(form));
        EXPECT_EQ(prompts_.Last(Shown::Error), BadInfo);
        EXPECT_EQ(prompts_.History().size(), 1u);
        EXPECT_EQ(StoredVersion(), c.lastVersion);
        EXPECT_EQ(StoredDay(), TodayNumber() - 31);
        form_.reset();
        prompts_ = {};
    }
}

TEST_F(MainFormUpdateTest, UnusableLastVersionFallsBackOnTheProgramsVersion) {
    const std::string own = PutProgram();
    ASSERT_FALSE(own.empty());
    const std::int32_t ownNumber = std::stoi(own);
    Put("LastVersion", "12a");
    Publish("ULVAR Cobwen GUI\r\n" + own + "\r\nown\r\ntoday\r\n");
    TCobwenMainForm& form = Open();
    // "12a" as a number would make the information malformed.
    ManualCheck(form);
    EXPECT_EQ(prompts_.Last(Shown::Information), NoNewer);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u);

    Publish("ULVAR Cobwen GUI\r\n" + std::to_string(ownNumber + 1) + "\r\nnext\r\ntoday\r\n");
    ManualCheck(form);
    EXPECT_EQ(prompts_.Last(Shown::Question),
              L"Доступна новая версия ULVAR Cobwen GUI: next от today.\rЗагрузить эту версию ?");
}

TEST_F(MainFormUpdateTest, InformationWithLineFeedsOnly) {
    Publish("ULVAR Cobwen GUI\n2170\n2.1.7\n01.02.2026\n");
    Put("LastVersion", "2162");
    TCobwenMainForm& form = Open();
    ManualCheck(form);
    EXPECT_EQ(prompts_.Last(Shown::Question), Question2170);
}

TEST_F(MainFormUpdateTest, SystemProxyChecksOnlyAfterARefresh) {
    Publish(Published);
    Put("LastVersion", "2162");
    Put("ProxyAccess", "1");
    AutomaticChecks(31);
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    EXPECT_FALSE(form.UpdateCheck().CheckRunning());
    Refresh(form);
    ASSERT_TRUE(WaitForCheck(form));
    EXPECT_EQ(prompts_.Last(Shown::Question), Question2170);
    EXPECT_EQ(StoredVersion(), "2170");
}

TEST_F(MainFormUpdateTest, ChecksAfterADownloadRunThatSucceeded) {
    PutOldCatalogue();
    // The smallest archive the site serves.
    std::int32_t id = 0;
    {
        TCobwenMainForm& probe = Open();
        const std::string files = probe.Archive().FilesURL();
        std::int32_t size = INT32_MAX;
        for (int n = 0; n < probe.Archive().Count(); ++n) {
            const TCobwenData* record = probe.Archive().GetItem(n);
            if (record->URL.rfind(files, 0) == 0 && record->Size < size) {
                size = record->Size;
                id = record->Id;
            }
        }
        form_.reset();
        ASSERT_LT(size, INT32_MAX);
    }
    Publish(Published);
    Put("LastVersion", "2162");
    // Not at start-up with the system's proxy settings: only the run's end checks.
    Put("ProxyAccess", "1");
    Put("DownloadFolder", folder_.File("down"));
    AutomaticChecks(31);
    struct Case {
        const char* path; // the site's files as they are, or missing
        bool checks;
    };
    for (const Case c : {Case{"/missing", false}, Case{"", true}}) {
        SCOPED_TRACE(c.path);
        prompts_ = {};
        Put("BasketContents", std::to_string(id));
        TCobwenMainForm& form = Open(c.path);
        ASSERT_FALSE(form.UpdateCheck().CheckRunning());
        prompts_.Answer(Answer::Yes);
        form.RunCommand({Command::Download});
        ASSERT_TRUE(form.Downloading());
        ASSERT_TRUE(PumpWindow(
            form, [&] { return !form.Downloading(); }, 30000));
        // The check may have ended in the same round of messages as the run.
        ASSERT_TRUE(WaitForCheck(form));
        EXPECT_EQ(prompts_.Count(Shown::Question), c.checks ? 2u : 1u);
        if (c.checks) {
            EXPECT_EQ(prompts_.Last(Shown::Question), Question2170);
        }
        EXPECT_EQ(StoredVersion(), c.checks ? "2170" : "2162");
        form_.reset();
    }
}

TEST_F(MainFormUpdateTest, AcceptedVersionIsStoredInTheDownloadFolder) {
    const std::string archive = "Rar!\x1a\x07 the new version";
    ASSERT_TRUE(testsupport::WriteFile(ArchiveFile(), archive));
    Publish(Published);
    Put("LastVersion", "2162");
    const std::string down = folder_.File("down");
    ASSERT_TRUE(CreateDirectoryA(down.c_str(), nullptr));
    Put("DownloadFolder", down);
    TCobwenMainForm& form = Open();
    prompts_.Answer(Answer::Yes);
    form.StartUpdateCheck(true, false);
    // Asked again before its transfer has even started: ignored, no second question follows.
    form.StartUpdateCheck(true, false);
    ASSERT_TRUE(WaitForCheck(form));
    EXPECT_EQ(testsupport::ScratchFolder::ReadBytes(down + "\\cobwen_gui.rar"), archive);
    EXPECT_EQ(prompts_.Count(Shown::Question), 1u);
    EXPECT_EQ(prompts_.Last(Shown::Information),
              L"Загружена версия ULVAR Cobwen GUI: 2.1.7 от 01.02.2026.\r" +
                  std::wstring(down.begin(), down.end()) + L"\\cobwen_gui.rar");
    EXPECT_EQ(StoredVersion(), "2170");
    EXPECT_EQ(StoredDay(), TodayNumber());
    // The information file does not stay in the temporary folder.
    EXPECT_EQ(GetFileAttributesW((TempFolder().native() + L"lv_gui.dat").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainFormUpdateTest, MissingFilesOnTheServer) {
    // The information: the worker's error for a manual check only.
    Put("LastVersion", "2162");
    AutomaticChecks(31);
    TCobwenMainForm& automatic = Open();
    ASSERT_TRUE(automatic.UpdateCheck().CheckRunning());
    ASSERT_TRUE(WaitForCheck(automatic));
    EXPECT_EQ(prompts_.History().size(), 0u);
    EXPECT_EQ(StoredDay(), TodayNumber() - 31);
    ManualCheck(automatic);
    EXPECT_EQ(prompts_.Count(Shown::Error), 1u);
    EXPECT_NE(prompts_.Last(Shown::Error), BadInfo);
    form_.reset();
    prompts_ = {};

    // The archive: its error shows also for an automatic check, and nothing is recorded.
    Publish(Published);
    TCobwenMainForm& form = Open();
    prompts_.Answer(Answer::Yes);
    ASSERT_TRUE(PumpWindow(form, [&] { return form.UpdateCheck().ArchivePhase(); }));
    ASSERT_TRUE(WaitForCheck(form));
    EXPECT_EQ(prompts_.Count(Shown::Error), 1u);
    EXPECT_EQ(prompts_.Count(Shown::Information), 0u);
    EXPECT_EQ(StoredVersion(), "2162");
    EXPECT_EQ(StoredDay(), TodayNumber() - 31);
}

} // namespace
} // namespace cobwen
