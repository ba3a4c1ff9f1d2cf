// Previews of sound files through the media control interface, one at a time.
#include "window/SettingsWindow.h"

bool SettingsWindow::HandleSoundMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void SettingsWindow::PlayPreview(const std::wstring&) {}
void SettingsWindow::StopPreview() {}
void SettingsWindow::sbplysndopenClick() {}
void SettingsWindow::sbplysndlistClick() {}
void SettingsWindow::ListView1Click() {}
