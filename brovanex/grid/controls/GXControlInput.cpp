// CGXControl: mouse and key routing to the child buttons and the grid, scroll messages,
// settings and colour changes.
#include "controls/GXChild.h"
#include "controls/GXControl.h"
#include "core/GXGridCore.h"

BOOL CGXControl::RouteButtonDown(int nButton, UINT nFlags, CPoint point)
{
    PlaceChildrenForBoundCell();
    for (int i = 0; i < GetCount(); ++i) {
        CGXChild* pChild = GetChild(i);
        if (!pChild->HitTest(point))
            continue;
        m_pActiveChild = pChild;
        switch (nButton) {
        case 0:
            return pChild->LButtonDown(nFlags, point);
        case 1:
            return pChild->MButtonDown(nFlags, point);
        default:
            return pChild->RButtonDown(nFlags, point);
        }
    }
    return FALSE;
}

BOOL CGXControl::RouteButtonUp(int nButton, UINT nFlags, CPoint point)
{
    PlaceChildrenForBoundCell();
    BOOL bResult = FALSE;
    if (CGXChild* pChild = m_pActiveChild) {
        switch (nButton) {
        case 0:
            bResult = pChild->LButtonUp(nFlags, point);
            break;
        case 1:
            bResult = pChild->MButtonUp(nFlags, point);
            break;
        default:
            bResult = pChild->RButtonUp(nFlags, point);
            break;
        }
    }
    if (m_bInit && GetCellRect(m_nRow, m_nCol).PtInRect(point)) {
        switch (nButton) {
        case 0:
            bResult |= m_pGrid->OnLButtonClickedRowCol(m_nRow, m_nCol, nFlags, point);
            break;
        case 1:
            bResult |= m_pGrid->OnMButtonClickedRowCol(m_nRow, m_nCol, nFlags, point);
            break;
        default:
            bResult |= m_pGrid->OnRButtonClickedRowCol(m_nRow, m_nCol, nFlags, point);
            break;
        }
    }
    return bResult;
}

BOOL CGXControl::RouteButtonDblClk(int nButton, UINT nFlags, CPoint point)
{
    PlaceChildrenForBoundCell();
    BOOL bResult = FALSE;
    for (int i = 0; i < GetCount() && !bResult; ++i) {
        CGXChild* pChild = GetChild(i);
        if (!pChild->HitTest(point))
            continue;
        m_pActiveChild = pChild;
        switch (nButton) {
        case 0:
            bResult = pChild->LButtonDblClk(nFlags, point);
            break;
        case 1:
            bResult = pChild->MButtonDblClk(nFlags, point);
            break;
        default:
            bResult = pChild->RButtonDblClk(nFlags, point);
            break;
        }
    }
    if (!m_bInit)
        return bResult;
    switch (nButton) {
    case 0:
        bResult |= m_pGrid->OnLButtonDblClkRowCol(m_nRow, m_nCol, nFlags, point);
        break;
    case 1:
        bResult |= m_pGrid->OnMButtonDblClkRowCol(m_nRow, m_nCol, nFlags, point);
        break;
    default:
        bResult |= m_pGrid->OnRButtonDblClkRowCol(m_nRow, m_nCol, nFlags, point);
        break;
    }
    return bResult;
}

BOOL CGXControl::LButtonDown(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonDown(0, nFlags, point);
}
BOOL CGXControl::MButtonDown(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonDown(1, nFlags, point);
}
BOOL CGXControl::RButtonDown(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonDown(2, nFlags, point);
}
BOOL CGXControl::LButtonUp(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonUp(0, nFlags, point);
}
BOOL CGXControl::MButtonUp(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonUp(1, nFlags, point);
}
BOOL CGXControl::RButtonUp(UINT nFlags, CPoint point, UINT)
{
    return RouteButtonUp(2, nFlags, point);
}
BOOL CGXControl::LButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteButtonDblClk(0, nFlags, point);
}
BOOL CGXControl::MButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteButtonDblClk(1, nFlags, point);
}
BOOL CGXControl::RButtonDblClk(UINT nFlags, CPoint point)
{
    return RouteButtonDblClk(2, nFlags, point);
}

BOOL CGXControl::MouseMove(UINT nFlags, CPoint point, UINT)
{
    PlaceChildrenForBoundCell();
    return m_pActiveChild != nullptr ? m_pActiveChild->MouseMove(nFlags, point) : FALSE;
}

BOOL CGXControl::MouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point)
{
    if (GetCount() > 0)
        PlaceChildren(nRow, nCol, GetCellRect(nRow, nCol));
    BOOL bResult = FALSE;
    for (int i = 0; i < GetCount() && !bResult; ++i) {
        CGXChild* pChild = GetChild(i);
        if (pChild->HitTest(point))
            bResult = pChild->MouseOverCell(nRow, nCol, nFlags, point);
    }
    return bResult | m_pGrid->OnMouseOverRowCol(nRow, nCol, nFlags, point);
}

BOOL CGXControl::OnMouseActivate(CWnd*, UINT, UINT, LRESULT&) { return FALSE; }
BOOL CGXControl::PreTranslateCellMessage(MSG*) { return FALSE; }
BOOL CGXControl::ClickSelectsCoveredOrigin() { return FALSE; }

// --- Keys ---

BOOL CGXControl::RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pActiveChild != nullptr &&
        m_pActiveChild->RouteKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    return GXRouteKeyToHandler(*this, m_bLeadByte, m_cLeadByte, nMessage, nChar, nRepCnt, nFlags);
}

BOOL CGXControl::KeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::KeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::Char(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::InsertTypedText(LPCTSTR, UINT, UINT) { return FALSE; }
BOOL CGXControl::DeadChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::SysKeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::SysKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::SysChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::SysDeadChar(UINT, UINT, UINT) { return FALSE; }

// --- Children's clicks, commands, scrolling, settings ---

void CGXControl::OnChildButtonClicked(CGXChild*)
{
    if (m_bInit)
        m_pGrid->OnClickedButtonRowCol(m_nRow, m_nCol);
}

BOOL CGXControl::OnCommand(WPARAM, LPARAM) { return FALSE; }

void CGXControl::OnScrollMessage(UINT nMessage)
{
    if ((nMessage != WM_HSCROLL && nMessage != WM_VSCROLL) || !m_bInit || !IsActive())
        return;
    CGXRange covered;
    if (m_pGrid->GetCoveredBlock(m_nRow, m_nCol, covered) == nullptr)
        return;
    const ROWCOL nFrozenCols = m_pGrid->GetFrozenColCount();
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRowCount();
    const BOOL bStraddles = (covered.left <= nFrozenCols && covered.right > nFrozenCols) ||
        (covered.top <= nFrozenRows && covered.bottom > nFrozenRows);
    if (!bStraddles)
        return;
    if (GetModify())
        Store();
    SetActive(FALSE);
    Refresh();
}

BOOL CGXControl::OnScrollMessageExtra(UINT, WPARAM, LPARAM) { return FALSE; }

void CGXControl::OnSettingsChange(LPCTSTR pszSection)
{
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnSettingsChange(pszSection);
}

void CGXControl::OnSystemColorsChange()
{
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnSystemColorsChange();
}

void CGXControl::OnCancelMode()
{
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->OnCancelMode();
}
