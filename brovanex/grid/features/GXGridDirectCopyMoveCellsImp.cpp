#include "features/GXGridDirectCopyMoveCellsImp.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "features/GXCommands.h"
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

    // The destination's present styles, for the step that puts them back.
    CGXAbstractCommandFactory* pFactory = pGrid->UndoRecorder(gxDo);
    CObArray* pOld = nullptr;
    if (pFactory != nullptr) {
        const ROWCOL nH = dest.GetHeight(), nW = dest.GetWidth();
        if (nH > 0x7FFF || nW > 0x7FFF || (ULONGLONG)nH * nW > 0x7FFFFFFE) {
            if (AfxMessageBox(GXLibraryText(GX_IDS_TOO_LARGE_FOR_UNDO), MB_OKCANCEL) == IDCANCEL) {
                pGrid->RollbackUndoBlock();
                return FALSE;
            }
        } else {
            try {
                pOld = pGrid->CollectRangeStyles(dest, 0, &longOp);
            } catch (CUserException* e) {
                e->Delete();
                pGrid->RollbackUndoBlock();
                return FALSE;
            }
        }
    }

    CGXData* pData = pGrid->GetData();
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bOldUndoMode = pData->SetUndoMode(pParam != nullptr && pParam->m_bUndoEnabled);
    const BOOL bOk = pGrid->WriteCopyCells(rg, nRow, nCol);
    pData->SetUndoMode(bOldUndoMode);
    if (bOk) {
        if (pOld != nullptr)
            pGrid->RecordCommand(pFactory->MakeSetStyleRangeCmd(dest, 0, pOld), gxDo);
        pGrid->CommitUndoBlock();
        RefreshAround(pGrid, dest);
        pGrid->MarkDocumentModified(TRUE);
    } else {
        GXDeleteStyleArray(pOld);
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
    // pUndoInfo (what an earlier move overwrote, put back now) is this move's to keep or free.
    CGXAbstractCommandFactory* pFactory = pGrid->UndoRecorder(ctCmd);
    CObject* pInfo = pUndoInfo;
    if (!pGrid->WriteMoveCells(rg, nRow, nCol, pInfo, pFactory != nullptr)) {
        delete pInfo;
        return FALSE;
    }
    RefreshAround(pGrid, dest);
    RefreshAround(pGrid, rg);
    pGrid->MarkDocumentModified(TRUE);
    // The opposite move takes the styles this one overwrote along, to put them back.
    if (pFactory != nullptr)
        pGrid->RecordCommand(pFactory->MakeMoveCellsCmd(rg, nRow, nCol, pInfo), ctCmd);
    else
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
