// Start-up across processes: the single-instance hand-over and the notices to the clock.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/StandInClock.h"
#include "support/WindowFixture.h"

namespace {

using testbed::SettingsWindowTest;

int CountTopLevel(const wchar_t* className, const wchar_t* caption) {
    struct Search {
        const wchar_t* className;
        const wchar_t* caption;
        int count;
    } search{className, caption, 0};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {}, text[64] = {};
            GetClassNameW(hwnd, cls, 64);
            GetWindowTextW(hwnd, text, 64);
            if (lstrcmpW(cls, s->className) == 0 && lstrcmpW(text, s->caption) == 0) ++s->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

std::wstring ProgramUnderTest(const testbed::RegistrySandbox& sandbox) {
    return L"\"" + testbed::BinFolder() + L"OrbinSettingsUnderTest.exe\" \"" + sandbox.Path() + L"\"";
}

TEST_F(SettingsWindowTest, ASecondStartHandsOverToTheRunningWindowAndEnds) {
    window->Show();
    ShowWindow(window->Handle(), SW_MINIMIZE);
    testbed::Pump();
    ASSERT_TRUE(IsIconic(window->Handle()));

    testbed::Process second(ProgramUnderTest(sandbox));
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.Wait(), 0);
    testbed::Pump();

    EXPECT_FALSE(IsIconic(window->Handle()));
    EXPECT_EQ(GetForegroundWindow(), window->Handle());
    EXPECT_EQ(CountTopLevel(kSettingsClass, kSettingsCaption), 1);
}

TEST(StartUp, AWindowOfTheRightClassWithAnotherCaptionIsNotTheRunningInstance) {
    testbed::RegistrySandbox sandbox;
    // Stand-ins that look almost like a running settings window.
    testbed::StandInClock otherCaption(kSettingsClass, L"Orbin Settings (old)");
    testbed::StandInClock otherClass(L"TOrbinSettingsX", kSettingsCaption);
    ASSERT_TRUE(otherCaption.Ready());
    ASSERT_TRUE(otherClass.Ready());

    testbed::Process program(ProgramUnderTest(sandbox));
    ASSERT_TRUE(program.Started());
    // It opens a window of its own instead of handing over.
    HWND opened = nullptr;
    ASSERT_TRUE(testbed::PumpUntil([&] {
        opened = FindWindowW(kSettingsClass, kSettingsCaption);
        return opened != nullptr;
    }));
    DWORD owner = 0;
    GetWindowThreadProcessId(opened, &owner);
    EXPECT_EQ(owner, program.Id());
    PostMessageW(opened, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(), 0);
}

TEST(ClockNotice, ReachesTheClockWithItsWParam) {
    testbed::StandInClock clock;
    ASSERT_TRUE(clock.Ready());
    SendClockNotice(kNoticeSaved);
    SendClockNotice(kNoticeNoSettings);
    ASSERT_TRUE(clock.WaitForNotices(2));
    EXPECT_EQ(clock.Notices(), (std::vector<std::string>{"notice 0 0", "notice 1 0"}));
}

TEST(ClockNotice, GoesToNoWindowThatOnlyLooksLikeTheClock) {
    testbed::StandInClock otherCaption(kClockClass, L"Orbin Settings");
    testbed::StandInClock otherClass(L"TOrbinX", kClockCaption);
    ASSERT_TRUE(otherCaption.Ready());
    ASSERT_TRUE(otherClass.Ready());
    ASSERT_EQ(FindWindowW(kClockClass, kClockCaption), nullptr);

    SendClockNotice(kNoticeSaved);  // no clock: nothing is sent and nothing fails

    // A marker posted after it: had the notice gone to a stand-in, it would be logged before the marker.
    for (auto* standIn : {&otherCaption, &otherClass}) {
        PostMessageW(standIn->Window(), kClockNotice, 7, 0);
        ASSERT_TRUE(standIn->WaitForNotices(1));
        EXPECT_EQ(standIn->Notices(), (std::vector<std::string>{"notice 7 0"}));
    }
}

}  // namespace
