// CGXGridCore: the current cell as the core itself needs it (storing, moving with inserted
// and removed rows, releasing its control) and the notifications a derived grid
// overrides. Keyboard navigation and editing belong to the grid a person uses.
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"

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
            if (!GXControlValidate(pControl))
                return FALSE;
            bResult = GXControlStore(pControl);
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

BOOL CGXGridCore::MakeCellCurrent(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    ROWCOL nOldRow = 0, nOldCol = 0;
    const BOOL bHadCell = GetCurrentCell(nOldRow, nOldCol);
    if (bHadCell && nOldRow == nRow && nOldCol == nCol)
        return SyncCurrentCell(TRUE, flags, TRUE);
    if (bHadCell && !MayChangeCurrentCell(FALSE, nRow, nCol, nOldRow, nOldCol))
        return FALSE;
    if (!MayChangeCurrentCell(TRUE, nRow, nCol, nOldRow, nOldCol))
        return FALSE;
    if (bHadCell) {
        if (!OnLeaveCell(nOldRow, nOldCol, nRow, nCol))
            return FALSE;
        ReleaseCurrentCellControl(TRUE);
        InvalidateCellRange(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), flags, FALSE);
    }
    StoreCurrentCell(TRUE, nRow, nCol);
    if (m_pCurrentCellControl != nullptr)
        GXControlInit(m_pCurrentCellControl, nRow, nCol);
    OnInitCurrentCell(nRow, nCol);
    InvalidateCellRange(CGXRange(nRow, nCol, nRow, nCol), flags, FALSE);
    return TRUE;
}

void CGXGridCore::ReleaseCurrentCellControl(BOOL bStore)
{
    if (!m_bCurrentCellValid || m_pCurrentCellControl == nullptr)
        return;
    CGXControl* pControl = m_pCurrentCellControl;
    if (bStore && GXControlIsActive(pControl))
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
    if (m_strPendingMessage.IsEmpty() || m_bShowingMessage)
        return;
    CString strMessage = m_strPendingMessage;
    m_strPendingMessage.Empty();
    m_bShowingMessage = TRUE;
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
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

BOOL CGXGridCore::StepCurrentCell(int nDirection, UINT nCount, BOOL)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    if (nDirection < 1 || nDirection > 4)
        return FALSE; // paging and jumps belong to the keyboard handling
    BOOL bMoved = FALSE;
    for (UINT i = 0; i < std::max(1u, nCount); ++i) {
        if (!StepToEnabledCell(nDirection, nRow, nCol))
            break;
        bMoved = TRUE;
    }
    if (!bMoved)
        return FALSE;
    BringCellIntoView(nRow, nCol);
    return MakeCellCurrent(nRow, nCol);
}

BOOL CGXGridCore::MoveCurrentCell(int nDirection, UINT nCount, BOOL bSelect)
{
    if (MoveCurrentCellEx(nDirection, nCount))
        return TRUE;
    return StepCurrentCell(nDirection, nCount, bSelect);
}

BOOL CGXGridCore::DispatchKeyMessage(CWnd*, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags)
{
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
    if (nRow != m_nLastMovedRow || nCol != m_nLastMovedCol) {
        m_nLastMovedRow = nRow;
        m_nLastMovedCol = nCol;
        OnMovedCurrentCell(nRow, nCol);
    }
}
void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) { }
BOOL CGXGridCore::OnScrollRequest(ROWCOL nRow, ROWCOL nCol)
{
    return BringCellIntoView(nRow, nCol);
}
BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt)
{
    if (CGXAbstractGridUserSelectRangeImp* pImp = UserSelectRangeImp())
        return pImp->OnLButtonClickedRowCol(this, nRow, nCol, nFlags, pt);
    return FALSE;
}
BOOL CGXGridCore::OnMButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint)
{
    if (CGXAbstractGridSortImp* pImp = SortImp())
        if (nRow <= GetHeaderRowCount() || nCol <= GetHeaderColCount())
            return pImp->OnHeaderDblClk(this, nRow, nCol, nFlags);
    return FALSE;
}
BOOL CGXGridCore::OnMButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnRButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnMouseOverRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
void CGXGridCore::OnClickedButtonRowCol(ROWCOL, ROWCOL) { }
BOOL CGXGridCore::OnLButtonTrackRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnMButtonTrackRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }
BOOL CGXGridCore::OnRButtonTrackRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }

// Panes, tabs and listeners.
void CGXGridCore::OnPaneEntered(int) { }
BOOL CGXGridCore::CanChangePane(int) { return TRUE; }
BOOL CGXGridCore::CanRenameTab() { return TRUE; }
void CGXGridCore::OnTabNameChanged(int) { }
void CGXGridCore::NotifyGridListeners(int) { }
