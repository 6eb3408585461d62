#include "RundownTime.h"

long CRundownTime::TimeOfDaySeconds(const CString& text, DWORD flags)
{
    COleDateTime time;
    if (!time.ParseDateTime(text, flags, LANG_USER_DEFAULT) ||
        time.GetStatus() != COleDateTime::valid)
        return 0;
    return time.GetHour() * 3600L + time.GetMinute() * 60L + time.GetSecond();
}

long CRundownTime::Seconds(const CString& text)
{
    if (text.IsEmpty() || text == " ")
        return 0;
    return TimeOfDaySeconds(text, VAR_TIMEVALUEONLY);
}

CString CRundownTime::TotalTime(const CString& ert, const CString& sot)
{
    // The SOT is a date-time and the ERT's clock fields a span added to it: only the
    // time of day is shown, so the sum wraps at 24 hours.
    const long sum = TimeOfDaySeconds(sot, 0) + TimeOfDaySeconds(ert, 0);
    return DayTime(sum);
}

CString CRundownTime::BreakLength(long seconds)
{
    if (seconds < 0)
        seconds = 0;
    CString text;
    text.Format("%02ld:%02ld:%02ld", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
    return text;
}

CString CRundownTime::DayTime(long long seconds)
{
    return CTimeSpan((LONGLONG)seconds).Format("%H:%M:%S");
}
