#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ui {

// Owns one handle and releases it with the function its kind needs.
template <class H, auto Release, H Null = H{}>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, Null)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Null));
        return *this;
    }
    ~Owned() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != Null; }
    void Reset(H h = Null) {
        if (h_ != Null) Release(h_);
        h_ = h;
    }
    // Gives up ownership, for APIs that take it over (SetWindowRgn).
    H Release_() { return std::exchange(h_, Null); }

private:
    H h_ = Null;
};

inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void CloseRegKey(HKEY h) { RegCloseKey(h); }

using Font = Owned<HFONT, DeleteGdiObject>;
using Brush = Owned<HBRUSH, DeleteGdiObject>;
using Region = Owned<HRGN, DeleteGdiObject>;
using Bitmap = Owned<HBITMAP, DeleteGdiObject>;
using Pen = Owned<HPEN, DeleteGdiObject>;
using Menu = Owned<HMENU, DestroyMenu>;
using Icon = Owned<HICON, DestroyIcon>;
using ImageList = Owned<HIMAGELIST, ImageList_Destroy>;
using RegKey = Owned<HKEY, CloseRegKey>;

// Selects a GDI object into a DC for one scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace ui
