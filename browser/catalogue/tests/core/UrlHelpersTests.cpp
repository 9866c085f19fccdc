#include "browser/catalogue/core/UrlHelpers.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(UrlFileName, TakesTheTextAfterTheLastSlash) {
    struct Case {
        const char* url;
        const char* expected;
    };
    const Case cases[] = {
        {"http://host/downld/files/tools/x.rar", "x.rar"},
        {"http://host/downld/files/tools/", "tools/"}, // a trailing slash is not a separator
        {"x.rar", "x.rar"},
        {"/x", "x"},
        {"/", "/"},
        {"", ""},
        {"a/", "a/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlFileName(c.url), c.expected) << c.url;
    }
}

TEST(SplitUrl, SeparatesHostAndObject) {
    struct Case {
        const char* url;
        const char* host;
        const char* object;
    };
    const Case cases[] = {
        {"http://cobwen.example/downld/plugins.dat.gz", "cobwen.example", "/downld/plugins.dat.gz"},
        {"HTTP://Host.Example/A/b.rar", "Host.Example", "/A/b.rar"},
        {"127.0.0.1:8080/x", "127.0.0.1:8080", "/x"}, // no port is parsed out
        {"http://host", "host", ""},
        {"http://host/", "host", "/"},
        {"host/path", "host", "/path"},
    };
    for (const auto& c : cases) {
        const UrlParts parts = SplitUrl(c.url);
        EXPECT_EQ(parts.host, c.host) << c.url;
        EXPECT_EQ(parts.object, c.object) << c.url;
    }
    EXPECT_TRUE(ContainsHttpScheme("see HTTP://x"));
    EXPECT_FALSE(ContainsHttpScheme("https://x"));
    EXPECT_FALSE(ContainsHttpScheme("http:/x"));
}

TEST(UrlEncode, PercentEncodesAllButWordCharacters) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"a b", "a%20b"},
        {"user_1@host.ru", "user_1%40host%2Eru"},
        {"%20already", "%20already"},
        {"%zz", "%zz"},
        {"%2", "%252"},
        {"100%", "100%25"},
        {"\xC8\xEC\xFF", "%C8%EC%FF"}, // code page 1251 letters
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlEncode(c.text), c.expected) << c.text;
    }
}

} // namespace
} // namespace cobwen
