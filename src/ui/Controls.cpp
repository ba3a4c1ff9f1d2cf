#include "ui/Controls.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "ui/DateTime.h"
#include "ui/Error.h"
#include "ui/Page.h"
#include "ui/Window.h"

namespace ui {

// --- Control --------------------------------------------------------------------------------------

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void Control::Create(HWND parent, const std::wstring& text, int x, int y, int w, int h) {
    DWORD style = Style() | (tabStop_ ? WS_TABSTOP : 0);
    if (!tabStop_) style &= ~static_cast<DWORD>(WS_TABSTOP);
    hwnd_ = CreateWindowExW(ExStyle(), ClassName(), text.c_str(), style, Scale(x), Scale(y), Scale(w),
                            Scale(h), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw Error(L"Cannot create the control \"" + text + L"\"");
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageW(hwnd_, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    AfterCreate();
}

Control* Control::FromHandle(HWND hwnd) {
    return reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::wstring Control::Text() const {
    int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }
bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
bool Control::Visible() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
void Control::SetFont(HFONT font) { SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

RECT Control::Bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Control::Reflect(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool Control::OwnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Control::Subclass() { SetWindowSubclass(hwnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this)); }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, SubclassProc, 1);
    auto* self = FromHandle(hwnd) == reinterpret_cast<Control*>(data) ? reinterpret_cast<Control*>(data)
                                                                       : nullptr;
    LRESULT result = 0;
    bool handled = false;
    if (self) Guarded([&] { handled = self->OwnMessage(msg, wp, lp, result); });
    return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

// --- Buttons -------------------------------------------------------------------------------------

namespace {

// A button's click, as its parent hears of it.
bool ReflectClick(UINT msg, WPARAM wp, const Event& onClick, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

}  // namespace

DWORD Button::Style() const { return WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON; }

void Button::Click() { SendMessageW(hwnd_, BM_CLICK, 0, 0); }

bool Button::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) { return ReflectClick(msg, wp, onClick, result); }

DWORD CheckBox::Style() const { return WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX; }

void CheckBox::AfterCreate() { SendMessageW(hwnd_, BM_SETCHECK, initiallyChecked ? BST_CHECKED : BST_UNCHECKED, 0); }

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (Checked() == checked) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) onClick();
}

bool CheckBox::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) { return ReflectClick(msg, wp, onClick, result); }

DWORD GlyphButton::Style() const { return WS_CHILD | WS_VISIBLE | BS_OWNERDRAW; }

bool GlyphButton::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    return Button::Reflect(msg, wp, lp, result);
}

bool GlyphButton::OwnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
    // Flat: the edge shows only while the pointer is over the button.
    if (msg == WM_MOUSEMOVE && !hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd_, nullptr, FALSE);
    } else if (msg == WM_MOUSELEAVE) {
        hot_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    return false;
}

namespace {

void FillPolygon(HDC dc, const POINT* points, int count, COLORREF color) {
    Brush brush(CreateSolidBrush(color));
    Pen pen(CreatePen(PS_SOLID, 1, color));
    Selected b(dc, brush.Get());
    Selected p(dc, pen.Get());
    Polygon(dc, points, count);
}

void FillBox(HDC dc, int x, int y, int w, int h, COLORREF color) {
    RECT r{x, y, x + w, y + h};
    Brush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.Get());
}

// Glyphs are drawn on a 16 x 16 grid scaled to the screen, centred in the button.
void DrawGlyph(HDC dc, Glyph glyph, int cx, int cy, bool enabled) {
    auto s = [](int v) { return Scale(v); };
    int x0 = cx - s(8), y0 = cy - s(8);
    auto at = [&](int x, int y) { return POINT{x0 + s(x), y0 + s(y)}; };
    COLORREF dark = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
    switch (glyph) {
    case Glyph::Open: {
        COLORREF folder = enabled ? RGB(230, 180, 40) : GetSysColor(COLOR_GRAYTEXT);
        POINT back[] = {at(1, 3), at(6, 3), at(7, 5), at(14, 5), at(14, 13), at(1, 13)};
        FillPolygon(dc, back, 6, dark);
        POINT front[] = {at(2, 7), at(15, 7), at(13, 13), at(1, 13)};
        FillPolygon(dc, front, 4, folder);
        break;
    }
    case Glyph::Play: {
        POINT triangle[] = {at(5, 3), at(12, 8), at(5, 13)};
        FillPolygon(dc, triangle, 3, enabled ? RGB(0, 128, 0) : dark);
        break;
    }
    case Glyph::Add: {
        COLORREF plus = enabled ? RGB(0, 0, 160) : dark;
        FillBox(dc, x0 + s(7), y0 + s(3), s(3), s(11), plus);
        FillBox(dc, x0 + s(3), y0 + s(7), s(11), s(3), plus);
        break;
    }
    case Glyph::Remove: {
        COLORREF cross = enabled ? RGB(200, 0, 0) : dark;
        POINT a[] = {at(3, 4), at(5, 2), at(14, 11), at(12, 13)};
        POINT b[] = {at(12, 2), at(14, 4), at(5, 13), at(3, 11)};
        FillPolygon(dc, a, 4, cross);
        FillPolygon(dc, b, 4, cross);
        break;
    }
    }
}

}  // namespace

void GlyphButton::Draw(const DRAWITEMSTRUCT& item) const {
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool enabled = (item.itemState & ODS_DISABLED) == 0;
    if (pressed)
        DrawEdge(item.hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ && enabled)
        DrawEdge(item.hDC, &r, BDR_RAISEDINNER, BF_RECT);
    int shift = pressed ? 1 : 0;
    DrawGlyph(item.hDC, glyph, (r.left + r.right) / 2 + shift, (r.top + r.bottom) / 2 + shift, enabled);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(item.hDC, &focus);
    }
}

// --- Labels and pictures -------------------------------------------------------------------------

void Label::SetColor(COLORREF color) {
    color_ = color;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

COLORREF Label::Color() const { return color_ == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : color_; }

void Label::SetPixelFont(int pixelHeight, bool bold) {
    LOGFONTW lf{};
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    if (current) GetObjectW(current, sizeof(lf), &lf);
    lf.lfHeight = -Scale(pixelHeight);
    lf.lfWidth = 0;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font_.Reset(CreateFontIndirectW(&lf));
    SetFont(font_.Get());
}

bool Label::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, Color());
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
        if (onClick) onClick();
        result = 0;
        return true;
    }
    return false;
}

bool Label::OwnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!tracking_) {
            tracking_ = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
            TrackMouseEvent(&track);
            if (onMouseEnter) onMouseEnter();
        }
        return false;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (onMouseLeave) onMouseLeave();
        return false;
    case WM_SETCURSOR:
        if (!handCursor) return false;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
        return true;
    default:
        return false;
    }
}

bool Picture::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (onPaint) onPaint(item.hDC, item.rcItem);
    result = TRUE;
    return true;
}

// --- Text fields ---------------------------------------------------------------------------------

DWORD Edit::Style() const { return WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL; }

bool Edit::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != EN_CHANGE) return false;
    if (onChange) onChange();
    result = 0;
    return true;
}

DWORD Memo::Style() const {
    return WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | (wordWrap ? 0 : ES_AUTOHSCROLL);
}

bool Memo::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    // Read-only text on the dialog's face, as a memo of a dialog is drawn.
    if (msg != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

void Memo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += L"\r\n";
        text += lines[i];
    }
    SetText(text);
}

std::vector<std::wstring> Memo::Lines() const {
    std::vector<std::wstring> lines;
    std::wstring text = Text();
    size_t start = 0;
    while (true) {
        size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 2;
    }
    return lines;
}

// --- Slider --------------------------------------------------------------------------------------

DWORD TrackBar::Style() const { return WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | TBS_BOTH; }

void TrackBar::AfterCreate() {
    SendMessageW(hwnd_, TBM_SETRANGEMIN, TRUE, minimum);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, maximum);
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, lineSize);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, std::max(1, (maximum - minimum) / 10));
    position_ = std::clamp(initialPosition, minimum, maximum);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_);
}

void TrackBar::SetPosition(int position) {
    position = std::clamp(position, minimum, maximum);
    if (position == position_) return;
    position_ = position;
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_);
    if (onChange) onChange();
}

bool TrackBar::Reflect(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_HSCROLL && msg != WM_VSCROLL) return false;
    int position = static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
    if (position != position_) {
        position_ = position;
        if (onChange) onChange();
    }
    result = 0;
    return true;
}

// --- Time picker ---------------------------------------------------------------------------------

DWORD TimePicker::Style() const { return WS_CHILD | WS_VISIBLE | DTS_TIMEFORMAT | DTS_UPDOWN; }

void TimePicker::AfterCreate() { SendMessageW(hwnd_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str())); }

double TimePicker::DateTime() const {
    SYSTEMTIME st{};
    SendMessageW(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return ToDateTime(st);
}

void TimePicker::SetDateTime(double value) {
    SYSTEMTIME st = ToSystemTime(value);
    settingFromCode_ = true;
    SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    settingFromCode_ = false;
}

bool TimePicker::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lp)->code != DTN_DATETIMECHANGE) return false;
    if (!settingFromCode_ && onChange) onChange();
    result = 0;
    return true;
}

// --- Lists ---------------------------------------------------------------------------------------

DWORD ComboBox::Style() const { return WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST; }

void ComboBox::Clear() { SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0); }

void ComboBox::Add(const std::wstring& item) {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::SetItems(const std::vector<std::wstring>& items) {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    Clear();
    for (const auto& item : items) Add(item);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int ComboBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::Item(int index) const {
    LRESULT length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }
void ComboBox::SetItemIndex(int index) { SendMessageW(hwnd_, CB_SETCURSEL, index, 0); }
std::wstring ComboBox::SelectedText() const { return ItemIndex() < 0 ? std::wstring() : Item(ItemIndex()); }

bool ComboBox::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != CBN_SELCHANGE) return false;
    if (onSelect) onSelect();
    result = 0;
    return true;
}

DWORD ColorBox::Style() const {
    return WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void ColorBox::AfterCreate() {
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scale(16));
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, Scale(16));
    SendMessageW(hwnd_, CB_SETMINVISIBLE, 12, 0);
}

void ColorBox::SetEntries(const std::vector<Entry>& named) {
    entries_.clear();
    entries_.push_back({L"Custom...", RGB(0, 0, 0)});
    entries_.insert(entries_.end(), named.begin(), named.end());
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : entries_)
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
    lastIndex_ = -1;
}

int ColorBox::Count() const { return static_cast<int>(entries_.size()); }
int ColorBox::ItemIndex() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

COLORREF ColorBox::Selected() const {
    int index = ItemIndex();
    return index >= 0 && index < Count() ? entries_[static_cast<size_t>(index)].color : RGB(0, 0, 0);
}

void ColorBox::SetSelected(COLORREF color) {
    int found = 0;
    for (int i = 1; i < Count(); ++i)
        if (entries_[static_cast<size_t>(i)].color == color) {
            found = i;
            break;
        }
    if (found == 0 && !entries_.empty()) entries_[0].color = color;
    SendMessageW(hwnd_, CB_SETCURSEL, found, 0);
    lastIndex_ = found;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ColorBox::Choose(int index) {
    SendMessageW(hwnd_, CB_SETCURSEL, index, 0);
    UserChose();
}

void ColorBox::UserChose() {
    int index = ItemIndex();
    if (index < 0) return;
    if (index == 0) {
        std::optional<COLORREF> picked;
        if (pickCustomColor) {
            picked = pickCustomColor(GetAncestor(hwnd_, GA_ROOT), entries_[0].color);
        } else {
            static COLORREF custom[16] = {};
            CHOOSECOLORW cc{sizeof(cc)};
            cc.hwndOwner = GetAncestor(hwnd_, GA_ROOT);
            cc.rgbResult = entries_[0].color;
            cc.lpCustColors = custom;
            cc.Flags = CC_RGBINIT | CC_FULLOPEN;
            if (ChooseColorW(&cc)) picked = cc.rgbResult;
        }
        if (!picked) {  // cancelled: the previous choice stands
            SendMessageW(hwnd_, CB_SETCURSEL, lastIndex_, 0);
            return;
        }
        entries_[0].color = *picked & 0x00FFFFFF;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    lastIndex_ = index;
    if (onChange) onChange();
}

void ColorBox::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return;
    const Entry& entry = entries_[item.itemID];
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT swatch{r.left + Scale(2), r.top + Scale(2), r.left + Scale(2) + Scale(22), r.bottom - Scale(2)};
    Brush brush(CreateSolidBrush(entry.color));
    FillRect(item.hDC, &swatch, brush.Get());
    FrameRect(item.hDC, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    RECT text = r;
    text.left = swatch.right + Scale(4);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, entry.name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &r);
}

bool ColorBox::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
        UserChose();
        result = 0;
        return true;
    }
    return false;
}

DWORD ListView::Style() const {
    return WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
}

void ListView::AfterCreate() {
    DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT;
    ListView_SetExtendedListViewStyle(hwnd_, ex);
    // Hot tracking without hover selection: the hover time is longer than anyone waits.
    ListView_SetHoverTime(hwnd_, 9999999);
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i].caption.c_str());
        column.cx = Scale(columns[i].width);
        column.iSubItem = static_cast<int>(i);
        ListView_InsertColumn(hwnd_, static_cast<int>(i), &column);
    }
}

void ListView::Clear() {
    ListView_DeleteAllItems(hwnd_);
    rows_.clear();
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void ListView::AddRow(Row row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(row.caption.c_str());
    item.lParam = static_cast<LPARAM>(rows_.size());
    int index = ListView_InsertItem(hwnd_, &item);
    if (index < 0) throw Error(L"Cannot add the row \"" + row.caption + L"\"");
    for (size_t i = 0; i + 1 < columns.size() && i < row.subItems.size(); ++i)
        ListView_SetItemText(hwnd_, index, static_cast<int>(i + 1), const_cast<wchar_t*>(row.subItems[i].c_str()));
    rows_.push_back(std::move(row));
}

namespace {
struct SortContext {
    const std::vector<ListView::Row>* rows;
    int (*compare)(const wchar_t*, const wchar_t*);
};
int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM context) {
    auto* c = reinterpret_cast<SortContext*>(context);
    return c->compare((*c->rows)[static_cast<size_t>(a)].caption.c_str(),
                      (*c->rows)[static_cast<size_t>(b)].caption.c_str());
}
}  // namespace

void ListView::SortByCaption(int (*compare)(const wchar_t*, const wchar_t*)) {
    SortContext context{&rows_, compare};
    ListView_SortItems(hwnd_, CompareRows, reinterpret_cast<LPARAM>(&context));
}

int ListView::Count() const { return ListView_GetItemCount(hwnd_); }

const ListView::Row& ListView::RowAt(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!ListView_GetItem(hwnd_, &item) || item.lParam < 0 || static_cast<size_t>(item.lParam) >= rows_.size())
        throw Error(L"No such row in the list.");
    return rows_[static_cast<size_t>(item.lParam)];
}

int ListView::SelectedIndex() const { return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); }

void ListView::Select(int index) {
    if (index < 0) {
        ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    ListView_SetItemState(hwnd_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd_, index, FALSE);
}

bool ListView::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg == WM_CONTEXTMENU) {
        POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (at.x == -1 && at.y == -1) {  // from the keyboard: below the selected row, or the corner
            RECT r{};
            int selected = SelectedIndex();
            if (selected < 0 || !ListView_GetItemRect(hwnd_, selected, &r, LVIR_LABEL)) GetClientRect(hwnd_, &r);
            at = {r.left, r.bottom};
            ClientToScreen(hwnd_, &at);
        }
        if (onContextMenu) onContextMenu(at);
        result = 0;
        return true;
    }
    if (msg != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    switch (header->code) {
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
        if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) &&
            onSelectItem)
            onSelectItem((change->uNewState & LVIS_SELECTED) != 0);
        break;
    }
    case NM_CLICK:
        if (onClick) onClick();
        break;
    case NM_DBLCLK:
        if (onDoubleClick) onDoubleClick();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

// --- Pages ---------------------------------------------------------------------------------------

DWORD PageControl::Style() const { return WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_TABS; }

void PageControl::AfterCreate() {
    if (images) TabCtrl_SetImageList(hwnd_, images);
    for (size_t i = 0; i < pages.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<wchar_t*>(pages[i]->caption.c_str());
        item.iImage = pages[i]->imageIndex;
        TabCtrl_InsertItem(hwnd_, static_cast<int>(i), &item);
    }
}

RECT PageControl::PageArea() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    TabCtrl_AdjustRect(hwnd_, FALSE, &r);
    MapWindowPoints(hwnd_, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Page* PageControl::ActivePage() const { return active_ >= 0 ? pages[static_cast<size_t>(active_)] : nullptr; }

void PageControl::SetActivePage(Page& page) {
    auto it = std::find(pages.begin(), pages.end(), &page);
    if (it == pages.end()) return;
    int index = static_cast<int>(it - pages.begin());
    if (index == active_) return;
    TabCtrl_SetCurSel(hwnd_, index);
    Activate(index);
}

void PageControl::SelectNext(int step) {
    int count = static_cast<int>(pages.size());
    if (count == 0) return;
    int index = ((active_ + step) % count + count) % count;
    TabCtrl_SetCurSel(hwnd_, index);
    Activate(index);
}

void PageControl::Activate(int index) {
    if (index == active_ || index < 0 || index >= static_cast<int>(pages.size())) return;
    Page* previous = ActivePage();
    active_ = index;
    Page* next = pages[static_cast<size_t>(index)];
    SetWindowPos(next->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (previous) ShowWindow(previous->Handle(), SW_HIDE);
    if (next->onShow) next->onShow();
}

bool PageControl::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lp)->code != TCN_SELCHANGE) return false;
    Activate(TabCtrl_GetCurSel(hwnd_));
    result = 0;
    return true;
}

void Page::Create(HWND parent, const RECT& area) {
    RegisterClassOnce(L"OrbinPage");
    CreateWindowOf(L"OrbinPage", caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, area.left,
                   area.top, area.right - area.left, area.bottom - area.top, parent);
    SendMessageW(hwnd_, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
}

// --- Menus and tooltips --------------------------------------------------------------------------

void PopupMenu::Show(HWND owner, POINT screen) const {
    Menu menu(CreatePopupMenu());
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i])
            AppendMenuW(menu.Get(), MF_STRING, i + 1, items[i]->caption.c_str());
        else
            AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    }
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                   screen.x, screen.y, 0, owner, nullptr));
    if (chosen >= 1 && chosen <= items.size() && items[chosen - 1]) items[chosen - 1]->Click();
}

void ToolTips::Create(HWND owner, int visibleMs) {
    owner_ = owner;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw Error(L"Cannot create the tooltips.");
    SendMessageW(hwnd_, TTM_SETDELAYTIME, TTDT_AUTOPOP, visibleMs);
    SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, Scale(320));
}

void ToolTips::Add(HWND control, const std::wstring& hint) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(hint.c_str());
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring ToolTips::TextFor(HWND control) const {
    wchar_t buffer[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = buffer;
    // The buffer is larger than any hint of ours; the control copies at most 80 characters without it.
    SendMessageW(hwnd_, TTM_GETTEXTW, static_cast<WPARAM>(std::size(buffer)), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

int ToolTips::VisibleMs() const { return static_cast<int>(SendMessageW(hwnd_, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0)); }

}  // namespace ui
