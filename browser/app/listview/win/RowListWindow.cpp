// The window class and procedure: turns messages into calls on the state, and keeps every
// exception of the owner's callbacks inside.
#include "browser/app/listview/win/RowListState.h"
#include "win32/WindowProc.h"

#include <commctrl.h>
#include <windowsx.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace cobwen {
namespace {

constexpr const wchar_t* ClassName = L"CobwenRowList";

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

LRESULT Handle(RowList::State& s, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_SIZE:
        s.Layout();
        s.Invalidate();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        if (dc) {
            s.Paint(dc, paint.rcPaint);
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window, &client);
        s.Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_SETFONT:
        s.listFont = reinterpret_cast<HFONT>(wParam);
        s.UpdateFontMetrics();
        s.Layout();
        if (LOWORD(lParam))
            s.Invalidate();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.listFont);
    case WM_SETFOCUS:
        s.InvalidateRow(s.selection.Focus());
        s.owner.GotFocus(s.list);
        return 0;
    case WM_KILLFOCUS:
        s.InvalidateRow(s.selection.Focus());
        return 0;
    case WM_VSCROLL:
        s.VerticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        s.HorizontalScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        s.Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        if (GetFocus() != window)
            SetFocus(window);
        const int position = s.HitTest(GET_Y_LPARAM(lParam));
        const bool shift = (wParam & MK_SHIFT) != 0, ctrl = (wParam & MK_CONTROL) != 0;
        if (message == WM_RBUTTONDOWN) {
            // A right click on a selected row keeps the selection the menu will act on.
            if (position >= 0 && !s.selection.IsSelected(position))
                s.Click(position, false, false);
            else if (position >= 0)
                s.MoveFocus(position, false, true);
            return 0;
        }
        if (position < 0)
            return 0;
        if (message == WM_LBUTTONDBLCLK) {
            if (!s.selection.IsSelected(position) || s.selection.Focus() != position)
                s.Click(position, shift, ctrl);
            s.owner.RowActivated(s.list);
            return 0;
        }
        // A plain press on a selected row may start dragging the whole selection.
        const bool keepSelection = !shift && !ctrl && s.selection.IsSelected(position);
        if (!keepSelection)
            s.Click(position, shift, ctrl);
        s.ArmDrag({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, position, keepSelection);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            s.DragMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        s.DragRelease({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            s.CancelDrag();
        return 0;
    case WM_RBUTTONUP: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(window, &point);
        SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(point.x, point.y));
        return 0;
    }
    case WM_CONTEXTMENU: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1)
            point = s.KeyboardMenuPoint();
        s.owner.ContextMenu(s.list, point);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && s.dragArmed) {
            s.CancelDrag();
            return 0;
        }
        if (wParam == VK_APPS) {
            s.owner.ContextMenu(s.list, s.KeyboardMenuPoint());
            return 0;
        }
        if (s.KeyDown(wParam))
            return 0;
        break;
    case WM_KEYUP:
        // The system would open a second menu for the same key.
        if (wParam == VK_APPS)
            return 0;
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F10 && KeyDown(VK_SHIFT)) {
            s.owner.ContextMenu(s.list, s.KeyboardMenuPoint());
            return 0;
        }
        break;
    case WM_CHAR:
        // Ctrl+A arrives as character 1 too; swallowing it keeps the system from beeping.
        if (wParam == 1 || wParam == VK_RETURN || wParam == L' ')
            return 0;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->hwndFrom == s.header)
            return s.HeaderNotify(header);
        break;
    }
    case HeaderOrderMessage:
        s.HeaderOrderChanged();
        return 0;
    case WM_NCDESTROY:
        s.window = nullptr;
        s.header = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK RowListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = win32::WindowObject<RowList::State>(window, message, lParam);
    if (!state)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        state->window = window;
    // The owner's failure costs this message only; the list stays usable.
    return win32::GuardedMessage(
        [&] { return Handle(*state, window, message, wParam, lParam); },
        [&](const char*) { return DefWindowProcW(window, message, wParam, lParam); });
}

HINSTANCE ThisModule() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

bool RegisterRowListClass() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = RowListProc;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

HWND CreateRowListWindow(HWND parent, int controlId, RowList::State& state) {
    static const bool registered = RegisterRowListClass();
    if (!registered)
        return nullptr;
    const HWND window = CreateWindowExW(
        WS_EX_CLIENTEDGE, ClassName, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 100,
        100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), ThisModule(),
        &state);
    if (!window)
        return nullptr;
    state.header = CreateWindowExW(0, WC_HEADERW, L"",
                                   WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_DRAGDROP |
                                       HDS_FULLDRAG | HDS_HORZ,
                                   0, 0, 0, 0, window, nullptr, ThisModule(), nullptr);
    state.UpdateFontMetrics();
    state.Layout();
    return window;
}

} // namespace cobwen
