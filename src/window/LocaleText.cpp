#include "window/LocaleText.h"

#include "ui/Error.h"

namespace locale_text {

namespace {

// The formatters tell the length they need when given no buffer; a locale may have long names, so the
// text is sized from that answer rather than from a guess.
template <class Format>
std::wstring Formatted(Format format, const wchar_t* what) {
    int needed = format(nullptr, 0);
    if (needed <= 0) throw ui::Error(std::wstring(L"Cannot format the ") + what + L".");
    std::wstring text(static_cast<size_t>(needed), L'\0');
    int written = format(text.data(), needed);
    if (written <= 0) throw ui::Error(std::wstring(L"Cannot format the ") + what + L".");
    text.resize(static_cast<size_t>(written - 1));  // the count includes the terminating null
    return text;
}

}  // namespace

std::wstring FormatTime(const SYSTEMTIME& time, const std::wstring& picture, const wchar_t* locale) {
    return Formatted(
        [&](wchar_t* buffer, int size) { return GetTimeFormatEx(locale, 0, &time, picture.c_str(), buffer, size); },
        L"time");
}

std::wstring FormatDate(const SYSTEMTIME& date, const std::wstring& picture, const wchar_t* locale) {
    return Formatted(
        [&](wchar_t* buffer, int size) {
            return GetDateFormatEx(locale, 0, &date, picture.c_str(), buffer, size, nullptr);
        },
        L"date");
}

std::wstring DatePicture(bool longDate, const wchar_t* locale) {
    LCTYPE type = longDate ? LOCALE_SLONGDATE : LOCALE_SSHORTDATE;
    return Formatted([&](wchar_t* buffer, int size) { return GetLocaleInfoEx(locale, type, buffer, size); },
                     L"date picture");
}

}  // namespace locale_text
