#include "features/GXGridMergeCellsImp.h"
#include "controls/GXControl.h"
#include "core/GXLibraryState.h"
#include "features/GXDelayedRangePool.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXSpanCellPool.h"
#include "features/GXSpanEvaluation.h"
#include <algorithm>

namespace {
CGXSpanCellPool* MergePool(CGXGridCore* pGrid, int nDirection)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return dynamic_cast<CGXSpanCellPool*>(
        pParam->m_apPools[nDirection == 0 ? gxPoolMergeSpansH : gxPoolMergeSpansV]);
}

CGXDelayedRangePool* MergeDelayed(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr
        ? dynamic_cast<CGXDelayedRangePool*>(pParam->m_apPools[gxPoolMergeDelayed])
        : nullptr;
}

WORD EvalMode(CGXGridCore* pGrid) { return (WORD)(pGrid->GetMergeMode() & 3); }

// The block along one direction that holds the cell: its first and last row (vertical) or
// column (horizontal). FALSE, with both at the cell, when it belongs to none.
BOOL BlockAlong(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL& nStart,
                ROWCOL& nEnd)
{
    const ROWCOL nPos = nDirection == 0 ? nCol : nRow;
    nStart = nEnd = nPos;
    CGXSpanCellPool* pPool = MergePool(pGrid, nDirection);
    CGXRange range(nRow, nCol, nRow, nCol);
    if (pPool == nullptr || !pPool->Lookup(nRow, nCol, range))
        return FALSE;
    const ROWCOL nFirst = nDirection == 0 ? range.left : range.top;
    const ROWCOL nLast = nDirection == 0 ? range.right : range.bottom;
    if (nFirst > nPos || nLast < nPos || nFirst == nLast)
        return FALSE;
    nStart = nFirst;
    nEnd = nLast;
    return TRUE;
}
} // namespace

struct CGXGridMergeCellsImp::Eval
{
    explicit Eval(CGXGridCore* p) : pGrid(p), wMode(p->GetMergeMode()), styles(p) { }
    CGXGridCore* pGrid;
    WORD wMode;
    CGXSpanStyleCache styles;
    CGXRange changed; // invalid until something changes
    size_t nStores = 0; // blocks stored so far
};

void CGXGridMergeCellsImp::SetMergeMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_wMergeCellsMode == wMode)
        return;
    pParam->m_wMergeCellsMode = wMode;
    for (int i : {gxPoolMergeDelayed, gxPoolMergeSpansH, gxPoolMergeSpansV}) {
        delete pParam->m_apPools[i];
        pParam->m_apPools[i] = nullptr;
    }
    CGXGridLibraryState& state = GXGetLibraryState();
    const WORD wEval = (WORD)(wMode & 3);
    if (wEval != 0 && state.m_pSpanCellPoolImp != nullptr) {
        pParam->m_apPools[gxPoolMergeSpansH] = state.m_pSpanCellPoolImp->CreateSpanCellPool();
        pParam->m_apPools[gxPoolMergeSpansV] = state.m_pSpanCellPoolImp->CreateSpanCellPool();
    }
    if (wEval == gxMergeDelayed && state.m_pDelayedRangePoolImp != nullptr) {
        pParam->m_apPools[gxPoolMergeDelayed] =
            state.m_pDelayedRangePoolImp->CreateDelayedRangePool();
        MarkMergeRangeDirty(pGrid, CGXRange().SetTable(), 0);
    } else if (wEval == gxMergeImmediate) {
        CGXRange changed;
        EvalMergeCells(pGrid, CGXRange().SetTable(), changed, TRUE);
    }
    if (bRedraw)
        pGrid->RedrawAll(GX_UPDATENOW, FALSE);
}

void CGXGridMergeCellsImp::MarkMergeRangeDirty(CGXGridCore* pGrid, const CGXRange& rangeIn,
                                               UINT nFlags)
{
    (void)nFlags;
    const WORD wEval = EvalMode(pGrid);
    CGXRange range(rangeIn);
    if (wEval == gxMergeImmediate) {
        // Neighbours of the area may join it or leave it.
        if (range.IsCells()) {
            range.top = range.top > 1 ? range.top - 1 : range.top;
            range.left = range.left > 1 ? range.left - 1 : range.left;
            range.bottom = range.bottom < GX_MAXROWCOL ? range.bottom + 1 : range.bottom;
            range.right = range.right < GX_MAXROWCOL ? range.right + 1 : range.right;
        }
        CGXRange changed;
        if (EvalMergeCells(pGrid, range, changed, FALSE))
            GXRedrawSpanArea(pGrid, changed, TRUE);
        return;
    }
    CGXDelayedRangePool* pDelayed = MergeDelayed(pGrid);
    if (wEval != gxMergeDelayed || pDelayed == nullptr || !GXConcreteSpanRange(pGrid, range, 1, 1))
        return;
    // Hidden rows and columns at the edges are looked through: the area takes them in.
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    while (range.top > 1 && GXIsHiddenRow(pGrid, range.top))
        --range.top;
    while (range.bottom < nRows && GXIsHiddenRow(pGrid, range.bottom))
        ++range.bottom;
    while (range.left > 1 && GXIsHiddenCol(pGrid, range.left))
        --range.left;
    while (range.right < nCols && GXIsHiddenCol(pGrid, range.right))
        ++range.right;
    pDelayed->AddRange(range);
}

BOOL CGXGridMergeCellsImp::ResolveMergeRange(CGXGridCore* pGrid, const CGXRange& range,
                                             BOOL bPrinting)
{
    (void)bPrinting;
    CGXRange changed;
    if (!EvalMergeCells(pGrid, range, changed, FALSE))
        return FALSE;
    GXRedrawSpanArea(pGrid, changed, TRUE);
    return TRUE;
}

BOOL CGXGridMergeCellsImp::EvalMergeCells(CGXGridCore* pGrid, const CGXRange& rangeIn,
                                          CGXRange& changed, BOOL bForce)
{
    const WORD wEval = EvalMode(pGrid);
    if (wEval == 0 || pGrid->m_bSuspendSpanEvaluation)
        return FALSE;
    CGXRange range(rangeIn);
    if (!GXConcreteSpanRange(pGrid, range, 1, 1))
        return FALSE;
    Eval ev(pGrid);
    BOOL bChanged = FALSE;
    {
        CGXUpdateLock lock(pGrid->GetParam(), !bForce);
        // Delayed, hidden cells are evaluated too: EvalCell looks through them.
        auto evalCell = [&](ROWCOL nRow, ROWCOL nCol) { return EvalCell(ev, nRow, nCol); };
        if (wEval == gxMergeDelayed)
            bChanged =
                GXEvalPendingCells(pGrid, MergeDelayed(pGrid), range, FALSE, ev.styles, evalCell);
        else
            bChanged = GXEvalShownCells(pGrid, range, ev.styles, evalCell);
    }
    if (ev.changed.IsValid())
        GXUniteChanged(changed, ev.changed.top, ev.changed.left, ev.changed.bottom,
                       ev.changed.right);
    return bChanged;
}

BOOL CGXGridMergeCellsImp::EvalCell(Eval& ev, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = ev.pGrid;
    const BOOL bDelayed = (ev.wMode & 3) == gxMergeDelayed;
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    BOOL bChanged = FALSE;
    for (int nDirection = 0; nDirection < 2; ++nDirection) {
        if (ev.wMode & (nDirection == 0 ? gxMergeNoHorizontal : gxMergeNoVertical))
            continue;
        const ROWCOL nPos = nDirection == 0 ? nCol : nRow;
        const ROWCOL nLast = nDirection == 0 ? nCols : nRows;
        auto hidden = [&](ROWCOL n) {
            return nDirection == 0 ? GXIsHiddenCol(pGrid, n) : GXIsHiddenRow(pGrid, n);
        };
        auto pair = [&](ROWCOL a, ROWCOL b) {
            return nDirection == 0 ? JoinPair(ev, 0, nRow, a, nRow, b)
                                   : JoinPair(ev, 1, a, nCol, b, nCol);
        };
        // The neighbour before: delayed, hidden ones are looked through.
        if (nPos > 1) {
            ROWCOL nPrev = nPos - 1;
            while (bDelayed && nPrev > 1 && hidden(nPrev))
                --nPrev;
            ROWCOL b = nPos;
            // A change may reach further back: pairs are checked until one stays.
            for (;;) {
                const size_t nStores = ev.nStores;
                if (!pair(nPrev, b))
                    break;
                bChanged = TRUE;
                if (nPrev <= 1 || nStores == ev.nStores)
                    break;
                b = nPrev;
                --nPrev;
            }
        }
        if (nPos < nLast) {
            ROWCOL nNext = nPos + 1;
            while (bDelayed && nNext < nLast && hidden(nNext))
                ++nNext;
            ROWCOL a = nPos;
            for (;;) {
                const size_t nStores = ev.nStores;
                if (!pair(a, nNext))
                    break;
                bChanged = TRUE;
                if (nNext >= nLast || nStores == ev.nStores)
                    break;
                a = nNext;
                ++nNext;
            }
        }
    }
    return bChanged;
}

BOOL CGXGridMergeCellsImp::JoinPair(Eval& ev, int nDirection, ROWCOL nRowA, ROWCOL nColA,
                                    ROWCOL nRowB, ROWCOL nColB)
{
    CGXGridCore* pGrid = ev.pGrid;
    const BOOL bDelayed = (ev.wMode & 3) == gxMergeDelayed;
    if (bDelayed &&
        (nDirection == 0 ? GXIsHiddenRow(pGrid, nRowA) || GXIsHiddenCol(pGrid, nColB)
                         : GXIsHiddenCol(pGrid, nColA) || GXIsHiddenRow(pGrid, nRowB)))
        return TRUE; // worked out again once it shows
    ROWCOL nStartA, nEndA, nStartB, nEndB;
    const BOOL bBlockA = BlockAlong(pGrid, nDirection, nRowA, nColA, nStartA, nEndA);
    const BOOL bBlockB = BlockAlong(pGrid, nDirection, nRowB, nColB, nStartB, nEndB);
    const CGXStyle& styleA = ev.styles.Get(nRowA, nColA);
    const CGXStyle& styleB = ev.styles.Get(nRowB, nColB);
    const BOOL bJoin = CanMergeCell(pGrid, nRowA, nColA, styleA, nDirection) &&
        CanMergeCell(pGrid, nRowB, nColB, styleB, nDirection) &&
        CompareMergeValues(pGrid, styleA, styleB);
    const ROWCOL nPosA = nDirection == 0 ? nColA : nRowA;
    const ROWCOL nPosB = nDirection == 0 ? nColB : nRowB;
    auto store = [&](ROWCOL nFirst, ROWCOL nLast) {
        if (nDirection == 0)
            StoreBlock(ev, 0, nRowA, nFirst, nRowA, nLast);
        else
            StoreBlock(ev, 1, nFirst, nColA, nLast, nColA);
    };
    if (bJoin) {
        if (bBlockA && bBlockB && nEndA == nEndB)
            return FALSE; // one block already
        if (bBlockB)
            store(nStartB, nStartB); // B's old block goes
        store(nStartA, std::max(nEndB, nPosB));
        return TRUE;
    }
    // Apart: a block holding both is cut between them.
    if (!bBlockA || nEndA < nPosB)
        return FALSE;
    store(nStartA, nStartA);
    if (nStartA < nPosA)
        store(nStartA, nPosA);
    if (nEndA > nPosB)
        store(nPosB, nEndA);
    return TRUE;
}

void CGXGridMergeCellsImp::StoreBlock(Eval& ev, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                      ROWCOL nToRow, ROWCOL nToCol)
{
    CGXGridCore* pGrid = ev.pGrid;
    CGXSpanCellPool* pPool = MergePool(pGrid, nDirection);
    if (pPool == nullptr)
        return;
    // The old block at the first cell, for the area to redraw.
    CGXRange old(nRow, nCol, nRow, nCol);
    ROWCOL nStart, nEnd;
    if (BlockAlong(pGrid, nDirection, nRow, nCol, nStart, nEnd)) {
        if (nDirection == 0)
            old = CGXRange(nRow, nStart, nRow, nEnd);
        else
            old = CGXRange(nStart, nCol, nEnd, nCol);
    }
    const BOOL bSet = nToRow != nRow || nToCol != nCol;
    pPool->SetSpan(nRow, nCol, nToRow, nToCol, bSet);
    ++ev.nStores;
    CGXRange area(nRow, nCol, nToRow, nToCol);
    area.Unite(area, old);
    GXUniteChanged(ev.changed, area.top, area.left, area.bottom, area.right);
    // Floating text around a merged block is worked out again.
    pGrid->MarkFloatRangeDirty(area);
}

BOOL CGXGridMergeCellsImp::CanMergeCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                        const CGXStyle& style, int nDirection)
{
    const WORD wMode = pGrid->GetMergeMode();
    if ((wMode & 3) == gxMergeDelayed && (GXIsHiddenRow(pGrid, nRow) || GXIsHiddenCol(pGrid, nCol)))
        return TRUE;
    if ((wMode & 3) == 0 || !style.GetInclude(gxMergeCell))
        return FALSE;
    const int nBits = style.GetMergeCell();
    if (nDirection == 0 && (!(nBits & gxMergeHorizontal) || (wMode & gxMergeNoHorizontal)))
        return FALSE;
    if (nDirection == 1 && (!(nBits & gxMergeVertical) || (wMode & gxMergeNoVertical)))
        return FALSE;
    CGXRange covered;
    if (pGrid->GetCoveredBlock(nRow, nCol, covered) != nullptr)
        return FALSE;
    return TRUE;
}

BOOL CGXGridMergeCellsImp::CompareMergeValues(CGXGridCore* pGrid, const CGXStyle& style1,
                                              const CGXStyle& style2)
{
    (void)pGrid;
    if (!style1.GetInclude(gxMergeCell) || !style2.GetInclude(gxMergeCell))
        return FALSE;
    if ((style1.GetMergeCell() & gxMergeValuesOnly) && (style2.GetMergeCell() & gxMergeValuesOnly))
        return style1.GetValue() == style2.GetValue();
    return style1.ContainsStyle(style2) && style2.ContainsStyle(style1);
}

CGXRange* CGXGridMergeCellsImp::GetMergeBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                              CGXRange& range, int nDirection)
{
    if (EvalMode(pGrid) == 0)
        return nullptr;
    for (int d = 0; d < 2; ++d) {
        if (nDirection != -1 && nDirection != d)
            continue;
        ROWCOL nStart, nEnd;
        if (!BlockAlong(pGrid, d, nRow, nCol, nStart, nEnd))
            continue;
        range = d == 0 ? CGXRange(nRow, nStart, nRow, nEnd) : CGXRange(nStart, nCol, nEnd, nCol);
        return &range;
    }
    return nullptr;
}

void CGXGridMergeCellsImp::RefreshMergeBlocks(CGXGridCore* pGrid, const CGXRange& range,
                                              UINT nFlags)
{
    CGXRange area(range);
    GrowRangeByMerge(pGrid, area);
    pGrid->InvalidateCellRange(area, nFlags, TRUE);
}

void CGXGridMergeCellsImp::InvalidateMergeBlocks(CGXGridCore* pGrid, const CGXRange& range)
{
    CGXRange area(range);
    GrowRangeByMerge(pGrid, area);
    GXInvalidateSpanArea(pGrid, area);
}

void CGXGridMergeCellsImp::GrowRangeByMerge(CGXGridCore* pGrid, CGXRange& range)
{
    if (EvalMode(pGrid) == 0 || !range.IsCells() || range.bottom < range.top ||
        range.right < range.left)
        return;
    // Rows with horizontal blocks, then columns with vertical blocks.
    for (int nDirection = 0; nDirection < 2; ++nDirection)
        GXGrowRangeByBlocks(range, nDirection == 0, [&](ROWCOL nRow, ROWCOL nCol, CGXRange& block) {
            return GetMergeBlock(pGrid, nRow, nCol, block, nDirection);
        });
}

BOOL CGXGridMergeCellsImp::QueryMergeRange(CGXGridCore* pGrid, const CGXRange& range,
                                           CGXRange& result)
{
    result = range;
    GrowRangeByMerge(pGrid, result);
    return !(result == range);
}

void GXImplementMergeCells(CGXGridCore* pGrid)
{
    GXImplementSpanCellPool();
    GXImplementDelayedRangePool();
    GXImplementStyleCompareSubset();
    GXInstallGridFeature<CGXGridMergeCellsImp>(pGrid, gxSlotMergeCells);
    GXImplementDrawSpannedCells(pGrid);
}
