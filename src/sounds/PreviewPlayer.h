#pragma once
#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include <string>

#include "ui/Handles.h"

namespace sounds {

void CloseMediaDevice(MCIDEVICEID device);  // stops it first
using MediaDevice = ui::Owned<MCIDEVICEID, CloseMediaDevice>;

// One sound file on the media control interface, playing from its construction. The end of playback
// reaches the notify window as MM_MCINOTIFY with this device's id in lParam. The file is passed as a
// parameter structure, never inside a command string, so no file name can add commands.
class PreviewPlayer {
public:
    // Opens the file (the service picks the device from its type) and starts playing without waiting.
    // Throws ui::Error with the media service's own text; then no device stays open.
    PreviewPlayer(const std::wstring& file, HWND notifyWindow);
    ~PreviewPlayer();
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    MCIDEVICEID Device() const { return device_.Get(); }
    const std::wstring& File() const { return file_; }
    static int LiveCount();  // players alive now

private:
    std::wstring file_;
    MediaDevice device_;
};

}  // namespace sounds
