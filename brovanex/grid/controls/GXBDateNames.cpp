#include "controls/GXBDateNames.h"

#include <windows.h>

namespace {

struct CNames
{
    CString days[2][7]; // [abbreviated, full][Sunday ...]
    CString months[2][12];

    CNames()
    {
        // Sunday is the locale's day 7; Monday its day 1.
        static const LCTYPE dayTypes[7][2] = {
            {LOCALE_SABBREVDAYNAME7, LOCALE_SDAYNAME7}, {LOCALE_SABBREVDAYNAME1, LOCALE_SDAYNAME1},
            {LOCALE_SABBREVDAYNAME2, LOCALE_SDAYNAME2}, {LOCALE_SABBREVDAYNAME3, LOCALE_SDAYNAME3},
            {LOCALE_SABBREVDAYNAME4, LOCALE_SDAYNAME4}, {LOCALE_SABBREVDAYNAME5, LOCALE_SDAYNAME5},
            {LOCALE_SABBREVDAYNAME6, LOCALE_SDAYNAME6}};
        static const LCTYPE monthTypes[12][2] = {{LOCALE_SABBREVMONTHNAME1, LOCALE_SMONTHNAME1},
                                                 {LOCALE_SABBREVMONTHNAME2, LOCALE_SMONTHNAME2},
                                                 {LOCALE_SABBREVMONTHNAME3, LOCALE_SMONTHNAME3},
                                                 {LOCALE_SABBREVMONTHNAME4, LOCALE_SMONTHNAME4},
                                                 {LOCALE_SABBREVMONTHNAME5, LOCALE_SMONTHNAME5},
                                                 {LOCALE_SABBREVMONTHNAME6, LOCALE_SMONTHNAME6},
                                                 {LOCALE_SABBREVMONTHNAME7, LOCALE_SMONTHNAME7},
                                                 {LOCALE_SABBREVMONTHNAME8, LOCALE_SMONTHNAME8},
                                                 {LOCALE_SABBREVMONTHNAME9, LOCALE_SMONTHNAME9},
                                                 {LOCALE_SABBREVMONTHNAME10, LOCALE_SMONTHNAME10},
                                                 {LOCALE_SABBREVMONTHNAME11, LOCALE_SMONTHNAME11},
                                                 {LOCALE_SABBREVMONTHNAME12, LOCALE_SMONTHNAME12}};
        for (int i = 0; i < 7; ++i)
            for (int f = 0; f < 2; ++f)
                days[f][i] = Read(dayTypes[i][f]);
        for (int i = 0; i < 12; ++i)
            for (int f = 0; f < 2; ++f)
                months[f][i] = Read(monthTypes[i][f]);
    }

    static CString Read(LCTYPE type)
    {
        char sz[257] = {};
        if (::GetLocaleInfoA(::GetUserDefaultLCID(), type, sz, 256) <= 0)
            sz[0] = 0;
        return CString(sz);
    }
};

const CNames& Names()
{
    static const CNames names;
    return names;
}

} // namespace

CString GXBGetDayName(int nDay, BOOL bFull)
{
    if (nDay < 1 || nDay > 7)
        return CString();
    return Names().days[bFull ? 1 : 0][nDay - 1];
}

CString GXBGetMonthName(int nMonth, BOOL bFull)
{
    if (nMonth < 1 || nMonth > 12)
        return CString();
    return Names().months[bFull ? 1 : 0][nMonth - 1];
}
