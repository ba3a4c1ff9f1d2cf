#include "ui/Window.h"

#include "ui/Controls.h"
#include "ui/Error.h"

namespace ui {

int ScreenDpi() {
    static const int dpi = [] {
        HDC dc = GetDC(nullptr);
        int value = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int Scale(int value) { return MulDiv(value, ScreenDpi(), 96); }

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
    if (hwnd_) {
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::RegisterClassOnce(const wchar_t* className, HICON icon, UINT classStyle) {
    WNDCLASSEXW existing{sizeof(existing)};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing)) return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) throw Error(L"Cannot register the window class " + std::wstring(className));
}

void Window::CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                            int x, int y, int w, int h, HWND parent) {
    HWND hwnd = CreateWindowExW(exStyle, className, caption, style, x, y, w, h, parent, nullptr,
                                GetModuleHandleW(nullptr), this);
    if (!hwnd) throw Error(L"Cannot create the window " + std::wstring(caption ? caption : className));
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToControl(msg, wp, lp, result)) return result;
    if (msg == WM_SETFONT) {
        font_ = reinterpret_cast<HFONT>(wp);
        return 0;
    }
    if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] {
        result = self->HandleMessage(msg, wp, lp);
        handled = true;
    });
    if (!handled) result = DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {  // the last message: the object no longer has a window
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lp);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(lp);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
        break;
    case WM_CONTEXTMENU:
        child = reinterpret_cast<HWND>(wp);
        break;
    default:
        return false;
    }
    Control* control = child ? Control::FromHandle(child) : nullptr;
    return control && control->Reflect(msg, wp, lp, result);
}

}  // namespace ui
