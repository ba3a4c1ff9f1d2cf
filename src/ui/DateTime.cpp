#include "ui/DateTime.h"

#include <cmath>
#include <cstdint>

namespace ui {

namespace {

constexpr double kMsPerDay = 86400000.0;
// Days from 1970-01-01 to 1899-12-30.
constexpr int64_t kEpochOffset = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

double ToDateTime(const SYSTEMTIME& st) {
    int64_t days = DaysFromCivil(st.wYear, st.wMonth, st.wDay) - kEpochOffset;
    double fraction = ((st.wHour * 60.0 + st.wMinute) * 60.0 + st.wSecond) * 1000.0 + st.wMilliseconds;
    fraction /= kMsPerDay;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

double TimeOfDay(double value) {
    double fraction = std::fabs(value - std::trunc(value));
    return fraction < 1.0 ? fraction : 0.0;
}

SYSTEMTIME ToSystemTime(double value) {
    if (!std::isfinite(value)) value = 0;
    int64_t days = static_cast<int64_t>(std::trunc(value));
    int64_t ms = std::llround(TimeOfDay(value) * kMsPerDay);
    if (ms >= static_cast<int64_t>(kMsPerDay)) {  // rounding reached midnight
        ms = 0;
        days += value >= 0 ? 1 : -1;
    }
    int year = 0, month = 0, day = 0;
    CivilFromDays(days + kEpochOffset, year, month, day);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wDayOfWeek = static_cast<WORD>(((days + kEpochOffset) % 7 + 7 + 4) % 7);  // 1970-01-01 was a Thursday
    st.wHour = static_cast<WORD>(ms / 3600000);
    st.wMinute = static_cast<WORD>(ms / 60000 % 60);
    st.wSecond = static_cast<WORD>(ms / 1000 % 60);
    st.wMilliseconds = static_cast<WORD>(ms % 1000);
    return st;
}

double NowDateTime() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return ToDateTime(st);
}

double WithTimeOfDay(double date, double time) {
    double day = std::trunc(date);
    double fraction = TimeOfDay(time);
    return day >= 0 ? day + fraction : day - fraction;
}

}  // namespace ui
