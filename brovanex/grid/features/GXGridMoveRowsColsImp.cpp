// CGXGridMoveRowsColsImp: the undoable move, the data step and the repaint step; the row
// and the column operations share one body.
#include "features/GXGridMoveRowsColsImp.h"
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "core/GXResourceString.h"
#include "features/GXFeatureSwitches.h"

void GXImplementMoveRowsCols(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridMoveRowsColsImp>(pGrid, gxSlotMoveRowsCols);
}

ROWCOL GXMovedIndex(ROWCOL n, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    const ROWCOL nCount = nTo - nFrom + 1;
    // The insertion point in the old numbering.
    const ROWCOL nInsert = nDest > nFrom ? nDest + nCount : nDest;
    if (n >= nFrom && n <= nTo)
        return nDest + (n - nFrom);
    if (n > nTo && n < nInsert)
        return n - nCount;
    if (n >= nInsert && n < nFrom)
        return n + nCount;
    return n;
}

BOOL CGXGridMoveRowsColsImp::MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                      UINT nFlags, GXCmdType ctCmd)
{
    return Move(pGrid, TRUE, nFrom, nTo, nDest, nFlags, ctCmd);
}
BOOL CGXGridMoveRowsColsImp::MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                      UINT nFlags, GXCmdType ctCmd)
{
    return Move(pGrid, FALSE, nFrom, nTo, nDest, nFlags, ctCmd);
}
BOOL CGXGridMoveRowsColsImp::WriteRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                          ROWCOL nDest)
{
    return WriteMove(pGrid, TRUE, nFrom, nTo, nDest);
}
BOOL CGXGridMoveRowsColsImp::WriteColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                          ROWCOL nDest)
{
    return WriteMove(pGrid, FALSE, nFrom, nTo, nDest);
}
void CGXGridMoveRowsColsImp::RefreshRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                            ROWCOL nDest, UINT nFlags, BOOL bCreateHint)
{
    RefreshMove(pGrid, TRUE, nFrom, nTo, nDest, nFlags, bCreateHint);
}
void CGXGridMoveRowsColsImp::RefreshColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                            ROWCOL nDest, UINT nFlags, BOOL bCreateHint)
{
    RefreshMove(pGrid, FALSE, nFrom, nTo, nDest, nFlags, bCreateHint);
}

BOOL CGXGridMoveRowsColsImp::Move(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                  ROWCOL nDest, UINT nFlags, GXCmdType ctCmd)
{
    // Bad bounds change nothing: 1 <= first <= last <= count, and the block fits at nDest.
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (nFrom == 0 || nFrom > nTo || nTo > nCount || nDest == 0 || nDest > nCount - (nTo - nFrom))
        return FALSE;
    if (nFrom == nDest)
        return FALSE;
    if (!pGrid->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    CGXSelectionFrameLock frameLock(pGrid);
    CGXGridParam* pParam = pGrid->GetParam();
    if (ctCmd == gxDo) {
        CString strName;
        GXLoadString(bRows ? 20168 : 20169, strName);
        pGrid->BeginUndoBlock(strName);
    }
    CGXAbstractCommandFactory* pFactory = pGrid->UndoRecorder(ctCmd);

    // Covered ranges whose first row (column) changes are put back through their own
    // commands, and the grid repaints by invalidating.
    for (POSITION pos = pParam->m_coveredCells.GetHeadPosition(); pos != nullptr;) {
        const CGXRange* pRange = pParam->m_coveredCells.GetNextRange(pos);
        const ROWCOL nFirst = bRows ? pRange->top : pRange->left;
        if (GXMovedIndex(nFirst, nFrom, nTo, nDest) == nFirst)
            continue;
        if (pFactory != nullptr && pGrid->CoveredCellsImp() != nullptr) {
            pGrid->RecordCommand(pFactory->MakeSetCoveredCellsCmd(pRange->top, pRange->left,
                                                                  pRange->bottom, pRange->right),
                                 ctCmd);
            pGrid->RecordCommand(pFactory->MakeSetCoveredCellsCmd(pRange->top, pRange->left,
                                                                  pRange->top, pRange->left),
                                 ctCmd);
        }
        nFlags = (nFlags & ~7u) | GX_INVALIDATE;
    }

    const BOOL bOldMode = pGrid->SwitchRecording(pFactory != nullptr);
    const BOOL bMoved = WriteMove(pGrid, bRows, nFrom, nTo, nDest);
    pGrid->SwitchRecording(bOldMode);
    if (!bMoved) {
        pGrid->DiscardPendingState();
        if (ctCmd == gxDo)
            pGrid->RollbackUndoBlock();
        return FALSE;
    }
    RefreshMove(pGrid, bRows, nFrom, nTo, nDest, nFlags, TRUE);
    if (pFactory != nullptr) {
        const ROWCOL nLast = nDest + (nTo - nFrom);
        pGrid->RecordCommand(bRows ? pFactory->MakeMoveRowsCmd(nDest, nLast, nFrom)
                                   : pFactory->MakeMoveColsCmd(nDest, nLast, nFrom),
                             ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo) {
            if (bRows)
                pGrid->ShowUndoPosition(nDest, pGrid->GetLeftCol(), FALSE);
            else
                pGrid->ShowUndoPosition(pGrid->GetTopRow(), nDest, FALSE);
        }
    }
    if (ctCmd == gxDo)
        pGrid->CommitUndoBlock();
    return TRUE;
}

BOOL CGXGridMoveRowsColsImp::WriteMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                       ROWCOL nDest)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (nFrom == nDest || pParam == nullptr)
        return FALSE;
    CGXData* pData = pGrid->GetData();
    const BOOL bMoved = pData != nullptr &&
        (bRows ? pData->PutRowMove(nFrom, nTo, nDest) : pData->PutColMove(nFrom, nTo, nDest));
    if (!bMoved)
        return FALSE;
    pGrid->MarkDocumentModified(TRUE);
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (bRows) {
        pParam->m_rowHeights.MoveKeys(nFrom, nTo, nDest);
        pParam->m_selRects.OnMoveRows(nFrom, nTo, nDest, nCount);
        pParam->m_coveredCells.OnMoveRows(nFrom, nTo, nDest, nCount);
    } else {
        pParam->m_colWidths.MoveKeys(nFrom, nTo, nDest);
        pParam->m_selRects.OnMoveCols(nFrom, nTo, nDest, nCount);
        pParam->m_coveredCells.OnMoveCols(nFrom, nTo, nDest, nCount);
    }
    pParam->UpdateCoveredCellPool();
    pGrid->ShiftSpanPools(2, bRows, nFrom, nTo, nDest);
    const ROWCOL nMin = std::min(nFrom, nDest);
    CGXRange changed;
    if (bRows)
        changed.SetRows(nMin, std::max(nMin, nCount));
    else
        changed.SetCols(nMin, std::max(nMin, nCount));
    if (pGrid->GetFloatMode() != 0)
        pGrid->MarkFloatRangeDirty(changed);
    if (pGrid->GetMergeMode() != 0)
        pGrid->MarkMergeRangeDirty(changed);
    return TRUE;
}

void CGXGridMoveRowsColsImp::RefreshMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                         ROWCOL nDest, UINT nFlags, BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    pGrid->ResetVisibleCache();

    // The current cell follows its row (column).
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol, TRUE)) {
        if (bRows)
            nRow = GXMovedIndex(nRow, nFrom, nTo, nDest);
        else
            nCol = GXMovedIndex(nCol, nFrom, nTo, nDest);
        pGrid->StoreCurrentCell(TRUE, nRow, nCol);
        if (CGXControl* pControl = pGrid->GetCurrentCellControl())
            GXControlInit(pControl, nRow, nCol);
    }
    if (pParam != nullptr && !pParam->m_selRects.IsEmpty()) {
        const CGXRange* pLast = static_cast<const CGXRange*>(pParam->m_selRects.GetTail());
        pGrid->UpdateSelectionFrame(TRUE, pLast);
    }

    if (pParam != nullptr && !pParam->m_bLockUpdate && (nFlags & 7) != 0) {
        const ROWCOL nInsert = nDest > nFrom ? nDest + (nTo - nFrom + 1) : nDest;
        const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
        const BOOL bFrozen = bRows
            ? (pGrid->RowIsFrozen(nFrom) || pGrid->RowIsFrozen(nTo) || pGrid->RowIsFrozen(nInsert))
            : (pGrid->ColIsFrozen(nFrom) || pGrid->ColIsFrozen(nTo) || pGrid->ColIsFrozen(nInsert));
        if ((nFlags & GX_INVALIDATE) || bFrozen || pGrid->GetFloatMode() != 0 ||
            pGrid->GetMergeMode() != 0) {
            pGrid->RedrawAll(nFlags, FALSE);
        } else {
            // From the first row (column) that changed to the end, headers included.
            const ROWCOL nMin = std::min(nFrom, nInsert);
            CGXRange band;
            if (bRows)
                band.SetRows(nMin, std::max(nMin, nCount));
            else
                band.SetCols(nMin, std::max(nMin, nCount));
            pGrid->InvalidateCellRange(band, nFlags, FALSE);
        }
        pGrid->RefreshScrollBars();
    }
    if (bCreateHint && pGrid->m_bDocumentLinked)
        if (CGXAbstractGridUpdateHintImp* pHints = pGrid->UpdateHintImp()) {
            if (bRows)
                pHints->SendMoveRowsHint(pGrid, nFrom, nTo, nDest, nFlags & 7);
            else
                pHints->SendMoveColsHint(pGrid, nFrom, nTo, nDest, nFlags & 7);
        }
}
