// CGXEditControl: keys, typed characters and clicks, on the inactive cell (through the grid)
// and in the edit window over the active cell, and the window's notifications.
#include "controls/GXChild.h"
#include "controls/GXEditControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "fw/dc.h"

namespace {
BOOL KeyIsDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }
} // namespace

void CGXEditControl::PlaceCaret(int nIndex)
{
    if (GetSafeHwnd() == nullptr)
        return;
    SetSel(nIndex, nIndex);
}

int CGXEditControl::CharFromPoint(CPoint point)
{
    if (GetSafeHwnd() == nullptr || !IsInit())
        return -1;
    CString strText;
    GetWindowText(strText);
    const CRect rect = GetCellRect(GetRow(), GetCol());
    if (!rect.PtInRect(point))
        return -1;
    if (strText.IsEmpty())
        return 0;
    // The cell's text as the static drawing lays it out: its font and alignment.
    const CGXStyle* pStyle = LoadStyle();
    CClientDC dc(Grid()->GetGridWnd());
    CFont* pOld = pStyle != nullptr ? Grid()->SelectStyleFont(&dc, *pStyle) : nullptr;
    const int nTotal = dc.GetTextExtent(strText).cx;
    const UINT nAlign = pStyle != nullptr ? pStyle->GetHorizontalAlignment() : DT_LEFT;
    int x0 = rect.left + 2;
    if (nAlign == DT_RIGHT)
        x0 = rect.right - 2 - nTotal;
    else if (nAlign == DT_CENTER)
        x0 = rect.left + (rect.Width() - nTotal) / 2;
    int nIndex = strText.GetLength();
    for (int i = 0; i < strText.GetLength(); ++i) {
        const int cxBefore = dc.GetTextExtent(strText.Left(i)).cx;
        const int cxAfter = dc.GetTextExtent(strText.Left(i + 1)).cx;
        if (point.x < x0 + (cxBefore + cxAfter) / 2) {
            nIndex = i;
            break;
        }
    }
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    return nIndex;
}

BOOL CGXEditControl::ActivateAtPoint(CPoint point)
{
    const int nIndex = CharFromPoint(point);
    if (nIndex < 0)
        return FALSE;
    if (!IsActive()) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
    }
    PlaceCaret(nIndex);
    if (::GetFocus() != m_hWnd)
        Refresh();
    return TRUE;
}

BOOL CGXEditControl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    CGXGridParam* pParam = Grid()->GetParam();
    if (GetSafeHwnd() != nullptr && pParam != nullptr && (pParam->m_wActivateCell & 1) &&
        (nHitState & GX_HITSTATE_INCELL) != 0)
        ActivateAtPoint(point);
    CGXStatic::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGXEditControl::LButtonDblClk(UINT nFlags, CPoint point)
{
    CGXGridParam* pParam = Grid()->GetParam();
    if (GetSafeHwnd() != nullptr && !IsActive() && pParam != nullptr &&
        (pParam->m_wActivateCell & 8))
        ActivateAtPoint(point);
    CGXStatic::LButtonDblClk(nFlags, point);
    return TRUE;
}

BOOL CGXEditControl::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsActive() || GetSafeHwnd() == nullptr || KeyIsDown(VK_CONTROL))
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    switch (nChar) {
    case VK_END:
    case VK_HOME:
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
        PlaceCaret(nChar == VK_HOME ? 0 : GetWindowTextLength());
        break;
    case VK_DELETE: {
        CGXGridParam* pParam = Grid()->GetParam();
        if (pParam == nullptr || pParam->m_wClipboardFlags != 0 || IsReadOnly() ||
            KeyIsDown(VK_SHIFT) || !OnDeleteCell() || !OnStartEditing())
            return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
        SetActive(TRUE);
        SetWindowTextQuiet("");
        SetModify(TRUE);
        NotifyModified();
        break;
    }
    default:
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    }
    RecalcLayout();
    if (!Grid()->BringCellIntoView(GetRow(), GetCol()))
        Refresh();
    return TRUE;
}

BOOL CGXEditControl::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    return CharAsTypedText(nChar, nRepCnt, nFlags);
}

BOOL CGXEditControl::InsertTypedText(LPCTSTR pszText, UINT, UINT)
{
    if (GetSafeHwnd() == nullptr || !IsInit() || IsReadOnly())
        return FALSE;
    if (!IsActive()) {
        // The first key replaces the cell's text.
        if (!ValidateText(pszText) || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetEditText(pszText);
        PlaceCaret(GetWindowTextLength());
        Refresh();
        return TRUE;
    }
    if (ValidateText(TextWithSelectionReplaced(pszText))) {
        ReplaceSel(pszText);
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        PlaceCaret(nEnd);
    }
    return TRUE;
}

BOOL CGXEditControl::HandleEditKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // TRUE: the key went to the grid.
    CGXGridCore* pGrid = Grid();
    if (IsInit())
        pGrid->BringCellIntoView(GetRow(), GetCol());
    BOOL bToGrid = FALSE;
    if (KeyIsDown(VK_CONTROL)) {
        // Ctrl+Enter is a line break for the character filter to judge.
        bToGrid = nChar != VK_RETURN;
    } else {
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        const int nLength = GetWindowTextLength();
        switch (nChar) {
        case VK_TAB:
        case VK_ESCAPE:
        case VK_PRIOR:
        case VK_NEXT:
            bToGrid = TRUE;
            break;
        case VK_RETURN:
            bToGrid = !(GetStyle() & ES_WANTRETURN);
            break;
        case VK_LEFT:
            bToGrid = nEnd <= 0;
            break;
        case VK_RIGHT:
            bToGrid = nEnd >= nLength;
            break;
        case VK_UP:
            bToGrid = LineFromChar(-1) <= 0;
            break;
        case VK_DOWN:
            bToGrid = LineFromChar(-1) >= GetLineCount() - 1;
            break;
        case VK_INSERT:
            if (KeyIsDown(VK_SHIFT)) {
                Paste();
                return FALSE;
            }
            break;
        case VK_DELETE:
            if (KeyIsDown(VK_SHIFT) && nStart < nEnd) {
                if (::OpenClipboard(m_hWnd)) {
                    ::EmptyClipboard();
                    ::CloseClipboard();
                }
                Cut();
                return FALSE;
            }
            break;
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

void CGXEditControl::InsertKeptText()
{
    if (m_strTyped.IsEmpty())
        return;
    const CString strText = m_strTyped;
    m_strTyped.Empty();
    ReplaceSel(strText);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (m_bRelayout) {
        PlaceCaret(0);
        if (CWnd* pGridWnd = Grid()->GetGridWnd())
            pGridWnd->UpdateWindow();
    } else {
        PlaceCaret(nEnd);
    }
}

BOOL CGXEditControl::HandleEditChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // TRUE: the character was handled here (not by the edit window).
    CGXGridCore* pGrid = Grid();
    m_strTyped.Empty();
    const BOOL bUsable = IsInit() && IsActive() && !IsReadOnly() && !(GetStyle() & ES_READONLY);
    if (!bUsable || (nRepCnt == 0 && nChar != VK_BACK && !::GetSystemMetrics(SM_PENWINDOWS))) {
        pGrid->DispatchKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
        return TRUE;
    }
    // The keystroke's key-down went to the grid (a move, a cancel, a store): its character
    // is the grid's too.
    if (nChar == VK_TAB || nChar == VK_ESCAPE || nChar == 0x7F) {
        pGrid->DispatchKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
        return TRUE;
    }
    pGrid->BringCellIntoView(GetRow(), GetCol());
    if (nChar == '\n') {
        if (m_bWrapText)
            m_strTyped = "\r\n";
    } else if (nChar == '\r') {
        if (GetStyle() & ES_WANTRETURN)
            m_strTyped = "\r\n";
    } else if (KeyIsDown(VK_CONTROL) && nChar < 32) {
        switch (nChar) {
        case 0x03:
            if (::OpenClipboard(m_hWnd)) {
                ::EmptyClipboard();
                ::CloseClipboard();
            }
            Copy();
            return TRUE;
        case 0x16:
            Paste();
            return TRUE;
        case 0x18:
            if (::OpenClipboard(m_hWnd)) {
                ::EmptyClipboard();
                ::CloseClipboard();
            }
            Cut();
            return TRUE;
        default:
            pGrid->DispatchKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
            return TRUE;
        }
    } else if (nChar < 32) {
        return FALSE; // Backspace and the like: the window edits, the grid hears of it
    } else {
        CString strChar;
        if (GXGetDoubleByteChar(nChar, strChar, m_bLeadByte, m_cLeadByte) && strChar.IsEmpty())
            return TRUE; // the lead byte waits for its trail byte
        if (!ValidateText(TextWithSelectionReplaced(strChar))) {
            OnRejectedText(strChar);
            return TRUE;
        }
        m_strTyped = strChar;
    }
    InsertKeptText();
    return TRUE;
}

LRESULT CGXEditControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CGXGridCore* pGrid = Grid();
    switch (message) {
    case WM_KEYDOWN:
        if (HandleEditKeyDown((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        break;
    case WM_CHAR: {
        if (HandleEditChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        pGrid->DispatchKeyMessage(this, WM_CHAR, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        return lResult;
    }
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: {
        if (pGrid->DispatchKeyMessage(this, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        if (message == WM_KEYUP)
            RecalcLayout();
        return lResult;
    }
    case WM_ERASEBKGND: {
        CDC* pDC = CDC::FromHandle((HDC)wParam);
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        pDC->FillSolidRect(&rect, m_crBack);
        return TRUE;
    }
    case WM_SHOWWINDOW:
    case WM_SETFOCUS: {
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        if (message == WM_SETFOCUS || wParam)
            RecalcLayout();
        return lResult;
    }
    case WM_KILLFOCUS: {
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        ForwardKillFocus(CWnd::FromHandle((HWND)wParam));
        return lResult;
    }
    case WM_LBUTTONDOWN: {
        int nOldStart = 0, nOldEnd = 0;
        GetSel(nOldStart, nOldEnd);
        const BOOL bWasVisible = IsWindowVisible();
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        if (!bWasVisible && IsInit()) {
            SetActive(TRUE);
            Refresh();
        }
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        if (nOldStart < nOldEnd && nStart == nEnd && nStart >= nOldStart && nStart < nOldEnd) {
            // A press inside the old selection: the text may be dragged (the grid declines
            // unless a drag feature is installed); the caret stays where the click put it.
            SetSel(nOldStart, nOldEnd);
            SetSel(nStart, nEnd);
        }
        return lResult;
    }
    case WM_CONTEXTMENU:
        return 0;
    case WM_IME_STARTCOMPOSITION:
        s_bComposing = TRUE;
        break;
    case WM_IME_ENDCOMPOSITION:
        s_bComposing = FALSE;
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CGXEditControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if ((HWND)lParam != m_hWnd || GetSafeHwnd() == nullptr)
        return FALSE;
    if (HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    if (m_bReplacing && !GetModify())
        return TRUE; // the control's own text
    if (!m_bReplacing)
        NotifyModified(); // typed into the window (the control's own changes report it)
    if (!IsInit())
        return TRUE;
    const CRect rectBefore = Grid()->GetSpannedCellRect(GetRow(), GetCol());
    InvalidateCell(GetRow(), GetCol());
    if (m_bAutoSize) {
        CGXRange range(GetRow(), GetCol(), GetRow(), GetCol());
        Grid()->GrowRangeByCovered(range);
        if (m_bWrapText)
            Grid()->FitRowHeights(range, 1, 10);
        else
            Grid()->FitColWidths(range, 1, 10);
        LineScroll(255);
    }
    if (Grid()->GetSpannedCellRect(GetRow(), GetCol()) != rectBefore)
        m_bRelayout = TRUE;
    return TRUE;
}
