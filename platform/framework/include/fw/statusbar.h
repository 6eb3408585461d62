// Status bars: a control bar over the system's status-bar control with panes named by
// indicator ids. A pane with id 0 (ID_SEPARATOR) is the message bar: the frame's prompts
// (WM_SETMESSAGESTRING) arrive as the bar's window text and show there. The other
// panes are sized to their indicator string and updated at idle time by the handlers of
// their ids (enabled: the text shows; disabled: the pane is empty).
#pragma once
#include "fw/controlbar.h"

#include <vector>

// Pane styles (the first three are the control's own drawing styles).
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class FW_API CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id; each pane but separators takes its width from the indicator
    // string of its id. A null array makes nIDCount empty panes.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneText(int nIndex, CString& rString) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;

protected:
    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxText; // the text's width (the part is wider by the borders)
        CString strText;
    };
    std::vector<Pane> m_panes;
    int m_cxPaneBorder; // padding on each side of a pane's text

    // Gives the control its parts from the pane widths (the stretch pane takes the rest).
    void UpdateParts();
    void ShowPaneText(int nIndex);
    int TextWidth(LPCSTR lpsz) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetFontMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The update object of one status-bar pane.
class FW_API CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override;
    void SetCheck(int nCheck) override;
    void SetText(LPCSTR lpszText) override;
};
