// Load, save and reload, end to end: the registry bytes the clock reads, the controls, the notices.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "store/SettingsLayout.h"
#include "support/Input.h"
#include "support/RawRegistry.h"
#include "support/StandInClock.h"
#include "support/WindowFixture.h"
#include "ui/DateTime.h"

namespace {

using testbed::AsTime;
using testbed::Dword;
using testbed::GetRaw;
using testbed::RawValue;
using testbed::SetRaw;
using testbed::Sz;
using testbed::Time;

const std::wstring kInit = L"software\\quillmoor\\orbin\\init";
const std::wstring kSounds = L"software\\quillmoor\\orbin\\sounds";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The window is created by each test, after it has prepared the registry.
class LoadSave : public testbed::SettingsWindowTest {
protected:
    LoadSave() { createInSetUp = false; }
    void TearDown() override { store::SetRegistryFaults({}); }

    void Prepare(const std::map<std::wstring, RawValue>& values) {
        for (const auto& [name, value] : values) SetRaw(kInit, name, value);
    }
    std::vector<WPARAM> NoticeParams() const {
        std::vector<WPARAM> out;
        for (const auto& n : notices) out.push_back(n.wParam);
        return out;
    }
};

double TimeOnly(double hours) { return hours / 24.0; }

// Every value set to something other than its layout default.
std::map<std::wstring, RawValue> PreparedSettings() {
    return {
        {L"c1", Dword(0x0000FF)}, {L"c2", Dword(0x00FF00)}, {L"c3", Dword(0xFF0000)}, {L"c4", Dword(0x808080)},
        {L"f1", Sz(L"Tahoma")}, {L"f2", Sz(L"Courier New")}, {L"f3", Sz(L"Default")},
        {L"s1", Dword(30)}, {L"s2", Dword(14)}, {L"s3", Dword(9)},
        {L"t1", Dword(-1)}, {L"t2", Dword(40)}, {L"t3", Dword(60)},
        {L"tc", Dword(1)}, {L"ab", Dword(120)}, {L"hm", Dword(1)}, {L"edt", Dword(1)},
        {L"dt", Time(40000.0 + TimeOnly(22.5))}, {L"eat", Dword(1)}, {L"at", Time(41000.0 + TimeOnly(6.25))},
        {L"esnd", Dword(0)}, {L"gst", Dword(1)}, {L"eb", Dword(0)}, {L"cdf", Dword(1)}, {L"dbs", Dword(1)},
        {L"ld", Dword(1)}, {L"tf", Dword(1)}, {L"rh", Dword(1)}, {L"ra", Dword(90000)},
        {L"hdr", Dword(0)}, {L"hbto", Dword(0)}, {L"bto", Dword(0)}, {L"bml", Dword(0)}, {L"bsp", Dword(0)},
        {L"bap", Dword(0)}, {L"scoh", Dword(0)}, {L"scoa", Dword(0)},
    };
}

TEST_F(LoadSave, AFreshUserTellsTheClockAndApplyWritesEverySetting) {
    testbed::StandInClock clock;
    ASSERT_TRUE(clock.Ready());
    CreateWindowUnderTest();
    ASSERT_TRUE(clock.WaitForNotices(1));
    EXPECT_EQ(clock.Notices(), (std::vector<std::string>{"notice 1 0"}));
    EXPECT_TRUE(testbed::KeyExists(kInit));
    EXPECT_EQ(testbed::ValueCount(kInit), 0u);
    EXPECT_TRUE(window->CheckBox4.Checked());
    EXPECT_EQ(window->TrackBar3.Position(), 1);
    EXPECT_EQ(window->TrackBar2.Position(), 255);
    EXPECT_EQ(window->PageControl1.ActivePage(), &window->tsgeneral);

    window->Button1.Click();
    testbed::Pump();
    ASSERT_TRUE(errors.messages.empty()) << errors.messages.front().c_str();
    ASSERT_TRUE(clock.WaitForNotices(2));
    EXPECT_EQ(clock.Notices().back(), "notice 0 0");
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].wParam, kNoticeSaved);
    EXPECT_EQ(notices[1].liveAccessors, 0);  // posted only after the registry was let go

    EXPECT_EQ(testbed::ValueCount(kInit), 37u);
    for (const store::SettingValue& value : store::kSettingsValues) {
        SCOPED_TRACE(std::string(value.name, value.name + wcslen(value.name)));
        auto raw = GetRaw(kInit, value.name);
        ASSERT_TRUE(raw.has_value());
        switch (value.type) {
        case store::ValueType::Integer:
        case store::ValueType::Boolean:
            EXPECT_EQ(raw->type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(raw->bytes.size(), 4u);
            break;
        case store::ValueType::Text:
            EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
            break;
        case store::ValueType::Time:
            EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
            EXPECT_EQ(raw->bytes.size(), 8u);
            break;
        }
    }
    EXPECT_EQ(*GetRaw(kInit, L"ra"), Dword(1000));
    EXPECT_EQ(*GetRaw(kInit, L"ab"), Dword(255));
    EXPECT_EQ(*GetRaw(kInit, L"bto"), Dword(1));
    EXPECT_EQ(*GetRaw(kRun, L"Orbin"), Sz(L"\"" + window->programFolder + L"orbin.exe\""));
}

TEST_F(LoadSave, StoredSettingsShowAndApplyWritesTheSameBytesBack) {
    auto prepared = PreparedSettings();
    Prepare(prepared);
    CreateWindowUnderTest();
    ASSERT_TRUE(errors.messages.empty());
    EXPECT_TRUE(notices.empty());
    SettingsWindow& w = *window;

    EXPECT_EQ(w.Label1.Color(), 0x0000FFu);
    EXPECT_EQ(w.backgroundElement.Color(), 0x808080u);
    EXPECT_EQ(w.Label2.FontName(), L"Courier New");
    EXPECT_EQ(w.Label3.FontName(), L"Default");
    EXPECT_EQ(w.Label1.Size(), 30);
    EXPECT_EQ(w.Label1.Top(), -1);
    EXPECT_EQ(w.Label3.Top(), 60);
    EXPECT_TRUE(w.CheckBox1.Checked());
    EXPECT_EQ(w.TrackBar2.Position(), 120);
    EXPECT_EQ(w.TrackBar3.Position(), 90);
    EXPECT_FALSE(w.cbenabsnd.Checked());
    EXPECT_TRUE(w.CheckBox10.Checked());
    EXPECT_FALSE(w.CheckBox17.Checked());
    // The pickers show the stored time of day on the day the window opened.
    double today = std::trunc(ui::NowDateTime());
    EXPECT_NEAR(w.DateTimePicker1.DateTime(), today + TimeOnly(22.5), 1.0 / 86400);
    EXPECT_NEAR(w.DateTimePicker2.DateTime(), today + TimeOnly(6.25), 1.0 / 86400);
    // What the reactions of the loaded boxes produce.
    EXPECT_FALSE(w.CheckBox3.Enabled());
    EXPECT_TRUE(w.CheckBox11.Enabled());
    EXPECT_FALSE(w.sbadsnd.Enabled());

    w.Button1.Click();
    testbed::Pump();
    ASSERT_TRUE(errors.messages.empty());
    for (const auto& [name, value] : prepared) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        auto written = GetRaw(kInit, name);
        ASSERT_TRUE(written.has_value());
        if (name == L"dt" || name == L"at") {
            EXPECT_EQ(written->type, static_cast<DWORD>(REG_BINARY));
            EXPECT_NEAR(AsTime(*written), today + ui::TimeOfDay(AsTime(value)), 1.0 / 86400);
        } else {
            EXPECT_EQ(*written, value);
        }
    }
}

TEST_F(LoadSave, TheDelayIsWholeSecondsWithinTheSlidersLimits) {
    const std::pair<int, int> cases[] = {{0, 1}, {999, 1}, {1500, 1}, {59999, 59}, {700000, 600}, {-5000, 1}};
    for (auto [stored, position] : cases) {
        Prepare({{L"ra", Dword(stored)}});
        CreateWindowUnderTest();
        EXPECT_EQ(window->TrackBar3.Position(), position) << stored;
    }
}

TEST_F(LoadSave, AStoredTimeShowsOnlyWhileItsBoxIsChecked) {
    Prepare({{L"edt", Dword(0)}, {L"dt", Time(45000.0 + TimeOnly(3.0))}, {L"at", Time(45000.0 + TimeOnly(4.0))}});
    double before = ui::NowDateTime();
    CreateWindowUnderTest();
    double after = ui::NowDateTime();
    for (ui::TimePicker* picker : {&window->DateTimePicker1, &window->DateTimePicker2}) {
        EXPECT_GE(picker->DateTime(), before - 1.0 / 86400);
        EXPECT_LE(picker->DateTime(), after + 1.0 / 86400);
    }
    EXPECT_FALSE(window->CheckBox5.Checked());
}

TEST_F(LoadSave, ReloadBringsBackStoredValuesAndKeepsOtherEdits) {
    Prepare({{L"hm", Dword(1)}, {L"ab", Dword(100)}});
    CreateWindowUnderTest();
    SettingsWindow& w = *window;
    ClickTab(w.TabSheet1);  // not the start page: "Reload" must not move away from it
    testbed::Press(w.CheckBox3);      // stored: returns
    w.TrackBar2.SetPosition(200);
    testbed::Press(w.cbballoon);      // nothing stored: the edit stays
    SetRaw(kSounds, L"7", Sz(L"C:\\sounds\\bell.wav"));

    w.Button4.Click();
    testbed::Pump();
    EXPECT_TRUE(w.CheckBox3.Checked());
    EXPECT_EQ(w.TrackBar2.Position(), 100);
    EXPECT_EQ(w.Label17.Text(), L"100");
    EXPECT_FALSE(w.cbballoon.Checked());
    ASSERT_EQ(w.ListView1.Count(), 1);
    EXPECT_EQ(w.ListView1.RowAt(0).caption, L"7");
    EXPECT_EQ(w.PageControl1.ActivePage(), &w.TabSheet1);
}

TEST_F(LoadSave, ApplyWithoutAutoStartRemovesTheRunValueForGood) {
    SetRaw(kRun, L"Orbin", Sz(L"C:\\Orbin\\orbin.exe"));
    CreateWindowUnderTest();
    ASSERT_TRUE(window->CheckBox4.Checked());
    testbed::Press(window->CheckBox4);
    window->Button1.Click();
    EXPECT_FALSE(GetRaw(kRun, L"Orbin").has_value());
    EXPECT_FALSE(window->CheckBox4.Checked());
    window->Button4.Click();
    EXPECT_FALSE(window->CheckBox4.Checked());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(LoadSave, ApplyWithNoClockRunningSavesAndSendsNothing) {
    ASSERT_EQ(FindWindowW(kClockClass, kClockCaption), nullptr);
    CreateWindowUnderTest();
    window->Button1.Click();
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(testbed::ValueCount(kInit), 37u);
}

TEST_F(LoadSave, AValueOfTheWrongTypeCostsOnlyThatValue) {
    auto prepared = PreparedSettings();
    prepared[L"c1"] = Sz(L"red");
    prepared[L"ra"] = Sz(L"90000");
    prepared[L"dt"] = RawValue{REG_BINARY, {1, 2, 3, 4}};
    Prepare(prepared);
    CreateWindowUnderTest();
    // One box for all of them, in the order they were read.
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0],
              L"Invalid data type for 'c1'\nInvalid data type for 'dt'\nInvalid data type for 'ra'");
    SettingsWindow& w = *window;
    EXPECT_EQ(w.TrackBar3.Position(), 1);  // kept as it was
    EXPECT_EQ(w.Label2.Color(), 0x00FF00u);
    EXPECT_FALSE(w.CheckBox17.Checked());  // the last value still loaded
    EXPECT_TRUE(w.CheckBox10.Checked());
    EXPECT_FALSE(w.CheckBox3.Enabled());   // and the steps after the reads ran

    errors.messages.clear();
    w.Button1.Click();
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(*GetRaw(kInit, L"scoa"), Dword(0));
    EXPECT_EQ(*GetRaw(kInit, L"ra"), Dword(1000));
}

TEST_F(LoadSave, ApplyThatCannotOpenTheSettingsKeySaysSoAndSendsNoNotice) {
    CreateWindowUnderTest();
    notices.clear();
    store::SetRegistryFaults({[](const std::wstring& path) { return path.find(L"orbin\\init") != std::wstring::npos; }, {}});
    window->Button1.Click();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find(L"software\\quillmoor\\orbin\\init"), std::wstring::npos);
    EXPECT_TRUE(notices.empty());
}

TEST_F(LoadSave, AFailedWriteStopsTheSaveWhereItFailed) {
    CreateWindowUnderTest();
    notices.clear();
    SetRaw(kSounds, L"alarm", Sz(L"C:\\sounds\\alarm.wav"));
    store::SetRegistryFaults({{}, [](const std::wstring& name) { return name == L"s2"; }});
    window->Button1.Click();
    EXPECT_EQ(errors.messages, (std::vector<std::wstring>{L"Failed to set data for 's2'"}));
    EXPECT_TRUE(GetRaw(kInit, L"s1").has_value());  // written before the failure, and kept
    EXPECT_FALSE(GetRaw(kInit, L"s2").has_value());
    EXPECT_FALSE(GetRaw(kInit, L"scoa").has_value());
    EXPECT_FALSE(GetRaw(kRun, L"Orbin").has_value());  // no run key step
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(window->ListView1.Count(), 0);  // and no load after it
}

// The real program as its own process against a prepared registry.
TEST_F(LoadSave, TheProgramShowsAndSavesThroughTheProcessBoundary) {
    Prepare({{L"hm", Dword(1)}, {L"ra", Dword(90000)}, {L"ab", Dword(77)}});
    testbed::StandInClock clock;
    ASSERT_TRUE(clock.Ready());
    testbed::Process program(L"\"" + testbed::BinFolder() + L"OrbinSettingsUnderTest.exe\" \"" + sandbox.Path() + L"\"");
    HWND settings = nullptr;
    ASSERT_TRUE(testbed::PumpUntil([&] {
        settings = FindWindowW(kSettingsClass, kSettingsCaption);
        return settings && IsWindowVisible(settings);  // shown once created and loaded
    }));

    auto child = [&](const wchar_t* className, const wchar_t* text) {
        struct Search {
            const wchar_t *className, *text;
            HWND found;
        } s{className, text, nullptr};
        EnumChildWindows(settings, [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {}, t[128] = {};
            GetClassNameW(h, cls, 64);
            GetWindowTextW(h, t, 128);
            if (lstrcmpiW(cls, s->className) == 0 && (!s->text || lstrcmpW(t, s->text) == 0)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&s));
        return s.found;
    };
    HWND autoHide = child(L"Button", L"Auto hide");
    ASSERT_NE(autoHide, nullptr);
    EXPECT_EQ(SendMessageW(autoHide, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_NE(child(L"Static", L"1:30 min."), nullptr);

    SendMessageW(autoHide, BM_CLICK, 0, 0);
    SendMessageW(child(L"Button", L"Apply"), BM_CLICK, 0, 0);
    ASSERT_TRUE(clock.WaitForNotices(1));
    EXPECT_EQ(clock.Notices(), (std::vector<std::string>{"notice 0 0"}));
    EXPECT_EQ(*GetRaw(kInit, L"hm"), Dword(0));
    EXPECT_EQ(*GetRaw(kInit, L"ra"), Dword(90000));
    EXPECT_EQ(*GetRaw(kInit, L"ab"), Dword(77));
    PostMessageW(settings, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(), 0);
}

}  // namespace
