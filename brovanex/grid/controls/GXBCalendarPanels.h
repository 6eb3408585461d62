// The parts of the month calendar: plain objects (not windows) that the calendar lays
// out and draws: the title, the bar of weekday names and the 42 day boxes.
#pragma once
#include "fw/button.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include "fw/geometry.h"
#include "fw/object.h"
#include "fw/string.h"
#include "fw/time.h"

class CGXBCalendar;

// Panel style bits.
enum {
    GXB_PANEL_DBLCLK_CHOOSES = 0x1,
    GXB_PANEL_FRAME_SELECTED = 0x2,
    GXB_PANEL_FRAME_UNSELECTED = 0x4,
    GXB_PANEL_EDGE_SELECTED = 0x8,
    GXB_PANEL_EDGE_UNSELECTED = 0x10,
    GXB_PANEL_MARK_SELECTED = 0x20,
    GXB_PANEL_MARK_UNSELECTED = 0x40,
    GXB_PANEL_CENTER = 0x80,
    GXB_PANEL_OTHERMONTH_COLOR = 0x100,
    GXB_PANEL_FULL_MONTH = 0x10000000,
    GXB_PANEL_FULL_DAY = 0x20000000
};

class CGXBPanel : public CObject
{
    DECLARE_DYNAMIC(CGXBPanel)
public:
    CGXBPanel();

    virtual void Create(CGXBCalendar* pCalendar, int nFrameWord, int nStyle);
    virtual void Draw(CDC& dc);
    // The interior's text, drawn by the panel's rules (centred or from a tenth in).
    virtual void DrawContent(CDC& dc, const CRect& rect);
    virtual void SetRect(const CRect& rect);
    const CRect& GetRect() const { return m_rect; }

    void SetStyle(int nStyle);
    int GetStyle() const { return m_nStyle; }
    void SetFrameWord(int nFrameWord) { m_nFrameWord = nFrameWord; }
    int GetFrameWord() const { return m_nFrameWord; }
    void SetFrameWidth(int nWidth);
    void SetText(LPCTSTR pszText) { m_strText = pszText; }
    const CString& GetText() const { return m_strText; }
    void SetSelected(BOOL bSelected) { m_bSelected = bSelected; }
    BOOL IsSelected() const { return m_bSelected; }
    void SetMarked(BOOL bMarked) { m_bMarked = bMarked; }
    BOOL IsMarked() const { return m_bMarked; }
    void SetColors(COLORREF crText, COLORREF crFace, COLORREF crOtherMonth)
    {
        m_clrText = crText;
        m_clrFace = crFace;
        m_clrOtherMonth = crOtherMonth;
    }
    // The space the frame, edge and mark take on each side.
    int GetInset();
    void SetFont(HFONT hFont) { m_hFont = hFont; }
    HFONT GetFont() const { return m_hFont; }

    COLORREF m_clrOtherMonth;
    CGXBCalendar* m_pCalendar;
    int m_nFrameWord;
    int m_nStyle;
    CString m_strText;
    CRect m_rect;
    int m_nFrameWidth;
    int m_nBevel;
    BOOL m_bSelected;
    BOOL m_bMarked;
    COLORREF m_clrMark;
    COLORREF m_clrText;
    BOOL m_bLayoutDirty;
    BOOL m_bCreated;
    int m_nEdgeStart, m_nEdgeEnd, m_nFrameEnd, m_nMarkEnd;
    COLORREF m_clrFace;
    HFONT m_hFont;

protected:
    void ComputeInsets();
    virtual BOOL UseOtherMonthColor() const { return FALSE; }
};

class CGXBDayBox : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBDayBox)
public:
    CGXBDayBox();
    void SetDate(const COleDateTime& date);
    const COleDateTime& GetDate() const { return m_date; }
    BOOL HasDate() const { return m_bDateSet; }
    void SetOtherMonth(BOOL bOther) { m_bOtherMonth = bOther; }
    BOOL IsOtherMonth() const { return m_bOtherMonth; }
    BOOL IsSelectable() const { return (m_nFrameWord & 0x4000) != 0; }
    BOOL IsMarkable() const { return (m_nFrameWord & 0x8000) != 0; }

    COleDateTime m_date;
    BOOL m_bDateSet;
    BOOL m_bOtherMonth;

protected:
    BOOL UseOtherMonthColor() const override
    {
        return m_bOtherMonth && (m_nStyle & GXB_PANEL_OTHERMONTH_COLOR);
    }
};

class CGXBDayBar : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBDayBar)
public:
    CGXBDayBar();
    void DrawContent(CDC& dc, const CRect& rect) override;
    // Day nDay (1 = Sunday) as the bar writes it.
    CString GetDayText(int nDay) const;

    int m_nFirstDayOfWeek; // 1 = Sunday
};

class CGXBCalTitle : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBCalTitle)
public:
    CGXBCalTitle();
    ~CGXBCalTitle() override;
    // Makes the buttons the calendar asks for (children of the calendar).
    BOOL CreateButtons(CWnd* pParent, BOOL bMonthButtons, BOOL bYearButtons);
    void SetRect(const CRect& rect) override;
    void SetDate(const COleDateTime& date);

    enum { gxPrevYear, gxPrevMonth, gxNextMonth, gxNextYear };
    CButton m_buttons[4]; // "<<", "<", ">", ">>"
    BOOL m_bMonthButtons;
    BOOL m_bYearButtons;
};
