// CWnd's services for frames and dialogs: the frame above a window, control-bar
// layout, tool-tip hit testing, help and the dialog-manager hooks.
#include "fw/win.h"

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
        if (pParent->IsFrameWnd())
            return (CFrameWnd*)pParent;
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CWnd* pFrame = (CWnd*)this;
    if (!IsFrameWnd())
        pFrame = GetParentFrame();
    if (pFrame != nullptr) {
        CFrameWnd* pTemp;
        while ((pTemp = pFrame->GetParentFrame()) != nullptr)
            pFrame = pTemp;
    }
    return (CFrameWnd*)pFrame;
}

BOOL CWnd::IsFrameWnd() const { return FALSE; }

BOOL CWnd::CheckAutoCenter() { return TRUE; }

void CWnd::DoDataExchange(CDataExchange*)
{
    // A window without data members exchanges nothing.
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageA(m_hWnd, lpMsg); }

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return;
    if (lpLayout != nullptr && lpLayout->hDWP != nullptr) {
        lpLayout->hDWP = ::DeferWindowPos(
            lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
            lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    } else {
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    UINT nMode = nFlags & ~reposNoPosLeftOver;
    layout.hDWP = nMode != reposQuery ? ::BeginDeferWindowPos(8) : nullptr;

    // Each bar takes its share from the edges of what is left.
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        UINT nIDC = (UINT)::GetDlgCtrlID(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hWndChild) != nullptr)
            ::SendMessageA(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nMode == reposQuery) {
        if (bStretch) {
            ::CopyRect(lpRectParam, &layout.rect);
        } else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }

    // The rest goes to the left-over pane (a view, the MDI client), less any border
    // the frame was asked to keep.
    if (nIDLeftOver != 0 && hWndLeftOver != nullptr) {
        if (nMode == reposExtra && lpRectParam != nullptr) {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        if ((nFlags & reposNoPosLeftOver) == 0) {
            CWnd* pLeftOver = FromHandle(hWndLeftOver);
            pLeftOver->CalcWindowRect(&layout.rect);
            AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
        }
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // The visible child under the point is the tool; its text comes by callback.
    CPoint ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!(::GetWindowLongA(hWndChild, GWL_STYLE) & WS_VISIBLE))
            continue;
        CRect rect;
        ::GetWindowRect(hWndChild, &rect);
        if (!rect.PtInRect(ptScreen))
            continue;
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)hWndChild;
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACKA;
            if (::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)
                pTI->uFlags |= 0x80000000; // not a button: the tip shows on hover only
        }
        return ::GetDlgCtrlID(hWndChild);
    }
    return -1;
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->WinHelp(dwData, nCmd);
}

void CWnd::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->HtmlHelp(dwData, nCmd);
}
