// CGXGridCore: scroll bars (ranges scaled to fit the window's 16-bit range), scrolling by
// cells and bringing a cell into view.
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "fw/ctrls.h"

void CGXGridCore::SetScrollBarPolicy(int nBar, int nMode)
{
    if (nBar == SB_VERT || nBar == SB_BOTH)
        m_nVScrollMode = nMode;
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        m_nHScrollMode = nMode;
}

void CGXGridCore::SetScrollUnitRange(int nBar, ROWCOL nMin, ROWCOL nMax, BOOL bRedraw)
{
    const int nMode = GetScrollBarMode(nBar);
    if (nMode == 0 || m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return;
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    const BOOL bRead = m_pWindow->GetScrollInfo(nBar, &si, SIF_ALL);
    const int nFactor = (int)(nMax / 0x7FFF) + 1;
    (nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor) = nFactor;
    UINT nPage = 1;
    if ((nMode & GX_SBMODE_LASTUSEFUL) && bRead) {
        const ROWCOL nCount = nBar == SB_VERT ? GetRowCount() : GetColCount();
        nPage = (UINT)((nCount >= nMax ? nCount - nMax + 1 : 1) / nFactor);
        nMax = nCount;
    }
    nMax /= nFactor;
    nMin /= nFactor;
    if (nMax < nMin) {
        nMin = nMax;
        nPage = 1;
    }
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = (int)nMin;
    si.nMax = (int)nMax;
    si.nPage = std::max(1u, nPage);
    if (!m_pWindow->SetScrollInfo(nBar, &si, bRedraw))
        m_pWindow->SetScrollRange(nBar, (int)nMin, (int)nMax, bRedraw);
    m_bScrollBarsChanged = TRUE;
}

void CGXGridCore::GetScrollUnitRange(int nBar, ROWCOL& nMin, ROWCOL& nMax)
{
    int a = 0, b = 0;
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->GetScrollRange(nBar, &a, &b);
    const int nFactor = nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor;
    nMin = (ROWCOL)a * nFactor;
    nMax = (ROWCOL)b * nFactor;
}

void CGXGridCore::SetScrollUnitPos(int nBar, ROWCOL nPos, BOOL bRedraw)
{
    if (GetScrollBarMode(nBar) == 0 || m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return;
    const int nFactor = nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor;
    m_pWindow->SetScrollPos(nBar, (int)(nPos / (ROWCOL)std::max(1, nFactor)), bRedraw);
}

ROWCOL CGXGridCore::GetScrollUnitPos(int nBar)
{
    if (m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return 0;
    const int nFactor = nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor;
    return (ROWCOL)m_pWindow->GetScrollPos(nBar) * nFactor;
}

void CGXGridCore::RefreshScrollBars(BOOL bOnlyIfDimChanged, BOOL bNoRedraw)
{
    if (!m_bInitialized || m_bInRefreshScrollBars || m_pGridParam == nullptr ||
        m_pGridParam->m_bLockUpdate || m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return;
    if (m_nVScrollMode == 0 && m_nHScrollMode == 0)
        return;
    const CRect rectGrid = GetGridRect();
    if (rectGrid.IsRectEmpty())
        return;
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    if (bOnlyIfDimChanged && nRows == m_nLastScrollRows && nCols == m_nLastScrollCols)
        return;
    m_bInRefreshScrollBars = TRUE;
    m_nLastScrollRows = nRows;
    m_nLastScrollCols = nCols;
    const DWORD dwOldStyle = m_pWindow->GetStyle();

    // The last top row (left column) that still fills the window.
    const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
    const int nFixedH = SumRowHeights(0, nFrozenRows);
    const int nFixedW = SumColWidths(0, nFrozenCols);
    ROWCOL nLastTop = nRows;
    for (int h = nFixedH; nLastTop > nFrozenRows + 1;) {
        h += GetRowPixelHeight(nLastTop);
        if (h + GetRowPixelHeight(nLastTop - 1) > rectGrid.Height())
            break;
        --nLastTop;
    }
    ROWCOL nLastLeft = nCols;
    for (int w = nFixedW; nLastLeft > nFrozenCols + 1;) {
        w += GetColPixelWidth(nLastLeft);
        if (w + GetColPixelWidth(nLastLeft - 1) > rectGrid.Width())
            break;
        --nLastLeft;
    }
    nLastTop = std::max(nLastTop, nFrozenRows + 1);
    nLastLeft = std::max(nLastLeft, nFrozenCols + 1);

    auto refreshBar = [&](int nBar, int nMode, ROWCOL nFirst, ROWCOL nLast, ROWCOL nPos,
                          DWORD dwStyleBit) {
        if ((nMode & GX_SBMODE_LASTUSEFUL) && nPos > nLast) {
            if (nBar == SB_VERT)
                SetFirstScrollRow(nLast, GX_INVALIDATE, FALSE);
            else
                SetFirstScrollCol(nLast, GX_INVALIDATE, FALSE);
            nPos = nLast;
        }
        const int nBase = nMode & ~GX_SBMODE_LASTUSEFUL;
        if (nBase == GX_SBMODE_ALWAYS || nBase == GX_SBMODE_RANGEONLY ||
            (nBase == GX_SBMODE_AUTO && (nPos > nFirst || nLast > nFirst))) {
            SetScrollUnitRange(nBar, nFirst, nLast, !bNoRedraw);
            SetScrollUnitPos(nBar, nPos, !bNoRedraw);
            if (nBase != GX_SBMODE_RANGEONLY)
                m_pWindow->ShowScrollBar(nBar, TRUE);
        } else if (nBase == GX_SBMODE_AUTO ||
                   (nBase == 0 && (m_pWindow->GetStyle() & dwStyleBit))) {
            m_pWindow->ShowScrollBar(nBar, FALSE);
        }
    };
    refreshBar(SB_VERT, m_nVScrollMode, nFrozenRows + 1, nLastTop, m_nTopRow, WS_VSCROLL);
    refreshBar(SB_HORZ, m_nHScrollMode, nFrozenCols + 1, nLastLeft, m_nLeftCol, WS_HSCROLL);

    if (!bNoRedraw &&
        (m_pWindow->GetStyle() & (WS_VSCROLL | WS_HSCROLL)) !=
            (dwOldStyle & (WS_VSCROLL | WS_HSCROLL))) {
        ResetVisibleCache();
        m_pWindow->Invalidate(FALSE);
    }
    m_bInRefreshScrollBars = FALSE;
}

void CGXGridCore::ScrollGridWindow(int dx, int dy, LPCRECT lpRect, LPCRECT lpClip)
{
    if (CGXAbstractGridExcelLikeFillImp* pFill = ExcelLikeFillImp())
        pFill->HideFillHandle(this);
    m_pWindow->ScrollWindowEx(dx, dy, lpRect, lpClip, nullptr, nullptr,
                              SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    // The current cell's window moved with the cells; it stays out of the frozen area.
    ROWCOL nRow = 0, nCol = 0;
    if (GetCurrentCell(nRow, nCol))
        if (CGXControl* pControl = GetCurrentCellControl())
            ClipCellWindowToScrollArea(GXControlWindow(pControl), nRow, nCol);
}

namespace {
// The last top row (left column) with which the rows (columns) from there to the end still
// fill the grid below (right of) the frozen area.
ROWCOL LastUsefulFirst(CGXGridCore& grid, BOOL bRows)
{
    const CRect rectGrid = grid.GetGridRect();
    const ROWCOL nFrozen = bRows ? grid.GetFrozenRowCount() : grid.GetFrozenColCount();
    const ROWCOL nCount = bRows ? grid.GetRowCount() : grid.GetColCount();
    const int nExtent = bRows ? rectGrid.Height() : rectGrid.Width();
    auto size = [&](ROWCOL i) {
        return bRows ? grid.GetRowPixelHeight(i) : grid.GetColPixelWidth(i);
    };
    int nSum =
        bRows ? grid.SumRowHeights(0, nFrozen, nExtent) : grid.SumColWidths(0, nFrozen, nExtent);
    ROWCOL nLast = nCount;
    if (nLast <= nFrozen + 1)
        return nFrozen + 1;
    nSum += size(nLast);
    while (nLast > nFrozen + 1 && nSum + size(nLast - 1) <= nExtent)
        nSum += size(--nLast);
    return nLast;
}

// The current cell's control hears of a scroll first (so that its drop-downs close).
void TellControlOfScroll(CGXGridCore& grid, int nBar)
{
    if (grid.IsActiveCurrentCell())
        GXControlScrollMessage(grid.GetCurrentCellControl(),
                               nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL);
}
} // namespace

ROWCOL GXLastUsefulTopRow(CGXGridCore& grid) { return LastUsefulFirst(grid, TRUE); }
ROWCOL GXLastUsefulLeftCol(CGXGridCore& grid) { return LastUsefulFirst(grid, FALSE); }

BOOL CGXGridCore::ScrollByCells(int nDirection, ROWCOL nCount, UINT flags)
{
    if (nCount == 0 || nDirection < 1 || nDirection > 4)
        return FALSE;
    ResetVisibleCache();
    const BOOL bRows = nDirection == 1 || nDirection == 3;
    const BOOL bBack = nDirection == 1 || nDirection == 2;
    const ROWCOL nFirst = (bRows ? GetFrozenRowCount() : GetFrozenColCount()) + 1;
    const ROWCOL nOld = bRows ? m_nTopRow : m_nLeftCol;
    auto size = [&](ROWCOL i) { return bRows ? GetRowPixelHeight(i) : GetColPixelWidth(i); };

    // Rows (columns) of size 0 do not count.
    ROWCOL nNew = std::max(nOld, nFirst);
    if (bBack) {
        for (ROWCOL n = nCount; n > 0 && nNew > nFirst;)
            if (size(--nNew) > 0)
                --n;
    } else {
        ROWCOL nLimit = bRows ? GetRowCount() : GetColCount();
        if (GetScrollBarMode(bRows ? SB_VERT : SB_HORZ) & GX_SBMODE_LASTUSEFUL)
            nLimit = std::min(nLimit, LastUsefulFirst(*this, bRows));
        for (ROWCOL n = nCount; n > 0 && nNew < nLimit;)
            if (size(nNew++) > 0)
                --n;
        while (nNew < nLimit && size(nNew) == 0)
            ++nNew; // the new first row is one that shows
    }
    if (nNew == nOld)
        return FALSE;
    if (CGXAbstractGridReserved30Imp* pImp = Reserved30Imp())
        pImp->OnGridAccess(this);
    if (bRows ? !MayChangeTopRow(nNew) : !MayChangeLeftCol(nNew))
        return FALSE;

    ToggleSelectionFrame(FALSE);
    const CRect rectGrid = GetGridRect();
    CRect rectArea(rectGrid);
    if (bRows)
        rectArea.top += SumRowHeights(0, nFirst - 1, rectGrid.Height());
    else
        rectArea.left += SumColWidths(0, nFirst - 1, rectGrid.Width());
    const int nExtent = bRows ? rectArea.Height() : rectArea.Width();
    const ROWCOL nLow = std::min(nOld, nNew), nHigh = std::max(nOld, nNew);
    const int nPixels = bRows ? SumRowHeights(nLow, nHigh - 1, nExtent + 1)
                              : SumColWidths(nLow, nHigh - 1, nExtent + 1);
    (bRows ? m_nTopRow : m_nLeftCol) = nNew;
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr && !rectArea.IsRectEmpty()) {
        if (nPixels < nExtent) {
            const int nSign = nNew > nOld ? -1 : 1;
            ScrollGridWindow(bRows ? 0 : nSign * nPixels, bRows ? nSign * nPixels : 0, &rectArea,
                             &rectArea);
            // A grid line at the top (left) of cells follows the first scrolled row (column).
            if ((bRows ? ShowHorzLines() : ShowVertLines()) && LinesAtTopLeft()) {
                CRect rectStrip(rectArea);
                if (bRows)
                    rectStrip.bottom = std::min(rectStrip.bottom, rectStrip.top + nPixels);
                else
                    rectStrip.right = std::min(rectStrip.right, rectStrip.left + nPixels);
                m_pWindow->InvalidateRect(&rectStrip);
            }
        } else {
            m_pWindow->InvalidateRect(&rectArea);
        }
    }
    SetScrollUnitPos(bRows ? SB_VERT : SB_HORZ, nNew);
    if ((GetScrollBarMode(bRows ? SB_VERT : SB_HORZ) & 7) == GX_SBMODE_AUTO && nNew == nFirst)
        RefreshScrollBars();
    ToggleSelectionFrame(TRUE);
    if (bRows)
        OnTopRowMoved(nOld);
    else
        OnLeftColMoved(nOld);
    if ((flags & GX_UPDATENOW) && m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->UpdateWindow();
    return TRUE;
}

void CGXGridCore::ScrollWithHint(int nDirection, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    const BOOL bScrolled = ScrollByCells(nDirection, nCount, flags);
    if (bScrolled && bCreateHint && HintsEnabled())
        UpdateHintImp()->SendScrollHint(this, nDirection, nCount, flags);
}

BOOL CGXGridCore::BringCellIntoView(ROWCOL nRow, ROWCOL nCol, UINT flags, BOOL bFloatCell)
{
    if (!m_bInitialized)
        return FALSE;
    const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
    // A cell of a covered (or floating) range reaching past the frozen area counts as the
    // last frozen row or column.
    CGXRange range;
    if (GetCoveredBlock(nRow, nCol, range) != nullptr ||
        (bFloatCell && GetFloatBlock(nRow, nCol, range) != nullptr)) {
        if (nRow <= nFrozenRows && range.bottom > nFrozenRows)
            nRow = nFrozenRows;
        if (nCol <= nFrozenCols && range.right > nFrozenCols)
            nCol = nFrozenCols;
    }
    const CRect rectGrid = GetGridRect();
    BOOL bMoved = FALSE;
    if (nRow > nFrozenRows && nRow <= GetRowCount()) {
        if (nRow < m_nTopRow) {
            SetFirstScrollRow(nRow, flags, TRUE);
            bMoved = TRUE;
        } else if (nRow > m_nTopRow) {
            int h = SumRowHeights(0, nFrozenRows, rectGrid.Height()) + GetRowPixelHeight(nRow);
            ROWCOL nTop = nRow;
            while (nTop > nFrozenRows + 1 && h + GetRowPixelHeight(nTop - 1) <= rectGrid.Height())
                h += GetRowPixelHeight(--nTop);
            if (nTop > m_nTopRow) {
                TellControlOfScroll(*this, SB_VERT);
                SetFirstScrollRow(std::min(nTop, GetRowCount()), flags, TRUE);
                bMoved = TRUE;
            }
        }
    }
    if (nCol > nFrozenCols && nCol <= GetColCount()) {
        if (nCol < m_nLeftCol) {
            SetFirstScrollCol(nCol, flags, TRUE);
            bMoved = TRUE;
        } else if (nCol > m_nLeftCol) {
            int w = SumColWidths(0, nFrozenCols, rectGrid.Width()) + GetColPixelWidth(nCol);
            ROWCOL nLeft = nCol;
            while (nLeft > nFrozenCols + 1 && w + GetColPixelWidth(nLeft - 1) <= rectGrid.Width())
                w += GetColPixelWidth(--nLeft);
            if (nLeft > m_nLeftCol) {
                TellControlOfScroll(*this, SB_HORZ);
                SetFirstScrollCol(std::min(nLeft, GetColCount()), flags, TRUE);
                bMoved = TRUE;
            }
        }
    }
    if (bMoved && (flags & (GX_UPDATENOW | GX_SMART)) && m_pWindow != nullptr &&
        m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->UpdateWindow();
    return bMoved;
}

BOOL CGXGridCore::MayChangeLeftCol(ROWCOL) { return TRUE; }
BOOL CGXGridCore::MayChangeTopRow(ROWCOL) { return TRUE; }
void CGXGridCore::OnLeftColMoved(ROWCOL) { }
void CGXGridCore::OnTopRowMoved(ROWCOL) { }

void CGXGridCore::StartAutoScroll(BOOL bCapture, int nDirection, int nSpeed)
{
    m_nAutoScrollDirection = nDirection;
    m_nAutoScrollSpeed = nSpeed;
    m_bAutoScroll = TRUE;
    m_bAutoScrollRequest = TRUE;
    m_bAutoScrollStop = FALSE;
    if (bCapture)
        m_pWindow->SetCapture();
    if (m_pWindow->SetTimer(992, 10) == 0) {
        m_bAutoScroll = FALSE;
        m_bAutoScrollRequest = FALSE;
        return;
    }
    m_pWindow->PostMessage(WM_TIMER, 992);
}
