// The operator's keys and mouse beyond the command table of MarquillCmdWnd.cpp: speed
// programming, the Alt chords, the countdown clock's keys, mouse motion and the wheel.
#include "ClockWindows.h"
#include "MarquillCmdWnd.h"
#include "PrompterOperator.h"

namespace {
// Bit 29 of a key message's data: Alt was held.
const UINT kAltHeld = 1u << 29;
const int kMotionDeadZone = 30;
const int kMaxStep = 50;
} // namespace

bool CMarquillCmdWnd::SpeedProgrammingKey(UINT nChar)
{
    if (!m_bSpeedProgramming)
        return false;
    if (nChar == VK_CONTROL) {
        // Ctrl twice arms the store; a digit then stores the current speed.
        if (m_bCtrlPending)
            m_bStoreArmed = TRUE;
        m_bCtrlPending = TRUE;
        return true;
    }
    if (!m_bStoreArmed)
        m_bCtrlPending = FALSE;
    return false;
}

bool CMarquillCmdWnd::ClockKey(UINT nChar)
{
    UINT message = 0;
    switch (nChar) {
    case VK_UP:
    case 'W':
        message = WM_CLOCK_UP;
        break;
    case VK_DOWN:
    case 'S':
        message = WM_CLOCK_DOWN;
        break;
    case VK_LEFT:
    case 'A':
        message = WM_CLOCK_LEFT;
        break;
    case VK_RIGHT:
    case 'D':
        message = WM_CLOCK_RIGHT;
        break;
    case 'C':
    case VK_OEM_PERIOD:
        message = WM_CLOCK_C;
        break;
    case 'Z':
    case VK_OEM_COMMA:
        message = WM_CLOCK_Z;
        break;
    default:
        return false;
    }
    // Only a countdown that is shown gets them.
    if (CCountDownClock* clock = OperatorCountDown(this))
        ::PostMessage(clock->GetSafeHwnd(), message, 0, 0);
    return true;
}

int CMarquillCmdWnd::SysKeyDown(UINT nChar, LPARAM keyData)
{
    if (m_nAutoStartMode == 2 || !(keyData & kAltHeld))
        return 0;
    if (nChar == VK_DELETE || nChar == VK_DECIMAL) {
        if (m_bRunning) {
            // Alt+Del latches the direction until pressed again (or the start marker).
            m_bReversed = !m_bReversed;
            KillClocks();
        } else {
            m_bReversed = FALSE;
        }
    }
    return 0;
}

int CMarquillCmdWnd::SysKeyUp(UINT, LPARAM) { return 0; }

int CMarquillCmdWnd::SysChar(UINT nChar, LPARAM)
{
    if (nChar == 'A' || nChar == 'a') {
        if (m_bSpeedProgramming) {
            m_bStoreArmed = TRUE;
            m_bCtrlPending = TRUE;
        }
        return 1;
    }
    if (nChar == 'S' || nChar == 's') {
        if (m_bSpeedProgramming) {
            m_bPeriodArmed = TRUE;
            m_bCtrlPending = TRUE;
        }
        return 1;
    }
    return 0;
}

void CMarquillCmdWnd::MouseMotion(CPoint point)
{
    if (m_nAutoStartMode == 2)
        return;
    if (!m_bRunning || m_bRecentring) {
        // The echo of our own cursor warp, or nothing to steer.
        m_bRecentring = FALSE;
        return;
    }
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int h = client.bottom / 2, w = client.right / 2;
    const bool forwards = !m_bReversed;
    if (point.y < h - kMotionDeadZone) {
        if (m_nMouseMotionArmed) {
            if (forwards && m_nStep < kMaxStep)
                ++m_nStep;
            else if (!forwards && m_nStep >= 2)
                --m_nStep;
        }
        ParkCursor();
        m_bRecentring = TRUE;
    } else if (point.y > h + kMotionDeadZone) {
        if (m_nMouseMotionArmed) {
            if (forwards && m_nStep >= 2)
                --m_nStep;
            else if (!forwards && m_nStep < kMaxStep)
                ++m_nStep;
        }
        ParkCursor();
        m_bRecentring = TRUE;
    } else if (point.x < w - kMotionDeadZone || point.x > w + kMotionDeadZone) {
        ParkCursor();
    }
}

void CMarquillCmdWnd::MouseWheel(WPARAM wParam)
{
    if (m_nAutoStartMode == 2 || !m_bRunning)
        return;
    if ((int)(INT32)wParam >= 1)
        ChangeSpeed(m_nStep + 1);
    else
        ChangeSpeed(m_nStep - 1);
    ParkCursor();
}

void CMarquillCmdWnd::StartClock(CTimeSpan length, bool showLtHy)
{
    OperatorStartClock(this, length, showLtHy);
}

bool CMarquillCmdWnd::OperatorMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEWHEEL:
        MouseWheel(wParam);
        return false;
    case WM_SYSKEYDOWN:
        return SysKeyDown((UINT)wParam, lParam) != 0;
    case WM_SYSKEYUP:
        return SysKeyUp((UINT)wParam, lParam) != 0;
    case WM_SYSCHAR:
        return SysChar((UINT)wParam, lParam) != 0;
    }
    return false;
}

CPromptBaseWnd* CMarquillCmdWnd::SecondAlive() const
{
    if (m_pSecond && !m_pSecond->m_bClosed && ::IsWindow(m_pSecond->m_hWnd))
        return m_pSecond;
    return nullptr;
}
