#include "browser/catalogue/win/WindowsFolderLister.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "win32/Handle.h"
#include "win32/Text.h"

namespace cobwen {

void WindowsFolderLister::List(const std::string& folder,
                               const std::function<bool(const FolderEntry& entry)>& visit) const {
    const std::wstring pattern =
        win32::ToWide(IncludeTrailingDelimiter(folder) + "*.*", BrowserCodePage);
    WIN32_FIND_DATAW data{};
    const win32::FindHandle find(FindFirstFileW(pattern.c_str(), &data));
    if (!find.Valid())
        return;
    do {
        FolderEntry entry;
        entry.Name = win32::FromWide(data.cFileName, BrowserCodePage);
        entry.Folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.Size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        if (!visit(entry))
            return;
    } while (FindNextFileW(find.Get(), &data));
}

std::string WindowsFolderLister::Join(const std::string& folder, const std::string& name) const {
    return IncludeTrailingDelimiter(folder) + name;
}

} // namespace cobwen
