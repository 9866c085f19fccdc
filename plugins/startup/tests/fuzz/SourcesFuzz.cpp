// The twenty startup places filled as a machine may have them: values of any type and name in the
// Run keys and lists, files and shortcuts in the startup folders, win.ini lines. Every entry read
// has a row and a location, and deleting all of them leaves only the protected ones.
#include "plugins/startup/core/StartupPanel.h"
#include "plugins/startup/tests/core/MemoryStore.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

namespace {

using testsupport::fuzz::Check;

void Fill(launchet::test::MemoryStore& store, testsupport::fuzz::Reader& input) {
    using launchet::StartupSources;
    const char* const folders[] = {"C:\\All\\", "C:\\Alt\\", "C:\\User\\"};
    store.Set(StartupSources[8].root, StartupSources[8].keyPath, StartupSources[8].value, 1,
              std::string(folders[0]) + '\0');
    store.Set(StartupSources[9].root, StartupSources[9].keyPath, StartupSources[9].value, 1,
              std::string(folders[1]) + '\0');
    store.Set(StartupSources[10].root, StartupSources[10].keyPath, StartupSources[10].value, 1,
              std::string(folders[2]) + '\0');
    for (int record = 0; record < 64 && !input.Empty(); ++record) {
        const std::uint8_t kind = input.Byte();
        const auto& source = StartupSources[input.Byte() % StartupSources.size()];
        switch (kind % 3) {
        case 0: { // a value of the source's key: its own value or one of any name
            std::string name(input.Text('\x01'));
            if (source.value && kind & 4)
                name = source.value;
            const std::uint32_t type = input.Byte() % 8;
            store.Set(source.root, source.keyPath, name, type, std::string(input.Text('\x02')));
            break;
        }
        case 1: { // a win.ini line
            const char* key = kind & 4 ? "load" : "run";
            store.ini[std::string("win.ini|windows|") + key] = std::string(input.Text('\x02'));
            break;
        }
        default: { // a file in a startup folder, perhaps a shortcut
            const std::string file = folders[(kind >> 5) % 3] + std::string(input.Text('\x01'));
            store.files[file] =
                launchet::FolderEntry{file.substr(file.rfind('\\') + 1), (kind & 8) != 0};
            if (kind & 16)
                store.shortcuts[file] = {std::string(input.Text('\x01')),
                                         std::string(input.Text('\x02'))};
            break;
        }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));
    launchet::test::MemoryStore store;
    Fill(store, input);
    launchet::test::CyrillicCodePages pages;
    launchet::StartupPanel panel(launchet::StartupContext{store, pages, [](int) {
                                                          }});

    std::vector<launchet::StartupEntry*> all;
    std::size_t protectedCount = 0;
    for (const auto& entry : panel.Entries()) {
        Check(entry->RowName().size() <= launchet::RowNameLength);
        Check(!entry->Location().empty());
        all.push_back(entry.get());
        protectedCount += entry->Protected();
    }
    if (panel.Delete(all)) {
        panel.Collect();
        Check(panel.Entries().size() == protectedCount);
    }
    return 0;
}
