#include "window/Face.h"

#include <windowsx.h>

#include "ui/Error.h"

// --- FaceText ------------------------------------------------------------------------------------

void FaceText::SetText(const std::wstring& text) {
    text_ = text;
    Remeasure();
}

void FaceText::SetFontName(const std::wstring& name) {
    fontName_ = name;
    Remeasure();
}

void FaceText::SetSize(int points) {
    size_ = points;
    Remeasure();
}

void FaceText::SetColor(COLORREF color) {
    color_ = color;
    if (onChange) onChange();
}

void FaceText::SetBold(bool bold) {
    bold_ = bold;
    Remeasure();
}

void FaceText::SetTop(int top) {
    top_ = top;
    if (onChange) onChange();
}

void FaceText::SetLeft(int left) {
    left_ = left;
    if (onChange) onChange();
}

void FaceText::Remeasure() {
    HDC dc = GetDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(size_, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, fontName_.c_str(), LF_FACESIZE);
    font_.Reset(CreateFontIndirectW(&lf));
    SIZE extent{};
    {
        ui::Selected selected(dc, font_.Get());
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        if (!text_.empty()) GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
        extent.cy = metrics.tmHeight;
    }
    ReleaseDC(nullptr, dc);
    width_ = extent.cx;
    height_ = extent.cy;
    if (onChange) onChange();
}

// --- FacePanel -----------------------------------------------------------------------------------

void FacePanel::Create(HWND parent, int x, int y, int w, int h) {
    RegisterClassOnce(L"OrbinFacePanel", nullptr, CS_HREDRAW | CS_VREDRAW);
    CreateWindowOf(L"OrbinFacePanel", L"Face", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, x, y, w, h, parent);
}

void FacePanel::SetColor(COLORREF color) {
    color_ = color;
    Repaint();
}

int FacePanel::Width() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.right - r.left;
}

int FacePanel::Height() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void FacePanel::SetWidth(int w) { SetWindowPos(hwnd_, nullptr, 0, 0, w, Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }
void FacePanel::SetHeight(int h) { SetWindowPos(hwnd_, nullptr, 0, 0, Width(), h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }

void FacePanel::Repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

FaceText* FacePanel::TextAt(POINT client) const {
    // The last text drawn is on top, so it wins where texts overlap.
    for (int i = 2; i >= 0; --i) {
        FaceText* t = texts[i];
        if (!t) continue;
        RECT r{t->Left(), t->Top(), t->Left() + t->Width(), t->Top() + t->Height()};
        if (PtInRect(&r, client)) return t;
    }
    return nullptr;
}

void FacePanel::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    ui::Brush background(CreateSolidBrush(color_));
    FillRect(dc, &client, background.Get());
    SetBkMode(dc, TRANSPARENT);
    for (FaceText* t : texts) {
        if (!t) continue;
        ui::Selected font(dc, t->Font());
        SetTextColor(dc, t->Color());
        TextOutW(dc, t->Left(), t->Top(), t->Text().c_str(), static_cast<int>(t->Text().size()));
    }
}

LRESULT FacePanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd_, &ps);
        Paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_LBUTTONUP: {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (FaceText* t = TextAt(at)) {
            if (onTextClick) onTextClick(*t);
        } else if (onBackgroundClick) {
            onBackgroundClick();
        }
        return 0;
    }
    default:
        return Window::HandleMessage(msg, wp, lp);
    }
}
