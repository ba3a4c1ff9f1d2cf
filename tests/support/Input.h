#pragma once
#include <windows.h>

#include "ui/Controls.h"

// The messages a user's hand would cause, sent to the real controls.
namespace testbed {

// A click on a button or check box, as the user's mouse gives it (BM_CLICK).
void Press(const ui::Control& button);
// A left click at a point of the window's client area: button down, then up.
void ClickAt(HWND hwnd, POINT client);
// A drag of a slider's thumb to `position`: the slider moves, then tells its parent as a drag does.
void DragSlider(HWND slider, int position);
// A pick from a drop-down list: the selection moves, then the parent hears of the change.
void PickItem(HWND combo, int index);
// A user's edit of a date-time picker: the value changes, then the picker tells its parent.
void EditPicker(HWND picker, const SYSTEMTIME& value);

}  // namespace testbed
