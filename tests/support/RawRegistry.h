#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace testbed {

// The registry as another program sees it: types and bytes, without the program's own accessor.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<uint8_t> bytes;
    bool operator==(const RawValue&) const = default;
};

inline RawValue Dword(int32_t v) {
    RawValue r{REG_DWORD, std::vector<uint8_t>(4)};
    std::memcpy(r.bytes.data(), &v, 4);
    return r;
}

inline RawValue Sz(const std::wstring& text, DWORD type = REG_SZ) {
    RawValue r{type, std::vector<uint8_t>((text.size() + 1) * sizeof(wchar_t))};
    std::memcpy(r.bytes.data(), text.c_str(), r.bytes.size());
    return r;
}

inline RawValue Time(double v) {
    RawValue r{REG_BINARY, std::vector<uint8_t>(8)};
    std::memcpy(r.bytes.data(), &v, 8);
    return r;
}

inline void SetRaw(const std::wstring& key, const std::wstring& name, const RawValue& value) {
    HKEY h = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
    RegSetValueExW(h, name.c_str(), 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(h);
}

inline std::optional<RawValue> GetRaw(const std::wstring& key, const std::wstring& name) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return std::nullopt;
    RawValue r;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(h, name.c_str(), nullptr, &r.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        r.bytes.resize(size);
        status = RegQueryValueExW(h, name.c_str(), nullptr, &r.type, r.bytes.data(), &size);
    }
    RegCloseKey(h);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return r;
}

inline bool KeyExists(const std::wstring& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

inline DWORD ValueCount(const std::wstring& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    RegQueryInfoKeyW(h, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(h);
    return count;
}

inline double AsTime(const RawValue& v) {
    double d = 0;
    if (v.bytes.size() == 8) std::memcpy(&d, v.bytes.data(), 8);
    return d;
}

}  // namespace testbed
