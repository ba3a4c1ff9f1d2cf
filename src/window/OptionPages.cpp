// The General, Calendar and Clock pages' own reactions.
#include "window/SettingsWindow.h"

void SettingsWindow::BindOptionEvents() {}

void SettingsWindow::DateTimePicker1Change() {}
void SettingsWindow::DateTimePicker2Change() {}
void SettingsWindow::SpeedButton5Click() {}
void SettingsWindow::SpeedButton3Click() {}
void SettingsWindow::CheckBox10Click() {}
void SettingsWindow::Label25Click() {}
void SettingsWindow::TrackBar3Change() {}
void SettingsWindow::SpeedButton6Click() {}
void SettingsWindow::CheckBox9Click() {}
void SettingsWindow::CheckBox2Click() {}
void SettingsWindow::SpeedButton4Click() {}
