// Row heights and column widths in size units, client indexes, cell rectangles, hit tests
// at cell edges and headers, frozen rows and the first scrolled row.
#include "GridTestWindow.h"
#include <gtest/gtest.h>

TEST(GridSizes, SizeUnitsFollowTheBaseUnitStep)
{
    CGridTestWindow w(20, 10);
    CGXGridWnd& grid = w.Grid();
    grid.SetBaseUnits(10, 16); // step 1000 / 16 = 62
    EXPECT_TRUE(grid.SetRowHeight(3, 3, 20));
    LONG nStored = 0;
    ASSERT_TRUE(grid.GetParam()->m_rowHeights.Lookup(3, nStored));
    EXPECT_EQ(1240, nStored);
    EXPECT_EQ(20, grid.GetRowPixelHeight(3));
    EXPECT_EQ(19, grid.GetDefaultRowPixelHeight()); // 1200 / 62
    EXPECT_EQ(19, grid.GetRowPixelHeight(4));
    EXPECT_EQ(1400 / 62, grid.GetRowPixelHeight(0)); // the column-header row
    // -1 removes the entry: the row follows the default again.
    EXPECT_TRUE(grid.WriteRowHeight(3, -1));
    EXPECT_FALSE(grid.GetParam()->m_rowHeights.Lookup(3, nStored));
    EXPECT_TRUE(grid.SetDefaultRowHeight(25));
    EXPECT_EQ(25, grid.GetRowPixelHeight(3));
    EXPECT_FALSE(grid.SetDefaultRowHeight(0));
    EXPECT_FALSE(grid.SetDefaultColWidth(-3));
    // Column widths likewise with the horizontal unit (step 100).
    EXPECT_TRUE(grid.SetColWidth(2, 4, 70));
    for (ROWCOL c = 2; c <= 4; ++c)
        EXPECT_EQ(70, grid.GetColPixelWidth(c));
    EXPECT_EQ(100, grid.GetColPixelWidth(5)); // 10000 / 100
}

TEST(GridSizes, DegenerateBaseUnitsNeverDivideByZero)
{
    CGridTestWindow w(5, 5);
    CGXGridWnd& grid = w.Grid();
    for (int nUnit : {0, -4, 1, 999, 1000, 1001, 5000}) {
        grid.SetBaseUnits(nUnit, nUnit);
        EXPECT_GE(grid.GetHorzBaseUnit(), 1);
        EXPECT_GE(grid.GetVertBaseUnit(), 1);
        EXPECT_TRUE(grid.SetRowHeight(1, 1, 12)) << nUnit;
        EXPECT_TRUE(grid.SetColWidth(1, 1, 30)) << nUnit;
        EXPECT_GE(grid.GetRowPixelHeight(1), 0);
        EXPECT_GE(grid.GetDefaultColPixelWidth(), 0);
        grid.UpdateWindow();
    }
    // Extreme zoom: the measured units stay at least 1.
    grid.SetZoom(1);
    EXPECT_GE(grid.GetVertBaseUnit(), 1);
    grid.SetZoom(100);
}

TEST(GridSizes, HiddenRowIsZeroHighAndItsEdgeCanBePulledOpen)
{
    CGridTestWindow w(20, 10);
    CGXGridWnd& grid = w.Grid();
    grid.SetBaseUnits(10, 20); // step 50
    grid.SetRowHeight(1, 10, 20);
    grid.SetColWidth(0, 10, 60);
    grid.SetRowHeight(3, 3, 0);
    EXPECT_EQ(0, grid.GetRowPixelHeight(3));
    // The header cell of row 4 starts where row 3 would: its top edge offers row 3.
    CRect rect4 = grid.GetCellWindowRect(4, 0);
    ROWCOL nRow = 0, nCol = 0;
    EXPECT_EQ(gxHitHiddenRowEdge,
              grid.HitTestPoint(CPoint(rect4.left + 10, rect4.top + 3), &nRow, &nCol));
    EXPECT_EQ(3u, nRow);
    // Right at the edge the visible row above is resized instead.
    EXPECT_EQ(gxHitRowEdge, grid.HitTestPoint(CPoint(rect4.left + 10, rect4.top + 1), &nRow));
    EXPECT_EQ(2u, nRow);
}

TEST(GridSizes, HitTestsAtCellEdgesAndHeaders)
{
    CGridTestWindow w(20, 10);
    CGXGridWnd& grid = w.Grid();
    grid.SetBaseUnits(10, 20);
    grid.SetRowHeight(0, 20, 20);
    grid.SetColWidth(0, 10, 60);
    const CRect cell = grid.GetCellWindowRect(2, 3);
    EXPECT_EQ(60 * 3, cell.left);
    EXPECT_EQ(20 * 2, cell.top);
    EXPECT_EQ(60, cell.Width());
    EXPECT_EQ(20, cell.Height());
    const CRect header = grid.GetCellWindowRect(0, 3);
    struct Case
    {
        CPoint pt;
        int nHit;
        ROWCOL nRow, nCol;
    } cases[] = {
        {cell.CenterPoint(), gxHitCell, 2, 3},
        {CPoint(header.right - 2, header.top + 5), gxHitColEdge, 0, 3}, // header edge
        {CPoint(header.left + 1, header.top + 5), gxHitColEdge, 0, 2}, // left edge: column 2
        {CPoint(cell.right - 2, cell.top + 5), gxHitCell, 2, 3}, // inner cells: no resizing
        {header.CenterPoint(), gxHitHeader, 0, 3},
        {grid.GetCellWindowRect(5, 0).CenterPoint(), gxHitHeader, 5, 0},
        {CPoint(60 * 11 + 5, 30), gxHitNothing, 0, 11}, // right of the last column
    };
    for (const Case& c : cases) {
        ROWCOL nRow = 99, nCol = 99;
        CRect rect;
        EXPECT_EQ(c.nHit, grid.HitTestPoint(c.pt, &nRow, &nCol, &rect)) << c.pt.x << "," << c.pt.y;
        if (c.nHit != gxHitNothing) {
            EXPECT_EQ(c.nRow, nRow) << c.pt.x << "," << c.pt.y;
            EXPECT_EQ(c.nCol, nCol) << c.pt.x << "," << c.pt.y;
        } else {
            EXPECT_EQ(c.nCol, nCol);
        }
    }
}

TEST(GridSizes, ClientIndexesWithFrozenRowsAndScrolledTopRow)
{
    CGridTestWindow w(100, 10);
    CGXGridWnd& grid = w.Grid();
    grid.SetBaseUnits(10, 20);
    grid.SetRowHeight(0, 100, 20);
    grid.SetFirstScrollRow(2);
    EXPECT_EQ(2u, grid.GetTopRow());
    // Frozen rows 3 while the top row is 2: the top row becomes 4.
    EXPECT_TRUE(grid.SetFrozenRows(3));
    EXPECT_EQ(4u, grid.GetTopRow());
    grid.SetFirstScrollRow(10);
    EXPECT_EQ(10u, grid.GetTopRow());
    struct Case
    {
        ROWCOL nRow, nClient;
    } cases[] = {{0, 0}, {2, 2}, {3, 3}, {5, 0}, {10, 4}, {12, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.nClient, grid.RowToClientIndex(c.nRow)) << c.nRow;
        if (c.nClient != 0 || c.nRow == 0) {
            EXPECT_EQ(c.nRow, grid.ClientIndexToRow(c.nClient)) << c.nRow;
        }
    }
    EXPECT_TRUE(grid.RowIsFrozen(3));
    EXPECT_FALSE(grid.RowIsFrozen(0));
    // Row 10 is drawn right below the frozen rows; a scrolled-out row has no rectangle.
    EXPECT_EQ(20 * 4, grid.GetCellWindowRect(10, 1).top);
    EXPECT_TRUE(grid.GetCellWindowRect(6, 1).IsRectEmpty());
    EXPECT_EQ(20 * 4 + 10, grid.ClientRowAtY(CPoint(5, 20 * 4 + 10)) * 20 + 10);
    // Scrolling clamps to the counts.
    grid.SetFirstScrollRow(0);
    EXPECT_EQ(4u, grid.GetTopRow());
    grid.SetFirstScrollRow(5000);
    EXPECT_EQ(100u, grid.GetTopRow());
}

TEST(GridSizes, ZoomIsOneHundredWhilePrinting)
{
    CGridTestWindow w(5, 5);
    CGXGridWnd& grid = w.Grid();
    grid.SetZoom(150);
    EXPECT_EQ(150, grid.GetZoomPercent());
    grid.SetPrintMode(TRUE);
    EXPECT_EQ(100, grid.GetZoomPercent());
    grid.SetPrintMode(FALSE);
    EXPECT_EQ(150, grid.GetZoomPercent());
}
