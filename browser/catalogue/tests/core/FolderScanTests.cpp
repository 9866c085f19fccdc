#include "browser/catalogue/core/FolderScan.h"

#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace cobwen {
namespace {

// Folders in memory, listed in the order given, with "." and ".." as the system lists them.
class MemoryFolders final : public FolderLister {
public:
    std::map<std::string, std::vector<FolderEntry>> folders;
    mutable int listed = 0;

    void List(const std::string& folder,
              const std::function<bool(const FolderEntry&)>& visit) const override {
        ++listed;
        const auto it = folders.find(folder);
        if (it == folders.end())
            return;
        if (!visit({".", true, 0}) || !visit({"..", true, 0}))
            return;
        for (const FolderEntry& entry : it->second)
            if (!visit(entry))
                return;
    }
    std::string Join(const std::string& folder, const std::string& name) const override {
        return folder + "\\" + name;
    }
};

class FolderScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Records 1 to 3: a.zip of 100 bytes, b.rar of 200, sub/c.7z of 300.
        std::string text;
        const char* const urls[] = {"a.zip", "b.rar", "sub/c.7z"};
        for (int id = 1; id <= 3; ++id)
            text += std::to_string(id) + std::string(6, '\x14') + urls[id - 1] + '\x14' +
                    std::to_string(id * 100) + std::string(11, '\x14') + "\r\n";
        ASSERT_EQ(archive.LoadFromText(text), LoadOk);
        disk.folders["D:\\down"] = {{"a.zip", false, 100},
                                    {"sub", true, 0},
                                    {"unknown.zip", false, 100},
                                    {"B.RAR", false, 201}};
        disk.folders["D:\\down\\sub"] = {{"c.7z", false, 300}, {"a.zip", false, 100}};
    }

    std::vector<std::int32_t> Scan(ScanKind kind) {
        std::vector<std::int32_t> ids;
        const std::atomic<bool> terminate{false};
        ScanFolder(disk, "D:\\down", archive, kind, terminate,
                   [&](std::int32_t id) { ids.push_back(id); });
        return ids;
    }

    BuiltinRussianLocale locale;
    TCobwenArchive archive{locale};
    MemoryFolders disk;
};

TEST_F(FolderScanTest, FilesOfTheCataloguesSizeAreDownloadedOnesOfAnotherSizeUpdated) {
    // Depth first: the sub-folder is walked where it is listed; a.zip in it counts again.
    EXPECT_EQ(Scan(ScanKind::Downloaded), (std::vector<std::int32_t>{1, 3, 1}));
    EXPECT_EQ(Scan(ScanKind::Updated), (std::vector<std::int32_t>{2}))
        << "b.rar is found without regard to case and has another size";
}

TEST_F(FolderScanTest, FilesOf2GiBAndMoreReadAsNegativeSizes) {
    disk.folders["D:\\down"] = {{"a.zip", false, (std::uint64_t{1} << 32) + 100},
                                {"b.rar", false, std::uint64_t{1} << 31}};
    disk.folders.erase("D:\\down\\sub");
    // 4 GiB + 100 bytes reads as 100: as a 32-bit size it is the catalogue's.
    EXPECT_EQ(Scan(ScanKind::Downloaded), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(Scan(ScanKind::Updated), (std::vector<std::int32_t>{2}));
}

TEST_F(FolderScanTest, TerminationStopsAfterTheCurrentEntry) {
    std::vector<std::int32_t> ids;
    std::atomic<bool> terminate{false};
    ScanFolder(disk, "D:\\down", archive, ScanKind::Downloaded, terminate, [&](std::int32_t id) {
        ids.push_back(id);
        terminate = true;
    });
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(disk.listed, 1) << "the sub-folder after the entry is not entered";
}

TEST_F(FolderScanTest, AMissingFolderFindsNothing) {
    disk.folders.clear();
    EXPECT_TRUE(Scan(ScanKind::Downloaded).empty());
}

} // namespace
} // namespace cobwen
