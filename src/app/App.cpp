#include "app/App.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/Messages.h"
#include "ui/Error.h"
#include "window/SettingsWindow.h"

namespace {

// At most one settings window per desktop: a second start brings the first to the front and ends.
bool HandOverToRunningWindow() {
    HWND running = FindWindowW(kSettingsClass, kSettingsCaption);
    if (!running) return false;
    SendNotifyMessageW(running, kActivationMessage, 0, 0);
    SetForegroundWindow(running);
    return true;
}

int RunMessageLoop(SettingsWindow& settings) {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND window = settings.Handle();
        if (settings.TranslateShortcut(msg)) continue;
        if (window && IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int RunSettingsApp() {
    if (HandOverToRunningWindow()) return 0;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // The sound file dialog is a COM object of the shell.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    SettingsWindow window;
    window.onDestroyed = [] { PostQuitMessage(0); };
    bool created = false;
    ui::Guarded([&] {
        window.Create();
        created = true;
    });
    if (!created) {
        if (SUCCEEDED(com)) CoUninitialize();
        return 1;
    }
    window.Show();
    int code = RunMessageLoop(window);
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}
