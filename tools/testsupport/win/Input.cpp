#include "tools/testsupport/win/Input.h"

#include <vector>

namespace testsupport {

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A move to the point, absolute in the screen's coordinates, with the button change.
bool MouseAt(POINT screen, DWORD button) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

} // namespace

bool PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        inputs.push_back(KeyInput(*key, true));
    const UINT count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

bool ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2]{};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool MouseDown(POINT screen) {
    return MouseAt(screen, MOUSEEVENTF_LEFTDOWN);
}

bool MouseMove(POINT screen) {
    return MouseAt(screen, 0);
}

bool MouseUp(POINT screen) {
    return MouseAt(screen, MOUSEEVENTF_LEFTUP);
}

void BringToFront(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

bool DragFromTo(POINT from, POINT to, const std::function<void()>& settle) {
    const auto send = [&](POINT point, DWORD button) {
        const bool sent = MouseAt(point, button);
        settle();
        return sent;
    };
    SetCursorPos(from.x, from.y);
    bool sent = send(from, MOUSEEVENTF_LEFTDOWN);
    constexpr int Steps = 8;
    for (int step = 1; step <= Steps; ++step)
        sent =
            send({from.x + (to.x - from.x) * step / Steps, from.y + (to.y - from.y) * step / Steps},
                 0) &&
            sent;
    return send(to, MOUSEEVENTF_LEFTUP) && sent;
}

} // namespace testsupport
