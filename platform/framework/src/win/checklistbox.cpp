// The check-list box: an owner-drawn list box whose items carry a check state. The
// state lives in a record that the list holds as each item's data; the messages that
// read or write item data are redirected to the caller's own value inside the record,
// so the check follows its item through sorting, inserts and deletes.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

struct CCheckListBox::CheckData
{
    int nCheck = 0;
    BOOL bEnabled = TRUE;
    DWORD_PTR dwUserData = 0;
};

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX), m_bInCreate(FALSE) { }

CCheckListBox::~CCheckListBox() { DestroyWindow(); }

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if ((dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0)
        dwStyle |= LBS_OWNERDRAWFIXED;
    dwStyle |= LBS_HASSTRINGS;
    m_bInCreate = TRUE;
    BOOL bResult = CListBox::Create(dwStyle, rect, pParentWnd, nID);
    m_bInCreate = FALSE;
    return bResult;
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    if (m_bInCreate)
        return; // the list measures its items through MeasureItem as it is made
    // A list of a dialog template measured its items before it was bound to us.
    if (GetStyle() & LBS_OWNERDRAWFIXED) {
        int cyNeeded = CheckBoxSize().cy + 2;
        if (GetItemHeight(0) < cyNeeded)
            SetItemHeight(0, (UINT)cyNeeded);
    }
}

void CCheckListBox::SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }

UINT CCheckListBox::GetCheckStyle() { return m_nStyle; }

CCheckListBox::CheckData* CCheckListBox::GetCheckData(int nIndex) const
{
    LRESULT lRaw =
        const_cast<CCheckListBox*>(this)->CWnd::DefWindowProc(LB_GETITEMDATA, (WPARAM)nIndex, 0);
    if (lRaw == LB_ERR)
        return nullptr;
    return (CheckData*)lRaw;
}

// The record of item nIndex, made when the item has none (items the list added by
// itself, such as LB_DIR's); null for an index the list does not have.
CCheckListBox::CheckData* CCheckListBox::TakeNewItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    CheckData* pData = GetCheckData(nIndex);
    if (pData != nullptr)
        return pData;
    pData = new CheckData;
    CWnd::DefWindowProc(LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)pData);
    return pData;
}

void CCheckListBox::FreeAllCheckData()
{
    int nCount = (int)CWnd::DefWindowProc(LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        CheckData* pData = GetCheckData(i);
        if (pData == nullptr)
            continue;
        CWnd::DefWindowProc(LB_SETITEMDATA, (WPARAM)i, (LPARAM)pData->dwUserData);
        delete pData;
    }
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    CheckData* pData = TakeNewItem(nIndex);
    if (pData == nullptr || pData->nCheck == nCheck)
        return;
    pData->nCheck = nCheck;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex)
{
    CheckData* pData = GetCheckData(nIndex);
    return pData ? pData->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    CheckData* pData = TakeNewItem(nIndex);
    if (pData == nullptr)
        return;
    pData->bEnabled = bEnabled;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex)
{
    CheckData* pData = GetCheckData(nIndex);
    return pData ? pData->bEnabled : TRUE;
}

CSize CCheckListBox::CheckBoxSize() const { return CSize(13, 13); }

CRect CCheckListBox::OnGetCheckPosition(CRect rectItem, CRect rectCheckBox)
{
    CRect rect = rectCheckBox;
    rect.OffsetRect(rectItem.left + 1,
                    rectItem.top + (rectItem.Height() - rectCheckBox.Height()) / 2);
    return rect;
}

// The item under point, and whether point lies in its box; -1 when on no item.
int CCheckListBox::CheckFromPoint(CPoint point, BOOL& bInCheck)
{
    bInCheck = FALSE;
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    if (bOutside || nIndex < 0 || nIndex >= GetCount())
        return -1;
    CRect rectItem;
    GetItemRect(nIndex, rectItem);
    CSize size = CheckBoxSize();
    CRect rectBox = OnGetCheckPosition(rectItem, CRect(0, 0, size.cx, size.cy));
    bInCheck = rectBox.PtInRect(point);
    return nIndex;
}

// The user's toggle: the auto styles change the state; every style tells the parent.
void CCheckListBox::ToggleCheck(int nIndex)
{
    if (!IsEnabled(nIndex))
        return;
    if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (GetCheck(nIndex) + 1) % 3);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                             (LPARAM)m_hWnd);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (lResult >= 0)
            TakeNewItem((int)lResult);
        return lResult;
    }
    case LB_GETITEMDATA: {
        LRESULT lRaw = CWnd::DefWindowProc(LB_GETITEMDATA, wParam, 0);
        if (lRaw == LB_ERR || lRaw == 0)
            return lRaw;
        return (LRESULT)((CheckData*)lRaw)->dwUserData;
    }
    case LB_SETITEMDATA: {
        CheckData* pData = TakeNewItem((int)wParam);
        if (pData == nullptr)
            return LB_ERR;
        pData->dwUserData = (DWORD_PTR)lParam;
        return 0;
    }
    case LB_DELETESTRING: {
        CheckData* pData = GetCheckData((int)wParam);
        if (pData != nullptr) {
            // The parent's WM_DELETEITEM sees the caller's data.
            CWnd::DefWindowProc(LB_SETITEMDATA, wParam, (LPARAM)pData->dwUserData);
            delete pData;
        }
        return CListBox::WindowProc(message, wParam, lParam);
    }
    case LB_RESETCONTENT:
    case WM_DESTROY:
        FreeAllCheckData();
        return CListBox::WindowProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        BOOL bInCheck = FALSE;
        int nIndex = CheckFromPoint(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)), bInCheck);
        if (nIndex >= 0 && bInCheck) {
            ToggleCheck(nIndex);
            if (message == WM_LBUTTONDBLCLK)
                return 0; // a second click on the box is a second toggle, not an open
        }
        return CListBox::WindowProc(message, wParam, lParam);
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            int nCaret = GetCaretIndex();
            if (nCaret < 0 || nCaret >= GetCount())
                return 0;
            if (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
                // Every selected item takes the new state of the one with the caret.
                ToggleCheck(nCaret);
                int nNewCheck = GetCheck(nCaret);
                for (int i = 0; i < GetCount(); ++i)
                    if (i != nCaret && GetSel(i) > 0 && IsEnabled(i))
                        SetCheck(i, nNewCheck);
            } else {
                ToggleCheck(nCaret);
            }
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == ' ')
            return 0; // the space bar toggled the check; no incremental search on it
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    UINT cyNeeded = (UINT)CheckBoxSize().cy + 2;
    if (lpMeasureItemStruct->itemHeight < cyNeeded)
        lpMeasureItemStruct->itemHeight = cyNeeded;
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    CListBox::DeleteItem(lpDeleteItemStruct);
}

// Draws the box of one item, then hands the rest of the item to DrawItem.
void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT drawItem = *lpDrawItemStruct;
    if ((int)drawItem.itemID >= 0) {
        CheckData* pData = (CheckData*)drawItem.itemData;
        int nCheck = pData ? pData->nCheck : 0;
        BOOL bEnabled = pData ? pData->bEnabled : TRUE;
        drawItem.itemData = pData ? pData->dwUserData : 0;

        CRect rectItem(drawItem.rcItem);
        CSize size = CheckBoxSize();
        CRect rectBox = OnGetCheckPosition(rectItem, CRect(0, 0, size.cx, size.cy));
        if (drawItem.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
            // The strip left of the text keeps the window's colour.
            CRect rectStrip(rectItem.left, rectItem.top, rectBox.right + 2, rectItem.bottom);
            ::FillRect(drawItem.hDC, rectStrip, ::GetSysColorBrush(COLOR_WINDOW));
            UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
            if (nCheck == 1)
                nState |= DFCS_CHECKED;
            else if (nCheck == 2)
                nState = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
            if (!bEnabled || (GetStyle() & WS_DISABLED))
                nState |= DFCS_INACTIVE;
            ::DrawFrameControl(drawItem.hDC, rectBox, DFC_BUTTON, nState);
        }
        drawItem.rcItem.left = rectBox.right + 2;
        if (!bEnabled)
            drawItem.itemState |= ODS_DISABLED;
    }
    DrawItem(&drawItem);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    HDC hDC = lpDrawItemStruct->hDC;
    CRect rect(lpDrawItemStruct->rcItem);
    if ((int)lpDrawItemStruct->itemID < 0) {
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            ::DrawFocusRect(hDC, rect);
        return;
    }
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        ::FillRect(hDC, rect, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (GetStyle() & LBS_HASSTRINGS) {
            CString strText;
            GetText((int)lpDrawItemStruct->itemID, strText);
            int nColor = (lpDrawItemStruct->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                : bSelected                                           ? COLOR_HIGHLIGHTTEXT
                                                                      : COLOR_WINDOWTEXT;
            COLORREF crOldText = ::SetTextColor(hDC, ::GetSysColor(nColor));
            int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
            CRect rectText = rect;
            rectText.left += 2;
            ::DrawTextA(hDC, strText, strText.GetLength(), rectText,
                        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            ::SetBkMode(hDC, nOldMode);
            ::SetTextColor(hDC, crOldText);
        }
    }
    UINT nAction = lpDrawItemStruct->itemAction;
    if ((nAction & ODA_FOCUS) ||
        ((lpDrawItemStruct->itemState & ODS_FOCUS) && (nAction & (ODA_DRAWENTIRE | ODA_SELECT))))
        ::DrawFocusRect(hDC, rect);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        PreDrawItem((LPDRAWITEMSTRUCT)lParam);
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}
