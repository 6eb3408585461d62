// Time texts of the clock displays.
#pragma once
#include <string>

#include "SelvatraApi.h"
#include "fw/time.h"

// "HH:MM:SS" of the hours in the day, minutes and seconds (absolute values); with trim,
// leading "0" and ":" characters go while the text is longer than "M:SS".
SELVATRA_API std::string FormatTime(CTimeSpan span, bool trim);
// Hours, minutes and seconds between the colons ("1:02:03"); a leading minus makes the
// span negative. Missing fields count 0.
SELVATRA_API CTimeSpan ParseTime(const std::string& text);
