// CGXGridCore: the current cell (storing it, making a cell current through the control's
// validation, store and leave notifications, releasing its control, pending messages) and
// the notifications a derived grid overrides. Keys and moves are in GXGridCoreKeys.cpp.
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting)
{
    if (m_bPrinting && !bIgnorePrinting)
        return FALSE;
    if (!m_bCurrentCellValid)
        return FALSE;
    if (m_nCurrentRow > GetRowCount() || m_nCurrentCol > GetColCount()) {
        m_bCurrentCellValid = FALSE;
        return FALSE;
    }
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return TRUE;
}

void CGXGridCore::StoreCurrentCell(BOOL bValid, ROWCOL nRow, ROWCOL nCol)
{
    if (!bValid) {
        m_bCurrentCellValid = FALSE;
        return;
    }
    m_nCurrentRow = nRow;
    m_nCurrentCol = nCol;
    m_bCurrentCellValid = TRUE;
    m_bCurrentStyleValid = FALSE;
    if (m_pGridParam != nullptr) {
        m_pGridParam->m_nValue1 = (LONG)nRow;
        m_pGridParam->m_nValue2 = (LONG)nCol;
    }
    if (GetStylesMap() != nullptr)
        GetCachedCellStyle(nRow, nCol); // also caches the cell's control
}

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    if (m_bPrinting || !m_bCurrentCellValid)
        return FALSE;
    return (nRow == GX_INVALID || nRow == m_nCurrentRow) &&
        (nCol == GX_INVALID || nCol == m_nCurrentCol);
}

BOOL CGXGridCore::IsActiveCurrentCell()
{
    return !m_bPrinting && m_bCurrentCellValid && GXControlIsActive(m_pCurrentCellControl);
}

CGXControl* CGXGridCore::GetCurrentCellControl()
{
    if (!m_bCurrentCellValid)
        return nullptr;
    if (m_pCurrentCellControl == nullptr && GetStylesMap() != nullptr)
        GetCachedCellStyle(m_nCurrentRow, m_nCurrentCol);
    return m_pCurrentCellControl;
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol)
{
    if (IsCurrentCell(nRow, nCol) && m_pCurrentCellControl != nullptr)
        return m_pCurrentCellControl;
    return LookupControl(GetCachedCellStyle(nRow, nCol).GetControl());
}

BOOL CGXGridCore::SyncCurrentCell(BOOL bSaveAndValidate, UINT flags, BOOL bCreateHint)
{
    if (!m_bCurrentCellValid)
        return TRUE;
    CGXControl* pControl = m_pCurrentCellControl;
    BOOL bResult = TRUE;
    if (bSaveAndValidate) {
        if (GXControlIsActive(pControl)) {
            // Storing goes through the move to the same cell: validation, the store and
            // the end-of-editing notifications in one place.
            bResult = MakeCellCurrent(m_nCurrentRow, m_nCurrentCol, flags | GX_STOREONLY);
            m_bCurrentStyleValid = FALSE;
        }
    } else {
        m_bCurrentStyleValid = FALSE;
        if (pControl != nullptr) {
            GXControlInit(pControl, m_nCurrentRow, m_nCurrentCol);
            GXControlRefresh(pControl);
        }
    }
    if (bCreateHint && HintsEnabled())
        bResult &=
            UpdateHintImp()->SendStoreCurrentCellHint(this, m_nCurrentRow, m_nCurrentCol, flags);
    return bResult;
}

BOOL CGXGridCore::MayChangeCurrentCell(BOOL bSelect, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow,
                                       ROWCOL nOldCol)
{
    if (bSelect) {
        if (nRow > GetRowCount() || nCol > GetColCount())
            return FALSE;
        const CGXStyle& style = GetCachedCellStyle(nRow, nCol);
        if (style.GetInclude(gxEnabled) && !style.GetEnabled())
            return FALSE;
        return TRUE;
    }
    SetPendingMessage(nullptr);
    if (IsCurrentCell(nOldRow, nOldCol) && GXControlIsActive(m_pCurrentCellControl))
        return GXControlValidate(m_pCurrentCellControl);
    return TRUE;
}

namespace {
// The window that has the focus when it is the grid window or one of its children.
BOOL FocusInGrid(CWnd* pGridWnd, HWND hFocus)
{
    return pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr && hFocus != nullptr &&
        (hFocus == pGridWnd->GetSafeHwnd() || ::IsChild(pGridWnd->GetSafeHwnd(), hFocus));
}
} // namespace

void CGXGridCore::RemoveQueuedKeys(HWND hWnd)
{
    if (hWnd == nullptr)
        return;
    MSG msg;
    while (::PeekMessageA(&msg, hWnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void CGXGridCore::GiveFocusBack(HWND hFocus)
{
    if (hFocus == nullptr || !::IsWindow(hFocus) || ::GetFocus() == hFocus)
        return;
    CGXFocusChangeLock lock(this);
    ::SetFocus(hFocus);
}

BOOL CGXGridCore::LeaveCurrentCell(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol,
                                   BOOL bSameCell)
{
    CGXControl* pOld = m_pCurrentCellControl;
    const BOOL bWasActive = GXControlIsActive(pOld);
    CString strOldText;
    if (bWasActive)
        GXControlGetEditText(pOld, strOldText);
    const BOOL bOldShowing = m_bShowingMessage;
    m_bShowingMessage = TRUE;
    const HWND hFocus = ::GetFocus();
    if (bWasActive && FocusInGrid(m_pWindow, hFocus))
        RemoveQueuedKeys(hFocus);

    if (!MayChangeCurrentCell(FALSE, nRow, nCol, nOldRow, nOldCol)) {
        m_bShowingMessage = bOldShowing;
        GiveFocusBack(hFocus);
        ShowPendingMessage();
        if (pOld != nullptr)
            GXControlRefresh(pOld);
        return FALSE;
    }
    BOOL bStored = TRUE;
    BOOL bChanged = FALSE;
    if (bWasActive) {
        bChanged = GXControlGetModify(pOld);
        bStored = GXControlStore(pOld);
        if (bStored)
            bStored = GXControlEndEditing(pOld);
    }
    EvaluatePending();
    CString strError;
    if (GetEvaluationError(strError) && !strError.IsEmpty())
        SetPendingMessage(strError);
    m_bShowingMessage = bOldShowing;

    if (!bStored) {
        // The value stays in the cell being edited: it becomes current again with the
        // typed text, as the user left it.
        GiveFocusBack(hFocus);
        ShowPendingMessage();
        StoreCurrentCell(TRUE, nOldRow, nOldCol);
        if (CGXControl* pControl = m_pCurrentCellControl) {
            GXControlInit(pControl, nOldRow, nOldCol);
            GXControlSetActive(pControl, TRUE);
            GXControlSetEditText(pControl, strOldText);
            GXControlSetModify(pControl, TRUE);
            GXControlRefresh(pControl);
        }
        return FALSE;
    }
    if (bSameCell) {
        // The control shows the stored value again, inactive.
        if (pOld != nullptr) {
            GXControlHide(pOld);
            GXControlInit(pOld, nOldRow, nOldCol);
        }
        ShowPendingMessage();
        InvalidateCellRange(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), GX_INVALIDATE, FALSE);
        return TRUE;
    }
    // Leaving: the control lets the cell go unless its grid vetoes the new cell.
    StoreCurrentCell(FALSE);
    if (pOld != nullptr) {
        GXControlHide(pOld);
        GXControlSetActive(pOld, FALSE);
        if (!GXControlCellLeft(pOld, nRow, nCol)) {
            StoreCurrentCell(TRUE, nOldRow, nOldCol);
            if (m_pCurrentCellControl != nullptr)
                GXControlInit(m_pCurrentCellControl, nOldRow, nOldCol);
            ShowPendingMessage();
            InvalidateCellRange(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), GX_INVALIDATE, FALSE);
            return FALSE;
        }
    }
    ShowPendingMessage();
    if (pOld != nullptr && !bChanged)
        GXControlRefresh(pOld);
    InvalidateCellRange(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), GX_INVALIDATE, FALSE);
    UpdateEditHeaderMark(nOldRow, nOldCol, FALSE);
    return TRUE;
}

BOOL CGXGridCore::MakeCellCurrent(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    OnCellAccess(nRow, nCol);
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    ROWCOL nOldRow = 0, nOldCol = 0;
    const BOOL bHadCell = GetCurrentCell(nOldRow, nOldCol);
    const BOOL bSameCell = bHadCell && nOldRow == nRow && nOldCol == nCol;
    int nMoveKind = 0;
    if (bSameCell)
        nMoveKind = -1;
    else if (bHadCell && nOldRow > GetHeaderRowCount() && nOldCol > GetHeaderColCount())
        nMoveKind = nOldRow == nRow ? 1 : nOldCol == nCol ? 2 : 0;

    if (bHadCell && (!bSameCell || GXControlIsActive(m_pCurrentCellControl))) {
        if (!LeaveCurrentCell(nOldRow, nOldCol, nRow, nCol, bSameCell))
            return FALSE;
        if (bSameCell) {
            // Storing the cell that stays current: it is only scrolled into view.
            if (!(flags & GX_STOREONLY))
                BringCellIntoView(nRow, nCol);
            return TRUE;
        }
    }
    if (nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;

    if (!MayChangeCurrentCell(TRUE, nRow, nCol, nOldRow, nOldCol)) {
        if (bHadCell && !bSameCell && !m_bCurrentCellValid &&
            MayChangeCurrentCell(TRUE, nOldRow, nOldCol, nOldRow, nOldCol)) {
            StoreCurrentCell(TRUE, nOldRow, nOldCol);
            if (m_pCurrentCellControl != nullptr)
                GXControlInit(m_pCurrentCellControl, nOldRow, nOldCol);
            InvalidateCellRange(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), GX_INVALIDATE, FALSE);
        }
        return FALSE;
    }

    const BOOL bWindow = m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr;
    if (m_pGridParam != nullptr && m_pGridParam->m_bLockUpdate) {
        StoreCurrentCell(TRUE, nRow, nCol);
        if (m_pCurrentCellControl != nullptr)
            GXControlInit(m_pCurrentCellControl, nRow, nCol);
        return TRUE;
    }
    if (bWindow && !(flags & GX_NOSETFOCUS) && !FocusInGrid(m_pWindow, ::GetFocus()) &&
        m_pWindow->IsWindowVisible()) {
        CGXFocusChangeLock lock(this);
        m_pWindow->SetFocus();
    }
    StoreCurrentCell(TRUE, nRow, nCol);
    if (CGXControl* pControl = m_pCurrentCellControl) {
        GXControlInit(pControl, nRow, nCol);
        if ((flags & GX_ACTIVATE) && GXControlStartEditing(pControl))
            GXControlSetActive(pControl, TRUE);
    } else {
        OnInitCurrentCell(nRow, nCol);
    }
    InvalidateCellRange(CGXRange(nRow, nCol, nRow, nCol), GX_INVALIDATE, FALSE);
    if (flags & GX_SCROLLINVIEW)
        BringCellIntoView(nRow, nCol, flags & (GX_UPDATENOW | GX_SMART));
    if (bWindow && (flags & (GX_UPDATENOW | GX_SMART)))
        m_pWindow->UpdateWindow();
    if (nMoveKind != -1)
        UpdateEditHeaderMark(nRow, nCol, TRUE);
    if (!(flags & GX_NOHINT) && HintsEnabled())
        UpdateHintImp()->SendStoreCurrentCellHint(this, nRow, nCol, flags);
    return TRUE;
}

void CGXGridCore::ReleaseCurrentCellControl(BOOL bStore)
{
    if (!m_bCurrentCellValid || m_pCurrentCellControl == nullptr)
        return;
    CGXControl* pControl = m_pCurrentCellControl;
    if (bStore && GXControlIsActive(pControl) &&
        MayChangeCurrentCell(FALSE, m_nCurrentRow, m_nCurrentCol, m_nCurrentRow, m_nCurrentCol))
        GXControlStore(pControl);
    GXControlReset(pControl);
}

void CGXGridCore::HideCurrentCellControl()
{
    if (m_bCurrentCellValid && m_pCurrentCellControl != nullptr)
        GXControlHide(m_pCurrentCellControl);
}

void CGXGridCore::SetPendingMessage(LPCTSTR pszMessage)
{
    m_strPendingMessage = pszMessage != nullptr ? pszMessage : "";
}

void CGXGridCore::ShowPendingMessage()
{
    if (m_strPendingMessage.IsEmpty() || m_bShowingMessage) {
        if (!m_bShowingMessage)
            m_strPendingMessage.Empty();
        return;
    }
    const CString strMessage = m_strPendingMessage;
    m_strPendingMessage.Empty();
    m_bShowingMessage = TRUE;
    const HWND hFocus = ::GetFocus();
    RemoveQueuedKeys(hFocus);
    if (m_bCurrentCellValid)
        InvalidateCellRange(CGXRange(m_nCurrentRow, m_nCurrentCol, m_nCurrentRow, m_nCurrentCol),
                            GX_UPDATENOW, FALSE);
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    GiveFocusBack(hFocus);
    m_bShowingMessage = FALSE;
}

BOOL CGXGridCore::StepToEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol)
{
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    ROWCOL r = nRow, c = nCol;
    for (;;) {
        switch (nDirection) {
        case 1:
            if (r <= GetHeaderRowCount() + 1)
                return FALSE;
            --r;
            break;
        case 2:
            if (c <= GetHeaderColCount() + 1)
                return FALSE;
            --c;
            break;
        case 3:
            if (r >= nRows)
                return FALSE;
            ++r;
            break;
        default:
            if (c >= nCols)
                return FALSE;
            ++c;
            break;
        }
        if (GetRowPixelHeight(r) == 0 || GetColPixelWidth(c) == 0)
            continue;
        CGXRange covered;
        if (GetCoveredBlock(r, c, covered) != nullptr && (covered.top != r || covered.left != c))
            continue;
        const CGXStyle& style = GetCachedCellStyle(r, c);
        if (style.GetInclude(gxEnabled) && !style.GetEnabled())
            continue;
        nRow = r;
        nCol = c;
        return TRUE;
    }
}

// Notifications: a derived grid vetoes or reacts; by default nothing is vetoed.
BOOL CGXGridCore::OnValidateCell(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnCellModified(ROWCOL, ROWCOL) { MarkDocumentModified(TRUE); }
BOOL CGXGridCore::OnQueryCancelEditing(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL) { }
BOOL CGXGridCore::OnEndEditing(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnLeaveCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnDeleteCell(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    NotifyGridListeners(gxListenCurrentCell);
    if (nRow != m_nLastMovedRow || nCol != m_nLastMovedCol) {
        m_nLastMovedRow = nRow;
        m_nLastMovedCol = nCol;
        OnMovedCurrentCell(nRow, nCol);
    }
}
void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) { }
BOOL CGXGridCore::OnScrollRequest(int nDirection, ROWCOL nCount)
{
    const ROWCOL nOldTop = m_nTopRow, nOldLeft = m_nLeftCol;
    ScrollWithHint(nDirection, nCount, GX_UPDATENOW, TRUE);
    return nOldTop != m_nTopRow || nOldLeft != m_nLeftCol;
}
BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt)
{
    if (CGXAbstractGridUserSelectRangeImp* pImp = UserSelectRangeImp())
        return pImp->OnLButtonClickedRowCol(this, nRow, nCol, nFlags, pt);
    return FALSE;
}
BOOL CGXGridCore::OnMButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    if (nRow <= GetHeaderRowCount() || nCol <= GetHeaderColCount())
        return SortByHeaderClick(nRow, nCol);
    return FALSE;
}
BOOL CGXGridCore::OnMButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnRButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnMouseOverRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
void CGXGridCore::OnClickedButtonRowCol(ROWCOL, ROWCOL) { }

// Panes, tabs and listeners.
void CGXGridCore::OnPaneEntered(int) { }
BOOL CGXGridCore::CanChangePane(int) { return TRUE; }
BOOL CGXGridCore::CanRenameTab() { return TRUE; }
void CGXGridCore::OnTabNameChanged(int) { }
void CGXGridCore::NotifyGridListeners(int nEvent)
{
    CGXGridLibraryState* pState = m_pLibState;
    switch (nEvent) {
    case gxListenCurrentCell:
        if (pState != nullptr && pState->m_pCurrentCellListener != nullptr)
            pState->m_pCurrentCellListener->OnCurrentCellChanged(this);
        break;
    case gxListenActivated:
        if (pState != nullptr && pState->m_pActivationListener != nullptr)
            pState->m_pActivationListener->OnGridActivated(this);
        if (pState != nullptr && pState->m_pCurrentCellListener != nullptr)
            pState->m_pCurrentCellListener->OnGridActivated(this);
        break;
    case gxListenStructure:
        if (m_pGridListener != nullptr)
            m_pGridListener->OnStructureChanged(this);
        break;
    default:
        break;
    }
}

void CGXGridCore::AttachGridListener(CGXGridListener* pListener)
{
    if (pListener == m_pGridListener)
        return;
    delete m_pGridListener;
    m_pGridListener = pListener;
}
