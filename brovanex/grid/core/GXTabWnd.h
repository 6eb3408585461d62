// CGXTabWnd: a child window that holds several panes (views or windows), one shown at a
// time, with a tab strip at the bottom left, a horizontal scroll bar at the bottom right,
// a sizing box between them, and an optional vertical scroll bar. The panes keep their
// own scrolling state: the tab window owns the bars and saves and restores each pane's
// scroll information when the panes are switched. A tab's name can be edited in place.
#pragma once
#include "core/GXTabBeam.h"
#include "fw/ctrls.h"
#include "fw/edit.h"

#define GX_TABWND_CLASS "CGXTabWnd"
#define GX_TABWND_FRAME_CLASS "GxMdiFrame"

// Messages of the tab window to its panes (sent).
#define GX_WM_PANEATTACHED 0x78F // wParam the tab: the pane was attached under it
#ifndef GX_WM_CANRENAMETAB
#define GX_WM_CANRENAMETAB 0x790 // may the tab's name be edited? 0 refuses
#define GX_WM_TABNAMECHANGED 0x791 // wParam the tab: its name was changed
#define GX_WM_CANCHANGEPANE 0x792 // wParam 0 leaving, 1 entering: non-zero refuses
#define GX_WM_TABWNDRESIZING 0x7CB // wParam 1 before, 0 after resizing
#endif

// Child-window ids.
#define GX_IDW_HSCROLL 0xEA00
#define GX_IDW_VSCROLL 0xEA10
#define GX_IDW_SIZEBOX 0xEA20
#define GX_IDW_TABBEAM 0xEA01
#define GX_IDW_PANE 0xE900
#define GX_IDC_EDITLABEL 23001

class CGXTabWnd;
class CView;
struct CCreateContext;

// The window classes of tab windows and tab strips made by class name (the control
// factory registers them at library start).
#define GX_TABWND_CLASSES 1
void GXRegisterTabWndClasses(HINSTANCE hInstance);
void GXUnregisterTabWndClasses(HINSTANCE hInstance);

// The in-place editor of a tab's name: Enter accepts, Esc or losing the focus cancels.
class CGXEditLabelPopup : public CEdit
{
    DECLARE_DYNAMIC(CGXEditLabelPopup)
public:
    CGXEditLabelPopup() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()
};

// Lets any pane read and set its tab's name without knowing the tab window. One object per
// copy of the library, made by the first tab window.
class CGXTabWndInterface
{
public:
    virtual ~CGXTabWndInterface() = default;
    // bSet: renames the pane's tab to str; else reads its name (empty without a tab).
    virtual void PaneTabName(CWnd* pPane, CString& str, BOOL bSet);
    // The name of a tab of the pane's tab window, empty when there is none.
    virtual CString TabNameAt(CWnd* pPane, int nTab);
};

class CGXTabWnd : public CWnd
{
    DECLARE_DYNCREATE(CGXTabWnd)
public:
    explicit CGXTabWnd(CRuntimeClass* pBeamClass = nullptr);
    ~CGXTabWnd() override;

    // WS_HSCROLL and WS_VSCROLL in dwStyle ask for the tab window's own bars.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Views as panes (GXTabWndViews.cpp). The tab window filling its parent with a first
    // pane, a view of the context's class under a tab named pszCaption; a not-supported
    // exception when the grid window class is not registered in the program.
    virtual BOOL CreateWithView(CWnd* pParentWnd, LPCTSTR pszCaption, CCreateContext* pContext,
                                DWORD dwStyle, UINT nID);
    // A view of the class as a new pane under a tab at the end (nID 0: the next pane id);
    // without a context it shows the document of the frame's active view and gets its
    // initial update. Null when it could not be made.
    virtual CWnd* CreateView(CRuntimeClass* pViewClass, LPCTSTR pszCaption,
                             CCreateContext* pContext = nullptr, UINT nID = 0);
    // Shows or hides the tab window's own scroll bars (nBar SB_HORZ, SB_VERT or SB_BOTH).
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    virtual CWnd* AttachWnd(CWnd* pPane, LPCTSTR pszName);
    virtual void RecalcLayout(CDC* pDC = nullptr);

    void ActivatePane(CWnd* pPane);
    void SavePaneScrollInfo(CWnd* pPane);
    void RestorePaneScrollInfo(CWnd* pPane);
    CRect CalcPaneRect();
    CString GetTabName(CWnd* pPane);
    void SetTabName(int nTab, LPCTSTR pszName, BOOL bNotify = FALSE);
    void SetPaneTabName(CWnd* pPane, LPCTSTR pszName, BOOL bNotify = FALSE);

    CGXTabBeam& GetBeam() const { return *m_pBeam; }
    CWnd* GetActivePane() const { return m_pActivePane; }
    CGXEditLabelPopup* GetRenamePopup() const { return m_pRenamePopup; }
    int GetBeamWidth() const { return m_nBeamWidth; }
    CRect GetSizingBoxRect();

    // Registers (once) and removes the window class of tab windows made by class name.
    static BOOL RegisterClass(HINSTANCE hInstance);
    static void UnregisterClass(HINSTANCE hInstance);

    BOOL m_bDrawFrame; // draw a 3D frame around the window in the parent

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL CreateChildren();
    void CloseRenamePopup();
    void FreeDeadPopup();
    void PlaceChild(HDWP& hdwp, CWnd* pChild, CRect rect);
    int ThreeD() const;
    CView* PaneAsView(CWnd* pPane) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSysColorChange();
    afx_msg void OnWinIniChange(LPCTSTR lpszSection);
    afx_msg LRESULT OnTabChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTabRename(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCanChangeTab(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameAccept(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameCancel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CRuntimeClass* m_pBeamClass;
    CGXTabBeam* m_pBeam; // owned
    CWnd* m_pActivePane;
    int m_nBeamWidth; // tab-strip width in pixels
    int m_nLastWidth; // the client width the strip width was computed for
    long long m_nRatio; // strip width x 100 (0: not yet set)
    int m_nBoxWidth; // the sizing box, 6 pixels
    int m_cxVScroll, m_cyHScroll, m_nStripHeight;
    BOOL m_bHScroll, m_bVScroll, m_bCreated, m_bDragging;
    CScrollBar m_sbHorz, m_sbVert, m_sbBox;
    CGXEditLabelPopup* m_pRenamePopup; // null when closed
    CGXEditLabelPopup* m_pDeadPopup; // closed from inside its own handler; freed later
    HCURSOR m_hArrow;
    CBrush m_brFace;
    // Views made as panes: their class, the first pane's id and the last id given.
    CRuntimeClass* m_pPaneViewClass = nullptr;
    UINT m_nPaneId = 0, m_nLastPaneId = GX_IDW_PANE;
    BOOL m_bHoldsPanes = FALSE;

private:
    static LRESULT CALLBACK SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
