#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FileAge.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/win/FileInfo.h"
#include "win32/Handle.h"

#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

// Month names that cannot be mistaken for any real locale's.
class MarkedMonthsLocale final : public TextLocale {
public:
    MarkedMonthsLocale() {
        for (int month = 1; month <= 12; ++month)
            shortMonthNames_[static_cast<std::size_t>(month - 1)] = "M" + std::to_string(month);
    }
    int CompareText(std::string_view a, std::string_view b) const override { return a.compare(b); }
};

// Sets the file's modification time to a local time.
bool SetLocalWriteTime(const std::string& path, const SYSTEMTIME& local) {
    FILETIME localTime{}, utc{};
    if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc))
        return false;
    const win32::KernelHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
    return file.Valid() && SetFileTime(file.Get(), nullptr, nullptr, &utc);
}

// 4 March 2021, 05:09:26.700 local time: single-digit day and hour, and milliseconds to drop.
constexpr SYSTEMTIME WriteTime{2021, 3, 4, 4, 5, 9, 26, 700};

class FileInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::WriteFile(folder_.File("plain.txt"), "12345"));
        ASSERT_TRUE(SetLocalWriteTime(folder_.File("plain.txt"), WriteTime));
        ASSERT_TRUE(testsupport::WriteFile(folder_.File("hidden.bin"), "1234567"));
        ASSERT_TRUE(SetLocalWriteTime(folder_.File("hidden.bin"), WriteTime));
        ASSERT_TRUE(SetFileAttributesA(folder_.File("hidden.bin").c_str(),
                                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                           FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
        ASSERT_TRUE(CreateDirectoryA(folder_.File("sub").c_str(), nullptr));
        ASSERT_TRUE(testsupport::WriteFile(folder_.File("sub\\inner.txt"), "123"));
    }

    testsupport::ScratchFolder folder_;
    MarkedMonthsLocale locale_;
};

TEST_F(FileInfoTest, FileSizeOfTakesTheFirstMatchingFile) {
    const struct {
        const char* pattern;
        std::int32_t size;
        const char* what;
    } cases[] = {
        {"plain.txt", 5, "a plain file"},
        {"hidden.bin", 7, "hidden, system and read-only files count"},
        {"p*", 5, "a pattern"},
        {"h?dden.*", 7, "a pattern matching a hidden file"},
        {"sub", 0, "a folder is no file"},
        {"sub\\*", 3, "the file after \".\" and \"..\""},
        {"missing.txt", 0, "no such file"},
        {"*.none", 0, "a pattern matching nothing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileSizeOf(folder_.File(c.pattern)), c.size) << c.what;
}

TEST_F(FileInfoTest, FileAgeIsTheLocalModificationTimeToTheSecond) {
    for (const char* name : {"plain.txt", "hidden.bin"}) {
        const DateParts parts = DecodeDateTime(FileAge(folder_.File(name)));
        EXPECT_EQ(parts.year, 2021) << name;
        EXPECT_EQ(parts.month, 3) << name;
        EXPECT_EQ(parts.day, 4) << name;
        EXPECT_EQ(parts.hour, 5) << name;
        EXPECT_EQ(parts.minute, 9) << name;
        EXPECT_EQ(parts.second, 26) << name;
    }
}

TEST_F(FileInfoTest, FileAgeIsZeroWithoutAFile) {
    EXPECT_EQ(FileAge(folder_.File("missing.txt")), 0);
    EXPECT_EQ(FileAge(folder_.File("sub")), 0);
    EXPECT_EQ(FileAge(folder_.File("p*")), 0);
}

TEST_F(FileInfoTest, FileDateTextFormatsReadableFiles) {
    EXPECT_EQ(FileDateText(folder_.File("plain.txt"), locale_), "4 M3 2021 (05:09:26)");
    EXPECT_EQ(FileDateText(folder_.File("hidden.bin"), locale_), "4 M3 2021 (05:09:26)");
}

TEST_F(FileInfoTest, FileDateTextIsAQuestionMarkForWhatCannotBeRead) {
    EXPECT_EQ(FileDateText(folder_.File("missing.txt"), locale_), "?");
    EXPECT_EQ(FileDateText(folder_.File("sub"), locale_), "?");
    EXPECT_EQ(FileDateText(folder_.File("p*"), locale_), "?");
}

TEST_F(FileInfoTest, FileDateTextReadsAFileBeingWritten) {
    const std::string path = folder_.File("plain.txt");
    const win32::KernelHandle writer(CreateFileA(
        path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.Valid());
    EXPECT_EQ(FileDateText(path, locale_), "4 M3 2021 (05:09:26)");
}

TEST_F(FileInfoTest, FileDateTextIsAQuestionMarkForAFileLockedAgainstReaders) {
    const std::string path = folder_.File("plain.txt");
    const win32::KernelHandle lock(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock.Valid());
    const win32::KernelHandle reader(CreateFileA(path.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (reader.Valid())
        GTEST_SKIP() << "the system does not enforce the file's sharing mode";
    EXPECT_EQ(FileDateText(path, locale_), "?");
    // The time itself stays readable from the folder entry.
    EXPECT_NE(FileAge(path), 0);
}

TEST(TempFolder, IsAnExistingFolderWithTrailingBackslash) {
    const std::string folder = TempFolder().string();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
} // namespace cobwen
