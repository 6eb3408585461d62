// Calendar arithmetic and strftime-style formatting shared by the time classes. Our
// own code, with fixed C-locale names, so every build prints the same text.
#pragma once
#include "fw/string.h"

#include <cstdint>
#include <ctime>

namespace fw::timefmt {

// Days from 1 January 1970 to the given proleptic Gregorian date (negative before).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d);
// The date of a day count from 1 January 1970.
void CivilFromDays(int64_t z, int* pYear, int* pMonth, int* pDay);
int DaysInMonth(int nYear, int nMonth);

// %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %%, with the '#' flag
// dropping leading zeros (and selecting the long forms of %c and %x).
CString FormatTm(const struct tm& t, LPCSTR lpszFormat);

// The time-span codes: %D days, %H %M %S two-digit hours, minutes and seconds, %%.
CString FormatSpan(LPCSTR lpszFormat, long long nDays, long long nHours, long long nMinutes,
                   long long nSeconds);

extern const char* const kDayNames[7];
extern const char* const kMonthNames[12];

} // namespace fw::timefmt
