#include "browser/catalogue/win/ReplaceFile.h"

#include "browser/catalogue/win/SystemError.h"
#include "win32/Text.h"

namespace cobwen {

namespace {

// File names compare as the file system does: ordinal, ignoring case. The paths are ANSI text of
// the file functions, so they are read in the ANSI code page.
bool SamePath(const std::string& a, const std::string& b) {
    const std::wstring wideA = win32::ToWide(a, CP_ACP);
    const std::wstring wideB = win32::ToWide(b, CP_ACP);
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

bool ReplaceFile(const std::string& source, const std::string& target,
                 const std::string& messageFormat) {
    ErrorMessageBox box;
    return ReplaceFile(source, target, messageFormat, box);
}

bool ReplaceFile(const std::string& source, const std::string& target,
                 const std::string& messageFormat, ErrorDialog& dialog) {
    if (SamePath(source, target))
        return true;
    if (MoveFileExA(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return true;
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        ShowSystemError(messageFormat, FolderOf(source), false, dialog);
        return false;
    }
    // The target is in place; a source that cannot be deleted is left behind.
    DeleteFileA(source.c_str());
    return true;
}

} // namespace cobwen
