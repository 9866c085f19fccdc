#include "tools/cobwen-get/GetOptions.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(GetOptions, EveryOptionAndTheUrls) {
    GetOptions options;
    std::string error;
    ASSERT_TRUE(ParseGetOptions({"--dest", "C:\\down", "--max", "3", "--proxy-mode", "2", "--proxy",
                                 "127.0.0.1:8888", "--proxy-user", "user", "--proxy-password",
                                 "secret", "--overwrite", "no", "http://a/x.zip", "b/y.zip"},
                                options, error))
        << error;
    EXPECT_EQ(options.DestFolder, "C:\\down");
    EXPECT_EQ(options.MaxCount, 3);
    EXPECT_EQ(options.Proxy.ProxyAccess, ProxyAccessMode::Given);
    EXPECT_EQ(options.Proxy.ProxyHost, "127.0.0.1:8888");
    EXPECT_EQ(options.Proxy.ProxyUserName, "user");
    EXPECT_EQ(options.Proxy.ProxyPassword, "secret");
    EXPECT_TRUE(options.Proxy.ProxyAuthRequired);
    EXPECT_FALSE(options.Overwrite);
    EXPECT_EQ(options.Urls, (std::vector<std::string>{"http://a/x.zip", "b/y.zip"}));
}

TEST(GetOptions, DefaultsAreThoseOfANewQueue) {
    GetOptions options;
    std::string error;
    ASSERT_TRUE(ParseGetOptions({"http://a/x.zip"}, options, error));
    EXPECT_EQ(options.MaxCount, 1);
    EXPECT_EQ(options.Proxy, TProxySettings());
    EXPECT_TRUE(options.Overwrite);
    EXPECT_EQ(options.DestFolder, "");
}

TEST(GetOptions, WrongLinesAreRefused) {
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"--dest", "x"},
        {"--max", "0", "u"},
        {"--max", "many", "u"},
        {"--proxy-mode", "3", "u"},
        {"--overwrite", "maybe", "u"},
        {"--unknown", "1", "u"},
        {"u", "--dest"},
    };
    for (const auto& line : lines) {
        GetOptions options;
        std::string error;
        EXPECT_FALSE(ParseGetOptions(line, options, error)) << line.size();
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
} // namespace cobwen
