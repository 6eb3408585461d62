// CGXGridCore: inserting and removing rows and columns. Each change runs in three layers:
// the command (checks, undo preparation), the store step (data object, size maps, range
// lists, span pools) and the update step (current cell, redraw, hints).
#include "core/GXGridCore.h"
#include "core/GXData.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXLibraryState.h"
#include "features/GXAbstractProcessFeatures.h"
#include <memory>

namespace {
// Styles saved for an undo that did not happen.
void GXDeleteSavedStyles(CObArray* pArray)
{
    if (pArray == nullptr)
        return;
    for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
        delete pArray->GetAt(i);
    delete pArray;
}
} // namespace

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, const int* anHeights,
                             const CObArray* pCellStyles, const CObArray* pRowStyles,
                             ROWCOL nStyleCols, UINT flags, GXCmdType ctCmd)
{
    if (nCount == 0)
        return FALSE;
    CGXLongOperation longOp;
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    BOOL bRedraw = FALSE;
    CObject* pExtra = nullptr;
    const ROWCOL nBlock = nCount * nStyleCols;
    if (pCellStyles != nullptr && (ROWCOL)pCellStyles->GetSize() > nBlock) {
        pExtra = pCellStyles->GetAt(nBlock);
        bRedraw |= RestorePendingState(pExtra, FALSE, 1);
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    const BOOL bStored = WriteRowInsertion(nRow, nCount, FALSE);
    SwitchRecording(bOld);
    if (!bStored) {
        DiscardPendingState();
        return FALSE;
    }
    if (pExtra != nullptr)
        bRedraw |= RestorePendingState(pExtra, FALSE, 0);
    if (anHeights != nullptr)
        for (ROWCOL i = 0; i < nCount; ++i)
            WriteRowHeight(nRow + i, anHeights[i]);
    if (pCellStyles != nullptr)
        for (ROWCOL i = 0; i < nCount; ++i)
            for (ROWCOL k = 0; k < nStyleCols; ++k) {
                INT_PTR n = (INT_PTR)(i * nStyleCols + k);
                if (n < pCellStyles->GetSize() && pCellStyles->GetAt(n) != nullptr)
                    StoreCellStyle(nRow + i, k, static_cast<CGXStyle*>(pCellStyles->GetAt(n)),
                                   gxCopy, m_nDefaultStoreType);
            }
    if (pRowStyles != nullptr)
        for (ROWCOL i = 0; i < nCount && (INT_PTR)i < pRowStyles->GetSize(); ++i)
            if (pRowStyles->GetAt(i) != nullptr)
                StoreCellStyle(nRow + i, 0, static_cast<CGXStyle*>(pRowStyles->GetAt(i)), gxCopy,
                               -1);
    RefreshRowInsertion(nRow, nCount, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeRemoveRowsCmd(nRow, nRow + nCount - 1) : nullptr,
               ctCmd, nRow, m_nLeftCol);
    if (bRedraw)
        RefreshAll(TRUE, nullptr, TRUE);
    return TRUE;
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, const int* anWidths,
                             const CObArray* pCellStyles, const CObArray* pColStyles,
                             ROWCOL nStyleRows, UINT flags, GXCmdType ctCmd)
{
    if (nCount == 0)
        return FALSE;
    CGXLongOperation longOp;
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    BOOL bRedraw = FALSE;
    CObject* pExtra = nullptr;
    const ROWCOL nBlock = nCount * nStyleRows;
    if (pCellStyles != nullptr && (ROWCOL)pCellStyles->GetSize() > nBlock) {
        pExtra = pCellStyles->GetAt(nBlock);
        bRedraw |= RestorePendingState(pExtra, FALSE, 1);
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    const BOOL bStored = WriteColInsertion(nCol, nCount, FALSE);
    SwitchRecording(bOld);
    if (!bStored) {
        DiscardPendingState();
        return FALSE;
    }
    if (pExtra != nullptr)
        bRedraw |= RestorePendingState(pExtra, FALSE, 0);
    if (anWidths != nullptr)
        for (ROWCOL i = 0; i < nCount; ++i)
            WriteColWidth(nCol + i, anWidths[i]);
    // The block is read transposed: row r, new column k at r * count + k.
    if (pCellStyles != nullptr)
        for (ROWCOL r = 0; r < nStyleRows; ++r)
            for (ROWCOL k = 0; k < nCount; ++k) {
                INT_PTR n = (INT_PTR)(r * nCount + k);
                if (n < pCellStyles->GetSize() && pCellStyles->GetAt(n) != nullptr)
                    StoreCellStyle(r, nCol + k, static_cast<CGXStyle*>(pCellStyles->GetAt(n)),
                                   gxCopy, m_nDefaultStoreType);
            }
    if (pColStyles != nullptr)
        for (ROWCOL i = 0; i < nCount && (INT_PTR)i < pColStyles->GetSize(); ++i)
            if (pColStyles->GetAt(i) != nullptr)
                StoreCellStyle(0, nCol + i, static_cast<CGXStyle*>(pColStyles->GetAt(i)), gxCopy,
                               -1);
    RefreshColInsertion(nCol, nCount, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeRemoveColsCmd(nCol, nCol + nCount - 1) : nullptr,
               ctCmd, m_nTopRow, nCol);
    if (bRedraw)
        RefreshAll(TRUE, nullptr, TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteRowInsertion(ROWCOL nRow, ROWCOL nCount, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr && pData->PutRowInsertion(nRow, nCount);
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    if (CGXAbstractGridHideCellsImp* pImp = HideCellsImp())
        pImp->InsertHiddenRows(this, nRow, nCount);
    m_pGridParam->m_rowHeights.InsertKeys(nRow, nCount);
    m_pGridParam->m_selRects.AdjustForInsertedRows(nRow, nCount);
    m_pGridParam->m_coveredCells.AdjustForInsertedRows(nRow, nCount);
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(0, TRUE, nRow, nCount);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(CGXRange().SetRows(nRow, std::max(nRow, GetRowCount())));
    return TRUE;
}

BOOL CGXGridCore::WriteColInsertion(ROWCOL nCol, ROWCOL nCount, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr && pData->PutColInsertion(nCol, nCount);
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    if (CGXAbstractGridHideCellsImp* pImp = HideCellsImp())
        pImp->InsertHiddenCols(this, nCol, nCount);
    m_pGridParam->m_colWidths.InsertKeys(nCol, nCount);
    m_pGridParam->m_selRects.AdjustForInsertedCols(nCol, nCount);
    m_pGridParam->m_coveredCells.AdjustForInsertedCols(nCol, nCount);
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(0, FALSE, nCol, nCount);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(CGXRange().SetCols(nCol, std::max(nCol, GetColCount())));
    return TRUE;
}

void CGXGridCore::RefreshRowInsertion(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentRow >= nRow) {
        CGXControl* pControl = m_pCurrentCellControl;
        const BOOL bActive = IsActiveCurrentCell();
        StoreCurrentCell(TRUE, m_nCurrentRow + nCount, m_nCurrentCol);
        if (bActive && pControl != nullptr)
            GXControlInit(pControl, m_nCurrentRow, m_nCurrentCol);
    }
    if (m_nTopRow == GetFrozenRowCount())
        m_nTopRow = GetFrozenRowCount() + 1;
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawInsertedRows(this, nRow, nCount, flags);
        else
            RedrawAll(flags, FALSE);
        if (flags & (GX_UPDATENOW | GX_SMART))
            RefreshScrollBars();
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendInsertRowsHint(this, nRow, nCount, flags & 7);
}

void CGXGridCore::RefreshColInsertion(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentCol >= nCol) {
        CGXControl* pControl = m_pCurrentCellControl;
        const BOOL bActive = IsActiveCurrentCell();
        StoreCurrentCell(TRUE, m_nCurrentRow, m_nCurrentCol + nCount);
        if (bActive && pControl != nullptr)
            GXControlInit(pControl, m_nCurrentRow, m_nCurrentCol);
    }
    if (m_nLeftCol == GetFrozenColCount())
        m_nLeftCol = GetFrozenColCount() + 1;
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawInsertedCols(this, nCol, nCount, flags);
        else
            RedrawAll(flags, FALSE);
        if (flags & (GX_UPDATENOW | GX_SMART))
            RefreshScrollBars();
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendInsertColsHint(this, nCol, nCount, flags & 7);
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd)
{
    // Rows past the count do not exist: only those that do are removed.
    const ROWCOL nRows = GetRowCount();
    if (nTo < nFrom || nFrom == 0 || nFrom > nRows)
        return FALSE;
    nTo = std::min(nTo, nRows);
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    CGXLongOperation longOp;
    longOp.ShowStatusText(m_pLibState->m_astrTexts[5]);
    // What the removal's undo puts back: the styles and sizes of the removed rows.
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    const ROWCOL nOther = GetColCount() + 1;
    CObArray *pCellStyles = nullptr, *pLineStyles = nullptr;
    std::unique_ptr<int[]> anUndo;
    if (pFactory != nullptr) {
        if (!pFactory->CopyRowStyleBlock(this, nFrom, nTo - nFrom + 1, nOther, pCellStyles,
                                         pLineStyles, &longOp))
            return FALSE;
        anUndo.reset(SaveStoredRowHeights(nFrom, nTo));
    }
    // The covered-cells feature opens the removal's undo step for a new action; it closes
    // here, whichever way the removal ends.
    const BOOL bCoveredStep = ctCmd == gxDo && CoveredCellsImp() != nullptr;
    if (CGXAbstractGridCoveredCellsImp* pImp = CoveredCellsImp())
        pImp->PrepareRowRemoval(this, nFrom, nTo, flags, ctCmd);
    std::unique_ptr<int[]> anOld;
    if ((flags & GX_SMART) && nTo < nRows) {
        anOld.reset(new int[nTo - nFrom + 1]);
        CollectRowHeights(nFrom, nTo, anOld.get(), (int)(nTo - nFrom + 1));
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    longOp.ShowStatusText(m_pLibState->m_astrTexts[6]);
    const BOOL bStored = WriteRowRemoval(nFrom, nTo, FALSE);
    SwitchRecording(bOld);
    DiscardPendingState();
    if (!bStored) {
        GXDeleteSavedStyles(pCellStyles);
        GXDeleteSavedStyles(pLineStyles);
        if (bCoveredStep)
            CommitUndoBlock();
        return FALSE;
    }
    RefreshRowRemoval(nFrom, nTo, anOld.get(), flags, TRUE);
    RecordUndo(pFactory != nullptr
                   ? pFactory->MakeInsertRowsCmd(nFrom, nTo - nFrom + 1, anUndo.release(),
                                                 pCellStyles, pLineStyles, nOther)
                   : nullptr,
               ctCmd, nFrom, m_nLeftCol);
    SetSelection(nullptr);
    RefreshAll(TRUE, nullptr, TRUE);
    if (bCoveredStep)
        CommitUndoBlock();
    return TRUE;
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd)
{
    const ROWCOL nCols = GetColCount();
    if (nTo < nFrom || nFrom == 0 || nFrom > nCols)
        return FALSE;
    nTo = std::min(nTo, nCols);
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    CGXLongOperation longOp;
    longOp.ShowStatusText(m_pLibState->m_astrTexts[5]);
    // What the removal's undo puts back: the styles and sizes of the removed cols.
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    const ROWCOL nOther = GetRowCount() + 1;
    CObArray *pCellStyles = nullptr, *pLineStyles = nullptr;
    std::unique_ptr<int[]> anUndo;
    if (pFactory != nullptr) {
        if (!pFactory->CopyColStyleBlock(this, nFrom, nOther, nTo - nFrom + 1, pCellStyles,
                                         pLineStyles, &longOp))
            return FALSE;
        anUndo.reset(SaveStoredColWidths(nFrom, nTo));
    }
    // The covered-cells feature opens the removal's undo step for a new action; it closes
    // here, whichever way the removal ends.
    const BOOL bCoveredStep = ctCmd == gxDo && CoveredCellsImp() != nullptr;
    if (CGXAbstractGridCoveredCellsImp* pImp = CoveredCellsImp())
        pImp->PrepareColRemoval(this, nFrom, nTo, flags, ctCmd);
    std::unique_ptr<int[]> anOld;
    if ((flags & GX_SMART) && nTo < nCols) {
        anOld.reset(new int[nTo - nFrom + 1]);
        CollectColWidths(nFrom, nTo, anOld.get(), (int)(nTo - nFrom + 1));
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    longOp.ShowStatusText(m_pLibState->m_astrTexts[6]);
    const BOOL bStored = WriteColRemoval(nFrom, nTo, FALSE);
    SwitchRecording(bOld);
    DiscardPendingState();
    if (!bStored) {
        GXDeleteSavedStyles(pCellStyles);
        GXDeleteSavedStyles(pLineStyles);
        if (bCoveredStep)
            CommitUndoBlock();
        return FALSE;
    }
    RefreshColRemoval(nFrom, nTo, anOld.get(), flags, TRUE);
    RecordUndo(pFactory != nullptr
                   ? pFactory->MakeInsertColsCmd(nFrom, nTo - nFrom + 1, anUndo.release(),
                                                 pCellStyles, pLineStyles, nOther)
                   : nullptr,
               ctCmd, m_nTopRow, nFrom);
    SetSelection(nullptr);
    RefreshAll(TRUE, nullptr, TRUE);
    if (bCoveredStep)
        CommitUndoBlock();
    return TRUE;
}

BOOL CGXGridCore::WriteRowRemoval(ROWCOL nFrom, ROWCOL nTo, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    const ROWCOL nRows = GetRowCount();
    if (nFrom > nRows || nTo < nFrom)
        return bForce;
    nTo = std::min(nTo, nRows);
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr && pData->PutRowRemoval(nFrom, nTo);
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    if (CGXAbstractGridHideCellsImp* pImp = HideCellsImp())
        pImp->RemoveHiddenRows(this, nFrom, nTo);
    m_pGridParam->m_rowHeights.RemoveKeys(nFrom, nTo);
    m_pGridParam->m_selRects.AdjustForRemovedRows(nFrom, nTo, nRows);
    m_pGridParam->m_coveredCells.AdjustForRemovedRows(nFrom, nTo, nRows);
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(1, TRUE, nFrom, nTo);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(CGXRange().SetRows(nFrom, std::max(nFrom, GetRowCount())));
    return TRUE;
}

BOOL CGXGridCore::WriteColRemoval(ROWCOL nFrom, ROWCOL nTo, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    const ROWCOL nCols = GetColCount();
    if (nFrom > nCols || nTo < nFrom)
        return bForce;
    nTo = std::min(nTo, nCols);
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr && pData->PutColRemoval(nFrom, nTo);
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    if (CGXAbstractGridHideCellsImp* pImp = HideCellsImp())
        pImp->RemoveHiddenCols(this, nFrom, nTo);
    m_pGridParam->m_colWidths.RemoveKeys(nFrom, nTo);
    m_pGridParam->m_selRects.AdjustForRemovedCols(nFrom, nTo, nCols);
    m_pGridParam->m_coveredCells.AdjustForRemovedCols(nFrom, nTo, nCols);
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(1, FALSE, nFrom, nTo);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(CGXRange().SetCols(nFrom, std::max(nFrom, GetColCount())));
    return TRUE;
}

void CGXGridCore::RefreshRowRemoval(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                    BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid) {
        if (m_nCurrentRow > nTo)
            StoreCurrentCell(TRUE, m_nCurrentRow - (nTo - nFrom + 1), m_nCurrentCol);
        else if (m_nCurrentRow >= nFrom)
            StoreCurrentCell(FALSE);
    }
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawRemovedRows(this, nFrom, nTo, anOld, flags);
        else
            RedrawAll(flags, FALSE);
        if (flags & GX_UPDATENOW)
            RefreshScrollBars(FALSE, TRUE);
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRemoveRowsHint(this, nFrom, nTo, flags & 7, 0);
}

void CGXGridCore::RefreshColRemoval(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                    BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid) {
        if (m_nCurrentCol > nTo)
            StoreCurrentCell(TRUE, m_nCurrentRow, m_nCurrentCol - (nTo - nFrom + 1));
        else if (m_nCurrentCol >= nFrom)
            StoreCurrentCell(FALSE);
    }
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawRemovedCols(this, nFrom, nTo, anOld, flags);
        else
            RedrawAll(flags, FALSE);
        if (flags & GX_UPDATENOW)
            RefreshScrollBars(FALSE, TRUE);
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRemoveColsHint(this, nFrom, nTo, flags & 7, 0);
}

void CGXGridCore::ShiftSpanPools(int nOp, BOOL bRows, ROWCOL n1, ROWCOL n2, ROWCOL n3)
{
    CGXAbstractSpanCellPoolImp* pImp = GXGetLibraryState().m_pSpanCellPoolImp;
    if (pImp == nullptr || m_pGridParam == nullptr)
        return;
    for (int i : {gxPoolFloatSpans, gxPoolPrintSpans, gxPoolMergeSpansH, gxPoolMergeSpansV}) {
        CObject* pPool = m_pGridParam->m_apPools[i];
        if (pPool == nullptr)
            continue;
        if (nOp == 0)
            bRows ? pImp->InsertRows(pPool, n1, n2) : pImp->InsertCols(pPool, n1, n2);
        else if (nOp == 1)
            bRows ? pImp->RemoveRows(pPool, n1, n2) : pImp->RemoveCols(pPool, n1, n2);
        else
            bRows ? pImp->MoveRows(pPool, n1, n2, n3) : pImp->MoveCols(pPool, n1, n2, n3);
    }
    // Floating text from the change on is measured again (merged cells are delayed by the
    // callers).
    if (GetFloatMode() != 0) {
        const ROWCOL nFirst = nOp == 2 ? std::min(n1, n3) : n1;
        CGXRange range;
        if (bRows)
            range.SetRows(nFirst, std::max(nFirst, GetRowCount()));
        else
            range.SetCols(nFirst > 1 ? nFirst - 1 : nFirst, std::max(nFirst, GetColCount()));
        MarkFloatRangeDirty(range);
    }
}
