#include "browser/catalogue/win/Description.h"

#include "browser/catalogue/core/Error.h"
#include "browser/catalogue/core/Trim.h"
#include "browser/catalogue/win/ConsoleText.h"
#include "win32/SystemError.h"
#include "win32/Text.h"

#include <utility>
#include <windows.h>

namespace cobwen {

namespace {

[[noreturn]] void RaiseLastError(const std::string& what, const std::string& path) {
    const DWORD error = GetLastError();
    throw CobwenError(what + " " + path + ": " + win32::SystemMessageText(error));
}

// The whole content of an existing file; false when there is no such file.
bool ReadWhole(const std::string& path, std::string& content) {
    const win32::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return false;
        RaiseLastError("cannot read", path);
    }
    content.clear();
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
            RaiseLastError("cannot read", path);
        if (read == 0)
            return true;
        content.append(buffer, read);
    }
}

// The folder a path lies in, with its delimiter: the temporary file goes beside the target.
std::string FolderOfFile(const std::string& path) {
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string(".") : path.substr(0, end + 1);
}

// A temporary file in `folder` that is deleted unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder) {
        char name[MAX_PATH + 1] = {};
        if (GetTempFileNameA(folder.c_str(), "dsc", 0, name) == 0)
            RaiseLastError("cannot create a temporary file in", folder);
        path_ = name;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }

    const std::string& Path() const { return path_; }
    void Keep() { path_.clear(); }

    void Write(const std::string& content) const {
        const win32::KernelHandle file(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                   nullptr));
        if (!file.Valid())
            RaiseLastError("cannot open", path_);
        DWORD written = 0;
        if (!content.empty() &&
            (!::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                          nullptr) ||
             written != content.size()))
            RaiseLastError("cannot write", path_);
        if (!FlushFileBuffers(file.Get()))
            RaiseLastError("cannot write", path_);
    }

private:
    std::string path_;
};

} // namespace

TDescription::~TDescription() {
    file_.Reset();
    if (path_.empty())
        return;
    const DWORD attributes = GetFileAttributesA(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path_.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}

void TDescription::Create(const std::string& path) {
    file_.Reset();
    path_ = path;
    text_.clear();
    upperCase_ = OemUpperCase();

    std::string content;
    if (ReadWhole(path, content)) {
        text_ = TrimBlanks(content);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) &&
            !SetFileAttributesA(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_HIDDEN}))
            RaiseLastError("cannot change the attributes of", path);
        // Windows refuses to write or replace a read-only file; a file system that would let the
        // replacement through (Wine run by root) must not lose the protection either.
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
            SetLastError(ERROR_ACCESS_DENIED);
            RaiseLastError("cannot write", path);
        }
    }
    // Opened without truncating: the content is replaced as a whole only once the new one is
    // complete. Holding the file also makes a write-protected file fail here, before any work.
    file_.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_.Valid())
        RaiseLastError("cannot open", path);
}

void TDescription::SetDescription(const std::string& fileName, const std::string& text,
                                  unsigned textCodePage) {
    if (!file_.Valid())
        throw CobwenError("the description file is not open");
    std::string content = DescribeInText(
        text_, fileName, win32::Recode(text, textCodePage, win32::OemCodePage), upperCase_);

    TemporaryFile temporary(FolderOfFile(path_));
    temporary.Write(content);
    // The file cannot take the new content's place while it is open here.
    file_.Reset();
    if (!MoveFileExA(temporary.Path().c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError("cannot replace", path_);
    temporary.Keep();
    text_ = std::move(content);
}

} // namespace cobwen
