// Hidden rows and columns and rows and columns fitted to their contents, in a grid window.
#include "ControlTestSupport.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"
#include "fw/dc.h"
#include <gtest/gtest.h>

namespace {
class HiddenAndFit : public ::testing::Test
{
protected:
    HiddenAndFit() : m_w((GXTestStartLibrary(), 20), 10)
    {
        GXImplementHideCells(&grid());
        GXImplementResizeToFit(&grid());
        grid().SetRowHeight(1, 20, 20);
        grid().SetColWidth(1, 10, 60);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    // The line height of the standard font on the grid's DC.
    int LineHeight()
    {
        CDC* pDC = grid().GetGridDC();
        CFont* pOld = grid().SelectStyleFont(pDC, grid().GetStandardStyle());
        TEXTMETRIC tm = {};
        pDC->GetTextMetrics(&tm);
        if (pOld != nullptr)
            pDC->SelectObject(pOld);
        grid().ResetGridDC();
        return tm.tmHeight + tm.tmExternalLeading;
    }
    int TextWidth(LPCTSTR psz)
    {
        CDC* pDC = grid().GetGridDC();
        CFont* pOld = grid().SelectStyleFont(pDC, grid().GetStandardStyle());
        const int cx = pDC->GetTextExtent(psz, (int)strlen(psz)).cx;
        if (pOld != nullptr)
            pDC->SelectObject(pOld);
        grid().ResetGridDC();
        return cx;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(HiddenAndFit, HiddenRowsAndColumnsTakeNoRoomAndFollowInsertions)
{
    const CRect before = grid().GetCellWindowRect(6, 1);
    ASSERT_TRUE(grid().HideRows(3, 5));
    EXPECT_FALSE(grid().HideRows(4, 4)); // already hidden: nothing changes
    EXPECT_EQ(0, grid().GetRowHeight(4));
    EXPECT_EQ(before.top - 60, grid().GetCellWindowRect(6, 1).top);
    ASSERT_TRUE(grid().InsertRows(1, 2));
    for (ROWCOL r = 1; r <= 9; ++r)
        EXPECT_EQ(r >= 5 && r <= 7, grid().QueryRowHidden(r)) << r;
    ASSERT_TRUE(grid().RemoveRows(6, 6));
    EXPECT_TRUE(grid().QueryRowHidden(5));
    EXPECT_TRUE(grid().QueryRowHidden(6));
    EXPECT_FALSE(grid().QueryRowHidden(7));
    // Shown again with their old heights.
    ASSERT_TRUE(grid().HideRows(5, 6, FALSE));
    EXPECT_EQ(20, grid().GetRowHeight(5));
    BOOL abStates[3] = {TRUE, FALSE, TRUE};
    ASSERT_TRUE(grid().HideCols(2, 4, TRUE, abStates));
    EXPECT_EQ(0, grid().GetColWidth(2));
    EXPECT_EQ(60, grid().GetColWidth(3));
    EXPECT_EQ(0, grid().GetColWidth(4));
    EXPECT_FALSE(grid().HideRows(500, 600)); // beyond the rows
}

TEST_F(HiddenAndFit, RowHeightsFitWrappedAndMultiLineText)
{
    const int nLine = LineHeight();
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), CGXStyle().SetValue("one\ntwo\nthree"));
    grid().SetStyleRange(CGXRange(3, 2, 3, 2),
                         CGXStyle().SetWrapText(TRUE).SetValue("wrapped text over a "
                                                               "narrow column of sixty"));
    grid().SetStyleRange(CGXRange(4, 1, 4, 1), CGXStyle().SetValue("x"));
    ASSERT_TRUE(grid().FitRowHeights(CGXRange().SetRows(2, 4)));
    // Three lines, and at least three wrapped lines, each a line of the font.
    EXPECT_GE(grid().GetRowHeight(2), 3 * nLine);
    EXPECT_LT(grid().GetRowHeight(2), 4 * nLine);
    EXPECT_GE(grid().GetRowHeight(3), 3 * nLine);
    EXPECT_GE(grid().GetRowHeight(4), nLine);
    EXPECT_LT(grid().GetRowHeight(4), 2 * nLine);
    // Never shrinking keeps a tall row tall after its text got shorter.
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), CGXStyle().SetValue("one"));
    const int nTall = grid().GetRowHeight(2);
    ASSERT_TRUE(grid().FitRowHeights(CGXRange().SetRows(2, 2), TRUE, GX_INVALIDATE | 8));
    EXPECT_EQ(nTall, grid().GetRowHeight(2));
    ASSERT_TRUE(grid().FitRowHeights(CGXRange().SetRows(2, 2)));
    EXPECT_LT(grid().GetRowHeight(2), 2 * nLine);
}

TEST_F(HiddenAndFit, NoRowGrowsBeyondTheWindowAndHiddenColumnsMeasureNothing)
{
    CString strMany;
    for (int i = 0; i < 80; ++i)
        strMany += "line\n";
    grid().SetStyleRange(CGXRange(3, 1, 3, 1), CGXStyle().SetValue(strMany));
    ASSERT_TRUE(grid().FitRowHeights(CGXRange().SetRows(3, 3)));
    EXPECT_EQ(grid().GetGridRect().Height() - grid().GetRowHeight(0) - 1, grid().GetRowHeight(3));
    // A row whose text sits only in a hidden column keeps its height.
    grid().SetStyleRange(CGXRange(5, 4, 5, 4), CGXStyle().SetValue("a\nb\nc\nd"));
    ASSERT_TRUE(grid().HideCols(4, 4));
    ASSERT_TRUE(grid().FitRowHeights(CGXRange(5, 4, 5, 4), TRUE, GX_INVALIDATE | 8));
    EXPECT_EQ(20, grid().GetRowHeight(5));
}

TEST_F(HiddenAndFit, ColumnWidthsFitTheWidestLine)
{
    grid().SetStyleRange(CGXRange(2, 3, 2, 3), CGXStyle().SetValue("short\na much longer line"));
    grid().SetStyleRange(CGXRange(4, 3, 4, 3), CGXStyle().SetValue("mid length"));
    ASSERT_TRUE(grid().FitColWidths(CGXRange().SetCols(3, 3)));
    const int nNeed = TextWidth("a much longer line");
    EXPECT_GE(grid().GetColWidth(3), nNeed);
    EXPECT_LT(grid().GetColWidth(3), nNeed + 20); // the control's margins only
}

namespace {
// Every look at the clock is a second later: the fit runs "long" from its first row on.
DWORD g_dwFitTicks = 0;
DWORD FitClock() { return g_dwFitTicks += 1000; }
} // namespace

TEST_F(HiddenAndFit, AFitThatRunsLongFitsEveryRowUnlessTheUserCancels)
{
    GXImplementLongOperation();
    const int nLine = LineHeight();
    for (ROWCOL r = 2; r <= 12; ++r)
        grid().SetStyleRange(CGXRange(r, 1, r, 1), CGXStyle().SetValue("one\ntwo\nthree"));
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    settings.pfnClock = FitClock;
    const BOOL bFitted = grid().FitRowHeights(CGXRange().SetRows(2, 12));
    settings.pfnClock = nullptr;
    ASSERT_TRUE(bFitted);
    for (ROWCOL r = 2; r <= 12; ++r)
        EXPECT_GE(grid().GetRowHeight(r), 3 * nLine) << "row " << r;
}
