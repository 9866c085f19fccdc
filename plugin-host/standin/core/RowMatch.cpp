#include "plugin-host/standin/core/RowMatch.h"

#include <map>
#include <utility>

namespace ulvar::standin {

std::vector<RowKey> RowKeys(const std::vector<const PanelItem*>& rows) {
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    std::map<std::string, int> names;
    std::map<std::pair<std::string, std::string>, int> texts;
    for (const PanelItem* row : rows) {
        RowKey key;
        key.name = row->Data.FileName;
        for (int c = 0; row->CustomColumnData && c < row->CustomColumnNumber; ++c) {
            key.texts += row->CustomColumnData[c] ? row->CustomColumnData[c] : "";
            key.texts += '\x1f';
        }
        key.nameOrdinal = names[key.name]++;
        key.textsOrdinal = texts[{key.name, key.texts}]++;
        keys.push_back(std::move(key));
    }
    return keys;
}

int FindRow(const std::vector<RowKey>& keys, const RowKey& wanted) {
    int byOrder = -1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto const& key = keys[i];
        if (key.name != wanted.name)
            continue;
        if (key.texts == wanted.texts && key.textsOrdinal == wanted.textsOrdinal)
            return static_cast<int>(i);
        if (key.nameOrdinal == wanted.nameOrdinal)
            byOrder = static_cast<int>(i);
    }
    return byOrder;
}

} // namespace ulvar::standin
