#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace store {

// Typed access to one key below HKEY_CURRENT_USER, in the encodings the clock reads. One accessor per
// operation (one load, one save, one list refresh); the destructor closes the key, also after a failure.
// Failed reads and writes throw ui::Error with the value's name in the message.
class RegistryAccessor {
public:
    RegistryAccessor();
    ~RegistryAccessor();
    RegistryAccessor(const RegistryAccessor&) = delete;
    RegistryAccessor& operator=(const RegistryAccessor&) = delete;

    // From HKEY_CURRENT_USER whether or not the path starts with a backslash, with full access; with
    // canCreate the key and its missing parents are created first. On success the key replaces the open
    // one. False if it cannot be opened: that is the caller's decision, not an error.
    bool OpenKey(const std::wstring& path, bool canCreate);
    void CloseKey();

    bool ValueExists(const std::wstring& name) const;  // whatever its type
    int ReadInteger(const std::wstring& name) const;
    bool ReadBool(const std::wstring& name) const;  // any non-zero integer is true
    std::wstring ReadString(const std::wstring& name) const;
    double ReadTime(const std::wstring& name) const;  // days since 30 December 1899
    void WriteInteger(const std::wstring& name, int value);
    void WriteBool(const std::wstring& name, bool value);
    void WriteString(const std::wstring& name, const std::wstring& value);
    void WriteTime(const std::wstring& name, double value);
    bool DeleteValue(const std::wstring& name);
    // Replaces the list's content with the open key's value names, in the registry's order.
    void GetValueNames(std::vector<std::wstring>& list) const;

    static int LiveCount();  // accessors alive now

private:
    void Write(const std::wstring& name, DWORD type, const void* data, DWORD size);
    ui::RegKey key_;
};

// Test seam: Wine does not enforce key permissions, so a test makes a key fail to open (the path as
// given to OpenKey) or a write fail (the value's name; a failing DeleteValue returns false).
struct RegistryFaults {
    std::function<bool(const std::wstring& path)> failOpen;
    std::function<bool(const std::wstring& valueName)> failWrite;
};
void SetRegistryFaults(RegistryFaults faults);  // default-constructed = no faults

}  // namespace store
