// Inserting and removing rows and columns: the cells, their styles and the sizes move with
// them, the current cell follows, and removing past the count removes only what exists.
#include "GridTestWindow.h"
#include <gtest/gtest.h>

namespace {
// Row r, column c holds "r:c" and rows have height 10 + r.
void FillGrid(CGXGridCore& grid, ROWCOL nRows, ROWCOL nCols)
{
    grid.SetBaseUnits(10, 10); // step 100: heights read back exactly
    for (ROWCOL r = 1; r <= nRows; ++r) {
        grid.SetRowHeight(r, r, (int)(10 + r));
        for (ROWCOL c = 1; c <= nCols; ++c) {
            CString s;
            s.Format("%lu:%lu", r, c);
            grid.SetValueRange(CGXRange(r, c, r, c), s);
        }
    }
}

CString Cell(CGXGridCore& grid, ROWCOL r, ROWCOL c) { return grid.GetStoredCellValueText(r, c); }
} // namespace

TEST(GridStructure, InsertedRowsMoveCellsStylesAndHeightsDown)
{
    CGridTestWindow w(10, 4);
    CGXGridWnd& grid = w.Grid();
    FillGrid(grid, 10, 4);
    CGXStyle rowStyle;
    rowStyle.SetInterior(RGB(5, 6, 7));
    grid.StoreCellStyle(4, 0, &rowStyle, gxOverride, -1);
    grid.SetCurrentCell(5, 2);

    ASSERT_TRUE(grid.InsertRows(3, 2));
    EXPECT_EQ(12u, grid.GetRowCount());
    EXPECT_STREQ("2:1", Cell(grid, 2, 1));
    EXPECT_STREQ("", Cell(grid, 3, 1));
    EXPECT_STREQ("", Cell(grid, 4, 4));
    EXPECT_STREQ("3:1", Cell(grid, 5, 1));
    EXPECT_STREQ("10:4", Cell(grid, 12, 4));
    EXPECT_EQ(12, grid.GetRowPixelHeight(2));
    EXPECT_EQ(grid.GetDefaultRowPixelHeight(), grid.GetRowPixelHeight(3));
    EXPECT_EQ(13, grid.GetRowPixelHeight(5));
    EXPECT_EQ(20, grid.GetRowPixelHeight(12));
    CGXStyle moved;
    EXPECT_TRUE(grid.GetStyleRowCol(6, 0, moved, gxCopy, -1));
    EXPECT_EQ(RGB(5, 6, 7), moved.GetInterior().GetColor());
    ROWCOL nRow, nCol;
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(7u, nRow); // moved down with its row
    EXPECT_EQ(2u, nCol);
}

TEST(GridStructure, InsertedRowsTakeGivenHeightsAndStyles)
{
    CGridTestWindow w(3, 2);
    CGXGridWnd& grid = w.Grid();
    grid.SetBaseUnits(10, 10);
    const int anHeights[2] = {31, 32};
    CObArray cells, rows;
    for (int i = 0; i < 2 * 3; ++i) { // two rows of the row header and two columns
        CGXStyle* p = new CGXStyle;
        p->SetValue(CString('a' + i, 1));
        cells.Add(p);
    }
    CGXStyle* pRowStyle = new CGXStyle;
    pRowStyle->SetInterior(RGB(1, 2, 3));
    rows.Add(pRowStyle);
    rows.Add(nullptr);
    ASSERT_TRUE(grid.InsertRows(2, 2, anHeights, &cells, &rows, 3));
    EXPECT_EQ(31, grid.GetRowPixelHeight(2));
    EXPECT_EQ(32, grid.GetRowPixelHeight(3));
    EXPECT_STREQ("b", Cell(grid, 2, 1));
    EXPECT_STREQ("f", Cell(grid, 3, 2));
    CGXStyle style;
    EXPECT_TRUE(grid.GetStyleRowCol(2, 0, style, gxCopy, -1));
    EXPECT_EQ(RGB(1, 2, 3), style.GetInterior().GetColor());
    for (INT_PTR i = 0; i < cells.GetSize(); ++i)
        delete cells[i];
    delete pRowStyle;
}

TEST(GridStructure, RemovedRowsMoveTheRestUpAndClearTheCurrentCellInside)
{
    CGridTestWindow w(10, 3);
    CGXGridWnd& grid = w.Grid();
    FillGrid(grid, 10, 3);
    grid.SetCurrentCell(4, 1);
    ASSERT_TRUE(grid.RemoveRows(3, 5));
    EXPECT_EQ(7u, grid.GetRowCount());
    EXPECT_STREQ("2:3", Cell(grid, 2, 3));
    EXPECT_STREQ("6:1", Cell(grid, 3, 1));
    EXPECT_STREQ("10:3", Cell(grid, 7, 3));
    EXPECT_EQ(16, grid.GetRowPixelHeight(3));
    ROWCOL nRow, nCol;
    EXPECT_FALSE(grid.GetCurrentCell(nRow, nCol));

    grid.SetCurrentCell(6, 2);
    ASSERT_TRUE(grid.RemoveRows(1, 1));
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(5u, nRow);
}

TEST(GridStructure, RemovingPastTheCountRemovesOnlyTheRowsThatExist)
{
    CGridTestWindow w(20, 3);
    CGXGridWnd& grid = w.Grid();
    FillGrid(grid, 20, 3);
    ASSERT_TRUE(grid.RemoveRows(18, 30));
    EXPECT_EQ(17u, grid.GetRowCount());
    for (ROWCOL r = 1; r <= 17; ++r) {
        CString strExpected;
        strExpected.Format("%lu:2", r);
        EXPECT_STREQ(strExpected, Cell(grid, r, 2));
    }
    EXPECT_STREQ("17:3", Cell(grid, 17, 3));
    EXPECT_EQ(27, grid.GetRowPixelHeight(17));
    // A range that starts past the count removes nothing.
    EXPECT_FALSE(grid.RemoveRows(40, 50));
    EXPECT_EQ(17u, grid.GetRowCount());
    // Columns alike.
    ASSERT_TRUE(grid.RemoveCols(3, 9));
    EXPECT_EQ(2u, grid.GetColCount());
    EXPECT_STREQ("5:2", Cell(grid, 5, 2));
    // Changing the count to the same count does nothing.
    EXPECT_TRUE(grid.SetRowCount(17));
    EXPECT_EQ(17u, grid.GetRowCount());
}

TEST(GridStructure, InsertedAndRemovedColumnsKeepWidthsAndCells)
{
    CGridTestWindow w(3, 6);
    CGXGridWnd& grid = w.Grid();
    FillGrid(grid, 3, 6);
    for (ROWCOL c = 1; c <= 6; ++c)
        grid.SetColWidth(c, c, (int)(40 + c));
    ASSERT_TRUE(grid.InsertCols(2, 3));
    EXPECT_EQ(9u, grid.GetColCount());
    EXPECT_STREQ("1:1", Cell(grid, 1, 1));
    EXPECT_STREQ("1:2", Cell(grid, 1, 5));
    EXPECT_EQ(42, grid.GetColPixelWidth(5));
    EXPECT_EQ(grid.GetDefaultColPixelWidth(), grid.GetColPixelWidth(3));
    ASSERT_TRUE(grid.RemoveCols(2, 4));
    EXPECT_EQ(6u, grid.GetColCount());
    EXPECT_STREQ("2:2", Cell(grid, 2, 2));
    EXPECT_EQ(46, grid.GetColPixelWidth(6));
}

TEST(GridStructure, FrozenColumnsAndHeadersAreKeptWithinTheirCounts)
{
    CGridTestWindow w(10, 10);
    CGXGridWnd& grid = w.Grid();
    grid.SetFirstScrollCol(3);
    EXPECT_TRUE(grid.SetFrozenCols(4, 1));
    EXPECT_EQ(4u, grid.GetFrozenColCount());
    EXPECT_EQ(1u, grid.GetHeaderColCount());
    EXPECT_EQ(5u, grid.GetLeftCol());
    // A header count above the frozen count is cut to it.
    EXPECT_TRUE(grid.SetFrozenRows(1, 3));
    EXPECT_EQ(1u, grid.GetHeaderRowCount());
}
