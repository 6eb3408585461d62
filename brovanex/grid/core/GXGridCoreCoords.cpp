// CGXGridCore: the three coordinate systems (grid rows and columns, client indexes that
// count frozen rows and columns first, window pixels) and the hit test.
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"

CRect CGXGridCore::GetGridRect()
{
    CRect rect(0, 0, 0, 0);
    if (m_bPrinting && !m_rectPrint.IsRectEmpty())
        rect = m_rectPrint;
    else if (m_bExplicitRect)
        rect = m_rectExplicit;
    else if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->GetClientRect(&rect);
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

void CGXGridCore::SetGridRect(BOOL bSet, LPCRECT pRect)
{
    m_bExplicitRect = bSet && pRect != nullptr;
    if (m_bExplicitRect)
        m_rectExplicit = *pRect;
    ResetVisibleCache();
}

ROWCOL CGXGridCore::RowToClientIndex(ROWCOL nRow)
{
    const ROWCOL nFrozen = GetFrozenRowCount(), nTop = GetTopRow();
    if (nRow == GX_INVALID || nRow <= nFrozen)
        return nRow;
    if (nRow < nTop)
        return 0;
    if (nTop == nFrozen || nTop == nFrozen + 1)
        return nRow;
    return nFrozen + nRow - nTop + 1;
}

ROWCOL CGXGridCore::ColToClientIndex(ROWCOL nCol)
{
    const ROWCOL nFrozen = GetFrozenColCount(), nLeft = GetLeftCol();
    if (nCol == GX_INVALID || nCol <= nFrozen)
        return nCol;
    if (nCol < nLeft)
        return 0;
    if (nLeft == nFrozen || nLeft == nFrozen + 1)
        return nCol;
    return nFrozen + nCol - nLeft + 1;
}

ROWCOL CGXGridCore::ClientIndexToRow(ROWCOL nIndex)
{
    const ROWCOL nFrozen = GetFrozenRowCount(), nTop = GetTopRow();
    if (nIndex == GX_INVALID || nIndex <= nFrozen || nTop == nFrozen || nTop == nFrozen + 1)
        return nIndex;
    return nTop - nFrozen + nIndex - 1;
}

ROWCOL CGXGridCore::ClientIndexToCol(ROWCOL nIndex)
{
    const ROWCOL nFrozen = GetFrozenColCount(), nLeft = GetLeftCol();
    if (nIndex == GX_INVALID || nIndex <= nFrozen || nLeft == nFrozen || nLeft == nFrozen + 1)
        return nIndex;
    return nLeft - nFrozen + nIndex - 1;
}

BOOL CGXGridCore::RowIsFrozen(ROWCOL nRow) { return nRow != 0 && nRow <= GetFrozenRowCount(); }
BOOL CGXGridCore::ColIsFrozen(ROWCOL nCol) { return nCol != 0 && nCol <= GetFrozenColCount(); }

int CGXGridCore::SumRowHeights(ROWCOL nFrom, ROWCOL nTo, int nLimit)
{
    int nSum = 0;
    for (ROWCOL r = nFrom; r <= nTo; ++r) {
        nSum += GetRowPixelHeight(r);
        if ((nLimit > 0 && nSum > nLimit) || r == GX_MAXROWCOL)
            break;
    }
    return nSum;
}

int CGXGridCore::SumColWidths(ROWCOL nFrom, ROWCOL nTo, int nLimit)
{
    int nSum = 0;
    for (ROWCOL c = nFrom; c <= nTo; ++c) {
        nSum += GetColPixelWidth(c);
        if ((nLimit > 0 && nSum > nLimit) || c == GX_MAXROWCOL)
            break;
    }
    return nSum;
}

int CGXGridCore::SumClientRowHeights(ROWCOL nFrom, ROWCOL nTo, int nLimit)
{
    const ROWCOL nRows = GetRowCount();
    int nSum = 0;
    for (ROWCOL i = nFrom; i <= nTo; ++i) {
        ROWCOL nRow = ClientIndexToRow(i);
        if (nRow > nRows)
            break;
        nSum += GetRowPixelHeight(nRow);
        if ((nLimit > 0 && nSum > nLimit) || i == GX_MAXROWCOL)
            break;
    }
    return nSum;
}

int CGXGridCore::SumClientColWidths(ROWCOL nFrom, ROWCOL nTo, int nLimit)
{
    const ROWCOL nCols = GetColCount();
    int nSum = 0;
    for (ROWCOL i = nFrom; i <= nTo; ++i) {
        ROWCOL nCol = ClientIndexToCol(i);
        if (nCol > nCols)
            break;
        nSum += GetColPixelWidth(nCol);
        if ((nLimit > 0 && nSum > nLimit) || i == GX_MAXROWCOL)
            break;
    }
    return nSum;
}

CRect CGXGridCore::GetRangeWindowRect(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                      BOOL bNoLimit)
{
    if (nBottom < nTop)
        std::swap(nTop, nBottom);
    if (nRight < nLeft)
        std::swap(nLeft, nRight);
    const CRect rectGrid = GetGridRect();
    const int nLimitX = rectGrid.right * 2, nLimitY = rectGrid.bottom * 2;
    const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
    const ROWCOL nTopRow = GetTopRow(), nLeftCol = GetLeftCol();
    if ((nRight < nLeftCol && nLeft > nFrozenCols) || (nBottom < nTopRow && nTop > nFrozenRows))
        return CRect(0, 0, 0, 0);

    ROWCOL nClientLeft = ColToClientIndex(nLeft), nClientTop = RowToClientIndex(nTop);
    if (nClientLeft == 0 && nLeft != 0)
        nClientLeft = ColToClientIndex(nLeftCol);
    if (nClientTop == 0 && nTop != 0)
        nClientTop = RowToClientIndex(nTopRow);
    if (!m_bPrinting) {
        if (m_nLastVisibleCol != GX_INVALID && ColToClientIndex(m_nLastVisibleCol) < nClientLeft)
            return CRect(0, 0, 0, 0);
        if (m_nLastVisibleRow != GX_INVALID && RowToClientIndex(m_nLastVisibleRow) < nClientTop)
            return CRect(0, 0, 0, 0);
    }
    ROWCOL nClientRight = std::max(ColToClientIndex(nRight), nFrozenCols);
    ROWCOL nClientBottom = std::max(RowToClientIndex(nBottom), nFrozenRows);

    CRect rect;
    rect.left = rectGrid.left +
        (nClientLeft > 0 ? SumClientColWidths(0, nClientLeft - 1, bNoLimit ? 0 : nLimitX) : 0);
    rect.right = rect.left +
        (nClientRight >= nClientLeft
             ? SumClientColWidths(nClientLeft, nClientRight, bNoLimit ? 0 : nLimitX)
             : 0);
    rect.top = rectGrid.top +
        (nClientTop > 0 ? SumClientRowHeights(0, nClientTop - 1, bNoLimit ? 0 : nLimitY) : 0);
    rect.bottom = rect.top +
        (nClientBottom >= nClientTop
             ? SumClientRowHeights(nClientTop, nClientBottom, bNoLimit ? 0 : nLimitY)
             : 0);
    return rect;
}

CRect CGXGridCore::GetCellWindowRect(ROWCOL nRow, ROWCOL nCol, BOOL bNoLimit)
{
    return GetRangeWindowRect(nRow, nCol, nRow, nCol, bNoLimit);
}

CRect CGXGridCore::GetSpannedCellRect(ROWCOL nRow, ROWCOL nCol)
{
    CGXRange range;
    if (GetSpanningBlock(nRow, nCol, range) != nullptr)
        return GetRangeWindowRect(range.top, range.left, range.bottom, range.right);
    return GetCellWindowRect(nRow, nCol);
}

CRect CGXGridCore::GetSpannedRangeRect(const CGXRange& rangeIn)
{
    CGXRange range(rangeIn);
    GrowRangeByCovered(range);
    GrowRangeByMerge(range);
    GrowRangeByFloat(range);
    return GetRangeWindowRect(range.top, range.left, range.bottom, range.right);
}

ROWCOL CGXGridCore::ClientRowAtY(CPoint pt, int* pnTop)
{
    const CRect rectGrid = GetGridRect();
    const ROWCOL nRows = GetRowCount();
    int y = rectGrid.top, nTop = rectGrid.top;
    ROWCOL nIndex = 0;
    BOOL bWalked = FALSE;
    for (ROWCOL i = 0;; ++i) {
        ROWCOL nRow = ClientIndexToRow(i);
        if (nRow > nRows)
            break;
        int nNext = y + GetRowPixelHeight(nRow);
        if (nNext > pt.y) {
            if (pnTop != nullptr)
                *pnTop = y;
            return i;
        }
        nTop = y;
        nIndex = i;
        bWalked = TRUE;
        y = nNext;
        if (y > rectGrid.bottom * 2 + 1)
            break;
    }
    if (pnTop != nullptr)
        *pnTop = bWalked ? nTop : rectGrid.top;
    (void)nIndex;
    return GX_INVALID;
}

ROWCOL CGXGridCore::ClientColAtX(CPoint pt, int* pnLeft)
{
    const CRect rectGrid = GetGridRect();
    const ROWCOL nCols = GetColCount();
    int x = rectGrid.left;
    for (ROWCOL i = 0;; ++i) {
        ROWCOL nCol = ClientIndexToCol(i);
        if (nCol > nCols)
            break;
        int nNext = x + GetColPixelWidth(nCol);
        if (nNext > pt.x) {
            if (pnLeft != nullptr)
                *pnLeft = x;
            return i;
        }
        x = nNext;
        if (x > rectGrid.right * 2 + 1)
            break;
    }
    if (pnLeft != nullptr)
        *pnLeft = x;
    return GX_INVALID;
}

ROWCOL CGXGridCore::RowAtRectBottom(const CRect& rect, BOOL* pbPastEnd)
{
    ROWCOL nIndex = ClientRowAtY(CPoint(rect.right, rect.bottom));
    if (pbPastEnd != nullptr)
        *pbPastEnd = nIndex == GX_INVALID;
    return nIndex == GX_INVALID ? GetRowCount() : ClientIndexToRow(nIndex);
}

ROWCOL CGXGridCore::ColAtRectRight(const CRect& rect, BOOL* pbPastEnd)
{
    ROWCOL nIndex = ClientColAtX(CPoint(rect.right, rect.bottom));
    if (pbPastEnd != nullptr)
        *pbPastEnd = nIndex == GX_INVALID;
    return nIndex == GX_INVALID ? GetColCount() : ClientIndexToCol(nIndex);
}

CRect CGXGridCore::GetRectBelowRow(ROWCOL nRow)
{
    CRect rect = GetGridRect();
    CRect rectRow = GetCellWindowRect(nRow, 0, TRUE);
    rect.top = std::min(rect.bottom, std::max(rect.top, rectRow.bottom));
    return rect;
}

CRect CGXGridCore::GetRectRightOfCol(ROWCOL nCol)
{
    CRect rect = GetGridRect();
    CRect rectCol = GetCellWindowRect(0, nCol, TRUE);
    rect.left = std::min(rect.right, std::max(rect.left, rectCol.right));
    return rect;
}

ROWCOL CGXGridCore::GetLastVisibleRow()
{
    if (m_nLastVisibleRow != GX_INVALID && !m_bPrinting)
        return m_nLastVisibleRow;
    CRect rect = GetGridRect();
    ROWCOL nRow = RowAtRectBottom(CRect(rect.left, rect.top, rect.right, rect.bottom - 1));
    if (!m_bPrinting)
        m_nLastVisibleRow = nRow;
    return nRow;
}

ROWCOL CGXGridCore::GetLastVisibleCol()
{
    if (m_nLastVisibleCol != GX_INVALID && !m_bPrinting)
        return m_nLastVisibleCol;
    CRect rect = GetGridRect();
    ROWCOL nCol = ColAtRectRight(CRect(rect.left, rect.top, rect.right - 1, rect.bottom));
    if (!m_bPrinting)
        m_nLastVisibleCol = nCol;
    return nCol;
}

CRect CGXGridCore::CalcClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol)
{
    const CRect rectGrid = GetGridRect();
    CRect rect;
    rect.left = rectGrid.left + (nClientCol > 0 ? SumClientColWidths(0, nClientCol - 1) : 0);
    rect.top = rectGrid.top + (nClientRow > 0 ? SumClientRowHeights(0, nClientRow - 1) : 0);
    rect.right = rect.left + GetColPixelWidth(ClientIndexToCol(nClientCol));
    rect.bottom = rect.top + GetRowPixelHeight(ClientIndexToRow(nClientRow));
    return rect;
}

int CGXGridCore::HitTestPoint(CPoint point, ROWCOL* pnRow, ROWCOL* pnCol, CRect* pRectHit)
{
    const int M = m_nHitMargin;
    point.x = std::max<LONG>(0, point.x);
    point.y = std::max<LONG>(0, point.y);
    const CRect rectGrid = GetGridRect();
    int nTop = 0, nLeft = 0;
    const ROWCOL nClientRow = ClientRowAtY(point, &nTop);
    const ROWCOL nClientCol = ClientColAtX(point, &nLeft);
    ROWCOL nRow = nClientRow == GX_INVALID ? (point.y <= M / 2 + 1 ? GX_INVALID : GetRowCount() + 1)
                                           : ClientIndexToRow(nClientRow);
    ROWCOL nCol = nClientCol == GX_INVALID ? (point.x <= M / 2 + 1 ? GX_INVALID : GetColCount() + 1)
                                           : ClientIndexToCol(nClientCol);
    if (pnRow != nullptr)
        *pnRow = nRow;
    if (pnCol != nullptr)
        *pnCol = nCol;
    if (!rectGrid.PtInRect(point) || nClientRow == GX_INVALID || nClientCol == GX_INVALID)
        return gxHitNothing;

    CRect rect(nLeft, nTop, nLeft + GetColPixelWidth(nCol), nTop + GetRowPixelHeight(nRow));
    if (pRectHit != nullptr)
        *pRectHit = rect;
    const ROWCOL nHeaderRows = GetHeaderRowCount(), nHeaderCols = GetHeaderColCount();
    const WORD wColMask = m_pGridParam != nullptr ? m_pGridParam->m_wColResizeFlags : 0;
    const WORD wRowMask = m_pGridParam != nullptr ? m_pGridParam->m_wRowResizeFlags : 0;

    if ((wColMask & 0x03) && (nRow <= nHeaderRows || (wColMask & 0x04))) {
        if (point.x >= rect.right - M / 2 && (nCol > nHeaderCols || !(wColMask & 0x08)))
            return gxHitColEdge;
        if (nCol != 0 && point.x < rect.left + M / 2 &&
            (nCol > nHeaderCols + 1 || !(wColMask & 0x08))) {
            if (point.x < rect.left + M / 4 || GetColPixelWidth(nCol - 1) > 0) {
                ROWCOL c = nCol - 1;
                while (c > 0 && GetColPixelWidth(c) == 0)
                    --c;
                if (pnCol != nullptr)
                    *pnCol = c;
                return gxHitColEdge;
            }
            if (pnCol != nullptr)
                *pnCol = nCol - 1;
            return gxHitHiddenColEdge;
        }
    }
    if ((wRowMask & 0x03) && (nCol <= nHeaderCols || (wRowMask & 0x04))) {
        if (point.y >= rect.bottom - M / 2 && (nRow > nHeaderRows || !(wRowMask & 0x08)))
            return gxHitRowEdge;
        if (nRow != 0 && point.y < rect.top + M / 2 &&
            (nRow > nHeaderRows + 1 || !(wRowMask & 0x08))) {
            if (point.y < rect.top + M / 4 || GetRowPixelHeight(nRow - 1) > 0) {
                ROWCOL r = nRow - 1;
                while (r > 0 && GetRowPixelHeight(r) == 0)
                    --r;
                if (pnRow != nullptr)
                    *pnRow = r;
                return gxHitRowEdge;
            }
            if (pnRow != nullptr)
                *pnRow = nRow - 1;
            return gxHitHiddenRowEdge;
        }
    }
    int nFrame = HitTestFrame(nRow, nCol, point, rect);
    if (nFrame != 0)
        return nFrame;
    // A covered range answers as its top-left cell, over its whole rectangle.
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        if (pnRow != nullptr)
            *pnRow = covered.top;
        if (pnCol != nullptr)
            *pnCol = covered.left;
        if (pRectHit != nullptr)
            *pRectHit = GetSpannedCellRect(nRow, nCol);
    } else if (GetMergeBlock(nRow, nCol, covered, -1) != nullptr) {
        // So does a merged block: its cells show the first one's content.
        if (pnRow != nullptr)
            *pnRow = covered.top;
        if (pnCol != nullptr)
            *pnCol = covered.left;
        if (pRectHit != nullptr)
            *pRectHit =
                GetRangeWindowRect(covered.top, covered.left, covered.bottom, covered.right);
    }
    return nRow > nHeaderRows && nCol > nHeaderCols ? gxHitCell : gxHitHeader;
}

int CGXGridCore::HitTestFrame(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rect)
{
    if (m_pGridParam == nullptr || (!m_bDrawSelectionFrame && !m_pGridParam->m_bEnableFill))
        return 0;
    const CGXRange* pRange = nullptr;
    CGXRange current;
    POSITION pos = m_pGridParam->m_selRects.FindAreaWithCell(nRow, nCol);
    if (pos != nullptr)
        pRange = m_pGridParam->m_selRects.GetRangeAt(pos);
    else if (!m_pGridParam->m_bSelectionFrame && IsCurrentCell(nRow, nCol)) {
        if (GetCoveredBlock(nRow, nCol, current) == nullptr)
            current.SetCells(nRow, nCol);
        pRange = &current;
    }
    if (pRange == nullptr)
        return 0;
    BOOL bEdge = FALSE;
    if (pRange->IsTable()) {
        bEdge = nRow == 0 && nCol == 0 && (point.x < rect.left + 4 || point.y < rect.top + 4);
    } else {
        if (!pRange->IsRows()) {
            bEdge |= nCol == pRange->left && point.x < rect.left + 4;
            bEdge |= nCol == pRange->right && point.x >= rect.right - 4;
        }
        if (!pRange->IsCols()) {
            bEdge |= nRow == pRange->top && point.y < rect.top + 4;
            bEdge |= nRow == pRange->bottom && point.y >= rect.bottom - 4;
        }
    }
    if (!bEdge)
        return 0;
    if (m_pGridParam->m_bEnableFill && point.x >= rect.right - 4 && point.y >= rect.bottom - 4)
        return gxHitFillHandle;
    return gxHitFrame;
}
