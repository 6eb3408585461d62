// CGXGridCore: keys and moves of the current cell. Key messages reach the core from the grid
// window (and from the current cell's control window for the keys it does not keep); the
// current cell's control sees the grid window's keys first.
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"

namespace {
BOOL KeyIsDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }
} // namespace

ROWCOL CGXGridCore::PageTargetRow(int nDirection, ROWCOL nRow, UINT nCount)
{
    // A page is the scrolling rows the window shows; the grid scrolls by that many rows and
    // the current cell keeps its place on the screen.
    const ROWCOL nFrozenRows = GetFrozenRowCount();
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nTop = std::max(m_nTopRow, nFrozenRows + 1);
    const ROWCOL nLast = GetLastVisibleRow();
    ROWCOL nPage = nLast > nTop ? nLast - nTop : 1;
    nPage *= std::max(1u, nCount);
    if (nDirection == 5) {
        if (nRow >= nRows)
            return nRow;
        OnScrollRequest(3, nPage);
        if (nRow <= nFrozenRows)
            return std::max<ROWCOL>(nRow, 1);
        return nRows - nRow < nPage ? nRows : nRow + nPage;
    }
    if (nRow <= nFrozenRows + 1 && nRow <= nTop)
        return nRow;
    OnScrollRequest(1, nPage);
    if (nRow <= nFrozenRows)
        return nRow;
    return nRow - nFrozenRows - 1 < nPage ? nFrozenRows + 1 : nRow - nPage;
}

BOOL CGXGridCore::StepCurrentCell(int nDirection, UINT nCount, BOOL bSelect)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    nCount = std::max(1u, nCount);
    if (!IsActiveCurrentCell() && bSelect && m_pGridParam != nullptr &&
        UserSelectRangeImp() != nullptr)
        return MoveCurrentCellEx(nDirection, nCount);
    const ROWCOL nHeaderRows = GetHeaderRowCount(), nHeaderCols = GetHeaderColCount();
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    ROWCOL r = nRow, c = nCol;
    BOOL bFound = FALSE;
    switch (nDirection) {
    case 1:
    case 2:
    case 3:
    case 4:
        for (UINT i = 0; i < nCount; ++i) {
            if (!StepToEnabledCell(nDirection, r, c))
                break;
            bFound = TRUE;
        }
        break;
    case 5:
    case 6: {
        const ROWCOL nTarget = PageTargetRow(nDirection, nRow, nCount);
        if (nTarget == nRow)
            break;
        // The cell on the target row, else the nearest enabled one towards the move, else
        // back from it.
        r = nDirection == 5 ? nTarget - 1 : nTarget + 1;
        const int nForward = nDirection == 5 ? 3 : 1;
        bFound = StepToEnabledCell(nForward, r, c) && r != nRow;
        if (!bFound) {
            r = nDirection == 5 ? std::min(nTarget, nRows) + 1 : nTarget - 1;
            bFound = StepToEnabledCell(nDirection == 5 ? 1 : 3, r, c) && r != nRow;
        }
        break;
    }
    case 7:
        r = nHeaderRows;
        bFound = StepToEnabledCell(3, r, c);
        break;
    case 8:
        r = nRows + 1;
        bFound = StepToEnabledCell(1, r, c);
        break;
    case 9:
        c = nHeaderCols;
        bFound = StepToEnabledCell(4, r, c);
        break;
    case 10:
        c = nCols + 1;
        bFound = StepToEnabledCell(2, r, c);
        break;
    case 11:
        r = nHeaderRows;
        bFound = StepToEnabledCell(3, r, c);
        c = nHeaderCols;
        bFound = bFound && StepToEnabledCell(4, r, c);
        break;
    case 12:
        r = nRows + 1;
        bFound = StepToEnabledCell(1, r, c);
        c = nCols + 1;
        bFound = bFound && StepToEnabledCell(2, r, c);
        break;
    default:
        return FALSE;
    }
    if (!bFound || (r == nRow && c == nCol))
        return FALSE;
    m_bMoveInProgress = TRUE;
    BringCellIntoView(r, c);
    const BOOL bMoved = MakeCellCurrent(r, c, GX_UPDATENOW | GX_SCROLLINVIEW);
    m_bMoveInProgress = FALSE;
    if (!bMoved && m_bCurrentCellValid)
        BringCellIntoView(m_nCurrentRow, m_nCurrentCol);
    return bMoved;
}

BOOL CGXGridCore::MoveCurrentCell(int nDirection, UINT nCount, BOOL bSelect)
{
    if (MoveCurrentCellEx(nDirection, nCount))
        return TRUE;
    return StepCurrentCell(nDirection, nCount, bSelect);
}

BOOL CGXGridCore::GetCurrentCellText(CString& strText)
{
    strText.Empty();
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && GXControlGetEditText(pControl, strText);
}

BOOL CGXGridCore::DispatchKeyMessage(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt,
                                     UINT flags)
{
    const BOOL bWindow = m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr;
    if (bWindow && ::GetCapture() == m_pWindow->GetSafeHwnd()) {
        // A mouse operation runs: Esc ends it, every key is swallowed.
        if (nMessage == WM_KEYDOWN && nChar == VK_ESCAPE)
            m_pWindow->SendMessage(WM_CANCELMODE);
        return TRUE;
    }
    if (nMessage == WM_KEYDOWN && !(nChar == VK_BACK && KeyIsDown(VK_CONTROL)))
        m_bSwallowDelChar = FALSE;
    if (nMessage == WM_CHAR && nChar == 0x7F && m_bSwallowDelChar) {
        m_bSwallowDelChar = FALSE;
        return TRUE;
    }
    ROWCOL nRow, nCol;
    if (bWindow && pSender == m_pWindow && GetCurrentCell(nRow, nCol)) {
        if (CGXControl* pControl = GetCurrentCellControl()) {
            if (!pControl->IsInitRowCol(nRow, nCol))
                pControl->Init(nRow, nCol);
            if (pControl->RouteKeyMessage(nMessage, nChar, nRepCnt, flags)) {
                if (m_bCurrentCellValid)
                    InvalidateCellRange(
                        CGXRange(m_nCurrentRow, m_nCurrentCol, m_nCurrentRow, m_nCurrentCol),
                        GX_INVALIDATE, FALSE);
                m_pWindow->UpdateWindow();
                return TRUE;
            }
        }
    }
    switch (nMessage) {
    case WM_KEYDOWN:
        return HandleKeyDown(nChar, nRepCnt, flags);
    case WM_KEYUP:
        return HandleKeyUp(nChar, nRepCnt, flags);
    case WM_CHAR:
        return HandleChar(nChar, nRepCnt, flags);
    case WM_DEADCHAR:
        return HandleDeadChar(nChar, nRepCnt, flags);
    case WM_SYSKEYDOWN:
        return HandleSysKeyDown(nChar, nRepCnt, flags);
    case WM_SYSKEYUP:
        return HandleSysKeyUp(nChar, nRepCnt, flags);
    case WM_SYSCHAR:
        return HandleSysChar(nChar, nRepCnt, flags);
    case WM_SYSDEADCHAR:
        return HandleSysDeadChar(nChar, nRepCnt, flags);
    default:
        return FALSE;
    }
}

BOOL CGXGridCore::HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCtrl = KeyIsDown(VK_CONTROL);
    const BOOL bShift = KeyIsDown(VK_SHIFT);
    const UINT nCount = std::max(1u, nRepCnt);
    // A scrolling key held down (its repeats) hands over to the auto-scroll plug-in, which
    // repeats it faster the longer it stays down, until it is released or another key comes.
    const BOOL bScrollKey = nChar == VK_UP || nChar == VK_DOWN || nChar == VK_LEFT ||
        nChar == VK_RIGHT || nChar == VK_PRIOR || nChar == VK_NEXT;
    if (bScrollKey && (nFlags & KF_REPEAT) != 0 && GetFeature(gxSlotAutoScroll) != nullptr &&
        !(m_bAutoScroll && !m_bAutoScrollStop) && m_wMouseDown == 0 && m_pWindow != nullptr &&
        m_pWindow->GetSafeHwnd() != nullptr) {
        m_bAutoScrollKeyMode = TRUE;
        m_nAutoScrollKey = nChar;
        m_nAutoScrollKeyHigh = nFlags;
        m_nAutoScrollAxes = 0;
        StartAutoScroll(FALSE, 0, 1);
        if (!m_bAutoScroll)
            m_bAutoScrollKeyMode = FALSE;
    }
    switch (nChar) {
    case VK_BACK:
        if (bCtrl) {
            m_bSwallowDelChar = TRUE;
            Redo();
            return TRUE;
        }
        return FALSE;
    case VK_TAB:
        if (!SyncCurrentCell(TRUE))
            return TRUE;
        MoveCurrentCell(bShift ? 2 : 4, 1, FALSE);
        return TRUE;
    case VK_ESCAPE: {
        if (m_pGridParam != nullptr && m_pGridParam->m_bRangeMarking) {
            m_pGridParam->m_bRangeMarking = FALSE;
            RedrawAll(GX_INVALIDATE);
        }
        ROWCOL nRow, nCol;
        if (GetCurrentCell(nRow, nCol)) {
            CGXControl* pControl = GetCurrentCellControl();
            if (pControl != nullptr && pControl->IsActive()) {
                if (pControl->GetModify()) {
                    // The edit is dropped: the control shows the stored value again.
                    if (pControl->QueryCancelEdit()) {
                        SyncCurrentCell(FALSE);
                        pControl->OnCanceledEditing();
                    }
                } else if (pControl->QueryCancelEdit()) {
                    pControl->SetActive(FALSE);
                    pControl->OnCanceledEditing();
                }
            }
            InvalidateCellRange(CGXRange(nRow, nCol, nRow, nCol), GX_UPDATENOW, FALSE);
        }
        if (m_pGridParam != nullptr && !m_pGridParam->m_bKeepSelection)
            SetSelection(nullptr);
        return TRUE;
    }
    case VK_UP:
        return MoveCurrentCell(bCtrl ? 7 : 1, bCtrl ? 1 : nCount, bShift), TRUE;
    case VK_DOWN:
        return MoveCurrentCell(bCtrl ? 8 : 3, bCtrl ? 1 : nCount, bShift), TRUE;
    case VK_LEFT:
        return MoveCurrentCell(bCtrl ? 9 : 2, bCtrl ? 1 : nCount, bShift), TRUE;
    case VK_RIGHT:
        return MoveCurrentCell(bCtrl ? 10 : 4, bCtrl ? 1 : nCount, bShift), TRUE;
    case VK_NEXT:
        return MoveCurrentCell(5, nCount, bShift), TRUE;
    case VK_PRIOR:
        return MoveCurrentCell(6, nCount, bShift), TRUE;
    case VK_HOME:
        if (!bCtrl)
            return FALSE;
        return MoveCurrentCell(11, 1, bShift), TRUE;
    case VK_END:
        if (!bCtrl)
            return FALSE;
        return MoveCurrentCell(12, 1, bShift), TRUE;
    case VK_RETURN:
        if (!SyncCurrentCell(TRUE))
            return TRUE;
        if (m_pGridParam != nullptr && m_pGridParam->m_nEnterKeyAction != 0)
            MoveCurrentCell(m_pGridParam->m_nEnterKeyAction, 1, FALSE);
        return TRUE;
    case VK_F2: {
        CGXControl* pControl = GetCurrentCellControl();
        if (pControl == nullptr)
            return FALSE;
        if (pControl->IsActive()) {
            SyncCurrentCell(TRUE);
        } else if (pControl->OnStartEditing()) {
            pControl->SetActive(TRUE);
            pControl->Refresh();
        }
        return TRUE;
    }
    case VK_INSERT:
        if (m_pGridParam == nullptr || m_pGridParam->m_wClipboardFlags == 0)
            return FALSE;
        if (bCtrl && CanCopy())
            return Copy();
        if (bShift && CanPaste())
            return Paste();
        return FALSE;
    case VK_DELETE:
        if (m_pGridParam == nullptr || m_pGridParam->m_wClipboardFlags == 0)
            return FALSE;
        if (bShift && CanCut())
            return Cut();
        if (!bShift && !bCtrl && CanClear())
            return Clear(FALSE);
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL CGXGridCore::HandleChar(UINT nChar, UINT, UINT)
{
    switch (nChar) {
    case 0x03:
        return CanCopy() ? Copy() : FALSE;
    case 0x16:
        return CanPaste() ? Paste() : FALSE;
    case 0x18:
        return CanCut() ? Cut() : FALSE;
    case 0x1A:
    case 0x7F:
        Undo();
        return TRUE;
    case 0x12:
        Redo();
        return TRUE;
    case 0x09:
    case 0x0D:
        return TRUE; // the key-down did the work
    default:
        return FALSE;
    }
}

BOOL CGXGridCore::HandleSysKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_BACK) {
        Undo();
        return TRUE;
    }
    return FALSE;
}

BOOL CGXGridCore::HandleKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::HandleCharString(LPCTSTR pszChars, UINT nFlags)
{
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && pControl->InsertTypedText(pszChars, 1, nFlags);
}
BOOL CGXGridCore::HandleDeadChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::HandleSysKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::HandleSysChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::HandleSysDeadChar(UINT, UINT, UINT) { return FALSE; }
