// Toolbars: a control bar over the system's toolbar control, with buttons from a
// toolbar resource (RT_TOOLBAR: version, image width and height, count, command ids;
// 0 is a separator) and images from the bitmap of the same id.
#pragma once
#include "fw/controlbar.h"

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

// Button styles and states as one word (style in the low word, state in the high word;
// the state's "enabled" bit is turned into TBBS_DISABLED).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class FW_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    // Buttons and images from the toolbar resource (and the bitmap) of that name.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    // Replaces the image well; the bar owns hbmImageWell afterwards.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    HBITMAP GetBitmap() const { return m_hbmImageWell; }
    // One button per id (ID_SEPARATOR: a separator), images 0, 1, 2 ... in order; with
    // null ids, nIDCount empty buttons to be set by SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    // A separator's iImage is its width.
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const;
    int GetButtonCount() const;

    CSize m_sizeImage; // image size in the well
    CSize m_sizeButton; // button size
    HBITMAP m_hbmImageWell; // owned
    HRSRC m_hRsrcImageWell; // the bitmap resource it came from
    HINSTANCE m_hInstImageWell;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    int HitTestCommand(CPoint point) const override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    // The buttons laid out in one row (bHorz) or one column; answers the size.
    CSize CalcLayout(BOOL bHorz);
    void GetButton(int nIndex, TBBUTTON* pButton) const;
    void SetButton(int nIndex, TBBUTTON* pButton);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    BOOL m_bVertical; // the buttons are laid out in a column
};

// The update object of one toolbar button.
class FW_API CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override;
    void SetCheck(int nCheck) override;
    void SetText(LPCSTR lpszText) override;
};
