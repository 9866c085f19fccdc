// Names of new entries: default names, the name check, numbered free names.

#include "plugins/startup/core/EntryNames.h"

#include <gtest/gtest.h>

#include <set>

namespace launchet {
namespace {

TEST(DefaultEntryNameTest, IsTheFileNameCutBeforeItsFirstDot) {
    EXPECT_EQ(DefaultEntryName("C:\\tools\\my.tool.v2.exe"), "my");
    EXPECT_EQ(DefaultEntryName("notepad.exe"), "notepad");
    EXPECT_EQ(DefaultEntryName("C:\\tools\\noext"), "noext");
    EXPECT_EQ(DefaultEntryName("D:readme.txt"), "readme");
    EXPECT_EQ(DefaultEntryName("a/b/.hidden"), "");
}

TEST(EntryNameCheckTest, RefusesWhatAFileOrValueNameCannotHold) {
    for (const char* good : {"Tool", "My Tool 2", "tool-v1.2", "\x8f\xe0\xae\xa3"})
        EXPECT_TRUE(IsValidEntryName(good)) << good;
    for (const char* bad : {"", "a\\b", "a/b", "C:x", "a*", "a?", "\"a\"", "<a>", "a|b", "a\tb"})
        EXPECT_FALSE(IsValidEntryName(bad)) << bad;
}

TEST(FirstFreeNameTest, CountsOnFromOneAfterTheNameItself) {
    auto const make = [](int n) {
        return n == 0 ? std::string("name") : "name" + std::to_string(n);
    };
    std::set<std::string> taken;
    auto const isTaken = [&taken](const std::string& name) {
        return taken.count(name) != 0;
    };
    EXPECT_EQ(FirstFreeName(make, isTaken), "name");
    taken = {"name", "name1"};
    EXPECT_EQ(FirstFreeName(make, isTaken), "name2");
    taken = {"name1"};
    EXPECT_EQ(FirstFreeName(make, isTaken), "name");
    EXPECT_EQ(FirstFreeName(make, [](const std::string&) { return true; }), std::nullopt)
        << "the search ends";
}

} // namespace
} // namespace launchet
