// The four-function calculator window: a display over a block of buttons that it draws
// itself, its arithmetic in CGXBCalcEngine. CGXBPopupCalculator is the drop-down that the
// currency edit opens: it starts with the edit's amount and sends the result back on "=".
#pragma once
#include "controls/GXBCalcEngine.h"
#include "fw/win.h"

// The calculator's result to its owner: wParam 0, lParam the display text (LPCTSTR).
#define WM_GX_CALC_RESULT (WM_USER + 995)

// Style bits of the calculator window (low word).
const DWORD GXCALC_3DBORDER = 0x01; // its own 2-pixel 3D border
const DWORD GXCALC_DISPLAYLINE = 0x02; // a 3D line under the display
const DWORD GXCALC_SENDRESULT = 0x10; // (pop-up) "=" sends the result and closes

// What a button looks like.
struct GXCalcBtnLook
{
    HFONT hFont;
    HBITMAP* phBitmap; // may be null
    COLORREF crText;
};

class CGXBCalcBtn : public CObject
{
public:
    enum { Pressed = 0x01, NewRow = 0x02 };
    CGXBCalcBtn();

    void Draw(CDC* pDC) const;

    GXCalcBtnLook m_look;
    CString m_strLabel;
    CString m_strKeys;
    int m_nVirtKey;
    int m_nUnits;
    CRect m_rect;
    int m_nFlags;
    int m_nCode;
};

class CGXBCalculator : public CWnd, public CGXBCalcEngine
{
public:
    CGXBCalculator();
    ~CGXBCalculator() override;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pOwner, HMENU hMenu = nullptr,
                LPVOID lpParam = nullptr);
    // Starts over with d; before the window exists the value is kept through creation.
    void SetValue(double d);

    // The button under a client point, -1 for none.
    int HitTestButton(CPoint point) const;
    // Presses a button as a click does: drawn pressed, its code dispatched, released.
    void PressButton(int nButton);
    int GetButtonCount() const { return (int)m_buttons.GetSize(); }
    CGXBCalcBtn* GetButton(int n) const { return (CGXBCalcBtn*)m_buttons[n]; }
    const CRect& GetDisplayRect() const { return m_rcDisplay; }

    virtual void CreateButtons(CWnd* pOwner);
    virtual void CreateDisplayFont(CWnd* pOwner);
    // Non-zero when the code was handled.
    virtual BOOL HandleButtonCode(int nCode);
    virtual UINT GetClassStyle() const;
    virtual void Paint(CDC* pDC);

    CHAR m_chLeadByte;
    CRect m_rcDisplay;
    CFont m_fontButtons;
    CFont m_fontDisplay;
    HBITMAP m_hEqualsBitmap;
    CSize m_sizeButton;
    int m_nMarginTop, m_nMarginLeft, m_nRowGap, m_nColGap;
    int m_nCapturedButton;
    CSize m_sizeClient;
    CObArray m_buttons; // CGXBCalcBtn*, owned

protected:
    void OnBeep() override;
    void OnDisplayChanged() override;
    // Resets, makes buttons and fonts, lays out; the window size for the style.
    CSize PrepareWindow(DWORD dwStyle, CWnd* pOwner);
    BOOL CreateCalcWindow(DWORD dwExStyle, DWORD dwStyle, CPoint pt, CSize size, CWnd* pOwner,
                          HMENU hMenu, LPVOID lpParam);
    void Layout(DWORD dwStyle);
    void DrawDisplay(CDC* pDC);
    void SetPressed(int nButton, BOOL bPressed);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()
};

class CGXBPopupCalculator : public CGXBCalculator
{
public:
    CGXBPopupCalculator();

    // Opens under rect (screen coordinates), above it when it would leave the screen.
    BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pOwner, LPVOID lpParam = nullptr);
    UINT GetClassStyle() const override;
    BOOL HandleButtonCode(int nCode) override;
    // Sends the display text to the owner unless in error or the owner is gone.
    virtual void SendResult();
    // Applies "=" and sends the result when bResult; then closes.
    void Close(BOOL bResult);

    BOOL m_bAutoDelete;

protected:
    void PostNcDestroy() override;
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    HWND m_hOwner;
};
