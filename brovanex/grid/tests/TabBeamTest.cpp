// The tab strip on its own: deleting tabs, strips and tab windows made by class name, the
// scroll buttons with a single tab, and the scroll buttons' press loop with a driven clock
// (its timing and how it ends).
#include "core/GXTabWnd.h"
#include "fw/app.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
// The strip on its own: deleting tabs.
TEST(TabBeam, DeletingTabsKeepsTheActiveTab)
{
    struct Case
    {
        int nTabs, nActive, nDelete, nActiveAfter;
    } cases[] = {
        {1, 0, 0, -1}, // the only tab: none active
        {3, 2, 0, 1}, // a tab before the active one: the same tab stays active
        {3, 1, 1, 0}, // the active tab: the first becomes active
        {3, 0, 2, 0}, // a tab after the active one
        {3, 1, 5, 1}, // no such tab
    };
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "strip", WS_POPUP | WS_VISIBLE, 0, 0, 300, 60,
                    nullptr, nullptr);
    for (const Case& c : cases) {
        CGXTabBeam beam;
        ASSERT_TRUE(beam.Create(WS_VISIBLE, CRect(0, 0, 300, 20), &parent, 1));
        for (int i = 0; i < c.nTabs; ++i)
            beam.InsertTab(FALSE, CString((char)('A' + i)), nullptr, FALSE, -1, nullptr);
        beam.SetActiveTab(c.nActive);
        const CString strActive =
            c.nActiveAfter >= 0 && c.nDelete < c.nActive ? beam.GetTabInfo(c.nActive).sLabel : "";
        beam.DeleteTab(c.nDelete);
        EXPECT_EQ(beam.GetActiveTab(), c.nActiveAfter) << c.nTabs << " " << c.nDelete;
        if (!strActive.IsEmpty()) {
            EXPECT_EQ(beam.GetTabInfo(beam.GetActiveTab()).sLabel, strActive);
        }
        EXPECT_LE(beam.GetFirstVisibleTab(), std::max(0, beam.GetCount() - 1));
        beam.DestroyWindow();
    }
    parent.DestroyWindow();
}

// Made by class name (as from a dialog template): the library makes the object, the strip
// ready to draw, and frees it with the window.
TEST(TabBeam, TabWindowsAndStripsMadeByClassNameGetTheirObjects)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    ASSERT_TRUE(CGXTabWnd::RegisterClass(hInst));
    ASSERT_TRUE(CGXTabBeam::RegisterClass(hInst));
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "by class", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                    nullptr, nullptr);
    for (LPCSTR pszClass : {GX_TABWND_CLASS, GX_TABBEAM_CLASS}) {
        HWND hWnd = ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 100,
                                      parent.GetSafeHwnd(), nullptr, hInst, nullptr);
        ASSERT_NE(nullptr, hWnd) << pszClass;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (CGXTabBeam* pBeam = dynamic_cast<CGXTabBeam*>(pWnd))
            EXPECT_NE(nullptr, pBeam->GetNormalFont()->GetSafeHandle());
        else
            EXPECT_NE(nullptr, dynamic_cast<CGXTabWnd*>(pWnd)) << pszClass;
        ::DestroyWindow(hWnd);
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << pszClass;
    }
    parent.DestroyWindow();
}

TEST(TabBeam, WithOneTabTheScrollButtonsCannotActAndIgnorePresses)
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "strip", WS_POPUP | WS_VISIBLE, 0, 0, 300, 60,
                    nullptr, nullptr);
    CGXTabBeam beam;
    ASSERT_TRUE(beam.Create(WS_VISIBLE, CRect(0, 0, 300, 20), &parent, 1));
    beam.InsertTab(FALSE, "Only", nullptr, FALSE, -1, nullptr);
    for (int nButton = 0; nButton < 4; ++nButton)
        EXPECT_FALSE(beam.CanScroll(nButton));
    beam.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(beam.m_nButtonWidth + 2, 5));
    EXPECT_EQ(CWnd::GetCapture(), nullptr); // no press loop ran
    EXPECT_EQ(beam.GetFirstVisibleTab(), 0);
    beam.DestroyWindow();
    parent.DestroyWindow();
}

// The press loop of a scroll button with a driven clock: each wait advances the time and
// may inject what a user or the system would do.
class CDrivenClock : public CGXTabBeamClock
{
public:
    DWORD Now() const override { return m_nNow; }
    void Wait(DWORD n) override
    {
        m_nNow += n;
        ++m_nWaits;
        if (m_onWait)
            m_onWait(m_nWaits);
        if (m_nWaits > 500) // never hang: end the press (the test then fails)
            ::PostMessageA(m_hBeam, WM_LBUTTONUP, 0, 0);
    }
    CPoint CursorPos(CWnd*) const override { return m_point; }
    DWORD m_nNow = 1000;
    int m_nWaits = 0;
    CPoint m_point;
    HWND m_hBeam = nullptr;
    std::function<void(int)> m_onWait;
};

class CTimedBeam : public CGXTabBeam
{
public:
    void ScrollTabs(int nButton) override
    {
        m_times.push_back(m_pTestClock->Now());
        CGXTabBeam::ScrollTabs(nButton);
    }
    CDrivenClock* m_pTestClock = nullptr;
    std::vector<DWORD> m_times;
};

class TabBeamPress : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "strip", WS_POPUP | WS_VISIBLE, 0, 0, 200, 60,
                          nullptr, nullptr);
        ASSERT_TRUE(m_beam.Create(WS_VISIBLE, CRect(0, 0, 120, 20), &m_parent, 1));
        for (int i = 0; i < 12; ++i)
            m_beam.InsertTab(FALSE, "Tab", nullptr, FALSE, 40, nullptr);
        m_clock.m_hBeam = m_beam.m_hWnd;
        m_clock.m_point = CPoint(m_beam.m_nButtonWidth + m_beam.m_nButtonWidth / 2, 5);
        m_beam.m_pTestClock = &m_clock;
        m_beam.SetClock(&m_clock);
    }
    void TearDown() override
    {
        m_beam.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void PressNext()
    {
        m_beam.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(m_clock.m_point.x, 5));
    }
    CWnd m_parent;
    CTimedBeam m_beam;
    CDrivenClock m_clock;
};

TEST_F(TabBeamPress, HoldingNextScrollsAtOnceThenAfter200AndFasterDownTo100)
{
    m_clock.m_onWait = [&](int) {
        if (m_beam.m_times.size() == 9)
            m_beam.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(m_clock.m_point.x, 5));
    };
    PressNext();
    ASSERT_EQ(m_beam.m_times.size(), 9u);
    const DWORD anExpected[8] = {200, 180, 160, 140, 120, 100, 100, 100};
    for (size_t i = 1; i < m_beam.m_times.size(); ++i)
        EXPECT_EQ(m_beam.m_times[i] - m_beam.m_times[i - 1], anExpected[i - 1]) << i;
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_GT(m_beam.GetFirstVisibleTab(), 0);
}

TEST_F(TabBeamPress, ThePressEndsOnCancelModeLostCaptureAndQuit)
{
    // Cancel mode sent while the button is held.
    m_clock.m_onWait = [&](int n) {
        if (n == 3)
            m_beam.SendMessage(WM_CANCELMODE);
    };
    PressNext();
    EXPECT_LT(m_clock.m_nWaits, 10);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // The capture taken by another window.
    m_clock.m_nWaits = 0;
    m_clock.m_onWait = [&](int n) {
        if (n == 3)
            m_parent.SetCapture();
    };
    PressNext();
    EXPECT_LT(m_clock.m_nWaits, 10);
    ::ReleaseCapture();

    // A quit request: the loop ends and the request is posted again for the outer loop.
    m_clock.m_nWaits = 0;
    m_clock.m_onWait = [&](int n) {
        if (n == 3)
            ::PostQuitMessage(7);
    };
    PressNext();
    EXPECT_LT(m_clock.m_nWaits, 10);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}
} // namespace
