#include "browser/app/main/core/RefreshTarget.h"

#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

struct TargetCase {
    const char* name;
    const char* temp;
    const char* program;
    const char* download;
    RefreshTarget expected;
};

const TargetCase Cases[] = {
    {"the temporary folder", "C:\\Temp", "C:\\Ulvar\\Cobwen\\", "", {"C:\\Temp", "plugins.dat.gz"}},
    {"no temporary folder: the program's folder",
     "",
     "C:\\Ulvar\\Cobwen\\",
     "",
     {"C:\\Ulvar\\Cobwen\\", "_list_plugins.dat.gz"}},
    {"no temporary folder: the download folder",
     "",
     "C:\\Ulvar\\Cobwen\\",
     "D:\\Plugins",
     {"D:\\Plugins", "_list_plugins.dat.gz"}},
    {"the temporary folder is the program's folder",
     "C:\\Ulvar\\Cobwen",
     "C:\\Ulvar\\Cobwen\\",
     "D:\\Plugins",
     {"D:\\Plugins", "_list_plugins.dat.gz"}},
    {"the same folder with its backslash",
     "C:\\Ulvar\\Cobwen\\",
     "C:\\Ulvar\\Cobwen\\",
     "",
     {"C:\\Ulvar\\Cobwen\\", "_list_plugins.dat.gz"}},
    // Another spelling of the program's folder must not put the download onto the local copy.
    {"another case is the same folder",
     "c:\\ulvar\\COBWEN",
     "C:\\Ulvar\\Cobwen\\",
     "",
     {"C:\\Ulvar\\Cobwen\\", "_list_plugins.dat.gz"}},
    {"Cyrillic names compare without case too",
     "C:\\\xCF\xF0\xEE\xE3",
     "C:\\\xEF\xF0\xEE\xE3\\",
     "",
     {"C:\\\xEF\xF0\xEE\xE3\\", "_list_plugins.dat.gz"}},
};

TEST(RefreshTarget, NeverTheLocalCopysOwnName) {
    const BuiltinRussianLocale locale;
    for (const TargetCase& c : Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseRefreshTarget(c.temp, c.program, c.download, locale), c.expected);
    }
}

} // namespace
} // namespace cobwen
