#include "features/GXGridClearCellsImp.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXUpdateLock.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"

BOOL CGXGridClearCellsImp::CanClear(CGXGridCore* pGrid)
{
    if (pGrid->IsReadOnly())
        return FALSE;
    ROWCOL nRow, nCol;
    CGXGridParam* pParam = pGrid->GetParam();
    return (pParam != nullptr && !pParam->m_selRects.IsEmpty()) ||
        pGrid->GetCurrentCell(nRow, nCol);
}

BOOL CGXGridClearCellsImp::Clear(CGXGridCore* pGrid, BOOL bStyleOrValue)
{
    CGXLongOperation longOp;
    CGXRangeList list;
    if (!pGrid->CopyRangeList(list, TRUE))
        return FALSE;
    return pGrid->ClearRanges(list, bStyleOrValue, GX_INVALIDATE);
}

BOOL CGXGridClearCellsImp::ClearRanges(CGXGridCore* pGrid, const CGXRangeList& ranges,
                                       BOOL bStyleOrValue, UINT)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CString strName = GXLibraryText(GX_IDS_CLEAR);
    pGrid->BeginUndoBlock(strName);
    CGXLongOperation longOp;
    longOp.SetStatusText(strName);
    GXLongOperationAllowRollback(TRUE);

    CGXRangeList cells;
    GXClipRangesToCells(pGrid, ranges, cells, FALSE, FALSE);
    GXRangeBands bands;
    bands.Collect(cells, pGrid->GetRowCount(), pGrid->GetColCount());

    BOOL bOk = TRUE, bCanceled = FALSE;
    {
        CGXUpdateLock lock(pParam);
        CGXStyle* pComposed = pGrid->CreateStyle();
        for (INT_PTR rb = 0; bOk && !bCanceled && rb < bands.rowFrom.GetSize(); ++rb)
            for (INT_PTR cb = 0; bOk && !bCanceled && cb < bands.colFrom.GetSize(); ++cb) {
                const CGXRange block(bands.rowFrom[rb], bands.colFrom[cb], bands.rowTo[rb],
                                     bands.colTo[cb]);
                if (bStyleOrValue) {
                    // No style: the cells' stored styles are deleted.
                    bOk = pGrid->ApplyStyleToRange(block, nullptr, (GXModifyType)4, 0, nullptr,
                                                   GX_UPDATENOW, gxDo);
                    longOp.DoMessages(bCanceled);
                    continue;
                }
                for (ROWCOL r = block.top; bOk && !bCanceled && r <= block.bottom; ++r)
                    for (ROWCOL c = block.left; bOk && !bCanceled && c <= block.right; ++c) {
                        pGrid->ComposeStyleRowCol(r, c, pComposed);
                        // Only cells that show something are written.
                        if (!GXCellDisplayText(pGrid, r, c, *pComposed).IsEmpty())
                            bOk = pGrid->SetCellValue(CGXRange(r, c, r, c), "", GX_UPDATENOW);
                        longOp.DoMessages(bCanceled);
                    }
            }
        pGrid->RecycleStyle(pComposed);
    }

    if (!bOk || bCanceled) {
        if (bCanceled && GXLongOperationRollbackRequested())
            pGrid->RollbackUndoBlock();
        else
            pGrid->CommitUndoBlock();
        pGrid->Redraw();
        return FALSE;
    }
    pGrid->CommitUndoBlock();
    pGrid->Redraw();
    return TRUE;
}

void GXImplementClearCells(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridClearCellsImp>(pGrid, gxSlotClearCells);
}
