#include "plugin-host/standin/core/FolderListing.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace ulvar::standin {

namespace {

bool IsDelimiter(char c) {
    return c == '\\' || c == '/';
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string SystemName(const FilePanel& panel, int index) {
    auto const i = static_cast<std::size_t>(index);
    return i < panel.systemNames.size() ? panel.systemNames[i] : panel.items[i].Data.FileName;
}

} // namespace

std::string JoinFolder(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (IsDelimiter(folder.back()))
        return folder + name;
    bool const slashes =
        folder.find('/') != std::string::npos && folder.find('\\') == std::string::npos;
    return folder + (slashes ? '/' : '\\') + name;
}

std::string ParentFolder(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && IsDelimiter(path.back()))
        path.pop_back();
    auto const last = path.find_last_of("\\/");
    if (last == std::string::npos || last + 1 == path.size())
        return "";
    // "C:\x" goes up to "C:\", "/x" to "/".
    if (last == 0 || (last == 2 && path[1] == ':'))
        return path.substr(0, last + 1);
    return path.substr(0, last);
}

std::string ItemPath(const FilePanel& panel, int index) {
    return JoinFolder(panel.folder, SystemName(panel, index));
}

bool ListFiles(FilePanel& panel, const HostPlatform& platform) {
    std::set<std::string> selected;
    std::string current;
    for (int i = 0; i < static_cast<int>(panel.items.size()); ++i) {
        if (panel.items[static_cast<std::size_t>(i)].Flags & ItemSelected)
            selected.insert(SystemName(panel, i));
        if (i == panel.current)
            current = SystemName(panel, i);
    }
    std::vector<FolderEntry> entries;
    bool const read = platform.ListFolder(panel.folder, entries);
    int const mode = panel.sortMode;
    auto const extension = [](const std::string& name) {
        auto const dot = name.rfind('.');
        return dot == std::string::npos ? std::string() : Lower(name.substr(dot + 1));
    };
    // Within folders and within files; the system's order where the mode gives none.
    auto const before = [&](const FolderEntry& a, const FolderEntry& b) {
        if (mode == SortUnsorted)
            return false;
        if (mode == SortBySize && a.size != b.size)
            return a.size > b.size;
        if (mode == SortByExtension && extension(a.name) != extension(b.name))
            return extension(a.name) < extension(b.name);
        return Lower(a.name) < Lower(b.name);
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const FolderEntry& a, const FolderEntry& b) {
                         if (a.folder != b.folder)
                             return a.folder;
                         return panel.sortDescending ? before(b, a) : before(a, b);
                     });
    panel.items.clear();
    panel.systemNames.clear();
    if (read && !ParentFolder(panel.folder).empty()) {
        panel.items.push_back(MakePanelItem("..", AttributeDirectory));
        panel.systemNames.push_back("..");
    }
    for (auto const& entry : entries) {
        PanelItem item = MakePanelItem(platform.InterfacePath(entry.name),
                                       entry.folder ? AttributeDirectory : 0, entry.size);
        if (selected.count(entry.name))
            item.Flags |= ItemSelected;
        panel.items.push_back(item);
        panel.systemNames.push_back(entry.name);
    }
    auto const found = std::find(panel.systemNames.begin(), panel.systemNames.end(), current);
    int const count = static_cast<int>(panel.items.size());
    panel.current = found != panel.systemNames.end()
                        ? static_cast<int>(found - panel.systemNames.begin())
                        : std::clamp(panel.current, 0, std::max(count - 1, 0));
    panel.top = std::clamp(panel.top, 0, panel.current);
    return read;
}

bool EnterFileItem(FilePanel& panel, const HostPlatform& platform) {
    if (panel.items.empty())
        return false;
    int const index = std::clamp(panel.current, 0, static_cast<int>(panel.items.size()) - 1);
    if (!IsFolder(panel.items[static_cast<std::size_t>(index)]))
        return false;
    std::string const name = SystemName(panel, index);
    FilePanel next;
    next.type = panel.type;
    next.viewMode = panel.viewMode;
    next.sortMode = panel.sortMode;
    std::string left;
    if (name == "..") {
        next.folder = ParentFolder(panel.folder);
        std::string path = panel.folder;
        while (path.size() > 1 && IsDelimiter(path.back()))
            path.pop_back();
        left = path.substr(path.find_last_of("\\/") + 1);
    } else {
        next.folder = JoinFolder(panel.folder, name);
    }
    if (!ListFiles(next, platform))
        return false;
    auto const found = std::find(next.systemNames.begin(), next.systemNames.end(), left);
    next.current =
        found != next.systemNames.end() ? static_cast<int>(found - next.systemNames.begin()) : 0;
    panel = std::move(next);
    return true;
}

} // namespace ulvar::standin
