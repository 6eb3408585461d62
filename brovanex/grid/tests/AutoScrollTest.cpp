// The auto-scroll plug-in on a grid window, with the time and the mouse driven by the test:
// a button held below the grid scrolls slowly at first and faster the longer it stays out,
// coming back toward the grid starts slow again, Esc stops it, and the mouse moves it sends
// keep both coordinates when the mouse is left of the grid.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "features/GXAutoScrollPlugin.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
// Records every mouse move the grid gets.
class CMoveRecordingGrid : public CGXGridWnd
{
public:
    std::vector<CPoint> m_moves;
    int m_nCoreTicks = 0; // timer ticks that reached the grid's own handling
    void HandleTimer(UINT_PTR nIDEvent) override
    {
        ++m_nCoreTicks;
        CGXGridWnd::HandleTimer(nIDEvent);
    }
    BOOL HandleMouseMove(UINT nFlags, CPoint point) override
    {
        m_moves.push_back(point);
        return CGXGridWnd::HandleMouseMove(nFlags, point);
    }
};

// The library starts before the grid is made, so that the grid gets its features.
struct CLibraryStarted
{
    CLibraryStarted() { GXTestStartLibrary(); }
};

class AutoScroll : public ::testing::Test, private CLibraryStarted
{
protected:
    AutoScroll() : m_w(2000, 40, 640, 480, new CMoveRecordingGrid)
    {
        grid().SetFocus();
        CGridKeyboard::Dispatch();
        m_pPlugin = static_cast<CGXAutoScrollPlugin*>(grid().GetFeature(gxSlotAutoScroll));
        if (m_pPlugin != nullptr) {
            m_pPlugin->SetClock([this] { return m_dwNow; });
            m_pPlugin->SetCursorSource([this] { return m_ptMouse; });
        }
        grid().GetClientRect(&m_rectClient);
    }
    ~AutoScroll() override
    {
        if (::GetCapture() == grid().m_hWnd)
            ::ReleaseCapture();
    }
    CMoveRecordingGrid& grid() { return static_cast<CMoveRecordingGrid&>(m_w.Grid()); }
    CPoint CellPoint(ROWCOL nRow, ROWCOL nCol)
    {
        return grid().CalcRectFromRowCol(nRow, nCol).CenterPoint();
    }
    void Send(UINT nMessage, CPoint pt, UINT nFlags = 0)
    {
        grid().SendMessage(nMessage, nFlags, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    }
    // Presses in a cell and holds the mouse at a point; the timer's first tick at time 1000.
    void PressAndHoldAt(CPoint ptHeld, ROWCOL nCol = 3)
    {
        m_dwNow = 1000;
        m_ptMouse = CellPoint(5, nCol);
        Send(WM_LBUTTONDOWN, m_ptMouse, MK_LBUTTON);
        ASSERT_TRUE(grid().m_bAutoScroll);
        Tick(); // takes the request: the mouse position at the start is the pressed cell
        m_ptMouse = ptHeld;
        Send(WM_MOUSEMOVE, ptHeld, MK_LBUTTON);
    }
    void Tick() { grid().SendMessage(WM_TIMER, 992, 0); }
    // Advances the clock by ms and ticks once; the rows scrolled by that tick.
    long StepAfter(DWORD ms)
    {
        m_dwNow += ms;
        const ROWCOL nTop = grid().GetTopRow();
        Tick();
        return (long)grid().GetTopRow() - (long)nTop;
    }

    CGridTestWindow m_w;
    CGXAutoScrollPlugin* m_pPlugin = nullptr;
    DWORD m_dwNow = 0;
    CPoint m_ptMouse;
    CRect m_rectClient;
};
} // namespace

TEST_F(AutoScroll, AHeldButtonScrollsSlowlyFirstThenFasterUpToEightRowsAStep)
{
    ASSERT_NE(m_pPlugin, nullptr) << "every grid of the library gets the plug-in";
    PressAndHoldAt(CPoint(CellPoint(5, 3).x, m_rectClient.bottom + 20));

    EXPECT_EQ(StepAfter(81), 1) << "the first step scrolls one row";
    EXPECT_EQ(StepAfter(40), 0) << "not before its interval has passed";
    EXPECT_EQ(m_pPlugin->GetInterval(), 78) << "20 pixels out take 2 ms off the interval";
    EXPECT_EQ(StepAfter(40), 1);

    // Held on: the interval shrinks to 0, then each step scrolls speed / 10 rows.
    long nMaxStep = 0;
    for (int i = 0; i < 100; ++i)
        nMaxStep = std::max(nMaxStep, StepAfter(81));
    EXPECT_EQ(m_pPlugin->GetInterval(), 0);
    EXPECT_EQ(m_pPlugin->GetSpeed(), 80);
    EXPECT_EQ(nMaxStep, 8) << "80 / 10 rows a step at most";

    // The selection's mouse follows the scrolled cells: each step sent the held point.
    ASSERT_FALSE(grid().m_moves.empty());
    EXPECT_EQ(grid().m_moves.back(), m_ptMouse);

    // Back toward the grid: slow again.
    m_ptMouse.y = m_rectClient.bottom + 10;
    EXPECT_GE(StepAfter(81), 1);
    EXPECT_EQ(m_pPlugin->GetInterval(), 80);
    EXPECT_EQ(m_pPlugin->GetSpeed(), 1);
    EXPECT_EQ(StepAfter(81), 1) << "one row a step";

    Send(WM_LBUTTONUP, m_ptMouse);
    EXPECT_FALSE(m_pPlugin->IsRunning());
    EXPECT_EQ(StepAfter(500), 0) << "the release stops it";
    EXPECT_EQ(grid().m_nCoreTicks, 0) << "the plug-in takes the ticks";
}

TEST_F(AutoScroll, EscStopsAtOnceAndAMouseInsideTheGridDoesNotScroll)
{
    PressAndHoldAt(CPoint(CellPoint(5, 3).x, m_rectClient.bottom + 30));
    EXPECT_EQ(StepAfter(81), 1);
    grid().SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(m_pPlugin->IsRunning());
    EXPECT_TRUE(grid().m_bAutoScrollStop);
    EXPECT_EQ(StepAfter(500), 0);
    Send(WM_LBUTTONUP, m_ptMouse);

    // A new press held over the cells scrolls nothing.
    PressAndHoldAt(CellPoint(8, 3));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(StepAfter(81), 0);
    EXPECT_TRUE(m_pPlugin->IsRunning());
    Send(WM_LBUTTONUP, m_ptMouse);
}

TEST_F(AutoScroll, AMouseLeftOfTheGridKeepsItsRowInTheMovesSent)
{
    EXPECT_EQ(CGXAutoScrollPlugin::MouseLParam(CPoint(-30, 100)), MAKELPARAM(0xFFE2, 100));

    grid().SetLeftCol(5);
    PressAndHoldAt(CPoint(-30, CellPoint(6, 7).y), 7);
    grid().m_moves.clear();
    const ROWCOL nLeft = grid().GetLeftCol();
    EXPECT_EQ(StepAfter(81), 0) << "no rows scroll";
    EXPECT_LT(grid().GetLeftCol(), nLeft) << "the columns scroll left";
    ASSERT_FALSE(grid().m_moves.empty());
    for (const CPoint& pt : grid().m_moves)
        EXPECT_EQ(pt, CPoint(-30, CellPoint(6, 7).y)) << "y is not spoilt by a negative x";
    Send(WM_LBUTTONUP, m_ptMouse);
}
