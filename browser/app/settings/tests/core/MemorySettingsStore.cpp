#include "browser/app/settings/tests/core/MemorySettingsStore.h"

#include "browser/catalogue/core/Error.h"

namespace cobwen::test {

namespace {

// A store handed out by MemorySettingsStores: its calls go to a store that outlives it.
class StoreView final : public SettingsStore {
public:
    explicit StoreView(SettingsStore& target) : target_(target) {}

    bool SectionExists(std::string_view section) const override {
        return target_.SectionExists(section);
    }
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const override {
        return target_.ReadInteger(section, key, fallback);
    }
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const override {
        return target_.ReadText(section, key, fallback);
    }
    std::optional<std::string> ReadBinary(std::string_view section,
                                          std::string_view key) const override {
        return target_.ReadBinary(section, key);
    }
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value) override {
        target_.WriteInteger(section, key, value);
    }
    void WriteText(std::string_view section, std::string_view key,
                   std::string_view value) override {
        target_.WriteText(section, key, value);
    }
    void WriteBinary(std::string_view section, std::string_view key,
                     std::string_view bytes) override {
        target_.WriteBinary(section, key, bytes);
    }

private:
    SettingsStore& target_;
};

} // namespace

bool MemorySettingsStore::SectionExists(std::string_view section) const {
    return sections.find(std::string(section)) != sections.end();
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view section,
                                                            std::string_view key) const {
    const auto found = sections.find(std::string(section));
    if (found == sections.end())
        return nullptr;
    const auto value = found->second.find(std::string(key));
    return value == found->second.end() ? nullptr : &value->second;
}

std::int32_t MemorySettingsStore::ReadInteger(std::string_view section, std::string_view key,
                                              std::int32_t fallback) const {
    const Value* value = Find(section, key);
    if (!value || value->kind == Value::Kind::Binary)
        return fallback;
    return value->kind == Value::Kind::Integer ? value->number
                                               : IntegerFromText(value->text, fallback);
}

std::string MemorySettingsStore::ReadText(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
    const Value* value = Find(section, key);
    if (!value || value->kind == Value::Kind::Binary)
        return std::string(fallback);
    return value->kind == Value::Kind::Text ? value->text : std::to_string(value->number);
}

std::optional<std::string> MemorySettingsStore::ReadBinary(std::string_view section,
                                                           std::string_view key) const {
    const Value* value = Find(section, key);
    if (!value || value->kind != Value::Kind::Binary)
        return std::nullopt;
    return value->text;
}

void MemorySettingsStore::Put(std::string_view section, std::string_view key, Value value) {
    if (key == failingKey && failuresLeft > 0) {
        --failuresLeft;
        throw CobwenError("cannot write " + std::string(key));
    }
    sections[std::string(section)][std::string(key)] = std::move(value);
}

void MemorySettingsStore::WriteInteger(std::string_view section, std::string_view key,
                                       std::int32_t value) {
    Put(section, key, Value{Value::Kind::Integer, value, {}});
}

void MemorySettingsStore::WriteText(std::string_view section, std::string_view key,
                                    std::string_view value) {
    Put(section, key, Value{Value::Kind::Text, 0, std::string(value)});
}

void MemorySettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                      std::string_view bytes) {
    Put(section, key, Value{Value::Kind::Binary, 0, std::string(bytes)});
}

std::unique_ptr<SettingsStore> MemorySettingsStores::OpenRegistry() {
    registryKeyExists = true;
    return std::make_unique<StoreView>(registry);
}

std::unique_ptr<SettingsStore> MemorySettingsStores::OpenIni() {
    return std::make_unique<StoreView>(ini);
}

void MemorySettingsStores::DeleteRegistryKeys() {
    ++registryDeletions;
    if (registry.sections.empty())
        registryKeyExists = false;
}

} // namespace cobwen::test
