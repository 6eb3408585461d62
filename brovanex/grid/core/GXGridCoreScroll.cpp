// CGXGridCore: scroll bars (ranges scaled to fit the window's 16-bit range), scrolling by
// cells and bringing a cell into view.
#include "core/GXGridCore.h"
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
}

BOOL CGXGridCore::ScrollByCells(int nDirection, ROWCOL nCount, UINT flags)
{
    ResetVisibleCache();
    const BOOL bRows = nDirection == 1 || nDirection == 3;
    const ROWCOL nFrozen = bRows ? GetFrozenRowCount() : GetFrozenColCount();
    const ROWCOL nLimit = bRows ? GetRowCount() : GetColCount();
    const ROWCOL nOld = bRows ? m_nTopRow : m_nLeftCol;
    ROWCOL nNew = nOld;
    if (nDirection == 1 || nDirection == 2)
        nNew = nOld > nFrozen + 1 + nCount ? nOld - nCount : nFrozen + 1;
    else
        nNew = std::min(nLimit, nOld + nCount);
    nNew = std::max(nNew, nFrozen + 1);
    if (nNew == nOld)
        return FALSE;
    if (CGXAbstractGridReserved30Imp* pImp = Reserved30Imp())
        pImp->OnGridAccess(this);
    if (bRows ? !MayChangeTopRow(nNew) : !MayChangeLeftCol(nNew))
        return FALSE;

    ToggleSelectionFrame(FALSE);
    const CRect rectGrid = GetGridRect();
    int nPixels = bRows ? SumRowHeights(std::min(nOld, nNew), std::max(nOld, nNew) - 1)
                        : SumColWidths(std::min(nOld, nNew), std::max(nOld, nNew) - 1);
    (bRows ? m_nTopRow : m_nLeftCol) = nNew;
    CRect rectArea(rectGrid);
    if (bRows)
        rectArea.top += SumRowHeights(0, nFrozen);
    else
        rectArea.left += SumColWidths(0, nFrozen);
    const int nExtent = bRows ? rectArea.Height() : rectArea.Width();
    if ((flags & (GX_INVALIDATE | GX_UPDATENOW | GX_SMART)) && m_pWindow != nullptr &&
        m_pWindow->GetSafeHwnd() != nullptr) {
        if (nPixels < nExtent) {
            const int nSign = nNew > nOld ? -1 : 1;
            ScrollGridWindow(bRows ? 0 : nSign * nPixels, bRows ? nSign * nPixels : 0, &rectArea,
                             &rectArea);
        } else {
            m_pWindow->InvalidateRect(&rectArea);
        }
    }
    SetScrollUnitPos(bRows ? SB_VERT : SB_HORZ, nNew);
    ToggleSelectionFrame(TRUE);
    if (bRows)
        OnTopRowMoved(nOld);
    else
        OnLeftColMoved(nOld);
    return TRUE;
}

void CGXGridCore::ScrollWithHint(int nDirection, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    ScrollByCells(nDirection, nCount, flags);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendScrollHint(this, nDirection, nCount, flags);
}

BOOL CGXGridCore::BringCellIntoView(ROWCOL nRow, ROWCOL nCol, UINT flags, BOOL)
{
    const CRect rectGrid = GetGridRect();
    BOOL bMoved = FALSE;
    const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
    if (nRow > nFrozenRows && nRow <= GetRowCount()) {
        if (nRow < m_nTopRow) {
            SetFirstScrollRow(nRow, flags, TRUE);
            bMoved = TRUE;
        } else {
            int h = SumRowHeights(0, nFrozenRows) + GetRowPixelHeight(nRow);
            ROWCOL nTop = nRow;
            while (nTop > nFrozenRows + 1 && h + GetRowPixelHeight(nTop - 1) <= rectGrid.Height())
                h += GetRowPixelHeight(--nTop);
            if (nTop > m_nTopRow) {
                SetFirstScrollRow(nTop, flags, TRUE);
                bMoved = TRUE;
            }
        }
    }
    if (nCol > nFrozenCols && nCol <= GetColCount()) {
        if (nCol < m_nLeftCol) {
            SetFirstScrollCol(nCol, flags, TRUE);
            bMoved = TRUE;
        } else {
            int w = SumColWidths(0, nFrozenCols) + GetColPixelWidth(nCol);
            ROWCOL nLeft = nCol;
            while (nLeft > nFrozenCols + 1 && w + GetColPixelWidth(nLeft - 1) <= rectGrid.Width())
                w += GetColPixelWidth(--nLeft);
            if (nLeft > m_nLeftCol) {
                SetFirstScrollCol(nLeft, flags, TRUE);
                bMoved = TRUE;
            }
        }
    }
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
    m_bAutoScrollStop = FALSE;
    if (bCapture)
        m_pWindow->SetCapture();
    if (m_pWindow->SetTimer(992, 10) == 0) {
        m_bAutoScroll = FALSE;
        return;
    }
    m_pWindow->PostMessage(WM_TIMER, 992);
}
