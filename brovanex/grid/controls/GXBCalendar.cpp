// CGXBCalendar: creation, system colours, layout and fonts, the displayed month and its day
// boxes; CGXBPopupCalendar, the calendar that drops down. Selecting, moving and the keys are
// in GXBCalendarSelect.cpp, painting and the mouse in GXBCalendarPaint.cpp.
#include "controls/GXBCalendar.h"
#include "controls/GXBDateNames.h"
#include "controls/GXBDateTimeCtrl.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXBCalendar, CWnd)
IMPLEMENT_DYNAMIC(CGXBPopupCalendar, CGXBCalendar)

BEGIN_MESSAGE_MAP(CGXBCalendar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_NCHITTEST()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(GXB_CAL_CHOSEN, &CGXBCalendar::OnChosenMsg)
    ON_MESSAGE(GXB_CAL_CANCELLED, &CGXBCalendar::OnCancelledMsg)
    ON_COMMAND(GXB_IDC_NEXTMONTH, &CGXBCalendar::OnNextMonthCmd)
    ON_COMMAND(GXB_IDC_PREVMONTH, &CGXBCalendar::OnPrevMonthCmd)
    ON_COMMAND(GXB_IDC_NEXTYEAR, &CGXBCalendar::OnNextYearCmd)
    ON_COMMAND(GXB_IDC_PREVYEAR, &CGXBCalendar::OnPrevYearCmd)
END_MESSAGE_MAP()

namespace {

BOOL SameDay(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

} // namespace

CGXBCalendar::CGXBCalendar()
    : m_pOwner(nullptr), m_pNotify(nullptr), m_nBoxFrameWidth(2), m_bLive(FALSE),
      m_displayDate(1970, 1, 1, 12, 0, 0), m_pSelected(nullptr), m_pFocusBox(nullptr),
      m_bTracking(FALSE), m_bSelInMonthAtDown(FALSE), m_bPressed(FALSE), m_pTrackBox(nullptr),
      m_clrText(0), m_clrBtnText(0), m_clrBtnText2(0), m_clrFace(0), m_clrCaption(0),
      m_clrCaptionText(0), m_clrOtherMonth(0), m_nOtherMonthStyle(0x101),
      m_nInMonthStyle(0x1000017F), m_nBehavior(0x39C000), m_bHiding(FALSE)
{
    m_selectedDate.SetStatus(COleDateTime::invalid);
    m_focusDate.SetStatus(COleDateTime::invalid);
    m_savedSelection.SetStatus(COleDateTime::invalid);
    LOGFONT lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    for (LOGFONT& f : m_logFonts)
        f = lf;
    LoadSysColors();
}

CGXBCalendar::~CGXBCalendar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

UINT CGXBCalendar::GetClassStyle() { return CS_DBLCLKS; }

void CGXBCalendar::LoadSysColors()
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    m_clrText = colors.GetSysColor(COLOR_WINDOWTEXT);
    m_clrBtnText = m_clrBtnText2 = colors.GetSysColor(COLOR_BTNTEXT);
    m_clrFace = colors.GetSysColor(COLOR_BTNFACE);
    m_clrCaption = colors.GetSysColor(COLOR_ACTIVECAPTION);
    m_clrCaptionText = colors.GetSysColor(COLOR_CAPTIONTEXT);
    m_clrOtherMonth = colors.GetSysColor(COLOR_GRAYTEXT);
}

void CGXBCalendar::ApplyColors()
{
    m_title.SetColors(m_clrCaptionText, m_clrCaption, m_clrOtherMonth);
    m_dayBar.SetColors(m_clrBtnText, m_clrFace, m_clrOtherMonth);
    for (CGXBDayBox& box : m_boxes)
        box.SetColors(m_clrText, m_clrFace, m_clrOtherMonth);
}

void CGXBCalendar::Beep() { GXBBeep(MB_ICONEXCLAMATION); }

BOOL CGXBCalendar::IsDateAllowed(int nYear, int nMonth, int nDay)
{
    int nEffective = nYear + (nMonth + nDay / 28) / 12;
    return nEffective >= 1400 && nEffective <= 2400;
}

COleDateTime CGXBCalendar::Noon(const COleDateTime& date)
{
    COleDateTime noon(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
    if (noon.GetStatus() != COleDateTime::valid)
        return noon;
    // Rounding may put it an hour off; that hour belongs to the neighbouring day.
    if (noon.GetHour() == 11)
        noon += COleDateTimeSpan(1.0);
    else if (noon.GetHour() == 13)
        noon -= COleDateTimeSpan(1.0);
    return noon;
}

// ---------------------------------------------------------------------------------------
// Creation, layout and fonts.

BOOL CGXBCalendar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    GXGetSysColorCache().Refresh();
    LoadSysColors();
    m_pOwner = m_pNotify = pParentWnd;
    LPCSTR pszClass =
        AfxRegisterWndClass(GetClassStyle(), ::LoadCursor(nullptr, IDC_ARROW), nullptr);
    // A popup is owned by the parent instead of being its child.
    DWORD dwWndStyle = dwStyle | WS_CLIPCHILDREN | ((dwStyle & WS_POPUP) ? 0 : WS_CHILD);
    if (!CreateEx(0, pszClass, "CGXBCalendar", dwWndStyle, rect, pParentWnd,
                  (dwStyle & WS_POPUP) ? 0 : nID))
        return FALSE;

    for (CGXBDayBox& box : m_boxes) {
        box.Create(this, m_nBehavior, m_nInMonthStyle);
        box.SetFrameWidth(m_nBoxFrameWidth);
    }
    m_dayBar.Create(this, m_nBehavior, m_nInMonthStyle);
    m_title.Create(this, m_nBehavior, m_nInMonthStyle | GXB_PANEL_CENTER);
    if (!m_title.CreateButtons(this, (m_nBehavior & GXB_CAL_MONTH_BUTTONS) != 0,
                               (m_nBehavior & GXB_CAL_YEAR_BUTTONS) != 0))
        return FALSE;
    MakeFonts();
    if (m_nBehavior & GXB_CAL_AUTOSIZE) {
        CSize size = GetPreferredSize();
        CRect rectWnd(0, 0, size.cx, size.cy + 1);
        ::AdjustWindowRectEx(&rectWnd, GetStyle(), FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, rectWnd.Width(), rectWnd.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if ((DATE)m_displayDate == 0)
        m_displayDate = Noon(GXBGetCurrentTime());
    BOOL bFixed = m_nBehavior & GXB_CAL_FIXED_MONTH;
    m_nBehavior &= ~GXB_CAL_FIXED_MONTH; // not live yet: the first display always goes
    SetDisplayDate(m_displayDate, FALSE);
    m_nBehavior |= bFixed;
    LayoutPanels();
    if (m_nBehavior & GXB_CAL_FIT_FONTS)
        FitFonts();
    ApplyColors();
    m_bLive = TRUE;
    UpdateWindow();
    SetFocus();
    return TRUE;
}

void CGXBCalendar::MakeFonts()
{
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].DeleteObject();
        m_fonts[i].CreateFontIndirect(&m_logFonts[i]);
    }
    m_title.SetFont((HFONT)m_fonts[gxTitleFont].GetSafeHandle());
    m_dayBar.SetFont((HFONT)m_fonts[gxBarFont].GetSafeHandle());
    for (CGXBDayBox& box : m_boxes)
        box.SetFont((HFONT)m_fonts[gxBoxFont].GetSafeHandle());
    for (CButton& button : m_title.m_buttons)
        if (button.GetSafeHwnd() != nullptr)
            button.SendMessage(WM_SETFONT, (WPARAM)m_fonts[gxBarFont].GetSafeHandle(), FALSE);
}

// The text a panel is measured by, in a font: the title's sample (times 2.2 with buttons,
// else 1.2), seven of the day bar's longest name, a day box's "88" with its insets.
CSize CGXBCalendar::MeasurePanelText(int nPanel, const LOGFONT& lf)
{
    CClientDC dc(m_hWnd != nullptr ? this : nullptr);
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return CSize(0, 0);
    CFont* pOld = dc.SelectObject(&font);
    CSize size(0, 0);
    switch (nPanel) {
    case gxTitleFont: {
        BOOL bFull = (m_nInMonthStyle & GXB_PANEL_FULL_MONTH) != 0;
        const char* pszSample = bFull ? "September, 2000" : "Sep, 2000";
        size = dc.GetTextExtent(pszSample, (int)strlen(pszSample));
        BOOL bButtons = (m_nBehavior & (GXB_CAL_MONTH_BUTTONS | GXB_CAL_YEAR_BUTTONS)) != 0;
        size.cx = (int)(size.cx * (bButtons ? 2.2 : 1.2));
        size.cy = (int)(size.cy * 1.2);
        break;
    }
    case gxBarFont: {
        CString str = m_dayBar.GetDayText(4);
        size = dc.GetTextExtent(str, str.GetLength());
        size.cx *= 7;
        break;
    }
    default: {
        size = dc.GetTextExtent("88", 2);
        int nInset = m_boxes[0].GetInset() * 2;
        size.cx += nInset;
        size.cy += nInset;
        break;
    }
    }
    dc.SelectObject(pOld);
    return size;
}

CSize CGXBCalendar::GetPreferredSize()
{
    CSize title = MeasurePanelText(gxTitleFont, m_logFonts[gxTitleFont]);
    CSize bar = MeasurePanelText(gxBarFont, m_logFonts[gxBarFont]);
    CSize box = MeasurePanelText(gxBoxFont, m_logFonts[gxBoxFont]);
    int cx = std::max({(int)title.cx, (int)bar.cx, (int)(7 * box.cx)});
    int cy = title.cy + bar.cy + 6 * box.cy;
    return CSize(cx, cy);
}

void CGXBCalendar::FitFont(int nPanel, CSize sizeTarget, double dFactor)
{
    enum { gxMaxFontHeight = 512 };
    LOGFONT lf = m_logFonts[nPanel];
    LOGFONT lfSystem = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lfSystem, &lfSystem);
    int nHeight = std::max((int)std::abs(lfSystem.lfHeight), (int)gxMinFontHeight);
    auto fits = [&](int h) {
        lf.lfHeight = -h;
        lf.lfWidth = 0;
        CSize size = MeasurePanelText(nPanel, lf);
        return size.cx <= sizeTarget.cx && size.cy <= sizeTarget.cy;
    };
    // Up until the text is at least as large as the panel ...
    while (nHeight < gxMaxFontHeight && fits(nHeight))
        nHeight *= 2;
    nHeight = std::min(nHeight, (int)gxMaxFontHeight);
    // ... then down until it fits, but never below the smallest readable size.
    while (nHeight > gxMinFontHeight && !fits(nHeight))
        nHeight = std::max((int)gxMinFontHeight, std::min(nHeight - 1, (int)(nHeight * dFactor)));
    lf.lfHeight = -nHeight;
    lf.lfWidth = 0;
    m_logFonts[nPanel] = lf;
}

void CGXBCalendar::FitFonts()
{
    CRect rectBox = m_boxes[0].GetRect();
    FitFont(gxTitleFont, m_title.GetRect().Size(), 0.95);
    FitFont(gxBarFont, m_dayBar.GetRect().Size(), 0.9);
    FitFont(gxBoxFont, rectBox.Size(), 0.9);
    MakeFonts();
}

void CGXBCalendar::LayoutPanels()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    client.bottom -= 1;
    int w = client.Width(), h = std::max(0, (int)client.Height());
    static const double rows[7] = {0.25, 0.375, 0.5, 0.625, 0.75, 0.875, 1.0};
    static const double columns[8] = {0, 0.143, 0.286, 0.429, 0.572, 0.715, 0.858, 1.0};
    m_title.SetRect(CRect(0, 0, w, (int)(0.175 * h)));
    m_dayBar.SetRect(CRect(0, (int)(0.175 * h), w, (int)(0.25 * h)));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c) {
            CRect rect((int)(columns[c] * w), (int)(rows[r] * h), (int)(columns[c + 1] * w) - 1,
                       (int)(rows[r + 1] * h) - 1);
            m_boxes[r * 7 + c].SetRect(rect);
        }
}

// ---------------------------------------------------------------------------------------
// Displayed month and boxes.

BOOL CGXBCalendar::SetDisplayDate(const COleDateTime& date, BOOL bRedraw)
{
    if ((m_bLive && (m_nBehavior & GXB_CAL_FIXED_MONTH)) ||
        date.GetStatus() != COleDateTime::valid || date.GetYear() < 0 ||
        !IsDateAllowed(date.GetYear(), date.GetMonth(), date.GetDay())) {
        Beep();
        return FALSE;
    }
    m_displayDate = Noon(date);
    m_title.SetDate(m_displayDate);
    FillBoxes();
    if (bRedraw && m_hWnd != nullptr) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return TRUE;
}

void CGXBCalendar::FillBoxes()
{
    COleDateTime day(m_displayDate.GetYear(), m_displayDate.GetMonth(), 1, 12, 0, 0);
    int nFirst = m_dayBar.m_nFirstDayOfWeek;
    while (day.GetDayOfWeek() != nFirst)
        day = Noon(day - COleDateTimeSpan(1.0));
    BOOL bInMonth = FALSE;
    m_pFocusBox = nullptr;
    for (CGXBDayBox& box : m_boxes) {
        if (day.GetDay() == 1)
            bInMonth = !bInMonth;
        box.SetDate(day);
        box.SetOtherMonth(!bInMonth);
        int nFrameWord = m_nBehavior & ~(GXB_CAL_SELECTABLE | GXB_CAL_MARKABLE);
        if (bInMonth || (m_nBehavior & GXB_CAL_OTHERMONTH_ACTIVE))
            nFrameWord |= GXB_CAL_SELECTABLE | GXB_CAL_MARKABLE;
        box.SetFrameWord(nFrameWord);
        box.SetStyle(bInMonth ? m_nInMonthStyle : m_nOtherMonthStyle);
        box.SetFrameWidth(m_nBoxFrameWidth);
        box.SetMarked(IsDateMarked(day));
        BOOL bSelected = m_pSelected != nullptr && SameDay(day, *m_pSelected);
        box.SetSelected(bSelected && box.IsSelectable());
        if (bSelected) {
            m_focusDate = day;
            m_pFocusBox = &box;
        } else if (m_pSelected == nullptr && m_focusDate.GetStatus() == COleDateTime::valid &&
                   SameDay(day, m_focusDate)) {
            m_pFocusBox = &box;
        }
        day = Noon(day + COleDateTimeSpan(1.0));
    }
    ApplyColors();
}

CGXBDayBox* CGXBCalendar::FindBox(const COleDateTime& date)
{
    for (CGXBDayBox& box : m_boxes)
        if (box.HasDate() && SameDay(box.GetDate(), date))
            return &box;
    return nullptr;
}

CGXBDayBox* CGXBCalendar::BoxFromPoint(CPoint point)
{
    for (CGXBDayBox& box : m_boxes) {
        CRect rect = box.GetRect();
        rect.InflateRect(0, 0, 1, 1); // the pixel between boxes belongs to the box before
        if (rect.PtInRect(point))
            return &box;
    }
    return nullptr;
}

COleDateTime CGXBCalendar::GetSelectedDate() const
{
    if (m_pFocusBox == nullptr) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    return m_pFocusBox->GetDate();
}

// ---------------------------------------------------------------------------------------
// The popup.

BEGIN_MESSAGE_MAP(CGXBPopupCalendar, CGXBCalendar)
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CGXBPopupCalendar::CGXBPopupCalendar() : m_bChooseOnDeactivate(TRUE)
{
    m_nBehavior = 0x39C100;
    m_nInMonthStyle = 0x83;
    m_nOtherMonthStyle = 0x181;
}

UINT CGXBPopupCalendar::GetClassStyle() { return CS_SAVEBITS | CS_DBLCLKS; }

int CGXBPopupCalendar::SetChooseOnDeactivate(BOOL bChoose)
{
    BOOL bWasOff = !m_bChooseOnDeactivate;
    m_bChooseOnDeactivate = bChoose;
    return bWasOff ? 2 : 1;
}

BOOL CGXBPopupCalendar::CreatePopup(DWORD dwStyle, const RECT& rectAnchor, CWnd* pOwner)
{
    DWORD dwWndStyle = (dwStyle & ~0xFFFFu) | WS_POPUP;
    // Sized to the panels (the title, bar and box fonts as they are now).
    m_nBehavior &= ~GXB_CAL_AUTOSIZE;
    CSize size = GetPreferredSize();
    CRect rect(0, 0, size.cx, size.cy + 1);
    ::AdjustWindowRectEx(&rect, dwWndStyle, FALSE, 0);
    int cx = rect.Width(), cy = rect.Height();

    CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    HMONITOR hMonitor = ::MonitorFromRect(&rectAnchor, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {sizeof info};
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &info))
        screen = info.rcWork;

    int x, y;
    if (dwStyle & 1) {
        x = rectAnchor.left;
        y = rectAnchor.bottom;
        if (x + cx > screen.right)
            x = rectAnchor.right - cx;
        if (y + cy > screen.bottom)
            y = rectAnchor.top - cy;
    } else {
        x = rectAnchor.right;
        y = rectAnchor.bottom;
        if (x + cx > screen.right)
            x = rectAnchor.left - cx;
        if (y + cy > screen.bottom)
            y = rectAnchor.top - cy;
    }
    if (!Create(dwWndStyle, CRect(x, y, x + cx, y + cy), pOwner))
        return FALSE;
    SetFocus();
    return TRUE;
}

void CGXBPopupCalendar::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CGXBCalendar::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE || m_bHiding || !m_bLive || !IsWindowVisible())
        return;
    if (m_bChooseOnDeactivate && m_pFocusBox != nullptr)
        Choose();
    else
        Cancel();
}
