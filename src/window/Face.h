#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Handles.h"
#include "ui/Window.h"

// One text of the clock face model (Time, Date, Day), or the invisible background element whose text
// colour is the face's background colour. It measures itself whenever text, font, size or weight change,
// so its width and height always fit its text (device pixels).
class FaceText {
public:
    const std::wstring& Text() const { return text_; }
    const std::wstring& FontName() const { return fontName_; }
    int Size() const { return size_; }  // points
    COLORREF Color() const { return color_; }
    bool Bold() const { return bold_; }
    int Top() const { return top_; }
    int Left() const { return left_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetText(const std::wstring& text);
    void SetFontName(const std::wstring& name);
    void SetSize(int points);
    void SetColor(COLORREF color);
    void SetBold(bool bold);
    void SetTop(int top);
    void SetLeft(int left);

    HFONT Font() const { return font_.Get(); }
    std::function<void()> onChange;  // repaint of the panel that shows it

private:
    void Remeasure();
    std::wstring text_;
    std::wstring fontName_ = L"MS Sans Serif";
    int size_ = 8;
    COLORREF color_ = RGB(0, 0, 0);
    bool bold_ = false;
    int top_ = 0;
    int left_ = 5;
    int width_ = 0;
    int height_ = 0;
    ui::Font font_;
};

// The face preview: draws its texts over its colour, clipped to a rounded region, and tells which text a
// click hit. Texts are placed in client coordinates; sizes are the window's, in device pixels.
class FacePanel : public ui::Window {
public:
    FaceText* texts[3] = {};
    std::function<void(FaceText&)> onTextClick;
    std::function<void()> onBackgroundClick;

    void Create(HWND parent, int x, int y, int w, int h);

    COLORREF Color() const;  // what is drawn behind the texts
    void SetColor(COLORREF color);
    // A system colour for display only ("no background"): no stored text colour counts as equal to it.
    void SetSystemColor(int index);
    // True when a text of this colour cannot be seen on the panel.
    bool Hides(COLORREF textColor) const { return systemColor_ < 0 && textColor == color_; }

    int Width() const;
    int Height() const;
    void SetWidth(int w);
    void SetHeight(int h);
    // Clips the panel to (2, 2)-(width - 2, height - 2) with 11 x 11 corners, as the clock's own shape.
    void ClipToRoundedRect();

    FaceText* TextAt(POINT client) const;
    void Repaint();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void MouseDown(POINT at);
    void MouseUp(POINT at);
    COLORREF color_ = RGB(0, 0, 0);
    int systemColor_ = -1;
    bool pressed_ = false;
    FaceText* pressedText_ = nullptr;  // nullptr: the press began on the background
};
