// The storage of the game tests that need no Windows: the game file in the test's folder through
// the standard library, the registry values in memory by key.

#include "plugins/game/tests/core/GameFixture.h"

#include <fstream>
#include <iterator>
#include <map>

namespace blocksby::test {

namespace {

class TestStorage : public StorageUnderTest {
public:
    std::unique_ptr<GameStorage> Make() override { return std::make_unique<Files>(*this); }
    const std::string& RootKey() const override { return rootKey_; }
    void SetValue(const std::string& keyPath, const std::string& name,
                  std::uint32_t value) override {
        keys_[keyPath].Write(name, value);
    }

private:
    // The values of one key as the game reads them.
    class KeyValues : public ulvar::kit::ValueStore {
    public:
        KeyValues(TestStorage& storage, std::string keyPath)
            : storage_(storage), keyPath_(std::move(keyPath)) {}
        std::optional<std::uint32_t> Read(const std::string& name) const override {
            const auto key = storage_.keys_.find(keyPath_);
            return key == storage_.keys_.end() ? std::nullopt : key->second.Read(name);
        }
        bool Write(const std::string& name, std::uint32_t value) override {
            return storage_.keys_[keyPath_].Write(name, value);
        }

    private:
        TestStorage& storage_;
        std::string keyPath_;
    };

    class Files : public GameStorage {
    public:
        explicit Files(TestStorage& storage) : storage_(storage) {}

        std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path) override {
            // A folder of that name cannot be opened as a file.
            std::ifstream file(path, std::ios::binary);
            if (!std::filesystem::is_regular_file(path) || !file)
                return std::nullopt;
            std::vector<std::uint8_t> bytes(GameFileSize);
            file.read(reinterpret_cast<char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            bytes.resize(static_cast<std::size_t>(file.gcount()));
            return bytes;
        }
        bool WriteGameFile(const std::string& path,
                           const std::vector<std::uint8_t>& bytes) override {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            return static_cast<bool>(file.flush());
        }
        std::unique_ptr<ulvar::kit::ValueStore> Values(const std::string& keyPath) override {
            return std::make_unique<KeyValues>(storage_, keyPath);
        }

    private:
        TestStorage& storage_;
    };

    std::string rootKey_ = "Software\\UlvarTests\\Plugins";
    std::map<std::string, ulvar::kit::MemoryValueStore> keys_;
};

} // namespace

std::unique_ptr<StorageUnderTest> MakeStorageUnderTest() {
    return std::make_unique<TestStorage>();
}

} // namespace blocksby::test
