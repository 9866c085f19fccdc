#include "plugins/services/core/ControlRun.h"

#include "plugins/services/core/ConfirmFlags.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "ulvar/Plugin.h"

namespace sentrel {

namespace {

constexpr int MessageDependents = 97;
constexpr int MessageStopDependentsToo = 98;
constexpr int MessageMoreDependents = 99;
constexpr int ButtonStopThem = 62;
constexpr int ButtonDoNotStop = 63;
constexpr int ButtonWait = 67;
constexpr int NoAnswer = 118;
constexpr int CannotReadState = 126;
constexpr int StoppedInstead = 128;
constexpr std::size_t ListedDependents = 15;

constexpr std::uint32_t Warning = ulvar::MessageWarning;
constexpr std::uint32_t WarningWithErrorLine = ulvar::MessageWarning | ulvar::MessageErrorLine;

// The one saved screen of a run from the request on, put back on every way out.
class SavedScreen {
public:
    explicit SavedScreen(ControlHost& host) : host_(host) {}
    ~SavedScreen() { Restore(); }
    SavedScreen(const SavedScreen&) = delete;
    SavedScreen& operator=(const SavedScreen&) = delete;
    void Save() {
        if (!saved_)
            host_.SaveScreen();
        saved_ = true;
    }
    void Restore() {
        if (saved_)
            host_.RestoreScreen();
        saved_ = false;
    }

private:
    ControlHost& host_;
    bool saved_ = false;
};

// The service handle of a run, closed on every way out.
class OpenService {
public:
    explicit OpenService(std::unique_ptr<ServicePort> port) : port_(std::move(port)) {}
    ~OpenService() { Close(); }
    OpenService(const OpenService&) = delete;
    OpenService& operator=(const OpenService&) = delete;
    ServicePort* operator->() { return port_.get(); }
    void Close() {
        if (port_)
            port_->Close();
    }

private:
    std::unique_ptr<ServicePort> port_;
};

enum class Outcome { Done, Failed, Error, Again };

class Run {
public:
    Run(ControlHost& host, ServiceNode& record, int operation, unsigned flags,
        const std::vector<std::string>& parameters)
        : host_(host), record_(record), operation_(operation), flags_(flags),
          parameters_(parameters), drivers_(host.Drivers()),
          displayName_(host.OemFromAnsi(record.config.displayName)) {}

    int Execute() {
        for (;;) {
            error_ = 0;
            status_ = {};
            const Outcome outcome = Attempt();
            if (outcome == Outcome::Done)
                return 1;
            if (outcome == Outcome::Failed)
                return 0;
            if (outcome == Outcome::Again)
                continue;
            const int reported = Report();
            if (reported >= 0)
                return reported;
        }
    }

private:
    std::string Msg(int number) const { return host_.Msg(number); }
    std::string WithNames(int number) const {
        return FillInserts(Msg(number), {displayName_, host_.ComputerText()});
    }
    const ControlOp& Op() const { return ControlOpFor(operation_); }

    void StoreState(std::uint32_t state) {
        record_.state = state;
        record_.readTime = host_.Now();
    }

    std::vector<std::string> ProgressLines(const std::string& elapsed) const {
        return {Msg(drivers_ ? msg::DevicesFolder : msg::ServicesFolder),
                WithNames(ProgressMessage(operation_, drivers_)), elapsed};
    }

    // Steps up to the end of the waiting; Error leaves the code in error_.
    Outcome Attempt() {
        host_.ClearAbort();
        host_.BusyTitle(true);
        OpenService service(host_.NewPort());
        if (!service->Open(record_.name, OpenAccessFor(operation_), error_)) {
            host_.BusyTitle(false);
            return Outcome::Error;
        }
        ServiceStatusInfo status;
        const bool queried = service->Query(status, error_);
        host_.BusyTitle(false);
        if (!queried)
            return Outcome::Error;
        status_ = status;
        StoreState(status.state);

        if (status.state == Op().targetState && (flags_ & ControlTargetIsDone))
            return Outcome::Done;
        if (operation_ == OpStart && status.state == StatePaused) {
            operation_ = OpContinue;
            return Outcome::Again;
        }
        if ((status.controlsAccepted & Op().acceptBits) != Op().acceptBits ||
            ((operation_ == OpStart || operation_ == OpContinue) && status.state == StateRunning)) {
            error_ =
                status.state == StateStopped ? ErrorServiceNotActive : ErrorInvalidServiceControl;
            return Outcome::Error;
        }
        if (!(flags_ & ControlNoConfirm) && !Confirm(OneItemKind(operation_), displayName_))
            return Outcome::Failed;
        if (operation_ == OpStop && !(flags_ & ControlNoDependents)) {
            const Outcome dependents = StopDependents(*service.operator->());
            if (dependents != Outcome::Done)
                return dependents;
        }
        return RequestAndWait(service);
    }

    bool Confirm(ConfirmKind kind, const std::string& insert) {
        return ConfirmOperation(
            kind, drivers_, host_.CfmFlags(), insert, [this](int n) { return Msg(n); },
            [this](const ConfirmQuestion& question) {
                std::vector<std::optional<std::string>> texts(question.texts.begin(),
                                                              question.texts.end());
                return host_.Message(texts, question.warning ? Warning : 0u, 2);
            });
    }

    Outcome StopDependents(ServicePort& service) {
        host_.BusyTitle(true);
        const std::optional<std::vector<DependentService>> dependents =
            service.ActiveDependents(error_);
        host_.BusyTitle(false);
        if (!dependents)
            return Outcome::Error;
        if (dependents->empty())
            return Outcome::Done;
        std::vector<std::optional<std::string>> texts = {
            Msg(msg::Warning), FillInserts(Msg(MessageDependents), {displayName_}), std::string(),
            Msg(MessageStopDependentsToo)};
        for (std::size_t i = 0; i < dependents->size() && i < ListedDependents; ++i)
            texts.push_back(host_.OemFromAnsi((*dependents)[i].displayName));
        texts.push_back(std::string());
        texts.push_back(Msg(MessageMoreDependents));
        texts.push_back(Msg(ButtonStopThem));
        texts.push_back(Msg(ButtonDoNotStop));
        if (host_.Message(texts, Warning, 2) != 0)
            return Outcome::Failed;
        for (const DependentService& dependent : *dependents) {
            ServiceNode* cached = FindCached(dependent.name);
            ServiceNode temporary;
            if (!cached) {
                temporary.name = dependent.name;
                temporary.config.displayName = dependent.displayName;
            }
            if (RunControl(host_, cached ? *cached : temporary, OpStop,
                           ControlNoConfirm | ControlNoDependents) == 0)
                return Outcome::Failed;
        }
        return Outcome::Done;
    }

    ServiceNode* FindCached(const std::string& name) {
        for (const bool drivers : {false, true})
            if (ServiceList* list = host_.CachedList(drivers))
                if (ServiceNode* record = list->FindRecord(name))
                    return record;
        return nullptr;
    }

    Outcome RequestAndWait(OpenService& service) {
        SavedScreen screen(host_);
        screen.Save();
        host_.ShowProgress(ProgressLines(std::string()));
        const std::uint32_t startTick = host_.Ticks();
        ServiceStatusInfo status;
        const bool sent =
            operation_ == OpStart
                ? service->Start(parameters_.size() > 1 ? parameters_ : std::vector<std::string>{},
                                 error_)
                : service->Control(Op().controlCode, status, error_);
        if (!sent)
            return Outcome::Error;

        std::uint32_t waitTick = host_.Ticks();
        for (int poll = 0; !host_.Aborted(); ++poll) {
            if (!service->Query(status, error_)) {
                screen.Restore();
                if (host_.ErrorPrompt(error_, CannotReadState + (drivers_ ? 1 : 0), displayName_) !=
                    0)
                    return Outcome::Failed;
                screen.Save();
                waitTick = host_.Ticks();
                host_.ShowProgress(ProgressLines(std::string()));
                poll = -1;
                continue;
            }
            status_ = status;
            StoreState(status.state);
            if (status.state == Op().targetState) {
                service.Close();
                screen.Restore();
                if (operation_ == OpStart)
                    RefreshDependencies();
                return Outcome::Done;
            }
            if (status.state != Op().pendingState) {
                service.Close();
                screen.Restore();
                std::vector<std::optional<std::string>> texts = {
                    Msg(msg::Error), WithNames(FailureHeading(operation_, drivers_)),
                    Msg(StoppedInstead + (drivers_ ? 1 : 0))};
                const std::string specific =
                    ServiceSpecificText(status, drivers_, [this](int n) { return Msg(n); });
                if (!specific.empty())
                    texts.push_back(specific);
                texts.push_back(Msg(msg::Ok));
                host_.Message(texts, Warning, 1);
                return Outcome::Failed;
            }
            const std::uint32_t now = host_.Ticks();
            if (poll >= 1)
                host_.ShowProgress(ProgressLines(std::to_string(ElapsedSeconds(startTick, now))));
            if (WaitPromptDue(waitTick, now)) {
                screen.Restore();
                const int choice = host_.Message(
                    {Msg(msg::Error), WithNames(FailureHeading(operation_, drivers_)),
                     Msg(NoAnswer + (drivers_ ? 1 : 0)), Msg(ButtonWait), Msg(msg::Cancel)},
                    Warning, 2);
                if (choice != 0)
                    return Outcome::Failed;
                screen.Save();
                waitTick = host_.Ticks();
                host_.ShowProgress(
                    ProgressLines(std::to_string(ElapsedSeconds(startTick, host_.Ticks()))));
            }
            host_.Sleep(1000);
        }
        screen.Restore();
        error_ = ErrorCancelled;
        return Outcome::Error;
    }

    void RefreshDependencies() {
        for (ServiceNode* dependency :
             StoppedDependencies(record_, host_.CachedList(false), host_.CachedList(true))) {
            OpenService service(host_.NewPort());
            std::uint32_t ignored = 0;
            ServiceStatusInfo status;
            if (service->Open(dependency->name, QueryStatusAccess, ignored) &&
                service->Query(status, ignored)) {
                dependency->state = status.state;
                dependency->readTime = host_.Now();
            }
        }
    }

    // The failure box of error_: 1 or 0 for the run's result, -1 to begin again.
    int Report() {
        const FailureReport report = ClassifyFailure(error_, operation_, record_.state, drivers_);
        const std::string heading = WithNames(FailureHeading(operation_, drivers_));
        const std::string specific =
            ServiceSpecificText(status_, drivers_, [this](int n) { return Msg(n); });
        std::vector<std::optional<std::string>> texts = {Msg(msg::Error), heading};
        if (report.message >= 0)
            texts.push_back(
                FillInserts(Msg(report.message), {Msg(OperationNameMessage(operation_))}));
        else
            texts.push_back(std::nullopt);
        if (report.kind == FailureKind::Informational) {
            texts.push_back(Msg(msg::Ok));
            host_.Message(texts, Warning, 1);
            return 1;
        }
        if (!specific.empty())
            texts.push_back(specific);
        texts.push_back(Msg(msg::Retry));
        texts.push_back(Msg(msg::Cancel));
        const bool withErrorLine = report.kind == FailureKind::RetryOrFail;
        const int choice =
            host_.Message(texts, withErrorLine ? WarningWithErrorLine : Warning, 2, error_);
        if (choice == 0)
            return -1;
        return withErrorLine ? 0 : 1;
    }

    ControlHost& host_;
    ServiceNode& record_;
    int operation_;
    unsigned flags_;
    const std::vector<std::string>& parameters_;
    bool drivers_;
    std::string displayName_;
    std::uint32_t error_ = 0;
    ServiceStatusInfo status_;
};

} // namespace

int RunControl(ControlHost& host, ServiceNode& record, int operation, unsigned flags,
               const std::vector<std::string>& parameters) {
    return Run(host, record, operation, flags, parameters).Execute();
}

} // namespace sentrel
