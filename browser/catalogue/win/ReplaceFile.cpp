#include "browser/catalogue/win/ReplaceFile.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/SystemError.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

// File names compare as the file system does: ordinal, ignoring case.
bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::wstring& wideA = a.native();
    const std::wstring& wideB = b.native();
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

std::string FolderOf(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    if (slash != std::string_view::npos)
        return std::string(path.substr(0, slash));
    const auto colon = path.find_last_of(':');
    if (colon != std::string_view::npos)
        return std::string(path.substr(0, colon + 1));
    return {};
}

bool ReplaceFile(const std::filesystem::path& source, const std::filesystem::path& target,
                 const std::string& messageFormat) {
    ErrorMessageBox box;
    return ReplaceFile(source, target, messageFormat, box);
}

bool ReplaceFile(const std::filesystem::path& source, const std::filesystem::path& target,
                 const std::string& messageFormat, ErrorDialog& dialog) {
    if (SamePath(source, target))
        return true;
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return true;
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
        ShowSystemError(messageFormat, FolderOf(win32::FromWide(source.native(), BrowserCodePage)),
                        false, dialog);
        return false;
    }
    // The target is in place; a source that cannot be deleted is left behind.
    DeleteFileW(source.c_str());
    return true;
}

} // namespace cobwen
