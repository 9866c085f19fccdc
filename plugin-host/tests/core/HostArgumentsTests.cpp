#include "plugin-host/standin/core/HostArguments.h"

#include <gtest/gtest.h>

using namespace ulvar::standin;

namespace {

TEST(HostArguments, ParsesOptionsAndRefusesBadOnes) {
    struct Case {
        std::vector<std::string> arguments;
        std::string language;
        int width, height;
        std::string plugin;
        bool ok;
        std::vector<std::string> more = {};
    };
    const Case cases[] = {
        {{"echo.dll"}, "en", 0, 0, "echo.dll", true},
        {{"--lang", "ru", "--size", "100x40", "b.dll"}, "ru", 100, 40, "b.dll", true},
        {{"b.dll", "--size", "80x25"}, "en", 80, 25, "b.dll", true},
        {{}, "en", 0, 0, "", false},
        {{"--lang"}, "en", 0, 0, "", false},
        {{"--size", "79x25", "b.dll"}, "en", 0, 0, "", false},
        {{"--size", "100x40x2", "b.dll"}, "en", 0, 0, "", false},
        {{"--size", "big", "b.dll"}, "en", 0, 0, "", false},
        {{"--verbose", "b.dll"}, "en", 0, 0, "", false},
        {{"a.dll", "b.dll", "--lang", "ru", "c.dll"},
         "ru",
         0,
         0,
         "a.dll",
         true,
         {"b.dll", "c.dll"}},
    };
    for (auto const& c : cases) {
        auto const parsed = ParseHostArguments(c.arguments);
        std::string const what = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(parsed.error.empty(), c.ok) << what << ": " << parsed.error;
        if (!c.ok)
            continue;
        EXPECT_EQ(parsed.language, c.language) << what;
        EXPECT_EQ(parsed.width, c.width) << what;
        EXPECT_EQ(parsed.height, c.height) << what;
        EXPECT_EQ(parsed.plugin, c.plugin) << what;
        EXPECT_EQ(parsed.morePlugins, c.more) << what;
    }
}

TEST(HostArguments, AConsoleSmallerThan80x25IsRefusedWithWhatItIs) {
    EXPECT_EQ(ScreenSizeError(80, 25), "");
    EXPECT_EQ(ScreenSizeError(132, 60), "");
    EXPECT_EQ(ScreenSizeError(80, 24), "ulvar-host needs a console of at least 80x25; this one is "
                                       "80x24 (make the window larger, or give --size WxH)");
    EXPECT_NE(ScreenSizeError(79, 40), "");
}

} // namespace
