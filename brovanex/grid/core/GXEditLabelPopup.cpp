// CGXEditLabelPopup: the in-place editor of a tab's name. Enter accepts, Esc or losing the
// focus cancels; the tab window hears both through its messages.
#include "core/GXTabWnd.h"

IMPLEMENT_DYNAMIC(CGXEditLabelPopup, CEdit)

BEGIN_MESSAGE_MAP(CGXEditLabelPopup, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BOOL CGXEditLabelPopup::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CEdit::Create(dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CGXEditLabelPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN) {
        GetParent()->SendMessage(GX_WM_RENAMEACCEPT);
        return;
    }
    if (nChar == VK_ESCAPE) {
        GetParent()->SendMessage(GX_WM_RENAMECANCEL);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_ESCAPE)
        return;
    CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == '\r' || nChar == 0x1B)
        return; // handled on key-down; the edit would only beep
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(GX_WM_RENAMECANCEL);
}

UINT CGXEditLabelPopup::OnGetDlgCode() { return CEdit::OnGetDlgCode() | DLGC_WANTALLKEYS; }
