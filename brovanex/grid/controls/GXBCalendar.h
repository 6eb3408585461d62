// The month calendar (a title with month, year and navigation buttons, a bar of weekday
// names and 6 x 7 day boxes; one selection and any number of marked days) and the popup
// calendar that places itself beside an anchor and closes on a choice, on Esc or when it
// loses activation. Changes are posted to the notify window (0x7D5 to 0x7D8).
#pragma once
#include "controls/GXBCalendarPanels.h"
#include "fw/collections.h"
#include "fw/wnd.h"

// Calendar behaviour bits.
enum {
    GXB_CAL_OTHERMONTH_ACTIVE = 0x200,
    GXB_CAL_RELEASE_CHOOSES = 0x100,
    GXB_CAL_SELECTABLE = 0x4000,
    GXB_CAL_MARKABLE = 0x8000,
    GXB_CAL_FIT_FONTS = 0x10000,
    GXB_CAL_AUTOSIZE = 0x20000,
    GXB_CAL_SELECT_CHOOSES = 0x40000,
    GXB_CAL_MONTH_BUTTONS = 0x80000,
    GXB_CAL_YEAR_BUTTONS = 0x100000,
    GXB_CAL_KEYBOARD = 0x200000,
    GXB_CAL_FIXED_MONTH = 0x400000,
    GXB_CAL_RESIZABLE = 0x800000,
    GXB_CAL_DRAG_SELECT = 0x1000000
};

// The title buttons' commands.
#define GXB_IDC_NEXTMONTH 20029
#define GXB_IDC_PREVYEAR 20030
#define GXB_IDC_NEXTYEAR 20031
#define GXB_IDC_PREVMONTH 20032

class CGXBCalendar : public CWnd
{
    DECLARE_DYNAMIC(CGXBCalendar)
public:
    enum {
        gxBoxCount = 42,
        gxMinFontHeight = 6 // fitting never goes below this many pixels
    };

    CGXBCalendar();
    ~CGXBCalendar() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0);
    virtual BOOL NextDay(BOOL bMoveFocus);
    virtual BOOL PrevDay(BOOL bMoveFocus);
    virtual BOOL NextWeek(BOOL bMoveFocus);
    virtual BOOL PrevWeek(BOOL bMoveFocus);
    virtual BOOL NextMonth(BOOL bMoveFocus);
    virtual BOOL PrevMonth(BOOL bMoveFocus);
    virtual BOOL NextYear(BOOL bMoveFocus);
    virtual BOOL PrevYear(BOOL bMoveFocus);
    virtual BOOL MoveFocusBySeconds(long nSeconds);
    virtual BOOL MoveFocus(const COleDateTimeSpan& span);
    virtual BOOL MoveDisplayBySeconds(long nSeconds);
    virtual BOOL MoveDisplay(const COleDateTimeSpan& span);
    virtual void MarkDate(DATE date, BOOL bMark);
    virtual void MarkDate(const COleDateTime& date, BOOL bMark);
    virtual void SelectDate(DATE date, BOOL bSelect);
    virtual void SelectDate(const COleDateTime& date, BOOL bSelect);
    virtual void ToggleSelect(DATE date);
    virtual void ToggleSelect(const COleDateTime& date);
    virtual void ToggleMark(DATE date);
    virtual void ToggleMark(const COleDateTime& date);
    virtual BOOL IsDateAllowed(int nYear, int nMonth, int nDay);
    virtual void LoadSysColors();
    virtual void Beep();
    virtual UINT GetClassStyle();

    BOOL SetDisplayDate(const COleDateTime& date, BOOL bRedraw = TRUE);
    const COleDateTime& GetDisplayDate() const { return m_displayDate; }
    // The focus box's date; invalid when there is no focus box.
    COleDateTime GetSelectedDate() const;
    BOOL HasSelection() const { return m_pSelected != nullptr; }
    BOOL IsDateMarked(const COleDateTime& date) const;
    int GetMarkedCount() const { return (int)m_marked.GetCount(); }

    void SetOtherMonthStyle(int nStyle) { m_nOtherMonthStyle = nStyle; }
    int GetOtherMonthStyle() const { return m_nOtherMonthStyle; }
    void SetInMonthStyle(int nStyle) { m_nInMonthStyle = nStyle; }
    int GetInMonthStyle() const { return m_nInMonthStyle; }
    void SetBehavior(int nBehavior) { m_nBehavior = nBehavior; }
    int GetBehavior() const { return m_nBehavior; }
    BOOL IsLive() const { return m_bLive; }

    CGXBDayBox* GetDayBox(int nIndex)
    {
        return nIndex >= 0 && nIndex < gxBoxCount ? &m_boxes[nIndex] : nullptr;
    }
    CGXBDayBox* FindBox(const COleDateTime& date);
    CGXBDayBox* BoxFromPoint(CPoint point);
    CGXBDayBox* GetFocusBox() const { return m_pFocusBox; }
    CGXBCalTitle& GetTitle() { return m_title; }
    CGXBDayBar& GetDayBar() { return m_dayBar; }
    const LOGFONT& GetFontInfo(int nPanel) const { return m_logFonts[nPanel]; }
    enum { gxTitleFont, gxBarFont, gxBoxFont };

    // The size the panels would like with the current fonts.
    CSize GetPreferredSize();
    // Lays the panels out over the client area.
    void LayoutPanels();
    // Fits the three fonts to the panels as laid out.
    void FitFonts();
    // A date at 12:00 of its day.
    static COleDateTime Noon(const COleDateTime& date);

    CWnd* m_pOwner;
    CWnd* m_pNotify;

protected:
    void FillBoxes();
    void ApplyColors();
    void ClickBox(CGXBDayBox* pBox);
    void Choose();
    void Cancel();
    void Notify(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void RestoreSavedSelection();
    COleDateTime FocusOrDisplayDate(BOOL bMoveFocus) const;
    // Moves the focus (or the display) nSteps months, to the first of the month, or nSteps
    // years, to the same day, which must be a valid date the calendar allows.
    BOOL StepMonthsOrYears(int nSteps, BOOL bYears, BOOL bMoveFocus);
    // Tells the owner the calendar was closed and hides it.
    LRESULT NotifyAndHide(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void MakeFonts();
    void FitFont(int nPanel, CSize sizeTarget, double dFactor);
    CSize MeasurePanelText(int nPanel, const LOGFONT& lf);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnChosenMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelledMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNextMonthCmd();
    afx_msg void OnPrevMonthCmd();
    afx_msg void OnNextYearCmd();
    afx_msg void OnPrevYearCmd();
    DECLARE_MESSAGE_MAP()

public:
    CGXBDayBar m_dayBar;
    CGXBCalTitle m_title;
    int m_nBoxFrameWidth;
    BOOL m_bLive;
    COleDateTime m_displayDate;
    COleDateTime m_selectedDate;
    COleDateTime* m_pSelected; // &m_selectedDate, or null when nothing is selected
    COleDateTime m_focusDate;
    CGXBDayBox m_boxes[gxBoxCount];
    CGXBDayBox* m_pFocusBox;
    BOOL m_bTracking;
    BOOL m_bSelInMonthAtDown;
    COleDateTime m_savedSelection;
    BOOL m_bPressed; // a left press began on a day box
    CGXBDayBox* m_pTrackBox; // the box the mouse was last seen over while pressed
    CList<COleDateTime, const COleDateTime&> m_marked; // ascending, no duplicates
    LOGFONT m_logFonts[3];
    CFont m_fonts[3];
    COLORREF m_clrText, m_clrBtnText, m_clrBtnText2, m_clrFace, m_clrCaption, m_clrCaptionText,
        m_clrOtherMonth;
    int m_nOtherMonthStyle;
    int m_nInMonthStyle;
    int m_nBehavior;
    BOOL m_bHiding; // set while the window hides itself after a choice
};

class CGXBPopupCalendar : public CGXBCalendar
{
    DECLARE_DYNAMIC(CGXBPopupCalendar)
public:
    CGXBPopupCalendar();

    UINT GetClassStyle() override;
    // Style bit 1: below the anchor, left edges aligned; else at its bottom-right corner.
    virtual BOOL CreatePopup(DWORD dwStyle, const RECT& rectAnchor, CWnd* pOwner);

    // Gives 2 when it was off before, else 1.
    int SetChooseOnDeactivate(BOOL bChoose);
    BOOL GetChooseOnDeactivate() const { return m_bChooseOnDeactivate; }

    BOOL m_bChooseOnDeactivate;

protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()
};
