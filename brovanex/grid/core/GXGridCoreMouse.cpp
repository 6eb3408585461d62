// CGXGridCore: the mouse buttons over the grid. A press over a cell captures the mouse until
// the release (or a cancel); each step goes to the track callback of the button with the
// hit state, whose default hands it to the pressed cell's control. Selecting, resizing,
// drag-selecting and filling belong to feature objects consulted on the way.
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"

namespace {
const UINT kButtonMasks[3] = {MK_LBUTTON, MK_MBUTTON, MK_RBUTTON};
} // namespace

CPoint CGXGridCore::ClampToGrid(CPoint point)
{
    const CRect rect = GetGridRect();
    const int nAllowance = ::GetSystemMetrics(SM_CYFRAME);
    point.x = std::max<LONG>(rect.left, std::min<LONG>(point.x, rect.right - nAllowance));
    point.y = std::max<LONG>(rect.top, std::min<LONG>(point.y, rect.bottom - nAllowance));
    return point;
}

BOOL CGXGridCore::TrackButton(int nButton, ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow,
                              ROWCOL nDragCol, CPoint point, UINT nFlags, WORD nHitState)
{
    switch (nButton) {
    case 0:
        return OnLButtonTrackRowCol(nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
    case 1:
        return OnMButtonTrackRowCol(nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
    default:
        return OnRButtonTrackRowCol(nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
    }
}

BOOL CGXGridCore::PressButton(int nButton, UINT nFlags, CPoint point)
{
    if (!m_bInitialized || m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return FALSE;
    m_nMouseDownFlags = nFlags;
    UINT nOthers = 0;
    for (int i = 0; i < 3; ++i)
        if (i != nButton)
            nOthers |= kButtonMasks[i];
    if (::GetCapture() == m_pWindow->GetSafeHwnd() || (nFlags & nOthers) != 0 ||
        m_wMouseDown != 0) {
        // A second button while one is held ends the mouse mode.
        m_pWindow->SendMessage(WM_CANCELMODE);
        HandleCancelMode();
        return FALSE;
    }
    m_pWindow->UpdateWindow();
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTestPoint(point, &nRow, &nCol);
    if (nButton == 0 && nHit == gxHitFrame) {
        CGXRange covered(nRow, nCol, nRow, nCol);
        GetCoveredBlock(nRow, nCol, covered);
        if (TakeFramePress(point, nFlags, nHit, covered.top, covered.left))
            return TRUE;
        nHit = gxHitCell;
    }
    if (nButton == 0 && nHit == gxHitFillHandle) {
        if (m_pGridParam != nullptr && m_pGridParam->m_bEnableFill && ExcelLikeFillImp() != nullptr)
            ExcelLikeFillImp()->FillPress(this, point, nFlags, nHit, nRow, nCol);
        if (m_wMouseDown != 0 && ::GetCapture() != m_pWindow->GetSafeHwnd())
            m_pWindow->SetCapture();
        return TRUE;
    }
    if (nButton == 0 &&
        (nHit == gxHitColEdge || nHit == gxHitRowEdge || nHit == gxHitHiddenColEdge ||
         nHit == gxHitHiddenRowEdge)) {
        if (CGXAbstractGridUserResizeCellsImp* pImp = UserResizeCellsImp())
            pImp->ResizePress(this, point, nFlags, nHit, nRow, nCol);
        return TRUE;
    }
    if (nHit != gxHitCell && nHit != gxHitHeader)
        return FALSE;
    if (nButton == 0 && (nRow != 0 || nCol != 0))
        if (CGXAbstractGridUserDragSelectRangeImp* pImp = UserDragSelectRangeImp())
            if (pImp->DragPress(this, point, nFlags, nHit, nRow, nCol))
                return TRUE;
    m_nMouseButton = nButton;
    m_wMouseDown = (WORD)(1 | ((nFlags & MK_CONTROL) ? 0x80 : 0));
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        CGXControl* pControl = GetControl(nRow, nCol);
        if (pControl != nullptr && pControl->ClickSelectsCoveredOrigin()) {
            nRow = covered.top;
            nCol = covered.left;
        }
    }
    m_nPressRow = m_nLastRow = nRow;
    m_nPressCol = m_nLastCol = nCol;
    if (IsCurrentCell(nRow, nCol))
        m_wMouseDown |= 0x100;
    if (nButton == 0)
        BeginSelect(point, nFlags, nHit, nRow, nCol);
    if (!TrackButton(nButton, nRow, nCol, nRow, nCol, point, nFlags, (WORD)(m_wMouseDown | 0x44))) {
        m_pWindow->SendMessage(WM_CANCELMODE);
        return TRUE;
    }
    if (m_wMouseDown != 0 && ::GetCapture() != m_pWindow->GetSafeHwnd()) {
        if (nButton == 0 && m_bAutoScrollOnDrag) {
            m_nAutoScrollAxes = (nRow != 0 && nRow > GetFrozenRowCount() ? 1 : 0) |
                (nCol != 0 && nCol > GetFrozenColCount() ? 2 : 0);
            if (m_nAutoScrollAxes != 0)
                StartAutoScroll(FALSE, 0, 1);
        }
        m_pWindow->SetCapture();
    }
    return TRUE;
}

WORD CGXGridCore::HitStateAt(CPoint point, ROWCOL& nRow, ROWCOL& nCol)
{
    HitTestPoint(point, &nRow, &nCol);
    const ROWCOL nFirstRow = std::min(GetHeaderRowCount() + 1, GetRowCount());
    const ROWCOL nFirstCol = std::min(GetHeaderColCount() + 1, GetColCount());
    if (m_nPressRow > GetHeaderRowCount())
        nRow = std::max(nRow, nFirstRow);
    if (m_nPressCol > GetHeaderColCount())
        nCol = std::max(nCol, nFirstCol);
    nRow = std::min(nRow, GetRowCount());
    nCol = std::min(nCol, GetColCount());
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    const BOOL bOver = nRow == m_nPressRow && nCol == m_nPressCol;
    const BOOL bWasOver = m_nLastRow == m_nPressRow && m_nLastCol == m_nPressCol;
    return (WORD)(bOver ? 0x40 : bWasOver ? 0x20 : 0);
}

BOOL CGXGridCore::ReleaseButton(int nButton, UINT nFlags, CPoint point)
{
    if (m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return FALSE;
    if (::GetCapture() != m_pWindow->GetSafeHwnd() && m_wMouseDown == 0)
        return FALSE;
    point = ClampToGrid(point);
    if (nButton == 0)
        if (CGXAbstractGridUserDragSelectRangeImp* pImp = UserDragSelectRangeImp())
            if (pImp->DragRelease(this, point, nFlags))
                return TRUE;
    if (m_wMouseDown == 0 || m_nMouseButton != nButton) {
        if (nButton == 0)
            if (CGXAbstractGridUserResizeCellsImp* pImp = UserResizeCellsImp())
                pImp->ResizeRelease(this, point, nFlags);
        if (::GetCapture() == m_pWindow->GetSafeHwnd())
            ::ReleaseCapture();
        return TRUE;
    }
    StopAutoScroll();
    const WORD wDown = m_wMouseDown;
    m_wMouseDown = 0; // before the capture goes: its loss is no cancel
    if (::GetCapture() == m_pWindow->GetSafeHwnd())
        ::ReleaseCapture();
    if (nButton == 0) {
        if (m_pGridParam != nullptr && m_pGridParam->m_bEnableFill && ExcelLikeFillImp() != nullptr)
            ExcelLikeFillImp()->FillRelease(this, point, nFlags);
        EndSelect(point, nFlags);
    }
    ROWCOL nRow = 0, nCol = 0;
    const WORD wOver = HitStateAt(point, nRow, nCol);
    TrackButton(nButton, m_nPressRow, m_nPressCol, nRow, nCol, point, nFlags,
                (WORD)(wDown | 0x10 | wOver));
    return TRUE;
}

BOOL CGXGridCore::HandleMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bInitialized || m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return FALSE;
    const BOOL bCaptured = ::GetCapture() == m_pWindow->GetSafeHwnd();
    if (!bCaptured && m_pGridListener != nullptr)
        m_pGridListener->OnGridMouseMove(this, nFlags, point);
    const CPoint ptRaw = point;
    point = ClampToGrid(point);
    if (CGXAbstractGridUserDragSelectRangeImp* pImp = UserDragSelectRangeImp())
        if (pImp->DragMove(this, point, nFlags))
            return TRUE;
    if (m_wMouseDown != 0 && bCaptured) {
        m_ptAutoScroll = ptRaw;
        ROWCOL nRow = 0, nCol = 0;
        const WORD wOver = HitStateAt(point, nRow, nCol);
        TrackButton(m_nMouseButton, m_nPressRow, m_nPressCol, nRow, nCol, point, nFlags,
                    (WORD)(m_wMouseDown | 0x08 | wOver));
        BOOL bFilled = FALSE;
        if (m_pGridParam != nullptr && m_pGridParam->m_bEnableFill && ExcelLikeFillImp() != nullptr)
            bFilled = ExcelLikeFillImp()->FillMove(this, point, nFlags, nRow, nCol);
        if (!bFilled && (nRow != m_nLastRow || nCol != m_nLastCol)) {
            if (m_nMouseButton == 0)
                ExtendSelect(point, nFlags, nRow, nCol);
            m_nLastRow = nRow;
            m_nLastCol = nCol;
        }
        return TRUE;
    }
    if (m_wMouseDown != 0)
        return TRUE;
    if (CGXAbstractGridUserResizeCellsImp* pImp = UserResizeCellsImp())
        if (pImp->ResizeHover(this, ptRaw, nFlags))
            return TRUE;
    if (!GetGridRect().PtInRect(ptRaw) || m_bShowingMessage) {
        ChooseCursorAt(ptRaw);
        return TRUE;
    }
    ROWCOL nRow = 0, nCol = 0;
    if (HitTestPoint(ptRaw, &nRow, &nCol) == gxHitNothing) {
        ChooseCursorAt(ptRaw);
        return TRUE;
    }
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    CGXControl* pControl = GetStylesMap() != nullptr ? GetControl(nRow, nCol) : nullptr;
    if (pControl == nullptr || !pControl->MouseOverCell(nRow, nCol, nFlags, ptRaw))
        ChooseCursorAt(ptRaw);
    return TRUE;
}

BOOL CGXGridCore::HandleLButtonDown(UINT nFlags, CPoint point)
{
    return PressButton(0, nFlags, point);
}
BOOL CGXGridCore::HandleMButtonDown(UINT nFlags, CPoint point)
{
    return PressButton(1, nFlags, point);
}
BOOL CGXGridCore::HandleRButtonDown(UINT nFlags, CPoint point)
{
    return PressButton(2, nFlags, point);
}
BOOL CGXGridCore::HandleLButtonUp(UINT nFlags, CPoint point)
{
    return ReleaseButton(0, nFlags, point);
}
BOOL CGXGridCore::HandleMButtonUp(UINT nFlags, CPoint point)
{
    return ReleaseButton(1, nFlags, point);
}
BOOL CGXGridCore::HandleRButtonUp(UINT nFlags, CPoint point)
{
    return ReleaseButton(2, nFlags, point);
}

BOOL CGXGridCore::DoubleClickButton(int nButton, UINT nFlags, CPoint point)
{
    if (!m_bInitialized)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = HitTestPoint(point, &nRow, &nCol);
    if (nButton == 0 && nHit != gxHitCell && nHit != gxHitHeader && nHit != gxHitNothing &&
        nHit != gxHitFrame && nHit != gxHitFillHandle) {
        if (CGXAbstractGridUserResizeCellsImp* pImp = UserResizeCellsImp())
            return pImp->ResizeDblClk(this, point, nFlags, nHit, nRow, nCol);
        return FALSE;
    }
    if (nHit != gxHitCell && nHit != gxHitHeader)
        return FALSE;
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    if (nButton != 0 || !IsCurrentCell(nRow, nCol) || !IsActiveCurrentCell())
        MakeCellCurrent(nRow, nCol, GX_UPDATENOW | GX_SCROLLINVIEW);
    BOOL bHandled = FALSE;
    CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    if (pControl != nullptr && (pControl->IsActive() || nButton == 0)) {
        switch (nButton) {
        case 0:
            bHandled = pControl->LButtonDblClk(nFlags, point);
            break;
        case 1:
            bHandled = pControl->MButtonDblClk(nFlags, point);
            break;
        default:
            bHandled = pControl->RButtonDblClk(nFlags, point);
            break;
        }
    } else {
        switch (nButton) {
        case 0:
            bHandled = OnLButtonDblClkRowCol(nRow, nCol, nFlags, point);
            break;
        case 1:
            bHandled = OnMButtonDblClkRowCol(nRow, nCol, nFlags, point);
            break;
        default:
            bHandled = OnRButtonDblClkRowCol(nRow, nCol, nFlags, point);
            break;
        }
    }
    if (!bHandled)
        return PressButton(nButton, nFlags, point);
    return TRUE;
}

BOOL CGXGridCore::HandleLButtonDblClk(UINT nFlags, CPoint point)
{
    return DoubleClickButton(0, nFlags, point);
}
BOOL CGXGridCore::HandleMButtonDblClk(UINT nFlags, CPoint point)
{
    return DoubleClickButton(1, nFlags, point);
}
BOOL CGXGridCore::HandleRButtonDblClk(UINT nFlags, CPoint point)
{
    return DoubleClickButton(2, nFlags, point);
}

void CGXGridCore::HandleCancelMode()
{
    if (IsUserResizing()) {
        CancelUserResize();
    } else if (m_wMouseDown != 0) {
        m_wMouseDown = 0;
    } else {
        CancelDragSelect();
    }
    StopAutoScroll();
    if (m_nOverrideCursorId != 0)
        SetOverrideCursor(0);
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr &&
        ::GetCapture() == m_pWindow->GetSafeHwnd())
        ::ReleaseCapture();
    if (m_bCurrentCellValid && m_pCurrentCellControl != nullptr)
        m_pCurrentCellControl->OnCancelMode();
}

void CGXGridCore::StopAutoScroll()
{
    if (!m_bAutoScroll)
        return;
    m_bAutoScroll = FALSE;
    m_nAutoScrollAxes = 0;
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->KillTimer(992);
}

void CGXGridCore::HandleTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != 992 || !m_bAutoScroll || m_bAutoScrollStop)
        return;
    if (m_nAutoScrollDirection != 0) {
        ScrollByCells(m_nAutoScrollDirection, (ROWCOL)std::max(1, m_nAutoScrollSpeed));
        return;
    }
    // Started by a press: scrolls towards the side of the grid the held mouse is beyond,
    // faster the farther it is, and lets the cell under the mouse follow.
    if (m_wMouseDown == 0)
        return;
    const CRect rect = GetGridRect();
    const CPoint pt = m_ptAutoScroll;
    int nDirection = 0, nDistance = 0;
    if ((m_nAutoScrollAxes & 1) && pt.y >= rect.bottom) {
        nDirection = 3;
        nDistance = pt.y - rect.bottom;
    } else if ((m_nAutoScrollAxes & 1) && pt.y < rect.top + SumRowHeights(0, GetFrozenRowCount())) {
        nDirection = 1;
        nDistance = rect.top + SumRowHeights(0, GetFrozenRowCount()) - pt.y;
    } else if ((m_nAutoScrollAxes & 2) && pt.x >= rect.right) {
        nDirection = 4;
        nDistance = pt.x - rect.right;
    } else if ((m_nAutoScrollAxes & 2) && pt.x < rect.left + SumColWidths(0, GetFrozenColCount())) {
        nDirection = 2;
        nDistance = rect.left + SumColWidths(0, GetFrozenColCount()) - pt.x;
    }
    if (nDirection == 0)
        return;
    const ROWCOL nCount = 1 + (ROWCOL)(nDistance / 32);
    if (!ScrollByCells(nDirection, nCount))
        return;
    HandleMouseMove(m_nMouseDownFlags, m_ptAutoScroll);
}

// The cell mouse dispatch: the track callbacks' defaults.
BOOL CGXGridCore::TrackCellMouse(int nButton, ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow,
                                 ROWCOL nDragCol, CPoint point, UINT nFlags, WORD nHitState)
{
    (void)nDragRow;
    (void)nDragCol;
    CGXRange covered;
    if (GetCoveredBlock(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    const UINT nOldHitState = m_nMouseHitState;
    m_nMouseHitState = nHitState;
    if (nHitState & 0x04) {
        const BOOL bMayClick = m_pGridParam == nullptr || nButton != 0 ||
            (m_pGridParam->m_wAllowSelection != 0 || nRow > GetHeaderRowCount() ||
             nCol > GetHeaderColCount());
        if (bMayClick && GetStylesMap() != nullptr &&
            (nRow > GetHeaderRowCount() || nCol > GetHeaderColCount() || nRow == 0 || nCol == 0))
            MakeCellCurrent(nRow, nCol, GX_UPDATENOW | GX_NOSELECTION);
        if (CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr) {
            switch (nButton) {
            case 0:
                pControl->LButtonDown(nFlags, point, nHitState);
                break;
            case 1:
                pControl->MButtonDown(nFlags, point, nHitState);
                break;
            default:
                pControl->RButtonDown(nFlags, point, nHitState);
                break;
            }
        }
    }
    if (nHitState & 0x10) {
        // The release goes to the control that had the press: the pressed cell's, which
        // the press made current.
        CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
        if (pControl != nullptr) {
            switch (nButton) {
            case 0:
                pControl->LButtonUp(nFlags, point, nHitState);
                break;
            case 1:
                pControl->MButtonUp(nFlags, point, nHitState);
                break;
            default:
                pControl->RButtonUp(nFlags, point, nHitState);
                break;
            }
        } else if (nHitState & 0x40) {
            switch (nButton) {
            case 0:
                OnLButtonClickedRowCol(nRow, nCol, nFlags, point);
                break;
            case 1:
                OnMButtonClickedRowCol(nRow, nCol, nFlags, point);
                break;
            default:
                OnRButtonClickedRowCol(nRow, nCol, nFlags, point);
                break;
            }
        }
        if (nRow <= GetRowCount() && nCol <= GetColCount())
            InvalidateCellRange(CGXRange(nRow, nCol, nRow, nCol), GX_INVALIDATE, FALSE);
    }
    if (nHitState & 0x08)
        if (CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr)
            pControl->MouseMove(nFlags, point, nHitState);
    m_nMouseHitState = nOldHitState;
    return TRUE;
}

BOOL CGXGridCore::OnLButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                       CPoint point, UINT nFlags, WORD nHitState)
{
    return TrackCellMouse(0, nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
}
BOOL CGXGridCore::OnMButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                       CPoint point, UINT nFlags, WORD nHitState)
{
    return TrackCellMouse(1, nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
}
BOOL CGXGridCore::OnRButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                       CPoint point, UINT nFlags, WORD nHitState)
{
    return TrackCellMouse(2, nRow, nCol, nDragRow, nDragCol, point, nFlags, nHitState);
}
