#pragma once
#include <string>

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

// One page of a PageControl: a plain container whose controls' notifications come back to them.
class Page : public Window {
public:
    std::wstring caption;
    int imageIndex = -1;
    Event onShow;
    void Create(HWND parent, const RECT& area);
    bool Visible() const { return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE); }
};

}  // namespace ui
