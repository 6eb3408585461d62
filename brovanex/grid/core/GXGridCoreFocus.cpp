// CGXGridCore: activation, the focus coming and going, size changes (only the strips a
// grown window shows are repainted) and the messages the grid's own listener sees.
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "fw/frame.h"
#include "fw/gdi_guard.h"
#include "fw/splitter.h"

#include <algorithm>

namespace {
// TRUE when hWnd is the grid window or one of its children.
BOOL IsGridOrChild(CWnd* pGridWnd, HWND hWnd)
{
    const HWND hGrid = pGridWnd != nullptr ? pGridWnd->GetSafeHwnd() : nullptr;
    return hGrid != nullptr && hWnd != nullptr && (hWnd == hGrid || ::IsChild(hGrid, hWnd));
}

BOOL IsParentFrameZoomed(CWnd* pWnd)
{
    CFrameWnd* pFrame =
        pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr ? pWnd->GetParentFrame() : nullptr;
    return pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr && pFrame->IsZoomed();
}
} // namespace

BOOL CGXGridCore::HandleActivation(BOOL bActivate)
{
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr)
        m_pWindow->SendMessage(WM_CANCELMODE);
    if (bActivate)
        m_pLibState->m_pActiveGrid = this;
    if (!m_bInitialized)
        return FALSE;

    ROWCOL nRow = 0, nCol = 0;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    if (pControl != nullptr) {
        if (bActivate) {
            if (m_pGridParam != nullptr && (m_pGridParam->m_wActivateCell & 4) &&
                !pControl->IsActive() && pControl->OnStartEditing())
                pControl->SetActive(TRUE);
            pControl->Refresh();
        } else if (pControl->IsActive()) {
            // Leaving the grid ends the editing as leaving the cell would; a value that may
            // not be left (or fails to store) keeps the control active with its text.
            if (!MayChangeCurrentCell(FALSE, nRow, nCol, nRow, nCol))
                return FALSE;
            const BOOL bModified = pControl->GetModify();
            if (bModified && !pControl->Store())
                return FALSE;
            if (pControl->OnEndEditing()) {
                pControl->SetActive(FALSE);
                pControl->SetModify(FALSE);
                pControl->Refresh();
            }
            if (bModified) {
                EvaluateCells();
                RefreshAll(FALSE, nullptr, TRUE);
            }
        } else {
            // An inactive cell is drawn without the focus (or with it) anew.
            InvalidateCellRange(CGXRange(nRow, nCol, nRow, nCol), GX_INVALIDATE, FALSE);
        }
    }
    if (bActivate) {
        MeasureBaseUnits();
        ResetVisibleCache();
        RefreshScrollBars();
    }
    m_sizeLastClient = CSize(0, 0);
    m_bActivated = bActivate;
    if (bActivate)
        NotifyGridListeners(gxListenActivated);
    return TRUE;
}

void CGXGridCore::HandleSetFocus(CWnd* pOldWnd)
{
    if (!m_bInitialized || m_bNoFocusHandling)
        return;
    const HWND hOld = pOldWnd != nullptr ? pOldWnd->GetSafeHwnd() : nullptr;
    m_bFocusLost = FALSE;
    BOOL bRefreshed = FALSE;
    if (!m_pLibState->m_bLockFocusChange && !IsGridOrChild(m_pWindow, hOld)) {
        HandleActivation(TRUE);
        bRefreshed = TRUE;
    }
    m_hLastFocusWnd = hOld;
    if (m_bRefreshOnSetFocus) {
        m_bRefreshOnSetFocus = FALSE;
        ROWCOL nRow = 0, nCol = 0;
        if (!bRefreshed && GetCurrentCell(nRow, nCol))
            if (CGXControl* pControl = GetCurrentCellControl())
                pControl->Refresh();
    }
}

void CGXGridCore::HandleKillFocus(CWnd* pNewWnd)
{
    if (!m_bInitialized || m_bNoFocusHandling)
        return;
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr;
    if (IsGridOrChild(m_pWindow, hNew))
        return; // the focus moves to the cell's own window
    m_bFocusLost = TRUE;
    if (m_pLibState->m_bLockFocusChange) {
        // A window of the grid's own (a drop-down ...) took the focus: the cell keeps its
        // state and is drawn anew when the focus comes back.
        m_bRefreshOnSetFocus = TRUE;
        return;
    }
    HandleActivation(FALSE);
}

BOOL CGXGridCore::HandleMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message,
                                      LRESULT& lResult)
{
    if (m_bInitialized && m_bInView && nHitTest == HTCLIENT && m_pGridParam != nullptr &&
        m_pGridParam->m_bActiveViewOnly && m_pWindow->GetSafeHwnd() != nullptr) {
        // A click coming from another window or frame brings the focus into the grid first.
        const HWND hGrid = m_pWindow->GetSafeHwnd();
        const HWND hFocus = ::GetFocus();
        CFrameWnd* pFrame = m_pWindow->GetParentFrame();
        const HWND hFrame = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
        const BOOL bOtherWindow = m_hLastFocusWnd != nullptr && m_hLastFocusWnd != hGrid &&
            !::IsChild(hGrid, m_hLastFocusWnd);
        const BOOL bOtherFrame = hFocus != nullptr && hFrame != nullptr && hFocus != hFrame &&
            !::IsChild(hFrame, hFocus);
        if (bOtherWindow || bOtherFrame) {
            m_pWindow->SetFocus();
            m_hLastFocusWnd = hGrid;
            lResult = MA_ACTIVATE;
            return TRUE;
        }
    }
    ROWCOL nRow = 0, nCol = 0;
    if (!m_bInitialized || !GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr &&
        pControl->OnMouseActivate(pDesktopWnd, nHitTest, message, lResult);
}

BOOL CGXGridCore::HandlePreTranslateMessage(MSG* pMsg)
{
    if (!m_bInitialized || pMsg == nullptr || m_pWindow == nullptr ||
        m_pWindow->GetSafeHwnd() == nullptr || !m_pWindow->IsWindowVisible())
        return FALSE;
    if (m_pGridListener != nullptr)
        m_pGridListener->OnGridMessage(this, pMsg);
    // An editing cell sees the message before the window it was posted to.
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && pControl->IsActive() && pControl->PreTranslateCellMessage(pMsg);
}

int CGXGridCore::FullyShownExtent(BOOL bRows, int nExtent)
{
    // The edge of the last row (column) that fitted whole into nExtent pixels.
    const ROWCOL nCount = bRows ? GetRowCount() : GetColCount();
    int nEdge = 0;
    for (ROWCOL nIndex = 0; nIndex <= nCount; ++nIndex) {
        const ROWCOL n = bRows ? ClientIndexToRow(nIndex) : ClientIndexToCol(nIndex);
        if (n == GX_INVALID || n > nCount)
            break;
        const int nSize = bRows ? GetRowPixelHeight(n) : GetColPixelWidth(n);
        if (nEdge + nSize > nExtent)
            break;
        nEdge += nSize;
    }
    return nEdge;
}

BOOL CGXGridCore::HandleSize(UINT nType, int cx, int cy)
{
    if (!m_bInitialized)
        return FALSE;
    ResetVisibleCache();
    if (nType == SIZE_MAXIMIZED)
        RefreshScrollBars();
    const BOOL bZoomed = IsParentFrameZoomed(m_pWindow);
    if (nType != SIZE_RESTORED) {
        m_bParentMaximized = bZoomed;
        return FALSE;
    }
    CWnd* pWnd = m_pWindow;
    const BOOL bWindow = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
    CRect rectWindow(0, 0, 0, 0);
    if (bWindow)
        pWnd->GetWindowRect(&rectWindow);

    // The frozen rows and columns show only in the first pane row and column of a splitter.
    // A pane that has come to the front (the pane before it went away) shows them now and
    // must start below and right of them, or it would show them twice.
    BOOL bPaneMoved = FALSE;
    CWnd* pParent = bWindow ? pWnd->GetParent() : nullptr;
    int nPaneRow = -1, nPaneCol = -1;
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) &&
        static_cast<CSplitterWnd*>(pParent)->IsChildPane(pWnd, &nPaneRow, &nPaneCol)) {
        const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
        if (m_nTopRow <= nFrozenRows && nFrozenRows < GetRowCount()) {
            SetTopRow(nFrozenRows + 1, 0, FALSE);
            bPaneMoved = TRUE;
        }
        if (m_nLeftCol <= nFrozenCols && nFrozenCols < GetColCount()) {
            SetLeftCol(nFrozenCols + 1, 0, FALSE);
            bPaneMoved = TRUE;
        }
    }

    if (bWindow && !bPaneMoved && m_pGridParam != nullptr && m_pGridParam->m_bSmartResize &&
        m_sizeLastClient.cx > 0 && m_sizeLastClient.cy > 0 &&
        rectWindow.TopLeft() == m_rectLastWindow.TopLeft() && bZoomed == m_bParentMaximized) {
        // What the old size showed whole stays valid; only the strips right of the last
        // whole column and below the last whole row are drawn.
        const CRect rectGrid = GetGridRect();
        const int nOldRight =
            rectGrid.left + FullyShownExtent(FALSE, m_sizeLastClient.cx - rectGrid.left);
        const int nOldBottom =
            rectGrid.top + FullyShownExtent(TRUE, m_sizeLastClient.cy - rectGrid.top);
        CRect rectClient;
        pWnd->GetClientRect(&rectClient);
        pWnd->ValidateRect(nullptr);
        const CRect rectRight(nOldRight, rectClient.top, rectClient.right, rectClient.bottom);
        if (!rectRight.IsRectEmpty()) {
            pWnd->InvalidateRect(&rectRight);
            pWnd->UpdateWindow();
        }
        const CRect rectBelow(rectClient.left, nOldBottom, rectClient.right, rectClient.bottom);
        if (!rectBelow.IsRectEmpty()) {
            pWnd->InvalidateRect(&rectBelow);
            pWnd->UpdateWindow();
        }
    } else if (bWindow) {
        pWnd->Invalidate();
        pWnd->UpdateWindow();
    }

    if (m_pGridListener != nullptr)
        m_pGridListener->OnGridSized(this, nType, cx, cy);
    MeasureBaseUnits();
    RefreshScrollBars();

    m_bParentMaximized = bZoomed;
    if (bWindow && pWnd->IsWindowVisible()) {
        CRect rectClient;
        pWnd->GetClientRect(&rectClient);
        m_sizeLastClient = rectClient.Size();
        pWnd->GetWindowRect(&m_rectLastWindow);
    } else {
        m_sizeLastClient = CSize(0, 0);
        m_rectLastWindow.SetRectEmpty();
    }
    return FALSE; // the default handling still runs
}

void CGXGridCore::ClipCellWindowToScrollArea(CWnd* pCellWnd, ROWCOL nRow, ROWCOL nCol)
{
    if (pCellWnd == nullptr || pCellWnd->GetSafeHwnd() == nullptr || m_pWindow == nullptr ||
        m_pWindow->GetSafeHwnd() == nullptr || !m_bInitialized)
        return;
    CRect rectWnd;
    pCellWnd->GetWindowRect(&rectWnd);
    m_pWindow->ScreenToClient(&rectWnd);
    // The scrolling cells start below the frozen rows and right of the frozen columns; a
    // cell that scrolls does not show above or left of there.
    const CRect rectGrid = GetGridRect();
    CRect rectShown(rectWnd);
    const ROWCOL nFrozenRows = GetFrozenRowCount(), nFrozenCols = GetFrozenColCount();
    if (nRow > nFrozenRows)
        rectShown.top = std::max<LONG>(
            rectShown.top, rectGrid.top + SumRowHeights(0, nFrozenRows, rectGrid.Height()));
    if (nCol > nFrozenCols)
        rectShown.left = std::max<LONG>(
            rectShown.left, rectGrid.left + SumColWidths(0, nFrozenCols, rectGrid.Width()));
    CGdiHandle<HRGN> rgnOld(::CreateRectRgn(0, 0, 0, 0));
    const BOOL bClipped =
        rgnOld.Get() != nullptr && ::GetWindowRgn(pCellWnd->GetSafeHwnd(), rgnOld.Get()) != ERROR;
    if (rectShown == rectWnd) {
        if (bClipped)
            pCellWnd->SetWindowRgn(nullptr, TRUE);
        return;
    }
    if (rectShown.top > rectShown.bottom)
        rectShown.top = rectShown.bottom;
    if (rectShown.left > rectShown.right)
        rectShown.left = rectShown.right;
    rectShown.OffsetRect(-rectWnd.left, -rectWnd.top);
    CGdiHandle<HRGN> rgn(::CreateRectRgnIndirect(&rectShown));
    if (rgn.Get() != nullptr && pCellWnd->SetWindowRgn(rgn.Get(), TRUE))
        rgn.Release(); // the window owns its region now
}
