#include "features/GXGridExcelLikeFillImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "fw/dc.h"

#include <algorithm>

void GXImplementExcelLikeFill(CGXGridCore* pGrid)
{
    if (pGrid->ExcelLikeFillImp() != nullptr)
        return;
    pGrid->SetExcelLikeFillImp(new CGXGridExcelLikeFillImp, TRUE);
    GXImplementExcelLikeFrame(pGrid);
}

namespace {
// What the parameter object's fill flags copy: 2 whole styles, 1 values, 0 nothing.
int FillKind(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return 0;
    const int nFlags = (int)pParam->m_bEnableFill;
    return (nFlags & 2) ? 2 : (nFlags & 1) ? 1 : 0;
}

CRect VisibleRect(CGXGridCore* pGrid, const CGXRange& range)
{
    CRect rc = pGrid->GetRangeWindowRect(range.top, range.left, range.bottom, range.right);
    const CRect rcGrid = pGrid->GetGridRect();
    CRect rcVisible;
    if (!rcVisible.IntersectRect(&rc, &rcGrid))
        return rc;
    return rcVisible;
}
} // namespace

BOOL CGXGridExcelLikeFillImp::FillPress(CGXGridCore* pGrid, CPoint, UINT, int, ROWCOL nRow,
                                        ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || FillKind(pGrid) == 0)
        return FALSE;
    EraseOutline(pGrid); // of a fill that was cancelled
    m_bFilling = FALSE;
    POSITION pos = pParam->m_selRects.FindAreaWithCell(nRow, nCol);
    if (pos == nullptr)
        return FALSE;
    const CGXRange range = *pParam->m_selRects.GetRangeAt(pos);
    // A cell scrolled out of the pane, and whole rows, columns or the table offer no fill.
    if ((nRow > pGrid->GetFrozenRowCount() && nRow < pGrid->GetTopRow()) ||
        (nCol > pGrid->GetFrozenColCount() && nCol < pGrid->GetLeftCol()))
        return FALSE;
    if (!range.IsCells() || !pGrid->CanFillRange(range))
        return FALSE;
    pGrid->TransferCurrentCell();
    m_bFilling = TRUE;
    m_source = range;
    m_target = CGXRange();
    m_rcOutline.SetRectEmpty();
    // The core follows the mouse from here as for a press in a cell, scrolling while the
    // mouse is held beyond the grid.
    pGrid->m_wMouseDown = (WORD)(1 | GX_MOUSE_FILLING);
    pGrid->m_nMouseButton = 0;
    pGrid->m_nPressRow = pGrid->m_nLastRow = nRow;
    pGrid->m_nPressCol = pGrid->m_nLastCol = nCol;
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pGrid->m_bAutoScrollOnDrag && pWnd != nullptr && ::GetCapture() != pWnd->GetSafeHwnd()) {
        pGrid->m_nAutoScrollAxes = 3;
        pGrid->StartAutoScroll(FALSE, 0, 1);
    }
    return TRUE;
}

int CGXGridExcelLikeFillImp::Direction(CPoint pt, const CRect& r)
{
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    int nDirection = 4;
    // Each test overrides the earlier ones; the other axis breaks a tie.
    if (pt.y < r.top) {
        const int d = r.top - pt.y;
        nDirection = pt.x >= cx ? (pt.x - r.right > d ? 3 : 0) : (r.left - pt.x >= d ? 1 : 0);
    }
    if (pt.y >= r.bottom) {
        const int d = pt.y - r.bottom;
        nDirection = pt.x >= cx ? (pt.x - r.right > d ? 3 : 2) : (r.left - pt.x >= d ? 1 : 2);
    }
    if (pt.x >= r.right) {
        const int d = pt.x - r.right;
        nDirection = pt.y >= cy ? (pt.y - r.bottom > d ? 2 : 3) : (r.top - pt.y >= d ? 0 : 3);
    }
    if (pt.x < r.left) {
        const int d = r.left - pt.x;
        nDirection = pt.y >= cy ? (pt.y - r.bottom > d ? 2 : 1) : (r.top - pt.y >= d ? 0 : 1);
    }
    return nDirection;
}

CGXRange CGXGridExcelLikeFillImp::Target(const CGXRange& source, int nDirection, ROWCOL nRow,
                                         ROWCOL nCol, CPoint pt, const CRect& rcCell)
{
    CGXRange target(source.top, source.left, source.bottom, source.right);
    const CPoint ptMid = rcCell.CenterPoint();
    switch (nDirection) {
    case 0: // up: from the mouse row, or the row below it from the lower half of the cell
        target.top = std::min(source.top, nRow + (pt.y >= ptMid.y ? 1 : 0));
        break;
    case 1:
        target.left = std::min(source.left, nCol + (pt.x >= ptMid.x ? 1 : 0));
        break;
    case 2: // down: to the mouse row, or the row above it from the upper half of the cell
        target.bottom = std::max(source.bottom, nRow - (pt.y < ptMid.y && nRow > 0 ? 1 : 0));
        break;
    case 3:
        target.right = std::max(source.right, nCol - (pt.x < ptMid.x && nCol > 0 ? 1 : 0));
        break;
    default: {
        // Inside: the block shrinks along the edge the mouse is farther from.
        const ROWCOL nRowIn = std::min(std::max(nRow, source.top), source.bottom);
        const ROWCOL nColIn = std::min(std::max(nCol, source.left), source.right);
        if (source.right - nColIn < source.bottom - nRowIn)
            target.bottom = nRowIn;
        else
            target.right = nColIn;
        break;
    }
    }
    return target;
}

BOOL CGXGridExcelLikeFillImp::FillMove(CGXGridCore* pGrid, CPoint point, UINT, ROWCOL nRow,
                                       ROWCOL nCol)
{
    if (!m_bFilling || !(pGrid->m_wMouseDown & GX_MOUSE_FILLING))
        return FALSE;
    const int nDirection = Direction(point, VisibleRect(pGrid, m_source));
    const CRect rcCell = pGrid->GetCellWindowRect(nRow, nCol);
    Outline(pGrid, Target(m_source, nDirection, nRow, nCol, point, rcCell));
    return TRUE;
}

void CGXGridExcelLikeFillImp::EraseOutline(CGXGridCore* pGrid)
{
    if (m_rcOutline.IsRectEmpty())
        return;
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        CClientDC dc(pWnd);
        CRect rc(m_rcOutline);
        dc.DrawFocusRect(&rc);
        rc.DeflateRect(1, 1);
        dc.DrawFocusRect(&rc);
    }
    m_rcOutline.SetRectEmpty();
}

void CGXGridExcelLikeFillImp::Outline(CGXGridCore* pGrid, const CGXRange& target)
{
    if (target == m_target && !m_rcOutline.IsRectEmpty())
        return; // unchanged
    EraseOutline(pGrid);
    m_target = target;
    if (!target.IsValid())
        return;
    if (!pGrid->CanApplyFill(m_source, target)) {
        m_target = CGXRange();
        return;
    }
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    CRect rc = VisibleRect(pGrid, target);
    if (rc.IsRectEmpty())
        return;
    // Off the grid lines: inward at the left and top, or at the right and bottom when the
    // frame lies inside the cell borders.
    const CGXProperties* pProp = pGrid->GetProperties();
    const BOOL bInside = pGrid->GetParam() != nullptr && pGrid->GetParam()->m_bFrameInsideBorders;
    if (pProp != nullptr && pProp->GetDisplayVertLines())
        (bInside ? rc.right : rc.left) += bInside ? -1 : 1;
    if (pProp != nullptr && pProp->GetDisplayHorzLines())
        (bInside ? rc.bottom : rc.top) += bInside ? -1 : 1;
    CClientDC dc(pWnd);
    CRect rcInner(rc);
    dc.DrawFocusRect(&rc);
    rcInner.DeflateRect(1, 1);
    dc.DrawFocusRect(&rcInner);
    m_rcOutline = rc;
}

BOOL CGXGridExcelLikeFillImp::FillRelease(CGXGridCore* pGrid, CPoint, UINT)
{
    if (!m_bFilling)
        return FALSE;
    EraseOutline(pGrid);
    m_bFilling = FALSE;
    pGrid->m_wMouseDown &= (WORD)~GX_MOUSE_FILLING;
    if (m_target.IsValid()) {
        const CGXRange source(m_source), target(m_target);
        m_target = CGXRange();
        ClearSelection(pGrid);
        pGrid->FillRange(source, target);
        pGrid->SelectFilledRange(target);
    }
    return TRUE;
}

void CGXGridExcelLikeFillImp::HideFillHandle(CGXGridCore* pGrid)
{
    EraseOutline(pGrid);
    // The handle is a part of the selection frame: it goes with it and comes back with
    // the next paint.
    pGrid->ToggleSelectionFrame(FALSE);
}

void CGXGridExcelLikeFillImp::ClearSelection(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_selRects.IsEmpty())
        return;
    if (pGrid->UserSelectRangeImp() != nullptr) {
        pGrid->SetSelection(nullptr);
        return;
    }
    pParam->m_selRects.DeleteAreas();
    pGrid->RedrawAll(GX_INVALIDATE);
}

BOOL CGXGridExcelLikeFillImp::SelectFilledRange(CGXGridCore* pGrid, const CGXRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    pParam->m_selRects.AddRange(range);
    pGrid->InvalidateCellRange(range, GX_INVALIDATE, FALSE);
    return TRUE;
}

BOOL CGXGridExcelLikeFillImp::FillRange(CGXGridCore* pGrid, const CGXRange& source,
                                        const CGXRange& target)
{
    const int nKind = FillKind(pGrid);
    if (nKind == 0 ||
        (source.top == target.top && source.left == target.left && source.bottom == target.bottom &&
         source.right == target.right))
        return FALSE;
    const BOOL bStyles = nKind == 2;

    pGrid->BeginUndoBlock(nullptr);
    BOOL bOk = TRUE;
    if (target.GetHeight() < source.GetHeight() || target.GetWidth() < source.GetWidth()) {
        // Dragged back into the block: the cells given up are cleared.
        CGXRangeList cleared;
        if (target.GetHeight() < source.GetHeight())
            cleared.AddRange(CGXRange(target.bottom + 1, target.left, source.bottom, target.right));
        else
            cleared.AddRange(CGXRange(target.top, target.right + 1, target.bottom, source.right));
        bOk = pGrid->ClearRanges(cleared, bStyles, GX_INVALIDATE);
    } else {
        // Grown: each new row (column) repeats the source's rows (columns) from its first
        // one on, in either direction.
        const BOOL bRows = source.left == target.left && source.right == target.right;
        ROWCOL nFrom, nTo;
        if (bRows) {
            nFrom = target.bottom > source.bottom ? source.bottom + 1 : target.top;
            nTo = target.bottom > source.bottom ? target.bottom : source.top - 1;
        } else {
            nFrom = target.right > source.right ? source.right + 1 : target.left;
            nTo = target.right > source.right ? target.right : source.left - 1;
        }
        CGXStyle* pStyle = pGrid->CreateStyle();
        ROWCOL k = 0;
        for (ROWCOL n = nFrom; n <= nTo && bOk; ++n, ++k) {
            const ROWCOL nAcross0 = bRows ? source.left : source.top;
            const ROWCOL nAcross1 = bRows ? source.right : source.bottom;
            const ROWCOL nSource = (bRows ? source.top : source.left) +
                k % (bRows ? source.GetHeight() : source.GetWidth());
            for (ROWCOL a = nAcross0; a <= nAcross1 && bOk; ++a) {
                const ROWCOL nSrcRow = bRows ? nSource : a, nSrcCol = bRows ? a : nSource;
                const ROWCOL nDstRow = bRows ? n : a, nDstCol = bRows ? a : n;
                const CGXRange cell(nDstRow, nDstCol, nDstRow, nDstCol);
                if (bStyles) {
                    pStyle->ClearAll();
                    if (pGrid->GetStyleRowCol(nSrcRow, nSrcCol, *pStyle, gxCopy, 0))
                        bOk = pGrid->SetStyleRange(cell, *pStyle, gxCopy, 0, GX_INVALIDATE);
                    else
                        bOk = pGrid->ApplyStyleToRange(cell, nullptr, gxCopy, 0, nullptr,
                                                       GX_INVALIDATE, gxDo);
                } else {
                    const CString strValue = pGrid->GetValueRowCol(nSrcRow, nSrcCol);
                    bOk = pGrid->SetValueRange(cell, strValue, GX_INVALIDATE);
                }
            }
        }
        pGrid->RecycleStyle(pStyle);
    }
    pGrid->CommitUndoBlock();
    return bOk;
}
