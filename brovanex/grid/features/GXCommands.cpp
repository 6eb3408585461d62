// The concrete undoable commands: construction, ownership and the grid operation each
// performs.
#include "features/GXCommands.h"
#include "core/GXGridCore.h"
#include "core/GXProperties.h"
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"

#define GX_IMPLEMENT_COMMAND_NAME(class_name, nId)                                                 \
    IMPLEMENT_DYNAMIC(class_name, CGXCommand)                                                      \
    LPCTSTR class_name::GetName()                                                                  \
    {                                                                                              \
        static CString s_strName;                                                                  \
        return GXCommandName(s_strName, nId);                                                      \
    }

GX_IMPLEMENT_COMMAND_NAME(CGXSetRowHeightCmd, 20158)
GX_IMPLEMENT_COMMAND_NAME(CGXHideRowsCmd, 20170)
GX_IMPLEMENT_COMMAND_NAME(CGXSetDefaultRowHeightCmd, 20160)
GX_IMPLEMENT_COMMAND_NAME(CGXSetColWidthCmd, 20159)
GX_IMPLEMENT_COMMAND_NAME(CGXHideColsCmd, 20171)
GX_IMPLEMENT_COMMAND_NAME(CGXSetDefaultColWidthCmd, 20161)
GX_IMPLEMENT_COMMAND_NAME(CGXMoveRowsCmd, 20168)
GX_IMPLEMENT_COMMAND_NAME(CGXMoveColsCmd, 20169)
GX_IMPLEMENT_COMMAND_NAME(CGXRemoveRowsCmd, 20164)
GX_IMPLEMENT_COMMAND_NAME(CGXRemoveColsCmd, 20165)
GX_IMPLEMENT_COMMAND_NAME(CGXInsertRowsCmd, 20162)
GX_IMPLEMENT_COMMAND_NAME(CGXInsertColsCmd, 20163)
GX_IMPLEMENT_COMMAND_NAME(CGXSetCoveredCellsCmd, 20166)
GX_IMPLEMENT_COMMAND_NAME(CGXSetStyleRangeCmd, 20167)
GX_IMPLEMENT_COMMAND_NAME(CGXSetFrozenRowsCmd, 20172)
GX_IMPLEMENT_COMMAND_NAME(CGXSetFrozenColsCmd, 20173)
GX_IMPLEMENT_COMMAND_NAME(CGXMoveDataRowsCmd, 20181)
GX_IMPLEMENT_COMMAND_NAME(CGXMoveDataColsCmd, 20182)
GX_IMPLEMENT_COMMAND_NAME(CGXChangeStylesMapCmd, 20185)
GX_IMPLEMENT_COMMAND_NAME(CGXChangePropertiesCmd, 20186)
GX_IMPLEMENT_COMMAND_NAME(CGXMoveCellsCmd, 20176)
GX_IMPLEMENT_COMMAND_NAME(CGXSetRangeNameCmd, 20189)
GX_IMPLEMENT_COMMAND_NAME(CGXDeleteRangeNameCmd, 20188)

IMPLEMENT_DYNAMIC(CGXChangeBaseStyleCmd, CGXCommand)
LPCTSTR CGXChangeBaseStyleCmd::GetName() { return m_strName; }

// Rows.
CGXSetRowHeightCmd::CGXSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights)
    : m_nFrom(nFrom), m_nTo(nTo), m_anHeights(anHeights)
{ }
BOOL CGXSetRowHeightCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetRowHeight(m_nFrom, m_nTo, 0, m_anHeights, GX_UPDATENOW, ctCmd);
}

CGXHideRowsCmd::CGXHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
    : m_nFrom(nFrom), m_nTo(nTo), m_abHidden(abHidden)
{ }
BOOL CGXHideRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->HideRows(m_nFrom, m_nTo, FALSE, m_abHidden, GX_UPDATENOW, ctCmd);
}

BOOL CGXSetDefaultRowHeightCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetDefaultRowHeight(m_nHeight, GX_UPDATENOW, ctCmd);
}

// Columns.
CGXSetColWidthCmd::CGXSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths)
    : m_nFrom(nFrom), m_nTo(nTo), m_anWidths(anWidths)
{ }
BOOL CGXSetColWidthCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetColWidth(m_nFrom, m_nTo, 0, m_anWidths, GX_UPDATENOW, ctCmd);
}

CGXHideColsCmd::CGXHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
    : m_nFrom(nFrom), m_nTo(nTo), m_abHidden(abHidden)
{ }
BOOL CGXHideColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->HideCols(m_nFrom, m_nTo, FALSE, m_abHidden, GX_UPDATENOW, ctCmd);
}

BOOL CGXSetDefaultColWidthCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetDefaultColWidth(m_nWidth, GX_UPDATENOW, ctCmd);
}

// Structure.
BOOL CGXMoveRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->MoveRows(m_nFrom, m_nTo, m_nDest, GX_UPDATENOW, ctCmd);
}
BOOL CGXMoveColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->MoveCols(m_nFrom, m_nTo, m_nDest, GX_UPDATENOW, ctCmd);
}
BOOL CGXRemoveRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->RemoveRows(m_nFrom, m_nTo, GX_UPDATENOW, ctCmd);
}
BOOL CGXRemoveColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->RemoveCols(m_nFrom, m_nTo, GX_UPDATENOW, ctCmd);
}

CGXInsertRowsCmd::CGXInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights,
                                   CObArray* pCellStyles, CObArray* pRowStyles, ROWCOL nColCount)
    : m_nRow(nRow), m_nCount(nCount), m_anHeights(anHeights), m_pCellStyles(pCellStyles),
      m_pRowStyles(pRowStyles), m_nColCount(nColCount)
{ }
CGXInsertRowsCmd::~CGXInsertRowsCmd()
{
    delete[] m_anHeights;
    GXDeleteStyleArray(m_pCellStyles);
    GXDeleteStyleArray(m_pRowStyles);
}
BOOL CGXInsertRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->InsertRows(m_nRow, m_nCount, m_anHeights, m_pCellStyles, m_pRowStyles,
                             m_nColCount, GX_UPDATENOW, ctCmd);
}

CGXInsertColsCmd::CGXInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                                   CObArray* pColStyles, ROWCOL nRowCount)
    : m_nCol(nCol), m_nCount(nCount), m_anWidths(anWidths), m_pCellStyles(pCellStyles),
      m_pColStyles(pColStyles), m_nRowCount(nRowCount)
{ }
CGXInsertColsCmd::~CGXInsertColsCmd()
{
    delete[] m_anWidths;
    GXDeleteStyleArray(m_pCellStyles);
    GXDeleteStyleArray(m_pColStyles);
}
BOOL CGXInsertColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->InsertCols(m_nCol, m_nCount, m_anWidths, m_pCellStyles, m_pColStyles, m_nRowCount,
                             GX_UPDATENOW, ctCmd);
}

// Cells.
BOOL CGXSetCoveredCellsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetCoveredCells(m_nTop, m_nLeft, m_nBottom, m_nRight, GX_UPDATENOW, ctCmd);
}

BOOL CGXSetStyleRangeCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->ApplyStyleToRange(m_range, nullptr, gxCopy, m_nType, m_pStyles, GX_UPDATENOW,
                                    ctCmd);
}

BOOL CGXSetFrozenRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetFrozenRows(m_nFrozen, m_nHeader, GX_UPDATENOW, ctCmd);
}
BOOL CGXSetFrozenColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetFrozenCols(m_nFrozen, m_nHeader, GX_UPDATENOW, ctCmd);
}

BOOL CGXMoveDataRowsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    if (m_pOrder == nullptr)
        return FALSE;
    return pGrid->MoveDataRows(m_range, *m_pOrder, GX_UPDATENOW, ctCmd);
}
BOOL CGXMoveDataColsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    if (m_pOrder == nullptr)
        return FALSE;
    return pGrid->MoveDataCols(m_range, *m_pOrder, GX_UPDATENOW, ctCmd);
}

// The styles map, the properties and base styles.
CGXChangeStylesMapCmd::CGXChangeStylesMapCmd(const CGXStylesMap& stylesMap)
    : m_pStylesMap(new CGXStylesMap(stylesMap))
{ }
CGXChangeStylesMapCmd::~CGXChangeStylesMapCmd() { delete m_pStylesMap; }
BOOL CGXChangeStylesMapCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->ChangeStylesMap(*m_pStylesMap, GX_UPDATENOW, ctCmd);
}

CGXChangePropertiesCmd::CGXChangePropertiesCmd(const CGXProperties& properties)
    : m_pProperties(new CGXProperties(properties))
{ }
CGXChangePropertiesCmd::~CGXChangePropertiesCmd() { delete m_pProperties; }
BOOL CGXChangePropertiesCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->ChangeProperties(*m_pProperties, GX_UPDATENOW, ctCmd);
}

CGXChangeBaseStyleCmd::CGXChangeBaseStyleCmd(const CGXStyle& style, LPCTSTR pszName, WORD wStyleId)
    : m_pStyle(new CGXStyle(style)), m_strName(pszName), m_wStyleId(wStyleId)
{ }
CGXChangeBaseStyleCmd::~CGXChangeBaseStyleCmd() { delete m_pStyle; }
BOOL CGXChangeBaseStyleCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->ChangeBaseStyle(m_wStyleId, *m_pStyle, gxCopy, GX_UPDATENOW, ctCmd);
}

// Moved cells: the block of the stored range's size at the destination moves back.
BOOL CGXMoveCellsCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    CGXRange block(m_nDestRow, m_nDestCol, m_nDestRow + (m_range.bottom - m_range.top),
                   m_nDestCol + (m_range.right - m_range.left));
    CObject* pMoved = m_pMoved;
    m_pMoved = nullptr;
    return pGrid->MoveCells(block, m_range.top, m_range.left, pMoved, GX_UPDATENOW, ctCmd);
}

// Range names.
BOOL CGXSetRangeNameCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    if (m_bSet)
        return pGrid->SetRangeName(m_strName, &m_range, nullptr, GX_UPDATENOW, ctCmd);
    return pGrid->DeleteRangeName(m_strName, 0, ctCmd);
}
BOOL CGXDeleteRangeNameCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    return pGrid->SetRangeName(m_strName, &m_range, m_pUserObject, GX_UPDATENOW, ctCmd);
}
