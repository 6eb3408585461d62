// The locale's day and month names, read once for the user's default locale and shared by
// the date-time window's name fields and the calendar's title and day bar.
#pragma once
#include "fw/string.h"

// nDay 1-7 from Sunday; nMonth 1-12. Out-of-range numbers give an empty text.
CString GXBGetDayName(int nDay, BOOL bFull);
CString GXBGetMonthName(int nMonth, BOOL bFull);
