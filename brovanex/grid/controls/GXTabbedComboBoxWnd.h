// CGXTabbedComboBoxWnd: the tabbed combo cell on a real combo-box window, editable (52539) or
// pick-only (52540). The style's choice list is a table, one row per line with its fields
// separated by tabs; the cell stores the key column of the chosen row and shows its display
// column. The combo's own owner-drawn list holds the rows in the choice list's order and shows
// their columns side by side; when it drops it is widened to the columns and a header with the
// titles is placed against it. CGXTabbedCBEditWnd is its edit child: text set into it keeps
// only the part before the first tab, and typed characters complete the text from the display
// column.
#pragma once
#include "controls/GXComboBoxWnd.h"
#include "controls/GXTabbedComboBox.h"

#include <memory>
#include <vector>

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
    ~CGXTabbedComboBoxWnd() override;

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    BOOL CreateControl(DWORD dwStyle, UINT nID) override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL GetValue(CString& strValue) override;
    BOOL GetEditText(CString& strText) override;
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
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void Hide() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The list's rows: their columns side by side (the selection field: the first field).
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return -1; }

    const std::vector<int>& GetColumnRights() const { return m_colRight; }
    int GetTotalWidth() const { return m_nTotalWidth; }
    CGXTabbedLBoxHeader* GetHeader() const { return m_pHeader.get(); }
    // The height of a list row: its highest field, at least the item height.
    int RowHeight(int nIndex) const;

    BOOL m_bAutoComplete;
    COLORREF m_crGridLine; // the column separators
    COLORREF m_crText;

protected:
    // The rows of the cell's table (the title line left out), in the list's order, and the
    // columns' layout.
    void FillRows(const CGXStyle& style);
    BOOL RouteGridChar(UINT nChar, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Widens the dropped list to the columns, keeps it on the desktop and places the header
    // against it; nothing when it is where it was last placed.
    void PlaceList(HWND hList);
    void HideHeader();

    BOOL m_bEscClosedList; // the Esc character of the key that closed the list is dropped
    GXTabbedSettings m_settings; // of the cell the list was filled for
    std::vector<int> m_colRight; // right edges of the list's columns
    std::vector<int> m_rowHeights; // of the list's rows, as filled
    int m_nItemHeight, m_nTitleHeight, m_nTotalWidth;
    BOOL m_bTitles; // the table has a title line: the header shows it
    std::unique_ptr<CGXTabbedLBoxHeader> m_pHeader;
    CRect m_rectListPlaced; // where the dropped list was last put
    BOOL m_bPlacingList; // keeps PlaceList from re-entering while it moves the list
};
