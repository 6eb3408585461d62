// CGXChild: a small object drawn inside a cell by its control (a push button, an arrow, a
// drop-down button). Children are not windows: the control places them, draws them and
// routes mouse and key messages to them. CGXButton is the push button every other button
// child builds on.
#pragma once
#include "core/GXDefs.h"
#include "fw/win.h"

class CGXControl;

class CGXChild
{
public:
    explicit CGXChild(CGXControl* pComposite);
    virtual ~CGXChild() = default;
    CGXChild(const CGXChild&) = delete;
    CGXChild& operator=(const CGXChild&) = delete;

    virtual void SetRect(const CRect& rect);
    virtual CRect GetRect() const;
    virtual BOOL HitTest(CPoint point) const;
    // This child is its control's active child.
    virtual BOOL IsActive() const;
    virtual void SetText(LPCTSTR pszText);
    virtual const CString& GetText() const;
    virtual void Draw(CDC* pDC, BOOL bActive) = 0;
    // Invalidates the rectangle in the grid window (with erase).
    virtual void Refresh();
    virtual BOOL MouseMove(UINT nFlags, CPoint point);
    virtual BOOL LButtonDown(UINT nFlags, CPoint point);
    virtual BOOL LButtonUp(UINT nFlags, CPoint point);
    virtual BOOL LButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL MButtonDown(UINT nFlags, CPoint point);
    virtual BOOL MButtonUp(UINT nFlags, CPoint point);
    virtual BOOL MButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL RButtonDown(UINT nFlags, CPoint point);
    virtual BOOL RButtonUp(UINT nFlags, CPoint point);
    virtual BOOL RButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL MouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    // The control's key routing, with this child's own lead-byte state.
    virtual BOOL RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL KeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags);
    virtual BOOL DeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSettingsChange(LPCTSTR pszSection);
    virtual void OnSystemColorsChange();
    virtual void OnCancelMode();

    CGXControl* GetControl() const { return m_pComposite; }

protected:
    CGXControl* m_pComposite;
    CRect m_rect;
    CString m_strText;
    BOOL m_bLeadByte;
    char m_cLeadByte;
};

class CGXButton : public CGXChild
{
public:
    explicit CGXButton(CGXControl* pComposite);

    void Draw(CDC* pDC, BOOL bActive) override;
    BOOL MouseMove(UINT nFlags, CPoint point) override;
    BOOL LButtonDown(UINT nFlags, CPoint point) override;
    BOOL LButtonUp(UINT nFlags, CPoint point) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL KeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnCancelMode() override;

    BOOL IsPressed() const { return m_bPressed; }

protected:
    void SetPressed(BOOL bPressed);
    // Face and 3D edge of a button look (sunken when pressed).
    void DrawFace(CDC* pDC, const CRect& rect, BOOL bSunken);

    BOOL m_bPressed;
    BOOL m_bTracking;
    BOOL m_bRefreshOnChange;
};

// Double-byte assembly of WM_CHAR characters: TRUE when the character completed a pair
// (strText holds both bytes) or was a lead byte held back (strText empty); FALSE for a
// single-byte character (strText holds it).
BOOL GXGetDoubleByteChar(UINT nChar, CString& strText, BOOL& bPending, char& cLeadByte);

// Hands a key message to the handler of its kind on a child or a control; a WM_CHAR goes
// through the double-byte assembly above first, with the target's lead-byte state. FALSE
// for any other message.
template<class TTarget>
BOOL GXRouteKeyToHandler(TTarget& target, BOOL& bLeadByte, char& cLeadByte, UINT nMessage,
                         UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nMessage) {
    case WM_KEYDOWN:
        return target.KeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return target.KeyUp(nChar, nRepCnt, nFlags);
    case WM_DEADCHAR:
        return target.DeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return target.SysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return target.SysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return target.SysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return target.SysDeadChar(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        CString strText;
        if (GXGetDoubleByteChar(nChar, strText, bLeadByte, cLeadByte))
            return strText.IsEmpty() ? TRUE : target.InsertTypedText(strText, nRepCnt, nFlags);
        return target.Char(nChar, nRepCnt, nFlags);
    }
    default:
        return FALSE;
    }
}
