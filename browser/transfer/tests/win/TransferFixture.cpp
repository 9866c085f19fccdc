#include "browser/transfer/tests/win/TransferFixture.h"
#include "tools/testsupport/LocalServers.h"

#include "win32/InternetHandle.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace cobwen::test {

GetFilesEvents EventLog::Handlers() {
    GetFilesEvents events;
    events.OnStart = [this](const std::string& url) {
        Record({"start", url, 0, false});
    };
    events.OnProgress = [this](std::int32_t size) {
        Record({"progress", "", size, false});
    };
    events.OnOverwriteQuery = [this](const std::string& question, bool& overwrite) {
        EXPECT_TRUE(overwrite) << "the question comes with the answer to overwrite";
        overwrite = OverwriteAnswer;
        Record({"overwrite", question, 0, false});
    };
    events.OnError = [this](const std::string& text) {
        Record({"error", text, 0, false});
    };
    events.OnDone = [this](bool failed, const std::string& url) {
        Record({"done", url, failed ? 1 : 0, false});
    };
    events.OnStopped = [this] {
        Record({"stopped", "", 0, false});
    };
    return events;
}

void EventLog::Record(Event event) {
    static const DWORD mainThread = GetCurrentThreadId();
    event.OnMainThread = GetCurrentThreadId() == mainThread;
    Events.push_back(event);
    if (After)
        After(Events.back());
}

std::size_t EventLog::Count(const std::string& kind) const {
    std::size_t count = 0;
    for (const Event& e : Events)
        count += e.Kind == kind;
    return count;
}

std::vector<std::int64_t> EventLog::Numbers(const std::string& kind) const {
    std::vector<std::int64_t> numbers;
    for (const Event& e : Events)
        if (e.Kind == kind)
            numbers.push_back(e.Number);
    return numbers;
}

const Event* EventLog::First(const std::string& kind) const {
    for (const Event& e : Events)
        if (e.Kind == kind)
            return &e;
    return nullptr;
}

std::string ServerUrl(const std::string& path) {
    return "http://" + testsupport::LocalServer() + path;
}

std::string ServerGet(const std::string& path) {
    const win32::InternetHandle root(
        InternetOpenA("transfer-tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!root.Valid())
        return {};
    const win32::InternetHandle url(
        InternetOpenUrlA(root.Get(), ServerUrl(path).c_str(), nullptr, 0,
                         INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    if (!url.Valid())
        return {};
    std::string body;
    char block[4096];
    DWORD count = 0;
    while (InternetReadFile(url.Get(), block, sizeof block, &count) && count > 0)
        body.append(block, count);
    return body;
}

std::string PatternBody(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        body[i] = static_cast<char>(i % 251);
    return body;
}

std::string TestProxy() {
    return testsupport::LocalProxy();
}

} // namespace cobwen::test
