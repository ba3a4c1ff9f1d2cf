// The clock face model on the Visual page, driven through the real window with real messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/Input.h"
#include "support/Sandbox.h"
#include "window/LocaleText.h"
#include "window/SettingsWindow.h"

namespace {

constexpr COLORREF kOrange = 33023;

class FaceTest : public testing::Test {
protected:
    void SetUp() override { w.Create(); }
    void TearDown() override {
        for (const auto& message : errors.messages) ADD_FAILURE() << "error box: " << message;
    }

    // On the part of the text the panel shows: a text set from code may reach past the panel's edge.
    void Click(const FaceText& text) {
        RECT client{}, shown{};
        GetClientRect(w.Panel1.Handle(), &client);
        RECT bounds{text.Left(), text.Top(), text.Left() + text.Width(), text.Top() + text.Height()};
        ASSERT_TRUE(IntersectRect(&shown, &bounds, &client)) << "the text is not on the face";
        testbed::ClickAt(w.Panel1.Handle(), {(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2});
    }
    // Left of every text (they all start at 5), halfway down.
    void ClickBackground() {
        RECT client{};
        GetClientRect(w.Panel1.Handle(), &client);
        testbed::ClickAt(w.Panel1.Handle(), {2, client.bottom / 2});
    }
    // A named colour from its entry, any other through the colour dialog of "Custom...".
    void PickColor(COLORREF color) {
        for (int i = 1; i < w.ColorBox1.Count(); ++i)
            if (w.ColorBox1.EntryAt(i).color == color) {
                w.ColorBox1.Choose(i);
                return;
            }
        w.ColorBox1.pickCustomColor = [color](HWND, COLORREF) -> std::optional<COLORREF> { return color; };
        w.ColorBox1.Choose(0);
    }
    void PickFont(const std::wstring& name) {
        int index = static_cast<int>(SendMessageW(w.ComboBox1.Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(name.c_str())));
        ASSERT_GE(index, 0) << "no such font in the list";
        testbed::PickItem(w.ComboBox1.Handle(), index);
    }

    int WidestOf(std::initializer_list<const FaceText*> texts) {
        int widest = 0;
        for (const FaceText* t : texts) widest = std::max(widest, t->Width());
        return widest;
    }
    // The face's shape must be the rounded rectangle of its current size, nothing older.
    void ExpectRoundedToCurrentSize() {
        ui::Region actual(CreateRectRgn(0, 0, 0, 0));
        ASSERT_EQ(GetWindowRgn(w.Panel1.Handle(), actual.Get()), COMPLEXREGION);
        ui::Region expected(CreateRoundRectRgn(2, 2, w.Panel1.Width() - 2, w.Panel1.Height() - 2, 11, 11));
        ui::Region difference(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(CombineRgn(difference.Get(), actual.Get(), expected.Get(), RGN_XOR), NULLREGION)
            << "region is not the rounded rectangle of " << w.Panel1.Width() << " x " << w.Panel1.Height();
    }
    void ExpectHeightFitsDay() { EXPECT_EQ(w.Panel1.Height(), w.Label3.Top() + w.Label3.Height() + 3); }

    testbed::RegistrySandbox sandbox;
    testbed::ErrorCapture errors;
    SettingsWindow w;
};

// Measured here with a font of our own, so a text that does not remeasure itself shows.
SIZE MeasureWithRealFont(const FaceText& text) {
    HDC dc = GetDC(nullptr);
    ui::Font font(CreateFontW(-MulDiv(text.Size(), GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0,
                              text.Bold() ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                              text.FontName().c_str()));
    SIZE size{};
    TEXTMETRICW metrics{};
    {
        ui::Selected selected(dc, font.Get());
        GetTextExtentPoint32W(dc, text.Text().c_str(), static_cast<int>(text.Text().size()), &size);
        GetTextMetricsW(dc, &metrics);
    }
    ReleaseDC(nullptr, dc);
    return {size.cx, metrics.tmHeight};
}

TEST_F(FaceTest, StartsAsASmallClockFaceWithTimeSelected) {
    EXPECT_EQ(w.selectedElement, &w.Label1);
    EXPECT_EQ(w.Label1.Top(), 0);
    EXPECT_EQ(w.Label2.Top(), w.Label1.Height());
    EXPECT_EQ(w.Label3.Top(), w.Label2.Top() + w.Label2.Height());
    for (const FaceText* t : {&w.Label1, &w.Label2, &w.Label3}) {
        EXPECT_EQ(t->Left(), 5);
        SIZE real = MeasureWithRealFont(*t);
        EXPECT_EQ(t->Width(), real.cx);
        EXPECT_EQ(t->Height(), real.cy);
    }
    EXPECT_EQ(w.backgroundElement.Color(), RGB(0, 0, 0));
    EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label1, &w.Label2, &w.Label3}) + 10);
    ExpectHeightFitsDay();
    ExpectRoundedToCurrentSize();
}

TEST_F(FaceTest, ColourListHoldsTheNamedColoursAfterCustom) {
    const std::vector<ui::ColorBox::Entry> expected{
        {L"Custom...", 0},        {L"clBlack", 0x000000},      {L"clMaroon", 0x000080},  {L"clGreen", 0x008000},
        {L"clOlive", 0x008080},   {L"clNavy", 0x800000},       {L"clPurple", 0x800080},  {L"clTeal", 0x808000},
        {L"clGray", 0x808080},    {L"clSilver", 0xC0C0C0},     {L"clRed", 0x0000FF},     {L"clLime", 0x00FF00},
        {L"clYellow", 0x00FFFF},  {L"clBlue", 0xFF0000},       {L"clFuchsia", 0xFF00FF}, {L"clAqua", 0xFFFF00},
        {L"clWhite", 0xFFFFFF},   {L"clMoneyGreen", 0xC0DCC0}, {L"clSkyBlue", 0xF0CAA6}, {L"clCream", 0xF0FBFF},
        {L"clMedGray", 0xA4A0A0},
    };
    ASSERT_EQ(w.ColorBox1.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < w.ColorBox1.Count(); ++i) {
        EXPECT_EQ(w.ColorBox1.EntryAt(i).name, expected[static_cast<size_t>(i)].name);
        if (i > 0) {
            EXPECT_EQ(w.ColorBox1.EntryAt(i).color, expected[static_cast<size_t>(i)].color) << i;
        }
    }
}

TEST_F(FaceTest, FontListIsDefaultAndEveryFamilyOnceSortedIgnoringCase) {
    std::vector<std::wstring> items;
    for (int i = 0; i < w.ComboBox1.Count(); ++i) items.push_back(w.ComboBox1.Item(i));
    for (const wchar_t* name : {L"Default", L"MS Sans Serif", L"Tahoma"})
        EXPECT_EQ(std::count(items.begin(), items.end(), name), 1) << name;
    for (size_t i = 1; i < items.size(); ++i) EXPECT_LE(lstrcmpiW(items[i - 1].c_str(), items[i].c_str()), 0) << i;
    EXPECT_EQ(w.ComboBox1.SelectedText(), L"MS Sans Serif");  // Time's, selected last at creation
}

TEST_F(FaceTest, ClickingATextOrTheBackgroundFillsTheEditorsWithIt) {
    w.Label3.SetColor(0x123456);  // not a named colour: the custom entry takes it
    struct Case {
        std::function<void()> click;
        const FaceText* expected;
    };
    const Case cases[] = {
        {[&] { Click(w.Label2); }, &w.Label2},
        {[&] { ClickBackground(); }, &w.backgroundElement},
        {[&] { Click(w.Label3); }, &w.Label3},
        {[&] { Click(w.Label1); }, &w.Label1},
    };
    for (const Case& c : cases) {
        c.click();
        ASSERT_EQ(w.selectedElement, c.expected);
        EXPECT_EQ(w.ColorBox1.Selected(), c.expected->Color());
        EXPECT_EQ(w.ComboBox1.SelectedText(), c.expected->FontName());
        EXPECT_EQ(w.TrackBar1.Position(), std::clamp(c.expected->Size(), 10, 40));
        EXPECT_EQ(w.Label31.Text(), std::to_wstring(w.TrackBar1.Position()));
    }
    Click(w.Label3);
    EXPECT_EQ(w.ColorBox1.ItemIndex(), 0);
    EXPECT_EQ(w.ColorBox1.EntryAt(0).color, 0x123456u);
}

// The slider holds 10 to 40: moving it to the limit gives the element that size; a slider already at
// the limit leaves the element's own size alone.
TEST_F(FaceTest, SelectingLimitsTheSizeOnlyWhenTheSliderMoves) {
    struct Case {
        FaceText* element;
        int storedSize;
        int slider;
        int sizeAfter;
    };
    const Case cases[] = {
        {&w.Label2, 8, 10, 10},   // slider at Time's 24 moves to 10
        {&w.Label3, 8, 10, 8},    // slider already at 10
        {&w.Label1, 45, 40, 40},  // moves to 40
        {&w.Label2, 50, 40, 50},  // already at 40
        {&w.Label3, 30, 30, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedSize);
        c.element->SetSize(c.storedSize);
        Click(*c.element);
        ASSERT_EQ(w.selectedElement, c.element);
        EXPECT_EQ(w.TrackBar1.Position(), c.slider);
        EXPECT_EQ(w.Label31.Text(), std::to_wstring(c.slider));
        EXPECT_EQ(c.element->Size(), c.sizeAfter);
    }
}

TEST_F(FaceTest, FontListMatchesNamesIgnoringCaseAndFallsBackToTheLastItem) {
    w.Label2.SetFontName(L"No Such Face");
    Click(w.Label2);
    EXPECT_EQ(w.ComboBox1.ItemIndex(), w.ComboBox1.Count() - 1);
    EXPECT_EQ(w.Label2.FontName(), L"No Such Face");

    w.Label3.SetFontName(L"ms SANS serif");
    Click(w.Label3);
    EXPECT_EQ(w.ComboBox1.SelectedText(), L"MS Sans Serif");
    EXPECT_EQ(w.Label3.FontName(), L"ms SANS serif");
}

TEST_F(FaceTest, PickingAFontOrSizeRemeasuresAndRefitsTheFace) {
    Click(w.Label3);
    PickFont(L"Tahoma");
    EXPECT_EQ(w.Label3.FontName(), L"Tahoma");
    testbed::DragSlider(w.TrackBar1.Handle(), 36);
    EXPECT_EQ(w.Label3.Size(), 36);
    EXPECT_EQ(w.Label31.Text(), L"36");
    SIZE real = MeasureWithRealFont(w.Label3);
    EXPECT_EQ(w.Label3.Width(), real.cx);
    EXPECT_EQ(w.Label3.Height(), real.cy);
    EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label1, &w.Label2, &w.Label3}) + 10);
    ExpectHeightFitsDay();

    PickFont(L"Default");  // an ordinary entry: it becomes the font name
    EXPECT_EQ(w.Label3.FontName(), L"Default");
}

// Width fit: a text in the panel's colour is invisible and does not count; with "No background" the
// panel shows a display colour that no text colour equals, so every text counts.
TEST_F(FaceTest, WidthCountsOnlyTextsThatCanBeSeen) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    struct Case {
        const char* name;
        bool noBackground;
        COLORREF time, date, day;
        std::vector<const FaceText*> counted;
    };
    const std::vector<Case> cases{
        {"all visible", false, kOrange, kOrange, kOrange, {&w.Label1, &w.Label2, &w.Label3}},
        {"widest in panel colour", false, 0, kOrange, kOrange, {&w.Label2, &w.Label3}},
        {"only day visible", false, 0, 0, kOrange, {&w.Label3}},
        {"all in panel colour", false, 0, 0, 0, {}},
        {"no background, all black", true, 0, 0, 0, {&w.Label1, &w.Label2, &w.Label3}},
        {"no background, widest in its colour", true, highlight, kOrange, kOrange, {&w.Label1, &w.Label2, &w.Label3}},
    };
    Click(w.Label1);
    testbed::DragSlider(w.TrackBar1.Handle(), 40);  // Time clearly the widest
    ASSERT_GT(w.Label1.Width(), WidestOf({&w.Label2, &w.Label3}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.CheckBox1.SetChecked(c.noBackground);
        for (auto [text, color] : {std::pair{&w.Label1, c.time}, {&w.Label2, c.date}, {&w.Label3, c.day}}) {
            Click(*text);
            PickColor(color);
            ASSERT_EQ(text->Color(), color);
        }
        int widest = 0;
        for (const FaceText* t : c.counted) widest = std::max(widest, t->Width());
        EXPECT_EQ(w.Panel1.Width(), widest + 10);
        ExpectRoundedToCurrentSize();
    }
}

// The background goes on before the fit, so giving the background the widest text's colour narrows the
// face at once.
TEST_F(FaceTest, NewBackgroundColourCountsInTheSameFit) {
    Click(w.Label1);
    testbed::DragSlider(w.TrackBar1.Handle(), 40);
    PickColor(0x0000FF);
    ASSERT_GT(w.Label1.Width(), WidestOf({&w.Label2, &w.Label3}));
    ClickBackground();
    PickColor(0x0000FF);
    EXPECT_EQ(w.backgroundElement.Color(), 0x0000FFu);
    EXPECT_EQ(w.Panel1.Color(), 0x0000FFu);
    EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label2, &w.Label3}) + 10);

    testbed::Press(w.CheckBox1);  // "No background": the panel shows the display colour, no refit yet
    EXPECT_EQ(w.Panel1.Color(), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label2, &w.Label3}) + 10);
}

// Every change of the face's size brings the rounded shape along, the height included.
TEST_F(FaceTest, ShapeFollowsEveryChangeOfSize) {
    struct Step {
        const char* name;
        bool heightChanges;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"taller day by size", true,
         [&] {
             Click(w.Label3);
             testbed::DragSlider(w.TrackBar1.Handle(), 32);
         }},
        {"taller day by font", true, [&] { PickFont(L"Tahoma"); }},
        {"wider time", false,
         [&] {
             Click(w.Label1);
             testbed::DragSlider(w.TrackBar1.Handle(), 40);
         }},
        {"day down", true,
         [&] {
             Click(w.Label3);
             testbed::Press(w.SpeedButton2);
         }},
        {"day up", true, [&] { testbed::Press(w.SpeedButton1); }},
        {"smaller day", true, [&] { testbed::DragSlider(w.TrackBar1.Handle(), 10); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        int before = w.Panel1.Height();
        step.act();
        ExpectHeightFitsDay();
        EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label1, &w.Label2, &w.Label3}) + 10);
        ExpectRoundedToCurrentSize();
        EXPECT_EQ(w.Panel1.Height() != before, step.heightChanges);
    }
}

TEST_F(FaceTest, UpAndDownMoveTheSelectedTextByOnePixelEvenAboveTheTop) {
    Click(w.Label1);
    testbed::Press(w.SpeedButton1);
    EXPECT_EQ(w.Label1.Top(), -1);
    testbed::Press(w.SpeedButton1);
    EXPECT_EQ(w.Label1.Top(), -2);
    int dateTop = w.Label2.Top();
    Click(w.Label2);
    testbed::Press(w.SpeedButton2);
    EXPECT_EQ(w.Label2.Top(), dateTop + 1);
    EXPECT_EQ(w.Label1.Top(), -2);
}

TEST_F(FaceTest, DensityShowsItsValueAndLeavesTheFace) {
    int width = w.Panel1.Width(), height = w.Panel1.Height();
    testbed::DragSlider(w.TrackBar2.Handle(), 120);
    EXPECT_EQ(w.Label17.Text(), L"120");
    EXPECT_EQ(w.Panel1.Width(), width);
    EXPECT_EQ(w.Panel1.Height(), height);
}

TEST_F(FaceTest, DefaultsRestoreTheFaceAndNothingElse) {
    // Away from every default: texts, background, density, "No background", and options elsewhere.
    for (FaceText* t : {&w.Label1, &w.Label2, &w.Label3}) {
        Click(*t);
        PickColor(0x00FF00);
        PickFont(L"Tahoma");
        testbed::DragSlider(w.TrackBar1.Handle(), 30);
        testbed::Press(w.SpeedButton2);
    }
    ClickBackground();
    PickColor(0xFF0000);
    testbed::DragSlider(w.TrackBar2.Handle(), 100);
    testbed::Press(w.CheckBox1);
    testbed::Press(w.CheckBox9);
    testbed::Press(w.CheckBox2);
    testbed::Press(w.CheckBox3);
    std::vector<bool> bold{w.Label1.Bold(), w.Label2.Bold(), w.Label3.Bold()};
    std::wstring timeText = w.Label1.Text(), dateText = w.Label2.Text();

    testbed::Press(w.Button3);

    struct Expected {
        const FaceText* text;
        int size;
    };
    for (auto [text, size] : {Expected{&w.Label1, 24}, {&w.Label2, 12}, {&w.Label3, 12}}) {
        EXPECT_EQ(text->Color(), kOrange);
        EXPECT_EQ(text->FontName(), L"MS Sans Serif");
        EXPECT_EQ(text->Size(), size);
        EXPECT_EQ(text->Left(), 5);
    }
    EXPECT_EQ(w.Label1.Top(), 0);
    EXPECT_EQ(w.Label2.Top(), w.Label1.Height());
    EXPECT_EQ(w.Label3.Top(), w.Label2.Top() + w.Label2.Height());
    EXPECT_EQ(w.backgroundElement.Color(), 0u);
    EXPECT_EQ(w.Panel1.Color(), 0u);
    EXPECT_FALSE(w.CheckBox1.Checked());
    EXPECT_EQ(w.TrackBar2.Position(), 255);
    EXPECT_EQ(w.Label17.Text(), L"255");
    EXPECT_EQ(w.Panel1.Width(), WidestOf({&w.Label1, &w.Label2, &w.Label3}) + 10);
    ExpectHeightFitsDay();
    ExpectRoundedToCurrentSize();
    EXPECT_EQ(w.selectedElement, &w.Label1);
    EXPECT_EQ(w.TrackBar1.Position(), 24);
    EXPECT_EQ(w.ComboBox1.SelectedText(), L"MS Sans Serif");
    // Untouched: the layout's weights, the clock formats and their texts, the General page.
    EXPECT_EQ((std::vector<bool>{w.Label1.Bold(), w.Label2.Bold(), w.Label3.Bold()}), bold);
    EXPECT_TRUE(w.CheckBox9.Checked());
    EXPECT_TRUE(w.CheckBox2.Checked());
    EXPECT_TRUE(w.CheckBox3.Checked());
    EXPECT_EQ(w.Label1.Text(), timeText);
    EXPECT_EQ(w.Label2.Text(), dateText);
}

TEST_F(FaceTest, CustomEntryGivesTheDialogsColour) {
    COLORREF offered = 1;
    w.ColorBox1.pickCustomColor = [&](HWND, COLORREF initial) -> std::optional<COLORREF> {
        offered = initial;
        return RGB(1, 2, 3);
    };
    Click(w.Label2);
    w.ColorBox1.Choose(0);
    EXPECT_EQ(offered, kOrange);  // the dialog starts at the text's own colour
    EXPECT_EQ(w.Label2.Color(), RGB(1, 2, 3));
}

// --- Locale texts -------------------------------------------------------------------------------

struct LocaleCase {
    const wchar_t* locale;
    SYSTEMTIME when;
    const wchar_t* picture;  // nullptr: the locale's short date; L"" its long date
    std::wstring expected;
};

std::wstring PmDesignator(const wchar_t* locale) {
    wchar_t designator[32] = {};
    GetLocaleInfoEx(locale, LOCALE_S2359, designator, 32);
    return designator;
}

TEST(LocaleText, TimesInBothPicturesEachWay) {
    const SYSTEMTIME afternoon{2024, 3, 2, 5, 14, 7, 0, 0}, morning{2024, 3, 2, 5, 9, 5, 0, 0};
    const LocaleCase cases[] = {
        {L"en-US", afternoon, L"HH:mm", L"14:07"}, {L"en-US", afternoon, L"h:mmtt", L"2:07PM"},
        {L"en-US", morning, L"HH:mm", L"09:05"},   {L"en-US", morning, L"h:mmtt", L"9:05AM"},
        {L"de-DE", afternoon, L"HH:mm", L"14:07"}, {L"de-DE", afternoon, L"h:mmtt", L"2:07" + PmDesignator(L"de-DE")},
    };
    for (const LocaleCase& c : cases)
        EXPECT_EQ(locale_text::FormatTime(c.when, c.picture, c.locale), c.expected) << c.locale << " " << c.picture;
}

TEST(LocaleText, DatesInTheLocalesPicturesAndTheInitialOnes) {
    const SYSTEMTIME day{2024, 3, 2, 5, 14, 7, 0, 0};
    std::wstring longPicture;
    for (int i = 0; i < 8; ++i) longPicture += L"dddd, MMMM ";
    std::wstring longText;
    for (int i = 0; i < 8; ++i) longText += L"Tuesday, March ";
    const LocaleCase cases[] = {
        {L"en-US", day, nullptr, L"3/5/2024"},
        {L"en-US", day, L"", L"Tuesday, March 5, 2024"},
        {L"de-DE", day, L"", L"Dienstag, 5. M\u00e4rz 2024"},
        {L"en-US", day, L"dd.M.yyyy", L"05.3.2024"},
        {L"de-DE", day, L"dddd", L"Dienstag"},
        {L"en-US", day, longPicture.c_str(), longText},  // longer than any fixed buffer of old
    };
    for (const LocaleCase& c : cases) {
        std::wstring picture = !c.picture    ? locale_text::DatePicture(false, c.locale)
                               : !*c.picture ? locale_text::DatePicture(true, c.locale)
                                             : c.picture;
        EXPECT_EQ(locale_text::FormatDate(c.when, picture, c.locale), c.expected) << c.locale;
    }
}

}  // namespace
