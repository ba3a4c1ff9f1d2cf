#include "store/Registry.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>

#include "ui/Error.h"

namespace store {

namespace {

constexpr wchar_t kInvalidType[] = L"Invalid data type for '%s'";
constexpr wchar_t kGetFailed[] = L"Failed to get data for '%s'";
constexpr wchar_t kSetFailed[] = L"Failed to set data for '%s'";

std::atomic<int> liveCount{0};

RegistryFaults& Faults() {
    static RegistryFaults faults;
    return faults;
}

[[noreturn]] void Fail(const wchar_t* pattern, const std::wstring& name) {
    throw ui::Error(ui::FormatMessageText(pattern, name));
}

// Paths of this program are always taken from the root, and the registry wants neither a leading nor a
// trailing separator.
std::wstring KeyPathFromRoot(const std::wstring& path) {
    size_t first = path.find_first_not_of(L'\\');
    if (first == std::wstring::npos) return {};
    size_t last = path.find_last_not_of(L'\\');
    return path.substr(first, last - first + 1);
}

// One query into a buffer of exactly the size the read expects: the type and the real size come back
// even when the data does not fit, so a value of another type or size is never read past the buffer.
struct FixedRead {
    LSTATUS status;
    DWORD type;
    DWORD size;
};

FixedRead QueryFixed(HKEY key, const std::wstring& name, void* buffer, DWORD size) {
    FixedRead read{ERROR_INVALID_HANDLE, REG_NONE, size};
    if (key)
        read.status = RegQueryValueExW(key, name.c_str(), nullptr, &read.type, static_cast<BYTE*>(buffer), &read.size);
    return read;
}

}  // namespace

void SetRegistryFaults(RegistryFaults faults) {
    Faults() = std::move(faults);
}

RegistryAccessor::RegistryAccessor() {
    ++liveCount;
}
RegistryAccessor::~RegistryAccessor() {
    --liveCount;
}
int RegistryAccessor::LiveCount() {
    return liveCount.load();
}

bool RegistryAccessor::OpenKey(const std::wstring& path, bool canCreate) {
    if (Faults().failOpen && Faults().failOpen(path)) return false;
    std::wstring relative = KeyPathFromRoot(path);
    HKEY opened = nullptr;
    LSTATUS status = canCreate ? RegCreateKeyExW(HKEY_CURRENT_USER, relative.c_str(), 0, nullptr,
                                                 REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened, nullptr)
                               : RegOpenKeyExW(HKEY_CURRENT_USER, relative.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (status != ERROR_SUCCESS) return false;
    key_.Reset(opened);
    return true;
}

void RegistryAccessor::CloseKey() {
    key_.Reset();
}

bool RegistryAccessor::ValueExists(const std::wstring& name) const {
    return key_ && RegQueryValueExW(key_.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

int RegistryAccessor::ReadInteger(const std::wstring& name) const {
    uint8_t bytes[4] = {};
    FixedRead read = QueryFixed(key_.Get(), name, bytes, sizeof(bytes));
    if (read.status != ERROR_SUCCESS && read.status != ERROR_MORE_DATA) Fail(kGetFailed, name);
    if (read.type != REG_DWORD) Fail(kInvalidType, name);
    if (read.status != ERROR_SUCCESS || read.size != sizeof(bytes)) Fail(kGetFailed, name);
    uint32_t value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    return static_cast<int32_t>(value);
}

bool RegistryAccessor::ReadBool(const std::wstring& name) const {
    return ReadInteger(name) != 0;
}

std::wstring RegistryAccessor::ReadString(const std::wstring& name) const {
    if (!key_) Fail(kGetFailed, name);
    std::vector<BYTE> buffer(512);
    DWORD type = REG_NONE;
    DWORD size = 0;
    // Another program may change the value between two queries: grow and ask again a few times.
    for (int attempt = 0;; ++attempt) {
        size = static_cast<DWORD>(buffer.size());
        LSTATUS status = RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type, buffer.data(), &size);
        if (status == ERROR_SUCCESS) break;
        if (status != ERROR_MORE_DATA || attempt == 8) Fail(kGetFailed, name);
        buffer.resize(std::max<size_t>(size, buffer.size() * 2));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) Fail(kInvalidType, name);
    // Whole characters only, up to the first NUL if there is one: no terminator is taken for granted.
    size_t count = std::min<size_t>(size, buffer.size()) / sizeof(wchar_t);
    std::wstring text(count, L'\0');
    std::memcpy(text.data(), buffer.data(), count * sizeof(wchar_t));
    text.resize(std::min(text.find(L'\0'), text.size()));
    return text;
}

double RegistryAccessor::ReadTime(const std::wstring& name) const {
    double value = 0;
    FixedRead read = QueryFixed(key_.Get(), name, &value, sizeof(value));
    if (read.status != ERROR_SUCCESS && read.status != ERROR_MORE_DATA) Fail(kGetFailed, name);
    if (read.type != REG_BINARY || read.status != ERROR_SUCCESS || read.size != sizeof(value)) Fail(kInvalidType, name);
    return value;
}

void RegistryAccessor::Write(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    if (Faults().failWrite && Faults().failWrite(name)) Fail(kSetFailed, name);
    if (!key_ ||
        RegSetValueExW(key_.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        Fail(kSetFailed, name);
}

void RegistryAccessor::WriteInteger(const std::wstring& name, int value) {
    auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    Write(name, REG_DWORD, bytes, sizeof(bytes));
}

void RegistryAccessor::WriteBool(const std::wstring& name, bool value) {
    WriteInteger(name, value ? 1 : 0);
}

void RegistryAccessor::WriteString(const std::wstring& name, const std::wstring& value) {
    size_t bytes = (value.size() + 1) * sizeof(wchar_t);  // with its terminating NUL, as the clock reads it
    if (bytes > MAXDWORD) Fail(kSetFailed, name);
    Write(name, REG_SZ, value.c_str(), static_cast<DWORD>(bytes));
}

void RegistryAccessor::WriteTime(const std::wstring& name, double value) {
    Write(name, REG_BINARY, &value, sizeof(value));
}

bool RegistryAccessor::DeleteValue(const std::wstring& name) {
    if (Faults().failWrite && Faults().failWrite(name)) return false;
    return key_ && RegDeleteValueW(key_.Get(), name.c_str()) == ERROR_SUCCESS;
}

void RegistryAccessor::GetValueNames(std::vector<std::wstring>& list) const {
    list.clear();
    if (!key_) return;
    DWORD longest = 0;
    RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                     nullptr, nullptr);
    std::vector<wchar_t> name(std::max<size_t>(longest + 1, 256));
    constexpr size_t kLongestName = 32768;  // the registry's own limit is 16 383 characters
    for (DWORD index = 0;;) {
        auto length = static_cast<DWORD>(name.size());
        LSTATUS status = RegEnumValueW(key_.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA && name.size() < kLongestName) {
            name.resize(name.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        list.emplace_back(name.data(), length);
        ++index;
    }
}

}  // namespace store
