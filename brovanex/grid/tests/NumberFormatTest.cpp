// Number formats: every format code shown for positive, negative, zero and huge values,
// and typed text read back as a number with the format it suggests.
#include "core/GXStyle.h"
#include "features/GXNumberFormattingImp.h"
#include <gtest/gtest.h>
#include <string>

namespace {
CString Show(const char* pszValue, int nFormat, int nPlaces, int nValueType = GX_VT_NUMBER)
{
    CGXStyle style;
    style.SetFormat(nFormat).SetPlaces(nPlaces);
    CGXNumberFormattingImp imp;
    CString s;
    imp.FormatValue(s, style, pszValue, (UINT)nValueType);
    return s;
}
} // namespace

TEST(GridNumberFormat, EveryCode)
{
    struct Case
    {
        const char* pszValue;
        int nFormat;
        int nPlaces;
        const char* pszShown;
    } cases[] = {
        {"1234.5", 1, 2, "1.23e+03"},
        {"-0.00126", 1, 1, "-1.3e-03"},
        {"0", 1, 0, "0e+00"},
        {"3.14159", 2, 3, "3.142"},
        {"-2", 2, 1, "-2.0"},
        {"0", 2, 0, "0"},
        {"1234567", 3, 4, "1.235e+06"},
        {"1234567.891", 4, 2, "$1,234,567.89 "},
        {"-5", 4, 2, "($5.00)"},
        {"0", 4, 0, "$0 "},
        {"999.999", 4, 2, "$1,000.00 "},
        {"123", 4, 0, "$123 "},
        {"-1234", 5, 1, "(1,234.0)"},
        {"1234", 5, 0, "1,234 "},
        {"1234", 23, 0, " 1,234 "},
        {"-1234", 23, 0, "(1,234)"},
        {"255.9", 6, 0, "0xFF"},
        {"-255", 6, 0, "0xFF"},
        {"0", 6, 0, "0x0"},
        {"5000000000", 6, 0, "0x12A05F200"}, // beyond 32 bits
        {"1e30", 6, 0, "0xFFFFFFFFFFFFFFFF"}, // clamped
        {"0", 7, 0, "0"},
        {"1", 7, 0, "1"},
        {"1.9", 7, 0, "1"},
        {"2.5", 7, 0, "?"},
        {"-0.5", 7, 0, "?"},
        {"1e20", 7, 0, "?"},
        {"36160", 8, 0, "31-Dec-98"},
        {"36160.75", 9, 0, "31-Dec"},
        {"45351", 10, 0, "Feb-24"},
        {"36160", 16, 0, "31.12.1998"},
        {"36160", 17, 0, "1998-12-31"},
        {"0.75", 25, 0, "06:00 PM"},
        {"0.5", 26, 0, "12:00:00 PM"},
        {"0.25", 27, 0, "06:00"},
        {"36160", 11, 0, "12/31/1998"},
        {"0.75", 13, 0, "6:00:00 PM"},
        {"36160.75", 18, 0, "12/31/1998 6:00:00 PM"},
        {"1e300", 8, 0, "1e300"}, // beyond any date: shown as stored
        {"-1e7", 18, 0, "-1e7"},
        {"0.125", 14, 1, "12.5%"},
        {"-1", 14, 0, "-100%"},
        {"0", 14, 2, "0.00%"},
        {"1.7976931348623156e306", 14, 2, " Percent! "},
        {"0.25", 24, 2, "  1/4"},
        {"3.25", 24, 2, " 3 1/4"},
        {"-3.25", 24, 0, "-3 1/4"},
        {"0.5", 24, 0, "  1/2"},
        {"0", 24, 0, "  0/100000"}, // numerator 0: no endless reduction
        {"7", 24, 3, " 7 0/100000"},
        {"1e15", 24, 1, " 1000000000000000 0/1000"}, // integer part beyond 32 bits
        {"42", 15, 0, "42"},
        {"42", 19, 0, "42"},
        {"42", 22, 0, "42"},
        {"42", 28, 0, " Format? "},
        {"42", 31, 0, " Format? "},
        {"42", 12, 0, ""},
        {"1e400", 2, 2, "1e400"}, // beyond a double
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszShown, Show(c.pszValue, c.nFormat, c.nPlaces))
            << c.pszValue << " format " << c.nFormat << " places " << c.nPlaces;
}

TEST(GridNumberFormat, TextAndUnformattedValuesShowAsStored)
{
    EXPECT_STREQ("abc", Show("abc", 2, 2, 0));
    EXPECT_STREQ("", Show("abc", 12, 0, 0)); // the empty format hides text too
    CGXStyle plain;
    CGXNumberFormattingImp imp;
    CString s;
    imp.FormatValue(s, plain, "1.5", GX_VT_NUMBER);
    EXPECT_STREQ("1.5", s);
    // No text given: the style's own value and value type.
    CGXStyle style;
    style.SetValue("2.5").SetValueType(GX_VT_NUMBER).SetFormat(2).SetPlaces(2);
    imp.FormatValue(s, style, nullptr, 0);
    EXPECT_STREQ("2.50", s);
}

TEST(GridNumberFormat, WideValuesGrowTheirText)
{
    CString s = Show("-1e300", 4, 15);
    ASSERT_GT(s.GetLength(), 400);
    EXPECT_EQ('(', s[0]);
    EXPECT_STREQ(".000000000000000)", (LPCTSTR)s + s.GetLength() - 17);
}

TEST(GridNumberFormat, Parses)
{
    struct Case
    {
        const char* pszText;
        BOOL bOk;
        double d;
        int nFormat;
        int nPlaces;
    } cases[] = {
        {"(1,234.50)", TRUE, -1234.5, 5, 2},
        {"1,23", FALSE, 0, 0, 0},
        {"$12", TRUE, 12, 4, 0},
        {"1.5e3", TRUE, 1500, 1, 1},
        {"  42  ", TRUE, 42, 2, 0},
        {"-0.125", TRUE, -0.125, 2, 3},
        {"0", TRUE, 0, 2, 0},
        {"1,234,567", TRUE, 1234567, 5, 0},
        {"($5.00)", TRUE, -5, 4, 2},
        {"1e308", TRUE, 1e308, 1, 0},
        {"1.2.3", FALSE, 0, 0, 0},
        {"1e2e3", FALSE, 0, 0, 0},
        {"(1e3)", FALSE, 0, 0, 0},
        {"(-5)", FALSE, 0, 0, 0},
        {"(5) x", FALSE, 0, 0, 0},
        {"(5", FALSE, 0, 0, 0},
        {"5)", FALSE, 0, 0, 0},
        {"4 2", FALSE, 0, 0, 0},
        {"12abc", FALSE, 0, 0, 0},
        {"", FALSE, 0, 0, 0},
        {".", FALSE, 0, 0, 0},
        {"-", FALSE, 0, 0, 0},
        {"1e", FALSE, 0, 0, 0},
        {"1-2", FALSE, 0, 0, 0},
        {"0.12345678901234567890", TRUE, 0.12345678901234567890, 2, 15},
    };
    for (const Case& c : cases) {
        double d = -99;
        int nFormat = -1, nPlaces = -1;
        EXPECT_EQ(c.bOk, CGXNumberFormattingImp::ParseNumber(c.pszText, d, &nFormat, &nPlaces))
            << c.pszText;
        if (c.bOk) {
            EXPECT_DOUBLE_EQ(c.d, d) << c.pszText;
            EXPECT_EQ(c.nFormat, nFormat) << c.pszText;
            EXPECT_EQ(c.nPlaces, nPlaces) << c.pszText;
        }
    }
}

TEST(GridNumberFormat, ParseRefusesOverlongText)
{
    double d = 0;
    std::string digits(257, '1');
    EXPECT_TRUE(CGXNumberFormattingImp::ParseNumber(digits.c_str(), d, nullptr, nullptr));
    digits += '1';
    EXPECT_FALSE(CGXNumberFormattingImp::ParseNumber(digits.c_str(), d, nullptr, nullptr));
    std::string groups = "1";
    for (int i = 0; i < 19; ++i)
        groups += ",000";
    EXPECT_TRUE(CGXNumberFormattingImp::ParseNumber(groups.c_str(), d, nullptr, nullptr));
    groups += ",000";
    EXPECT_FALSE(CGXNumberFormattingImp::ParseNumber(groups.c_str(), d, nullptr, nullptr));
}
