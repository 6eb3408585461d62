// The mouse over a grid window, with real button messages: a click makes a cell current, a
// click in the current cell's text edits it at the clicked character, the release goes to
// the control that had the press (a check box toggles), a second button cancels, a release
// outside the grid still reports a cell, and a held button below the grid auto-scrolls.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXEditControl.h"
#include <gtest/gtest.h>

namespace {
// Records the left button's steps as the grid reports them.
class CTrackingGrid : public CGXGridWnd
{
public:
    ROWCOL m_nDragRow = 0, m_nDragCol = 0;
    WORD m_nLastHitState = 0;
    BOOL OnLButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                              CPoint point, UINT nFlags, WORD nHitState) override
    {
        m_nDragRow = nDragRow;
        m_nDragCol = nDragCol;
        m_nLastHitState = nHitState;
        return CGXGridWnd::OnLButtonTrackRowCol(nRow, nCol, nDragRow, nDragCol, point, nFlags,
                                                nHitState);
    }
};

class GridMouse : public ::testing::Test
{
protected:
    GridMouse() : m_w((GXTestStartLibrary(), 200), 6, 640, 480, new CTrackingGrid)
    {
        grid().SetColWidth(1, 6, 90);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CTrackingGrid& grid() { return static_cast<CTrackingGrid&>(m_w.Grid()); }
    CPoint CellPoint(ROWCOL nRow, ROWCOL nCol, int dx = -1)
    {
        const CRect rect = grid().CalcRectFromRowCol(nRow, nCol);
        return CPoint(dx < 0 ? rect.CenterPoint().x : rect.left + dx, rect.CenterPoint().y);
    }
    void Send(UINT nMessage, CPoint pt, UINT nFlags = 0)
    {
        grid().SendMessage(nMessage, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    void Click(CPoint pt)
    {
        Send(WM_LBUTTONDOWN, pt, MK_LBUTTON);
        Send(WM_LBUTTONUP, pt);
        CGridKeyboard::Dispatch();
    }
    void ExpectCurrent(ROWCOL nRow, ROWCOL nCol, const char* pszWhat)
    {
        ROWCOL r = 0, c = 0;
        ASSERT_TRUE(grid().GetCurrentCell(r, c)) << pszWhat;
        EXPECT_EQ(r, nRow) << pszWhat;
        EXPECT_EQ(c, nCol) << pszWhat;
    }
    CGXEditControl* Edit() { return dynamic_cast<CGXEditControl*>(grid().GetCurrentCellControl()); }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(GridMouse, AClickMakesTheCellCurrentAndCapturesOnlyWhileHeld)
{
    const struct
    {
        ROWCOL nRow, nCol;
    } cells[] = {{3, 2}, {1, 1}, {7, 6}};
    for (const auto& c : cells) {
        Send(WM_LBUTTONDOWN, CellPoint(c.nRow, c.nCol), MK_LBUTTON);
        EXPECT_EQ(::GetCapture(), grid().m_hWnd);
        Send(WM_LBUTTONUP, CellPoint(c.nRow, c.nCol));
        EXPECT_EQ(::GetCapture(), nullptr);
        ExpectCurrent(c.nRow, c.nCol, "clicked");
        EXPECT_EQ(grid().m_nLastHitState & 0x50, 0x50) << "released over the pressed cell";
    }
    // A disabled cell is not made current by a click.
    grid().SetStyleRange(CGXRange(4, 4, 4, 4), CGXStyle().SetEnabled(FALSE));
    Click(CellPoint(4, 4));
    ExpectCurrent(7, 6, "disabled cell clicked");
}

TEST_F(GridMouse, AClickInTheCurrentCellsTextPlacesTheCaret)
{
    grid().SetValueRange(CGXRange(2, 3, 2, 3), "abcdef");
    Click(CellPoint(2, 3));
    ExpectCurrent(2, 3, "clicked");
    Click(CellPoint(2, 3, 3));
    ASSERT_NE(Edit(), nullptr);
    ASSERT_TRUE(Edit()->IsActive());
    int nStart = -1, nEnd = -1;
    Edit()->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0) << "the caret before the first character";
    CGridKeyboard::Type("Z");
    CString strText;
    Edit()->GetWindowText(strText);
    EXPECT_STREQ(strText, "Zabcdef");
}

TEST_F(GridMouse, TheReleaseGoesToTheControlThatHadThePress)
{
    grid().SetStyleRange(CGXRange(5, 2, 5, 2),
                         CGXStyle()
                             .SetControl(52516)
                             .SetValue("0")
                             .SetHorizontalAlignment(DT_CENTER)
                             .SetVerticalAlignment(DT_VCENTER));
    const CPoint ptBox = CellPoint(5, 2);
    Click(ptBox);
    EXPECT_STREQ(grid().GetValueRowCol(5, 2), "1") << "a click checks the box";
    Click(ptBox);
    EXPECT_STREQ(grid().GetValueRowCol(5, 2), "0") << "and unchecks it";

    // Pressed in the box and released over another cell: nothing is clicked.
    Send(WM_LBUTTONDOWN, ptBox, MK_LBUTTON);
    Send(WM_MOUSEMOVE, CellPoint(5, 4), MK_LBUTTON);
    Send(WM_LBUTTONUP, CellPoint(5, 4));
    EXPECT_STREQ(grid().GetValueRowCol(5, 2), "0");
    EXPECT_EQ(grid().m_nLastHitState & 0x40, 0) << "released away from the pressed cell";
    EXPECT_EQ(grid().m_nDragCol, 4u);
}

TEST_F(GridMouse, ASecondButtonCancelsAndAReleaseOutsideStillReportsACell)
{
    Send(WM_LBUTTONDOWN, CellPoint(3, 3), MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), grid().m_hWnd);
    Send(WM_RBUTTONDOWN, CellPoint(3, 3), MK_LBUTTON | MK_RBUTTON);
    EXPECT_EQ(::GetCapture(), nullptr) << "the mouse mode ended";
    EXPECT_EQ(grid().m_wMouseDown, 0);

    Send(WM_LBUTTONDOWN, CellPoint(3, 3), MK_LBUTTON);
    Send(WM_LBUTTONUP, CPoint(5000, CellPoint(3, 3).y));
    EXPECT_EQ(grid().m_nDragRow, 3u);
    EXPECT_GE(grid().m_nDragCol, 1u);
    EXPECT_LE(grid().m_nDragCol, 6u) << "clamped into the grid";
}

TEST_F(GridMouse, AButtonHeldBelowTheGridScrollsDown)
{
    Send(WM_LBUTTONDOWN, CellPoint(3, 2), MK_LBUTTON);
    ASSERT_TRUE(grid().m_bAutoScroll);
    CRect rect;
    grid().GetClientRect(&rect);
    Send(WM_MOUSEMOVE, CPoint(CellPoint(3, 2).x, rect.bottom + 40), MK_LBUTTON);
    const ROWCOL nTop = grid().GetTopRow();
    // The timer's ticks, driven.
    for (int i = 0; i < 5; ++i)
        grid().SendMessage(WM_TIMER, 992, 0);
    EXPECT_GT(grid().GetTopRow(), nTop);
    const ROWCOL nScrolled = grid().GetTopRow();
    Send(WM_LBUTTONUP, CPoint(CellPoint(3, 2).x, rect.bottom + 40));
    EXPECT_FALSE(grid().m_bAutoScroll);
    grid().SendMessage(WM_TIMER, 992, 0);
    EXPECT_EQ(grid().GetTopRow(), nScrolled) << "the release stops it";
}
