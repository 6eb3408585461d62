#include "features/GXGridCoveredCellsImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include "core/GXUpdateLock.h"
#include "features/GXCoveredCellPool.h"
#include "features/GXFeatureSwitches.h"
#include <algorithm>
#include <new>
#include <vector>

namespace {
// Row and column numbers from here on are refused: nothing can be covered up to them.
const ROWCOL kCoverLimit = 0x7FFFFFFF;
} // namespace

CGXCoveredCellPool* CGXGridCoveredCellsImp::PoolOf(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    pParam->CreateCoveredCellPool();
    return dynamic_cast<CGXCoveredCellPool*>(pParam->m_pCoveredCellPool);
}

CGXRange* CGXGridCoveredCellsImp::GetCoveredBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                  CGXRange& range)
{
    if (nRow >= kCoverLimit || nCol >= kCoverLimit)
        return nullptr;
    CGXCoveredCellPool* pPool = PoolOf(pGrid);
    if (pPool == nullptr)
        return nullptr;
    POSITION pos = pPool->Lookup(nRow, nCol);
    if (pos == nullptr)
        return nullptr;
    range = *pGrid->GetParam()->m_coveredCells.GetRangeAt(pos);
    return &range;
}

void CGXGridCoveredCellsImp::GrowRangeByCovered(CGXGridCore* pGrid, CGXRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_coveredCells.IsEmpty() || !range.IsCells())
        return;
    CGXRange covered;
    for (ROWCOL nRow = range.top; nRow <= range.bottom && nRow < kCoverLimit; ++nRow) {
        for (ROWCOL nCol = range.left; nCol <= range.right && nCol < kCoverLimit; ++nCol) {
            if (GetCoveredBlock(pGrid, nRow, nCol, covered) == nullptr)
                continue;
            range.top = std::min(range.top, covered.top);
            range.left = std::min(range.left, covered.left);
            range.bottom = std::max(range.bottom, covered.bottom);
            range.right = std::max(range.right, covered.right);
            nCol = covered.right; // go on right of the covering range
        }
    }
}

BOOL CGXGridCoveredCellsImp::WriteCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                               ROWCOL nToRow, ROWCOL nToCol, BOOL bSet)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXCoveredCellPool* pPool = PoolOf(pGrid);
    if (pParam == nullptr || pPool == nullptr)
        return FALSE;
    if (nToRow >= kCoverLimit || nToCol >= kCoverLimit || nToRow < nRow || nToCol < nCol)
        return FALSE;
    // The pool holds a slot per covered cell: a range reaching beyond the grid is refused
    // rather than indexed.
    if (bSet && (nToRow > pGrid->GetRowCount() || nToCol > pGrid->GetColCount()))
        return FALSE;
    if (pParam->m_bStoreGuard &&
        (pGrid->IsGridReadOnly() || pGrid->GetStandardStyle().GetReadOnly()))
        return FALSE;
    CGXRangeList& list = pParam->m_coveredCells;
    try {
        if (bSet) {
            const CGXRange wanted(nRow, nCol, nToRow, nToCol);
            CGXRange grown(wanted);
            GrowRangeByCovered(pGrid, grown);
            if (!(grown == wanted))
                return FALSE; // overlaps a range it does not contain
            POSITION pos = pPool->Lookup(nRow, nCol);
            if (pos == nullptr) {
                pos = list.AddRange(wanted);
                if (!pPool->Mark(nRow, nCol, nToRow, nToCol, pos)) {
                    delete list.GetRangeAt(pos);
                    list.RemoveAt(pos);
                    return FALSE;
                }
                return TRUE;
            }
            CGXRange* pOld = list.GetRangeAt(pos);
            if (pOld->top != nRow || pOld->left != nCol)
                return FALSE;
            *pOld = wanted;
            pPool->Mark(nRow, nCol, nToRow, nToCol, pos);
            return TRUE;
        }
        POSITION pos = pPool->Lookup(nRow, nCol);
        if (pos == nullptr)
            return FALSE;
        CGXRange* pOld = list.GetRangeAt(pos);
        if (pOld->top != nRow || pOld->left != nCol)
            return FALSE;
        pPool->Mark(pOld->top, pOld->left, pOld->bottom, pOld->right, nullptr);
        delete pOld;
        list.RemoveAt(pos);
        return TRUE;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    // The pool may be half marked: rebuild it from the list.
    pParam->UpdateCoveredCellPool();
    return FALSE;
}

void CGXGridCoveredCellsImp::RefreshCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                 ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                                                 BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    CGXRange area(nRow, nCol, nToRow, nToCol);
    if (!pParam->m_bLockUpdate) {
        CGXRange covered;
        if (GetCoveredBlock(pGrid, nRow, nCol, covered) != nullptr) {
            ROWCOL nCurRow, nCurCol;
            if (pGrid->GetCurrentCell(nCurRow, nCurCol) && covered.ContainsCell(nCurRow, nCurCol) &&
                (nCurRow != covered.top || nCurCol != covered.left))
                pGrid->SetCurrentCell(covered.top, covered.left, nFlags | 8);
            area.bottom = std::max(area.bottom, covered.bottom);
            area.right = std::max(area.right, covered.right);
        }
        pGrid->InvalidateCellRange(area, nFlags, FALSE);
    }
    if (bCreateHint && pGrid->m_bDocumentLinked && pGrid->UpdateHintImp() != nullptr)
        pGrid->UpdateHintImp()->SendRedrawRangeHint(pGrid, area, nFlags);
}

BOOL CGXGridCoveredCellsImp::SetCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                             ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                                             GXCmdType ctCmd)
{
    CGXRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (GetCoveredBlock(pGrid, nRow, nCol, old) != nullptr) {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    const BOOL bSet = nToRow != nRow || nToCol != nCol;
    if (!WriteCoveredCells(pGrid, nRow, nCol, nToRow, nToCol, bSet))
        return FALSE;
    CGXRange area(nRow, nCol, std::max(nToRow, nOldBottom), std::max(nToCol, nOldRight));
    // Floating and merged blocks around the area are worked out again.
    pGrid->MarkFloatRangeDirty(area);
    pGrid->MarkMergeRangeDirty(area);
    pGrid->ResolveMergeRange(area, FALSE);
    pGrid->ResolveFloatRange(area, FALSE);
    pGrid->GrowRangeByMerge(area);
    pGrid->GrowRangeByFloat(area);
    RefreshCoveredCells(pGrid, area.top, area.left, area.bottom, area.right, nFlags, TRUE);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->CommandFactory() != nullptr && ctCmd != gxRollback && pParam->m_bUndoEnabled &&
        (ctCmd == gxUndo || ctCmd == gxRedo))
        pGrid->ShowUndoPosition(nRow, nCol, TRUE);
    return TRUE;
}

void CGXGridCoveredCellsImp::PrepareRemoval(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom,
                                            ROWCOL nTo, UINT& nFlags, GXCmdType ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (ctCmd != gxDo || pParam == nullptr)
        return;
    CGXUpdateLock lock(pParam);
    pGrid->BeginUndoBlock("");
    // The ranges change while they are adjusted: work from a copy.
    std::vector<CGXRange> ranges;
    for (POSITION pos = pParam->m_coveredCells.GetHeadPosition(); pos != nullptr;)
        ranges.push_back(*pParam->m_coveredCells.GetNextRange(pos));
    BOOL bChanged = FALSE;
    for (const CGXRange& r : ranges) {
        const ROWCOL nStart = bRows ? r.top : r.left, nEnd = bRows ? r.bottom : r.right;
        if (nStart >= nFrom && nStart <= nTo) {
            bChanged |= SetCoveredCells(pGrid, r.top, r.left, r.top, r.left, nFlags, gxDo);
        } else if (nStart < nFrom && nEnd >= nFrom && nEnd <= nTo) {
            bChanged |= SetCoveredCells(pGrid, r.top, r.left, r.top, r.left, nFlags, gxDo);
            const ROWCOL nToRow = bRows ? nFrom - 1 : r.bottom;
            const ROWCOL nToCol = bRows ? r.right : nFrom - 1;
            if (nToRow != r.top || nToCol != r.left)
                bChanged |= SetCoveredCells(pGrid, r.top, r.left, nToRow, nToCol, nFlags, gxDo);
        }
    }
    if (bChanged)
        nFlags = GX_INVALIDATE;
}

void CGXGridCoveredCellsImp::PrepareRowRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                               UINT& nFlags, GXCmdType ctCmd)
{
    PrepareRemoval(pGrid, TRUE, nFrom, nTo, nFlags, ctCmd);
}

void CGXGridCoveredCellsImp::PrepareColRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                               UINT& nFlags, GXCmdType ctCmd)
{
    PrepareRemoval(pGrid, FALSE, nFrom, nTo, nFlags, ctCmd);
}

void GXImplementCoveredCells(CGXGridCore* pGrid)
{
    GXImplementCoveredCellPool();
    GXInstallGridFeature<CGXGridCoveredCellsImp>(pGrid, gxSlotCoveredCells);
    if (CGXGridParam* pParam = pGrid->GetParam())
        pParam->CreateCoveredCellPool();
    GXImplementDrawSpannedCells(pGrid);
}
