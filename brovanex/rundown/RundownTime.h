// Time arithmetic of the rundown. Every time in a row is the text "HH:MM:SS"; these are
// the only conversions between such texts and seconds, shared by the row list, the
// grid's total-time column and the break rows.
#pragma once
#include "BrovanexApi.h"
#include "fw/core.h"

class BROVANEX_API CRundownTime
{
public:
    // Seconds of a time of day. An empty text or a single blank is 00:00:00; a text that
    // does not parse as a time contributes 0 (never a negative value).
    static long Seconds(const CString& text);

    // Total time of a script row: the SOT plus the ERT, as "HH:MM:SS" within one day.
    // Either text that does not parse counts as 00:00:00.
    static CString TotalTime(const CString& ert, const CString& sot);

    // Length of a break: "%02d:%02d:%02d" of hours, minutes and seconds; the hours are
    // not wrapped at a day. A negative length is shown as 00:00:00.
    static CString BreakLength(long seconds);

    // A running sum of seconds as "%H:%M:%S" of a time span: the hours within a day.
    static CString DayTime(long long seconds);

    // The SOT cell's editing form: "HH:MM:SS" (or "MM:SS") as four digits MMSS, the hours
    // folded into the minutes; beyond 99 minutes the minutes stop at 99 and the rest goes
    // into the seconds (at most 99).
    static CString GridEditTime(const CString& text);

    // Four digits MMSS back to "HH:MM:SS": seconds of 60 or more carry into the minutes,
    // minutes of 60 or more into the hours; the hours wrap at a day. 0130 gives 00:01:30,
    // 9999 gives 01:40:39.
    static CString FromGridEditTime(const CString& digits);

private:
    static long TimeOfDaySeconds(const CString& text, DWORD flags);
};
