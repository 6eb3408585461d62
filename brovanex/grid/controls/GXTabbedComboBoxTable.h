// The table behind the tabbed combo cells (CGXTabbedComboBox and CGXTabbedComboBoxWnd): the
// settings a cell's style gives, the conversions between the key and display columns, the
// validity of typed text, completion, the one-time sort and the cell's measured size. Both
// controls use these, so they behave alike.
#pragma once
#include "core/GXStyle.h"

#include <vector>

class CDC;
class CGXControl;
class CGXGridCore;
class CGXStylesMap;

const WORD GX_IDS_UA_TABLIST_KEYCOL = 51028;
const WORD GX_IDS_UA_TABLIST_TEXTCOL = 51029;
const WORD GX_IDS_UA_TABLIST_SHOWALLCOLS = 51030;
const WORD GX_IDS_UA_TABLIST_TITLE = 51031;
const WORD GX_IDS_UA_TABLIST_COLWIDTHS = 51032;
const WORD GX_IDS_UA_TABLIST_SORTCOL = 51033;
const WORD GX_IDS_UA_TABLIST_LISTCACHE = 51055;

// The table settings of a style (the attributes, or their defaults).
struct GXTabbedSettings
{
    int nValueCol = 0;
    int nDisplayCol = 0;
    BOOL bDisplayAllCols = TRUE;
    BOOL bTitleLine = FALSE;
    int nSortCol = -1;
    CString strColWidths;

    static GXTabbedSettings FromStyle(const CGXStyle& style);
    // The field of a row the cell shows.
    int ShownCol() const { return nDisplayCol > 0 ? nDisplayCol : 0; }
    // The row whose key equals the value: its display text (FALSE: none).
    BOOL ValueToText(const CGXStyle& style, LPCTSTR pszValue, CString& strText) const;
    // The row whose display text equals the text (or begins with it): its key.
    BOOL TextToValue(const CGXStyle& style, LPCTSTR pszText, BOOL bExact, CString& strValue) const;
    // The row (counted without the title line) whose key equals the value; -1 when none.
    int ValueToRow(const CGXStyle& style, LPCTSTR pszValue) const;
    // The display text of the row the typed text picks: the row showing it exactly, else the
    // first whose display text begins with it (ignoring case). FALSE when none does.
    BOOL CompleteText(const CGXStyle& style, LPCTSTR pszTyped, CString& strShown) const;
};

// The column widths a width text gives (numbers separated by any non-digits).
std::vector<int> GXParseColumnWidths(LPCTSTR pszWidths);

// A field naming a picture in the library's DIB pool: the picture (null for any other text).
HGLOBAL GXTabbedPicture(LPCTSTR pszField);
// A field's size: its picture's, else its text extent in the DC's font.
CSize GXTabbedFieldSize(CDC* pDC, const CString& strField);
// Draws a field in the rectangle: its picture placed by the alignment (DT_ flags), else its
// text in one line with the format.
void GXDrawTabbedField(CDC* pDC, const CString& strField, const CRect& rect, UINT nFormat);

// The list of a table as both tabbed combos fill it: one entry a row (the display text, a tab
// and the whole line when the display column is above 0, else the line itself), the title
// entry, the columns' right edges, the rows' heights and the list's total width.
struct GXTabbedRows
{
    std::vector<CString> entries;
    std::vector<int> heights; // of each entry: its fields' heights, at least nItemHeight
    CString strTitles;
    BOOL bTitles = FALSE;
    std::vector<int> colRight; // running sums of the column widths
    int nItemHeight = 10; // a text line of the font, at least 10
    int nTitleHeight = 10; // the title entry's height
    int nTotalWidth = 0; // the columns and a vertical scroll bar

    // Measures every field (at most ten columns) in the style's font on the grid's window and
    // works out the widths: a given width, else the measured width + 4 for shown columns,
    // else 0.
    void Build(CGXGridCore* pGrid, const CGXStyle& style, const GXTabbedSettings& s);
    void Build(CDC* pDC, const CGXStyle& style, const GXTabbedSettings& s);
};

// How a row of a tabbed list is drawn.
struct GXTabbedRowLook
{
    const std::vector<int>* pColRight = nullptr;
    BOOL bColumns = TRUE; // FALSE: only the first field, across the whole row
    BOOL bSkipFirst = FALSE; // the entry's leading copy of the display text is left out
    COLORREF crGridLine = RGB(192, 192, 192);
    COLORREF crBack = RGB(255, 255, 255), crText = RGB(0, 0, 0);
};

// Draws an owner-drawn list row: the highlight colours when selected, the fields in their
// columns with a separator line 2 pixels left of each right edge, a focus rectangle when
// focused.
void GXDrawTabbedRow(const DRAWITEMSTRUCT& dis, const CString& strEntry,
                     const GXTabbedRowLook& look);
// Draws the titles of a header: each field in its column with a raised frame, the last to the
// rectangle's right edge; a picture inside a 1-pixel margin.
void GXDrawTabbedTitles(CDC* pDC, const CRect& rect, const CString& strTitles,
                        const std::vector<int>& colRight, BOOL bColumns, BOOL bSkipFirst);

// The shared behaviour of the two tabbed combo cells.
namespace GXTabbedCell {
// Declares the table attributes (the list-cache id too when asked), the two switches edited
// as check boxes.
void DeclareAttributes(CGXStylesMap* pStylesMap, BOOL bListCache);
// The display text of a value (the style's own when none is given); FALSE when there is no
// value at all. A value without a row shows nothing.
BOOL FormatDisplayText(const CGXStyle& style, LPCTSTR pszValue, CString& strText);
// Typed or pasted text becomes the key of the row it picks (prefix match); FALSE leaves it
// as it is, when no row shows it. Empty text is taken as it is.
BOOL AcceptsTypedText(const CGXStyle& style, CString& strText);
// Empty text, or a list not filled from the choices, is valid; else a row must show it.
BOOL ValidateText(const CGXStyle* pStyle, const CString& strText, BOOL bFillWithChoiceList);
// An active, modified control's text must convert to a value.
BOOL TextConverts(CGXControl& control);
// With a sort column the choice list is sorted once: the sorted list and the sort column
// -1 are stored into the cell. TRUE when it stored them.
BOOL SortOnce(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
// Width of the widest display field (text or picture), height the larger of a text line
// (+ external leading + 1) and the fields' heights, in the style's font; without the
// control's borders.
CSize MeasureShownFields(CGXGridCore* pGrid, CDC* pDC, const CGXStyle& style);
} // namespace GXTabbedCell
