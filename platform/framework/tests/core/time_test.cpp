// Time values: parsing and formatting of the "HH:MM:SS" texts rundowns keep, the rest
// of the date forms users type, DATE arithmetic across 1899, spans and their formats.
#include <gtest/gtest.h>

#include "archive_support.h"

TEST(OleDateTimeParse, AcceptedForms)
{
    struct Case
    {
        const char* text;
        DWORD flags;
        int y, mo, d, h, mi, s;
    } cases[] = {
        {"00:05:30", 0, 1899, 12, 30, 0, 5, 30},
        {"1:02:03", 0, 1899, 12, 30, 1, 2, 3},
        {" 23:59:59 ", 0, 1899, 12, 30, 23, 59, 59},
        {"12:30", 0, 1899, 12, 30, 12, 30, 0},
        {"1:15 PM", 0, 1899, 12, 30, 13, 15, 0},
        {"12:00:00 AM", 0, 1899, 12, 30, 0, 0, 0},
        {"12:00:00 pm", 0, 1899, 12, 30, 12, 0, 0},
        {"5 PM", 0, 1899, 12, 30, 17, 0, 0},
        {"1/5/2024", 0, 2024, 1, 5, 0, 0, 0},
        {"1/5/2024 13:05:09", 0, 2024, 1, 5, 13, 5, 9},
        {"2024-01-05 01:02:03", 0, 2024, 1, 5, 1, 2, 3},
        {"Jan 5, 2024", 0, 2024, 1, 5, 0, 0, 0},
        {"5 January 2024 10:00", 0, 2024, 1, 5, 10, 0, 0},
        {"Friday, January 5, 2024", 0, 2024, 1, 5, 0, 0, 0},
        {"12/31/99", 0, 1999, 12, 31, 0, 0, 0},
        {"1/1/29", 0, 2029, 1, 1, 0, 0, 0},
        {"2/29/2024", 0, 2024, 2, 29, 0, 0, 0},
        {"1/5/2024 13:05:09", VAR_TIMEVALUEONLY, 1899, 12, 30, 13, 5, 9},
        {"1/5/2024 13:05:09", VAR_DATEVALUEONLY, 2024, 1, 5, 0, 0, 0},
        {"00:00:00", VAR_TIMEVALUEONLY, 1899, 12, 30, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        COleDateTime dt;
        ASSERT_TRUE(dt.ParseDateTime(c.text, c.flags, LANG_USER_DEFAULT));
        EXPECT_EQ(dt.GetStatus(), COleDateTime::valid);
        EXPECT_EQ(dt.GetYear(), c.y);
        EXPECT_EQ(dt.GetMonth(), c.mo);
        EXPECT_EQ(dt.GetDay(), c.d);
        EXPECT_EQ(dt.GetHour(), c.h);
        EXPECT_EQ(dt.GetMinute(), c.mi);
        EXPECT_EQ(dt.GetSecond(), c.s);
    }
}

TEST(OleDateTimeParse, RejectedTexts)
{
    const char* texts[] = {
        "",         "   ",       "abc",       "25:00:00",    "12:60:00",  "00:00:60",
        "13:00 PM", "2/30/2024", "1:2:3:4",   "12",          "12:00 xyz", "1/2/3/4",
        "999:00",   "00:05:30:", "1/5/10000", "12:00 12:00", "00;05;30"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        COleDateTime dt(2024, 1, 1, 0, 0, 0);
        EXPECT_FALSE(dt.ParseDateTime(text));
        EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(dt.GetHour(), AFX_OLE_DATETIME_ERROR);
    }
    COleDateTime dt;
    EXPECT_FALSE(dt.ParseDateTime(nullptr));
}

TEST(OleDateTimeFormat, DefaultAndPatternForms)
{
    struct Case
    {
        COleDateTime value;
        const char* pattern; // null: the default form
        const char* expected;
    } cases[] = {
        {COleDateTime(2024, 1, 5, 13, 5, 9), nullptr, "1/5/2024 1:05:09 PM"},
        {COleDateTime(1899, 12, 30, 0, 5, 30), nullptr, "12:05:30 AM"},
        {COleDateTime(2024, 1, 5, 0, 0, 0), nullptr, "1/5/2024"},
        {COleDateTime(2024, 1, 5, 13, 5, 9), "%H:%M:%S", "13:05:09"},
        {COleDateTime(1899, 12, 30, 0, 5, 30), "%H:%M:%S", "00:05:30"},
        {COleDateTime(2024, 1, 5, 13, 5, 9), "%Y-%m-%d", "2024-01-05"},
        {COleDateTime(2024, 1, 5, 13, 5, 9), "%#d %B %y", "5 January 24"},
        {COleDateTime(2024, 1, 5, 13, 5, 9), "%a %b %I %p %j %%", "Fri Jan 01 PM 005 %"},
        {COleDateTime(2024, 1, 5, 13, 5, 9), "%x %X", "01/05/24 13:05:09"},
        {COleDateTime(2024, 2, 30, 0, 0, 0), nullptr, "Invalid DateTime"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.pattern ? c.value.Format(c.pattern) : c.value.Format(), c.expected);
    }
    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime(COleDateTime(2024, 7, 4, 18, 30, 0).Format()));
    EXPECT_EQ(parsed, COleDateTime(2024, 7, 4, 18, 30, 0));
}

TEST(OleDateTimeArithmetic, RundownTotals)
{
    // Reading time plus sound-on-tape time: the SOT as a time of day plus the ERT's
    // hours, minutes and seconds as a span, formatted back; the sum wraps at 24 hours.
    struct Case
    {
        const char* sot;
        const char* ert;
        const char* ttl;
    } cases[] = {
        {"00:01:30", "00:02:45", "00:04:15"},
        {"00:00:00", "00:00:00", "00:00:00"},
        {"23:59:00", "00:02:00", "00:01:00"},
        {"01:59:59", "00:00:01", "02:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ttl);
        COleDateTime sot, ert;
        ASSERT_TRUE(sot.ParseDateTime(c.sot));
        ASSERT_TRUE(ert.ParseDateTime(c.ert));
        COleDateTimeSpan span(0, ert.GetHour(), ert.GetMinute(), ert.GetSecond());
        EXPECT_EQ((sot + span).Format("%H:%M:%S"), c.ttl);
    }
    COleDateTime t;
    ASSERT_TRUE(t.ParseDateTime("01:05:30", VAR_TIMEVALUEONLY));
    EXPECT_EQ(t.GetHour() * 3600 + t.GetMinute() * 60 + t.GetSecond(), 3930);
}

TEST(OleDateTimeArithmetic, DateValuesAcrossTheEpoch)
{
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 0, 0, 0).m_dt, 2.0);
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).m_dt, -657434.0);
    EXPECT_EQ(COleDateTime(100, 1, 1, 23, 59, 59).GetSecond(),
              59); // the first day's times are in range
    EXPECT_EQ(COleDateTime(100, 1, 1, 1, 0, 0).Format(), "1/1/100 1:00:00 AM");
    EXPECT_EQ(COleDateTime(9999, 12, 31, 0, 0, 0).m_dt, 2958465.0);
    // Before 30 December 1899 the time of day counts away from zero.
    COleDateTime early(1899, 12, 29, 6, 0, 0);
    EXPECT_EQ(early.m_dt, -1.25);
    EXPECT_EQ(early.GetHour(), 6);
    COleDateTime later = early + COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(later.m_dt, 0.25);
    EXPECT_DOUBLE_EQ(
        (COleDateTime(1899, 12, 31, 0, 0, 0) - COleDateTime(1899, 12, 29, 12, 0, 0)).GetTotalDays(),
        1.5);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 18, 0, 0) > early);
    EXPECT_EQ(COleDateTime(2024, 1, 5, 0, 0, 0).GetDayOfWeek(), 6); // a Friday
    EXPECT_EQ(COleDateTime(2024, 3, 1, 0, 0, 0).GetDayOfYear(), 61);

    COleDateTime bad;
    EXPECT_NE(bad.SetDateTime(10000, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((bad + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1, 0, 0, 0)).GetStatus(),
              COleDateTime::invalid);
}

TEST(TimeSpanTest, FieldsAndFormats)
{
    struct Case
    {
        LONGLONG seconds;
        const char* format;
        const char* expected;
    } cases[] = {
        {3723, "%H:%M:%S", "01:02:03"},
        {0, "%H:%M:%S", "00:00:00"},
        {90061, "%D %H:%M:%S", "1 01:01:01"},
        {86400 + 3600, "%H:%M:%S", "01:00:00"}, // hours within the day
        {59, "%M:%S%%", "00:59%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(CTimeSpan(c.seconds).Format(c.format), c.expected);
    }
    CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalSeconds(), 93784);
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetHours(), 2);
    EXPECT_EQ(span.GetMinutes(), 3);
    EXPECT_EQ(span.GetSeconds(), 4);
    CTimeSpan sum;
    sum += CTimeSpan(330);
    sum += CTimeSpan(3600);
    EXPECT_EQ(sum.Format("%H:%M:%S"), "01:05:30");

    COleDateTimeSpan ole(1, 2, 3, 4);
    EXPECT_EQ(ole.GetDays(), 1);
    EXPECT_EQ(ole.GetHours(), 2);
    EXPECT_EQ(ole.GetMinutes(), 3);
    EXPECT_EQ(ole.GetSeconds(), 4);
    EXPECT_DOUBLE_EQ(ole.GetTotalSeconds(), 93784.0);
    EXPECT_EQ(ole.Format("%D:%H:%M:%S"), "1:02:03:04");
}

TEST(TimeTest, LocalFieldsFormatAndArchive)
{
    CTime t(2024, 1, 5, 13, 5, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 1);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 13);
    EXPECT_EQ(t.GetDayOfWeek(), 6);
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2024-01-05 13:05:09");
    EXPECT_EQ((t + CTimeSpan(60)).GetMinute(), 6);
    EXPECT_EQ((t + CTimeSpan(60)) - t, CTimeSpan(60));
    EXPECT_EQ(COleDateTime(t), COleDateTime(2024, 1, 5, 13, 5, 9));

    COleDateTime ole(2024, 1, 5, 13, 5, 9);
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar << t << CTimeSpan(-2) << ole; });
    ASSERT_EQ(bytes.size(), 4u + 4u + 4u + 8u);
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 12),
              (Bytes {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    LoadBytes(bytes, [&](CArchive& ar) {
        CTime t2;
        CTimeSpan s2;
        COleDateTime o2;
        ar >> t2 >> s2 >> o2;
        EXPECT_EQ(t2, t);
        EXPECT_EQ(s2.GetTotalSeconds(), -2);
        EXPECT_EQ(o2, ole);
    });
}
