#include "sounds/SoundFileDialog.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "ui/Error.h"

namespace sounds {

namespace {

// Holds one reference of a COM interface.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { Reset(); }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    T** Put() {
        Reset();
        return &p_;
    }
    void Reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

std::wstring FileSystemPath(IShellItem* item) {
    wchar_t* path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return {};
    std::wstring result(path);
    CoTaskMemFree(path);
    return result;
}

// Tells the owner which file is highlighted while the dialog is open.
class DialogEvents final : public IFileDialogEvents {
public:
    explicit DialogEvents(std::function<void(const std::wstring&)> onSelectionChange)
        : onSelectionChange_(std::move(onSelectionChange)) {}

    IFACEMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IFileDialogEvents)) {
            *out = static_cast<IFileDialogEvents*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    IFACEMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    IFACEMETHODIMP_(ULONG) Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    IFACEMETHODIMP OnSelectionChange(IFileDialog* dialog) override {
        // Called back from the shell: nothing may escape into it.
        ui::Guarded([&] {
            std::wstring path;
            ComRef<IShellItem> item;
            if (SUCCEEDED(dialog->GetCurrentSelection(item.Put())) && item.Get()) path = FileSystemPath(item.Get());
            if (onSelectionChange_) onSelectionChange_(path);
        });
        return S_OK;
    }
    IFACEMETHODIMP OnFileOk(IFileDialog*) override { return S_OK; }
    IFACEMETHODIMP OnFolderChanging(IFileDialog*, IShellItem*) override { return S_OK; }
    IFACEMETHODIMP OnFolderChange(IFileDialog*) override { return S_OK; }
    IFACEMETHODIMP OnShareViolation(IFileDialog*, IShellItem*, FDE_SHAREVIOLATION_RESPONSE* response) override {
        *response = FDESVR_DEFAULT;
        return S_OK;
    }
    IFACEMETHODIMP OnTypeChange(IFileDialog*) override { return S_OK; }
    IFACEMETHODIMP OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE* response) override {
        *response = FDEOR_DEFAULT;
        return S_OK;
    }

private:
    ~DialogEvents() = default;
    LONG references_ = 1;
    std::function<void(const std::wstring&)> onSelectionChange_;
};

void Check(HRESULT result) {
    if (FAILED(result)) throw ui::Error(L"Cannot show the file dialog.");
}

}  // namespace

std::optional<std::wstring> ShowOpenDialog(const OpenDialogSettings& settings) {
    ComRef<IFileOpenDialog> dialog;
    Check(CoCreateInstance(__uuidof(FileOpenDialog), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IFileOpenDialog),
                           reinterpret_cast<void**>(dialog.Put())));
    FILEOPENDIALOGOPTIONS options = 0;
    Check(dialog->GetOptions(&options));
    Check(dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST));
    Check(dialog->SetTitle(settings.title.c_str()));
    const COMDLG_FILTERSPEC filter{settings.filterName.c_str(), settings.filterPatterns.c_str()};
    Check(dialog->SetFileTypes(1, &filter));
    ComRef<IShellItem> folder;
    if (SUCCEEDED(SHCreateItemFromParsingName(settings.initialFolder.c_str(), nullptr, __uuidof(IShellItem),
                                              reinterpret_cast<void**>(folder.Put()))))
        dialog->SetFolder(folder.Get());

    auto* events = new DialogEvents(settings.onSelectionChange);
    DWORD cookie = 0;
    HRESULT advised = dialog->Advise(events, &cookie);
    events->Release();  // the dialog holds it while advised
    HRESULT shown = dialog->Show(settings.owner);
    if (SUCCEEDED(advised)) dialog->Unadvise(cookie);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return std::nullopt;
    Check(shown);
    ComRef<IShellItem> chosen;
    Check(dialog->GetResult(chosen.Put()));
    std::wstring path = FileSystemPath(chosen.Get());
    if (path.empty()) return std::nullopt;
    return path;
}

}  // namespace sounds
