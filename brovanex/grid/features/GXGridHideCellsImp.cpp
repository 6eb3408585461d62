#include "features/GXGridHideCellsImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXHiddenBits.h"
#include <algorithm>
#include <memory>

BOOL CGXGridHideCellsImp::Hide(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                               BOOL* abStates, UINT nFlags, GXCmdType ctCmd)
{
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    if (nTo == 0 || nTo < nFrom)
        nTo = nFrom;
    // Only rows and columns that exist can be hidden.
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (nFrom > nCount)
        return FALSE;
    nTo = std::min(nTo, nCount);
    CGXLongOperation longOp;
    const size_t n = (size_t)(nTo - nFrom) + 1;
    std::unique_ptr<int[]> anOld(new int[n]);
    if (bRows)
        pGrid->CollectRowHeights(nFrom, nTo, anOld.get(), (int)n);
    else
        pGrid->CollectColWidths(nFrom, nTo, anOld.get(), (int)n);
    // The states before the change, for the command that puts them back.
    CGXAbstractCommandFactory* pFactory = pGrid->UndoRecorder(ctCmd);
    std::unique_ptr<BOOL[]> abOld(pFactory != nullptr ? new BOOL[n] : nullptr);
    for (ROWCOL i = nFrom; abOld != nullptr && i <= nTo; ++i)
        abOld[i - nFrom] = bRows ? pGrid->QueryRowHidden(i) : pGrid->QueryColHidden(i);
    BOOL bChanged = FALSE;
    for (ROWCOL i = nFrom; i <= nTo; ++i) {
        const BOOL bState = abStates != nullptr ? abStates[i - nFrom] : bHide;
        bChanged |= bRows ? pGrid->WriteRowHidden(i, bState) : pGrid->WriteColHidden(i, bState);
    }
    if (!bChanged)
        return FALSE;
    const CGXRange range = bRows ? CGXRange().SetRows(nFrom, nTo) : CGXRange().SetCols(nFrom, nTo);
    pGrid->MarkMergeRangeDirty(range);
    pGrid->MarkFloatRangeDirty(range);
    if (bRows)
        pGrid->RefreshRowHeights(nFrom, nTo, anOld.get(), nFlags, TRUE);
    else
        pGrid->RefreshColWidths(nFrom, nTo, anOld.get(), nFlags, TRUE);
    if (pFactory != nullptr)
        pGrid->RecordCommand(bRows ? pFactory->MakeHideRowsCmd(nFrom, nTo, abOld.release())
                                   : pFactory->MakeHideColsCmd(nFrom, nTo, abOld.release()),
                             ctCmd);
    if (ctCmd == gxUndo || ctCmd == gxRedo)
        pGrid->ShowUndoPosition(bRows ? nFrom : pGrid->GetTopRow(),
                                bRows ? pGrid->GetLeftCol() : nFrom, FALSE);
    return TRUE;
}

BOOL CGXGridHideCellsImp::HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                                   BOOL* abStates, UINT nFlags, GXCmdType ctCmd)
{
    return Hide(pGrid, TRUE, nFrom, nTo, bHide, abStates, nFlags, ctCmd);
}

BOOL CGXGridHideCellsImp::HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                                   BOOL* abStates, UINT nFlags, GXCmdType ctCmd)
{
    return Hide(pGrid, FALSE, nFrom, nTo, bHide, abStates, nFlags, ctCmd);
}

BOOL CGXGridHideCellsImp::QueryRowHidden(CGXGridCore* pGrid, ROWCOL nRow)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && GXTestHiddenBit(pParam->m_awHiddenRows, nRow);
}

BOOL CGXGridHideCellsImp::QueryColHidden(CGXGridCore* pGrid, ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && GXTestHiddenBit(pParam->m_awHiddenCols, nCol);
}

BOOL CGXGridHideCellsImp::WriteRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && GXWriteHiddenBit(pParam->m_awHiddenRows, nRow, bHide);
}

BOOL CGXGridHideCellsImp::WriteColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && GXWriteHiddenBit(pParam->m_awHiddenCols, nCol, bHide);
}

void CGXGridHideCellsImp::InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXInsertHiddenBits(pParam->m_awHiddenRows, nFirst, nCount);
}

void CGXGridHideCellsImp::InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXInsertHiddenBits(pParam->m_awHiddenCols, nFirst, nCount);
}

void CGXGridHideCellsImp::RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXRemoveHiddenBits(pParam->m_awHiddenRows, nFrom, nTo);
}

void CGXGridHideCellsImp::RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXRemoveHiddenBits(pParam->m_awHiddenCols, nFrom, nTo);
}

void CGXGridHideCellsImp::MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXMoveHiddenBits(pParam->m_awHiddenRows, nFrom, nTo, nDest);
}

void CGXGridHideCellsImp::MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (CGXGridParam* pParam = pGrid->GetParam())
        GXMoveHiddenBits(pParam->m_awHiddenCols, nFrom, nTo, nDest);
}

void GXImplementHideCells(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridHideCellsImp>(pGrid, gxSlotHideCells);
}
