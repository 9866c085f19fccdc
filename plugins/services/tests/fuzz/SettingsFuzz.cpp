// The plug-in's values and attribute mappings as the registry may hold them after another version,
// a hand or a remote editor changed them: every setting comes out in its range, every mapping read
// is one the plug-in could have written, and the table folded from them sets no attribute outside
// the mask.
#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/core/Settings.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>
#include <map>

namespace {

using testsupport::fuzz::Check;

class InputMappingStore final : public sentrel::MappingStore {
public:
    std::vector<std::string> GroupNames() const override { return names; }
    sentrel::StoredMapping ReadGroup(const std::string& name) const override {
        const auto found = groups.find(name);
        return found == groups.end() ? sentrel::StoredMapping{} : found->second;
    }
    bool WriteAll(const std::vector<sentrel::AttrMapping>&) override { return false; }

    std::vector<std::string> names;
    std::map<std::string, sentrel::StoredMapping> groups;
};

std::optional<std::uint32_t> MaybeWord(testsupport::fuzz::Reader& input) {
    if (!input.Flag())
        return std::nullopt;
    return input.Word();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));

    ulvar::kit::MemoryValueStore values;
    for (const char* name : {sentrel::value::AddToDisksMenu, sentrel::value::DisksMenuDigit,
                             sentrel::value::DefaultViewMode, sentrel::value::AddDotsToRoot,
                             sentrel::value::DirStructure, sentrel::value::UseAttrMapping,
                             sentrel::value::CfmFlags, sentrel::value::RemoteDescrs})
        if (const auto word = MaybeWord(input))
            values.Write(name, *word);
    const sentrel::Settings settings = sentrel::ReadSettings(values);
    Check(settings.disksMenuDigit >= 0 && settings.disksMenuDigit <= 9);
    Check(settings.defaultViewMode >= '0' && settings.defaultViewMode <= '9');
    Check(settings.dirStructure >= 0 && settings.dirStructure <= 2);

    // Groups: a name up to a line feed, then its three values, each perhaps missing.
    InputMappingStore store;
    while (!input.Empty()) {
        const std::string name(input.Text('\n'));
        sentrel::StoredMapping stored;
        stored.startup = MaybeWord(input);
        stored.status = MaybeWord(input);
        stored.attributes = MaybeWord(input);
        store.names.push_back(name);
        store.groups.emplace(name, stored);
    }
    sentrel::OrderGroupNames(store.names);
    const auto mappings = sentrel::ReadMappings(store);
    Check(mappings.size() <= sentrel::MaxMappings);
    for (const auto& mapping : mappings) {
        Check((mapping.attributes & ~sentrel::AttributeMask) == 0);
        Check(sentrel::MappingFromStored(sentrel::StoredFromMapping(mapping)) == mapping);
    }
    const sentrel::AttrTable table = sentrel::BuildAttrTable(mappings);
    for (std::uint32_t startType = 0; startType <= 5; ++startType)
        for (std::uint32_t state = 0; state <= 8; ++state)
            Check((sentrel::AttributesFor(table, startType, state) & ~sentrel::AttributeMask) == 0);
    return 0;
}
