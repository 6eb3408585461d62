// CGXBCalendar: selecting and marking days, moving the focus and the displayed month by days,
// weeks, months and years, choosing or cancelling, and the keys.
#include "controls/GXBCalendar.h"
#include "controls/GXBDateTimeCtrl.h"

#include <windows.h>

#include <algorithm>

namespace {

int DayKey(const COleDateTime& date)
{
    return date.GetYear() * 10000 + date.GetMonth() * 100 + date.GetDay();
}

int DaysInMonth(int nYear, int nMonth)
{
    COleDateTime first(nYear, nMonth, 1, 12, 0, 0);
    for (int nDay = 31; nDay > 28; --nDay)
        if (COleDateTime(nYear, nMonth, nDay, 12, 0, 0).GetStatus() == COleDateTime::valid)
            return nDay;
    return first.GetStatus() == COleDateTime::valid ? 28 : 0;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Selection and marks.

BOOL CGXBCalendar::IsDateMarked(const COleDateTime& date) const
{
    int nKey = DayKey(date);
    for (POSITION pos = m_marked.GetHeadPosition(); pos != nullptr;) {
        int nEntry = DayKey(m_marked.GetNext(pos));
        if (nEntry == nKey)
            return TRUE;
        if (nEntry > nKey)
            break;
    }
    return FALSE;
}

void CGXBCalendar::Notify(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (m_pNotify != nullptr && m_pNotify->GetSafeHwnd() != nullptr)
        m_pNotify->PostMessage(nMessage, wParam, lParam);
}

void CGXBCalendar::SelectDate(DATE date, BOOL bSelect) { SelectDate(COleDateTime(date), bSelect); }

void CGXBCalendar::SelectDate(const COleDateTime& dateIn, BOOL bSelect)
{
    if (dateIn.GetStatus() != COleDateTime::valid || dateIn.GetYear() < 0)
        return;
    COleDateTime date = Noon(dateIn);
    m_focusDate = date;
    if (bSelect) {
        m_selectedDate = date;
        m_pSelected = &m_selectedDate;
    } else {
        m_pSelected = nullptr;
    }
    CGXBDayBox* pBox = FindBox(date);
    for (CGXBDayBox& box : m_boxes)
        if (&box != pBox)
            box.SetSelected(FALSE);
    m_pFocusBox = pBox;
    if (pBox != nullptr)
        pBox->SetSelected(bSelect && pBox->IsSelectable());
    if (!m_bLive)
        return;
    Invalidate(FALSE);
    Notify(GXB_CAL_SELCHANGE, bSelect, (LPARAM)pBox);
    if (m_nBehavior & GXB_CAL_SELECT_CHOOSES)
        Notify(GXB_CAL_CHOSEN, 0, 0);
    if (::GetFocus() != m_hWnd)
        SetFocus();
}

void CGXBCalendar::ToggleSelect(DATE date) { ToggleSelect(COleDateTime(date)); }

void CGXBCalendar::ToggleSelect(const COleDateTime& date)
{
    CGXBDayBox* pBox = FindBox(date);
    BOOL bSelected = pBox != nullptr && pBox->IsSelected();
    SelectDate(date, !bSelected);
    if (m_nBehavior & GXB_CAL_SELECT_CHOOSES)
        Choose();
}

void CGXBCalendar::MarkDate(DATE date, BOOL bMark) { MarkDate(COleDateTime(date), bMark); }

void CGXBCalendar::MarkDate(const COleDateTime& dateIn, BOOL bMark)
{
    if (dateIn.GetStatus() != COleDateTime::valid || dateIn.GetYear() < 0)
        return;
    COleDateTime date = Noon(dateIn);
    CGXBDayBox* pBox = FindBox(date);
    if (pBox != nullptr) {
        if (!pBox->IsMarkable())
            return;
        pBox->SetMarked(bMark);
        if (m_hWnd != nullptr)
            Invalidate(FALSE);
    }
    Notify(GXB_CAL_MARKCHANGE, bMark, (LPARAM)pBox);
    int nKey = DayKey(date);
    POSITION pos = m_marked.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posEntry = pos;
        int nEntry = DayKey(m_marked.GetNext(pos));
        if (nEntry == nKey) {
            if (!bMark)
                m_marked.RemoveAt(posEntry);
            return;
        }
        if (nEntry > nKey) {
            if (bMark)
                m_marked.InsertBefore(posEntry, date);
            return;
        }
    }
    if (bMark)
        m_marked.AddTail(date);
}

void CGXBCalendar::ToggleMark(DATE date) { ToggleMark(COleDateTime(date)); }

void CGXBCalendar::ToggleMark(const COleDateTime& date) { MarkDate(date, !IsDateMarked(date)); }

// ---------------------------------------------------------------------------------------
// Moving the focus and the display.

COleDateTime CGXBCalendar::FocusOrDisplayDate(BOOL bMoveFocus) const
{
    return bMoveFocus && m_pFocusBox != nullptr ? m_pFocusBox->GetDate() : m_displayDate;
}

BOOL CGXBCalendar::MoveFocusBySeconds(long nSeconds)
{
    return MoveFocus(COleDateTimeSpan(nSeconds / 86400.0));
}

BOOL CGXBCalendar::MoveFocus(const COleDateTimeSpan& span)
{
    if (m_pFocusBox == nullptr) {
        Beep();
        return FALSE;
    }
    COleDateTime target = Noon(m_pFocusBox->GetDate() + span);
    if (target.GetStatus() != COleDateTime::valid || target.GetYear() < 0 ||
        !IsDateAllowed(target.GetYear(), target.GetMonth(), target.GetDay())) {
        Beep();
        return FALSE;
    }
    if ((target.GetMonth() != m_displayDate.GetMonth() ||
         target.GetYear() != m_displayDate.GetYear()) &&
        !SetDisplayDate(target, TRUE))
        return FALSE;
    SelectDate(target, TRUE);
    return TRUE;
}

BOOL CGXBCalendar::MoveDisplayBySeconds(long nSeconds)
{
    return MoveDisplay(COleDateTimeSpan(nSeconds / 86400.0));
}

BOOL CGXBCalendar::MoveDisplay(const COleDateTimeSpan& span)
{
    COleDateTime target = Noon(m_displayDate + span);
    if (target.GetStatus() != COleDateTime::valid || target.GetYear() < 0 ||
        !IsDateAllowed(target.GetYear(), target.GetMonth(), target.GetDay())) {
        Beep();
        return FALSE;
    }
    return SetDisplayDate(target, TRUE);
}

BOOL CGXBCalendar::NextDay(BOOL bMoveFocus)
{
    return bMoveFocus ? MoveFocus(COleDateTimeSpan(1.0)) : MoveDisplay(COleDateTimeSpan(1.0));
}

BOOL CGXBCalendar::PrevDay(BOOL bMoveFocus)
{
    return bMoveFocus ? MoveFocus(COleDateTimeSpan(-1.0)) : MoveDisplay(COleDateTimeSpan(-1.0));
}

BOOL CGXBCalendar::NextWeek(BOOL bMoveFocus)
{
    return bMoveFocus ? MoveFocus(COleDateTimeSpan(7.0)) : MoveDisplay(COleDateTimeSpan(7.0));
}

BOOL CGXBCalendar::PrevWeek(BOOL bMoveFocus)
{
    return bMoveFocus ? MoveFocus(COleDateTimeSpan(-7.0)) : MoveDisplay(COleDateTimeSpan(-7.0));
}

namespace {

// The first of the month nMonths away; invalid outside the calendar's years.
COleDateTime FirstOfMonth(const COleDateTime& from, int nMonths)
{
    int nIndex = from.GetYear() * 12 + from.GetMonth() - 1 + nMonths;
    return COleDateTime(nIndex / 12, nIndex % 12 + 1, 1, 12, 0, 0);
}

// The same day nYears away (29 February becomes 28 February).
COleDateTime SameDayInYear(const COleDateTime& from, int nYears)
{
    int nYear = from.GetYear() + nYears;
    int nDay = std::min(from.GetDay(), DaysInMonth(nYear, from.GetMonth()));
    return COleDateTime(nYear, from.GetMonth(), std::max(nDay, 1), 12, 0, 0);
}

} // namespace

BOOL CGXBCalendar::StepMonthsOrYears(int nSteps, BOOL bYears, BOOL bMoveFocus)
{
    COleDateTime from = FocusOrDisplayDate(bMoveFocus);
    if (bMoveFocus && m_pFocusBox == nullptr) {
        Beep();
        return FALSE;
    }
    COleDateTime target = bYears ? SameDayInYear(from, nSteps) : FirstOfMonth(from, nSteps);
    if (bYears &&
        (target.GetStatus() != COleDateTime::valid ||
         !IsDateAllowed(target.GetYear(), target.GetMonth(), target.GetDay()))) {
        Beep();
        return FALSE;
    }
    return bMoveFocus ? MoveFocus(target - Noon(from)) : MoveDisplay(target - Noon(from));
}

BOOL CGXBCalendar::NextMonth(BOOL bMoveFocus) { return StepMonthsOrYears(1, FALSE, bMoveFocus); }

BOOL CGXBCalendar::PrevMonth(BOOL bMoveFocus) { return StepMonthsOrYears(-1, FALSE, bMoveFocus); }

BOOL CGXBCalendar::NextYear(BOOL bMoveFocus) { return StepMonthsOrYears(1, TRUE, bMoveFocus); }

BOOL CGXBCalendar::PrevYear(BOOL bMoveFocus) { return StepMonthsOrYears(-1, TRUE, bMoveFocus); }

void CGXBCalendar::OnNextMonthCmd()
{
    NextMonth(FALSE);
    SetFocus();
}

void CGXBCalendar::OnPrevMonthCmd()
{
    PrevMonth(FALSE);
    SetFocus();
}

void CGXBCalendar::OnNextYearCmd()
{
    NextYear(FALSE);
    SetFocus();
}

void CGXBCalendar::OnPrevYearCmd()
{
    PrevYear(FALSE);
    SetFocus();
}

// ---------------------------------------------------------------------------------------
// Choosing.

void CGXBCalendar::Choose()
{
    if (m_hWnd != nullptr)
        PostMessage(GXB_CAL_CHOSEN, 0, 0);
}

void CGXBCalendar::Cancel()
{
    if (m_hWnd != nullptr)
        PostMessage(GXB_CAL_CANCELLED, 0, 0);
}

LRESULT CGXBCalendar::NotifyAndHide(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    Notify(nMessage, wParam, lParam);
    m_bHiding = TRUE;
    ShowWindow(SW_HIDE);
    m_bHiding = FALSE;
    return 0;
}

LRESULT CGXBCalendar::OnChosenMsg(WPARAM wParam, LPARAM lParam)
{
    return NotifyAndHide(GXB_CAL_CHOSEN, wParam, lParam);
}

LRESULT CGXBCalendar::OnCancelledMsg(WPARAM wParam, LPARAM lParam)
{
    return NotifyAndHide(GXB_CAL_CANCELLED, wParam, lParam);
}

// ---------------------------------------------------------------------------------------
// Keys.

UINT CGXBCalendar::OnGetDlgCode()
{
    return (m_nBehavior & GXB_CAL_KEYBOARD) ? DLGC_WANTALLKEYS | DLGC_WANTARROWS : 0;
}

void CGXBCalendar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!(m_nBehavior & GXB_CAL_KEYBOARD)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (nChar) {
    case VK_ESCAPE:
    case VK_CANCEL:
        Cancel();
        return;
    case VK_RETURN:
        if (m_pFocusBox != nullptr)
            Choose();
        else
            Cancel();
        return;
    case VK_SPACE:
        if (m_focusDate.GetStatus() == COleDateTime::valid)
            ToggleSelect(m_focusDate);
        return;
    case VK_HOME:
        SelectDate(COleDateTime(m_displayDate.GetYear(), m_displayDate.GetMonth(), 1, 12, 0, 0),
                   TRUE);
        return;
    case VK_END: {
        COleDateTime last(m_displayDate.GetYear(), m_displayDate.GetMonth(), 28, 12, 0, 0);
        last += COleDateTimeSpan(4.0);
        while (last.GetMonth() != m_displayDate.GetMonth())
            last = Noon(last - COleDateTimeSpan(1.0));
        SelectDate(last, TRUE);
        return;
    }
    }
    if (!bCtrl) {
        switch (nChar) {
        case VK_LEFT:
        case VK_NUMPAD4:
            PrevDay(TRUE);
            break;
        case VK_RIGHT:
        case VK_NUMPAD6:
            NextDay(TRUE);
            break;
        case VK_UP:
        case VK_NUMPAD8:
            PrevWeek(TRUE);
            break;
        case VK_DOWN:
        case VK_NUMPAD2:
            NextWeek(TRUE);
            break;
        case VK_PRIOR:
            PrevMonth(TRUE);
            break;
        case VK_NEXT:
            NextMonth(TRUE);
            break;
        }
        return;
    }
    switch (nChar) {
    case VK_LEFT:
    case VK_NUMPAD4:
        PrevMonth(TRUE);
        break;
    case VK_RIGHT:
    case VK_NUMPAD6:
        NextMonth(TRUE);
        break;
    case VK_UP:
    case VK_NUMPAD8:
    case VK_PRIOR:
        PrevYear(TRUE);
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
    case VK_NEXT:
        NextYear(TRUE);
        break;
    }
}
