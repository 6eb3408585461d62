// The grid scrolling by itself while selected rows or columns are dragged by their headers
// beyond the cells, and while a scrolling key is held, with the auto-scroll plug-in's time and
// mouse driven by the test: the drop marker follows the rows that scroll in and the block lands
// there; columns scroll sideways only; a frozen row scrolls nothing; a held arrow key repeats
// faster the longer it stays down and stops with its release or another key.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "features/GXAutoScrollPlugin.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridUserDragSelectRangeImp.h"
#include <gtest/gtest.h>

namespace {
struct CLibraryStarted
{
    CLibraryStarted() { GXTestStartLibrary(); }
};

class DragScroll : public ::testing::Test, private CLibraryStarted
{
protected:
    DragScroll() : m_w(2000, 40, 640, 400)
    {
        GXImplementUserDragSelectRange(&grid());
        for (ROWCOL r = 1; r <= 100; ++r) {
            CString s;
            s.Format("%lu", r);
            grid().SetValueRange(CGXRange(r, 1, r, 1), s);
        }
        grid().SetFocus();
        CGridKeyboard::Dispatch();
        m_pPlugin = static_cast<CGXAutoScrollPlugin*>(grid().GetFeature(gxSlotAutoScroll));
        m_pDrag = dynamic_cast<CGXGridUserDragSelectRangeImp*>(grid().UserDragSelectRangeImp());
        if (m_pPlugin != nullptr) {
            m_pPlugin->SetClock([this] { return m_dwNow; });
            m_pPlugin->SetCursorSource([this] { return m_ptMouse; });
        }
        grid().GetClientRect(&m_rectClient);
    }
    ~DragScroll() override
    {
        if (::GetCapture() == grid().m_hWnd)
            ::ReleaseCapture();
        CGridKeyboard::Hold(FALSE, FALSE);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CPoint CellPoint(ROWCOL nRow, ROWCOL nCol)
    {
        return grid().CalcRectFromRowCol(nRow, nCol).CenterPoint();
    }
    void Send(UINT nMessage, CPoint pt, UINT nFlags = 0)
    {
        grid().SendMessage(nMessage, nFlags, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    }
    void Select(const CGXRange& range)
    {
        grid().SetSelection(nullptr);
        grid().GetParam()->m_selRects.AddRange(range);
    }
    // Presses at a header (the timer's first tick at time 1000 takes the request) and holds
    // the mouse at another point.
    void PressAndHold(CPoint ptPress, CPoint ptHeld)
    {
        m_dwNow = 1000;
        m_ptMouse = ptPress;
        Send(WM_LBUTTONDOWN, ptPress, MK_LBUTTON);
        Tick();
        m_ptMouse = ptHeld;
        Send(WM_MOUSEMOVE, ptHeld, MK_LBUTTON);
    }
    void Tick() { grid().SendMessage(WM_TIMER, 992, 0); }
    void StepAfter(DWORD ms)
    {
        m_dwNow += ms;
        Tick();
    }
    void KeyDown(UINT nKey, BOOL bRepeat)
    {
        grid().SendMessage(WM_KEYDOWN, nKey, MAKELPARAM(1, bRepeat ? KF_REPEAT : 0));
    }
    ROWCOL CurrentRow()
    {
        ROWCOL nRow = 0, nCol = 0;
        grid().GetCurrentCell(nRow, nCol);
        return nRow;
    }

    CGridTestWindow m_w;
    CGXAutoScrollPlugin* m_pPlugin = nullptr;
    CGXGridUserDragSelectRangeImp* m_pDrag = nullptr;
    DWORD m_dwNow = 0;
    CPoint m_ptMouse;
    CRect m_rectClient;
};
} // namespace

TEST_F(DragScroll, RowsHeldBelowTheGridScrollAndDropOnARowThatScrolledIn)
{
    ASSERT_NE(m_pPlugin, nullptr);
    ASSERT_NE(m_pDrag, nullptr);
    const ROWCOL nLastShown = grid().GetLastVisibleRow();
    Select(CGXRange().SetRows(3, 4));
    PressAndHold(CellPoint(3, 0), CPoint(CellPoint(3, 0).x, m_rectClient.bottom + 20));
    ASSERT_TRUE(m_pDrag->IsDragging());
    ASSERT_TRUE(m_pPlugin->IsRunning()) << "the drag auto-scrolls";

    for (int i = 0; i < 30; ++i)
        StepAfter(81);
    const ROWCOL nTop = grid().GetTopRow();
    EXPECT_GT(nTop, 10u) << "the rows scrolled up under the held mouse";
    EXPECT_EQ(grid().GetLeftCol(), 1u) << "a row drag scrolls no columns";
    EXPECT_GT(m_pDrag->GetTarget(), nLastShown) << "the marker follows the rows scrolled in";

    // Back over the cells and released on a row that was out of sight at the press.
    const ROWCOL nDrop = nTop + 2;
    ASSERT_GT(nDrop, nLastShown);
    m_ptMouse = CellPoint(nDrop, 0);
    Send(WM_MOUSEMOVE, m_ptMouse, MK_LBUTTON);
    Send(WM_LBUTTONUP, m_ptMouse);
    EXPECT_FALSE(m_pDrag->IsDragging());
    EXPECT_FALSE(m_pPlugin->IsRunning());
    EXPECT_FALSE(grid().m_bAutoScroll) << "the release ends the grid's auto-scroll too";
    EXPECT_EQ(grid().GetStoredCellValueText(nDrop - 2, 1), "3");
    EXPECT_EQ(grid().GetStoredCellValueText(nDrop - 1, 1), "4");
    EXPECT_EQ(grid().GetStoredCellValueText(3, 1), "5");

    const ROWCOL nTopAfter = grid().GetTopRow();
    StepAfter(500);
    EXPECT_EQ(grid().GetTopRow(), nTopAfter) << "nothing scrolls after the drop";
}

TEST_F(DragScroll, TheDraggedBlockDecidesTheScrollDirection)
{
    struct Case
    {
        const char* pszName;
        BOOL bRows;
        ROWCOL nFrozen; // frozen rows (row drags) or columns (column drags)
        BOOL bScrolls;
    };
    const Case cases[] = {
        {"columns held right of the grid scroll sideways", FALSE, 0, TRUE},
        {"rows below the frozen ones scroll", TRUE, 2, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        grid().SetTopRow(1);
        grid().SetLeftCol(1);
        if (c.bRows)
            grid().SetFrozenRows(c.nFrozen);
        else
            grid().SetFrozenCols(c.nFrozen);
        const ROWCOL n = 3;
        Select(c.bRows ? CGXRange().SetRows(n, n + 1) : CGXRange().SetCols(n, n + 1));
        const CPoint ptPress = c.bRows ? CellPoint(n, 0) : CellPoint(0, n);
        // Held beyond the grid's bottom right corner: only the drag's own axis may scroll.
        PressAndHold(ptPress, CPoint(m_rectClient.right + 30, m_rectClient.bottom + 30));
        ASSERT_TRUE(m_pDrag->IsDragging());
        EXPECT_EQ(m_pPlugin->IsRunning(), c.bScrolls);
        for (int i = 0; i < 10; ++i)
            StepAfter(81);
        const ROWCOL nMoved = c.bRows ? grid().GetTopRow() : grid().GetLeftCol();
        const ROWCOL nOther = c.bRows ? grid().GetLeftCol() : grid().GetTopRow();
        if (c.bScrolls)
            EXPECT_GT(nMoved, c.nFrozen + 1);
        else
            EXPECT_EQ(nMoved, c.nFrozen + 1);
        EXPECT_EQ(nOther, 1u) << "the other axis stays";
        // Released: the drag and the scrolling end.
        m_ptMouse = ptPress;
        Send(WM_LBUTTONUP, ptPress);
        EXPECT_FALSE(m_pDrag->IsDragging());
        EXPECT_FALSE(m_pPlugin->IsRunning());
        if (c.bRows)
            grid().SetFrozenRows(0);
        else
            grid().SetFrozenCols(0);
    }
}

TEST_F(DragScroll, AHeldArrowKeyRepeatsFasterUntilItIsReleased)
{
    ASSERT_NE(m_pPlugin, nullptr);
    grid().SetCurrentCell(1, 1);
    m_dwNow = 1000;
    KeyDown(VK_DOWN, FALSE);
    EXPECT_EQ(CurrentRow(), 2u);
    EXPECT_FALSE(grid().m_bAutoScrollRequest) << "a single press is no held key";

    KeyDown(VK_DOWN, TRUE); // the keyboard's first repeat
    EXPECT_EQ(CurrentRow(), 3u);
    ASSERT_TRUE(grid().m_bAutoScrollRequest);
    EXPECT_TRUE(grid().m_bAutoScrollKeyMode);
    KeyDown(VK_DOWN, TRUE); // a repeat before the first tick keeps the request
    EXPECT_EQ(CurrentRow(), 4u);
    Tick();
    ASSERT_TRUE(m_pPlugin->IsRunning());

    // Slow at first: the plug-in adds no keys until its interval is below 40 ms.
    for (int i = 0; i < 5; ++i)
        StepAfter(81);
    EXPECT_EQ(CurrentRow(), 4u);
    ROWCOL nLast = CurrentRow();
    UINT nLongestStep = 0;
    for (int i = 0; i < 60; ++i) {
        StepAfter(81);
        nLongestStep = std::max<UINT>(nLongestStep, (UINT)(CurrentRow() - nLast));
        nLast = CurrentRow();
    }
    EXPECT_GT(CurrentRow(), 100u) << "the held key repeats by itself";
    EXPECT_GT(nLongestStep, 1u) << "and faster the longer it stays down";
    EXPECT_GT(grid().GetTopRow(), 50u) << "the grid scrolls along";

    grid().SendMessage(WM_KEYUP, VK_DOWN, 0xC0000001);
    EXPECT_FALSE(m_pPlugin->IsRunning());
    const ROWCOL nReleased = CurrentRow();
    StepAfter(500);
    EXPECT_EQ(CurrentRow(), nReleased) << "the release stops it";

    // Held again, then another key: it stops at once.
    KeyDown(VK_UP, TRUE);
    Tick();
    ASSERT_TRUE(m_pPlugin->IsRunning());
    KeyDown(VK_RIGHT, FALSE);
    EXPECT_FALSE(m_pPlugin->IsRunning());
}
