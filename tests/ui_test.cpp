// The control layer's semantics that the settings rely on.
#include <gtest/gtest.h>

#include "support/Sandbox.h"
#include "ui/Controls.h"
#include "ui/DateTime.h"
#include "ui/Error.h"
#include "ui/Window.h"

namespace {

// A plain top-level window that hosts controls and reflects their notifications.
class Host : public ui::Window {
public:
    Host() {
        RegisterClassOnce(L"OrbinTestHost");
        CreateWindowOf(L"OrbinTestHost", L"host", WS_POPUP, 0, 0, 0, 400, 300, nullptr);
    }
};

class ControlLayer : public testing::Test {
protected:
    Host host;
    int events = 0;
    ui::Event count = [this] { ++events; };
};

TEST_F(ControlLayer, CheckBoxRunsItsClickOnlyWhenTheStateChanges) {
    ui::CheckBox box;
    box.onClick = count;
    box.Create(host.Handle(), L"box", 0, 0, 100, 20);
    box.SetChecked(false);
    EXPECT_EQ(events, 0);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(events, 1);
    SendMessageW(box.Handle(), BM_CLICK, 0, 0);  // the user's click
    EXPECT_EQ(events, 2);
    EXPECT_FALSE(box.Checked());
}

TEST_F(ControlLayer, TrackBarClampsAndRunsItsChangeOnlyWhenThePositionMoves) {
    ui::TrackBar bar;
    bar.minimum = 1;
    bar.maximum = 600;
    bar.initialPosition = 1;
    bar.onChange = count;
    bar.Create(host.Handle(), L"", 0, 0, 200, 30);
    bar.SetPosition(0);  // clamps to 1, where it already is
    EXPECT_EQ(events, 0);
    bar.SetPosition(700000);
    EXPECT_EQ(bar.Position(), 600);
    EXPECT_EQ(SendMessageW(bar.Handle(), TBM_GETPOS, 0, 0), 600);
    EXPECT_EQ(events, 1);
    // A drag: the control moves, then tells its parent.
    SendMessageW(bar.Handle(), TBM_SETPOS, TRUE, 90);
    SendMessageW(host.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 90), reinterpret_cast<LPARAM>(bar.Handle()));
    EXPECT_EQ(bar.Position(), 90);
    EXPECT_EQ(events, 2);
    SendMessageW(host.Handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar.Handle()));
    EXPECT_EQ(events, 2);
}

TEST_F(ControlLayer, TimePickerReactsToTheUsersEditsOnly) {
    ui::TimePicker picker;
    picker.onChange = count;
    picker.Create(host.Handle(), L"", 0, 0, 80, 22);
    SYSTEMTIME st{2026, 12, 5, 11, 14, 7, 0, 0};
    double value = ui::ToDateTime(st);
    picker.SetDateTime(value);
    testbed::Pump();
    EXPECT_EQ(events, 0);
    SYSTEMTIME shown = ui::ToSystemTime(picker.DateTime());
    EXPECT_EQ(shown.wYear, 2026);
    EXPECT_EQ(shown.wDay, 11);
    EXPECT_EQ(shown.wHour, 14);
    EXPECT_EQ(shown.wMinute, 7);

    NMDATETIMECHANGE change{};
    change.nmhdr = {picker.Handle(), 0, DTN_DATETIMECHANGE};
    change.dwFlags = GDT_VALID;
    change.st = st;
    SendMessageW(host.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(events, 1);
}

TEST_F(ControlLayer, ComboBoxSelectionFromCodeRunsNothing) {
    ui::ComboBox combo;
    combo.onSelect = count;
    combo.Create(host.Handle(), L"", 0, 0, 100, 200);
    combo.SetItems({L"alarm", L"00", L"0"});
    combo.SetItemIndex(2);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(combo.SelectedText(), L"0");
    SendMessageW(host.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(events, 1);
}

TEST_F(ControlLayer, AnErrorInAHandlerIsReportedAndTheProgramGoesOn) {
    testbed::ErrorCapture errors;
    ui::Button button;
    button.onClick = [] { throw ui::Error(ui::FormatMessageText(L"Invalid data type for '%s'", L"ra")); };
    button.Create(host.Handle(), L"go", 0, 0, 75, 25);
    button.Click();
    button.Click();
    EXPECT_EQ(errors.messages, (std::vector<std::wstring>{L"Invalid data type for 'ra'", L"Invalid data type for 'ra'"}));
    EXPECT_TRUE(IsWindow(button.Handle()));
}

TEST_F(ControlLayer, TheErrorBoxShowsTheMessage) {
    // The real box, answered as a user would: it is a dialog of this thread.
    std::wstring seen;
    SetTimer(host.Handle(), 1, 50, [](HWND owner, UINT, UINT_PTR id, DWORD) {
        KillTimer(owner, id);
        HWND box = testbed::FindThreadWindow(L"#32770", L"Orbin Settings");
        if (!box) return;
        wchar_t text[256] = {};
        EnumChildWindows(box, [](HWND child, LPARAM lp) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (lstrcmpiW(cls, L"Static") == 0 && GetWindowTextLengthW(child) > 0) {
                GetWindowTextW(child, reinterpret_cast<wchar_t*>(lp), 256);
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(text));
        SetPropW(owner, L"seen", reinterpret_cast<HANDLE>(_wcsdup(text)));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    ui::ReportError(L"Failed to get data for 'c1'");
    auto* text = reinterpret_cast<wchar_t*>(RemovePropW(host.Handle(), L"seen"));
    ASSERT_NE(text, nullptr);
    seen = text;
    free(text);
    EXPECT_EQ(seen, L"Failed to get data for 'c1'");
}

TEST(DateTimeValues, CountDaysFromTheEndOf1899) {
    struct Case {
        SYSTEMTIME st;
        double value;
    };
    const Case cases[] = {
        {{1899, 12, 0, 30, 0, 0, 0, 0}, 0.0},
        {{1900, 1, 0, 1, 6, 0, 0, 0}, 2.25},
        {{2026, 12, 0, 11, 12, 0, 0, 0}, 46367.5},
        {{1899, 12, 0, 29, 6, 0, 0, 0}, -1.25},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ui::ToDateTime(c.st), c.value) << c.value;
        SYSTEMTIME back = ui::ToSystemTime(c.value);
        EXPECT_EQ(back.wYear, c.st.wYear) << c.value;
        EXPECT_EQ(back.wMonth, c.st.wMonth) << c.value;
        EXPECT_EQ(back.wDay, c.st.wDay) << c.value;
        EXPECT_EQ(back.wHour, c.st.wHour) << c.value;
    }
    EXPECT_DOUBLE_EQ(ui::WithTimeOfDay(46367.0, 12.75), 46367.75);
    EXPECT_DOUBLE_EQ(ui::TimeOfDay(-1.25), 0.25);
}

}  // namespace
