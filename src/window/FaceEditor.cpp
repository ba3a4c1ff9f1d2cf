// The Visual page: the live model of the clock face and its editors.
#include "window/SettingsWindow.h"

void SettingsWindow::BindFaceEvents() {}

void SettingsWindow::CreateFaceModel() {
    backgroundElement.SetColor(RGB(0, 0, 0));
    Panel1.texts[0] = &Label1;
    Panel1.texts[1] = &Label2;
    Panel1.texts[2] = &Label3;
    Label1.SetText(L"Time");
    Label2.SetText(L"Date");
    Label3.SetText(L"Day");
    selectedElement = &Label1;
}

void SettingsWindow::SelectElement(FaceText& element) { selectedElement = &element; }
void SettingsWindow::FitFaceWidth() {}
void SettingsWindow::FitFaceHeight() {}
void SettingsWindow::ApplyFaceBackground() {}
void SettingsWindow::UpdateTimeText() {}
void SettingsWindow::UpdateDateText() {}
void SettingsWindow::Label1Click() {}
void SettingsWindow::Label2Click() {}
void SettingsWindow::Label3Click() {}
void SettingsWindow::Panel1Click() {}
void SettingsWindow::ColorBox1Change() {}
void SettingsWindow::ComboBox1Select() {}
void SettingsWindow::TrackBar1Change() {}
void SettingsWindow::SpeedButton1Click() {}
void SettingsWindow::SpeedButton2Click() {}
void SettingsWindow::CheckBox1Click() {}
void SettingsWindow::TrackBar2Change() {}
void SettingsWindow::Button3Click() {}
