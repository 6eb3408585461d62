#include "controls/GXBCalendarPanels.h"
#include "controls/GXBCalendar.h"
#include "controls/GXBDateNames.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

IMPLEMENT_DYNAMIC(CGXBPanel, CObject)
IMPLEMENT_DYNAMIC(CGXBDayBox, CGXBPanel)
IMPLEMENT_DYNAMIC(CGXBDayBar, CGXBPanel)
IMPLEMENT_DYNAMIC(CGXBCalTitle, CGXBPanel)

CGXBPanel::CGXBPanel()
    : m_clrOtherMonth(RGB(128, 128, 128)), m_pCalendar(nullptr), m_nFrameWord(0), m_nStyle(0x17F),
      m_rect(0, 0, 0, 0), m_nFrameWidth(3), m_nBevel(2), m_bSelected(FALSE), m_bMarked(FALSE),
      m_clrMark(RGB(255, 0, 0)), m_clrText(RGB(0, 0, 0)), m_bLayoutDirty(TRUE), m_bCreated(FALSE),
      m_nEdgeStart(0), m_nEdgeEnd(0), m_nFrameEnd(0), m_nMarkEnd(0), m_clrFace(RGB(192, 192, 192)),
      m_hFont(nullptr)
{ }

void CGXBPanel::Create(CGXBCalendar* pCalendar, int nFrameWord, int nStyle)
{
    m_pCalendar = pCalendar;
    m_nFrameWord = nFrameWord;
    m_nStyle = nStyle;
    m_bLayoutDirty = TRUE;
    m_bCreated = TRUE;
}

void CGXBPanel::SetStyle(int nStyle)
{
    m_nStyle = nStyle;
    m_bLayoutDirty = TRUE;
}

void CGXBPanel::SetFrameWidth(int nWidth)
{
    m_nFrameWidth = nWidth;
    m_bLayoutDirty = TRUE;
}

void CGXBPanel::SetRect(const CRect& rect) { m_rect = rect; }

void CGXBPanel::ComputeInsets()
{
    if (!m_bLayoutDirty)
        return;
    m_nEdgeStart = 0;
    m_nEdgeEnd = (m_nStyle & (GXB_PANEL_EDGE_SELECTED | GXB_PANEL_EDGE_UNSELECTED)) ? 1 : 0;
    m_nFrameEnd = m_nEdgeEnd +
        ((m_nStyle & (GXB_PANEL_FRAME_SELECTED | GXB_PANEL_FRAME_UNSELECTED)) ? m_nFrameWidth : 0);
    m_nMarkEnd = m_nFrameEnd +
        ((m_nStyle & (GXB_PANEL_MARK_SELECTED | GXB_PANEL_MARK_UNSELECTED)) ? m_nFrameWidth : 0);
    m_bLayoutDirty = FALSE;
}

int CGXBPanel::GetInset()
{
    ComputeInsets();
    return m_nMarkEnd;
}

void CGXBPanel::Draw(CDC& dc)
{
    ComputeInsets();
    const CGXSysColorCache& colors = GXGetSysColorCache();
    CRect rect = m_rect;
    if (rect.IsRectEmpty())
        return;
    // The 3-D edge.
    if (m_nStyle & (m_bSelected ? GXB_PANEL_EDGE_SELECTED : GXB_PANEL_EDGE_UNSELECTED))
        dc.Draw3dRect(&rect, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
    rect.DeflateRect(m_nEdgeEnd, m_nEdgeEnd);
    // The frame: sunken when selected.
    int nFrame = m_nFrameEnd - m_nEdgeEnd;
    if (m_nStyle & (m_bSelected ? GXB_PANEL_FRAME_SELECTED : GXB_PANEL_FRAME_UNSELECTED)) {
        CRect rectFrame = rect;
        for (int i = 0; i < nFrame && !rectFrame.IsRectEmpty(); ++i) {
            if (m_bSelected)
                dc.Draw3dRect(&rectFrame, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
            else
                dc.Draw3dRect(&rectFrame, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
            rectFrame.DeflateRect(1, 1);
        }
    } else if (nFrame > 0) {
        CRect rectFrame = rect;
        for (int i = 0; i < nFrame && !rectFrame.IsRectEmpty(); ++i) {
            dc.Draw3dRect(&rectFrame, m_clrFace, m_clrFace);
            rectFrame.DeflateRect(1, 1);
        }
    }
    rect.DeflateRect(nFrame, nFrame);
    if (rect.IsRectEmpty())
        return;
    // The interior and its text.
    dc.FillSolidRect(&rect, m_clrFace);
    CRect rectText = rect;
    rectText.DeflateRect(m_nMarkEnd - m_nFrameEnd, m_nMarkEnd - m_nFrameEnd);
    DrawContent(dc, rectText);
    // The mark.
    if (m_bMarked &&
        (m_nStyle & (m_bSelected ? GXB_PANEL_MARK_SELECTED : GXB_PANEL_MARK_UNSELECTED))) {
        CRect rectMark = rect;
        for (int i = 0; i < m_nFrameWidth && !rectMark.IsRectEmpty(); ++i) {
            dc.Draw3dRect(&rectMark, m_clrMark, m_clrMark);
            rectMark.DeflateRect(1, 1);
        }
    }
}

void CGXBPanel::DrawContent(CDC& dc, const CRect& rect)
{
    if (m_strText.IsEmpty())
        return;
    HGDIOBJ hOldFont = m_hFont != nullptr ? ::SelectObject(dc.GetSafeHdc(), m_hFont) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(UseOtherMonthColor() ? m_clrOtherMonth : m_clrText);
    CRect rectText = rect;
    UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    if (m_nStyle & GXB_PANEL_CENTER)
        nFormat |= DT_CENTER | DT_VCENTER;
    else
        rectText.DeflateRect(rect.Width() / 10, rect.Height() / 10, 0, 0);
    dc.DrawText(m_strText, m_strText.GetLength(), &rectText, nFormat);
    if (hOldFont != nullptr)
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

// ---------------------------------------------------------------------------------------

CGXBDayBox::CGXBDayBox() : m_bDateSet(FALSE), m_bOtherMonth(FALSE) { }

void CGXBDayBox::SetDate(const COleDateTime& date)
{
    m_date = date;
    m_bDateSet = TRUE;
    CString str;
    str.Format("%d", date.GetDay());
    SetText(str);
}

// ---------------------------------------------------------------------------------------

CGXBDayBar::CGXBDayBar() : m_nFirstDayOfWeek(1) { }

CString CGXBDayBar::GetDayText(int nDay) const
{
    return GXBGetDayName(nDay, (m_nStyle & GXB_PANEL_FULL_DAY) != 0);
}

void CGXBDayBar::DrawContent(CDC& dc, const CRect&)
{
    static const double columns[8] = {0, 0.143, 0.286, 0.429, 0.572, 0.715, 0.858, 1.0};
    HGDIOBJ hOldFont = m_hFont != nullptr ? ::SelectObject(dc.GetSafeHdc(), m_hFont) : nullptr;
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrText);
    UINT nOldAlign = dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    int w = m_rect.Width();
    int y = m_rect.top + m_rect.Height() / 2 + tm.tmAscent / 2;
    for (int i = 0; i < 7; ++i) {
        int nDay = (m_nFirstDayOfWeek - 1 + i) % 7 + 1;
        int x = m_rect.left + (int)(w * (columns[i] + columns[i + 1]) / 2);
        CString str = GetDayText(nDay);
        dc.TextOut(x, y, str);
    }
    dc.SetTextAlign(nOldAlign);
    if (hOldFont != nullptr)
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

// ---------------------------------------------------------------------------------------

CGXBCalTitle::CGXBCalTitle() : m_bMonthButtons(FALSE), m_bYearButtons(FALSE) { }

CGXBCalTitle::~CGXBCalTitle()
{
    for (CButton& button : m_buttons)
        if (button.GetSafeHwnd() != nullptr)
            button.DestroyWindow();
}

BOOL CGXBCalTitle::CreateButtons(CWnd* pParent, BOOL bMonthButtons, BOOL bYearButtons)
{
    static const char* const texts[4] = {"<<", "<", ">", ">>"};
    static const UINT ids[4] = {GXB_IDC_PREVYEAR, GXB_IDC_PREVMONTH, GXB_IDC_NEXTMONTH,
                                GXB_IDC_NEXTYEAR};
    m_bMonthButtons = bMonthButtons;
    m_bYearButtons = bYearButtons;
    for (int i = 0; i < 4; ++i) {
        BOOL bWanted = (i == gxPrevMonth || i == gxNextMonth) ? bMonthButtons : bYearButtons;
        if (!bWanted || m_buttons[i].GetSafeHwnd() != nullptr)
            continue;
        if (!m_buttons[i].Create(texts[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 1, 1),
                                 pParent, ids[i]))
            return FALSE;
    }
    return TRUE;
}

void CGXBCalTitle::SetRect(const CRect& rect)
{
    CGXBPanel::SetRect(rect);
    int w = rect.Width(), h = rect.Height();
    int top = rect.top + h / 5, bottom = rect.top + h * 4 / 5;
    auto place = [&](int nButton, double from, double to, BOOL bRight) {
        if (m_buttons[nButton].GetSafeHwnd() == nullptr)
            return;
        int left = (int)(w * from), right = (int)(w * to);
        CRect r = bRight ? CRect(rect.right - right, top, rect.right - left, bottom)
                         : CRect(rect.left + left, top, rect.left + right, bottom);
        m_buttons[nButton].MoveWindow(&r);
    };
    if (m_bYearButtons) {
        place(gxPrevYear, 0.05, 0.15, FALSE);
        place(gxPrevMonth, 0.15, 0.25, FALSE);
        place(gxNextMonth, 0.15, 0.25, TRUE);
        place(gxNextYear, 0.05, 0.15, TRUE);
    } else {
        place(gxPrevMonth, 0.05, 0.15, FALSE);
        place(gxNextMonth, 0.05, 0.15, TRUE);
    }
}

void CGXBCalTitle::SetDate(const COleDateTime& date)
{
    CString str;
    CString strMonth = GXBGetMonthName(date.GetMonth(), (m_nStyle & GXB_PANEL_FULL_MONTH) != 0);
    str.Format("%s %d", (LPCTSTR)strMonth, date.GetYear());
    SetText(str);
}
