#include "support/StandInClock.h"

#include <fstream>
#include <sstream>

namespace testbed {

namespace {
int clockCounter = 0;
}

StandInClock::StandInClock(const std::wstring& className, const std::wstring& caption)
    : className_(className), caption_(caption) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    log_ = std::wstring(temp) + L"orbin-clock-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++clockCounter) + L".log";
    DeleteFileW(log_.c_str());
    process_ = std::make_unique<Process>(L"\"" + BinFolder() + L"stand_in_clock.exe\" \"" + log_ + L"\" \"" +
                                         className + L"\" \"" + caption + L"\"");
    PumpUntil([&] { return !Lines().empty(); });
}

StandInClock::~StandInClock() {
    if (HWND hwnd = Window()) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    process_->Wait(std::chrono::seconds(5));
    process_.reset();
    DeleteFileW(log_.c_str());
}

std::vector<std::string> StandInClock::Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(log_.c_str());
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

bool StandInClock::Ready() { return !Lines().empty() && Lines().front() == "ready"; }

std::vector<std::string> StandInClock::Notices() const {
    std::vector<std::string> notices;
    for (const auto& line : Lines())
        if (line.rfind("notice", 0) == 0) notices.push_back(line);
    return notices;
}

bool StandInClock::WaitForNotices(size_t count) {
    return PumpUntil([&] { return Notices().size() >= count; }, std::chrono::seconds(5));
}

HWND StandInClock::Window() const { return FindWindowW(className_.c_str(), caption_.c_str()); }

}  // namespace testbed
