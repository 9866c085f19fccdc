#include "plugin-host/kit/core/PluginModule.h"

#include "plugin-host/kit/core/PanelItems.h"

#include <utility>

namespace ulvar::kit {

namespace {

// What an int entry point answers when nothing was done.
constexpr int NotDone = 0;

struct Module {
    PluginDefinition definition;
    std::unique_ptr<Plugin> plugin;
};

Module& TheModule() {
    static Module module;
    return module;
}

// The live object; a whole-load plug-in is made on first use.
Plugin* Obtain() {
    Module& module = TheModule();
    if (!module.plugin && module.definition.lifetime == Lifetime::WholeLoad &&
        module.definition.make)
        module.plugin = module.definition.make();
    return module.plugin.get();
}

template <typename Result, typename Call> Result Guarded(Result failure, Call&& call) noexcept {
    try {
        return call();
    } catch (...) {
        return failure;
    }
}

template <typename Call> void Guarded(Call&& call) noexcept {
    try {
        call();
    } catch (...) {
    }
}

} // namespace

PanelHandle Plugin::OpenPlugin(int, std::intptr_t) {
    return InvalidPanel;
}
void Plugin::ClosePlugin(PanelHandle) {
}
void Plugin::GetOpenPluginInfo(PanelHandle, OpenPluginInfoRecord&) {
}
int Plugin::GetFindData(PanelHandle, PanelItem**, int*, int) {
    return NotDone;
}
void Plugin::FreeFindData(PanelHandle, PanelItem* items, int) {
    FreePanelItems(items);
}
int Plugin::SetDirectory(PanelHandle, const char*, int) {
    return NotDone;
}
int Plugin::GetFiles(PanelHandle, PanelItem*, int, int, char*, int) {
    return NotDone;
}
int Plugin::PutFiles(PanelHandle, PanelItem*, int, int, int) {
    return NotDone;
}
int Plugin::DeleteFiles(PanelHandle, PanelItem*, int, int) {
    return NotDone;
}
int Plugin::ProcessKey(PanelHandle, int, unsigned) {
    return NotDone;
}
int Plugin::ProcessEvent(PanelHandle, int, void*) {
    return NotDone;
}
int Plugin::Compare(PanelHandle, const PanelItem*, const PanelItem*, unsigned) {
    return CompareUseHostOrder;
}
int Plugin::Configure(int) {
    return NotDone;
}
void Plugin::ExitUlvar() {
}

void InstallPlugin(PluginDefinition definition) {
    Module& module = TheModule();
    module.plugin.reset();
    module.definition = std::move(definition);
}

Plugin* CurrentPlugin() {
    return TheModule().plugin.get();
}

namespace entry {

void SetStartupInfo(const HostStartupInfo* info) noexcept {
    Guarded([info] {
        Module& module = TheModule();
        if (module.definition.lifetime == Lifetime::StartupToExit) {
            module.plugin.reset();
            if (!info || !module.definition.make)
                return;
            // Kept only once it has taken the record: a plug-in that fails here is not there.
            auto made = module.definition.make();
            made->SetStartupInfo(*info);
            module.plugin = std::move(made);
            return;
        }
        if (info) {
            if (Plugin* plugin = Obtain())
                plugin->SetStartupInfo(*info);
        }
    });
}

void GetPluginInfo(PluginInfoRecord* info) noexcept {
    Guarded([info] {
        if (!info)
            return;
        if (Plugin* plugin = Obtain())
            plugin->GetPluginInfo(*info);
    });
}

PanelHandle OpenPlugin(int openFrom, std::intptr_t item) noexcept {
    return Guarded(InvalidPanel, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->OpenPlugin(openFrom, item) : InvalidPanel;
    });
}

void ClosePlugin(PanelHandle panel) noexcept {
    Guarded([&] {
        if (Plugin* plugin = Obtain())
            plugin->ClosePlugin(panel);
    });
}

void GetOpenPluginInfo(PanelHandle panel, OpenPluginInfoRecord* info) noexcept {
    Guarded([&] {
        if (!info)
            return;
        if (Plugin* plugin = Obtain())
            plugin->GetOpenPluginInfo(panel, *info);
    });
}

int GetFindData(PanelHandle panel, PanelItem** items, int* count, int opMode) noexcept {
    if (!items || !count)
        return NotDone;
    *items = nullptr;
    *count = 0;
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->GetFindData(panel, items, count, opMode) : NotDone;
    });
}

void FreeFindData(PanelHandle panel, PanelItem* items, int count) noexcept {
    Guarded([&] {
        if (Plugin* plugin = Obtain())
            plugin->FreeFindData(panel, items, count);
        else
            FreePanelItems(items);
    });
}

int SetDirectory(PanelHandle panel, const char* dir, int opMode) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->SetDirectory(panel, dir, opMode) : NotDone;
    });
}

int GetFiles(PanelHandle panel, PanelItem* items, int count, int move, char* destPath,
             int opMode) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->GetFiles(panel, items, count, move, destPath, opMode) : NotDone;
    });
}

int PutFiles(PanelHandle panel, PanelItem* items, int count, int move, int opMode) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->PutFiles(panel, items, count, move, opMode) : NotDone;
    });
}

int DeleteFiles(PanelHandle panel, PanelItem* items, int count, int opMode) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->DeleteFiles(panel, items, count, opMode) : NotDone;
    });
}

int ProcessKey(PanelHandle panel, int key, unsigned controlState) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->ProcessKey(panel, key, controlState) : NotDone;
    });
}

int ProcessEvent(PanelHandle panel, int event, void* param) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->ProcessEvent(panel, event, param) : NotDone;
    });
}

int Compare(PanelHandle panel, const PanelItem* a, const PanelItem* b, unsigned sortMode) noexcept {
    return Guarded(CompareUseHostOrder, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->Compare(panel, a, b, sortMode) : CompareUseHostOrder;
    });
}

int Configure(int itemNumber) noexcept {
    return Guarded(NotDone, [&] {
        Plugin* plugin = Obtain();
        return plugin ? plugin->Configure(itemNumber) : NotDone;
    });
}

void ExitUlvar() noexcept {
    Guarded([] {
        Module& module = TheModule();
        // Released even when its own ExitUlvar fails.
        const std::unique_ptr<Plugin> plugin = std::move(module.plugin);
        if (plugin)
            plugin->ExitUlvar();
    });
}

} // namespace entry

} // namespace ulvar::kit
