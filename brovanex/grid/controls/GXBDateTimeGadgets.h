// The fields of the date-time window ("gadgets"): static text, numbers, name lists, the
// spin pair and the drop button. Each is a plain object that measures and draws itself
// into its owner's DC and takes the keys, characters and mouse input its owner routes to
// it; changes go back to the owner as notifications (CGXBDateTimeCtrl::OnGadgetNotify).
//
// The spin repeat and the list's type-ahead run on thread timers that are mapped to their
// gadget in one map for the library; a gadget stops its timers and leaves the map when it
// is destroyed, so a tick that arrives afterwards finds nothing. Tests replace the timers
// with their own source and deliver the ticks themselves.
#pragma once
#include "fw/collections.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include "fw/geometry.h"
#include "fw/object.h"
#include "fw/string.h"
#include "fw/time.h"

#include <functional>

class CGXBDateTimeCtrl;

// Gadget ids as the notifications name them.
enum {
    GXBDT_ID_STATIC = -1,
    GXBDT_ID_HOUR12 = 1,
    GXBDT_ID_HOUR24 = 2,
    GXBDT_ID_MINUTE = 4,
    GXBDT_ID_SECOND = 8,
    GXBDT_ID_AMPM = 16,
    GXBDT_ID_DAY = 32,
    GXBDT_ID_DAYOFWEEK = 64,
    GXBDT_ID_MONTH = 128,
    GXBDT_ID_MONTHNAME = 256,
    GXBDT_ID_YEAR2 = 512,
    GXBDT_ID_YEAR4 = 1024,
    GXBDT_ID_DROPBUTTON = 0x4000,
    GXBDT_ID_SPIN = 0x8000
};

// Notification codes.
enum {
    GXBDT_UP = 1, // one step up
    GXBDT_DOWN = 2, // one step down
    GXBDT_SPINUP = 3, // up by the argument
    GXBDT_SPINDOWN = 4, // down by the argument
    GXBDT_BUTTON = 5, // the drop button was pressed
    GXBDT_TEST = 6, // would the argument be accepted?
    GXBDT_SET = 7, // apply the argument
    GXBDT_MIN = 8, // the field's smallest value
    GXBDT_MAX = 9, // the field's largest value
    GXBDT_TYPING = 10, // a number is being typed (argument 1) or no longer (0)
    GXBDT_ADVANCE = 11 // a number got all its digits: on to the next field
};

// Where gadget timers come from. The default source uses thread timers (SetTimer without a
// window); a tick must reach GXBOnGadgetTimer with the id StartTimer gave.
class CGXBGadgetTimerSource
{
public:
    virtual ~CGXBGadgetTimerSource() = default;
    // A new timer firing every nElapse ms; 0 when none could be made.
    virtual UINT_PTR StartTimer(UINT nElapse) = 0;
    virtual void StopTimer(UINT_PTR nIDEvent) = 0;
};

// Installs a timer source (null: the thread timers again); gives the previous one. Timers
// already running stay with the source that started them.
CGXBGadgetTimerSource* GXBSetGadgetTimerSource(CGXBGadgetTimerSource* pSource);
// Delivers a tick to the gadget that owns the timer; a timer no gadget owns is ignored.
void GXBOnGadgetTimer(UINT_PTR nIDEvent);
// How many gadget timers the library's map holds.
int GXBGetGadgetTimerCount();

// The clock the date-time window and the calendar read "now" and "today" from; tests set
// their own (an empty function restores the system clock).
void GXBSetClock(std::function<COleDateTime()> fnClock);
COleDateTime GXBGetCurrentTime();

// MessageBeep for a refused input; tests may count them.
void GXBBeep(UINT nType = 0);
int GXBGetBeepCount();

class CGXBDTGadget : public CObject
{
    DECLARE_DYNAMIC(CGXBDTGadget)
public:
    enum { gxCanFocus = 1, gxMouseInput = 2, gxFixedRight = 4 };

    CGXBDTGadget();
    ~CGXBDTGadget() override; // stops its timers

    void Create(CGXBDateTimeCtrl* pCtrl, int nID, int nStyle = gxCanFocus);

    virtual void CalcSize(CDC& dc);
    virtual void Draw(CDC& dc);
    virtual void SetFocus(BOOL bFocus);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnChar(UINT nChar);
    virtual void OnLButtonDown(CPoint point);
    virtual void OnLButtonUp(CPoint point);
    virtual void OnMouseMove(CPoint point);
    virtual void OnCancelMode();
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnSysColorChange();

    // The field as text: a number as drawn, the list item, the static text.
    virtual CString GetText() const { return CString(); }

    int GetID() const { return m_nID; }
    int GetStyle() const { return m_nStyle; }
    void SetStyle(int nStyle) { m_nStyle = nStyle; }
    BOOL CanFocus() const { return (m_nStyle & gxCanFocus) != 0; }
    BOOL IsFixed() const { return (m_nStyle & gxFixedRight) != 0; }
    BOOL HasFocus() const { return m_bFocus; }
    int GetValue() const { return m_nValue; }
    // Stores the value and, when it changed, redraws.
    void SetValue(int nValue);
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    CGXBDateTimeCtrl* GetCtrl() const { return m_pCtrl; }

    CRect m_rect; // a bottom of -1 asks for the full client height
    int m_nStyle;
    BOOL m_bFocus;
    int m_nID;
    int m_nValue;
    CGXBDateTimeCtrl* m_pCtrl;

protected:
    // Starts a timer owned by this gadget (0 when none could be made).
    UINT_PTR StartTimer(UINT nElapse);
    // Stops a timer of this gadget and clears the id.
    void StopTimer(UINT_PTR& nIDEvent);
    BOOL Notify(int nCode, int nArg = 0);
    void Redraw();
    // Colours for a field drawn with or without the highlight.
    void PrepareColors(CDC& dc, const CRect& rect, BOOL bHighlight);
};

class CGXBDTStaticGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTStaticGadget)
public:
    void Create(CGXBDateTimeCtrl* pCtrl, LPCTSTR pszText);
    void CalcSize(CDC& dc) override;
    void Draw(CDC& dc) override;
    CString GetText() const override { return m_strText; }

    CString m_strText;
};

class CGXBDTNumericGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTNumericGadget)
public:
    CGXBDTNumericGadget();
    void Create(CGXBDateTimeCtrl* pCtrl, int nID, int nMin, int nMax, BOOL bLeadingZeros,
                int nStyle = gxCanFocus);
    void CalcSize(CDC& dc) override;
    void Draw(CDC& dc) override;
    void SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    CString GetText() const override;

    // Commits the digits typed so far (TRUE when none were pending or they were taken).
    BOOL CommitTyping();
    BOOL IsTyping() const { return m_bTyping; }
    int GetDigits() const { return m_nDigits; }
    // The value as drawn: with leading zeros to the digit count when asked.
    CString FormatNumber(int nValue) const;

    int m_nMin, m_nMax;
    int m_nDigits; // 1 up to 9, 2 below 100, 3 below 1000, else 4
    BOOL m_bLeadingZeros;
    int m_nTypedDigits;
    int m_nTypedValue;

private:
    void EndTyping();
    BOOL m_bTyping;
};

class CGXBDTListGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTListGadget)
public:
    CGXBDTListGadget();
    ~CGXBDTListGadget() override;
    void Create(CGXBDateTimeCtrl* pCtrl, int nID, const CStringArray& strings,
                int nStyle = gxCanFocus);
    void CalcSize(CDC& dc) override;
    void Draw(CDC& dc) override;
    void SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    void OnCancelMode() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    CString GetText() const override;

    // The first item from nStart on (wrapping) that starts with the prefix and that the
    // owner accepts; -1 when none.
    int FindPrefix(const CString& strPrefix, int nStart, BOOL bAsk = TRUE);
    void EndTypeAhead();
    BOOL IsTypeAheadRunning() const { return m_nTimer != 0; }

    CStringArray m_strings;
    CString m_strPrefix;
    char m_szLead[3]; // a double-byte lead waiting for its trail byte
    UINT_PTR m_nTimer; // the type-ahead timer, 0 when none runs
};

class CGXBDTSpinGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTSpinGadget)
public:
    enum {
        gxPressedUp = 1,
        gxPressedDown = 2,
        gxTrackUp = 4,
        gxTrackDown = 8,
        gxTimerRunning = 16,
        gxFirstDelay = 32
    };
    enum { gxFirstDelayMs = 500, gxRepeatMs = 100 };

    CGXBDTSpinGadget();
    void Create(CGXBDateTimeCtrl* pCtrl, int nID = GXBDT_ID_SPIN);
    void CalcSize(CDC& dc) override;
    void Draw(CDC& dc) override;
    void OnLButtonDown(CPoint point) override;
    void OnLButtonUp(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnCancelMode() override;
    void OnTimer(UINT_PTR nIDEvent) override;

    int GetState() const { return m_nState; }
    int GetRepeatCount() const { return m_nRepeat; }

    int m_nState;
    int m_nRepeat;
    UINT_PTR m_nTimer;

private:
    BOOL InUpperHalf(CPoint point) const;
    void EndRepeat();
    static void DrawArrowButton(CDC& dc, const CRect& rect, BOOL bUp, BOOL bPressed);
};

class CGXBDTButtonGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTButtonGadget)
public:
    enum { gxMouseDown = 1, gxPressedLook = 2 };

    CGXBDTButtonGadget();
    void Create(CGXBDateTimeCtrl* pCtrl, int nID, UINT nBitmapID);
    void CalcSize(CDC& dc) override;
    void Draw(CDC& dc) override;
    void OnLButtonDown(CPoint point) override;
    void OnLButtonUp(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnCancelMode() override;
    void OnSysColorChange() override;

    int GetState() const { return m_nState; }

    CBitmap m_bitmap; // empty when the module has no such bitmap: an arrow is drawn
    UINT m_nBitmapID;
    int m_nState;

private:
    void LoadButtonBitmap();
};

typedef CTypedPtrArray<CObArray, CGXBDTGadget*> CGXBDTGadgetArray;
