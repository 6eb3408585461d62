// The operator's prompter: creation with the scroll timer, the two start operations, start
// and stop, the speed table, the scroll tick, navigation and the close sequence.
#include "MarquillCmdWnd.h"
#include "SecondPrompter.h"

#include <mmsystem.h>
#include <cstdio>

#include "PowerPointCtl.h"
#include "PromptFaults.h"
#include "PromptState.h"

int CMarquillCmdWnd::m_sDelay = 12;
int CMarquillCmdWnd::m_lastDelay = 0;

IMPLEMENT_DYNCREATE(CMarquillCmdWnd, CPromptBaseWnd)

// The base map's entries reach this class's overrides through the virtual handlers, so only
// the messages the base does not handle are listed here.
BEGIN_MESSAGE_MAP(CMarquillCmdWnd, CPromptBaseWnd)
    ON_WM_NCMOUSEMOVE()
    ON_MESSAGE(WM_PROMPTER_TICK, &CMarquillCmdWnd::OnMMTimer)
    ON_MESSAGE(WM_PROMPTER_MOUSE, &CMarquillCmdWnd::OnMMMouse)
    ON_MESSAGE(WM_PROMPTER_AUTOCONTINUE, &CMarquillCmdWnd::CloseAutoContinue)
END_MESSAGE_MAP()

namespace {

// The multimedia timer's callback: on the timer's thread it posts one tick at a time and
// wakes the line threads that have lines to draw, so that the tick itself never signals.
void CALLBACK TickProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    PromptTick& tick = PromptTickState();
    HWND target = tick.target;
    if (target && tick.armed.exchange(false))
        ::PostMessage(target, WM_PROMPTER_TICK, 0, 0);
    reinterpret_cast<CMarquillCmdWnd*>(user)->WakeLineWorkers();
}

} // namespace

CMarquillCmdWnd::CMarquillCmdWnd()
{
    m_bSpeedProgramming = FALSE;
    m_pSecond = nullptr;
    m_bCtrlPending = m_bStoreArmed = m_bPeriodArmed = FALSE;
    m_bRecentring = FALSE;
    m_nMouseMotionArmed = 0;
    m_speedKeys = DefaultSpeedTable();
    for (int i = 0; i < 9; ++i)
        m_speedDigit[i] = i;
    m_bRunning = FALSE;
    m_nScrollTimer = 0;
    m_bReversed = FALSE;
    m_bCountDownFinished = TRUE;
    m_nTicksMoved = 0;
    m_ptCentre = CPoint(0, 0);
}

CMarquillCmdWnd::~CMarquillCmdWnd()
{
    KillScrollTimer();
    delete m_pSecond;
    m_pSecond = nullptr;
}

int CMarquillCmdWnd::GetNextSpeed(bool up, int step) { return ::GetNextSpeed(up, step); }

CPromptBaseWnd* CMarquillCmdWnd::CreateSecondPrompter(CWnd* parent, CRect rect2)
{
    return NewSecondPrompter(this, parent, rect2); // SecondPrompter.cpp
}

// ---- creation -------------------------------------------------------------------------

int CMarquillCmdWnd::Create(CWnd* parent, CRect rect, WINTYPE type, int screens, CRect rect2)
{
    m_rcSecond = rect2;
    if (screens != 0) {
        m_nScreens = screens;
        m_pSecond = CreateSecondPrompter(parent, rect2);
        m_bMirrorImage = 0;
        if (screens > 1) {
            m_bMonoBitmap = 1;
            m_crText = 0xFFFFFF;
            m_crBack = 0;
            m_bReverseImage = 1;
        }
    }
    if (CPromptBaseWnd::Create(parent, rect, type))
        return 1;
    // The host deletes a prompter whose creation failed without closing it: the second
    // screen goes now, with its threads (its destructor stops them).
    delete m_pSecond;
    m_pSecond = nullptr;
    return 0;
}

int CMarquillCmdWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    PromptTickState().armed = true;
    if (CPromptBaseWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    NormalizeSpeedTable(m_speedKeys);
    const SpeedPair& entry = m_speedKeys[m_nDefaultSpeed];
    m_nStep = entry.first;
    if (!RestartTimer(entry.second))
        return FailCreate("its scroll timer could not be started.");
    // Speed changes compare against the period actually running.
    m_sDelay = entry.second;
    m_lastDelay = entry.second;
    HWND none = nullptr;
    PromptTickState().target.compare_exchange_strong(none, m_hWnd);

    if (m_nWinType != WINTYPE_WINDOW)
        ::SetWindowPos(m_hWnd, nullptr, lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->cx,
                       lpCreateStruct->cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    m_ptCentre = CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::ShowWindow(m_hWnd, SW_SHOW);
    m_nMouseMotionArmed = m_bMouseMotion;
    if (m_nWinType == WINTYPE_FULLSCREEN)
        HideCursor();
    return 0;
}

// ---- timer --------------------------------------------------------------------------------

bool CMarquillCmdWnd::RestartTimer(int period)
{
    KillScrollTimer();
    if (period < 1)
        period = 1;
    if (!PrompterFaultIs(PromptFault::Timer))
        m_nScrollTimer =
            timeSetEvent(UINT(period), UINT(period), TickProc, DWORD_PTR(this),
                         TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    return m_nScrollTimer != 0;
}

void CMarquillCmdWnd::WakeLineWorkers()
{
    WakeLineWork();
    // The second screen exists from before the timer starts until after it is killed.
    if (m_pSecond)
        m_pSecond->WakeLineWork();
}

void CMarquillCmdWnd::KillScrollTimer()
{
    if (m_nScrollTimer) {
        timeKillEvent(m_nScrollTimer);
        m_nScrollTimer = 0;
    }
}

LRESULT CMarquillCmdWnd::OnMMTimer(WPARAM, LPARAM)
{
    // The one-shot flag keeps at most one tick in flight: no look at the queue is needed.
    if (m_bRunning) {
        if (m_bReversed) {
            if (m_bAtTop)
                return 0;
            m_nCurrentCy -= m_nStep;
            m_bAtBottom = FALSE;
        } else {
            if (m_bAtBottom)
                return 0;
            m_nCurrentCy += m_nStep;
            m_bAtTop = FALSE;
        }
        ++m_nTicksMoved;
        ScrollNow();
    }
    PromptTickState().armed = true;
    return 0;
}

void CMarquillCmdWnd::ScrollNow()
{
    if (SecondAlive()) {
        bool top = m_bAtTop != 0, bottom = m_bAtBottom != 0;
        m_pSecond->m_bAtTop = m_bAtTop;
        m_pSecond->m_bAtBottom = m_bAtBottom;
        if (m_bReversed)
            m_pSecond->m_nCurrentCy -= m_nStep;
        else
            m_pSecond->m_nCurrentCy += m_nStep;
        m_pSecond->ScrollNow(m_nStep, m_bReversed != 0, m_pSecond->m_nCurrentCy, top, bottom);
    }
    bool atTop = m_bAtTop != 0, atBottom = m_bAtBottom != 0;
    // The position is the member itself: painting during the scroll reads it.
    CPromptBaseWnd::ScrollNow(m_nStep, m_bReversed != 0, m_nCurrentCy, atTop, atBottom);
    m_bAtTop = atTop;
    m_bAtBottom = atBottom;
}

void CMarquillCmdWnd::OnTimer(UINT, LPARAM) { }

LRESULT CMarquillCmdWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Wheel and Alt chords (OperatorInput.cpp).
    if (OperatorMessage(message, wParam, lParam))
        return 0;
    LRESULT result = CPromptBaseWnd::WindowProc(message, wParam, lParam);
    // Another tick may come once the window has nothing else pending.
    if (message != WM_PROMPTER_TICK && message != WM_PAINT && !GetInputState())
        PromptTickState().armed = true;
    return result;
}

BOOL CMarquillCmdWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SIZING || pMsg->message == WM_MOVING)
        return TRUE;
    return CPromptBaseWnd::PreTranslateMessage(pMsg);
}

// ---- speeds, start and stop -----------------------------------------------------------

void CMarquillCmdWnd::ChangeSpeed(std::pair<int, int> speed)
{
    m_nStep = speed.first >= 1 ? speed.first : 1;
    if (speed.second != m_sDelay && speed.second >= 1) {
        RestartTimer(speed.second);
        m_sDelay = speed.second;
        m_lastDelay = speed.second;
    }
    m_bRunning = TRUE;
    if (m_bStopWatch) {
        SWClockStart();
        if (SecondAlive())
            m_pSecond->SWClockStart();
    }
}

void CMarquillCmdWnd::ChangeSpeed(int step)
{
    if (step >= 0) {
        if (m_lastDelay != m_sDelay) {
            RestartTimer(m_sDelay);
            m_lastDelay = m_sDelay;
        }
        m_nStep = step >= 1 ? step : 1;
    }
    m_bRunning = TRUE;
}

void CMarquillCmdWnd::StartStop(bool stop)
{
    if (!stop && !m_bRunning) {
        ChangeSpeed(m_speedKeys[ClampSpeedEntry(m_nDefaultSpeed)]);
        m_bRunning = TRUE;
        if (m_nWinType == WINTYPE_WINDOW && m_nScreens < 2)
            HideCursor();
        if (m_bStopWatch) {
            SWClockStart();
            if (SecondAlive())
                m_pSecond->SWClockStart();
        }
    } else if (stop && m_bRunning) {
        KillClocks();
        m_bRunning = FALSE;
        m_bReversed = FALSE;
        if (m_nWinType == WINTYPE_WINDOW)
            ShowCursorAgain();
        if (m_bStopWatch && !m_bStopWatchContinuous) {
            SWClockStop();
            if (SecondAlive())
                m_pSecond->SWClockStop();
        }
    }
}

LRESULT CMarquillCmdWnd::CloseAutoContinue(WPARAM, LPARAM)
{
    KillClocks();
    StartStop(m_bRunning != 0);
    return 1;
}

// ---- start operations ---------------------------------------------------------------------

void CMarquillCmdWnd::ParkCursor() { ::SetCursorPos(m_ptCentre.x, m_ptCentre.y); }

// With slide shows on, the presentation's window is placed before the first instruction.
void CMarquillCmdWnd::QueueSlideShowPlacement()
{
    if (!m_bPowerPointOn)
        return;
    qelstring text;
    if (m_nDefaultScreen == 0)
        text.Format("1::%d::%d::%d::%d", m_nPPX, m_nPPY, m_nPPCx, m_nPPCy);
    QueueInstruction(PP_PLACEMENT, text);
}

void CMarquillCmdWnd::OnPromptNow(int record, int paragraph)
{
    QueueSlideShowPlacement();
    SetupInitialScript(record);
    if (paragraph == 0) {
        m_bAtTop = TRUE;
        m_posPrompter = m_lstParagraphs.GetHeadPosition();
    } else {
        InitializePrompterParagraphPosition(paragraph);
    }
    BuildPrompterBitMapList();
    BuildOffStageBitmap(m_posPrompter);
    m_nTopParagraph = paragraph;
    ParkCursor();
    Invalidate(TRUE);
    UpdateWindow();
    if (SecondAlive())
        m_pSecond->OnPromptNow(record, paragraph);
    if (m_nAutoStartMode != 0) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 2500) {
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 2500 - (GetTickCount() - start),
                                          QS_SENDMESSAGE) == WAIT_OBJECT_0) {
                MSG msg;
                PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
        }
        StartStop(false);
    }
}

void CMarquillCmdWnd::OnPromptShow(int row)
{
    QueueSlideShowPlacement();
    const int start = BuildPrmptRecordList(row, m_pRecordList);
    SetupInitialScripts(start);
    if (m_posPrompter == m_lstParagraphs.GetHeadPosition())
        m_bAtTop = TRUE;
    BuildPrompterBitMapList();
    BuildOffStageBitmap(m_posPrompter);
    ParkCursor();
    Invalidate(TRUE);
    UpdateWindow();
    if (SecondAlive())
        m_pSecond->OnPromptShow(row);
}

// ---- navigation -------------------------------------------------------------------------------

void CMarquillCmdWnd::GoToTopOfScript()
{
    StartStop(true);
    NavigateTopOfScript();
    if (SecondAlive())
        m_pSecond->NavigateTopOfScript();
}

void CMarquillCmdWnd::GoToBottomOfScript()
{
    StartStop(true);
    NavigateBottomOfScript();
    if (SecondAlive())
        m_pSecond->NavigateBottomOfScript();
}

void CMarquillCmdWnd::GoToPrevScript()
{
    StartStop(true);
    NavigatePrevScript();
    if (SecondAlive())
        m_pSecond->NavigatePrevScript();
}

void CMarquillCmdWnd::GoToNextScript()
{
    StartStop(true);
    NavigateNextScript();
    if (SecondAlive())
        m_pSecond->NavigateNextScript();
}

long CMarquillCmdWnd::GoToNextBkMk()
{
    StartStop(true);
    const int number = NavigateNextBkMk();
    if (SecondAlive())
        m_pSecond->NavigateToNumber(number);
    return number;
}

long CMarquillCmdWnd::GoToPrevBkMk()
{
    StartStop(true);
    const int number = NavigatePrevBkMk();
    if (SecondAlive())
        m_pSecond->NavigateToNumber(number);
    return number;
}

// ---- keys and mouse -----------------------------------------------------------------------

void CMarquillCmdWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    SpeedProgrammingKey(nChar);
    if (m_nAutoStartMode == 2 && nChar != VK_ESCAPE)
        return;
    bool kill = true;
    switch (nChar) {
    case VK_ESCAPE:
    case 'Q':
        ::PostMessage(m_hWnd, WM_CLOSE, 0, 0);
        if (SecondAlive())
            m_pSecond->CloseWindow();
        break;
    case '0':
    case VK_NUMPAD0:
        StartStop(m_bRunning != 0);
        break;
    case VK_ADD:
        if (m_bPeriodArmed && m_sDelay > 1) {
            --m_sDelay;
            ChangeSpeed(m_nStep);
        } else {
            ChangeSpeed(m_nStep + 1);
        }
        break;
    case VK_SUBTRACT:
        if (m_bPeriodArmed) {
            ++m_sDelay;
            ChangeSpeed(m_nStep);
        } else {
            ChangeSpeed(m_nStep - 1 >= 1 ? m_nStep - 1 : 1);
        }
        break;
    case VK_DECIMAL:
        m_bReversed = TRUE;
        break;
    case VK_HOME:
    case 'H':
        GoToTopOfScript();
        break;
    case VK_END:
    case 'E':
        GoToBottomOfScript();
        break;
    case 'N':
    case VK_F12:
        GoToNextScript();
        break;
    case 'P':
    case VK_F11:
        GoToPrevScript();
        break;
    case VK_F7:
        kill = m_bBookmarks != 0;
        if (m_bBookmarks)
            GoToPrevBkMk();
        break;
    case VK_F8:
        kill = m_bBookmarks != 0;
        if (m_bBookmarks)
            GoToNextBkMk();
        break;
    default:
        if ((nChar >= '1' && nChar <= '9') || (nChar >= VK_NUMPAD1 && nChar <= VK_NUMPAD9)) {
            const int digit = nChar >= VK_NUMPAD1 ? int(nChar - VK_NUMPAD1) : int(nChar - '1');
            SpeedPair& entry = m_speedKeys[m_speedDigit[digit]];
            if (m_bStoreArmed || m_bPeriodArmed) {
                entry = SpeedPair(m_nStep, m_sDelay);
                m_bCtrlPending = m_bStoreArmed = m_bPeriodArmed = FALSE;
            }
            ChangeSpeed(entry);
        } else {
            ClockKey(nChar);
            kill = false;
        }
        break;
    }
    if (kill)
        KillClocks();
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMarquillCmdWnd::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DECIMAL)
        m_bReversed = FALSE;
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CMarquillCmdWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nAutoStartMode == 2)
        return;
    KillClocks();
    StartStop(m_bRunning != 0);
    CWnd::OnLButtonDown(nFlags, point);
}

void CMarquillCmdWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_nAutoStartMode == 2)
        return;
    m_bReversed = TRUE;
    CWnd::OnRButtonDown(nFlags, point);
}

void CMarquillCmdWnd::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (m_nAutoStartMode == 2)
        return;
    m_bReversed = FALSE;
    Invalidate(FALSE);
    if (SecondAlive())
        m_pSecond->Invalidate(FALSE);
    CWnd::OnRButtonUp(nFlags, point);
}

void CMarquillCmdWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    MouseMotion(point);
    CWnd::OnMouseMove(nFlags, point);
}

void CMarquillCmdWnd::OnNcMouseMove(UINT, CPoint) { ParkCursor(); }

LRESULT CMarquillCmdWnd::OnMMMouse(WPARAM, LPARAM)
{
    ParkCursor();
    return 1;
}

// ---- close --------------------------------------------------------------------------------

void CMarquillCmdWnd::OnClose()
{
    if (m_bClosed)
        return;
    m_bSpeedProgramming = FALSE;
    m_bCtrlPending = m_bStoreArmed = m_bPeriodArmed = FALSE;
    // The timer goes first: nothing it reaches may be freed while it can still fire.
    KillScrollTimer();
    m_bRunning = FALSE;
    HWND self = m_hWnd;
    PromptTickState().target.compare_exchange_strong(self, nullptr);
    m_sDelay = 12;
    m_lastDelay = 0;

    ShutDown(true);
    m_hWndFirst = nullptr;
    if (m_pSecond) {
        m_pSecond->CloseWindow();
        delete m_pSecond;
        m_pSecond = nullptr;
    }
    FinishClose();
}
