#include "browser/app/main/win/AboutForm.h"

#include "browser/app/main/core/AboutBox.h"
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/main/win/ToolbarImages.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

#include <algorithm>
#include <commctrl.h>
#include <shellapi.h>
#include <stdexcept>

namespace cobwen {

namespace {

constexpr wchar_t WindowClass[] = L"TCobwenAboutForm";
constexpr wchar_t Caption[] = L"О программе";
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF LinkBlue = RGB(0, 0, 255);
constexpr int LogoSize = 48;

std::wstring FromUtf8(std::string_view text) {
    return win32::ToWide(text, CP_UTF8);
}

bool FileExists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HFONT VariantOf(HFONT font, bool bold, bool underline) {
    LOGFONTW face{};
    GetObjectW(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
    if (bold)
        face.lfWeight = FW_BOLD;
    face.lfUnderline = underline;
    return CreateFontIndirectW(&face);
}

} // namespace

TCobwenAboutForm::TCobwenAboutForm(AboutInput input) : input_(std::move(input)) {
    win32::RegisterWindowClassOnce(WindowClass, WindowProc);
    RECT owner{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (input_.Owner)
        GetWindowRect(input_.Owner, &owner);
    const int left = owner.left + (owner.right - owner.left - Width) / 2;
    const int top = owner.top + (owner.bottom - owner.top - Height) / 2;
    CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, WindowClass, Caption,
                    WS_POPUP | WS_CAPTION | WS_SYSMENU, left, top, Width, Height, input_.Owner,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (!window_)
        throw std::runtime_error("the about box cannot be created");
    CreateControls();
}

TCobwenAboutForm::~TCobwenAboutForm() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

HWND TCobwenAboutForm::Add(const wchar_t* className, const std::wstring& text, DWORD style, int id,
                           RECT rect, HFONT font) {
    const HWND control = CreateWindowExW(
        0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void TCobwenAboutForm::AddLink(const std::wstring& text, const std::wstring& target, int id,
                               RECT room) {
    // As wide as its text, so that the hand cursor and the click cover the address alone.
    HDC dc = GetDC(window_);
    const HGDIOBJ previous = SelectObject(dc, linkFont_.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    room.right = std::min<LONG>(room.right, room.left + size.cx + 2);
    Add(L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOTIFY, id, room, linkFont_.Get());
    linkTargets_.push_back(target);
}

void TCobwenAboutForm::CreateControls() {
    HFONT font = input_.Font ? input_.Font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    boldFont_.Reset(VariantOf(font, true, false));
    linkFont_.Reset(VariantOf(font, false, true));
    logo_.Reset(CreateProgramIcon(LogoSize));

    const HWND logo =
        Add(L"STATIC", L"", SS_ICON, IdLogo, {10, 10, 10 + LogoSize, 10 + LogoSize}, font);
    SendMessageW(logo, STM_SETICON, reinterpret_cast<WPARAM>(logo_.Get()), 0);
    Add(L"STATIC", input_.Title, SS_LEFT, IdTitle, {70, 8, 370, 24}, boldFont_.Get());
    Add(L"STATIC", L"Оболочка для работы с базой сайта Ulvar Cobwen", SS_LEFT, -1,
        {70, 26, 375, 42}, font);
    Add(L"STATIC",
        FormatText(L"Версия - %s от %s", {input_.ProgramVersion, input_.ProgramDateText}), SS_LEFT,
        IdVersionLine, {70, 42, 375, 58}, font);
    Add(L"STATIC", L"Разработчики:", SS_LEFT, -1, {10, 62, 370, 78}, boldFont_.Get());

    int y = 78;
    int linkId = IdFirstLink;
    for (const AboutDeveloper& developer : AboutDevelopers) {
        Add(L"STATIC", FromUtf8(developer.Name) + L" " + FromUtf8(developer.Role), SS_LEFT, -1,
            {20, y, 375, y + 16}, font);
        y += 16;
        Add(L"STATIC", L"E-mail:", SS_LEFT, -1, {20, y, 60, y + 16}, font);
        AddLink(FromUtf8(developer.Mail), FromUtf8(MailtoTarget(developer.Mail)), linkId++,
                {60, y, 206, y + 16});
        Add(L"STATIC", L"URL:", SS_LEFT, -1, {208, y, 234, y + 16}, font);
        const std::wstring url = FromUtf8(developer.Url);
        AddLink(url, url, linkId++, {234, y, 381, y + 16});
        y += 18;
    }
    Add(L"STATIC", L"Спасибо всем, кто присылает плагины на сайт.", SS_LEFT, -1,
        {10, y + 2, 378, y + 18}, font);

    const int buttons = 172;
    const HWND newVersion = Add(L"BUTTON", L"Новая версия", BS_PUSHBUTTON | WS_TABSTOP,
                                IdNewVersion, {10, buttons, 110, buttons + 25}, font);
    if (FileExists(input_.ProgramFolder / L"readme.txt"))
        Add(L"BUTTON", L"Справка", BS_PUSHBUTTON | WS_TABSTOP, IdHelp,
            {196, buttons, 276, buttons + 25}, font);
    const HWND ok = Add(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IdOk,
                        {284, buttons, 364, buttons + 25}, font);

    // The hint of "Новая версия".
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, L"tooltips_class32", nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                        0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(newVersion);
        static wchar_t hint[] = L"Проверить наличие новой версии программы";
        tool.lpszText = hint;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SetFocus(ok);
}

void TCobwenAboutForm::ShowModal() {
    const HWND owner = input_.Owner;
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetFocus(Control(IdOk));
    MSG message{};
    while (!closed_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The quit request belongs to the program's own loop.
    if (message.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(message.wParam));
    if (ownerEnabled)
        EnableWindow(owner, TRUE);
    ShowWindow(window_, SW_HIDE);
    if (owner)
        SetActiveWindow(owner);
}

LRESULT CALLBACK TCobwenAboutForm::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* form = win32::WindowObject<TCobwenAboutForm>(window, message, lParam);
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        form->window_ = window;
    return win32::GuardedMessage([&] { return form->Handle(message, wParam, lParam); },
                                 [&](const char* what) -> LRESULT {
                                     win32::LastResort(what);
                                     return 0;
                                 });
}

bool TCobwenAboutForm::IsLink(HWND control) const {
    const int id = GetDlgCtrlID(control);
    return id >= IdFirstLink && id < IdFirstLink + static_cast<int>(linkTargets_.size());
}

LRESULT TCobwenAboutForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        if (GetDlgCtrlID(control) == IdTitle)
            SetTextColor(dc, Navy);
        else if (IsLink(control))
            SetTextColor(dc, LinkBlue);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
        if (IsLink(reinterpret_cast<HWND>(wParam))) {
            SetCursor(
                LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_HAND))));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        closed_ = true;
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TCobwenAboutForm::OnCommand(int id, int code) {
    if (id >= IdFirstLink && id < IdFirstLink + static_cast<int>(linkTargets_.size())) {
        if (code == STN_CLICKED)
            OpenTarget(linkTargets_[static_cast<std::size_t>(id - IdFirstLink)]);
        return;
    }
    switch (id) {
    case IdOk:
    case IdCancel:
        closed_ = true;
        return;
    case IdHelp: {
        const std::filesystem::path readme = input_.ProgramFolder / L"readme.txt";
        if (FileExists(readme))
            OpenTarget(readme.native());
        return;
    }
    case IdNewVersion:
        if (input_.Prompts &&
            input_.Prompts->Ask(FormatText(MessageText(IDS_CHECK_VERSION_QUESTION), {input_.Title}),
                                true) == Answer::Yes &&
            input_.CheckForUpdate)
            input_.CheckForUpdate();
        return;
    default:
        return;
    }
}

void TCobwenAboutForm::OpenTarget(const std::wstring& target) {
    if (input_.Open) {
        input_.Open(target);
        return;
    }
    // Failures of the shell are not reported.
    ShellExecuteW(window_, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace cobwen
