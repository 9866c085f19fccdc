#include "plugins/services/core/ControlOperations.h"

#include "plugins/services/core/MessageText.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr ControlOp Ops[] = {
    {0, 0x0, 0x10, StateRunning, StateStartPending},
    {1, 0x1, 0x28, StateStopped, StateStopPending},
    {2, 0x2, 0x40, StatePaused, StatePausePending},
    {3, 0x2, 0x40, StateRunning, StateContinuePending},
};

int Clamp(int operation) {
    return std::clamp(operation, 0, 3);
}

// A request for more data is repeated at most this often: the set may grow between two requests.
constexpr int MaxDependentsRequests = 8;

constexpr int DisabledStart = 4;

} // namespace

const ControlOp& ControlOpFor(int operation) {
    return Ops[Clamp(operation)];
}

int ProgressMessage(int operation, bool drivers) {
    constexpr int Numbers[] = {73, 75, 77, 78};
    const int op = Clamp(operation);
    return Numbers[op] + (drivers && op < 2 ? 1 : 0);
}

int FailureHeading(int operation, bool drivers) {
    constexpr int Numbers[] = {105, 107, 109, 110};
    const int op = Clamp(operation);
    return Numbers[op] + (drivers && op < 2 ? 1 : 0);
}

int OperationNameMessage(int operation) {
    return 68 + Clamp(operation);
}

FailureReport ClassifyFailure(std::uint32_t error, int operation, std::uint32_t state,
                              bool drivers) {
    const int variant = drivers ? 1 : 0;
    if (error == ErrorServiceAlreadyRunning ||
        ((operation == OpStart || operation == OpContinue) && state == StateRunning))
        return {FailureKind::Informational, 124 + variant};
    switch (error) {
    case ErrorInvalidServiceControl:
        if (state == StateStopped || state == StateRunning || state == StatePaused)
            return {FailureKind::Informational, 116 + variant};
        return {FailureKind::RetryOrDone, 122 + variant};
    case ErrorCannotAcceptControl:
        return {FailureKind::RetryOrDone, 122 + variant};
    case ErrorServiceNotActive:
        return {FailureKind::Informational, 120 + variant};
    default:
        return {FailureKind::RetryOrFail, -1};
    }
}

std::string ServiceSpecificText(const ServiceStatusInfo& status, bool drivers,
                                const std::function<std::string(int)>& message) {
    if (status.win32ExitCode != ErrorServiceSpecific)
        return {};
    return FillInserts(message(drivers ? 329 : 328), {std::to_string(status.specificExitCode)});
}

std::uint32_t ElapsedSeconds(std::uint32_t startTick, std::uint32_t nowTick) {
    return static_cast<std::uint32_t>((std::uint64_t{nowTick - startTick} + 500) / 1000);
}

bool WaitPromptDue(std::uint32_t waitTick, std::uint32_t nowTick) {
    return nowTick - waitTick >= WaitPromptInterval;
}

std::optional<std::vector<DependentService>> ReadAllDependents(const DependentsRequest& request,
                                                               std::uint32_t& error) {
    std::uint32_t size = DependentsBufferSize;
    for (int attempt = 0; attempt < MaxDependentsRequests; ++attempt) {
        DependentsReply reply = request(size);
        if (reply.error == 0) {
            error = 0;
            return std::move(reply.entries);
        }
        error = reply.error;
        if (reply.error != ErrorMoreData || reply.bytesNeeded == 0)
            return std::nullopt;
        // The system's count may not include the entries added meanwhile: ask for a little more.
        size = std::max(size, reply.bytesNeeded) + 1024;
    }
    return std::nullopt;
}

std::vector<ServiceNode*> StoppedDependencies(const ServiceNode& record,
                                              const ServiceList* services,
                                              const ServiceList* drivers) {
    std::vector<ServiceNode*> found;
    auto consider = [&found](ServiceNode* candidate) {
        if (!candidate || candidate->config.startType == DisabledStart ||
            candidate->state != StateStopped)
            return;
        if (std::find(found.begin(), found.end(), candidate) == found.end())
            found.push_back(candidate);
    };
    for (const std::string& entry : record.config.dependencies) {
        if (entry.size() > 1 && entry[0] == '+') {
            const std::string group = entry.substr(1);
            for (const ServiceList* list : {services, drivers})
                for (std::size_t i = 0; list && i < list->Count(); ++i)
                    if (list->Records()[i]->config.loadOrderGroup == group)
                        consider(list->Records()[i].get());
            continue;
        }
        ServiceNode* named = services ? services->FindRecord(entry) : nullptr;
        if (!named && drivers)
            named = drivers->FindRecord(entry);
        consider(named);
    }
    return found;
}

std::vector<std::string> SplitStartParameters(const std::string& text) {
    std::vector<std::string> parameters;
    std::size_t i = 0;
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (i < text.size() && parameters.size() < MaxStartParameters) {
        while (i < text.size() && blank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        std::string part;
        bool quoted = false;
        while (i < text.size() && (quoted || !blank(text[i]))) {
            if (text[i] == '"')
                quoted = !quoted;
            part += text[i++];
        }
        parameters.push_back(std::move(part));
    }
    return parameters;
}

} // namespace sentrel
