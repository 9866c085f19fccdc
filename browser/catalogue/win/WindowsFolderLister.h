#pragma once

#include "browser/catalogue/core/FolderScan.h"

namespace cobwen {

// The download-folder scan's listing on the system's file functions: every entry of a folder
// (read-only, hidden and system ones and sub-folders included) in the order the system lists
// them. Paths are code page 1251 text.
class WindowsFolderLister final : public FolderLister {
public:
    void List(const std::string& folder,
              const std::function<bool(const FolderEntry& entry)>& visit) const override;
    std::string Join(const std::string& folder, const std::string& name) const override;
};

} // namespace cobwen
