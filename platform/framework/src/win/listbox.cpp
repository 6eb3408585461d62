// The list box and the reflection of its owner-draw messages.
#include "fw/win.h"
#include "item_box.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::~CListBox() { DestroyWindow(); }

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
int CListBox::GetHorizontalExtent() const { return (int)SendMessage(LB_GETHORIZONTALEXTENT); }
void CListBox::SetHorizontalExtent(int cxExtent)
{
    SendMessage(LB_SETHORIZONTALEXTENT, (WPARAM)cxExtent);
}
int CListBox::GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
int CListBox::SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, (WPARAM)nIndex); }
LCID CListBox::GetLocale() const { return (LCID)SendMessage(LB_GETLOCALE); }
LCID CListBox::SetLocale(LCID nNewLocale)
{
    return (LCID)SendMessage(LB_SETLOCALE, (WPARAM)nNewLocale);
}
int CListBox::InitStorage(int nItems, UINT nBytes)
{
    return (int)SendMessage(LB_INITSTORAGE, (WPARAM)nItems, nBytes);
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    DWORD dw = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = (BOOL)HIWORD(dw);
    return (UINT)LOWORD(dw);
}

int CListBox::GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)nSelect); }
int CListBox::GetSel(int nIndex) const { return (int)SendMessage(LB_GETSEL, (WPARAM)nIndex); }
int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return (int)SendMessage(LB_SETSEL, (WPARAM)bSelect, (LPARAM)nIndex);
}
int CListBox::GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return (int)SendMessage(LB_GETSELITEMS, (WPARAM)nMaxItems, (LPARAM)rgIndex);
}
void CListBox::SetAnchorIndex(int nIndex) { SendMessage(LB_SETANCHORINDEX, (WPARAM)nIndex); }
int CListBox::GetAnchorIndex() const { return (int)SendMessage(LB_GETANCHORINDEX); }
int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    return (int)SendMessage(LB_SELITEMRANGEEX, (WPARAM)(bSelect ? nFirstItem : nLastItem),
                            (LPARAM)(bSelect ? nLastItem : nFirstItem));
}
int CListBox::GetCaretIndex() const { return (int)SendMessage(LB_GETCARETINDEX); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    return (int)SendMessage(LB_SETCARETINDEX, (WPARAM)nIndex, MAKELONG(!bScroll, 0));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return (DWORD_PTR)SendMessage(LB_GETITEMDATA, (WPARAM)nIndex);
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return (int)SendMessage(LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
}
void* CListBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (int)SendMessage(LB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}
int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    return (int)SendMessage(LB_GETTEXT, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}
void CListBox::GetText(int nIndex, CString& rString) const
{
    fw::ReadItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}
int CListBox::GetTextLen(int nIndex) const
{
    return (int)SendMessage(LB_GETTEXTLEN, (WPARAM)nIndex);
}
void CListBox::SetColumnWidth(int cxWidth) { SendMessage(LB_SETCOLUMNWIDTH, (WPARAM)cxWidth); }
BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return (BOOL)SendMessage(LB_SETTABSTOPS, (WPARAM)nTabStops, (LPARAM)rgTabStops);
}
void CListBox::SetTabStops() { SendMessage(LB_SETTABSTOPS); }
BOOL CListBox::SetTabStops(const int& cxEachStop)
{
    return (BOOL)SendMessage(LB_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return (int)SendMessage(LB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELONG(cyItemHeight, 0));
}
int CListBox::GetItemHeight(int nIndex) const
{
    return (int)SendMessage(LB_GETITEMHEIGHT, (WPARAM)nIndex);
}

int CListBox::AddString(LPCSTR lpszItem)
{
    return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem);
}
int CListBox::DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return (int)SendMessage(LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszItem);
}
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::Dir(UINT attr, LPCSTR lpszWildCard)
{
    return (int)SendMessage(LB_DIR, attr, (LPARAM)lpszWildCard);
}
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return (int)SendMessage(LB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem);
}
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return (int)SendMessage(LB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind);
}
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return (int)SendMessage(LB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) { }
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) { }
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) { }
int CListBox::VKeyToItem(UINT, UINT) { return -1; }
int CListBox::CharToItem(UINT, UINT) { return -1; }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (fw::ReflectOwnerDraw(*this, message, lParam, pResult))
        return TRUE;
    if (message != WM_VKEYTOITEM && message != WM_CHARTOITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    const LRESULT lResult = message == WM_VKEYTOITEM ? VKeyToItem(LOWORD(wParam), HIWORD(wParam))
                                                     : CharToItem(LOWORD(wParam), HIWORD(wParam));
    if (pResult)
        *pResult = lResult;
    return TRUE;
}
