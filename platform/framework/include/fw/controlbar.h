// Control bars: windows along a frame's edges (toolbars, status bars, dialog bars) that
// the frame lays out around its view (WM_SIZEPARENT from RepositionBars), that update
// their buttons and panes from the command handlers at idle time, and that can dock to
// an edge of the frame or float in a small frame of their own.
#pragma once
#include "fw/frame.h"

// Bar styles (kept in m_dwStyle; the window style keeps only the WS_ bits).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01 // fill the frame's width (horizontal) or height
#define LM_HORZ 0x02 // horizontal
#define LM_MRUWIDTH 0x04 // the most recently used width (floating)
#define LM_HORZDOCK 0x08 // docked horizontally
#define LM_VERTDOCK 0x10 // docked vertically
#define LM_LENGTHY 0x20 // nLength is a height, not a width
#define LM_COMMIT 0x40 // keep the size as the floating one

class CDockBar;
class CDockContext;
class CMiniDockFrameWnd;

class FW_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    int GetCount() const { return m_nCount; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;

    // Docking: the sides this bar may dock at (CBRS_ALIGN_*, 0 for none).
    void EnableDocking(DWORD dwDockStyle);
    // The frame whose layout holds the bar: the dock site, or the mini frame it floats in.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;

    // Sizes: the fixed size (stretched to fill the frame's side when bStretch), or the
    // size for a layout mode (LM_*) and a length (-1: the natural one).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // The client area less the bar's own borders and gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // Idle-time updates of the bar's items from pTarget's command handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    // Shows or hides the bar at the frame's next layout.
    virtual void DelayShow(BOOL bShow);
    virtual BOOL IsVisible() const;
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // The command under a point of the client area (-1: none), for fly-by help.
    virtual int HitTestCommand(CPoint point) const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    // State.
    BOOL m_bAutoDelete; // deleted when its window is destroyed
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap; // the gap between bars in a dock row
    UINT m_nMRUWidth; // the last width of the bar while floating
    int m_nCount; // items (buttons, panes)
    DWORD m_dwStyle; // CBRS_* styles
    DWORD m_dwDockStyle; // the sides the bar may dock at
    CFrameWnd* m_pDockSite; // the frame that lays out the bar (and owns its commands)
    CDockBar* m_pDockBar; // the dock bar holding it, null when not docked
    CDockContext* m_pDockContext; // dragging state, made by EnableDocking
    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
    UINT m_nStateFlags;
    UINT m_nFlyByID; // the command whose prompt the message bar shows (0: none)

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    // Fly-by help: shows the prompt of nID in the dock site's message bar (0 restores
    // the idle text).
    void SetFlyByStatus(UINT nID);
    // The margins that WM_NCCALCSIZE keeps for the borders and the gripper.
    CRect CalcNcBorders() const;

    DECLARE_MESSAGE_MAP()
};

// A bar laid out at one side of a frame holding other bars in rows, or the one bar of
// a floating mini frame. The frame makes them in EnableDocking.
class FW_API CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL IsDockBar() const override { return TRUE; }

    // Puts pBar into this dock bar: in the row and place lpRect (screen) points at, or
    // at the end of the first row when lpRect is null.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out (its row closes when it was the last one).
    BOOL RemoveControlBar(CControlBar* pBar);
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The docked bars in row order, with null between rows.
    const CPtrArray& GetBarArray() const { return m_arrBars; }
    int FindBar(CControlBar* pBar) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    BOOL m_bFloating; // the dock bar of a mini frame
    CPtrArray m_arrBars; // rows of bars, each row ended by null

protected:
    // Lays the rows out in a bar of the given length (the frame's width or height);
    // with bMove the bars are moved there. Answers the thickness the rows need.
    int LayoutRows(int nLength, BOOL bMove);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A small frame of its own for floating bars (tool-window caption, no menu).
class FW_API CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;
    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd = nullptr, UINT nID = 0);
};

// The mini frame a floating control bar lives in: one dock bar holding the bar; the
// window's size follows the bar; closing it hides the bar; dragging its caption drags
// the bar (and may dock it again).
class FW_API CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    ~CMiniDockFrameWnd() override;

    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The bar it holds (null when empty).
    CControlBar* GetFloatingBar() const;

    CDockBar m_wndDockBar;
    CFrameWnd* m_pDockSite; // the frame the bar belongs to

protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Dragging a bar between its docked places and floating: started by a press on the
// bar (or its mini frame's caption), it follows the mouse through the bar's capture,
// draws the drag rectangle on the screen, and docks or floats the bar where the button
// is released. Esc or a lost capture cancels. A double-click toggles docking.
class FW_API CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    virtual void StartDrag(CPoint pt); // pt in screen coordinates
    void Move(CPoint pt);
    void EndDrag(BOOL bCancel);
    virtual void ToggleDocking();
    BOOL IsTracking() const { return m_bDragging; }

    // Where a release at pt would put the bar: a dock bar of the frame (its id), or
    // AFX_IDW_DOCKBAR_FLOAT; rect receives the bar's outline there (screen).
    UINT HitTestDock(CPoint pt, CRect& rect) const;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    CPoint m_ptLast; // the mouse at the start, then at each move
    CRect m_rectLast; // the outline drawn last (screen)
    CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz;
    UINT m_uMRUDockID; // the dock bar the bar came from
    CRect m_rectMRUDockPos;
    CPoint m_ptMRUFloatPos; // where the bar floated last
    DWORD m_dwOverDockStyle;
    BOOL m_bDragging;
    BOOL m_bFlip; // Ctrl held: never dock

protected:
    void DrawFocusRect(BOOL bRemove = FALSE);
    BOOL m_bRectDrawn;
};

// The state of every bar of a frame: which dock bar holds it and in what row and
// place, whether it floats (and where) and whether it shows. Saved under
// "<profile>-Bar<n>" sections of the application's profile.
struct FW_API CControlBarInfo
{
    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    UINT m_uMRUDockID;
    CPoint m_pointPos; // floating: the mini frame's top-left (screen)
    int m_nRow; // docked: the row in the dock bar
    int m_nPos; // docked: the place in the row
    UINT m_nMRUWidth;
};
