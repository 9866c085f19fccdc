#include "browser/app/templates/win/ShellExecuteOpener.h"

#include "tools/testsupport/ScratchFolder.h"
#include "win32/Registry.h"
#include "win32/Text.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

constexpr wchar_t Classes[] = L"Software\\Classes\\";
constexpr wchar_t Extension[] = L".cobwenopentest";
constexpr wchar_t FileType[] = L"CobwenOpenTest.Document";
constexpr wchar_t Scheme[] = L"cobwenopentest";

bool SetValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    return RegSetKeyValueW(root, (Classes + key).c_str(), name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

bool SeenByTheShell(const std::wstring& key) {
    return win32::OpenKey(HKEY_CLASSES_ROOT, key, KEY_READ).Valid();
}

std::wstring Wide(const std::string& ansi) {
    return win32::ToWide(ansi, CP_ACP);
}

std::wstring CommandInterpreter() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\cmd.exe";
}

// A file type and a link scheme of the test's own, registered for the shell. Their "open"
// commands leave a trace in the scratch folder: the opened document is copied, the link echoed.
class ShellExecuteOpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Windows merges the user's classes into the shell's view of them; Wine reads only the
        // machine's, which its prefix lets anybody write.
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            if (SetValue(root, Extension, nullptr, FileType) && SeenByTheShell(Extension)) {
                root_ = root;
                break;
            }
            RegDeleteTreeW(root, (Classes + std::wstring(Extension)).c_str());
        }
        if (!root_)
            GTEST_SKIP() << "no file type can be registered for the shell in this session";
        const std::wstring folder = Wide(folder_.Path());
        const std::wstring cmd = L"\"" + CommandInterpreter() + L"\" /c ";
        ASSERT_TRUE(SetValue(root_, std::wstring(FileType) + L"\\shell\\open\\command", nullptr,
                             cmd + L"copy \"%1\" \"" + folder + L"\\opened.txt\""));
        ASSERT_TRUE(SetValue(root_, Scheme, nullptr, L"URL:Cobwen open test"));
        ASSERT_TRUE(SetValue(root_, Scheme, L"URL Protocol", L""));
        ASSERT_TRUE(SetValue(root_, std::wstring(Scheme) + L"\\shell\\open\\command", nullptr,
                             cmd + L"echo %1> \"" + folder + L"\\link.txt\""));
    }

    void TearDown() override {
        if (!root_)
            return;
        for (const wchar_t* key : {Extension, FileType, Scheme})
            RegDeleteTreeW(root_, (Classes + std::wstring(key)).c_str());
    }

    // The content of a file once something has written it.
    std::string WaitForContent(const std::string& path) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        std::string content;
        while (std::chrono::steady_clock::now() < deadline) {
            if (testsupport::ReadFile(path, content) && !content.empty())
                return content;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "<nothing was opened>";
    }

    testsupport::ScratchFolder folder_;
    HKEY root_ = nullptr;
};

TEST_F(ShellExecuteOpenerTest, OpensADocumentNamedInCodePage1251) {
    // "Описание.cobwenopentest": the name is code page 1251 whatever the ANSI code page is.
    const std::string name = "\xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5.cobwenopentest";
    const std::wstring wideName = L"Описание.cobwenopentest";
    const std::wstring widePath = Wide(folder_.Path()) + L"\\" + wideName;
    {
        const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            GTEST_SKIP() << "no file with a Cyrillic name can be created here (error "
                         << GetLastError() << "; Wine needs LANG=ru_RU.UTF-8 for such names)";
        DWORD written = 0;
        ::WriteFile(file, "opened document", 15, &written, nullptr);
        CloseHandle(file);
    }
    ShellExecuteOpener shell;
    ASSERT_TRUE(shell.Open(folder_.Path() + "\\" + name));
    EXPECT_EQ(WaitForContent(folder_.File("opened.txt")), "opened document");
}

TEST_F(ShellExecuteOpenerTest, OpensALinkWithItsScheme) {
    ShellExecuteOpener shell;
    ASSERT_TRUE(shell.Open("cobwenopentest:author"));
    const std::string content = WaitForContent(folder_.File("link.txt"));
    EXPECT_EQ(content.substr(0, content.find_last_not_of("\r\n ") + 1), "cobwenopentest:author");
}

TEST_F(ShellExecuteOpenerTest, FailsQuietlyForAMissingDocument) {
    ShellExecuteOpener shell;
    EXPECT_FALSE(shell.Open(folder_.File("missing.cobwenopentest")));
    EXPECT_FALSE(testsupport::FileExists(folder_.File("opened.txt")));
}

} // namespace
} // namespace cobwen
