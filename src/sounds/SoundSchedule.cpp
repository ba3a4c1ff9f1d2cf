// The Sounds page: the schedule in the sounds key and the list that shows it.
#include "window/SettingsWindow.h"

void SettingsWindow::BindSoundEvents() {}

void SettingsWindow::RefreshSoundList() {}
void SettingsWindow::StoreSound(const std::wstring&) {}
void SettingsWindow::EnableSoundEditing(bool) {}
void SettingsWindow::cbenabsndClick() {}
void SettingsWindow::sbopensndClick() {}
void SettingsWindow::sbadsndClick() {}
void SettingsWindow::sbdelsndClick() {}
void SettingsWindow::N1Click() {}
void SettingsWindow::ListView1SelectItem(bool) {}
