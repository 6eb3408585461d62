#include "ToolBarButton.h"

IMPLEMENT_SERIAL(CToolBarButton, CObject, 1)
IMPLEMENT_SERIAL(CToolBarEditButton, CToolBarButton, 1)
IMPLEMENT_SERIAL(CToolBarComboBoxButton, CToolBarButton, 1)
IMPLEMENT_SERIAL(CToolBarProgressButton, CToolBarButton, 1)

namespace {

void UseDefaultGuiFont(CWnd& wnd)
{
    wnd.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
}

} // namespace

// --- the button with a drop-down menu ------------------------------------------------------

CToolBarButton::CToolBarButton()
    : m_nCommand(0), m_nIndex(-1), m_nReserved1(0), m_nReserved2(0), m_nStyle(0), m_nMenuID(0),
      m_rect(0, 0, 0, 0), m_nExtra(0)
{ }

CToolBarButton::~CToolBarButton() = default;

void CToolBarButton::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nCommand << m_nIndex << m_nReserved1 << m_nReserved2 << m_nStyle;
        ar << m_strText;
        ar << (const RECT&)m_rect;
        ar << m_nMenuID << m_nExtra;
    } else {
        ar >> m_nCommand >> m_nIndex >> m_nReserved1 >> m_nReserved2 >> m_nStyle;
        ar >> m_strText;
        ar >> (RECT&)m_rect;
        ar >> m_nMenuID >> m_nExtra;
    }
}

void CToolBarButton::Enable(BOOL bEnable)
{
    CWnd* pControl = GetControl();
    if (pControl != nullptr)
        pControl->EnableWindow(bEnable);
}

void CToolBarButton::SetText(LPCSTR lpszText)
{
    CWnd* pControl = GetControl();
    if (pControl != nullptr && lpszText != nullptr)
        pControl->SetWindowText(lpszText);
}

int CToolBarButton::FindOrAppend(CToolBar* pToolBar)
{
    if (m_nIndex < 0)
        m_nIndex = (int)pToolBar->SendMessage(TB_COMMANDTOINDEX, (WPARAM)m_nCommand);
    if (m_nIndex < 0) {
        TBBUTTON button = {};
        button.iBitmap = -1;
        button.idCommand = m_nCommand;
        button.fsStyle = (BYTE)LOWORD(m_nStyle);
        int nCount = (int)pToolBar->SendMessage(TB_BUTTONCOUNT);
        pToolBar->SendMessage(TB_INSERTBUTTONA, (WPARAM)nCount, (LPARAM)&button);
        m_nIndex = (int)pToolBar->SendMessage(TB_COMMANDTOINDEX, (WPARAM)m_nCommand);
    }
    return m_nIndex;
}

BOOL CToolBarButton::AttachToToolBar(CToolBar* pToolBar)
{
    // A menu button gets its drop-down arrow.
    if (m_nCommand == 0 || m_nMenuID == 0 || HasWindow() || pToolBar->m_hWnd == nullptr)
        return TRUE;
    DWORD dwExStyle = (DWORD)pToolBar->SendMessage(TB_GETEXTENDEDSTYLE);
    pToolBar->SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle | TBSTYLE_EX_DRAWDDARROWS);
    int nIndex = FindOrAppend(pToolBar);
    if (nIndex < 0)
        return FALSE;
    UINT nStyle = pToolBar->GetButtonStyle(nIndex);
    pToolBar->SetButtonStyle(nIndex, nStyle | TBSTYLE_DROPDOWN);
    return TRUE;
}

BOOL CToolBarButton::OnDropDown(CToolBar* pToolBar, NMTOOLBARA* pNMToolBar, LRESULT* pResult)
{
    if (m_nCommand == 0 || m_nMenuID == 0 || HasWindow() || pNMToolBar->iItem != m_nCommand)
        return FALSE;
    // The first popup of the menu, under the button's bottom-left corner.
    CMenu menu;
    if (menu.LoadMenu(LOWORD(m_nMenuID))) {
        CMenu* pPopup = menu.GetSubMenu(0);
        CRect rect;
        pToolBar->SendMessage(TB_GETRECT, (WPARAM)m_nCommand, (LPARAM)&rect);
        pToolBar->ClientToScreen(&rect);
        if (pPopup != nullptr)
            pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, rect.left, rect.bottom, AfxGetMainWnd());
        menu.DestroyMenu();
    }
    if (pResult != nullptr)
        *pResult = TBDDRET_DEFAULT;
    return TRUE;
}

void CToolBarButton::SaveStateFromToolBar(CToolBar* pToolBar)
{
    if (m_nIndex < 0 || m_nIndex >= pToolBar->GetButtonCount())
        return;
    m_nStyle = (int)pToolBar->GetButtonStyle(m_nIndex);
    pToolBar->GetItemRect(m_nIndex, &m_rect);
}

CRect CToolBarButton::MakeRoom(CToolBar* pToolBar, int nIndex)
{
    pToolBar->SetButtonInfo(nIndex, (UINT)m_nCommand, TBBS_SEPARATOR, m_rect.Width());
    CRect rect;
    pToolBar->GetItemRect(nIndex, &rect);
    return rect;
}

void CToolBarButton::PlaceControl(CToolBar* pToolBar)
{
    CWnd* pControl = GetControl();
    if (pControl == nullptr || m_nIndex < 0)
        return;
    CRect rect;
    pToolBar->GetItemRect(m_nIndex, &rect);
    if (rect.Width() != m_rect.Width())
        rect = MakeRoom(pToolBar, m_nIndex);
    pControl->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    m_rect = rect;
}

BOOL CToolBarButton::CreateControl(CToolBar*, const CRect&) { return TRUE; }

BOOL CToolBarButton::AttachControl(CToolBar* pToolBar)
{
    // The control takes the button's place: the button becomes a separator as wide as
    // the control, which is made in its item rectangle.
    if (pToolBar->m_hWnd == nullptr)
        return TRUE;
    int nIndex = FindOrAppend(pToolBar);
    if (nIndex < 0)
        return FALSE;
    if (HasWindow())
        return TRUE;
    return CreateControl(pToolBar, MakeRoom(pToolBar, nIndex));
}

// --- buttons that carry a control ---------------------------------------------------------

CToolBarEditButton::CToolBarEditButton() : m_nExtraStyle(0), m_nHeight(128) { }
CToolBarEditButton::~CToolBarEditButton() = default;

void CToolBarEditButton::Serialize(CArchive& ar)
{
    CToolBarButton::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nExtraStyle << m_nHeight;
    else
        ar >> m_nExtraStyle >> m_nHeight;
}

BOOL CToolBarEditButton::AttachToToolBar(CToolBar* pToolBar) { return AttachControl(pToolBar); }

BOOL CToolBarEditButton::CreateControl(CToolBar* pToolBar, const CRect& rect)
{
    if (!m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (DWORD)m_nExtraStyle, rect,
                            pToolBar, (UINT)m_nCommand))
        return FALSE;
    UseDefaultGuiFont(m_wndEdit);
    return TRUE;
}

CToolBarComboBoxButton::CToolBarComboBoxButton()
    : m_nExtraStyle(0), m_nDropHeight(128), m_nSelected(-1)
{ }
CToolBarComboBoxButton::~CToolBarComboBoxButton() = default;

void CToolBarComboBoxButton::Serialize(CArchive& ar)
{
    CToolBarButton::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nExtraStyle << m_nDropHeight;
        m_items.Serialize(ar);
        ar << m_nSelected;
    } else {
        ar >> m_nExtraStyle >> m_nDropHeight;
        m_items.Serialize(ar);
        ar >> m_nSelected;
    }
}

BOOL CToolBarComboBoxButton::AttachToToolBar(CToolBar* pToolBar) { return AttachControl(pToolBar); }

BOOL CToolBarComboBoxButton::CreateControl(CToolBar* pToolBar, const CRect& rect)
{
    CRect rectDrop = rect;
    rectDrop.bottom += m_nDropHeight;
    if (!m_wndCombo.CreateEx(WS_EX_CLIENTEDGE, "COMBOBOX", nullptr,
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | (DWORD)m_nExtraStyle, rectDrop,
                             pToolBar, (UINT)m_nCommand))
        return FALSE;
    UseDefaultGuiFont(m_wndCombo);
    for (INT_PTR i = 0; i < m_items.GetSize(); i++)
        m_wndCombo.SendMessage(CB_ADDSTRING, 0, (LPARAM)(LPCSTR)m_items[i]);
    if (m_nSelected >= 0 && m_nSelected < (int)m_items.GetSize())
        m_wndCombo.SendMessage(CB_SETCURSEL, (WPARAM)m_nSelected);
    return TRUE;
}

void CToolBarComboBoxButton::SaveStateFromToolBar(CToolBar* pToolBar)
{
    CToolBarButton::SaveStateFromToolBar(pToolBar);
    if (!HasWindow())
        return;
    m_items.RemoveAll();
    int nCount = (int)m_wndCombo.SendMessage(CB_GETCOUNT);
    for (int i = 0; i < nCount; i++) {
        int nLen = (int)m_wndCombo.SendMessage(CB_GETLBTEXTLEN, (WPARAM)i);
        if (nLen < 0)
            continue;
        CString strItem;
        m_wndCombo.SendMessage(CB_GETLBTEXT, (WPARAM)i, (LPARAM)strItem.GetBuffer(nLen + 1));
        strItem.ReleaseBuffer(nLen);
        m_items.Add(strItem);
    }
    m_nSelected = (int)m_wndCombo.SendMessage(CB_GETCURSEL);
}

void CToolBarComboBoxButton::PlaceControl(CToolBar* pToolBar)
{
    if (!HasWindow() || m_nIndex < 0)
        return;
    CRect rect;
    pToolBar->GetItemRect(m_nIndex, &rect);
    if (rect.Width() != m_rect.Width())
        rect = MakeRoom(pToolBar, m_nIndex);
    m_wndCombo.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(),
                            rect.Height() + m_nDropHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_rect = rect;
}

CToolBarProgressButton::CToolBarProgressButton()
    : m_nExtraStyle(0), m_nLower(0), m_nUpper(100), m_nPos(0)
{ }
CToolBarProgressButton::~CToolBarProgressButton() = default;

void CToolBarProgressButton::Serialize(CArchive& ar)
{
    CToolBarButton::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nExtraStyle << m_nLower << m_nUpper << m_nPos;
    else
        ar >> m_nExtraStyle >> m_nLower >> m_nUpper >> m_nPos;
}

BOOL CToolBarProgressButton::AttachToToolBar(CToolBar* pToolBar) { return AttachControl(pToolBar); }

BOOL CToolBarProgressButton::CreateControl(CToolBar* pToolBar, const CRect& rect)
{
    CRect rectBar = rect;
    rectBar.DeflateRect(1, 3);
    if (!m_wndProgress.Create(WS_CHILD | WS_VISIBLE | (DWORD)m_nExtraStyle, rectBar, pToolBar,
                              (UINT)m_nCommand))
        return FALSE;
    m_wndProgress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(m_nLower, m_nUpper));
    m_wndProgress.SendMessage(PBM_SETPOS, (WPARAM)m_nPos);
    UseDefaultGuiFont(m_wndProgress);
    return TRUE;
}
