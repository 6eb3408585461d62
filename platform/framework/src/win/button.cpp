// Buttons: push buttons, check boxes, radio buttons and owner-drawn buttons.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::~CButton() { DestroyWindow(); }

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
void CButton::SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, (WPARAM)bHighlight); }
int CButton::GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, (WPARAM)nCheck); }
UINT CButton::GetButtonStyle() const { return (UINT)GetStyle() & 0xffff; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    SendMessage(BM_SETSTYLE, nStyle, (LPARAM)bRedraw);
}
HICON CButton::SetIcon(HICON hIcon)
{
    return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
}
HICON CButton::GetIcon() const { return (HICON)SendMessage(BM_GETIMAGE, IMAGE_ICON); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}
HBITMAP CButton::GetBitmap() const { return (HBITMAP)SendMessage(BM_GETIMAGE, IMAGE_BITMAP); }
HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    return (HCURSOR)SendMessage(BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
}
HCURSOR CButton::GetCursor() { return (HCURSOR)SendMessage(BM_GETIMAGE, IMAGE_CURSOR); }

void CButton::DrawItem(LPDRAWITEMSTRUCT) { }

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}
