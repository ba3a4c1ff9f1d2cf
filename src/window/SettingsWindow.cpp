#include "window/SettingsWindow.h"

#include <shellapi.h>

#include <iterator>

#include "app/Messages.h"
#include "ui/DateTime.h"
#include "ui/Error.h"
#include "window/Artwork.h"
#include "window/Layout.h"

namespace {

constexpr int kClientWidth = 493;
constexpr int kClientHeight = 396;
constexpr int kHintVisibleMs = 10000;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Keyboard shortcuts, as commands to the window.
enum : WORD { kOpenSoundFile = 1, kNextPage, kPreviousPage };
ACCEL kShortcuts[] = {
    {FCONTROL | FVIRTKEY, 'O', kOpenSoundFile},
    {FCONTROL | FVIRTKEY, VK_TAB, kNextPage},
    {FCONTROL | FSHIFT | FVIRTKEY, VK_TAB, kPreviousPage},
    {FCONTROL | FVIRTKEY, VK_NEXT, kNextPage},
    {FCONTROL | FVIRTKEY, VK_PRIOR, kPreviousPage},
};

std::wstring FolderOfThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw ui::Error(L"Cannot find the folder of this program.");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

void ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters) {
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", file.c_str(),
                                                          parameters.empty() ? nullptr : parameters.c_str(),
                                                          nullptr, SW_SHOWNORMAL));
    if (result <= 32) throw ui::Error(L"Cannot open \"" + file + L"\".");
}

}  // namespace

SettingsWindow::SettingsWindow() {
    shellOpen = [this](const std::wstring& file, const std::wstring& parameters) {
        ShellOpen(hwnd_, file, parameters);
    };
    clockNotice = [](WPARAM notice) { SendClockNotice(notice); };
}

SettingsWindow::~SettingsWindow() { DestroyHandle(); }

void SettingsWindow::Create() {
    RegisterClassOnce(kSettingsClass, LoadProgramIcon(GetSystemMetrics(SM_CXICON)));
    RECT frame{0, 0, ui::Scale(kClientWidth), ui::Scale(kClientHeight)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + (work.right - work.left - w) / 2;
    int y = work.top + (work.bottom - work.top - h) / 2;
    CreateWindowOf(kSettingsClass, kSettingsCaption, kWindowStyle, kWindowExStyle, x, y, w, h, nullptr);

    HDC screen = GetDC(nullptr);
    int pointHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    dialogFont_.Reset(CreateFontW(pointHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_.Get()), FALSE);
    hints.Create(hwnd_, kHintVisibleMs);
    shortcuts_.Reset(CreateAcceleratorTableW(kShortcuts, static_cast<int>(std::size(kShortcuts))));

    CreateControls();
    BindEvents();
    FormCreate();
}

void SettingsWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void SettingsWindow::CreateControls() {
    CreateHeader();
    CreatePages();
    CreateGeneralPage();
    CreateVisualPage();
    CreateSoundsPage();
    CreateCalendarPage();
    CreateClockPage();
    CreateAboutPage();
    CreateCommandBar();
}

void SettingsWindow::CreatePages() {
    struct PageRow {
        ui::Page* page;
        const wchar_t* caption;
        int image;
    };
    const PageRow rows[] = {
        {&tsgeneral, L"General", 5}, {&TabSheet1, L"Visual", 0},   {&TabSheet3, L"Sounds", 2},
        {&TabSheet5, L"Calendar", 4}, {&tsclock, L"Clock", 6},     {&TabSheet2, L"About", 1},
    };
    tabImages_.Reset(CreateTabImages());
    PageControl1.images = tabImages_.Get();
    for (const PageRow& row : rows) {
        row.page->caption = row.caption;
        row.page->imageIndex = row.image;
        PageControl1.pages.push_back(row.page);
    }
    PageControl1.SetTabStop(true);
    PageControl1.Create(hwnd_, L"", 4, 60, 485, 298);
    RECT area = PageControl1.PageArea();
    for (const PageRow& row : rows) row.page->Create(hwnd_, area);
    // The designer's page: shown from the start, so the first load finds it active already.
    PageControl1.SetActivePage(tsgeneral);
}

void SettingsWindow::BindEvents() {
    Label4.onClick = [this] { Label4Click(); };
    Label4.onMouseEnter = [this] { Label4MouseEnter(); };
    Label4.onMouseLeave = [this] { Label4MouseLeave(); };
    Image1.onPaint = [](HDC dc, const RECT& r) { PaintHeaderPicture(dc, r); };
    Button2.onClick = [this] { Button2Click(); };
    tsgeneral.onShow = [this] { tsgeneralShow(); };
    TabSheet1.onShow = [this] { TabSheet1Show(); };
    TabSheet3.onShow = [this] { TabSheet3Show(); };
    TabSheet5.onShow = [this] { TabSheet5Show(); };
    tsclock.onShow = [this] { tsclockShow(); };
    TabSheet2.onShow = [this] { TabSheet2Show(); };
    Button1.onClick = [this] { Button1Click(); };
    Button4.onClick = [this] { Button4Click(); };
    BindFaceEvents();
    BindOptionEvents();
    BindSoundEvents();
}

void SettingsWindow::FormCreate() {
    StopPreview();
    programFolder = FolderOfThisProgram();
    double now = ui::NowDateTime();
    DateTimePicker1.SetDateTime(now);
    DateTimePicker2.SetDateTime(now);
    CreateFaceModel();
    EnableSoundEditing(cbenabsnd.Checked());
    LoadSettings(true);
    FitFaceHeight();
    FitFaceWidth();
    // Last: the window itself must never be transparent to the mouse.
    LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT));
}

// --- Window-wide behaviour -----------------------------------------------------------------------

void SettingsWindow::ShowCommandButtons(bool visible) {
    Button1.SetVisible(visible);
    Button2.SetVisible(visible);
    Button4.SetVisible(visible);
    Button2.SetVisible(true);
}

void SettingsWindow::tsgeneralShow() { ShowCommandButtons(true); }
void SettingsWindow::TabSheet1Show() { ShowCommandButtons(true); }
void SettingsWindow::TabSheet3Show() {
    ShowCommandButtons(true);
    RefreshSoundList();
    InvalidateRect(ListView1.Handle(), nullptr, TRUE);
}
void SettingsWindow::TabSheet5Show() { ShowCommandButtons(true); }
void SettingsWindow::tsclockShow() { ShowCommandButtons(true); }
void SettingsWindow::TabSheet2Show() { ShowCommandButtons(false); }

void SettingsWindow::Label4Click() { shellOpen(kHomePage, L""); }
void SettingsWindow::Label4MouseEnter() { Label4.SetColor(RGB(255, 0, 0)); }
void SettingsWindow::Label4MouseLeave() { Label4.SetColor(CLR_DEFAULT); }

// "Close" ends the program at once; nothing is saved or asked.
void SettingsWindow::Button2Click() { DestroyWindow(hwnd_); }

bool SettingsWindow::TranslateShortcut(MSG& msg) {
    if (!hwnd_ || !shortcuts_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    return TranslateAcceleratorW(hwnd_, shortcuts_.Get(), &msg) != 0;
}

void SettingsWindow::Shortcut(WORD command) {
    switch (command) {
    case kOpenSoundFile:
        sbopensndClick();  // the choice goes into the "Sound" field, as the browse button's does
        break;
    case kNextPage:
        PageControl1.SelectNext(1);
        break;
    case kPreviousPage:
        PageControl1.SelectNext(-1);
        break;
    }
}

void SettingsWindow::ActivationMessage() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
}

LRESULT SettingsWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kActivationMessage:
        ActivationMessage();
        return 0;
    case WM_DESTROY:
        if (onDestroyed) onDestroyed();
        return 0;
    case WM_COMMAND:
        if (lp == 0 && HIWORD(wp) == 1) {  // from a keyboard shortcut
            Shortcut(LOWORD(wp));
            return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    default: {
        LRESULT result = 0;
        if (HandleSoundMessage(msg, wp, lp, result)) return result;
        return Window::HandleMessage(msg, wp, lp);
    }
    }
}
