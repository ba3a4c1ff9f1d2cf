// The real program, with the current user's registry redirected first to the scratch key named on the
// command line (below the real HKEY_CURRENT_USER), so tests can start it as its own process safely.
//   OrbinSettingsUnderTest.exe <scratch key path>
#include <windows.h>
#include <shellapi.h>

#include "app/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;  // never run against the real settings
    HKEY scratch = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, argv[1], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &scratch, nullptr) !=
            ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, scratch) != ERROR_SUCCESS)
        return 3;
    LocalFree(argv);
    int code = RunSettingsApp();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch);
    return code;
}
