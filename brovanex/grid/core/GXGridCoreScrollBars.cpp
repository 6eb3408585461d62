// CGXGridCore: the scroll-bar messages. A thumb position maps onto a row (column) as the
// exact inverse of how the row was put onto the bar (the row divided by the bar's factor),
// so the two agree with any factor and with frozen rows.
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"

#include <algorithm>

ROWCOL GXLastUsefulTopRow(CGXGridCore& grid);
ROWCOL GXLastUsefulLeftCol(CGXGridCore& grid);

namespace {
// The rows (columns) of non-zero size from nFrom up to nTo - 1: what ScrollByCells counts.
ROWCOL CountShown(CGXGridCore& grid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo)
{
    ROWCOL n = 0;
    for (ROWCOL i = nFrom; i < nTo; ++i)
        if ((bRows ? grid.GetRowPixelHeight(i) : grid.GetColPixelWidth(i)) > 0)
            ++n;
    return n;
}
} // namespace

ROWCOL GXThumbToFirst(CGXGridCore& grid, int nBar, UINT nThumb)
{
    const BOOL bRows = nBar == SB_VERT;
    const ROWCOL nFirst = (bRows ? grid.GetFrozenRowCount() : grid.GetFrozenColCount()) + 1;
    const ROWCOL nCount = bRows ? grid.GetRowCount() : grid.GetColCount();
    const ROWCOL nFactor =
        (ROWCOL)std::max(1, bRows ? grid.m_nVScrollFactor : grid.m_nHScrollFactor);
    ROWCOL nRow = (ROWCOL)nThumb * nFactor;
    return std::max(nFirst, std::min(nRow, std::max(nCount, nFirst)));
}

static BOOL HandleScrollBar(CGXGridCore& grid, BOOL bRows, UINT nSBCode, UINT nPos)
{
    const int nBar = bRows ? SB_VERT : SB_HORZ;
    if (grid.IsActiveCurrentCell())
        GXControlScrollMessage(grid.GetCurrentCellControl(), bRows ? WM_VSCROLL : WM_HSCROLL);
    const ROWCOL nCount = bRows ? grid.GetRowCount() : grid.GetColCount();
    const ROWCOL nFrozen = bRows ? grid.GetFrozenRowCount() : grid.GetFrozenColCount();
    if (nCount == 0 || nFrozen + 1 >= nCount)
        return TRUE;
    const int nBackward = bRows ? 1 : 2, nForward = bRows ? 3 : 4;
    const ROWCOL nTop = bRows ? grid.m_nTopRow : grid.m_nLeftCol;
    auto size = [&](ROWCOL i) {
        return bRows ? grid.GetRowPixelHeight(i) : grid.GetColPixelWidth(i);
    };
    switch (nSBCode) {
    case SB_LINEUP: // also SB_LINELEFT
        grid.ScrollByCells(nBackward, 1);
        break;
    case SB_LINEDOWN:
        grid.ScrollByCells(nForward, 1);
        break;
    case SB_PAGEUP: {
        if (nTop < 2)
            break;
        const CRect rectGrid = grid.GetGridRect();
        const int nAvail = (bRows ? rectGrid.Height() : rectGrid.Width()) -
            (bRows ? grid.SumRowHeights(0, nFrozen) : grid.SumColWidths(0, nFrozen));
        int nSum = size(nTop);
        ROWCOL n = 0;
        for (ROWCOL r = nTop; r > nFrozen + 1 && nSum + size(r - 1) <= nAvail; --r) {
            nSum += size(r - 1);
            ++n;
        }
        grid.ScrollByCells(nBackward, std::max<ROWCOL>(1, n));
        break;
    }
    case SB_PAGEDOWN: {
        const ROWCOL nLast = bRows ? grid.GetLastVisibleRow() : grid.GetLastVisibleCol();
        grid.ScrollByCells(nForward, nLast > nTop ? CountShown(grid, bRows, nTop, nLast) : 1);
        break;
    }
    case SB_THUMBTRACK:
        if (grid.GetParam() == nullptr || !grid.GetParam()->m_bThumbTrack)
            break;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        // A thumb dropped where the top row puts it does not move the grid (a top row
        // between two multiples of the factor has no thumb position of its own).
        const ROWCOL nFactor =
            (ROWCOL)std::max(1, bRows ? grid.m_nVScrollFactor : grid.m_nHScrollFactor);
        if (nFactor > 1 && nPos == nTop / nFactor)
            break;
        const ROWCOL nTarget = GXThumbToFirst(grid, nBar, nPos);
        if (nTarget == nTop)
            break;
        const ROWCOL nLow = std::min(nTarget, nTop), nHigh = std::max(nTarget, nTop);
        if ((bRows ? grid.SumRowHeights(nLow, nHigh - 1, 1)
                   : grid.SumColWidths(nLow, nHigh - 1, 1)) <= 0)
            break;
        grid.ScrollByCells(nTarget > nTop ? nForward : nBackward,
                           CountShown(grid, bRows, nLow, nHigh));
        break;
    }
    case SB_TOP: // also SB_LEFT
        if (nTop > 1)
            grid.ScrollByCells(nBackward, nTop - 1);
        break;
    case SB_BOTTOM: // also SB_RIGHT
        if (nCount > nTop)
            grid.ScrollByCells(nForward, nCount - nTop);
        break;
    default: // SB_ENDSCROLL
        break;
    }
    return TRUE;
}

BOOL CGXGridCore::HandleVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!m_bInitialized || m_pPaintPass != nullptr)
        return FALSE;
    return HandleScrollBar(*this, TRUE, nSBCode, nPos);
}

BOOL CGXGridCore::HandleHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!m_bInitialized || m_pPaintPass != nullptr)
        return FALSE;
    return HandleScrollBar(*this, FALSE, nSBCode, nPos);
}
