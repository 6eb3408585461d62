// A window made by the framework receives its messages through its message map, looks
// up its base class's map, routes commands (with their update handlers), hears its
// controls, and lets controls handle their own reflected notifications.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>

#include "fw_test_support.h"

namespace {

const UINT WM_TEST_PING = WM_APP + 1;
const UINT WM_TEST_BASEONLY = WM_APP + 2;
UINT g_nRegisteredPing = ::RegisterWindowMessageA("FwTestRegisteredPing");

enum {
    ID_TEST_SAVE = 40001,
    ID_TEST_LOCKED = 40002,
    ID_TEST_NOHANDLER = 40003,
    ID_TEST_FIRST = 40010,
    ID_TEST_LAST = 40019,
    IDC_TEST_PLAIN = 1001,
    IDC_TEST_REFLECTING = 1002,
    IDC_TEST_PASSING = 1003,
    IDC_TEST_STATIC = 1004,
};

class CBaseProbeWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    CSize m_size {-1, -1};
    int m_nCreates = 0;

    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_log.push_back("base ping");
        return (LRESULT)(wParam + lParam);
    }
    LRESULT OnBaseOnly(WPARAM, LPARAM)
    {
        m_log.push_back("base only");
        return 11;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++m_nCreates;
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT, int cx, int cy) { m_size = CSize(cx, cy); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_TEST_PING, &CBaseProbeWnd::OnPing)
    ON_MESSAGE(WM_TEST_BASEONLY, &CBaseProbeWnd::OnBaseOnly)
END_MESSAGE_MAP()

class CProbeWnd : public CBaseProbeWnd
{
public:
    std::vector<UINT> m_rangeIds;
    int m_nNotifyResult = 0;

protected:
    LRESULT OnDerivedPing(WPARAM wParam, LPARAM lParam)
    {
        m_log.push_back("derived ping");
        return (LRESULT)(wParam * lParam);
    }
    LRESULT OnRegisteredPing(WPARAM wParam, LPARAM)
    {
        m_log.push_back("registered");
        return (LRESULT)wParam + 1;
    }
    void OnSave() { m_log.push_back("save"); }
    void OnLocked() { m_log.push_back("locked ran"); }
    void OnUpdateLocked(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnRange(UINT nID) { m_rangeIds.push_back(nID); }
    void OnPlainClicked() { m_log.push_back("plain clicked"); }
    void OnReflectingClicked() { m_log.push_back("parent saw reflecting"); }
    void OnPassingClicked() { m_log.push_back("parent saw passing"); }
    void OnPlainNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.push_back("notify " + std::to_string(pNMHDR->idFrom));
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CBaseProbeWnd)
    ON_MESSAGE(WM_TEST_PING, &CProbeWnd::OnDerivedPing)
    ON_REGISTERED_MESSAGE(g_nRegisteredPing, &CProbeWnd::OnRegisteredPing)
    ON_COMMAND(ID_TEST_SAVE, &CProbeWnd::OnSave)
    ON_COMMAND(ID_TEST_LOCKED, &CProbeWnd::OnLocked)
    ON_UPDATE_COMMAND_UI(ID_TEST_LOCKED, &CProbeWnd::OnUpdateLocked)
    ON_COMMAND_RANGE(ID_TEST_FIRST, ID_TEST_LAST, &CProbeWnd::OnRange)
    ON_BN_CLICKED(IDC_TEST_PLAIN, &CProbeWnd::OnPlainClicked)
    ON_BN_CLICKED(IDC_TEST_REFLECTING, &CProbeWnd::OnReflectingClicked)
    ON_BN_CLICKED(IDC_TEST_PASSING, &CProbeWnd::OnPassingClicked)
    ON_NOTIFY(NM_CLICK, IDC_TEST_PLAIN, &CProbeWnd::OnPlainNotify)
END_MESSAGE_MAP()

// A button that handles its own click (and NM_CLICK); the parent never hears of them.
class CReflectingButton : public CWnd
{
public:
    int m_nClicks = 0;

protected:
    void OnClickedReflect() { ++m_nClicks; }
    void OnNotifyReflect(NMHDR*, LRESULT* pResult) { *pResult = 77; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingButton::OnClickedReflect)
    ON_NOTIFY_REFLECT(NM_CLICK, &CReflectingButton::OnNotifyReflect)
END_MESSAGE_MAP()

// A button that looks at its click and lets the parent handle it too.
class CPassingButton : public CWnd
{
public:
    int m_nSeen = 0;

protected:
    BOOL OnClickedReflect()
    {
        ++m_nSeen;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassingButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CPassingButton::OnClickedReflect)
END_MESSAGE_MAP()

// A static that chooses its own background brush.
class CColouredStatic : public CStatic
{
public:
    CBrush m_brush {RGB(10, 20, 30)};

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        EXPECT_EQ(nCtlColor, (UINT)CTLCOLOR_STATIC);
        pDC->SetTextColor(RGB(1, 2, 3));
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "probe", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                                   nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_wnd.m_hWnd)
            m_wnd.DestroyWindow();
        PumpPending();
    }
    HWND MakeButton(CWnd& wnd, UINT nID)
    {
        EXPECT_TRUE(wnd.Create("BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                               CRect(0, 0, 50, 20), &m_wnd, nID));
        return wnd.m_hWnd;
    }
    CProbeWnd m_wnd;
};

TEST_F(MessageMapTest, WindowMessagesReachTheMostDerivedHandler)
{
    EXPECT_EQ(m_wnd.m_nCreates, 1); // WM_CREATE arrived through the map during CreateEx
    m_wnd.MoveWindow(0, 0, 240, 160);
    CRect client;
    m_wnd.GetClientRect(&client);
    EXPECT_EQ(m_wnd.m_size, client.Size());

    // The derived entry hides the base one; a message only the base maps still arrives.
    EXPECT_EQ(m_wnd.SendMessage(WM_TEST_PING, 6, 7), 42);
    EXPECT_EQ(m_wnd.SendMessage(WM_TEST_BASEONLY), 11);
    EXPECT_EQ(m_wnd.SendMessage(g_nRegisteredPing, 9), 10);
    std::vector<std::string> expected = {"derived ping", "base only", "registered"};
    EXPECT_EQ(m_wnd.m_log, expected);

    // A message nobody maps gets the default handling.
    m_wnd.SendMessage(WM_SETTEXT, 0, (LPARAM) "renamed");
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_STREQ(text, "renamed");
}

TEST_F(MessageMapTest, CommandsAreRoutedUnlessTheirUpdateHandlerDisablesThem)
{
    EXPECT_EQ(m_wnd.SendMessage(WM_COMMAND, ID_TEST_SAVE), 1);
    m_wnd.SendMessage(WM_COMMAND, ID_TEST_LOCKED);
    m_wnd.SendMessage(WM_COMMAND, ID_TEST_FIRST + 3);
    m_wnd.SendMessage(WM_COMMAND, ID_TEST_LAST);
    m_wnd.SendMessage(WM_COMMAND, ID_TEST_LAST + 1); // outside the range
    EXPECT_EQ(m_wnd.SendMessage(WM_COMMAND, ID_TEST_NOHANDLER), 0);

    std::vector<std::string> expected = {"save"};
    EXPECT_EQ(m_wnd.m_log, expected);
    std::vector<UINT> expectedIds = {ID_TEST_FIRST + 3, ID_TEST_LAST};
    EXPECT_EQ(m_wnd.m_rangeIds, expectedIds);
}

TEST_F(MessageMapTest, CommandUserInterfaceFollowsTheHandlers)
{
    CWnd buttons[3];
    const UINT ids[3] = {ID_TEST_LOCKED, ID_TEST_NOHANDLER, ID_TEST_SAVE};
    for (int i = 0; i < 3; ++i) {
        MakeButton(buttons[i], 2000 + i);
        CCmdUI state;
        state.m_nID = ids[i];
        state.m_pOther = &buttons[i];
        state.DoUpdate(&m_wnd, TRUE);
    }
    EXPECT_FALSE(buttons[0].IsWindowEnabled()); // its update handler disables it
    EXPECT_FALSE(buttons[1].IsWindowEnabled()); // no handler at all
    EXPECT_TRUE(buttons[2].IsWindowEnabled()); // a command handler and no update handler

    // The same, for every child at once; a check box nobody handles keeps working.
    for (CWnd& button : buttons)
        button.EnableWindow(TRUE);
    CWnd checkBox;
    ASSERT_TRUE(checkBox.Create("BUTTON", "c", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 30, 50, 50),
                                &m_wnd, ID_TEST_NOHANDLER + 1));
    buttons[0].SetDlgCtrlID(ID_TEST_LOCKED);
    buttons[1].SetDlgCtrlID(ID_TEST_NOHANDLER);
    buttons[2].SetDlgCtrlID(ID_TEST_SAVE);
    m_wnd.UpdateDialogControls(&m_wnd, TRUE);
    EXPECT_FALSE(buttons[0].IsWindowEnabled());
    EXPECT_FALSE(buttons[1].IsWindowEnabled());
    EXPECT_TRUE(buttons[2].IsWindowEnabled());
    EXPECT_TRUE(checkBox.IsWindowEnabled());

    CTestCmdUI probe;
    probe.m_nID = ID_TEST_LOCKED;
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_TEST_LOCKED, CN_UPDATE_COMMAND_UI, &probe, nullptr));
    EXPECT_FALSE(probe.m_bEnabled);
}

TEST_F(MessageMapTest, ControlsNotifyTheParentOrHandleTheirOwnReflection)
{
    CWnd plain;
    CReflectingButton reflecting;
    CPassingButton passing;
    MakeButton(plain, IDC_TEST_PLAIN);
    MakeButton(reflecting, IDC_TEST_REFLECTING);
    MakeButton(passing, IDC_TEST_PASSING);

    plain.SendMessage(BM_CLICK);
    reflecting.SendMessage(BM_CLICK);
    passing.SendMessage(BM_CLICK);
    PumpPending();

    std::vector<std::string> expected = {"plain clicked", "parent saw passing"};
    EXPECT_EQ(m_wnd.m_log, expected);
    EXPECT_EQ(reflecting.m_nClicks, 1);
    EXPECT_EQ(passing.m_nSeen, 1);

    // WM_NOTIFY: to the parent's map for a plain control, to the control's own when it reflects.
    NMHDR nm = {plain.m_hWnd, IDC_TEST_PLAIN, (UINT)NM_CLICK};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, IDC_TEST_PLAIN, (LPARAM)&nm), 5);
    NMHDR nmReflect = {reflecting.m_hWnd, IDC_TEST_REFLECTING, (UINT)NM_CLICK};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, IDC_TEST_REFLECTING, (LPARAM)&nmReflect), 77);
    EXPECT_EQ(m_wnd.m_log.back(), "notify " + std::to_string(IDC_TEST_PLAIN));
}

TEST_F(MessageMapTest, ColourMessagesReachTheControlThatAsksForThem)
{
    CColouredStatic coloured;
    ASSERT_TRUE(coloured.Create("text", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &m_wnd,
                                IDC_TEST_STATIC));
    CClientDC dc(&coloured);
    LRESULT brush = m_wnd.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)coloured.m_hWnd);
    EXPECT_EQ((HBRUSH)brush, (HBRUSH)coloured.m_brush.GetSafeHandle());
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
}

// Records the arguments each handler receives.
class CArgumentsWnd : public CWnd
{
public:
    std::vector<std::string> m_seen;

protected:
    void Note(const char* format, ...)
    {
        char text[160];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
        m_seen.push_back(text);
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Note("keydown %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Note("char %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        Note("lbutton %u %d %d", nFlags, (int)point.x, (int)point.y);
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Note("wheel %u %d %d %d", nFlags, zDelta, (int)pt.x, (int)pt.y);
        return TRUE;
    }
    void OnTimer(UINT_PTR nIDEvent) { Note("timer %u", (unsigned)nIDEvent); }
    void OnMove(int x, int y) { Note("move %d %d", x, y); }
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Note("vscroll %u %u %s", nSBCode, nPos, pScrollBar ? "bar" : "own");
    }
    void OnSetFocus(CWnd* pOldWnd) { Note("setfocus %s", pOldWnd ? "from" : "none"); }
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Note("setcursor %s %u %u", pWnd == this ? "self" : "other", nHitTest, message);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CArgumentsWnd, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_TIMER()
    ON_WM_MOVE()
    ON_WM_VSCROLL()
    ON_WM_SETFOCUS()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

TEST(MessageArguments, HandlersReceiveTheUnpackedArguments)
{
    CArgumentsWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "args", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.m_seen.clear();

    struct Case
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_F7, MAKELPARAM(3, 0x4041), "keydown 118 3 16449"},
        {WM_CHAR, 'a', MAKELPARAM(1, 0x1E), "char 97 1 30"},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 12), "lbutton 5 -5 12"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-240), MAKELPARAM(300, -2),
         "wheel 8 -240 300 -2"},
        {WM_TIMER, 1002, 0, "timer 1002"},
        {WM_MOVE, 0, MAKELPARAM(-20, 40), "move -20 40"},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 77), 0, "vscroll 5 77 own"},
        {WM_SETFOCUS, 0, 0, "setfocus none"},
        {WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), "setcursor other 1 512"},
    };
    for (const Case& c : cases)
        wnd.SendMessage(c.message, c.wParam, c.lParam);
    ASSERT_EQ(wnd.m_seen.size(), _countof(cases));
    for (size_t i = 0; i < _countof(cases); ++i)
        EXPECT_EQ(wnd.m_seen[i], cases[i].expected);
    wnd.DestroyWindow();
}

// --- the handle map -------------------------------------------------------------

class CCountedWnd : public CWnd
{
public:
    static int s_nDeleted;
    ~CCountedWnd() override { ++s_nDeleted; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CCountedWnd::s_nDeleted = 0;

TEST(HandleMap, PermanentAndTemporaryObjects)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    // A window the framework did not make gets one temporary object per thread.
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hForeign);
    EXPECT_EQ(CWnd::FromHandle(hForeign), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), nullptr);
    CWnd::DeleteTempMap(); // frees the wrapper, never the window
    EXPECT_TRUE(::IsWindow(hForeign));

    // Destroyed through its wrapper: the stale wrapper is never handed out again.
    pTemp = CWnd::FromHandle(hForeign);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_EQ(pTemp->m_hWnd, nullptr);
    CWnd* pAgain = CWnd::FromHandle(hForeign);
    EXPECT_EQ(pAgain->m_hWnd, hForeign);
    CWnd::DeleteTempMap();

    // The insert-after constants of SetWindowPos are usable from a program.
    EXPECT_TRUE(
        wnd.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_NE(wnd.GetExStyle() & WS_EX_TOPMOST, 0u);
    EXPECT_TRUE(wnd.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_EQ(wnd.GetExStyle() & WS_EX_TOPMOST, 0u);

    CWnd* pNull = nullptr;
    EXPECT_EQ(pNull->GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    // Destroying the window detaches the object; PostNcDestroy may delete it.
    CCountedWnd* pHeap = new CCountedWnd;
    ASSERT_TRUE(pHeap->CreateEx(0, nullptr, "heap", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hHeap = pHeap->m_hWnd;
    CCountedWnd::s_nDeleted = 0;
    pHeap->DestroyWindow();
    EXPECT_EQ(CCountedWnd::s_nDeleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hHeap), nullptr);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(HandleMap, SubclassingAWindowMadeElsewhere)
{
    HWND hWnd = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                                  nullptr);
    WNDPROC original = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
    {
        CProbeWnd probe;
        ASSERT_TRUE(probe.SubclassWindow(hWnd));
        EXPECT_EQ(probe.SendMessage(WM_TEST_PING, 2, 3), 6);
        // Unmapped messages reach the edit control's own procedure.
        probe.SetWindowText("typed");
        EXPECT_EQ(probe.GetWindowTextLength(), 5);
        EXPECT_FALSE(CWnd().SubclassWindow(hWnd)); // one object per window
        EXPECT_EQ(probe.UnsubclassWindow(), hWnd);
    }
    EXPECT_TRUE(::IsWindow(hWnd)); // the object let go without destroying it
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC), original);
    EXPECT_EQ(::SendMessageA(hWnd, WM_TEST_PING, 2, 3), 0);
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, AClassMayNameTheFrameworksProcedureItself)
{
    WNDCLASSA wndcls = {};
    wndcls.style = CS_OWNDC | CS_BYTEALIGNCLIENT;
    wndcls.lpfnWndProc = AfxWndProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.lpszClassName = "FwTestOwnProcedure";
    ASSERT_TRUE(AfxRegisterClass(&wndcls));

    CProbeWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, "FwTestOwnProcedure", "", WS_POPUP, 0, 0, 30, 30, nullptr, nullptr));
    EXPECT_EQ(wnd.m_nCreates, 1);
    EXPECT_EQ(wnd.m_pfnSuper, nullptr); // nothing to chain to but the default procedure
    EXPECT_EQ(wnd.SendMessage(WM_TEST_PING, 4, 5), 20);
    wnd.SetWindowText("title");
    EXPECT_EQ(wnd.GetWindowTextLength(), 5);
    wnd.DestroyWindow();

    // A window of that class made without an object gets the default handling.
    HWND hBare = ::CreateWindowExA(0, "FwTestOwnProcedure", "bare", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hBare, nullptr);
    EXPECT_EQ(::SendMessageA(hBare, WM_TEST_PING, 4, 5), 0);
    ::DestroyWindow(hBare);
    ::UnregisterClassA("FwTestOwnProcedure", AfxGetInstanceHandle());
}

TEST(HandleMap, DestroyingTheObjectDestroysItsWindow)
{
    HWND hWnd;
    {
        CProbeWnd wnd;
        ASSERT_TRUE(
            wnd.CreateEx(0, nullptr, "short-lived", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

} // namespace
