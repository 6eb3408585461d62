// Docking and floating: bars docked at the frame's sides, floated in mini frames and
// docked again (by the program and by the mouse), the bar state kept in the profile,
// and dialog bars.
#include <gtest/gtest.h>

#include "bars_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char kCompany[] = "MarquillFrameworkTests";

// The frame with docking on every side and the toolbar docked at the top.
class DockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(program.pFrame, nullptr);
        pFrame = program.pFrame;
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&pFrame->m_wndToolBar);
        PumpPending();
    }

    CDockBar* DockBar(UINT nID) { return (CDockBar*)pFrame->GetControlBar(nID); }
    CWnd* BarFrame() { return pFrame->m_wndToolBar.GetParent()->GetParent(); }

    // Sends the bar a mouse message at a screen point, as its capture would.
    void MouseAt(UINT nMsg, CPoint ptScreen)
    {
        CToolBar& bar = pFrame->m_wndToolBar;
        CPoint pt = ptScreen;
        bar.ScreenToClient(&pt);
        bar.SendMessage(nMsg, nMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    BarsProgram program;
    CBarsFrame* pFrame = nullptr;
};

TEST_F(DockTest, ABarDockedFloatedAndDockedAgainKeepsItsButtonsAndCommands)
{
    CToolBar& bar = pFrame->m_wndToolBar;
    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTop, nullptr);
    EXPECT_EQ(bar.GetParent(), pTop);
    EXPECT_FALSE(bar.IsFloating());
    CRect top = program.ChildRect(pTop);
    EXPECT_EQ(top.top, 0);
    EXPECT_EQ(program.ViewRect().top, top.bottom);
    EXPECT_GE(top.Height(), 22);
    // Docked, the bar is as long as its buttons, not the frame.
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    CRect client;
    pFrame->GetClientRect(&client);
    EXPECT_LT(rectBar.Width(), client.Width() / 2);

    // Floated: a mini frame of its own, the frame's top side empty again.
    pFrame->FloatControlBar(&bar, CPoint(300, 300));
    ASSERT_TRUE(bar.IsFloating());
    CWnd* pMini = BarFrame();
    ASSERT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pMini->IsWindowVisible());
    CRect rectMini;
    pMini->GetWindowRect(&rectMini);
    EXPECT_EQ(rectMini.TopLeft(), CPoint(300, 300));
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_STREQ(strTitle, "Test bar");
    EXPECT_EQ(program.ViewRect().top, 0);
    EXPECT_EQ(bar.GetButtonCount(), 5);

    // Idle updates and clicks reach the floating bar.
    Bars().bEnableOne = FALSE;
    program.Idle();
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_DISABLED);
    Bars().bEnableOne = TRUE;
    Bars().nCheckOne = 1;
    program.Idle();
    EXPECT_EQ(bar.GetButtonStyle(0) & (TBBS_DISABLED | TBBS_CHECKED), (UINT)TBBS_CHECKED);
    CRect rectTwo;
    bar.GetItemRect(1, &rectTwo);
    CPoint pt = rectTwo.CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(Bars().nRunsTwo, 1);

    // Docked at the bottom: above the status bar; the mini frame is gone.
    HWND hWndMini = pMini->m_hWnd;
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMini));
    EXPECT_FALSE(bar.IsFloating());
    CDockBar* pBottom = DockBar(AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(bar.GetParent(), pBottom);
    CRect bottom = program.ChildRect(pBottom);
    CRect status = program.ChildRect(&pFrame->m_wndStatusBar);
    EXPECT_EQ(bottom.bottom, status.top);
    EXPECT_EQ(program.ViewRect(), CRect(0, 0, client.right, bottom.top));
    EXPECT_EQ(bar.GetButtonCount(), 5);
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_CHECKED);

    // Docked at the left: the buttons stand in a column.
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    bar.GetWindowRect(&rectBar);
    EXPECT_GT(rectBar.Height(), rectBar.Width());
    EXPECT_EQ(program.ViewRect().left, program.ChildRect(DockBar(AFX_IDW_DOCKBAR_LEFT)).right);
}

TEST_F(DockTest, TwoBarsShareARowWhenDockedBesideEachOther)
{
    CToolBar other;
    ASSERT_TRUE(other.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_CONTROLBAR_USER));
    ASSERT_TRUE(other.LoadToolBar(IDR_BARS_OTHERBAR));
    other.EnableDocking(CBRS_ALIGN_ANY);
    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    int nOneRow = program.ChildRect(pTop).Height();

    // Without a place: a row of its own.
    pFrame->DockControlBar(&other, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(program.ChildRect(pTop).Height(), 2 * nOneRow);
    // Just right of the first bar: the same row, after it.
    CRect rect;
    pFrame->m_wndToolBar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width() + 1, 0);
    pFrame->DockControlBar(&other, AFX_IDW_DOCKBAR_TOP, &rect);
    EXPECT_EQ(program.ChildRect(pTop).Height(), nOneRow);
    CRect first, second;
    pFrame->m_wndToolBar.GetWindowRect(&first);
    other.GetWindowRect(&second);
    EXPECT_EQ(second.left, first.right);
    EXPECT_EQ(second.top, first.top);
    EXPECT_EQ(program.ViewRect().top, nOneRow);
    other.DestroyWindow();
    EXPECT_EQ(pTop->GetDockedCount(), 1);
}

TEST_F(DockTest, TheMouseDragsABarOffTheFrameAndBack)
{
    CToolBar& bar = pFrame->m_wndToolBar;
    // A press on the separator (no command) starts the drag; a release away from the
    // frame's sides floats the bar there.
    CRect rectSep;
    bar.GetItemRect(2, &rectSep);
    CPoint ptStart = rectSep.CenterPoint();
    bar.ClientToScreen(&ptStart);
    MouseAt(WM_LBUTTONDOWN, ptStart);
    ASSERT_TRUE(bar.m_pDockContext->IsTracking());
    CPoint ptDrop = ptStart + CSize(150, 200);
    MouseAt(WM_MOUSEMOVE, ptDrop);
    MouseAt(WM_LBUTTONUP, ptDrop);
    EXPECT_FALSE(bar.m_pDockContext->IsTracking());
    ASSERT_TRUE(bar.IsFloating());
    EXPECT_EQ(program.ViewRect().top, 0);
    EXPECT_EQ(Bars().nRunsOne + Bars().nRunsTwo, 0); // no command on the way

    // The mini frame's caption drags it back onto the top side.
    CWnd* pMini = BarFrame();
    CRect rectMini;
    pMini->GetWindowRect(&rectMini);
    CPoint ptCaption(rectMini.left + 10, rectMini.top + 5);
    ASSERT_EQ(pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)), HTCAPTION);
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    ASSERT_TRUE(bar.m_pDockContext->IsTracking());
    CRect rectTop;
    DockBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&rectTop);
    CPoint ptTop(rectTop.left + 40, rectTop.top + 2);
    MouseAt(WM_MOUSEMOVE, ptTop);
    MouseAt(WM_LBUTTONUP, ptTop);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_GT(program.ViewRect().top, 0);

    // Esc cancels a drag: the bar stays where it was.
    MouseAt(WM_LBUTTONDOWN, ptStart);
    MouseAt(WM_MOUSEMOVE, ptDrop);
    bar.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(bar.m_pDockContext->IsTracking());
    EXPECT_FALSE(bar.IsFloating());

    // A double-click on the bar floats it; on the mini frame's caption docks it again.
    bar.GetItemRect(2, &rectSep);
    CPoint ptSep = rectSep.CenterPoint();
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(ptSep.x, ptSep.y));
    ASSERT_TRUE(bar.IsFloating());
    pMini = BarFrame();
    pMini->GetWindowRect(&rectMini);
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION,
                       MAKELPARAM(rectMini.left + 10, rectMini.top + 5));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(DockTest, AFloatingBarClosedByItsFrameIsHiddenAndShownAgainByTheViewMenu)
{
    CToolBar& bar = pFrame->m_wndToolBar;
    pFrame->FloatControlBar(&bar, CPoint(200, 200));
    CWnd* pMini = BarFrame();
    pMini->SendMessage(WM_CLOSE);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_TRUE(bar.IsFloating());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(pMini->IsWindowVisible());
}

TEST_F(DockTest, TheBarStateSurvivesARestartThroughTheProfile)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
    program.app.SetRegistryKey(kCompany);
    CToolBar& bar = pFrame->m_wndToolBar;
    pFrame->FloatControlBar(&bar, CPoint(320, 260));
    pFrame->ShowControlBar(&pFrame->m_wndStatusBar, FALSE, FALSE);
    pFrame->SaveBarState("Layout");

    // A new frame as the next run makes it: bars docked and shown.
    CBarsFrame* pNext = new CBarsFrame;
    ASSERT_TRUE(pNext->Create(nullptr, "Bars again", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440),
                              nullptr));
    ASSERT_TRUE(pNext->CreateBars());
    pNext->EnableDocking(CBRS_ALIGN_ANY);
    pNext->m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    pNext->DockControlBar(&pNext->m_wndToolBar);
    pNext->ShowWindow(SW_SHOW);
    pNext->LoadBarState("Layout");
    EXPECT_TRUE(pNext->m_wndToolBar.IsFloating());
    CRect rectMini;
    pNext->m_wndToolBar.GetParent()->GetParent()->GetWindowRect(&rectMini);
    EXPECT_EQ(rectMini.TopLeft(), CPoint(320, 260));
    EXPECT_FALSE(pNext->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(pNext->m_wndToolBar.GetButtonCount(), 5);

    // And back: docked at the bottom, status bar shown.
    pNext->DockControlBar(&pNext->m_wndToolBar, AFX_IDW_DOCKBAR_BOTTOM);
    pNext->ShowControlBar(&pNext->m_wndStatusBar, TRUE, FALSE);
    pNext->SaveBarState("Layout");
    pFrame->LoadBarState("Layout");
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent(), DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_TRUE(pFrame->m_wndStatusBar.IsWindowVisible());
    pNext->DestroyWindow();

    // Nothing saved under a name: nothing changes.
    pFrame->LoadBarState("Never saved");
    EXPECT_EQ(bar.GetParent(), DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
}

TEST_F(DockTest, ADialogBarSendsItsCommandsToTheFrameAndUpdatesItsControls)
{
    CDialogBar dialogBar;
    ASSERT_TRUE(
        dialogBar.Create(pFrame, IDD_BARS_DIALOGBAR, CBRS_TOP | WS_VISIBLE, AFX_IDW_DIALOGBAR));
    dialogBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    pFrame->DockControlBar(&dialogBar, AFX_IDW_DOCKBAR_BOTTOM);
    CRect rect;
    dialogBar.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), dialogBar.m_sizeDefault);
    EXPECT_GT(rect.Width(), 100);

    dialogBar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BARS_BUTTON, BN_CLICKED),
                          (LPARAM)::GetDlgItem(dialogBar.m_hWnd, IDC_BARS_BUTTON));
    EXPECT_EQ(Bars().nRunsGo, 1);
    program.Idle();
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialogBar.m_hWnd, IDC_BARS_BUTTON)));
    // With CBRS_TOOLTIPS, the control under the pointer gets its command's tip.
    dialogBar.SetBarStyle(dialogBar.GetBarStyle() | CBRS_TOOLTIPS);
    CRect rectGo;
    ::GetWindowRect(::GetDlgItem(dialogBar.m_hWnd, IDC_BARS_BUTTON), &rectGo);
    MSG msg = {dialogBar.m_hWnd, WM_MOUSEMOVE, 0, 0, (DWORD)::GetMessageTime(), rectGo.CenterPoint()};
    dialogBar.PreTranslateMessage(&msg);
    std::vector<std::string> tips;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char szClass[64] = "";
            ::GetClassNameA(hWnd, szClass, sizeof szClass);
            if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) != 0)
                return TRUE;
            for (int i = 0;; i++) {
                char szText[80] = "";
                TOOLINFOA ti = {};
                ti.cbSize = sizeof ti;
                ti.lpszText = szText;
                if (!::SendMessageA(hWnd, TTM_ENUMTOOLSA, (WPARAM)i, (LPARAM)&ti))
                    break;
                ((std::vector<std::string>*)lParam)->push_back(szText);
            }
            return TRUE;
        },
        (LPARAM)&tips);
    EXPECT_NE(std::find(tips.begin(), tips.end(), "Go"), tips.end());

    // Floated and docked back, it keeps its controls.
    pFrame->FloatControlBar(&dialogBar, CPoint(100, 400));
    EXPECT_TRUE(dialogBar.IsFloating());
    pFrame->DockControlBar(&dialogBar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_NE(::GetDlgItem(dialogBar.m_hWnd, IDC_BARS_EDIT), nullptr);
    dialogBar.DestroyWindow();
}

} // namespace
