#include "features/GXGridFloatCellsImp.h"
#include "controls/GXControl.h"
#include "core/GXFont.h"
#include "core/GXLibraryState.h"
#include "features/GXDelayedRangePool.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXSpanCellPool.h"
#include "features/GXSpanEvaluation.h"
#include <algorithm>
#include <unordered_map>

namespace {
CGXSpanCellPool* FloatPool(CGXGridCore* pGrid)
{
    return dynamic_cast<CGXSpanCellPool*>(pGrid->GetFloatPool());
}

CGXDelayedRangePool* FloatDelayed(CGXGridCore* pGrid, BOOL bPrinting)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return dynamic_cast<CGXDelayedRangePool*>(
        pParam->m_apPools[bPrinting ? gxPoolPrintDelayed : gxPoolFloatDelayed]);
}
} // namespace

struct CGXGridFloatCellsImp::Eval
{
    explicit Eval(CGXGridCore* p) : pGrid(p), styles(p) { }
    CGXGridCore* pGrid;
    CGXSpanStyleCache styles;
    CGXRange changed; // invalid until something changes
    CDC* pDC = nullptr;
    std::unordered_map<ULONGLONG, BOOL> floats; // (row, col) -> may float, this evaluation
};

void CGXGridFloatCellsImp::SetFloatMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_wFloatCellsMode == wMode)
        return;
    pParam->m_wFloatCellsMode = wMode;
    for (int i : {gxPoolFloatDelayed, gxPoolFloatSpans}) {
        delete pParam->m_apPools[i];
        pParam->m_apPools[i] = nullptr;
    }
    CGXGridLibraryState& state = GXGetLibraryState();
    if ((wMode == 1 || wMode == 2) && state.m_pSpanCellPoolImp != nullptr)
        pParam->m_apPools[gxPoolFloatSpans] = state.m_pSpanCellPoolImp->CreateSpanCellPool();
    if (wMode == 1 && state.m_pDelayedRangePoolImp != nullptr) {
        pParam->m_apPools[gxPoolFloatDelayed] =
            state.m_pDelayedRangePoolImp->CreateDelayedRangePool();
        MarkFloatRangeDirty(pGrid, CGXRange().SetTable(), 0);
    } else if (wMode == 2) {
        CGXRange changed;
        EvalFloatCells(pGrid, CGXRange().SetTable(), changed, TRUE);
    }
    if (bRedraw)
        pGrid->RedrawAll(GX_UPDATENOW, FALSE);
}

void CGXGridFloatCellsImp::MarkFloatRangeDirty(CGXGridCore* pGrid, const CGXRange& rangeIn,
                                               UINT nFlags)
{
    (void)nFlags;
    const WORD wMode = pGrid->GetFloatMode();
    CGXRange range(rangeIn);
    if (wMode == 2) {
        CGXRange changed;
        if (EvalFloatCells(pGrid, range, changed, FALSE))
            GXRedrawSpanArea(pGrid, changed, FALSE);
        return;
    }
    if (wMode != 1 ||
        !GXConcreteSpanRange(pGrid, range, pGrid->GetHeaderRowCount() + 1,
                             pGrid->GetHeaderColCount() + 1))
        return;
    if (!pGrid->IsPrinting())
        if (CGXDelayedRangePool* pDisplay = FloatDelayed(pGrid, FALSE))
            pDisplay->AddRange(range);
    if (CGXDelayedRangePool* pPrint = FloatDelayed(pGrid, TRUE))
        pPrint->AddRange(range);
}

BOOL CGXGridFloatCellsImp::ResolveFloatRange(CGXGridCore* pGrid, const CGXRange& range,
                                             BOOL bPrinting)
{
    (void)bPrinting;
    CGXRange changed;
    if (!EvalFloatCells(pGrid, range, changed, FALSE))
        return FALSE;
    GXRedrawSpanArea(pGrid, changed, FALSE);
    return TRUE;
}

BOOL CGXGridFloatCellsImp::EvalFloatCells(CGXGridCore* pGrid, const CGXRange& rangeIn,
                                          CGXRange& changed, BOOL bForce)
{
    const WORD wMode = pGrid->GetFloatMode();
    if ((wMode != 1 && wMode != 2) || pGrid->m_bSuspendSpanEvaluation ||
        FloatPool(pGrid) == nullptr)
        return FALSE;
    CGXRange range(rangeIn);
    if (!GXConcreteSpanRange(pGrid, range, pGrid->GetHeaderRowCount() + 1,
                             pGrid->GetHeaderColCount() + 1))
        return FALSE;
    Eval ev(pGrid);
    BOOL bChanged = FALSE;
    ev.pDC = pGrid->BorrowGridDC();
    {
        CGXUpdateLock lock(pGrid->GetParam(), !bForce);
        auto evalCell = [&](ROWCOL nRow, ROWCOL nCol) { return EvalFloatCell(ev, nRow, nCol); };
        if (wMode == 1)
            bChanged = GXEvalPendingCells(pGrid, FloatDelayed(pGrid, pGrid->IsPrinting()), range,
                                          TRUE, ev.styles, evalCell);
        else
            bChanged = GXEvalShownCells(pGrid, range, ev.styles, evalCell);
    }
    if (ev.pDC != nullptr)
        pGrid->ReturnGridDC();
    if (ev.changed.IsValid())
        GXUniteChanged(changed, ev.changed.top, ev.changed.left, ev.changed.bottom,
                       ev.changed.right);
    return bChanged;
}

BOOL CGXGridFloatCellsImp::CellFloats(Eval& ev, ROWCOL nRow, ROWCOL nCol, BOOL bFloat)
{
    CGXGridCore* pGrid = ev.pGrid;
    // The feature decides for every kind of cell: controls that answer on their own count
    // empty cells differently.
    const CGXStyle& style = ev.styles.Get(nRow, nCol);
    return CanFloatCell(pGrid, pGrid->LookupControl(style.GetControl()), nRow, nCol, style, bFloat);
}

BOOL CGXGridFloatCellsImp::EvalFloatCell(Eval& ev, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = ev.pGrid;
    if (nRow <= pGrid->GetHeaderRowCount() || nCol <= pGrid->GetHeaderColCount())
        return FALSE;
    const BOOL bFloats = CellFloats(ev, nRow, nCol, TRUE);
    // The block of the left neighbour may reach into this cell, or must stop before it.
    ROWCOL nStart = nCol;
    if (nCol - 1 > pGrid->GetHeaderColCount()) {
        CGXRange block;
        nStart = GetFloatBlock(pGrid, nRow, nCol - 1, block) != nullptr ? block.left : nCol - 1;
    }
    BOOL bChanged = FALSE;
    if (bFloats) {
        bChanged |= FloatCellText(ev, nRow, nCol);
        if (nStart != nCol)
            bChanged |= FloatCellText(ev, nRow, nStart);
    } else {
        if (nStart != nCol)
            bChanged |= FloatCellText(ev, nRow, nStart);
        bChanged |= FloatCellText(ev, nRow, nCol);
    }
    return bChanged;
}

BOOL CGXGridFloatCellsImp::FloatCellText(Eval& ev, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = ev.pGrid;
    CGXSpanCellPool* pPool = FloatPool(pGrid);
    if (pPool == nullptr)
        return FALSE;
    CGXRange old(nRow, nCol, nRow, nCol);
    const BOOL bOld = GetFloatBlock(pGrid, nRow, nCol, old) != nullptr;
    ROWCOL nEnd = nCol;
    if (ev.pDC != nullptr && CellFloats(ev, nRow, nCol, TRUE)) {
        const CGXStyle& style = ev.styles.Get(nRow, nCol);
        // A cell whose control is not registered in this grid has no text to measure.
        CGXControl* pControl = pGrid->LookupControl(style.GetControl());
        const int cxText = pControl == nullptr
            ? 0
            : pControl
                  ->MeasureCellSize(ev.pDC, nRow, nCol, style, &pGrid->GetStandardStyle(), FALSE)
                  .cx;
        const ROWCOL nCols = pGrid->GetColCount();
        int cx = pGrid->GetColPixelWidth(nCol);
        while (cx < cxText && nEnd < nCols && CellFloats(ev, nRow, nEnd + 1, FALSE)) {
            ++nEnd;
            cx += pGrid->GetColPixelWidth(nEnd);
        }
    }
    // A cell inside another's block that does not float itself keeps that block.
    if (bOld && old.left != nCol && nEnd == nCol)
        return FALSE;
    if ((bOld ? old.right : nCol) == nEnd && (!bOld || old.left == nCol))
        return FALSE;
    pPool->SetSpan(nRow, nCol, nRow, nEnd, nEnd != nCol);
    CGXRange area(nRow, std::min(nCol, old.left), nRow, std::max(nEnd, old.right));
    GXUniteChanged(ev.changed, area.top, area.left, area.bottom, area.right);
    return TRUE;
}

BOOL CGXGridFloatCellsImp::CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow,
                                        ROWCOL nCol, const CGXStyle& style, BOOL bFloatOrFlood)
{
    (void)pControl;
    if (pGrid->GetFloatMode() == 0)
        return FALSE;
    CGXRange block;
    if (pGrid->GetCoveredBlock(nRow, nCol, block) != nullptr ||
        pGrid->GetMergeBlock(nRow, nCol, block, -1) != nullptr)
        return FALSE;
    if (bFloatOrFlood) {
        if (!style.GetInclude(gxFloatCell) || !style.GetFloatCell())
            return FALSE;
    } else if (!style.GetInclude(gxFloodCell) || !style.GetFloodCell() ||
               nCol > pGrid->GetColCount()) {
        return FALSE;
    }
    return CanFloatDefault(pGrid, nRow, nCol, style, bFloatOrFlood);
}

BOOL CGXGridFloatCellsImp::CanFloatDefault(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                           const CGXStyle& style, BOOL bFloat)
{
    (void)pGrid, (void)nRow, (void)nCol;
    if (!bFloat)
        return style.GetValue().IsEmpty();
    if ((style.GetInclude(gxFont) || style.HasFontObject()) &&
        style.GetFont().GetLogFontRef().lfOrientation != 0)
        return FALSE;
    return !style.GetValue().IsEmpty();
}

CGXRange* CGXGridFloatCellsImp::GetFloatBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                              CGXRange& range)
{
    CGXSpanCellPool* pPool = FloatPool(pGrid);
    if (pPool == nullptr || pGrid->GetFloatMode() == 0)
        return nullptr;
    CGXRange block(nRow, nCol, nRow, nCol);
    if (!pPool->Lookup(nRow, nCol, block) || block.left > nCol || block.right < nCol ||
        block.left == block.right)
        return nullptr;
    range = CGXRange(nRow, block.left, nRow, block.right);
    return &range;
}

void CGXGridFloatCellsImp::RefreshFloatBlocks(CGXGridCore* pGrid, const CGXRange& range,
                                              UINT nFlags)
{
    CGXRange area(range);
    GrowRangeByFloat(pGrid, area);
    pGrid->InvalidateCellRange(area, nFlags, TRUE);
}

void CGXGridFloatCellsImp::InvalidateFloatBlocks(CGXGridCore* pGrid, const CGXRange& range)
{
    CGXRange area(range);
    GrowRangeByFloat(pGrid, area);
    GXInvalidateSpanArea(pGrid, area);
}

void CGXGridFloatCellsImp::GrowRangeByFloat(CGXGridCore* pGrid, CGXRange& range)
{
    if (pGrid->GetFloatMode() == 0 || !range.IsCells() || range.bottom < range.top ||
        range.right < range.left)
        return;
    GXGrowRangeByBlocks(range, TRUE, [&](ROWCOL nRow, ROWCOL nCol, CGXRange& block) {
        return GetFloatBlock(pGrid, nRow, nCol, block);
    });
}

BOOL CGXGridFloatCellsImp::QueryFloatRange(CGXGridCore* pGrid, const CGXRange& range,
                                           CGXRange& result)
{
    result = range;
    GrowRangeByFloat(pGrid, result);
    return !(result == range);
}

void GXImplementFloatCells(CGXGridCore* pGrid)
{
    GXImplementSpanCellPool();
    GXImplementDelayedRangePool();
    GXInstallGridFeature<CGXGridFloatCellsImp>(pGrid, gxSlotFloatCells);
    GXImplementDrawSpannedCells(pGrid);
    GXImplementCalcSize(pGrid);
}
