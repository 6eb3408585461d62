// What the list box and the combo box share: the owner-draw messages their parent reflects
// back to them, and reading an item's text.
#pragma once
#include "fw/win.h"

namespace fw {

static_assert(CB_ERR == LB_ERR, "one error value for both boxes");

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

// Item nIndex's text, read with the box's length and copy messages; empty when there is
// no such item.
inline void ReadItemText(const CWnd& box, UINT nLengthMessage, UINT nTextMessage, int nIndex,
                         CString& rString)
{
    const int nLen = (int)box.SendMessage(nLengthMessage, (WPARAM)nIndex);
    if (nLen == LB_ERR) {
        rString.Empty();
        return;
    }
    const int nGot =
        (int)box.SendMessage(nTextMessage, (WPARAM)nIndex, (LPARAM)rString.GetBuffer(nLen));
    rString.ReleaseBuffer(nGot == LB_ERR ? 0 : nGot);
}

} // namespace fw
