#include "features/GXGridExcelLikeFrameImp.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridHint.h"
#include "fw/dc.h"
#include "fw/view.h"

#include <algorithm>
#include <memory>

void GXImplementExcelLikeFrame(CGXGridCore* pGrid)
{
#ifdef GX_HAVE_FEATURE_UserSelectRange
    GXImplementUserSelectRange(pGrid);
#endif
    GXInstallGridFeature<CGXGridExcelLikeFrameImp>(pGrid, gxSlotExcelLikeFrame);
}

void CGXGridExcelLikeFrameImp::FramePieces(CRect rc, BOOL bTop, BOOL bLeft, int nHandle,
                                           BOOL bHandleOnly, BOOL bInsideBorders,
                                           std::vector<CRect>& pieces)
{
    // Inside the cell borders the frame moves up and left by one pixel; its right and
    // bottom edges stay where they were.
    int nOut = 0;
    if (bInsideBorders) {
        rc.OffsetRect(-1, -1);
        nOut = 1;
    }
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    if (!bHandleOnly) {
        pieces.emplace_back(r + nOut, t, r + nOut + 2, b + nOut + 2); // right edge
        pieces.emplace_back(l, b + nOut, r + nOut, b + nOut + 2); // bottom edge
        pieces.emplace_back(l + 2, b - 2, r - 2, b - 1); // inner bottom line
        pieces.emplace_back(r - 2, bTop ? t + 1 : t + 2, r - 1, b - 1); // inner right line
        if (bTop) {
            pieces.emplace_back(l - 1, t - 1, r + 2, t);
            pieces.emplace_back(l + 1, t, r - 2, t + 1);
        }
        if (bLeft) {
            pieces.emplace_back(l - 1, t, l, b + 2);
            pieces.emplace_back(l, t + 1, l + 1, b - 2);
        }
    }
    switch (nHandle) {
    case 0: // bottom-right
        pieces.emplace_back(r - 1, b - 2, r + 2, b + 3);
        pieces.emplace_back(r - 2, b - 1, r + 3, b + 2);
        pieces.emplace_back(r + 2, b + 2, r + 3, b + 3);
        break;
    case 2: // bottom-left
        pieces.emplace_back(l + 2, b - 1, l + 7, b + 2);
        pieces.emplace_back(l + 3, b - 3, l + 7, b - 2);
        pieces.emplace_back(l + 1, b - 2, l + 6, b + 3);
        pieces.emplace_back(l + 1, b + 2, l + 2, b + 3);
        break;
    case 7: // top-right
        pieces.emplace_back(r - 1, t + 2, r + 2, t + 7);
        pieces.emplace_back(r - 3, t + 3, r - 2, t + 7);
        pieces.emplace_back(r - 2, t + 1, r + 3, t + 6);
        pieces.emplace_back(r + 2, t + 1, r + 3, t + 2);
        break;
    default:
        break;
    }
}

int CGXGridExcelLikeFrameImp::HandleFor(const CGXRange& range)
{
    return range.IsCols() ? 7 : range.IsRows() ? 2 : 0;
}

BOOL CGXGridExcelLikeFrameImp::FrameRange(CGXGridCore* pGrid, const CGXRange* pRange,
                                          CGXRange& range, int& nHandle)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    if (pRange != nullptr) {
        range = *pRange;
    } else if (!pParam->m_selRects.IsEmpty()) {
        range = *static_cast<CGXRange*>(pParam->m_selRects.GetTail());
    } else if (pGrid->GetCurrentCell(nRow, nCol)) {
        if (pGrid->GetCoveredBlock(nRow, nCol, range) == nullptr)
            range.SetCells(nRow, nCol);
    } else {
        return FALSE;
    }
    nHandle = HandleFor(range);
    const ROWCOL nFirstRow = pGrid->GetHeaderRowCount() + 1;
    const ROWCOL nFirstCol = pGrid->GetHeaderColCount() + 1;
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (!range.IsCells())
        range.WidenToCells(nFirstRow, nFirstCol, nRows, nCols);
    range.top = std::max(std::min(range.top, range.bottom), nFirstRow);
    range.bottom = std::min(std::max(range.top, range.bottom), nRows);
    range.left = std::max(std::min(range.left, range.right), nFirstCol);
    range.right = std::min(std::max(range.left, range.right), nCols);
    return range.top <= range.bottom && range.left <= range.right;
}

namespace {
// One band of rows (columns) that scrolls as one: its first and last row and its extent.
struct Band
{
    ROWCOL nFirst, nLast;
    int nFrom, nTo;
};

void Bands(CGXGridCore* pGrid, BOOL bRows, std::vector<Band>& bands)
{
    const CRect rcGrid = pGrid->GetGridRect();
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRowCount() : pGrid->GetHeaderColCount();
    const ROWCOL nFrozen = bRows ? pGrid->GetFrozenRowCount() : pGrid->GetFrozenColCount();
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    const ROWCOL nFirstScroll = bRows ? pGrid->GetTopRow() : pGrid->GetLeftCol();
    const int nStart = bRows ? rcGrid.top : rcGrid.left;
    const int nEnd = bRows ? rcGrid.bottom : rcGrid.right;
    const int nFrozenEnd = nStart +
        (bRows ? pGrid->SumRowHeights(0, nFrozen, rcGrid.Height())
               : pGrid->SumColWidths(0, nFrozen, rcGrid.Width()));
    if (nFrozen > nHeaders)
        bands.push_back(Band {nHeaders + 1, nFrozen, nStart, std::min(nFrozenEnd, nEnd)});
    bands.push_back(Band {std::max(nFirstScroll, nFrozen + 1), nCount, nFrozenEnd, nEnd});
}
} // namespace

void CGXGridExcelLikeFrameImp::CollectPieces(CGXGridCore* pGrid, std::vector<CRect>& pieces)
{
    const CGXRange& range = pGrid->m_rgSelFrame;
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bInside = pParam != nullptr && pParam->m_bFrameInsideBorders;
    CRect rcClient;
    pGrid->GetGridWnd()->GetClientRect(&rcClient);
    std::vector<Band> rows, cols;
    Bands(pGrid, TRUE, rows);
    Bands(pGrid, FALSE, cols);
    for (const Band& rb : rows) {
        const ROWCOL r0 = std::max(range.top, rb.nFirst), r1 = std::min(range.bottom, rb.nLast);
        if (r0 > r1 || rb.nFrom >= rb.nTo)
            continue;
        for (const Band& cb : cols) {
            const ROWCOL c0 = std::max(range.left, cb.nFirst);
            const ROWCOL c1 = std::min(range.right, cb.nLast);
            if (c0 > c1 || cb.nFrom >= cb.nTo)
                continue;
            const CRect rc = pGrid->GetRangeWindowRect(r0, c0, r1, c1);
            if (rc.IsRectEmpty())
                continue;
            // The block starts (ends) in this pane when it does not go on above (below) it.
            const BOOL bTop = range.top >= rb.nFirst, bLeft = range.left >= cb.nFirst;
            const BOOL bBottom = range.bottom <= rb.nLast, bRight = range.right <= cb.nLast;
            int nHandle = -1;
            if (pGrid->m_nSelFrameHandle == 0 && bBottom && bRight)
                nHandle = 0;
            else if (pGrid->m_nSelFrameHandle == 2 && bBottom && bLeft)
                nHandle = 2;
            else if (pGrid->m_nSelFrameHandle == 7 && bTop && bRight)
                nHandle = 7;
            CRect rcClip(cb.nFrom - (bLeft ? 2 : 0), rb.nFrom - (bTop ? 2 : 0),
                         cb.nTo + (bRight ? 4 : 0), rb.nTo + (bBottom ? 4 : 0));
            rcClip.IntersectRect(&rcClip, &rcClient);
            std::vector<CRect> pane;
            FramePieces(rc, bTop, bLeft, nHandle, FALSE, bInside, pane);
            for (CRect& piece : pane)
                if (piece.IntersectRect(&piece, &rcClip))
                    pieces.push_back(piece);
        }
    }
}

BOOL CGXGridExcelLikeFrameImp::CanDraw(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    CGXGridParam* pParam = pGrid->GetParam();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && pWnd->IsWindowVisible() &&
        pParam != nullptr && !pParam->m_bLockUpdate && !pGrid->IsPrinting() &&
        pGrid->IsInitialized();
}

void CGXGridExcelLikeFrameImp::Paint(CGXGridCore* pGrid, CDC* pDC)
{
    std::vector<CRect> pieces;
    CollectPieces(pGrid, pieces);
    std::unique_ptr<CClientDC> pClient;
    if (pDC == nullptr) {
        pClient.reset(new CClientDC(pGrid->GetGridWnd()));
        pDC = pClient.get();
    }
    for (const CRect& piece : pieces)
        GXInvertRect(pDC, &piece, nullptr);
    pGrid->m_selFrameRects.swap(pieces);
    pGrid->m_bSelFrameVisible = TRUE;
}

void CGXGridExcelLikeFrameImp::Erase(CGXGridCore* pGrid, CDC* pDC)
{
    if (!pGrid->m_bSelFrameVisible)
        return;
    pGrid->m_bSelFrameVisible = FALSE;
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        std::unique_ptr<CClientDC> pClient;
        if (pDC == nullptr) {
            pClient.reset(new CClientDC(pWnd));
            pDC = pClient.get();
        }
        for (const CRect& piece : pGrid->m_selFrameRects)
            GXInvertRect(pDC, &piece, nullptr);
    }
    pGrid->m_selFrameRects.clear();
}

void CGXGridExcelLikeFrameImp::DrawSelectionFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bDrawOld,
                                                  const CGXRange* pRange)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bSelectionFrame)
        return;
    if (bDrawOld)
        Erase(pGrid, pDC);
    if (pRange != nullptr) {
        CGXRange range;
        int nHandle = 0;
        if (!FrameRange(pGrid, pRange, range, nHandle))
            return;
        pGrid->m_rgSelFrame = range;
        pGrid->m_nSelFrameHandle = nHandle;
    }
    if (CanDraw(pGrid) && pGrid->m_rgSelFrame.IsValid())
        Paint(pGrid, pDC);
}

void CGXGridExcelLikeFrameImp::UpdateSelectionFrame(CGXGridCore* pGrid, BOOL bDraw,
                                                    const CGXRange* pRange)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    if (!pParam->m_bSelectionFrame) {
        Erase(pGrid, nullptr); // switched off while it showed
        return;
    }
    if (pGrid->m_bSelFrameLocked)
        return;
    Erase(pGrid, nullptr);
    if (!bDraw)
        return;
    CGXRange range;
    int nHandle = 0;
    if (!FrameRange(pGrid, pRange, range, nHandle))
        return;
    pGrid->m_rgSelFrame = range;
    pGrid->m_nSelFrameHandle = nHandle;
    if (CanDraw(pGrid))
        Paint(pGrid, nullptr);
}

BOOL CGXGridExcelLikeFrameImp::LockSelectionFrame(CGXGridCore* pGrid, BOOL bLock, BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bOld = pGrid->m_bSelFrameLocked;
    if (pParam == nullptr || !pParam->m_bSelectionFrame)
        return bOld;
    if (bOld != bLock) {
        pGrid->m_bSelFrameLocked = FALSE; // lifted for the moment
        if (bLock)
            Erase(pGrid, nullptr);
        else
            UpdateSelectionFrame(pGrid, TRUE, nullptr);
    }
    pGrid->m_bSelFrameLocked = bLock;
    if (bCreateHint && pGrid->m_bDocumentLinked && pGrid->UpdateHintImp() != nullptr) {
        CGXGridHint hint(gxHintLockSelectionFrame, pGrid->m_nHintId);
        hint.m_flags = bLock;
        CWnd* pWnd = pGrid->GetGridWnd();
        CView* pSender = pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))
            ? static_cast<CView*>(pWnd)
            : nullptr;
        pGrid->NotifyAllViews(pSender, 0, &hint);
    }
    return bOld;
}
