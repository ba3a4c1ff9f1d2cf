// Writes a picture of every page of the settings window (as BMP files) to the folder given as argument.
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "support/Sandbox.h"
#include "window/SettingsWindow.h"

namespace {

bool SaveWindowBitmap(HWND hwnd, const std::wstring& file) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    DWORD rowBytes = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + rowBytes * static_cast<DWORD>(h);
    FILE* out = _wfopen(file.c_str(), L"wb");
    bool ok = out != nullptr;
    if (out) {
        fwrite(&header, sizeof(header), 1, out);
        fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
        fwrite(bits, rowBytes, static_cast<size_t>(h), out);
        fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

void Settle(SettingsWindow& window) {
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testbed::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
}

// The Visual page with a few face styles, and its colour list dropped down.
bool CaptureFaceStyles(SettingsWindow& window, const std::wstring& folder) {
    window.PageControl1.SetActivePage(window.TabSheet1);
    auto press = [](ui::Control& c) { SendMessageW(c.Handle(), BM_CLICK, 0, 0); };
    struct Style {
        const wchar_t* name;
        std::function<void()> apply;
    };
    const Style styles[] = {
        {L"defaults", [&] { press(window.Button3); }},
        {L"no-background", [&] { press(window.CheckBox1); }},
        {L"large-long-date",
         [&] {
             press(window.CheckBox1);
             press(window.CheckBox2);
             window.Label1Click();
             window.TrackBar1.SetPosition(40);
             window.Label2Click();
             window.TrackBar1.SetPosition(16);
             window.SpeedButton2Click();
         }},
        {L"colour-list",
         [&] {
             window.Label1Click();
             SendMessageW(window.ColorBox1.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
         }},
    };
    for (const Style& style : styles) {
        style.apply();
        Settle(window);
        if (!SaveWindowBitmap(window.Handle(), folder + L"face-" + style.name + L".bmp")) return false;
    }
    SendMessageW(window.ColorBox1.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    return true;
}

// A few scheduled sounds, so the Sounds page shows what a user's does.
void AddSampleSchedule() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\quillmoor\\orbin\\sounds", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const std::pair<const wchar_t*, std::wstring> sounds[] = {
        {L"alarm", L"C:\\Program Files\\Orbin\\sounds\\wake up.wav"},
        {L"7", L"C:\\Program Files\\Orbin\\sounds\\morning.mp3"},
        {L"12", L"C:\\Program Files\\Orbin\\sounds\\noon bell.wav"},
        {L"18", L"D:\\Music\\evening.mid"},
    };
    for (const auto& [hour, path] : sounds)
        RegSetValueExW(key, hour, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: orbin_screenshots <folder>\n");
        return 2;
    }
    std::wstring folder = argv[1];
    if (folder.back() != L'\\') folder += L'\\';
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;
    AddSampleSchedule();
    SettingsWindow window;
    window.Create();
    window.Show();
    SetWindowPos(window.Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    int index = 0;
    for (ui::Page* page : window.PageControl1.pages) {
        window.PageControl1.SetActivePage(*page);
        RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testbed::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
        std::wstring name = folder + std::to_wstring(++index) + L"-" + page->caption + L".bmp";
        if (!SaveWindowBitmap(window.Handle(), name)) return 1;
    }
    if (!CaptureFaceStyles(window, folder)) return 1;
    for (const auto& message : errors.messages) fwprintf(stderr, L"error: %ls\n", message.c_str());
    return 0;
}
