// CGXGridCore: row and column counts, frozen and header rows and columns, and the first
// scrolled row and column.
#include "core/GXGridCore.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "fw/splitter.h"

ROWCOL CGXGridCore::GetRowCount()
{
    CGXData* pData = GetData();
    return pData != nullptr ? pData->GetRowCount() : 0;
}

ROWCOL CGXGridCore::GetColCount()
{
    CGXData* pData = GetData();
    return pData != nullptr ? pData->GetColCount() : 0;
}

BOOL CGXGridCore::WriteRowCount(ROWCOL nRows)
{
    CGXData* pData = GetData();
    return pData != nullptr && pData->PutRowCount(nRows);
}

BOOL CGXGridCore::WriteColCount(ROWCOL nCols)
{
    CGXData* pData = GetData();
    return pData != nullptr && pData->PutColCount(nCols);
}

BOOL CGXGridCore::ChangeRowCount(ROWCOL nRows, UINT flags)
{
    const ROWCOL nCurrent = GetRowCount();
    if (nRows < nCurrent)
        return RemoveRows(nRows + 1, nCurrent, flags, gxDo);
    if (nRows > nCurrent)
        return InsertRows(nCurrent + 1, nRows - nCurrent, nullptr, nullptr, nullptr, 0, flags,
                          gxDo);
    return TRUE;
}

BOOL CGXGridCore::ChangeColCount(ROWCOL nCols, UINT flags)
{
    const ROWCOL nCurrent = GetColCount();
    if (nCols < nCurrent)
        return RemoveCols(nCols + 1, nCurrent, flags, gxDo);
    if (nCols > nCurrent)
        return InsertCols(nCurrent + 1, nCols - nCurrent, nullptr, nullptr, nullptr, 0, flags,
                          gxDo);
    return TRUE;
}

void CGXGridCore::RefreshRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nRows = GetRowCount();
    if (m_bCurrentCellValid && m_nCurrentRow > nRows)
        ReleaseCurrentCellControl(FALSE);
    ResetVisibleCache();
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate && (flags & 7) != 0 &&
        m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr) {
        RefreshScrollBars();
        CRect rect = GetRectBelowRow(std::min(nOldRows, nRows));
        if (!rect.IsRectEmpty()) {
            m_pWindow->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        }
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRowCountHint(this, std::min(nOldRows, nRows), flags & 7);
}

void CGXGridCore::RefreshColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nCols = GetColCount();
    if (m_bCurrentCellValid && m_nCurrentCol > nCols)
        ReleaseCurrentCellControl(FALSE);
    ResetVisibleCache();
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate && (flags & 7) != 0 &&
        m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr) {
        RefreshScrollBars();
        CRect rect = GetRectRightOfCol(std::min(nOldCols, nCols));
        if (!rect.IsRectEmpty()) {
            m_pWindow->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        }
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendColCountHint(this, std::min(nOldCols, nCols), flags & 7);
}

ROWCOL CGXGridCore::GetHeaderRowCount()
{
    return m_pGridParam != nullptr ? m_pGridParam->m_nHeaderRows : 0;
}

ROWCOL CGXGridCore::GetHeaderColCount()
{
    return m_pGridParam != nullptr ? m_pGridParam->m_nHeaderCols : 0;
}

namespace {
// The pane row (bCol FALSE) or column of a grid window inside a splitter window; 0 else.
int SplitterPaneIndex(CWnd* pWnd, BOOL bCol)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return 0;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        return 0;
    int nRow = 0, nCol = 0;
    if (!static_cast<CSplitterWnd*>(pParent)->IsChildPane(pWnd, &nRow, &nCol))
        return 0;
    return bCol ? nCol : nRow;
}
} // namespace

ROWCOL CGXGridCore::GetFrozenRowCount()
{
    if (m_pGridParam == nullptr)
        return 0;
    if ((m_bPrinting && !m_bPrintOwnFrozen) || SplitterPaneIndex(m_pWindow, FALSE) == 0)
        return m_pGridParam->m_nFrozenRows;
    return 0;
}

ROWCOL CGXGridCore::GetFrozenColCount()
{
    if (m_pGridParam == nullptr)
        return 0;
    if ((m_bPrinting && !m_bPrintOwnFrozen) || SplitterPaneIndex(m_pWindow, TRUE) == 0)
        return m_pGridParam->m_nFrozenCols;
    return 0;
}

BOOL CGXGridCore::WriteFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    m_pGridParam->m_nFrozenRows = nFrozenRows;
    m_pGridParam->m_nHeaderRows = std::min(nHeaderRows, nFrozenRows);
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    m_pGridParam->m_nFrozenCols = nFrozenCols;
    m_pGridParam->m_nHeaderCols = std::min(nHeaderCols, nFrozenCols);
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags, GXCmdType ctCmd)
{
    const ROWCOL nOldFrozen = GetFrozenRowCount(), nOldHeader = GetHeaderRowCount();
    if (!WriteFrozenRows(nFrozenRows, nHeaderRows))
        return FALSE;
    RefreshFrozenRows(nOldFrozen, nOldHeader, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetFrozenRowsCmd(nOldFrozen, nOldHeader)
                                   : nullptr,
               ctCmd, m_nTopRow, m_nLeftCol);
    return TRUE;
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags, GXCmdType ctCmd)
{
    const ROWCOL nOldFrozen = GetFrozenColCount(), nOldHeader = GetHeaderColCount();
    if (!WriteFrozenCols(nFrozenCols, nHeaderCols))
        return FALSE;
    RefreshFrozenCols(nOldFrozen, nOldHeader, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetFrozenColsCmd(nOldFrozen, nOldHeader)
                                   : nullptr,
               ctCmd, m_nTopRow, m_nLeftCol);
    return TRUE;
}

void CGXGridCore::RefreshFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                                    BOOL bCreateHint)
{
    const ROWCOL nFrozen = GetFrozenRowCount();
    if (m_nTopRow <= nFrozen)
        m_nTopRow = nFrozen + 1;
    ResetVisibleCache();
    HideCurrentCellControl();
    CGXRange range;
    range.SetRows(std::min(nOldFrozen, nFrozen) + 1, std::max(nOldFrozen, nFrozen) + 1);
    MarkMergeRangeDirty(range);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate)
        RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendFrozenRowsHint(this, nOldFrozen, nOldHeader, flags & 7);
}

void CGXGridCore::RefreshFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                                    BOOL bCreateHint)
{
    const ROWCOL nFrozen = GetFrozenColCount();
    if (m_nLeftCol <= nFrozen)
        m_nLeftCol = nFrozen + 1;
    ResetVisibleCache();
    HideCurrentCellControl();
    CGXRange range;
    range.SetCols(std::min(nOldFrozen, nFrozen) + 1, std::max(nOldFrozen, nFrozen) + 1);
    MarkMergeRangeDirty(range);
    MarkFloatRangeDirty(range);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate)
        RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendFrozenColsHint(this, nOldFrozen, nOldHeader, flags & 7);
}

void CGXGridCore::SetFirstScrollRow(ROWCOL nRow, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nRows = GetRowCount();
    nRow = nRows == 0 ? 1 : std::max<ROWCOL>(1, std::min(nRow, nRows));
    ResetVisibleCache();
    if (m_bPrinting) {
        m_nPrintTopRow = nRow;
        return;
    }
    const ROWCOL nOld = m_nTopRow;
    if (m_pGridParam != nullptr && m_pGridParam->m_bLockUpdate) {
        if (!MayChangeTopRow(nRow))
            return;
        m_nTopRow = nRow;
        OnTopRowMoved(nOld);
    } else {
        nRow = std::max(nRow, GetFrozenRowCount() + 1);
        if ((flags & (GX_UPDATENOW | GX_SMART)) && m_bInitialized && m_pWindow != nullptr &&
            m_pWindow->GetSafeHwnd() != nullptr) {
            if (nRow < m_nTopRow)
                ScrollByCells(1, m_nTopRow - nRow, flags);
            else if (nRow > m_nTopRow)
                ScrollByCells(3, nRow - m_nTopRow, flags);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        } else {
            if (!MayChangeTopRow(nRow))
                return;
            m_nTopRow = nRow;
            if ((flags & GX_INVALIDATE) && m_bInitialized && m_pWindow != nullptr &&
                m_pWindow->GetSafeHwnd() != nullptr) {
                RefreshScrollBars();
                CRect rect = GetGridRect();
                m_pWindow->InvalidateRect(&rect);
            }
            OnTopRowMoved(nOld);
        }
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendTopRowHint(this, nRow, flags & 7);
}

void CGXGridCore::SetFirstScrollCol(ROWCOL nCol, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nCols = GetColCount();
    nCol = nCols == 0 ? 1 : std::max<ROWCOL>(1, std::min(nCol, nCols));
    ResetVisibleCache();
    if (m_bPrinting) {
        m_nPrintLeftCol = nCol;
        return;
    }
    const ROWCOL nOld = m_nLeftCol;
    if (m_pGridParam != nullptr && m_pGridParam->m_bLockUpdate) {
        if (!MayChangeLeftCol(nCol))
            return;
        m_nLeftCol = nCol;
        OnLeftColMoved(nOld);
    } else {
        nCol = std::max(nCol, GetFrozenColCount() + 1);
        if ((flags & (GX_UPDATENOW | GX_SMART)) && m_bInitialized && m_pWindow != nullptr &&
            m_pWindow->GetSafeHwnd() != nullptr) {
            if (nCol < m_nLeftCol)
                ScrollByCells(2, m_nLeftCol - nCol, flags);
            else if (nCol > m_nLeftCol)
                ScrollByCells(4, nCol - m_nLeftCol, flags);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        } else {
            if (!MayChangeLeftCol(nCol))
                return;
            m_nLeftCol = nCol;
            if ((flags & GX_INVALIDATE) && m_bInitialized && m_pWindow != nullptr &&
                m_pWindow->GetSafeHwnd() != nullptr) {
                RefreshScrollBars();
                CRect rect = GetGridRect();
                m_pWindow->InvalidateRect(&rect);
            }
            OnLeftColMoved(nOld);
        }
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendLeftColHint(this, nCol, flags & 7);
}
