#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/Error.h"

namespace testbed {

// For the life of the object, HKEY_CURRENT_USER of this process is a fresh scratch key, so no test ever
// reads or writes a user's real settings (on Wine or on Windows). The scratch key is removed afterwards.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // The scratch key's path below the real HKEY_CURRENT_USER (for a child process to redirect to).
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
    HKEY scratch_ = nullptr;
};

// Collects what would have gone to the error box.
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    std::vector<std::wstring> messages;

private:
    ui::ErrorSink previous_;
};

// Dispatches every message waiting for this thread (posted and sent), without blocking.
void Pump();
// Pumps until `done` is true or the time runs out; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The folder of the running test program, with a trailing separator: the programs under test are there.
std::wstring BinFolder();

// A top-level window of this process's thread with that caption, or nullptr.
HWND FindThreadWindow(const wchar_t* className, const wchar_t* caption);

// A child process; waits for it and closes it on destruction.
class Process {
public:
    explicit Process(const std::wstring& commandLine);
    ~Process();
    bool Started() const { return info_.hProcess != nullptr; }
    // Waits for the end while pumping this thread's messages; returns the exit code, or -1 on time-out.
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    void Kill();
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace testbed
