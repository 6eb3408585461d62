// Cell ranges turned into bytes and back: tab-separated text (the clipboard's CF_TEXT) and
// the ranges' archived cell styles (the library's own clipboard format). Both work on a
// range list that may hold several, even overlapping, ranges: its rows and columns are
// merged into bands, and the exchanged area is every band row by every band column.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridTextDataExchangeImp final : public CGXAbstractGridTextDataExchangeImp
{
public:
    BOOL ExportText(CGXGridCore* pGrid, CFile* pFile, const CGXRangeList& ranges,
                    BOOL bWithHeaders) override;
    // The export text of the range's top-left cell.
    BOOL GetRangeText(CGXGridCore* pGrid, CString& strText, const CGXRange& range) override;
    BOOL ImportText(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize, ROWCOL nRow, ROWCOL nCol,
                    UINT nFlags) override;
    BOOL PutCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText,
                     UINT nFlags) override;
    BOOL MeasureTextBlock(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize, ROWCOL& nRows,
                          ROWCOL& nCols) override;
};

class CGXGridStyleDataExchangeImp final : public CGXAbstractGridStyleDataExchangeImp
{
public:
    BOOL ExportStyles(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& ranges) override;
    BOOL GetExportStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                        BOOL bComposed) override;
    BOOL ImportStyles(CGXGridCore* pGrid, CArchive& ar, const CGXRange& target,
                      BOOL bWithoutAsking) override;
};
