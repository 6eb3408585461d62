// CGXBCalendar: painting, sizing and system colour changes, and the mouse (clicks, dragging
// the selection over the day boxes, double clicks and marking with the right button).
#include "controls/GXBCalendar.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

// ---------------------------------------------------------------------------------------
// Painting.

BOOL CGXBCalendar::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXBCalendar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    GXPaintThroughBuffer(dc, client, [&](CDC& dcPaint) {
        dcPaint.FillSolidRect(&client, m_clrFace);
        m_title.Draw(dcPaint);
        m_dayBar.Draw(dcPaint);
        for (CGXBDayBox& box : m_boxes)
            box.Draw(dcPaint);
    });
}

void CGXBCalendar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutPanels();
    Invalidate(FALSE);
}

void CGXBCalendar::OnSysColorChange()
{
    GXGetSysColorCache().Refresh();
    LoadSysColors();
    ApplyColors();
    Invalidate(FALSE);
}

LRESULT CGXBCalendar::OnNcHitTest(CPoint point)
{
    LRESULT nHit = Default();
    if (!(m_nBehavior & GXB_CAL_RESIZABLE) && nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT)
        return HTCLIENT;
    (void)point;
    return nHit;
}

// ---------------------------------------------------------------------------------------
// Mouse.

void CGXBCalendar::ClickBox(CGXBDayBox* pBox)
{
    COleDateTime date = pBox->GetDate();
    if (pBox->IsOtherMonth() && !(pBox->GetStyle() & GXB_PANEL_FRAME_SELECTED)) {
        if (!SetDisplayDate(date, TRUE))
            return;
        pBox = FindBox(date);
        if (pBox == nullptr)
            return;
    }
    if (m_nBehavior & GXB_CAL_DRAG_SELECT)
        SelectDate(date, TRUE);
    else
        ToggleSelect(date);
}

void CGXBCalendar::RestoreSavedSelection()
{
    if (m_bSelInMonthAtDown)
        SelectDate(m_savedSelection, TRUE);
}

void CGXBCalendar::OnLButtonDown(UINT, CPoint point)
{
    CGXBDayBox* pBox = BoxFromPoint(point);
    if (pBox == nullptr)
        return;
    m_bSelInMonthAtDown = m_pSelected != nullptr &&
        m_pSelected->GetMonth() == m_displayDate.GetMonth() &&
        m_pSelected->GetYear() == m_displayDate.GetYear();
    if (m_bSelInMonthAtDown)
        m_savedSelection = *m_pSelected;
    m_bPressed = TRUE;
    m_pTrackBox = pBox;
    ClickBox(pBox);
    if ((m_nBehavior & GXB_CAL_DRAG_SELECT) && m_pFocusBox != nullptr &&
        m_pFocusBox->IsSelected()) {
        m_bTracking = TRUE;
        SetCapture();
    }
}

void CGXBCalendar::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        if (m_pTrackBox != nullptr)
            RestoreSavedSelection();
        m_pTrackBox = nullptr;
        return;
    }
    // Only a move onto another box counts: the pressed box may show another month's day
    // now that its month is displayed.
    CGXBDayBox* pBox = BoxFromPoint(point);
    if (pBox == m_pTrackBox)
        return;
    m_pTrackBox = pBox;
    if (pBox != nullptr && pBox != m_pFocusBox && pBox->IsSelectable())
        SelectDate(pBox->GetDate(), TRUE);
}

void CGXBCalendar::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bPressed)
        return;
    m_bPressed = FALSE;
    if (m_bTracking) {
        m_bTracking = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        CRect client;
        GetClientRect(&client);
        CGXBDayBox* pBox = client.PtInRect(point) ? BoxFromPoint(point) : nullptr;
        if (pBox != nullptr) {
            if (pBox != m_pTrackBox)
                ClickBox(pBox);
        } else if (!client.PtInRect(point)) {
            RestoreSavedSelection();
        }
    }
    if (m_nBehavior & GXB_CAL_RELEASE_CHOOSES)
        Choose();
}

void CGXBCalendar::OnCancelMode()
{
    if (m_bTracking) {
        m_bTracking = FALSE;
        RestoreSavedSelection();
    }
    m_bPressed = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CGXBCalendar::OnLButtonDblClk(UINT, CPoint point)
{
    CGXBDayBox* pBox = BoxFromPoint(point);
    if (pBox == nullptr)
        return;
    if (!pBox->IsSelected())
        ClickBox(pBox);
    pBox = FindBox(pBox->GetDate());
    if (pBox != nullptr && (pBox->GetStyle() & GXB_PANEL_DBLCLK_CHOOSES))
        Choose();
}

void CGXBCalendar::OnRButtonDown(UINT, CPoint point)
{
    CGXBDayBox* pBox = BoxFromPoint(point);
    if (pBox == nullptr)
        return;
    COleDateTime date = pBox->GetDate();
    if (pBox->IsOtherMonth() && !SetDisplayDate(date, TRUE))
        return;
    ToggleMark(date);
}
