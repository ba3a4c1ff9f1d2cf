#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

using Event = std::function<void()>;

// A Win32 control owned by one object. Positions are 96-DPI layout pixels; Create scales them.
// Notifications sent to the parent come back to the object through Reflect.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    void Create(HWND parent, const std::wstring& text, int x, int y, int w, int h);
    HWND Handle() const { return hwnd_; }
    static Control* FromHandle(HWND hwnd);

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void SetFont(HFONT font);
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    RECT Bounds() const;  // device pixels, in the parent's client coordinates

    virtual bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

protected:
    virtual const wchar_t* ClassName() const = 0;
    virtual DWORD Style() const = 0;
    virtual DWORD ExStyle() const { return 0; }
    virtual void AfterCreate() {}
    // Subclasses that need the control's own messages (mouse enter and leave, cursor) override this.
    virtual bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Subclass();

    HWND hwnd_ = nullptr;
    bool tabStop_ = true;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

class Button : public Control {
public:
    Event onClick;
    void Click();  // as the user's click: BM_CLICK

protected:
    const wchar_t* ClassName() const override { return WC_BUTTONW; }
    DWORD Style() const override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// Setting the state from code runs onClick exactly when the state changes, as a user's click would.
class CheckBox : public Control {
public:
    Event onClick;
    bool Checked() const;
    void SetChecked(bool checked);
    bool initiallyChecked = false;

protected:
    const wchar_t* ClassName() const override { return WC_BUTTONW; }
    DWORD Style() const override;
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

enum class Glyph { Open, Play, Add, Remove };

// A flat button that shows a glyph instead of a caption; its window text is its hint, so screen readers
// and automation find it by name.
class GlyphButton : public Button {
public:
    Glyph glyph = Glyph::Play;

protected:
    DWORD Style() const override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void AfterCreate() override { Subclass(); }

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    bool hot_ = false;
};

class Label : public Control {
public:
    Label() { tabStop_ = false; }
    Event onClick;
    Event onMouseEnter;
    Event onMouseLeave;
    bool handCursor = false;
    // Colour of the text; CLR_DEFAULT is the system window-text colour.
    void SetColor(COLORREF color);
    COLORREF Color() const;
    // A font of the window's family with a pixel height of its own ("19-pixel font").
    void SetPixelFont(int pixelHeight, bool bold = false);

protected:
    const wchar_t* ClassName() const override { return WC_STATICW; }
    DWORD Style() const override { return WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY; }
    void AfterCreate() override { Subclass(); }
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    COLORREF color_ = CLR_DEFAULT;
    Font font_;
    bool tracking_ = false;
};

// An etched rectangle that groups controls.
class Frame : public Control {
public:
    Frame() { tabStop_ = false; }

protected:
    const wchar_t* ClassName() const override { return WC_STATICW; }
    DWORD Style() const override { return WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME; }
};

// A picture drawn by code.
class Picture : public Control {
public:
    Picture() { tabStop_ = false; }
    std::function<void(HDC, const RECT&)> onPaint;

protected:
    const wchar_t* ClassName() const override { return WC_STATICW; }
    DWORD Style() const override { return WS_CHILD | WS_VISIBLE | SS_OWNERDRAW; }
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class Edit : public Control {
public:
    Event onChange;

protected:
    const wchar_t* ClassName() const override { return WC_EDITW; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// Read-only multi-line text; lines are joined with CR LF.
class Memo : public Control {
public:
    bool wordWrap = true;
    void SetLines(const std::vector<std::wstring>& lines);
    std::vector<std::wstring> Lines() const;

protected:
    const wchar_t* ClassName() const override { return WC_EDITW; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// Setting the position from code clamps it to the range and runs onChange exactly when it changes.
class TrackBar : public Control {
public:
    Event onChange;
    int minimum = 0;
    int maximum = 10;
    int lineSize = 1;
    int initialPosition = 0;
    int Position() const { return position_; }
    void SetPosition(int position);

protected:
    const wchar_t* ClassName() const override { return TRACKBAR_CLASSW; }
    DWORD Style() const override;
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    int position_ = 0;
};

// A time picker holding a full date-time value (days since 30 December 1899). Only the user's edits run
// onChange; setting the value from code runs nothing.
class TimePicker : public Control {
public:
    Event onChange;
    std::wstring format = L"HH:mm";
    double DateTime() const;
    void SetDateTime(double value);

protected:
    const wchar_t* ClassName() const override { return DATETIMEPICK_CLASSW; }
    DWORD Style() const override;
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool settingFromCode_ = false;
};

// A drop-down list that cannot be typed into. Setting the selection from code runs nothing.
class ComboBox : public Control {
public:
    Event onSelect;
    void Clear();
    void Add(const std::wstring& item);
    void SetItems(const std::vector<std::wstring>& items);
    int Count() const;
    std::wstring Item(int index) const;
    int ItemIndex() const;  // -1 when nothing is selected
    void SetItemIndex(int index);
    std::wstring SelectedText() const;

protected:
    const wchar_t* ClassName() const override { return WC_COMBOBOXW; }
    DWORD Style() const override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// A list of named colours with swatches, after a "Custom..." entry that opens the colour dialog.
class ColorBox : public Control {
public:
    struct Entry {
        std::wstring name;
        COLORREF color;
    };
    Event onChange;
    // The colour dialog; a test may put a stand-in here. Returns nothing when the user cancels.
    std::function<std::optional<COLORREF>(HWND owner, COLORREF initial)> pickCustomColor;

    void SetEntries(const std::vector<Entry>& named);  // the named colours, after "Custom..."
    COLORREF Selected() const;
    // Selects the entry of that colour; a colour not in the list becomes the custom entry's colour.
    void SetSelected(COLORREF color);
    int ItemIndex() const;
    int Count() const;
    const Entry& EntryAt(int index) const { return entries_[static_cast<size_t>(index)]; }
    // As the user's choice of an entry: selects it and reacts (the custom entry asks for a colour).
    void Choose(int index);

protected:
    const wchar_t* ClassName() const override { return WC_COMBOBOXW; }
    DWORD Style() const override;
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    void UserChose();
    std::vector<Entry> entries_;
    int lastIndex_ = -1;
};

// A report list. Each row has a caption, shown sub-items and hidden data kept with it.
class ListView : public Control {
public:
    struct Row {
        std::wstring caption;
        std::vector<std::wstring> subItems;  // shown in the columns after the first, then kept hidden
    };
    struct Column {
        std::wstring caption;
        int width;  // 96-DPI pixels
    };
    std::vector<Column> columns;
    std::function<void(bool selected)> onSelectItem;
    Event onClick;
    Event onDoubleClick;
    std::function<void(POINT screen)> onContextMenu;

    void Clear();
    void AddRow(Row row);
    // Sorts the rows by caption with the given comparison (negative, zero, positive).
    void SortByCaption(int (*compare)(const wchar_t*, const wchar_t*));
    int Count() const;
    const Row& RowAt(int index) const;  // in display order
    int SelectedIndex() const;          // -1 when none
    void Select(int index);             // -1 clears the selection

protected:
    const wchar_t* ClassName() const override { return WC_LISTVIEWW; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    std::vector<Row> rows_;  // indexed by each list item's lParam
};

// The page control: tabs with icons over pages of our own class.
class Page;
class PageControl : public Control {
public:
    std::vector<Page*> pages;
    HIMAGELIST images = nullptr;
    int ActiveIndex() const { return active_; }
    Page* ActivePage() const;
    void SetActivePage(Page& page);  // shows it (and runs its onShow) if it is not the active page
    void SelectNext(int step);       // the page `step` tabs on, round the end, as the user's switch
    RECT PageArea() const;           // where the pages go, in the parent's coordinates

protected:
    const wchar_t* ClassName() const override { return WC_TABCONTROLW; }
    DWORD Style() const override;
    void AfterCreate() override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Activate(int index);
    int active_ = -1;
};

// A menu item of a pop-up menu.
struct MenuItem {
    std::wstring caption;
    Event onClick;
    void Click() const {
        if (onClick) onClick();
    }
};

class PopupMenu {
public:
    std::vector<MenuItem*> items;  // nullptr stands for a separator
    // Shows the menu at a screen point and runs the chosen item; returns when the menu closes.
    void Show(HWND owner, POINT screen) const;
};

// One tooltip control for a top-level window: every control with a hint gets a tool.
class ToolTips {
public:
    void Create(HWND owner, int visibleMs);
    void Add(HWND control, const std::wstring& hint);
    std::wstring TextFor(HWND control) const;
    int VisibleMs() const;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace ui
