// Freezing the selected rows or columns: the band moves behind the headers and is frozen;
// unfreezing moves it back, also after the grid lost rows or columns meanwhile.
#include "GridTestWindow.h"
#include "features/GXCommandFactory.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMoveRowsColsImp.h"
#include <gtest/gtest.h>

namespace {
class FreezeGrid
{
public:
    FreezeGrid(ROWCOL nRows, ROWCOL nCols) : m_window(nRows, nCols)
    {
        CGXGridWnd& grid = Grid();
        GXImplementMoveRowsCols(&grid);
        GXImplementFreezeMenuHelper(&grid);
        GXImplementUndoRedo(&grid);
        for (ROWCOL r = 1; r <= nRows; ++r)
            for (ROWCOL c = 1; c <= nCols; ++c) {
                CString s;
                s.Format("%lu:%lu", r, c);
                grid.SetValueRange(CGXRange(r, c, r, c), s);
            }
        grid.GetParam()->m_undoList.RemoveAll();
    }
    CGXGridWnd& Grid() { return m_window.Grid(); }
    void Select(const CGXRange& range)
    {
        Grid().GetParam()->m_selRects.AddTail(new CGXRange(range));
    }
    CString Row1()
    {
        CString s;
        for (ROWCOL c = 1; c <= Grid().GetColCount(); ++c)
            s += Grid().GetStoredCellValueText(1, c) + " ";
        return s;
    }

private:
    CGridTestWindow m_window;
};
} // namespace

TEST(GridFreeze, SelectedColumnsMoveToTheFrontFrozenAndBack)
{
    FreezeGrid f(3, 6);
    CGXGridWnd& grid = f.Grid();
    f.Select(CGXRange().SetCols(4, 5));
    ASSERT_TRUE(grid.CanFreezeCols());
    grid.FreezeCols();
    EXPECT_STREQ("1:4 1:5 1:1 1:2 1:3 1:6 ", f.Row1());
    EXPECT_EQ(2u, grid.GetFrozenColCount());
    EXPECT_FALSE(grid.CanFreezeCols()); // frozen already
    EXPECT_EQ(1, grid.GetParam()->m_undoList.GetCount()); // one step

    ASSERT_TRUE(grid.CanUnfreezeCols());
    grid.UnfreezeCols();
    EXPECT_STREQ("1:1 1:2 1:3 1:4 1:5 1:6 ", f.Row1());
    EXPECT_EQ(0u, grid.GetFrozenColCount());

    // Undo of the unfreeze and then of the freeze.
    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ("1:4 1:5 1:1 1:2 1:3 1:6 ", f.Row1());
    EXPECT_EQ(2u, grid.GetFrozenColCount());
    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ("1:1 1:2 1:3 1:4 1:5 1:6 ", f.Row1());
    EXPECT_EQ(0u, grid.GetFrozenColCount());
}

TEST(GridFreeze, ABandAtTheFrontMovesNothingAndTwoBandsCannotFreeze)
{
    FreezeGrid f(6, 3);
    CGXGridWnd& grid = f.Grid();
    f.Select(CGXRange().SetRows(1, 2));
    grid.FreezeRows();
    EXPECT_EQ(2u, grid.GetFrozenRowCount());
    EXPECT_STREQ("1:1", grid.GetStoredCellValueText(1, 1));
    grid.UnfreezeRows();
    EXPECT_EQ(0u, grid.GetFrozenRowCount());

    f.Select(CGXRange().SetRows(2));
    f.Select(CGXRange().SetRows(4, 5));
    EXPECT_FALSE(grid.CanFreezeRows());
    grid.FreezeRows();
    EXPECT_EQ(0u, grid.GetFrozenRowCount());
}

TEST(GridFreeze, UnfreezingAfterRowsWereRemovedDoesNotMoveOutsideTheGrid)
{
    FreezeGrid f(8, 2);
    CGXGridWnd& grid = f.Grid();
    f.Select(CGXRange().SetRows(6, 7));
    grid.FreezeRows();
    ASSERT_EQ(2u, grid.GetFrozenRowCount());
    EXPECT_STREQ("6:1", grid.GetStoredCellValueText(1, 1));
    // The block came from rows 6-7; only five rows remain.
    ASSERT_TRUE(grid.RemoveRows(4, 6));
    grid.UnfreezeRows();
    EXPECT_EQ(0u, grid.GetFrozenRowCount());
    EXPECT_EQ(5u, grid.GetRowCount());
    EXPECT_STREQ("6:1", grid.GetStoredCellValueText(1, 1));
    EXPECT_STREQ("7:1", grid.GetStoredCellValueText(2, 1));
}
