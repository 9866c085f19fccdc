#pragma once

#include "browser/transfer/win/GetFiles.h"
#include "tools/testsupport/win/MessagePump.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cobwen::test {

// One recorded event of a queue, in the order the main thread ran them.
struct Event {
    std::string Kind;        // "start", "progress", "overwrite", "error", "done", "stopped"
    std::string Text;        // URL, question or error text
    std::int64_t Number = 0; // block size, or 1 for a failed OnDone
    bool OnMainThread = false;
};

// Records every event of a queue; the overwrite question gets `overwriteAnswer`.
class EventLog {
public:
    GetFilesEvents Handlers();

    std::vector<Event> Events;
    bool OverwriteAnswer = true;
    // Runs after each recorded event, on the main thread.
    std::function<void(const Event&)> After;

    std::size_t Count(const std::string& kind) const;
    std::vector<std::int64_t> Numbers(const std::string& kind) const;
    const Event* First(const std::string& kind) const;

private:
    void Record(Event event);
};

// The URL of a path on the scripted server of the test runner.
std::string ServerUrl(const std::string& path);
// The body of a GET on the scripted server (through WinInet); empty on failure.
std::string ServerGet(const std::string& path);
// The pattern body the server sends for /bytes/N and /slow/N.
std::string PatternBody(std::size_t size);
// "127.0.0.1:PORT" of the authenticating test proxy; empty when none runs.
std::string TestProxy();

} // namespace cobwen::test
