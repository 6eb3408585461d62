// What the merged-cell and floating-cell features share while they work blocks out: the
// composed styles of the cells looked at (kept for one evaluation), the walk over the cells
// to evaluate, the redraw of the area whose blocks changed and the growing of a range by the
// blocks that reach into it.
#pragma once
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXStyle.h"
#include "core/GXUpdateLock.h"
#include "features/GXDelayedRangePool.h"
#include "features/GXGridUpdateHintImp.h"
#include <algorithm>
#include <memory>
#include <unordered_map>

class CGXSpanStyleCache
{
public:
    explicit CGXSpanStyleCache(CGXGridCore* pGrid) : m_pGrid(pGrid) { }
    CGXSpanStyleCache(const CGXSpanStyleCache&) = delete;
    CGXSpanStyleCache& operator=(const CGXSpanStyleCache&) = delete;
    ~CGXSpanStyleCache() { Clear(); }
    const CGXStyle& Get(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle*& p = m_styles[GXCellKey(nRow, nCol)];
        if (p == nullptr) {
            p = m_pGrid->TakeStyleObject();
            m_pGrid->ComposeCellStyle(nRow, nCol, p);
        }
        return *p;
    }
    void Clear()
    {
        for (auto& entry : m_styles)
            m_pGrid->ReturnStyleObject(entry.second);
        m_styles.clear();
    }

private:
    CGXGridCore* m_pGrid;
    std::unordered_map<ULONGLONG, CGXStyle*> m_styles;
};

// Grows changed to hold the area (changed starts invalid: then it becomes the area).
inline void GXUniteChanged(CGXRange& changed, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                           ROWCOL nRight)
{
    const CGXRange area(nTop, nLeft, nBottom, nRight);
    if (!changed.IsValid())
        changed = area;
    else
        changed.Unite(changed, area);
}

// Invalidates the window area of cells whose blocks changed, unless updates are locked.
inline void GXInvalidateSpanArea(CGXGridCore* pGrid, const CGXRange& area)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (!area.IsValid() || pParam == nullptr || pParam->m_bLockUpdate || pWnd == nullptr ||
        pWnd->GetSafeHwnd() == nullptr || !pWnd->IsWindowVisible() || pGrid->IsPrinting())
        return;
    CRect rect = pGrid->GetRangeWindowRect(area.top, area.left, area.bottom, area.right);
    if (!rect.IsRectEmpty())
        pWnd->InvalidateRect(&rect, FALSE);
}

// Blocks changed over the area: the other views of the document redraw it too. Floating
// blocks worked out for a printout live in the printout's own pool and concern nobody else.
inline void GXSendSpanAreaHint(CGXGridCore* pGrid, const CGXRange& area, BOOL bMerged)
{
    if (!area.IsValid() || !pGrid->m_bDocumentLinked || (!bMerged && pGrid->IsPrinting()))
        return;
    auto* pHints = dynamic_cast<CGXGridUpdateHintImp*>(pGrid->UpdateHintImp());
    if (pHints == nullptr)
        return;
    if (bMerged)
        pHints->SendRedrawMergedHint(pGrid, area, 0);
    else
        pHints->SendRedrawFloatedHint(pGrid, area, 0);
}

// A rows, columns or table range made concrete against the grid's counts and kept right of
// and below the given first row and column. FALSE when nothing is left.
inline BOOL GXConcreteSpanRange(CGXGridCore* pGrid, CGXRange& range, ROWCOL nFirstRow,
                                ROWCOL nFirstCol)
{
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (range.IsRows() || range.IsTable()) {
        range.left = 0;
        range.right = nCols;
    }
    if (range.IsCols() || range.IsTable()) {
        range.top = 0;
        range.bottom = nRows;
    }
    range = CGXRange(std::max(range.top, nFirstRow), std::max(range.left, nFirstCol),
                     std::min(range.bottom, nRows), std::min(range.right, nCols));
    return range.top <= range.bottom && range.left <= range.right;
}

// Blocks changed over the area: it is redrawn here and in the document's other views.
inline void GXRedrawSpanArea(CGXGridCore* pGrid, const CGXRange& area, BOOL bMerged)
{
    GXInvalidateSpanArea(pGrid, area);
    GXSendSpanAreaHint(pGrid, area, bMerged);
}

// A row (column) of no height (width) is hidden.
inline BOOL GXIsHiddenRow(CGXGridCore* pGrid, ROWCOL nRow)
{
    return pGrid->GetRowPixelHeight(nRow) == 0;
}
inline BOOL GXIsHiddenCol(CGXGridCore* pGrid, ROWCOL nCol)
{
    return pGrid->GetColPixelWidth(nCol) == 0;
}

// Evaluates every shown cell of range through evalCell(nRow, nCol), row by row; the
// composed styles are dropped after each row. TRUE when a call answered TRUE.
template<class TEvalCell>
BOOL GXEvalShownCells(CGXGridCore* pGrid, const CGXRange& range, CGXSpanStyleCache& styles,
                      TEvalCell evalCell)
{
    BOOL bChanged = FALSE;
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        if (!GXIsHiddenRow(pGrid, nRow))
            for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol)
                if (!GXIsHiddenCol(pGrid, nCol))
                    bChanged |= evalCell(nRow, nCol);
        styles.Clear();
    }
    return bChanged;
}

// The same for the cells of range still pending in the delayed pool (which marks them
// done), hidden ones skipped when bSkipHidden. FALSE without a pool or pending cells.
template<class TEvalCell>
BOOL GXEvalPendingCells(CGXGridCore* pGrid, CGXDelayedRangePool* pDelayed, const CGXRange& range,
                        BOOL bSkipHidden, CGXSpanStyleCache& styles, TEvalCell evalCell)
{
    CDWordArray awFrom, awTo;
    if (pDelayed == nullptr || !pDelayed->GetPendingCells(range, awFrom, awTo))
        return FALSE;
    BOOL bChanged = FALSE;
    for (INT_PTR i = 0; i < awFrom.GetSize(); ++i) {
        const ROWCOL nRow = range.top + (ROWCOL)i;
        if (awFrom[i] == 0xFFFFFFFF || (bSkipHidden && GXIsHiddenRow(pGrid, nRow)))
            continue;
        for (ROWCOL nCol = awFrom[i]; nCol <= awTo[i]; ++nCol)
            if (!bSkipHidden || !GXIsHiddenCol(pGrid, nCol))
                bChanged |= evalCell(nRow, nCol);
        styles.Clear();
    }
    return bChanged;
}

// Widens range by the blocks that lookup(nRow, nCol, block) finds (null for none) for its
// cells: along its rows (bAlongRows; the blocks' columns widen it) or down its columns
// (their rows lengthen it). A block is looked up once, at its first cell met.
template<class TLookup>
void GXGrowRangeByBlocks(CGXRange& range, BOOL bAlongRows, TLookup lookup)
{
    ROWCOL& nOuterFirst = bAlongRows ? range.top : range.left;
    ROWCOL& nOuterLast = bAlongRows ? range.bottom : range.right;
    ROWCOL& nInnerFirst = bAlongRows ? range.left : range.top;
    ROWCOL& nInnerLast = bAlongRows ? range.right : range.bottom;
    CGXRange block;
    for (ROWCOL nOuter = nOuterFirst; nOuter <= nOuterLast; ++nOuter) {
        for (ROWCOL nInner = nInnerFirst; nInner <= nInnerLast; ++nInner) {
            if (lookup(bAlongRows ? nOuter : nInner, bAlongRows ? nInner : nOuter, block) ==
                nullptr)
                continue;
            nInnerFirst = std::min(nInnerFirst, bAlongRows ? block.left : block.top);
            nInnerLast = std::max(nInnerLast, bAlongRows ? block.right : block.bottom);
            nInner = bAlongRows ? block.right : block.bottom;
            if (nInner >= GX_MAXROWCOL)
                break;
        }
        if (nOuter >= GX_MAXROWCOL)
            break;
    }
}
