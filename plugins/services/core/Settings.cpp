#include "plugins/services/core/Settings.h"

namespace sentrel {

namespace {

// The stored value when it lies in [low, high], else the fallback.
int InRange(const std::optional<std::uint32_t>& stored, std::uint32_t low, std::uint32_t high,
            int fallback) {
    return stored && *stored >= low && *stored <= high ? static_cast<int>(*stored) : fallback;
}

} // namespace

Settings ReadSettings(const ulvar::kit::ValueStore& store) {
    Settings settings;
    if (const auto stored = store.Read(value::AddToDisksMenu))
        settings.addToDisksMenu = *stored != 0;
    settings.disksMenuDigit = InRange(store.Read(value::DisksMenuDigit), 1, 9, 0);
    settings.defaultViewMode = '0' + InRange(store.Read(value::DefaultViewMode), 0, 9, 3);
    if (const auto stored = store.Read(value::AddDotsToRoot))
        settings.addDotsToRoot = *stored != 0;
    settings.dirStructure = InRange(store.Read(value::DirStructure), 0, 2, 0);
    if (const auto stored = store.Read(value::UseAttrMapping))
        settings.useAttrMapping = *stored != 0;
    if (const auto stored = store.Read(value::CfmFlags))
        settings.cfmFlags = *stored;
    if (const auto stored = store.Read(value::RemoteDescrs))
        settings.remoteDescrs = *stored != 0;
    return settings;
}

std::string SettingsKeyName(std::string_view rootKey) {
    std::string key(rootKey);
    key += "\\Sentrel";
    return key;
}

} // namespace sentrel
