// A grid window as a pane of a splitter: the frozen rows and columns show only in the first
// pane row and column, so a pane that comes to the front starts below and right of them.
#include "ControlTestSupport.h"
#include "fw/splitter.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
// A grid that records the clip boxes of its paints.
class CPaintedGrid : public CGXGridWnd
{
public:
    std::vector<CRect> m_paints;
    void PaintGrid(CDC* pDC) override
    {
        CRect rect;
        pDC->GetClipBox(&rect);
        m_paints.push_back(rect);
        CGXGridWnd::PaintGrid(pDC);
    }
};
} // namespace

TEST(GridSplitterPane, APaneThatComesToTheFrontStartsBehindTheFrozenRowsAndColumns)
{
    GXTestStartLibrary();
    GXTestEnsureGridClasses();
    struct Case
    {
        const char* pszWhat;
        int nPaneRow, nPaneCol; // where the pane starts
        ROWCOL nStartTop, nStartLeft; // its first scrolling row and column there
        ROWCOL nTop, nLeft; // and at the front
    } cases[] = {
        {"a lower pane becomes the first pane row", 1, 0, 1, 4, 3, 4},
        {"a right pane becomes the first pane column", 0, 1, 5, 1, 5, 3},
        {"a lower right pane comes to the front", 1, 1, 1, 2, 3, 3},
        {"the first pane keeps where it scrolled to", 0, 0, 6, 7, 6, 7},
    };
    for (const Case& c : cases) {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "splitter test",
                                    WS_POPUP | WS_VISIBLE, 0, 0, 700, 500, nullptr, nullptr));
        CSplitterWnd splitter;
        ASSERT_TRUE(splitter.CreateStatic(&parent, 2, 2));
        splitter.MoveWindow(0, 0, 680, 480);
        CPaintedGrid grid;
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &splitter,
                                splitter.IdFromRowCol(c.nPaneRow, c.nPaneCol)));
        grid.Initialize();
        grid.SetRowCount(60);
        grid.SetColCount(30);
        grid.SetFrozenRows(2);
        grid.SetFrozenCols(2);
        grid.SetTopRow(c.nStartTop);
        grid.SetLeftCol(c.nStartLeft);
        ASSERT_EQ(c.nStartTop, grid.GetTopRow()) << c.pszWhat;
        ASSERT_EQ(c.nStartLeft, grid.GetLeftCol()) << c.pszWhat;
        // A size is remembered, so that a later growth could repaint only its new strips.
        grid.SetWindowPos(nullptr, 0, 0, 310, 210, SWP_NOMOVE | SWP_NOZORDER);
        grid.UpdateWindow();

        // The panes before it went away: it takes the first place and grows.
        grid.SetDlgCtrlID(splitter.IdFromRowCol(0, 0));
        grid.m_paints.clear();
        grid.SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(2u, grid.GetFrozenRowCount()) << c.pszWhat;
        EXPECT_EQ(2u, grid.GetFrozenColCount()) << c.pszWhat;
        EXPECT_EQ(c.nTop, grid.GetTopRow()) << c.pszWhat;
        EXPECT_EQ(c.nLeft, grid.GetLeftCol()) << c.pszWhat;
        // A pane that had to move draws all of itself anew, the frozen cells included.
        const BOOL bMoved = c.nTop != c.nStartTop || c.nLeft != c.nStartLeft;
        const CPoint pt = grid.CalcRectFromRowCol(1, 1).CenterPoint();
        BOOL bFrozenPainted = FALSE;
        for (const CRect& rect : grid.m_paints)
            bFrozenPainted |= rect.PtInRect(pt);
        EXPECT_EQ(bMoved, bFrozenPainted) << c.pszWhat;
        grid.DestroyWindow();
        splitter.DestroyWindow();
        parent.DestroyWindow();
    }
}
