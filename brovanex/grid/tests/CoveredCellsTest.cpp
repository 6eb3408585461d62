// Covered cells in a grid window: stored, refused, hit-tested and drawn as one cell, and
// kept in step when rows are removed.
#include "ControlTestSupport.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

class CoveredCells : public ::testing::Test
{
protected:
    CoveredCells() : m_w((GXTestStartLibrary(), 20), 10)
    {
        GXImplementCoveredCells(&grid());
        grid().SetBaseUnits(10, 10);
        grid().SetRowHeight(0, 20, 20);
        grid().SetColWidth(0, 10, 50);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXRange Block(ROWCOL nRow, ROWCOL nCol)
    {
        CGXRange range;
        return grid().GetCoveredBlock(nRow, nCol, range) != nullptr ? range : CGXRange();
    }
    CGridTestWindow m_w;
};

TEST_F(CoveredCells, CoveredRangeAnswersAsOneCell)
{
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 4, 4));
    EXPECT_EQ(CGXRange(2, 2, 4, 4), Block(4, 3));
    EXPECT_EQ(CGXRange(), Block(5, 3));
    const CRect whole = grid().GetRangeWindowRect(2, 2, 4, 4);
    EXPECT_EQ(whole, grid().GetSpannedCellRect(3, 3));
    // A point in the middle cell hits the top-left cell over the whole range.
    const CRect middle = grid().GetCellWindowRect(3, 3);
    ROWCOL nRow = 0, nCol = 0;
    CRect rectHit;
    EXPECT_EQ(gxHitCell, grid().HitTestPoint(middle.CenterPoint(), &nRow, &nCol, &rectHit));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
    EXPECT_EQ(whole, rectHit);
    // A range around it grows to hold it whole.
    CGXRange grown(3, 1, 3, 2);
    grid().GrowRangeByCovered(grown);
    EXPECT_EQ(CGXRange(2, 1, 4, 4), grown);
}

TEST_F(CoveredCells, OverlapsAndShrinkingAreRefusedRemovalFreesTheCells)
{
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 5, 5));
    EXPECT_FALSE(grid().SetCoveredCells(4, 4, 7, 7)); // overlaps
    EXPECT_FALSE(grid().SetCoveredCells(1, 1, 3, 3)); // overlaps from outside
    EXPECT_FALSE(grid().SetCoveredCells(3, 3, 3, 3)); // not a top-left cell
    EXPECT_FALSE(grid().SetCoveredCells(2, 2, 4, 4)); // shrinking
    EXPECT_TRUE(grid().SetCoveredCells(2, 2, 6, 6)); // growing
    EXPECT_EQ(CGXRange(2, 2, 6, 6), Block(6, 6));
    EXPECT_FALSE(grid().SetCoveredCells(2, 2, 30, 3)); // beyond the rows
    EXPECT_FALSE(grid().SetCoveredCells(2, 2, 0x7FFFFFFF, 3));
    // Covering the top-left cell alone removes the range; it can then be covered smaller.
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 2, 2));
    EXPECT_EQ(CGXRange(), Block(4, 4));
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 4, 4));
    EXPECT_EQ(CGXRange(), Block(5, 5));
    EXPECT_EQ(1, (int)grid().GetParam()->m_coveredCells.GetCount());
}

TEST_F(CoveredCells, RemovedRowsCutOrDropTheRangesThatReachThem)
{
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 4, 3)); // loses rows 3 and 4
    ASSERT_TRUE(grid().SetCoveredCells(2, 5, 4, 5)); // becomes one cell: gone
    ASSERT_TRUE(grid().SetCoveredCells(3, 7, 5, 8)); // starts in the removed rows: gone
    ASSERT_TRUE(grid().SetCoveredCells(1, 9, 6, 10)); // reaches over them: kept
    ASSERT_TRUE(grid().RemoveRows(3, 4));
    EXPECT_EQ(CGXRange(2, 2, 2, 3), Block(2, 3));
    EXPECT_EQ(CGXRange(), Block(2, 5));
    EXPECT_EQ(CGXRange(), Block(3, 7));
    EXPECT_EQ(CGXRange(1, 9, 4, 10), Block(4, 9)); // the list follows the removal
    EXPECT_EQ(2, (int)grid().GetParam()->m_coveredCells.GetCount());
}

TEST_F(CoveredCells, DrawnOverTheCellsTheyCover)
{
    CGXStyle blue, green;
    blue.SetInterior(RGB(0, 0, 255));
    green.SetInterior(RGB(0, 255, 0));
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), blue);
    grid().SetStyleRange(CGXRange(3, 3, 3, 3), green); // hidden under the range
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 3, 4));
    m_w.Capture();
    const CRect whole = grid().GetRangeWindowRect(2, 2, 3, 4);
    // Everything inside the range but its outer grid lines is the top-left interior: the
    // covered cell's own colour and the grid lines between the cells are gone.
    EXPECT_TRUE(m_w.AllPixels(
        CRect(whole.left + 1, whole.top + 1, whole.right - 1, whole.bottom - 1), RGB(0, 0, 255)));
    const COLORREF crLine = GXResolveColor(grid().GetProperties()->GetColor(0)) & 0xFFFFFF;
    EXPECT_EQ(crLine, m_w.Pixel(whole.right - 1, whole.top + 5));
    EXPECT_EQ(crLine, m_w.Pixel(whole.left + 5, whole.bottom - 1));
    // Removing the range shows the cells again.
    ASSERT_TRUE(grid().SetCoveredCells(2, 2, 2, 2));
    m_w.Capture();
    const CRect cell = grid().GetCellWindowRect(3, 3);
    EXPECT_EQ(RGB(0, 255, 0), m_w.Pixel(cell.left + 5, cell.top + 5));
}

TEST_F(CoveredCells, TextIsLaidOutOverTheWholeRangeWhenPartlyScrolledAway)
{
    // A centred text in a range of two rows: with its first row scrolled off, the text
    // stays where the whole range would put it (on the boundary between the rows), so the
    // visible row shows its upper part at its top edge.
    CGXStyle text;
    text.SetValue("XXXXXXXX").SetVerticalAlignment(DT_VCENTER).SetHorizontalAlignment(DT_CENTER);
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), text);
    ASSERT_TRUE(grid().SetCoveredCells(2, 1, 3, 1));
    grid().SetTopRow(3);
    m_w.Capture();
    const CRect cell = grid().GetCellWindowRect(3, 1);
    const COLORREF crBack = grid().GetStandardStyle().GetInterior().GetColorNA() & 0xFFFFFF;
    BOOL bTopInked = FALSE, bBottomInked = FALSE;
    for (int x = cell.left + 1; x < cell.right - 1; ++x) {
        bTopInked |= m_w.Pixel(x, cell.top + 1) != crBack;
        bBottomInked |= m_w.Pixel(x, cell.bottom - 3) != crBack;
    }
    EXPECT_TRUE(bTopInked);
    EXPECT_FALSE(bBottomInked);
}
