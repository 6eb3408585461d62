// Dragging selected rows by their headers, with real mouse messages: the block lands before
// the row it is dropped on, with its cells and heights; a drop onto the block or just after it
// changes nothing; past the last row the block goes to the end; columns move the same way; and
// with moves disabled or Ctrl held a press on a selected header selects instead of dragging.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridUserDragSelectRangeImp.h"
#include <gtest/gtest.h>
#include <string>

namespace {
class GridDragRows : public ::testing::Test
{
protected:
    GridDragRows() : m_w((GXTestStartLibrary(), 10), 4, 640, 400)
    {
        GXImplementUserDragSelectRange(&Grid());
        for (ROWCOL r = 1; r <= 10; ++r) {
            CString s;
            s.Format("%lu", r);
            Grid().SetValueRange(CGXRange(r, 1, r, 1), s);
            Grid().SetRowHeight(r, r, (int)(15 + r));
        }
        Grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~GridDragRows() override { CGridKeyboard::Hold(FALSE, FALSE); }
    CGXGridWnd& Grid() { return m_w.Grid(); }
    std::string Rows()
    {
        std::string s;
        for (ROWCOL r = 1; r <= Grid().GetRowCount(); ++r)
            s += std::string(r > 1 ? "," : "") + (LPCTSTR)Grid().GetStoredCellValueText(r, 1);
        return s;
    }
    CPoint RowHeader(ROWCOL nRow) { return Grid().CalcRectFromRowCol(nRow, 0).CenterPoint(); }
    CPoint ColHeader(ROWCOL nCol) { return Grid().CalcRectFromRowCol(0, nCol).CenterPoint(); }
    void Send(UINT nMessage, CPoint pt, UINT nFlags)
    {
        Grid().SendMessage(nMessage, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    void SelectRows(ROWCOL nFrom, ROWCOL nTo)
    {
        Grid().SetSelection(nullptr);
        Grid().GetParam()->m_selRects.AddRange(CGXRange().SetRows(nFrom, nTo));
    }
    void Drag(CPoint ptFrom, CPoint ptTo, UINT nKeys = 0)
    {
        Send(WM_LBUTTONDOWN, ptFrom, MK_LBUTTON | nKeys);
        Send(WM_MOUSEMOVE, ptTo, MK_LBUTTON | nKeys);
        Send(WM_LBUTTONUP, ptTo, nKeys);
        CGridKeyboard::Dispatch();
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(GridDragRows, TwoSelectedRowsDraggedBelowAThirdMoveWithTheirHeights)
{
    // Select rows 2 and 3 by their headers, then drag them by row 2's header onto row 5.
    Send(WM_LBUTTONDOWN, RowHeader(2), MK_LBUTTON);
    Send(WM_MOUSEMOVE, RowHeader(3), MK_LBUTTON);
    Send(WM_LBUTTONUP, RowHeader(3), 0);
    ASSERT_EQ(1, Grid().GetParam()->m_selRects.GetCount());
    Drag(RowHeader(2), RowHeader(5));
    EXPECT_EQ("1,4,2,3,5,6,7,8,9,10", Rows());
    EXPECT_EQ(19, Grid().GetRowHeight(2));
    EXPECT_EQ(17, Grid().GetRowHeight(3));
    EXPECT_EQ(18, Grid().GetRowHeight(4));
    EXPECT_FALSE(Grid().GetParam()->m_selRects.IsEmpty());
    ASSERT_TRUE(Grid().Undo());
    EXPECT_EQ("1,2,3,4,5,6,7,8,9,10", Rows());
}

TEST_F(GridDragRows, TheDropTargetDecidesWhereTheBlockLands)
{
    struct Case
    {
        const char* pszName;
        ROWCOL nDropRow; // 0: below the last row
        const char* pszExpected;
    };
    const Case cases[] = {
        {"onto the row just after the block", 6, "1,2,3,4,5,6,7,8,9,10"},
        {"onto a row of the block", 4, "1,2,3,4,5,6,7,8,9,10"},
        {"onto row 9", 9, "1,2,6,7,8,3,4,5,9,10"},
        {"onto row 1", 1, "3,4,5,1,2,6,7,8,9,10"},
        {"past the last row", 0, "1,2,6,7,8,9,10,3,4,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        SelectRows(3, 5);
        CPoint ptTo = RowHeader(c.nDropRow == 0 ? 10 : c.nDropRow);
        if (c.nDropRow == 0)
            ptTo.y = Grid().CalcRectFromRowCol(10, 0).bottom + 15;
        Drag(RowHeader(4), ptTo);
        EXPECT_EQ(c.pszExpected, Rows());
        auto* pImp = dynamic_cast<CGXGridUserDragSelectRangeImp*>(Grid().UserDragSelectRangeImp());
        ASSERT_NE(pImp, nullptr);
        EXPECT_FALSE(pImp->IsDragging());
        if (Rows() != "1,2,3,4,5,6,7,8,9,10") {
            ASSERT_TRUE(Grid().Undo());
        }
    }
}

TEST_F(GridDragRows, ColumnsMoveTheSameWay)
{
    for (ROWCOL c = 1; c <= 4; ++c) {
        Grid().SetValueRange(CGXRange(2, c, 2, c), CString((char)('A' + c - 1)));
        Grid().SetColWidth(c, c, (int)(50 + c));
    }
    Grid().GetParam()->m_selRects.AddRange(CGXRange().SetCols(1));
    Drag(ColHeader(1), ColHeader(4));
    EXPECT_EQ("B", std::string((LPCTSTR)Grid().GetStoredCellValueText(2, 1)));
    EXPECT_EQ("A", std::string((LPCTSTR)Grid().GetStoredCellValueText(2, 3)));
    EXPECT_EQ(51, Grid().GetColWidth(3));
}

TEST_F(GridDragRows, WithoutMovesOrWithCtrlAPressSelects)
{
    Grid().GetParam()->EnableMoveRows(FALSE);
    SelectRows(3, 5);
    Drag(RowHeader(4), RowHeader(8));
    EXPECT_EQ("1,2,3,4,5,6,7,8,9,10", Rows());
    EXPECT_EQ(1, Grid().GetParam()->m_selRects.GetCount());
    const CGXRange* pRange =
        Grid().GetParam()->m_selRects.GetRangeAt(Grid().GetParam()->m_selRects.GetHeadPosition());
    EXPECT_TRUE(pRange->IsRows());
    EXPECT_EQ(4u, pRange->top);
    EXPECT_EQ(8u, pRange->bottom) << "the press started a row selection instead";

    Grid().GetParam()->EnableMoveRows(TRUE);
    SelectRows(3, 5);
    CGridKeyboard::Hold(TRUE, FALSE);
    Send(WM_LBUTTONDOWN, RowHeader(4), MK_LBUTTON | MK_CONTROL);
    Send(WM_LBUTTONUP, RowHeader(4), MK_CONTROL);
    CGridKeyboard::Dispatch();
    CGridKeyboard::Hold(FALSE, FALSE);
    EXPECT_EQ("1,2,3,4,5,6,7,8,9,10", Rows());
    EXPECT_FALSE(Grid().GetParam()->m_selRects.IsCellInList(4, 1)) << "Ctrl+click deselected it";
    EXPECT_TRUE(Grid().GetParam()->m_selRects.IsCellInList(3, 1));
}
