// The controls of TCobwenSettingsForm, page by page, in pixels of the dialog's client area.
#include "browser/app/list/core/ListColumns.h"
#include "browser/app/main/win/SettingsForm.h"
#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

#include <algorithm>
#include <commctrl.h>
#include <cwchar>

namespace cobwen {

namespace {

constexpr int AllPages = -1;
constexpr DWORD Child = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD CheckBox = Child | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD Label = Child | SS_LEFT;
constexpr DWORD Edit = Child | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD Memo =
    Child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
// Without WS_CLIPSIBLINGS: a group box is drawn around the controls above it, never over them.
constexpr DWORD Group = WS_CHILD | BS_GROUPBOX;
constexpr DWORD Button = Child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD Toggle = Child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE;
constexpr int PageLeft = 16;
constexpr int PageWidth = 568;

constexpr RECT At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// A number field with its arrows.
void AddSpin(HWND dialog, HWND field, int id, int first, int last) {
    const HWND spin = CreateWindowExW(
        0, UPDOWN_CLASSW, nullptr,
        Child | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
        dialog, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
    SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

} // namespace

HWND TCobwenSettingsForm::Add(int page, int id, const wchar_t* className, const wchar_t* text,
                              DWORD style, RECT bounds, DWORD exStyle) {
    const HWND control =
        CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                        bounds.right - bounds.left, bounds.bottom - bounds.top, window_,
                        reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.Get()), FALSE);
    if (page != AllPages)
        pages_[static_cast<std::size_t>(page)].push_back(control);
    return control;
}

void TCobwenSettingsForm::AddHint(HWND control, const wchar_t* hint) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(hint);
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TCobwenSettingsForm::CreateControls() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, 400);

    const HWND tabs = Add(AllPages, IdPages, WC_TABCONTROLW, nullptr,
                          Child | WS_VISIBLE | WS_TABSTOP | TCS_FIXEDWIDTH, At(8, 8, 584, 26));
    // The tab control shows only its row of tabs; the pages lie on the dialog's own background
    // in this frame, so that every control's background matches the page's.
    Add(AllPages, IdPageFrame, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME,
        At(8, 32, 584, 460));
    const wchar_t* const captions[SettingsPageCount] = {L"Основные", L"Форматы", L"Список плагинов",
                                                        L"Дополнительно"};
    // Tabs of 100 pixels, wider only where a caption would not fit in the system's font.
    int tabWidth = 100;
    {
        HDC dc = GetDC(window_);
        const HGDIOBJ old = SelectObject(dc, uiFont_.Get());
        for (const wchar_t* caption : captions) {
            SIZE size{};
            GetTextExtentPoint32W(dc, caption, static_cast<int>(wcslen(caption)), &size);
            tabWidth = std::max(tabWidth, static_cast<int>(size.cx) + 16);
        }
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
    }
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth, 20));
    for (int page = 0; page < SettingsPageCount; ++page) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[page]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(page),
                     reinterpret_cast<LPARAM>(&item));
    }
    CreateMainPage();
    CreateFormatsPage();
    CreateViewPage();
    CreateMorePage();
    Add(AllPages, IDOK, L"BUTTON", L"OK", Button | WS_VISIBLE | BS_DEFPUSHBUTTON,
        At(424, 502, 80, 25));
    Add(AllPages, IDCANCEL, L"BUTTON", L"Отмена", Button | WS_VISIBLE, At(512, 502, 80, 25));
    // The pages' controls lie over their group boxes and those over the tab control, which
    // draws its frame beneath them all.
    for (const int id : {IdInterfaceGroup, IdProxyGroup, IdPluginsGroup, IdPageFrame, IdPages})
        SetWindowPos(GetDlgItem(window_, id), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCobwenSettingsForm::CreateMainPage() {
    constexpr int P = 0;
    Add(P, IdInterfaceGroup, L"BUTTON", L" Интерфейс ", Group, At(PageLeft, 36, PageWidth, 134));
    Add(P, IdLanguageLabel, L"STATIC", L"Язык интерфейса", Label, At(28, 57, 250, 16));
    const HWND language = Add(P, IdLanguage, WC_COMBOBOXW, nullptr,
                              Child | WS_TABSTOP | CBS_DROPDOWNLIST, At(300, 53, 150, 120));
    for (const wchar_t* name : {L"English", L"Русский"})
        SendMessageW(language, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(language, CB_SETCURSEL, 1, 0);
    EnableWindow(language, FALSE);
    Add(P, IdShowAddInfo, L"BUTTON", L"Отображать дополнительную информацию", CheckBox,
        At(28, 80, 540, 18));
    Add(P, IdFindInLabel, L"STATIC", L"При поиске по названию искать так же:", Label,
        At(28, 104, 270, 16));
    Add(P, IdFindIn, L"EDIT", nullptr, Edit | ES_READONLY, At(300, 101, 240, 21), WS_EX_CLIENTEDGE);
    Add(P, IdFindInButton, L"BUTTON", L"...", Button, At(540, 101, 24, 21));
    Add(P, IdUseDownloadBasket, L"BUTTON", L"Использовать корзину для выбора плагинов на закачку",
        CheckBox, At(28, 126, 540, 18));
    Add(P, IdMinimizeToTray, L"BUTTON", L"Сворачивать в системную панель", CheckBox,
        At(28, 146, 540, 18));

    Add(P, IdProxyGroup, L"BUTTON", L" Прокси-сервер ", Group, At(PageLeft, 174, PageWidth, 122));
    Add(P, IdNoProxy, L"BUTTON", L"Без прокси", Child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
        At(28, 192, 260, 18));
    Add(P, IdDefaultProxy, L"BUTTON", L"Настройки прокси по умолчанию", Child | BS_AUTORADIOBUTTON,
        At(28, 212, 260, 18));
    Add(P, IdSpecifiedProxy, L"BUTTON", L"Указанные настройки прокси", Child | BS_AUTORADIOBUTTON,
        At(28, 232, 260, 18));
    Add(P, IdHostLabel, L"STATIC", L"Имя (как хост:порт)", Label | WS_GROUP, At(300, 192, 264, 16));
    Add(P, IdHost, L"EDIT", nullptr, Edit, At(300, 210, 264, 21), WS_EX_CLIENTEDGE);
    Add(P, IdAuthNeeded, L"BUTTON", L"Требуется аутентификация", CheckBox, At(300, 236, 264, 18));
    Add(P, IdUserNameLabel, L"STATIC", L"Пользователь", Label, At(28, 266, 96, 16));
    Add(P, IdUserName, L"EDIT", nullptr, Edit, At(126, 263, 160, 21), WS_EX_CLIENTEDGE);
    Add(P, IdPasswordLabel, L"STATIC", L"Пароль", Label, At(300, 266, 60, 16));
    const HWND password = Add(P, IdPassword, L"EDIT", nullptr, Edit | ES_PASSWORD,
                              At(364, 263, 200, 21), WS_EX_CLIENTEDGE);
    SendMessageW(password, EM_SETPASSWORDCHAR, L'*', 0);

    Add(P, IdPluginsGroup, L"BUTTON", L" Загружаемые плагины ", Group,
        At(PageLeft, 300, PageWidth, 184));
    Add(P, IdDownloadFolderLabel, L"STATIC", L"Каталог для сохранения плагинов:", Label,
        At(28, 318, 540, 16));
    Add(P, IdDownloadFolder, L"EDIT", nullptr, Edit, At(28, 336, 512, 21), WS_EX_CLIENTEDGE);
    Add(P, IdBrowseFolder, L"BUTTON", L"...", Button, At(540, 336, 24, 21));
    Add(P, IdSaveDirectoryStructure, L"BUTTON", L"Сохранять структуру каталогов Cobwen", CheckBox,
        At(28, 364, 540, 18));
    Add(P, IdOverwriteFiles, L"BUTTON", L"Перезаписывать загружаемые файлы", CheckBox,
        At(28, 384, 540, 18));
    Add(P, IdCreateDescription, L"BUTTON", L"Создавать файл Descript.ion для плагинов", CheckBox,
        At(28, 404, 540, 18));
    Add(P, IdCreateTextDescriptFile, L"BUTTON", L"Создавать txt-файл c описанием плагина", CheckBox,
        At(28, 424, 540, 18));
    Add(P, IdMaxDownloadCountLabel, L"STATIC", L"Количество одновременно закачиваемых файлов",
        Label, At(28, 455, 330, 16));
    const HWND count = Add(P, IdMaxDownloadCount, L"EDIT", nullptr, Edit | ES_NUMBER,
                           At(364, 452, 100, 21), WS_EX_CLIENTEDGE);
    AddSpin(window_, count, IdMaxDownloadCountSpin, 0, static_cast<int>(MaxDownloadCountLimit));
    pages_[P].push_back(GetDlgItem(window_, IdMaxDownloadCountSpin));
}

void TCobwenSettingsForm::CreateFormatsPage() {
    constexpr int P = 1;
    Add(P, IdAddInfoFormatLabel, L"STATIC", L"Формат вывода дополнительной информации о плагине:",
        Label, At(PageLeft, 36, PageWidth, 16));
    Add(P, IdAddInfoFormat, L"EDIT", nullptr, Memo, At(PageLeft, 52, PageWidth, 48),
        WS_EX_CLIENTEDGE);
    Add(P, IdDescriptionFormatLabel, L"STATIC",
        L"Формат описания информации о плагине в Descript.ion:", Label,
        At(PageLeft, 104, PageWidth, 16));
    Add(P, IdDescriptionFormat, L"EDIT", nullptr, Memo, At(PageLeft, 120, PageWidth, 40),
        WS_EX_CLIENTEDGE);
    Add(P, IdStatusInfoFormatLabel, L"STATIC", L"Формат вывода информации в строке статуса:", Label,
        At(PageLeft, 164, PageWidth, 16));
    Add(P, IdStatusInfoFormat, L"EDIT", nullptr, Edit, At(PageLeft, 180, PageWidth, 21),
        WS_EX_CLIENTEDGE);
    Add(P, IdClipboardFormatLabel, L"STATIC",
        L"Формат для копирования информации о плагине в буфер обмена:", Label,
        At(PageLeft, 205, PageWidth, 16));
    Add(P, IdClipboardFormat, L"EDIT", nullptr, Memo, At(PageLeft, 221, PageWidth, 40),
        WS_EX_CLIENTEDGE);
    Add(P, IdCopyAllSelected, L"BUTTON",
        L"Копировать в буфер обмена информацию обо всех выделенных плагинах", CheckBox,
        At(PageLeft, 265, PageWidth, 18));
    Add(P, IdFormatsBand, L"STATIC", L"Шаблоны, используемые в форматах",
        Label | SS_CENTER | SS_SUNKEN, At(PageLeft, 288, PageWidth, 18));
    const HWND formats = Add(P, IdFormats, WC_LISTVIEWW, nullptr,
                             Child | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                 LVS_NOCOLUMNHEADER,
                             At(PageLeft, 306, PageWidth, 142), WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(formats, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(formats, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = PageWidth - 120 - GetSystemMetrics(SM_CXVSCROLL) - 4;
    column.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(formats, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    int row = 0;
    for (const PlaceholderDescription& placeholder : PlaceholderDescriptions) {
        const std::wstring name = win32::ToWide(placeholder.placeholder, BrowserCodePage);
        const std::wstring description = win32::ToWide(placeholder.description, BrowserCodePage);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(name.c_str());
        SendMessageW(formats, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(description.c_str());
        SendMessageW(formats, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        ++row;
    }
    Add(P, IdFormatsHint, L"STATIC",
        L"Перетащите нужный шаблон в поле описания формата, чтобы не набирать его вручную.", Label,
        At(PageLeft, 452, PageWidth, 30));
}

void TCobwenSettingsForm::CreateViewPage() {
    constexpr int P = 2;
    struct ViewButton {
        int id;
        const wchar_t* caption;
        const wchar_t* hint; // null: none
        bool toggle;
        int top;
    };
    const ViewButton buttons[] = {
        {IdPreview, L"Доп. инф-ия", nullptr, true, 54},
        {IdFontList, L"Список", L"Установка шрифта для списка плагинов", false, 92},
        {IdFontPreview, L"Доп. инф-ия", L"Установка шрифта для дополнительной информации о плагине",
         false, 120},
        {IdStripedRow, L"Зебра", L"Разрешить чередование четных/нечетных строк в списке", true,
         158},
        {IdBackgroundList, L"Список", L"Установка цвета фона списка плагинов", false, 196},
        {IdBackgroundOdd, L"Доп. фон",
         L"Установка цвета фона четных колонок списка плагинов (для более удобного просмотра)",
         false, 224},
        {IdBackgroundNew, L"Новые", L"Установка цвета фона новых плагинов", false, 252},
        {IdBackgroundDownloaded, L"Закачанные", L"Установка цвета фона закачанных плагинов", false,
         280},
    };
    for (const ViewButton& button : buttons) {
        const HWND control = Add(P, button.id, L"BUTTON", button.caption,
                                 button.toggle ? Toggle : Button, At(PageLeft, button.top, 96, 25));
        if (button.hint)
            AddHint(control, button.hint);
    }
    constexpr int listLeft = PageLeft + 104;
    Add(P, IdViewBand, L"STATIC", L"Настройка цветов отображения списка плагинов",
        Label | SS_CENTER | SS_SUNKEN, At(listLeft, 36, PageWidth - 104, 18));
    sample_ = std::make_unique<RowList>(window_, IdView, *this);
    const HWND list = sample_->Window();
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) & ~WS_VISIBLE);
    MoveWindow(list, listLeft, 54, PageWidth - 104, 428, FALSE);
    pages_[P].push_back(list);
    // The five columns of the catalogue list, narrower to fit beside the buttons.
    constexpr int widths[ListColumnCount] = {118, 58, 68, 72, 120};
    std::vector<RowListColumn> columns;
    for (const ListColumnInfo& info : ListColumns)
        columns.push_back({win32::ToWide(info.caption, BrowserCodePage),
                           widths[static_cast<int>(info.column)], info.rightAligned, true});
    sample_->SetColumns(columns);
}

void TCobwenSettingsForm::CreateMorePage() {
    constexpr int P = 3;
    Add(P, IdCheckUpdatedPlugins, L"BUTTON",
        L"Информировать об обновлении ранее закачанных плагинов", CheckBox,
        At(PageLeft, 40, PageWidth, 18));
    Add(P, IdCheckUpdatedHint, L"STATIC",
        L"При обновлении списка плагинов с сайта программа будет проверять размеры уже "
        L"закачанных плагинов с их размерами в обновленной базе и предлагать закачать их "
        L"заново, если они обновились.\r\nДанная опция действует только при использовании "
        L"корзины для выбора плагинов на закачку.",
        Label, At(PageLeft + 18, 60, PageWidth - 18, 80));
    Add(P, IdCheckForUpdate, L"BUTTON", L"Проверять наличие новой версии программы", CheckBox,
        At(PageLeft, 148, PageWidth, 18));
    Add(P, IdPeriodLabel, L"STATIC", L"Делать проверки каждые", Label,
        At(PageLeft + 18, 175, 160, 16));
    const HWND period = Add(P, IdPeriod, L"EDIT", nullptr, Edit | ES_NUMBER,
                            At(PageLeft + 180, 172, 60, 21), WS_EX_CLIENTEDGE);
    AddSpin(window_, period, IdPeriodSpin, PeriodCheckFirst, PeriodCheckLast);
    pages_[P].push_back(GetDlgItem(window_, IdPeriodSpin));
    Add(P, IdDaysLabel, L"STATIC", L"дней", Label, At(PageLeft + 246, 175, 60, 16));
    Add(P, IdSaveToIni, L"BUTTON", L"Сохранять настройки программы в ini-файле", CheckBox,
        At(PageLeft, 204, PageWidth, 18));
}

} // namespace cobwen
