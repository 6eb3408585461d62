// CGXGridUserResizeCellsImp: dragging row and column edges.
#include "features/GXGridUserResizeCellsImp.h"
#include "controls/GXControl.h"
#include "core/GXDragLineWnd.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "fw/dc.h"
#include <algorithm>
#include <cstdlib>

void GXImplementUserResizeCells(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridUserResizeCellsImp>(pGrid, gxSlotUserResizeCells);
}

namespace {
// Tracking flags of the parameter object.
enum : WORD {
    gxTrackDefault = 1, // a data row or column sets the default size
    gxTrackSingle = 2, // the dragged row or column
    gxTrackNoHeaders = 8,
    gxTrackNoMark = 16,
    gxTrackNoDragLine = 32,
    gxTrackNoInvert = 64,
    gxTrackPreview = 128,
    gxTrackLive = 256
};

WORD TrackFlags(CGXGridCore* pGrid, BOOL bCols)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return 0;
    return bCols ? pParam->m_wColResizeFlags : pParam->m_wRowResizeFlags;
}

ROWCOL Count(CGXGridCore* pGrid, BOOL bCols)
{
    return bCols ? pGrid->GetColCount() : pGrid->GetRowCount();
}

BOOL IsHidden(CGXGridCore* pGrid, BOOL bCols, ROWCOL n)
{
    return bCols ? pGrid->QueryColHidden(n) : pGrid->QueryRowHidden(n);
}

BOOL MayResize(CGXGridCore* pGrid, BOOL bCols, ROWCOL n)
{
    return bCols ? pGrid->MayResizeCol(n) : pGrid->MayResizeRow(n);
}

BOOL SetSize(CGXGridCore* pGrid, BOOL bCols, ROWCOL nFrom, ROWCOL nTo, int nSize, UINT nFlags)
{
    return bCols ? pGrid->SetColWidth(nFrom, nTo, nSize, nullptr, nFlags)
                 : pGrid->SetRowHeight(nFrom, nTo, nSize, nullptr, nFlags);
}

BOOL Hide(CGXGridCore* pGrid, BOOL bCols, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, UINT nFlags)
{
    return bCols ? pGrid->HideCols(nFrom, nTo, bHide, nullptr, nFlags)
                 : pGrid->HideRows(nFrom, nTo, bHide, nullptr, nFlags);
}

// The runs of selected whole columns (rows), when the header cell of n is selected.
BOOL SelectedRuns(CGXGridCore* pGrid, BOOL bCols, ROWCOL n, CDWordArray& awFrom, CDWordArray& awTo)
{
    const CGXRangeList& sel = pGrid->GetParam()->m_selRects;
    if (!(bCols ? sel.IsCellInList(0, n) : sel.IsCellInList(n, 0)))
        return FALSE;
    if (bCols)
        sel.GetColArray(pGrid->GetColCount(), awFrom, awTo, TRUE);
    else
        sel.GetRowArray(pGrid->GetRowCount(), awFrom, awTo, TRUE);
    return TRUE;
}

BOOL FirstRangeIsTable(CGXGridCore* pGrid)
{
    const CGXRangeList& sel = pGrid->GetParam()->m_selRects;
    return !sel.IsEmpty() && sel.GetRangeAt(sel.GetHeadPosition())->IsTable();
}
} // namespace

int CGXGridUserResizeCellsImp::SizeAt(CPoint point) const
{
    return Cols() ? point.x - m_rectFixed.left : point.y - m_rectFixed.top;
}

void CGXGridUserResizeCellsImp::InvertLine(CGXGridCore* pGrid, const CRect& rect)
{
    if (!m_bInvertLine || rect == m_rectStart || rect.IsRectEmpty())
        return;
    CClientDC dc(pGrid->GetGridWnd());
    dc.InvertRect(&rect);
}

void CGXGridUserResizeCellsImp::DestroyDragLine()
{
    if (m_pDragLine == nullptr)
        return;
    if (m_pDragLine->GetSafeHwnd() != nullptr && ::IsWindow(m_pDragLine->GetSafeHwnd()))
        m_pDragLine->DestroyWindow();
    delete m_pDragLine;
    m_pDragLine = nullptr;
}

void CGXGridUserResizeCellsImp::StoreSize(CGXGridCore* pGrid, int nSize, BOOL bHidden)
{
    const ROWCOL n = Index();
    if (Cols()) {
        pGrid->WriteColHidden(n, bHidden);
        pGrid->WriteColWidth(n, nSize);
    } else {
        pGrid->WriteRowHidden(n, bHidden);
        pGrid->WriteRowHeight(n, nSize);
    }
    pGrid->ResetVisibleCache();
}

void CGXGridUserResizeCellsImp::RestoreStart(CGXGridCore* pGrid)
{
    CGXMapDWordToLong& map =
        Cols() ? pGrid->GetParam()->m_colWidths : pGrid->GetParam()->m_rowHeights;
    StoreSize(pGrid, -1, m_bStartHidden);
    if (m_bHadEntry)
        map.SetAt(Index(), m_nStartEntry);
}

void CGXGridUserResizeCellsImp::InvalidateHeadersToEdge(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    const CRect rectGrid = pGrid->GetGridRect();
    CRect rect = Cols() ? pGrid->GetRangeWindowRect(0, m_nCol, pGrid->GetHeaderRowCount(), m_nCol)
                        : pGrid->GetRangeWindowRect(m_nRow, 0, m_nRow, pGrid->GetHeaderColCount());
    if (rect.IsRectEmpty())
        rect = m_rectCell;
    if (Cols())
        rect.right = rectGrid.right;
    else
        rect.bottom = rectGrid.bottom;
    pWnd->InvalidateRect(&rect, TRUE);
}

BOOL CGXGridUserResizeCellsImp::ResizePress(CGXGridCore* pGrid, CPoint, UINT, int nHitState,
                                            ROWCOL nRow, ROWCOL nCol)
{
    int nMode = 0;
    if ((nHitState == gxHitColEdge || nHitState == gxHitHiddenColEdge) &&
        (TrackFlags(pGrid, TRUE) & (gxTrackDefault | gxTrackSingle)))
        nMode = 2;
    else if ((nHitState == gxHitRowEdge || nHitState == gxHitHiddenRowEdge) &&
             (TrackFlags(pGrid, FALSE) & (gxTrackDefault | gxTrackSingle)))
        nMode = 1;
    else
        return FALSE;
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pGrid->ApplyUserResize(nRow, nCol, nMode) && pWnd != nullptr &&
        ::GetCapture() != pWnd->GetSafeHwnd())
        pWnd->SetCapture();
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::ResizeHover(CGXGridCore* pGrid, CPoint point, UINT)
{
    if (!m_bTracking)
        return FALSE;
    pGrid->DrawResizeLine(m_nRow, m_nCol, m_nMode, SizeAt(point));
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::ResizeRelease(CGXGridCore* pGrid, CPoint point, UINT)
{
    if (!m_bTracking)
        return FALSE;
    pGrid->FinishUserResize(m_nRow, m_nCol, m_nMode, SizeAt(point));
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd != nullptr && ::GetCapture() == pWnd->GetSafeHwnd())
        ::ReleaseCapture();
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::ApplyUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                int nMode)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (m_bTracking || pParam == nullptr || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr ||
        (nMode != 1 && nMode != 2))
        return FALSE;
    const BOOL bCols = nMode == 2;
    const WORD wFlags = TrackFlags(pGrid, bCols);
    const ROWCOL n = bCols ? nCol : nRow;
    const ROWCOL nHeaders = bCols ? pGrid->GetHeaderColCount() : pGrid->GetHeaderRowCount();
    if ((n <= nHeaders && (wFlags & gxTrackNoHeaders)) || !MayResize(pGrid, bCols, n) ||
        !(bCols ? pGrid->MayStartColResize(n) : pGrid->MayStartRowResize(n)))
        return FALSE;
    m_nMode = nMode;
    m_nRow = bCols ? 0 : nRow;
    m_nCol = bCols ? nCol : 0;
    m_rectCell = pGrid->GetRangeWindowRect(m_nRow, m_nCol, m_nRow, m_nCol);
    if (pParam->m_bLineFlag)
        m_rectCell.OffsetRect(-1, -1);

    CGXProperties* pProp = pGrid->GetProperties();
    const BOOL bLines =
        pProp != nullptr && (bCols ? pProp->GetDisplayVertLines() : pProp->GetDisplayHorzLines());
    m_bLiveSize = (wFlags & gxTrackLive) != 0;
    m_bLivePreview = (wFlags & gxTrackPreview) && !m_bLiveSize;
    m_bDragLine = bLines && !(wFlags & gxTrackNoDragLine) && !m_bLiveSize;
    m_bInvertLine = !(wFlags & gxTrackNoInvert) && !m_bLiveSize;
    m_bMarkHeader = !(wFlags & gxTrackNoMark) && !m_bLiveSize;
    m_nStartSize = bCols ? pGrid->GetColWidth(n) : pGrid->GetRowHeight(n);
    m_bStartHidden = IsHidden(pGrid, bCols, n);
    CGXMapDWordToLong& map = bCols ? pParam->m_colWidths : pParam->m_rowHeights;
    m_bHadEntry = map.Lookup(n, m_nStartEntry);

    // The lines run across the grid, below the headers while they show the preview.
    const CRect rectGrid = pGrid->GetGridRect();
    if (bCols) {
        const ROWCOL nLast = std::min(pGrid->GetLastVisibleRow(), pGrid->GetRowCount());
        int nTop = rectGrid.top;
        if (m_bLivePreview)
            nTop += pGrid->SumRowHeights(0, pGrid->GetHeaderRowCount());
        const CRect rectLast = pGrid->GetRangeWindowRect(0, nCol, nLast, nCol);
        const int nBottom = rectLast.IsRectEmpty() ? rectGrid.bottom : rectLast.bottom;
        m_rectFixed.SetRect(m_rectCell.left, nTop, m_rectCell.left + 1, nBottom);
        m_rectStart.SetRect(m_rectCell.right, nTop, m_rectCell.right + 1, nBottom);
    } else {
        const ROWCOL nLast = std::min(pGrid->GetLastVisibleCol(), pGrid->GetColCount());
        int nLeft = rectGrid.left;
        if (m_bLivePreview)
            nLeft += pGrid->SumColWidths(0, pGrid->GetHeaderColCount());
        const CRect rectLast = pGrid->GetRangeWindowRect(nRow, 0, nRow, nLast);
        const int nRight = rectLast.IsRectEmpty() ? rectGrid.right : rectLast.right;
        m_rectFixed.SetRect(nLeft, m_rectCell.top, nRight, m_rectCell.top + 1);
        m_rectStart.SetRect(nLeft, m_rectCell.bottom, nRight, m_rectCell.bottom + 1);
    }
    if (m_bDragLine) {
        if (m_pDragLine == nullptr) {
            m_pDragLine = new CGXDragLineWnd(pGrid);
            if (!m_pDragLine->Create(pWnd))
                DestroyDragLine();
        }
        if (m_pDragLine != nullptr) {
            m_pDragLine->MoveWindow(&m_rectStart);
            m_pDragLine->ShowWindow(SW_SHOWNA);
            m_pDragLine->UpdateWindow();
        }
    }
    m_bMoved = FALSE;
    m_rectCurrent = m_rectStart;
    m_bTracking = TRUE;
    pGrid->SetUserResizing(TRUE);
    if (m_bMarkHeader)
        pWnd->InvalidateRect(&m_rectCell, TRUE);
    return TRUE;
}

void CGXGridUserResizeCellsImp::DrawResizeLine(CGXGridCore* pGrid, ROWCOL, ROWCOL, int, int nSize)
{
    if (!m_bTracking)
        return;
    m_bMoved = TRUE;
    const CGXGridParam* pParam = pGrid->GetParam();
    nSize = std::max<int>(nSize, Cols() ? pParam->m_nMinTrackWidth : pParam->m_nMinTrackHeight);
    if (!(Cols() ? pGrid->MayMoveColResize(m_nCol, nSize) : pGrid->MayMoveRowResize(m_nRow, nSize)))
        return;
    const CRect rectGrid = pGrid->GetGridRect();
    CRect rect = m_rectStart;
    if (Cols()) {
        // Never closer than 7 units to the grid's right edge, never left of the cell.
        const int x = m_rectFixed.left + nSize;
        rect.left = std::min<int>(rectGrid.right - 7, std::max<int>(x, m_rectCell.left));
        rect.right = std::min<int>(rectGrid.right - 6, std::max<int>(m_rectCell.left + 1, x + 1));
    } else {
        const int y = m_rectFixed.top + nSize;
        rect.top = std::min<int>(rectGrid.bottom - 7, std::max<int>(y, m_rectCell.top));
        rect.bottom = std::min<int>(rectGrid.bottom - 6, std::max<int>(m_rectCell.top + 1, y + 1));
    }
    if (rect == m_rectCurrent)
        return;
    InvertLine(pGrid, m_rectCurrent);
    m_rectCurrent = rect;
    InvertLine(pGrid, m_rectCurrent);

    const int nDelta =
        Cols() ? m_rectCurrent.left - m_rectStart.left : m_rectCurrent.top - m_rectStart.top;
    if (m_bLiveSize) {
        const int nOldMode = pGrid->SetPaintMode(1);
        const int nNew = std::max(0, m_nStartSize + nDelta);
        StoreSize(pGrid, nNew, FALSE);
        const ROWCOL n = Index();
        if (Cols())
            pGrid->RefreshColWidths(n, n, nullptr, GX_UPDATENOW, FALSE);
        else
            pGrid->RefreshRowHeights(n, n, nullptr, GX_UPDATENOW, FALSE);
        pGrid->SetPaintMode(nOldMode);
    } else if (m_bLivePreview) {
        // Only the picture of the headers changes: the size is put back at once.
        const int nOldMode = pGrid->SetPaintMode(1);
        StoreSize(pGrid, std::max(0, m_nStartSize + nDelta), FALSE);
        InvalidateHeadersToEdge(pGrid);
        pGrid->GetGridWnd()->UpdateWindow();
        RestoreStart(pGrid);
        pGrid->SetPaintMode(nOldMode);
    }
}

void CGXGridUserResizeCellsImp::ApplySize(CGXGridCore* pGrid, int nSize, UINT nFlags)
{
    const BOOL bCols = Cols();
    const ROWCOL n = Index();
    const WORD wFlags = TrackFlags(pGrid, bCols);
    CDWordArray awFrom, awTo;
    if (n != 0 && (wFlags & gxTrackDefault)) {
        if (bCols)
            pGrid->SetDefaultColWidth(nSize, nFlags);
        else
            pGrid->SetDefaultRowHeight(nSize, nFlags);
    } else if (SelectedRuns(pGrid, bCols, n, awFrom, awTo)) {
        // Every selected column (row) takes the size.
        if (FirstRangeIsTable(pGrid)) {
            if (bCols)
                pGrid->SetDefaultColWidth(nSize, nFlags);
            else
                pGrid->SetDefaultRowHeight(nSize, nFlags);
            return;
        }
        CGXLongOperation longOp;
        for (INT_PTR i = awFrom.GetSize() - 1; i >= 0; --i) {
            const ROWCOL nFrom = std::max<ROWCOL>(awFrom[i], 1), nTo = awTo[i];
            if (nTo < nFrom)
                continue;
            if (nSize < 1)
                Hide(pGrid, bCols, nFrom, nTo, TRUE, nFlags);
            else
                SetSize(pGrid, bCols, nFrom, nTo, nSize, nFlags);
        }
    } else if (nSize < 1) {
        Hide(pGrid, bCols, n, n, TRUE, nFlags);
    } else {
        if (IsHidden(pGrid, bCols, n)) {
            // Shown first, from width 0, so that undo hides it again.
            if (bCols && pGrid->GetParam()->m_wWordFlag) {
                pGrid->WriteColWidth(n, 0);
                Hide(pGrid, bCols, n, n, FALSE, nFlags);
            } else {
                StoreSize(pGrid, 0, FALSE);
            }
        }
        SetSize(pGrid, bCols, n, n, nSize, nFlags);
    }
}

void CGXGridUserResizeCellsImp::FinishUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                 int nMode, int nSize)
{
    if (!m_bTracking)
        return;
    if (m_bMoved)
        pGrid->DrawResizeLine(nRow, nCol, nMode, nSize);
    DestroyDragLine();
    m_bTracking = FALSE;
    pGrid->SetUserResizing(FALSE);
    InvertLine(pGrid, m_rectCurrent);
    UINT nFlags = GX_UPDATENOW;
    if (m_bLiveSize) {
        RestoreStart(pGrid);
        nFlags = GX_INVALIDATE;
    } else if (m_bLivePreview) {
        InvalidateHeadersToEdge(pGrid);
    }
    const int nDelta =
        Cols() ? m_rectCurrent.left - m_rectStart.left : m_rectCurrent.top - m_rectStart.top;
    CWnd* pWnd = pGrid->GetGridWnd();
    const ROWCOL n = Index();
    const CGXGridParam* pParam = pGrid->GetParam();
    nSize = std::max<int>(nSize, Cols() ? pParam->m_nMinTrackWidth : pParam->m_nMinTrackHeight);
    const BOOL bMayEnd =
        Cols() ? pGrid->MayEndColResize(m_nCol, nSize) : pGrid->MayEndRowResize(m_nRow, nSize);
    if (bMayEnd && m_bMoved && std::abs(nDelta) > 1) {
        ApplySize(pGrid, m_nStartSize + nDelta, nFlags);
    } else {
        pWnd->InvalidateRect(&m_rectCell, TRUE);
        pGrid->InvalidateCellRange(Cols() ? CGXRange().SetCols(n) : CGXRange().SetRows(n));
    }
    pWnd->UpdateWindow();
    if (Cols())
        pGrid->BringCellIntoView(pGrid->GetTopRow(), n, GX_UPDATENOW);
    else
        pGrid->BringCellIntoView(n, pGrid->GetLeftCol(), GX_UPDATENOW);
    pGrid->RefreshScrollBars();
    if (::GetFocus() == pWnd->GetSafeHwnd() && pGrid->IsActiveCurrentCell())
        if (CGXControl* pControl = pGrid->GetCurrentCellControl())
            pControl->Refresh();
}

void CGXGridUserResizeCellsImp::CancelUserResize(CGXGridCore* pGrid)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    pGrid->SetUserResizing(FALSE);
    DestroyDragLine();
    InvertLine(pGrid, m_rectCurrent);
    CWnd* pWnd = pGrid->GetGridWnd();
    const ROWCOL n = Index();
    if (m_bLiveSize) {
        RestoreStart(pGrid);
        if (Cols())
            pGrid->RefreshColWidths(n, n, nullptr, GX_UPDATENOW, FALSE);
        else
            pGrid->RefreshRowHeights(n, n, nullptr, GX_UPDATENOW, FALSE);
    } else if (m_bLivePreview) {
        InvalidateHeadersToEdge(pGrid);
    } else if (m_bMarkHeader) {
        pWnd->InvalidateRect(&m_rectCell, TRUE);
    }
}

BOOL CGXGridUserResizeCellsImp::ResizeDblClk(CGXGridCore* pGrid, CPoint, UINT, int nHitState,
                                             ROWCOL nRow, ROWCOL nCol)
{
    BOOL bCols;
    if (nHitState == gxHitColEdge || nHitState == gxHitHiddenColEdge)
        bCols = TRUE;
    else if (nHitState == gxHitRowEdge || nHitState == gxHitHiddenRowEdge)
        bCols = FALSE;
    else
        return FALSE;
    const ROWCOL n = bCols ? nCol : nRow;
    const WORD wFlags = TrackFlags(pGrid, bCols);
    if (!(wFlags & (gxTrackDefault | gxTrackSingle)) || (n != 0 && (wFlags & gxTrackDefault)) ||
        !MayResize(pGrid, bCols, n) || pGrid->GetParam() == nullptr)
        return FALSE;
    const ROWCOL nCount = Count(pGrid, bCols);
    if (IsHidden(pGrid, bCols, n) ||
        (n < nCount && IsHidden(pGrid, bCols, n + 1) &&
         (bCols || MayResize(pGrid, FALSE, n + 1)))) {
        // The hidden run around the edge shows again.
        ROWCOL nFrom = n, nTo = n;
        while (nFrom > 1 && IsHidden(pGrid, bCols, nFrom - 1) && MayResize(pGrid, bCols, nFrom - 1))
            --nFrom;
        while (nTo < nCount && IsHidden(pGrid, bCols, nTo + 1))
            ++nTo;
        Hide(pGrid, bCols, nFrom, nTo, FALSE, GX_UPDATENOW);
        return TRUE;
    }
    CDWordArray awFrom, awTo;
    if (n == 0 || !SelectedRuns(pGrid, bCols, n, awFrom, awTo)) {
        SetSize(pGrid, bCols, n, n, -1, GX_UPDATENOW);
        return TRUE;
    }
    if (FirstRangeIsTable(pGrid))
        return TRUE;
    CGXLongOperation longOp;
    for (INT_PTR i = awFrom.GetSize() - 1; i >= 0; --i) {
        const ROWCOL nFrom = std::max<ROWCOL>(awFrom[i], 1), nTo = awTo[i];
        if (nTo < nFrom)
            continue;
        if (IsHidden(pGrid, bCols, nFrom))
            Hide(pGrid, bCols, nFrom, nTo, FALSE, GX_UPDATENOW);
        else
            SetSize(pGrid, bCols, nFrom, nTo, -1, GX_UPDATENOW);
    }
    return TRUE;
}
