// The General, Calendar and Clock pages' own reactions.
#include "ui/DateTime.h"
#include "window/SettingsWindow.h"

namespace {

// The reappear delay: seconds below a minute, minutes and two-digit seconds from a minute on.
std::wstring DelayText(int seconds) {
    if (seconds < 60) return std::to_wstring(seconds) + L" sek.";
    int rest = seconds % 60;
    return std::to_wstring(seconds / 60) + (rest < 10 ? L":0" : L":") + std::to_wstring(rest) + L" min.";
}

}  // namespace

void SettingsWindow::BindOptionEvents() {
    DateTimePicker1.onChange = [this] { DateTimePicker1Change(); };
    DateTimePicker2.onChange = [this] { DateTimePicker2Change(); };
    SpeedButton5.onClick = [this] { SpeedButton5Click(); };
    SpeedButton3.onClick = [this] { SpeedButton3Click(); };
    CheckBox10.onClick = [this] { CheckBox10Click(); };
    Label25.onClick = [this] { Label25Click(); };
    TrackBar3.onChange = [this] { TrackBar3Change(); };
    SpeedButton6.onClick = [this] { SpeedButton6Click(); };
    CheckBox9.onClick = [this] { CheckBox9Click(); };
    CheckBox2.onClick = [this] { CheckBox2Click(); };
    SpeedButton4.onClick = [this] { SpeedButton4Click(); };
}

// Only the user's own edits arm the shutdown and the alarm; the picker runs this for those alone.
void SettingsWindow::DateTimePicker1Change() {
    CheckBox5.SetChecked(true);
}
void SettingsWindow::DateTimePicker2Change() {
    CheckBox7.SetChecked(true);
}

// The date part stays the creation date, and the box is left to the user.
void SettingsWindow::SpeedButton5Click() {
    DateTimePicker1.SetDateTime(ui::WithTimeOfDay(DateTimePicker1.DateTime(), ui::NowDateTime()));
}

void SettingsWindow::SpeedButton3Click() {
    DateTimePicker2.SetDateTime(ui::WithTimeOfDay(DateTimePicker2.DateTime(), ui::NowDateTime()));
}

// A clock that starts hidden has other options than a shown one. Disabled boxes keep their state and are
// saved as they are.
void SettingsWindow::CheckBox10Click() {
    bool hidden = CheckBox10.Checked();
    CheckBox11.SetEnabled(hidden);
    CheckBox12.SetEnabled(hidden);
    CheckBox3.SetEnabled(!hidden);
    CheckBox13.SetEnabled(!hidden);
    CheckBox14.SetEnabled(!hidden);
    CheckBox15.SetEnabled(!hidden);
    CheckBox18.SetEnabled(!hidden);
}

void SettingsWindow::Label25Click() {
    CheckBox10.SetChecked(!CheckBox10.Checked());
}

void SettingsWindow::TrackBar3Change() {
    Label23.SetText(DelayText(TrackBar3.Position()));
}

void SettingsWindow::SpeedButton6Click() {
    shellOpen(L"rundll32.exe", L"shell32.dll,Control_RunDLL intl.cpl");
}

void SettingsWindow::CheckBox9Click() {
    UpdateTimeText();
    FitFaceWidth();
}

void SettingsWindow::CheckBox2Click() {
    UpdateDateText();
    FitFaceWidth();
}

void SettingsWindow::SpeedButton4Click() {
    shellOpen(L"rundll32.exe", L"shell32.dll,Control_RunDLL timedate.cpl");
}
