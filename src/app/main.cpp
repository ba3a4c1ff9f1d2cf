#include <windows.h>

#include "app/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunSettingsApp(); }
