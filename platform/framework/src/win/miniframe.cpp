// Mini frames: small tool-window frames; CMiniDockFrameWnd holds one floating control
// bar, sizes itself to it, hides it on close and lets its caption drag it.
#include "fw/win.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() = default;
CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                             DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    if (lpClassName == nullptr)
        lpClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                          (HBRUSH)(COLOR_BTNFACE + 1));
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, nullptr);
}

// --- the floating bar's frame ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMiniDockFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE), m_pDockSite(nullptr) { }

CMiniDockFrameWnd::~CMiniDockFrameWnd() = default;

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    m_pDockSite = (CFrameWnd*)pParent;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle |= WS_THICKFRAME;
    if (!CreateEx(0, nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent))
        return FALSE;
    m_wndDockBar.m_pDockSite = m_pDockSite; // the bar's commands go to the dock site
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFloatingBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
        if (m_wndDockBar.m_arrBars[i] != nullptr)
            return (CControlBar*)m_wndDockBar.m_arrBars[i];
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    CControlBar* pBar = GetFloatingBar();
    if (pBar != nullptr) {
        pBar->RecalcDelayShow(nullptr);
        CSize size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
            ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
            : pBar->CalcFixedLayout(FALSE, (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0);
        CRect rect(0, 0, size.cx, size.cy);
        ::SetWindowPos(m_wndDockBar.m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetWindowPos(pBar->m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The frame's caption is the bar's name; the frame shows while the bar does.
        CString strTitle;
        pBar->GetWindowText(strTitle);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle)
            SetWindowText(strTitle);
        BOOL bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (bVisible != IsWindowVisible())
            ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    } else if (IsWindowVisible()) {
        ShowWindow(SW_HIDE);
    }
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating bar hides it; the frame goes with it.
    CControlBar* pBar = GetFloatingBar();
    if (pBar != nullptr && m_pDockSite != nullptr)
        m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        // The caption drags the bar, which may dock it again.
        ActivateFrame();
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

LRESULT CMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    // The bar itself gets the idle message as a descendant; the frame has no document.
    (void)wParam;
    (void)lParam;
    return 0;
}
