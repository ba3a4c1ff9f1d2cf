// The Sounds page: the schedule in the registry, the list that shows it, and previews of sound files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sounds/PreviewPlayer.h"
#include "store/Registry.h"
#include "store/SettingsLayout.h"
#include "support/Sandbox.h"
#include "window/SettingsWindow.h"

namespace {

namespace fs = std::filesystem;

// A PCM sound of silence: 8 kHz, 8-bit, mono.
void WriteWav(const fs::path& path, int milliseconds) {
    const uint32_t rate = 8000, samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
    auto u32 = [](std::ofstream& out, uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::ofstream& out, uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    u32(out, 36 + samples);
    out.write("WAVEfmt ", 8);
    u32(out, 16);
    u16(out, 1);  // PCM
    u16(out, 1);
    u32(out, rate);
    u32(out, rate);
    u16(out, 1);
    u16(out, 8);
    out.write("data", 4);
    u32(out, samples);
    out << std::string(samples, '\x80');
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A folder of its own for the sound files of one test.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        path_ = fs::temp_directory_path() /
                (L"orbin-sounds-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::wstring operator/(const std::wstring& name) const { return (path_ / name).wstring(); }
    std::wstring Path() const { return path_.wstring() + L"\\"; }

private:
    fs::path path_;
};

// Answers a modal window of this thread (a message box, a dialog) while its own loop runs: a thread
// timer looks for it, and each tick runs the next step on it.
class ModalDriver {
public:
    using Step = std::function<void(HWND modal)>;
    ModalDriver(std::wstring caption, std::vector<Step> steps)
        : caption_(std::move(caption)), steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, Tick);
    }
    ~ModalDriver() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    size_t StepsDone() const { return done_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalDriver* self = current_;
        if (!self || self->done_ >= self->steps_.size()) return;
        HWND modal = testbed::FindThreadWindow(L"#32770", self->caption_.c_str());
        if (modal) self->steps_[self->done_++](modal);
    }
    static inline ModalDriver* current_ = nullptr;
    std::wstring caption_;
    std::vector<Step> steps_;
    size_t done_ = 0;
    UINT_PTR timer_ = 0;
};

HWND FindDescendant(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (lstrcmpiW(cls, s->className) != 0) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> ChildTexts(HWND parent) {
    std::vector<std::wstring> texts;
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            wchar_t text[512] = {};
            GetWindowTextW(hwnd, text, 512);
            reinterpret_cast<std::vector<std::wstring>*>(lp)->push_back(text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Highlights an item of a list view as a user's click would; false if there is no such item.
bool Highlight(HWND list, const std::wstring& caption) {
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(list, i, 0, text, MAX_PATH);
        if (caption != text) continue;
        ListView_SetItemState(list, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return true;
    }
    return false;
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(list, i, 0, text, MAX_PATH);
        items.push_back(text);
    }
    return items;
}

class SoundsTest : public testing::Test {
protected:
    void SetUp() override {
        window.Create();
        realConfirm = window.confirm;
        window.confirm = [this](const std::wstring& message) {
            questions.push_back(message);
            return answer;
        };
    }
    void TearDown() override {
        store::SetRegistryFaults({});
        EXPECT_EQ(std::vector<std::wstring>{}, errors.messages) << "error boxes nobody expected";
    }

    static void WriteRawSound(const wchar_t* name, DWORD type, const std::wstring& text) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, nullptr,
                                                 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ui::RegKey owner(key);
        RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    static void WriteRawNumber(const wchar_t* name, DWORD value) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr);
        ui::RegKey owner(key);
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
    // The stored path of an hour, read with the raw API; nothing when there is none.
    static std::optional<std::wstring> RawSound(const wchar_t* name) {
        wchar_t data[1024] = {};
        DWORD size = sizeof(data) - sizeof(wchar_t), type = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", name, RRF_RT_ANY, &type, data,
                         &size) != ERROR_SUCCESS)
            return std::nullopt;
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), type) << name;
        return std::wstring(data);
    }
    static DWORD RawSoundCount() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, KEY_READ, &key)) return 0;
        ui::RegKey owner(key);
        DWORD count = 0;
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                         nullptr);
        return count;
    }

    std::vector<std::wstring> Captions() const {
        std::vector<std::wstring> captions;
        for (int i = 0; i < window.ListView1.Count(); ++i) captions.push_back(window.ListView1.RowAt(i).caption);
        return captions;
    }
    int RowOf(const std::wstring& caption) const {
        for (int i = 0; i < window.ListView1.Count(); ++i)
            if (window.ListView1.RowAt(i).caption == caption) return i;
        return -1;
    }
    void ChooseHour(const std::wstring& hour) {
        for (int i = 0; i < window.cbhour.Count(); ++i)
            if (window.cbhour.Item(i) == hour) window.cbhour.SetItemIndex(i);
        ASSERT_EQ(hour, window.cbhour.SelectedText());
    }
    void Add(const std::wstring& hour, const std::wstring& path) {
        ChooseHour(hour);
        window.eaddsound.SetText(path);
        window.sbadsnd.Click();
    }

    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;
    SettingsWindow window;
    std::function<bool(const std::wstring&)> realConfirm;
    std::vector<std::wstring> questions;
    bool answer = false;
};

// --- The schedule ---------------------------------------------------------------------------------

TEST_F(SoundsTest, AddingToAFreeHourWritesAtOnceAndShowsTheFileName) {
    Add(L"7", L"C:\\a.wav");
    EXPECT_EQ(L"C:\\a.wav", RawSound(L"7"));
    int row = RowOf(L"7");
    ASSERT_GE(row, 0);
    EXPECT_EQ((std::vector<std::wstring>{L"a.wav", L"C:\\a.wav"}), window.ListView1.RowAt(row).subItems);
    EXPECT_EQ(L"", window.eaddsound.Text());
    EXPECT_TRUE(questions.empty());
}

TEST_F(SoundsTest, AnHourWithASoundIsOverwrittenOnlyAfterOK) {
    struct Case {
        bool ok;
        const wchar_t* kept;
    };
    for (Case c : {Case{false, L"C:\\old.wav"}, Case{true, L"D:\\new.wav"}}) {
        WriteRawSound(L"7", REG_SZ, L"C:\\old.wav");
        window.RefreshSoundList();
        questions.clear();
        answer = c.ok;
        Add(L"7", L"D:\\new.wav");
        EXPECT_EQ(std::vector<std::wstring>{L"Overwrite 7 hour sound"}, questions);
        EXPECT_EQ(c.kept, RawSound(L"7"));
        EXPECT_EQ(c.kept, window.ListView1.RowAt(RowOf(L"7")).subItems.at(1));
        EXPECT_EQ(L"", window.eaddsound.Text());
    }
}

TEST_F(SoundsTest, ThreeCharactersWriteNothingButClearTheField) {
    Add(L"7", L"a.w");
    EXPECT_EQ(0u, RawSoundCount());
    EXPECT_EQ(L"", window.eaddsound.Text());
    Add(L"7", L"a.wa");  // four are enough, whatever they are
    EXPECT_EQ(L"a.wa", RawSound(L"7"));
}

TEST_F(SoundsTest, RemoveDeletesTheSelectedRowOnly) {
    WriteRawSound(L"7", REG_SZ, L"C:\\a.wav");
    WriteRawSound(L"alarm", REG_SZ, L"C:\\b.wav");
    window.RefreshSoundList();

    WriteRawSound(L"8", REG_SZ, L"C:\\c.wav");  // no selection: nothing removed, the list is rebuilt
    window.sbdelsnd.Click();
    EXPECT_EQ((std::vector<std::wstring>{L"7", L"8", L"alarm"}), Captions());

    window.ListView1.Select(RowOf(L"7"));
    window.sbdelsnd.Click();
    EXPECT_FALSE(RawSound(L"7"));
    EXPECT_EQ((std::vector<std::wstring>{L"8", L"alarm"}), Captions());
    EXPECT_TRUE(questions.empty());
}

TEST_F(SoundsTest, RowsAreInTheSystemsOrderWithZeroAndDoubleZeroApart) {
    const std::vector<std::wstring> expected{L"0",  L"00", L"1",  L"10", L"11", L"12", L"13", L"14",   L"15",
                                             L"16", L"17", L"18", L"19", L"2",  L"20", L"21", L"22",   L"23",
                                             L"3",  L"4",  L"5",  L"6",  L"7",  L"8",  L"9",  L"alarm"};
    for (int i = 0; i < window.cbhour.Count(); ++i) {  // stored in the order of the hour choice
        std::wstring hour = window.cbhour.Item(i);
        WriteRawSound(hour.c_str(), REG_SZ, L"C:\\" + hour + L".wav");
    }
    window.RefreshSoundList();
    EXPECT_EQ(expected, Captions());
    EXPECT_EQ(L"0.wav", window.ListView1.RowAt(0).subItems.at(0));
    EXPECT_EQ(L"00.wav", window.ListView1.RowAt(1).subItems.at(0));
}

TEST_F(SoundsTest, TheFileNameFollowsTheLastBackslashOrDriveColon) {
    struct Case {
        const wchar_t* hour;
        const wchar_t* path;
        const wchar_t* shown;
    };
    const Case cases[] = {{L"1", L"C:\\sounds\\bell.wav", L"bell.wav"},
                          {L"2", L"C:bell.wav", L"bell.wav"},
                          {L"3", L"\\\\host\\share\\gong.mp3", L"gong.mp3"},
                          {L"4", L"sounds/bell.wav", L"sounds/bell.wav"}};
    for (const Case& c : cases) WriteRawSound(c.hour, REG_SZ, c.path);
    window.RefreshSoundList();
    for (const Case& c : cases) EXPECT_EQ(c.shown, window.ListView1.RowAt(RowOf(c.hour)).subItems.at(0));
}

TEST_F(SoundsTest, ABadValueIsReportedAndTheOtherRowsAreShown) {
    WriteRawSound(L"8", REG_SZ, L"C:\\b.wav");
    WriteRawNumber(L"7", 1);
    WriteRawSound(L"alarm", REG_EXPAND_SZ, L"%SystemRoot%\\ding.wav");
    window.RefreshSoundList();
    EXPECT_EQ((std::vector<std::wstring>{L"8", L"alarm"}), Captions());
    EXPECT_EQ(L"%SystemRoot%\\ding.wav", window.ListView1.RowAt(1).subItems.at(1));
    EXPECT_EQ(std::vector<std::wstring>{L"Invalid data type for '7'"}, errors.messages);
    // Not again while nothing changed; several bad values share one box.
    window.RefreshSoundList();
    EXPECT_EQ(1u, errors.messages.size());
    WriteRawNumber(L"9", 2);
    window.RefreshSoundList();
    ASSERT_EQ(2u, errors.messages.size());
    std::wstring both = errors.messages[1];
    EXPECT_NE(std::wstring::npos, both.find(L"Invalid data type for '7'"));
    EXPECT_NE(std::wstring::npos, both.find(L"\nInvalid data type for '") );
    errors.messages.clear();
}

TEST_F(SoundsTest, EnableSoundsSwitchesTheEditingControlsOnly) {
    std::vector<ui::Control*> editing{&window.sbadsnd,      &window.sbplysndlist, &window.sbdelsnd, &window.sbopensnd,
                                      &window.sbplysndopen, &window.eaddsound,    &window.cbhour};
    std::vector<ui::Control*> always{&window.ListView1, &window.cbdisableballonsounds, &window.cbenabsnd};
    for (bool enabled : {false, true}) {
        WriteRawSound(enabled ? L"1" : L"0", REG_SZ, L"C:\\a.wav");
        SendMessageW(window.cbenabsnd.Handle(), BM_CLICK, 0, 0);
        ASSERT_EQ(enabled, window.cbenabsnd.Checked());
        for (ui::Control* control : editing) EXPECT_EQ(enabled, control->Enabled());
        for (ui::Control* control : always) EXPECT_TRUE(control->Enabled());
        EXPECT_GE(RowOf(enabled ? L"1" : L"0"), 0) << "the list is rebuilt";
    }
}

TEST_F(SoundsTest, SelectingARowMovesTheHourChoice) {
    struct Case {
        const wchar_t* row;
        int expectedIndex;  // in the hour choice; -1 for none
    };
    const Case cases[] = {{L"7", 9}, {L"00", 1}, {L"ALARM", 0}, {L"x", -1}};
    for (const Case& c : cases) WriteRawSound(c.row, REG_SZ, L"C:\\a.wav");
    window.RefreshSoundList();
    for (const Case& c : cases) {
        ChooseHour(L"23");
        window.ListView1.Select(RowOf(c.row));
        EXPECT_EQ(c.expectedIndex, window.cbhour.ItemIndex()) << c.row;
    }
    // With no hour chosen, "Add" has nothing to write and keeps the typed path.
    window.eaddsound.SetText(L"C:\\new.wav");
    window.sbadsnd.Click();
    EXPECT_EQ(4u, RawSoundCount());
    EXPECT_EQ(L"C:\\new.wav", window.eaddsound.Text());
}

TEST_F(SoundsTest, ChangeReplacesTheSelectedRowsSoundThroughTheDialog) {
    WriteRawSound(L"7", REG_SZ, L"C:\\old.wav");
    window.RefreshSoundList();
    window.ListView1.Select(RowOf(L"7"));
    answer = true;
    window.chooseSoundFile = [] { return std::optional<std::wstring>(); };  // cancelled
    window.N1.Click();
    EXPECT_EQ(L"C:\\old.wav", RawSound(L"7"));
    EXPECT_TRUE(questions.empty());

    window.chooseSoundFile = [] { return std::optional<std::wstring>(L"C:\\new.wav"); };
    window.N1.Click();
    EXPECT_EQ(std::vector<std::wstring>{L"Overwrite 7 hour sound"}, questions);
    EXPECT_EQ(L"C:\\new.wav", RawSound(L"7"));
    EXPECT_EQ(L"", window.eaddsound.Text());
}

TEST_F(SoundsTest, BrowseMenuAddAndCtrlOPutTheChosenFileIntoTheSoundField) {
    window.chooseSoundFile = [] { return std::optional<std::wstring>(L"C:\\chosen.wav"); };
    window.sbopensnd.Click();
    EXPECT_EQ(L"C:\\chosen.wav", window.eaddsound.Text());

    window.eaddsound.SetText(L"");
    window.Add1.Click();
    EXPECT_EQ(L"C:\\chosen.wav", window.eaddsound.Text());

    window.eaddsound.SetText(L"");
    BYTE keys[256] = {}, saved[256] = {};
    GetKeyboardState(saved);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG key{window.eaddsound.Handle(), WM_KEYDOWN, 'O', 1};
    EXPECT_TRUE(window.TranslateShortcut(key));
    SetKeyboardState(saved);
    testbed::Pump();
    EXPECT_EQ(L"C:\\chosen.wav", window.eaddsound.Text());
    EXPECT_EQ(0u, RawSoundCount()) << "nothing is added by choosing";
}

TEST_F(SoundsTest, ASoundsKeyThatCannotBeOpenedChangesNothing) {
    WriteRawSound(L"7", REG_SZ, L"C:\\a.wav");
    window.RefreshSoundList();
    store::SetRegistryFaults({.failOpen = [](const std::wstring& path) { return path == store::kSoundsKey; }});
    WriteRawSound(L"8", REG_SZ, L"C:\\b.wav");
    Add(L"9", L"C:\\c.wav");
    window.ListView1.Select(RowOf(L"7"));
    window.sbdelsnd.Click();
    EXPECT_EQ(std::vector<std::wstring>{L"7"}, Captions());
    EXPECT_FALSE(RawSound(L"9"));
    EXPECT_TRUE(RawSound(L"7"));
}

TEST_F(SoundsTest, AFailedWriteIsReportedAndTheFieldKeepsThePath) {
    store::SetRegistryFaults({.failWrite = [](const std::wstring& name) { return name == L"7"; }});
    ChooseHour(L"7");
    window.eaddsound.SetText(L"C:\\a.wav");
    SendMessageW(window.sbadsnd.Handle(), BM_CLICK, 0, 0);  // through the window's own dispatch
    EXPECT_EQ(std::vector<std::wstring>{L"Failed to set data for '7'"}, errors.messages);
    EXPECT_EQ(L"C:\\a.wav", window.eaddsound.Text());
    errors.messages.clear();
}

TEST_F(SoundsTest, ShowingTheSoundsPageRebuildsTheList) {
    WriteRawSound(L"5", REG_SZ, L"C:\\a.wav");
    EXPECT_EQ(-1, RowOf(L"5"));
    window.PageControl1.SetActivePage(window.TabSheet3);
    EXPECT_EQ(std::vector<std::wstring>{L"5"}, Captions());
}

TEST_F(SoundsTest, TheRealConfirmationBoxAsksAndIsAnswered) {
    window.confirm = realConfirm;
    struct Case {
        int button;
        const wchar_t* kept;
    };
    for (Case c : {Case{IDCANCEL, L"C:\\old.wav"}, Case{IDOK, L"D:\\new.wav"}}) {
        WriteRawSound(L"7", REG_SZ, L"C:\\old.wav");
        window.RefreshSoundList();
        std::vector<std::wstring> texts;
        ModalDriver driver(L"Confirm", {[&](HWND box) {
                               texts = ChildTexts(box);
                               SendMessageW(GetDlgItem(box, c.button), BM_CLICK, 0, 0);
                           }});
        Add(L"7", L"D:\\new.wav");
        ASSERT_EQ(1u, driver.StepsDone());
        EXPECT_TRUE(Contains(texts, L"Overwrite 7 hour sound"));
        EXPECT_TRUE(Contains(texts, L"OK"));
        EXPECT_TRUE(Contains(texts, L"Cancel"));
        EXPECT_EQ(c.kept, RawSound(L"7"));
        EXPECT_EQ(L"", window.eaddsound.Text());
    }
}

TEST(SoundsCreationTest, TheWindowOpensWithTheScheduleAndABadValueDoesNotStopIt) {
    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    ui::RegKey owner(key);
    const wchar_t path[] = L"C:\\a.wav";
    const DWORD number = 1;
    RegSetValueExW(key, L"alarm", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), sizeof(path));
    RegSetValueExW(key, L"7", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    SettingsWindow window;
    window.Create();
    ASSERT_EQ(1, window.ListView1.Count());
    EXPECT_EQ(L"alarm", window.ListView1.RowAt(0).caption);
    EXPECT_TRUE(window.sbadsnd.Enabled());
    EXPECT_EQ(std::vector<std::wstring>{L"Invalid data type for '7'"}, errors.messages);
    EXPECT_EQ(&window.tsgeneral, window.PageControl1.ActivePage()) << "the creation ran to its end";
}

TEST(SoundsCreationTest, AFreshUserGetsAnEmptySoundsKey) {
    testbed::RegistrySandbox sandbox;
    SettingsWindow window;
    window.Create();
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, KEY_READ, &key));
    ui::RegKey owner(key);
    EXPECT_EQ(0, window.ListView1.Count());
}

// --- The preview ----------------------------------------------------------------------------------

class PreviewTest : public SoundsTest {
protected:
    void SetUp() override {
        SoundsTest::SetUp();
        shortSound = folder / L"short.wav";
        longSound = folder / L"long.wav";
        otherLongSound = folder / L"other long.wav";
        WriteWav(shortSound, 200);
        WriteWav(longSound, 60000);
        WriteWav(otherLongSound, 60000);
    }
    void TearDown() override {
        window.StopPreview();
        EXPECT_EQ(0, sounds::PreviewPlayer::LiveCount());
        SoundsTest::TearDown();
    }
    void PlayFromField(const std::wstring& path) {
        window.eaddsound.SetText(path);
        window.sbplysndopen.Click();
    }

    ScratchFolder folder;
    std::wstring shortSound, longSound, otherLongSound;
};

TEST_F(PreviewTest, ASoundPlaysToItsEndAndReleasesItsPlayer) {
    PlayFromField(shortSound);
    EXPECT_EQ(shortSound, window.PreviewFile());
    EXPECT_TRUE(testbed::PumpUntil([&] { return !window.PreviewPlaying(); }));
    EXPECT_EQ(0, sounds::PreviewPlayer::LiveCount());
    window.Stop1.Click();  // nothing left to stop
    EXPECT_FALSE(window.PreviewPlaying());
}

TEST_F(PreviewTest, PlayingTheSelectedRowStopsTheRunningPreview) {
    WriteRawSound(L"7", REG_SZ, otherLongSound);
    window.RefreshSoundList();
    PlayFromField(longSound);
    ASSERT_EQ(longSound, window.PreviewFile());
    window.ListView1.Select(RowOf(L"7"));
    window.sbplysndlist.Click();
    EXPECT_EQ(otherLongSound, window.PreviewFile());
    EXPECT_EQ(1, sounds::PreviewPlayer::LiveCount());
    // The notices the first device leaves behind must not end the second preview.
    testbed::Pump();
    EXPECT_EQ(otherLongSound, window.PreviewFile());
}

TEST_F(PreviewTest, PlaySelectionNeedsASelectedRowAndPlayNeedsFourCharacters) {
    WriteRawSound(L"7", REG_SZ, otherLongSound);
    window.RefreshSoundList();
    PlayFromField(longSound);
    window.sbplysndlist.Click();  // no row selected
    PlayFromField(L"a.w");
    EXPECT_EQ(longSound, window.PreviewFile());
    window.ListView1.Select(RowOf(L"7"));
    window.Play1.Click();
    EXPECT_EQ(otherLongSound, window.PreviewFile());
}

TEST_F(PreviewTest, AClickOnTheListStopsAndADoubleClickPlaysTheRow) {
    WriteRawSound(L"7", REG_SZ, otherLongSound);
    window.RefreshSoundList();
    HWND list = window.ListView1.Handle();
    RECT row{};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    LPARAM onRow = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    LPARAM belowRows = MAKELPARAM(20, row.bottom + 40);

    PlayFromField(longSound);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, belowRows);
    SendMessageW(list, WM_LBUTTONUP, 0, belowRows);
    testbed::Pump();
    EXPECT_FALSE(window.PreviewPlaying());

    PlayFromField(longSound);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, onRow);
    SendMessageW(list, WM_LBUTTONUP, 0, onRow);
    testbed::Pump();
    EXPECT_FALSE(window.PreviewPlaying());
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, onRow);
    SendMessageW(list, WM_LBUTTONUP, 0, onRow);
    testbed::Pump();
    EXPECT_EQ(otherLongSound, window.PreviewFile());
}

TEST_F(PreviewTest, AMissingFileIsASilentStop) {
    PlayFromField(longSound);
    PlayFromField(folder / L"missing.wav");
    EXPECT_FALSE(window.PreviewPlaying());
    PlayFromField(folder.Path());  // a folder is no file either
    EXPECT_FALSE(window.PreviewPlaying());
}

TEST_F(PreviewTest, AnUnplayableFileShowsTheServicesTextAndLeavesNoPlayer) {
    const std::wstring broken = folder / L"broken.wav";
    WriteText(broken, "RIFF? no, just text");
    // What the media service itself says about this file.
    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = broken.c_str();
    MCIERROR error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open));
    ASSERT_NE(0u, error);
    wchar_t expected[MAXERRORLENGTH] = {};
    mciGetErrorStringW(error, expected, MAXERRORLENGTH);

    PlayFromField(longSound);
    PlayFromField(broken);
    EXPECT_EQ(std::vector<std::wstring>{expected}, errors.messages);
    errors.messages.clear();
    EXPECT_FALSE(window.PreviewPlaying());
    EXPECT_EQ(0, sounds::PreviewPlayer::LiveCount());
    PlayFromField(shortSound);  // later previews work as usual
    EXPECT_TRUE(testbed::PumpUntil([&] { return !window.PreviewPlaying(); }));
}

TEST_F(PreviewTest, TheDialogPreviewsOnlySoundsAndStopsWhenItCloses) {
    WriteText(folder / L"clip.avi", "not a video");
    struct Case {
        std::wstring highlighted;
        bool plays;
    };
    const Case cases[] = {{shortSound, true},
                          {folder / L"clip.avi", false},
                          {longSound, true},
                          {L"", false},
                          {folder.Path(), false},
                          {otherLongSound, true},
                          {folder / L"LOUD.WaV", false /* no such file */}};
    for (const Case& c : cases) {
        window.FileOpen1OpenDialogSelectionChange(c.highlighted);
        EXPECT_EQ(c.plays ? c.highlighted : L"", window.PreviewFile()) << c.highlighted;
    }
    WriteWav(folder / L"LOUD.WaV", 200);
    window.FileOpen1OpenDialogSelectionChange(folder / L"LOUD.WaV");
    EXPECT_TRUE(window.PreviewPlaying()) << "the extension in any case";

    window.chooseSoundFile = [&] {
        window.FileOpen1OpenDialogSelectionChange(longSound);
        return std::optional<std::wstring>();
    };
    window.sbopensnd.Click();
    EXPECT_FALSE(window.PreviewPlaying());
    EXPECT_EQ(L"", window.eaddsound.Text());
}

TEST_F(PreviewTest, TheRealDialogPreviewsTheHighlightedFile) {
    fs::create_directories(folder / L"sounds");
    const std::wstring bell = folder / L"sounds\\bell.wav";
    WriteWav(bell, 60000);
    WriteText(folder / L"sounds\\clip.avi", "not a video");
    WriteText(folder / L"sounds\\notes.txt", "not a sound");
    window.programFolder = folder.Path();
    std::vector<std::wstring> items;
    std::wstring afterBell, afterClip;
    auto list = [](HWND dialog) { return FindDescendant(dialog, L"SysListView32"); };
    ModalDriver driver(L"Orbin Select Sound",
                       {
                           [&](HWND dialog) {
                               items = ListItems(list(dialog));
                               Highlight(list(dialog), L"bell.wav");
                           },
                           [&](HWND dialog) {
                               afterBell = window.PreviewFile();
                               Highlight(list(dialog), L"clip.avi");
                           },
                           [&](HWND dialog) {
                               afterClip = window.PreviewFile();
                               Highlight(list(dialog), L"bell.wav");
                           },
                           [&](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); },
                       });
    window.sbopensnd.Click();
    ASSERT_EQ(4u, driver.StepsDone());
    std::sort(items.begin(), items.end());
    EXPECT_EQ((std::vector<std::wstring>{L"bell.wav", L"clip.avi"}), items) << "the filter and the initial folder";
    EXPECT_EQ(bell, afterBell);
    EXPECT_EQ(L"", afterClip);
    EXPECT_FALSE(window.PreviewPlaying()) << "closing the dialog stops";
    EXPECT_EQ(bell, window.eaddsound.Text());
}

}  // namespace
