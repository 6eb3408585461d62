#include "features/GXGridOptimizedUpdateImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "features/GXFeatureSwitches.h"
#include <algorithm>

namespace {
// Rows and columns seen through one interface: "position" is y for rows and x for columns.
struct Axis
{
    CGXGridCore* pGrid;
    BOOL bRows;

    ROWCOL Frozen() const
    {
        return bRows ? pGrid->GetFrozenRowCount() : pGrid->GetFrozenColCount();
    }
    ROWCOL Count() const { return bRows ? pGrid->GetRowCount() : pGrid->GetColCount(); }
    ROWCOL& First() const { return bRows ? pGrid->m_nTopRow : pGrid->m_nLeftCol; }
    ROWCOL LastVisible() const
    {
        return bRows ? pGrid->GetLastVisibleRow() : pGrid->GetLastVisibleCol();
    }
    int Size(ROWCOL n) const
    {
        return bRows ? pGrid->GetRowPixelHeight(n) : pGrid->GetColPixelWidth(n);
    }
    int Sum(ROWCOL nFrom, ROWCOL nTo) const
    {
        int n = 0;
        for (ROWCOL i = nFrom; i <= nTo && i != GX_INVALID; ++i)
            n += Size(i);
        return n;
    }
    // Where a visible row (column) starts in the window.
    int Pos(ROWCOL n) const
    {
        const CRect rect =
            pGrid->GetRangeWindowRect(bRows ? n : 0, bRows ? 0 : n, bRows ? n : 0, bRows ? 0 : n);
        return bRows ? rect.top : rect.left;
    }
    // The grid rectangle from a position on to its far end.
    CRect From(const CRect& grid, int nPos) const
    {
        return bRows ? CRect(grid.left, nPos, grid.right, grid.bottom)
                     : CRect(nPos, grid.top, grid.right, grid.bottom);
    }
    CRect Strip(const CRect& grid, int nPos, int nSize) const
    {
        return bRows ? CRect(grid.left, nPos, grid.right, nPos + nSize)
                     : CRect(nPos, grid.top, nPos + nSize, grid.bottom);
    }
    int End(const CRect& grid) const { return bRows ? grid.bottom : grid.right; }
    void Scroll(const CRect& rect, const CRect& clip, int nBy) const
    {
        pGrid->ScrollGridWindow(bRows ? 0 : nBy, bRows ? nBy : 0, &rect, &clip);
    }
};

BOOL MustRedrawAll(CGXGridCore* pGrid, ROWCOL nFrom, const Axis& axis)
{
    return nFrom <= axis.Frozen() || pGrid->GetFloatMode() != 0 || pGrid->GetMergeMode() != 0;
}

void Invalidate(CGXGridCore* pGrid, const CRect& rect)
{
    if (!rect.IsRectEmpty())
        pGrid->GetGridWnd()->InvalidateRect(&rect, TRUE);
}

void Finish(CGXGridCore* pGrid, UINT nFlags)
{
    if (nFlags & GX_UPDATENOW)
        pGrid->GetGridWnd()->UpdateWindow();
}

// Row headers that show numbers (column headers that show letters) change from n on.
void InvalidateNumbers(CGXGridCore* pGrid, const Axis& axis, const CRect& grid, int nPos)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr ||
        !(axis.bRows ? pParam->m_bNumberedRowHeaders : pParam->m_bNumberedColHeaders))
        return;
    const int nHeader = axis.bRows ? pGrid->SumColWidths(0, pGrid->GetHeaderColCount())
                                   : pGrid->SumRowHeights(0, pGrid->GetHeaderRowCount());
    CRect rect = axis.From(grid, nPos);
    if (axis.bRows)
        rect.right = std::min<LONG>(rect.right, grid.left + nHeader);
    else
        rect.bottom = std::min<LONG>(rect.bottom, grid.top + nHeader);
    Invalidate(pGrid, rect);
}
} // namespace

void CGXGridOptimizedUpdateImp::Inserted(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst,
                                         ROWCOL nCount, UINT nFlags)
{
    const Axis axis {pGrid, bRows};
    if (MustRedrawAll(pGrid, nFirst, axis)) {
        pGrid->RedrawAll(nFlags, FALSE);
        return;
    }
    const CRect grid = pGrid->GetGridRect();
    if (nFirst < axis.First()) {
        // The rows in view stay where they are; only their numbers moved on.
        axis.First() += nCount;
        pGrid->ResetVisibleCache();
        InvalidateNumbers(pGrid, axis, grid,
                          axis.End(grid) - (bRows ? grid.Height() : grid.Width()));
        Finish(pGrid, nFlags);
        return;
    }
    if (nFirst > axis.LastVisible()) {
        Finish(pGrid, nFlags);
        return;
    }
    const int nPos = axis.Pos(nFirst);
    const int nSize = axis.Sum(nFirst, nFirst + nCount - 1);
    if ((nFlags & GX_INVALIDATE) || nPos + nSize >= axis.End(grid) ||
        nFirst + nCount - 1 >= axis.Count() || !(nFlags & (GX_UPDATENOW | GX_SMART))) {
        Invalidate(pGrid, axis.From(grid, nPos));
    } else {
        const CRect below = axis.From(grid, nPos);
        axis.Scroll(below, below, nSize);
        Invalidate(pGrid, axis.Strip(grid, nPos, nSize));
        InvalidateNumbers(pGrid, axis, grid, nPos + nSize);
    }
    Finish(pGrid, nFlags);
}

void CGXGridOptimizedUpdateImp::Removed(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                        const int* anOld, UINT nFlags)
{
    const Axis axis {pGrid, bRows};
    if ((nFlags & 7) == GX_INVALIDATE || MustRedrawAll(pGrid, nFrom, axis)) {
        pGrid->RedrawAll(nFlags, FALSE);
        return;
    }
    const ROWCOL nCount = axis.Count(), nFrozen = axis.Frozen(), nRemoved = nTo - nFrom + 1;
    const CRect grid = pGrid->GetGridRect();
    if (nCount > nFrozen && nTo < axis.First()) {
        // Wholly above the rows in view: they stay where they are.
        axis.First() = std::max(nFrozen + 1, axis.First() - nRemoved);
        pGrid->ResetVisibleCache();
        InvalidateNumbers(pGrid, axis, grid, bRows ? grid.top : grid.left);
        Finish(pGrid, nFlags);
        return;
    }
    if (nCount <= nFrozen || axis.First() > nCount || nFrom < axis.First()) {
        // Nothing left to scroll, the first row (column) in view is gone, or the removal
        // began above it: show from the first row (column) that is left.
        if (nCount <= nFrozen)
            axis.First() = nFrozen + 1;
        else if (axis.First() > nCount)
            axis.First() = std::max(nFrozen + 1, nCount);
        else
            axis.First() = std::max(nFrozen + 1, nFrom);
        pGrid->ResetVisibleCache();
        pGrid->RedrawAll(nFlags, FALSE);
        return;
    }
    if (nFrom > axis.LastVisible()) {
        Finish(pGrid, nFlags);
        return;
    }
    const int nPos = axis.Pos(nFrom);
    int nDistance = 0;
    if (anOld != nullptr)
        for (ROWCOL i = 0; i < nRemoved && nPos + nDistance < axis.End(grid); ++i)
            nDistance += anOld[i];
    if (anOld != nullptr && (nFlags & (GX_UPDATENOW | GX_SMART)) &&
        nPos + nDistance < axis.End(grid)) {
        const CRect rect = axis.From(grid, nPos + nDistance);
        axis.Scroll(rect, axis.From(grid, nPos), -nDistance);
        Invalidate(pGrid, axis.From(grid, axis.End(grid) - nDistance));
    } else {
        Invalidate(pGrid, axis.From(grid, nPos));
    }
    // Covered ranges that were cut at the removal draw anew.
    if (CGXGridParam* pParam = pGrid->GetParam()) {
        for (POSITION pos = pParam->m_coveredCells.GetHeadPosition(); pos != nullptr;) {
            const CGXRange* pRange = pParam->m_coveredCells.GetNextRange(pos);
            const ROWCOL nStart = bRows ? pRange->top : pRange->left;
            const ROWCOL nEnd = bRows ? pRange->bottom : pRange->right;
            if (nStart < nFrom && nEnd + 1 >= nFrom)
                pGrid->InvalidateCellRange(*pRange, GX_INVALIDATE, FALSE);
        }
    }
    InvalidateNumbers(pGrid, axis, grid, nPos);
    Finish(pGrid, nFlags);
}

void CGXGridOptimizedUpdateImp::Resized(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                        const int* anOld, UINT nFlags)
{
    const Axis axis {pGrid, bRows};
    if (MustRedrawAll(pGrid, nFrom, axis)) {
        pGrid->RedrawAll(nFlags, FALSE);
        return;
    }
    if (nTo < axis.First() || nFrom > axis.LastVisible()) {
        Finish(pGrid, nFlags); // nothing of the change is in view
        return;
    }
    if (nFrom < axis.First() || anOld == nullptr || (nFlags & 7) == GX_INVALIDATE ||
        !(nFlags & (GX_UPDATENOW | GX_SMART))) {
        pGrid->RedrawAll(nFlags, FALSE);
        return;
    }
    const CRect grid = pGrid->GetGridRect();
    const int nPos = axis.Pos(nFrom);
    const int nNew = axis.Sum(nFrom, nTo);
    int nOld = 0;
    for (ROWCOL i = 0; i <= nTo - nFrom; ++i)
        nOld += anOld[i];
    if (nPos + nOld >= axis.End(grid)) {
        Invalidate(pGrid, axis.From(grid, nPos));
    } else {
        if (nNew != nOld)
            axis.Scroll(axis.From(grid, nPos + nOld), axis.From(grid, nPos), nNew - nOld);
        Invalidate(pGrid, axis.Strip(grid, nPos, nNew));
    }
    Finish(pGrid, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawInsertedRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                                   UINT nFlags)
{
    Inserted(pGrid, TRUE, nFirst, nCount, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawInsertedCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                                   UINT nFlags)
{
    Inserted(pGrid, FALSE, nFirst, nCount, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawRemovedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  int* pOldSizes, UINT nFlags)
{
    Removed(pGrid, TRUE, nFrom, nTo, pOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawRemovedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  int* pOldSizes, UINT nFlags)
{
    Removed(pGrid, FALSE, nFrom, nTo, pOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawResizedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  int* pOldSizes, UINT nFlags)
{
    Resized(pGrid, TRUE, nFrom, nTo, pOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::RedrawResizedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  int* pOldSizes, UINT nFlags)
{
    Resized(pGrid, FALSE, nFrom, nTo, pOldSizes, nFlags);
}

void GXImplementOptimizedUpdate(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridOptimizedUpdateImp>(pGrid, gxSlotOptimizedUpdate);
}
