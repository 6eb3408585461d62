// CGXTabbedComboBox: a combo cell whose choice list is a table, one row per line and its
// fields separated by tabs. The key column's text is stored, the display column's text is
// shown; the drop-down shows the columns side by side with grey separators and, when the
// first line holds titles, a header window against the list. Typing completes the text from
// the display column. The settings are user attributes of the cell's style; cells with one
// list-cache id share their look-up tables and the filled list (GXTabbedSharedTable.h).
#pragma once
#include "controls/GXComboBox.h"
#include "controls/GXTabbedComboBoxTable.h"

#include <vector>

class CGXTabbedComboBox;

// The titles above (or below) the open list, drawn in the list's columns.
class CGXTabbedLBoxHeader : public CWnd
{
public:
    CGXTabbedLBoxHeader() = default;
    BOOL CreateHeader();
    void SetTitles(const CString& strTitles) { m_strTitles = strTitles; }
    const CString& GetTitles() const { return m_strTitles; }
    // The columns and the font the titles are drawn with (the font is not owned).
    void SetLayout(const std::vector<int>& colRight, int nDisplayCol, BOOL bDisplayAllCols,
                   CFont* pFont);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(CDC* pDC);

    BOOL m_bDisplayAllCols = TRUE;
    int m_nDisplayCol = 0;
    std::vector<int> m_colRight;
    CFont* m_pFont = nullptr;
    CString m_strTitles;
};

// The owner-drawn list of the tabbed combo box.
class CGXTabbedComboLBox : public CGXComboListBox
{
public:
    CGXTabbedComboLBox(CWnd* pOwner, CGXTabbedComboBox* pCombo)
        : CGXComboListBox(pOwner), m_pCombo(pCombo)
    { }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return -1; }

protected:
    CGXTabbedComboBox* m_pCombo;
};

class CGXTabbedComboBox : public CGXComboBox
{
    GX_DECLARE_CONTROL(CGXTabbedComboBox)
public:
    CGXTabbedComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID);
    ~CGXTabbedComboBox() override;

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    CGXGridCombo* CreateDropDownWnd(CWnd* pOwner, const CRect& rect) override;
    CListBox* CreateListBox(CWnd* pPopup, UINT nID) override;
    void ShowDropDown(BOOL bShow) override;
    void SetValueFromListBox(CListBox* pListBox) override;
    void FillListBox(CListBox* pListBox) override;
    void GetDropDownRect(CRect& rect, const CRect& rectCell) override;
    void DestroyDropDownWnd(CGXGridCombo* pPopup) override;
    // Completes the edit's text from the display column after a typed character.
    virtual void AutoComplete();

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetValue(CString& strValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    BOOL ValidateCellValue() override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;

    const std::vector<int>& GetColumnRights() const { return m_colRight; }
    CGXTabbedLBoxHeader* GetHeader() const { return m_pHeader; }
    int GetTotalWidth() const { return m_nTotalWidth; }
    // The height of a list row: its highest field, at least the item height.
    int RowHeight(int nIndex) const;

    int m_nValueCol, m_nDisplayCol;
    BOOL m_bDisplayAllCols, m_bTitleLine;
    int m_nSortCol;
    CString m_strColWidths;
    COLORREF m_crGridLine;
    COLORREF m_crBack, m_crText;
    BOOL m_bAutoComplete;
    int m_nItemHeight;
    int m_nTotalWidth;
    BOOL m_bListFilled;
    // The list-cache id the list was last filled for (0: none) and the grid parameter's
    // list-cache generation then: cells sharing the id use the list as it is until the
    // generation moves on.
    int m_nFilledCacheId;
    LONG m_nFilledGeneration;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ReadSettings(const CGXStyle& style);
    // Places the header against the open list.
    void PlaceHeader();

    std::vector<int> m_colRight; // right edges of the columns in the list
    std::vector<int> m_rowHeights; // of the list's rows, as filled
    int m_nTitleHeight; // of the title line
    CGXTabbedLBoxHeader* m_pHeader; // owned
    CListBox* m_pListBox; // kept between drop-downs (owned by the pop-up)
    CGXGridCombo* m_pPopup; // kept between drop-downs, owned

    friend class CGXTabbedComboLBox;
    friend class CGXTabbedLBoxHeader;
};
