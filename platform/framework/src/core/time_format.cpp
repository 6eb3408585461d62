// Calendar conversions (the civil-from-days algorithms) and the strftime-style formatter.
#include "time_format.h"

#include <cstdio>

namespace fw::timefmt {

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = (unsigned)(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (int64_t)doe - 719468;
}

void CivilFromDays(int64_t z, int* pYear, int* pMonth, int* pDay)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = (unsigned)(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = (int64_t)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    *pYear = (int)(y + (m <= 2));
    *pMonth = (int)m;
    *pDay = (int)d;
}

int DaysInMonth(int nYear, int nMonth)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    bool leap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return days[nMonth - 1] + (nMonth == 2 && leap ? 1 : 0);
}

namespace {

void appendNumber(CString& out, int value, int width, bool dropZeros)
{
    char text[16];
    if (dropZeros)
        std::snprintf(text, sizeof text, "%d", value);
    else
        std::snprintf(text, sizeof text, "%0*d", width, value);
    out += text;
}

int weekOfYear(const struct tm& t, int firstWeekday)
{
    int wday = (t.tm_wday - firstWeekday + 7) % 7;
    return (t.tm_yday + 7 - wday) / 7;
}

} // namespace

CString FormatTm(const struct tm& t, LPCSTR lpszFormat)
{
    CString out;
    if (lpszFormat == nullptr)
        return out;
    int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    for (LPCSTR p = lpszFormat; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        bool alt = false;
        if (*p == '#') {
            alt = true;
            ++p;
        }
        if (*p == '\0')
            break;
        switch (*p) {
        case 'a':
            out += CString(kDayNames[t.tm_wday % 7], 3);
            break;
        case 'A':
            out += kDayNames[t.tm_wday % 7];
            break;
        case 'b':
            out += CString(kMonthNames[t.tm_mon % 12], 3);
            break;
        case 'B':
            out += kMonthNames[t.tm_mon % 12];
            break;
        case 'c':
            out += alt ? FormatTm(t, "%A, %B %#d, %Y, %H:%M:%S") : FormatTm(t, "%m/%d/%y %H:%M:%S");
            break;
        case 'd':
            appendNumber(out, t.tm_mday, 2, alt);
            break;
        case 'H':
            appendNumber(out, t.tm_hour, 2, alt);
            break;
        case 'I':
            appendNumber(out, hour12, 2, alt);
            break;
        case 'j':
            appendNumber(out, t.tm_yday + 1, 3, alt);
            break;
        case 'm':
            appendNumber(out, t.tm_mon + 1, 2, alt);
            break;
        case 'M':
            appendNumber(out, t.tm_min, 2, alt);
            break;
        case 'p':
            out += t.tm_hour < 12 ? "AM" : "PM";
            break;
        case 'S':
            appendNumber(out, t.tm_sec, 2, alt);
            break;
        case 'U':
            appendNumber(out, weekOfYear(t, 0), 2, alt);
            break;
        case 'w':
            appendNumber(out, t.tm_wday, 1, alt);
            break;
        case 'W':
            appendNumber(out, weekOfYear(t, 1), 2, alt);
            break;
        case 'x':
            out += alt ? FormatTm(t, "%A, %B %#d, %Y") : FormatTm(t, "%m/%d/%y");
            break;
        case 'X':
            out += FormatTm(t, "%H:%M:%S");
            break;
        case 'y':
            appendNumber(out, (t.tm_year + 1900) % 100, 2, alt);
            break;
        case 'Y':
            appendNumber(out, t.tm_year + 1900, 4, alt);
            break;
        case 'z':
        case 'Z':
            break; // no time-zone names
        case '%':
            out += '%';
            break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}

CString FormatSpan(LPCSTR lpszFormat, long long nDays, long long nHours, long long nMinutes,
                   long long nSeconds)
{
    CString out;
    if (lpszFormat == nullptr)
        return out;
    char text[32];
    for (LPCSTR p = lpszFormat; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case '\0':
            return out;
        case '%':
            out += '%';
            break;
        case 'D':
            std::snprintf(text, sizeof text, "%lld", nDays);
            out += text;
            break;
        case 'H':
            std::snprintf(text, sizeof text, "%02lld", nHours);
            out += text;
            break;
        case 'M':
            std::snprintf(text, sizeof text, "%02lld", nMinutes);
            out += text;
            break;
        case 'S':
            std::snprintf(text, sizeof text, "%02lld", nSeconds);
            out += text;
            break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}

} // namespace fw::timefmt
