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
// Width of the widest display field, height of a text line (+ external leading + 1), in
// the style's font; without the control's borders.
CSize MeasureShownFields(CGXGridCore* pGrid, CDC* pDC, const CGXStyle& style);
} // namespace GXTabbedCell
