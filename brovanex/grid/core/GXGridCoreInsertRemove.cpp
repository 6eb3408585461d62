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

// Rows nFrom to nTo, or with bRows FALSE columns.
CGXRange GXLineRange(BOOL bRows, ROWCOL nFrom, ROWCOL nTo)
{
    CGXRange range;
    return bRows ? range.SetRows(nFrom, nTo) : range.SetCols(nFrom, nTo);
}
} // namespace

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, const int* anHeights,
                             const CObArray* pCellStyles, const CObArray* pRowStyles,
                             ROWCOL nStyleCols, UINT flags, GXCmdType ctCmd)
{
    return InsertLines(TRUE, nRow, nCount, anHeights, pCellStyles, pRowStyles, nStyleCols, flags,
                       ctCmd);
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, const int* anWidths,
                             const CObArray* pCellStyles, const CObArray* pColStyles,
                             ROWCOL nStyleRows, UINT flags, GXCmdType ctCmd)
{
    return InsertLines(FALSE, nCol, nCount, anWidths, pCellStyles, pColStyles, nStyleRows, flags,
                       ctCmd);
}

BOOL CGXGridCore::InsertLines(BOOL bRows, ROWCOL nAt, ROWCOL nCount, const int* anSizes,
                              const CObArray* pCellStyles, const CObArray* pLineStyles,
                              ROWCOL nOther, UINT flags, GXCmdType ctCmd)
{
    if (nCount == 0)
        return FALSE;
    CGXLongOperation longOp;
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    BOOL bRedraw = FALSE;
    CObject* pExtra = nullptr;
    const ROWCOL nBlock = nCount * nOther;
    if (pCellStyles != nullptr && (ROWCOL)pCellStyles->GetSize() > nBlock) {
        pExtra = pCellStyles->GetAt(nBlock);
        bRedraw |= RestorePendingState(pExtra, FALSE, 1);
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    const BOOL bStored =
        bRows ? WriteRowInsertion(nAt, nCount, FALSE) : WriteColInsertion(nAt, nCount, FALSE);
    SwitchRecording(bOld);
    if (!bStored) {
        DiscardPendingState();
        return FALSE;
    }
    if (pExtra != nullptr)
        bRedraw |= RestorePendingState(pExtra, FALSE, 0);
    if (anSizes != nullptr)
        for (ROWCOL i = 0; i < nCount; ++i) {
            if (bRows)
                WriteRowHeight(nAt + i, anSizes[i]);
            else
                WriteColWidth(nAt + i, anSizes[i]);
        }
    // The block holds the new rows one after another; for new columns it is read
    // transposed: row r, new column k at r * count + k.
    if (pCellStyles != nullptr) {
        const ROWCOL nOuter = bRows ? nCount : nOther;
        const ROWCOL nInner = bRows ? nOther : nCount;
        for (ROWCOL a = 0; a < nOuter; ++a)
            for (ROWCOL b = 0; b < nInner; ++b) {
                INT_PTR n = (INT_PTR)(a * nInner + b);
                if (n < pCellStyles->GetSize() && pCellStyles->GetAt(n) != nullptr)
                    StoreCellStyle(bRows ? nAt + a : a, bRows ? b : nAt + b,
                                   static_cast<CGXStyle*>(pCellStyles->GetAt(n)), gxCopy,
                                   m_nDefaultStoreType);
            }
    }
    if (pLineStyles != nullptr)
        for (ROWCOL i = 0; i < nCount && (INT_PTR)i < pLineStyles->GetSize(); ++i)
            if (pLineStyles->GetAt(i) != nullptr)
                StoreCellStyle(bRows ? nAt + i : 0, bRows ? 0 : nAt + i,
                               static_cast<CGXStyle*>(pLineStyles->GetAt(i)), gxCopy, -1);
    if (bRows)
        RefreshRowInsertion(nAt, nCount, flags, TRUE);
    else
        RefreshColInsertion(nAt, nCount, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    CGXCommand* pCmd = nullptr;
    if (pFactory != nullptr)
        pCmd = bRows ? pFactory->MakeRemoveRowsCmd(nAt, nAt + nCount - 1)
                     : pFactory->MakeRemoveColsCmd(nAt, nAt + nCount - 1);
    RecordUndo(pCmd, ctCmd, bRows ? nAt : m_nTopRow, bRows ? m_nLeftCol : nAt);
    if (bRedraw)
        RefreshAll(TRUE, nullptr, TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteRowInsertion(ROWCOL nRow, ROWCOL nCount, BOOL bForce)
{
    return WriteLineInsertion(TRUE, nRow, nCount, bForce);
}

BOOL CGXGridCore::WriteColInsertion(ROWCOL nCol, ROWCOL nCount, BOOL bForce)
{
    return WriteLineInsertion(FALSE, nCol, nCount, bForce);
}

BOOL CGXGridCore::WriteLineInsertion(BOOL bRows, ROWCOL nAt, ROWCOL nCount, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr &&
        (bRows ? pData->PutRowInsertion(nAt, nCount) : pData->PutColInsertion(nAt, nCount));
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    CGXAbstractGridHideCellsImp* pHide = HideCellsImp();
    if (bRows) {
        if (pHide != nullptr)
            pHide->InsertHiddenRows(this, nAt, nCount);
        m_pGridParam->m_rowHeights.InsertKeys(nAt, nCount);
        m_pGridParam->m_selRects.AdjustForInsertedRows(nAt, nCount);
        m_pGridParam->m_coveredCells.AdjustForInsertedRows(nAt, nCount);
    } else {
        if (pHide != nullptr)
            pHide->InsertHiddenCols(this, nAt, nCount);
        m_pGridParam->m_colWidths.InsertKeys(nAt, nCount);
        m_pGridParam->m_selRects.AdjustForInsertedCols(nAt, nCount);
        m_pGridParam->m_coveredCells.AdjustForInsertedCols(nAt, nCount);
    }
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(0, bRows, nAt, nCount);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(
            GXLineRange(bRows, nAt, std::max(nAt, bRows ? GetRowCount() : GetColCount())));
    return TRUE;
}

void CGXGridCore::RefreshRowInsertion(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    RefreshLineInsertion(TRUE, nRow, nCount, flags, bCreateHint);
}

void CGXGridCore::RefreshColInsertion(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    RefreshLineInsertion(FALSE, nCol, nCount, flags, bCreateHint);
}

void CGXGridCore::RefreshLineInsertion(BOOL bRows, ROWCOL nAt, ROWCOL nCount, UINT flags,
                                       BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid && (bRows ? m_nCurrentRow : m_nCurrentCol) >= nAt) {
        CGXControl* pControl = m_pCurrentCellControl;
        const BOOL bActive = IsActiveCurrentCell();
        StoreCurrentCell(TRUE, bRows ? m_nCurrentRow + nCount : m_nCurrentRow,
                         bRows ? m_nCurrentCol : m_nCurrentCol + nCount);
        if (bActive && pControl != nullptr)
            GXControlInit(pControl, m_nCurrentRow, m_nCurrentCol);
    }
    ROWCOL& nFirst = bRows ? m_nTopRow : m_nLeftCol;
    const ROWCOL nFrozen = bRows ? GetFrozenRowCount() : GetFrozenColCount();
    if (nFirst == nFrozen)
        nFirst = nFrozen + 1;
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp()) {
            if (bRows)
                pImp->RedrawInsertedRows(this, nAt, nCount, flags);
            else
                pImp->RedrawInsertedCols(this, nAt, nCount, flags);
        } else
            RedrawAll(flags, FALSE);
        if (flags & (GX_UPDATENOW | GX_SMART))
            RefreshScrollBars();
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled()) {
        if (bRows)
            UpdateHintImp()->SendInsertRowsHint(this, nAt, nCount, flags & 7);
        else
            UpdateHintImp()->SendInsertColsHint(this, nAt, nCount, flags & 7);
    }
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd)
{
    return RemoveLines(TRUE, nFrom, nTo, flags, ctCmd);
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd)
{
    return RemoveLines(FALSE, nFrom, nTo, flags, ctCmd);
}

BOOL CGXGridCore::RemoveLines(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd)
{
    // Lines past the count do not exist: only those that do are removed.
    const ROWCOL nLines = bRows ? GetRowCount() : GetColCount();
    if (nTo < nFrom || nFrom == 0 || nFrom > nLines)
        return FALSE;
    nTo = std::min(nTo, nLines);
    if (!SyncCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    const ROWCOL nCount = nTo - nFrom + 1;
    CGXLongOperation longOp;
    longOp.ShowStatusText(m_pLibState->m_astrTexts[5]);
    // What the removal's undo puts back: the styles and sizes of the removed lines.
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    const ROWCOL nOther = (bRows ? GetColCount() : GetRowCount()) + 1;
    CObArray *pCellStyles = nullptr, *pLineStyles = nullptr;
    std::unique_ptr<int[]> anUndo;
    if (pFactory != nullptr) {
        const BOOL bCopied = bRows ? pFactory->CopyRowStyleBlock(this, nFrom, nCount, nOther,
                                                                 pCellStyles, pLineStyles, &longOp)
                                   : pFactory->CopyColStyleBlock(this, nFrom, nOther, nCount,
                                                                 pCellStyles, pLineStyles, &longOp);
        if (!bCopied)
            return FALSE;
        anUndo.reset(bRows ? SaveStoredRowHeights(nFrom, nTo) : SaveStoredColWidths(nFrom, nTo));
    }
    // The covered-cells feature opens the removal's undo step for a new action; it closes
    // here, whichever way the removal ends.
    const BOOL bCoveredStep = ctCmd == gxDo && CoveredCellsImp() != nullptr;
    if (CGXAbstractGridCoveredCellsImp* pImp = CoveredCellsImp()) {
        if (bRows)
            pImp->PrepareRowRemoval(this, nFrom, nTo, flags, ctCmd);
        else
            pImp->PrepareColRemoval(this, nFrom, nTo, flags, ctCmd);
    }
    std::unique_ptr<int[]> anOld;
    if ((flags & GX_SMART) && nTo < nLines) {
        anOld.reset(new int[nCount]);
        if (bRows)
            CollectRowHeights(nFrom, nTo, anOld.get(), (int)nCount);
        else
            CollectColWidths(nFrom, nTo, anOld.get(), (int)nCount);
    }
    const BOOL bUndo =
        m_pGridParam != nullptr && m_pGridParam->m_bUndoEnabled && ctCmd != gxRollback;
    const BOOL bOld = SwitchRecording(bUndo);
    longOp.ShowStatusText(m_pLibState->m_astrTexts[6]);
    const BOOL bStored =
        bRows ? WriteRowRemoval(nFrom, nTo, FALSE) : WriteColRemoval(nFrom, nTo, FALSE);
    SwitchRecording(bOld);
    DiscardPendingState();
    if (!bStored) {
        GXDeleteSavedStyles(pCellStyles);
        GXDeleteSavedStyles(pLineStyles);
        if (bCoveredStep)
            CommitUndoBlock();
        return FALSE;
    }
    if (bRows)
        RefreshRowRemoval(nFrom, nTo, anOld.get(), flags, TRUE);
    else
        RefreshColRemoval(nFrom, nTo, anOld.get(), flags, TRUE);
    CGXCommand* pCmd = nullptr;
    if (pFactory != nullptr)
        pCmd = bRows ? pFactory->MakeInsertRowsCmd(nFrom, nCount, anUndo.release(), pCellStyles,
                                                   pLineStyles, nOther)
                     : pFactory->MakeInsertColsCmd(nFrom, nCount, anUndo.release(), pCellStyles,
                                                   pLineStyles, nOther);
    RecordUndo(pCmd, ctCmd, bRows ? nFrom : m_nTopRow, bRows ? m_nLeftCol : nFrom);
    SetSelection(nullptr);
    RefreshAll(TRUE, nullptr, TRUE);
    if (bCoveredStep)
        CommitUndoBlock();
    return TRUE;
}

BOOL CGXGridCore::WriteRowRemoval(ROWCOL nFrom, ROWCOL nTo, BOOL bForce)
{
    return WriteLineRemoval(TRUE, nFrom, nTo, bForce);
}

BOOL CGXGridCore::WriteColRemoval(ROWCOL nFrom, ROWCOL nTo, BOOL bForce)
{
    return WriteLineRemoval(FALSE, nFrom, nTo, bForce);
}

BOOL CGXGridCore::WriteLineRemoval(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bForce)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    const ROWCOL nLines = bRows ? GetRowCount() : GetColCount();
    if (nFrom > nLines || nTo < nFrom)
        return bForce;
    nTo = std::min(nTo, nLines);
    CGXData* pData = GetData();
    BOOL bStored = pData != nullptr &&
        (bRows ? pData->PutRowRemoval(nFrom, nTo) : pData->PutColRemoval(nFrom, nTo));
    if (!bStored && !bForce)
        return FALSE;
    MarkDocumentModified(TRUE);
    CGXAbstractGridHideCellsImp* pHide = HideCellsImp();
    if (bRows) {
        if (pHide != nullptr)
            pHide->RemoveHiddenRows(this, nFrom, nTo);
        m_pGridParam->m_rowHeights.RemoveKeys(nFrom, nTo);
        m_pGridParam->m_selRects.AdjustForRemovedRows(nFrom, nTo, nLines);
        m_pGridParam->m_coveredCells.AdjustForRemovedRows(nFrom, nTo, nLines);
    } else {
        if (pHide != nullptr)
            pHide->RemoveHiddenCols(this, nFrom, nTo);
        m_pGridParam->m_colWidths.RemoveKeys(nFrom, nTo);
        m_pGridParam->m_selRects.AdjustForRemovedCols(nFrom, nTo, nLines);
        m_pGridParam->m_coveredCells.AdjustForRemovedCols(nFrom, nTo, nLines);
    }
    m_pGridParam->UpdateCoveredCellPool();
    ShiftSpanPools(1, bRows, nFrom, nTo);
    if (GetMergeMode() != 0)
        MarkMergeRangeDirty(
            GXLineRange(bRows, nFrom, std::max(nFrom, bRows ? GetRowCount() : GetColCount())));
    return TRUE;
}

void CGXGridCore::RefreshRowRemoval(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                    BOOL bCreateHint)
{
    RefreshLineRemoval(TRUE, nFrom, nTo, anOld, flags, bCreateHint);
}

void CGXGridCore::RefreshColRemoval(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                    BOOL bCreateHint)
{
    RefreshLineRemoval(FALSE, nFrom, nTo, anOld, flags, bCreateHint);
}

void CGXGridCore::RefreshLineRemoval(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                     BOOL bCreateHint)
{
    ResetVisibleCache();
    if (m_bCurrentCellValid) {
        const ROWCOL nCurrent = bRows ? m_nCurrentRow : m_nCurrentCol;
        const ROWCOL nCount = nTo - nFrom + 1;
        if (nCurrent > nTo)
            StoreCurrentCell(TRUE, bRows ? m_nCurrentRow - nCount : m_nCurrentRow,
                             bRows ? m_nCurrentCol : m_nCurrentCol - nCount);
        else if (nCurrent >= nFrom)
            StoreCurrentCell(FALSE);
    }
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp()) {
            if (bRows)
                pImp->RedrawRemovedRows(this, nFrom, nTo, anOld, flags);
            else
                pImp->RedrawRemovedCols(this, nFrom, nTo, anOld, flags);
        } else
            RedrawAll(flags, FALSE);
        if (flags & GX_UPDATENOW)
            RefreshScrollBars(FALSE, TRUE);
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled()) {
        if (bRows)
            UpdateHintImp()->SendRemoveRowsHint(this, nFrom, nTo, flags & 7, 0);
        else
            UpdateHintImp()->SendRemoveColsHint(this, nFrom, nTo, flags & 7, 0);
    }
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
