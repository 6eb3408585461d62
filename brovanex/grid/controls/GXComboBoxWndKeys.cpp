// CGXComboBoxWnd: keys, typed characters, the button and clicks, and the combo window's
// notifications; CGXComboEditPart, the combo's edit child.
#include "controls/GXComboBoxWnd.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"

namespace {
BOOL KeyIsDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }
} // namespace

BOOL CGXComboBoxWnd::Activate()
{
    if (IsActive())
        return TRUE;
    if (!IsInit() || GetSafeHwnd() == nullptr || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    return TRUE;
}

void CGXComboBoxWnd::DropDown()
{
    if (GetSafeHwnd() == nullptr || GetDroppedState())
        return;
    // The window is laid over the cell by the paint; the list opens from there.
    if (!Grid()->BringCellIntoView(GetRow(), GetCol()))
        Refresh();
    if (CWnd* pGridWnd = Grid()->GetGridWnd())
        pGridWnd->UpdateWindow();
    // Posted: the mouse or key handling under way (releasing the grid's capture, redrawing
    // the cell) would close a list dropped now.
    if (IsWindowVisible())
        PostMessage(CB_SHOWDROPDOWN, TRUE);
    else
        m_bDropPending = TRUE;
}

BOOL CGXComboBoxWnd::RouteGridChar(UINT nChar, LPARAM lParam)
{
    if (nChar != VK_TAB && nChar != VK_RETURN && nChar != VK_ESCAPE)
        return FALSE;
    if (nChar == VK_RETURN && GetDroppedState())
        return TRUE; // the Enter that closed the list
    Grid()->DispatchKeyMessage(this, WM_CHAR, nChar, LOWORD(lParam), HIWORD(lParam));
    return TRUE;
}

BOOL CGXComboBoxWnd::KeyHook(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CGXGridCore* pGrid = Grid();
    if (IsInit())
        pGrid->BringCellIntoView(GetRow(), GetCol());
    BOOL bToGrid = FALSE;
    const BOOL bDropped = GetDroppedState();
    if (KeyIsDown(VK_CONTROL)) {
        bToGrid = TRUE;
    } else {
        switch (nChar) {
        case VK_TAB:
        case VK_ESCAPE:
            bToGrid = TRUE;
            break;
        case VK_RETURN:
            if (bDropped) {
                ShowDropDown(FALSE);
                return TRUE;
            }
            bToGrid = TRUE;
            break;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            bToGrid = !bDropped && !m_bWantArrowKeys;
            break;
        case VK_LEFT:
        case VK_RIGHT:
            if (bDropped || m_bWantArrowKeys) {
                bToGrid = FALSE;
            } else if (IsPickOnly()) {
                bToGrid = TRUE;
            } else {
                int nStart = 0, nEnd = 0;
                m_editPart.GetSel(nStart, nEnd);
                bToGrid = nChar == VK_LEFT ? nStart <= 0 : nEnd >= m_editPart.GetWindowTextLength();
            }
            break;
        case VK_DELETE:
            if (!IsPickOnly())
                return FALSE;
            // A pick-only cell is emptied as a whole: unless it is read-only or the grid
            // vetoes the deletion.
            if (IsReadOnly() || !OnDeleteCell())
                return TRUE;
            SetActive(FALSE);
            SetModify(FALSE);
            FreeStyle(TRUE);
            pGrid->SetValueRange(CGXRange(GetRow(), GetCol(), GetRow(), GetCol()), "",
                                 GX_INVALIDATE);
            Refresh();
            return TRUE;
        default:
            bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
            break;
        }
    }
    if (!bToGrid)
        return FALSE;
    pGrid->DispatchKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    return TRUE;
}

BOOL CGXComboBoxWnd::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    return CharAsTypedText(nChar, nRepCnt, nFlags);
}

BOOL CGXComboBoxWnd::InsertTypedText(LPCTSTR pszText, UINT, UINT)
{
    if (GetSafeHwnd() == nullptr || !IsInit() || !m_bHasStrings || pszText == nullptr)
        return FALSE;
    if (IsActive()) {
        if (!IsPickOnly() && !IsReadOnly()) {
            m_editPart.ReplaceSel(pszText);
            SetModify(TRUE);
            NotifyModified();
        }
        return TRUE;
    }
    if (IsReadOnly() || !Activate())
        return FALSE;
    if (IsPickOnly()) {
        // The next entry after the current one that begins with the text, else the first.
        const int nOld = GetCurSel();
        int nSel = FindString(nOld, pszText);
        if (nSel == CB_ERR || nSel == nOld)
            nSel = FindString(-1, pszText);
        if (nSel != CB_ERR)
            SetCurSel(nSel);
    } else {
        m_editPart.SetWindowText(pszText);
        const int nEnd = m_editPart.GetWindowTextLength();
        m_nSelStart = m_nSelEnd = nEnd;
        SetEditSel(nEnd, nEnd);
    }
    SetModify(TRUE);
    NotifyModified();
    Refresh();
    // The window laid over the cell now, the caret behind the typed text.
    if (CWnd* pGridWnd = Grid()->GetGridWnd())
        pGridWnd->UpdateWindow();
    if (!IsPickOnly()) {
        const int nEnd = m_editPart.GetWindowTextLength();
        m_nSelStart = m_nSelEnd = nEnd;
        SetEditSel(nEnd, nEnd);
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_DOWN || !IsInit())
        return CGXStatic::SysKeyDown(nChar, nRepCnt, nFlags);
    if (!Activate())
        return TRUE;
    DropDown();
    return TRUE;
}

void CGXComboBoxWnd::OnChildButtonClicked(CGXChild* pChild)
{
    if (pChild == m_pButton && IsInit() && GetSafeHwnd() != nullptr &&
        !(IsActive() && IsPickOnly() && !m_bDropDownOnClick)) {
        if (!IsActive()) {
            if (!Activate())
                return;
            Refresh();
        }
        if (!GetDroppedState() && m_bDropDownOnClick)
            DropDown();
    }
    CGXStatic::OnChildButtonClicked(pChild);
}

BOOL CGXComboBoxWnd::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    CGXGridParam* pParam = Grid()->GetParam();
    if (GetSafeHwnd() != nullptr && IsInit() && !IsActive() && pParam != nullptr &&
        (pParam->m_wActivateCell & 1) && (nHitState & GX_HITSTATE_INCELL) != 0 &&
        GetCellRect(GetRow(), GetCol()).PtInRect(point)) {
        if (Activate()) {
            Refresh();
            if (IsPickOnly() && m_bDropDownOnClick)
                DropDown();
        }
    }
    return CGXStatic::LButtonUp(nFlags, point, nHitState);
}

BOOL CGXComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (GetSafeHwnd() == nullptr || (HWND)lParam != m_hWnd)
        return FALSE;
    CGXGridCore* pGrid = Grid();
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
        if (!IsInit())
            break;
        if (IsReadOnly()) {
            RestoreSaved();
        } else {
            if (!IsActive())
                SetActive(TRUE);
            SetModify(TRUE);
            NotifyModified();
        }
        break;
    case CBN_SETFOCUS:
        if (m_bDropPending && !GetDroppedState()) {
            m_bDropPending = FALSE;
            ShowDropDown(TRUE);
        }
        break;
    case CBN_DROPDOWN:
        pGrid->m_bDropDownCell = TRUE;
        SaveState();
        break;
    case CBN_CLOSEUP:
        pGrid->m_bDropDownCell = FALSE;
        if (IsReadOnly())
            RestoreSaved();
        else if (GetModify())
            NotifyModified();
        break;
    default:
        break;
    }
    return TRUE;
}

LRESULT CGXComboBoxWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (KeyHook((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        break;
    case WM_CHAR:
        if (RouteGridChar((UINT)wParam, lParam))
            return 0;
        break;
    case WM_KILLFOCUS: {
        const LRESULT lResult = CComboBox::WindowProc(message, wParam, lParam);
        const HWND hNew = (HWND)wParam;
        if (hNew == nullptr || (hNew != m_hWnd && !::IsChild(m_hWnd, hNew)))
            ForwardKillFocus(CWnd::FromHandle(hNew));
        return lResult;
    }
    default:
        break;
    }
    return CComboBox::WindowProc(message, wParam, lParam);
}

LRESULT CGXComboEditPart::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pControl != nullptr) {
        switch (message) {
        case WM_KEYDOWN:
            if (m_pControl->KeyHook((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
                return 0;
            break;
        case WM_CHAR:
            if (m_pControl->RouteGridChar((UINT)wParam, lParam))
                return 0;
            break;
        case WM_KILLFOCUS: {
            const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
            const HWND hNew = (HWND)wParam;
            const HWND hCombo = m_pControl->GetSafeHwnd();
            if (hCombo != nullptr && hNew != hCombo && !::IsChild(hCombo, hNew))
                ::SendMessageA(hCombo, WM_KILLFOCUS, wParam, 0);
            return lResult;
        }
        default:
            break;
        }
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
