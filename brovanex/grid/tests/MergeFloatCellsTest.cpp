// Merged and floating cells in a grid window: worked out from the cells' styles (at once
// or just before drawing), drawn over the cells they span, hit as one cell, worked out
// again after edits and structure changes, and evaluated only where the window shows.
#include "ControlTestSupport.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMergeCellsImp.h"
#include <gtest/gtest.h>

namespace {
const COLORREF kBlue = RGB(0, 0, 255);

class SpanGrid : public ::testing::Test
{
protected:
    SpanGrid() : m_w((GXTestStartLibrary(), 1000), 10)
    {
        GXImplementCoveredCells(&grid());
        GXImplementMergeCells(&grid());
        GXImplementFloatCells(&grid());
        grid().SetRowHeight(0, 30, 20);
        grid().SetColWidth(0, 10, 50);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXRange Merged(ROWCOL nRow, ROWCOL nCol, int nDirection = -1)
    {
        CGXRange range;
        return grid().GetMergeBlock(nRow, nCol, range, nDirection) != nullptr ? range : CGXRange();
    }
    CGXRange Floated(ROWCOL nRow, ROWCOL nCol)
    {
        CGXRange range;
        return grid().GetFloatBlock(nRow, nCol, range) != nullptr ? range : CGXRange();
    }
    void Put(ROWCOL nRow, ROWCOL nCol, ROWCOL nToCol, LPCTSTR pszValue, int nMerge,
             COLORREF crInterior = kBlue)
    {
        CGXStyle style;
        style.SetValue(pszValue).SetInterior(crInterior);
        if (nMerge >= 0)
            style.SetMergeCell(nMerge);
        grid().SetStyleRange(CGXRange(nRow, nCol, nRow, nToCol), style);
    }
    COLORREF LineColour() { return GXResolveColor(grid().GetProperties()->GetColor(0)) & 0xFFFFFF; }
    BOOL Inked(const CRect& rect, COLORREF crBack)
    {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (m_w.Pixel(x, y) != (crBack & 0xFFFFFF))
                    return TRUE;
        return FALSE;
    }
    CGridTestWindow m_w;
};
} // namespace

class MergedCells : public SpanGrid, public ::testing::WithParamInterface<WORD>
{ };

TEST_P(MergedCells, EqualNeighboursDrawAndHitAsOneBlockAndSplitAfterAnEdit)
{
    grid().SetMergeCellsMode(GetParam());
    Put(2, 2, 4, "A", gxMergeHorizontal);
    Put(2, 5, 5, "B", gxMergeHorizontal);
    Put(3, 2, 4, "A", -1); // equal, but not allowed to merge
    m_w.Capture();
    EXPECT_EQ(CGXRange(2, 2, 2, 4), Merged(2, 3));
    EXPECT_EQ(CGXRange(), Merged(2, 5));
    EXPECT_EQ(CGXRange(), Merged(3, 3));

    // One block on screen: no grid line between its cells, the line at its right edge.
    const CRect block = grid().GetRangeWindowRect(2, 2, 2, 4);
    const CRect first = grid().GetCellWindowRect(2, 2);
    EXPECT_TRUE(
        m_w.AllPixels(CRect(first.right - 1, block.top + 2, first.right, block.bottom - 2), kBlue));
    EXPECT_EQ(LineColour(), m_w.Pixel(block.right - 1, block.top + 5));
    const CRect split = grid().GetCellWindowRect(3, 2);
    EXPECT_EQ(LineColour(), m_w.Pixel(split.right - 1, split.top + 5));
    // The text is laid out once over the whole block: centred text marks its middle cell.
    // A click anywhere in it hits its first cell over the block's rectangle.
    ROWCOL nRow = 0, nCol = 0;
    CRect rectHit;
    EXPECT_EQ(
        gxHitCell,
        grid().HitTestPoint(grid().GetCellWindowRect(2, 4).CenterPoint(), &nRow, &nCol, &rectHit));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
    EXPECT_EQ(block, rectHit);

    // Changing the middle cell splits the block at the next evaluation.
    grid().SetValueRange(CGXRange(2, 3, 2, 3), "X");
    m_w.Capture();
    EXPECT_EQ(CGXRange(), Merged(2, 2));
    EXPECT_EQ(CGXRange(), Merged(2, 4));
    EXPECT_EQ(LineColour(), m_w.Pixel(first.right - 1, first.top + 5));
    // And putting it back joins the three again.
    grid().SetValueRange(CGXRange(2, 3, 2, 3), "A");
    m_w.Capture();
    EXPECT_EQ(CGXRange(2, 2, 2, 4), Merged(2, 2));
    EXPECT_TRUE(
        m_w.AllPixels(CRect(first.right - 1, block.top + 2, first.right, block.bottom - 2), kBlue));
}

TEST_P(MergedCells, DirectionsModeBitsValuesOnlyAndCoveredCells)
{
    grid().SetMergeCellsMode(GetParam());
    for (ROWCOL r = 5; r <= 7; ++r)
        Put(r, 1, 1, "V", gxMergeVertical);
    Put(5, 3, 4, "H", gxMergeHorizontal | gxMergeVertical);
    // Equal text in other colours: joined only when both compare values only.
    Put(9, 1, 1, "T", gxMergeHorizontal | gxMergeValuesOnly, RGB(255, 0, 0));
    Put(9, 2, 2, "T", gxMergeHorizontal | gxMergeValuesOnly, RGB(0, 255, 0));
    Put(10, 1, 1, "T", gxMergeHorizontal, RGB(255, 0, 0));
    Put(10, 2, 2, "T", gxMergeHorizontal, RGB(0, 255, 0));
    // A covered range's cells never merge.
    Put(12, 1, 3, "C", gxMergeHorizontal);
    ASSERT_TRUE(grid().SetCoveredCells(12, 2, 13, 2));
    m_w.Capture();
    EXPECT_EQ(CGXRange(5, 1, 7, 1), Merged(6, 1));
    EXPECT_EQ(CGXRange(), Merged(6, 1, 0));
    EXPECT_EQ(CGXRange(5, 3, 5, 4), Merged(5, 4));
    EXPECT_EQ(CGXRange(9, 1, 9, 2), Merged(9, 1));
    EXPECT_EQ(CGXRange(), Merged(10, 1));
    EXPECT_EQ(CGXRange(), Merged(12, 1));
    EXPECT_EQ(CGXRange(), Merged(12, 3));

    // No horizontal merging: the vertical block stays, the horizontal ones go.
    grid().SetMergeCellsMode((WORD)(GetParam() | gxMergeNoHorizontal));
    m_w.Capture();
    EXPECT_EQ(CGXRange(5, 1, 7, 1), Merged(5, 1));
    EXPECT_EQ(CGXRange(), Merged(5, 3));
    EXPECT_EQ(CGXRange(), Merged(9, 1));
    // Off: nothing merges and nothing is drawn merged.
    grid().SetMergeCellsMode(gxMergeOff);
    m_w.Capture();
    EXPECT_EQ(CGXRange(), Merged(5, 1));
}

TEST_P(MergedCells, BlocksFollowInsertedAndRemovedColumns)
{
    grid().SetMergeCellsMode(GetParam());
    Put(2, 2, 4, "A", gxMergeHorizontal);
    m_w.Capture();
    ASSERT_EQ(CGXRange(2, 2, 2, 4), Merged(2, 2));
    ASSERT_TRUE(grid().InsertCols(1, 2));
    m_w.Capture();
    EXPECT_EQ(CGXRange(2, 4, 2, 6), Merged(2, 5));
    EXPECT_EQ(CGXRange(), Merged(2, 2));
    ASSERT_TRUE(grid().RemoveCols(5, 5));
    m_w.Capture();
    EXPECT_EQ(CGXRange(2, 4, 2, 5), Merged(2, 5));
    EXPECT_EQ(CGXRange(), Merged(2, 6));
}

TEST_P(MergedCells, RangesGrowByTheBlocksReachingIntoThemAlongRowsThenDownColumns)
{
    grid().SetMergeCellsMode(GetParam());
    for (ROWCOL r = 5; r <= 7; ++r)
        Put(r, 1, 1, "V", gxMergeVertical);
    Put(2, 2, 4, "A", gxMergeHorizontal);
    m_w.Capture();
    const struct
    {
        CGXRange range, grown;
    } cases[] = {
        {CGXRange(6, 1, 6, 1), CGXRange(5, 1, 7, 1)}, // down a column
        {CGXRange(2, 3, 2, 3), CGXRange(2, 2, 2, 4)}, // along a row
        {CGXRange(2, 1, 6, 3), CGXRange(2, 1, 7, 4)}, // both, the range's corners apart
        {CGXRange(8, 5, 9, 6), CGXRange(8, 5, 9, 6)}, // no block
    };
    for (const auto& c : cases) {
        CGXRange range = c.range;
        grid().GrowRangeByMerge(range);
        EXPECT_EQ(c.grown, range) << c.range.top << "," << c.range.left;
        CGXRange result;
        EXPECT_EQ(!(c.grown == c.range), grid().QueryMergeRange(c.range, result));
        EXPECT_EQ(c.grown, result);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, MergedCells,
                         ::testing::Values((WORD)gxMergeDelayed, (WORD)gxMergeImmediate));

class FloatingCells : public SpanGrid, public ::testing::WithParamInterface<WORD>
{ };

TEST_P(FloatingCells, LongTextFloatsOverEmptyNeighboursUntilOneIsTypedInto)
{
    grid().SetFloatCellsMode(GetParam());
    const CString strLong('W', 24);
    CGXStyle text;
    text.SetValue(strLong);
    grid().SetStyleRange(CGXRange(3, 2, 3, 2), text);
    m_w.Capture();
    const CGXRange block = Floated(3, 3);
    ASSERT_EQ(2u, block.left) << "the text does not float";
    // The block is as wide as the text needs: its columns but the last are too narrow.
    CClientDC dc(&grid());
    CFont* pOld = grid().SelectStyleFont(&dc, grid().GetStandardStyle());
    const int cxText = dc.GetTextExtent(strLong).cx;
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    EXPECT_GE(grid().GetRangeWindowRect(3, 2, 3, block.right).Width(), cxText);
    EXPECT_LT(grid().GetRangeWindowRect(3, 2, 3, block.right - 1).Width(), cxText);
    EXPECT_EQ(block, Floated(3, block.right));
    // The text is drawn on across the flooded cells.
    const COLORREF crBack = grid().GetStandardStyle().GetInterior().GetColorNA();
    const CRect flooded = grid().GetCellWindowRect(3, 3);
    EXPECT_TRUE(
        Inked(CRect(flooded.left, flooded.top + 2, flooded.right - 1, flooded.bottom - 2), crBack));

    // Typing into a flooded cell cuts the block back before it.
    grid().SetValueRange(CGXRange(3, 4, 3, 4), "x");
    m_w.Capture();
    EXPECT_EQ(CGXRange(3, 2, 3, 3), Floated(3, 2));
    EXPECT_EQ(CGXRange(), Floated(3, 4));
    // Emptying the long cell frees every flooded cell.
    grid().SetValueRange(CGXRange(3, 2, 3, 2), "");
    m_w.Capture();
    EXPECT_EQ(CGXRange(), Floated(3, 3));
    EXPECT_FALSE(
        Inked(CRect(flooded.left, flooded.top + 2, flooded.right - 1, flooded.bottom - 2), crBack));
}

TEST_P(FloatingCells, TurnedCoveredAndMergedCellsNeitherFloatNorAreFlooded)
{
    grid().SetFloatCellsMode(GetParam());
    grid().SetMergeCellsMode(gxMergeImmediate);
    const CString strLong('W', 24);
    CGXStyle turned;
    CGXFont font;
    font.SetOrientation(900);
    turned.SetValue(strLong).SetFont(font);
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), turned);
    CGXStyle text;
    text.SetValue(strLong);
    grid().SetStyleRange(CGXRange(4, 2, 4, 2), text);
    ASSERT_TRUE(grid().SetCoveredCells(4, 3, 5, 3)); // the first neighbour is covered
    grid().SetStyleRange(CGXRange(6, 2, 6, 2), text);
    ASSERT_TRUE(grid().SetCoveredCells(6, 2, 6, 3)); // the long cell is covered itself
    grid().SetStyleRange(CGXRange(8, 2, 8, 2), text);
    Put(8, 3, 4, "", gxMergeHorizontal, RGB(255, 255, 255)); // empty but merged
    m_w.Capture();
    EXPECT_EQ(CGXRange(), Floated(2, 2));
    EXPECT_EQ(CGXRange(), Floated(4, 2));
    EXPECT_EQ(CGXRange(), Floated(6, 2));
    EXPECT_EQ(CGXRange(8, 3, 8, 4), Merged(8, 3));
    EXPECT_EQ(CGXRange(), Floated(8, 2));
}

TEST_P(FloatingCells, OnlyWhatTheWindowShowsIsWorkedOutWhenDelayed)
{
    grid().SetFloatCellsMode(GetParam());
    CGXStyle text;
    text.SetValue(CString('W', 24));
    grid().SetStyleRange(CGXRange(900, 2, 900, 2), text);
    m_w.Capture();
    if (GetParam() == 1)
        EXPECT_EQ(CGXRange(), Floated(900, 2)); // far below the window: still pending
    else
        EXPECT_EQ(2u, Floated(900, 2).left);
    grid().SetTopRow(895);
    m_w.Capture();
    EXPECT_EQ(2u, Floated(900, 3).left);
    // Rows inserted above move the block down with its row.
    ASSERT_TRUE(grid().InsertRows(1, 2));
    m_w.Capture();
    EXPECT_EQ(2u, Floated(902, 3).left);
    EXPECT_EQ(CGXRange(), Floated(900, 3));
}

INSTANTIATE_TEST_SUITE_P(Modes, FloatingCells, ::testing::Values((WORD)1, (WORD)2));
