#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Device pixels from 96-DPI layout pixels; every position of the layout passes through here.
int Scale(int value);
int ScreenDpi();

// Our own top-level and container windows: one static procedure for all of them finds the object,
// reflects control notifications to the control objects and never lets an exception reach user32.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);

protected:
    // Registers a class of ours once per process (the procedure is always the common one).
    static void RegisterClassOnce(const wchar_t* className, HICON icon = nullptr,
                                  UINT classStyle = CS_HREDRAW | CS_VREDRAW);
    // Creates the window; position and size are device pixels here.
    void CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                        int x, int y, int w, int h, HWND parent);
    void DestroyHandle();

    // Default handling: control notifications go to their control objects, the rest to DefWindowProc.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;  // given with WM_SETFONT, handed to the controls created inside

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// Finds the control object a notification is about and lets it handle it. True if it did.
bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace ui
