// The date-time window's input: focus, keys and the mouse on its gadgets, and the popup
// calendar it drops.
#include "controls/GXBDateTimeCtrl.h"
#include "controls/GXBCalendar.h"

#include <windows.h>

namespace {
BOOL g_bPopupOpening = FALSE; // user-interface thread only
}

BOOL GXBIsPopupCalendarOpening() { return g_bPopupOpening; }

// ---------------------------------------------------------------------------------------
// Focus, keys and mouse.

UINT CGXBDateTimeCtrl::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS; }

void CGXBDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (::GetKeyState(VK_TAB) < 0) {
        if (::GetKeyState(VK_SHIFT) < 0)
            LastGadget();
        else
            FirstGadget();
    }
    CGXBDTGadget* pCurrent = GetGadget(m_nCurGadget);
    if (pCurrent == nullptr && FirstGadget())
        pCurrent = GetGadget(m_nCurGadget);
    if (pCurrent != nullptr)
        pCurrent->SetFocus(TRUE);
}

void CGXBDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    CGXBDTGadget* pCurrent = GetGadget(m_nCurGadget);
    if (pCurrent != nullptr)
        pCurrent->SetFocus(FALSE);
}

void CGXBDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_TAB:
    case VK_F4:
        // A number being typed is committed first; a refused one keeps the key.
        if (!CommitTyping())
            return;
        break;
    }
    switch (nChar) {
    case VK_LEFT:
        PrevGadget();
        return;
    case VK_RIGHT:
        NextGadget();
        return;
    case VK_TAB:
        if (::GetKeyState(VK_SHIFT) < 0)
            PrevGadget();
        else
            NextGadget();
        return;
    case VK_F4:
        if (GetStyle() & gxDropButton)
            DropCalendar();
        return;
    }
    CGXBDTGadget* pCurrent = GetGadget(m_nCurGadget);
    if (pCurrent != nullptr)
        pCurrent->OnKeyDown(nChar);
    else
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (GetStyle() & gxDropButton)) {
        DropCalendar();
        return;
    }
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBDateTimeCtrl::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == '\t')
        return;
    // Typing the separator that follows the field skips to the next field.
    auto* pNext = dynamic_cast<CGXBDTStaticGadget*>(GetGadget(m_nCurGadget + 1));
    if (pNext != nullptr && m_nCurGadget >= m_nFixed) {
        CString strSep = pNext->m_strText;
        strSep.TrimLeft();
        strSep.TrimRight();
        if ((strSep.IsEmpty() && nChar == ' ') ||
            (strSep.GetLength() == 1 && (BYTE)strSep[0] == (BYTE)nChar)) {
            NextGadget();
            return;
        }
    }
    CGXBDTGadget* pCurrent = GetGadget(m_nCurGadget);
    if (pCurrent != nullptr)
        pCurrent->OnChar(nChar);
}

void CGXBDateTimeCtrl::OnLButtonDown(UINT, CPoint point)
{
    int nIndex = GadgetFromPoint(point);
    if (::GetFocus() != m_hWnd) {
        SetFocus();
        if (nIndex < 0 || !m_gadgets[nIndex]->CanFocus())
            if (GetGadget(m_nCurGadget) == nullptr)
                FirstGadget();
    }
    CGXBDTGadget* pGadget = GetGadget(nIndex);
    if (pGadget == nullptr)
        return;
    if (pGadget->CanFocus())
        SetCurrentGadget(nIndex);
    if (pGadget->GetStyle() & CGXBDTGadget::gxMouseInput) {
        if (!pGadget->IsFixed())
            point.x += m_nScrollOffset;
        pGadget->OnLButtonDown(point);
    }
}

void CGXBDateTimeCtrl::OnLButtonUp(UINT, CPoint point)
{
    CGXBDTGadget* pGadget = m_pCapture;
    if (pGadget == nullptr)
        return;
    if (!pGadget->IsFixed())
        point.x += m_nScrollOffset;
    pGadget->OnLButtonUp(point);
}

void CGXBDateTimeCtrl::OnMouseMove(UINT, CPoint point)
{
    CGXBDTGadget* pGadget = m_pCapture;
    if (pGadget == nullptr)
        return;
    if (!pGadget->IsFixed())
        point.x += m_nScrollOffset;
    pGadget->OnMouseMove(point);
}

void CGXBDateTimeCtrl::OnCancelMode()
{
    CGXBDTGadget* pGadget = m_pCapture;
    if (pGadget != nullptr)
        pGadget->OnCancelMode();
    m_pCapture = nullptr;
}

void CGXBDateTimeCtrl::NotifyChange()
{
    if (m_hWnd == nullptr || (GetExStyle() & WS_EX_NOPARENTNOTIFY))
        return;
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), GXBDT_NOTIFY_CHANGE),
                             (LPARAM)m_hWnd);
}

// ---------------------------------------------------------------------------------------
// The popup calendar.

CGXBPopupCalendar* CGXBDateTimeCtrl::CreateCalendar() { return new CGXBPopupCalendar; }

void CGXBDateTimeCtrl::DropCalendar()
{
    if (m_pCalendar != nullptr || m_hWnd == nullptr)
        return;
    CommitTyping();
    g_bPopupOpening = TRUE;
    CGXBPopupCalendar* pCalendar = CreateCalendar();
    pCalendar->SetBehavior(pCalendar->GetBehavior() | 0x1000200 | 0x102);
    COleDateTime value = m_value;
    if (value.GetStatus() != COleDateTime::valid || value.GetYear() < 0)
        value = GXBGetCurrentTime();
    pCalendar->SetDisplayDate(value, FALSE);
    pCalendar->SelectDate(value, TRUE);
    CRect rect;
    GetWindowRect(&rect);
    if (pCalendar->CreatePopup(0x90040001, rect, this))
        m_pCalendar = pCalendar;
    else
        delete pCalendar;
    g_bPopupOpening = FALSE;
}

void CGXBDateTimeCtrl::CloseCalendar()
{
    CGXBPopupCalendar* pCalendar = m_pCalendar;
    if (pCalendar == nullptr)
        return;
    m_pCalendar = nullptr;
    if (pCalendar->GetSafeHwnd() != nullptr)
        pCalendar->DestroyWindow();
    delete pCalendar;
}

LRESULT CGXBDateTimeCtrl::OnCalendarChosen(WPARAM, LPARAM)
{
    if (m_pCalendar == nullptr)
        return 0;
    COleDateTime date = m_pCalendar->GetSelectedDate();
    COleDateTime value;
    BOOL bOk = date.GetStatus() == COleDateTime::valid && date.GetYear() > 0 &&
        value.SetDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), m_value.GetHour(),
                          m_value.GetMinute(), m_value.GetSecond()) == 0;
    CloseCalendar();
    if (bOk)
        bOk = CheckRange(value, 0) && ValidateValue(value);
    if (::IsWindowVisible(m_hWnd) && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT))
        SetFocus();
    if (!bOk)
        return 0;
    m_nState |= gxChanged;
    ApplyValue(value);
    UpdateWindow();
    NotifyChange();
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnCalendarCancelled(WPARAM, LPARAM)
{
    CloseCalendar();
    if (::IsWindowVisible(m_hWnd) && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT))
        SetFocus();
    return 0;
}
