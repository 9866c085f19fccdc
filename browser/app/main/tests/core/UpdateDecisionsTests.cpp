#include "browser/app/main/core/UpdateDecisions.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(UpdateDecisions, WhenAnAutomaticCheckRuns) {
    struct Case {
        const char* name;
        UpdateCheckOccasion occasion;
        bool runs;
    };
    const std::int32_t today = 46000;
    const Case cases[] = {
        {"30 days after the last check", {false, false, true, false, today, today - 30, 30}, false},
        {"31 days after the last check", {false, false, true, false, today, today - 31, 30}, true},
        {"never checked", {false, false, true, false, today, 0, 30}, true},
        {"checks switched off", {false, false, false, false, today, 0, 30}, false},
        {"manual, checks off, checked today", {true, false, false, true, today, today, 30}, true},
        {"system proxy at start-up", {false, false, true, true, today, 0, 30}, false},
        {"system proxy after a transfer", {false, true, true, true, today, 0, 30}, true},
        {"after a transfer, within the period",
         {false, true, true, false, today, today - 1, 30},
         false},
        {"a day number from the future", {false, false, true, false, today, today + 5, 30}, false},
        // The difference is taken without wrapping.
        {"extreme stored day number", {false, false, true, false, 5, INT32_MIN, 30}, true},
        {"extreme future day number", {false, false, true, false, -5, INT32_MAX, 30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShouldCheckForUpdate(c.occasion), c.runs);
    }
}

TEST(UpdateDecisions, VersionNumbers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"2162", 2162},
        {"0", 0},
        {"002", 2},
        {"2147483647", 2147483647},
        // Too large for the integer: malformed, not a wrapped or clamped number.
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {" 12", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1.2", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(VersionValue(c.text), c.value);
    }
}

TEST(UpdateDecisions, KnownVersion) {
    EXPECT_EQ(KnownVersion(std::string("2170"), "2162"), "2170");
    EXPECT_EQ(KnownVersion(std::nullopt, "2162"), "2162");
    EXPECT_EQ(KnownVersion(std::string("12a"), "2162"), "2162");
    EXPECT_EQ(KnownVersion(std::string(""), "2162"), "2162");
    EXPECT_EQ(KnownVersion(std::string("1 2"), "2162"), "2162");
    // Digits only, so it is kept; too large, it makes the information malformed later.
    EXPECT_EQ(KnownVersion(std::string("99999999999"), "2162"), "99999999999");
}

TEST(UpdateDecisions, InformationFiles) {
    struct Case {
        const char* name;
        std::string_view file;
        const char* known;
        UpdateVerdict verdict;
    };
    const Case cases[] = {
        {"newer", "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::Offer},
        {"the same", "ULVAR Cobwen GUI\r\n2162\r\n2.1.6\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::NoNewer},
        {"older", "ULVAR Cobwen GUI\r\n2100\r\n2.1.0\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::NoNewer},
        {"LF line ends", "ULVAR Cobwen GUI\n2170\n2.1.7\n01.02.2026\n", "2162",
         UpdateVerdict::Offer},
        {"no last line end", "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026", "2162",
         UpdateVerdict::Offer},
        {"further lines", "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\nmore\r\n", "2162",
         UpdateVerdict::Offer},
        {"first line in other case", "ULVAR COBWEN GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::Malformed},
        {"first line with a blank", "ULVAR Cobwen GUI \r\n2170\r\n2.1.7\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::Malformed},
        {"empty file", "", "2162", UpdateVerdict::Malformed},
        {"only the first line", "ULVAR Cobwen GUI\r\n", "2162", UpdateVerdict::Malformed},
        {"version not a number", "ULVAR Cobwen GUI\r\n2.1.7\r\n2.1.7\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::Malformed},
        {"version too large", "ULVAR Cobwen GUI\r\n4294967296\r\n9\r\n01.02.2026\r\n", "2162",
         UpdateVerdict::Malformed},
        {"known version too large", "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n",
         "4294967298", UpdateVerdict::Malformed},
        {"known version empty", "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n", "",
         UpdateVerdict::Malformed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideOnUpdateInfo(c.file, c.known).Verdict, c.verdict);
    }
}

TEST(UpdateDecisions, LinesShownToTheUser) {
    for (const std::string_view file : {"ULVAR Cobwen GUI\r\n2170\r\n2.1.7 beta\r\n01.02.2026\r\n",
                                        "ULVAR Cobwen GUI\n2170\n2.1.7 beta\n01.02.2026\n"}) {
        const UpdateInfoDecision decision = DecideOnUpdateInfo(file, "2162");
        EXPECT_EQ(decision.Info, (UpdateInfo{"2170", "2.1.7 beta", "01.02.2026"}));
    }
    // A file that ends early leaves the shown lines empty.
    EXPECT_EQ(DecideOnUpdateInfo("ULVAR Cobwen GUI\r\n2170", "2162").Info,
              (UpdateInfo{"2170", "", ""}));
}

TEST(UpdateDecisions, DeclinedVersionIsNotOfferedAgain) {
    // Declining records line 2 as the known version: the same file offers nothing any more, a
    // greater number is offered again.
    const std::string_view first = "ULVAR Cobwen GUI\r\n2170\r\n2.1.7\r\n01.02.2026\r\n";
    const UpdateInfoDecision offered =
        DecideOnUpdateInfo(first, KnownVersion(std::nullopt, "2162"));
    ASSERT_EQ(offered.Verdict, UpdateVerdict::Offer);
    const std::string recorded = offered.Info.Version;
    EXPECT_EQ(DecideOnUpdateInfo(first, KnownVersion(recorded, "2162")).Verdict,
              UpdateVerdict::NoNewer);
    EXPECT_EQ(DecideOnUpdateInfo("ULVAR Cobwen GUI\r\n2171\r\n2.1.7.1\r\n02.02.2026\r\n",
                                 KnownVersion(recorded, "2162"))
                  .Verdict,
              UpdateVerdict::Offer);
}

TEST(UpdateDecisions, ServerUrls) {
    EXPECT_EQ(UpdateInfoUrl("cobwen.ulvar.org"), "http://cobwen.ulvar.org/ulvar/lv_gui.dat");
    EXPECT_EQ(UpdateArchiveUrl("127.0.0.1:8080"), "http://127.0.0.1:8080/ulvar/cobwen_gui.rar");
}

} // namespace
} // namespace cobwen
