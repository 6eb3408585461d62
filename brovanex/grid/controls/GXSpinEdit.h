// CGXSpinEdit: an edit cell with up and down arrows at its right edge that step its number,
// repeating while held. The minimum, maximum and start value and the wrap flag are user
// attributes; steps saturate at the limits (or wrap), limits with the minimum above the
// maximum are ignored.
#pragma once
#include "controls/GXEditControl.h"

class CGXUpArrowButton;
class CGXDownArrowButton;

const WORD GX_IDS_UA_SPINBOUND_MIN = 51014;
const WORD GX_IDS_UA_SPINBOUND_MAX = 51015;
const WORD GX_IDS_UA_SPINBOUND_WRAP = 51016;
const WORD GX_IDS_UA_SPINSTART = 51021;

// The spin rules, window-free: the value after one step up (bUp) or down from a text.
struct GXSpinLimits
{
    BOOL bMin = FALSE, bMax = FALSE, bStart = FALSE, bWrap = FALSE;
    long lMin = 0, lMax = 0, lStart = 0;

    static GXSpinLimits FromStyle(const CGXStyle& style);
    long Step(const CString& strText, BOOL bUp) const;
};

class CGXSpinEdit : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXSpinEdit)
public:
    CGXSpinEdit(CGXGridCore* pGrid, UINT nID);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    void OnChildButtonClicked(CGXChild* pChild) override;
    // Alt+Up and Alt+Down step the number like the arrows.
    BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    CGXUpArrowButton* GetUpButton() const { return m_pUp; }
    CGXDownArrowButton* GetDownButton() const { return m_pDown; }
    static void AddUserAttributes(CGXStylesMap* pStylesMap);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // One step of the bound cell (activating it first).
    void Spin(BOOL bUp);

    CGXUpArrowButton* m_pUp; // owned by the child list
    CGXDownArrowButton* m_pDown;
    GXSpinLimits m_limits; // read when a mouse button goes down
};
