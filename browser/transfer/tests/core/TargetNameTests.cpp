#include "browser/transfer/core/TargetName.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

struct NameCase {
    const char* name;
    bool inside;
};

TEST(TargetName, StaysInsideOnlyForRelativeNamesWithoutParentSteps) {
    const NameCase cases[] = {
        {"plugin.zip", true},
        {"sub\\plugin.zip", true},
        {"sub/deeper/plugin.zip", true},
        {".\\plugin.zip", true},
        {"..plugin.zip", true},
        {"plugin..zip", true},
        {"", false},
        {"..\\plugin.zip", false},
        {"../plugin.zip", false},
        {"sub\\..\\..\\plugin.zip", false},
        {"sub\\..", false},
        {"...\\plugin.zip", false},
        {".. \\plugin.zip", false},
        {"\\plugin.zip", false},
        {"/plugin.zip", false},
        {"\\\\server\\share\\plugin.zip", false},
        {"C:\\plugin.zip", false},
        {"C:plugin.zip", false},
        {"plugin.zip:stream", false},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(IsTargetNameInside(c.name), c.inside) << '"' << c.name << '"';
}

TEST(TargetName, PathAndFolder) {
    EXPECT_EQ(TargetPath("C:\\down", "a.zip"), "C:\\down\\a.zip");
    EXPECT_EQ(TargetPath("C:\\down\\", "sub\\a.zip"), "C:\\down\\sub\\a.zip");
    EXPECT_EQ(TargetPath("", "a.zip"), "a.zip");
    EXPECT_EQ(TargetFolder("C:\\down\\sub\\a.zip"), "C:\\down\\sub");
    EXPECT_EQ(TargetFolder("a.zip"), "");
}

} // namespace
} // namespace cobwen
