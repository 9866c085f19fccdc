#include "plugins/startup/core/StartupPanel.h"

namespace launchet {

void ShiftAfterRemoval(const ListElement& removed, std::span<StartupEntry* const> later) {
    for (StartupEntry* entry : later) {
        ListElement* const element = entry ? entry->Element() : nullptr;
        if (element && element != &removed && element->list == removed.list &&
            element->index > removed.index)
            --element->index;
    }
}

StartupPanel::StartupPanel(StartupContext context, std::span<const SourceDefinition> sources)
    : context_(std::move(context)) {
    for (auto const& definition : sources)
        sources_.push_back(MakeSource(context_, definition));
    Collect();
}

void StartupPanel::Collect() {
    entries_.clear();
    for (auto& source : sources_)
        source->Collect(entries_);
}

bool StartupPanel::Delete(const std::vector<StartupEntry*>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        StartupEntry* const entry = entries[i];
        if (!entry)
            continue;
        if (!entry->Delete())
            return false;
        if (ListElement* const element = entry->Element(); element && !entry->Protected())
            ShiftAfterRemoval(*element, std::span(entries).subspan(i + 1));
    }
    return true;
}

} // namespace launchet
