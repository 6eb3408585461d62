#include "FlatToolBar.h"

IMPLEMENT_DYNAMIC(CFlatToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CFlatToolBar, CToolBar)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

BOOL CFlatToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    if (!CToolBar::LoadToolBar(lpszResourceName))
        return FALSE;
    ModifyStyle(0, TBSTYLE_FLAT);
    return TRUE;
}

void CFlatToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    Default();
    if (!(lpWndPos->flags & SWP_NOMOVE)) {
        // The old place is painted over by the parent.
        CRect rect;
        GetWindowRect(&rect);
        CWnd* pParent = GetParent();
        if (pParent != nullptr) {
            pParent->ScreenToClient(&rect);
            pParent->InvalidateRect(&rect, TRUE);
        }
    }
}

void CFlatToolBar::OnWindowPosChanged(WINDOWPOS* lpWndPos)
{
    Default();
    if (!(lpWndPos->flags & SWP_NOMOVE))
        SendMessage(WM_NCPAINT);
}

void CFlatToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CFlatOrCoolBarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)SendMessage(TB_BUTTONCOUNT);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)state.m_nIndex, (LPARAM)&button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The bar's own handlers first, then the frame's.
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CFlatOrCoolBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = nOldStyle & ~TBBS_DISABLED;
    if (!bOn)
        nNewStyle = (nNewStyle & ~TBBS_PRESSED) | TBBS_DISABLED;
    if (nNewStyle != nOldStyle)
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
}

void CFlatOrCoolBarCmdUI::SetCheck(int nCheck)
{
    // A checked button of a flat bar is shown pressed.
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = nOldStyle & ~(TBBS_PRESSED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_PRESSED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    if (nNewStyle != nOldStyle) {
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
        pToolBar->Invalidate();
    }
}
