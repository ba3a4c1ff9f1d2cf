#pragma once
#include <initializer_list>

#include "ui/Controls.h"

// One row of a page's layout: the control, its caption, its hint and where it goes (96-DPI pixels).
// `initial` is a check box's state (0 or 1) or a slider's position.
struct Placement {
    ui::Control* control;
    const wchar_t* caption;
    const wchar_t* hint;
    int x, y, w, h;
    int initial = 0;
};

// Creates the controls of one table on `parent` and gives each hint to the tooltips.
void Place(HWND parent, ui::ToolTips& hints, std::initializer_list<Placement> rows);

// Program texts that are ours to choose.
inline constexpr wchar_t kHomePage[] = L"https://www.quillmoor.net/orbin/";
inline constexpr wchar_t kCreditLine[] = L"(c) Quillmoor - www.quillmoor.net";
