// CGXGridUserDragSelectRangeImp: dragging selected rows and columns by their headers.
#include "features/GXGridUserDragSelectRangeImp.h"
#include "core/GXDragLineWnd.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMoveRowsColsImp.h"
#include "features/GXGridUserSelectRangeImp.h"
#include <algorithm>

void GXImplementUserDragSelectRange(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridUserDragSelectRangeImp>(pGrid, gxSlotUserDragSelectRange);
    GXImplementUserSelectRange(pGrid);
    GXImplementMoveRowsCols(pGrid);
}

namespace {
// Cursors while a drop is allowed and while it is not (the standard arrow when the resource
// chain holds neither).
const UINT kDropCursor = 20194;
const UINT kNoDropCursor = 20208;

enum : int { gxDragNone = 0, gxDragCols = 1, gxDragRows = 2 };
} // namespace

BOOL CGXGridUserDragSelectRangeImp::FindDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                  CGXRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CGXRangeList& sel = pParam->m_selRects;
    const BOOL bRows = nCol <= pGrid->GetHeaderColCount() && nRow > pGrid->GetHeaderRowCount();
    const BOOL bCols = nRow <= pGrid->GetHeaderRowCount() && nCol > pGrid->GetHeaderColCount();
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr;) {
        const CGXRange* pRange = sel.GetNextRange(pos);
        if ((bRows && pRange->IsRows() && nRow >= pRange->top && nRow <= pRange->bottom) ||
            (bCols && pRange->IsCols() && nCol >= pRange->left && nCol <= pRange->right)) {
            range = *pRange;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CGXGridUserDragSelectRangeImp::HitTestDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CGXRangeList& sel = pParam->m_selRects;
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr;)
        if (sel.GetNextRange(pos)->IsTable())
            return FALSE;
    const BOOL bRowHeader = nCol <= pGrid->GetHeaderColCount() && nRow > pGrid->GetHeaderRowCount();
    const BOOL bColHeader = nRow <= pGrid->GetHeaderRowCount() && nCol > pGrid->GetHeaderColCount();
    CGXRange range;
    if (bRowHeader)
        return pParam->RowMovesAllowed() && FindDragRange(pGrid, nRow, nCol, range);
    if (bColHeader)
        return pParam->ColMovesAllowed() && FindDragRange(pGrid, nRow, nCol, range);
    return FALSE;
}

BOOL CGXGridUserDragSelectRangeImp::DragPress(CGXGridCore* pGrid, CPoint, UINT, int, ROWCOL nRow,
                                              ROWCOL nCol)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    if (m_bDragging || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr ||
        !pGrid->HitTestDragRange(nRow, nCol))
        return FALSE;
    const BOOL bRows = nCol <= pGrid->GetHeaderColCount();
    m_bDragging = TRUE;
    if (!StartDrag(pGrid, bRows ? nRow : 0, bRows ? 0 : nCol)) {
        // Ctrl or Shift is down, or a derived grid refuses: the click selects instead.
        m_bDragging = FALSE;
        m_nMode = gxDragNone;
        pWnd->SendMessage(WM_CANCELMODE);
        return FALSE;
    }
    if (::GetCapture() != pWnd->GetSafeHwnd()) {
        // Held beyond the cells, the grid scrolls the way the block moves, unless the grabbed
        // row (column) is frozen and so cannot scroll.
        if (pGrid->GetFeature(gxSlotAutoScroll) != nullptr && pGrid->m_bAutoScrollOnDrag) {
            pGrid->m_nAutoScrollAxes = bRows ? (nRow > pGrid->GetFrozenRowCount() ? 1 : 0)
                                             : (nCol > pGrid->GetFrozenColCount() ? 2 : 0);
            if (pGrid->m_nAutoScrollAxes != 0)
                pGrid->StartAutoScroll(FALSE, 0, 1);
        }
        pWnd->SetCapture();
    }
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::StartDrag(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXRange range;
    if (!FindDragRange(pGrid, nRow, nCol, range))
        return FALSE;
    const BOOL bRows = range.IsRows();
    m_nMode = bRows ? gxDragRows : gxDragCols;
    if (!(bRows ? pGrid->CanDragRows() : pGrid->CanDragCols()))
        return FALSE;
    m_nFirst = bRows ? range.top : range.left;
    m_nLast = bRows ? range.bottom : range.right;
    m_nTarget = m_nFirst;
    // The dragged range becomes the one that keys and Shift+clicks extend.
    if (auto* pSelect = dynamic_cast<CGXGridUserSelectRangeImp*>(pGrid->UserSelectRangeImp())) {
        const CGXRangeList& sel = pGrid->GetParam()->m_selRects;
        for (POSITION pos = sel.GetHeadPosition(); pos != nullptr; sel.GetNextRange(pos))
            if (*sel.GetRangeAt(pos) == range) {
                pSelect->SetLastRange(pGrid, pos);
                break;
            }
    }
    pGrid->SetOverrideCursor(kDropCursor);
    return TRUE;
}

ROWCOL CGXGridUserDragSelectRangeImp::TargetAt(CGXGridCore* pGrid, CPoint point) const
{
    const BOOL bRows = m_nMode == gxDragRows;
    const ROWCOL nIndex = bRows ? pGrid->ClientRowAtY(point) : pGrid->ClientColAtX(point);
    if (nIndex == GX_INVALID)
        return (bRows ? pGrid->GetRowCount() : pGrid->GetColCount()) + 1;
    const ROWCOL n = bRows ? pGrid->ClientIndexToRow(nIndex) : pGrid->ClientIndexToCol(nIndex);
    return std::max<ROWCOL>(n, 1);
}

BOOL CGXGridUserDragSelectRangeImp::DragMove(CGXGridCore* pGrid, CPoint point, UINT)
{
    if (!m_bDragging)
        return FALSE;
    const CGXRange range = m_nMode == gxDragRows ? CGXRange().SetRows(m_nFirst, m_nLast)
                                                 : CGXRange().SetCols(m_nFirst, m_nLast);
    pGrid->DrawDragFeedback(nullptr, range, TargetAt(pGrid, point));
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::DrawDragFeedback(CGXGridCore* pGrid, CDC*, const CGXRange&,
                                                     ROWCOL nDest)
{
    return MoveMarker(pGrid, nDest);
}

BOOL CGXGridUserDragSelectRangeImp::MoveMarker(CGXGridCore* pGrid, ROWCOL nTarget)
{
    nTarget = std::max<ROWCOL>(nTarget, 1);
    if (nTarget == m_nTarget && m_pMarker != nullptr)
        return TRUE;
    const BOOL bRows = m_nMode == gxDragRows;
    if (m_pMarker != nullptr && m_pMarker->GetSafeHwnd() != nullptr)
        m_pMarker->ShowWindow(SW_HIDE);
    m_nTarget = nTarget;
    if (!(bRows ? pGrid->CanDropRows() : pGrid->CanDropCols())) {
        pGrid->SetOverrideCursor(kNoDropCursor);
        return TRUE;
    }
    pGrid->SetOverrideCursor(kDropCursor);
    CWnd* pWnd = pGrid->GetGridWnd();
    pWnd->UpdateWindow();
    if (m_pMarker == nullptr) {
        m_pMarker = new CGXDragLineWnd(pGrid);
        if (!m_pMarker->Create(pWnd)) {
            DestroyMarker();
            return TRUE;
        }
        CGXProperties* pProp = pGrid->GetProperties();
        const COLORREF cr =
            pProp != nullptr && pProp->GetColorCount() > 3 ? pProp->GetColor(3) : RGB(0, 0, 0);
        m_pMarker->m_pen = CGXPen().SetStyle(PS_SOLID).SetWidth(1).SetColor(cr);
    }
    // The line between the row (column) before the target and the target.
    CRect rect =
        bRows ? pGrid->GetRectBelowRow(nTarget - 1) : pGrid->GetRectRightOfCol(nTarget - 1);
    if (bRows)
        rect.SetRect(rect.left, rect.top - 1, rect.right, rect.top + 1);
    else
        rect.SetRect(rect.left - 1, rect.top, rect.left + 1, rect.bottom);
    m_pMarker->MoveWindow(&rect);
    m_pMarker->ShowWindow(SW_SHOWNA);
    m_pMarker->UpdateWindow();
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::DragRelease(CGXGridCore* pGrid, CPoint point, UINT)
{
    if (!m_bDragging)
        return FALSE;
    const ROWCOL nTarget = TargetAt(pGrid, point);
    CWnd* pWnd = pGrid->GetGridWnd();
    pGrid->StopAutoScroll();
    if (pWnd != nullptr && ::GetCapture() == pWnd->GetSafeHwnd())
        ::ReleaseCapture();
    Drop(pGrid, nTarget);
    m_bDragging = FALSE;
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::Drop(CGXGridCore* pGrid, ROWCOL nTarget)
{
    const int nMode = m_nMode;
    m_bDragging = FALSE;
    m_nMode = gxDragNone;
    pGrid->SetOverrideCursor(0);
    DestroyMarker();
    if (nTarget == 0 || nMode == gxDragNone)
        return FALSE;
    nTarget = std::max<ROWCOL>(nTarget, 1);
    const BOOL bRows = nMode == gxDragRows;
    if (!(bRows ? pGrid->CanDropRows() : pGrid->CanDropCols()))
        return FALSE;
    // Onto the block itself or just after it: the block stays where it is.
    if (nTarget >= m_nFirst && nTarget <= m_nLast + 1)
        return FALSE;
    // The destination names where the block's first row (column) ends up.
    const ROWCOL nDest = nTarget > m_nLast ? nTarget - (m_nLast - m_nFirst + 1) : nTarget;
    if (bRows)
        pGrid->MoveRows(m_nFirst, m_nLast, nDest, GX_UPDATENOW);
    else
        pGrid->MoveCols(m_nFirst, m_nLast, nDest, GX_UPDATENOW);
    return TRUE;
}

void CGXGridUserDragSelectRangeImp::CancelDragSelect(CGXGridCore* pGrid)
{
    m_bDragging = FALSE;
    DestroyMarker();
    if (m_nMode != gxDragNone)
        pGrid->SetOverrideCursor(0);
    m_nMode = gxDragNone;
}

void CGXGridUserDragSelectRangeImp::DestroyMarker()
{
    if (m_pMarker == nullptr)
        return;
    if (m_pMarker->GetSafeHwnd() != nullptr && ::IsWindow(m_pMarker->GetSafeHwnd()))
        m_pMarker->DestroyWindow();
    delete m_pMarker;
    m_pMarker = nullptr;
}
