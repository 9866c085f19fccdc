#include "plugins/startup/tests/win/SystemFixture.h"

#include <windows.h>

namespace launchet::test {

SystemSourcesTest::SystemSourcesTest() {
    paths_.reserve(StartupSources.size() + 3);
    for (std::size_t i = 0; i < StartupSources.size(); ++i) {
        SourceDefinition definition = StartupSources[i];
        if (definition.kind == SourceKind::WinIni) {
            paths_.push_back(IniFile());
        } else {
            paths_.push_back(key.Path() + "\\" + std::to_string(i + 1) + "\\" + definition.keyPath);
            definition.root = RootKey::CurrentUser;
        }
        definition.keyPath = paths_.back().c_str();
        table_[i] = definition;
    }
    for (int source : {9, 10, 11}) {
        std::string const folder = scratch_.File("startup" + std::to_string(source));
        CreateDirectoryA(folder.c_str(), nullptr);
        SetValue(source, StartupSources[static_cast<std::size_t>(source - 1)].value, REG_SZ,
                 folder + std::string(1, '\0'));
    }
}

StartupPanel& SystemSourcesTest::Panel() {
    panel_ =
        std::make_unique<StartupPanel>(StartupContext{store, ulvar::kit::win::SystemCodePages(),
                                                      [this](int message) {
                                                          warnings.push_back(message);
                                                      }},
                                       table_);
    return *panel_;
}

std::vector<std::string> SystemSourcesTest::Rows() const {
    std::vector<std::string> rows;
    for (auto const& entry : panel_->Entries())
        rows.push_back(entry->RowName());
    return rows;
}

std::string SystemSourcesTest::Key(int source) const {
    return table_.at(static_cast<std::size_t>(source - 1)).keyPath;
}

void SystemSourcesTest::SetValue(int source, const std::string& name, DWORD type,
                                 const std::string& bytes) {
    ASSERT_TRUE(testsupport::SetValue(Key(source), name, type, bytes)) << Key(source);
}

std::optional<testsupport::RegistryValue>
SystemSourcesTest::GetValue(int source, const std::string& name) const {
    return testsupport::GetValue(Key(source), name);
}

std::string SystemSourcesTest::Folder(int source) const {
    return scratch_.File("startup" + std::to_string(source)) + "\\";
}

} // namespace launchet::test
