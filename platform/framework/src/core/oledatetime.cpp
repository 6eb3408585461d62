// COleDateTime and COleDateTimeSpan: DATE values (days since 30 December 1899, the
// time of day as the fraction; before that date the fraction counts forward from the
// negative day number), with our own parser and formatter.
#include "fw/time.h"
#include "fw/archive.h"
#include "platform.h"
#include "time_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const double kMinDate = -657434.99998842592; // 1 January 100, 23:59:59
const double kMaxDate = 2958465.99998842592; // 31 December 9999, 23:59:59
const double kHalfSecond = 1.0 / 172800.0;
const int64_t kEpochDays = -25569; // 30 December 1899 from 1 January 1970

struct DateParts
{
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

bool partsFromDate(DATE dt, DateParts& parts)
{
    if (!(dt >= kMinDate && dt <= kMaxDate)) // also rejects NaN
        return false;
    double dblDate = dt + (dt > 0.0 ? kHalfSecond : -kHalfSecond);
    int64_t nDays = (int64_t)dblDate; // towards zero: the day number
    double dblAbs = std::fabs(dblDate);
    long nSecsInDay = (long)((dblAbs - std::floor(dblAbs)) * 86400.0);
    if (nSecsInDay >= 86400)
        nSecsInDay = 86399;
    int64_t days1970 = nDays + kEpochDays;
    fw::timefmt::CivilFromDays(days1970, &parts.year, &parts.month, &parts.day);
    if (parts.year > 9999)
        return false;
    parts.hour = (int)(nSecsInDay / 3600);
    parts.minute = (int)(nSecsInDay / 60 % 60);
    parts.second = (int)(nSecsInDay % 60);
    // 1 January 1970 was a Thursday.
    parts.dayOfWeek = (int)(((days1970 % 7) + 11) % 7) + 1; // 1 = Sunday
    parts.dayOfYear = (int)(days1970 - fw::timefmt::DaysFromCivil(parts.year, 1, 1)) + 1;
    return true;
}

bool dateFromParts(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, DATE& dt)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > fw::timefmt::DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 ||
        nMin > 59 || nSec < 0 || nSec > 59)
        return false;
    double nDate =
        (double)(fw::timefmt::DaysFromCivil(nYear, (unsigned)nMonth, (unsigned)nDay) - kEpochDays);
    double dblTime = (nHour * 3600 + nMin * 60 + nSec) / 86400.0;
    dt = nDate >= 0 ? nDate + dblTime : nDate - dblTime;
    return true;
}

// DATE values are not linear before 1899 (the fraction runs the other way); these
// convert to and from a linear day count for arithmetic and comparison.
double linearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double days = std::ceil(dt);
    return days + (days - dt);
}

DATE dateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    double days = std::floor(linear); // the day, counted back from 30 December 1899
    return days - (linear - days); // and the time of day as a negative fraction
}

int currentYear()
{
    struct tm atm = {};
    fw::platform::LocalTime((int64_t)::time(nullptr), &atm);
    return atm.tm_year + 1900;
}

// ----------------------------------------------------------------------------------------
// The parser.

struct Token
{
    enum Kind { Number, Word, Punct };
    explicit Token(Kind k) : kind(k) { }
    Kind kind;
    int value = 0;
    int digits = 0;
    std::string text;
    char punct = 0;
};

bool tokenize(LPCSTR text, std::vector<Token>& tokens)
{
    for (LPCSTR p = text; *p;) {
        unsigned char ch = (unsigned char)*p;
        if (std::isspace(ch)) {
            ++p;
        } else if (std::isdigit(ch)) {
            Token t(Token::Number);
            while (std::isdigit((unsigned char)*p)) {
                if (t.digits >= 6)
                    return false; // no date or time field is that long
                t.value = t.value * 10 + (*p - '0');
                ++t.digits;
                ++p;
            }
            tokens.push_back(t);
        } else if (std::isalpha(ch)) {
            Token t(Token::Word);
            while (std::isalpha((unsigned char)*p)) {
                if (t.text.size() >= 16)
                    return false;
                t.text += (char)std::tolower((unsigned char)*p);
                ++p;
            }
            tokens.push_back(t);
        } else if (std::strchr("/-.,:", ch)) {
            Token t(Token::Punct);
            t.punct = (char)ch;
            tokens.push_back(t);
            ++p;
        } else {
            return false;
        }
    }
    return true;
}

bool isWord(const Token& t, const char* a, const char* b)
{
    return t.kind == Token::Word && (t.text == a || t.text == b);
}

// 1..12 for a month name or its abbreviation of three letters or more; 0 otherwise.
int monthFromWord(const std::string& word)
{
    if (word.size() < 3)
        return 0;
    for (int i = 0; i < 12; ++i) {
        std::string name = fw::timefmt::kMonthNames[i];
        for (char& c : name)
            c = (char)std::tolower((unsigned char)c);
        if (name.compare(0, word.size(), word) == 0)
            return i + 1;
    }
    return 0;
}

bool isDayName(const std::string& word)
{
    if (word.size() < 3)
        return false;
    for (const char* day : fw::timefmt::kDayNames) {
        std::string name = day;
        for (char& c : name)
            c = (char)std::tolower((unsigned char)c);
        if (name.compare(0, word.size(), word) == 0)
            return true;
    }
    return false;
}

int expandYear(const Token& t)
{
    if (t.digits <= 2)
        return t.value < 30 ? 2000 + t.value : 1900 + t.value;
    return t.value;
}

struct Parsed
{
    bool hasDate = false, hasTime = false;
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// Takes the time (H:MM[:SS[.fff]] [AM|PM], or H AM|PM) out of the tokens.
bool extractTime(std::vector<Token>& tokens, Parsed& out)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Number)
            continue;
        size_t end = i + 1;
        int fields[3] = {tokens[i].value, 0, 0};
        int nFields = 1;
        while (nFields < 3 && end + 1 < tokens.size() && tokens[end].kind == Token::Punct &&
               tokens[end].punct == ':' && tokens[end + 1].kind == Token::Number) {
            if (tokens[end + 1].digits > 2)
                return false;
            fields[nFields++] = tokens[end + 1].value;
            end += 2;
        }
        if (nFields == 3 && end + 1 < tokens.size() && tokens[end].kind == Token::Punct &&
            tokens[end].punct == '.' && tokens[end + 1].kind == Token::Number)
            end += 2; // fractions of a second are dropped
        int ampm = 0;
        if (end < tokens.size() &&
            (isWord(tokens[end], "am", "a") || isWord(tokens[end], "pm", "p"))) {
            ampm = tokens[end].text[0] == 'a' ? 1 : 2;
            ++end;
        }
        if (nFields == 1 && ampm == 0)
            continue; // a lone number is part of a date
        if (out.hasTime)
            return false; // two times
        if (tokens[i].digits > 2)
            return false;
        int hour = fields[0];
        if (ampm != 0) {
            if (hour > 12)
                return false;
            if (hour == 12)
                hour = 0;
            if (ampm == 2)
                hour += 12;
        }
        if (hour > 23 || fields[1] > 59 || fields[2] > 59)
            return false;
        out.hasTime = true;
        out.hour = hour;
        out.minute = fields[1];
        out.second = fields[2];
        tokens.erase(tokens.begin() + (ptrdiff_t)i, tokens.begin() + (ptrdiff_t)end);
        --i;
    }
    return true;
}

bool extractDate(const std::vector<Token>& tokens, Parsed& out)
{
    std::vector<Token> numbers;
    int month = 0;
    for (const Token& t : tokens) {
        switch (t.kind) {
        case Token::Number:
            numbers.push_back(t);
            break;
        case Token::Word:
            if (isDayName(t.text))
                break;
            if (month != 0 || (month = monthFromWord(t.text)) == 0)
                return false;
            break;
        case Token::Punct:
            if (t.punct == ':')
                return false;
            break;
        }
    }
    if (numbers.empty() && month == 0)
        return true; // no date: the time stands alone
    if (numbers.size() > 3 || (month != 0 && numbers.size() > 2))
        return false;

    int year = 0, day = 0;
    auto yearLike = [](const Token& t) { return t.digits > 2 || t.value > 31; };
    if (month != 0) {
        if (numbers.empty()) {
            return false;
        } else if (numbers.size() == 1) {
            if (yearLike(numbers[0])) {
                year = expandYear(numbers[0]);
                day = 1;
            } else {
                year = currentYear();
                day = numbers[0].value;
            }
        } else if (yearLike(numbers[0])) {
            year = expandYear(numbers[0]);
            day = numbers[1].value;
        } else {
            day = numbers[0].value;
            year = expandYear(numbers[1]);
        }
    } else if (numbers.size() == 3) {
        if (yearLike(numbers[0])) {
            year = expandYear(numbers[0]);
            month = numbers[1].value;
            day = numbers[2].value;
        } else {
            month = numbers[0].value;
            day = numbers[1].value;
            year = expandYear(numbers[2]);
            if (month > 12 && day <= 12)
                std::swap(month, day); // day first, as typed outside the US
        }
    } else if (numbers.size() == 2) {
        if (yearLike(numbers[1])) {
            month = numbers[0].value;
            year = expandYear(numbers[1]);
            day = 1;
        } else if (yearLike(numbers[0])) {
            year = expandYear(numbers[0]);
            month = numbers[1].value;
            day = 1;
        } else {
            month = numbers[0].value;
            day = numbers[1].value;
            year = currentYear();
            if (month > 12 && day <= 12)
                std::swap(month, day);
        }
    } else {
        return false; // one bare number is not a date
    }
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > fw::timefmt::DaysInMonth(year, month))
        return false;
    out.hasDate = true;
    out.year = year;
    out.month = month;
    out.day = day;
    return true;
}

bool parseDateTime(LPCSTR text, Parsed& out)
{
    if (text == nullptr || std::strlen(text) > 256)
        return false;
    std::vector<Token> tokens;
    if (!tokenize(text, tokens) || tokens.empty())
        return false;
    if (!extractTime(tokens, out) || !extractDate(tokens, out))
        return false;
    return out.hasDate || out.hasTime;
}

} // namespace

// ---------------------------------------------------------------------------------------

COleDateTime PASCAL COleDateTime::GetCurrentTime() { return COleDateTime(CTime::GetCurrentTime()); }

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const CTime& timeSrc) { *this = timeSrc; }

#if defined(_WIN32)
COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
}
#endif

const COleDateTime& COleDateTime::operator=(const CTime& timeSrc)
{
    struct tm atm;
    if (timeSrc.GetLocalTm(&atm))
        SetDateTime(atm.tm_year + 1900, atm.tm_mon + 1, atm.tm_mday, atm.tm_hour, atm.tm_min,
                    atm.tm_sec);
    else {
        m_dt = 0;
        m_status = invalid;
    }
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (dateFromParts(nYear, nMonth, nDay, nHour, nMin, nSec, m_dt)) {
        m_status = valid;
        return 0;
    }
    m_dt = 0;
    m_status = invalid;
    return 1;
}

#define OLE_DATE_FIELD(name, field)                                                                \
    int COleDateTime::name() const                                                                 \
    {                                                                                              \
        DateParts parts;                                                                           \
        if (m_status != valid || !partsFromDate(m_dt, parts))                                      \
            return AFX_OLE_DATETIME_ERROR;                                                         \
        return parts.field;                                                                        \
    }
OLE_DATE_FIELD(GetYear, year)
OLE_DATE_FIELD(GetMonth, month)
OLE_DATE_FIELD(GetDay, day)
OLE_DATE_FIELD(GetHour, hour)
OLE_DATE_FIELD(GetMinute, minute)
OLE_DATE_FIELD(GetSecond, second)
OLE_DATE_FIELD(GetDayOfWeek, dayOfWeek)
OLE_DATE_FIELD(GetDayOfYear, dayOfYear)
#undef OLE_DATE_FIELD

bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && m_dt == date.m_dt;
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return linearFromDate(m_dt) < linearFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null) {
        result.m_status = null;
        return result;
    }
    if (m_status != valid || dateSpan.m_status != COleDateTimeSpan::valid) {
        result.m_status = invalid;
        return result;
    }
    result.m_dt = dateFromLinear(linearFromDate(m_dt) + dateSpan.m_span);
    if (!(result.m_dt >= kMinDate && result.m_dt <= kMaxDate))
        result.m_status = invalid;
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + COleDateTimeSpan(-dateSpan.m_span);
}

const COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

const COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan span;
    if (m_status == null || date.m_status == null) {
        span.m_status = COleDateTimeSpan::null;
        return span;
    }
    if (m_status != valid || date.m_status != valid) {
        span.m_status = COleDateTimeSpan::invalid;
        return span;
    }
    span.m_span = linearFromDate(m_dt) - linearFromDate(date.m_dt);
    return span;
}

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID)
{
    Parsed parsed;
    if (!parseDateTime(lpszDate, parsed)) {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    if (dwFlags & VAR_TIMEVALUEONLY) {
        parsed.year = 1899;
        parsed.month = 12;
        parsed.day = 30;
    }
    if (dwFlags & VAR_DATEVALUEONLY)
        parsed.hour = parsed.minute = parsed.second = 0;
    SetDateTime(parsed.year, parsed.month, parsed.day, parsed.hour, parsed.minute, parsed.second);
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID) const
{
    if (m_status == null)
        return CString();
    DateParts parts;
    if (m_status != valid || !partsFromDate(m_dt, parts))
        return CString("Invalid DateTime");
    bool noDate = (dwFlags & VAR_TIMEVALUEONLY) ||
        (parts.year == 1899 && parts.month == 12 && parts.day == 30);
    bool noTime = !noDate &&
        ((dwFlags & VAR_DATEVALUEONLY) ||
         (parts.hour == 0 && parts.minute == 0 && parts.second == 0));
    char date[32], time[32];
    std::snprintf(date, sizeof date, "%d/%d/%d", parts.month, parts.day, parts.year);
    int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    std::snprintf(time, sizeof time, "%d:%02d:%02d %s", hour12, parts.minute, parts.second,
                  parts.hour < 12 ? "AM" : "PM");
    if (noDate)
        return CString(time);
    if (noTime)
        return CString(date);
    return CString(date) + " " + time;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    DateParts parts;
    if (m_status != valid || !partsFromDate(m_dt, parts))
        return CString("Invalid DateTime");
    struct tm atm = {};
    atm.tm_year = parts.year - 1900;
    atm.tm_mon = parts.month - 1;
    atm.tm_mday = parts.day;
    atm.tm_hour = parts.hour;
    atm.tm_min = parts.minute;
    atm.tm_sec = parts.second;
    atm.tm_wday = parts.dayOfWeek - 1;
    atm.tm_yday = parts.dayOfYear - 1;
    atm.tm_isdst = -1;
    return fw::timefmt::FormatTm(atm, lpszFormat);
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format((LPCSTR)strFormat);
}

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc)
{
    return ar << (LONG)dateSrc.m_status << dateSrc.m_dt;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    LONG status;
    ar >> status >> dateSrc.m_dt;
    dateSrc.m_status = (status >= COleDateTime::valid && status <= COleDateTime::null)
        ? (COleDateTime::DateTimeStatus)status
        : COleDateTime::invalid;
    return ar;
}

// ---------------------------------------------------------------------------------------

namespace {

// The span in whole seconds, rounded to the nearest.
long long spanSeconds(double span) { return std::llround(span * 86400.0); }

} // namespace

double COleDateTimeSpan::GetTotalDays() const { return m_span; }
double COleDateTimeSpan::GetTotalHours() const { return (double)spanSeconds(m_span) / 3600.0; }
double COleDateTimeSpan::GetTotalMinutes() const { return (double)spanSeconds(m_span) / 60.0; }
double COleDateTimeSpan::GetTotalSeconds() const { return (double)spanSeconds(m_span); }
long COleDateTimeSpan::GetDays() const { return (long)(spanSeconds(m_span) / 86400); }
long COleDateTimeSpan::GetHours() const { return (long)(spanSeconds(m_span) / 3600 % 24); }
long COleDateTimeSpan::GetMinutes() const { return (long)(spanSeconds(m_span) / 60 % 60); }
long COleDateTimeSpan::GetSeconds() const { return (long)(spanSeconds(m_span) % 60); }

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((double)nHours + ((double)nMins + nSecs / 60.0) / 60.0) / 24.0;
    m_status = valid;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    if (m_status != valid || dateSpan.m_status != valid)
        result.m_status = (m_status == null || dateSpan.m_status == null) ? null : invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + COleDateTimeSpan(-dateSpan.m_span);
}

CString COleDateTimeSpan::Format(LPCSTR pFormat) const
{
    return fw::timefmt::FormatSpan(pFormat, GetDays(), GetHours(), GetMinutes(), GetSeconds());
}
