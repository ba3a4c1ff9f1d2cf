// The Visual page: the live model of the clock face and its editors.
#include <algorithm>
#include <vector>

#include "ui/Error.h"
#include "window/LocaleText.h"
#include "window/SettingsWindow.h"

namespace {

constexpr int kTextLeft = 5;
constexpr int kMinSize = 10;
constexpr int kMaxSize = 40;
constexpr COLORREF kDefaultTextColor = 33023;  // orange: red 255, green 128, blue 0
constexpr wchar_t kDefaultFont[] = L"MS Sans Serif";

// The clock knows these colours by name; "Custom..." comes before them.
const std::vector<ui::ColorBox::Entry>& NamedColors() {
    static const std::vector<ui::ColorBox::Entry> colors{
        {L"clBlack", 0x000000},      {L"clMaroon", 0x000080},  {L"clGreen", 0x008000}, {L"clOlive", 0x008080},
        {L"clNavy", 0x800000},       {L"clPurple", 0x800080},  {L"clTeal", 0x808000},  {L"clGray", 0x808080},
        {L"clSilver", 0xC0C0C0},     {L"clRed", 0x0000FF},     {L"clLime", 0x00FF00},  {L"clYellow", 0x00FFFF},
        {L"clBlue", 0xFF0000},       {L"clFuchsia", 0xFF00FF}, {L"clAqua", 0xFFFF00},  {L"clWhite", 0xFFFFFF},
        {L"clMoneyGreen", 0xC0DCC0}, {L"clSkyBlue", 0xF0CAA6}, {L"clCream", 0xF0FBFF}, {L"clMedGray", 0xA4A0A0},
    };
    return colors;
}

// Font names compare as the clock compares them: only the letters a-z ignore case.
wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameAsciiText(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

int CompareIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                           static_cast<int>(b.size()), nullptr, nullptr, 0) -
           CSTR_EQUAL;
}

// "Default" and every font family of the screen, for any character set. A family comes once per
// character set, one right after another, so a name equal to the one just before it is skipped.
std::vector<std::wstring> ScreenFontNames() {
    std::vector<std::wstring> names;
    HDC dc = GetDC(nullptr);
    if (!dc) throw ui::Error(L"Cannot list the screen fonts.");
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    struct Enumeration {
        std::vector<std::wstring>* names;
        std::wstring previous;
    } state{&names, {}};
    EnumFontFamiliesExW(
        dc, &query,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
            auto* e = reinterpret_cast<Enumeration*>(data);
            std::wstring name = font->lfFaceName;
            if (e->names->empty() || CompareIgnoringCase(name, e->previous) != 0) e->names->push_back(name);
            e->previous = std::move(name);
            return 1;
        },
        reinterpret_cast<LPARAM>(&state), 0);
    ReleaseDC(nullptr, dc);
    names.push_back(L"Default");
    std::stable_sort(names.begin(), names.end(),
                     [](const std::wstring& a, const std::wstring& b) { return CompareIgnoringCase(a, b) < 0; });
    return names;
}

SYSTEMTIME LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

}  // namespace

void SettingsWindow::BindFaceEvents() {
    Panel1.texts[0] = &Label1;
    Panel1.texts[1] = &Label2;
    Panel1.texts[2] = &Label3;
    for (FaceText* text : Panel1.texts) text->onChange = [this] { Panel1.Repaint(); };
    Panel1.onTextClick = [this](FaceText& text) {
        if (&text == &Label1) Label1Click();
        if (&text == &Label2) Label2Click();
        if (&text == &Label3) Label3Click();
    };
    Panel1.onBackgroundClick = [this] { Panel1Click(); };
    ColorBox1.onChange = [this] { ColorBox1Change(); };
    ComboBox1.onSelect = [this] { ComboBox1Select(); };
    TrackBar1.onChange = [this] { TrackBar1Change(); };
    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { SpeedButton2Click(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    TrackBar2.onChange = [this] { TrackBar2Change(); };
    Button3.onClick = [this] { Button3Click(); };
}

void SettingsWindow::CreateFaceModel() {
    ColorBox1.SetEntries(NamedColors());
    backgroundElement.SetColor(RGB(0, 0, 0));
    ComboBox1.SetItems(ScreenFontNames());
    ComboBox1.SetItemIndex(0);
    UpdateTimeText();
    SYSTEMTIME today = LocalNow();
    Label2.SetText(locale_text::FormatDate(today, L"dd.M.yyyy"));
    Label3.SetText(locale_text::FormatDate(today, L"dddd"));
    Label1.SetTop(0);
    Label2.SetTop(Label1.Height());
    Label3.SetTop(Label2.Top() + Label2.Height());
    for (FaceText* text : Panel1.texts) text->SetLeft(kTextLeft);
    SelectElement(Label1);
}

// --- Shared work ---------------------------------------------------------------------------------

void SettingsWindow::SelectElement(FaceText& element) {
    selectedElement = &element;
    ColorBox1.SetSelected(element.Color());
    int font = ComboBox1.Count() - 1;
    for (int i = 0; i < ComboBox1.Count(); ++i)
        if (SameAsciiText(ComboBox1.Item(i), element.FontName())) {
            font = i;
            break;
        }
    ComboBox1.SetItemIndex(font);
    // Moving the slider gives the element the limited size; a slider already there leaves it as it is.
    TrackBar1.SetPosition(std::clamp(element.Size(), kMinSize, kMaxSize));
    Label31.SetText(std::to_wstring(TrackBar1.Position()));
}

void SettingsWindow::FitFaceWidth() {
    // A text in the panel's colour cannot be seen, so it does not widen the face.
    int w = 0;
    for (FaceText* text : Panel1.texts)
        if (!Panel1.Hides(text->Color())) w = std::max(w, text->Width());
    Panel1.SetWidth(w + 10);
    Panel1.ClipToRoundedRect();
}

void SettingsWindow::FitFaceHeight() {
    int h = Label3.Top() + Label3.Height() + 3;
    if (h == Panel1.Height()) return;
    Panel1.SetHeight(h);
    // The shape follows at once, or a taller text would be cut off at the old bottom.
    Panel1.ClipToRoundedRect();
}

void SettingsWindow::ApplyFaceBackground() {
    if (CheckBox1.Checked())
        Panel1.SetSystemColor(COLOR_BTNHIGHLIGHT);
    else
        Panel1.SetColor(backgroundElement.Color());
}

void SettingsWindow::UpdateTimeText() {
    Label1.SetText(locale_text::FormatTime(LocalNow(), CheckBox9.Checked() ? L"h:mmtt" : L"HH:mm"));
}

void SettingsWindow::UpdateDateText() {
    Label2.SetText(locale_text::FormatDate(LocalNow(), locale_text::DatePicture(CheckBox2.Checked())));
}

// --- Reactions -----------------------------------------------------------------------------------

void SettingsWindow::Label1Click() {
    SelectElement(Label1);
}
void SettingsWindow::Label2Click() {
    SelectElement(Label2);
}
void SettingsWindow::Label3Click() {
    SelectElement(Label3);
}
void SettingsWindow::Panel1Click() {
    SelectElement(backgroundElement);
}

void SettingsWindow::ColorBox1Change() {
    selectedElement->SetColor(ColorBox1.Selected());
    // The background first: the fit then counts the texts against the colour the user now sees.
    ApplyFaceBackground();
    FitFaceWidth();
}

void SettingsWindow::ComboBox1Select() {
    selectedElement->SetFontName(ComboBox1.SelectedText());
    FitFaceWidth();
    FitFaceHeight();
}

void SettingsWindow::TrackBar1Change() {
    Label31.SetText(std::to_wstring(TrackBar1.Position()));
    selectedElement->SetSize(TrackBar1.Position());
    FitFaceWidth();
    FitFaceHeight();
}

void SettingsWindow::SpeedButton1Click() {
    selectedElement->SetTop(selectedElement->Top() - 1);
    FitFaceHeight();
    FitFaceWidth();
}

void SettingsWindow::SpeedButton2Click() {
    selectedElement->SetTop(selectedElement->Top() + 1);
    FitFaceHeight();
    FitFaceWidth();
}

void SettingsWindow::CheckBox1Click() {
    ApplyFaceBackground();
}

void SettingsWindow::TrackBar2Change() {
    Label17.SetText(std::to_wstring(TrackBar2.Position()));
}

void SettingsWindow::Button3Click() {
    Label1.SetColor(kDefaultTextColor);
    Label1.SetFontName(kDefaultFont);
    Label1.SetSize(24);
    Label1.SetTop(0);
    Label2.SetColor(kDefaultTextColor);
    Label2.SetFontName(kDefaultFont);
    Label2.SetSize(12);
    Label2.SetTop(Label1.Top() + Label1.Height());
    Label3.SetColor(kDefaultTextColor);
    Label3.SetFontName(kDefaultFont);
    Label3.SetSize(12);
    Label3.SetTop(Label2.Top() + Label2.Height());
    Panel1.SetColor(RGB(0, 0, 0));
    backgroundElement.SetColor(RGB(0, 0, 0));
    FitFaceHeight();
    FitFaceWidth();
    TrackBar2.SetPosition(255);
    CheckBox1.SetChecked(false);
    SelectElement(Label1);
}
