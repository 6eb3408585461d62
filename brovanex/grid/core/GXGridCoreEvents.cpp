// CGXGridCore: the window messages the grid window and the grid view hand to the core.
// Here are the parts the drawing grid needs (sizes, scroll bars, colours, cursors and the
// plug-in dispatch); mouse selection, keyboard navigation and editing belong to the grid a
// person uses and answer "not handled" so that the window's default handling runs.
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXPluginComponent.h"
#include "core/GXSysColorCache.h"
#include "fw/ctrls.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include "fw/resource_chain.h"

void CGXGridCore::SelectGridCursor(UINT nCursorId, LPCTSTR pszSystemId)
{
    HCURSOR hCursor = m_hCursorDefault;
    if (nCursorId != 0) {
        if (nCursorId == m_nCursorIdLoaded && m_hCursorLoaded != nullptr) {
            hCursor = m_hCursorLoaded;
        } else {
            HCURSOR hLoaded = nullptr;
            if (HINSTANCE hInst =
                    AfxFindResourceHandle(MAKEINTRESOURCE(nCursorId), RT_GROUP_CURSOR))
                hLoaded = ::LoadCursor(hInst, MAKEINTRESOURCE(nCursorId));
            // The system cursors are shared and never destroyed.
            hCursor = hLoaded != nullptr ? hLoaded : ::LoadCursor(nullptr, pszSystemId);
            m_nCursorIdLoaded = nCursorId;
            m_hCursorLoaded = hCursor;
        }
    }
    m_hCursorLast = hCursor;
    ::SetCursor(hCursor);
}

// The grid is its frame's active view and the focus lies in that frame.
BOOL CGXGridCore::IsFrameActiveView()
{
    CFrameWnd* pFrame = m_pWindow != nullptr ? m_pWindow->GetParentFrame() : nullptr;
    if (pFrame == nullptr || pFrame->GetActiveView() != m_pWindow)
        return FALSE;
    const HWND hFocus = ::GetFocus();
    return hFocus != nullptr &&
        (hFocus == pFrame->GetSafeHwnd() || ::IsChild(pFrame->GetSafeHwnd(), hFocus));
}

void CGXGridCore::ChooseCursorAt(CPoint point)
{
    if (m_nOverrideCursorId != 0) {
        SelectGridCursor(m_nOverrideCursorId, IDC_ARROW);
        return;
    }
    if (m_bInView && m_pGridParam != nullptr && m_pGridParam->m_bActiveViewOnly &&
        !IsFrameActiveView()) {
        SelectGridCursor(0, IDC_ARROW);
        return;
    }
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = point.x < 0 ? gxHitNothing : HitTestPoint(point, &nRow, &nCol);
    const WORD wColMask = m_pGridParam != nullptr ? m_pGridParam->m_wColResizeFlags : 0;
    const WORD wRowMask = m_pGridParam != nullptr ? m_pGridParam->m_wRowResizeFlags : 0;
    switch (nHit) {
    case gxHitColEdge:
        if ((wColMask & 0x03) && CanUserResizeCols()) {
            SelectGridCursor(20190, IDC_SIZEWE);
            return;
        }
        break;
    case gxHitRowEdge:
        if ((wRowMask & 0x03) && CanUserResizeRows()) {
            SelectGridCursor(20191, IDC_SIZENS);
            return;
        }
        break;
    case gxHitHiddenColEdge:
        SelectGridCursor(20192, IDC_ARROW);
        return;
    case gxHitHiddenRowEdge:
        SelectGridCursor(20193, IDC_ARROW);
        return;
    case gxHitFrame:
        SelectGridCursor(20194, IDC_ARROW);
        return;
    case gxHitFillHandle:
        SelectGridCursor(20209, IDC_ARROW);
        return;
    case gxHitHeader:
        if (nRow <= GetHeaderRowCount() && nCol > GetHeaderColCount()) {
            SelectGridCursor(20195, IDC_ARROW);
            return;
        }
        if (nCol <= GetHeaderColCount() && nRow > GetHeaderRowCount()) {
            SelectGridCursor(20196, IDC_ARROW);
            return;
        }
        break;
    default:
        break;
    }
    SelectGridCursor(0, nullptr);
}

void CGXGridCore::SetOverrideCursor(UINT nCursorId)
{
    m_nOverrideCursorId = nCursorId;
    ChooseCursorAt(CPoint(-1, -1));
}

BOOL CGXGridCore::HandleSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest != HTCLIENT || m_pWindow == nullptr || !m_bInitialized)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    m_pWindow->ScreenToClient(&point);
    ChooseCursorAt(point);
    return TRUE;
}

void CGXGridCore::HandleShowWindow(BOOL bShow, UINT)
{
    if (bShow && m_bInitialized)
        RefreshScrollBars();
}
HBRUSH CGXGridCore::HandleCtlColor(CDC* pDC, CWnd* pWnd, UINT)
{
    // The current cell's window (its edit ...) takes the cell's colours.
    if (!m_bCurrentCellValid || pDC == nullptr || pWnd == nullptr || GetStylesMap() == nullptr)
        return nullptr;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl == nullptr || pControl->GetWnd() == nullptr ||
        pControl->GetWnd()->GetSafeHwnd() != pWnd->GetSafeHwnd())
        return nullptr;
    const CGXStyle& style = GetCachedCellStyle(m_nCurrentRow, m_nCurrentCol);
    const CGXBrush& brush = style.GetInterior();
    pDC->SetTextColor(ResolveTextColor(style));
    pDC->SetBkColor(brush.GetColor());
    CBrush* pBrush = FindOrMakeBrush(brush);
    return pBrush != nullptr ? (HBRUSH)pBrush->GetSafeHandle() : nullptr;
}
BOOL CGXGridCore::CloseGridPopup() { return FALSE; }
BOOL CGXGridCore::HandleCommand(WPARAM wParam, LPARAM lParam)
{
    // Notifications of the current cell's control window (EN_CHANGE ...) go to its control.
    CGXControl* pControl = m_bCurrentCellValid ? m_pCurrentCellControl : nullptr;
    return pControl != nullptr && pControl->OnCommand(wParam, lParam);
}
void CGXGridCore::HandleWinIniChange(LPCTSTR)
{
    FlushDrawingCaches();
    if (m_bInitialized) {
        MeasureBaseUnits();
        RedrawAll(GX_INVALIDATE);
    }
}
void CGXGridCore::HandleSysColorChange()
{
    GXGetSysColorCache().Refresh();
    FlushDrawingCaches();
    if (m_bInitialized)
        RedrawAll(GX_INVALIDATE);
}
UINT CGXGridCore::HandleGetDlgCode(UINT nDefault)
{
    return nDefault | DLGC_WANTARROWS | DLGC_WANTCHARS;
}

CScrollBar* CGXGridCore::GetGridScrollBarCtrl(int nBar) const
{
    if (m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
        return nullptr;
    const DWORD dwStyle = m_pWindow->GetStyle();
    if ((nBar == SB_VERT && (dwStyle & WS_VSCROLL)) || (nBar == SB_HORZ && (dwStyle & WS_HSCROLL)))
        return nullptr;
    CWnd* pParent = GetGridParentWindow();
    if (pParent == nullptr)
        return nullptr;
    CWnd* pBar = pParent->GetDlgItem(nBar == SB_VERT ? 0xEA10 : 0xEA00);
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CScrollBar))
        ? static_cast<CScrollBar*>(pBar)
        : nullptr;
}

BOOL CGXGridCore::DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (POSITION pos = m_plugins.GetHeadPosition(); pos != nullptr;) {
        CGXPluginComponent* pPlugin = static_cast<CGXPluginComponent*>(m_plugins.GetNext(pos));
        LRESULT lResult = 0;
        pPlugin->HandleMessage(message, wParam, lParam, &lResult);
        if (pPlugin->m_bExitMessage) {
            if (pResult != nullptr)
                *pResult = lResult;
            return TRUE;
        }
        if (pPlugin->m_bSkipOtherPlugins)
            break;
    }
    return FALSE;
}
