#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "support/Sandbox.h"

namespace testbed {

// Starts the stand-in clock program and reads back the notices it received, in order.
class StandInClock {
public:
    explicit StandInClock(const std::wstring& className = L"TOrbin", const std::wstring& caption = L"Orbin");
    ~StandInClock();
    bool Ready();  // its window exists
    std::vector<std::string> Notices() const;  // "notice <wParam> <lParam>"
    // Waits until at least `count` notices arrived (pumping this thread); false on time-out.
    bool WaitForNotices(size_t count);
    HWND Window() const;

private:
    std::vector<std::string> Lines() const;
    std::wstring log_;
    std::wstring className_, caption_;
    std::unique_ptr<Process> process_;
};

}  // namespace testbed
