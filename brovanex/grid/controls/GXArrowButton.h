// The drawn buttons that repeat or show a glyph: CGXArrowButton repeats its click while it
// is held down (after 500 ms, then every 150 ms, speeding by 5 ms per repeat down to 50 ms),
// driven by a timer of the grid window as well as by mouse moves; the up and down arrows of
// the spin cell draw their arrows; the hot-spot button draws its glyph.
#pragma once
#include "controls/GXChild.h"

#include <functional>

class CGXArrowButton : public CGXButton
{
public:
    explicit CGXArrowButton(CGXControl* pComposite);
    ~CGXArrowButton() override;

    BOOL MouseMove(UINT nFlags, CPoint point) override;
    BOOL LButtonDown(UINT nFlags, CPoint point) override;
    BOOL LButtonUp(UINT nFlags, CPoint point) override;
    void OnCancelMode() override;

    // The clock of the repeats (milliseconds); GetTickCount unless a test sets another.
    void SetClock(std::function<DWORD()> clock) { m_clock = std::move(clock); }
    // One tick of the repeat timer: repeats the click when the delay has passed while the
    // button is held on it. The timer calls it; tests call it after moving their clock.
    void OnRepeatTimer();
    // The repeat timer runs (between a press and the release or cancel).
    BOOL IsRepeating() const { return m_nTimer != 0; }
    DWORD GetRepeatDelay() const { return m_dwDelay; }

    // The interval of the repeat timer's ticks (milliseconds).
    static const UINT s_nTimerInterval = 25;

protected:
    // Draws an arrow (bUp) glyph in the rectangle, as the up and down buttons show it.
    void DrawArrow(CDC* pDC, BOOL bActive, BOOL bUp);

private:
    void Repeat(CPoint point);
    void StartTimer();
    void StopTimer();
    static void CALLBACK TimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);

    DWORD m_dwLastRepeat;
    DWORD m_dwDelay;
    CPoint m_ptLast; // the pointer's last position over the grid window
    UINT_PTR m_nTimer;
    HWND m_hTimerWnd;
    std::function<DWORD()> m_clock;
};

class CGXUpArrowButton : public CGXArrowButton
{
public:
    explicit CGXUpArrowButton(CGXControl* pComposite) : CGXArrowButton(pComposite) { }
    void Draw(CDC* pDC, BOOL bActive) override { DrawArrow(pDC, bActive, TRUE); }
};

class CGXDownArrowButton : public CGXArrowButton
{
public:
    explicit CGXDownArrowButton(CGXControl* pComposite) : CGXArrowButton(pComposite) { }
    void Draw(CDC* pDC, BOOL bActive) override { DrawArrow(pDC, bActive, FALSE); }
};

class CGXHotSpotButton : public CGXButton
{
public:
    explicit CGXHotSpotButton(CGXControl* pComposite) : CGXButton(pComposite) { }
    void Draw(CDC* pDC, BOOL bActive) override;
};
