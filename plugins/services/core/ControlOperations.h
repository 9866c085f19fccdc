#pragma once

// The control operations on services and drivers and the rules around them that need no system
// call: what each operation sends, requires and waits for, the texts of its progress and failure,
// how an error code is reported, the elapsed-time and wait-prompt arithmetic of the waiting, the
// complete reading of dependent services, the records a start may have started too, and the
// splitting of start parameters.

#include "plugins/services/core/Enumeration.h"
#include "plugins/services/core/ServiceNode.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

enum ControlOperation : int {
    OpStart = 0,
    OpStop = 1,
    OpPause = 2,
    OpContinue = 3,
};

struct ControlOp {
    std::uint32_t controlCode; // 0 for start (a start request, not a control)
    std::uint32_t acceptBits;  // the accepted-controls bits the operation needs
    std::uint32_t access;      // service access besides query status and read control
    std::uint32_t targetState;
    std::uint32_t pendingState;
};

inline constexpr std::uint32_t QueryStatusAccess = 0x4;
inline constexpr std::uint32_t QueryAndReadAccess = 0x20004;

const ControlOp& ControlOpFor(int operation);
// What the service is opened with for the operation.
inline std::uint32_t OpenAccessFor(int operation) {
    return ControlOpFor(operation).access | QueryAndReadAccess;
}

// The flags of a control run.
inline constexpr unsigned ControlNoConfirm = 1;
inline constexpr unsigned ControlNoDependents = 2;
inline constexpr unsigned ControlTargetIsDone = 4;

// Messages of an operation (services or drivers variant).
int ProgressMessage(int operation, bool drivers);
int FailureHeading(int operation, bool drivers);
// The operation's name: message 68 + operation.
int OperationNameMessage(int operation);

// Error codes the operations report.
inline constexpr std::uint32_t ErrorInvalidServiceControl = 1052;
inline constexpr std::uint32_t ErrorServiceAlreadyRunning = 1056;
inline constexpr std::uint32_t ErrorCannotAcceptControl = 1061;
inline constexpr std::uint32_t ErrorServiceNotActive = 1062;
inline constexpr std::uint32_t ErrorServiceSpecific = 1066;
inline constexpr std::uint32_t ErrorCancelled = 1223;

// How a failed operation is reported.
enum class FailureKind {
    Informational, // a notice; the operation counts as done
    RetryOrDone,   // retry or give up; giving up counts as done
    RetryOrFail,   // with the error line; giving up is a failure
};
struct FailureReport {
    FailureKind kind;
    int message; // the text of its own (with the operation's name as insert), or -1
};
// state: the state the record held when the error was taken.
FailureReport ClassifyFailure(std::uint32_t error, int operation, std::uint32_t state,
                              bool drivers);

// The status fields the operations look at.
struct ServiceStatusInfo {
    std::uint32_t state = 0;
    std::uint32_t controlsAccepted = 0;
    std::uint32_t win32ExitCode = 0;
    std::uint32_t specificExitCode = 0;
};

// Message 328/329 with the service-specific exit code when the status reports one, else "".
std::string ServiceSpecificText(const ServiceStatusInfo& status, bool drivers,
                                const std::function<std::string(int)>& message);

// Whole seconds between two tick counts, to the nearest second (the counter may wrap).
std::uint32_t ElapsedSeconds(std::uint32_t startTick, std::uint32_t nowTick);
inline constexpr std::uint32_t WaitPromptInterval = 60000;
bool WaitPromptDue(std::uint32_t waitTick, std::uint32_t nowTick);

// A dependent service as the system lists it (ANSI).
struct DependentService {
    std::string name;
    std::string displayName;
};
inline constexpr std::uint32_t DependentsBufferSize = 36864;
// One request for the dependents into a buffer of bufferSize bytes: the entries when it fitted,
// or the error (ErrorMoreData with the bytes needed when it did not).
struct DependentsReply {
    std::uint32_t error = 0;
    std::uint32_t bytesNeeded = 0;
    std::vector<DependentService> entries;
};
using DependentsRequest = std::function<DependentsReply(std::uint32_t bufferSize)>;
// Every dependent, however many: the first request with DependentsBufferSize bytes, another one
// with the size the system asked for whenever it reports more data (at most a few times, as the
// set may grow between two requests). None with the error code when it cannot be read.
std::optional<std::vector<DependentService>> ReadAllDependents(const DependentsRequest& request,
                                                               std::uint32_t& error);

// After a start: the records of the cached lists that the record's dependencies name (a "+group"
// entry names every record of that load-order group), that may be started and are stopped;
// services first, then drivers.
std::vector<ServiceNode*> StoppedDependencies(const ServiceNode& record,
                                              const ServiceList* services,
                                              const ServiceList* drivers);

// Start parameters from the text the user typed: blanks and tabs separate them, a part in double
// quotes (kept with its quotes) may hold blanks; at most MaxStartParameters are taken.
inline constexpr std::size_t MaxStartParameters = 99;
std::vector<std::string> SplitStartParameters(const std::string& text);

} // namespace sentrel
