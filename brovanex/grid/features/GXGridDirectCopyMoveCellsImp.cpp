#include "features/GXGridDirectCopyMoveCellsImp.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"

namespace {
CGXRange DestinationOf(const CGXRange& src, ROWCOL nRow, ROWCOL nCol)
{
    return CGXRange(
        nRow, nCol,
        (ROWCOL)std::min<ULONGLONG>((ULONGLONG)nRow + (src.bottom - src.top), GX_MAXROWCOL),
        (ROWCOL)std::min<ULONGLONG>((ULONGLONG)nCol + (src.right - src.left), GX_MAXROWCOL));
}

void RefreshAround(CGXGridCore* pGrid, const CGXRange& range)
{
    pGrid->MarkFloatRangeDirty(range);
    pGrid->MarkMergeRangeDirty(range);
}
} // namespace

BOOL CGXGridDirectCopyMoveCellsImp::CopyCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow,
                                              ROWCOL nCol, UINT nFlags)
{
    if (pGrid->IsReadOnly() || pGrid->GetData() == nullptr)
        return FALSE;
    const CString strName = GXLibraryText(GX_IDS_COPY_CELLS);
    pGrid->BeginUndoBlock(strName);
    CGXLongOperation longOp;
    longOp.SetStatusText(strName);
    GXLongOperationAllowRollback(TRUE);
    const CGXRange dest = DestinationOf(rg, nRow, nCol);

    CGXData* pData = pGrid->GetData();
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bOldUndoMode = pData->SetUndoMode(pParam != nullptr && pParam->m_bUndoEnabled);
    const BOOL bOk = pGrid->WriteCopyCells(rg, nRow, nCol);
    pData->SetUndoMode(bOldUndoMode);
    if (bOk) {
        pGrid->CommitUndoBlock();
        RefreshAround(pGrid, dest);
        pGrid->MarkDocumentModified(TRUE);
        // The undo step restoring the destination's old styles comes with the command
        // factory's set-style-range command.
    } else {
        pGrid->RollbackUndoBlock();
    }
    pData->OnChanged();
    pGrid->RedrawRowCol(dest, nFlags);
    return bOk;
}

BOOL CGXGridDirectCopyMoveCellsImp::WriteCopyCells(CGXGridCore* pGrid, const CGXRange& rg,
                                                   ROWCOL nRow, ROWCOL nCol)
{
    CGXData* pData = pGrid->GetData();
    return pData == nullptr || pData->PutCellCopy(rg, nRow, nCol, 0);
}

BOOL CGXGridDirectCopyMoveCellsImp::MoveCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow,
                                              ROWCOL nCol, CObject* pUndoInfo, UINT nFlags,
                                              GXCmdType ctCmd)
{
    if (pGrid->IsReadOnly() || pGrid->GetData() == nullptr)
        return FALSE;
    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_MOVE_CELLS));
    const CGXRange dest = DestinationOf(rg, nRow, nCol);
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bCreateUndo = pGrid->CommandFactory() != nullptr && pParam != nullptr &&
        pParam->m_bUndoEnabled && ctCmd != gxRollback;
    CObject* pInfo = pUndoInfo;
    if (!pGrid->WriteMoveCells(rg, nRow, nCol, pInfo, bCreateUndo))
        return FALSE;
    RefreshAround(pGrid, dest);
    RefreshAround(pGrid, rg);
    pGrid->MarkDocumentModified(TRUE);
    // The overwritten styles belong to the move command that undoes this move; until the
    // command factory makes that command nobody keeps them.
    if (pInfo != pUndoInfo)
        delete pInfo;
    pGrid->GetData()->OnChanged();
    pGrid->RedrawRowCol(rg, nFlags);
    pGrid->RedrawRowCol(dest, nFlags);
    return TRUE;
}

BOOL CGXGridDirectCopyMoveCellsImp::WriteMoveCells(CGXGridCore* pGrid, const CGXRange& rg,
                                                   ROWCOL nRow, ROWCOL nCol, CObject*& pUndoInfo,
                                                   BOOL bCreateUndoInfo)
{
    CGXData* pData = pGrid->GetData();
    return pData == nullptr || pData->PutCellMove(rg, nRow, nCol, pUndoInfo, bCreateUndoInfo);
}

void GXImplementDirectCopyMoveCells(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridDirectCopyMoveCellsImp>(pGrid, gxSlotDirectCopyMoveCells);
    GXImplementDataCopyMoveCells();
}
