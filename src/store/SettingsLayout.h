#pragma once
#include <array>

// Where the clock and this program keep their state, all below HKEY_CURRENT_USER. The clock reads the
// same keys and names, so none of them may change.
namespace store {

inline constexpr wchar_t kSettingsKey[] = L"software\\quillmoor\\orbin\\init\\";
// The load's spelling of the same key.
inline constexpr wchar_t kSettingsKeyForLoad[] = L"\\software\\quillmoor\\orbin\\init\\";
// One text value per scheduled sound: the hour key ("alarm", "00", "0" ... "23") names the file's path.
inline constexpr wchar_t kSoundsKey[] = L"software\\quillmoor\\orbin\\sounds\\";
// Auto start: the value kRunValue holds the program folder followed by kClockProgram, in double quotes.
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValue[] = L"Orbin";
inline constexpr wchar_t kClockProgram[] = L"orbin.exe";

enum class ValueType { Integer, Boolean, Text, Time };

struct SettingValue {
    const wchar_t* name;
    ValueType type;
};

// The values of the settings key, in the order a save writes them.
extern const std::array<SettingValue, 37> kSettingsValues;

}  // namespace store
