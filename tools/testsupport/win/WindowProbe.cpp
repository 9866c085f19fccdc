#include "tools/testsupport/win/WindowProbe.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace testsupport {
namespace {

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
    return TRUE;
}

} // namespace

bool CanCreateWindows() {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

HWND WaitForWindow(const wchar_t* caption) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND window = FindWindowW(nullptr, caption);
        DWORD process = 0;
        if (window && GetWindowThreadProcessId(window, &process) &&
            process == GetCurrentProcessId())
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

Pixels ClientPixels(HWND window) {
    Pixels pixels;
    RECT client{};
    GetClientRect(window, &client);
    pixels.width = client.right;
    pixels.height = client.bottom;
    if (pixels.width <= 0 || pixels.height <= 0)
        return pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels.data.assign(first, first + static_cast<std::size_t>(pixels.width) * pixels.height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

PixelDifference Difference(const Pixels& a, const Pixels& b) {
    PixelDifference difference;
    if (a.width != b.width || a.height != b.height || a.data.size() != b.data.size()) {
        difference.count = std::max(a.data.size(), b.data.size());
        difference.box = {0, 0, std::max(a.width, b.width), std::max(a.height, b.height)};
        return difference;
    }
    difference.box = {a.width, a.height, 0, 0};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * a.width + x;
            if ((a.data[at] & 0xFFFFFF) == (b.data[at] & 0xFFFFFF))
                continue;
            ++difference.count;
            difference.box.left = std::min<LONG>(difference.box.left, x);
            difference.box.top = std::min<LONG>(difference.box.top, y);
            difference.box.right = std::max<LONG>(difference.box.right, x + 1);
            difference.box.bottom = std::max<LONG>(difference.box.bottom, y + 1);
        }
    return difference;
}

} // namespace testsupport
