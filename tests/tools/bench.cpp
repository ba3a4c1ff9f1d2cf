// Prints how long the settings window takes to open (creation, all controls, the initial load) and
// how much memory it holds, over a few rounds against a scratch registry.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "support/Sandbox.h"
#include "window/SettingsWindow.h"

int wmain(int argc, wchar_t** argv) {
    int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
    if (rounds < 1) rounds = 1;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;

    std::vector<double> ms;
    SIZE_T workingSet = 0;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        {
            SettingsWindow window;
            window.Create();
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            PROCESS_MEMORY_COUNTERS memory{sizeof(memory)};
            if (GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory)))
                workingSet = std::max(workingSet, memory.WorkingSetSize);
        }
        testbed::Pump();
    }
    double first = ms.front();
    std::sort(ms.begin(), ms.end());
    wprintf(L"window open (create + load): first %.1f ms, median %.1f ms, best %.1f ms over %d rounds\n", first,
            ms[ms.size() / 2], ms.front(), rounds);
    wprintf(L"peak working set: %.1f MiB\n", static_cast<double>(workingSet) / (1024.0 * 1024.0));
    for (const auto& message : errors.messages) fwprintf(stderr, L"error: %ls\n", message.c_str());
    return errors.messages.empty() ? 0 : 1;
}
