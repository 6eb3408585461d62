#include "MainFrame.h"

#include "MarquillResource.h"
#include "ShowView.h"
#include "TXWords.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND_EX(CMainFrame::kButtonBarID, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(CMainFrame::kButtonBarID, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(CMainFrame::kStatusBarID, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(CMainFrame::kStatusBarID, &CFrameWnd::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTXWordsApp* app = GetTXWordsApp();

    const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
    if (!m_wndToolBar.Create(this, barStyle, kMainToolbarID) ||
        !m_wndToolBar.LoadToolBar(IDR_MAIN_TOOLBAR))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    m_wndToolBar.SetWindowText("ToolBar");

    // The rich-text button bar: a convenience, the program still edits without it.
    if (m_wndButtonBar.Create(this, barStyle, kButtonBarID, 160)) {
        m_wndButtonBar.SetBarStyle(m_wndButtonBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_FIXED);
        m_wndButtonBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        m_wndButtonBar.SetWindowText("ButtonBar");
        if (app)
            app->m_pButtonBarWnd = &m_wndButtonBar;
    }

    CString format;
    format.LoadString(IDS_TX_STATUS_FORMAT);
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_SIZE_FIXED,
                               kStatusBarID, 5, format))
        return -1;
    if (app)
        app->m_pStatusBarWnd = &m_wndStatusBar;

    // A failure here only leaves the bar out.
    const bool bHeaders = m_wndHeadersBar.Create(this, barStyle, kHeadersBarID) &&
        m_wndHeadersBar.LoadToolBar(IDR_HEADERS_TOOLBAR);
    if (bHeaders) {
        m_wndHeadersBar.SetBarStyle(m_wndHeadersBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                                    CBRS_SIZE_FIXED);
        m_wndHeadersBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        m_wndHeadersBar.SetWindowText("Headers");
    }

    const bool bPowerPoint = app && app->m_bPowerPointAvailable;
    if (bPowerPoint && m_wndPowerPointBar.Create(this, barStyle, kPowerPointBarID) &&
        m_wndPowerPointBar.LoadToolBar(IDR_PP_TOOLBAR)) {
        m_wndPowerPointBar.SetBarStyle(m_wndPowerPointBar.GetBarStyle() | CBRS_TOOLTIPS |
                                       CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        m_wndPowerPointBar.EnableDocking(CBRS_ALIGN_ANY);
        m_wndPowerPointBar.SetWindowText("Power Point Instructions");
    }

    // The show's rundown and its toolbar, hidden until a show is open.
    const bool bRundown = m_wndRundownBar.Create("RundownBar", this, CSize(100, 200), TRUE,
                                                 CRundownBar::kBarID, barStyle);
    if (bRundown) {
        m_wndRundownBar.SetBarStyle(m_wndRundownBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                                    CBRS_SIZE_DYNAMIC);
        m_wndRundownBar.m_szHorz = CSize(-1, 250);
        m_wndRundownBar.m_szVert = CSize(338, -1);
        m_wndRundownBar.m_szFloat = CSize(300, 100);
        m_wndRundownBar.EnableDocking(CBRS_ALIGN_ANY);
    }
    const bool bRundownTools = m_wndRundownToolBar.Create(this, barStyle, kRundownToolbarID) &&
        m_wndRundownToolBar.LoadToolBar(IDR_RUNDOWN_TOOLBAR);
    if (bRundownTools) {
        m_wndRundownToolBar.SetBarStyle(m_wndRundownToolBar.GetBarStyle() | CBRS_TOOLTIPS |
                                        CBRS_FLYBY | CBRS_SIZE_FIXED);
        m_wndRundownToolBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        m_wndRundownToolBar.SetWindowText("Rundown");
    }

    EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_wndToolBar);
    if (m_wndButtonBar.GetSafeHwnd())
        DockControlBar(&m_wndButtonBar);
    if (m_wndPowerPointBar.GetSafeHwnd())
        DockBarBeside(&m_wndPowerPointBar, &m_wndToolBar);
    if (bRundown) {
        DockControlBar(&m_wndRundownBar, AFX_IDW_DOCKBAR_BOTTOM);
        ShowControlBar(&m_wndRundownBar, FALSE, FALSE);
    }
    if (bRundownTools) {
        DockControlBar(&m_wndRundownToolBar);
        ShowControlBar(&m_wndRundownToolBar, FALSE, FALSE);
    }
    if (bHeaders) {
        FloatControlBar(&m_wndHeadersBar, CPoint(0, -1000), CBRS_ALIGN_TOP);
        ShowControlBar(&m_wndHeadersBar, FALSE, FALSE);
    }
    RecalcLayout();
    return 0;
}

CWnd* CMainFrame::GetMessageBar()
{
    return m_wndStatusBar.GetSafeHwnd() ? &m_wndStatusBar : nullptr;
}

void CMainFrame::DockBarBeside(CControlBar* pBar, CControlBar* pNeighbour)
{
    RecalcLayout(TRUE);
    CRect rect;
    pNeighbour->GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    const DWORD style = pNeighbour->GetBarStyle();
    const UINT side = (style & CBRS_ALIGN_TOP) ? AFX_IDW_DOCKBAR_TOP
        : (style & CBRS_ALIGN_BOTTOM)          ? AFX_IDW_DOCKBAR_BOTTOM
        : (style & CBRS_ALIGN_LEFT)            ? AFX_IDW_DOCKBAR_LEFT
                                               : AFX_IDW_DOCKBAR_RIGHT;
    DockControlBar(pBar, side, &rect);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    cs.lpszClass = kMarquillWindowClass;
    return TRUE;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app && app->m_bPrompting &&
        (message == WM_COMMAND || message == WM_INITMENU || message == WM_INITMENUPOPUP))
        return 0;
    if (message == WM_SHOW_RUNDOWN_BARS) {
        const BOOL bShow = wParam != 0;
        if (m_wndRundownBar.GetSafeHwnd())
            ShowControlBar(&m_wndRundownBar, bShow, FALSE);
        if (m_wndRundownToolBar.GetSafeHwnd())
            ShowControlBar(&m_wndRundownToolBar, bShow, FALSE);
        return 0;
    }
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CShowView* show = m_wndRundownBar.GetShowView();
    return show != nullptr && show->GetSafeHwnd() != nullptr &&
        show->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainFrame::RestorePlacement()
{
    CTXWordsApp* app = GetTXWordsApp();
    const RECT saved = app->GetSavedFrameRect();
    const RECT& v = app->m_rcVirtualDesktop;
    if ((app->m_nAppWidth || app->m_nAppHeight) && saved.left >= v.left && saved.top >= v.top &&
        saved.right <= v.right && saved.bottom <= v.bottom)
        SetWindowPos(nullptr, saved.left, saved.top, saved.right - saved.left,
                     saved.bottom - saved.top, SWP_NOZORDER);
    ShowWindow(app->m_nWindowState == SW_SHOWMAXIMIZED || app->m_nWindowState == SW_SHOWMINIMIZED
                   ? app->m_nWindowState
                   : SW_SHOWNORMAL);
    UpdateWindow();
}

void CMainFrame::OnClose()
{
    // The placement is kept as left, top, width and height; the profile is written at exit.
    CTXWordsApp* app = GetTXWordsApp();
    if (app) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        GetWindowPlacement(&wp);
        const RECT& rect = wp.rcNormalPosition;
        app->m_nAppLeft = rect.left;
        app->m_nAppTop = rect.top;
        app->m_nAppWidth = rect.right - rect.left;
        app->m_nAppHeight = rect.bottom - rect.top;
        app->m_nWindowState = IsZoomed() ? SW_SHOWMAXIMIZED
            : IsIconic()                 ? SW_SHOWMINIMIZED
                                         : SW_SHOWNORMAL;
        // The open show is closed (and saved when it has a file) before the documents.
        if (CShowView* show = app->GetShowView())
            show->CloseShow(MB_YESNO);
    }
    CMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy()
{
    // The bars go with the frame: no script view may reach them afterwards.
    if (CTXWordsApp* app = GetTXWordsApp()) {
        if (app->m_pButtonBarWnd == &m_wndButtonBar)
            app->m_pButtonBarWnd = nullptr;
        if (app->m_pStatusBarWnd == &m_wndStatusBar)
            app->m_pStatusBarWnd = nullptr;
    }
    CMDIFrameWnd::OnDestroy();
}
