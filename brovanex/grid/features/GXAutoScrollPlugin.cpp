#include "features/GXAutoScrollPlugin.h"
#include "core/GXGridCore.h"
#include "features/GXFeatureSwitches.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXAutoScrollPlugin, CGXPluginComponent)

namespace {
const UINT_PTR kAutoScrollTimer = 992;
const int kStartInterval = 80;
const int kMaxSpeed = 80;
} // namespace

void GXImplementAutoScroll(CGXGridCore* pGrid)
{
    if (pGrid->GetFeature(gxSlotAutoScroll) != nullptr)
        return;
    auto* pPlugin = new CGXAutoScrollPlugin(pGrid);
    pGrid->SetFeature(gxSlotAutoScroll, pPlugin);
    pGrid->AddPlugin(pPlugin); // the plug-in list owns it from here
}

BEGIN_MESSAGE_MAP(CGXAutoScrollPlugin, CGXPluginComponent)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_KEYUP()
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGXAutoScrollPlugin::CGXAutoScrollPlugin(CGXGridCore* pGrid) : m_pGrid(pGrid) { }

DWORD CGXAutoScrollPlugin::Now() const { return m_fnClock ? m_fnClock() : ::GetTickCount(); }

CPoint CGXAutoScrollPlugin::CursorPos() const
{
    if (m_fnCursor)
        return m_fnCursor();
    if (m_bSawMouse)
        return m_ptLastMouse;
    CPoint pt;
    ::GetCursorPos(&pt);
    if (m_hWnd != nullptr)
        ::ScreenToClient(m_hWnd, &pt);
    return pt;
}

LPARAM CGXAutoScrollPlugin::MouseLParam(CPoint pt)
{
    return MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
}

void CGXAutoScrollPlugin::SendMouseMove(CPoint pt)
{
    // Only a scroll that follows the mouse lets the mouse's target follow the cells.
    if (m_nDirection != 0 || m_bKeyMode || m_hWnd == nullptr)
        return;
    ::SendMessage(m_hWnd, WM_MOUSEMOVE, 0, MouseLParam(pt));
}

BOOL CGXAutoScrollPlugin::Scroll(int nDirection, int nCount)
{
    const ROWCOL nTop = m_pGrid->GetTopRow(), nLeft = m_pGrid->GetLeftCol();
    m_pGrid->ScrollWithHint(nDirection, (ROWCOL)std::max(1, nCount), GX_UPDATENOW, TRUE);
    return m_pGrid->GetTopRow() != nTop || m_pGrid->GetLeftCol() != nLeft;
}

void CGXAutoScrollPlugin::Stop()
{
    if (m_nTimerId != 0 && m_hWnd != nullptr)
        ::KillTimer(m_hWnd, m_nTimerId);
    m_nTimerId = 0;
    m_pGrid->m_nAutoScrollDirection = 0;
    m_pGrid->m_bAutoScrollKeyMode = FALSE;
    m_pGrid->m_bAutoScrollRequest = FALSE;
    m_pGrid->m_bAutoScrollStop = TRUE;
}

void CGXAutoScrollPlugin::Step()
{
    CGXGridCore& grid = *m_pGrid;
    if (grid.m_bAutoScrollStop) {
        Stop();
        return;
    }
    if (grid.m_bAutoScrollRequest) {
        grid.m_bAutoScrollRequest = FALSE;
        m_bVertical = (grid.m_nAutoScrollAxes & 1) != 0;
        m_bHorizontal = (grid.m_nAutoScrollAxes & 2) != 0;
        m_nDirection = grid.m_nAutoScrollDirection >= 1 && grid.m_nAutoScrollDirection <= 4
            ? grid.m_nAutoScrollDirection
            : 0;
        m_bKeyMode = grid.m_bAutoScrollKeyMode;
        m_nKey = grid.m_nAutoScrollKey;
        m_nKeyHigh = grid.m_nAutoScrollKeyHigh;
        m_nTimerId = kAutoScrollTimer;
        m_rectArea = grid.GetGridRect();
        m_rectArea.top += grid.SumRowHeights(0, grid.GetFrozenRowCount(), m_rectArea.Height());
        m_rectArea.left += grid.SumColWidths(0, grid.GetFrozenColCount(), m_rectArea.Width());
        m_dwStart = Now();
        m_ptStart = CursorPos();
        m_dwLastStep = 0;
        m_nLastDistance = 0;
        m_nInterval = kStartInterval;
        m_nIdleResend = kStartInterval;
        m_nSpeed = 1;
    }
    if (m_nTimerId == 0)
        return; // not running: a tick left over from an earlier run

    const DWORD dwNow = Now();
    const CPoint pt = CursorPos();
    if (dwNow - m_dwLastStep <= (DWORD)m_nInterval) {
        if (std::abs(pt.x - m_ptStart.x) + std::abs(pt.y - m_ptStart.y) > 5) {
            SendMouseMove(pt);
            m_nIdleResend = 100;
        } else if (dwNow - m_dwLastStep > (DWORD)std::max(0, m_nIdleResend)) {
            SendMouseMove(pt);
            m_nIdleResend -= 3;
        }
        return;
    }
    m_dwLastStep = dwNow;

    int nDistance = 0, nDivisor = 1;
    const int nCount = std::max(1, m_nSpeed / 10);
    if (m_bKeyMode) {
        if (m_nInterval < 40 && m_hWnd != nullptr)
            ::SendMessage(m_hWnd, WM_KEYDOWN, m_nKey,
                          MAKELPARAM((WORD)std::max(1, m_nSpeed / 5), (WORD)m_nKeyHigh));
        nDistance = 8;
    } else if (m_nDirection == 0) {
        BOOL bScrolled = FALSE;
        if (m_bVertical) {
            nDivisor = 5;
            int nDir = 0;
            if (pt.y < m_rectArea.top) {
                nDir = 1;
                nDistance = m_rectArea.top - pt.y;
            } else if (pt.y > m_rectArea.bottom) {
                nDir = 3;
                nDistance = pt.y - m_rectArea.bottom;
            }
            bScrolled = nDir != 0 && Scroll(nDir, nCount);
        }
        if (!bScrolled && m_bHorizontal) {
            nDivisor = 10;
            nDistance = 0;
            int nDir = 0;
            if (pt.x < m_rectArea.left) {
                nDir = 2;
                nDistance = m_rectArea.left - pt.x;
            } else if (pt.x > m_rectArea.right) {
                nDir = 4;
                nDistance = pt.x - m_rectArea.right;
            }
            bScrolled = nDir != 0 && Scroll(nDir, nCount);
        }
        if (!bScrolled) {
            m_nInterval = kStartInterval;
            m_nSpeed = 1;
            m_nLastDistance = nDistance;
            SendMouseMove(pt);
            return;
        }
    } else {
        if (m_nInterval < 40)
            Scroll(m_nDirection, nCount);
        nDistance = 2;
    }

    // Closer to the grid starts slow again; farther away (or still held) speeds up.
    if (nDistance < m_nLastDistance) {
        m_nInterval = kStartInterval;
        m_nSpeed = 1;
    } else if (nDistance > 1) {
        m_nInterval -= nDistance / nDivisor / 2;
        if (m_nInterval < 0) {
            m_nInterval = 0;
            m_nSpeed = std::min(kMaxSpeed, m_nSpeed + 2);
        }
    }
    m_nLastDistance = nDistance;
    SendMouseMove(pt);
}

void CGXAutoScrollPlugin::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoScrollTimer)
        return;
    Step();
    // The grid's own timer handling does not run as well. Set after the step: the messages
    // the step sends to the grid pass this plug-in too and clear its flags.
    m_bExitMessage = TRUE;
}

// Where the mouse is: the grid handles these messages too.
void CGXAutoScrollPlugin::OnMouseMove(UINT, CPoint point)
{
    m_bSawMouse = TRUE;
    m_ptLastMouse = point;
}
void CGXAutoScrollPlugin::OnLButtonDown(UINT nFlags, CPoint point) { OnMouseMove(nFlags, point); }
void CGXAutoScrollPlugin::OnMButtonDown(UINT nFlags, CPoint point) { OnMouseMove(nFlags, point); }
void CGXAutoScrollPlugin::OnRButtonDown(UINT nFlags, CPoint point) { OnMouseMove(nFlags, point); }

// The ends of a drag or of a held key: the grid handles each of these messages too.
void CGXAutoScrollPlugin::OnLButtonUp(UINT, CPoint) { Stop(); }
void CGXAutoScrollPlugin::OnMButtonUp(UINT, CPoint) { Stop(); }
void CGXAutoScrollPlugin::OnRButtonUp(UINT, CPoint) { Stop(); }
void CGXAutoScrollPlugin::OnKeyUp(UINT, UINT, UINT) { Stop(); }
void CGXAutoScrollPlugin::OnCancelMode() { Stop(); }

void CGXAutoScrollPlugin::OnKeyDown(UINT nChar, UINT, UINT)
{
    // A held key that the grid has just asked to repeat is not yet copied from its request.
    const UINT nKey = m_pGrid->m_bAutoScrollRequest ? m_pGrid->m_nAutoScrollKey : m_nKey;
    if (nChar == VK_ESCAPE || nChar != nKey)
        Stop();
}

void CGXAutoScrollPlugin::OnKillFocus(CWnd* pNewWnd)
{
    // The grid moving the focus into its current cell's window is no reason to stop.
    HWND hNew = pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr;
    if (hNew != nullptr && m_hWnd != nullptr && ::IsChild(m_hWnd, hNew))
        return;
    Stop();
}
