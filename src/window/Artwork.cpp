#include "window/Artwork.h"

#include "ui/Handles.h"
#include "ui/Window.h"

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);
constexpr COLORREF kOrange = RGB(255, 128, 0);

void Box(HDC dc, int x, int y, int w, int h, COLORREF color) {
    RECT r{x, y, x + w, y + h};
    ui::Brush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.Get());
}

void Outline(HDC dc, int x, int y, int w, int h, COLORREF color) {
    RECT r{x, y, x + w, y + h};
    ui::Brush brush(CreateSolidBrush(color));
    FrameRect(dc, &r, brush.Get());
}

void Disc(HDC dc, int x, int y, int w, int h, COLORREF fill, COLORREF line) {
    ui::Brush brush(CreateSolidBrush(fill));
    ui::Pen pen(CreatePen(PS_SOLID, 1, line));
    ui::Selected b(dc, brush.Get());
    ui::Selected p(dc, pen.Get());
    Ellipse(dc, x, y, x + w, y + h);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1) {
    ui::Pen pen(CreatePen(PS_SOLID, width, color));
    ui::Selected p(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Each icon on a 16 x 16 grid, magenta where it is transparent.
void DrawTabIcon(HDC dc, int index) {
    Box(dc, 0, 0, 16, 16, kMask);
    switch (index) {
    case 0:  // Visual: a palette of colours
        Disc(dc, 1, 2, 14, 12, RGB(240, 220, 180), RGB(120, 90, 40));
        Box(dc, 4, 5, 3, 3, RGB(220, 0, 0));
        Box(dc, 8, 4, 3, 3, RGB(0, 160, 0));
        Box(dc, 10, 8, 3, 3, RGB(0, 0, 220));
        Box(dc, 5, 9, 3, 3, kOrange);
        break;
    case 1:  // About: information
        Disc(dc, 1, 1, 14, 14, RGB(30, 90, 200), RGB(20, 60, 140));
        Box(dc, 7, 4, 2, 2, RGB(255, 255, 255));
        Box(dc, 7, 7, 2, 5, RGB(255, 255, 255));
        break;
    case 2: {  // Sounds: a loudspeaker
        Box(dc, 2, 6, 3, 4, RGB(60, 60, 60));
        POINT cone[] = {{5, 6}, {9, 2}, {9, 13}, {5, 9}};
        ui::Brush brush(CreateSolidBrush(RGB(60, 60, 60)));
        ui::Pen pen(CreatePen(PS_SOLID, 1, RGB(60, 60, 60)));
        ui::Selected b(dc, brush.Get());
        ui::Selected p(dc, pen.Get());
        Polygon(dc, cone, 4);
        Line(dc, 11, 5, 11, 11, RGB(0, 120, 200));
        Line(dc, 13, 3, 13, 13, RGB(0, 120, 200));
        break;
    }
    case 3:  // spare
        Disc(dc, 3, 3, 10, 10, RGB(200, 200, 200), RGB(120, 120, 120));
        break;
    case 4:  // Calendar: a sheet with a red top
        Box(dc, 1, 2, 14, 13, RGB(255, 255, 255));
        Outline(dc, 1, 2, 14, 13, RGB(80, 80, 80));
        Box(dc, 2, 3, 12, 3, RGB(200, 30, 30));
        for (int y = 8; y <= 12; y += 2)
            for (int x = 3; x <= 11; x += 3) Box(dc, x, y, 2, 1, RGB(60, 60, 60));
        break;
    case 5:  // General: a ticked box
        Box(dc, 2, 2, 12, 12, RGB(255, 255, 255));
        Outline(dc, 2, 2, 12, 12, RGB(60, 60, 60));
        Line(dc, 4, 8, 7, 11, RGB(0, 140, 0), 2);
        Line(dc, 7, 11, 12, 4, RGB(0, 140, 0), 2);
        break;
    case 6:  // Clock: a dial with hands
        Disc(dc, 1, 1, 14, 14, RGB(255, 255, 255), RGB(40, 40, 40));
        Line(dc, 8, 8, 8, 3, RGB(0, 0, 0));
        Line(dc, 8, 8, 11, 10, kOrange, 2);
        break;
    }
}

}  // namespace

HIMAGELIST CreateTabImages() {
    const int kCount = 7;
    int size = ui::Scale(16);
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kCount, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (int i = 0; i < kCount; ++i) {
        // Drawn at 16 x 16 and stretched, so the shapes keep their proportions at any DPI.
        ui::Bitmap small(CreateCompatibleBitmap(screen, 16, 16));
        {
            ui::Selected s(dc, small.Get());
            DrawTabIcon(dc, i);
        }
        ui::Bitmap scaled(CreateCompatibleBitmap(screen, size, size));
        HDC source = CreateCompatibleDC(screen);
        {
            ui::Selected from(source, small.Get());
            ui::Selected to(dc, scaled.Get());
            StretchBlt(dc, 0, 0, size, size, source, 0, 0, 16, 16, SRCCOPY);
        }
        DeleteDC(source);
        ImageList_AddMasked(list, scaled.Get(), kMask);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

void PaintHeaderPicture(HDC dc, const RECT& r) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    ui::Brush face(CreateSolidBrush(RGB(0, 0, 0)));
    ui::Selected b(dc, face.Get());
    ui::Selected p(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, r.left, r.top, r.right + 1, r.bottom + 1, ui::Scale(9), ui::Scale(9));
    // The largest bold font whose "12:00" fits the picture, whatever font the system gives for the name.
    const wchar_t kText[] = L"12:00";
    ui::Font font;
    for (int height = (r.bottom - r.top) * 3 / 4; height > 4; --height) {
        font.Reset(CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                               L"MS Sans Serif"));
        ui::Selected trial(dc, font.Get());
        SIZE size{};
        GetTextExtentPoint32W(dc, kText, 5, &size);
        if (size.cx <= r.right - r.left - ui::Scale(4)) break;
    }
    ui::Selected f(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kOrange);
    RECT text = r;
    DrawTextW(dc, kText, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
}
