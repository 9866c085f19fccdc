#include "plugins/services/plugin/SentrelPlugin.h"

#include "plugin-host/kit/core/PanelItems.h"
#include "plugin-host/kit/win/RegistryValues.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/plugin/Configuration.h"
#include "plugins/services/plugin/PanelInstance.h"
#include "plugins/services/win/RegistryMappings.h"
#include "win32/Registry.h"
#include "win32/Text.h"

namespace sentrel {

ulvar::kit::PluginDefinition SentrelDefinition(PluginOptions options) {
    return {ulvar::kit::Lifetime::WholeLoad, [options] {
                return std::make_unique<SentrelPlugin>(options);
            }};
}

SentrelPlugin::SentrelPlugin(PluginOptions options) : options_(std::move(options)) {
    if (options_.opener)
        library_.opener = *options_.opener;
    if (options_.configManager)
        library_.configManager = options_.configManager;
    if (options_.servicePort)
        library_.servicePort = options_.servicePort;
    if (options_.accountRights)
        library_.accountRights = options_.accountRights;
}

SentrelPlugin::~SentrelPlugin() {
    for (PanelInstance* panel : panels_)
        delete panel;
}

PanelInstance* SentrelPlugin::Find(ulvar::PanelHandle panel) const {
    auto* instance = static_cast<PanelInstance*>(panel);
    return panels_.count(instance) ? instance : nullptr;
}

void SentrelPlugin::SetStartupInfo(const ulvar::HostStartupInfo& info) {
    library_.host.Keep(info);
    const std::string key = SettingsKeyName(info.RootKey ? info.RootKey : "");
    win32::CreateKey(HKEY_CURRENT_USER, win32::WideFromOem(key), KEY_READ);
    ulvar::kit::win::RegistryValueStore store(key);
    library_.settings = ReadSettings(store);
    ReadMappings();
    library_.functions =
        options_.withoutDescriptions ? win::OptionalFunctions{} : win::FindOptionalFunctions();
    if (library_.localName.empty()) {
        library_.localName = win::LocalComputerName();
        library_.localNameOem = library_.text.OemFromAnsi(library_.localName);
    }
}

void SentrelPlugin::ReadMappings() {
    const std::string key =
        SettingsKeyName(library_.host.Info().RootKey ? library_.host.Info().RootKey : "");
    win::RegistryMappingStore mappings(key);
    if (!library_.settings.useAttrMapping) {
        mappings.WriteAll(DefaultMappings());
        library_.settings.useAttrMapping = true;
        ulvar::kit::win::RegistryValueStore(key).Write(value::UseAttrMapping, 1);
    }
    library_.mappings = sentrel::ReadMappings(mappings);
    library_.attrTable = BuildAttrTable(library_.mappings);
}

void SentrelPlugin::GetPluginInfo(ulvar::PluginInfoRecord& info) {
    const char* title = library_.Msg(msg::Title);
    menus_ = {};
    if (library_.settings.addToDisksMenu) {
        menus_.disksMenu = {library_.Msg(msg::DisksMenu)};
        menus_.disksMenuNumbers = {library_.settings.disksMenuDigit};
    }
    menus_.pluginsMenu = {title};
    menus_.configMenu = {title};
    menus_.commandPrefix = "svc";
    menus_.Fill(info);
}

ulvar::PanelHandle SentrelPlugin::OpenPlugin(int openFrom, std::intptr_t item) {
    auto panel = std::make_unique<PanelInstance>(library_);
    PanelInstance* const instance = panel.get();
    panels_.insert(panel.release());
    const char* text = openFrom == ulvar::OpenFromCommandLine && item
                           ? reinterpret_cast<const char*>(item)
                           : library_.rememberedPath.c_str();
    instance->Interpret(text, 0);
    return instance->Handle();
}

void SentrelPlugin::ClosePlugin(ulvar::PanelHandle handle) {
    PanelInstance* panel = Find(handle);
    if (!panel)
        return;
    library_.rememberedPath = panel->RememberedPath();
    panels_.erase(panel);
    delete panel;
}

void SentrelPlugin::GetOpenPluginInfo(ulvar::PanelHandle handle,
                                      ulvar::OpenPluginInfoRecord& info) {
    if (PanelInstance* panel = Find(handle))
        panel->GetOpenPluginInfo(info);
}

int SentrelPlugin::GetFindData(ulvar::PanelHandle handle, ulvar::PanelItem** items, int* count,
                               int opMode) {
    PanelInstance* panel = Find(handle);
    return panel ? panel->GetFindData(items, count, opMode) : 0;
}

void SentrelPlugin::FreeFindData(ulvar::PanelHandle handle, ulvar::PanelItem* items, int) {
    if (PanelInstance* panel = Find(handle))
        panel->FreeFindData(items);
    else
        ulvar::kit::FreePanelItems(items);
}

int SentrelPlugin::SetDirectory(ulvar::PanelHandle handle, const char* dir, int opMode) {
    PanelInstance* panel = Find(handle);
    return panel && dir ? panel->Interpret(dir, opMode) : 0;
}

int SentrelPlugin::GetFiles(ulvar::PanelHandle handle, ulvar::PanelItem* items, int count, int move,
                            char* destPath, int opMode) {
    PanelInstance* panel = Find(handle);
    return panel ? panel->Folder().GetFiles(items, count, move, destPath, opMode) : 0;
}

int SentrelPlugin::ProcessKey(ulvar::PanelHandle handle, int key, unsigned controlState) {
    PanelInstance* panel = Find(handle);
    return panel ? panel->ProcessKey(key, controlState) : 0;
}

int SentrelPlugin::ProcessEvent(ulvar::PanelHandle handle, int event, void* param) {
    // The break event may come from another thread while a panel is busy: only the flag is set
    // there, nothing of the panel is touched.
    if (event == ulvar::EventBreak) {
        library_.abort = true;
        return 0;
    }
    PanelInstance* panel = Find(handle);
    return panel ? panel->ProcessEvent(event, param) : 0;
}

int SentrelPlugin::Compare(ulvar::PanelHandle handle, const ulvar::PanelItem* a,
                           const ulvar::PanelItem* b, unsigned sortMode) {
    PanelInstance* panel = Find(handle);
    if (!panel || !a || !b)
        return ulvar::CompareUseHostOrder;
    return panel->Folder().Compare(*a, *b, sortMode);
}

int SentrelPlugin::Configure(int itemNumber) {
    return itemNumber == 0 ? RunConfiguration(library_) : 0;
}

void SentrelPlugin::ExitUlvar() {
    library_.cache.Clear();
}

} // namespace sentrel
