// CGXDateTimeCtrl: the mouse and keys from the grid while the cell is current but not active,
// and the keys, focus and copying in the live window.
#include "controls/GXDateTimeCtrl.h"
#include "controls/GXBCalendar.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"

#include <windows.h>

// ---------------------------------------------------------------------------------------
// Mouse and keys from the grid while the cell is current but not active.

BOOL CGXDateTimeCtrl::LButtonDown(UINT nFlags, CPoint point, UINT nHitState)
{
    if (!IsInit() || m_hWnd == nullptr)
        return CGXStatic::LButtonDown(nFlags, point, nHitState);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (!IsActive() && pParam != nullptr && !(pParam->m_wActivateCell & (1 | 2)))
        return CGXStatic::LButtonDown(nFlags, point, nHitState);
    if (!Activate())
        return FALSE;
    CRect rect = GetCellRect(m_nRow, m_nCol);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    LayoutGadgets();
    CPoint pt(point.x - rect.left, point.y - rect.top);
    int nIndex = GadgetFromPoint(pt);
    if (nIndex < 0 || !SetCurrentGadget(nIndex))
        FirstGadget();
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    return TRUE;
}

BOOL CGXDateTimeCtrl::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsInit())
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (nChar) {
    case VK_END:
    case VK_HOME:
        if (!Activate())
            return FALSE;
        if (nChar == VK_END)
            LastGadget();
        else
            FirstGadget();
        Invalidate(FALSE);
        return TRUE;
    case VK_DELETE:
        if (bCtrl || IsCellReadOnly())
            break;
        SetActive(FALSE);
        Hide();
        m_pGrid->SetCellValue(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), "", GX_INVALIDATE);
        return TRUE;
    }
    return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXDateTimeCtrl::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsInit() || nChar < ' ' || nChar == 127)
        return CGXStatic::Char(nChar, nRepCnt, nFlags);
    if (!Activate())
        return FALSE;
    FirstGadget();
    PostMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
    return TRUE;
}

BOOL CGXDateTimeCtrl::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsInit() && nChar == VK_DOWN && (m_dwWndStyle & gxDropButton)) {
        if (!Activate())
            return FALSE;
        DropCalendar();
        return TRUE;
    }
    return CGXStatic::SysKeyDown(nChar, nRepCnt, nFlags);
}

// ---------------------------------------------------------------------------------------
// Keys in the live window.

void CGXDateTimeCtrl::ForwardToGrid(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CWnd* pGridWnd = m_pGrid->GetGridWnd();
    if (pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr)
        pGridWnd->SendMessage(nMessage, wParam, lParam);
}

void CGXDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    LPARAM lParam = MAKELPARAM(nRepCnt, nFlags);
    if (nChar == VK_TAB) {
        BOOL bBack = ::GetKeyState(VK_SHIFT) < 0;
        if (!CommitTyping())
            return;
        if (!(bBack ? PrevGadget() : NextGadget()))
            ForwardToGrid(WM_KEYDOWN, nChar, lParam); // past the last or first field
        return;
    }
    if (nChar == VK_DELETE) {
        if (IsCellReadOnly())
            return;
        SetModify(TRUE);
        m_bEmpty = TRUE;
        Invalidate(FALSE);
        NotifyModified();
        return;
    }
    if (nChar >= VK_F1 && nChar <= VK_F24 && nChar != VK_F4) {
        ForwardToGrid(WM_KEYDOWN, nChar, lParam);
        return;
    }
    CGXBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (GetStyle() & gxDropButton)) {
        DropCalendar();
        return;
    }
    ForwardToGrid(WM_SYSKEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case 3: // Ctrl+C
        if (::OpenClipboard(m_hWnd)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        Copy();
        return;
    case 0x18: // Ctrl+X
        if (::OpenClipboard(m_hWnd)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        Cut();
        return;
    case 0x16: // Ctrl+V
        Paste();
        return;
    case '\r':
    case '\n':
    case '\b':
        return;
    }
    if (IsInit() && IsCellReadOnly())
        return;
    CGXBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    Invalidate(FALSE);
}

void CGXDateTimeCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_KEYUP, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_SYSKEYUP, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_SYSCHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    SetScrollOffset(0);
    CGXBDateTimeCtrl::OnSetFocus(pOldWnd);
}

void CGXDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDateTimeCtrl::OnKillFocus(pNewWnd);
    // The focus going to the cell's own popup calendar does not leave the cell.
    if (GXBIsPopupCalendarOpening() ||
        (GetCalendar() != nullptr && pNewWnd != nullptr &&
         pNewWnd->GetSafeHwnd() == GetCalendar()->GetSafeHwnd()))
        return;
    ForwardKillFocus(pNewWnd);
}

BOOL CGXDateTimeCtrl::Copy()
{
    // The current cell copies as the grid copies it, active or not.
    if (IsInit() && m_pGrid->IsCurrentCell(m_nRow, m_nCol)) {
        CommitTyping();
        if (GetModify())
            Store();
        return m_pGrid->CopyOneRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol));
    }
    return CGXStatic::Copy();
}

void CGXDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    {
        CGXFocusChangeLock lock(m_pGrid);
        CGXBDateTimeCtrl::OnLButtonUp(nFlags, point);
    }
    if (IsInit() && GetModify())
        NotifyModified();
}
