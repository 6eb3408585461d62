// The tab window and its tab strip, driven by real messages: three panes switched, renamed
// and their tabs scrolled; panes refusing a switch or a rename; the strip's layout when the
// window is resized or its sizing box dragged; views made as panes.
#include "GridTestWindow.h"
#include "core/GXTabWnd.h"
#include "fw/view.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
// A pane that records what the tab window tells it and answers its questions.
class CTestPane : public CWnd
{
public:
    BOOL Make(CWnd* pParent)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "pane", WS_CHILD, 0, 0, 10, 10,
                        pParent->GetSafeHwnd(), nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case GX_WM_PANEATTACHED:
            m_nAttachedTab = (int)wParam;
            return 0;
        case GX_WM_CANRENAMETAB:
            return m_bAllowRename;
        case GX_WM_TABNAMECHANGED:
            m_renamed.push_back((int)wParam);
            return 0;
        case GX_WM_CANCHANGEPANE:
            m_changeQuestions.push_back((int)wParam);
            return wParam == 0 ? m_bRefuseLeave : 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
    int m_nAttachedTab = -1;
    BOOL m_bAllowRename = TRUE;
    BOOL m_bRefuseLeave = FALSE;
    std::vector<int> m_renamed;
    std::vector<int> m_changeQuestions;
};

void Pump() { CGridTestWindow::Pump(); }

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// A parent window, a tab window filling it and three panes.
class TabWndFixture : public ::testing::Test
{
protected:
    void SetUp() override { Build(WS_HSCROLL | WS_VSCROLL, 420, 300); }
    void TearDown() override { Destroy(); }

    void Build(DWORD dwBars, int cx, int cy)
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "tabs", WS_POPUP | WS_VISIBLE, 0, 0, cx + 40,
                          cy + 40, nullptr, nullptr);
        ASSERT_TRUE(m_tabWnd.Create(&m_parent, WS_VISIBLE | dwBars, 100));
        m_tabWnd.MoveWindow(0, 0, cx, cy);
        const char* apszNames[3] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(m_panes[i].Make(&m_tabWnd));
            m_tabWnd.AttachWnd(&m_panes[i], apszNames[i]);
        }
        Pump();
    }
    void Destroy()
    {
        for (CTestPane& pane : m_panes)
            pane.DestroyWindow();
        m_tabWnd.DestroyWindow();
        m_parent.DestroyWindow();
    }
    CGXTabBeam& Beam() { return m_tabWnd.GetBeam(); }
    // Clicks the middle of a tab of the strip.
    void ClickTab(int nTab, UINT nMsg = WM_LBUTTONDOWN, UINT nKeys = MK_LBUTTON)
    {
        const int x =
            Beam().GetTabLeft(nTab) + Beam().m_nSlant + Beam().GetTabInfo(nTab).nWidth / 2;
        Beam().SendMessage(nMsg, nKeys, Point(x, Beam().GetStripHeight() / 2));
        Beam().SendMessage(WM_LBUTTONUP, 0, Point(x, Beam().GetStripHeight() / 2));
        Pump();
    }

    CWnd m_parent;
    CGXTabWnd m_tabWnd;
    CTestPane m_panes[3];
};

TEST_F(TabWndFixture, ThreePanesAreAttachedAndTheFirstIsShown)
{
    ASSERT_EQ(Beam().GetCount(), 3);
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[0]);
    EXPECT_EQ(Beam().GetActiveTab(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_panes[i].m_nAttachedTab, i);
        EXPECT_EQ(m_tabWnd.GetTabName(&m_panes[i]), i == 0 ? "One" : i == 1 ? "Two" : "Three");
        EXPECT_EQ(m_panes[i].IsWindowVisible() != FALSE, i == 0);
    }
    // The pane fills the area above the strip; the strip and the bar share the bottom line.
    CRect rectPane, rectBeam, rectBar, rectClient;
    m_tabWnd.GetClientRect(&rectClient);
    m_panes[0].GetWindowRect(&rectPane);
    m_tabWnd.ScreenToClient(&rectPane);
    Beam().GetWindowRect(&rectBeam);
    m_tabWnd.ScreenToClient(&rectBeam);
    m_tabWnd.GetDlgItem(GX_IDW_HSCROLL)->GetWindowRect(&rectBar);
    m_tabWnd.ScreenToClient(&rectBar);
    EXPECT_EQ(rectPane.TopLeft(), CPoint(0, 0));
    EXPECT_GE(rectBeam.top, rectPane.bottom - 2);
    EXPECT_EQ(rectBeam.bottom, rectClient.bottom + 1);
    EXPECT_GT(rectBar.left, rectBeam.right);
    EXPECT_NEAR(rectBeam.right - 1, rectClient.Width() / 2, 1);
}

TEST_F(TabWndFixture, ClickingATabSwitchesThePanes)
{
    ClickTab(2);
    EXPECT_EQ(Beam().GetActiveTab(), 2);
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[2]);
    EXPECT_TRUE(m_panes[2].IsWindowVisible());
    EXPECT_FALSE(m_panes[0].IsWindowVisible());
    EXPECT_EQ(::GetFocus(), m_panes[2].m_hWnd);
    // The old pane was asked whether it may be left, the new one whether it may be entered.
    ASSERT_FALSE(m_panes[0].m_changeQuestions.empty());
    EXPECT_EQ(m_panes[0].m_changeQuestions.front(), 0);
    ASSERT_FALSE(m_panes[2].m_changeQuestions.empty());
    EXPECT_EQ(m_panes[2].m_changeQuestions.front(), 1);

    ClickTab(1);
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[1]);
    EXPECT_FALSE(m_panes[2].IsWindowVisible());
}

TEST_F(TabWndFixture, APaneThatRefusesToBeLeftKeepsItsTabAndTheFocus)
{
    m_panes[0].m_bRefuseLeave = TRUE;
    m_panes[0].SetFocus();
    ClickTab(1);
    EXPECT_EQ(Beam().GetActiveTab(), 0);
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[0]);
    EXPECT_TRUE(m_panes[0].IsWindowVisible());
    EXPECT_FALSE(m_panes[1].IsWindowVisible());
    EXPECT_EQ(::GetFocus(), m_panes[0].m_hWnd);
    EXPECT_TRUE(m_panes[1].m_changeQuestions.empty()); // never entered
    m_tabWnd.ActivatePane(&m_panes[2]); // a switch in code is refused the same way
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[0]);
    EXPECT_EQ(Beam().GetActiveTab(), 0);
}

TEST_F(TabWndFixture, DoubleClickRenamesTheActiveTabWithEnterAndKeepsItWithEsc)
{
    ClickTab(1);
    ClickTab(1, WM_LBUTTONDBLCLK);
    CGXEditLabelPopup* pPopup = m_tabWnd.GetRenamePopup();
    ASSERT_NE(pPopup, nullptr);
    CString strText;
    pPopup->GetWindowText(strText);
    EXPECT_EQ(strText, "Two");
    EXPECT_EQ(::GetFocus(), pPopup->m_hWnd);
    pPopup->SetWindowText("Rundown");
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    EXPECT_EQ(m_tabWnd.GetRenamePopup(), nullptr);
    EXPECT_EQ(m_tabWnd.GetTabName(&m_panes[1]), "Rundown");
    ASSERT_EQ(m_panes[1].m_renamed.size(), 1u);
    EXPECT_EQ(m_panes[1].m_renamed[0], 1);
    EXPECT_EQ(::GetFocus(), m_panes[1].m_hWnd);

    ClickTab(1, WM_LBUTTONDBLCLK);
    pPopup = m_tabWnd.GetRenamePopup();
    ASSERT_NE(pPopup, nullptr);
    pPopup->SetWindowText("Dropped");
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    Pump();
    EXPECT_EQ(m_tabWnd.GetRenamePopup(), nullptr);
    EXPECT_EQ(m_tabWnd.GetTabName(&m_panes[1]), "Rundown");
    EXPECT_EQ(m_panes[1].m_renamed.size(), 1u);

    // Losing the focus cancels as well.
    ClickTab(1, WM_LBUTTONDBLCLK);
    ASSERT_NE(m_tabWnd.GetRenamePopup(), nullptr);
    m_panes[1].SetFocus();
    Pump();
    EXPECT_EQ(m_tabWnd.GetRenamePopup(), nullptr);
}

TEST_F(TabWndFixture, APaneThatRefusesRenamingGetsNoEditor)
{
    m_panes[0].m_bAllowRename = FALSE;
    ClickTab(0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_tabWnd.GetRenamePopup(), nullptr);
}

TEST_F(TabWndFixture, PanesNameTheirTabsThroughTheLibrarysInterface)
{
    auto* pInterface = static_cast<CGXTabWndInterface*>(GXGetLibraryState().m_pTabWndInterface);
    ASSERT_NE(pInterface, nullptr);
    CString str = "Headlines";
    pInterface->PaneTabName(&m_panes[2], str, TRUE);
    EXPECT_EQ(m_tabWnd.GetTabName(&m_panes[2]), "Headlines");
    str.Empty();
    pInterface->PaneTabName(&m_panes[2], str, FALSE);
    EXPECT_EQ(str, "Headlines");
    EXPECT_EQ(pInterface->TabNameAt(&m_panes[0], 1), "Two");
    EXPECT_EQ(pInterface->TabNameAt(&m_panes[0], 7), "");
    EXPECT_EQ(pInterface->TabNameAt(&m_parent, 0), ""); // not in a tab window
}

TEST_F(TabWndFixture, TheNextButtonScrollsTheTabsOfANarrowStrip)
{
    for (int i = 0; i < 3; ++i)
        m_tabWnd.SetTabName(i, "A rather long tab name");
    Pump();
    ASSERT_LT(Beam().GetLastVisibleTab(), 2); // not all fit
    const int y = Beam().GetStripHeight() / 2;
    const int xNext = Beam().m_nButtonWidth + Beam().m_nButtonWidth / 2;
    // The release is already queued: the press scrolls once and its loop ends at once.
    Beam().PostMessage(WM_LBUTTONUP, 0, Point(xNext, y));
    Beam().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(xNext, y));
    EXPECT_EQ(Beam().GetFirstVisibleTab(), 1);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    // Clicking a tab scrolled out of view on the left (the first slant pixels) picks it.
    const int xLeftEdge = Beam().GetButtonAreaWidth() + 2;
    Beam().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(xLeftEdge, y));
    Pump();
    EXPECT_EQ(Beam().GetActiveTab(), 0);
    EXPECT_EQ(Beam().GetFirstVisibleTab(), 0);
    EXPECT_EQ(m_tabWnd.GetActivePane(), &m_panes[0]);
}

TEST_F(TabWndFixture, ShiftMarksUpToTheActiveTabAndAPlainClickOnAMarkedTabKeepsTheMarks)
{
    const int y = Beam().GetStripHeight() / 2;
    auto xOf = [&](int nTab) {
        return Beam().GetTabLeft(nTab) + Beam().m_nSlant + Beam().GetTabInfo(nTab).nWidth / 2;
    };
    Beam().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Point(xOf(2), y));
    EXPECT_TRUE(Beam().GetTabInfo(0).bSel);
    EXPECT_TRUE(Beam().GetTabInfo(1).bSel);
    EXPECT_TRUE(Beam().GetTabInfo(2).bSel);
    EXPECT_EQ(Beam().GetActiveTab(), 0); // marking does not switch
    ClickTab(1);
    EXPECT_EQ(Beam().GetActiveTab(), 1);
    EXPECT_TRUE(Beam().GetTabInfo(2).bSel);
    Beam().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, Point(xOf(2), y));
    EXPECT_FALSE(Beam().GetTabInfo(2).bSel);
    Beam().GetTabInfo(0).bSel = Beam().GetTabInfo(1).bSel = FALSE;
    Beam().GetTabInfo(2).bSel = TRUE;
    ClickTab(0); // a plain click on an unmarked tab clears the marks
    EXPECT_FALSE(Beam().GetTabInfo(2).bSel);
}

TEST_F(TabWndFixture, WideningKeepsTheStripsShareAndTheSizingBoxHasLimits)
{
    // Twice as wide: the strip's end keeps its proportion, measured from 20 pixels left of
    // the end of the strip's buttons.
    const int nOld = m_tabWnd.GetBeamWidth();
    CRect rect;
    m_tabWnd.GetClientRect(&rect);
    const int e = Beam().GetButtonAreaWidth() - 20;
    m_tabWnd.MoveWindow(0, 0, rect.Width() * 2, rect.Height());
    Pump();
    EXPECT_NEAR(m_tabWnd.GetBeamWidth(), e + (nOld - e) * 2, 1);

    // Dragging the box: to x 200 moves the border; closer than 20 pixels to the buttons
    // does nothing.
    const CRect rectBox = m_tabWnd.GetSizingBoxRect();
    const int yBox = rectBox.CenterPoint().y;
    m_tabWnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(rectBox.CenterPoint().x, yBox));
    m_tabWnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(200, yBox));
    EXPECT_EQ(m_tabWnd.GetBeamWidth(), 200);
    m_tabWnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(Beam().GetButtonAreaWidth() + 10, yBox));
    EXPECT_EQ(m_tabWnd.GetBeamWidth(), 200);
    m_tabWnd.SendMessage(WM_LBUTTONUP, 0, Point(150, yBox));
    EXPECT_EQ(m_tabWnd.GetBeamWidth(), 150);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    CRect rectBeam;
    Beam().GetWindowRect(&rectBeam);
    m_tabWnd.ScreenToClient(&rectBeam);
    EXPECT_EQ(rectBeam.right, 151);
}

TEST(TabWndLayout, WithoutAHorizontalBarTheStripTakesTheWholeBottomLine)
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "tabs", WS_POPUP | WS_VISIBLE, 0, 0, 340, 240,
                    nullptr, nullptr);
    CGXTabWnd tabWnd;
    ASSERT_TRUE(tabWnd.Create(&parent, WS_VISIBLE, 1));
    tabWnd.MoveWindow(0, 0, 300, 200);
    CTestPane pane;
    ASSERT_TRUE(pane.Make(&tabWnd));
    tabWnd.AttachWnd(&pane, "Only");
    Pump();
    CRect rectBeam;
    tabWnd.GetBeam().GetWindowRect(&rectBeam);
    tabWnd.ScreenToClient(&rectBeam);
    EXPECT_EQ(rectBeam.left, -1);
    EXPECT_EQ(rectBeam.right, 301);
    EXPECT_FALSE(tabWnd.GetDlgItem(GX_IDW_HSCROLL)->IsWindowVisible());
    pane.DestroyWindow();
    tabWnd.DestroyWindow();
    parent.DestroyWindow();
}

TEST(TabWndLayout, AGridInATabWindowUsesTheTabWindowsBars)
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "tabs", WS_POPUP | WS_VISIBLE, 0, 0, 440, 340,
                    nullptr, nullptr);
    CGXTabWnd tabWnd;
    ASSERT_TRUE(tabWnd.Create(&parent, WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 1));
    tabWnd.MoveWindow(0, 0, 400, 300);
    GXTestEnsureGridClasses();
    CGXGridWnd grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 10, 10),
                            &tabWnd, GX_IDW_PANE));
    grid.ModifyStyle(WS_VSCROLL | WS_HSCROLL, 0);
    grid.Initialize();
    grid.SetRowCount(200);
    grid.SetColCount(30);
    tabWnd.AttachWnd(&grid, "Grid");
    Pump();
    EXPECT_EQ(grid.GetStyle() & (WS_VSCROLL | WS_HSCROLL), 0u);
    EXPECT_EQ(grid.GetScrollBarMode(SB_VERT), GX_SBMODE_LASTUSEFUL | GX_SBMODE_RANGEONLY);
    auto* pBar = static_cast<CScrollBar*>(tabWnd.GetDlgItem(GX_IDW_VSCROLL));
    ASSERT_NE(pBar, nullptr);
    int nMin = 0, nMax = 0;
    pBar->GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 200);
    // The tab window's bar scrolls the grid.
    tabWnd.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), (LPARAM)pBar->m_hWnd);
    EXPECT_EQ(grid.GetTopRow(), 2u);
    EXPECT_EQ(pBar->GetScrollPos(), 2);
    tabWnd.DestroyWindow();
    parent.DestroyWindow();
}

namespace {
// A view made by the tab window as a pane; counts its initial updates.
class CTabTestView : public CView
{
    DECLARE_DYNCREATE(CTabTestView)
public:
    void OnDraw(CDC*) override { }
    void OnInitialUpdate() override { ++m_nInitialUpdates; }
    int m_nInitialUpdates = 0;
};
IMPLEMENT_DYNCREATE(CTabTestView, CView)

class CNotAWindow : public CObject
{
    DECLARE_DYNCREATE(CNotAWindow)
};
IMPLEMENT_DYNCREATE(CNotAWindow, CObject)
} // namespace

TEST(TabWndViews, AViewMadeAsTheFirstPaneFillsTheParentAndMoreViewsGetTabs)
{
    GXTestEnsureGridClasses();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "views", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                    nullptr, nullptr);
    CGXTabWnd tabWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTabTestView);
    ASSERT_TRUE(tabWnd.CreateWithView(&parent, "Rundown", &context,
                                      WS_CHILD | WS_HSCROLL | WS_VSCROLL, 500));
    CRect rectParent, rectTabs;
    parent.GetClientRect(&rectParent);
    tabWnd.GetWindowRect(&rectTabs);
    parent.ScreenToClient(&rectTabs);
    EXPECT_EQ(rectTabs, rectParent);
    EXPECT_TRUE(tabWnd.IsWindowVisible());
    ASSERT_EQ(tabWnd.GetBeam().GetCount(), 1);
    EXPECT_STREQ(tabWnd.GetBeam().GetTabInfo(0).sLabel, "Rundown");
    CWnd* pFirst = tabWnd.GetActivePane();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CTabTestView)));
    EXPECT_EQ(pFirst->GetDlgCtrlID(), GX_IDW_PANE);
    EXPECT_TRUE(pFirst->IsWindowVisible());
    // Made with a context: its initial update is the caller's.
    EXPECT_EQ(static_cast<CTabTestView*>(pFirst)->m_nInitialUpdates, 0);

    // A second view: the next id, a tab at the end, hidden behind the first, updated.
    CWnd* pSecond = tabWnd.CreateView(RUNTIME_CLASS(CTabTestView), "Notes");
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->GetDlgCtrlID(), GX_IDW_PANE + 1);
    ASSERT_EQ(tabWnd.GetBeam().GetCount(), 2);
    EXPECT_STREQ(tabWnd.GetBeam().GetTabInfo(1).sLabel, "Notes");
    EXPECT_EQ(tabWnd.GetBeam().GetTabInfo(1).pExtra, pSecond);
    EXPECT_FALSE(pSecond->IsWindowVisible());
    EXPECT_EQ(tabWnd.GetActivePane(), pFirst);
    EXPECT_EQ(static_cast<CTabTestView*>(pSecond)->m_nInitialUpdates, 1);
    // A class that makes no window gives nothing.
    EXPECT_EQ(tabWnd.CreateView(RUNTIME_CLASS(CNotAWindow), "None"), nullptr);
    EXPECT_EQ(tabWnd.GetBeam().GetCount(), 2);
    tabWnd.DestroyWindow();
    parent.DestroyWindow();
}

TEST(TabWndViews, HiddenScrollBarsLeaveTheStripAndThePaneTheWholeWidth)
{
    GXTestEnsureGridClasses();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bars", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                    nullptr, nullptr);
    CGXTabWnd tabWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTabTestView);
    ASSERT_TRUE(
        tabWnd.CreateWithView(&parent, "Only", &context, WS_CHILD | WS_HSCROLL | WS_VSCROLL, 7));
    CWnd* pHorz = tabWnd.GetDlgItem(GX_IDW_HSCROLL);
    CWnd* pVert = tabWnd.GetDlgItem(GX_IDW_VSCROLL);
    ASSERT_NE(pHorz, nullptr);
    ASSERT_NE(pVert, nullptr);
    EXPECT_TRUE(pHorz->IsWindowVisible());
    EXPECT_TRUE(pVert->IsWindowVisible());
    const CRect rectWithBars = tabWnd.CalcPaneRect();

    tabWnd.ShowScrollBar(SB_BOTH, FALSE);
    Pump();
    EXPECT_FALSE(pHorz->IsWindowVisible());
    EXPECT_FALSE(pVert->IsWindowVisible());
    CRect rectClient, rectBeam;
    tabWnd.GetClientRect(&rectClient);
    tabWnd.GetBeam().GetWindowRect(&rectBeam);
    tabWnd.ScreenToClient(&rectBeam);
    EXPECT_EQ(rectBeam.right, rectClient.right + 1); // the strip runs to the right edge
    EXPECT_GT(tabWnd.CalcPaneRect().Width(), rectWithBars.Width());

    tabWnd.ShowScrollBar(SB_HORZ, TRUE);
    Pump();
    EXPECT_TRUE(pHorz->IsWindowVisible());
    EXPECT_FALSE(pVert->IsWindowVisible());
    tabWnd.DestroyWindow();
    parent.DestroyWindow();
}
} // namespace
