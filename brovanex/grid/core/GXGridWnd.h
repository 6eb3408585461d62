// CGXGridWnd: the grid as a plain child window or as a custom control of class
// "CGXGridWnd" in a dialog template. Its window procedure hands each message to the core
// and falls back to the framework's default handling.
#pragma once
#include "core/GXGridCore.h"
#include "fw/wnd.h"

#define GX_GRIDWND_CLASS "CGXGridWnd"

// Messages of the tab window to its panes.
#define GX_WM_CANRENAMETAB 0x790
#define GX_WM_TABNAMECHANGED 0x791
#define GX_WM_CANCHANGEPANE 0x792
#define GX_WM_PANEENTERED 0x7A3
#define GX_WM_TABWNDRESIZING 0x7CB

class CGXGridWnd : public CWnd, public CGXGridCore
{
    DECLARE_DYNCREATE(CGXGridWnd)
public:
    CGXGridWnd();
    ~CGXGridWnd() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Sets the scroll-bar modes from the window's styles (or the grid parent's bars) and
    // initialises the core.
    virtual void Initialize();

    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    virtual void OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridPrint(CDC* pDC, CPrintInfo* pInfo);

    // Registers (once) and removes the window class of grids made from dialog templates.
    static BOOL RegisterClass(HINSTANCE hInstance);
    static void UnregisterClass(HINSTANCE hInstance);
    // Whether the library made this object itself for a dialog-template window.
    static BOOL IsSelfCreated(const CGXGridWnd* pWnd);
    static int GetSelfCreatedCount();

    BOOL m_bDrawFrame;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    BOOL HandleGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
};
