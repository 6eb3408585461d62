// CGXComboBox: the drop-down side: the pop-up window and its list, opening and closing the
// list, and the private messages the list sends the combo box's edit window.
#include "controls/GXComboBox.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

BOOL GXIsWindowOrChild(HWND hWnd, HWND hParent)
{
    return hWnd != nullptr && hParent != nullptr && (hWnd == hParent || ::IsChild(hParent, hWnd));
}

// --- CGXGridCombo ---

CGXGridCombo::CGXGridCombo(CWnd* pOwner, CWnd*, const CRect& rect)
    : m_pListBox(nullptr), m_pOwner(pOwner), m_bColorsSet(FALSE), m_crText(RGB(0, 0, 0)),
      m_crBack(RGB(255, 255, 255))
{
    CString strClass = GXGetLibraryState().m_strDragLineClass;
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    CreateEx(WS_EX_TOOLWINDOW, strClass, "", WS_POPUP | WS_VISIBLE, rect.left - 1, rect.top,
             rect.Width() + 1, rect.Height(), nullptr, nullptr);
}

CGXGridCombo::~CGXGridCombo()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    delete m_pListBox;
}

void CGXGridCombo::SetColors(COLORREF crText, COLORREF crBack)
{
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(crBack);
    m_crText = crText;
    m_crBack = crBack;
    m_bColorsSet = TRUE;
}

LRESULT CGXGridCombo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (m_bColorsSet) {
            ::SetTextColor((HDC)wParam, m_crText);
            ::SetBkColor((HDC)wParam, m_crBack);
            return (LRESULT)m_brBack.GetSafeHandle();
        }
        break;
    case WM_COMMAND:
        if (m_pListBox != nullptr && (HWND)lParam == m_pListBox->GetSafeHwnd() &&
            m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
            return m_pOwner->SendMessage(WM_COMMAND, wParam, lParam);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// --- CGXComboListBox ---

CGXComboListBox::CGXComboListBox(CWnd* pOwner)
    : m_bKeyDown(FALSE), m_bMouseDown(FALSE), m_pOwner(pOwner), m_nKeyDownCount(0),
      m_nSelAtKeyDown(LB_ERR), m_bAlnumKey(FALSE)
{ }

void CGXComboListBox::ResetState()
{
    m_bKeyDown = m_bMouseDown = FALSE;
    m_nKeyDownCount = 0;
    m_nSelAtKeyDown = LB_ERR;
    m_bAlnumKey = FALSE;
}

BOOL GXEraseWithParentListBrush(CWnd* pList, HDC hDC)
{
    CWnd* pParent = pList->GetParent();
    HBRUSH hBrush = pParent != nullptr
        ? (HBRUSH)pParent->SendMessage(WM_CTLCOLORLISTBOX, (WPARAM)hDC,
                                       (LPARAM)pList->GetSafeHwnd())
        : nullptr;
    if (hBrush == nullptr)
        return FALSE;
    CRect rect;
    pList->GetClientRect(&rect);
    ::FillRect(hDC, &rect, hBrush);
    return TRUE;
}

LRESULT CGXComboListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hOwner = m_pOwner != nullptr ? m_pOwner->GetSafeHwnd() : nullptr;
    switch (message) {
    case WM_KEYDOWN:
        if (m_nKeyDownCount++ == 0)
            m_nSelAtKeyDown = GetCurSel();
        m_bKeyDown = TRUE;
        m_bAlnumKey = ::IsCharAlphaNumericA((CHAR)(BYTE)(wParam & 0xFF));
        break;
    case WM_SYSKEYDOWN:
        m_bKeyDown = TRUE;
        break;
    case WM_LBUTTONDOWN:
        m_bMouseDown = TRUE;
        m_nSelAtKeyDown = GetCurSel();
        break;
    case WM_LBUTTONUP: {
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (m_bMouseDown && hOwner != nullptr) {
            m_bMouseDown = FALSE;
            if (GetCurSel() != LB_ERR)
                ::SendMessageA(hOwner, WM_GX_LBOX_SELECT, 0, 0); // may destroy this list
        }
        return lResult;
    }
    case WM_KEYUP:
        if (!m_bKeyDown || hOwner == nullptr)
            break;
        switch (wParam) {
        case VK_TAB:
            // The grid moves on as Tab in the edit does.
            ::PostMessageA(hOwner, WM_KEYDOWN, VK_TAB, 1);
            ::PostMessageA(hOwner, WM_KEYUP, VK_TAB, 0xC0000001);
            return 0;
        case VK_RETURN:
            ::SendMessageA(hOwner, WM_GX_LBOX_SELECT, 0, 0);
            return 0;
        case VK_ESCAPE:
            ::SendMessageA(hOwner, WM_GX_LBOX_CANCEL, 0, 0);
            return 0;
        default: {
            const int nSel = GetCurSel();
            if (nSel != m_nSelAtKeyDown) {
                m_nSelAtKeyDown = nSel;
                ::SendMessageA(hOwner, WM_GX_LBOX_SELCHANGE, 0, 0);
                return 0;
            }
            break;
        }
        }
        break;
    case WM_SYSKEYUP:
        if (m_bKeyDown && wParam == VK_DOWN && hOwner != nullptr) {
            ::SendMessageA(hOwner, WM_GX_LBOX_CANCEL, 0, 0); // Alt+Down closes
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (hOwner != nullptr)
            ::PostMessageA(hOwner, WM_GX_LBOX_KILLFOCUS, wParam, 0);
        return lResult;
    }
    case WM_ERASEBKGND:
        if (GXEraseWithParentListBrush(this, (HDC)wParam))
            return TRUE;
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

// --- The combo box's list ---

CGXComboBox::~CGXComboBox()
{
    if (m_pDropDownWnd != nullptr) {
        CGXGridCombo* pPopup = m_pDropDownWnd;
        m_pDropDownWnd = nullptr;
        CGXFocusChangeLock lock(Grid());
        pPopup->DestroyWindow();
        delete pPopup;
    }
}

CGXGridCombo* CGXComboBox::CreateDropDownWnd(CWnd* pOwner, const CRect& rect)
{
    return new CGXGridCombo(pOwner, nullptr, rect);
}

CListBox* CGXComboBox::CreateListBox(CWnd* pPopup, UINT nID)
{
    if (m_dwListBoxStyle == 0)
        m_dwListBoxStyle = WS_VSCROLL | LBS_NOTIFY;
    CRect rect;
    pPopup->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    CGXComboListBox* pList = new CGXComboListBox(this);
    const DWORD dwStyle = m_dwListBoxStyle | WS_CHILD | WS_VISIBLE | WS_BORDER;
    if (!pList->CreateEx(0, "COMBOLBOX", nullptr, dwStyle, rect, pPopup, nID) &&
        !pList->CreateEx(0, "LISTBOX", nullptr, dwStyle, rect, pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

BOOL CGXComboBox::IsDropDownVisible() { return m_pDropDownWnd != nullptr; }

void CGXComboBox::GetDropDownRect(CRect& rect, const CRect& rectCell)
{
    CGXGridParam* pParam = Grid()->GetParam();
    const int nHeight = pParam != nullptr ? (int)pParam->m_nHundred : 100; // drop-down height
    rect.SetRect(rectCell.left, rectCell.bottom, rectCell.right, rectCell.bottom + nHeight);
}

void CGXComboBox::DestroyDropDownWnd(CGXGridCombo* pPopup)
{
    if (pPopup != nullptr) {
        pPopup->DestroyWindow();
        delete pPopup;
    }
    m_font.DeleteObject();
}

void CGXComboBox::DestroyPopup()
{
    CGXGridCombo* pPopup = m_pDropDownWnd;
    m_pDropDownWnd = nullptr;
    CGXFocusChangeLock lock(Grid());
    DestroyDropDownWnd(pPopup);
}

void CGXComboBox::FillListBox(CListBox* pListBox)
{
    const CGXStyle* pStyle = LoadStyle();
    if (pListBox == nullptr || pStyle == nullptr)
        return;
    if (m_bFillWithChoiceList && !pStyle->GetChoiceList().IsEmpty()) {
        CString strList = pStyle->GetChoiceList(), strLine;
        while (!strList.IsEmpty()) {
            GXExtractLine(strList, strLine);
            pListBox->AddString(strLine);
        }
    }
    CString strText;
    BOOL bMatch = FALSE;
    if (IsActive()) {
        GetWindowText(strText);
        bMatch = (m_nFlags & (GX_CBF_MATCHCHOICE | GX_CBF_DISPLAYCHOICE)) != 0;
    } else {
        strText = pStyle->GetValue();
        bMatch = (m_nFlags & GX_CBF_MATCHCHOICE) != 0;
    }
    if (bMatch) {
        int nIndex = pListBox->FindStringExact(-1, strText);
        if (nIndex == LB_ERR && !strText.IsEmpty())
            nIndex = pListBox->SelectString(-1, strText);
        if (nIndex != LB_ERR)
            pListBox->SetCurSel(nIndex);
    } else if (m_nFlags & GX_CBF_ZEROBASED) {
        if (!strText.IsEmpty())
            pListBox->SetCurSel(std::atoi(strText));
    } else if (m_nFlags & GX_CBF_ONEBASED) {
        if (!strText.IsEmpty())
            pListBox->SetCurSel(std::atoi(strText) - 1);
    } else if (!strText.IsEmpty()) {
        pListBox->SelectString(-1, strText);
    }
}

void CGXComboBox::SetValueFromListBox(CListBox* pListBox)
{
    const int nSel = pListBox != nullptr ? pListBox->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR || GetSafeHwnd() == nullptr)
        return;
    CString strText;
    if (m_nFlags & GX_CBF_ZEROBASED)
        strText.Format("%d", nSel);
    else if (m_nFlags & GX_CBF_ONEBASED)
        strText.Format("%d", nSel + 1);
    else
        pListBox->GetText(nSel, strText);
    if (!IsActive())
        SetActive(TRUE);
    SetValue(strText);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetModify(TRUE);
    if (m_bDropDownList)
        Refresh();
    else
        Invalidate();
}

void CGXComboBox::ShowDropDown(BOOL bShow)
{
    if (!bShow) {
        if (m_pDropDownWnd != nullptr && GetSafeHwnd() != nullptr)
            SendMessage(WM_GX_LBOX_CANCEL, 0, IsActive());
        return;
    }
    if (m_pDropDownWnd != nullptr || !IsInit() || GetSafeHwnd() == nullptr)
        return;
    CGXGridCore* pGrid = Grid();
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return;
    pGrid->m_bDropDownCell = TRUE;
    CGXStyle* pStyle = pGrid->TakeStyleObject();
    pGrid->ComposeCellStyle(GetRow(), GetCol(), pStyle);
    const CRect rectCell = pGrid->GetSpannedCellRect(GetRow(), GetCol());
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    CRect rectWork(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi))
        rectWork = mi.rcWork;

    CGXGridFlagScope lockActivate(pGrid->m_bLockActivate, TRUE);
    CGXFocusChangeLock lock(pGrid);
    CListBox* pList = nullptr;
    {
        CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
        m_pDropDownWnd = CreateDropDownWnd(this, CRect(0, 0, 1, 1));
        pList = m_pDropDownWnd != nullptr ? CreateListBox(m_pDropDownWnd, m_nListBoxID) : nullptr;
    }
    if (pList == nullptr) {
        DestroyDropDownWnd(m_pDropDownWnd);
        m_pDropDownWnd = nullptr;
        pGrid->m_bDropDownCell = FALSE;
        pGrid->ReturnStyleObject(pStyle);
        return;
    }
    m_pDropDownWnd->SetListBox(pList);

    m_font.DeleteObject();
    LOGFONT lf = pStyle->GetFont().GetLogFont(pGrid->GetZoomPercent());
    lf.lfOrientation = lf.lfEscapement = 0;
    m_font.CreateFontIndirect(&lf);
    pList->SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), TRUE);

    COLORREF crText = pGrid->ResolveTextColor(*pStyle);
    COLORREF crBack = GXResolveColor(pStyle->GetInterior().GetColor());
    CGXProperties* pProp = pGrid->GetProperties();
    if (pProp != nullptr && pProp->m_abPrint[2]) {
        crText = RGB(0, 0, 0);
        crBack = RGB(255, 255, 255);
    }
    m_pDropDownWnd->SetColors(crText, crBack);

    FillListBox(pList);
    pGrid->ReturnStyleObject(pStyle);
    CRect rect;
    GetDropDownRect(rect, rectCell);
    pGridWnd->ClientToScreen(&rect);
    CRect rectCellScreen = rectCell;
    pGridWnd->ClientToScreen(&rectCellScreen);

    // As tall as the entries and half an entry more, at most the drop-down height.
    const int nItemHeight = std::max(1, pList->GetItemHeight(0));
    const int nWanted = pList->GetCount() * nItemHeight + nItemHeight / 2;
    if (nWanted < rect.Height())
        rect.bottom = rect.top + nWanted;
    if (rect.right > rectWork.right)
        rect.OffsetRect(rectCellScreen.right - rect.right, 0);
    if (rect.bottom > rectWork.bottom)
        rect.OffsetRect(0, rectCellScreen.top - rect.bottom);
    rect.IntersectRect(&rect, &rectWork);

    m_pDropDownWnd->SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(),
                                 rect.Height(), SWP_SHOWWINDOW);
    pList->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER);
    pList->SetFocus();
    if (pList->GetCurSel() == LB_ERR && pList->GetCount() > 0)
        pList->SetCurSel(0);
    pList->UpdateWindow();
    pList->SetTopIndex(std::max(0, pList->GetCurSel()));
}

// --- The private messages ---

BOOL CGXComboBox::CloseListTakingChoice()
{
    Grid()->m_bDropDownCell = FALSE;
    if (!IsReadOnly())
        SetValueFromListBox(m_pDropDownWnd->GetListBox());
    const BOOL bFocusInPopup = GXIsWindowOrChild(::GetFocus(), m_pDropDownWnd->GetSafeHwnd());
    DestroyPopup();
    NotifyModified();
    return bFocusInPopup;
}

LRESULT CGXComboBox::OnListBoxSelect()
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CGXGridCore* pGrid = Grid();
    CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
    const BOOL bFocusInPopup = CloseListTakingChoice();
    CWnd* pGridWnd = pGrid->GetGridWnd();
    const HWND hFocus = ::GetFocus();
    if (bFocusInPopup || hFocus == nullptr ||
        (pGridWnd != nullptr && hFocus == pGridWnd->GetSafeHwnd())) {
        CGXFocusChangeLock lock(pGrid);
        SetFocus();
    }
    return 0;
}

LRESULT CGXComboBox::OnListBoxCancel(BOOL bKeepActive)
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CGXGridCore* pGrid = Grid();
    pGrid->m_bDropDownCell = FALSE;
    const BOOL bFocusInList = GXIsWindowOrChild(::GetFocus(), m_pDropDownWnd->GetSafeHwnd());
    DestroyPopup();
    if (bKeepActive || (bFocusInList && IsActive())) {
        {
            CGXFocusChangeLock lock(pGrid);
            SetFocus();
        }
        if (GetModify())
            NotifyModified();
        return 0;
    }
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (bFocusInList && pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr) {
        CGXFocusChangeLock lock(pGrid);
        pGridWnd->SetFocus();
    }
    SetActive(FALSE);
    SetModify(FALSE);
    Refresh();
    return 0;
}

LRESULT CGXComboBox::OnListBoxSelChange()
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    if (!IsReadOnly()) {
        SetValueFromListBox(m_pDropDownWnd->GetListBox());
        NotifyModified();
    }
    return 0;
}

LRESULT CGXComboBox::OnListBoxKillFocus()
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CGXGridCore* pGrid = Grid();
    CWnd* pGridWnd = pGrid->GetGridWnd();
    const HWND hGrid = pGridWnd != nullptr ? pGridWnd->GetSafeHwnd() : nullptr;
    const HWND hFocus = ::GetFocus();
    if (GXIsWindowOrChild(hFocus, hGrid) ||
        GXIsWindowOrChild(hFocus, m_pDropDownWnd->GetSafeHwnd()))
        return 0;
    if (hFocus == nullptr || hGrid == nullptr) {
        SendMessage(WM_GX_LBOX_CANCEL, 0, 0);
        return 0;
    }
    // Another window took the focus: the list closes as if the grid had it, and the
    // focus goes back to that window.
    CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
    {
        CGXFocusChangeLock lock(pGrid);
        ::SetFocus(hGrid);
    }
    SendMessage(WM_GX_LBOX_CANCEL, 0, 0);
    ::SetFocus(hFocus);
    return 0;
}

LRESULT CGXComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GX_LBOX_SELECT:
        return OnListBoxSelect();
    case WM_GX_LBOX_CANCEL:
        return OnListBoxCancel(lParam != 0);
    case WM_GX_LBOX_SELCHANGE:
        return OnListBoxSelChange();
    case WM_GX_LBOX_KILLFOCUS:
        return OnListBoxKillFocus();
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN) {
            OpenByKey();
            return 0;
        }
        break;
    case WM_SYSKEYUP:
        if (wParam == VK_DOWN)
            return 0;
        break;
    case WM_SETFOCUS:
        if (m_pDropDownWnd != nullptr)
            SendMessage(WM_GX_LBOX_CANCEL, 0, 1);
        break;
    default:
        break;
    }
    return CGXEditControl::WindowProc(message, wParam, lParam);
}
