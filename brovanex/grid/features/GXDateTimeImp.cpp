#include "features/GXDateTimeImp.h"
#include "core/GXLibraryState.h"
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {
bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

int DaysInMonth(int nMonth, int nYear)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

// The value of at most nMax leading characters, read like atoi.
int LeadingNumber(const std::string& s, size_t nStart, size_t nMax)
{
    if (nStart >= s.size())
        return 0;
    return atoi(s.substr(nStart, nMax).c_str());
}

bool EndsWithNoCase(const std::string& s, const char* pszEnd)
{
    size_t n = strlen(pszEnd);
    if (s.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (toupper((unsigned char)s[s.size() - n + i]) != pszEnd[i])
            return false;
    return true;
}

void TrimLeft(std::string& s)
{
    s.erase(0, s.find_first_not_of(' ') == std::string::npos ? s.size() : s.find_first_not_of(' '));
}

// Takes one number from the front of the date text: blanks, one separator, then the digits.
bool TakeNumber(std::string& s, int nMinDigits, int nMaxDigits, int& nValue)
{
    TrimLeft(s);
    if (!s.empty() && !isdigit((unsigned char)s[0]))
        s.erase(0, 1);
    size_t n = 0;
    while (n < s.size() && isdigit((unsigned char)s[n]))
        ++n;
    if (n < (size_t)nMinDigits || n > (size_t)nMaxDigits)
        return false;
    nValue = atoi(s.substr(0, n).c_str());
    s.erase(0, n);
    return true;
}

void ToTm(struct tm& tmOut, const GXDateTimeRecord& r)
{
    memset(&tmOut, 0, sizeof tmOut);
    tmOut.tm_sec = r.nSecond;
    tmOut.tm_min = r.nMinute;
    tmOut.tm_hour = r.nHour;
    tmOut.tm_mday = r.nDay;
    tmOut.tm_mon = r.nMonth > 0 ? r.nMonth - 1 : 0;
    int nYear = r.nYear;
    if (nYear >= 1900)
        nYear -= 1900;
    else if (nYear <= 37)
        nYear += 100;
    tmOut.tm_year = nYear;
}
} // namespace

void CGXNoOleDateTimeImp::ReadLocaleSettings()
{
    BOOL bFour;
    TCHAR cSep;
    GetDateOrder(TRUE, bFour, cSep);
    GetTimeSeparator(TRUE);
}

CString CGXNoOleDateTimeImp::ReadShortDateFormat()
{
#if defined(_WIN32)
    char sz[128] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, sz, sizeof sz) > 0)
        return sz;
#endif
    return "M/d/yyyy";
}

CString CGXNoOleDateTimeImp::ReadTimeSeparatorText()
{
#if defined(_WIN32)
    char sz[16] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, sz, sizeof sz) > 0)
        return sz;
#endif
    return ":";
}

int CGXNoOleDateTimeImp::GetDateOrder(BOOL bReload, BOOL& bFourDigitYear, TCHAR& cSeparator)
{
    if (m_nDateOrder == 3 || bReload) {
        CString strFormat = ReadShortDateFormat();
        strFormat.MakeUpper();
        std::string s((LPCTSTR)strFormat);
        m_nDateOrder = 1;
        if (!s.empty() && s[0] == 'D')
            m_nDateOrder = 0;
        else if (!s.empty() && s[0] == 'Y')
            m_nDateOrder = 2;
        m_bFourDigitYear = s.find("YYYY") != std::string::npos;
        size_t i = 0;
        while (i < s.size() && s[i] != ' ' && isalpha((unsigned char)s[i]))
            ++i;
        m_cDateSeparator = i < s.size() ? s[i] : '\0';
    }
    bFourDigitYear = m_bFourDigitYear;
    cSeparator = m_cDateSeparator;
    return m_nDateOrder;
}

TCHAR CGXNoOleDateTimeImp::GetTimeSeparator(BOOL bReload)
{
    if (m_cTimeSeparator == 0 || bReload) {
        CString s = ReadTimeSeparatorText();
        m_cTimeSeparator = s.IsEmpty() ? ':' : s[0];
    }
    return m_cTimeSeparator;
}

BOOL CGXNoOleDateTimeImp::Parse(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder)
{
    memset(&record, 0, sizeof record);
    if (pszText == nullptr)
        return FALSE;
    const char cTime = GetTimeSeparator(FALSE);
    std::string text(pszText);
    TrimLeft(text);
    size_t nBlank = text.find(' ');
    size_t nSep = text.find(cTime);
    std::string strDate, strTime;
    if (nBlank == std::string::npos || (nSep != std::string::npos && nBlank > nSep)) {
        (nSep != std::string::npos ? strTime : strDate) = text;
    } else {
        strDate = text.substr(0, nBlank);
        strTime = text.substr(nBlank + 1);
    }
    TrimLeft(strDate);
    TrimLeft(strTime);

    if (!strTime.empty()) {
        record.nDay = 1;
        record.nMonth = 0;
        record.nYear = 70;
        while (!strTime.empty() && strTime.back() == ' ')
            strTime.pop_back();
        size_t nAt = strTime.find(cTime);
        if (nAt == std::string::npos)
            return FALSE;
        int nHour = LeadingNumber(strTime, 0, nAt);
        if (EndsWithNoCase(strTime, "PM") || EndsWithNoCase(strTime, "P")) {
            nHour += 12;
            if (nHour == 24)
                nHour = 12;
        } else if (EndsWithNoCase(strTime, "AM") || EndsWithNoCase(strTime, "A")) {
            if (nHour >= 13)
                return FALSE;
            if (nHour == 12)
                nHour = 0;
        }
        if (nHour < 0 || nHour > 24)
            return FALSE;
        int nMinute = LeadingNumber(strTime, nAt + 1, 2);
        if (nMinute < 0 || nMinute > 59)
            return FALSE;
        int nSecond = 0;
        if (strTime.size() > nAt + 3) {
            nSecond = LeadingNumber(strTime, nAt + 4, 2);
            if (nSecond < 0 || nSecond > 59)
                return FALSE;
        }
        record.nHour = (WORD)nHour;
        record.nMinute = (WORD)nMinute;
        record.nSecond = (WORD)nSecond;
    }

    if (!strDate.empty()) {
        if (strDate.find_first_not_of("0123456789/-. ") != std::string::npos)
            return FALSE;
        if (strDate.size() == 6 && strDate.find_first_not_of("0123456789") == std::string::npos)
            strDate = strDate.substr(0, 2) + "/" + strDate.substr(2, 2) + "/" + strDate.substr(4);
        if (nOrder == 3) {
            BOOL bFour;
            TCHAR cSep;
            nOrder = GetDateOrder(FALSE, bFour, cSep);
        }
        int nDay = 0, nMonth = 0, nYear = 0;
        bool bOk;
        switch (nOrder) {
        case 0:
            bOk = TakeNumber(strDate, 1, 2, nDay) && TakeNumber(strDate, 1, 2, nMonth) &&
                TakeNumber(strDate, 1, 4, nYear);
            break;
        case 2:
            bOk = TakeNumber(strDate, 1, 4, nYear) && TakeNumber(strDate, 1, 2, nMonth) &&
                TakeNumber(strDate, 1, 2, nDay);
            break;
        case 1:
            bOk = TakeNumber(strDate, 1, 2, nMonth) && TakeNumber(strDate, 1, 2, nDay) &&
                TakeNumber(strDate, 1, 4, nYear);
            break;
        default:
            bOk = false;
        }
        if (!bOk || nDay < 1 || nDay > 31 || nMonth < 1 || nMonth > 12)
            return FALSE;
        // A year of one or two digits (other than 0) is in the 1900s.
        if (nYear >= 1 && nYear <= 99)
            nYear += 1900;
        if (nDay > DaysInMonth(nMonth, nYear))
            return FALSE;
        record.nDay = (WORD)nDay;
        record.nMonth = (WORD)nMonth;
        record.nYear = (WORD)nYear;
    }
    return TRUE;
}

BOOL CGXNoOleDateTimeImp::ParseDateTime(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder)
{
    GXDateTimeRecord r;
    BOOL bOk = Parse(r, pszText, nOrder);
    if (bOk)
        record = r;
    else
        memset(&record, 0, sizeof record);
    return bOk;
}

BOOL CGXNoOleDateTimeImp::ParseDateTimeTm(struct tm& tmOut, LPCTSTR pszText, int nOrder)
{
    GXDateTimeRecord r;
    memset(&tmOut, 0, sizeof tmOut);
    if (!Parse(r, pszText, nOrder))
        return FALSE;
    ToTm(tmOut, r);
    return TRUE;
}

void CGXNoOleDateTimeImp::FormatDateTime(CString& strResult, const GXDateTimeRecord& r)
{
    bool bTime = r.nHour != 0 || r.nMinute != 0 || r.nSecond != 0;
    bool bDate = r.nMonth != 0;
    CString strDate, strTime;
    if (bDate) {
        BOOL bFour = FALSE;
        TCHAR c = '/';
        int nOrder = GetDateOrder(FALSE, bFour, c);
        int nYear = bFour ? r.nYear : r.nYear % 100;
        const char* pszDmy = bFour ? "%02d%c%02d%c%04d" : "%02d%c%02d%c%02d";
        const char* pszYmd = bFour ? "%04d%c%02d%c%02d" : "%02d%c%02d%c%02d";
        if (nOrder == 0)
            strDate.Format(pszDmy, r.nDay, c, r.nMonth, c, nYear);
        else if (nOrder == 1)
            strDate.Format(pszDmy, r.nMonth, c, r.nDay, c, nYear);
        else if (nOrder == 2)
            strDate.Format(pszYmd, nYear, c, r.nMonth, c, r.nDay);
    }
    if (bTime) {
        TCHAR c = GetTimeSeparator(FALSE);
        strTime.Format("%02d%c%02d%c%02d", r.nHour, c, r.nMinute, c, r.nSecond);
    }
    if (bDate && bTime)
        strResult = strDate + " " + strTime;
    else
        strResult = bDate ? strDate : strTime;
}

void CGXNoOleDateTimeImp::FormatTime(CString& strResult, const CTime& time)
{
    bool bTime = time.GetHour() != 0 || time.GetMinute() != 0 || time.GetSecond() != 0;
    strResult = time.Format(bTime ? "%c" : "%x");
}

BOOL CGXOleDateTimeImp::ParseDateTime(GXDateTimeRecord& record, LPCTSTR pszText, int)
{
    memset(&record, 0, sizeof record);
    COleDateTime date;
    if (pszText == nullptr || !date.ParseDateTime(pszText, 0, LANG_USER_DEFAULT) ||
        date.GetStatus() != COleDateTime::valid || date.GetYear() < 0)
        return FALSE;
    record.nYear = (WORD)date.GetYear();
    record.nMonth = (WORD)date.GetMonth();
    record.nDay = (WORD)date.GetDay();
    record.nHour = (WORD)date.GetHour();
    record.nMinute = (WORD)date.GetMinute();
    record.nSecond = (WORD)date.GetSecond();
    return TRUE;
}

BOOL CGXOleDateTimeImp::ParseDateTimeTm(struct tm& tmOut, LPCTSTR pszText, int nOrder)
{
    memset(&tmOut, 0, sizeof tmOut);
    GXDateTimeRecord r;
    if (!ParseDateTime(r, pszText, nOrder))
        return FALSE;
    tmOut.tm_sec = r.nSecond;
    tmOut.tm_min = r.nMinute;
    tmOut.tm_hour = r.nHour;
    tmOut.tm_mday = r.nDay;
    tmOut.tm_mon = r.nMonth - 1;
    tmOut.tm_year = r.nYear - 1900;
    return TRUE;
}

void CGXOleDateTimeImp::FormatDateTime(CString& strResult, const GXDateTimeRecord& r)
{
    bool bTime = r.nHour != 0 || r.nMinute != 0 || r.nSecond != 0;
    COleDateTime date;
    if (r.nMonth != 0)
        date.SetDateTime(r.nYear, r.nMonth, r.nDay, r.nHour, r.nMinute, r.nSecond);
    else
        date.SetTime(r.nHour, r.nMinute, r.nSecond);
    strResult = date.Format(!bTime ? "%x" : r.nMonth != 0 ? "%c" : "%X");
}

void CGXOleDateTimeImp::FormatTime(CString& strResult, const CTime& time)
{
    bool bTime = time.GetHour() != 0 || time.GetMinute() != 0 || time.GetSecond() != 0;
    strResult = time.Format(bTime ? "%c" : "%x");
}

void GXImplementNoOleDateTime()
{
    GXInstallProcessFeature<CGXNoOleDateTimeImp>(GXGetLibraryState().m_pDateTimeImp);
}

void GXImplementOleDateTime()
{
    GXInstallProcessFeature<CGXOleDateTimeImp>(GXGetLibraryState().m_pDateTimeImp);
}
