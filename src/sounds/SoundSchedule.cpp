// The Sounds page: the schedule in the sounds key and the list that shows it. Every edit goes to the
// registry at once; the list is rebuilt from the key after each.
#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "sounds/SoundFileDialog.h"
#include "store/Registry.h"
#include "store/SettingsLayout.h"
#include "ui/Error.h"
#include "window/SettingsWindow.h"

namespace {

// Everything after the last backslash or drive colon.
std::wstring FileNamePart(const std::wstring& path) {
    size_t at = path.find_last_of(L"\\:");
    return at == std::wstring::npos ? path : path.substr(at + 1);
}

// The system's locale-aware, case-sensitive order: "0", "00", "1", "10" ... "9", "alarm".
int CompareHours(const wchar_t* a, const wchar_t* b) {
    return lstrcmpW(a, b);
}

}  // namespace

void SettingsWindow::BindSoundEvents() {
    confirm = [this](const std::wstring& message) {
        return MessageBoxW(hwnd_, message.c_str(), L"Confirm", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    };
    chooseSoundFile = [this] {
        sounds::OpenDialogSettings dialog;
        dialog.owner = hwnd_;
        dialog.title = L"Orbin Select Sound";
        dialog.filterName = L"supported types (wav,mp3,mid,mpg,avi)";
        dialog.filterPatterns = L"*.wav;*.mp3;*.mid;*.mpg;*.mpeg;*.avi";
        dialog.initialFolder = programFolder + L"sounds\\";
        dialog.onSelectionChange = [this](const std::wstring& file) { FileOpen1OpenDialogSelectionChange(file); };
        return sounds::ShowOpenDialog(dialog);
    };
    cbenabsnd.onClick = [this] { cbenabsndClick(); };
    sbopensnd.onClick = [this] { sbopensndClick(); };
    Add1.onClick = [this] { sbopensndClick(); };
    sbadsnd.onClick = [this] { sbadsndClick(); };
    sbdelsnd.onClick = [this] { sbdelsndClick(); };
    Delete1.onClick = [this] { sbdelsndClick(); };
    N1.onClick = [this] { N1Click(); };
    ListView1.onSelectItem = [this](bool selected) { ListView1SelectItem(selected); };
    ListView1.onContextMenu = [this](POINT at) { PopupMenu1.Show(hwnd_, at); };
    // Preview
    sbplysndopen.onClick = [this] { sbplysndopenClick(); };
    sbplysndlist.onClick = [this] { sbplysndlistClick(); };
    ListView1.onDoubleClick = [this] { sbplysndlistClick(); };
    Play1.onClick = [this] { sbplysndlistClick(); };
    ListView1.onClick = [this] { ListView1Click(); };
    Stop1.onClick = [this] { ListView1Click(); };
}

bool SettingsWindow::HandleSoundMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case MM_MCINOTIFY:
            HandleMediaNotice(wp, lp);
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

void SettingsWindow::RefreshSoundList() {
    std::vector<std::wstring> unreadable;
    {
        store::RegistryAccessor registry;
        if (!registry.OpenKey(store::kSoundsKey, true)) return;
        std::vector<std::wstring> names;
        registry.GetValueNames(names);
        selectedRowHour_.reset();  // the rows go, and with them the selection
        ListView1.Clear();
        // One bad value must not hide the rest of the schedule: it is left out and reported.
        for (const std::wstring& name : names) {
            try {
                std::wstring path = registry.ReadString(name);
                ListView1.AddRow({name, {FileNamePart(path), path}});
            } catch (const ui::Error& e) {
                unreadable.push_back(e.Message());
            }
        }
        ListView1.SortByCaption(CompareHours);
    }
    // In one box, and once: not again at every refresh while the same values stay unreadable.
    std::wstring problems = ui::JoinLines(unreadable);
    if (!problems.empty() && problems != reportedSoundProblems_) ui::ReportError(problems);
    reportedSoundProblems_ = problems;
}

void SettingsWindow::StoreSound(const std::wstring& path) {
    if (cbhour.ItemIndex() < 0) return;
    store::RegistryAccessor registry;
    if (registry.OpenKey(store::kSoundsKey, true)) registry.WriteString(cbhour.SelectedText(), path);
}

// The list and its menu stay enabled, so the menu's commands work while sounds are off.
void SettingsWindow::EnableSoundEditing(bool enabled) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&sbadsnd, &sbplysndlist, &sbdelsnd, &sbopensnd,
                                                                    &sbplysndopen, &eaddsound, &cbhour})
        control->SetEnabled(enabled);
    RefreshSoundList();
}

void SettingsWindow::cbenabsndClick() {
    EnableSoundEditing(cbenabsnd.Checked());
}

void SettingsWindow::sbopensndClick() {
    if (auto file = OpenSoundFileDialog()) eaddsound.SetText(*file);
}

std::optional<std::wstring> SettingsWindow::OpenSoundFileDialog() {
    std::optional<std::wstring> chosen = chooseSoundFile();
    FileOpen1Accept();
    return chosen;
}

void SettingsWindow::sbadsndClick() {
    // Only after a row that is no hour: there is no hour to write, and the typed path stays.
    if (cbhour.ItemIndex() < 0) return;
    std::wstring path = eaddsound.Text();
    if (path.size() > 3) {
        std::wstring hour = cbhour.SelectedText();
        bool taken = false;
        for (int i = 0; i < ListView1.Count() && !taken; ++i) taken = ListView1.RowAt(i).caption == hour;
        if (!taken || confirm(L"Overwrite " + hour + L" hour sound")) StoreSound(path);
    }
    RefreshSoundList();
    eaddsound.SetText(L"");
}

void SettingsWindow::sbdelsndClick() {
    int index = ListView1.SelectedIndex();
    if (index >= 0) {
        store::RegistryAccessor registry;
        if (registry.OpenKey(store::kSoundsKey, false)) registry.DeleteValue(ListView1.RowAt(index).caption);
    }
    RefreshSoundList();
}

void SettingsWindow::N1Click() {
    if (auto file = OpenSoundFileDialog()) {
        eaddsound.SetText(*file);
        sbadsndClick();
    }
}

// Deselection names the row too: the hour goes back to the row that was selected.
void SettingsWindow::ListView1SelectItem(bool selected) {
    if (selected) {
        int index = ListView1.SelectedIndex();
        if (index < 0) return;
        selectedRowHour_ = ListView1.RowAt(index).caption;
    }
    if (!selectedRowHour_) return;
    int match = -1;
    for (int i = 0; i < cbhour.Count() && match < 0; ++i)
        if (lstrcmpiW(cbhour.Item(i).c_str(), selectedRowHour_->c_str()) == 0) match = i;
    cbhour.SetItemIndex(match);
}
