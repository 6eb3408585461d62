// Dragging the fill handle of a selected block with real mouse messages: the block's values
// repeat into the cells dragged over (an upward fill starts with the block's top row),
// dragging back inside clears the cells given up, whole styles go along with fill flags 2,
// one Undo takes the whole fill back, and whole rows or fill flags 0 offer no fill.
#include "ControlTestSupport.h"
#include "features/GXGridExcelLikeFillImp.h"
#include <gtest/gtest.h>

namespace {
class FillHandle : public ::testing::Test
{
protected:
    FillHandle() : m_w((GXTestStartLibrary(), 30), 6, 640, 480)
    {
        grid().GetParam()->m_bEnableFill = 1;
        grid().SetColWidth(1, 6, 80);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXGridExcelLikeFillImp* Fill()
    {
        return static_cast<CGXGridExcelLikeFillImp*>(grid().ExcelLikeFillImp());
    }
    void Send(UINT nMessage, CPoint pt, UINT nFlags = 0)
    {
        grid().SendMessage(nMessage, nFlags, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    }
    void Select(const CGXRange& range)
    {
        CGXRangeList& sel = grid().GetParam()->m_selRects;
        sel.DeleteAreas();
        sel.AddRange(range);
        grid().Invalidate();
        grid().UpdateWindow();
    }
    // The fill handle of a block: the bottom-right corner of its bottom-right cell.
    CPoint HandlePoint(const CGXRange& range)
    {
        const CRect rc = grid().CalcRectFromRowCol(range.bottom, range.right);
        return CPoint(rc.right - 2, rc.bottom - 2);
    }
    // A point in the upper (or lower) half of a cell.
    CPoint CellPoint(ROWCOL nRow, ROWCOL nCol, BOOL bLowerHalf = TRUE)
    {
        const CRect rc = grid().CalcRectFromRowCol(nRow, nCol);
        return CPoint(rc.CenterPoint().x, bLowerHalf ? rc.bottom - 3 : rc.top + 3);
    }
    void Drag(CPoint ptFrom, CPoint ptTo)
    {
        Send(WM_LBUTTONDOWN, ptFrom, MK_LBUTTON);
        Send(WM_MOUSEMOVE, ptTo, MK_LBUTTON);
        Send(WM_LBUTTONUP, ptTo);
    }
    void SetValues(ROWCOL nCol, ROWCOL nFirstRow, std::initializer_list<const char*> values)
    {
        ROWCOL r = nFirstRow;
        for (const char* psz : values) {
            grid().SetValueRange(CGXRange(r, nCol, r, nCol), psz);
            ++r;
        }
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return grid().GetValueRowCol(nRow, nCol); }

    CGridTestWindow m_w;
};
} // namespace

TEST_F(FillHandle, ADraggedHandleRepeatsTheBlockAndOneUndoTakesItBack)
{
    ASSERT_NE(Fill(), nullptr);
    SetValues(2, 3, {"x"});
    const CGXRange block(3, 2, 3, 2);
    Select(block);
    ASSERT_EQ(grid().HitTestPoint(HandlePoint(block)), gxHitFillHandle);

    Drag(HandlePoint(block), CellPoint(6, 2));
    for (ROWCOL r = 4; r <= 6; ++r)
        EXPECT_STREQ(Value(r, 2), "x") << "row " << r;
    EXPECT_STREQ(Value(7, 2), "");
    EXPECT_FALSE(Fill()->IsFilling());
    const CGXRangeList& sel = grid().GetParam()->m_selRects;
    ASSERT_EQ(sel.GetCount(), 1);
    EXPECT_TRUE(*sel.GetRangeAt(sel.GetHeadPosition()) == CGXRange(3, 2, 6, 2))
        << "the filled block is selected";

    ASSERT_TRUE(grid().Undo());
    for (ROWCOL r = 4; r <= 6; ++r)
        EXPECT_STREQ(Value(r, 2), "") << "one undo step: row " << r;
    EXPECT_STREQ(Value(3, 2), "x");
}

TEST_F(FillHandle, AnUpwardFillStartsWithTheBlocksTopRow)
{
    SetValues(2, 5, {"a", "b"});
    const CGXRange block(5, 2, 6, 2);
    Select(block);
    Drag(HandlePoint(block), CellPoint(2, 2, FALSE));
    EXPECT_STREQ(Value(2, 2), "a");
    EXPECT_STREQ(Value(3, 2), "b");
    EXPECT_STREQ(Value(4, 2), "a");
    EXPECT_STREQ(Value(1, 2), "");
    EXPECT_STREQ(Value(5, 2), "a") << "the block itself stays";
    EXPECT_STREQ(Value(6, 2), "b");
}

TEST_F(FillHandle, DraggingBackIntoTheBlockClearsTheCellsGivenUp)
{
    SetValues(2, 3, {"1", "2", "3", "4"});
    const CGXRange block(3, 2, 6, 2);
    Select(block);
    Drag(HandlePoint(block), CellPoint(4, 2));
    EXPECT_STREQ(Value(3, 2), "1");
    EXPECT_STREQ(Value(4, 2), "2");
    EXPECT_STREQ(Value(5, 2), "");
    EXPECT_STREQ(Value(6, 2), "");
}

TEST_F(FillHandle, WithFlagsTwoWholeStylesFillToTheRight)
{
    grid().GetParam()->m_bEnableFill = 2;
    grid().SetStyleRange(CGXRange(3, 2, 3, 2),
                         CGXStyle().SetValue("s").SetInterior(RGB(255, 0, 0)));
    const CGXRange block(3, 2, 3, 2);
    Select(block);
    const CRect rc = grid().CalcRectFromRowCol(3, 4);
    Drag(HandlePoint(block), CPoint(rc.right - 5, rc.CenterPoint().y));
    for (ROWCOL c = 3; c <= 4; ++c) {
        CGXStyle style;
        ASSERT_TRUE(grid().GetStyleRowCol(3, c, style)) << "column " << c;
        EXPECT_STREQ(style.GetValue(), "s");
        EXPECT_TRUE(style.GetInclude(gxInterior)) << "the interior came along";
    }
    EXPECT_STREQ(Value(3, 5), "");
}

TEST_F(FillHandle, WholeRowsAndFlagsZeroOfferNoFill)
{
    SetValues(2, 3, {"x"});
    CGXRange rows;
    rows.SetRows(3);
    Select(rows);
    const CRect rc = grid().CalcRectFromRowCol(3, 2);
    Drag(CPoint(rc.right - 2, rc.bottom - 2), CellPoint(6, 2));
    EXPECT_FALSE(Fill()->IsFilling());
    EXPECT_STREQ(Value(4, 2), "");

    grid().GetParam()->m_bEnableFill = 0;
    const CGXRange block(3, 2, 3, 2);
    Select(block);
    EXPECT_NE(grid().HitTestPoint(HandlePoint(block)), gxHitFillHandle);
    Drag(HandlePoint(block), CellPoint(6, 2));
    EXPECT_STREQ(Value(4, 2), "");
    EXPECT_STREQ(Value(6, 2), "");
}
