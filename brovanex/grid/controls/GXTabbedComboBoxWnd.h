// CGXTabbedComboBoxWnd: the tabbed combo cell on a real combo-box window, editable (52539) or
// pick-only (52540). The style's choice list is a table, one row per line with its fields
// separated by tabs; the cell stores the key column of the chosen row and shows its display
// column. The combo's own list holds the rows' display texts in the choice list's order.
// CGXTabbedCBEditWnd is its edit child: text set into it keeps only the part before the first
// tab, and typed characters complete the text from the display column.
#pragma once
#include "controls/GXComboBoxWnd.h"
#include "controls/GXTabbedComboBox.h"

class CGXTabbedComboBoxWnd;

class CGXTabbedCBEditWnd : public CGXComboEditPart
{
public:
    explicit CGXTabbedCBEditWnd(CGXTabbedComboBoxWnd* pCombo) : m_pTabbed(pCombo) { }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CGXTabbedComboBoxWnd* m_pTabbed;
};

class CGXTabbedComboBoxWnd : public CGXComboBoxWnd
{
    GX_DECLARE_CONTROL(CGXTabbedComboBoxWnd)
public:
    explicit CGXTabbedComboBoxWnd(CGXGridCore* pGrid);

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    BOOL CreateControl(DWORD dwStyle, UINT nID) override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL GetValue(CString& strValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    BOOL ValidateCellValue() override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    // Esc while the list is dropped only closes the list.
    BOOL KeyHook(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Completes the edit's text from the display column after a typed character.
    virtual void AutoComplete();

    BOOL m_bAutoComplete;

protected:
    // The rows of the cell's table (the title line left out), in the list's order.
    void FillRows(const CGXStyle& style);
    BOOL RouteGridChar(UINT nChar, LPARAM lParam) override;

    BOOL m_bEscClosedList; // the Esc character of the key that closed the list is dropped
};
