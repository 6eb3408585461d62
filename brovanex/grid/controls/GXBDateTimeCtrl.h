// The date-time window: edits a COleDateTime as a row of fields (gadgets) built from a
// date/time format, with an optional spin pair and a drop button that opens the popup
// calendar. Every change is applied to the whole value at once, checked against an
// optional range and reported to the parent (WM_COMMAND, notification 0x100).
#pragma once
#include "controls/GXBDateTimeGadgets.h"
#include "fw/wnd.h"

class CGXBPopupCalendar;

// The calendar's messages to its notify window.
#define GXB_CAL_SELCHANGE 0x7D5
#define GXB_CAL_MARKCHANGE 0x7D6
#define GXB_CAL_CHOSEN 0x7D7
#define GXB_CAL_CANCELLED 0x7D8

// The window's change notification (high word of WM_COMMAND's wParam).
#define GXBDT_NOTIFY_CHANGE 0x100

// Set while a date-time window is creating its popup calendar.
BOOL GXBIsPopupCalendarOpening();

class CGXBDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CGXBDateTimeCtrl)
public:
    // Window style bits of Create.
    enum { gxDropButton = 0x1, gxSpinButton = 0x2 };
    // State flags.
    enum { gxChanged = 1, gxTyping = 4 };
    // No-edit mask bits.
    enum {
        gxNoEditYear = 1,
        gxNoEditMonth = 2,
        gxNoEditDay = 4,
        gxNoEditHour = 8,
        gxNoEditMinute = 16,
        gxNoEditSecond = 32
    };
    enum FormatType { gxTime = 0, gxShortDate = 1, gxLongDate = 2, gxCustom = 3 };
    enum RangeKind { gxNoRange = 0, gxTimeRange = 1, gxDateRange = 2, gxDateTimeRange = 3 };

    CGXBDateTimeCtrl();
    ~CGXBDateTimeCtrl() override;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetFormatType(int nType);
    int GetFormatType() const { return m_nFormatType; }
    void SetCustomFormat(LPCTSTR pszFormat);
    CString GetFormatString() const;

    // An invalid value is refused.
    BOOL SetDateTime(const COleDateTime& value);
    const COleDateTime& GetDateTime() const { return m_value; }

    BOOL SetRange(const COleDateTime& minimum, const COleDateTime& maximum, int nKind);
    void GetRange(COleDateTime& minimum, COleDateTime& maximum, int& nKind) const
    {
        minimum = m_minimum;
        maximum = m_maximum;
        nKind = m_nRangeKind;
    }

    void SetNoEditMask(int nMask);
    int GetNoEditMask() const { return m_nNoEditMask; }
    void SetAutoAdvance(BOOL bAutoAdvance) { m_bAutoAdvance = bAutoAdvance; }
    BOOL GetAutoAdvance() const { return m_bAutoAdvance; }

    BOOL IsModified() const { return (m_nState & gxChanged) != 0; }
    void SetModified(BOOL bModified)
    {
        m_nState = bModified ? (m_nState | gxChanged) : (m_nState & ~gxChanged);
    }
    BOOL IsTyping() const { return (m_nState & gxTyping) != 0; }
    BOOL HasDateFields() const { return m_bDateFields; }

    // The gadgets: the fixed ones first, then the format's in display order.
    int GetGadgetCount() const { return (int)m_gadgets.GetSize(); }
    CGXBDTGadget* GetGadget(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetGadgetCount() ? m_gadgets[nIndex] : nullptr;
    }
    int GetFixedCount() const { return m_nFixed; }
    // The index of the first gadget with the id, -1 when none.
    int FindGadget(int nID) const;
    int GetCurrentGadget() const { return m_nCurGadget; }
    // Makes a focusable gadget current (and scrolls it into view).
    BOOL SetCurrentGadget(int nIndex);
    // The next / previous focusable format gadget; FALSE at the last / first.
    BOOL NextGadget();
    BOOL PrevGadget();
    BOOL FirstGadget();
    BOOL LastGadget();
    // Commits any number being typed in the current field.
    BOOL CommitTyping();
    // The gadget under a client point (-1 when none).
    int GadgetFromPoint(CPoint point) const;
    // The gadgets' texts joined, as the window shows them.
    CString GetGadgetText() const;
    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset) { m_nScrollOffset = nOffset; }
    CGXBPopupCalendar* GetCalendar() const { return m_pCalendar; }

    // Builds the gadgets anew from the format (also without a window; no layout then).
    void BuildGadgets();
    // Measures the gadgets with a font (the window's when null) and places them inside rect.
    void LayoutGadgetsIn(CDC& dc, const CRect& rect);

    // For the gadgets.
    void InvalidateGadget(CGXBDTGadget* pGadget);
    void CaptureGadget(CGXBDTGadget* pGadget);
    void ReleaseGadgetCapture(CGXBDTGadget* pGadget);

    virtual BOOL CheckRange(COleDateTime& value, int nFixup);
    virtual BOOL ValidateValue(const COleDateTime& value);
    virtual void NotifyChange();
    virtual void LayoutGadgets();
    virtual void DrawGadgets(CDC& dc);
    virtual void DropCalendar();
    virtual CGXBPopupCalendar* CreateCalendar();
    virtual BOOL OnGadgetNotify(int nCode, int nID, int nArg);

protected:
    // Loads the gadgets whose ids are in the mask from the value.
    void LoadGadgets(int nMask);
    // Applies a new value: changed gadgets reloaded.
    void ApplyValue(const COleDateTime& value);
    // The change a field's notification asks for; FALSE when refused.
    BOOL ChangeField(int nCode, int nID, int nArg);
    void ScrollIntoView(int nIndex);
    void CloseCalendar();
    void DrawGadget(CDC& dc, CGXBDTGadget* pGadget, int nOffset);
    void EnsureWindowClass();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg LRESULT OnSetFontMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFontMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnCalendarChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalendarCancelled(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void DeleteGadgets(BOOL bFixedToo);
    BOOL DrawsOwnEdge() const;

public:
    int m_nState;
    int m_nNoEditMask;
    BOOL m_bAutoAdvance;
    COleDateTime m_value;
    COleDateTime m_minimum;
    COleDateTime m_maximum;
    int m_nRangeKind;
    int m_nFormatType;
    CString m_strCustomFormat;
    HFONT m_hFont;
    int m_nCurGadget;
    int m_nScrollOffset;
    int m_nFixed;
    int m_nFixedWidth;
    CGXBDTGadget* m_pCapture;
    CGXBPopupCalendar* m_pCalendar;
    BOOL m_bPM;
    int m_nDisabledColor;
    UINT m_nButtonBitmap;
    BOOL m_bDateFields;
    CGXBDTGadgetArray m_gadgets;
    COLORREF m_clrBack;
    COLORREF m_clrText;
};

// A window that only lays out, parses and draws values for cells that are not edited.
class CGXCaptiveDateTimeCtrl : public CGXBDateTimeCtrl
{
    DECLARE_DYNAMIC(CGXCaptiveDateTimeCtrl)
public:
    ~CGXCaptiveDateTimeCtrl() override;
};
