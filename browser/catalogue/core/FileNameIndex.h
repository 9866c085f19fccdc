#pragma once

// Which catalogue record an archive file belongs to, by its name: the first URL, in catalogue
// order, that ends with the name (a name may be only the tail of a URL's last part, or reach into
// the path). Texts are compared as given: both sides come lowered by the same locale. The index
// answers what a walk over every URL would, in time logarithmic in the number of URLs.
#include <string>
#include <string_view>
#include <vector>

namespace cobwen {

class FileNameIndex {
public:
    FileNameIndex() = default;
    explicit FileNameIndex(const std::vector<std::string>& urls);

    // The position of the first URL that ends with `name`; -1 when none does or `name` is empty.
    int Find(std::string_view name) const;

    // The same answer from a walk over every URL in order: the rule the index keeps.
    static int FindByWalk(const std::vector<std::string>& urls, std::string_view name);

private:
    // The URLs reversed and sorted, so that the URLs ending with a name are one run of entries
    // starting with the name reversed; each entry's position in catalogue order beside it.
    std::vector<std::string> reversed_;
    std::vector<int> positions_;
    // Range minimum of positions_: level k holds the minimum of 2^k entries from each entry on.
    std::vector<std::vector<int>> minimum_;
};

} // namespace cobwen
