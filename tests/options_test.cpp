// The General, Calendar and Clock pages' own reactions, driven through the real window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "support/Input.h"
#include "support/Sandbox.h"
#include "ui/DateTime.h"
#include "window/LocaleText.h"
#include "window/SettingsWindow.h"

namespace {

class OptionsTest : public testing::Test {
protected:
    void SetUp() override {
        w.shellOpen = [this](const std::wstring& file, const std::wstring& parameters) {
            launches.emplace_back(file, parameters);
        };
        w.Create();
    }
    void TearDown() override {
        for (const auto& message : errors.messages) ADD_FAILURE() << "error box: " << message;
    }

    // The boxes that "Set default view as hidden" governs, and whether each is usable while it is checked.
    std::vector<std::pair<ui::CheckBox*, bool>> Dependents() {
        return {{&w.CheckBox11, true},  {&w.CheckBox12, true},  {&w.CheckBox3, false}, {&w.CheckBox13, false},
                {&w.CheckBox14, false}, {&w.CheckBox15, false}, {&w.CheckBox18, false}};
    }
    std::vector<bool> DependentStates() {
        std::vector<bool> states;
        for (auto [box, whenHidden] : Dependents()) states.push_back(box->Checked());
        return states;
    }
    void ExpectDependentsFor(bool hidden) {
        for (auto [box, whenHidden] : Dependents())
            EXPECT_EQ(box->Enabled(), whenHidden == hidden) << box->Text() << " with hidden " << hidden;
    }

    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;
    std::vector<std::pair<std::wstring, std::wstring>> launches;
    SettingsWindow w;
};

TEST_F(OptionsTest, HiddenViewSwapsWhichOptionsAreAvailableAndKeepsTheirStates) {
    std::vector<bool> states = DependentStates();
    for (bool hidden : {true, false, true}) {
        testbed::Press(w.CheckBox10);
        ASSERT_EQ(w.CheckBox10.Checked(), hidden);
        ExpectDependentsFor(hidden);
        EXPECT_EQ(DependentStates(), states);
    }
}

TEST_F(OptionsTest, ItsLabelTogglesTheBoxWithTheSameReaction) {
    RECT label{};
    GetClientRect(w.Label25.Handle(), &label);
    POINT middle{label.right / 2, label.bottom / 2};
    testbed::ClickAt(w.Label25.Handle(), middle);
    EXPECT_TRUE(w.CheckBox10.Checked());
    ExpectDependentsFor(true);
    testbed::ClickAt(w.Label25.Handle(), middle);
    EXPECT_FALSE(w.CheckBox10.Checked());
    ExpectDependentsFor(false);
}

TEST_F(OptionsTest, DelayTextInSecondsThenMinutes) {
    EXPECT_EQ(w.Label23.Text(), L"1 sek.");  // the layout's, before any move
    const std::pair<int, const wchar_t*> cases[] = {
        {59, L"59 sek."},     {60, L"1:00 min."}, {90, L"1:30 min."},
        {600, L"10:00 min."}, {61, L"1:01 min."}, {1, L"1 sek."},
    };
    for (auto [seconds, text] : cases) {
        testbed::DragSlider(w.TrackBar3.Handle(), seconds);
        ASSERT_EQ(w.TrackBar3.Position(), seconds);
        EXPECT_EQ(w.Label23.Text(), text);
    }
}

struct PickerRow {
    ui::TimePicker SettingsWindow::*picker;
    ui::Button SettingsWindow::*now;
    ui::CheckBox SettingsWindow::*box;
};
const PickerRow kPickers[] = {
    {&SettingsWindow::DateTimePicker1, &SettingsWindow::SpeedButton5, &SettingsWindow::CheckBox5},
    {&SettingsWindow::DateTimePicker2, &SettingsWindow::SpeedButton3, &SettingsWindow::CheckBox7},
};

bool WithinSecondsOf(double timeOfDay, double from, double to) {
    constexpr double kSecond = 1.0 / 86400.0;
    from -= kSecond;
    to += kSecond;
    return from <= to ? timeOfDay >= from && timeOfDay <= to : timeOfDay >= from || timeOfDay <= to;  // midnight
}

TEST_F(OptionsTest, NowButtonsSetTheTimeOfDayOnlyAndLeaveTheBox) {
    SYSTEMTIME someDay{2001, 2, 6, 3, 5, 6, 0, 0};
    for (const PickerRow& row : kPickers) {
        (w.*row.picker).SetDateTime(ui::ToDateTime(someDay));
        double before = ui::TimeOfDay(ui::NowDateTime());
        testbed::Press(w.*row.now);
        double after = ui::TimeOfDay(ui::NowDateTime());
        double value = (w.*row.picker).DateTime();
        EXPECT_EQ(std::trunc(value), std::trunc(ui::ToDateTime(someDay)));
        EXPECT_TRUE(WithinSecondsOf(ui::TimeOfDay(value), before, after));
        EXPECT_FALSE((w.*row.box).Checked());
    }
}

TEST_F(OptionsTest, OnlyTheUsersEditOfAPickerChecksItsBox) {
    for (const PickerRow& row : kPickers) {
        ui::TimePicker& picker = w.*row.picker;
        picker.SetDateTime(ui::NowDateTime() + 0.25);  // from code, as the load does
        EXPECT_FALSE((w.*row.box).Checked());
        double edited = ui::WithTimeOfDay(picker.DateTime(), 0.75);
        testbed::EditPicker(picker.Handle(), ui::ToSystemTime(edited));
        EXPECT_EQ(picker.DateTime(), edited);
        EXPECT_TRUE((w.*row.box).Checked());
    }
}

TEST_F(OptionsTest, ControlPanelButtonsRunTheirApplets) {
    const std::pair<ui::Button*, const wchar_t*> cases[] = {
        {&w.SpeedButton6, L"shell32.dll,Control_RunDLL intl.cpl"},
        {&w.SpeedButton4, L"shell32.dll,Control_RunDLL timedate.cpl"},
    };
    for (auto [button, parameters] : cases) {
        launches.clear();
        testbed::Press(*button);
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].first, L"rundll32.exe");
        EXPECT_EQ(launches[0].second, parameters);
    }
}

// The text is a snapshot of now: it is the formatted time of a moment during the toggle.
bool IsTimeOfNow(const std::wstring& text, const SYSTEMTIME& before, const SYSTEMTIME& after, const wchar_t* picture) {
    return text == locale_text::FormatTime(before, picture) || text == locale_text::FormatTime(after, picture);
}

TEST_F(OptionsTest, ClockFormatsReformatTheFaceAndRefitItsWidth) {
    const wchar_t* pictures[] = {L"h:mmtt", L"HH:mm"};
    for (const wchar_t* picture : pictures) {
        SYSTEMTIME before{}, after{};
        GetLocalTime(&before);
        testbed::Press(w.CheckBox9);
        GetLocalTime(&after);
        EXPECT_TRUE(IsTimeOfNow(w.Label1.Text(), before, after, picture)) << picture;
        EXPECT_EQ(w.Panel1.Width(), std::max({w.Label1.Width(), w.Label2.Width(), w.Label3.Width()}) + 10);
    }
    for (bool longDate : {true, false}) {
        SYSTEMTIME before{}, after{};
        GetLocalTime(&before);
        testbed::Press(w.CheckBox2);
        GetLocalTime(&after);
        std::wstring picture = locale_text::DatePicture(longDate);
        EXPECT_TRUE(w.Label2.Text() == locale_text::FormatDate(before, picture) ||
                    w.Label2.Text() == locale_text::FormatDate(after, picture))
            << longDate;
        EXPECT_EQ(w.Panel1.Width(), std::max({w.Label1.Width(), w.Label2.Width(), w.Label3.Width()}) + 10);
    }
}

}  // namespace
