// CGXTabWnd: its panes under their tabs: switching panes (each keeps its scroll state under
// its tab, and either may refuse the switch), tab names, the strip's requests and the
// editor that renames a tab.
#include "core/GXTabWnd.h"
#include "fw/dc.h"
#include "fw/frame.h"
#include "fw/view.h"

#include <algorithm>

// Panes.

void CGXTabWnd::SavePaneScrollInfo(CWnd* pPane)
{
    const int nTab = m_pBeam != nullptr ? m_pBeam->FindTab(pPane) : -1;
    if (nTab < 0)
        return;
    CGXTabInfo& info = m_pBeam->GetTabInfo(nTab);
    const int anBars[2] = {SB_VERT, SB_HORZ};
    for (int i = 0; i < 2; ++i) {
        SCROLLINFO& si = info.sbInfo[i];
        si = SCROLLINFO {};
        si.cbSize = sizeof(si);
        if (!pPane->GetScrollInfo(anBars[i], &si, SIF_ALL)) {
            int nMin = 0, nMax = 0;
            pPane->GetScrollRange(anBars[i], &nMin, &nMax);
            si.nMin = nMin;
            si.nMax = nMax;
            si.nPos = pPane->GetScrollPos(anBars[i]);
        }
        si.nTrackPos = si.nPos;
    }
}

void CGXTabWnd::RestorePaneScrollInfo(CWnd* pPane)
{
    const int nTab = m_pBeam != nullptr ? m_pBeam->FindTab(pPane) : -1;
    if (nTab < 0)
        return;
    CGXTabInfo& info = m_pBeam->GetTabInfo(nTab);
    const int anBars[2] = {SB_VERT, SB_HORZ};
    CScrollBar* apBars[2] = {&m_sbVert, &m_sbHorz};
    for (int i = 0; i < 2; ++i) {
        SCROLLINFO si = info.sbInfo[i];
        if (apBars[i]->GetSafeHwnd() == nullptr)
            continue;
        if (si.nMax == 0) {
            apBars[i]->EnableScrollBar(ESB_DISABLE_BOTH);
            continue;
        }
        apBars[i]->EnableScrollBar(ESB_ENABLE_BOTH);
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        if (!pPane->SetScrollInfo(anBars[i], &si, TRUE))
            pPane->SetScrollRange(anBars[i], si.nMin, si.nMax, TRUE);
        pPane->SetScrollPos(anBars[i], si.nPos, TRUE);
    }
}

void CGXTabWnd::ActivatePane(CWnd* pPane)
{
    if (pPane == nullptr || m_pBeam == nullptr)
        return;
    CWnd* pOld = m_pActivePane;
    if (pOld != nullptr && pOld != pPane) {
        if (pOld->SendMessage(GX_WM_CANCHANGEPANE, 0) != 0 ||
            pPane->SendMessage(GX_WM_CANCHANGEPANE, 1) != 0) {
            m_pBeam->SetActiveTab(m_pBeam->FindTab(pOld));
            pOld->SetFocus();
            return;
        }
        SavePaneScrollInfo(pOld);
        pOld->ShowWindow(SW_HIDE);
    }
    const int nTab = m_pBeam->FindTab(pPane);
    if (nTab != m_pBeam->GetActiveTab())
        m_pBeam->SetActiveTab(nTab);
    m_pBeam->EnsureVisible(nTab);
    m_pBeam->UpdateWindow();
    m_pActivePane = pPane;
    pPane->ShowWindow(SW_SHOW);
    pPane->SetFocus();
    if (CView* pView = PaneAsView(pPane))
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetActiveView(pView);
    RestorePaneScrollInfo(pPane);
    pPane->Invalidate();
    const CRect rectPane = CalcPaneRect();
    pPane->MoveWindow(rectPane);
    RecalcLayout(nullptr);
}

CString CGXTabWnd::GetTabName(CWnd* pPane)
{
    const int nTab = m_pBeam != nullptr ? m_pBeam->FindTab(pPane) : -1;
    return nTab >= 0 ? m_pBeam->GetTabInfo(nTab).sLabel : CString();
}

void CGXTabWnd::SetTabName(int nTab, LPCTSTR pszName, BOOL bNotify)
{
    if (m_pBeam == nullptr || nTab < 0 || nTab >= m_pBeam->GetCount())
        return;
    m_pBeam->GetTabInfo(nTab).sLabel = pszName != nullptr ? pszName : "";
    m_pBeam->UpdateTabWidth(nTab);
    m_pBeam->RepaintFrom(-2);
    if (bNotify)
        SendMessage(GX_WM_TABNAMECHANGED, (WPARAM)nTab);
}

void CGXTabWnd::SetPaneTabName(CWnd* pPane, LPCTSTR pszName, BOOL bNotify)
{
    if (m_pBeam != nullptr)
        SetTabName(m_pBeam->FindTab(pPane), pszName, bNotify);
}

// Messages of the strip and the rename editor.

LRESULT CGXTabWnd::OnCanChangeTab(WPARAM wParam, LPARAM)
{
    const int nTab = (int)wParam;
    if (m_pBeam == nullptr || nTab < 0 || nTab >= m_pBeam->GetCount())
        return 1;
    CWnd* pPane = m_pBeam->GetTabInfo(nTab).pExtra;
    if (m_pActivePane == nullptr || pPane == m_pActivePane)
        return 0;
    if (m_pActivePane->SendMessage(GX_WM_CANCHANGEPANE, 0) != 0 ||
        (pPane != nullptr && pPane->SendMessage(GX_WM_CANCHANGEPANE, 1) != 0)) {
        m_pActivePane->SetFocus();
        return 1;
    }
    return 0;
}

LRESULT CGXTabWnd::OnTabChosen(WPARAM wParam, LPARAM)
{
    const int nTab = (int)wParam;
    if (m_pBeam == nullptr || nTab < 0 || nTab >= m_pBeam->GetCount())
        return 0;
    CWnd* pPane = m_pBeam->GetTabInfo(nTab).pExtra;
    if (pPane == nullptr)
        return 0;
    if (pPane != m_pActivePane) {
        ActivatePane(pPane);
        return 0;
    }
    MSG msg;
    if (::PeekMessageA(&msg, m_hWnd, GX_WM_TABRENAME, GX_WM_TABRENAME, PM_NOREMOVE))
        return 0; // a rename is on its way: leave the focus to it
    if (CView* pView = PaneAsView(pPane))
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetActiveView(pView);
    pPane->SetFocus();
    pPane->Invalidate();
    return 0;
}

LRESULT CGXTabWnd::OnTabRename(WPARAM wParam, LPARAM)
{
    const int nTab = (int)wParam;
    if (m_pRenamePopup != nullptr || m_pBeam == nullptr || nTab < 0 || nTab >= m_pBeam->GetCount())
        return 0;
    CWnd* pPane = m_pBeam->GetTabInfo(nTab).pExtra;
    if (pPane != nullptr && pPane->SendMessage(GX_WM_CANRENAMETAB, (WPARAM)nTab) == 0)
        return 0;
    FreeDeadPopup();

    CSize sizeChar;
    {
        CClientDC dc(m_pBeam);
        CFont* pOld = dc.SelectObject(m_pBeam->GetNormalFont());
        sizeChar = dc.GetTextExtent("W", 1);
        dc.SelectObject(pOld);
    }
    const int cyFrame = ::GetSystemMetrics(SM_CYDLGFRAME);
    CRect rectClient;
    GetClientRect(&rectClient);
    const CRect rectPane = CalcPaneRect();
    int nWidth = 15 * (int)sizeChar.cx;
    const int nHeight = 4 * cyFrame + (int)sizeChar.cy;
    int x = m_pBeam->GetTabLeft(nTab);
    const int y = std::max(0, (int)rectPane.bottom - (int)(sizeChar.cy + cyFrame) * 2);
    if (x + nWidth > rectClient.right)
        x = std::max(0, (int)rectClient.right - nWidth);
    nWidth = std::min(nWidth, rectClient.Width());

    CGXEditLabelPopup* pPopup = new CGXEditLabelPopup;
    const DWORD dwStyle = ThreeD() ? WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL
                                   : WS_VISIBLE | WS_BORDER | WS_DLGFRAME | ES_AUTOHSCROLL;
    if (!pPopup->Create(dwStyle, CRect(x, y, x + nWidth, y + nHeight), this, GX_IDC_EDITLABEL)) {
        delete pPopup;
        return 0;
    }
    m_pRenamePopup = pPopup;
    pPopup->SetWindowText(m_pBeam->GetTabInfo(nTab).sLabel);
    pPopup->SetFont(m_pBeam->GetNormalFont());
    pPopup->SetSel(0, -1);
    pPopup->SetFocus();
    return 0;
}

void CGXTabWnd::FreeDeadPopup()
{
    delete m_pDeadPopup;
    m_pDeadPopup = nullptr;
}

void CGXTabWnd::CloseRenamePopup()
{
    CGXEditLabelPopup* pPopup = m_pRenamePopup;
    if (pPopup == nullptr)
        return;
    // Cleared first: destroying the editor takes its focus away, which asks to cancel again.
    m_pRenamePopup = nullptr;
    pPopup->DestroyWindow();
    // The object may still be inside its own key handler: freed at the next occasion.
    FreeDeadPopup();
    m_pDeadPopup = pPopup;
    if (m_pActivePane != nullptr && ::IsWindowVisible(m_pActivePane->m_hWnd))
        m_pActivePane->SetFocus();
}

LRESULT CGXTabWnd::OnRenameAccept(WPARAM, LPARAM)
{
    if (m_pRenamePopup == nullptr || m_pBeam == nullptr)
        return 0;
    CString strName;
    m_pRenamePopup->GetWindowText(strName);
    CloseRenamePopup();
    const int nTab = m_pBeam->GetActiveTab();
    if (nTab < 0)
        return 0;
    m_pBeam->GetTabInfo(nTab).sLabel = strName;
    m_pBeam->UpdateTabWidth(nTab);
    m_pBeam->RepaintFrom(-2);
    if (CWnd* pPane = m_pBeam->GetTabInfo(nTab).pExtra)
        pPane->SendMessage(GX_WM_TABNAMECHANGED, (WPARAM)nTab);
    return 0;
}

LRESULT CGXTabWnd::OnRenameCancel(WPARAM, LPARAM)
{
    CloseRenamePopup();
    return 0;
}
