#pragma once

// The plug-in's entry points as plain C++ functions: sockwell.dll exports them under the host's
// names, and tests hand them to the stand-in host directly. None lets an exception escape: a
// failure becomes the entry point's "nothing" answer.
//
// The plug-in object is the library's one piece of module state: created by SetStartupInfo,
// destroyed by ExitUlvar.

#include "plugins/netstat/plugin/SockwellPlugin.h"

namespace sockwell {

void EntrySetStartupInfo(const ulvar::HostStartupInfo* info);
void EntryGetPluginInfo(ulvar::PluginInfoRecord* info);
ulvar::PanelHandle EntryOpenPlugin(int openFrom, std::intptr_t item);
void EntryGetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord* info);
int EntryGetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count, int opMode);
void EntryFreeFindData(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count);
int EntryProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState);
int EntryProcessEvent(ulvar::PanelHandle panel, int event, void* param);
int EntryConfigure(int itemNumber);
void EntryExitUlvar();

// The live plug-in, or null outside SetStartupInfo ... ExitUlvar.
SockwellPlugin* Plugin();
// Options for the plug-in the next SetStartupInfo creates (tests only).
void SetNextOptions(const PluginOptions& options);

} // namespace sockwell
