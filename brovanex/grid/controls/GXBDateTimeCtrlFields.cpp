// The date-time window's fields: building the gadgets from the format, loading them from
// the value, the changes each field's notifications ask for, and the range check.
#include "controls/GXBDateNames.h"
#include "controls/GXBDateTimeCtrl.h"

#include <windows.h>

#include <algorithm>

namespace {

int DaysInMonth(int nYear, int nMonth)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 31;
    if (nMonth == 2 && ((nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0))
        return 29;
    return days[nMonth - 1];
}

// The fields of a value, finest first: second, minute, hour, day, month, year.
struct CFields
{
    int f[6];
    explicit CFields(const COleDateTime& v)
    {
        f[0] = v.GetSecond();
        f[1] = v.GetMinute();
        f[2] = v.GetHour();
        f[3] = v.GetDay();
        f[4] = v.GetMonth();
        f[5] = v.GetYear();
    }
    COleDateTime Value() const { return COleDateTime(f[5], f[4], f[3], f[2], f[1], f[0]); }
};

// The fields a range kind looks at: 1 the time of day, 2 the date, 3 both.
void RangeFields(int nKind, int& nFirst, int& nLast)
{
    nFirst = nKind == 2 ? 3 : 0;
    nLast = nKind == 1 ? 2 : 5;
}

// A value's position as the range kind compares it.
long long RangeKey(const CFields& fields, int nKind)
{
    int nFirst, nLast;
    RangeFields(nKind, nFirst, nLast);
    static const long long scale[6] = {1, 60, 3600, 86400, 86400LL * 32, 86400LL * 32 * 13};
    long long key = 0;
    for (int i = nFirst; i <= nLast; ++i)
        key += fields.f[i] * scale[i];
    return key;
}

CString LocaleText(LCTYPE type)
{
    char sz[257] = {};
    if (::GetLocaleInfoA(::GetUserDefaultLCID(), type, sz, 256) <= 0)
        sz[0] = 0;
    return CString(sz);
}

} // namespace

// ---------------------------------------------------------------------------------------
// Building the gadgets.

CString CGXBDateTimeCtrl::GetFormatString() const
{
    switch (m_nFormatType) {
    case gxTime:
        return LocaleText(LOCALE_STIMEFORMAT);
    case gxShortDate:
        return LocaleText(LOCALE_SSHORTDATE);
    case gxLongDate:
        return LocaleText(LOCALE_SLONGDATE);
    default:
        return m_strCustomFormat;
    }
}

void CGXBDateTimeCtrl::DeleteGadgets(BOOL bFixedToo)
{
    int nFirst = bFixedToo ? 0 : m_nFixed;
    if (m_pCapture != nullptr) {
        for (int i = nFirst; i < GetGadgetCount(); ++i)
            if (m_gadgets[i] == m_pCapture)
                ReleaseGadgetCapture(m_pCapture);
    }
    for (int i = GetGadgetCount() - 1; i >= nFirst; --i) {
        delete m_gadgets[i];
        m_gadgets.RemoveAt(i);
    }
    if (bFixedToo)
        m_nFixed = 0;
    m_nCurGadget = -1;
}

void CGXBDateTimeCtrl::BuildGadgets()
{
    DeleteGadgets(FALSE);
    m_bDateFields = FALSE;

    CString strFormat = GetFormatString();
    CString strText;
    auto flush = [&]() {
        if (strText.IsEmpty())
            return;
        auto* pStatic = new CGXBDTStaticGadget;
        pStatic->Create(this, strText);
        m_gadgets.Add(pStatic);
        strText.Empty();
    };
    auto style = [&](int nNoEditBit) {
        return (m_nNoEditMask & nNoEditBit) ? 0 : (int)CGXBDTGadget::gxCanFocus;
    };
    auto number = [&](int nID, int nMin, int nMax, BOOL bZeros, int nNoEditBit) {
        flush();
        auto* p = new CGXBDTNumericGadget;
        p->Create(this, nID, nMin, nMax, bZeros, style(nNoEditBit));
        m_gadgets.Add(p);
    };
    auto list = [&](int nID, const CStringArray& strings, int nNoEditBit) {
        flush();
        auto* p = new CGXBDTListGadget;
        p->Create(this, nID, strings, style(nNoEditBit));
        m_gadgets.Add(p);
    };

    LPCTSTR p = strFormat;
    while (*p != 0) {
        if (::IsDBCSLeadByte((BYTE)*p) && p[1] != 0) {
            strText += CString(p, 2);
            p += 2;
            continue;
        }
        char c = *p;
        int nCount = 0;
        while (p[nCount] == c)
            ++nCount;
        switch (c) {
        case 'h':
        case 'H':
            nCount = std::min(nCount, 2);
            if (c == 'h')
                number(GXBDT_ID_HOUR12, 1, 12, nCount == 2, gxNoEditHour);
            else
                number(GXBDT_ID_HOUR24, 0, 23, nCount == 2, gxNoEditHour);
            break;
        case 'm':
            nCount = std::min(nCount, 2);
            number(GXBDT_ID_MINUTE, 0, 59, nCount == 2, gxNoEditMinute);
            break;
        case 's':
            nCount = std::min(nCount, 2);
            number(GXBDT_ID_SECOND, 0, 59, nCount == 2, gxNoEditSecond);
            break;
        case 't': {
            nCount = std::min(nCount, 2);
            CStringArray strings;
            CString strAM = LocaleText(LOCALE_S1159), strPM = LocaleText(LOCALE_S2359);
            if (strAM.IsEmpty())
                strAM = "AM";
            if (strPM.IsEmpty())
                strPM = "PM";
            strings.Add(nCount == 1 ? strAM.Left(1) : strAM);
            strings.Add(nCount == 1 ? strPM.Left(1) : strPM);
            list(GXBDT_ID_AMPM, strings, gxNoEditHour);
            break;
        }
        case 'd':
            m_bDateFields = TRUE;
            nCount = std::min(nCount, 4);
            if (nCount <= 2) {
                number(GXBDT_ID_DAY, 1, 31, nCount == 2, gxNoEditDay);
            } else {
                CStringArray strings;
                for (int i = 1; i <= 7; ++i)
                    strings.Add(GXBGetDayName(i, nCount == 4));
                list(GXBDT_ID_DAYOFWEEK, strings, gxNoEditDay);
            }
            break;
        case 'M':
            m_bDateFields = TRUE;
            nCount = std::min(nCount, 4);
            if (nCount <= 2) {
                number(GXBDT_ID_MONTH, 1, 12, nCount == 2, gxNoEditMonth);
            } else {
                CStringArray strings;
                for (int i = 1; i <= 12; ++i)
                    strings.Add(GXBGetMonthName(i, nCount == 4));
                list(GXBDT_ID_MONTHNAME, strings, gxNoEditMonth);
            }
            break;
        case 'y':
            m_bDateFields = TRUE;
            nCount = std::min(nCount, 4);
            if (nCount <= 2)
                number(GXBDT_ID_YEAR2, 0, 99, nCount == 2, gxNoEditYear);
            else
                number(GXBDT_ID_YEAR4, 0, 9999, FALSE, gxNoEditYear);
            break;
        case 'g':
            m_bDateFields = TRUE; // the era is not shown
            nCount = std::min(nCount, 2);
            break;
        case '\'':
        case '"': {
            // Quoted text joins the literal text around it.
            LPCTSTR pEnd = p + 1;
            while (*pEnd != 0 && *pEnd != c)
                pEnd += (::IsDBCSLeadByte((BYTE)*pEnd) && pEnd[1] != 0) ? 2 : 1;
            strText += CString(p + 1, (int)(pEnd - p - 1));
            nCount = (int)(pEnd - p) + (*pEnd != 0 ? 1 : 0);
            break;
        }
        default:
            strText += c;
            nCount = 1;
            break;
        }
        p += nCount;
    }
    flush();

    LoadGadgets(-1);
    m_nCurGadget = -1;
    FirstGadget();
    if (m_hWnd != nullptr) {
        LayoutGadgets();
        Invalidate();
    }
}

// ---------------------------------------------------------------------------------------
// Loading the gadgets from the value.

void CGXBDateTimeCtrl::LoadGadgets(int nMask)
{
    BOOL bValid = m_value.GetStatus() == COleDateTime::valid;
    int nHour = bValid ? m_value.GetHour() : -1;
    if (nHour >= 0)
        m_bPM = nHour >= 12;
    for (int i = m_nFixed; i < GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = m_gadgets[i];
        int nID = pGadget->GetID();
        if (nID <= 0 || !(nID & nMask))
            continue;
        int nValue = -1;
        if (bValid) {
            switch (nID) {
            case GXBDT_ID_HOUR12:
                nValue = nHour == 0 ? 12 : nHour <= 12 ? nHour : nHour - 12;
                break;
            case GXBDT_ID_HOUR24:
                nValue = nHour;
                break;
            case GXBDT_ID_MINUTE:
                nValue = m_value.GetMinute();
                break;
            case GXBDT_ID_SECOND:
                nValue = m_value.GetSecond();
                break;
            case GXBDT_ID_AMPM:
                nValue = nHour > 11 ? 1 : 0;
                break;
            case GXBDT_ID_DAY:
                nValue = m_value.GetDay();
                break;
            case GXBDT_ID_DAYOFWEEK:
                nValue = m_value.GetDayOfWeek() - 1;
                break;
            case GXBDT_ID_MONTH:
                nValue = m_value.GetMonth();
                break;
            case GXBDT_ID_MONTHNAME:
                nValue = m_value.GetMonth() - 1;
                break;
            case GXBDT_ID_YEAR2:
                nValue = m_value.GetYear() % 100;
                break;
            case GXBDT_ID_YEAR4:
                nValue = m_value.GetYear();
                break;
            }
        }
        pGadget->SetValue(nValue);
    }
}

void CGXBDateTimeCtrl::ApplyValue(const COleDateTime& value)
{
    int nMask = 0;
    if (m_value.GetStatus() != COleDateTime::valid) {
        nMask = -1;
    } else {
        if (value.GetHour() != m_value.GetHour())
            nMask |= GXBDT_ID_HOUR12 | GXBDT_ID_HOUR24 | GXBDT_ID_AMPM;
        if (value.GetMinute() != m_value.GetMinute())
            nMask |= GXBDT_ID_MINUTE;
        if (value.GetSecond() != m_value.GetSecond())
            nMask |= GXBDT_ID_SECOND;
        if (value.GetDayOfWeek() != m_value.GetDayOfWeek())
            nMask |= GXBDT_ID_DAYOFWEEK;
        if (value.GetDay() != m_value.GetDay())
            nMask |= GXBDT_ID_DAY;
        if (value.GetMonth() != m_value.GetMonth())
            nMask |= GXBDT_ID_MONTH | GXBDT_ID_MONTHNAME;
        if (value.GetYear() != m_value.GetYear())
            nMask |= GXBDT_ID_YEAR2 | GXBDT_ID_YEAR4;
    }
    m_value = value;
    LoadGadgets(nMask);
}

BOOL CGXBDateTimeCtrl::SetDateTime(const COleDateTime& value)
{
    if (value.GetStatus() != COleDateTime::valid || value.GetYear() < 0)
        return FALSE;
    ApplyValue(value);
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// The range.

BOOL CGXBDateTimeCtrl::SetRange(const COleDateTime& minimum, const COleDateTime& maximum, int nKind)
{
    if (nKind < gxNoRange || nKind > gxDateTimeRange ||
        minimum.GetStatus() != COleDateTime::valid || maximum.GetStatus() != COleDateTime::valid ||
        minimum.GetYear() < 0 || maximum.GetYear() < 0 || maximum < minimum)
        return FALSE;
    COleDateTime lo = minimum, hi = maximum;
    if (nKind == gxTimeRange) {
        if (lo.SetTime(minimum.GetHour(), minimum.GetMinute(), minimum.GetSecond()) != 0 ||
            hi.SetTime(maximum.GetHour(), maximum.GetMinute(), maximum.GetSecond()) != 0)
            return FALSE;
    } else if (nKind == gxDateRange) {
        if (lo.SetDate(minimum.GetYear(), minimum.GetMonth(), minimum.GetDay()) != 0 ||
            hi.SetDate(maximum.GetYear(), maximum.GetMonth(), maximum.GetDay()) != 0)
            return FALSE;
    }
    if (nKind != gxNoRange && RangeKey(CFields(hi), nKind) < RangeKey(CFields(lo), nKind))
        return FALSE;
    m_minimum = lo;
    m_maximum = hi;
    m_nRangeKind = nKind;

    COleDateTime value = m_value;
    if (value.GetStatus() == COleDateTime::valid && CheckRange(value, -1) && value != m_value) {
        ApplyValue(value);
        if (m_hWnd != nullptr)
            Invalidate();
    }
    return TRUE;
}

BOOL CGXBDateTimeCtrl::CheckRange(COleDateTime& value, int nFixup)
{
    if (m_nRangeKind == gxNoRange)
        return TRUE;
    if (value.GetStatus() != COleDateTime::valid || value.GetYear() < 0)
        return FALSE;
    CFields fields(value);
    long long key = RangeKey(fields, m_nRangeKind);
    BOOL bBelow = key < RangeKey(CFields(m_minimum), m_nRangeKind);
    if (!bBelow && key <= RangeKey(CFields(m_maximum), m_nRangeKind))
        return TRUE;
    if (nFixup == 0)
        return FALSE;

    // Onto the bound it violates, as far as the field level allows.
    CFields bound(bBelow ? m_minimum : m_maximum);
    int nFirst, nLast;
    RangeFields(m_nRangeKind, nFirst, nLast);
    if (nFixup < 0) {
        for (int i = nFirst; i <= nLast; ++i)
            fields.f[i] = bound.f[i];
    } else {
        for (int i = std::max(nFixup, nFirst); i <= nLast; ++i)
            if (fields.f[i] != bound.f[i])
                return FALSE;
        for (int i = nFirst; i < nFixup && i <= nLast; ++i)
            fields.f[i] = bound.f[i];
    }
    COleDateTime clamped = fields.Value();
    if (clamped.GetStatus() != COleDateTime::valid)
        return FALSE;
    key = RangeKey(CFields(clamped), m_nRangeKind);
    if (key < RangeKey(CFields(m_minimum), m_nRangeKind) ||
        key > RangeKey(CFields(m_maximum), m_nRangeKind))
        return FALSE;
    value = clamped;
    return TRUE;
}

BOOL CGXBDateTimeCtrl::ValidateValue(const COleDateTime&) { return TRUE; }

// ---------------------------------------------------------------------------------------
// The fields' notifications.

BOOL CGXBDateTimeCtrl::OnGadgetNotify(int nCode, int nID, int nArg)
{
    switch (nCode) {
    case GXBDT_TYPING:
        m_nState = nArg ? (m_nState | gxTyping) : (m_nState & ~gxTyping);
        return TRUE;
    case GXBDT_ADVANCE:
        if (m_bAutoAdvance)
            NextGadget();
        return TRUE;
    }
    if (nID == GXBDT_ID_DROPBUTTON) {
        DropCalendar();
        return TRUE;
    }
    if (nID == GXBDT_ID_SPIN) {
        CGXBDTGadget* pCurrent = GetGadget(m_nCurGadget);
        if (pCurrent == nullptr || pCurrent->GetID() <= 0)
            return FALSE;
        nID = pCurrent->GetID();
    }
    return ChangeField(nCode, nID, nArg);
}

BOOL CGXBDateTimeCtrl::ChangeField(int nCode, int nID, int nArg)
{
    COleDateTime base = m_value;
    if (base.GetStatus() != COleDateTime::valid || base.GetYear() < 0)
        base = GXBGetCurrentTime();
    int nSec = base.GetSecond(), nMin = base.GetMinute(), nHour = base.GetHour();
    int nDay = base.GetDay(), nMonth = base.GetMonth(), nYear = base.GetYear();

    BOOL bUp = nCode == GXBDT_UP || nCode == GXBDT_SPINUP;
    BOOL bStep = bUp || nCode == GXBDT_DOWN || nCode == GXBDT_SPINDOWN;
    BOOL bSet = nCode == GXBDT_TEST || nCode == GXBDT_SET;
    BOOL bBound = nCode == GXBDT_MIN || nCode == GXBDT_MAX;
    if (!bStep && !bSet && !bBound)
        return FALSE;
    BOOL bSpin = nCode == GXBDT_SPINUP || nCode == GXBDT_SPINDOWN;
    int nStep = bSpin ? std::max(1, std::min(nArg, 2)) : 1;

    // A field without a value takes the clock's on up/down.
    int nIndex = FindGadget(nID);
    if (bStep && nIndex >= 0 && m_gadgets[nIndex]->GetValue() < 0) {
        COleDateTime now = GXBGetCurrentTime();
        base = now;
        nSec = now.GetSecond(), nMin = now.GetMinute(), nHour = now.GetHour();
        nDay = now.GetDay(), nMonth = now.GetMonth(), nYear = now.GetYear();
        bStep = FALSE;
        bUp = FALSE;
    }

    int nLevel = 0;
    BOOL bExactDay = FALSE;
    auto wrap = [](int n, int nRange) { return ((n % nRange) + nRange) % nRange; };
    if (bStep || bSet || bBound) {
        switch (nID) {
        case GXBDT_ID_HOUR12:
        case GXBDT_ID_HOUR24:
            nLevel = bBound ? 3 : 2;
            if (bStep)
                nHour = wrap(nHour + (bUp ? nStep : -nStep), 24);
            else if (bBound)
                nHour = nCode == GXBDT_MIN ? 0 : 23;
            else if (nID == GXBDT_ID_HOUR12) {
                if (nArg < 1 || nArg > 12)
                    return FALSE;
                nHour = nArg % 12 + (m_bPM ? 12 : 0);
            } else {
                if (nArg < 0 || nArg > 23)
                    return FALSE;
                nHour = nArg;
            }
            break;
        case GXBDT_ID_MINUTE:
        case GXBDT_ID_SECOND: {
            BOOL bMinute = nID == GXBDT_ID_MINUTE;
            nLevel = (bMinute ? 1 : 0) + (bBound ? 1 : 0);
            int& nField = bMinute ? nMin : nSec;
            if (bStep)
                nField = wrap(nField + (bUp ? nStep : -nStep), 60);
            else if (bBound)
                nField = nCode == GXBDT_MIN ? 0 : 59;
            else {
                if (nArg < 0 || nArg > 59)
                    return FALSE;
                nField = nArg;
            }
            break;
        }
        case GXBDT_ID_AMPM:
            nLevel = 2;
            if (bStep)
                nHour = (nHour + 12) % 24;
            else {
                int nIndexPM = bBound ? (nCode == GXBDT_MAX ? 1 : 0) : nArg;
                if (nIndexPM == 1 && nHour < 12)
                    nHour += 12;
                else if (nIndexPM == 0 && nHour >= 12)
                    nHour -= 12;
                else if (nIndexPM != 0 && nIndexPM != 1)
                    return FALSE;
            }
            break;
        case GXBDT_ID_DAY:
            nLevel = bBound ? 4 : 3;
            if (bStep && bUp) {
                nDay += nStep;
                if (nDay > DaysInMonth(nYear, nMonth))
                    nDay = 1;
            } else if (bStep) {
                nDay -= nStep;
                if (nDay < 1)
                    nDay = 31; // lowered to the month's end below
            } else if (bBound) {
                nDay = nCode == GXBDT_MIN ? 1 : DaysInMonth(nYear, nMonth);
            } else {
                nDay = nArg;
                bExactDay = TRUE;
            }
            break;
        case GXBDT_ID_DAYOFWEEK: {
            nLevel = bBound ? 4 : 3;
            int nWeekday = base.GetDayOfWeek() - 1;
            int nTarget;
            if (bStep)
                nTarget = wrap(nWeekday + (bUp ? 1 : -1), 7);
            else if (bBound)
                nTarget = nCode == GXBDT_MIN ? 0 : 6;
            else {
                if (nArg < 0 || nArg > 6)
                    return FALSE;
                nTarget = nArg;
            }
            COleDateTime date(nYear, nMonth, nDay, 12, 0, 0);
            date += COleDateTimeSpan((double)(nTarget - nWeekday));
            if (date.GetStatus() != COleDateTime::valid || date.GetYear() < 0)
                return FALSE;
            nYear = date.GetYear();
            nMonth = date.GetMonth();
            nDay = date.GetDay();
            break;
        }
        case GXBDT_ID_MONTH:
        case GXBDT_ID_MONTHNAME:
            nLevel = bBound ? 5 : 4;
            if (bStep)
                nMonth = wrap(nMonth - 1 + (bUp ? 1 : -1), 12) + 1;
            else if (bBound)
                nMonth = nCode == GXBDT_MIN ? 1 : 12;
            else {
                int nNew = nID == GXBDT_ID_MONTHNAME ? nArg + 1 : nArg;
                if (nNew < 1 || nNew > 12)
                    return FALSE;
                nMonth = nNew;
            }
            break;
        case GXBDT_ID_YEAR2:
        case GXBDT_ID_YEAR4:
            nLevel = 5;
            if (bStep) {
                int nBy = bSpin ? std::max(1, nArg) : 1;
                nYear = bUp ? std::min(nYear + nBy, 9999) : std::max(nYear - nBy, 100);
            } else if (bBound) {
                nYear = nCode == GXBDT_MIN ? m_minimum.GetYear() : m_maximum.GetYear();
            } else if (nID == GXBDT_ID_YEAR2) {
                if (nArg < 0 || nArg > 99)
                    return FALSE;
                nYear = nYear / 100 * 100 + nArg; // the century stays
            } else {
                nYear = nArg;
            }
            break;
        default:
            return FALSE;
        }
    }

    if (bExactDay) {
        if (nDay < 1 || nDay > DaysInMonth(nYear, nMonth))
            return FALSE;
    } else {
        while (nDay > 28 && nDay > DaysInMonth(nYear, nMonth))
            --nDay;
    }
    COleDateTime value(nYear, nMonth, nDay, nHour, nMin, nSec);
    if (value.GetStatus() != COleDateTime::valid)
        return FALSE;
    if (!CheckRange(value, nLevel))
        return FALSE;
    if (nCode == GXBDT_TEST || value == m_value)
        return TRUE; // nothing to apply
    if (!ValidateValue(value))
        return FALSE;

    if (nID == GXBDT_ID_AMPM)
        m_bPM = value.GetHour() >= 12;
    ApplyValue(value);
    m_nState |= gxChanged;
    if (m_hWnd != nullptr)
        UpdateWindow();
    // Last: the parent may answer by destroying this window.
    NotifyChange();
    return TRUE;
}
