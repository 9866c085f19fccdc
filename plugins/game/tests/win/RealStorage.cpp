// The storage of the Windows game tests: the real one, with a registry root of the test's own that
// is deleted afterwards.

#include "plugins/game/tests/core/GameFixture.h"
#include "plugins/game/win/Win32GameStorage.h"
#include "tools/testsupport/win/TestRegistryKey.h"

namespace blocksby::test {

namespace {

class RealStorage : public StorageUnderTest {
public:
    std::unique_ptr<GameStorage> Make() override {
        return std::make_unique<win::Win32GameStorage>();
    }
    const std::string& RootKey() const override { return registry_.Path(); }
    void SetValue(const std::string& keyPath, const std::string& name,
                  std::uint32_t value) override {
        ASSERT_TRUE(testsupport::SetDword(keyPath, name, value));
    }

private:
    testsupport::TestRegistryKey registry_{"Software\\UlvarTests"};
};

} // namespace

std::unique_ptr<StorageUnderTest> MakeStorageUnderTest() {
    return std::make_unique<RealStorage>();
}

} // namespace blocksby::test
