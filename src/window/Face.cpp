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
    if (!dc) throw ui::Error(L"Cannot measure the face texts.");
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(size_, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, fontName_.c_str(), LF_FACESIZE);
    font_.Reset(CreateFontIndirectW(&lf));
    SIZE extent{};
    TEXTMETRICW metrics{};
    {
        ui::Selected selected(dc, font_.Get());
        GetTextMetricsW(dc, &metrics);
        if (!text_.empty()) GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
    }
    ReleaseDC(nullptr, dc);
    width_ = extent.cx;
    height_ = metrics.tmHeight;
    if (onChange) onChange();
}

// --- FacePanel -----------------------------------------------------------------------------------

void FacePanel::Create(HWND parent, int x, int y, int w, int h) {
    RegisterClassOnce(L"OrbinFacePanel", nullptr, CS_HREDRAW | CS_VREDRAW);
    CreateWindowOf(L"OrbinFacePanel", L"Face", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, x, y, w, h, parent);
}

COLORREF FacePanel::Color() const {
    return systemColor_ < 0 ? color_ : GetSysColor(systemColor_);
}

void FacePanel::SetColor(COLORREF color) {
    color_ = color;
    systemColor_ = -1;
    Repaint();
}

void FacePanel::SetSystemColor(int index) {
    systemColor_ = index;
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

void FacePanel::SetWidth(int w) {
    SetWindowPos(hwnd_, nullptr, 0, 0, w, Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FacePanel::SetHeight(int h) {
    SetWindowPos(hwnd_, nullptr, 0, 0, Width(), h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FacePanel::ClipToRoundedRect() {
    ui::Region region(CreateRoundRectRgn(2, 2, Width() - 2, Height() - 2, 11, 11));
    if (!region) throw ui::Error(L"Cannot shape the clock face.");
    if (!SetWindowRgn(hwnd_, region.Get(), TRUE)) throw ui::Error(L"Cannot shape the clock face.");
    region.Release_();  // the window owns it now
}

void FacePanel::Repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
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
    ui::Brush background(CreateSolidBrush(Color()));
    FillRect(dc, &client, background.Get());
    SetBkMode(dc, TRANSPARENT);
    for (FaceText* t : texts) {
        if (!t || !t->Font()) continue;
        ui::Selected font(dc, t->Font());
        SetTextColor(dc, t->Color());
        TextOutW(dc, t->Left(), t->Top(), t->Text().c_str(), static_cast<int>(t->Text().size()));
    }
}

// A click is a press and a release on the same element, as a label's click is.
void FacePanel::MouseDown(POINT at) {
    pressed_ = true;
    pressedText_ = TextAt(at);
    SetCapture(hwnd_);
}

void FacePanel::MouseUp(POINT at) {
    bool wasPressed = pressed_;
    pressed_ = false;
    if (GetCapture() == hwnd_) ReleaseCapture();
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!wasPressed || !PtInRect(&client, at)) return;
    FaceText* hit = TextAt(at);
    if (hit != pressedText_) return;
    if (hit) {
        if (onTextClick) onTextClick(*hit);
    } else if (onBackgroundClick) {
        onBackgroundClick();
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
        case WM_LBUTTONDOWN:
            MouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_LBUTTONUP:
            MouseUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != hwnd_) pressed_ = false;
            return 0;
        default:
            return Window::HandleMessage(msg, wp, lp);
    }
}
