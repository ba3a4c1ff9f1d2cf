// Writes a picture of every page of the settings window (as BMP files) to the folder given as argument.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <string>

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
    for (const auto& message : errors.messages) fwprintf(stderr, L"error: %ls\n", message.c_str());
    return 0;
}
