// CGXGridUpdateHintImp: building and sending hints, and replaying received ones.
#include "features/GXGridUpdateHintImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "features/GXFeatureSwitches.h"
#include "fw/splitter.h"

IMPLEMENT_DYNAMIC(CGXGridHint, CObject)

void GXImplementUpdateHint(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridUpdateHintImp>(pGrid, gxSlotUpdateHint);
}

namespace {
CSplitterWnd* SplitterOf(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        return nullptr;
    return static_cast<CSplitterWnd*>(pParent);
}
} // namespace

void CGXGridUpdateHintImp::Send(CGXGridCore* pGrid, CGXGridHint& hint)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    CView* pSender = pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))
        ? static_cast<CView*>(pWnd)
        : nullptr;
    pGrid->NotifyAllViews(pSender, 0, &hint);
}

CWnd* CGXGridUpdateHintImp::SplitterPartner(CGXGridCore* pGrid, BOOL bRows)
{
    CSplitterWnd* pSplitter = SplitterOf(pGrid);
    int nRow = 0, nCol = 0;
    if (pSplitter == nullptr || !pSplitter->IsChildPane(pGrid->GetGridWnd(), &nRow, &nCol))
        return nullptr;
    if (bRows)
        return pSplitter->GetColumnCount() > 1 ? pSplitter->GetPane(nRow, 1 - nCol) : nullptr;
    return pSplitter->GetRowCount() > 1 ? pSplitter->GetPane(1 - nRow, nCol) : nullptr;
}

// Sending.
#define GX_HINT(id) CGXGridHint hint(id, pGrid->m_nHintId)

BOOL CGXGridUpdateHintImp::SendLines(CGXGridCore* pGrid, int nId, BOOL bRows, ROWCOL n1, ROWCOL n2,
                                     ROWCOL n3, UINT nFlags, int lValue, void* vptr)
{
    GX_HINT(nId);
    (bRows ? hint.m_nRow1 : hint.m_nCol1) = n1;
    (bRows ? hint.m_nRow2 : hint.m_nCol2) = n2;
    (bRows ? hint.m_nRow3 : hint.m_nCol3) = n3;
    hint.m_lValue = lValue;
    hint.m_vptr = vptr;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendRange(CGXGridCore* pGrid, int nId, const CGXRange* pRange,
                                     UINT nFlags)
{
    GX_HINT(nId);
    if (pRange != nullptr) {
        hint.m_range = *pRange;
        hint.m_nRow1 = pRange->top;
        hint.m_nCol1 = pRange->left;
        hint.m_nRow2 = pRange->bottom;
        hint.m_nCol2 = pRange->right;
    }
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendFirstLine(CGXGridCore* pGrid, BOOL bRows, ROWCOL nLine, UINT nFlags)
{
    CWnd* pTarget = SplitterPartner(pGrid, bRows);
    if (pTarget == nullptr)
        return TRUE;
    return SendLines(pGrid, bRows ? gxHintTopRow : gxHintLeftCol, bRows, nLine, 0, 0, nFlags, 0,
                     pTarget);
}

BOOL CGXGridUpdateHintImp::SendRowCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags)
{
    return SendLines(pGrid, gxHintRowCount, TRUE, nFirst, 0, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendColCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags)
{
    return SendLines(pGrid, gxHintColCount, FALSE, nFirst, 0, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendFrozenRowsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen,
                                              ROWCOL nOldHeader, UINT nFlags)
{
    return SendLines(pGrid, gxHintFrozenRows, TRUE, nOldFrozen, nOldHeader, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendFrozenColsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen,
                                              ROWCOL nOldHeader, UINT nFlags)
{
    return SendLines(pGrid, gxHintFrozenCols, FALSE, nOldFrozen, nOldHeader, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendTopRowHint(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags)
{
    return SendFirstLine(pGrid, TRUE, nRow, nFlags);
}
BOOL CGXGridUpdateHintImp::SendLeftColHint(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags)
{
    return SendFirstLine(pGrid, FALSE, nCol, nFlags);
}
BOOL CGXGridUpdateHintImp::SendInsertRowsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                              UINT nFlags)
{
    return SendLines(pGrid, gxHintInsertRows, TRUE, nFirst, 0, 0, nFlags, (int)nCount);
}
BOOL CGXGridUpdateHintImp::SendInsertColsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                              UINT nFlags)
{
    return SendLines(pGrid, gxHintInsertCols, FALSE, nFirst, 0, 0, nFlags, (int)nCount);
}
BOOL CGXGridUpdateHintImp::SendRemoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                              UINT nFlags, int)
{
    return SendLines(pGrid, gxHintRemoveRows, TRUE, nFrom, nTo, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendRemoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                              UINT nFlags, int)
{
    return SendLines(pGrid, gxHintRemoveCols, FALSE, nFrom, nTo, 0, nFlags);
}
BOOL CGXGridUpdateHintImp::SendMoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                            ROWCOL nDest, UINT nFlags)
{
    return SendLines(pGrid, gxHintMoveRows, TRUE, nFrom, nTo, nDest, nFlags);
}
BOOL CGXGridUpdateHintImp::SendMoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                            ROWCOL nDest, UINT nFlags)
{
    return SendLines(pGrid, gxHintMoveCols, FALSE, nFrom, nTo, nDest, nFlags);
}
BOOL CGXGridUpdateHintImp::SendRowHeightsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                              UINT nFlags, int* pOldSizes)
{
    return SendLines(pGrid, gxHintRowHeights, TRUE, nFrom, nTo, 0, nFlags, 0, pOldSizes);
}
BOOL CGXGridUpdateHintImp::SendColWidthsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                             UINT nFlags, int* pOldSizes)
{
    return SendLines(pGrid, gxHintColWidths, FALSE, nFrom, nTo, 0, nFlags, 0, pOldSizes);
}
BOOL CGXGridUpdateHintImp::SendZoomHint(CGXGridCore* pGrid, int nZoom)
{
    GX_HINT(gxHintZoom);
    hint.m_nValue = nZoom;
    hint.m_vptr = SplitterOf(pGrid);
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendZoomChangedHint(CGXGridCore* pGrid, int nOldZoom, UINT nFlags)
{
    GX_HINT(gxHintZoomChanged);
    hint.m_nValue = nOldZoom;
    hint.m_flags = nFlags;
    hint.m_vptr = SplitterOf(pGrid);
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendMoveDataRowsHint(CGXGridCore* pGrid, const CGXRange& range,
                                                UINT nFlags)
{
    GX_HINT(gxHintMoveDataRows);
    hint.m_range = range;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendMoveDataColsHint(CGXGridCore* pGrid, const CGXRange& range,
                                                UINT nFlags)
{
    GX_HINT(gxHintMoveDataCols);
    hint.m_range = range;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}

BOOL CGXGridUpdateHintImp::SendRedrawFloatedHint(CGXGridCore* pGrid, const CGXRange& range,
                                                 UINT nFlags)
{
    return SendRange(pGrid, gxHintRedrawFloated, &range, nFlags);
}
BOOL CGXGridUpdateHintImp::SendRedrawMergedHint(CGXGridCore* pGrid, const CGXRange& range,
                                                UINT nFlags)
{
    return SendRange(pGrid, gxHintRedrawMerged, &range, nFlags);
}
BOOL CGXGridUpdateHintImp::SendRedrawRangeHint(CGXGridCore* pGrid, const CGXRange& range,
                                               UINT nFlags)
{
    return SendRange(pGrid, gxHintRedrawRowCol, &range, nFlags);
}
BOOL CGXGridUpdateHintImp::SendRedrawAllHint(CGXGridCore* pGrid, UINT nFlags)
{
    return SendRange(pGrid, gxHintRedraw, nullptr, nFlags);
}
BOOL CGXGridUpdateHintImp::SendStyleRangeHint(CGXGridCore* pGrid, const CGXRange& range,
                                              const CGXStyle* pStyle, GXModifyType mt, int nType,
                                              UINT nFlags)
{
    GX_HINT(gxHintStyleRange);
    hint.m_range = range;
    hint.m_pStyle = pStyle;
    hint.m_mt = mt;
    hint.m_nValue = nType;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendStylesMapHint(CGXGridCore* pGrid, UINT nFlags)
{
    return SendRange(pGrid, gxHintStylesMap, nullptr, nFlags);
}
BOOL CGXGridUpdateHintImp::SendPropertiesHint(CGXGridCore* pGrid, UINT nFlags)
{
    return SendRange(pGrid, gxHintProperties, nullptr, nFlags);
}
BOOL CGXGridUpdateHintImp::SendBaseStyleHint(CGXGridCore* pGrid, WORD wStyleId, UINT nFlags)
{
    GX_HINT(gxHintBaseStyle);
    hint.m_lValue = wStyleId;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendStoreCurrentCellHint(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                    UINT nFlags)
{
    // Every other view ends its own edit; the sender hears FALSE when one of them refuses.
    GX_HINT(gxHintTransferCurrentCell);
    hint.m_nRow1 = nRow;
    hint.m_nCol1 = nCol;
    hint.m_nValue = TRUE;
    hint.m_lValue = 1;
    hint.m_flags = nFlags;
    Send(pGrid, hint);
    return hint.m_lValue != 0;
}
BOOL CGXGridUpdateHintImp::SendTabNameHint(CGXGridCore* pGrid, LPCTSTR pszName)
{
    GX_HINT(gxHintTabName);
    hint.m_vptr = const_cast<LPTSTR>(pszName);
    Send(pGrid, hint);
    return TRUE;
}
BOOL CGXGridUpdateHintImp::SendScrollHint(CGXGridCore* pGrid, int nDirection, ROWCOL, UINT)
{
    // Panes beside each other scroll their rows together, panes above each other their
    // columns.
    if (nDirection == 1 || nDirection == 3)
        return SendTopRowHint(pGrid, pGrid->GetTopRow(), GX_UPDATENOW);
    if (nDirection == 2 || nDirection == 4)
        return SendLeftColHint(pGrid, pGrid->GetLeftCol(), GX_UPDATENOW);
    return FALSE;
}

// Replaying.
void CGXGridUpdateHintImp::ReplayHint(CGXGridCore* pGrid, CGXGridHint* pHint)
{
    HintUpdate(pGrid, pHint);
}

int CGXGridUpdateHintImp::HintUpdate(CGXGridCore* pGrid, CGXGridHint* pHint)
{
    CObject* pObject = reinterpret_cast<CObject*>(pHint);
    if (pGrid->GetParam() == nullptr || pObject == nullptr ||
        !pObject->IsKindOf(RUNTIME_CLASS(CGXGridHint)))
        return 0;
    CGXGridHint& h = *pHint;
    if (h.m_nViewID != -1 && h.m_nViewID != pGrid->m_nHintId)
        return h.m_nViewID;
    switch (h.m_id) {
    case gxHintRedraw:
        pGrid->RedrawAll(h.m_flags, FALSE);
        return TRUE;
    case gxHintRedrawRowCol:
        pGrid->InvalidateCellRange(CGXRange(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2), h.m_flags,
                                   FALSE);
        return TRUE;
    case gxHintRowCount:
        pGrid->RefreshRowCount(h.m_nRow1, h.m_flags, FALSE);
        return TRUE;
    case gxHintColCount:
        pGrid->RefreshColCount(h.m_nCol1, h.m_flags, FALSE);
        return TRUE;
    case gxHintRowHeights:
        pGrid->RefreshRowHeights(h.m_nRow1, h.m_nRow2, static_cast<int*>(h.m_vptr), h.m_flags,
                                 FALSE);
        return TRUE;
    case gxHintColWidths:
        pGrid->RefreshColWidths(h.m_nCol1, h.m_nCol2, static_cast<int*>(h.m_vptr), h.m_flags,
                                FALSE);
        return TRUE;
    case gxHintInsertCols:
        pGrid->RefreshColInsertion(h.m_nCol1, (ROWCOL)h.m_lValue, h.m_flags, FALSE);
        return TRUE;
    case gxHintInsertRows:
        pGrid->RefreshRowInsertion(h.m_nRow1, (ROWCOL)h.m_lValue, h.m_flags, FALSE);
        return TRUE;
    case gxHintRemoveCols:
        pGrid->RefreshColRemoval(h.m_nCol1, h.m_nCol2, nullptr, h.m_flags, FALSE);
        return TRUE;
    case gxHintRemoveRows:
        pGrid->RefreshRowRemoval(h.m_nRow1, h.m_nRow2, nullptr, h.m_flags, FALSE);
        return TRUE;
    case gxHintMoveCols:
        pGrid->RefreshColMove(h.m_nCol1, h.m_nCol2, h.m_nCol3, h.m_flags, FALSE);
        return TRUE;
    case gxHintMoveRows:
        pGrid->RefreshRowMove(h.m_nRow1, h.m_nRow2, h.m_nRow3, h.m_flags, FALSE);
        return TRUE;
    case gxHintFrozenRows:
        pGrid->RefreshFrozenRows(h.m_nRow1, h.m_nRow2, h.m_flags, FALSE);
        return TRUE;
    case gxHintFrozenCols:
        pGrid->RefreshFrozenCols(h.m_nCol1, h.m_nCol2, h.m_flags, FALSE);
        return TRUE;
    case gxHintStyleRange:
        pGrid->UpdateStyleRange(h.m_range, h.m_pStyle, (GXModifyType)h.m_mt, h.m_nValue, h.m_flags,
                                FALSE);
        return TRUE;
    case gxHintZoomChanged:
    case gxHintZoom:
        // Zoom follows within one splitter window only, unless cells float.
        if (pGrid->GetFloatMode() == 0 && h.m_vptr != SplitterOf(pGrid))
            return FALSE;
        if (h.m_id == gxHintZoom)
            pGrid->WriteZoom(h.m_nValue, FALSE);
        else
            pGrid->RefreshZoom(h.m_nValue, h.m_flags, FALSE);
        return TRUE;
    case gxHintTabName:
        pGrid->OnTabNameChanged(0);
        return TRUE;
    case gxHintTransferCurrentCell: {
        const BOOL bResult = pGrid->SyncCurrentCell(h.m_nValue, h.m_flags, FALSE);
        h.m_lValue = h.m_lValue && bResult;
        return bResult;
    }
    case gxHintTopRow:
        if (h.m_vptr != pGrid->GetGridWnd())
            return FALSE;
        pGrid->SetFirstScrollRow(h.m_nRow1, h.m_flags, FALSE);
        return TRUE;
    case gxHintLeftCol:
        if (h.m_vptr != pGrid->GetGridWnd())
            return FALSE;
        pGrid->SetFirstScrollCol(h.m_nCol1, h.m_flags, FALSE);
        return TRUE;
    case gxHintCurrentCell:
        return pGrid->MakeCellCurrent(h.m_nRow1, h.m_nCol1, h.m_flags);
    case gxHintLockSelectionFrame:
        return pGrid->LockSelectionFrame((BOOL)h.m_flags, FALSE);
    case gxHintProperties:
        pGrid->UpdateProperties(h.m_flags, FALSE);
        return TRUE;
    case gxHintStylesMap:
        pGrid->UpdateStylesMap(h.m_flags, FALSE);
        return TRUE;
    case gxHintBaseStyle:
        pGrid->UpdateBaseStyle((WORD)(h.m_lValue & 0xFFFF), h.m_flags, FALSE);
        return TRUE;
    case gxHintMoveDataRows:
        pGrid->UpdateMoveDataRows(h.m_range, h.m_flags, FALSE);
        return TRUE;
    case gxHintMoveDataCols:
        pGrid->UpdateMoveDataCols(h.m_range, h.m_flags, FALSE);
        return TRUE;
    case gxHintRefresh:
        return pGrid->RefreshAll(TRUE, nullptr, FALSE);
    case gxHintRedrawFloated:
        pGrid->InvalidateFloatBlocks(CGXRange(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2));
        return TRUE;
    case gxHintRedrawMerged:
        pGrid->InvalidateMergeBlocks(CGXRange(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2));
        return TRUE;
    default:
        return h.m_id - 1;
    }
}
