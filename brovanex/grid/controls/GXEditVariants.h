// Small variants of the edit cell: the password cell (shows and copies nothing of its text),
// the scroll edit (always a vertical scroll bar) and the hot-spot edit (a button at the
// cell's top-right corner that reports its clicks to the grid).
#pragma once
#include "controls/GXEditControl.h"

class CGXHotSpotButton;

class CGXPasswordControl : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXPasswordControl)
public:
    CGXPasswordControl(CGXGridCore* pGrid, UINT nID);

    // Every character of the text as the password character.
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    void SetValue(LPCTSTR pszValue) override;
    DWORD CalcWindowStyle(const CRect& rect, int nLineHeight) override;
    // Nothing of a password leaves the cell.
    BOOL Copy() override { return TRUE; }
    BOOL Cut() override { return TRUE; }

    char GetPasswordChar() const { return m_cPassword; }

protected:
    char m_cPassword;
    BOOL m_bMasking; // FALSE while the real text goes into the window
};

class CGXVScrollEdit : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXVScrollEdit)
public:
    CGXVScrollEdit(CGXGridCore* pGrid, UINT nID);

    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    DWORD CalcWindowStyle(const CRect& rect, int nLineHeight) override;
};

class CGXHotSpotEdit : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXHotSpotEdit)
public:
    CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXHotSpotButton* GetButton() const { return m_pButton; }

protected:
    CGXHotSpotButton* m_pButton; // owned by the child list
};
