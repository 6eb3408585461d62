// The look-up tables a tabbed combo cell shares with every cell of its list-cache id (above
// 0): kept by the grid parameter, built on first use from the cell's choice list, freed when
// a style that changes a list is stored. Cells without an id search their own choice list.
#pragma once
#include "controls/GXTabbedComboBoxTable.h"

class CGXGridCore;
class CGXGridParam;

class CGXTabbedSharedTable
{
public:
    CGXTabbedSharedTable(CGXGridCore* pGrid, const CGXStyle& style);
    // FALSE: the cell has no id (or no grid parameter) and searches its own list.
    BOOL IsShared() const { return m_nCacheId > 0; }
    int GetCacheId() const { return m_nCacheId; }

    // The display text of the row whose key is the value (the key table); FALSE: none.
    BOOL ValueToText(LPCTSTR pszValue, CString& strText) const;
    // The key of the row showing the text (the display table). With bPrefix a text no row
    // shows picks the first row whose display text begins with it, ignoring case, and the
    // display table keeps that row under the text.
    BOOL TextToValue(LPCTSTR pszText, BOOL bPrefix, CString& strValue) const;
    // The display text the typed text completes to (as TextToValue with prefixes).
    BOOL CompleteText(LPCTSTR pszTyped, CString& strShown) const;

private:
    BOOL FindShownRow(LPCTSTR pszText, BOOL bPrefix, CString& strRow) const;

    CGXGridParam* m_pParam;
    const CGXStyle& m_style;
    GXTabbedSettings m_settings;
    int m_nCacheId;
};
