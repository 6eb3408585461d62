// CGXEditControl: the default cell control. While the current cell is inactive every cell is
// drawn as static text; when the current cell becomes active the control's one edit window
// is laid over it with the cell's font, colours, alignment and limits and takes the focus.
// The password, scroll, hot-spot, spin and combo edits derive from it.
#pragma once
#include "controls/GXStatic.h"
#include "fw/edit.h"
#include "fw/gdi.h"

class CGXEditControl : public CEdit, public CGXStatic
{
    GX_DECLARE_CONTROL(CGXEditControl)
public:
    CGXEditControl(CGXGridCore* pGrid, UINT nID);
    ~CGXEditControl() override;

    // TRUE between the input method's start and end of a composition (any edit control).
    static BOOL s_bComposing;

    CWnd* GetWnd() override { return this; }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL OnEndEditing() override;
    BOOL AllowsTextFloat(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         BOOL bFloatOrFlood) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL GetValue(CString& strValue) override;
    void SetValue(LPCTSTR pszValue) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override { return CGXStatic::Copy(); }
    BOOL Paste() override { return CGXStatic::Paste(); }
    BOOL Cut() override { return CGXStatic::Cut(); }
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL GetSelectedEditText(CString& strText) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL CanPasteText(const CString& strText) override;
    // Find and replace in the edited text (GXEditControlFind.cpp).
    BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSelect) override;
    BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol) override;

    // The window style for a cell rectangle and line height.
    virtual DWORD CalcWindowStyle(const CRect& rect, int nLineHeight);
    // Rebuilds the window when its style must change, then scrolls the caret into view.
    virtual void RecalcLayout();
    // The character index under a point of the grid window, or -1.
    int CharFromPoint(CPoint point);
    BOOL IsWrapping() const { return m_bWrapText; }
    DWORD GetWindowStyleBits() const { return GetStyle(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL CreateControl(DWORD dwStyle, const CRect& rect);
    // Lays the window over the bound cell with the style's font, colours and limits.
    void LayoutWindow(const CGXStyle& style);
    // The window text with its selection replaced by a text.
    CString TextWithSelectionReplaced(LPCTSTR pszText);
    // Sets the window text without reporting it as the user's change.
    void SetWindowTextQuiet(LPCTSTR pszText);
    // Places the caret at an index and shows it.
    void PlaceCaret(int nIndex);
    // Activates the control at a click (caret at the clicked character).
    BOOL ActivateAtPoint(CPoint point);
    BOOL HandleEditKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL HandleEditChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void InsertKeptText();
    // The cell is the bound one and its window is up.
    BOOL IsEditingCell(ROWCOL nRow, ROWCOL nCol);

    UINT m_nID;
    BOOL m_bActive;
    CFont m_font;
    int m_nLineHeight;
    int m_nMaxCharWidth;
    COLORREF m_crBack;
    UINT m_nAlign; // 1 centred, 2 right, 4 vertically centred, 8 bottom
    BOOL m_bAllowEnter, m_bWrapText, m_bVertScroll, m_bAutoSize;
    int m_nMaxLength;
    CString m_strTyped; // the text of one keystroke between the filter and the insertion
    BOOL m_bReplacing; // the control itself replaces the selection or sets the text
    BOOL m_bRelayout; // the cell's drawing area changed while typing
    BOOL m_bInRecalc;
    COLORREF m_crHighlightText;
};
