// CGXListBox: a cell that shows the lines of its choice list as a list; the cell's value is
// the text of the selected line. Inactive cells draw the list themselves (the selected line
// inverted and scrolled into view); the current cell, once active, lays a list-box window of
// the library's "GXLISTBOX" class over the cell.
#pragma once
#include "controls/GXControl.h"
#include "fw/gdi.h"
#include "fw/listbox.h"

class CGXListBox : public CListBox, public CGXControl
{
    GX_DECLARE_CONTROL(CGXListBox)
public:
    CGXListBox(CGXGridCore* pGrid, UINT nID);
    ~CGXListBox() override;

    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWnd() override { return this; }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void Hide() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The window over the grid window (hidden); FALSE without a grid window.
    virtual BOOL CreateControl();
    // The choice lines into the window, the line equal to the cell's display text selected.
    virtual void FillList();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Activates the control on a click and lets the list select the clicked line.
    BOOL ActivateAndClick(UINT nFlags, CPoint point);
    // Marks the control modified and tells the grid, once per edit.
    void MarkModified();

    UINT m_nID;
    BOOL m_bActive;
    BOOL m_bModified;
    CFont m_font;
    COLORREF m_crBackground;
    COLORREF m_crHighlightText;
};
