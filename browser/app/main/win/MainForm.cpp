#include "browser/app/main/win/MainForm.h"

#include "browser/app/list/core/ListColumns.h"
#include "browser/app/main/core/DownloadPlan.h"
#include "browser/app/main/core/WindowStart.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/AboutForm.h"
#include "browser/app/main/win/ListFonts.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/main/win/ToolbarImages.h"
#include "browser/app/settings/core/IniPath.h"
#include "browser/app/settings/core/LoadSettings.h"
#include "browser/app/settings/core/SaveSettings.h"
#include "browser/app/settings/win/MessageBoxSavePrompt.h"
#include "browser/app/settings/win/SystemListColours.h"
#include "browser/app/settings/win/WindowsSettingsStores.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/win/FileInfo.h"
#include "browser/catalogue/win/ReplaceFile.h"
#include "browser/catalogue/win/VersionInfo.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

#include <algorithm>
#include <commctrl.h>

namespace cobwen {

namespace {

constexpr wchar_t WindowClass[] = L"TCobwenMainForm";
constexpr wchar_t ApplicationTitle[] = L"ULVAR Cobwen GUI";
constexpr wchar_t BasketCaption[] = L"Корзина загружаемых плагинов";
constexpr int MinWidth = 750;
constexpr int MinHeight = 450;
constexpr int FilterPanelWidth = 200;
constexpr int SplitterHeight = 5;
constexpr int BasketCaptionHeight = 18;
constexpr int MinBasketHeight = 54;
constexpr int CatalogueListId = 100;
constexpr int BasketListId = 101;
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF Teal = RGB(0, 128, 128);

std::wstring ThisProgramPath() {
    wchar_t path[MAX_PATH * 4]{};
    const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return std::wstring(path, length);
}

// The folder of a file, with its trailing backslash.
std::wstring FolderWithDelimiter(const std::wstring& file) {
    const auto slash = file.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash + 1);
}

} // namespace

std::vector<WindowController*> MainControllers::All() const {
    std::vector<WindowController*> all;
    for (WindowController* controller :
         {static_cast<WindowController*>(Refresh.get()),
          static_cast<WindowController*>(Basket.get()),
          static_cast<WindowController*>(Download.get()),
          static_cast<WindowController*>(FolderScan.get()),
          static_cast<WindowController*>(UpdateCheck.get()), SettingsDialog.get(),
          static_cast<WindowController*>(Tray.get())})
        if (controller)
            all.push_back(controller);
    return all;
}

TCobwenMainForm::TCobwenMainForm(MainFormOptions options)
    : options_(std::move(options)), prompts_(options_.Prompts ? options_.Prompts : &systemPrompts_),
      savePrompts_(options_.SavePrompts ? options_.SavePrompts : &systemSavePrompts_),
      archive_(locale_, options_.CatalogueHost.empty() ? std::string(DefaultCatalogueHost)
                                                       : options_.CatalogueHost) {
    const std::wstring programFile =
        options_.ProgramPath.empty() ? ThisProgramPath() : options_.ProgramPath.native();
    programPath_ = win32::FromWide(programFile, BrowserCodePage);
    programFolder_ = FolderWithDelimiter(programFile);
    programFolderText_ = win32::FromWide(programFolder_.native(), BrowserCodePage);
    localCatalogue_ = programFolder_.native() + L"plugins.dat.gz";
    iniPath_ = IniPathForProgram(programPath_);

    VersionInfoString(programFile, "ProductVersion", programVersion_);
    std::string fileVersion;
    VersionInfoString(programFile, "FileVersion", fileVersion);
    versionNumber_ = RemoveChar(fileVersion, '.');
    programDateText_ = FileDateText(programFile, locale_);

    icon_.Reset(CreateProgramIcon(GetSystemMetrics(SM_CXICON)));
    smallIcon_.Reset(CreateProgramIcon(GetSystemMetrics(SM_CXSMICON)));
    win32::WindowClassLook look;
    look.icon = icon_.Get();
    look.smallIcon = smallIcon_.Get();
    win32::RegisterWindowClassOnce(WindowClass, WindowProc, look);
    const std::wstring caption =
        std::wstring(ApplicationTitle) + L" " + win32::ToWide(programVersion_, BrowserCodePage);
    const WindowPlacement designed;
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, WindowClass, caption.c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, designed.Left, designed.Top,
                              designed.Width, designed.Height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    systemPrompts_.SetOwner(window_);
    CreateControls();
    CreateContextMenu();
    controllers_.Refresh = std::make_unique<RefreshController>(
        static_cast<RefreshHost&>(*this),
        RefreshController::Parts{*prompts_, transfers_, status_, settings_, locale_, programFolder_,
                                 localCatalogue_, filesInFlight_, window_});
    controllers_.Basket = std::make_unique<BasketController>(
        static_cast<BasketHost&>(*this),
        BasketController::Parts{*prompts_, settings_, archive_, *catalogueList_, *basketList_,
                                status_, transfers_, locale_, filesInFlight_, contextMenu_.Get()});
    controllers_.FolderScan = std::make_unique<ScanController>(
        static_cast<ScanHost&>(*this),
        ScanController::Parts{settings_, settings_, archive_, *controllers_.Basket, downloadedIds_,
                              programFolderText_});
    controllers_.Download = std::make_unique<DownloadController>(
        static_cast<DownloadHost&>(*this),
        DownloadController::Parts{*prompts_, settings_, archive_, *controllers_.Basket,
                                  *catalogueList_, status_, transfers_, locale_, programFolderText_,
                                  filesInFlight_, window_});
    controllers_.UpdateCheck = std::make_unique<UpdateController>(UpdateController::Parts{
        *prompts_, updateTransfers_, settings_,
        [this] {
            WindowsSettingsStores stores(iniPath_, options_.RegistryKey.empty()
                                                       ? std::string(ProgramKeyPath)
                                                       : options_.RegistryKey);
            return stores.Open(storeIsIni_);
        },
        options_.CatalogueHost.empty() ? std::string(DefaultCatalogueHost) : options_.CatalogueHost,
        ApplicationTitle, versionNumber_, programFolder_});
    controllers_.Tray = std::make_unique<TrayController>(
        TrayController::Parts{settings_, window_, smallIcon_.Get()});
    controllers_.SettingsDialog = std::make_unique<SettingsController>(
        static_cast<SettingsHost&>(*this),
        SettingsController::Parts{settings_, archive_, locale_,
                                  options_.SettingsDialogs ? *options_.SettingsDialogs
                                                           : systemSettingsDialogs_,
                                  window_});
    UpdateCommands();

    // The store's missing keys keep what the window has now.
    settings_.Window.Placement = designed;
    RECT client{};
    GetClientRect(window_, &client);
    settings_.Window.ListAreaHeight = client.bottom - toolbar_.Height() - status_.Height();
    settings_.Window.BasketHeight = basketHeight_;
    WindowsSettingsStores stores(iniPath_, options_.RegistryKey.empty()
                                               ? std::string(ProgramKeyPath)
                                               : options_.RegistryKey);
    LoadSettings(stores, SystemListColours(), settings_);
    storeIsIni_ = settings_.Settings.SaveToINI;
    archive_.Language = settings_.Settings.Language;
    transfers_.SetMaxCount(TransfersAtOnce(settings_.Settings.MaxDownloadCount));
    updateTransfers_.SetMaxCount(TransfersAtOnce(settings_.Settings.MaxDownloadCount));

    basketHeight_ = settings_.Window.BasketHeight;
    setOffOther_ = settings_.Window.Filters.SetOffOther;
    CheckMenuItem(filterMenu_, MenuId(Command::SetFilterOffOther),
                  setOffOther_ ? MF_CHECKED : MF_UNCHECKED);
    ShowPanelState(settings_.Window.Filters);
    if (settings_.ListLayout)
        catalogueList_->RestoreLayout(*settings_.ListLayout);
    if (settings_.BasketLayout)
        basketList_->RestoreLayout(*settings_.BasketLayout);
    ApplyFonts();
    const WindowPlacement& placement = settings_.Window.Placement;
    SetWindowPos(window_, nullptr, 0, 0, std::max(placement.Width, MinWidth),
                 std::max(placement.Height, MinimumHeight()), SWP_NOMOVE | SWP_NOZORDER);
    LayoutControls();
}

TCobwenMainForm::~TCobwenMainForm() {
    // No scan delivers to lists that are going.
    if (controllers_.FolderScan)
        controllers_.FolderScan->Closing();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        catalogueList_.reset();
        basketList_.reset();
        DestroyWindow(window_);
    }
}

void TCobwenMainForm::Show() {
    // The window opens centred on the screen with its stored size.
    RECT rect{};
    GetWindowRect(window_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    switch (StartShowFor(settings_.Window.State, settings_.Settings.MinimizeToTray)) {
    case StartShow::InTray:
        // The show steps come with the restore.
        if (controllers_.Tray->MinimizeToTray())
            return;
        ShowWindow(window_, SW_SHOWMINIMIZED);
        break;
    case StartShow::Minimized:
        ShowWindow(window_, SW_SHOWMINIMIZED);
        break;
    case StartShow::Maximized:
        ShowWindow(window_, SW_SHOWMAXIMIZED);
        break;
    case StartShow::Normal:
        ShowWindow(window_, SW_SHOW);
        break;
    }
    // A maximised start may come without the show message.
    BecameVisible();
    SetFocus(catalogueList_->Window());
    UpdateWindow(window_);
}

void TCobwenMainForm::BecameVisible() {
    if (shown_)
        return;
    shown_ = true;
    // Back from the tray while a refresh, a download run or a folder scan is under way: the
    // catalogue they work with is not reloaded under them.
    if (Refreshing() || Downloading() || Scanning())
        return;
    OnWindowShow();
}

LRESULT CALLBACK TCobwenMainForm::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* form = win32::WindowObject<TCobwenMainForm>(window, message, lParam);
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        form->window_ = window;
    return win32::GuardedMessage([&] { return form->Handle(message, wParam, lParam); },
                                 [&](const char* what) -> LRESULT {
                                     form->prompts_->Error(win32::ToWide(what, BrowserCodePage));
                                     return 0;
                                 });
}

LRESULT TCobwenMainForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (controllers_.Tray && controllers_.Tray->HandleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_SIZE:
        if (catalogueList_)
            LayoutControls();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {MinWidth, MinimumHeight()};
        return 0;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(uiFont_.Get());
    case WM_SHOWWINDOW:
        // The show steps run once for every time the window becomes visible, whichever way.
        if (wParam)
            BecameVisible();
        else
            shown_ = false;
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (position->flags & SWP_SHOWWINDOW)
            BecameVisible();
        else if (position->flags & SWP_HIDEWINDOW)
            shown_ = false;
        break;
    }
    case WM_ACTIVATE:
        // The focus leaves with the window (a message box, another program) and comes back to
        // the control that had it; the catalogue list when none had.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOW) {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            if (const wchar_t* hint = Toolbar::Hint(static_cast<int>(header->idFrom)))
                info->lpszText = const_cast<wchar_t*>(hint);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        if (control == filters_.Heading())
            SetTextColor(dc, Navy);
        else if (control == filters_.Hint())
            SetTextColor(dc, Teal);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_LBUTTONDOWN:
        if (IsWindowVisible(basketList_->Window())) {
            RECT basket{};
            GetWindowRect(basketCaption_, &basket);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&basket), 2);
            const int y = static_cast<short>(HIWORD(lParam));
            if (y >= basket.top - SplitterHeight && y < basket.top) {
                draggingSplitter_ = true;
                SetCapture(window_);
            }
        }
        return 0;
    case WM_MOUSEMOVE:
        if (draggingSplitter_) {
            RECT client{};
            GetClientRect(window_, &client);
            const int listBottom = client.bottom - status_.Height();
            const int listTop = toolbar_.Height();
            const int y = static_cast<short>(HIWORD(lParam));
            const int height = listBottom - y - BasketCaptionHeight;
            basketHeight_ = std::clamp(height, MinBasketHeight,
                                       std::max(MinBasketHeight, (listBottom - listTop) / 2));
            LayoutControls();
        }
        return 0;
    case WM_LBUTTONUP:
        if (draggingSplitter_) {
            draggingSplitter_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && IsWindowVisible(basketList_->Window())) {
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window_, &point);
            RECT basket{};
            GetWindowRect(basketCaption_, &basket);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&basket), 2);
            if (point.y >= basket.top - SplitterHeight && point.y < basket.top &&
                point.x >= basket.left) {
                SetCursor(LoadCursorW(nullptr,
                                      MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZENS))));
                return TRUE;
            }
        }
        break;
    case WM_TIMER:
        if (wParam == PickTimer) {
            // Timers come after every input message: the drop-down has seen its click.
            if (GetKeyState(VK_LBUTTON) < 0 || !pendingPick_)
                return 0;
            KillTimer(window_, PickTimer);
            const Filter filter = *pendingPick_;
            pendingPick_.reset();
            SendMessageW(filters_.ValueControl(filter), CB_SHOWDROPDOWN, FALSE, 0);
            if (GetCapture())
                ReleaseCapture();
            PickValue(filter);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (CloseQuery())
            OnClose();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TCobwenMainForm::RestoreFocus() {
    if (!catalogueList_)
        return;
    const HWND target = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
                                IsWindowEnabled(lastFocus_)
                            ? lastFocus_
                            : catalogueList_->Window();
    SetFocus(target);
}

void TCobwenMainForm::CreateControls() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfCharSet = RUSSIAN_CHARSET;
    uiFont_.Reset(CreateFontIndirectW(&metrics.lfMessageFont));

    toolbar_.Create(window_, uiFont_.Get());
    status_.Create(window_, uiFont_.Get());
    filters_.Create(window_, uiFont_.Get());

    catalogueList_ = std::make_unique<RowList>(window_, CatalogueListId, *this);
    basketList_ = std::make_unique<RowList>(window_, BasketListId, basketOwner_);
    std::vector<RowListColumn> columns;
    for (const ListColumnInfo& info : ListColumns)
        columns.push_back(
            {win32::ToWide(info.caption, BrowserCodePage), info.width, info.rightAligned, true});
    catalogueList_->SetColumns(columns);
    basketList_->SetColumns(columns);
    basketList_->SetColumnVisible(static_cast<int>(ListColumn::Category), false);
    basketList_->SetColumnVisible(static_cast<int>(ListColumn::ReleaseDate), false);
    catalogueList_->SetSort(static_cast<int>(ListColumn::ReleaseDate), SortDirection::Ascending);

    basketCaption_ =
        CreateWindowExW(0, L"STATIC", BasketCaption, WS_CHILD | SS_CENTER | SS_SUNKEN, 0, 0, 10, 10,
                        window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(basketCaption_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.Get()), FALSE);
}

int TCobwenMainForm::MinimumHeight() const {
    if (!catalogueList_)
        return MinHeight;
    // The filter panel with its key hints between the toolbar and the status bar, whatever the
    // frame of the window takes.
    RECT frame{}, client{};
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    const int chrome = (frame.bottom - frame.top) - client.bottom;
    return std::max(MinHeight,
                    chrome + toolbar_.Height() + FilterPanel::NeededHeight() + status_.Height());
}

void TCobwenMainForm::LayoutControls() {
    toolbar_.Resize();
    status_.Resize();
    RECT client{};
    GetClientRect(window_, &client);
    const int top = toolbar_.Height();
    const int bottom = client.bottom - status_.Height();
    const RECT panel{0, top, FilterPanelWidth, bottom};
    filters_.Layout(panel);

    const int left = FilterPanelWidth;
    const int width = std::max(0, static_cast<int>(client.right) - left);
    const bool basket = settings_.Settings.UseDownloadBasket;
    int listBottom = bottom;
    if (basket) {
        const int height = std::clamp(basketHeight_, MinBasketHeight,
                                      std::max(MinBasketHeight, (bottom - top) / 2));
        const int basketTop = bottom - height;
        MoveWindow(basketList_->Window(), left, basketTop, width, height, TRUE);
        MoveWindow(basketCaption_, left, basketTop - BasketCaptionHeight, width,
                   BasketCaptionHeight, TRUE);
        listBottom = basketTop - BasketCaptionHeight - SplitterHeight;
    }
    ShowWindow(basketList_->Window(), basket ? SW_SHOW : SW_HIDE);
    ShowWindow(basketCaption_, basket ? SW_SHOW : SW_HIDE);
    MoveWindow(catalogueList_->Window(), left, top, width, std::max(0, listBottom - top), TRUE);
    // Controls paint only what they newly cover when they grow: a centred caption, the status
    // bar's grip and the lists' headers would keep pixels of the old layout.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TCobwenMainForm::ApplyFonts() {
    listFont_.Reset(CreateSettingsFont(settings_.View.FontList));
    previewFont_.Reset(CreateSettingsFont(settings_.View.FontPreview));
    catalogueList_->SetFonts(listFont_.Get(), previewFont_.Get());
    basketList_->SetFonts(listFont_.Get(), previewFont_.Get());
}

void TCobwenMainForm::OnCommand(int id, int code, HWND control) {
    bool isCheckBox = false;
    if (const std::optional<Filter> filter = FilterPanel::FilterOfControl(id, isCheckBox);
        filter && control) {
        if (isCheckBox && code == BN_CLICKED)
            OnFilterCheckBox(*filter);
        else if (!isCheckBox && filter == Filter::Name && code == EN_CHANGE)
            FillList();
        else if (!isCheckBox && code == CBN_SELCHANGE)
            OnValueChange();
        else if (!isCheckBox && code == CBN_DROPDOWN) {
            // The picker replaces the drop-down's own list. The drop-down opens its list once
            // this notification returns and tracks the mouse until the button is let go, so the
            // picker comes after both and closes that list first.
            pendingPick_ = *filter;
            SetTimer(window_, PickTimer, USER_TIMER_MINIMUM, nullptr);
        }
        return;
    }
    KeyAction action;
    if (const ToolButton button = Toolbar::ButtonOfId(id); button != ToolButton::None)
        action.Action = CommandOfButton(button);
    else if (id >= static_cast<int>(MenuIdBase) && id < static_cast<int>(MenuIdEnd))
        action.Action = static_cast<Command>(id - static_cast<int>(MenuIdBase));
    // Context-menu entries carry their command.
    if (FindCommand(action.Action))
        RunCommand(action);
}

bool TCobwenMainForm::CloseQuery() {
    if (!transfers_.Busy())
        return true;
    return prompts_->Ask(MessageText(IDS_CLOSE_WHILE_LOADING), false) == Answer::Yes;
}

void TCobwenMainForm::OnClose() {
    for (WindowController* controller : controllers_.All())
        controller->Closing();
    transfers_.Stop();
    SaveWindowSettings();
    WindowsSettingsStores stores(iniPath_, options_.RegistryKey.empty()
                                               ? std::string(ProgramKeyPath)
                                               : options_.RegistryKey);
    SaveSettings(stores, settings_, *savePrompts_);
    DestroyWindow(window_);
}

void TCobwenMainForm::SaveWindowSettings() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window_, &placement);
    const RECT& normal = placement.rcNormalPosition;
    settings_.Window.Placement = {normal.left, normal.top, normal.right - normal.left,
                                  normal.bottom - normal.top};
    settings_.Window.State = IsZoomed(window_) ? MainWindowState::Maximized
                             : IsIconic(window_) || controllers_.Tray->InTray()
                                 ? MainWindowState::Minimized
                                 : MainWindowState::Normal;
    settings_.Window.BasketHeight = basketHeight_;
    settings_.Window.Filters = PanelState();
    settings_.ListLayout = catalogueList_->SaveLayout();
    settings_.BasketLayout = basketList_->SaveLayout();
}

void TCobwenMainForm::ShowAbout() {
    AboutInput input;
    input.Owner = window_;
    input.Font = uiFont_.Get();
    input.Title = ApplicationTitle;
    input.ProgramVersion = win32::ToWide(programVersion_, BrowserCodePage);
    input.ProgramDateText = win32::ToWide(programDateText_, BrowserCodePage);
    input.ProgramFolder = programFolder_;
    input.Prompts = prompts_;
    input.CheckForUpdate = [this] {
        StartUpdateCheck(true, false);
    };
    TCobwenAboutForm about(std::move(input));
    about.ShowModal();
}

void TCobwenMainForm::SettingsChanged() {
    // The queues take a new count only while idle; the proxy is copied at each transfer's start.
    transfers_.SetMaxCount(TransfersAtOnce(settings_.Settings.MaxDownloadCount));
    updateTransfers_.SetMaxCount(TransfersAtOnce(settings_.Settings.MaxDownloadCount));
    ApplyFonts();
    ApplyViewSettings();
    RunFocusedRowHandler(Active());
}

void TCobwenMainForm::SetStatus(int panel, const std::string& browserText) {
    status_.SetText(panel, win32::ToWide(browserText, BrowserCodePage));
}

} // namespace cobwen
