#include "plugins/services/plugin/PanelInstance.h"

#include "plugin-host/kit/core/PanelItems.h"
#include "plugins/services/core/KeyDispatch.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/PathInterpretation.h"

namespace sentrel {

bool IsSilent(int mode) {
    return (mode & (ulvar::OpSilent | ulvar::OpFind)) != 0;
}

PanelInstance::PanelInstance(Library& library)
    : library_(library), folder_(MakeFolder(*this, TopKind(library.settings.dirStructure))) {
}

PanelInstance::~PanelInstance() = default;

std::string PanelInstance::ComputerText() const {
    return display_.empty() ? library_.localNameOem : display_;
}

std::string PanelInstance::CacheKey() const {
    return CacheName(computer_, library_.localName, library_.text);
}

void PanelInstance::SetComputer(const std::string& ansi) {
    std::string name = ansi;
    const std::size_t first = name.find_first_not_of(" \t");
    name.erase(0, first == std::string::npos ? name.size() : first);
    computer_ = name.substr(0, MaxComputerName);
    display_ = library_.text.OemFromAnsi(library_.text.UpperAnsi(computer_));
    built_ = false;
}

std::string PanelInstance::RememberedPath() const {
    std::string path = "\\\\" + display_ + "\\";
    if (Kind() == FolderKind::Services)
        path += library_.Msg(msg::ServicesFolder);
    else if (Kind() == FolderKind::Devices)
        path += library_.Msg(msg::DevicesFolder);
    return path;
}

void PanelInstance::ReplaceFolder(std::unique_ptr<FolderContent> folder) {
    if (!listing_ && description_)
        saved_ = std::move(description_);
    built_ = false;
    folder_ = std::move(folder);
}

int PanelInstance::Interpret(const std::string& path, int mode) {
    PathContext context;
    context.layout = library_.settings.dirStructure;
    context.current = Kind();
    context.servicesName = library_.Msg(msg::ServicesFolder);
    context.devicesName = library_.Msg(msg::DevicesFolder);
    const PathResult result =
        InterpretPath(path, (mode & ulvar::OpFind) != 0, context, library_.text);
    if (result.fileSystemPath) {
        library_.host.Control(Handle(), ulvar::ControlSetPanelDirectory,
                              const_cast<char*>(path.c_str()));
        return 0;
    }
    if (result.computerTooLong) {
        if (!IsSilent(mode))
            library_.ErrorNotice(0, msg::ComputerNameTooLong,
                                 library_.text.OemFromAnsi(result.refusedComputer));
        return 0;
    }
    if (result.computer)
        SetComputer(*result.computer);
    if (result.kind != Kind())
        ReplaceFolder(MakeFolder(*this, result.kind));
    Rebuild();
    if (!IsSilent(mode))
        RefreshOtherPanel();
    return 1;
}

void PanelInstance::Rebuild() {
    auto description = std::make_shared<Description>();
    folder_->Describe(*description);
    description_ = std::move(description);
    built_ = true;
    builtDots_ = library_.settings.addDotsToRoot;
    builtLayout_ = library_.settings.dirStructure;
}

void PanelInstance::GetOpenPluginInfo(ulvar::OpenPluginInfoRecord& record) {
    if (!built_ || !description_ || builtDots_ != library_.settings.addDotsToRoot ||
        builtLayout_ != library_.settings.dirStructure)
        Rebuild();
    handedOut_ = listing_ && saved_ ? saved_ : description_;
    handedOut_->Fill(record, titleOverride_ ? titleOverride_->c_str() : nullptr);
}

int PanelInstance::GetFindData(ulvar::PanelItem** items, int* count, int mode) {
    listing_ = true;
    // The root folder under a changed layout is replaced by the new top folder, which lists.
    if (Kind() == FolderKind::Root && library_.settings.dirStructure != 0)
        Interpret("\\", mode);
    std::vector<ServicePtr> records;
    int result = 0;
    try {
        result = folder_->List(items, count, mode, records);
    } catch (...) {
        listing_ = false;
        throw;
    }
    listing_ = false;
    Rebuild();
    saved_.reset();
    if (*items && !records.empty())
        shown_[*items] = std::move(records);
    return result;
}

void PanelInstance::FreeFindData(ulvar::PanelItem* items) {
    ulvar::kit::FreePanelItems(items);
    shown_.erase(items);
}

int PanelInstance::ProcessKey(int key, unsigned controlState) {
    switch (KeyActionFor(key, controlState)) {
    case KeyAction::AskComputer:
        AskComputer();
        return 1;
    case KeyAction::PickComputer:
        PickComputer();
        return 1;
    case KeyAction::UseLocalComputer:
        UseLocalComputer();
        return 1;
    case KeyAction::Reread:
        folder_->rereadRequested = true;
        return 0;
    default:
        return folder_->ProcessKey(key, controlState);
    }
}

int PanelInstance::ProcessEvent(int event, void* param) {
    if (event == ulvar::EventBreak)
        library_.abort = true;
    folder_->ProcessEvent(event, param);
    if (event == ulvar::EventRedraw) {
        const char* marker = library_.host.Msg(msg::Ok);
        if (!library_.languageMarker) {
            library_.languageMarker = marker;
        } else if (marker != library_.languageMarker) {
            library_.languageMarker = marker;
            built_ = false;
            library_.host.Control(Handle(), ulvar::ControlUpdatePanel, nullptr);
            RefreshOtherPanel();
        }
    }
    return 0;
}

void PanelInstance::SetTitleOverride(const std::string& text) {
    titleOverride_ = text;
}

void PanelInstance::RedrawAndFlush() {
    library_.host.Control(Handle(), ulvar::ControlRedrawPanel, nullptr);
    library_.host.Flush();
}

void PanelInstance::RefreshOtherPanel() {
    ulvar::PanelInfo other{};
    if (!library_.host.Control(Handle(), ulvar::ControlGetOtherPanelInfo, &other) ||
        other.PanelType != ulvar::PanelTypeInfo)
        return;
    library_.host.Control(Handle(), ulvar::ControlUpdateOtherPanel, nullptr);
    library_.host.Control(Handle(), ulvar::ControlRedrawOtherPanel, nullptr);
}

win32::ServiceHandle PanelInstance::OpenManager(std::uint32_t access, int mode) {
    const bool silent = IsSilent(mode);
    for (;;) {
        library_.abort = false;
        if (!silent) {
            SetTitleOverride(FillInserts(library_.Msg(msg::Connecting), {ComputerText()}));
            RedrawAndFlush();
        }
        std::uint32_t error = 0;
        win32::ServiceHandle manager = library_.opener(computer_, access, error);
        if (!silent) {
            ClearTitleOverride();
            RedrawAndFlush();
        }
        if (library_.abort.exchange(false)) {
            manager.Reset();
            if (!silent)
                library_.ErrorNotice(ERROR_CANCELLED, msg::CannotConnect, ComputerText());
            return manager;
        }
        if (manager.Valid() || silent)
            return manager;
        if (library_.ErrorPrompt(error, msg::CannotConnect, ComputerText()) != 0)
            return manager;
    }
}

} // namespace sentrel
