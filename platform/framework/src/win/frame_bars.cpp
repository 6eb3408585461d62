// CFrameWnd's control bars: the list of bars, docking sides, docking and floating,
// showing and hiding (View menu checks), tool-tip texts and the bar state in the profile.
#include "fw/win.h"

#include "frame_bars.h"

#include <algorithm>
#include <vector>

namespace {

struct DockSide
{
    UINT nID;
    DWORD dwAlign;
};
// The order in which the sides are made, laid out and offered.
const DockSide kDockSides[] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
                               {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
                               {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
                               {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT}};

} // namespace

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == nullptr)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != nullptr)
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return nullptr;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != nullptr && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    m_dwDockStyle |= dwDockStyle & CBRS_ALIGN_ANY;
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.dwAlign) || GetControlBar(side.nID) != nullptr)
            continue;
        CDockBar* pDock = new CDockBar;
        pDock->m_bAutoDelete = TRUE;
        if (!pDock->Create(this, WS_CHILD | WS_VISIBLE | side.dwAlign, side.nID)) {
            delete pDock;
            continue;
        }
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    CDockBar* pDockBar = nullptr;
    if (nDockBarID != 0) {
        pDockBar = (CDockBar*)GetControlBar(nDockBarID);
    } else {
        // The first side that both the bar and the frame allow.
        for (const DockSide& side : kDockSides) {
            if ((pBar->m_dwDockStyle & side.dwAlign) && (m_dwDockStyle & side.dwAlign)) {
                pDockBar = (CDockBar*)GetControlBar(side.nID);
                if (pDockBar != nullptr)
                    break;
            }
        }
    }
    if (pDockBar == nullptr || !pDockBar->IsDockBar())
        return;

    // A bar leaving a mini frame leaves it empty: the frame goes.
    CMiniDockFrameWnd* pOldFrame = nullptr;
    if (pBar->IsFloating())
        pOldFrame = (CMiniDockFrameWnd*)pBar->m_pDockBar->GetParent();
    pDockBar->DockControlBar(pBar, lpRect);
    if (pOldFrame != nullptr && pOldFrame->GetFloatingBar() == nullptr)
        pOldFrame->DestroyWindow();
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CMiniDockFrameWnd* pFrame = (CMiniDockFrameWnd*)pClass->CreateObject();
    if (pFrame == nullptr)
        return nullptr;
    // A frame that fails to be made deletes itself.
    if (!pFrame->Create(this, dwStyle))
        return nullptr;
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    if (pBar->IsFloating()) {
        // Already floating: its frame moves.
        CWnd* pFrame = pBar->m_pDockBar->GetParent();
        pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
    if (pDockFrame == nullptr)
        return;
    pDockFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The orientation it floats in.
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | (dwStyle & CBRS_ALIGN_ANY);
    if (!(pBar->m_dwStyle & CBRS_ALIGN_ANY))
        pBar->m_dwStyle |= CBRS_ALIGN_TOP;
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE) {
        pDockFrame->ShowWindow(SW_SHOWNA);
        pDockFrame->UpdateWindow();
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (bDelay) {
        pBar->DelayShow(bShow);
        if (pParentFrame != nullptr)
            pParentFrame->DelayRecalcLayout();
        return;
    }
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    pBar->DelayShow(bShow); // nothing left to do later
    if (pParentFrame != nullptr)
        pParentFrame->RecalcLayout(FALSE);
    if (pParentFrame != this)
        RecalcLayout(FALSE);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar != nullptr) {
        pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
        return;
    }
    pCmdUI->ContinueRouting();
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    UINT_PTR nID = pNMHDR->idFrom;
    BOOL bAnsi = pNMHDR->code == TTN_NEEDTEXTA;
    UINT uFlags = bAnsi ? ((NMTTDISPINFOA*)pNMHDR)->uFlags : ((NMTTDISPINFOW*)pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    if (nID == 0)
        return FALSE; // a separator, or a window without an id
    CString strTip;
    CString strFull;
    if (strFull.LoadString((UINT)nID))
        AfxExtractSubString(strTip, strFull, 1, '\n');
    if (bAnsi) {
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
        lstrcpynA(pInfo->szText, strTip, (int)(sizeof pInfo->szText));
        pInfo->lpszText = pInfo->szText;
    } else {
        NMTTDISPINFOW* pInfo = (NMTTDISPINFOW*)pNMHDR;
        ::MultiByteToWideChar(CP_ACP, 0, strTip, -1, pInfo->szText,
                              (int)(sizeof pInfo->szText / sizeof(WCHAR)));
        pInfo->szText[sizeof pInfo->szText / sizeof(WCHAR) - 1] = L'\0';
        pInfo->lpszText = pInfo->szText;
    }
    *pResult = 0;
    // The tip stays above the windows it explains.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

// --- the bar state in the profile ----------------------------------------------------------------

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    int nBars = 0;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->IsDockBar() || pBar->m_hWnd == nullptr || pBar->GetDlgCtrlID() == 0)
            continue;
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, nBars++);
        pApp->WriteProfileInt(strSection, "BarID", pBar->GetDlgCtrlID());
        pApp->WriteProfileInt(strSection, "Visible", (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
        pApp->WriteProfileInt(strSection, "Floating", pBar->IsFloating() ? 1 : 0);
        pApp->WriteProfileInt(strSection, "Horz", (pBar->m_dwStyle & CBRS_ORIENT_HORZ) ? 1 : 0);
        pApp->WriteProfileInt(strSection, "MRUWidth", (int)pBar->m_nMRUWidth);
        int nDockID = 0, nRow = 0, nPos = 0;
        CPoint ptFloat(0, 0);
        if (pBar->IsFloating()) {
            CRect rect;
            pBar->m_pDockBar->GetParent()->GetWindowRect(&rect);
            ptFloat = rect.TopLeft();
        } else if (pBar->m_pDockBar != nullptr) {
            nDockID = pBar->m_pDockBar->GetDlgCtrlID();
            const CPtrArray& bars = pBar->m_pDockBar->GetBarArray();
            for (INT_PTR i = 0; i < bars.GetSize() && bars[i] != pBar; i++) {
                if (bars[i] == nullptr) {
                    nRow++;
                    nPos = 0;
                } else {
                    nPos++;
                }
            }
        }
        pApp->WriteProfileInt(strSection, "DockBarID", nDockID);
        pApp->WriteProfileInt(strSection, "Row", nRow);
        pApp->WriteProfileInt(strSection, "Pos", nPos);
        pApp->WriteProfileInt(strSection, "XPos", ptFloat.x);
        pApp->WriteProfileInt(strSection, "YPos", ptFloat.y);
    }
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    pApp->WriteProfileInt(strSummary, "Bars", nBars);
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    int nBars = (int)pApp->GetProfileInt(strSummary, "Bars", 0);
    if (nBars <= 0 || nBars > 256)
        return; // nothing saved (or not by us)

    struct Saved
    {
        CControlBar* pBar;
        CControlBarInfo info;
    };
    std::vector<Saved> saved;
    for (int i = 0; i < nBars; i++) {
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfileName, i);
        Saved s;
        s.info.m_nBarID = pApp->GetProfileInt(strSection, "BarID", 0);
        // A bar this frame no longer has is skipped.
        s.pBar = GetControlBar(s.info.m_nBarID);
        if (s.pBar == nullptr || s.pBar->IsDockBar())
            continue;
        s.info.m_bVisible = pApp->GetProfileInt(strSection, "Visible", 1) != 0;
        s.info.m_bFloating = pApp->GetProfileInt(strSection, "Floating", 0) != 0;
        s.info.m_uMRUDockID = pApp->GetProfileInt(strSection, "DockBarID", 0);
        s.info.m_nRow = (int)pApp->GetProfileInt(strSection, "Row", 0);
        s.info.m_nPos = (int)pApp->GetProfileInt(strSection, "Pos", 0);
        s.info.m_pointPos.x = (int)pApp->GetProfileInt(strSection, "XPos", 0);
        s.info.m_pointPos.y = (int)pApp->GetProfileInt(strSection, "YPos", 0);
        s.info.m_nMRUWidth = pApp->GetProfileInt(strSection, "MRUWidth", 32767);
        BOOL bHorz = pApp->GetProfileInt(strSection, "Horz", 1) != 0;
        s.pBar->m_nMRUWidth = s.info.m_nMRUWidth;
        if (s.info.m_bFloating)
            s.info.m_uMRUDockID = bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT; // the orientation
        saved.push_back(s);
    }

    // Docked bars go back row by row, place by place.
    std::vector<Saved*> docked;
    for (Saved& s : saved) {
        CControlBar* pDock = s.info.m_bFloating ? nullptr : GetControlBar(s.info.m_uMRUDockID);
        if (pDock != nullptr && pDock->IsDockBar())
            docked.push_back(&s);
    }
    std::stable_sort(docked.begin(), docked.end(), [](const Saved* a, const Saved* b) {
        if (a->info.m_uMRUDockID != b->info.m_uMRUDockID)
            return a->info.m_uMRUDockID < b->info.m_uMRUDockID;
        if (a->info.m_nRow != b->info.m_nRow)
            return a->info.m_nRow < b->info.m_nRow;
        return a->info.m_nPos < b->info.m_nPos;
    });
    for (Saved* s : docked)
        if (s->pBar->m_pDockBar != nullptr && !s->pBar->IsFloating())
            s->pBar->m_pDockBar->RemoveControlBar(s->pBar);
    UINT nLastDock = 0;
    int nLastRow = -1;
    for (Saved* s : docked) {
        CDockBar* pDock = (CDockBar*)GetControlBar(s->info.m_uMRUDockID);
        CMiniDockFrameWnd* pOldFrame =
            s->pBar->IsFloating() ? (CMiniDockFrameWnd*)s->pBar->m_pDockBar->GetParent() : nullptr;
        if (s->info.m_uMRUDockID == nLastDock && s->info.m_nRow == nLastRow &&
            pDock->m_arrBars.GetSize() > 0) {
            // Same row as the bar before: before that row's closing null.
            pDock->DockControlBar(s->pBar, nullptr);
            INT_PTR nAt = pDock->FindBar(s->pBar);
            pDock->m_arrBars.RemoveAt(nAt, 2);
            pDock->m_arrBars.InsertAt(pDock->m_arrBars.GetSize() - 1, s->pBar);
        } else {
            pDock->DockControlBar(s->pBar, nullptr);
        }
        if (pOldFrame != nullptr && pOldFrame->GetFloatingBar() == nullptr)
            pOldFrame->DestroyWindow();
        nLastDock = s->info.m_uMRUDockID;
        nLastRow = s->info.m_nRow;
    }
    for (Saved& s : saved) {
        if (s.info.m_bFloating)
            FloatControlBar(s.pBar, s.info.m_pointPos, s.info.m_uMRUDockID);
    }
    for (Saved& s : saved)
        ShowControlBar(s.pBar, s.info.m_bVisible, FALSE);
    RecalcLayout();
}

// --- print preview ------------------------------------------------------------------------

void fw::HideBarsForPreview(CFrameWnd* pFrame, bool bPreview)
{
    // A copy: showing and hiding may reorder nothing, but floating frames relayout.
    std::vector<CControlBar*> bars;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        bars.push_back((CControlBar*)pFrame->m_listControlBars.GetNext(pos));
    for (CControlBar* pBar : bars) {
        if (pBar->IsDockBar() || pBar->m_hWnd == nullptr ||
            pBar->GetDlgCtrlID() == AFX_IDW_PREVIEW_BAR)
            continue;
        if (bPreview) {
            if (pBar->IsVisible()) {
                pBar->m_nStateFlags |= CControlBar::tempHide;
                pFrame->ShowControlBar(pBar, FALSE, FALSE);
            }
        } else if (pBar->m_nStateFlags & CControlBar::tempHide) {
            pBar->m_nStateFlags &= ~CControlBar::tempHide;
            pFrame->ShowControlBar(pBar, TRUE, FALSE);
        }
    }
}
