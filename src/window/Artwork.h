#pragma once
#include <windows.h>
#include <commctrl.h>

// The program's own pictures, drawn in code so that they scale with the screen.
HIMAGELIST CreateTabImages();               // seven 16 x 16 tab icons, in the order the pages use them
void PaintHeaderPicture(HDC dc, const RECT& r);  // the small clock in the header
HICON LoadProgramIcon(int size);
