#include "MainFrame.h"

#include "TXWords.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

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
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
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
    }
    CMDIFrameWnd::OnClose();
}
