#include "MainPlaceholder.h"

#include "MarquillResource.h"
#include "ScreenChoice.h"
#include "TXWords.h"

BEGIN_MESSAGE_MAP(CMainPlaceholder, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CMainPlaceholder::CreateMain(CTXWordsApp* app)
{
    m_pApp = app;
    if (!CreateEx(0, kMarquillWindowClass, "Marquill", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                  CW_USEDEFAULT, 800, 600, nullptr, nullptr))
        return FALSE;
    // The saved rectangle only when it lies on the virtual screen (a monitor may be gone).
    const RECT saved = app->GetSavedFrameRect();
    const RECT& v = app->m_rcVirtualDesktop;
    RECT rect;
    GetWindowRect(&rect);
    if ((app->m_nAppLeft || app->m_nAppTop || app->m_nAppWidth || app->m_nAppHeight) &&
        saved.left >= v.left && saved.top >= v.top && saved.right <= v.right &&
        saved.bottom <= v.bottom)
        rect = saved;
    SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW);
    ShowWindow(app->m_nWindowState == SW_SHOWMAXIMIZED || app->m_nWindowState == SW_SHOWMINIMIZED
                   ? app->m_nWindowState
                   : SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

void CMainPlaceholder::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::DrawTextA(dc, "Marquill", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::EndPaint(m_hWnd, &ps);
}

void CMainPlaceholder::OnClose()
{
    // The placement is kept as left, top, width and height; the profile is written at exit.
    RECT rect;
    GetWindowRect(&rect);
    if (m_pApp) {
        m_pApp->m_nAppLeft = rect.left;
        m_pApp->m_nAppTop = rect.top;
        m_pApp->m_nAppWidth = rect.right - rect.left;
        m_pApp->m_nAppHeight = rect.bottom - rect.top;
        m_pApp->m_nWindowState = IsZoomed() ? SW_SHOWMAXIMIZED
            : IsIconic()                    ? SW_SHOWMINIMIZED
                                            : SW_SHOWNORMAL;
    }
    CWnd::OnClose();
}

void CMainPlaceholder::PostNcDestroy() { delete this; }
