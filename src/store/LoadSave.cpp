// Moving the settings between the registry and the window's controls.
#include "window/SettingsWindow.h"

void SettingsWindow::LoadSettings(bool initial) {
    if (initial) PageControl1.SetActivePage(tsgeneral);
}

void SettingsWindow::SaveSettings() {}
void SettingsWindow::Button1Click() {
    SaveSettings();
    LoadSettings(false);
}
void SettingsWindow::Button4Click() {
    LoadSettings(false);
    FitFaceHeight();
    FitFaceWidth();
}
