#include "win32/WindowClass.h"

namespace win32 {

bool RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, const WindowClassLook& look) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(module, name, &windowClass))
        return true;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hIcon = look.icon;
    windowClass.hIconSm = look.smallIcon;
    if (look.arrowCursor)
        windowClass.hCursor =
            LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_ARROW)));
    if (look.dialogBackground)
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace win32
