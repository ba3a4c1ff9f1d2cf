// Previews of sound files through the media control interface, one at a time.
#include <algorithm>
#include <iterator>

#include "sounds/PreviewPlayer.h"
#include "window/SettingsWindow.h"

struct SettingsWindow::Preview : sounds::PreviewPlayer {
    using PreviewPlayer::PreviewPlayer;
};

void SettingsWindow::ReleasePreview(Preview* preview) {
    delete preview;
}

namespace {

bool IsExistingFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// From the last dot of the file name part, or empty.
std::wstring UpperExtension(const std::wstring& path) {
    size_t at = path.find_last_of(L".\\:");
    if (at == std::wstring::npos || path[at] != L'.') return {};
    std::wstring extension = path.substr(at);
    CharUpperBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    return extension;
}

}  // namespace

bool SettingsWindow::PreviewPlaying() const {
    return static_cast<bool>(preview_);
}
std::wstring SettingsWindow::PreviewFile() const {
    return preview_ ? preview_.Get()->File() : std::wstring();
}

// Every stop request is a preview of nothing.
void SettingsWindow::PlayPreview(const std::wstring& path) {
    StopPreview();
    if (path.empty() || !IsExistingFile(path)) return;
    preview_.Reset(new Preview(path, hwnd_));
}

void SettingsWindow::StopPreview() {
    if (!preview_) return;
    preview_.Reset();
    // The service may give the next device the same id: a notice still queued for this one must not be
    // taken for the next one's.
    MSG stale{};
    while (hwnd_ && PeekMessageW(&stale, hwnd_, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
}

// Only the end of the running preview's own playback releases it; the aborted notices that a stop
// causes, and notices of devices already released, change nothing.
void SettingsWindow::HandleMediaNotice(WPARAM flags, LPARAM device) {
    if (!preview_ || static_cast<MCIDEVICEID>(device) != preview_.Get()->Device()) return;
    if (flags & (MCI_NOTIFY_SUCCESSFUL | MCI_NOTIFY_FAILURE)) StopPreview();
}

void SettingsWindow::sbplysndopenClick() {
    std::wstring path = eaddsound.Text();
    if (path.size() > 3) PlayPreview(path);
}

void SettingsWindow::sbplysndlistClick() {
    int index = ListView1.SelectedIndex();
    if (index < 0) return;
    const auto& row = ListView1.RowAt(index);
    PlayPreview(row.subItems.size() > 1 ? row.subItems[1] : std::wstring());
}

void SettingsWindow::ListView1Click() {
    PlayPreview(L"");
}

// The dialog lists video types too, but only sounds are previewed.
void SettingsWindow::FileOpen1OpenDialogSelectionChange(const std::wstring& highlighted) {
    static const wchar_t* const kSoundTypes[] = {L".WAV", L".MP3", L".MID", L".MIDI"};
    std::wstring extension = UpperExtension(highlighted);
    bool sound = std::any_of(std::begin(kSoundTypes), std::end(kSoundTypes),
                             [&](const wchar_t* type) { return extension == type; });
    PlayPreview(sound ? highlighted : std::wstring());
}

void SettingsWindow::FileOpen1Accept() {
    if (preview_) StopPreview();
}
