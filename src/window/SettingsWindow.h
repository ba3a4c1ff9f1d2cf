#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/Controls.h"
#include "ui/Handles.h"
#include "ui/Page.h"
#include "ui/Window.h"
#include "window/Face.h"

// The settings window (class "TOrbinSettings", caption "Orbin Settings"): owns every control of the six
// pages, one handler method per control event. Between a load and a save the settings live only here.
// Controls are public, under the names the rest of the program and the tests use.
class SettingsWindow : public ui::Window {
public:
    SettingsWindow();
    ~SettingsWindow() override;

    void Create();  // the window and all controls, then the creation steps and the initial load
    void Show();
    // The window's keyboard shortcuts (Ctrl+O, Ctrl+Tab, ...) for a message about to be dispatched;
    // true when the message was one of them.
    bool TranslateShortcut(MSG& msg);

    // --- Services that reach outside the window; tests put stand-ins here. ------------------------
    // Runs a program or opens a document through the shell ("open" verb, shown normally).
    std::function<void(const std::wstring& file, const std::wstring& parameters)> shellOpen;
    // Posts the clock notice (SendClockNotice); a test may record the moment instead.
    std::function<void(WPARAM notice)> clockNotice;
    // Runs when the window is gone: the program ends its message loop here.
    std::function<void()> onDestroyed;

    // --- Module-level values ----------------------------------------------------------------------
    std::wstring programFolder;  // folder of this executable, with a trailing separator
    FaceText* selectedElement = nullptr;
    FaceText backgroundElement;

    // --- Header -----------------------------------------------------------------------------------
    ui::Label Label21;
    ui::Label Label4;
    ui::Picture Image1;

    // --- Pages ------------------------------------------------------------------------------------
    ui::PageControl PageControl1;
    ui::Page tsgeneral, TabSheet1, TabSheet3, TabSheet5, tsclock, TabSheet2;

    // --- Command bar ------------------------------------------------------------------------------
    ui::Button Button2;  // "Close"
    ui::Button Button4;  // "Reload"
    ui::Button Button1;  // "Apply"

    // --- General page -----------------------------------------------------------------------------
    ui::Frame GeneralFrame;
    ui::CheckBox CheckBox3, CheckBox4, cbballoon, CheckBox6, CheckBox13, CheckBox14, CheckBox15, CheckBox18;
    ui::CheckBox CheckBox5;
    ui::TimePicker DateTimePicker1;
    ui::Button SpeedButton5;
    ui::CheckBox CheckBox7;
    ui::TimePicker DateTimePicker2;
    ui::Button SpeedButton3;
    ui::Frame HiddenFrame;
    ui::CheckBox CheckBox10;
    ui::Label Label25;
    ui::CheckBox CheckBox11, CheckBox12, CheckBox16, CheckBox17;
    ui::Label Label24, Label23;
    ui::TrackBar TrackBar3;

    // --- Visual page ------------------------------------------------------------------------------
    ui::Label Label5;
    ui::ColorBox ColorBox1;
    ui::Label Label11;
    ui::ComboBox ComboBox1;
    ui::Label Label12;
    ui::TrackBar TrackBar1;
    ui::Label Label31;
    FacePanel Panel1;
    FaceText Label1, Label2, Label3;  // Time, Date, Day
    ui::Memo Memo2;
    ui::Frame PositionFrame;
    ui::Label Label13;
    ui::Button SpeedButton1, SpeedButton2;  // "Up", "Down"
    ui::Label Label15, Label16;
    ui::TrackBar TrackBar2;
    ui::Label Label17;
    ui::CheckBox CheckBox1;
    ui::Button Button3;

    // --- Sounds page ------------------------------------------------------------------------------
    ui::Label Label14;
    ui::ListView ListView1;
    ui::Frame SoundFrame;
    ui::Label Label10, Label8;
    ui::Edit eaddsound;
    ui::GlyphButton sbopensnd, sbplysndopen;
    ui::Label Label9;
    ui::ComboBox cbhour;
    ui::GlyphButton sbadsnd;
    ui::CheckBox cbenabsnd;
    ui::GlyphButton sbdelsnd;
    ui::CheckBox cbdisableballonsounds;
    ui::GlyphButton sbplysndlist;
    ui::PopupMenu PopupMenu1;
    ui::MenuItem Play1, Stop1, Delete1, N1, Add1;

    // --- Calendar page ----------------------------------------------------------------------------
    ui::Frame CalendarFrame;
    ui::CheckBox cbcalfixday;
    ui::Button SpeedButton6;

    // --- Clock page -------------------------------------------------------------------------------
    ui::Frame ClockFrame;
    ui::CheckBox CheckBox9, CheckBox2;
    ui::Button SpeedButton4;

    // --- About page -------------------------------------------------------------------------------
    ui::Label Label6, Label7;
    ui::Memo Memo1;

    ui::ToolTips hints;

    // --- Window-wide behaviour --------------------------------------------------------------------
    void ShowCommandButtons(bool visible);
    void Label4Click();
    void Label4MouseEnter();
    void Label4MouseLeave();
    void Button2Click();
    void ActivationMessage();
    void tsgeneralShow();
    void TabSheet1Show();
    void TabSheet3Show();
    void TabSheet5Show();
    void tsclockShow();
    void TabSheet2Show();

    // --- Clock face editor (window/FaceEditor.cpp) --------------------------------------------------
    void SelectElement(FaceText& element);
    void FitFaceWidth();
    void FitFaceHeight();
    void ApplyFaceBackground();
    void UpdateTimeText();
    void UpdateDateText();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Panel1Click();
    void ColorBox1Change();
    void ComboBox1Select();
    void TrackBar1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void CheckBox1Click();
    void TrackBar2Change();
    void Button3Click();

    // --- Option pages (window/OptionPages.cpp) -----------------------------------------------------
    void DateTimePicker1Change();
    void DateTimePicker2Change();
    void SpeedButton5Click();
    void SpeedButton3Click();
    void CheckBox10Click();
    void Label25Click();
    void TrackBar3Change();
    void SpeedButton6Click();
    void CheckBox9Click();
    void CheckBox2Click();
    void SpeedButton4Click();

    // --- Sound schedule (sounds/SoundSchedule.cpp) -------------------------------------------------
    void RefreshSoundList();
    void StoreSound(const std::wstring& path);
    void EnableSoundEditing(bool enabled);
    void cbenabsndClick();
    void sbopensndClick();
    void sbadsndClick();
    void sbdelsndClick();
    void N1Click();
    void ListView1SelectItem(bool selected);
    // The confirmation box (caption "Confirm", "OK" and "Cancel"): true for "OK". Tests answer it here.
    std::function<bool(const std::wstring& message)> confirm;
    // The sound file dialog with its preview: the accepted file, or nothing. Tests choose it here.
    std::function<std::optional<std::wstring>()> chooseSoundFile;

    // --- Sound preview (sounds/SoundPreview.cpp) ---------------------------------------------------
    void PlayPreview(const std::wstring& path);
    void StopPreview();
    void sbplysndopenClick();
    void sbplysndlistClick();
    void ListView1Click();
    void FileOpen1OpenDialogSelectionChange(const std::wstring& highlighted);  // empty: no file highlighted
    void FileOpen1Accept();                                                    // accepted or cancelled
    bool PreviewPlaying() const;
    std::wstring PreviewFile() const;  // empty while idle

    // --- Load, save and reload (store/LoadSave.cpp) ------------------------------------------------
    void LoadSettings(bool initial);
    void SaveSettings();
    void Button1Click();  // "Apply"
    void Button4Click();  // "Reload"

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateControls();
    void CreateHeader();
    void CreatePages();
    void CreateCommandBar();
    void CreateGeneralPage();
    void CreateVisualPage();
    void CreateSoundsPage();
    void CreateCalendarPage();
    void CreateClockPage();
    void CreateAboutPage();
    void BindEvents();
    void BindFaceEvents();
    void BindOptionEvents();
    void BindSoundEvents();
    void FormCreate();
    void CreateFaceModel();  // the face editor's creation steps
    // The sound part's own window messages (the end of a preview); true when handled.
    bool HandleSoundMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Shortcut(WORD command);

    ui::Font dialogFont_;
    ui::Font aboutFont_;
    ui::ImageList tabImages_;
    ui::Owned<HACCEL, DestroyAcceleratorTable> shortcuts_;

    // --- Sounds: state ---
    struct Preview;       // the running preview (sounds/SoundPreview.cpp)
    static void ReleasePreview(Preview* preview);
    std::optional<std::wstring> OpenSoundFileDialog();
    void HandleMediaNotice(WPARAM flags, LPARAM device);
    ui::Owned<Preview*, ReleasePreview> preview_;
    std::optional<std::wstring> selectedRowHour_;  // caption of the row that last became selected
    std::wstring reportedSoundProblems_;            // what the last refresh reported about unreadable sounds
};
