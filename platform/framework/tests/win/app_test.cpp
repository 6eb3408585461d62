// The application's main line: AfxWinMain runs InitInstance, the pump with
// PreTranslateMessage and idle processing, and ExitInstance when the main window closes.
#include <gtest/gtest.h>

#include "fw_test_support.h"

namespace {

const UINT WM_TEST_FILTERED = WM_APP + 50;
const UINT WM_TEST_CLOSE_MAIN = WM_APP + 51;
const UINT WM_TEST_COUNTED = WM_APP + 52;

class CMainProbeWnd : public CWnd
{
public:
    int m_nFilteredSeen = 0;
    int m_nCounted = 0;
    int m_nPreTranslated = 0;
    int m_nIdleUpdates = 0;
    CWnd* m_pMainSeen = nullptr;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_TEST_COUNTED)
            ++m_nPreTranslated; // seen on the way, still dispatched
        return CWnd::PreTranslateMessage(pMsg);
    }

protected:
    LRESULT OnFiltered(WPARAM, LPARAM)
    {
        ++m_nFilteredSeen;
        return 0;
    }
    LRESULT OnCounted(WPARAM, LPARAM)
    {
        ++m_nCounted;
        m_pMainSeen = AfxGetMainWnd();
        return 0;
    }
    LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        return 0;
    }
    LRESULT OnCloseMain(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainProbeWnd, CWnd)
    ON_MESSAGE(WM_TEST_FILTERED, &CMainProbeWnd::OnFiltered)
    ON_MESSAGE(WM_TEST_COUNTED, &CMainProbeWnd::OnCounted)
    ON_MESSAGE(WM_TEST_CLOSE_MAIN, &CMainProbeWnd::OnCloseMain)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMainProbeWnd::OnIdleUpdate)
END_MESSAGE_MAP()

class CProbeApp : public CWinApp
{
public:
    CProbeApp() : CWinApp("Pump Probe") { }
    CMainProbeWnd m_wndMain;
    int m_nFiltered = 0;
    int m_nIdleCalls = 0;
    bool m_bExited = false;
    bool m_bInitOk = true;

    BOOL InitInstance() override
    {
        if (!m_wndMain.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 80,
                                nullptr, nullptr))
            return FALSE;
        m_pMainWnd = &m_wndMain;
        m_wndMain.PostMessage(WM_TEST_FILTERED);
        m_wndMain.PostMessage(WM_TEST_COUNTED);
        return m_bInitOk;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_TEST_FILTERED) {
            ++m_nFiltered;
            return TRUE; // eaten before dispatch
        }
        return CWinApp::PreTranslateMessage(pMsg);
    }
    BOOL OnIdle(LONG lCount) override
    {
        // Idle time comes once the queue is empty: then close the main window.
        if (m_nIdleCalls++ == 0)
            m_wndMain.PostMessage(WM_TEST_CLOSE_MAIN);
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        m_bExited = true;
        CWinApp::ExitInstance();
        return 33;
    }
};

TEST(Application, TheMainLineRunsThePumpUntilTheMainWindowCloses)
{
    CProbeApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxGetThread(), &app);
    EXPECT_STREQ(AfxGetAppName(), "Pump Probe");

    int nResult = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, (LPSTR) "", SW_HIDE);
    EXPECT_EQ(nResult, 33);
    EXPECT_TRUE(app.m_bExited);
    EXPECT_EQ(app.m_nFiltered, 1);
    EXPECT_EQ(app.m_wndMain.m_nFilteredSeen, 0);
    EXPECT_EQ(app.m_wndMain.m_nCounted, 1);
    EXPECT_EQ(app.m_wndMain.m_nPreTranslated, 1);
    EXPECT_EQ(app.m_wndMain.m_pMainSeen, &app.m_wndMain);
    EXPECT_GT(app.m_nIdleCalls, 0);
    EXPECT_GT(app.m_wndMain.m_nIdleUpdates, 0); // the idle user-interface update
    EXPECT_EQ(app.m_pMainWnd, nullptr); // forgotten when it was destroyed
    EXPECT_EQ(app.m_wndMain.m_hWnd, nullptr);
}

TEST(Application, AFailedStartDestroysTheMainWindowAndExits)
{
    CProbeApp app;
    app.m_bInitOk = false;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, (LPSTR) "", SW_HIDE), 33);
    EXPECT_TRUE(app.m_bExited);
    EXPECT_EQ(app.m_wndMain.m_hWnd, nullptr);
    EXPECT_EQ(app.m_wndMain.m_nCounted, 0);
    // The quit its destruction posted must not leak into the next test's pump.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
