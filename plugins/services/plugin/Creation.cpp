#include "plugins/services/plugin/Creation.h"

#include "plugins/services/core/Creation.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/SharedOperations.h"
#include "win32/ServiceHandle.h"

#include <windows.h>

namespace sentrel {

namespace {

constexpr std::uint32_t ManagerFullAccess = 0xF003F;
constexpr std::uint32_t ServiceFullAccess = 0xF01FF;
constexpr int CannotCreate = 111;
constexpr int CannotReadState = 126;

const char* OrNull(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

} // namespace

void CreateNewService(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    const MessageFn msg = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    CreateTexts texts;
    NewService service;
    for (;;) {
        DialogLayout dialog = CreateServiceDialog(texts, msg);
        const int closing = lib.host.Dialog(dialog.width, dialog.height, dialog.items, "CreateDlg");
        if (closing != create::Next)
            return;
        texts = CreateTextsFromDialog(dialog.items);
        service.name = lib.text.AnsiFromOem(texts.name);
        service.displayName = lib.text.AnsiFromOem(texts.displayName);
        service.binaryPath = lib.text.AnsiFromOem(texts.path);
        if (ServiceNameProblem(service.name)) {
            if (lib.ErrorPrompt(ERROR_INVALID_NAME, CannotCreate, texts.name,
                                panel.ComputerText()) == 0)
                continue;
            return;
        }
        if (!EditNewServiceProperties(folder, service))
            return;
        texts.displayName = lib.text.OemFromAnsi(service.displayName);
        texts.path = lib.text.OemFromAnsi(service.binaryPath);
        const std::string shownName = texts.displayName.empty() ? texts.name : texts.displayName;

        win32::ServiceHandle manager = panel.OpenManager(ManagerFullAccess, 0);
        if (!manager.Valid())
            return;
        const CreateArguments arguments = CreateArgumentsOf(service);
        win32::ServiceHandle created(CreateServiceA(
            manager.Get(), service.name.c_str(),
            service.displayName.empty() ? nullptr : service.displayName.c_str(), ServiceFullAccess,
            service.serviceType, service.startType, service.errorControl,
            service.binaryPath.c_str(), OrNull(arguments.group), nullptr,
            OrNull(arguments.dependencies), OrNull(arguments.account), OrNull(arguments.password)));
        if (!created.Valid()) {
            const unsigned long error = GetLastError();
            manager.Reset();
            if (lib.ErrorPrompt(error, CannotCreate, shownName, panel.ComputerText()) == 0)
                continue;
            return;
        }

        ulvar::PanelInfo info{};
        lib.host.Control(panel.Handle(), ulvar::ControlGetPanelInfo, &info);
        folder.MarkSelection(info);
        const bool withDescription =
            lib.DescriptionsSupported() && (panel.IsLocal() || lib.settings.remoteDescrs);
        std::uint32_t error = 0;
        std::optional<ServiceNode> record =
            win::ReadServiceRecord(created.Get(), service.name,
                                   withDescription ? lib.functions.queryConfig2 : nullptr, error);
        SERVICE_STATUS status{};
        if (record && !QueryServiceStatus(created.Get(), &status)) {
            error = GetLastError();
            record.reset();
        }
        created.Reset();
        manager.Reset();
        if (!record) {
            ServiceFolder::ClearMarks(info);
            lib.ErrorNotice(error, CannotReadState, shownName);
            return;
        }
        record->state = status.dwCurrentState;
        record->readTime = win::NowUtc();
        // A panel whose list could not be read (a computer that did not answer) has no list to
        // put the record into: its next listing reads the computer anew.
        if (const ListPtr list = lib.cache.FindList(panel.CacheKey(), folder.Drivers()))
            list->InsertRecord(std::make_shared<ServiceNode>(std::move(*record)));
        else
            folder.rereadRequested = true;
        GrantLogonRightAfterCreation(folder, service);
        lib.host.Control(panel.Handle(), ulvar::ControlUpdatePanel, nullptr);
        folder.Reselect(&service.name);
        panel.RefreshOtherPanel();
        return;
    }
}

} // namespace sentrel
