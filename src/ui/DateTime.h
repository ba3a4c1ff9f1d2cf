#pragma once
#include <windows.h>

namespace ui {

// Date-time values as the clock stores them: days since 30 December 1899, the fraction being the time
// of day. Before that date the integer part counts back and the fraction still counts forward in the day
// (-1.25 is 29 December 1899, 06:00), as such values have always been read.
double ToDateTime(const SYSTEMTIME& st);
SYSTEMTIME ToSystemTime(double value);
double NowDateTime();  // local time
double TimeOfDay(double value);  // 0 <= result < 1
// The date of `date` with the time of day of `time`.
double WithTimeOfDay(double date, double time);

}  // namespace ui
