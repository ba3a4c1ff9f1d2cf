// Plays the clock program in tests: a top-level window of class "TOrbin" with the caption "Orbin" (or
// others named on the command line) that writes every clock notice it receives to a log file.
//   stand_in_clock.exe <log file> [class] [caption]
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

HANDLE logFile = INVALID_HANDLE_VALUE;

void Log(const std::string& line) {
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(logFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    FlushFileBuffers(logFile);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER + 5) {
        Log("notice " + std::to_string(static_cast<unsigned long long>(wp)) + " " +
            std::to_string(static_cast<long long>(lp)));
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;
    const wchar_t* className = argc > 2 ? argv[2] : L"TOrbin";
    const wchar_t* caption = argc > 3 ? argv[3] : L"Orbin";
    logFile = CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (logFile == INVALID_HANDLE_VALUE) return 3;

    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, className, caption, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd) return 4;
    Log("ready");
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    CloseHandle(logFile);
    LocalFree(argv);
    return 0;
}
