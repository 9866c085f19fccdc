#include "browser/catalogue/win/ReplaceFile.h"

#include "browser/catalogue/win/SystemError.h"
#include "win32/Handle.h"
#include "win32/SystemError.h"

#include "browser/catalogue/tests/win/RecordingDialog.h"
#include "tools/testsupport/ScratchFolder.h"

#include <cctype>
#include <gtest/gtest.h>

namespace cobwen {
namespace {

using testsupport::FileExists;
using testsupport::ScratchFolder;

constexpr char Format[] = "%s | %s";

std::string Content(const std::string& path) {
    std::string content;
    return testsupport::ReadFile(path, content) ? content : "<unreadable>";
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::WriteFile(source_, "new content"));
        ASSERT_TRUE(testsupport::WriteFile(target_, "old"));
    }

    testsupport::ScratchFolder folder_;
    std::string source_ = folder_.File("source.tmp");
    std::string target_ = folder_.File("target.dat");
    test::RecordingDialog dialog_;
};

TEST_F(ReplaceFileTest, ReplacesAnExistingTarget) {
    EXPECT_TRUE(ReplaceFile(source_, target_, Format, dialog_));
    EXPECT_EQ(Content(target_), "new content");
    EXPECT_FALSE(testsupport::FileExists(source_));
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(ReplaceFileTest, CreatesAMissingTarget) {
    const std::string fresh = folder_.File("fresh.dat");
    EXPECT_TRUE(ReplaceFile(source_, fresh, Format, dialog_));
    EXPECT_EQ(Content(fresh), "new content");
    EXPECT_FALSE(testsupport::FileExists(source_));
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(ReplaceFileTest, LeavesTheSameFileAloneWhateverTheCase) {
    std::string shouted = source_;
    for (char& c : shouted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(shouted, source_);
    EXPECT_TRUE(ReplaceFile(source_, shouted, Format, dialog_));
    EXPECT_TRUE(ReplaceFile(source_, source_, Format, dialog_));
    EXPECT_EQ(Content(source_), "new content");
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(ReplaceFileTest, ReportsAMissingSourceWithItsFolder) {
    const std::string missing = folder_.File("missing.tmp");
    EXPECT_FALSE(ReplaceFile(missing, target_, Format, dialog_));
    EXPECT_EQ(Content(target_), "old");
    const std::vector<std::string> expected{win32::SystemMessageText(ERROR_FILE_NOT_FOUND) + " | " +
                                            folder_.Path()};
    EXPECT_EQ(dialog_.shown, expected);
}

TEST_F(ReplaceFileTest, CopiesWhenTheSourceCannotBeMoved) {
    // A reader that forbids deleting and renaming keeps the source in place but lets it be copied.
    const win32::KernelHandle reader(CreateFileA(source_.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader.Valid());
    const std::string probe = folder_.File("probe.tmp");
    if (MoveFileExA(source_.c_str(), probe.c_str(), 0)) {
        MoveFileExA(probe.c_str(), source_.c_str(), 0);
        GTEST_SKIP() << "the system moves a file that is open without delete sharing";
    }
    EXPECT_TRUE(ReplaceFile(source_, target_, Format, dialog_));
    EXPECT_EQ(Content(target_), "new content");
    EXPECT_TRUE(testsupport::FileExists(source_)); // the delete failed as the move did
    EXPECT_TRUE(dialog_.shown.empty());
}

TEST_F(ReplaceFileTest, ReadOnlyTarget) {
    ASSERT_TRUE(SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY));
    const bool replaced = ReplaceFile(source_, target_, Format, dialog_);
    if (RunningUnderWine()) {
        // Wine lets a move replace a read-only file.
        EXPECT_TRUE(replaced);
        EXPECT_EQ(Content(target_), "new content");
        EXPECT_FALSE(testsupport::FileExists(source_));
        EXPECT_TRUE(dialog_.shown.empty());
    } else {
        // Windows refuses both the move and the copy.
        EXPECT_FALSE(replaced);
        EXPECT_EQ(Content(target_), "old");
        EXPECT_EQ(Content(source_), "new content");
        const std::vector<std::string> expected{win32::SystemMessageText(ERROR_ACCESS_DENIED) +
                                                " | " + folder_.Path()};
        EXPECT_EQ(dialog_.shown, expected);
    }
}

TEST(FolderOf, CutsTheLastComponent) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\data\\file.txt", "C:\\data"},
        {"C:\\file.txt", "C:"},
        {"C:file.txt", "C:"},
        {"\\\\server\\share\\a.txt", "\\\\server\\share"},
        {"file.txt", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

} // namespace
} // namespace cobwen
