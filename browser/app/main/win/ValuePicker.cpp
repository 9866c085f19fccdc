#include "browser/app/main/win/ValuePicker.h"

#include "browser/app/main/core/PickerPlacement.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/search/core/FilterPicker.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

#include <commctrl.h>

namespace cobwen {

namespace {

constexpr wchar_t PickerClass[] = L"TCobwenFilterDialog";
constexpr int EditId = 1;
constexpr int InnerId = 2;
constexpr int ListId = 3;
constexpr int Margin = 4;
constexpr int LineHeight = 22;

class PickerWindow {
public:
    PickerWindow(std::vector<std::string> values, int startIndex, const TextLocale& locale)
        : model_(std::move(values), startIndex, locale) {}

    std::optional<int> Run(HWND owner, HWND dropDown);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
    void Create(HWND owner, const RECT& place);
    void ShowResult();
    bool Key(HWND control, WPARAM key);
    void Close(std::optional<int> result) {
        result_ = result;
        done_ = true;
    }

    FilterPicker model_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    HWND inner_ = nullptr;
    HWND list_ = nullptr;
    bool done_ = false;
    std::optional<int> result_;
};

void PickerWindow::Create(HWND owner, const RECT& place) {
    win32::RegisterWindowClassOnce(PickerClass, DefWindowProcW);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, PickerClass, nullptr,
                              WS_POPUP | WS_BORDER, place.left, place.top, place.right - place.left,
                              place.bottom - place.top, owner, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    RECT client{};
    GetClientRect(window_, &client);
    const int width = client.right - 2 * Margin;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(owner, WM_GETFONT, 0, 0));
    const auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int y,
                           int height) {
        HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                                       Margin, y, width, height, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (font)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    edit_ = child(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, EditId, Margin, LineHeight);
    inner_ = child(L"BUTTON", win32::ToWide(PickerInnerCaption, BrowserCodePage).c_str(),
                   BS_AUTOCHECKBOX, InnerId, Margin + LineHeight + 2, LineHeight - 4);
    const int listTop = Margin + 2 * LineHeight;
    list_ = child(L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  ListId, listTop, client.bottom - listTop - Margin);
    SendMessageW(inner_, BM_SETCHECK, model_.Inner() ? BST_CHECKED : BST_UNCHECKED, 0);
    for (HWND control : {edit_, inner_, list_})
        SetWindowSubclass(control, ControlKeys, 1, reinterpret_cast<DWORD_PTR>(this));
    ShowResult();
}

void PickerWindow::ShowResult() {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const PickerEntry& entry : model_.Result())
        SendMessageW(list_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(win32::ToWide(entry.Text, BrowserCodePage).c_str()));
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(model_.Selected()), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

bool PickerWindow::Key(HWND control, WPARAM key) {
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    switch (key) {
    case VK_RETURN:
    case VK_F10:
        if (const std::optional<int> position = model_.Accept())
            Close(position);
        return true;
    case VK_ESCAPE:
        Close(std::nullopt);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (control != edit_)
            return false;
        key == VK_UP ? model_.MoveUp() : model_.MoveDown();
        SetFocus(list_);
        SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(model_.Selected()), 0);
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK PickerWindow::ControlKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
    auto* picker = reinterpret_cast<PickerWindow*>(data);
    const auto passOn = [&] {
        return DefSubclassProc(control, message, wParam, lParam);
    };
    return win32::GuardedMessage(
        [&]() -> LRESULT {
            if (message == WM_GETDLGCODE)
                return passOn() | DLGC_WANTALLKEYS;
            // F10 comes as a system key.
            const bool key =
                message == WM_KEYDOWN || (message == WM_SYSKEYDOWN && wParam == VK_F10);
            if (key && picker->Key(control, wParam))
                return 0;
            if (message == WM_CHAR && (wParam == L'\r' || wParam == 27))
                return 0;
            return passOn();
        },
        [&](const char*) { return passOn(); });
}

LRESULT CALLBACK PickerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* picker = reinterpret_cast<PickerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return win32::GuardedMessage(
        [&] {
            return picker ? picker->Handle(window, message, wParam, lParam)
                          : DefWindowProcW(window, message, wParam, lParam);
        },
        [&](const char*) -> LRESULT {
            // A picker that failed is closed as cancelled.
            if (picker)
                picker->Close(std::nullopt);
            return 0;
        });
}

LRESULT PickerWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PickerWindow* picker = this;
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == EditId && code == EN_CHANGE) {
            const int length = GetWindowTextLengthW(picker->edit_);
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(picker->edit_, text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            picker->model_.SetSearchText(win32::FromWide(text, BrowserCodePage));
            picker->ShowResult();
        } else if (id == InnerId && code == BN_CLICKED) {
            picker->model_.SetInner(SendMessageW(picker->inner_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            picker->ShowResult();
        } else if (id == ListId && code == LBN_SELCHANGE) {
            picker->model_.Select(
                static_cast<int>(SendMessageW(picker->list_, LB_GETCURSEL, 0, 0)));
        } else if (id == ListId && code == LBN_DBLCLK) {
            if (const std::optional<int> position = picker->model_.Accept())
                picker->Close(position);
        }
        return 0;
    }
    if (message == WM_CLOSE) {
        picker->Close(std::nullopt);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::optional<int> PickerWindow::Run(HWND owner, HWND dropDown) {
    RECT box{};
    GetWindowRect(dropDown, &box);
    const PickerRect place =
        PlacePicker({box.left, box.top, box.right, box.bottom}, PickerWidth, PickerHeight,
                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    Create(owner, {place.Left, place.Top, place.Right, place.Bottom});
    EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetFocus(edit_);
    MSG message{};
    while (!done_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(message.wParam));
    EnableWindow(owner, TRUE);
    DestroyWindow(window_);
    SetActiveWindow(owner);
    return result_;
}

} // namespace

std::optional<int> RunValuePicker(HWND owner, HWND dropDown,
                                  const std::vector<std::wstring>& values, int startIndex,
                                  const TextLocale& locale) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const std::wstring& value : values)
        texts.push_back(win32::FromWide(value, BrowserCodePage));
    PickerWindow picker(std::move(texts), startIndex, locale);
    return picker.Run(owner, dropDown);
}

} // namespace cobwen
