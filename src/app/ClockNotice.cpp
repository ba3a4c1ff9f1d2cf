#include "app/Messages.h"

void SendClockNotice(WPARAM wParam) {
    if (HWND clock = FindWindowW(kClockClass, kClockCaption)) PostMessageW(clock, kClockNotice, wParam, 0);
}
