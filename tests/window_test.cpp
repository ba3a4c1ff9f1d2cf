// The settings window as a whole: identity, controls, pages, header and command bar.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/WindowFixture.h"
#include "ui/Window.h"

namespace {

using testbed::SettingsWindowTest;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

TEST_F(SettingsWindowTest, HasItsIdentityAndFixedDialogFrame) {
    HWND hwnd = window->Handle();
    EXPECT_EQ(ClassOf(hwnd), L"TOrbinSettings");
    EXPECT_EQ(window->PageControl1.Text(), L"");
    wchar_t caption[64] = {};
    GetWindowTextW(hwnd, caption, 64);
    EXPECT_STREQ(caption, L"Orbin Settings");
    EXPECT_EQ(FindWindowW(kSettingsClass, kSettingsCaption), hwnd);

    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, ui::Scale(493));
    EXPECT_EQ(client.bottom, ui::Scale(396));
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);

    RECT frame{}, work{};
    GetWindowRect(hwnd, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 1);

    EXPECT_EQ(window->hints.VisibleMs(), 10000);
    EXPECT_FALSE(window->programFolder.empty());
    EXPECT_EQ(window->programFolder.back(), L'\\');
}

// Every control with its caption (window text), hint and initial state.
TEST_F(SettingsWindowTest, ControlsHaveTheirCaptionsHintsAndInitialStates) {
    SettingsWindow& w = *window;
    enum Initial { None, Unchecked, Checked };
    struct Row {
        const char* name;
        ui::Control* control;
        const wchar_t* caption;
        const wchar_t* hint;
        Initial initial;
    };
    const wchar_t* hidden = L"Check to start Orbin as disabled. Some of other options availability depends on this option state";
    const Row rows[] = {
        {"Label21", &w.Label21, L"Orbin", L"", None},
        {"Label4", &w.Label4, nullptr, L"WEB Home Page", None},
        {"Button2", &w.Button2, L"Close", L"Close window without save", None},
        {"Button4", &w.Button4, L"Reload", L"Loads last saved configuration", None},
        {"Button1", &w.Button1, L"Apply", L"Save and apply changes", None},
        {"CheckBox3", &w.CheckBox3, L"Auto hide", L"Check to hide Orbin when mouse pointer is over it", Unchecked},
        {"CheckBox4", &w.CheckBox4, L"Auto start", L"Check to set Orbin to auto start on Windows login", Checked},
        {"cbballoon", &w.cbballoon, L"Balloons", L"Check to enable balloon tool tips", Checked},
        {"CheckBox6", &w.CheckBox6, L"\"Ghost\" mode", L"Check to make Orbin transparent to mouse clicks", Unchecked},
        {"CheckBox13", &w.CheckBox13, L"Bg. on try over", L"Check to show background when mouse is over Orbin try icon", Checked},
        {"CheckBox14", &w.CheckBox14, L"Bg. on sound", L"Check to show background on sound", Checked},
        {"CheckBox15", &w.CheckBox15, L"Bg. on alarm", L"Check to show background on alarm", Checked},
        {"CheckBox18", &w.CheckBox18, L"Action on left",
         L"Check to show background, show clock or stop sound when mouse is at left border of the screen", Checked},
        {"CheckBox5", &w.CheckBox5, L"Shutdown @:", L"Check to enable shutdown", Unchecked},
        {"SpeedButton5", &w.SpeedButton5, L"<--", L"Set current time", None},
        {"CheckBox7", &w.CheckBox7, L"Alarm @:", L"Check to enable alarm", Unchecked},
        {"SpeedButton3", &w.SpeedButton3, L"<--", L"Set current time", None},
        {"CheckBox10", &w.CheckBox10, L"", hidden, Unchecked},
        {"Label25", &w.Label25, L"Set default view as hidden", hidden, None},
        {"CheckBox11", &w.CheckBox11, L"Show down-right when hidden",
         L"Check to show Orbin near try icon instead on its normal position when mouse is over Orbin try icon", Checked},
        {"CheckBox12", &w.CheckBox12, L"Bg. on show when hidden",
         L"Check to show background when Orbin is in hidden state but mouse is over Orbin try icon", Checked},
        {"CheckBox16", &w.CheckBox16, L"Swap color on sound", L"Check to swtch background and hour colors on sound", Checked},
        {"CheckBox17", &w.CheckBox17, L"Swap color on alarm", L"Check to swtch background and hour colors on alarm", Checked},
        {"Label24", &w.Label24, L"Reapear after:", L"", None},
        {"Label23", &w.Label23, L"1 sek.", L"", None},
        {"TrackBar3", &w.TrackBar3, L"", L"Time to wait before to show clock after mouse poiner is moved away", None},
        {"Label5", &w.Label5, L"Color", L"", None},
        {"Label11", &w.Label11, L"Font", L"", None},
        {"Label12", &w.Label12, L"Size", L"", None},
        {"Label31", &w.Label31, L"24", L"", None},  // the slider follows the Time text, selected at creation
        {"Label13", &w.Label13, L"Position", L"", None},
        {"SpeedButton1", &w.SpeedButton1, L"Up", L"", None},
        {"SpeedButton2", &w.SpeedButton2, L"Down", L"", None},
        {"Label15", &w.Label15, L"Transparency", L"", None},
        {"Label16", &w.Label16, L"Density", L"", None},
        {"Label17", &w.Label17, L"255", L"", None},
        {"CheckBox1", &w.CheckBox1, L"No background", L"Check to remove background", Unchecked},
        {"Button3", &w.Button3, L"Defaults", L"Loads defaults for font color position and size", None},
        {"Label14", &w.Label14, L"Sound configuration", L"", None},
        {"Label10", &w.Label10, L"Applay Sound", L"", None},
        {"Label8", &w.Label8, L"Sound", L"", None},
        {"eaddsound", &w.eaddsound, L"", L"", None},
        // Glyph buttons show no caption: their window text is their hint.
        {"sbopensnd", &w.sbopensnd, L"Browse with preview (only for sounds)", L"Browse with preview (only for sounds)", None},
        {"sbplysndopen", &w.sbplysndopen, L"Play", L"Play", None},
        {"Label9", &w.Label9, L"Hour", L"Set hour of sound play", None},
        {"cbhour", &w.cbhour, L"alarm", L"Set hour of sound play", None},
        {"sbadsnd", &w.sbadsnd, L"Add to list", L"Add to list", None},
        {"cbenabsnd", &w.cbenabsnd, L"Enable Sounds", L"", Checked},
        {"sbdelsnd", &w.sbdelsnd, L"Remove from list", L"Remove from list", None},
        {"cbdisableballonsounds", &w.cbdisableballonsounds, L"Disable Balloon Sounds",
         L"Check to disable pop-up sound of tray balloons", Unchecked},
        {"sbplysndlist", &w.sbplysndlist, L"Play selection", L"Play selection", None},
        {"cbcalfixday", &w.cbcalfixday, L"fix days of week", L"Fix day of the week for Chainese and some other languages", Unchecked},
        {"SpeedButton6", &w.SpeedButton6, L"Regional Settings", L"Open Regional and Language Options Panel", None},
        {"CheckBox9", &w.CheckBox9, L"AM/PM time format", L"", Unchecked},
        {"CheckBox2", &w.CheckBox2, L"Long date", L"Use long date format instead of short date format", Unchecked},
        {"SpeedButton4", &w.SpeedButton4, L"System Clock", L"Open Date and Time Properties", None},
        {"Label6", &w.Label6, L"Orbin", L"", None},
        {"Label7", &w.Label7, L"v.1.2.4", L"", None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(IsWindow(row.control->Handle()));
        if (row.caption) {
            EXPECT_EQ(row.control->Text(), row.caption);
        }
        EXPECT_EQ(w.hints.TextFor(row.control->Handle()), row.hint);
        if (row.initial != None) {
            auto* box = dynamic_cast<ui::CheckBox*>(row.control);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->Checked(), row.initial == Checked);
        }
    }
}

TEST_F(SettingsWindowTest, SlidersListsAndTextsStartAsLaidOut) {
    SettingsWindow& w = *window;
    struct Slider {
        const char* name;
        ui::TrackBar& bar;
        int minimum, maximum, position, lineSize;
    };
    const Slider sliders[] = {
        {"TrackBar3", w.TrackBar3, 1, 600, 1, 1},
        {"TrackBar1", w.TrackBar1, 10, 40, 24, 1},  // the Time text's 24 points
        {"TrackBar2", w.TrackBar2, 50, 255, 255, 10},
    };
    for (const Slider& s : sliders) {
        SCOPED_TRACE(s.name);
        HWND h = s.bar.Handle();
        EXPECT_EQ(SendMessageW(h, TBM_GETRANGEMIN, 0, 0), s.minimum);
        EXPECT_EQ(SendMessageW(h, TBM_GETRANGEMAX, 0, 0), s.maximum);
        EXPECT_EQ(SendMessageW(h, TBM_GETPOS, 0, 0), s.position);
        EXPECT_EQ(SendMessageW(h, TBM_GETLINESIZE, 0, 0), s.lineSize);
        EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & TBS_NOTICKS);
    }

    std::vector<std::wstring> hours{L"alarm", L"00"};
    for (int h = 0; h <= 23; ++h) hours.push_back(std::to_wstring(h));
    ASSERT_EQ(w.cbhour.Count(), 26);
    for (int i = 0; i < 26; ++i) EXPECT_EQ(w.cbhour.Item(i), hours[static_cast<size_t>(i)]);
    EXPECT_EQ(w.cbhour.ItemIndex(), 0);
    EXPECT_EQ(GetWindowLongW(w.cbhour.Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(GetWindowLongW(w.ComboBox1.Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);

    EXPECT_EQ(w.Memo2.Lines(), (std::vector<std::wstring>{
                                   L"1.Click on text you want to ", L"edit to select it", L"2.Set, font, size, position ",
                                   L"and color", L"3.Click on background to ", L"select it", L"4.Set color",
                                   L"5.Click \"Apply\" to save ", L"and apply changes "}));
    EXPECT_FALSE(w.Memo2.Enabled());
    EXPECT_TRUE(GetWindowLongW(w.Memo2.Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(GetWindowLongW(w.Memo1.Handle(), GWL_STYLE) & ES_READONLY);

    // The list: "hour" and "sound" columns, whole rows, read-only captions.
    HWND list = w.ListView1.Handle();
    wchar_t column[32] = {};
    LVCOLUMNW c{LVCF_TEXT | LVCF_WIDTH};
    c.pszText = column;
    c.cchTextMax = 32;
    ASSERT_TRUE(ListView_GetColumn(list, 0, &c));
    EXPECT_STREQ(column, L"hour");
    ASSERT_TRUE(ListView_GetColumn(list, 1, &c));
    EXPECT_STREQ(column, L"sound");
    EXPECT_EQ(c.cx, ui::Scale(180));
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & LVS_EDITLABELS);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_SHOWSELALWAYS);
    EXPECT_EQ(ListView_GetHoverTime(list), 9999999u);

    std::vector<std::wstring> menu;
    for (const ui::MenuItem* item : w.PopupMenu1.items) menu.push_back(item ? item->caption : L"-");
    EXPECT_EQ(menu, (std::vector<std::wstring>{L"Play", L"Stop", L"-", L"Remove", L"Change", L"Add"}));
}

TEST_F(SettingsWindowTest, PagesComeInOrderWithGeneralActive) {
    std::vector<std::wstring> tabs;
    HWND tabControl = window->PageControl1.Handle();
    for (int i = 0; i < TabCtrl_GetItemCount(tabControl); ++i) {
        wchar_t text[32] = {};
        TCITEMW item{TCIF_TEXT | TCIF_IMAGE};
        item.pszText = text;
        item.cchTextMax = 32;
        TabCtrl_GetItem(tabControl, i, &item);
        tabs.push_back(std::wstring(text) + L":" + std::to_wstring(item.iImage));
    }
    EXPECT_EQ(tabs, (std::vector<std::wstring>{L"General:5", L"Visual:0", L"Sounds:2", L"Calendar:4", L"Clock:6", L"About:1"}));
    EXPECT_EQ(window->PageControl1.ActivePage(), &window->tsgeneral);
    EXPECT_EQ(ImageList_GetImageCount(window->PageControl1.images), 7);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(window->PageControl1.images, &cx, &cy);
    EXPECT_EQ(cx, ui::Scale(16));
    EXPECT_EQ(cy, ui::Scale(16));
}

TEST_F(SettingsWindowTest, AboutShowsOnlyCloseAndEveryOtherPageShowsAllThree) {
    SettingsWindow& w = *window;
    auto shown = [&] {
        return std::wstring(w.Button2.Visible() ? L"Close " : L"") + (w.Button4.Visible() ? L"Reload " : L"") +
               (w.Button1.Visible() ? L"Apply" : L"");
    };
    ClickTab(w.TabSheet2);
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.TabSheet2);
    EXPECT_TRUE(w.TabSheet2.Visible());
    EXPECT_EQ(shown(), L"Close ");
    for (ui::Page* page : {&w.tsgeneral, &w.TabSheet1, &w.TabSheet3, &w.TabSheet5, &w.tsclock}) {
        ClickTab(w.TabSheet2);
        ClickTab(*page);
        EXPECT_EQ(w.PageControl1.ActivePage(), page);
        EXPECT_EQ(shown(), L"Close Reload Apply") << page->caption;
    }
    // The command buttons never take the keyboard focus by Tab.
    for (ui::Button* b : {&w.Button1, &w.Button2, &w.Button4})
        EXPECT_FALSE(GetWindowLongW(b->Handle(), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(SettingsWindowTest, CtrlTabMovesBetweenThePages) {
    SettingsWindow& w = *window;
    BYTE keys[256] = {}, saved[256] = {};
    GetKeyboardState(saved);
    auto press = [&](UINT key, bool shift) {
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg{w.CheckBox3.Handle(), WM_KEYDOWN, key, 1};
        bool taken = w.TranslateShortcut(msg);
        SetKeyboardState(saved);
        testbed::Pump();
        return taken;
    };
    EXPECT_TRUE(press(VK_TAB, false));
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.TabSheet1);
    EXPECT_EQ(TabCtrl_GetCurSel(w.PageControl1.Handle()), 1);
    EXPECT_TRUE(press(VK_TAB, true));
    EXPECT_TRUE(press(VK_PRIOR, false));  // round the start, to "About"
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.TabSheet2);
    EXPECT_FALSE(w.Button1.Visible());
    EXPECT_TRUE(press(VK_NEXT, false));
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.tsgeneral);
    EXPECT_TRUE(w.Button1.Visible());
    // A plain key is nobody's shortcut.
    MSG plain{w.CheckBox3.Handle(), WM_KEYDOWN, 'O', 1};
    EXPECT_FALSE(w.TranslateShortcut(plain));
}

TEST_F(SettingsWindowTest, TabWalksThroughThePagesControlsAsInADialog) {
    SettingsWindow& w = *window;
    w.Show();
    SetForegroundWindow(w.Handle());
    SetFocus(w.CheckBox3.Handle());
    ASSERT_EQ(GetFocus(), w.CheckBox3.Handle());
    auto press = [&](UINT key) {
        MSG msg{GetFocus(), WM_KEYDOWN, key, 1};
        EXPECT_TRUE(IsDialogMessageW(w.Handle(), &msg));
        testbed::Pump();
        return GetFocus();
    };
    EXPECT_EQ(press(VK_TAB), w.CheckBox4.Handle());
    // The space bar toggles the focused box, with its reaction.
    MSG down{GetFocus(), WM_KEYDOWN, VK_SPACE, 1}, up{GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001};
    IsDialogMessageW(w.Handle(), &down);
    IsDialogMessageW(w.Handle(), &up);
    testbed::Pump();
    EXPECT_FALSE(w.CheckBox4.Checked());
    // The command buttons are left out of the Tab order: it stays on the page.
    for (int i = 0; i < 40; ++i) {
        HWND focus = press(VK_TAB);
        wchar_t cls[64] = {}, text[64] = {};
        GetClassNameW(focus, cls, 64);
        GetWindowTextW(focus, text, 64);
        EXPECT_TRUE(focus == w.PageControl1.Handle() || IsChild(w.tsgeneral.Handle(), focus))
            << i << " " << std::wstring(cls) << " " << std::wstring(text);
    }
}

TEST_F(SettingsWindowTest, CreditLineTurnsRedUnderThePointerAndOpensTheHomePage) {
    SettingsWindow& w = *window;
    HWND label = w.Label4.Handle();
    EXPECT_EQ(w.Label4.Color(), GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(w.Label4.Color(), RGB(255, 0, 0));
    SendMessageW(label, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(w.Label4.Color(), GetSysColor(COLOR_WINDOWTEXT));

    // The label's own colour is what it paints with.
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    HDC dc = GetDC(label);
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    ReleaseDC(label, dc);

    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    testbed::Pump();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].first.rfind(L"https://", 0), 0u);
    EXPECT_TRUE(IsWindow(w.Handle()));
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.tsgeneral);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(SettingsWindowTest, CloseAndTheCloseBoxEndTheProgramAtOnce) {
    int ended = 0;
    window->onDestroyed = [&] { ++ended; };
    window->Button2.Click();
    EXPECT_FALSE(IsWindow(window->Handle()));
    EXPECT_EQ(ended, 1);

    CreateWindowUnderTest();
    window->onDestroyed = [&] { ++ended; };
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window->Handle()));
    EXPECT_EQ(ended, 2);
}

TEST_F(SettingsWindowTest, ActivationRestoresAMinimisedWindow) {
    ShowWindow(window->Handle(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window->Handle()));
    SendNotifyMessageW(window->Handle(), kActivationMessage, 0, 0);
    testbed::Pump();
    EXPECT_FALSE(IsIconic(window->Handle()));
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
}

}  // namespace
