// Moving rows and columns: the block lands where asked with its cells, sizes, selection and
// current cell; bad bounds change nothing; undo moves the block back.
#include "GridTestWindow.h"
#include "features/GXCommandFactory.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMoveRowsColsImp.h"
#include <gtest/gtest.h>

namespace {
// Column 1 of row r holds "r"; row r has height 10 + r.
void FillRows(CGXGridCore& grid, ROWCOL nRows)
{
    grid.SetBaseUnits(10, 10);
    for (ROWCOL r = 1; r <= nRows; ++r) {
        CString s;
        s.Format("%lu", r);
        grid.SetValueRange(CGXRange(r, 1, r, 1), s);
        grid.SetRowHeight(r, r, (int)(10 + r));
    }
}

CString Order(CGXGridCore& grid)
{
    CString s;
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
        s += grid.GetStoredCellValueText(r, 1) + (r < grid.GetRowCount() ? "," : "");
    return s;
}
} // namespace

TEST(GridMoveRows, TheBlockLandsAtTheDestinationAndUndoMovesItBack)
{
    CGridTestWindow w(7, 2);
    CGXGridWnd& grid = w.Grid();
    GXImplementMoveRowsCols(&grid);
    FillRows(grid, 7);
    GXImplementUndoRedo(&grid);

    ASSERT_TRUE(grid.MoveRows(2, 3, 5));
    EXPECT_STREQ("1,4,5,6,2,3,7", Order(grid));
    // Heights travel with their rows.
    EXPECT_EQ(12, grid.GetRowPixelHeight(5));
    EXPECT_EQ(13, grid.GetRowPixelHeight(6));
    EXPECT_EQ(14, grid.GetRowPixelHeight(2));

    // The undo step is one command moving rows 5 and 6 back to 2.
    CGXGridParam& param = *grid.GetParam();
    ASSERT_EQ(1, param.m_undoList.GetCount());
    auto* pBlock = dynamic_cast<CGXBlockCmd*>(param.m_undoList.GetHead());
    ASSERT_NE(pBlock, nullptr);
    ASSERT_EQ(1, pBlock->m_CmdList.GetCount());
    auto* pMove = dynamic_cast<CGXMoveRowsCmd*>(pBlock->m_CmdList.GetHead());
    ASSERT_NE(pMove, nullptr);
    EXPECT_EQ(5u, pMove->m_nFrom);
    EXPECT_EQ(6u, pMove->m_nTo);
    EXPECT_EQ(2u, pMove->m_nDest);

    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ("1,2,3,4,5,6,7", Order(grid));
    EXPECT_EQ(12, grid.GetRowPixelHeight(2));
}

TEST(GridMoveRows, TheCurrentCellAndTheSelectionFollowTheirRows)
{
    struct Case
    {
        ROWCOL nCurrent, nAfter;
    };
    const Case cases[] = {{3, 6}, {5, 3}, {7, 7}, {1, 1}, {2, 5}, {4, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nCurrent);
        CGridTestWindow w(7, 2);
        CGXGridWnd& grid = w.Grid();
        GXImplementMoveRowsCols(&grid);
        FillRows(grid, 7);
        ASSERT_TRUE(grid.SetCurrentCell(c.nCurrent, 1));
        grid.GetParam()->m_selRects.AddTail(new CGXRange(CGXRange().SetRows(2, 3)));
        ASSERT_TRUE(grid.MoveRows(2, 3, 5));
        ROWCOL nRow = 0, nCol = 0;
        ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(c.nAfter, nRow);
        EXPECT_EQ(1u, nCol);
        const CGXRange* pSel = static_cast<const CGXRange*>(grid.GetParam()->m_selRects.GetHead());
        EXPECT_EQ(5u, pSel->top);
        EXPECT_EQ(6u, pSel->bottom);
    }
}

TEST(GridMoveRows, BadBoundsAreRefusedAndChangeNothing)
{
    struct Case
    {
        ROWCOL nFrom, nTo, nDest;
    };
    // First after last, last past the count, row 0, a destination past the end or where the
    // block would not fit, the block onto itself.
    const Case cases[] = {{3, 2, 5}, {6, 8, 1}, {0, 2, 4}, {2, 3, 0},         {2, 3, 7},
                          {1, 7, 2}, {2, 3, 8}, {4, 4, 4}, {1, 1, 0xFFFFFFFF}};
    CGridTestWindow w(7, 2);
    CGXGridWnd& grid = w.Grid();
    GXImplementMoveRowsCols(&grid);
    FillRows(grid, 7);
    GXImplementUndoRedo(&grid);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nFrom << "-" << c.nTo << " to " << c.nDest);
        EXPECT_FALSE(grid.MoveRows(c.nFrom, c.nTo, c.nDest));
        EXPECT_FALSE(grid.MoveCols(c.nFrom, c.nTo, c.nDest));
        EXPECT_STREQ("1,2,3,4,5,6,7", Order(grid));
    }
    EXPECT_TRUE(grid.GetParam()->m_undoList.IsEmpty());
    // The last possible place is still allowed.
    EXPECT_TRUE(grid.MoveRows(1, 2, 6));
    EXPECT_STREQ("3,4,5,6,7,1,2", Order(grid));
}

TEST(GridMoveRows, ColumnsMoveWithTheirWidthsAndCells)
{
    CGridTestWindow w(2, 5);
    CGXGridWnd& grid = w.Grid();
    GXImplementMoveRowsCols(&grid);
    grid.SetBaseUnits(10, 10);
    for (ROWCOL c = 1; c <= 5; ++c) {
        CString s;
        s.Format("c%lu", c);
        grid.SetValueRange(CGXRange(1, c, 1, c), s);
        grid.SetColWidth(c, c, (int)(40 + c));
    }
    ASSERT_TRUE(grid.MoveCols(4, 5, 1));
    const char* expected[] = {"c4", "c5", "c1", "c2", "c3"};
    for (ROWCOL c = 1; c <= 5; ++c) {
        EXPECT_STREQ(expected[c - 1], grid.GetStoredCellValueText(1, c));
        EXPECT_EQ(40 + atoi(expected[c - 1] + 1), grid.GetColPixelWidth(c));
    }
}
