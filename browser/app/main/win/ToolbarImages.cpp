#include "browser/app/main/win/ToolbarImages.h"

#include "win32/Gdi.h"
#include "win32/Handle.h"

#include <cmath>
#include <functional>

namespace cobwen {

namespace {

using Painter = std::function<void(HDC dc, int size)>;

HBRUSH Brush(COLORREF colour) {
    return CreateSolidBrush(colour);
}

void FillEllipse(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF edge) {
    win32::BrushObject brush(Brush(fill));
    win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, edge));
    win32::SelectGuard b(dc, brush.Get());
    win32::SelectGuard p(dc, pen.Get());
    Ellipse(dc, left, top, right, bottom);
}

void FillPolygon(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF edge) {
    win32::BrushObject brush(Brush(fill));
    win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, edge));
    win32::SelectGuard b(dc, brush.Get());
    win32::SelectGuard p(dc, pen.Get());
    Polygon(dc, points, count);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, int width, COLORREF colour) {
    win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, colour));
    win32::SelectGuard p(dc, pen.Get());
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int Scale(int size, int value) {
    return value * size / 32;
}

void PaintSettings(HDC dc, int s) {
    const int c = s / 2;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 3.14159265 / 4;
        Line(dc, c, c, c + static_cast<int>(std::cos(angle) * Scale(s, 14)),
             c + static_cast<int>(std::sin(angle) * Scale(s, 14)), Scale(s, 5), RGB(90, 90, 110));
    }
    FillEllipse(dc, Scale(s, 6), Scale(s, 6), Scale(s, 26), Scale(s, 26), RGB(150, 150, 170),
                RGB(90, 90, 110));
    FillEllipse(dc, Scale(s, 12), Scale(s, 12), Scale(s, 20), Scale(s, 20), RGB(255, 255, 255),
                RGB(90, 90, 110));
}

void PaintRefresh(HDC dc, int s) {
    win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, Scale(s, 4), RGB(0, 130, 60)));
    win32::SelectGuard p(dc, pen.Get());
    win32::SelectGuard b(dc, GetStockObject(NULL_BRUSH));
    Arc(dc, Scale(s, 5), Scale(s, 5), Scale(s, 27), Scale(s, 27), Scale(s, 27), Scale(s, 12),
        Scale(s, 16), Scale(s, 5));
    const POINT head[] = {
        {Scale(s, 20), Scale(s, 9)}, {Scale(s, 30), Scale(s, 9)}, {Scale(s, 27), Scale(s, 19)}};
    FillPolygon(dc, head, 3, RGB(0, 130, 60), RGB(0, 130, 60));
}

void PaintDownload(HDC dc, int s) {
    const POINT arrow[] = {{Scale(s, 11), Scale(s, 3)},  {Scale(s, 21), Scale(s, 3)},
                           {Scale(s, 21), Scale(s, 14)}, {Scale(s, 27), Scale(s, 14)},
                           {Scale(s, 16), Scale(s, 25)}, {Scale(s, 5), Scale(s, 14)},
                           {Scale(s, 11), Scale(s, 14)}};
    FillPolygon(dc, arrow, 7, RGB(30, 90, 200), RGB(20, 60, 140));
    Line(dc, Scale(s, 4), Scale(s, 28), Scale(s, 28), Scale(s, 28), Scale(s, 3), RGB(20, 60, 140));
}

void PaintStop(HDC dc, int s) {
    const int a = Scale(s, 9), b = Scale(s, 23), m = Scale(s, 3), n = Scale(s, 29);
    const POINT octagon[] = {{a, m}, {b, m}, {n, a}, {n, b}, {b, n}, {a, n}, {m, b}, {m, a}};
    FillPolygon(dc, octagon, 8, RGB(210, 30, 30), RGB(140, 10, 10));
    Line(dc, Scale(s, 10), Scale(s, 16), Scale(s, 22), Scale(s, 16), Scale(s, 4),
         RGB(255, 255, 255));
}

void PaintAbout(HDC dc, int s) {
    FillEllipse(dc, Scale(s, 3), Scale(s, 3), Scale(s, 29), Scale(s, 29), RGB(40, 110, 210),
                RGB(20, 60, 140));
    Line(dc, Scale(s, 16), Scale(s, 14), Scale(s, 16), Scale(s, 24), Scale(s, 4),
         RGB(255, 255, 255));
    FillEllipse(dc, Scale(s, 14), Scale(s, 7), Scale(s, 18), Scale(s, 11), RGB(255, 255, 255),
                RGB(255, 255, 255));
}

void PaintExit(HDC dc, int s) {
    const POINT door[] = {{Scale(s, 6), Scale(s, 3)},
                          {Scale(s, 20), Scale(s, 3)},
                          {Scale(s, 20), Scale(s, 29)},
                          {Scale(s, 6), Scale(s, 29)}};
    FillPolygon(dc, door, 4, RGB(150, 100, 50), RGB(90, 60, 30));
    Line(dc, Scale(s, 14), Scale(s, 16), Scale(s, 29), Scale(s, 16), Scale(s, 3), RGB(200, 30, 30));
    const POINT head[] = {
        {Scale(s, 24), Scale(s, 10)}, {Scale(s, 30), Scale(s, 16)}, {Scale(s, 24), Scale(s, 22)}};
    FillPolygon(dc, head, 3, RGB(200, 30, 30), RGB(200, 30, 30));
}

void PaintWeb(HDC dc, int s) {
    FillEllipse(dc, 1, 1, s - 1, s - 1, RGB(250, 250, 235), RGB(60, 60, 60));
    const int c = s / 2;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 3.14159265 / 4;
        Line(dc, c, c, c + static_cast<int>(std::cos(angle) * (c - 2)),
             c + static_cast<int>(std::sin(angle) * (c - 2)), 1, RGB(60, 60, 60));
    }
    win32::SelectGuard b(dc, GetStockObject(NULL_BRUSH));
    for (int r = c / 3; r < c; r += c / 3) {
        win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(60, 60, 60)));
        win32::SelectGuard p(dc, pen.Get());
        Ellipse(dc, c - r, c - r, c + r, c + r);
    }
}

// A picture with a mask: the mask marks every pixel the painter left at the key colour.
struct Picture {
    win32::BitmapObject Colour;
    win32::BitmapObject Mask;
};

Picture Paint(const Painter& painter, int size) {
    constexpr COLORREF Key = RGB(255, 0, 255);
    const win32::WindowDc screen(nullptr);
    Picture picture{win32::BitmapObject(CreateCompatibleBitmap(screen.Get(), size, size)),
                    win32::BitmapObject(CreateBitmap(size, size, 1, 1, nullptr))};
    const win32::CreatedDc colourDc(CreateCompatibleDC(screen.Get()));
    const win32::CreatedDc maskDcOwner(CreateCompatibleDC(screen.Get()));
    const HDC dc = colourDc.Get();
    const HDC maskDc = maskDcOwner.Get();
    {
        win32::SelectGuard colour(dc, picture.Colour.Get());
        win32::BrushObject key(CreateSolidBrush(Key));
        const RECT all{0, 0, size, size};
        FillRect(dc, &all, key.Get());
        painter(dc, size);
        win32::SelectGuard mask(maskDc, picture.Mask.Get());
        SetBkColor(dc, Key);
        BitBlt(maskDc, 0, 0, size, size, dc, 0, 0, SRCCOPY);
        // Transparent pixels must be black in the colour picture for masked drawing.
        SetBkColor(dc, RGB(0, 0, 0));
        SetTextColor(dc, RGB(255, 255, 255));
        BitBlt(dc, 0, 0, size, size, maskDc, 0, 0, SRCAND);
    }
    return picture;
}

} // namespace

HIMAGELIST CreateToolbarImages(int size) {
    const Painter painters[] = {PaintSettings, PaintRefresh, PaintDownload,
                                PaintStop,     PaintAbout,   PaintExit};
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 6, 0);
    for (const Painter& painter : painters) {
        Picture picture = Paint(painter, size);
        ImageList_Add(list, picture.Colour.Get(), picture.Mask.Get());
    }
    return list;
}

HICON CreateProgramIcon(int size) {
    Picture picture = Paint(PaintWeb, size);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = picture.Colour.Get();
    info.hbmMask = picture.Mask.Get();
    return CreateIconIndirect(&info);
}

} // namespace cobwen
