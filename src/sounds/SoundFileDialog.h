#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace sounds {

struct OpenDialogSettings {
    HWND owner = nullptr;
    std::wstring title;
    std::wstring filterName;
    std::wstring filterPatterns;  // "*.wav;*.mp3"
    std::wstring initialFolder;   // a folder that does not exist leaves the dialog's own choice
    // The highlighted item changed: its full path, or empty when no file is highlighted.
    std::function<void(const std::wstring& highlighted)> onSelectionChange;
};

// The shell's open dialog, modal; the accepted file's full path, or nothing when cancelled.
std::optional<std::wstring> ShowOpenDialog(const OpenDialogSettings& settings);

}  // namespace sounds
