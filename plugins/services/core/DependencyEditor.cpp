#include "plugins/services/core/DependencyEditor.h"

#include "plugins/services/core/MessageText.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr std::size_t MaxLine = 127;
constexpr std::size_t MaxCandidateLine = 60;
constexpr char VerticalLine = static_cast<char>(179);

bool Valid(const DependencyEdit& edit, int index) {
    return index >= 0 && index < static_cast<int>(edit.entries.size());
}

} // namespace

void ApplyDependencyKey(DependencyEdit& edit, DependencyKey key, int chosen) {
    if (!Valid(edit, chosen))
        return;
    const auto at = static_cast<std::size_t>(chosen);
    switch (key) {
    case DependencyKey::Delete:
        edit.entries.erase(edit.entries.begin() + chosen);
        edit.current = std::min(chosen, static_cast<int>(edit.entries.size()) - 1);
        edit.current = std::max(edit.current, 0);
        return;
    case DependencyKey::MoveUp:
        edit.current = chosen;
        if (chosen == 0)
            return;
        std::swap(edit.entries[at], edit.entries[at - 1]);
        edit.current = chosen - 1;
        return;
    case DependencyKey::MoveDown:
        edit.current = chosen;
        if (at + 1 >= edit.entries.size())
            return;
        std::swap(edit.entries[at], edit.entries[at + 1]);
        edit.current = chosen + 1;
        return;
    }
}

void AddDependency(DependencyEdit& edit, std::string entry) {
    edit.entries.push_back(std::move(entry));
    edit.current = static_cast<int>(edit.entries.size()) - 1;
}

std::string DependencyMenuTitle(const std::string& titleFormat, const std::string& displayName) {
    std::string title = FillInserts(titleFormat, {displayName});
    if (title.size() <= MaxMenuTitle)
        return title;
    const std::size_t rest = title.size() - displayName.size();
    if (rest + 3 < MaxMenuTitle) {
        const std::size_t room = MaxMenuTitle - rest - 3;
        title = FillInserts(titleFormat, {displayName.substr(0, room) + "..."});
        if (title.size() <= MaxMenuTitle)
            return title;
    }
    return title.substr(0, MaxMenuTitle - 3) + "...";
}

std::string DependencyLine(const std::string& entry, const std::string& groupFormat) {
    const std::string line =
        entry.size() > 1 && entry[0] == '+' ? FillInserts(groupFormat, {entry.substr(1)}) : entry;
    return line.substr(0, MaxLine);
}

int DependencyBottomMessage(std::size_t count) {
    return count == 0 ? 199 : count == 1 ? 200 : 201;
}

std::vector<DependencyCandidate> DependencyCandidates(const ServiceList& list,
                                                      const std::string& editedService,
                                                      const std::vector<std::string>& entries,
                                                      const SystemText& text) {
    const auto listed = [&](const std::string& entry) {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const std::string& held) { return SameNoCase(text, held, entry); });
    };
    const auto before = [&text](const std::string& a, const std::string& b) {
        return text.UpperAnsi(a) < text.UpperAnsi(b);
    };

    std::vector<std::string> groups;
    std::vector<const ServiceNode*> records;
    for (const ServicePtr& record : list.Records()) {
        const std::string& group = record->config.loadOrderGroup;
        if (!group.empty() && !listed("+" + group) &&
            std::none_of(groups.begin(), groups.end(),
                         [&](const std::string& g) { return SameNoCase(text, g, group); }))
            groups.push_back(group);
        if (!SameNoCase(text, record->name, editedService) && !listed(record->name))
            records.push_back(record.get());
    }
    std::sort(groups.begin(), groups.end(), before);
    std::sort(records.begin(), records.end(),
              [&](const ServiceNode* a, const ServiceNode* b) { return before(a->name, b->name); });

    std::vector<DependencyCandidate> candidates;
    for (const std::string& group : groups)
        candidates.push_back({group, "+" + group});
    candidates.push_back({"", ""});
    std::size_t longest = 0;
    for (const ServiceNode* record : records)
        longest = std::max(longest, record->name.size());
    for (const ServiceNode* record : records) {
        std::string line = record->name;
        line.resize(longest + 1, ' ');
        line += VerticalLine;
        line += ' ';
        line += record->config.displayName;
        candidates.push_back({line.substr(0, MaxCandidateLine), record->name});
    }
    return candidates;
}

std::string DoubleZeroList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries) {
        list += entry;
        list += '\0';
    }
    if (entries.empty())
        list += '\0';
    list += '\0';
    return list;
}

} // namespace sentrel
