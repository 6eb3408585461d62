// The spreadsheet-like selection frame on a grid window: drawn around the last selected
// range when the grid paints (its fill handle at the corner the range's kind asks for),
// split at frozen rows without a top edge in the lower pane, erased by drawing it again,
// and locked without drawing.
#include "ControlTestSupport.h"
#include "features/GXGridExcelLikeFrameImp.h"
#include <gtest/gtest.h>

#include <algorithm>

namespace {
class SelectionFrame : public ::testing::Test
{
protected:
    SelectionFrame() : m_w((GXTestStartLibrary(), 60), 8, 640, 480)
    {
        grid().GetParam()->m_bSelectionFrame = TRUE;
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void Select(const CGXRange& range)
    {
        CGXRangeList& sel = grid().GetParam()->m_selRects;
        sel.DeleteAreas();
        sel.AddRange(range);
        grid().Invalidate();
        grid().UpdateWindow();
    }
    BOOL HasPiece(const CRect& rc)
    {
        const std::vector<CRect>& pieces = grid().m_selFrameRects;
        return std::find(pieces.begin(), pieces.end(), rc) != pieces.end();
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(SelectionFrame, TheHandleSitsWhereTheRangesKindPutsIt)
{
    ASSERT_NE(grid().ExcelLikeFrameImp(), nullptr);
    struct Case
    {
        const char* pszWhat;
        CGXRange range;
        int nHandle;
    };
    CGXRange rows, cols;
    rows.SetRows(5, 6);
    cols.SetCols(3, 4);
    const Case cases[] = {{"a cell block", CGXRange(2, 2, 4, 3), 0},
                          {"whole columns", cols, 7},
                          {"whole rows", rows, 2}};
    for (const Case& c : cases) {
        Select(c.range);
        ASSERT_TRUE(grid().m_bSelFrameVisible) << c.pszWhat;
        EXPECT_EQ(grid().m_nSelFrameHandle, c.nHandle) << c.pszWhat;
        const CGXRange& f = grid().m_rgSelFrame;
        const CRect rc = grid().GetRangeWindowRect(f.top, f.left, f.bottom, f.right);
        switch (c.nHandle) {
        case 0:
            EXPECT_TRUE(HasPiece(CRect(rc.right + 2, rc.bottom + 2, rc.right + 3, rc.bottom + 3)))
                << c.pszWhat;
            break;
        case 7:
            EXPECT_EQ(f.top, 1u) << "whole columns are framed from the first row";
            EXPECT_TRUE(HasPiece(CRect(rc.right + 2, rc.top + 1, rc.right + 3, rc.top + 2)))
                << c.pszWhat;
            break;
        default:
            EXPECT_EQ(f.left, 1u);
            EXPECT_TRUE(HasPiece(CRect(rc.left + 1, rc.bottom + 2, rc.left + 2, rc.bottom + 3)))
                << c.pszWhat;
            break;
        }
    }
}

TEST_F(SelectionFrame, ItIsDrawnOverThePaintedCellsAndErasedByDrawingItAgain)
{
    m_w.Capture();
    const CRect rc = grid().GetRangeWindowRect(2, 2, 4, 3);
    const CPoint ptEdge(rc.right + 1, (rc.top + rc.bottom) / 2);
    const CPoint ptAway(rc.right + 20, (rc.top + rc.bottom) / 2);
    const COLORREF crBefore = m_w.Pixel(ptEdge.x, ptEdge.y);

    grid().GetParam()->m_selRects.AddRange(CGXRange(2, 2, 4, 3));
    m_w.Capture();
    EXPECT_NE(m_w.Pixel(ptEdge.x, ptEdge.y), crBefore) << "the right edge is inverted";
    EXPECT_EQ(m_w.Pixel(ptAway.x, ptAway.y), crBefore);

    grid().ToggleSelectionFrame(FALSE);
    EXPECT_FALSE(grid().m_bSelFrameVisible);
    EXPECT_TRUE(grid().m_selFrameRects.empty());
    CClientDC dc(&grid());
    EXPECT_EQ(dc.GetPixel(ptEdge.x, ptEdge.y) & 0xFFFFFF, crBefore) << "drawn again: gone";

    // Switched off, the grid paints no frame.
    grid().GetParam()->m_bSelectionFrame = FALSE;
    m_w.Capture();
    EXPECT_EQ(m_w.Pixel(ptEdge.x, ptEdge.y), crBefore);
    EXPECT_FALSE(grid().m_bSelFrameVisible);
}

TEST_F(SelectionFrame, ABlockAcrossFrozenRowsHasNoTopEdgeInTheLowerPane)
{
    ASSERT_TRUE(grid().SetFrozenRows(3, 0));
    grid().SetTopRow(10);
    Select(CGXRange(2, 2, 12, 3));
    ASSERT_TRUE(grid().m_bSelFrameVisible);
    const CRect rcUpper = grid().GetRangeWindowRect(2, 2, 3, 3);
    const CRect rcLower = grid().GetRangeWindowRect(10, 2, 12, 3);
    ASSERT_LE(rcUpper.bottom, rcLower.top);
    int nTopEdges = 0, nLowerPieces = 0;
    for (const CRect& piece : grid().m_selFrameRects) {
        if (piece.Height() == 1 && piece.Width() == rcUpper.Width() + 3)
            ++nTopEdges;
        if (piece.top >= rcLower.top)
            ++nLowerPieces;
        EXPECT_FALSE(piece.top == rcLower.top - 1 && piece.Height() == 1)
            << "no top edge over the lower pane";
    }
    EXPECT_EQ(nTopEdges, 1) << "one top edge, in the frozen pane";
    EXPECT_GT(nLowerPieces, 0) << "the block goes on in the scrolling pane";
    EXPECT_TRUE(HasPiece(CRect(rcUpper.left - 1, rcUpper.top - 1, rcUpper.right + 2, rcUpper.top)));
}

TEST_F(SelectionFrame, LockingTwiceAnswersTrueAndDrawsNothing)
{
    Select(CGXRange(2, 2, 3, 3));
    ASSERT_TRUE(grid().m_bSelFrameVisible);
    EXPECT_FALSE(grid().LockSelectionFrame(TRUE, FALSE));
    EXPECT_FALSE(grid().m_bSelFrameVisible) << "locking erases it";
    EXPECT_TRUE(grid().LockSelectionFrame(TRUE, FALSE));
    Select(CGXRange(5, 2, 6, 3));
    EXPECT_FALSE(grid().m_bSelFrameVisible) << "a locked frame is not drawn";
    EXPECT_TRUE(grid().LockSelectionFrame(FALSE, FALSE));
    EXPECT_TRUE(grid().m_bSelFrameVisible) << "unlocked, it follows the selection";
    EXPECT_EQ(grid().m_rgSelFrame.top, 5u);
    {
        CGXSelectionFrameLock lock(&grid());
        EXPECT_FALSE(grid().m_bSelFrameVisible);
    }
    EXPECT_TRUE(grid().m_bSelFrameVisible);
}
