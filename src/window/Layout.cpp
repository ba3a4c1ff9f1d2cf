#include "window/Layout.h"

#include "window/SettingsWindow.h"

void Place(HWND parent, ui::ToolTips& hints, std::initializer_list<Placement> rows) {
    for (const Placement& row : rows) {
        if (auto* box = dynamic_cast<ui::CheckBox*>(row.control)) box->initiallyChecked = row.initial != 0;
        if (auto* slider = dynamic_cast<ui::TrackBar*>(row.control)) slider->initialPosition = row.initial;
        // A glyph button shows no caption: its name is its hint.
        bool glyph = dynamic_cast<ui::GlyphButton*>(row.control) != nullptr;
        std::wstring text = glyph && row.hint ? row.hint : (row.caption ? row.caption : L"");
        row.control->Create(parent, text, row.x, row.y, row.w, row.h);
        if (row.hint && *row.hint) hints.Add(row.control->Handle(), row.hint);
    }
}

void SettingsWindow::CreateHeader() {
    Place(hwnd_, hints, {
        {&Label21, L"Orbin", nullptr, 10, 6, 200, 24},
        {&Label4, kCreditLine, L"WEB Home Page", 12, 36, 260, 16},
        {&Image1, nullptr, nullptr, 493 - 41 - 10, 10, 41, 23},
    });
    Label21.SetPixelFont(19);
    Label4.handCursor = true;
}

void SettingsWindow::CreateCommandBar() {
    for (ui::Button* b : {&Button2, &Button4, &Button1}) b->SetTabStop(false);
    Place(hwnd_, hints, {
        {&Button2, L"Close", L"Close window without save", 8, 364, 75, 25},
        {&Button4, L"Reload", L"Loads last saved configuration", 209, 364, 75, 25},
        {&Button1, L"Apply", L"Save and apply changes", 410, 364, 75, 25},
    });
}

void SettingsWindow::CreateGeneralPage() {
    HWND page = tsgeneral.Handle();
    TrackBar3.minimum = 1;
    TrackBar3.maximum = 600;
    Place(page, hints, {
        {&GeneralFrame, nullptr, nullptr, 4, 4, 462, 250},
        {&CheckBox3, L"Auto hide", L"Check to hide Orbin when mouse pointer is over it", 16, 14, 200, 17, 0},
        {&CheckBox4, L"Auto start", L"Check to set Orbin to auto start on Windows login", 16, 36, 200, 17, 1},
        {&cbballoon, L"Balloons", L"Check to enable balloon tool tips", 16, 58, 200, 17, 1},
        {&CheckBox6, L"\"Ghost\" mode", L"Check to make Orbin transparent to mouse clicks", 16, 80, 200, 17, 0},
        {&CheckBox13, L"Bg. on try over", L"Check to show background when mouse is over Orbin try icon", 16, 102, 200, 17, 1},
        {&CheckBox14, L"Bg. on sound", L"Check to show background on sound", 16, 124, 200, 17, 1},
        {&CheckBox15, L"Bg. on alarm", L"Check to show background on alarm", 16, 146, 200, 17, 1},
        {&CheckBox18, L"Action on left",
         L"Check to show background, show clock or stop sound when mouse is at left border of the screen", 16, 168, 200, 17, 1},

        {&CheckBox5, L"Shutdown @:", L"Check to enable shutdown", 240, 14, 100, 17, 0},
        {&DateTimePicker1, nullptr, nullptr, 342, 12, 70, 21},
        {&SpeedButton5, L"<--", L"Set current time", 416, 12, 34, 21},
        {&CheckBox7, L"Alarm @:", L"Check to enable alarm", 240, 40, 100, 17, 0},
        {&DateTimePicker2, nullptr, nullptr, 342, 38, 70, 21},
        {&SpeedButton3, L"<--", L"Set current time", 416, 38, 34, 21},
        {&HiddenFrame, nullptr, nullptr, 234, 64, 224, 26},
        {&CheckBox10, nullptr,
         L"Check to start Orbin as disabled. Some of other options availability depends on this option state", 242, 69, 15, 17, 0},
        {&Label25, L"Set default view as hidden",
         L"Check to start Orbin as disabled. Some of other options availability depends on this option state", 259, 71, 190, 14},
        {&CheckBox11, L"Show down-right when hidden",
         L"Check to show Orbin near try icon instead on its normal position when mouse is over Orbin try icon", 240, 102, 210, 17, 1},
        {&CheckBox12, L"Bg. on show when hidden",
         L"Check to show background when Orbin is in hidden state but mouse is over Orbin try icon", 240, 124, 210, 17, 1},
        {&CheckBox16, L"Swap color on sound", L"Check to swtch background and hour colors on sound", 240, 146, 210, 17, 1},
        {&CheckBox17, L"Swap color on alarm", L"Check to swtch background and hour colors on alarm", 240, 168, 210, 17, 1},

        {&Label24, L"Reapear after:", nullptr, 16, 198, 100, 16},
        {&Label23, L"1 sek.", nullptr, 118, 195, 120, 19},
        {&TrackBar3, nullptr, L"Time to wait before to show clock after mouse poiner is moved away", 10, 216, 450, 28, 1},
    });
    Label23.SetPixelFont(15);
}

void SettingsWindow::CreateVisualPage() {
    HWND page = TabSheet1.Handle();
    TrackBar1.minimum = 10;
    TrackBar1.maximum = 40;
    TrackBar2.minimum = 50;
    TrackBar2.maximum = 255;
    TrackBar2.lineSize = 10;
    Memo2.wordWrap = false;
    Place(page, hints, {
        {&Label5, L"Color", nullptr, 10, 12, 34, 14},
        {&ColorBox1, nullptr, nullptr, 46, 8, 132, 300},
        {&Label11, L"Font", nullptr, 192, 12, 28, 14},
        {&ComboBox1, nullptr, nullptr, 222, 8, 170, 300},
        {&Label12, L"Size", nullptr, 10, 42, 34, 14},
        {&TrackBar1, nullptr, nullptr, 42, 37, 150, 26, 25},
        {&Label31, L"25", nullptr, 196, 40, 30, 19},
        {&PositionFrame, nullptr, nullptr, 228, 68, 80, 82},
        {&Label13, L"Position", nullptr, 236, 74, 66, 14},
        {&SpeedButton1, L"Up", nullptr, 236, 92, 64, 22},
        {&SpeedButton2, L"Down", nullptr, 236, 118, 64, 22},
        {&CheckBox1, L"No background", L"Check to remove background", 276, 206, 110, 17, 0},
        {&Memo2, nullptr, nullptr, 314, 68, 152, 128},
        {&Label15, L"Transparency", nullptr, 10, 208, 80, 14},
        {&Label16, L"Density", nullptr, 10, 231, 44, 14},
        {&TrackBar2, nullptr, nullptr, 56, 226, 170, 26, 255},
        {&Label17, L"255", nullptr, 230, 231, 30, 14},
        {&Button3, L"Defaults", L"Loads defaults for font color position and size", 388, 224, 75, 25},
    });
    Label31.SetPixelFont(15);
    Memo2.SetLines({L"1.Click on text you want to ", L"edit to select it", L"2.Set, font, size, position ",
                    L"and color", L"3.Click on background to ", L"select it", L"4.Set color",
                    L"5.Click \"Apply\" to save ", L"and apply changes "});
    Memo2.SetEnabled(false);
    Panel1.Create(page, ui::Scale(10), ui::Scale(68), ui::Scale(97), ui::Scale(81));
    // The designer's face: orange on black, the time large and bold. Weight is the layout's alone.
    struct FaceRow {
        FaceText* text;
        const wchar_t* caption;
        int size;
        bool bold;
    };
    for (const FaceRow& row : {FaceRow{&Label1, L"Time", 24, true}, FaceRow{&Label2, L"Date", 12, false},
                               FaceRow{&Label3, L"Day", 12, false}}) {
        row.text->SetText(row.caption);
        row.text->SetFontName(L"MS Sans Serif");
        row.text->SetSize(row.size);
        row.text->SetBold(row.bold);
        row.text->SetColor(33023);
    }
    Panel1.SetColor(RGB(0, 0, 0));
}

void SettingsWindow::CreateSoundsPage() {
    HWND page = TabSheet3.Handle();
    ListView1.columns = {{L"hour", 50}, {L"sound", 180}};
    sbopensnd.glyph = ui::Glyph::Open;
    sbplysndopen.glyph = ui::Glyph::Play;
    sbadsnd.glyph = ui::Glyph::Add;
    sbdelsnd.glyph = ui::Glyph::Remove;
    sbplysndlist.glyph = ui::Glyph::Play;
    Place(page, hints, {
        {&Label14, L"Sound configuration", nullptr, 10, 6, 200, 14},
        {&ListView1, nullptr, nullptr, 8, 24, 252, 226},
        {&SoundFrame, nullptr, nullptr, 268, 24, 198, 132},
        {&Label10, L"Applay Sound", nullptr, 276, 30, 120, 14},
        {&Label8, L"Sound", nullptr, 276, 48, 60, 14},
        {&eaddsound, nullptr, nullptr, 276, 64, 156, 21},
        {&sbopensnd, nullptr, L"Browse with preview (only for sounds)", 436, 63, 23, 23},
        {&sbplysndopen, nullptr, L"Play", 436, 89, 23, 23},
        {&Label9, L"Hour", L"Set hour of sound play", 304, 91, 40, 14},
        {&sbadsnd, nullptr, L"Add to list", 276, 106, 23, 23},
        {&cbhour, nullptr, L"Set hour of sound play", 304, 106, 72, 300},
        {&cbenabsnd, L"Enable Sounds", nullptr, 276, 134, 120, 17, 1},
        {&sbdelsnd, nullptr, L"Remove from list", 268, 164, 23, 23},
        {&cbdisableballonsounds, L"Disable Balloon Sounds", L"Check to disable pop-up sound of tray balloons", 296, 167, 168, 17, 0},
        {&sbplysndlist, nullptr, L"Play selection", 268, 192, 23, 23},
    });
    std::vector<std::wstring> hours{L"alarm", L"00"};
    for (int h = 0; h <= 23; ++h) hours.push_back(std::to_wstring(h));
    cbhour.SetItems(hours);
    cbhour.SetItemIndex(0);
    Play1.caption = L"Play";
    Stop1.caption = L"Stop";
    Delete1.caption = L"Remove";
    N1.caption = L"Change";
    Add1.caption = L"Add";
    PopupMenu1.items = {&Play1, &Stop1, nullptr, &Delete1, &N1, &Add1};
}

void SettingsWindow::CreateCalendarPage() {
    HWND page = TabSheet5.Handle();
    Place(page, hints, {
        {&CalendarFrame, nullptr, nullptr, 4, 4, 462, 250},
        {&cbcalfixday, L"fix days of week", L"Fix day of the week for Chainese and some other languages", 16, 16, 220, 17, 0},
        {&SpeedButton6, L"Regional Settings", L"Open Regional and Language Options Panel", 16, 44, 130, 25},
    });
}

void SettingsWindow::CreateClockPage() {
    HWND page = tsclock.Handle();
    Place(page, hints, {
        {&ClockFrame, nullptr, nullptr, 4, 4, 462, 250},
        {&CheckBox9, L"AM/PM time format", nullptr, 16, 16, 220, 17, 0},
        {&CheckBox2, L"Long date", L"Use long date format instead of short date format", 16, 40, 220, 17, 0},
        {&SpeedButton4, L"System Clock", L"Open Date and Time Properties", 16, 68, 130, 25},
    });
}

void SettingsWindow::CreateAboutPage() {
    HWND page = TabSheet2.Handle();
    Place(page, hints, {
        {&Label6, L"Orbin", nullptr, 16, 12, 200, 30},
        {&Label7, L"v.1.2.4", nullptr, 18, 44, 200, 18},
        {&Memo1, nullptr, nullptr, 16, 70, 446, 176},
    });
    Label6.SetPixelFont(24, true);
    Label7.SetPixelFont(13, true);
    Memo1.SetLines({L"Orbin - a desktop clock with sounds, alarm and shutdown.",
                    L"Orbin Settings is its settings panel.", L"",
                    L"Written and kept by the Orbin developers at Quillmoor.",
                    L"Thanks to everyone who sent ideas, sounds and bug reports.", L"",
                    L"Home page: www.quillmoor.net/orbin", L"Contact: orbin@quillmoor.net"});
    LOGFONTW lf{};
    GetObjectW(dialogFont_.Get(), sizeof(lf), &lf);
    lf.lfHeight = -ui::Scale(13);
    aboutFont_.Reset(CreateFontIndirectW(&lf));
    Memo1.SetFont(aboutFont_.Get());
}
