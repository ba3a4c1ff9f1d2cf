// Moving the settings between the registry and the window's controls.
#include <algorithm>
#include <functional>
#include <variant>
#include <vector>

#include "app/Messages.h"
#include "store/Registry.h"
#include "store/SettingsLayout.h"
#include "ui/DateTime.h"
#include "ui/Error.h"
#include "window/SettingsWindow.h"

namespace {

using Value = std::variant<int, bool, std::wstring, double>;

// One stored value and the control that holds it while the window is open.
struct Binding {
    const wchar_t* name;
    std::function<Value()> get;
    std::function<void(const Value&)> set;
};

// The order in which a load reads the values; a save writes them in the layout's order.
constexpr const wchar_t* kLoadOrder[] = {
    L"c1", L"c2", L"c3", L"c4", L"f1", L"f2", L"f3", L"s1", L"s2", L"s3", L"t1", L"t2", L"t3",
    L"tc", L"ab", L"hm", L"edt", L"dt", L"eat", L"at", L"esnd", L"gst", L"eb", L"cdf", L"dbs",
    L"ld", L"tf", L"ra", L"rh", L"hdr", L"hbto", L"bto", L"bml", L"bsp", L"bap", L"scoh", L"scoa",
};

Value Read(const store::RegistryAccessor& registry, const store::SettingValue& value) {
    switch (value.type) {
    case store::ValueType::Integer:
        return registry.ReadInteger(value.name);
    case store::ValueType::Boolean:
        return registry.ReadBool(value.name);
    case store::ValueType::Text:
        return registry.ReadString(value.name);
    case store::ValueType::Time:
        return registry.ReadTime(value.name);
    }
    return 0;
}

void Write(store::RegistryAccessor& registry, const store::SettingValue& value, const Value& data) {
    switch (value.type) {
    case store::ValueType::Integer:
        registry.WriteInteger(value.name, std::get<int>(data));
        break;
    case store::ValueType::Boolean:
        registry.WriteBool(value.name, std::get<bool>(data));
        break;
    case store::ValueType::Text:
        registry.WriteString(value.name, std::get<std::wstring>(data));
        break;
    case store::ValueType::Time:
        registry.WriteTime(value.name, std::get<double>(data));
        break;
    }
}

const store::SettingValue& LayoutOf(const std::wstring& name) {
    auto it = std::find_if(store::kSettingsValues.begin(), store::kSettingsValues.end(),
                           [&](const store::SettingValue& v) { return name == v.name; });
    if (it == store::kSettingsValues.end()) throw ui::Error(L"Unknown setting '" + name + L"'.");
    return *it;
}

// The binding of every stored value to its control.
std::vector<Binding> BindingsOf(SettingsWindow& w) {
    std::vector<Binding> bindings;
    auto color = [&](const wchar_t* name, FaceText& t) {
        bindings.push_back({name, [&t] { return Value(static_cast<int>(t.Color())); },
                            [&t](const Value& v) { t.SetColor(static_cast<COLORREF>(std::get<int>(v))); }});
    };
    auto font = [&](const wchar_t* name, FaceText& t) {
        bindings.push_back({name, [&t] { return Value(t.FontName()); },
                            [&t](const Value& v) { t.SetFontName(std::get<std::wstring>(v)); }});
    };
    auto size = [&](const wchar_t* name, FaceText& t) {
        bindings.push_back(
            {name, [&t] { return Value(t.Size()); }, [&t](const Value& v) { t.SetSize(std::get<int>(v)); }});
    };
    auto top = [&](const wchar_t* name, FaceText& t) {
        bindings.push_back(
            {name, [&t] { return Value(t.Top()); }, [&t](const Value& v) { t.SetTop(std::get<int>(v)); }});
    };
    color(L"c1", w.Label1);
    color(L"c2", w.Label2);
    color(L"c3", w.Label3);
    color(L"c4", w.backgroundElement);
    font(L"f1", w.Label1);
    font(L"f2", w.Label2);
    font(L"f3", w.Label3);
    size(L"s1", w.Label1);
    size(L"s2", w.Label2);
    size(L"s3", w.Label3);
    top(L"t1", w.Label1);
    top(L"t2", w.Label2);
    top(L"t3", w.Label3);

    auto box = [&](const wchar_t* name, ui::CheckBox& b) {
        bindings.push_back({name, [&b] { return Value(b.Checked()); },
                            [&b](const Value& v) { b.SetChecked(std::get<bool>(v)); }});
    };
    // Only the time of day of a stored time is taken back, and only while its box is checked; the
    // picker keeps the date of the day the window opened.
    auto time = [&](const wchar_t* name, ui::TimePicker& picker, ui::CheckBox& enabled) {
        bindings.push_back({name, [&picker] { return Value(picker.DateTime()); },
                            [&picker, &enabled](const Value& v) {
                                if (enabled.Checked())
                                    picker.SetDateTime(ui::WithTimeOfDay(picker.DateTime(), std::get<double>(v)));
                            }});
    };
    box(L"tc", w.CheckBox1);
    bindings.push_back({L"ab", [&w] { return Value(w.TrackBar2.Position()); },
                        [&w](const Value& v) { w.TrackBar2.SetPosition(std::get<int>(v)); }});
    box(L"hm", w.CheckBox3);
    box(L"edt", w.CheckBox5);
    time(L"dt", w.DateTimePicker1, w.CheckBox5);
    box(L"eat", w.CheckBox7);
    time(L"at", w.DateTimePicker2, w.CheckBox7);
    box(L"esnd", w.cbenabsnd);
    box(L"gst", w.CheckBox6);
    box(L"eb", w.cbballoon);
    box(L"cdf", w.cbcalfixday);
    box(L"dbs", w.cbdisableballonsounds);
    box(L"ld", w.CheckBox2);
    box(L"tf", w.CheckBox9);
    box(L"rh", w.CheckBox10);
    // The delay is stored in milliseconds and shown in whole seconds, rounded toward zero.
    bindings.push_back({L"ra", [&w] { return Value(w.TrackBar3.Position() * 1000); },
                        [&w](const Value& v) { w.TrackBar3.SetPosition(std::get<int>(v) / 1000); }});
    box(L"hdr", w.CheckBox11);
    box(L"hbto", w.CheckBox12);
    box(L"bto", w.CheckBox13);
    box(L"bml", w.CheckBox18);
    box(L"bsp", w.CheckBox14);
    box(L"bap", w.CheckBox15);
    box(L"scoh", w.CheckBox16);
    box(L"scoa", w.CheckBox17);
    return bindings;
}

const Binding& BindingFor(const std::vector<Binding>& bindings, const std::wstring& name) {
    auto it = std::find_if(bindings.begin(), bindings.end(), [&](const Binding& b) { return name == b.name; });
    if (it == bindings.end()) throw ui::Error(L"No control holds the setting '" + name + L"'.");
    return *it;
}

}  // namespace

void SettingsWindow::LoadSettings(bool initial) {
    // A value that cannot be read is reported, and its control keeps what it shows; every other value
    // still loads, so that the next "Apply" cannot overwrite the user's settings with defaults.
    std::vector<std::wstring> problems;
    {
        store::RegistryAccessor registry;
        if (!registry.OpenKey(store::kSettingsKeyForLoad, false)) clockNotice(kNoticeNoSettings);
        if (registry.OpenKey(store::kSettingsKeyForLoad, true)) {
            auto bindings = BindingsOf(*this);
            for (const wchar_t* name : kLoadOrder) {
                if (!registry.ValueExists(name)) continue;
                try {
                    BindingFor(bindings, name).set(Read(registry, LayoutOf(name)));
                } catch (const ui::Error& e) {
                    problems.push_back(e.Message());
                }
            }
            registry.CloseKey();
        }
        if (registry.OpenKey(store::kRunKey, true)) {
            if (registry.ValueExists(store::kRunValue)) CheckBox4.SetChecked(true);
            registry.CloseKey();
        }
    }
    if (initial) PageControl1.SetActivePage(tsgeneral);
    ApplyFaceBackground();
    EnableSoundEditing(cbenabsnd.Checked());
    CheckBox10Click();
    UpdateDateText();
    if (!problems.empty()) ui::ReportError(ui::JoinLines(problems));
}

void SettingsWindow::SaveSettings() {
    {
        store::RegistryAccessor registry;
        if (!registry.OpenKey(store::kSettingsKey, true))
            throw ui::Error(std::wstring(L"The settings could not be saved: the registry key HKEY_CURRENT_USER\\") +
                            store::kSettingsKey + L" cannot be opened.");
        auto bindings = BindingsOf(*this);
        for (const store::SettingValue& value : store::kSettingsValues)
            Write(registry, value, BindingFor(bindings, value.name).get());
        registry.CloseKey();
        if (registry.OpenKey(store::kRunKey, false)) {
            // Quoted, so that Windows never starts another program from a folder whose path has spaces.
            if (CheckBox4.Checked())
                registry.WriteString(store::kRunValue, L"\"" + programFolder + store::kClockProgram + L"\"");
            else
                registry.DeleteValue(store::kRunValue);
            registry.CloseKey();
        }
    }
    clockNotice(kNoticeSaved);
}

void SettingsWindow::Button1Click() {
    SaveSettings();
    LoadSettings(false);
}

void SettingsWindow::Button4Click() {
    LoadSettings(false);
    FitFaceHeight();
    FitFaceWidth();
}
