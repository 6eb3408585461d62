// CSizingControlBar: a docking control bar whose inner edge the user drags to make it
// taller (docked at the top or bottom) or wider (at the left or right). Double-clicking or
// dragging the bar floats or docks it. Without full-window dragging an inverted tracker
// line follows the mouse and the bar changes size only when the button is released.
#pragma once
#include "framework.h"

class CSizingControlBar : public CControlBar
{
public:
    CSizingControlBar();
    ~CSizingControlBar() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

    // The bar style is masked to the bar bits; the window takes only WS_CHILD and
    // WS_VISIBLE of dwStyle.
    virtual BOOL Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault,
                        BOOL bHasGripper, UINT nID, DWORD dwStyle);
    // The largest size a drag may reach: the frame's client area less the other bars.
    virtual CSize GetMaxTrackSize();
    // The desktop shows window contents while dragging ("DragfullWindows" is "1").
    virtual BOOL IsFullWindowDrag();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The drag itself, in screen coordinates (the window's mouse messages call these).
    void StartTracking(CPoint ptScreen);
    void TrackTo(CPoint ptScreen);
    void StopTracking(BOOL bAccept);

    BOOL IsDockedTopOrBottom() const { return m_nDockBarID == 59419 || m_nDockBarID == 59422; }
    BOOL IsDockedLeftOrRight() const { return m_nDockBarID == 59420 || m_nDockBarID == 59421; }

    CSize m_szHorz; // docked at the top or bottom: only cy is used
    CSize m_szVert; // docked left or right: only cx is used
    CSize m_szFloat;
    CSize m_szMin;
    CSize m_szMaxT; // the drag's upper bound, worked out when it starts
    CPoint m_ptOld; // the middle of the edge when the drag started (screen)
    CRect m_rectBorder; // the sizing edge, window coordinates
    BOOL m_bTracking;
    BOOL m_bDragShowContent;
    CSize m_szOld; // the size before the drag, put back when it is cancelled
    BOOL m_bInRecalcNC;
    UINT m_nDockBarID;
    int m_cxEdge;
    BOOL m_bHasGripper;
    int m_cyGripper;
    CRect m_rectGripper;

protected:
    void OnNcCalcSizeBar(NCCALCSIZE_PARAMS* params);
    void OnNcPaintBar();
    void DrawTracker(const CSize& size);
    CSize& TrackedSize() { return IsDockedTopOrBottom() ? m_szHorz : m_szVert; }

private:
    BOOL m_bLockedUpdate;
};
