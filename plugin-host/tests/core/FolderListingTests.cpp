// The host's file panel over a real folder: order, "..", entering and leaving, the selection and
// the cursor across a new listing, and the path helpers on both kinds of delimiter.

#include "plugin-host/standin/core/FolderListing.h"
#include "plugin-host/standin/core/StandardPlatform.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

std::vector<std::string> Names(const FilePanel& panel) {
    std::vector<std::string> names;
    for (auto const& item : panel.items)
        names.push_back(item.Data.FileName);
    return names;
}

TEST(FolderPathsTest, JoinAndParentOnBothDelimiters) {
    struct Case {
        const char* folder;
        const char* joined; // with "x"
        const char* parent;
    };
    const Case cases[] = {
        {"C:\\Work\\Sub", "C:\\Work\\Sub\\x", "C:\\Work"},
        {"C:\\Work\\", "C:\\Work\\x", "C:\\"},
        {"C:\\", "C:\\x", ""},
        {"/tmp/a", "/tmp/a/x", "/tmp"},
        {"/tmp", "/tmp/x", "/"},
        {"/", "/x", ""},
        {"name", "name\\x", ""},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(JoinFolder(c.folder, "x"), c.joined) << c.folder;
        EXPECT_EQ(ParentFolder(c.folder), c.parent) << c.folder;
    }
}

class FolderListingTest : public testing::Test {
protected:
    FolderListingTest() {
        folder.Write("beta.txt", "12345");
        folder.Write("Alpha.txt", "1");
        std::filesystem::create_directory(folder.File("zeta"));
        std::filesystem::create_directory(folder.File("Inner"));
        folder.Write("Inner/deep.txt", "");
        panel.folder = folder.Path();
    }
    testsupport::ScratchFolder folder;
    StandardPlatform platform;
    FilePanel panel;
};

TEST_F(FolderListingTest, FoldersFirstThenFilesByNameAndTheParentFirstOfAll) {
    ASSERT_TRUE(ListFiles(panel, platform));
    EXPECT_EQ(Names(panel),
              (std::vector<std::string>{"..", "Inner", "zeta", "Alpha.txt", "beta.txt"}));
    EXPECT_TRUE(IsFolder(panel.items[1]));
    EXPECT_EQ(panel.items[4].Data.FileSize, 5u);
    EXPECT_EQ(ItemPath(panel, 4), JoinFolder(folder.Path(), "beta.txt"));
}

TEST_F(FolderListingTest, SortModesOrderTheFilesAndKeepFoldersFirst) {
    folder.Write("gamma.c", "123");
    struct Case {
        int mode;
        bool descending;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {SortByName, false, {"..", "Inner", "zeta", "Alpha.txt", "beta.txt", "gamma.c"}},
        {SortByName, true, {"..", "zeta", "Inner", "gamma.c", "beta.txt", "Alpha.txt"}},
        {SortBySize, false, {"..", "Inner", "zeta", "beta.txt", "gamma.c", "Alpha.txt"}},
        {SortByExtension, false, {"..", "Inner", "zeta", "gamma.c", "Alpha.txt", "beta.txt"}},
        {SortByWriteTime, false, {"..", "Inner", "zeta", "Alpha.txt", "beta.txt", "gamma.c"}},
    };
    for (auto const& c : cases) {
        panel.sortMode = c.mode;
        panel.sortDescending = c.descending;
        ASSERT_TRUE(ListFiles(panel, platform));
        EXPECT_EQ(Names(panel), c.names) << c.mode << (c.descending ? " reversed" : "");
    }
    panel.sortMode = SortUnsorted;
    ASSERT_TRUE(ListFiles(panel, platform));
    EXPECT_EQ(panel.items.size(), 6u) << "the system's order, whatever it is";
}

TEST_F(FolderListingTest, SelectionAndCursorStayOnTheirNamesAcrossANewListing) {
    ASSERT_TRUE(ListFiles(panel, platform));
    panel.items[4].Flags |= ItemSelected; // beta.txt
    panel.current = 3;                    // Alpha.txt
    folder.Write("aardvark.txt", "");     // a new file before both
    ASSERT_TRUE(ListFiles(panel, platform));
    ASSERT_EQ(Names(panel)[3], "aardvark.txt");
    EXPECT_EQ(Names(panel)[static_cast<std::size_t>(panel.current)], "Alpha.txt");
    EXPECT_TRUE(panel.items[5].Flags & ItemSelected);
    EXPECT_FALSE(panel.items[4].Flags & ItemSelected);
}

TEST_F(FolderListingTest, EnterAFolderAndLeaveItWithTheCursorOnIt) {
    ASSERT_TRUE(ListFiles(panel, platform));
    panel.current = 3; // a file
    EXPECT_FALSE(EnterFileItem(panel, platform));
    panel.current = 1;
    ASSERT_TRUE(EnterFileItem(panel, platform));
    EXPECT_EQ(panel.folder, JoinFolder(folder.Path(), "Inner"));
    EXPECT_EQ(Names(panel), (std::vector<std::string>{"..", "deep.txt"}));
    panel.current = 0;
    ASSERT_TRUE(EnterFileItem(panel, platform));
    EXPECT_EQ(panel.folder, folder.Path());
    EXPECT_EQ(Names(panel)[static_cast<std::size_t>(panel.current)], "Inner");
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadLeavesThePanelWhereItWas) {
    ASSERT_TRUE(ListFiles(panel, platform));
    std::filesystem::remove_all(folder.File("zeta"));
    panel.current = 2; // zeta, gone now
    EXPECT_FALSE(EnterFileItem(panel, platform));
    EXPECT_EQ(panel.folder, folder.Path());
    FilePanel missing;
    missing.folder = folder.File("nowhere");
    EXPECT_FALSE(ListFiles(missing, platform));
    EXPECT_TRUE(missing.items.empty());
}

} // namespace
