// CTime and CTimeSpan.
#include "fw/time.h"
#include "fw/archive.h"
#include "platform.h"
#include "time_format.h"

CString CTimeSpan::Format(LPCSTR pFormat) const
{
    return fw::timefmt::FormatSpan(pFormat, GetDays(), GetHours(), GetMinutes(), GetSeconds());
}

CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan)
{
    return ar << (LONG)timeSpan.m_timeSpan;
}

CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan)
{
    LONG l;
    ar >> l;
    rtimeSpan.m_timeSpan = l;
    return ar;
}

CTime PASCAL CTime::GetCurrentTime() { return CTime((LONGLONG)::time(nullptr)); }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    m_time = fw::platform::MakeLocalTime(&atm);
}

#if defined(_WIN32)
CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
    : CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute,
            sysTime.wSecond, nDST)
{ }

CTime::CTime(const FILETIME& fileTime, int nDST) : m_time(0)
{
    FILETIME localTime;
    SYSTEMTIME sysTime;
    if (::FileTimeToLocalFileTime(&fileTime, &localTime) &&
        ::FileTimeToSystemTime(&localTime, &sysTime))
        *this = CTime(sysTime, nDST);
}
#endif

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    return ptm && fw::platform::GmTime(m_time, ptm) ? ptm : nullptr;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    return ptm && fw::platform::LocalTime(m_time, ptm) ? ptm : nullptr;
}

namespace {

struct tm localFields(LONGLONG t)
{
    struct tm atm = {};
    fw::platform::LocalTime(t, &atm);
    return atm;
}

} // namespace

int CTime::GetYear() const { return localFields(m_time).tm_year + 1900; }
int CTime::GetMonth() const { return localFields(m_time).tm_mon + 1; }
int CTime::GetDay() const { return localFields(m_time).tm_mday; }
int CTime::GetHour() const { return localFields(m_time).tm_hour; }
int CTime::GetMinute() const { return localFields(m_time).tm_min; }
int CTime::GetSecond() const { return localFields(m_time).tm_sec; }
int CTime::GetDayOfWeek() const { return localFields(m_time).tm_wday + 1; }

CString CTime::Format(LPCSTR pFormat) const
{
    struct tm atm;
    if (!GetLocalTm(&atm))
        return CString();
    return fw::timefmt::FormatTm(atm, pFormat);
}

CString CTime::FormatGmt(LPCSTR pFormat) const
{
    struct tm atm;
    if (!GetGmtTm(&atm))
        return CString();
    return fw::timefmt::FormatTm(atm, pFormat);
}

CArchive& AFXAPI operator<<(CArchive& ar, CTime time) { return ar << (DWORD)time.m_time; }

CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime)
{
    LONG l; // stored as 32 bits; earlier than 1970 is negative
    ar >> l;
    rtime.m_time = l;
    return ar;
}
