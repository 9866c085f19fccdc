#pragma once

// The control operations of the services and devices folders: the keys F5 (start), F8 (stop),
// F7 (pause), Alt+F5 (restart), Shift+F5 (start with parameters) and Shift+F1 (read the states
// again), and RunControl, which the other operations (deletion stops a service first) use too.

#include "plugins/services/core/ControlOperations.h"
#include "plugins/services/core/ServiceNode.h"

#include <string>
#include <vector>
#include <windows.h>

namespace sentrel {

class ServiceFolder;

// One operation (OpStart, OpStop, OpPause, OpContinue) on record, a service or driver of the
// folder's computer, through manager (opened by the caller with at least connect access, and
// still the caller's): confirmed unless flags hold ControlNoConfirm, a stop stops the active
// dependents first (after asking) unless flags hold ControlNoDependents, and with
// ControlTargetIsDone a service in the target state already is done without a message. Progress,
// prompts and errors are shown in the host; the record's state and time are updated in place.
// parameters: for a start, the service name followed by its parameters (none: a plain start).
// Returns 1 done (or nothing to do, or the user chose to go on), 0 failed or cancelled. A
// deletion stops first with RunControl(folder, manager, record, OpStop, ControlNoConfirm |
// ControlTargetIsDone).
int RunControl(ServiceFolder& folder, SC_HANDLE manager, ServiceNode& record, int operation,
               unsigned flags, const std::vector<std::string>& parameters = {});

// The keys' operations on the folder's selection (the current item when none is selected).
enum class KeyOperation { Start = 0, Stop = 1, Pause = 2, Restart = 3 };
void ControlSelected(ServiceFolder& folder, KeyOperation operation);
void StartWithParameters(ServiceFolder& folder);
void RefreshStates(ServiceFolder& folder);

} // namespace sentrel
