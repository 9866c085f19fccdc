#include "plugins/services/plugin/Folders.h"

#include "plugin-host/kit/core/PanelItems.h"
#include "plugins/services/core/Enumeration.h"
#include "plugins/services/core/KeyDispatch.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/Report.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/core/Sorting.h"
#include "plugins/services/plugin/Control.h"
#include "plugins/services/plugin/Creation.h"
#include "plugins/services/plugin/Deletion.h"
#include "plugins/services/plugin/Descriptions.h"
#include "plugins/services/plugin/DriverProperties.h"
#include "plugins/services/plugin/HardwareProfileMenu.h"
#include "plugins/services/win/ReportFile.h"

#include <cstdio>

namespace sentrel {

namespace {

constexpr std::uint32_t CommonFlags = ulvar::PanelUseAttrHighlighting | ulvar::PanelFindFolders |
                                      ulvar::PanelPreserveCase | ulvar::PanelShowNamesOnly;
constexpr int Plain = 0, Ctrl = 1, Alt = 2, Shift = 3;
constexpr std::uint32_t ConnectAndEnumerate = 0x5;

struct RootMode {
    const char* types;
    const char* widths;
    bool fullScreen;
};
constexpr RootMode RootModes[ulvar::ViewModeCount] = {
    {"NM,S", "0,8", false}, {"", "", false},           {"", "", false},
    {"N,S", "0,8", false},  {"N,S", "0,8", false},     {"N,S,Z", "0,8,54", true},
    {"N,Z", "12,0", false}, {"N,S,Z", "0,8,54", true}, {"N,S", "0,8", false},
    {"N,S", "0,8", false},
};

} // namespace

std::unique_ptr<FolderContent> MakeFolder(PanelInstance& panel, FolderKind kind) {
    switch (kind) {
    case FolderKind::Services:
        return std::make_unique<ServiceFolder>(panel, false);
    case FolderKind::Devices:
        return std::make_unique<ServiceFolder>(panel, true);
    default:
        return std::make_unique<RootFolder>(panel);
    }
}

// ----------------------------------------------------------------------------------------------
// The root folder.

void RootFolder::Describe(Description& d) {
    Library& lib = panel_.Lib();
    d.flags = CommonFlags | (lib.settings.addDotsToRoot ? ulvar::PanelAddDots : 0u);
    d.title = " \\\\" + panel_.ComputerText() + " ";
    d.AddLine(lib.Msg(msg::InfoTitle), "", true);
    d.AddLine(lib.Msg(msg::InfoComputer), panel_.ComputerText());
    for (int i = 2; i < 8; ++i)
        d.AddLine("", "");
    for (const RootMode& mode : RootModes)
        d.modes.push_back({mode.types, mode.widths, {}, mode.fullScreen});
    d.startMode = lib.settings.defaultViewMode;
    d.startSort = ulvar::SortByName;
    d.SetKey(Plain, 5, lib.Msg(msg::KeyF6));
    d.SetKey(Alt, 5, lib.Msg(msg::KeyAltF6));
    d.SetKey(Shift, 5, lib.Msg(msg::KeyShiftF6));
}

int RootFolder::List(ulvar::PanelItem** items, int* count, int, std::vector<ServicePtr>&) {
    Library& lib = panel_.Lib();
    ulvar::kit::PanelItemBlock block(2);
    const std::uint64_t now = win::NowUtc();
    SetFolderItem(block, 0, lib.Msg(msg::ServicesFolder), now);
    SetFolderItem(block, 1, lib.Msg(msg::DevicesFolder), now);
    *count = 2;
    *items = block.HandOut();
    return 1;
}

// ----------------------------------------------------------------------------------------------
// The services and devices folders.

int ServiceFolder::NameMessage() const {
    return drivers_ ? msg::DevicesFolder : msg::ServicesFolder;
}

std::uint32_t ServiceFolder::TypeMask() const {
    return drivers_ ? DriverTypes : Win32ServiceTypes;
}

ViewModes ServiceFolder::Modes() const {
    const Library& lib = panel_.Lib();
    return BuildViewModes(
        {lib.Msg(msg::FullScreenModes), lib.Msg(msg::ColumnTypes), lib.Msg(msg::ColumnWidths)},
        lib.DescriptionsSupported(), drivers_,
        [&lib](int number) { return std::string(lib.Msg(number)); });
}

bool ServiceFolder::SwapOfCurrentMode() {
    ulvar::PanelInfo info{};
    if (!panel_.Lib().host.Control(panel_.Handle(), ulvar::ControlGetPanelInfo, &info))
        return false;
    if (info.ViewMode < 0 || info.ViewMode >= ulvar::ViewModeCount)
        return false;
    return Modes().swapped[static_cast<std::size_t>(info.ViewMode)];
}

void ServiceFolder::Describe(Description& d) {
    Library& lib = panel_.Lib();
    const bool top = panel_.IsTopFolder();
    const std::string name = lib.Msg(NameMessage());
    d.flags = CommonFlags | (!top || lib.settings.addDotsToRoot ? ulvar::PanelAddDots : 0u);
    d.curDir = top ? "" : name;
    d.title = panel_.DisplayComputer().empty()
                  ? " " + name + " "
                  : " \\\\" + panel_.DisplayComputer() + ": " + name + " ";

    d.AddLine(lib.Msg(msg::InfoTitle), "", true);
    d.AddLine(lib.Msg(msg::InfoComputer), panel_.ComputerText());
    const ListPtr list = lib.cache.FindList(panel_.CacheKey(), drivers_);
    d.AddLine(lib.Msg(Msg2(msg::InfoServices)), list ? std::to_string(list->Count()) : "");
    d.AddLine(lib.Msg(Msg2(msg::InfoRunningServices)),
              list ? std::to_string(list->ActiveCount()) : "");
    for (int i = 4; i < 8; ++i)
        d.AddLine("", "");

    const ViewModes modes = Modes();
    for (std::size_t i = 0; i < modes.types.size(); ++i) {
        Description::Mode mode{modes.types[i], modes.widths[i], {}, modes.fullScreen[i]};
        for (const char* title : modes.TitlePointers(static_cast<int>(i)))
            mode.titles.emplace_back(title);
        d.modes.push_back(std::move(mode));
    }
    d.startMode = lib.settings.defaultViewMode;
    d.startSort = ulvar::SortByName;

    d.SetKey(Plain, 4, lib.Msg(msg::KeyF5));
    d.SetKey(Plain, 5, lib.Msg(msg::KeyF6));
    d.SetKey(Plain, 6, lib.Msg(msg::KeyF7));
    d.SetKey(Plain, 7, lib.Msg(msg::KeyF8));
    d.SetKey(Ctrl, 4, lib.Msg(msg::KeyCtrlF5));
    d.SetKey(Ctrl, 5, lib.Msg(msg::KeyCtrlF6));
    d.SetKey(Ctrl, 7, lib.Msg(msg::KeyCtrlF8));
    if (!lib.DescriptionsSupported())
        d.SetKey(Ctrl, 9, lib.Msg(msg::KeyCtrlF10));
    d.SetKey(Alt, 3, lib.Msg(msg::KeyAltF4));
    d.SetKey(Alt, 4, lib.Msg(msg::KeyAltF5));
    d.SetKey(Alt, 5, lib.Msg(msg::KeyAltF6));
    d.SetKey(Shift, 0, lib.Msg(msg::KeyShiftF1));
    d.SetKey(Shift, 3, drivers_ ? std::string() : std::string(lib.Msg(msg::KeyShiftF4)));
    d.SetKey(Shift, 4, lib.Msg(msg::KeyShiftF5));
    d.SetKey(Shift, 5, lib.Msg(msg::KeyShiftF6));
}

ListPtr ServiceFolder::ReadList(int mode) {
    Library& lib = panel_.Lib();
    const bool silent = IsSilent(mode);
    win32::ServiceHandle manager = panel_.OpenManager(ConnectAndEnumerate, mode);
    if (!manager.Valid())
        return nullptr;
    if (!silent) {
        panel_.SetTitleOverride(lib.Msg(Msg2(msg::ReadingServices)));
        panel_.RedrawAndFlush();
    }
    const std::string computer = panel_.ComputerText();
    win::ServiceEnumerator source(manager.Get(), TypeMask());
    const std::vector<EnumStatus> entries = EnumerateAll(source, [&](std::uint32_t error) {
        return !silent && lib.ErrorPrompt(error, Msg2(msg::CannotEnumerateServices), computer) == 0;
    });

    const bool withDescriptions =
        lib.DescriptionsSupported() && (panel_.IsLocal() || lib.settings.remoteDescrs);
    auto list = std::make_shared<ServiceList>();
    for (std::size_t i = 0; i < entries.size();) {
        const EnumStatus& entry = entries[i];
        std::uint32_t error = 0;
        std::optional<ServiceNode> record;
        {
            const win32::ServiceHandle service(
                OpenServiceA(manager.Get(), entry.name.c_str(), SERVICE_QUERY_CONFIG));
            error = service.Valid() ? 0 : GetLastError();
            if (service.Valid())
                record = win::ReadServiceRecord(
                    service.Get(), entry.name,
                    withDescriptions ? lib.functions.queryConfig2 : nullptr, error);
        }
        if (record) {
            record->state = entry.state;
            record->readTime = win::NowUtc();
            list->InsertRecord(std::make_shared<ServiceNode>(std::move(*record)));
            ++i;
            continue;
        }
        if (silent) {
            ++i;
            continue;
        }
        const int choice =
            lib.ShowMessage({std::string(lib.Msg(msg::Error)),
                             FillInserts(lib.Msg(Msg2(msg::CannotReadService)),
                                         {lib.text.OemFromAnsi(entry.name), computer}),
                             std::nullopt, std::string(lib.Msg(msg::Retry)),
                             std::string(lib.Msg(msg::Skip)), std::string(lib.Msg(msg::Cancel))},
                            ulvar::MessageWarning | ulvar::MessageErrorLine, 3, error);
        if (choice == 0)
            continue;
        if (choice != 1)
            break;
        ++i;
    }
    manager.Reset();
    if (!silent) {
        panel_.ClearTitleOverride();
        panel_.RedrawAndFlush();
    }
    if (list->Count() == 0)
        return nullptr;
    if (const ListPtr old = lib.cache.FindList(panel_.CacheKey(), drivers_))
        CopyMarks(*old, *list);
    lib.cache.StoreList(panel_.CacheKey(), drivers_, list);
    listRefreshed_ = true;
    return list;
}

int ServiceFolder::List(ulvar::PanelItem** items, int* count, int mode,
                        std::vector<ServicePtr>& records) {
    Library& lib = panel_.Lib();
    ListPtr list = lib.cache.FindList(panel_.CacheKey(), drivers_);
    if (rereadRequested || !list) {
        rereadRequested = false;
        list = ReadList(mode);
        if (!list) {
            if (panel_.IsLocal() || IsSilent(mode))
                return 0;
            list = std::make_shared<ServiceList>();
        }
    }
    swapped_ = SwapOfCurrentMode();

    ItemOptions options;
    options.swapped = swapped_;
    options.useAttrMapping = lib.settings.useAttrMapping.value_or(false);
    options.attrTable = lib.attrTable;
    if (panel_.IsTopFolder())
        options.folderItem = lib.Msg(drivers_ ? msg::ServicesFolder : msg::DevicesFolder);
    options.now = win::NowUtc();
    options.message = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    options.oemFromAnsi = [&lib](const std::string& ansi) {
        return lib.text.OemFromAnsi(ansi);
    };
    Listing listing = BuildServiceItems(*list, options);
    *count = static_cast<int>(listing.block.Count());
    *items = listing.block.HandOut();
    records = std::move(listing.records);
    return 1;
}

int ServiceFolder::GetFiles(ulvar::PanelItem* items, int count, int, char* destination, int mode) {
    if ((mode & (ulvar::OpFind | ulvar::OpView)) == 0 || count < 1 || !items || !destination)
        return 0;
    const ServiceNode* record = RecordOf(items[0]);
    if (!record)
        return 0;
    Library& lib = panel_.Lib();
    const std::string shortName = items[0].Data.AlternateFileName[0]
                                      ? items[0].Data.AlternateFileName
                                      : items[0].Data.FileName;
    const std::string path = lib.text.AnsiFromOem(std::string(destination) + "\\" + shortName);
    const ReportTexts texts{[&lib](int number) { return std::string(lib.Msg(number)); },
                            [&lib](const std::string& ansi) {
                                return lib.text.OemFromAnsi(ansi);
                            }};
    return win::WriteReportFile(path, BuildReport(*record, texts)) ? 1 : 0;
}

ServiceNode* ServiceFolder::CurrentRecord(ulvar::PanelInfo& info) {
    info = {};
    if (!panel_.Lib().host.Control(panel_.Handle(), ulvar::ControlGetPanelInfo, &info) ||
        !info.PanelItems || info.ItemsNumber <= 0 || info.CurrentItem <= 0 ||
        info.CurrentItem >= info.ItemsNumber)
        return nullptr;
    return RecordOf(info.PanelItems[info.CurrentItem]);
}

void ServiceFolder::MarkSelection(const ulvar::PanelInfo& info) {
    // With nothing selected the host reports the item under the cursor, without the selected
    // flag: marking it would leave it selected after the operation, and the next key would act on
    // it instead of the item under the cursor then.
    for (int i = 0; info.SelectedItems && i < info.SelectedItemsNumber; ++i)
        if (ServiceNode* record = RecordOf(info.SelectedItems[i]);
            record && (info.SelectedItems[i].Flags & ulvar::ItemSelected))
            record->mark = 1;
}

void ServiceFolder::ClearMarks(const ulvar::PanelInfo& info) {
    for (int i = 0; info.SelectedItems && i < info.SelectedItemsNumber; ++i)
        if (ServiceNode* record = RecordOf(info.SelectedItems[i]))
            record->mark = 0;
}

void ServiceFolder::Reselect(const std::string* cursorName) {
    Library& lib = panel_.Lib();
    ulvar::PanelInfo info{};
    if (!lib.host.Control(panel_.Handle(), ulvar::ControlGetPanelInfo, &info))
        return;
    int cursor = -1;
    for (int i = 0; info.PanelItems && i < info.ItemsNumber; ++i) {
        ulvar::PanelItem& item = info.PanelItems[i];
        ServiceNode* record = RecordOf(item);
        if (!record)
            continue;
        item.Flags &= ~std::uint32_t{ulvar::ItemSelected};
        if (record->mark) {
            item.Flags |= ulvar::ItemSelected;
            record->mark = 0;
        }
        if (cursorName && record->name == *cursorName)
            cursor = i;
    }
    lib.host.Control(panel_.Handle(), ulvar::ControlSetSelection, &info);
    if (cursor >= 0) {
        ulvar::RedrawInfo redraw{cursor, info.TopPanelItem};
        lib.host.Control(panel_.Handle(), ulvar::ControlRedrawPanel, &redraw);
    } else {
        lib.host.Control(panel_.Handle(), ulvar::ControlRedrawPanel, nullptr);
    }
}

void ServiceFolder::ProcessEvent(int event, void*) {
    Library& lib = panel_.Lib();
    if (event == ulvar::EventChangeViewMode) {
        const bool swapped = SwapOfCurrentMode();
        if (swapped == swapped_)
            return;
        ulvar::PanelInfo info{};
        if (!lib.host.Control(panel_.Handle(), ulvar::ControlGetPanelInfo, &info))
            return;
        std::string cursorName;
        if (info.PanelItems && info.CurrentItem >= 0 && info.CurrentItem < info.ItemsNumber)
            if (const ServiceNode* record = RecordOf(info.PanelItems[info.CurrentItem]))
                cursorName = record->name;
        MarkSelection(info);
        lib.host.Control(panel_.Handle(), ulvar::ControlUpdatePanel, nullptr);
        Reselect(cursorName.empty() ? nullptr : &cursorName);
    } else if (event == ulvar::EventRedraw && listRefreshed_) {
        listRefreshed_ = false;
        panel_.RefreshOtherPanel();
    }
}

int ServiceFolder::ProcessKey(int key, unsigned controlState) {
    switch (KeyActionFor(key, controlState)) {
    case KeyAction::CreateService:
        if (drivers_)
            return 0;
        CreateNewService(*this);
        return 1;
    case KeyAction::EditDescriptions:
        return EditDescriptions(*this);
    case KeyAction::EditProperties:
        // The services folder's properties editor is not part of this folder's keys yet.
        if (!drivers_)
            return 0;
        EditDriverProperties(*this);
        return 1;
    case KeyAction::DeleteItem:
        DeleteItem(*this);
        return 1;
    case KeyAction::HardwareProfiles:
        EditHardwareProfiles(*this);
        return 1;
    case KeyAction::Start:
        ControlSelected(*this, KeyOperation::Start);
        return 1;
    case KeyAction::Stop:
        ControlSelected(*this, KeyOperation::Stop);
        return 1;
    case KeyAction::Pause:
        ControlSelected(*this, KeyOperation::Pause);
        return 1;
    case KeyAction::Restart:
        ControlSelected(*this, KeyOperation::Restart);
        return 1;
    case KeyAction::StartWithParameters:
        StartWithParameters(*this);
        return 1;
    case KeyAction::RereadState:
        RefreshStates(*this);
        return 1;
    default:
        // The keys of the operations not offered here go to the host.
        return 0;
    }
}

int ServiceFolder::Compare(const ulvar::PanelItem& a, const ulvar::PanelItem& b, unsigned mode) {
    const ServiceNode* left = RecordOf(a);
    const ServiceNode* right = RecordOf(b);
    if (!left || !right)
        return ulvar::CompareUseHostOrder;
    const Library& lib = panel_.Lib();
    SortContext context;
    context.swapped = swapped_;
    context.descriptionsSupported = lib.DescriptionsSupported();
    context.startTypeText = [&lib](std::uint32_t start) {
        return start < 5 ? std::string(lib.Msg(msg::StartType + static_cast<int>(start)))
                         : std::string();
    };
    return CompareServices(*left, *right, static_cast<int>(mode), context);
}

} // namespace sentrel
