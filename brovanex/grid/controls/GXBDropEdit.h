// CGXBDropEdit: an edit-like window with a button and its picture in the non-client area
// (the drop button). Clicking the button, F4 or Alt+Down calls OnButtonClicked.
#pragma once
#include "fw/win.h"

// The library's drop-button picture.
const UINT GX_IDB_DROPBUTTON = 20036;

class CGXBDropEdit : public CEdit
{
public:
    enum { ButtonPressed = 0x01, ButtonCaptured = 0x02, ButtonRight = 0x04 };

    CGXBDropEdit();
    ~CGXBDropEdit() override;

    // Picks the button's picture (0: no button); the frame is recalculated.
    void SetDropButton(UINT nBitmapID);
    BOOL HasDropButton() const { return m_bmButton.GetSafeHandle() != nullptr; }
    // The button's rectangle in window coordinates (empty without a button).
    CRect GetButtonRect() const { return m_rcButton; }
    WORD GetButtonState() const { return m_wState; }

    // pt in client coordinates when bClient, else in screen coordinates.
    virtual BOOL HitTestButton(CPoint pt, BOOL bClient);
    virtual void OnButtonClicked();
    virtual void DrawButton(CDC* pDC, CRect rect);

protected:
    void LoadButtonBitmap();
    void RedrawButton();
    void ReleaseButton();

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnNcPaint();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    CRect m_rcButton;
    CBitmap m_bmButton;
    UINT m_nBitmapID;
    WORD m_wState;
    WORD m_wLeftGap;
    WORD m_wRightGap;
};
