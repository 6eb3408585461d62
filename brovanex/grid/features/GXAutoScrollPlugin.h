// CGXAutoScrollPlugin: scrolls a grid while the mouse is held beyond its scrolling area (or a
// scrolling key is held), faster the longer and the farther it stays out. It sits on the
// grid's plug-in list, so it sees the grid window's messages first, and runs on the timer
// that CGXGridCore::StartAutoScroll sets (id 992); the mouse moves it sends let a selection
// or a drag follow the cells that scrolled in.
#pragma once
#include "core/GXPluginComponent.h"

#include <functional>

class CGXGridCore;

class CGXAutoScrollPlugin : public CGXPluginComponent
{
    DECLARE_DYNAMIC(CGXAutoScrollPlugin)
public:
    explicit CGXAutoScrollPlugin(CGXGridCore* pGrid);

    // Where the time (milliseconds) and the mouse (client coordinates of the grid window)
    // come from unless a test drives them: GetTickCount, and where the grid window last saw
    // the mouse (a move or a press; with the mouse captured that is where the cursor is),
    // or the cursor position before it saw any.
    void SetClock(std::function<DWORD()> fnClock) { m_fnClock = std::move(fnClock); }
    void SetCursorSource(std::function<CPoint()> fnCursor) { m_fnCursor = std::move(fnCursor); }

    // One step of the timer; the grid's request fields say what to do.
    void Step();
    // Ends auto-scrolling: the timer goes, the grid's stop flag is raised.
    void Stop();

    // The mouse-move lParam for a client point: both coordinates as 16-bit values, so a
    // point left of or above the window keeps the other coordinate intact.
    static LPARAM MouseLParam(CPoint pt);

    int GetInterval() const { return m_nInterval; }
    int GetSpeed() const { return m_nSpeed; }
    BOOL IsRunning() const { return m_nTimerId != 0; }

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    DWORD Now() const;
    CPoint CursorPos() const;
    void SendMouseMove(CPoint pt);
    // Scrolls the grid by count rows or columns; TRUE when it moved.
    BOOL Scroll(int nDirection, int nCount);

    CGXGridCore* m_pGrid;
    std::function<DWORD()> m_fnClock;
    std::function<CPoint()> m_fnCursor;

    // Copies of the grid's request.
    BOOL m_bVertical = FALSE, m_bHorizontal = FALSE;
    int m_nDirection = 0; // 0 follows the mouse; 1 up, 2 left, 3 down, 4 right
    BOOL m_bKeyMode = FALSE;
    UINT m_nKey = 0;
    UINT m_nKeyHigh = 0;
    UINT_PTR m_nTimerId = 0;

    CRect m_rectArea; // the grid rectangle without the frozen rows and columns
    DWORD m_dwStart = 0, m_dwLastStep = 0;
    int m_nInterval = 0; // milliseconds between steps (80 at start, down to 0)
    int m_nIdleResend = 0; // how often a still mouse is sent again
    int m_nSpeed = 0; // 1 .. 80; a step scrolls speed / 10 cells (at least 1)
    int m_nLastDistance = 0;
    CPoint m_ptStart;
    BOOL m_bSawMouse = FALSE;
    CPoint m_ptLastMouse; // where the grid window last saw the mouse
};
