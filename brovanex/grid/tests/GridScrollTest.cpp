// Scrolling a grid window through its scroll bars with real WM_VSCROLL and WM_HSCROLL
// messages: grids larger than a bar's 16-bit range, the thumb-to-row and row-to-thumb
// mappings with a scroll factor above 1 and frozen rows, page steps, the bottom and right
// ends, and bringing cells into view.
#include "GridTestWindow.h"
#include <gtest/gtest.h>

namespace {
// A grid window with its own scroll bars.
class CScrollingGrid
{
public:
    CScrollingGrid(ROWCOL nRows, ROWCOL nCols, int cx = 400, int cy = 300)
    {
        GXTestEnsureGridClasses();
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "scroll test", WS_POPUP | WS_VISIBLE, 0, 0,
                          cx + 20, cy + 20, nullptr, nullptr);
        m_grid.Create(WS_VISIBLE | WS_CHILD | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, cx, cy),
                      &m_parent, 100);
        m_grid.Initialize();
        m_grid.SetRowCount(nRows);
        m_grid.SetColCount(nCols);
        CGridTestWindow::Pump();
    }
    ~CScrollingGrid()
    {
        m_grid.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void VScroll(UINT nCode, UINT nPos = 0)
    {
        m_grid.SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), 0);
    }
    void HScroll(UINT nCode, UINT nPos = 0)
    {
        m_grid.SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, nPos), 0);
    }
    CGXGridWnd& Grid() { return m_grid; }

private:
    CWnd m_parent;
    CGXGridWnd m_grid;
};

TEST(GridScroll, AHundredThousandRowsFitTheBarWithAFactorOfFour)
{
    CScrollingGrid g(100000, 5);
    CGXGridWnd& grid = g.Grid();
    EXPECT_EQ(grid.m_nVScrollFactor, 4);
    int nMin = -1, nMax = -1;
    grid.GetScrollRange(SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nMin, 0);
    EXPECT_EQ(nMax, 25000);
    grid.SetScrollUnitPos(SB_VERT, 3); // below the factor
    EXPECT_EQ(grid.GetScrollPos(SB_VERT), 0);
    grid.SetScrollUnitPos(SB_VERT, 4000);
    EXPECT_EQ(grid.GetScrollPos(SB_VERT), 1000);

    // The thumb at the end of the bar shows the last row.
    g.VScroll(SB_THUMBPOSITION, 25000);
    EXPECT_EQ(grid.GetLastVisibleRow(), 100000u);
    EXPECT_GT(grid.GetTopRow(), 99000u);
    // And back at the start, the first row.
    g.VScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(grid.GetTopRow(), 1u);
    g.VScroll(SB_BOTTOM);
    EXPECT_EQ(grid.GetLastVisibleRow(), 100000u);
    g.VScroll(SB_TOP);
    EXPECT_EQ(grid.GetTopRow(), 1u);
}

TEST(GridScroll, ThumbAndRowMappingsAgreeWithFrozenRowsAndAFactorAboveOne)
{
    for (ROWCOL nFrozen : {0u, 3u, 6u}) {
        CScrollingGrid g(100000, 5);
        CGXGridWnd& grid = g.Grid();
        grid.SetFrozenRows(nFrozen);
        grid.RefreshScrollBars();
        ASSERT_EQ(grid.m_nVScrollFactor, 4);
        int nMin = 0, nMax = 0;
        grid.GetScrollRange(SB_VERT, &nMin, &nMax);
        const ROWCOL nLastTop = grid.GetRowCount() - (grid.GetLastVisibleRow() - grid.GetTopRow());
        for (int nThumb : {nMin, nMin + 1, 7, 1234, nMax - 1, nMax}) {
            if (nThumb < nMin)
                continue;
            g.VScroll(SB_THUMBPOSITION, (UINT)nThumb);
            const ROWCOL nTop = grid.GetTopRow();
            EXPECT_GT(nTop, nFrozen) << nFrozen << " " << nThumb;
            // The row the thumb chose puts the thumb back where it was dropped (rows past
            // the last useful top row stop there).
            if ((ROWCOL)nThumb * 4 <= nLastTop - 4) {
                EXPECT_EQ(grid.GetScrollPos(SB_VERT), nThumb) << nFrozen << " " << nThumb;
            }
            // Dropping the thumb where it is does not move the grid.
            g.VScroll(SB_THUMBPOSITION, (UINT)grid.GetScrollPos(SB_VERT));
            EXPECT_EQ(grid.GetTopRow(), nTop) << nFrozen << " " << nThumb;
        }
    }
}

TEST(GridScroll, PageDownMovesTheLastVisibleRowToTheTopAndPageUpGoesBack)
{
    CScrollingGrid g(1000, 5);
    CGXGridWnd& grid = g.Grid();
    grid.SetFrozenRows(2);
    const ROWCOL nLast = grid.GetLastVisibleRow();
    g.VScroll(SB_PAGEDOWN);
    EXPECT_EQ(grid.GetTopRow(), nLast);
    // Page up shows the rows above it, the old top row as the last fully visible one.
    g.VScroll(SB_PAGEUP);
    const CRect rectGrid = grid.GetGridRect();
    const CRect rectOld = grid.CalcRectFromRowCol(nLast, 1);
    EXPECT_LT(grid.GetTopRow(), nLast);
    EXPECT_LE(rectOld.bottom, rectGrid.bottom);
    EXPECT_GT(rectOld.bottom + grid.GetRowPixelHeight(nLast + 1), rectGrid.bottom);
    const ROWCOL nTop = grid.GetTopRow();
    g.VScroll(SB_LINEDOWN);
    EXPECT_EQ(grid.GetTopRow(), nTop + 1);
    for (ROWCOL i = 0; i < nTop + 3; ++i)
        g.VScroll(SB_LINEUP); // not into the frozen rows
    EXPECT_EQ(grid.GetTopRow(), 3u);

    // One row taller than the window still pages by one row.
    grid.SetRowHeight(3, 3, 2000);
    g.VScroll(SB_PAGEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 4u);
    // Rows of height 0 are passed over, not counted.
    grid.SetRowHeight(5, 6, 0);
    g.VScroll(SB_LINEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 7u);
    g.VScroll(SB_LINEUP);
    EXPECT_EQ(grid.GetTopRow(), 4u);
}

TEST(GridScroll, TheRightEndOfTheHorizontalBarShowsTheLastColumn)
{
    CScrollingGrid g(10, 60);
    CGXGridWnd& grid = g.Grid();
    g.HScroll(SB_RIGHT);
    EXPECT_EQ(grid.GetLastVisibleCol(), 60u); // the last useful left column
    grid.SetScrollBarPolicy(SB_HORZ, GX_SBMODE_ALWAYS);
    g.HScroll(SB_RIGHT);
    EXPECT_EQ(grid.GetLeftCol(), 60u);
    g.HScroll(SB_LEFT);
    EXPECT_EQ(grid.GetLeftCol(), 1u);
    g.HScroll(SB_PAGERIGHT);
    EXPECT_GT(grid.GetLeftCol(), 1u);
}

TEST(GridScroll, ACellBelowTheWindowBecomesTheLastFullyVisibleRow)
{
    CScrollingGrid g(500, 5);
    CGXGridWnd& grid = g.Grid();
    ASSERT_TRUE(grid.BringCellIntoView(100, 1));
    const CRect rectGrid = grid.GetGridRect();
    const CRect rectCell = grid.CalcRectFromRowCol(100, 1);
    EXPECT_LE(rectCell.bottom, rectGrid.bottom);
    EXPECT_GT(rectCell.bottom + grid.GetRowPixelHeight(101), rectGrid.bottom);
    EXPECT_LT(grid.GetTopRow(), 100u);
    // Above the top row it becomes the top row; a visible cell needs nothing.
    EXPECT_TRUE(grid.BringCellIntoView(20, 1));
    EXPECT_EQ(grid.GetTopRow(), 20u);
    EXPECT_FALSE(grid.BringCellIntoView(21, 1));
}

TEST(GridScroll, VetoedTopRowChangesDoNotScroll)
{
    struct CVetoGrid : CGXGridWnd
    {
        BOOL MayChangeTopRow(ROWCOL) override { return FALSE; }
    };
    GXTestEnsureGridClasses();
    CGridTestWindow w(100, 5, 300, 200, new CVetoGrid);
    w.Grid().SetScrollBarPolicy(SB_VERT, GX_SBMODE_ALWAYS);
    w.Grid().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(w.Grid().GetTopRow(), 1u);
}
} // namespace
