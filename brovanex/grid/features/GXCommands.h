// The concrete undoable commands. Each stores the values its grid operation needs and owns
// the arrays and objects handed to it; Execute calls the operation with the update flag
// GX_UPDATENOW and its own mode.
#pragma once
#include "features/GXCommand.h"

#define GX_DECLARE_COMMAND_BODY(class_name)                                                        \
    DECLARE_DYNAMIC(class_name)                                                                    \
public:                                                                                            \
    BOOL Execute(CGXGridCore* pGrid, GXCmdType ctCmd) override;                                    \
    LPCTSTR GetName() override;

// Row heights, hidden rows, the default row height.
class CGXSetRowHeightCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetRowHeightCmd)
    CGXSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights);
    ~CGXSetRowHeightCmd() override { delete[] m_anHeights; }
    ROWCOL m_nFrom, m_nTo;
    int* m_anHeights; // one per row; -1: the row had no height of its own
};

class CGXHideRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXHideRowsCmd)
    CGXHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden);
    ~CGXHideRowsCmd() override { delete[] m_abHidden; }
    ROWCOL m_nFrom, m_nTo;
    BOOL* m_abHidden;
};

class CGXSetDefaultRowHeightCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetDefaultRowHeightCmd)
    explicit CGXSetDefaultRowHeightCmd(int nHeight) : m_nHeight(nHeight) { }
    int m_nHeight;
};

// Column widths, hidden columns, the default column width.
class CGXSetColWidthCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetColWidthCmd)
    CGXSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths);
    ~CGXSetColWidthCmd() override { delete[] m_anWidths; }
    ROWCOL m_nFrom, m_nTo;
    int* m_anWidths;
};

class CGXHideColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXHideColsCmd)
    CGXHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden);
    ~CGXHideColsCmd() override { delete[] m_abHidden; }
    ROWCOL m_nFrom, m_nTo;
    BOOL* m_abHidden;
};

class CGXSetDefaultColWidthCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetDefaultColWidthCmd)
    explicit CGXSetDefaultColWidthCmd(int nWidth) : m_nWidth(nWidth) { }
    int m_nWidth;
};

// Moving, removing and inserting rows and columns.
class CGXMoveRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXMoveRowsCmd)
    CGXMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
        : m_nFrom(nFrom), m_nTo(nTo), m_nDest(nDest)
    { }
    ROWCOL m_nFrom, m_nTo, m_nDest;
};

class CGXMoveColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXMoveColsCmd)
    CGXMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
        : m_nFrom(nFrom), m_nTo(nTo), m_nDest(nDest)
    { }
    ROWCOL m_nFrom, m_nTo, m_nDest;
};

class CGXRemoveRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXRemoveRowsCmd)
    CGXRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) : m_nFrom(nFrom), m_nTo(nTo) { }
    ROWCOL m_nFrom, m_nTo;
};

class CGXRemoveColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXRemoveColsCmd)
    CGXRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) : m_nFrom(nFrom), m_nTo(nTo) { }
    ROWCOL m_nFrom, m_nTo;
};

class CGXInsertRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXInsertRowsCmd)
    CGXInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellStyles,
                     CObArray* pRowStyles, ROWCOL nColCount);
    ~CGXInsertRowsCmd() override;
    ROWCOL m_nRow, m_nCount;
    int* m_anHeights;
    CObArray* m_pCellStyles; // row-major, m_nColCount per row, column 0 first
    CObArray* m_pRowStyles;
    ROWCOL m_nColCount;
};

class CGXInsertColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXInsertColsCmd)
    CGXInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                     CObArray* pColStyles, ROWCOL nRowCount);
    ~CGXInsertColsCmd() override;
    ROWCOL m_nCol, m_nCount;
    int* m_anWidths;
    CObArray* m_pCellStyles; // row r, new column k at r * count + k, row 0 first
    CObArray* m_pColStyles;
    ROWCOL m_nRowCount;
};

// Covered cells and cell styles.
class CGXSetCoveredCellsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetCoveredCellsCmd)
    CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
        : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight)
    { }
    ROWCOL m_nTop, m_nLeft, m_nBottom, m_nRight;
};

class CGXSetStyleRangeCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetStyleRangeCmd)
    CGXSetStyleRangeCmd(const CGXRange& range, int nType, CObArray* pStyles)
        : m_range(range), m_nType(nType), m_pStyles(pStyles)
    { }
    ~CGXSetStyleRangeCmd() override { GXDeleteStyleArray(m_pStyles); }
    CGXRange m_range;
    int m_nType;
    CObArray* m_pStyles; // one per cell, null where the cell had no style of its own
};

// Frozen rows and columns.
class CGXSetFrozenRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetFrozenRowsCmd)
    CGXSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader) : m_nFrozen(nFrozen), m_nHeader(nHeader) { }
    ROWCOL m_nFrozen, m_nHeader;
};

class CGXSetFrozenColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetFrozenColsCmd)
    CGXSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader) : m_nFrozen(nFrozen), m_nHeader(nHeader) { }
    ROWCOL m_nFrozen, m_nHeader;
};

// Data rows and columns put in another order (sorting).
class CGXMoveDataRowsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXMoveDataRowsCmd)
    CGXMoveDataRowsCmd(CDWordArray* pOrder, const CGXRange& range)
        : m_pOrder(pOrder), m_range(range)
    { }
    ~CGXMoveDataRowsCmd() override { delete m_pOrder; }
    CDWordArray* m_pOrder;
    CGXRange m_range;
};

class CGXMoveDataColsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXMoveDataColsCmd)
    CGXMoveDataColsCmd(CDWordArray* pOrder, const CGXRange& range)
        : m_pOrder(pOrder), m_range(range)
    { }
    ~CGXMoveDataColsCmd() override { delete m_pOrder; }
    CDWordArray* m_pOrder;
    CGXRange m_range;
};

// The styles map, the properties and a base style.
class CGXChangeStylesMapCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXChangeStylesMapCmd)
    explicit CGXChangeStylesMapCmd(const CGXStylesMap& stylesMap);
    ~CGXChangeStylesMapCmd() override;
    CGXStylesMap* m_pStylesMap;
};

class CGXChangePropertiesCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXChangePropertiesCmd)
    explicit CGXChangePropertiesCmd(const CGXProperties& properties);
    ~CGXChangePropertiesCmd() override;
    CGXProperties* m_pProperties;
};

class CGXChangeBaseStyleCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXChangeBaseStyleCmd)
    CGXChangeBaseStyleCmd(const CGXStyle& style, LPCTSTR pszName, WORD wStyleId);
    ~CGXChangeBaseStyleCmd() override;
    CGXStyle* m_pStyle;
    CString m_strName;
    WORD m_wStyleId;
};

// Cells moved inside the grid.
class CGXMoveCellsCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXMoveCellsCmd)
    CGXMoveCellsCmd(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject* pMoved)
        : m_range(range), m_nDestRow(nDestRow), m_nDestCol(nDestCol), m_pMoved(pMoved)
    { }
    ~CGXMoveCellsCmd() override { delete m_pMoved; }
    CGXRange m_range;
    ROWCOL m_nDestRow, m_nDestCol;
    CObject* m_pMoved;
};

// Range names (no grid of this library names ranges: both report FALSE).
class CGXSetRangeNameCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXSetRangeNameCmd)
    CGXSetRangeNameCmd(LPCTSTR pszName, BOOL bSet, const CGXRange& range)
        : m_strName(pszName), m_bSet(bSet), m_range(range)
    { }
    CString m_strName;
    BOOL m_bSet;
    CGXRange m_range;
};

class CGXDeleteRangeNameCmd : public CGXCommand
{
    GX_DECLARE_COMMAND_BODY(CGXDeleteRangeNameCmd)
    CGXDeleteRangeNameCmd(LPCTSTR pszName, const CGXRange& range, CObject* pUserObject)
        : m_strName(pszName), m_range(range), m_pUserObject(pUserObject)
    { }
    ~CGXDeleteRangeNameCmd() override { delete m_pUserObject; }
    CString m_strName;
    CGXRange m_range;
    CObject* m_pUserObject;
};
