// Progress cells: the bar between the low and high values as drawn in a grid cell, the
// caption format, and stored values kept inside the limits.
#include "ControlTestSupport.h"
#include "controls/GXProgressCtrl.h"
#include <gtest/gtest.h>

namespace {
const WORD kProgress = 52536;
const COLORREF kBar = RGB(255, 0, 0), kRest = RGB(255, 255, 255);

class ProgressCell : public ::testing::Test
{
protected:
    ProgressCell() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetRowHeight(1, 5, 24);
        grid().SetColWidth(1, 1, 120);
        // A cell whose inner rectangle is 101 pixels wide.
        grid().SetColWidth(1, 1, 120 + (101 - Inner(1, 1).Width()));
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CRect Inner(ROWCOL nRow, ROWCOL nCol)
    {
        return grid().SubtractBorders(grid().GetCellWindowRect(nRow, nCol),
                                      grid().GetCachedCellStyle(nRow, nCol), TRUE, nRow, nCol);
    }
    CGXStyle Progress(const char* pszLow, const char* pszHigh, const char* pszValue)
    {
        CGXStyle style;
        style.SetControl(kProgress)
            .SetTextColor(kBar)
            .SetInterior(kRest)
            .SetUserAttribute(GX_IDS_UA_PROGRESS_LOW, pszLow)
            .SetUserAttribute(GX_IDS_UA_PROGRESS_HIGH, pszHigh)
            .SetValue(pszValue);
        return style;
    }
    int CountInRow(const CRect& rect, int y, COLORREF cr)
    {
        int n = 0;
        for (int x = rect.left; x < rect.right; ++x)
            n += m_w.Pixel(x, y) == cr;
        return n;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(ProgressCell, BarFillsItsShareOfTheCellForAnyLimits)
{
    struct Case
    {
        const char* pszWhat;
        const char* pszLow;
        const char* pszHigh;
        const char* pszValue;
        int nFilled;
    } cases[] = {
        {"low", "0", "100", "0", 0},
        {"mid", "0", "100", "50", 50},
        {"high", "0", "100", "100", 101},
        {"below low", "0", "100", "-5", 0},
        {"above high", "0", "100", "500", 101},
        {"offset limits", "100", "200", "150", 50},
        {"equal limits", "10", "10", "10", 0},
        {"reversed limits", "100", "0", "50", 0},
    };
    for (const Case& c : cases) {
        // Straight into the cell's style (stored values are clamped by the control only).
        grid().SetStyleRange(CGXRange(1, 1, 1, 1), Progress(c.pszLow, c.pszHigh, c.pszValue));
        m_w.Capture();
        const CRect inner = Inner(1, 1);
        ASSERT_EQ(inner.Width(), 101);
        const int y = inner.top + 2; // above any caption
        EXPECT_EQ(CountInRow(inner, y, kBar), c.nFilled) << c.pszWhat;
        EXPECT_EQ(CountInRow(inner, y, kRest), 101 - c.nFilled) << c.pszWhat;
        // The bar never leaves its cell.
        EXPECT_NE(m_w.Pixel(inner.right + 1, y), kBar) << c.pszWhat;
    }
}

TEST_F(ProgressCell, CaptionIsSplitAtTheBarsEnd)
{
    CGXStyle style = Progress("0", "100", "50");
    style.SetUserAttribute(GX_IDS_UA_PROGRESS_CAPTION, "WWWW %d%%");
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), style);
    m_w.Capture();
    const CRect inner = Inner(1, 1);
    const CRect bar(inner.left, inner.top, inner.left + 50, inner.bottom);
    const CRect rest(inner.left + 50, inner.top, inner.right, inner.bottom);
    // Caption pixels show in the rest's colour over the bar and in the bar's over the rest.
    int nOverBar = 0, nOverRest = 0;
    for (int y = inner.top; y < inner.bottom; ++y) {
        nOverBar += CountInRow(bar, y, kRest);
        nOverRest += CountInRow(rest, y, kBar);
    }
    EXPECT_GT(nOverBar, 5);
    EXPECT_GT(nOverRest, 5);
}

TEST(ProgressCaption, FormatIsUsedOnlyWhenItIsOneIntegerConversion)
{
    struct Case
    {
        const char* pszFormat;
        const char* pszShown;
    } cases[] = {
        {"%d%%", "42%"},  {"%ld done", "42 done"}, {"[%5d]", "[   42]"}, {"%x", "2a"},
        {"Busy", "Busy"}, {"100%%", "100%"},       {"%s", "%s"},         {"%d of %d", "%d of %d"},
        {"%n", "%n"},     {"50%", "50%"},          {"%f", "%f"},         {"%99999d", "%99999d"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CGXProgressCtrl::FormatCaption(c.pszFormat, 42), c.pszShown) << c.pszFormat;
}

TEST_F(ProgressCell, StoredValuesAreKeptInsideTheLimits)
{
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), Progress("0", "100", "20"));
    struct Case
    {
        const char* pszTyped;
        const char* pszStored;
    } cases[] = {{"-5", "0"}, {"150", "100"}, {"70", "70"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(grid().SetValueRange(CGXRange(2, 1, 2, 1), c.pszTyped));
        EXPECT_STREQ(grid().GetValueRowCol(2, 1), c.pszStored) << c.pszTyped;
    }
    // Reversed limits are no limits.
    grid().SetStyleRange(CGXRange(3, 1, 3, 1), Progress("100", "0", "20"));
    ASSERT_TRUE(grid().SetValueRange(CGXRange(3, 1, 3, 1), "-5"));
    EXPECT_STREQ(grid().GetValueRowCol(3, 1), "-5");
}
