// CGXTabBeam: the row of slanted tabs at the bottom of a tab window, with up to four scroll
// buttons at its left that move the first visible tab, marking of several tabs with Shift
// and Ctrl, and the double click that asks for renaming. It reports to its notify window
// (the parent unless set) by the messages below.
#pragma once
#include "core/GXDefs.h"
#include "fw/gdi.h"
#include "fw/wnd.h"

#include <functional>

#define GX_TABBEAM_CLASS "CGXTabBeam"

// Messages of the tab strip and its rename editor to the tab window.
#define GX_WM_TABCHOSEN 0x785 // posted, wParam the tab: a tab was chosen
#define GX_WM_TABRENAME 0x786 // posted, wParam the tab: start renaming it
#define GX_WM_CANCHANGETAB 0x787 // sent, wParam the tab: non-zero refuses the change
#define GX_WM_RENAMEACCEPT 0x799 // sent: the rename editor's text was accepted
#define GX_WM_RENAMECANCEL 0x79A // sent: renaming ends without a change

// One tab: its name and width, its pane and that pane's saved scroll state.
class CGXTabInfo : public CObject
{
    DECLARE_DYNAMIC(CGXTabInfo)
public:
    CGXTabInfo();
    ~CGXTabInfo() override;

    int nWidth; // width of the name in pixels
    CString sLabel;
    BOOL bSel; // marked (several tabs may be)
    CWnd* pExtra; // the pane
    BOOL bDeleteExtra; // the tab owns the pane
    void* pUserData;
    SCROLLINFO sbInfo[2]; // 0 vertical, 1 horizontal (kept by the tab window)
    COLORREF crNormal, crSel;
    CBrush brNormal, brSel;
    UINT flags; // bit 0: own normal brush; bit 1: own marked brush
};

// How the strip's button tracking reads time and the pointer and waits; tests drive it.
class CGXTabBeamClock
{
public:
    virtual ~CGXTabBeamClock() = default;
    virtual DWORD Now() const;
    // Returns when input arrives or after nMilliseconds.
    virtual void Wait(DWORD nMilliseconds);
    virtual CPoint CursorPos(CWnd* pWnd) const; // in the window's client coordinates
};

class CGXTabBeam : public CWnd
{
    DECLARE_DYNCREATE(CGXTabBeam)
public:
    CGXTabBeam();
    ~CGXTabBeam() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Geometry and drawing.
    virtual void DrawTab(CDC* pDC, int nTab);
    virtual void DrawScrollButton(CDC* pDC, int nButton, BOOL bPressed);
    virtual int GetTabLeft(int nTab);
    virtual int TabFromPoint(int x);
    virtual int GetLastVisibleTab();
    // Runs its own message loop until nReleaseMessage (or a cancel) arrives, scrolling
    // once per delay while the pointer stays on the pressed button.
    virtual void TrackScrollButton(UINT nReleaseMessage);
    virtual void OnTabClick(int x, int y);
    virtual int HitScrollButton(int x, int y, int nOnly);
    virtual void ScrollTabs(int nButton);
    virtual void InsertTab(BOOL bBeforeActive, LPCTSTR pszName, CWnd* pPane, BOOL bOwnsPane,
                           int nWidth, void* pUserData);
    virtual void DeleteTab(int nTab);
    virtual void UpdateTabWidth(int nTab);
    virtual int FindTab(const CWnd* pPane);

    CGXTabInfo& GetTabInfo(int nTab) const;
    int GetCount() const { return m_nTabs; }
    int GetActiveTab() const { return m_nCurrent; }
    int GetFirstVisibleTab() const { return m_nFirstTab; }
    // Makes a tab the active one (no notification); -1 for none.
    void SetActiveTab(int nTab);
    void EnsureVisible(int nTab);
    void CreateFonts();
    void UpdateColors();
    int GetStripHeight() const { return m_nHeight; }
    // Width of the scroll buttons (0 when they are hidden).
    int GetButtonAreaWidth() const { return m_bShowButtons ? m_nButtonArea : 0; }
    // Whether a scroll button can act now (0 first, 1 previous, 2 next, 3 last).
    BOOL CanScroll(int nButton);
    CFont* GetNormalFont() { return &m_fontNormal; }
    CFont* GetBoldFont() { return &m_fontBold; }
    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    CWnd* GetNotifyWnd() const;
    // Repaints from x to the right edge (-2: everything).
    void RepaintFrom(int x);
    // Replaces the clock of the button tracking (not owned; null restores the system's).
    void SetClock(CGXTabBeamClock* pClock);

    // Registers (once) and removes the window class of strips made by class name.
    static BOOL RegisterClass(HINSTANCE hInstance);
    static void UnregisterClass(HINSTANCE hInstance);

    // Layout.
    int m_nSlant;
    int m_nHeight;
    int m_nButtonWidth;
    int m_nButtons; // 0 to 4 scroll buttons; 2 shows "previous" and "next"
    BOOL m_bShowButtons;
    int m_nButtonArea;

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg void OnWinIniChange(LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

    // The button drawn at a position (with two buttons, 1 and 2 sit at positions 0 and 1).
    int ButtonAtPosition(int nPosition) const;
    int PositionOfButton(int nButton) const;
    int TabAreaLeft() const { return m_bShowButtons ? m_nButtonArea + 1 : 0; }
    void FillSolid(CDC* pDC, const CRect& rect, COLORREF cr);
    void PaintStrip(CDC* pDC, const CRect& rectClip);
    void MarkRange(int nFrom, int nTo);

    CObArray m_arrTabs; // CGXTabInfo*, owned
    int m_nTabs;
    int m_nCurrent; // -1: none
    int m_nFirstTab;
    CFont m_fontNormal, m_fontBold;
    COLORREF m_crText, m_crTextActive, m_crFace, m_crWindow, m_crFree;
    CBrush m_brFace, m_brWindow, m_brBlack;
    CPen m_penShadow;
    int m_nPressedButton; // -1: none
    BOOL m_bButtonDown; // the pressed button is drawn pressed (the pointer is on it)
    BOOL m_bTracking;
    int m_nPaintFrom; // -1: from the clip box; -2: everything
    CWnd* m_pNotifyWnd; // null: the parent
    HCURSOR m_hArrow;
    CGXTabBeamClock m_systemClock;
    CGXTabBeamClock* m_pClock;

private:
    static LRESULT CALLBACK SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
