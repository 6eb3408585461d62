// Sizing rows and columns by dragging header edges, with real mouse messages: the column gets
// the width under the mouse as one undoable step, a drag past the left edge hides it, the line
// stops short of the grid's right edge, selected columns all take the width, a double-click
// shows hidden neighbours or puts the default width back, and a grid without row tracking
// starts none.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXControl.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridUserResizeCellsImp.h"
#include <gtest/gtest.h>

namespace {
class GridResize : public ::testing::Test
{
protected:
    GridResize() : m_w((GXTestStartLibrary(), 20), 8, 640, 400)
    {
        GXImplementUserResizeCells(&Grid());
        GXImplementMarkEditHeader(&Grid());
        Grid().SetColWidth(1, 8, 60);
        Grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CGXGridWnd& Grid() { return m_w.Grid(); }
    CRect HeaderRect(ROWCOL nCol) { return Grid().CalcRectFromRowCol(0, nCol); }
    // The point on the right edge of column nCol's header.
    CPoint ColEdge(ROWCOL nCol)
    {
        const CRect rect = HeaderRect(nCol);
        return CPoint(rect.right - 1, rect.CenterPoint().y);
    }
    void Send(UINT nMessage, CPoint pt, UINT nFlags)
    {
        Grid().SendMessage(nMessage, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    void Drag(CPoint ptFrom, CPoint ptTo)
    {
        Send(WM_LBUTTONDOWN, ptFrom, MK_LBUTTON);
        Send(WM_MOUSEMOVE, CPoint((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2), MK_LBUTTON);
        Send(WM_MOUSEMOVE, ptTo, MK_LBUTTON);
        Send(WM_LBUTTONUP, ptTo, 0);
        CGridKeyboard::Dispatch();
    }
    void DoubleClick(CPoint pt)
    {
        Send(WM_LBUTTONDOWN, pt, MK_LBUTTON);
        Send(WM_LBUTTONUP, pt, 0);
        Send(WM_LBUTTONDBLCLK, pt, MK_LBUTTON);
        Send(WM_LBUTTONUP, pt, 0);
        CGridKeyboard::Dispatch();
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(GridResize, AColumnTakesTheWidthUnderTheMouseAsOneUndoStep)
{
    ASSERT_EQ(gxHitColEdge, Grid().HitTestPoint(ColEdge(2)));
    const int nLeft = HeaderRect(2).left;
    const CPoint ptTo(ColEdge(2).x + 45, ColEdge(2).y + 30);
    const INT_PTR nUndo = Grid().GetParam()->m_undoList.GetCount();
    Drag(ColEdge(2), ptTo);
    EXPECT_EQ(ptTo.x - nLeft, Grid().GetColWidth(2));
    EXPECT_EQ(60, Grid().GetColWidth(1));
    EXPECT_EQ(60, Grid().GetColWidth(3));
    EXPECT_EQ(nUndo + 1, Grid().GetParam()->m_undoList.GetCount());
    EXPECT_FALSE(Grid().IsUserResizing());
    ASSERT_TRUE(Grid().Undo());
    EXPECT_EQ(60, Grid().GetColWidth(2));

    // A drag of one unit changes nothing.
    Drag(ColEdge(2), CPoint(ColEdge(2).x + 1, ColEdge(2).y));
    EXPECT_EQ(60, Grid().GetColWidth(2));

    // The line stops 7 units short of the grid's right edge.
    const CRect rectGrid = Grid().GetGridRect();
    Drag(ColEdge(2), CPoint(rectGrid.right + 50, ColEdge(2).y));
    EXPECT_EQ(rectGrid.right - 7 - nLeft, Grid().GetColWidth(2));
}

TEST_F(GridResize, DraggingPastTheLeftEdgeHidesTheColumnAndUndoShowsIt)
{
    const CRect rect = HeaderRect(3);
    Drag(ColEdge(3), CPoint(rect.left - 20, rect.CenterPoint().y));
    EXPECT_TRUE(Grid().QueryColHidden(3));
    EXPECT_EQ(0, Grid().GetColWidth(3));
    ASSERT_TRUE(Grid().Undo());
    EXPECT_FALSE(Grid().QueryColHidden(3));
    EXPECT_EQ(60, Grid().GetColWidth(3));
}

TEST_F(GridResize, SelectedColumnsAllTakeTheWidth)
{
    Grid().GetParam()->m_selRects.AddRange(CGXRange().SetCols(2, 4));
    Grid().GetParam()->m_selRects.AddRange(CGXRange().SetCols(6));
    const int nLeft = HeaderRect(3).left;
    Drag(ColEdge(3), CPoint(nLeft + 90, ColEdge(3).y));
    for (ROWCOL c : {2, 3, 4, 6})
        EXPECT_EQ(90, Grid().GetColWidth(c)) << c;
    for (ROWCOL c : {1, 5, 7})
        EXPECT_EQ(60, Grid().GetColWidth(c)) << c;
}

TEST_F(GridResize, DoubleClickShowsHiddenNeighboursOrResetsTheWidth)
{
    const int nDefault = Grid().GetDefaultColWidth();
    ASSERT_NE(60, nDefault);
    Grid().HideCols(3, 4, TRUE);
    DoubleClick(ColEdge(2));
    EXPECT_FALSE(Grid().QueryColHidden(3));
    EXPECT_FALSE(Grid().QueryColHidden(4));
    EXPECT_EQ(60, Grid().GetColWidth(2));

    DoubleClick(ColEdge(5));
    EXPECT_EQ(nDefault, Grid().GetColWidth(5));
    EXPECT_EQ(60, Grid().GetColWidth(4));
}

TEST_F(GridResize, RowsWithoutTrackingFlagsStartNoTracking)
{
    const CRect rectRow = Grid().CalcRectFromRowCol(3, 0);
    const CPoint ptRowEdge(rectRow.CenterPoint().x, rectRow.bottom - 1);
    ASSERT_EQ(gxHitRowEdge, Grid().HitTestPoint(ptRowEdge));
    const CPoint ptTo(ptRowEdge.x, ptRowEdge.y + 25);
    Drag(ptRowEdge, ptTo);
    const int nHeight = ptTo.y - rectRow.top;
    EXPECT_EQ(nHeight, Grid().GetRowHeight(3)) << "rows track by default";

    // The rundown's setting: no row tracking at all.
    Grid().GetParam()->EnableTrackRowHeight(0);
    const CRect rectNow = Grid().CalcRectFromRowCol(3, 0);
    const CPoint ptEdge(rectNow.CenterPoint().x, rectNow.bottom - 1);
    Send(WM_LBUTTONDOWN, ptEdge, MK_LBUTTON);
    EXPECT_FALSE(Grid().IsUserResizing());
    Send(WM_MOUSEMOVE, CPoint(ptEdge.x, ptEdge.y + 40), MK_LBUTTON);
    Send(WM_LBUTTONUP, CPoint(ptEdge.x, ptEdge.y + 40), 0);
    EXPECT_EQ(nHeight, Grid().GetRowHeight(3));
    const CPoint ptCol = ColEdge(1);
    Drag(ptCol, CPoint(ptCol.x + 20, ptCol.y));
    EXPECT_EQ(ptCol.x + 20 - HeaderRect(1).left, Grid().GetColWidth(1)) << "columns still track";
}

TEST_F(GridResize, LiveSizingAndTheMarkedHeaderWhileDragging)
{
    // Live sizing: the width follows the mouse before the release.
    Grid().GetParam()->EnableTrackColWidth(2 | 256);
    const CPoint pt = ColEdge(2);
    Send(WM_LBUTTONDOWN, pt, MK_LBUTTON);
    const int nWidth = pt.x + 30 - HeaderRect(2).left;
    Send(WM_MOUSEMOVE, CPoint(pt.x + 30, pt.y), MK_LBUTTON);
    EXPECT_TRUE(Grid().IsUserResizing());
    EXPECT_EQ(nWidth, Grid().GetColWidth(2));
    Send(WM_LBUTTONUP, CPoint(pt.x + 30, pt.y), 0);
    EXPECT_EQ(nWidth, Grid().GetColWidth(2));
    ASSERT_TRUE(Grid().Undo());
    EXPECT_EQ(60, Grid().GetColWidth(2)) << "live sizing is one undo step from the start width";

    // Without flag 16 the header being sized draws marked; Esc (cancel) puts everything back.
    Grid().GetParam()->EnableTrackColWidth(2);
    Send(WM_LBUTTONDOWN, pt, MK_LBUTTON);
    Send(WM_MOUSEMOVE, CPoint(pt.x + 30, pt.y), MK_LBUTTON);
    CGXControl* pHeader = Grid().GetControl(0, 2);
    ASSERT_NE(pHeader, nullptr);
    EXPECT_TRUE(pHeader->OnMarkEditHeaderKey(0, 2, Grid().LookupStyleRowCol(0, 2)));
    EXPECT_FALSE(pHeader->OnMarkEditHeaderKey(0, 3, Grid().LookupStyleRowCol(0, 3)));
    Grid().SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(Grid().IsUserResizing());
    EXPECT_FALSE(pHeader->OnMarkEditHeaderKey(0, 2, Grid().LookupStyleRowCol(0, 2)));
    Send(WM_LBUTTONUP, CPoint(pt.x + 30, pt.y), 0);
    EXPECT_EQ(60, Grid().GetColWidth(2));
}

namespace {
// Column 3 may not be sized, and no column may end wider than 100.
class CVetoResizeGrid : public CGXGridWnd
{
public:
    BOOL MayResizeCol(ROWCOL nCol) override { return nCol != 3 && CGXGridWnd::MayResizeCol(nCol); }
    BOOL MayEndColResize(ROWCOL nCol, int nWidth) override
    {
        return nWidth <= 100 && CGXGridWnd::MayEndColResize(nCol, nWidth);
    }
};
} // namespace

TEST(GridResizeHooks, ADerivedGridRefusesAColumnOrAWidth)
{
    GXTestStartLibrary();
    CGridTestWindow w(10, 6, 640, 400, new CVetoResizeGrid);
    CGXGridWnd& grid = w.Grid();
    GXImplementUserResizeCells(&grid);
    grid.SetColWidth(1, 6, 60);
    auto drag = [&](ROWCOL nCol, int dx) {
        const CRect rect = grid.CalcRectFromRowCol(0, nCol);
        const CPoint pt(rect.right - 1, rect.CenterPoint().y);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + dx, pt.y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + dx, pt.y));
        CGridKeyboard::Dispatch();
    };
    drag(3, 20);
    EXPECT_EQ(60, grid.GetColWidth(3)) << "column 3 may not be sized";
    drag(2, 60);
    EXPECT_EQ(60, grid.GetColWidth(2)) << "the end at 119 is refused";
    drag(2, 30);
    EXPECT_EQ(89, grid.GetColWidth(2));
}
