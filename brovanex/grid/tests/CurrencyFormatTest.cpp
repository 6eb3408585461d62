// The currency number format: every sign pattern, zero, rounding at the boundaries, huge
// values, separators and fixed integer widths; display text read back, and what is refused.
#include "controls/GXBCurrencyFormat.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {
CString Show(const CGXBCurrencyFormat& format, double d, BOOL bNegative = FALSE)
{
    CString s;
    format.FormatValue(d, s, bNegative);
    return s;
}
} // namespace

TEST(GridCurrencyFormat, SignPatterns)
{
    const char* positive[] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
    const char* negative[] = {"($1,234.50)", "-$1,234.50",  "$-1,234.50",   "$1,234.50-",
                              "(1,234.50$)", "-1,234.50$",  "1,234.50-$",   "1,234.50$-",
                              "-1,234.50 $", "-$ 1,234.50", "1,234.50 $-",  "$ 1,234.50-",
                              "$ -1,234.50", "1,234.50- $", "($ 1,234.50)", "(1,234.50 $)"};
    CGXBCurrencyFormat format;
    for (int i = 0; i < 4; ++i) {
        format.m_nPositiveFormat = i;
        EXPECT_STREQ(Show(format, 1234.5), positive[i]) << "positive " << i;
        double d = 0;
        BOOL bNeg = TRUE;
        ASSERT_TRUE(format.ParseValue(positive[i], d, bNeg)) << positive[i];
        EXPECT_EQ(d, 1234.5);
        EXPECT_FALSE(bNeg);
    }
    for (int i = 0; i < 16; ++i) {
        format.m_nNegativeFormat = i;
        EXPECT_STREQ(Show(format, 1234.5, TRUE), negative[i]) << "negative " << i;
        double d = 0;
        BOOL bNeg = FALSE;
        ASSERT_TRUE(format.ParseValue(negative[i], d, bNeg)) << negative[i];
        EXPECT_EQ(d, 1234.5);
        EXPECT_TRUE(bNeg) << negative[i];
    }
}

TEST(GridCurrencyFormat, Shown)
{
    struct Case
    {
        double d;
        BOOL bNegative;
        void (*pfnSet)(CGXBCurrencyFormat&);
        const char* pszShown;
    } cases[] = {
        {0, FALSE, [](CGXBCurrencyFormat&) {}, "$0.00"},
        {0, TRUE, [](CGXBCurrencyFormat& f) { f.m_nNegativeFormat = 1; }, "-$0.00"},
        {0.004, FALSE, [](CGXBCurrencyFormat&) {}, "$0.00"},
        {0.006, FALSE, [](CGXBCurrencyFormat&) {}, "$0.01"},
        // Rounded first: the leading-zero and width rules see the digits shown.
        {0.999, FALSE, [](CGXBCurrencyFormat& f) { f.m_bLeadingZero = FALSE; }, "$1.00"},
        {0.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_bLeadingZero = FALSE; }, "$.50"},
        {0.5, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_bLeadingZero = FALSE;
             f.m_cDecimalSeparator = 0;
             f.m_nPositiveFormat = 1;
         },
         "0 50$"},
        {0.4, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_bLeadingZero = FALSE;
             f.m_nFractionDigits = 0;
         },
         "$0"},
        {999.999, FALSE, [](CGXBCurrencyFormat&) {}, "$1,000.00"},
        {99.999, FALSE, [](CGXBCurrencyFormat& f) { f.m_nIntegerDigits = 2; }, "$10.00"},
        {2.6, FALSE, [](CGXBCurrencyFormat& f) { f.m_nFractionDigits = 0; }, "$3"},
        {1234567.891, FALSE, [](CGXBCurrencyFormat& f) { f.m_nFractionDigits = 3; },
         "$1,234,567.891"},
        // Huge, negative, non-finite magnitudes.
        {1e20, FALSE, [](CGXBCurrencyFormat&) {}, "$100,000,000,000,000,000,000.00"},
        {-5, FALSE, [](CGXBCurrencyFormat&) {}, "$5.00"},
        {std::numeric_limits<double>::quiet_NaN(), FALSE, [](CGXBCurrencyFormat&) {}, "$0.00"},
        {std::numeric_limits<double>::infinity(), TRUE, [](CGXBCurrencyFormat&) {}, "($0.00)"},
        // Fixed integer widths and fill characters.
        {12, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_nIntegerDigits = 4;
             f.m_cFillChar = '*';
         },
         "$**12.00"},
        {12, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_nIntegerDigits = 4;
             f.m_cFillChar = '*';
             f.m_bPadBeforeGrouping = TRUE;
         },
         "$*,*12.00"},
        {1234.56, FALSE, [](CGXBCurrencyFormat& f) { f.m_nIntegerDigits = 2; }, "$12.56"},
        {1234.56, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_nIntegerDigits = 2;
             f.m_bKeepTrailingDigits = TRUE;
         },
         "$34.56"},
        {5.25, FALSE, [](CGXBCurrencyFormat& f) { f.m_nIntegerDigits = 0; }, "$.25"},
        // Grouping and separators.
        {1234567.89, FALSE, [](CGXBCurrencyFormat& f) { f.m_cThousandSeparator = 0; },
         "$1234567.89"},
        {1234567.89, FALSE, [](CGXBCurrencyFormat& f) { f.m_strGrouping = "0;0"; }, "$1234567.89"},
        {1234567.89, FALSE, [](CGXBCurrencyFormat& f) { f.m_strGrouping = "4;0"; }, "$123,4567.89"},
        {1234567.89, FALSE, [](CGXBCurrencyFormat& f) { f.m_strGrouping = "junk"; }, "$1234567.89"},
        {1234.5, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_cThousandSeparator = '.';
             f.m_cDecimalSeparator = ',';
         },
         "$1.234,50"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_cDecimalSeparator = 0; }, "$1,234 50"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_cThousandSeparator = '.'; },
         "$1,234.50"}, // equal separators: "," and "."
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_cDecimalSeparator = '5'; },
         "$1,234.50"}, // a digit as a separator
        // Sign characters as separators or fill would read back with another sign, or not
        // at all: the separators fall back to "," and ".", the fill to a blank.
        {1234.5, TRUE,
         [](CGXBCurrencyFormat& f) {
             f.m_cThousandSeparator = '-';
             f.m_nNegativeFormat = 5;
         },
         "-1,234.50$"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_cDecimalSeparator = '('; }, "$1,234.50"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_cThousandSeparator = ')'; }, "$1,234.50"},
        {12, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_nIntegerDigits = 4;
             f.m_cFillChar = '-';
         },
         "$  12.00"},
        {12, TRUE,
         [](CGXBCurrencyFormat& f) {
             f.m_nIntegerDigits = 4;
             f.m_cFillChar = '(';
             f.m_nNegativeFormat = 1;
         },
         "-$  12.00"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "EUR"; },
         "EUR1,234.50"},
        {1234.5, FALSE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "%d%s"; },
         "%d%s1,234.50"},
        // Out-of-range settings are clamped.
        {1, FALSE, [](CGXBCurrencyFormat& f) { f.m_nPositiveFormat = 9; }, "1.00 $"},
        {1, FALSE, [](CGXBCurrencyFormat& f) { f.m_nPositiveFormat = -4; }, "$1.00"},
        {1, TRUE, [](CGXBCurrencyFormat& f) { f.m_nNegativeFormat = 99; }, "(1.00 $)"},
        {1, TRUE, [](CGXBCurrencyFormat& f) { f.m_nNegativeFormat = -1; }, "($1.00)"},
        {1, FALSE, [](CGXBCurrencyFormat& f) { f.m_nFractionDigits = -3; }, "$1"},
        {0.1, FALSE, [](CGXBCurrencyFormat& f) { f.m_nFractionDigits = 400; },
         "$0.100000000000000"},
        {7, FALSE, [](CGXBCurrencyFormat& f) { f.m_nIntegerDigits = -7; }, "$7.00"},
    };
    for (const Case& c : cases) {
        CGXBCurrencyFormat format;
        c.pfnSet(format);
        EXPECT_STREQ(Show(format, c.d, c.bNegative), c.pszShown) << c.pszShown;
    }

    CGXBCurrencyFormat wide;
    wide.m_nIntegerDigits = 100000;
    wide.m_cThousandSeparator = 0;
    EXPECT_EQ(Show(wide, 1).GetLength(), 1 + GX_CURRENCY_MAX_INTEGER_DIGITS + 3);
    CGXBCurrencyFormat plain;
    CString strHuge = Show(plain, 1e300);
    EXPECT_EQ(strHuge.Left(10), CString("$1,000,000"));
    double d = 0;
    BOOL bNeg = TRUE;
    ASSERT_TRUE(plain.ParseValue(strHuge, d, bNeg));
    EXPECT_DOUBLE_EQ(d, 1e300);
}

TEST(GridCurrencyFormat, Parsed)
{
    struct Case
    {
        const char* pszText;
        BOOL bOk;
        double d;
        BOOL bNegative;
        void (*pfnSet)(CGXBCurrencyFormat&);
    } cases[] = {
        {"", TRUE, 0, FALSE, nullptr},
        {"  (12.00)  ", TRUE, 12, TRUE, nullptr},
        {"(12.00", FALSE, 0, FALSE, nullptr},
        {"12.00)", FALSE, 0, FALSE, nullptr},
        {"12-", TRUE, 12, TRUE, nullptr},
        {"-$1,234.50", TRUE, 1234.5, TRUE, nullptr},
        {"$1,234.50", TRUE, 1234.5, FALSE, nullptr},
        {"1,2,3.5", TRUE, 123.5, FALSE, nullptr},
        {"$.50", TRUE, 0.5, FALSE, nullptr},
        {"7.", TRUE, 7, FALSE, nullptr},
        {"007", TRUE, 7, FALSE, nullptr},
        // Digits that are not part of the one number are refused, never dropped.
        {"1.2.3", FALSE, 0, FALSE, nullptr},
        {"12 34", FALSE, 0, FALSE, nullptr},
        {"1.234,5", FALSE, 0, FALSE, nullptr},
        {"1,234.5x6", FALSE, 0, FALSE, nullptr},
        {"abc", FALSE, 0, FALSE, nullptr},
        {"   ", FALSE, 0, FALSE, nullptr},
        {"$", FALSE, 0, FALSE, nullptr},
        {"1.234,50", TRUE, 1234.5, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_cThousandSeparator = '.';
             f.m_cDecimalSeparator = ',';
         }},
        {"1234 50", TRUE, 1234.5, FALSE,
         [](CGXBCurrencyFormat& f) {
             f.m_cThousandSeparator = 0;
             f.m_cDecimalSeparator = 0;
         }},
        {"Fr.12.50", TRUE, 12.5, FALSE, nullptr},
        {"$ 6", TRUE, 6, FALSE, [](CGXBCurrencyFormat& f) { f.m_cDecimalSeparator = 0; }},
        {"-1,234.50$", TRUE, 1234.5, TRUE,
         [](CGXBCurrencyFormat& f) { f.m_cThousandSeparator = '-'; }},
        {"$1,234.50", TRUE, 1234.5, FALSE,
         [](CGXBCurrencyFormat& f) { f.m_cDecimalSeparator = ')'; }},
        // A symbol with digits or signs is not part of the amount.
        {"R21.00", TRUE, 1, FALSE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "R2"; }},
        {"-R21.00", TRUE, 1, TRUE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "R2"; }},
        {"21.00", TRUE, 21, FALSE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "R2"; }},
        {"1.00-X-", TRUE, 1, FALSE, [](CGXBCurrencyFormat& f) { f.m_strCurrencySymbol = "-X-"; }},
    };
    for (const Case& c : cases) {
        CGXBCurrencyFormat format;
        if (c.pfnSet != nullptr)
            c.pfnSet(format);
        double d = -1;
        BOOL bNeg = 2;
        BOOL bOk = format.ParseValue(c.pszText, d, bNeg);
        EXPECT_EQ(bOk, c.bOk) << "'" << c.pszText << "'";
        if (bOk && c.bOk) {
            EXPECT_EQ(d, c.d) << c.pszText;
            EXPECT_EQ(bNeg, c.bNegative) << c.pszText;
        } else {
            EXPECT_EQ(d, -1) << c.pszText; // a refused text leaves the amount alone
        }
    }

    CGXBCurrencyFormat format;
    double d = 0;
    BOOL bNeg = FALSE;
    EXPECT_FALSE(format.ParseValue(std::string(400, '9').c_str(), d, bNeg)); // beyond a double
    EXPECT_TRUE(format.ParseValue(("1" + std::string(300, '0')).c_str(), d, bNeg));
    EXPECT_DOUBLE_EQ(d, 1e300);
    EXPECT_TRUE(format.ParseValue(nullptr, d, bNeg));
    EXPECT_EQ(d, 0);
}

TEST(GridCurrencyFormat, SpansSeparatorsAndTextHelpers)
{
    CGXBCurrencyFormat format;
    int nFirst = 0, nLast = 0;
    ASSERT_TRUE(format.FindNumberSpan("($1,234.50)", nFirst, nLast));
    EXPECT_EQ(nFirst, 2);
    EXPECT_EQ(nLast, 9);
    ASSERT_TRUE(format.FindNumberSpan("1.2.3", nFirst, nLast));
    EXPECT_EQ(nFirst, 2);
    EXPECT_EQ(nLast, 4);
    EXPECT_FALSE(format.FindNumberSpan("($)", nFirst, nLast));
    EXPECT_EQ(nFirst, -1);
    EXPECT_EQ(nLast, -1);

    EXPECT_EQ(format.FindDecimalSeparator("1.2.3"), 3);
    EXPECT_EQ(format.FindDecimalSeparator("1,2,3", ','), 3);
    EXPECT_EQ(format.FindDecimalSeparator("123"), -1);

    EXPECT_EQ(CGXBCurrencyFormat::CountDigits("$1,234.50"), 6);
    CString s = "$1,234,567.50";
    EXPECT_EQ(CGXBCurrencyFormat::RemoveThousandSeparators(s, ','), 2);
    EXPECT_STREQ(s, "$1234567.50");
    EXPECT_EQ(CGXBCurrencyFormat::KeepDigitsOnly(s), 2);
    EXPECT_STREQ(s, "123456750");
}

TEST(GridCurrencyFormat, CopiesCompareAndColours)
{
    CGXBCurrencyFormat a, b;
    EXPECT_TRUE(a.IsEqual(a));
    EXPECT_TRUE(a.IsEqual(b));
    COLORREF cr = 0;
    EXPECT_FALSE(a.GetNegativeColor(cr));
    a.SetNegativeColor(RGB(255, 0, 0));
    ASSERT_TRUE(a.GetNegativeColor(cr));
    EXPECT_EQ(cr, RGB(255, 0, 0));
    EXPECT_FALSE(a.GetPositiveColor(cr));
    EXPECT_FALSE(a.GetBackgroundColor(cr));
    EXPECT_TRUE(a.IsDifferent(b));
    a.m_strCurrencySymbol = "EUR";
    b.Assign(a);
    EXPECT_TRUE(b.IsEqual(a));
    b.Assign(b);
    EXPECT_STREQ(b.m_strCurrencySymbol, "EUR");
    CGXBCurrencyFormat c(a);
    EXPECT_FALSE(c.IsDifferent(a));
    c.m_strCurrencySymbol = "eur"; // strings compare exactly
    EXPECT_TRUE(c.IsDifferent(a));
}

TEST(GridCurrencyFormat, ShownTextReadsBack)
{
    const double values[] = {0, 0.01, 0.5, 1, 999.995, 1234.5, 1e9 + 0.25, 123456789012.75};
    for (int nNeg = 0; nNeg < 16; ++nNeg) {
        for (int nPos = 0; nPos < 4; ++nPos) {
            CGXBCurrencyFormat format;
            format.m_nNegativeFormat = nNeg;
            format.m_nPositiveFormat = nPos;
            format.m_bLeadingZero = (nNeg % 2) == 0;
            format.m_cThousandSeparator = nNeg % 3 == 0 ? '.' : ' ';
            format.m_cDecimalSeparator = nNeg % 3 == 0 ? ',' : '.';
            for (double d : values) {
                for (BOOL bNegative = FALSE; bNegative <= TRUE; ++bNegative) {
                    CString s = Show(format, d, bNegative);
                    double dBack = -1;
                    BOOL bBack = 2;
                    ASSERT_TRUE(format.ParseValue(s, dBack, bBack)) << (LPCTSTR)s;
                    char szRounded[64];
                    snprintf(szRounded, sizeof szRounded, "%.2f", d);
                    EXPECT_EQ(dBack, strtod(szRounded, nullptr)) << (LPCTSTR)s;
                    EXPECT_EQ(bBack, bNegative) << (LPCTSTR)s;
                }
            }
        }
    }

    // Symbols that hold digits or signs read back in every pattern.
    for (const char* pszSymbol : {"R2", "(C)", "-"}) {
        for (int nNeg = 0; nNeg < 16; ++nNeg) {
            for (int nPos = 0; nPos < 4; ++nPos) {
                CGXBCurrencyFormat format;
                format.m_strCurrencySymbol = pszSymbol;
                format.m_nNegativeFormat = nNeg;
                format.m_nPositiveFormat = nPos;
                for (BOOL bNegative = FALSE; bNegative <= TRUE; ++bNegative) {
                    CString s = Show(format, 31.25, bNegative);
                    double dBack = -1;
                    BOOL bBack = 2;
                    ASSERT_TRUE(format.ParseValue(s, dBack, bBack)) << (LPCTSTR)s;
                    EXPECT_EQ(dBack, 31.25) << (LPCTSTR)s;
                    EXPECT_EQ(bBack, bNegative) << (LPCTSTR)s;
                }
            }
        }
    }
}
