#pragma once
#include <windows.h>

#include <string>

// The face's texts through the system's locale-aware formatters. `locale` is a locale name such as
// L"de-DE"; nullptr is the user's default locale, which is what the clock itself uses.
namespace locale_text {

// "HH:mm", "h:mmtt", ...: h hour 1-12, HH hour 00-23, mm minutes, tt the locale's AM/PM designator.
std::wstring FormatTime(const SYSTEMTIME& time, const std::wstring& picture, const wchar_t* locale = nullptr);
// "dd.M.yyyy", "dddd", or one of the locale's own date pictures.
std::wstring FormatDate(const SYSTEMTIME& date, const std::wstring& picture, const wchar_t* locale = nullptr);
// The locale's long or short date picture.
std::wstring DatePicture(bool longDate, const wchar_t* locale = nullptr);

}  // namespace locale_text
