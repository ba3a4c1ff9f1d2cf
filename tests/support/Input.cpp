#include "support/Input.h"

#include <commctrl.h>

namespace testbed {

void Press(const ui::Control& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }

void ClickAt(HWND hwnd, POINT client) {
    LPARAM at = MAKELPARAM(client.x, client.y);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

void DragSlider(HWND slider, int position) {
    HWND parent = GetParent(slider);
    auto scroll = [&](WORD code) {
        SendMessageW(parent, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(slider));
    };
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    scroll(TB_THUMBTRACK);
    scroll(TB_THUMBPOSITION);
    scroll(TB_ENDTRACK);
}

void PickItem(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void EditPicker(HWND picker, const SYSTEMTIME& value) {
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(picker));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = value;
    SendMessageW(GetParent(picker), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

}  // namespace testbed
