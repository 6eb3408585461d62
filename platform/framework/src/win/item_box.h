// What the list box and the combo box (and the dialog data exchange with them) share: the
// owner-draw messages their parent reflects back to them, and reading an item's text.
#pragma once
#include "fw/win.h"

namespace fw {

// Hands a reflected owner-draw message to the box's own handler and stores what the parent
// answers in *pResult; FALSE (nothing done) for any other message.
template<class TBox>
BOOL ReflectOwnerDraw(TBox& box, UINT message, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        box.DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        box.MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        lResult = box.CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        box.DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

// Item nIndex's text, read from the list or combo box with its length and copy messages;
// empty when there is no such item.
inline void ReadItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex,
                         CString& rString)
{
    const int nLen = (int)::SendMessageA(hWnd, nLengthMessage, (WPARAM)nIndex, 0);
    if (nLen <= 0) {
        rString.Empty();
        return;
    }
    const int nGot =
        (int)::SendMessageA(hWnd, nTextMessage, (WPARAM)nIndex, (LPARAM)rString.GetBuffer(nLen));
    rString.ReleaseBuffer(nGot > 0 ? nGot : 0);
}

// The text of the box's selected item (the message that answers its index given), empty
// when none is selected.
inline CString SelectedItemText(HWND hWnd, UINT nSelectionMessage, UINT nLengthMessage,
                                UINT nTextMessage)
{
    CString str;
    const int nIndex = (int)::SendMessageA(hWnd, nSelectionMessage, 0, 0);
    if (nIndex >= 0)
        ReadItemText(hWnd, nLengthMessage, nTextMessage, nIndex, str);
    return str;
}

} // namespace fw
