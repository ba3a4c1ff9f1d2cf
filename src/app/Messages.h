#pragma once
#include <windows.h>

// The window identities and the two private messages other programs rely on.
inline constexpr wchar_t kSettingsClass[] = L"TOrbinSettings";
inline constexpr wchar_t kSettingsCaption[] = L"Orbin Settings";
inline constexpr wchar_t kClockClass[] = L"TOrbin";
inline constexpr wchar_t kClockCaption[] = L"Orbin";

// A second start asks the running settings window to show itself (sent with SendNotifyMessageW).
inline constexpr UINT kActivationMessage = WM_USER + 6;  // 1030
// Told to the clock: wParam 0, the settings were just saved; wParam 1, the settings key was missing.
inline constexpr UINT kClockNotice = WM_USER + 5;  // 1029
inline constexpr WPARAM kNoticeSaved = 0;
inline constexpr WPARAM kNoticeNoSettings = 1;

// Posts the clock notice to the running clock; with no clock, nothing happens.
void SendClockNotice(WPARAM wParam);
