// The combo box and the reflection of its owner-draw messages.
#include "fw/win.h"
#include "item_box.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::~CComboBox() { DestroyWindow(); }

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, (WPARAM)nSelect); }
LCID CComboBox::GetLocale() const { return (LCID)SendMessage(CB_GETLOCALE); }
LCID CComboBox::SetLocale(LCID nNewLocale)
{
    return (LCID)SendMessage(CB_SETLOCALE, (WPARAM)nNewLocale);
}
int CComboBox::GetTopIndex() const { return (int)SendMessage(CB_GETTOPINDEX); }
int CComboBox::SetTopIndex(int nIndex) { return (int)SendMessage(CB_SETTOPINDEX, (WPARAM)nIndex); }
int CComboBox::InitStorage(int nItems, UINT nBytes)
{
    return (int)SendMessage(CB_INITSTORAGE, (WPARAM)nItems, nBytes);
}
void CComboBox::SetHorizontalExtent(UINT nExtent) { SendMessage(CB_SETHORIZONTALEXTENT, nExtent); }
UINT CComboBox::GetHorizontalExtent() const { return (UINT)SendMessage(CB_GETHORIZONTALEXTENT); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)SendMessage(CB_SETDROPPEDWIDTH, nWidth); }
int CComboBox::GetDroppedWidth() const { return (int)SendMessage(CB_GETDROPPEDWIDTH); }

DWORD CComboBox::GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }
BOOL CComboBox::LimitText(int nMaxChars)
{
    return (BOOL)SendMessage(CB_LIMITTEXT, (WPARAM)nMaxChars);
}
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return (DWORD_PTR)SendMessage(CB_GETITEMDATA, (WPARAM)nIndex);
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return (int)SendMessage(CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
}
void* CComboBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    return (int)SendMessage(CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)lpszText);
}
void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    fw::ReadItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}
int CComboBox::GetLBTextLen(int nIndex) const
{
    return (int)SendMessage(CB_GETLBTEXTLEN, (WPARAM)nIndex);
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return (int)SendMessage(CB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELONG(cyItemHeight, 0));
}
int CComboBox::GetItemHeight(int nIndex) const
{
    return (int)SendMessage(CB_GETITEMHEIGHT, (WPARAM)nIndex);
}
int CComboBox::SetExtendedUI(BOOL bExtended)
{
    return (int)SendMessage(CB_SETEXTENDEDUI, (WPARAM)bExtended);
}
BOOL CComboBox::GetExtendedUI() const { return (BOOL)SendMessage(CB_GETEXTENDEDUI); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}
BOOL CComboBox::GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, (WPARAM)bShowIt); }

int CComboBox::AddString(LPCSTR lpszString)
{
    return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)lpszString);
}
int CComboBox::DeleteString(UINT nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex); }
int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return (int)SendMessage(CB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszString);
}
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::Dir(UINT attr, LPCSTR lpszWildCard)
{
    return (int)SendMessage(CB_DIR, attr, (LPARAM)lpszWildCard);
}
int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return (int)SendMessage(CB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString);
}
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return (int)SendMessage(CB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind);
}
int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return (int)SendMessage(CB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString);
}

void CComboBox::Clear() { SendMessage(WM_CLEAR); }
void CComboBox::Copy() { SendMessage(WM_COPY); }
void CComboBox::Cut() { SendMessage(WM_CUT); }
void CComboBox::Paste() { SendMessage(WM_PASTE); }

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) { }
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) { }
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) { }

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (fw::ReflectOwnerDraw(*this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
