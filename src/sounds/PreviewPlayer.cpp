#include "sounds/PreviewPlayer.h"

#include <atomic>

#include "ui/Error.h"

namespace sounds {

namespace {

std::atomic<int> liveCount{0};

[[noreturn]] void ThrowMediaError(MCIERROR error) {
    wchar_t text[MAXERRORLENGTH] = {};
    if (!mciGetErrorStringW(error, text, MAXERRORLENGTH) || !text[0])
        throw ui::Error(L"The media service failed with error " + std::to_wstring(error) + L".");
    throw ui::Error(text);
}

}  // namespace

void CloseMediaDevice(MCIDEVICEID device) {
    MCI_GENERIC_PARMS parameters{};
    mciSendCommandW(device, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parameters));
    mciSendCommandW(device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parameters));
}

PreviewPlayer::PreviewPlayer(const std::wstring& file, HWND notifyWindow) : file_(file) {
    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = file_.c_str();
    MCIERROR error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open));
    if (error) ThrowMediaError(error);
    device_.Reset(open.wDeviceID);
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow);
    error = mciSendCommandW(device_.Get(), MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
    if (error) ThrowMediaError(error);  // device_ closes on the way out
    ++liveCount;
}

PreviewPlayer::~PreviewPlayer() {
    --liveCount;
}

int PreviewPlayer::LiveCount() {
    return liveCount.load();
}

}  // namespace sounds
