#include "support/Sandbox.h"

#include <mmsystem.h>

#include <gtest/gtest.h>

namespace testbed {

namespace {
int sandboxCounter = 0;

// Wine keeps the list of its sound devices below HKEY_CURRENT_USER; a bare scratch key would hide it from
// the media service, and sound would fail to open. (On Windows there is no such key: nothing is copied.)
void CopyWineDriverSettings(HKEY scratch) {
    constexpr wchar_t kDrivers[] = L"Software\\Wine\\Drivers";
    static const bool listed = (waveOutGetNumDevs(), true);  // the driver records its devices on first use
    (void)listed;
    HKEY real = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDrivers, 0, KEY_READ, &real) != ERROR_SUCCESS) return;
    HKEY copy = nullptr;
    if (RegCreateKeyExW(scratch, kDrivers, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &copy, nullptr) == ERROR_SUCCESS) {
        RegCopyTreeW(real, nullptr, copy);
        RegCloseKey(copy);
    }
    RegCloseKey(real);
}
}  // namespace

RegistrySandbox::RegistrySandbox() {
    path_ = std::wstring(L"Software\\OrbinSettingsTests\\") + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++sandboxCounter);
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                     &scratch_, nullptr);
    if (status != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot create the scratch key";
        return;
    }
    CopyWineDriverSettings(scratch_);
    status = RegOverridePredefKey(HKEY_CURRENT_USER, scratch_);
    if (status != ERROR_SUCCESS) ADD_FAILURE() << "cannot redirect HKEY_CURRENT_USER";
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (scratch_) RegCloseKey(scratch_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OrbinSettingsTests");  // only once no other run uses it
}

ErrorCapture::ErrorCapture() {
    previous_ = ui::SetErrorSink([this](const std::wstring& message) { messages.push_back(message); });
}

ErrorCapture::~ErrorCapture() { ui::SetErrorSink(std::move(previous_)); }

void Pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    return true;
}

std::wstring BinFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

HWND FindThreadWindow(const wchar_t* className, const wchar_t* caption) {
    struct Search {
        const wchar_t* className;
        const wchar_t* caption;
        HWND found;
    } search{className, caption, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[256] = {}, text[512] = {};
            GetClassNameW(hwnd, cls, 256);
            GetWindowTextW(hwnd, text, 512);
            if ((!s->className || lstrcmpW(cls, s->className) == 0) && (!s->caption || lstrcmpW(text, s->caption) == 0) &&
                IsWindowVisible(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Process::Process(const std::wstring& commandLine) {
    STARTUPINFOW startup{sizeof(startup)};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
        info_ = {};
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

int Process::Wait(std::chrono::milliseconds timeout) {
    if (!info_.hProcess) return -1;
    bool ended = PumpUntil([&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, timeout);
    if (!ended) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

void Process::Kill() {
    if (info_.hProcess) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

}  // namespace testbed
