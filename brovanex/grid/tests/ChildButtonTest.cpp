// Child buttons inside a cell: arrow buttons repeat while held (from the repeat timer as well
// as from mouse moves) at the delays that speed up to 50 ms, stop on release and cancel, and
// draw their glyphs by their height.
#include "ControlTestSupport.h"
#include "controls/GXArrowButton.h"
#include "controls/GXStatic.h"
#include <gtest/gtest.h>

namespace {
// A static cell with one up arrow over its top-left corner that counts its clicks.
class CArrowCell : public CGXStatic
{
public:
    explicit CArrowCell(CGXGridCore* pGrid) : CGXStatic(pGrid), m_pArrow(new CGXUpArrowButton(this))
    {
        AddChild(m_pArrow);
        m_pArrow->SetClock([this] { return m_dwNow; });
    }
    void PlaceChildren(ROWCOL, ROWCOL, const CRect&) override
    {
        m_pArrow->SetRect(CRect(10, 10, 24, 20));
    }
    void OnChildButtonClicked(CGXChild*) override { ++m_nClicks; }

    CGXUpArrowButton* m_pArrow;
    DWORD m_dwNow = 1000;
    int m_nClicks = 0;
};

class ChildButtons : public ::testing::Test
{
protected:
    ChildButtons() : m_w((GXTestStartLibrary(), 4), 4), m_cell(&m_w.Grid()) { m_cell.Init(1, 1); }
    void Press() { m_cell.m_pArrow->LButtonDown(MK_LBUTTON, kOn); }
    // Moves the clock and lets the repeat timer tick.
    void TickAt(DWORD dwElapsed)
    {
        m_cell.m_dwNow = 1000 + dwElapsed;
        m_cell.m_pArrow->OnRepeatTimer();
    }
    const CPoint kOn = CPoint(15, 15), kOff = CPoint(60, 15);
    CGridTestWindow m_w;
    CArrowCell m_cell;
};

int CountBlack(CDC& dc, const CRect& rect)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += (dc.GetPixel(x, y) & 0xFFFFFF) == 0;
    return n;
}
} // namespace

TEST_F(ChildButtons, HeldArrowRepeatsAfter500ThenSpeedsUpTo50)
{
    Press();
    EXPECT_EQ(m_cell.m_nClicks, 1); // the press itself clicks
    ASSERT_TRUE(m_cell.m_pArrow->IsRepeating());
    TickAt(499);
    EXPECT_EQ(m_cell.m_nClicks, 1);
    TickAt(500);
    EXPECT_EQ(m_cell.m_nClicks, 2);
    EXPECT_EQ(m_cell.m_pArrow->GetRepeatDelay(), 150u);
    // 150, 145, ..., 55, 50, 50, 50: each repeat comes exactly after the current delay.
    DWORD dwAt = 500, dwDelay = 150;
    int nExpected = 2;
    for (int i = 0; i < 25; ++i) {
        TickAt(dwAt + dwDelay - 1);
        ASSERT_EQ(m_cell.m_nClicks, nExpected) << "delay " << dwDelay;
        dwAt += dwDelay;
        TickAt(dwAt);
        ASSERT_EQ(m_cell.m_nClicks, ++nExpected) << "delay " << dwDelay;
        dwDelay = dwDelay > 50 ? dwDelay - 5 : 50;
        EXPECT_EQ(m_cell.m_pArrow->GetRepeatDelay(), dwDelay);
    }
    EXPECT_EQ(dwDelay, 50u);
}

TEST_F(ChildButtons, RepeatsOnlyWhileHeldOnTheButton)
{
    Press();
    // Off the button: shown released, no repeats however long.
    m_cell.m_pArrow->MouseMove(MK_LBUTTON, kOff);
    EXPECT_FALSE(m_cell.m_pArrow->IsPressed());
    TickAt(5000);
    EXPECT_EQ(m_cell.m_nClicks, 1);
    // Back on it: the move itself repeats once the delay has passed.
    m_cell.m_dwNow = 1000 + 5001;
    m_cell.m_pArrow->MouseMove(MK_LBUTTON, kOn);
    EXPECT_EQ(m_cell.m_nClicks, 2);
    // Released: no click from the release, the timer stops.
    m_cell.m_pArrow->LButtonUp(0, kOn);
    EXPECT_EQ(m_cell.m_nClicks, 2);
    EXPECT_FALSE(m_cell.m_pArrow->IsRepeating());
    TickAt(20000);
    EXPECT_EQ(m_cell.m_nClicks, 2);
    // Cancel mode (capture taken away) stops it too.
    Press();
    m_cell.m_pArrow->OnCancelMode();
    EXPECT_FALSE(m_cell.m_pArrow->IsRepeating());
    EXPECT_FALSE(m_cell.m_pArrow->IsPressed());
    TickAt(40000);
    EXPECT_EQ(m_cell.m_nClicks, 3);
}

TEST_F(ChildButtons, TheGridWindowsTimerDrivesTheRepeat)
{
    Press();
    // Held without moving: only the timer can bring the repeat.
    m_cell.m_dwNow = 1000 + 600;
    const DWORD dwDeadline = ::GetTickCount() + 5000;
    while (m_cell.m_nClicks < 2 && (LONG)(dwDeadline - ::GetTickCount()) > 0) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        CGridTestWindow::Pump();
    }
    ASSERT_EQ(m_cell.m_nClicks, 2);
    m_cell.m_pArrow->LButtonUp(0, kOn);
}

TEST(ChildButtonDrawing, ArrowsAndHotSpotDrawTheirGlyphsByHeight)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 40));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    struct Case
    {
        int nHeight;
        BOOL bUp;
        int nBlack; // glyph pixels inside the edge
        int nFirstRow; // width of the glyph's first row
    } cases[] = {
        {4, TRUE, 0, 0},  {4, FALSE, 0, 0},  {6, TRUE, 9, 1},
        {6, FALSE, 9, 5}, {12, TRUE, 16, 1}, {12, FALSE, 16, 7},
    };
    CGXStatic owner(nullptr);
    for (const Case& c : cases) {
        std::unique_ptr<CGXArrowButton> pArrow;
        if (c.bUp)
            pArrow.reset(new CGXUpArrowButton(&owner));
        else
            pArrow.reset(new CGXDownArrowButton(&owner));
        const CRect rect(0, 0, 15, c.nHeight);
        pArrow->SetRect(rect);
        dc.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));
        pArrow->Draw(&dc, TRUE);
        // Inside the raised edge (its black outer shadow is along the bottom and right).
        const CRect inner(2, 1, 13, c.nHeight - 1);
        EXPECT_EQ(CountBlack(dc, inner), c.nBlack) << c.nHeight << (c.bUp ? " up" : " down");
        if (c.nFirstRow == 0)
            continue;
        // The first glyph row, found from the top.
        int nRow = 0;
        for (int y = inner.top; y < inner.bottom && nRow == 0; ++y)
            nRow = CountBlack(dc, CRect(inner.left, y, inner.right, y + 1));
        EXPECT_EQ(nRow, c.nFirstRow) << c.nHeight << (c.bUp ? " up" : " down");
    }
    // Not active: nothing at all.
    CGXUpArrowButton up(&owner);
    up.SetRect(CRect(0, 0, 15, 12));
    dc.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));
    up.Draw(&dc, FALSE);
    EXPECT_EQ(CountBlack(dc, CRect(0, 0, 40, 40)), 0);
    // The hot spot's glyph: bar, stem and a four-row triangle, only from 12 pixels high.
    CGXHotSpotButton hot(&owner);
    hot.SetRect(CRect(0, 0, 14, 14));
    dc.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));
    hot.Draw(&dc, TRUE);
    EXPECT_EQ(CountBlack(dc, CRect(2, 2, 12, 12)), 12 + 9 - 3 + 7 + 5 + 3 + 1);
    hot.SetRect(CRect(0, 0, 14, 11));
    dc.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));
    hot.Draw(&dc, TRUE);
    EXPECT_EQ(CountBlack(dc, CRect(2, 2, 12, 9)), 0);
    dc.SelectObject(pOld);
}
