// The prompter a host creates: the scroll timer and speed table, start and stop, the
// commands that drive the display and the hand-over to the second screen.
#pragma once
#include "PromptBaseWnd.h"
#include "SpeedTable.h"

class SELVATRA_API CMarquillCmdWnd : public CPromptBaseWnd
{
    DECLARE_DYNCREATE(CMarquillCmdWnd)

public:
    CMarquillCmdWnd();
    virtual ~CMarquillCmdWnd();

    // Creates the prompter (and, with screens, the second prompter over rect2).
    int Create(CWnd* parent, CRect rect, WINTYPE type, int screens, CRect rect2);
    using CPromptBaseWnd::Create;

    void StartStop(bool stop) override;
    LRESULT CloseAutoContinue(WPARAM, LPARAM) override;
    void OnPromptNow(int record, int paragraph) override;
    void OnPromptShow(int row) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Speeds.
    void ChangeSpeed(std::pair<int, int> speed);
    void ChangeSpeed(int step);
    static int GetNextSpeed(bool up, int step);

    // The scroll tick (message 0x464) and one step of scrolling.
    LRESULT OnMMTimer(WPARAM, LPARAM);
    // What the scroll timer does besides posting the tick: wakes the line threads of both
    // screens when they have lines to draw. A harness that drives the ticks itself calls it
    // once per period, as the timer would.
    void WakeLineWorkers();
    void ScrollNow();
    // Exported; not bound to WM_TIMER.
    void OnTimer(UINT, LPARAM);

    // Navigation (each stops scrolling first and is mirrored to the second prompter).
    void GoToTopOfScript();
    void GoToBottomOfScript();
    void GoToPrevScript();
    void GoToNextScript();
    long GoToNextBkMk();
    long GoToPrevBkMk();

    // Operator input beyond the command table (OperatorInput.cpp).
    bool SpeedProgrammingKey(UINT nChar);
    bool ClockKey(UINT nChar);
    int SysKeyDown(UINT nChar, LPARAM keyData);
    int SysKeyUp(UINT nChar, LPARAM keyData);
    int SysChar(UINT nChar, LPARAM keyData);
    void MouseMotion(CPoint point);
    void MouseWheel(WPARAM wParam);
    // True when the message was consumed.
    bool OperatorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The countdown clock (PrompterOperator.cpp).
    void StartClock(CTimeSpan length, bool showLtHy) override;
    // The second prompter while it is open (a closed one is no longer mirrored into).
    CPromptBaseWnd* SecondAlive() const;

    // Settings of this class.
    BYTE m_bSpeedProgramming;
    SpeedTable m_speedKeys;
    int m_speedDigit[9]; // speed-table entry of digit keys 1 to 9

    CPromptBaseWnd* m_pSecond; // the second prompter, or null
    CPoint m_ptCentre; // cursor parking point (screen coordinates)

    // Speed-programming key state: Ctrl pending, store armed, period programming armed.
    BYTE m_bCtrlPending, m_bStoreArmed, m_bPeriodArmed;
    BYTE m_bRecentring;
    int m_nMouseMotionArmed;
    BYTE m_bCountDownFinished;

    // Ticks that moved the display (read by the benchmark).
    LONG m_nTicksMoved;

    static int m_sDelay; // the period that speed changes use
    static int m_lastDelay; // the period the timer was last restarted with by a step change

protected:
    // Hooks of the second screen: create it over rect2 with this window's settings.
    virtual CPromptBaseWnd* CreateSecondPrompter(CWnd* parent, CRect rect2);

    void OnNcMouseMove(UINT nHitTest, CPoint point);
    LRESULT OnMMMouse(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    bool RestartTimer(int period);
    void KillScrollTimer();
    void ParkCursor();
    void QueueSlideShowPlacement();
};
