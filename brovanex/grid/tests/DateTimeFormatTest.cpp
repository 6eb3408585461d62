// Dates and times read from typed text and shown again, by the own rules (with a fixed
// locale, so the results are the same on every machine) and through COleDateTime.
#include "core/GXLibraryState.h"
#include "features/GXDateTimeImp.h"
#include <gtest/gtest.h>
#include <ctime>

namespace {
// The own rules with a chosen locale.
class FixedLocaleDateTime : public CGXNoOleDateTimeImp
{
public:
    explicit FixedLocaleDateTime(const char* pszShortDate, const char* pszTimeSep = ":")
        : m_pszShortDate(pszShortDate), m_pszTimeSep(pszTimeSep)
    { }

protected:
    CString ReadShortDateFormat() override { return m_pszShortDate; }
    CString ReadTimeSeparatorText() override { return m_pszTimeSep; }

private:
    const char* m_pszShortDate;
    const char* m_pszTimeSep;
};

GXDateTimeRecord Record(int y, int mo, int d, int h, int mi, int s)
{
    return GXDateTimeRecord {(WORD)y, (WORD)mo, (WORD)d, (WORD)h, (WORD)mi, (WORD)s};
}
} // namespace

TEST(GridDateTime, LocaleFacts)
{
    struct Case
    {
        const char* pszShortDate;
        int nOrder;
        BOOL bFour;
        char cSep;
    } cases[] = {
        {"M/d/yyyy", 1, TRUE, '/'},
        {"dd.MM.yy", 0, FALSE, '.'},
        {"yyyy-MM-dd", 2, TRUE, '-'},
        {"xx", 1, FALSE, '\0'},
    };
    for (const Case& c : cases) {
        FixedLocaleDateTime imp(c.pszShortDate, "");
        BOOL bFour = -1;
        TCHAR cSep = 'z';
        EXPECT_EQ(c.nOrder, imp.GetDateOrder(FALSE, bFour, cSep)) << c.pszShortDate;
        EXPECT_EQ(c.bFour, bFour) << c.pszShortDate;
        EXPECT_EQ(c.cSep, cSep) << c.pszShortDate;
        EXPECT_EQ(':', imp.GetTimeSeparator(FALSE)); // an empty separator means ':'
    }
}

TEST(GridDateTime, ParsesByOwnRules)
{
    struct Case
    {
        const char* pszText;
        int nOrder;
        BOOL bOk;
        GXDateTimeRecord r;
    } cases[] = {
        {"12/31/98", 1, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"2/30/98", 1, FALSE, {}},
        {"2/29/2000", 1, TRUE, Record(2000, 2, 29, 0, 0, 0)},
        {"2/29/1900", 1, FALSE, {}},
        {"31.12.1998", 0, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"1998-12-31", 2, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"123198", 1, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"311298", 0, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"12/31/98", 3, TRUE, Record(1998, 12, 31, 0, 0, 0)}, // the locale's order
        {"1/2/05", 1, TRUE, Record(1905, 1, 2, 0, 0, 0)},
        {"1/2/0", 1, TRUE, Record(0, 1, 2, 0, 0, 0)},
        {"31-Dec-98", 0, FALSE, {}},
        {"13/1/98", 1, FALSE, {}},
        {"1/32/98", 1, FALSE, {}},
        {"1/2/12345", 1, FALSE, {}},
        {"10:30 PM", 1, TRUE, Record(70, 0, 1, 22, 30, 0)},
        {"12:15 AM", 1, TRUE, Record(70, 0, 1, 0, 15, 0)},
        {"12:15 pm", 1, TRUE, Record(70, 0, 1, 12, 15, 0)},
        {"13:00 AM", 1, FALSE, {}},
        {"24:00", 1, TRUE, Record(70, 0, 1, 24, 0, 0)},
        {"25:00", 1, FALSE, {}},
        {"08:05:09", 1, TRUE, Record(70, 0, 1, 8, 5, 9)},
        {"08:60", 1, FALSE, {}},
        {"08:05:61", 1, FALSE, {}},
        {"12/31/98 10:30:15", 1, TRUE, Record(1998, 12, 31, 10, 30, 15)},
        {"  12/31/98", 1, TRUE, Record(1998, 12, 31, 0, 0, 0)},
        {"", 1, TRUE, Record(0, 0, 0, 0, 0, 0)},
    };
    FixedLocaleDateTime imp("M/d/yyyy");
    for (const Case& c : cases) {
        GXDateTimeRecord r = Record(1, 2, 3, 4, 5, 6);
        EXPECT_EQ(c.bOk, imp.ParseDateTime(r, c.pszText, c.nOrder)) << c.pszText;
        if (!c.bOk)
            continue;
        EXPECT_EQ(c.r.nYear, r.nYear) << c.pszText;
        EXPECT_EQ(c.r.nMonth, r.nMonth) << c.pszText;
        EXPECT_EQ(c.r.nDay, r.nDay) << c.pszText;
        EXPECT_EQ(c.r.nHour, r.nHour) << c.pszText;
        EXPECT_EQ(c.r.nMinute, r.nMinute) << c.pszText;
        EXPECT_EQ(c.r.nSecond, r.nSecond) << c.pszText;
    }
}

TEST(GridDateTime, TmFormYears)
{
    struct Case
    {
        const char* pszText;
        int nYear; // years since 1900
        int nMonth; // 0-11
    } cases[] = {
        {"12/31/1998", 98, 11}, {"1/2/05", 5, 0},     {"1/2/0", 100, 0},
        {"1/2/37", 37, 0},      {"1/2/2037", 137, 0}, {"10:30", 70, 0},
    };
    FixedLocaleDateTime imp("M/d/yyyy");
    for (const Case& c : cases) {
        struct tm t;
        ASSERT_TRUE(imp.ParseDateTimeTm(t, c.pszText, 1)) << c.pszText;
        EXPECT_EQ(c.nYear, t.tm_year) << c.pszText;
        EXPECT_EQ(c.nMonth, t.tm_mon) << c.pszText;
    }
    struct tm t;
    EXPECT_FALSE(imp.ParseDateTimeTm(t, "2/30/98", 1));
}

TEST(GridDateTime, FormatsByLocale)
{
    struct Case
    {
        const char* pszShortDate;
        const char* pszTimeSep;
        GXDateTimeRecord r;
        const char* pszShown;
    } cases[] = {
        {"M/d/yy", ":", Record(1998, 12, 31, 0, 0, 0), "12/31/98"},
        {"M/d/yyyy", ":", Record(1998, 12, 31, 0, 0, 0), "12/31/1998"},
        {"dd.MM.yy", ":", Record(2005, 1, 2, 0, 0, 0), "02.01.05"},
        {"dd.MM.yyyy", ".", Record(2005, 1, 2, 13, 4, 5), "02.01.2005 13.04.05"},
        {"yy-MM-dd", ":", Record(2005, 1, 2, 0, 0, 0), "05-01-02"},
        {"yyyy-MM-dd", ":", Record(2005, 1, 2, 0, 0, 0), "2005-01-02"},
        {"M/d/yyyy", ":", Record(0, 0, 0, 8, 5, 9), "08:05:09"},
        {"M/d/yyyy", ":", Record(0, 0, 0, 0, 0, 0), ""},
    };
    for (const Case& c : cases) {
        FixedLocaleDateTime imp(c.pszShortDate, c.pszTimeSep);
        CString s;
        imp.FormatDateTime(s, c.r);
        EXPECT_STREQ(c.pszShown, s) << c.pszShortDate;
    }
}

TEST(GridDateTime, OleVariantUsesTheFrameworkParser)
{
    CGXOleDateTimeImp imp;
    BOOL bFour = 7;
    TCHAR cSep = 'q';
    EXPECT_EQ(3, imp.GetDateOrder(TRUE, bFour, cSep));
    EXPECT_EQ(7, bFour);
    EXPECT_EQ('q', cSep);
    EXPECT_EQ(0, imp.GetTimeSeparator(TRUE));

    GXDateTimeRecord r;
    ASSERT_TRUE(imp.ParseDateTime(r, "31-Dec-98", 1) || imp.ParseDateTime(r, "Dec 31, 1998", 1));
    EXPECT_EQ(1998, r.nYear);
    EXPECT_EQ(12, r.nMonth);
    EXPECT_EQ(31, r.nDay);
    struct tm t;
    ASSERT_TRUE(imp.ParseDateTimeTm(t, "12/31/1998 10:30:00 PM", 0));
    EXPECT_EQ(98, t.tm_year);
    EXPECT_EQ(11, t.tm_mon);
    EXPECT_EQ(22, t.tm_hour);
    EXPECT_FALSE(imp.ParseDateTime(r, "not a date", 0));
    EXPECT_EQ(0, r.nMonth);

    CString s;
    imp.FormatDateTime(s, Record(1998, 12, 31, 0, 0, 0));
    EXPECT_STREQ(COleDateTime(1998, 12, 31, 0, 0, 0).Format("%x"), s);
    imp.FormatDateTime(s, Record(0, 0, 0, 8, 5, 9));
    EXPECT_STREQ(COleDateTime(1899, 12, 30, 8, 5, 9).Format("%X"), s);
    imp.FormatDateTime(s, Record(1998, 12, 31, 8, 5, 9));
    EXPECT_STREQ(COleDateTime(1998, 12, 31, 8, 5, 9).Format("%c"), s);
}

TEST(GridDateTime, FirstVariantSwitchedOnStays)
{
    CGXGridLibraryState& state = GXGetLibraryState();
    CGXAbstractDateTimeImp* pOld = state.m_pDateTimeImp;
    state.m_pDateTimeImp = nullptr;
    GXImplementNoOleDateTime();
    CGXAbstractDateTimeImp* pFirst = state.m_pDateTimeImp;
    GXImplementOleDateTime();
    EXPECT_NE(nullptr, dynamic_cast<CGXNoOleDateTimeImp*>(pFirst));
    EXPECT_EQ(pFirst, state.m_pDateTimeImp);
    state.m_pDateTimeImp = pOld;
}
