#pragma once

// The panel's model: the twenty sources in their order and the entries they hold, in source order
// and, within a source, in stored order.

#include "plugins/startup/core/Sources.h"
#include "plugins/startup/core/StartupSources.h"

#include <memory>
#include <span>
#include <vector>

namespace launchet {

// After an element of a stored list was removed, the elements after it in the same list moved up
// by one: the later entries' indices follow, so that deleting several elements of one list in one
// go removes exactly the chosen ones.
void ShiftAfterRemoval(const ListElement& removed, std::span<StartupEntry* const> later);

class StartupPanel {
public:
    // Builds the sources and collects their entries at once.
    explicit StartupPanel(StartupContext context,
                          std::span<const SourceDefinition> sources = StartupSources);
    StartupPanel(const StartupPanel&) = delete;
    StartupPanel& operator=(const StartupPanel&) = delete;

    // Empties the list and collects every source again.
    void Collect();
    const EntryList& Entries() const { return entries_; }
    std::size_t SourceCount() const { return sources_.size(); }
    StartupSource& Source(std::size_t index) { return *sources_.at(index); }
    const StartupContext& Context() const { return context_; }

    // Deletes the entries in order and stops at the first failure; false then. The panel is not
    // collected again here.
    bool Delete(const std::vector<StartupEntry*>& entries);

private:
    StartupContext context_;
    std::vector<std::unique_ptr<StartupSource>> sources_;
    EntryList entries_;
};

} // namespace launchet
