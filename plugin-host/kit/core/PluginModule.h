#pragma once

// The plug-in object of a library and the entry points that run it. The kit's entry points have
// the host's signatures; each calls the library's one Plugin and lets no exception escape: a
// failure becomes the host's answer for "nothing" at that entry point (InvalidPanel from
// OpenPlugin, 0 from GetFindData and the other int entry points, CompareUseHostOrder from Compare,
// nothing from the void ones). A DLL exports the ones its ulvar_add_plugin call names
// (kit/dll/Exports.cpp); tests hand them to the stand-in host directly.

#include "ulvar/Plugin.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ulvar::kit {

// A plug-in as the entry points call it; it overrides those its library exports. The defaults
// answer as the entry points do on a failure; FreeFindData releases a PanelItemBlock.
class Plugin {
public:
    virtual ~Plugin() = default;

    virtual void SetStartupInfo(const HostStartupInfo& info) = 0;
    virtual void GetPluginInfo(PluginInfoRecord& info) = 0;
    virtual PanelHandle OpenPlugin(int openFrom, std::intptr_t item);
    virtual void ClosePlugin(PanelHandle panel);
    virtual void GetOpenPluginInfo(PanelHandle panel, OpenPluginInfoRecord& info);
    // items and count start as null and 0.
    virtual int GetFindData(PanelHandle panel, PanelItem** items, int* count, int opMode);
    virtual void FreeFindData(PanelHandle panel, PanelItem* items, int count);
    virtual int SetDirectory(PanelHandle panel, const char* dir, int opMode);
    virtual int GetFiles(PanelHandle panel, PanelItem* items, int count, int move, char* destPath,
                         int opMode);
    virtual int PutFiles(PanelHandle panel, PanelItem* items, int count, int move, int opMode);
    virtual int DeleteFiles(PanelHandle panel, PanelItem* items, int count, int opMode);
    virtual int ProcessKey(PanelHandle panel, int key, unsigned controlState);
    virtual int ProcessEvent(PanelHandle panel, int event, void* param);
    virtual int Compare(PanelHandle panel, const PanelItem* a, const PanelItem* b,
                        unsigned sortMode);
    virtual int Configure(int itemNumber);
    // Called before the object is destroyed by ExitUlvar.
    virtual void ExitUlvar();
};

enum class Lifetime {
    // Made by the first entry point called and kept: every SetStartupInfo reaches the same object.
    WholeLoad,
    // Made anew by each SetStartupInfo (the old one destroyed first); none before.
    StartupToExit,
};

struct PluginDefinition {
    Lifetime lifetime = Lifetime::StartupToExit;
    std::function<std::unique_ptr<Plugin>()> make;
};

// The plug-in a DLL's exports run, defined once by each plug-in library for its DLL.
PluginDefinition LibraryPlugin();

// Sets the definition the entry points use and drops the object there was, as if the library had
// just been loaded. The DLL's exports install LibraryPlugin() on their first call; tests install
// definitions of their own.
void InstallPlugin(PluginDefinition definition);
// The live object, or null (none made yet, or destroyed by ExitUlvar).
Plugin* CurrentPlugin();
template <typename Type> Type* CurrentPluginAs() {
    return dynamic_cast<Type*>(CurrentPlugin());
}

// The entry points. ExitUlvar destroys the object whatever its lifetime.
namespace entry {

void SetStartupInfo(const HostStartupInfo* info) noexcept;
void GetPluginInfo(PluginInfoRecord* info) noexcept;
PanelHandle OpenPlugin(int openFrom, std::intptr_t item) noexcept;
void ClosePlugin(PanelHandle panel) noexcept;
void GetOpenPluginInfo(PanelHandle panel, OpenPluginInfoRecord* info) noexcept;
// Null items or count: 0. Otherwise they are set to null and 0 first, so a failure lists nothing.
int GetFindData(PanelHandle panel, PanelItem** items, int* count, int opMode) noexcept;
// Without a live plug-in the items are still released as a PanelItemBlock.
void FreeFindData(PanelHandle panel, PanelItem* items, int count) noexcept;
int SetDirectory(PanelHandle panel, const char* dir, int opMode) noexcept;
int GetFiles(PanelHandle panel, PanelItem* items, int count, int move, char* destPath,
             int opMode) noexcept;
int PutFiles(PanelHandle panel, PanelItem* items, int count, int move, int opMode) noexcept;
int DeleteFiles(PanelHandle panel, PanelItem* items, int count, int opMode) noexcept;
int ProcessKey(PanelHandle panel, int key, unsigned controlState) noexcept;
int ProcessEvent(PanelHandle panel, int event, void* param) noexcept;
int Compare(PanelHandle panel, const PanelItem* a, const PanelItem* b, unsigned sortMode) noexcept;
int Configure(int itemNumber) noexcept;
void ExitUlvar() noexcept;

} // namespace entry

} // namespace ulvar::kit
