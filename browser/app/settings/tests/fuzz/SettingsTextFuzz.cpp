// The settings store's text forms as someone else may have written them: INI texts, hexadecimal
// bytes, the scrambled proxy password, numbers and the stored list layouts, and every setting read
// from a store that holds the input's values. Each form written from a value reads back as that
// value.
#include "browser/app/listview/core/LayoutBytes.h"
#include "browser/app/settings/core/IniText.h"
#include "browser/app/settings/core/LoadSettings.h"
#include "browser/app/settings/core/Password.h"
#include "browser/app/settings/tests/core/MemorySettingsStore.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

namespace {

// Filler bytes from the input's own bytes, so that a run is repeatable.
class InputRandom final : public cobwen::RandomSource {
public:
    explicit InputRandom(std::string_view bytes) : bytes_(bytes) {}
    unsigned Below(unsigned bound) override {
        const unsigned char byte = bytes_.empty() ? 0 : bytes_[next_++ % bytes_.size()];
        return byte % bound;
    }

private:
    std::string_view bytes_;
    std::size_t next_ = 0;
};

using testsupport::fuzz::Check;

// Every line "Section/Key=value" of the input as a text value of the store.
void Fill(cobwen::test::MemorySettingsStore& store, std::string_view text) {
    while (!text.empty()) {
        const auto line = testsupport::fuzz::Parts(text, '\n', 2);
        text = line[1];
        const auto assignment = testsupport::fuzz::Parts(line[0], '=', 2);
        const auto name = testsupport::fuzz::Parts(assignment[0], '/', 2);
        store.PutText(std::string(name[0]), std::string(name[1]), std::string(assignment[1]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = testsupport::fuzz::Text(data, size);

    cobwen::DecodeIniText(input);
    Check(cobwen::DecodeIniText(cobwen::EncodeIniText(input)) == input);
    const auto hex = cobwen::DecodeHex(input);
    if (hex)
        Check(cobwen::EncodeHex(*hex).size() == input.size());
    Check(cobwen::DecodeHex(cobwen::EncodeHex(input)) == std::string(input));
    cobwen::UnscramblePassword(input);
    InputRandom random(input);
    Check(cobwen::UnscramblePassword(cobwen::ScramblePassword(input, random)) == input);
    cobwen::IntegerFromText(input, 0);
    for (int columns = 1; columns <= 6; ++columns)
        if (const auto layout = cobwen::DecodeLayout(std::string(input), columns))
            Check(cobwen::DecodeLayout(cobwen::EncodeLayout(*layout), columns).has_value());

    cobwen::test::MemorySettingsStores stores;
    stores.registryKeyExists = true;
    stores.iniFileExists = size > 0 && data[0] % 2;
    Fill(stores.registry, input);
    Fill(stores.ini, input);
    cobwen::BrowserSettings settings;
    cobwen::LoadSettings(stores, cobwen::ListColours{}, settings);
    return 0;
}
