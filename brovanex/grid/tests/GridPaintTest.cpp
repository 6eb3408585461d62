// Painting: the window is read back into a bitmap and regions derived from the grid's own
// coordinates are compared with the colours the styles and properties name.
#include "GridTestWindow.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include <gtest/gtest.h>

namespace {
COLORREF PropertyColor(CGXGridCore& grid, int nIndex)
{
    return GXResolveColor(grid.GetProperties()->GetColor(nIndex)) & 0xFFFFFF;
}

COLORREF StandardInterior(CGXGridCore& grid)
{
    return grid.GetStandardStyle().GetInterior().GetColorNA() & 0xFFFFFF;
}

// The middle of a cell, away from its borders and lines and from any text.
CRect Inside(const CRect& rect)
{
    return CRect(rect.left + 3, rect.top + 3, rect.left + 8, rect.bottom - 3);
}
} // namespace

class GridPaint : public ::testing::Test
{
protected:
    GridPaint() : m_w(20, 10)
    {
        grid().SetBaseUnits(10, 10);
        grid().SetRowHeight(0, 20, 20);
        grid().SetColWidth(0, 10, 50);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGridTestWindow m_w;
};

TEST_F(GridPaint, CellInteriorsAndGridLines)
{
    CGXStyle red;
    red.SetInterior(RGB(255, 0, 0));
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), red);
    m_w.Capture();
    const CRect cell = grid().GetCellWindowRect(2, 2);
    ASSERT_FALSE(cell.IsRectEmpty());
    CRect inner = grid().SubtractBorders(cell, grid().GetCachedCellStyle(2, 2));
    EXPECT_TRUE(m_w.AllPixels(inner, RGB(255, 0, 0)));
    EXPECT_TRUE(m_w.AllPixels(Inside(grid().GetCellWindowRect(2, 3)), StandardInterior(grid())));
    // Grid lines lie on the last pixel row and column of each cell.
    const COLORREF crLine = PropertyColor(grid(), 0);
    EXPECT_EQ(crLine, m_w.Pixel(cell.right - 1, cell.top + 5));
    EXPECT_EQ(crLine, m_w.Pixel(cell.left + 5, cell.bottom - 1));
    EXPECT_EQ(RGB(255, 0, 0), m_w.Pixel(cell.right - 2, cell.top + 5));
}

TEST_F(GridPaint, WithoutGridLinesTheInnerRectangleIsTheCell)
{
    grid().GetProperties()->m_abDisplay[3] = FALSE;
    grid().GetProperties()->m_abDisplay[4] = FALSE;
    CGXStyle green;
    green.SetInterior(RGB(0, 255, 0));
    grid().SetStyleRange(CGXRange(3, 3, 3, 3), green);
    const CRect cell = grid().GetCellWindowRect(3, 3);
    EXPECT_EQ(cell, grid().SubtractBorders(cell, grid().GetCachedCellStyle(3, 3)));
    m_w.Capture();
    EXPECT_TRUE(
        m_w.AllPixels(CRect(cell.left + 1, cell.top + 1, cell.right, cell.bottom), RGB(0, 255, 0)));
}

TEST_F(GridPaint, StyleBordersReplaceGridLines)
{
    CGXStyle bordered;
    bordered.SetBorders(gxBorderBottom, CGXPen(PS_SOLID, 2, RGB(0, 0, 255)));
    bordered.SetBorders(gxBorderRight, CGXPen(PS_NULL, 1, 0));
    grid().SetStyleRange(CGXRange(4, 2, 4, 2), bordered);
    m_w.Capture();
    const CRect cell = grid().GetCellWindowRect(4, 2);
    EXPECT_TRUE(m_w.AllPixels(CRect(cell.left + 1, cell.bottom - 2, cell.right - 1, cell.bottom),
                              RGB(0, 0, 255)));
    // A null pen draws no border and the grid line gives way to it.
    EXPECT_EQ(StandardInterior(grid()), m_w.Pixel(cell.right - 1, cell.top + 5));
    const CRect inner = grid().SubtractBorders(cell, grid().GetCachedCellStyle(4, 2));
    EXPECT_EQ(cell.right, inner.right);
    EXPECT_EQ(cell.bottom - 2, inner.bottom);
}

TEST_F(GridPaint, FrozenSeparatorsAndTheAreaBeyondTheGrid)
{
    grid().SetFrozenCols(1);
    grid().SetFrozenRows(2);
    grid().SetColCount(3);
    grid().SetRowCount(5);
    m_w.Capture();
    const COLORREF crSeparator = PropertyColor(grid(), 1);
    const CRect col1 = grid().GetCellWindowRect(3, 1);
    EXPECT_EQ(crSeparator, m_w.Pixel(col1.right - 1, col1.top + 5));
    const CRect row2 = grid().GetCellWindowRect(2, 3);
    EXPECT_EQ(crSeparator, m_w.Pixel(row2.left + 5, row2.bottom - 1));
    // Right of the last column and below the last row: properties colour 4.
    const COLORREF crBeyond = PropertyColor(grid(), 4);
    const CRect last = grid().GetCellWindowRect(5, 3);
    EXPECT_TRUE(m_w.AllPixels(CRect(last.right, 0, last.right + 20, last.bottom), crBeyond));
    EXPECT_TRUE(m_w.AllPixels(CRect(0, last.bottom, last.right, last.bottom + 20), crBeyond));
}

TEST_F(GridPaint, FrozenRowsStayWhileTheRestScrolls)
{
    grid().SetFrozenRows(1);
    CGXStyle blue;
    blue.SetInterior(RGB(0, 0, 200));
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), blue);
    CGXStyle yellow;
    yellow.SetInterior(RGB(255, 255, 0));
    grid().SetStyleRange(CGXRange(10, 1, 10, 1), yellow);
    grid().SetTopRow(10, GX_UPDATENOW);
    EXPECT_EQ(10u, grid().GetTopRow());
    m_w.Capture();
    const CRect frozen = grid().GetCellWindowRect(1, 1);
    const CRect top = grid().GetCellWindowRect(10, 1);
    EXPECT_EQ(frozen.bottom, top.top);
    EXPECT_TRUE(m_w.AllPixels(Inside(frozen), RGB(0, 0, 200)));
    EXPECT_TRUE(m_w.AllPixels(Inside(top), RGB(255, 255, 0)));
}

TEST_F(GridPaint, SelectedCellsAreInvertedAndTheCurrentCellFramed)
{
    grid().GetParam()->m_selRects.AddRange(CGXRange(2, 1, 3, 2));
    m_w.Capture();
    const COLORREF crInverted = ~StandardInterior(grid()) & 0xFFFFFF;
    EXPECT_TRUE(m_w.AllPixels(Inside(grid().GetCellWindowRect(3, 2)), crInverted));
    EXPECT_TRUE(m_w.AllPixels(Inside(grid().GetCellWindowRect(4, 2)), StandardInterior(grid())));
    // The current cell inside the selection keeps its middle and gets an inverted frame.
    grid().SetCurrentCell(2, 1);
    m_w.Capture();
    const CRect cur = grid().GetCellWindowRect(2, 1);
    EXPECT_TRUE(m_w.AllPixels(CRect(cur.left + 4, cur.top + 4, cur.left + 8, cur.bottom - 4),
                              StandardInterior(grid())));
    EXPECT_EQ(crInverted, m_w.Pixel(cur.left, cur.top + 8));
    grid().GetParam()->m_selRects.DeleteAreas();
}

TEST_F(GridPaint, PaintModeOneDrawsTheSameThroughAnOffscreenBitmap)
{
    CGXStyle red;
    red.SetInterior(RGB(255, 0, 0));
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), red);
    grid().SetPaintMode(1);
    m_w.Capture();
    const CRect cell = grid().GetCellWindowRect(2, 2);
    EXPECT_TRUE(m_w.AllPixels(Inside(cell), RGB(255, 0, 0)));
    EXPECT_EQ(PropertyColor(grid(), 0), m_w.Pixel(cell.right - 1, cell.top + 5));
    grid().SetPaintMode(0);
}
