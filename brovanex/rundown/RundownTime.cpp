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

namespace {
// The two digits at start (fewer when the text ends), read as a number.
int TwoDigits(const CString& text, int start)
{
    if (start < 0 || start >= text.GetLength())
        return 0;
    return atoi(text.Mid(start, 2));
}
} // namespace

CString CRundownTime::GridEditTime(const CString& text)
{
    const int last = text.ReverseFind(':');
    int hours = 0, minutes = 0, seconds = 0;
    if (last >= 0) {
        seconds = TwoDigits(text, last + 1);
        const int middle = text.Left(last).ReverseFind(':');
        if (middle >= 0) {
            minutes = TwoDigits(text, middle + 1);
            hours = TwoDigits(text, 0);
        } else {
            minutes = TwoDigits(text, 0);
        }
    }
    minutes += 60 * hours;
    if (minutes > 99) {
        minutes = 99;
        seconds = seconds < 40 ? seconds + 60 : 99;
    }
    CString digits;
    digits.Format("%02d%02d", minutes, seconds);
    return digits;
}

CString CRundownTime::FromGridEditTime(const CString& digits)
{
    long value = atol(digits);
    if (value < 0)
        value = 0;
    long minutes = value / 100, seconds = value % 100, hours = 0;
    if (seconds >= 60) {
        minutes += seconds / 60;
        seconds %= 60;
    }
    if (minutes >= 60) {
        hours = minutes / 60;
        minutes %= 60;
    }
    CString text;
    text.Format("%02ld:%02ld:%02ld", hours % 24, minutes, seconds);
    return text;
}
