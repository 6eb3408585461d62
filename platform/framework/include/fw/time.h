// Time values: CTime (seconds since 1970, local calendar) and CTimeSpan (seconds), and
// COleDateTime (days since 30 December 1899 with the time as the fraction) and
// COleDateTimeSpan (days). Text is parsed and formatted by our own code with fixed
// US-English rules, so both builds read and print "HH:MM:SS" the same way.
#pragma once
#include "fw/fwdefs.h"
#include "fw/string.h"
#include <ctime>
#if defined(_WIN32)
#include <oleauto.h>
#endif

class CArchive;

class FW_API CTimeSpan
{
public:
    CTimeSpan() : m_timeSpan(0) { }
    CTimeSpan(LONGLONG time) : m_timeSpan(time) { }
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + (LONGLONG)24 * lDays)))
    { }

    // Days; hours, minutes and seconds within the day/hour/minute (negative for a
    // negative span); totals.
    LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
    LONG GetHours() const { return (LONG)(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
    LONG GetMinutes() const { return (LONG)(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_timeSpan; }
    LONG GetSeconds() const { return (LONG)(GetTotalSeconds() - GetTotalMinutes() * 60); }
    LONGLONG GetTimeSpan() const { return m_timeSpan; }

    CTimeSpan operator-(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan - timeSpan.m_timeSpan);
    }
    CTimeSpan operator+(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan + timeSpan.m_timeSpan);
    }
    const CTimeSpan& operator+=(CTimeSpan timeSpan)
    {
        m_timeSpan += timeSpan.m_timeSpan;
        return *this;
    }
    const CTimeSpan& operator-=(CTimeSpan timeSpan)
    {
        m_timeSpan -= timeSpan.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    bool operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    bool operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    bool operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    bool operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    bool operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

    // %D days, %H hours in the day, %M minutes, %S seconds (two digits), %% a percent sign.
    CString Format(LPCSTR pFormat) const;

    // Stored as a 32-bit LONG.
    friend FW_API CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan);
    friend FW_API CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan);

private:
    LONGLONG m_timeSpan;
};

class FW_API CTime
{
public:
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0) { }
    CTime(LONGLONG time) : m_time(time) { }
    // A local time; nDST < 0 lets the C library decide daylight saving.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
#if defined(_WIN32)
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);
#endif

    // Broken-down time (local or UTC); null when the value cannot be converted.
    struct tm* GetGmtTm(struct tm* ptm) const;
    struct tm* GetLocalTm(struct tm* ptm) const;

    LONGLONG GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.GetTimeSpan()); }
    CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.GetTimeSpan()); }
    const CTime& operator+=(CTimeSpan timeSpan)
    {
        m_time += timeSpan.GetTimeSpan();
        return *this;
    }
    const CTime& operator-=(CTimeSpan timeSpan)
    {
        m_time -= timeSpan.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

    // strftime-style codes (see COleDateTime::Format), in local time or UTC.
    CString Format(LPCSTR pFormat) const;
    CString FormatGmt(LPCSTR pFormat) const;

    // Stored as a 32-bit DWORD.
    friend FW_API CArchive& AFXAPI operator<<(CArchive& ar, CTime time);
    friend FW_API CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime);

private:
    LONGLONG m_time;
};

class COleDateTimeSpan;

class FW_API COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    static COleDateTime PASCAL GetCurrentTime();

    COleDateTime() : m_dt(0), m_status(valid) { }
    COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) { }
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(const CTime& timeSrc);
#if defined(_WIN32)
    COleDateTime(const SYSTEMTIME& systimeSrc);
#endif

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Calendar fields of a valid value; -1 (AFX_OLE_DATETIME_ERROR) when invalid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday
    int GetDayOfYear() const; // 1 = 1 January

    // Return 0 on success; an out-of-range field leaves the value invalid.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay)
    {
        return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
    }
    int SetTime(int nHour, int nMin, int nSec)
    {
        return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
    }

    const COleDateTime& operator=(DATE dtSrc)
    {
        m_dt = dtSrc;
        m_status = valid;
        return *this;
    }
    const COleDateTime& operator=(const CTime& timeSrc);

    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    const COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Reads a date, a time, or both: "HH:MM[:SS] [AM|PM]", "M/D/YYYY", "YYYY-MM-DD",
    // month names ("Jan 5, 2024", "5 January 2024"), or a date followed by a time.
    // A time alone gives 30 December 1899 at that time. VAR_TIMEVALUEONLY keeps only the
    // time, VAR_DATEVALUEONLY only the date. FALSE and an invalid value when the text is
    // not a date or time.
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // The value as the user would type it: "M/D/YYYY h:mm:ss AM"; the time alone when
    // the date is 30 December 1899 (or VAR_TIMEVALUEONLY), the date alone at midnight
    // (or VAR_DATEVALUEONLY). An invalid value gives "Invalid DateTime", null "".
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime-style codes: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y
    // %Y %%, and the '#' flag (%#d) that drops leading zeros.
    CString Format(LPCSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    friend FW_API CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc);
    friend FW_API CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc);

    DATE m_dt;
    DateTimeStatus m_status;
};

class FW_API COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() : m_span(0), m_status(valid) { }
    COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid) { }
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
    {
        SetDateTimeSpan(lDays, nHours, nMins, nSecs);
    }

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    operator double() const { return m_span; }

    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    // Whole days; hours, minutes and seconds within them (rounded to the second).
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    bool operator==(const COleDateTimeSpan& dateSpan) const
    {
        return m_span == dateSpan.m_span && m_status == dateSpan.m_status;
    }
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return !(*this == dateSpan); }
    bool operator<(const COleDateTimeSpan& dateSpan) const { return m_span < dateSpan.m_span; }
    bool operator>(const COleDateTimeSpan& dateSpan) const { return m_span > dateSpan.m_span; }
    bool operator<=(const COleDateTimeSpan& dateSpan) const { return m_span <= dateSpan.m_span; }
    bool operator>=(const COleDateTimeSpan& dateSpan) const { return m_span >= dateSpan.m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTimeSpan& operator+=(const COleDateTimeSpan dateSpan)
    {
        *this = *this + dateSpan;
        return *this;
    }
    const COleDateTimeSpan& operator-=(const COleDateTimeSpan dateSpan)
    {
        *this = *this - dateSpan;
        return *this;
    }
    COleDateTimeSpan operator-() const { return COleDateTimeSpan(-m_span); }

    // %D days, %H hours, %M minutes, %S seconds (two digits), %% a percent sign.
    CString Format(LPCSTR pFormat) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

#define AFX_OLE_DATETIME_ERROR (-1)
