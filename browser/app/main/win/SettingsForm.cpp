#include "browser/app/main/win/SettingsForm.h"

#include "browser/app/list/core/CompareRows.h"
#include "browser/app/list/core/ListColumns.h"
#include "browser/app/main/win/ListFonts.h"
#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

#include <algorithm>
#include <commctrl.h>

namespace cobwen {

namespace {

constexpr int ClientWidth = 600;
constexpr int ClientHeight = 535;
constexpr int PreviewMaxLines = 20;
// Without WS_CLIPCHILDREN: the group boxes leave their inside to the dialog's background.
constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int TemplateFields[] = {IdAddInfoFormat, IdDescriptionFormat, IdStatusInfoFormat,
                                  IdClipboardFormat};

// A number field's value within its range; digits only, as the field takes nothing else.
std::int64_t NumberIn(const std::wstring& text, std::int64_t first, std::int64_t last) {
    std::int64_t value = 0;
    bool digits = false;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9')
            continue;
        digits = true;
        value = std::min<std::int64_t>(value * 10 + (c - L'0'), last);
    }
    return digits ? std::clamp(value, first, last) : first;
}

} // namespace

TCobwenSettingsForm::TCobwenSettingsForm(HWND owner, const TCobwenSettings& settings,
                                         const ViewSettings& view, const TCobwenArchive& archive,
                                         const TextLocale& locale, SettingsFormDialogs& dialogs)
    : owner_(owner), settings_(settings), view_(view), archive_(archive), locale_(locale),
      dialogs_(dialogs) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfCharSet = RUSSIAN_CHARSET;
    uiFont_.Reset(CreateFontIndirectW(&metrics.lfMessageFont));
    metrics.lfMessageFont.lfUnderline = TRUE;
    underlinedFont_.Reset(CreateFontIndirectW(&metrics.lfMessageFont));

    win32::RegisterWindowClassOnce(SettingsFormClass, WindowProc);
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, FormStyle, FALSE, FormExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT area{};
    if (!owner_ || !GetWindowRect(owner_, &area))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int left = std::max(0, static_cast<int>(area.left + area.right - width) / 2);
    const int top = std::max(0, static_cast<int>(area.top + area.bottom - height) / 2);
    CreateWindowExW(FormExStyle, SettingsFormClass, L"Настройки", FormStyle, left, top, width,
                    height, owner_, nullptr, GetModuleHandleW(nullptr), this);
    CreateControls();
    findInFrame_ = std::make_unique<TCobwenSettingsNFind>(window_, uiFont_.Get(), [this] {
        findIn_ = findInFrame_->Flags();
        SetText(IdFindIn, FindInText(findIn_));
    });

    sampleRows_ = BuildSampleRows(archive_, Today());
    std::vector<int> data(sampleRows_.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<int>(i);
    sample_->SetSort(static_cast<int>(InitialCatalogueSort.Column.value_or(ListColumn::Name)),
                     InitialCatalogueSort.Direction);
    sample_->SetRows(std::move(data));
    PutValues();
    ApplySampleFonts();
}

TCobwenSettingsForm::~TCobwenSettingsForm() {
    sample_.reset();
    findInFrame_.reset();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

TCobwenSettingsForm* TCobwenSettingsForm::FromWindow(HWND window) {
    wchar_t className[64]{};
    if (!window || !GetClassNameW(window, className, static_cast<int>(std::size(className))) ||
        std::wstring_view(className) != SettingsFormClass)
        return nullptr;
    return reinterpret_cast<TCobwenSettingsForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool TCobwenSettingsForm::ShowModal() {
    ShowPage(0);
    const bool ownerEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerEnabled)
        EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetFocus(GetDlgItem(window_, IdShowAddInfo));
    done_ = false;
    MSG message;
    while (!done_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the quit message is for the main loop.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsDialogMessageW(window_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (ownerEnabled)
        EnableWindow(owner_, TRUE);
    ShowWindow(window_, SW_HIDE);
    return confirmed_;
}

LRESULT CALLBACK TCobwenSettingsForm::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    auto* form = win32::WindowObject<TCobwenSettingsForm>(window, message, lParam);
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        form->window_ = window;
    return win32::GuardedMessage([&] { return form->Handle(message, wParam, lParam); },
                                 [&](const char* what) -> LRESULT {
                                     MessageBoxW(window,
                                                 win32::ToWide(what, BrowserCodePage).c_str(),
                                                 L"Настройки", MB_OK | MB_ICONERROR);
                                     return 0;
                                 });
}

LRESULT TCobwenSettingsForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IdPages && header->code == TCN_SELCHANGE)
            ShowPage(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
        else if (header->idFrom == IdFormats && header->code == LVN_BEGINDRAG)
            BeginPlaceholderDrag();
        else if (header->idFrom == IdFormats && header->code == NM_CUSTOMDRAW) {
            // The placeholder column is underlined.
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYITEMDRAW;
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
                return CDRF_NOTIFYSUBITEMDRAW;
            if (draw->nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
                SelectObject(draw->nmcd.hdc,
                             draw->iSubItem == 0 ? underlinedFont_.Get() : uiFont_.Get());
                return CDRF_NEWFONT;
            }
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window_, &point);
            const HWND target = WindowFromPoint(point);
            const int id = target && GetParent(target) == window_ ? GetDlgCtrlID(target) : 0;
            const bool accepts = std::find(std::begin(TemplateFields), std::end(TemplateFields),
                                           id) != std::end(TemplateFields);
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(
                                               accepts ? IDC_ARROW : IDC_NO))));
        }
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) {
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window_, &point);
            EndPlaceholderDrag(point);
        }
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return 0;
    case WM_CTLCOLORSTATIC: {
        const HWND control = reinterpret_cast<HWND>(lParam);
        const int id = GetDlgCtrlID(control);
        if (id != IdFormatsHint && id != IdCheckUpdatedHint)
            break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
        Close(false);
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

void TCobwenSettingsForm::ShowPage(int page) {
    page_ = std::clamp(page, 0, SettingsPageCount - 1);
    findInFrame_->CloseUp();
    SendMessageW(GetDlgItem(window_, IdPages), TCM_SETCURSEL, static_cast<WPARAM>(page_), 0);
    for (int other = 0; other < SettingsPageCount; ++other)
        for (const HWND control : pages_[static_cast<std::size_t>(other)])
            ShowWindow(control, other == page_ ? SW_SHOW : SW_HIDE);
    // The sample's preview is measured anew for the fonts and the template of now.
    if (page_ == 2)
        ApplySamplePreview();
}

void TCobwenSettingsForm::PutValues() {
    const SettingsFormValues v = FormValuesFromSettings(settings_);
    Check(IdShowAddInfo, v.ShowAddInfo);
    findIn_ = FindInFromBoxes(v.FindIn);
    findInFrame_->SetFlags(findIn_);
    SetText(IdFindIn, FindInText(findIn_));
    Check(IdUseDownloadBasket, v.UseDownloadBasket);
    Check(IdMinimizeToTray, v.MinimizeToTray);
    Check(IdNoProxy, v.Proxy == ProxyAccessMode::Direct);
    Check(IdDefaultProxy, v.Proxy == ProxyAccessMode::System);
    Check(IdSpecifiedProxy, v.Proxy == ProxyAccessMode::Given);
    SetText(IdHost, v.ProxyHost);
    Check(IdAuthNeeded, v.AuthNeeded);
    SetText(IdUserName, v.ProxyUserName);
    SetText(IdPassword, v.ProxyPassword);
    SetText(IdDownloadFolder, v.DownloadFolder);
    Check(IdSaveDirectoryStructure, v.SaveDirectoryStructure);
    Check(IdOverwriteFiles, v.OverwriteFiles);
    Check(IdCreateDescription, v.CreateDescriptIon);
    Check(IdCreateTextDescriptFile, v.CreateTextDescriptFile);
    SetText(IdMaxDownloadCount, std::to_string(v.MaxDownloadCount));
    SetText(IdAddInfoFormat, v.AddInfoFormat);
    SetText(IdDescriptionFormat, v.DescriptIonFormat);
    SetText(IdStatusInfoFormat, v.StatusInfoFormat);
    SetText(IdClipboardFormat, v.CopyPluginInfoFormat);
    Check(IdCopyAllSelected, v.CopyAllSelectedToClipboard);
    Check(IdCheckUpdatedPlugins, v.CheckUpdatedPlugins);
    Check(IdCheckForUpdate, v.CheckForUpdates);
    SetText(IdPeriod, std::to_string(v.PeriodCheckForUpdates));
    Check(IdSaveToIni, v.SaveToINI);
    Check(IdPreview, true);
    Check(IdStripedRow, view_.StripedRow);
    ApplyProxyEnabling();
    ApplyUpdateEnabling();
}

SettingsFormValues TCobwenSettingsForm::TakeValues() const {
    const auto text = [this](int id) {
        return win32::FromWide(Text(id), BrowserCodePage);
    };
    SettingsFormValues v;
    v.ShowAddInfo = Checked(IdShowAddInfo);
    v.FindIn = BoxesFromFindIn(findIn_);
    v.UseDownloadBasket = Checked(IdUseDownloadBasket);
    v.MinimizeToTray = Checked(IdMinimizeToTray);
    if (Checked(IdNoProxy))
        v.Proxy = ProxyAccessMode::Direct;
    else if (Checked(IdDefaultProxy))
        v.Proxy = ProxyAccessMode::System;
    else if (Checked(IdSpecifiedProxy))
        v.Proxy = ProxyAccessMode::Given;
    v.ProxyHost = text(IdHost);
    v.AuthNeeded = Checked(IdAuthNeeded);
    v.ProxyUserName = text(IdUserName);
    v.ProxyPassword = text(IdPassword);
    v.DownloadFolder = text(IdDownloadFolder);
    v.SaveDirectoryStructure = Checked(IdSaveDirectoryStructure);
    v.OverwriteFiles = Checked(IdOverwriteFiles);
    v.CreateDescriptIon = Checked(IdCreateDescription);
    v.CreateTextDescriptFile = Checked(IdCreateTextDescriptFile);
    v.MaxDownloadCount =
        static_cast<std::uint32_t>(NumberIn(Text(IdMaxDownloadCount), 0, MaxDownloadCountLimit));
    v.AddInfoFormat = text(IdAddInfoFormat);
    v.DescriptIonFormat = text(IdDescriptionFormat);
    v.StatusInfoFormat = text(IdStatusInfoFormat);
    v.CopyPluginInfoFormat = text(IdClipboardFormat);
    v.CopyAllSelectedToClipboard = Checked(IdCopyAllSelected);
    v.CheckUpdatedPlugins = Checked(IdCheckUpdatedPlugins);
    v.CheckForUpdates = Checked(IdCheckForUpdate);
    v.PeriodCheckForUpdates =
        static_cast<std::int32_t>(NumberIn(Text(IdPeriod), PeriodCheckFirst, PeriodCheckLast));
    v.SaveToINI = Checked(IdSaveToIni);
    return v;
}

void TCobwenSettingsForm::ApplyProxyEnabling() {
    std::optional<ProxyAccessMode> choice;
    if (Checked(IdNoProxy))
        choice = ProxyAccessMode::Direct;
    else if (Checked(IdDefaultProxy))
        choice = ProxyAccessMode::System;
    else if (Checked(IdSpecifiedProxy))
        choice = ProxyAccessMode::Given;
    const ProxyEnabling enabling = ProxyControlsEnabled(choice, Checked(IdAuthNeeded));
    for (const int id : {IdHostLabel, IdHost, IdAuthNeeded})
        Enable(id, enabling.Host);
    for (const int id : {IdUserNameLabel, IdUserName, IdPasswordLabel, IdPassword})
        Enable(id, enabling.Credentials);
}

void TCobwenSettingsForm::ApplyUpdateEnabling() {
    const bool enabled = UpdatePeriodEnabled(Checked(IdCheckForUpdate));
    for (const int id : {IdPeriodLabel, IdPeriod, IdPeriodSpin, IdDaysLabel})
        Enable(id, enabled);
}

void TCobwenSettingsForm::OnCommand(int id, int code) {
    // The frame of peFindIn closes up when another control is used (its own field's changes
    // come from the frame).
    if (id != IdFindInButton && id != IdFindIn && findInFrame_ && findInFrame_->Dropped())
        findInFrame_->CloseUp();
    switch (id) {
    case IDOK:
        OnOk();
        return;
    case IDCANCEL:
        Close(false);
        return;
    case IdNoProxy:
    case IdDefaultProxy:
    case IdSpecifiedProxy:
    case IdAuthNeeded:
        if (code == BN_CLICKED)
            ApplyProxyEnabling();
        return;
    case IdCheckForUpdate:
    case IdSaveToIni:
        if (code == BN_CLICKED)
            ApplyUpdateEnabling();
        return;
    case IdBrowseFolder:
        BrowseFolder();
        return;
    case IdFindInButton:
        ToggleFindIn();
        return;
    case IdPreview:
        ApplySamplePreview();
        return;
    case IdFontList:
        PickFont(view_.FontList);
        return;
    case IdFontPreview:
        PickFont(view_.FontPreview);
        return;
    case IdStripedRow:
        view_.StripedRow = Checked(IdStripedRow);
        sample_->Redraw();
        return;
    case IdBackgroundList:
        PickColour(view_.ColorList);
        return;
    case IdBackgroundOdd:
        PickColour(view_.ColorOdd);
        return;
    case IdBackgroundNew:
        PickColour(view_.ColorNew);
        return;
    case IdBackgroundDownloaded:
        PickColour(view_.ColorDownloaded);
        return;
    case IdAddInfoFormat:
        if (code == EN_CHANGE && sample_)
            ApplySamplePreview();
        return;
    default:
        return;
    }
}

void TCobwenSettingsForm::OnOk() {
    SettingsFromFormValues(TakeValues(), settings_);
    view_.StripedRow = Checked(IdStripedRow);
    Close(true);
}

void TCobwenSettingsForm::Close(bool confirmed) {
    confirmed_ = confirmed;
    done_ = true;
}

void TCobwenSettingsForm::BrowseFolder() {
    const std::string start = win32::FromWide(Text(IdDownloadFolder), BrowserCodePage);
    if (const auto folder = dialogs_.BrowseForFolder(
            window_, Utf8ToCp1251("Выберите каталог для загружаемых файлов"), start))
        SetText(IdDownloadFolder, *folder);
}

void TCobwenSettingsForm::ToggleFindIn() {
    if (findInFrame_->Dropped())
        findInFrame_->CloseUp();
    else
        findInFrame_->DropDown(GetDlgItem(window_, IdFindIn));
}

void TCobwenSettingsForm::PickFont(FontSettings& font) {
    if (const auto chosen = dialogs_.AskFont(window_, font)) {
        font = *chosen;
        ApplySampleFonts();
    }
}

void TCobwenSettingsForm::PickColour(std::uint32_t& colour) {
    if (const auto chosen = dialogs_.AskColour(window_, colour)) {
        colour = *chosen;
        sample_->Redraw();
    }
}

void TCobwenSettingsForm::ApplySampleFonts() {
    listFont_.Reset(CreateSettingsFont(view_.FontList));
    previewFont_.Reset(CreateSettingsFont(view_.FontPreview));
    sample_->SetFonts(listFont_.Get(), previewFont_.Get());
    ApplySamplePreview();
}

void TCobwenSettingsForm::ApplySamplePreview() {
    sample_->SetPreview(Checked(IdPreview), PreviewMaxLines);
    sample_->Redraw();
}

void TCobwenSettingsForm::BeginPlaceholderDrag() {
    dragging_ = true;
    SetCapture(window_);
}

void TCobwenSettingsForm::EndPlaceholderDrag(POINT screen) {
    dragging_ = false;
    ReleaseCapture();
    const HWND target = WindowFromPoint(screen);
    if (!target || GetParent(target) != window_)
        return;
    const int id = GetDlgCtrlID(target);
    if (std::find(std::begin(TemplateFields), std::end(TemplateFields), id) ==
        std::end(TemplateFields))
        return;
    const int row = static_cast<int>(SendMessageW(GetDlgItem(window_, IdFormats), LVM_GETNEXTITEM,
                                                  static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row < 0 || row >= static_cast<int>(PlaceholderDescriptions.size()))
        return;
    const std::wstring text =
        Text(id) + win32::ToWide(PlaceholderDescriptions[static_cast<std::size_t>(row)].placeholder,
                                 BrowserCodePage);
    SetWindowTextW(target, text.c_str());
}

std::wstring TCobwenSettingsForm::CellText(int data, int column) {
    if (data < 0 || data >= static_cast<int>(sampleRows_.size()) || column < 0 ||
        column >= ListColumnCount)
        return {};
    return win32::ToWide(ColumnText(sampleRows_[static_cast<std::size_t>(data)].Data,
                                    static_cast<ListColumn>(column), locale_),
                         BrowserCodePage);
}

int TCobwenSettingsForm::CompareRows(int dataA, int dataB, int column, SortDirection direction) {
    const auto record = [this](int data) -> const TCobwenData* {
        return data < 0 || data >= static_cast<int>(sampleRows_.size())
                   ? nullptr
                   : &sampleRows_[static_cast<std::size_t>(data)].Data;
    };
    ListSort sort;
    if (column >= 0 && column < ListColumnCount && direction != SortDirection::None)
        sort.Column = static_cast<ListColumn>(column);
    sort.Direction = direction;
    return cobwen::CompareRows(record(dataA), record(dataB), sort);
}

CellColours TCobwenSettingsForm::CellColour(int data, int rowPosition, int columnPosition,
                                            bool selected) {
    if (data < 0 || data >= static_cast<int>(sampleRows_.size()))
        return {};
    const SampleKind kind = sampleRows_[static_cast<std::size_t>(data)].Kind;
    return ListCellColours(SampleCellColour(kind, rowPosition, columnPosition, selected, view_,
                                            sample_ && sample_->PreviewShown()),
                           view_.FontList, selected);
}

std::wstring TCobwenSettingsForm::PreviewText(int data) {
    if (data < 0 || data >= static_cast<int>(sampleRows_.size()))
        return {};
    const std::string format = win32::FromWide(Text(IdAddInfoFormat), BrowserCodePage);
    return win32::ToWide(
        SamplePreviewText(sampleRows_[static_cast<std::size_t>(data)], format, locale_),
        BrowserCodePage);
}

CellColours TCobwenSettingsForm::PreviewColour(int data, bool selected) {
    if (data < 0 || data >= static_cast<int>(sampleRows_.size()))
        return {};
    return ListCellColours(
        SamplePreviewColour(sampleRows_[static_cast<std::size_t>(data)].Kind, selected, view_),
        view_.FontPreview, selected);
}

std::wstring TCobwenSettingsForm::Text(int id) const {
    const HWND control = GetDlgItem(window_, id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

void TCobwenSettingsForm::SetText(int id, const std::string& browserText) {
    SetWindowTextW(GetDlgItem(window_, id), win32::ToWide(browserText, BrowserCodePage).c_str());
}

bool TCobwenSettingsForm::Checked(int id) const {
    return SendMessageW(GetDlgItem(window_, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCobwenSettingsForm::Check(int id, bool checked) {
    SendMessageW(GetDlgItem(window_, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCobwenSettingsForm::Enable(int id, bool enabled) {
    EnableWindow(GetDlgItem(window_, id), enabled);
}

bool RunSettingsDialog(HWND owner, TCobwenSettings& settings, ViewSettings& view,
                       const TCobwenArchive& archive, const TextLocale& locale,
                       SettingsFormDialogs& dialogs) {
    TCobwenSettingsForm form(owner, settings, view, archive, locale, dialogs);
    if (!form.ShowModal())
        return false;
    settings = form.Settings();
    view = form.View();
    return true;
}

} // namespace cobwen
