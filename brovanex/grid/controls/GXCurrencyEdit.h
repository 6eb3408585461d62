// CGXCurrencyEdit: the cell control for money amounts. The current cell is edited in a
// currency edit window; every other cell is shown by a currency format built from the
// cell's user attributes. The grid stores the amount as a plain number text (C decimal
// point, the format's fraction digits).
#pragma once
#include "controls/GXBCurrencyEdit.h"
#include "controls/GXStatic.h"

// User attributes of currency cells.
const WORD GX_IDS_UA_CURRENCY_SEPARATORS = 51045; // thousands and decimal separator
const WORD GX_IDS_UA_CURRENCY_OPTIONS = 51046; // leading zero, separator line, fill, button
const WORD GX_IDS_UA_CURRENCY_POSITIVE = 51047;
const WORD GX_IDS_UA_CURRENCY_NEGATIVE = 51048;
const WORD GX_IDS_UA_CURRENCY_INTEGER_DIGITS = 51049;
const WORD GX_IDS_UA_CURRENCY_FRACTION_DIGITS = 51050;
const WORD GX_IDS_UA_CURRENCY_SYMBOL = 51054;

class CGXCurrencyEdit : public CGXBCurrencyEdit, public CGXStatic
{
    GX_DECLARE_CONTROL(CGXCurrencyEdit)
public:
    CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID);
    ~CGXCurrencyEdit() override;

    static void AddUserAttributes(CGXStylesMap* pStylesMap);
    // The format a style asks for: the locale's, changed by the currency attributes.
    static void FormatFromStyle(const CGXStyle& style, CGXBCurrencyFormat& format,
                                BOOL bEntryFromRight = FALSE, BOOL bPadOption = FALSE);
    // The display text of a stored value under a style's format; FALSE when the value
    // does not read as an amount. Window-free: the live window is never touched.
    static BOOL FormatStoredValue(const CGXStyle& style, LPCTSTR pszValue, CString& strText);
    // The stored form of an amount under a format ("%.<digits>f").
    static CString StoredValue(double dValue, const CGXBCurrencyFormat& format);

    CWnd* GetWnd() override { return this; }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL GetValue(CString& strValue) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL GetStyleText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strText) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void Hide() override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL IsReadOnly() override;
    BOOL Copy() override { return CGXStatic::Copy(); }
    BOOL Paste() override { return CGXStatic::Paste(); }
    BOOL Cut() override { return CGXStatic::Cut(); }
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSelect) override;
    BOOL GetSelectedEditText(CString& strText) override;
    BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol) override;
    // Whether the find feature compares amounts as whole numbers (a leading currency symbol
    // and thousands separators of the find text aside) instead of looking for the find text
    // in the amount as the cell shows it.
    void SetNumericFind(BOOL bNumeric) { m_bNumericFind = bNumeric; }
    BOOL GetNumericFind() const { return m_bNumericFind; }
    // Whether a stored value's whole number is the find text's (numeric find).
    // Whether a text holds an amount and nothing else (digits, the format's separators and
    // symbol, signs, parentheses and blanks).
    static BOOL IsAmountText(LPCTSTR pszText, const CGXStyle& style);
    static BOOL NumberMatches(LPCTSTR pszValue, const CGXStyle& style,
                              const GXFindReplaceInfo& info);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void NotifyParent(UINT nCode) override;
    BOOL CreateControl();
    void ApplyStyle(const CGXStyle& style);
    void MarkModified();
    BOOL IsEditingCell(ROWCOL nRow, ROWCOL nCol);
    // The whole text of the edit window is selected.
    BOOL IsAllSelected();

    UINT m_nID;
    BOOL m_bActive;
    BOOL m_bModified;
    BOOL m_bFilling; // set while the control fills its own window
    BOOL m_bNumericFind = FALSE;
    CFont m_font;
};
