#include "browser/transfer/tests/win/TransferFixture.h"
#include "tools/testsupport/LocalServers.h"
#include "tools/testsupport/ScratchFolder.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/transfer/core/TransferText.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

namespace cobwen::test {
namespace {

std::string Utf8(const std::string& text) {
    return Cp1251ToUtf8(text);
}

class Transfers : public ::testing::Test {
protected:
    void SetUp() override {
        queue = std::make_unique<TGetFiles>();
        queue->SetDestFolder(folder.Path());
        queue->SetEvents(log.Handlers());
    }

    // Runs the queue until `count` transfers have reported OnDone.
    bool WaitDone(std::size_t count, unsigned timeoutMs = 30000) {
        return testsupport::PumpUntil([&] { return log.Count("done") >= count; }, timeoutMs);
    }

    testsupport::ScratchFolder folder;
    EventLog log;
    std::unique_ptr<TGetFiles> queue;
};

// A dialog that answers from a script and counts its calls.
class ScriptedDialog final : public RequestDialog {
public:
    explicit ScriptedDialog(std::function<DWORD(HINTERNET, int)> answer)
        : answer_(std::move(answer)) {}
    DWORD Run(HINTERNET request, DWORD) override { return answer_(request, ++calls); }
    int calls = 0;

private:
    std::function<DWORD(HINTERNET, int)> answer_;
};

struct BlockCase {
    std::size_t size;
    std::vector<std::int64_t> progress;
};

TEST_F(Transfers, BodyIsStoredInBlocksOf1024WithOneProgressEach) {
    const BlockCase cases[] = {
        {100, {100}},
        {2048, {1024, 1024, 0}},
        {1500, {1024, 476}},
        {0, {0}},
    };
    for (const BlockCase& c : cases) {
        log.Events.clear();
        const std::string name = "body" + std::to_string(c.size) + ".bin";
        const std::string url = ServerUrl("/bytes/" + std::to_string(c.size));
        queue->Add(url, name);
        ASSERT_TRUE(WaitDone(1)) << c.size;
        EXPECT_EQ(log.Numbers("progress"), c.progress) << c.size;
        std::string content;
        ASSERT_TRUE(testsupport::ReadFile(folder.File(name), content)) << c.size;
        EXPECT_EQ(content, PatternBody(c.size));
        ASSERT_EQ(log.Events.front().Kind, "start");
        EXPECT_EQ(log.Events.front().Text, url);
        EXPECT_EQ(log.Events.back().Kind, "done");
        EXPECT_EQ(log.Events.back().Number, 0) << "not failed";
        EXPECT_EQ(log.Count("error"), 0u);
        for (const Event& e : log.Events)
            EXPECT_TRUE(e.OnMainThread) << e.Kind;
    }
}

TEST_F(Transfers, EventsArriveThroughAnOrdinaryMessageLoop) {
    log.After = [](const Event& e) {
        if (e.Kind == "done")
            PostQuitMessage(0);
    };
    // A thread timer bounds the loop.
    const UINT_PTR timer = SetTimer(nullptr, 0, 30000, nullptr);
    queue->Add(ServerUrl("/bytes/5000/loop.bin"));
    bool timedOut = false;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            timedOut = true;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, timer);
    ASSERT_FALSE(timedOut);
    EXPECT_EQ(log.Numbers("progress"), (std::vector<std::int64_t>{1024, 1024, 1024, 1024, 904}));
    for (const Event& e : log.Events)
        EXPECT_TRUE(e.OnMainThread) << e.Kind;
}

TEST_F(Transfers, EventsOfOtherWorkersArriveWhileAHandlerRunsAModalLoop) {
    // The first OnStart runs a loop of its own, as a dialog or message box would, until the
    // other transfer has ended: that one's events must reach the thread inside it.
    queue->SetMaxCount(2);
    const std::string first = ServerUrl("/slow/3000/m1.bin");
    const std::string second = ServerUrl("/bytes/5000/m2.bin");
    bool inner = false;
    std::size_t innerEvents = 0;
    log.After = [&](const Event& e) {
        if (e.Kind != "start" || inner)
            return;
        inner = true;
        const std::string other = e.Text == first ? second : first;
        const std::size_t before = log.Events.size();
        testsupport::PumpUntil([&] {
            for (const Event& seen : log.Events)
                if (seen.Kind == "done" && seen.Text == other)
                    return true;
            return false;
        });
        innerEvents = log.Events.size() - before;
    };
    queue->AddList({first, second});
    const bool done = WaitDone(2);
    std::string seen;
    for (const Event& e : log.Events)
        seen += e.Kind + " " + e.Text + "\n";
    ASSERT_TRUE(done) << seen;
    EXPECT_GE(innerEvents, 3u) << "start, progress and done of the other transfer\n" << seen;
    EXPECT_EQ(log.Count("error"), 0u);
    EXPECT_EQ(log.Count("progress"), 3u + 5u);
    for (const Event& e : log.Events)
        EXPECT_TRUE(e.OnMainThread) << e.Kind;
}

TEST_F(Transfers, NamesComeFromTheUrlOrTheCallerWithFoldersMadeOnTheWay) {
    queue->AddList(
        {ServerUrl("/bytes/10/plugin.zip"), testsupport::LocalServer() + "/bytes/20/other.zip"},
        {"", "sub\\deeper\\other.zip"});
    ASSERT_TRUE(WaitDone(2));
    std::string content;
    ASSERT_TRUE(testsupport::ReadFile(folder.File("plugin.zip"), content));
    EXPECT_EQ(content, PatternBody(10));
    ASSERT_TRUE(testsupport::ReadFile(folder.File("sub\\deeper\\other.zip"), content))
        << "an URL without http:// is fetched as well";
    EXPECT_EQ(content, PatternBody(20));
    EXPECT_EQ(log.Numbers("done"), (std::vector<std::int64_t>{0, 0}));
}

struct FailureCase {
    std::string url;
    const char* detailEnd; // how the text after "Ошибка соединения\r" ends (UTF-8)
};

TEST_F(Transfers, ConnectionFailuresAndErrorStatusesReportTextAndDeleteTheFile) {
    const FailureCase cases[] = {
        // Nothing listens on 127.0.0.2:80: the connection is refused.
        {"http://127.0.0.2/bytes/10/a.zip", "Код ошибки: 12029"},
        // A port in the URL is the one connected to, and nothing listens on port 9.
        {"http://127.0.0.1:9/bytes/10/b.zip", "Код ошибки: 12029"},
        {ServerUrl("/status/404/c.zip"), "404 Not Found"},
        {ServerUrl("/status/500/d.zip"), "500 Internal Server Error"},
        // The server announces 10000 bytes and closes the connection after half of them.
        {ServerUrl("/drop/10000/e.zip"), "получено 5000 из 10000 байт"},
    };
    for (const FailureCase& c : cases) {
        log.Events.clear();
        queue->Add(c.url);
        ASSERT_TRUE(WaitDone(1)) << c.url;
        ASSERT_EQ(log.Count("error"), 1u) << c.url;
        const std::string text = Utf8(log.First("error")->Text);
        EXPECT_EQ(text.rfind("Ошибка соединения\r", 0), 0u) << text;
        const std::string end = c.detailEnd;
        EXPECT_TRUE(text.size() >= end.size() &&
                    text.compare(text.size() - end.size(), end.size(), end) == 0)
            << c.url << ": " << text;
        EXPECT_EQ(log.Events.back().Kind, "done");
        EXPECT_EQ(log.Events.back().Number, 1) << "failed";
        const std::string name = c.url.substr(c.url.rfind('/') + 1);
        EXPECT_FALSE(testsupport::FileExists(folder.File(name))) << name;
    }
}

TEST_F(Transfers, TargetNamesOutsideTheFolderAreRefused) {
    testsupport::ScratchFolder outside;
    const std::string escapes[] = {"..\\escaped.zip", outside.File("escaped.zip"), "\\escaped.zip"};
    for (const std::string& name : escapes) {
        log.Events.clear();
        queue->Add(ServerUrl("/bytes/10"), name);
        ASSERT_TRUE(WaitDone(1)) << name;
        ASSERT_EQ(log.Count("error"), 1u) << name;
        EXPECT_EQ(Utf8(log.First("error")->Text).rfind("Невозможно создать файл ", 0), 0u);
        EXPECT_EQ(log.Events.back().Number, 1) << "failed";
        EXPECT_EQ(log.Count("progress"), 0u);
    }
    EXPECT_FALSE(testsupport::FileExists(outside.File("escaped.zip")));
    EXPECT_FALSE(testsupport::FileExists(folder.Path() + "\\..\\escaped.zip"));
}

TEST_F(Transfers, OverwriteQuestionBothWays) {
    const std::string path = folder.File("exists.zip");
    for (const bool overwrite : {false, true}) {
        log.Events.clear();
        log.OverwriteAnswer = overwrite;
        ASSERT_TRUE(testsupport::WriteFile(path, "old"));
        queue->Add(ServerUrl("/bytes/100"), "exists.zip");
        ASSERT_TRUE(WaitDone(1));
        ASSERT_EQ(log.Count("overwrite"), 1u);
        EXPECT_EQ(Utf8(log.First("overwrite")->Text),
                  "Файл exists.zip существует. Перезаписать его ?");
        EXPECT_EQ(log.Events.back().Number, 0) << "a declined overwrite ends like a success";
        EXPECT_EQ(log.Count("error"), 0u);
        std::string content;
        ASSERT_TRUE(testsupport::ReadFile(path, content));
        EXPECT_EQ(content, overwrite ? PatternBody(100) : "old");
    }
}

TEST_F(Transfers, FolderOrFileThatCannotBeCreated) {
    ASSERT_TRUE(testsupport::WriteFile(folder.File("blocker"), "a file where a folder should be"));
    ASSERT_TRUE(CreateDirectoryA(folder.File("taken.zip").c_str(), nullptr));
    struct Case {
        std::string name;
        std::string text;
    };
    const Case cases[] = {
        {"blocker\\x.zip", "Невозможно создать каталог " + folder.File("blocker")},
        {"taken.zip", "Невозможно создать файл " + folder.File("taken.zip")},
    };
    for (const Case& c : cases) {
        log.Events.clear();
        queue->Add(ServerUrl("/bytes/10"), c.name);
        ASSERT_TRUE(WaitDone(1)) << c.name;
        ASSERT_EQ(log.Count("error"), 1u) << c.name;
        EXPECT_EQ(Utf8(log.First("error")->Text), c.text);
        EXPECT_EQ(log.Events.back().Number, 1);
    }
}

TEST_F(Transfers, OneSlotFetchesOneAfterAnother) {
    queue->AddList({ServerUrl("/slow/3000/1.bin"), ServerUrl("/slow/3000/2.bin"),
                    ServerUrl("/slow/3000/3.bin")});
    ASSERT_TRUE(WaitDone(3));
    std::vector<std::string> order;
    for (const Event& e : log.Events)
        if (e.Kind == "start" || e.Kind == "done")
            order.push_back(e.Kind);
    EXPECT_EQ(order, (std::vector<std::string>{"start", "done", "start", "done", "start", "done"}));
}

TEST_F(Transfers, TwoSlotsAreSharedWithASecondProcess) {
    ASSERT_EQ(ServerGet("/reset"), "ok");
    queue->SetMaxCount(2);
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program +
                          "\" --gtest_filter=SecondInstance.* --gtest_also_run_disabled_tests";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    for (int i = 0; i < 3; ++i)
        queue->Add(ServerUrl("/slow/20000/first" + std::to_string(i) + ".bin"));
    ASSERT_TRUE(WaitDone(3, 60000));
    EXPECT_TRUE(testsupport::PumpUntil(
        [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "the second instance's transfers";
    EXPECT_EQ(log.Numbers("done"), (std::vector<std::int64_t>{0, 0, 0}));
    EXPECT_EQ(ServerGet("/stats"), R"({"active": 0, "max_active": 2})");
}

// Run by the test above as the second instance of the program.
TEST(SecondInstance, DISABLED_FetchesThroughTheSharedSlots) {
    testsupport::ScratchFolder folder;
    EventLog log;
    TGetFiles queue;
    queue.SetDestFolder(folder.Path());
    queue.SetEvents(log.Handlers());
    queue.SetMaxCount(2);
    for (int i = 0; i < 3; ++i)
        queue.Add(ServerUrl("/slow/20000/second" + std::to_string(i) + ".bin"));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("done") == 3; }, 60000));
    EXPECT_EQ(log.Numbers("done"), (std::vector<std::int64_t>{0, 0, 0}));
}

TEST_F(Transfers, MaxCountChangesOnlyWhileIdle) {
    log.After = [&](const Event& e) {
        if (e.Kind == "start") {
            EXPECT_TRUE(queue->Busy());
            queue->SetMaxCount(3);
        }
    };
    queue->Add(ServerUrl("/slow/2048/a.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(queue->MaxCount(), 1);
    log.After = nullptr;
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !queue->Busy(); }));
    queue->SetMaxCount(3);
    EXPECT_EQ(queue->MaxCount(), 3);

    ASSERT_EQ(ServerGet("/reset"), "ok");
    log.Events.clear();
    // Four transfers: the new capacity lets three, and only three, run at once.
    queue->AddList({ServerUrl("/slow/8000/1.bin"), ServerUrl("/slow/8000/2.bin"),
                    ServerUrl("/slow/8000/3.bin"), ServerUrl("/slow/8000/4.bin")});
    ASSERT_TRUE(WaitDone(4));
    EXPECT_EQ(ServerGet("/stats"), R"({"active": 0, "max_active": 3})");
}

TEST_F(Transfers, StopDuringARunOfFive) {
    log.After = [&](const Event& e) {
        if (e.Kind == "progress" && log.Count("progress") == 3)
            queue->Stop();
    };
    for (int i = 0; i < 5; ++i)
        queue->Add(ServerUrl("/slow/20000/s" + std::to_string(i) + ".bin"));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("stopped") == 1; }));
    EXPECT_FALSE(queue->Stopping());
    EXPECT_EQ(queue->WorkerCount(), 0u);
    // Destruction waits for every worker to let go; nothing may come after OnStopped.
    queue.reset();
    EXPECT_EQ(log.Count("stopped"), 1u);
    EXPECT_EQ(log.Count("done"), 0u);
    EXPECT_EQ(log.Count("start"), 1u) << "waiting workers end without starting";
    EXPECT_EQ(log.Count("error"), 0u);
    EXPECT_EQ(log.Numbers("progress"), (std::vector<std::int64_t>{1024, 1024, 1024}));
    EXPECT_FALSE(testsupport::FileExists(folder.File("s0.bin")))
        << "the partly written file is deleted";
}

TEST_F(Transfers, AStopAsTheLastEndArrivesLeavesTheNextRunAlone) {
    // A worker's end arrives after it has left the queue's list: a stop then has nothing to stop
    // and must not stop the next run ahead of its end.
    log.After = [&](const Event& e) {
        if (e.Kind == "done" && log.Count("done") == 1)
            queue->Stop();
    };
    queue->Add(ServerUrl("/bytes/10/first.bin"));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !queue->Busy(); }));
    EXPECT_FALSE(queue->Stopping());
    queue->Add(ServerUrl("/bytes/10/second.bin"));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("done") == 2; }, 10000));
    testsupport::PumpUntil([] { return false; }, 200);
    EXPECT_EQ(log.Count("stopped"), 0u);
    EXPECT_TRUE(testsupport::FileExists(folder.File("second.bin")));
}

TEST_F(Transfers, DestructionDuringATransferLetsTheWorkersGo) {
    log.After = [&](const Event& e) {
        if (e.Kind == "progress")
            log.After = nullptr;
    };
    queue->AddList({ServerUrl("/slow/50000/d1.bin"), ServerUrl("/slow/50000/d2.bin")});
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("progress") > 0; }));
    queue.reset();
    const std::size_t events = log.Events.size();
    EXPECT_EQ(log.Count("done"), 0u);
    EXPECT_FALSE(testsupport::FileExists(folder.File("d1.bin")));
    EXPECT_FALSE(testsupport::FileExists(folder.File("d2.bin")));
    // A worker still around would deliver to the destroyed queue; give it the chance to show.
    testsupport::PumpUntil([] { return false; }, 300);
    EXPECT_EQ(log.Events.size(), events);
}

// Under Wine the read keeps waiting after its request handle was closed (and after its thread's
// synchronous I/O was cancelled): the queue lets such a worker go instead of waiting for the
// server, whose stall lasts a minute and a half.
TEST_F(Transfers, DestructionLetsAWorkerGoThatAStalledServerHolds) {
    queue->Add(ServerUrl("/stall/100000/stalled.bin"));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("progress") > 0; }));
    const ULONGLONG started = GetTickCount64();
    queue.reset();
    const ULONGLONG seconds = (GetTickCount64() - started) / 1000;
    EXPECT_LT(seconds, 30u) << "the destruction waited for the server";
    const std::size_t events = log.Events.size();
    testsupport::PumpUntil([] { return false; }, 300);
    EXPECT_EQ(log.Events.size(), events) << "nothing is delivered after the destruction";
    EXPECT_EQ(log.Count("done"), 0u);

    // The worker let go no longer holds the only slot of the session.
    SetUp();
    queue->Add(ServerUrl("/bytes/10/after.bin"));
    EXPECT_TRUE(WaitDone(1, 10000));
}

TEST_F(Transfers, AStopAfterTheOverwriteQuestionKeepsTheExistingFile) {
    const std::string path = folder.File("kept.zip");
    ASSERT_TRUE(testsupport::WriteFile(path, "the user's archive"));
    log.After = [&](const Event& e) {
        if (e.Kind == "overwrite")
            queue->Stop();
    };
    queue->Add(ServerUrl("/bytes/100"), "kept.zip");
    ASSERT_TRUE(testsupport::PumpUntil([&] { return log.Count("stopped") == 1; }));
    std::string content;
    ASSERT_TRUE(testsupport::ReadFile(path, content));
    EXPECT_EQ(content, "the user's archive") << "stopped before the file was truncated";
    EXPECT_EQ(log.Count("done"), 0u);
}

TEST_F(Transfers, BusyWhileAnyTransferHasNotEnded) {
    queue->SetMaxCount(2);
    std::vector<bool> busyAtDone;
    log.After = [&](const Event& e) {
        if (e.Kind == "done")
            busyAtDone.push_back(queue->Busy());
    };
    queue->AddList({ServerUrl("/slow/30000/long.bin"), ServerUrl("/bytes/10/short.bin")});
    ASSERT_TRUE(WaitDone(2));
    ASSERT_EQ(busyAtDone.size(), 2u);
    EXPECT_TRUE(busyAtDone[0]) << "the long transfer was still running";
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !queue->Busy(); }));
}

// A folder whose name the system's ANSI code page cannot spell (Cyrillic on a Western system):
// the file is stored in that very folder, and a failed transfer leaves nothing behind.
TEST_F(Transfers, FolderNamedOutsideTheAnsiCodePage) {
    if (GetACP() == 1251)
        GTEST_SKIP() << "shows only under an ANSI code page other than 1251";
    const std::wstring wideFolder = win32::ToWide(folder.Path(), win32::AnsiCodePage) +
                                    L"\\\u0417\u0430\u0433\u0440\u0443\u0437\u043a\u0438";
    queue->SetDestFolder(wideFolder);
    queue->AddList({ServerUrl("/bytes/100/good.bin"), ServerUrl("/status/404/bad.bin")});
    ASSERT_TRUE(WaitDone(2));
    const auto exists = [&](const wchar_t* name) {
        return GetFileAttributesW((wideFolder + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    EXPECT_TRUE(exists(L"good.bin")) << "stored in the folder it was given";
    EXPECT_FALSE(exists(L"bad.bin")) << "a failed transfer is deleted";
    // Nothing went to a folder of another spelling beside it.
    std::size_t entries = 0;
    WIN32_FIND_DATAW found{};
    win32::FindHandle search(FindFirstFileW(
        (win32::ToWide(folder.Path(), win32::AnsiCodePage) + L"\\*").c_str(), &found));
    ASSERT_TRUE(search.Valid());
    do {
        if (std::wstring_view(found.cFileName) != L"." &&
            std::wstring_view(found.cFileName) != L"..")
            ++entries;
    } while (FindNextFileW(search.Get(), &found));
    EXPECT_EQ(entries, 1u);
}

TEST_F(Transfers, SystemProxySettingsFetchDirectlyWhenNoneIsConfigured) {
    TProxySettings proxy;
    proxy.ProxyAccess = ProxyAccessMode::System;
    queue->SetProxy(proxy);
    queue->Add(ServerUrl("/bytes/3000/sys.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(log.Events.back().Number, 0);
    std::string content;
    ASSERT_TRUE(testsupport::ReadFile(folder.File("sys.bin"), content));
    EXPECT_EQ(content, PatternBody(3000));
}

class ProxyTransfers : public Transfers {
protected:
    void SetUp() override {
        if (TestProxy().empty())
            GTEST_SKIP() << "no authenticating proxy in COBWEN_TEST_PROXY";
        Transfers::SetUp();
    }

    void UseProxy(bool auth, const std::string& password) {
        TProxySettings proxy;
        proxy.ProxyAccess = ProxyAccessMode::Given;
        proxy.ProxyHost = TestProxy();
        proxy.ProxyUserName = "user";
        proxy.ProxyPassword = password;
        proxy.ProxyAuthRequired = auth;
        queue->SetProxy(proxy);
    }
};

TEST_F(ProxyTransfers, CredentialsReachTheProxy) {
    UseProxy(true, "secret");
    queue->Add(ServerUrl("/bytes/5000/viaproxy.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(log.Count("error"), 0u) << (log.Count("error") ? Utf8(log.First("error")->Text) : "");
    EXPECT_EQ(log.Events.back().Number, 0);
    std::string content;
    ASSERT_TRUE(testsupport::ReadFile(folder.File("viaproxy.bin"), content));
    EXPECT_EQ(content, PatternBody(5000));
}

TEST_F(ProxyTransfers, ChallengeWithoutCredentialsIsAnErrorStatus) {
    UseProxy(false, "");
    auto dialog = std::make_shared<ScriptedDialog>([](HINTERNET, int) { return ERROR_SUCCESS; });
    queue->SetRequestDialog(dialog);
    queue->Add(ServerUrl("/bytes/10/noauth.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(dialog->calls, 1);
    ASSERT_EQ(log.Count("error"), 1u);
    EXPECT_EQ(Utf8(log.First("error")->Text).rfind("Ошибка соединения\r407", 0), 0u)
        << Utf8(log.First("error")->Text);
    EXPECT_FALSE(testsupport::FileExists(folder.File("noauth.bin")));
}

TEST_F(ProxyTransfers, DialogEnteringCredentialsHasTheRequestSentAgain) {
    UseProxy(false, "");
    auto dialog = std::make_shared<ScriptedDialog>([](HINTERNET request, int call) -> DWORD {
        if (call > 1)
            return ERROR_SUCCESS;
        char user[] = "user";
        char password[] = "secret";
        InternetSetOptionA(request, INTERNET_OPTION_PROXY_USERNAME, user, 4);
        InternetSetOptionA(request, INTERNET_OPTION_PROXY_PASSWORD, password, 6);
        return ERROR_INTERNET_FORCE_RETRY;
    });
    queue->SetRequestDialog(dialog);
    queue->Add(ServerUrl("/bytes/2000/retried.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(dialog->calls, 2);
    EXPECT_EQ(log.Count("error"), 0u) << (log.Count("error") ? Utf8(log.First("error")->Text) : "");
    std::string content;
    ASSERT_TRUE(testsupport::ReadFile(folder.File("retried.bin"), content));
    EXPECT_EQ(content, PatternBody(2000));
}

TEST_F(ProxyTransfers, CancelledDialogFailsWithoutMessage) {
    UseProxy(true, "wrong");
    auto dialog = std::make_shared<ScriptedDialog>([](HINTERNET, int) { return ERROR_CANCELLED; });
    queue->SetRequestDialog(dialog);
    queue->Add(ServerUrl("/bytes/10/cancelled.bin"));
    ASSERT_TRUE(WaitDone(1));
    EXPECT_EQ(log.Count("error"), 0u);
    EXPECT_EQ(log.Events.back().Number, 1);
    EXPECT_FALSE(testsupport::FileExists(folder.File("cancelled.bin")));
}

} // namespace
} // namespace cobwen::test
