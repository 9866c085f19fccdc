#include "browser/transfer/core/HostPort.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(HostPort, ThePortOfTheUrlOrTheHttpPort) {
    const struct {
        const char* host;
        HostPort expected;
    } cases[] = {
        {"cobwen.ulvar.org", {"cobwen.ulvar.org", 80}},
        {"127.0.0.1:8080", {"127.0.0.1", 8080}},
        {"localhost:65535", {"localhost", 65535}},
        {"localhost:65536", {"localhost:65536", 80}},
        {"localhost:0", {"localhost:0", 80}},
        {"localhost:", {"localhost:", 80}},
        {"localhost:8o", {"localhost:8o", 80}},
        {"localhost:0000080", {"localhost:0000080", 80}},
        {"", {"", 80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.host);
        EXPECT_EQ(SplitHostPort(c.host), c.expected);
    }
}

} // namespace
} // namespace cobwen
