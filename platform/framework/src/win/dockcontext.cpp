// CDockContext: dragging a control bar to another side of its frame or off it (to float),
// by the mouse captured on the bar; the outline of where it would land is drawn on the
// screen with an inverting pattern, so a second draw erases it.
#include "fw/win.h"

namespace {

const UINT kDockBarIDs[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                            AFX_IDW_DOCKBAR_RIGHT};
const DWORD kDockBarAligns[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT,
                                CBRS_ALIGN_RIGHT};
const int kDockZone = 12; // how far past an empty side the pointer still docks there

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(nullptr), m_uMRUDockID(0), m_dwOverDockStyle(0), m_bDragging(FALSE),
      m_bFlip(FALSE), m_bRectDrawn(FALSE)
{
    m_ptLast = CPoint(0, 0);
    m_ptMRUFloatPos = CPoint(CW_USEDEFAULT, CW_USEDEFAULT);
    m_rectLast.SetRectEmpty();
    m_rectMRUDockPos.SetRectEmpty();
}

CDockContext::~CDockContext() = default;

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr || m_bDragging)
        return;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;

    // The outlines for each orientation, keeping the pointer where it is on the bar.
    CSize sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    CSize sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
    CSize sizeFloat = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
        ? m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
        : m_pBar->CalcFixedLayout(FALSE, TRUE);
    sizeHorz.cx = std::min(sizeHorz.cx, 4096L);
    sizeVert.cy = std::min(sizeVert.cy, 4096L);
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    CRect rectFloat(CPoint(0, 0), sizeFloat);
    ::AdjustWindowRectEx(&rectFloat, WS_POPUP | WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), rectFloat.Size());
    if (m_pBar->IsFloating()) {
        CWnd* pFrame = m_pBar->GetDockingFrame();
        if (pFrame != nullptr)
            pFrame->GetWindowRect(&m_rectFrameDragHorz);
    }

    m_bDragging = TRUE;
    m_bRectDrawn = FALSE;
    m_pBar->SetCapture();
    Move(pt);
}

UINT CDockContext::HitTestDock(CPoint pt, CRect& rect) const
{
    CPoint offset = pt - m_ptLast;
    (void)offset;
    if (!m_bFlip && m_pDockSite != nullptr) {
        for (int i = 0; i < 4; i++) {
            if (!(m_pBar->m_dwDockStyle & kDockBarAligns[i]) ||
                !(m_pDockSite->m_dwDockStyle & kDockBarAligns[i]))
                continue;
            CControlBar* pDockBar = m_pDockSite->GetControlBar(kDockBarIDs[i]);
            if (pDockBar == nullptr || pDockBar->m_hWnd == nullptr)
                continue;
            // The side's zone: the dock bar, widened into the frame by a margin (an
            // empty dock bar has no thickness of its own).
            CRect zone;
            pDockBar->GetWindowRect(&zone);
            BOOL bHorz = i < 2;
            CRect drag = bHorz ? m_rectDragHorz : m_rectDragVert;
            int nMargin = std::max(kDockZone, (int)(bHorz ? drag.Height() : drag.Width()) / 2);
            switch (i) {
            case 0:
                zone.top -= kDockZone;
                zone.bottom += nMargin;
                break;
            case 1:
                zone.top -= nMargin;
                zone.bottom += kDockZone;
                break;
            case 2:
                zone.left -= kDockZone;
                zone.right += nMargin;
                break;
            default:
                zone.left -= nMargin;
                zone.right += kDockZone;
                break;
            }
            if (zone.PtInRect(pt)) {
                rect = drag;
                return kDockBarIDs[i];
            }
        }
    }
    rect = m_rectFrameDragHorz;
    return AFX_IDW_DOCKBAR_FLOAT;
}

void CDockContext::Move(CPoint pt)
{
    if (!m_bDragging)
        return;
    CPoint offset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_ptLast = pt;
    m_bFlip = ::GetKeyState(VK_CONTROL) < 0;
    CRect rect;
    UINT nID = HitTestDock(pt, rect);
    m_dwOverDockStyle = nID == AFX_IDW_DOCKBAR_FLOAT ? 0 : CBRS_ALIGN_ANY;
    if (rect != m_rectLast || !m_bRectDrawn) {
        DrawFocusRect(TRUE);
        m_rectLast = rect;
        DrawFocusRect(FALSE);
    }
}

void CDockContext::EndDrag(BOOL bCancel)
{
    if (!m_bDragging)
        return;
    m_bDragging = FALSE; // first: releasing the capture comes back here
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (bCancel || m_pDockSite == nullptr)
        return;

    CRect rect;
    UINT nID = HitTestDock(m_ptLast, rect);
    if (nID == AFX_IDW_DOCKBAR_FLOAT) {
        if (m_pBar->m_pDockBar != nullptr && !m_pBar->IsFloating()) {
            m_uMRUDockID = m_pBar->m_pDockBar->GetDlgCtrlID();
            m_pBar->GetWindowRect(&m_rectMRUDockPos);
        }
        m_ptMRUFloatPos = rect.TopLeft();
        DWORD dwAlign = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
        if (!(dwAlign & CBRS_ORIENT_HORZ))
            dwAlign = CBRS_ALIGN_TOP;
        m_pDockSite->FloatControlBar(m_pBar, rect.TopLeft(), dwAlign);
    } else {
        if (m_pBar->IsFloating())
            m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
        m_pDockSite->DockControlBar(m_pBar, nID, &rect);
    }
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        CRect rectFrame;
        m_pBar->GetDockingFrame()->GetWindowRect(&rectFrame);
        m_ptMRUFloatPos = rectFrame.TopLeft();
        UINT nID = m_uMRUDockID;
        if (nID == 0) {
            // Never docked: the first side the bar may take.
            for (int i = 0; i < 4 && nID == 0; i++)
                if ((m_pBar->m_dwDockStyle & kDockBarAligns[i]) &&
                    m_pDockSite->GetControlBar(kDockBarIDs[i]) != nullptr)
                    nID = kDockBarIDs[i];
        }
        if (nID != 0)
            m_pDockSite->DockControlBar(
                m_pBar, nID, m_rectMRUDockPos.IsRectEmpty() ? nullptr : &m_rectMRUDockPos);
    } else {
        if (m_pBar->m_pDockBar != nullptr) {
            m_uMRUDockID = m_pBar->m_pDockBar->GetDlgCtrlID();
            m_pBar->GetWindowRect(&m_rectMRUDockPos);
        }
        CPoint pt = m_ptMRUFloatPos;
        if (pt.x == CW_USEDEFAULT) {
            CRect rect;
            m_pBar->GetWindowRect(&rect);
            pt = rect.TopLeft() + CSize(16, 16);
        }
        DWORD dwAlign = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
        if (!(dwAlign & CBRS_ORIENT_HORZ))
            dwAlign = CBRS_ALIGN_TOP;
        m_pDockSite->FloatControlBar(m_pBar, pt, dwAlign);
    }
}

void CDockContext::DrawFocusRect(BOOL bRemove)
{
    if (bRemove && !m_bRectDrawn)
        return;
    if (!bRemove && m_bRectDrawn)
        return;
    // Drawn on the whole screen; inverting, so drawing it again takes it away.
    HDC hDC = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return;
    WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CGdiHandle<HBITMAP> hbm(::CreateBitmap(8, 8, 1, 1, pattern));
    CGdiHandle<HBRUSH> hbr(::CreatePatternBrush(hbm.Get()));
    {
        CGdiSelection select(hDC, hbr.Get());
        const CRect& r = m_rectLast;
        const int n = 3;
        ::PatBlt(hDC, r.left, r.top, r.Width(), n, PATINVERT);
        ::PatBlt(hDC, r.left, r.bottom - n, r.Width(), n, PATINVERT);
        ::PatBlt(hDC, r.left, r.top + n, n, r.Height() - 2 * n, PATINVERT);
        ::PatBlt(hDC, r.right - n, r.top + n, n, r.Height() - 2 * n, PATINVERT);
    }
    ::ReleaseDC(nullptr, hDC);
    m_bRectDrawn = !bRemove;
}
