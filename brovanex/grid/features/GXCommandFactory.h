// CGXCommandFactory: the undo feature of one grid. It makes the commands, keeps them on the
// parameter object's undo and redo lists, performs undo, redo and transactions, fills the
// Undo and Redo menu items and saves the styles of rows and columns about to be removed.
// Switched on per grid by GXImplementUndoRedo (GXFeatureSwitches.h).
#pragma once
#include "features/GXAbstractGridFeatures.h"
#include "features/GXCommands.h"

class CGXCommandFactory : public CGXAbstractCommandFactory
{
public:
    CGXCommandFactory() = default;
    ~CGXCommandFactory() override = default;

    CGXCommand* MakeBlockCmd(LPCTSTR pszName) override;
    CGXCommand* MakeSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights) override;
    CGXCommand* MakeHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden) override;
    CGXCommand* MakeSetDefaultRowHeightCmd(int nHeight) override;
    CGXCommand* MakeSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths) override;
    CGXCommand* MakeHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden) override;
    CGXCommand* MakeSetDefaultColWidthCmd(int nWidth) override;
    CGXCommand* MakeMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGXCommand* MakeMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGXCommand* MakeRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGXCommand* MakeRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGXCommand* MakeInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellStyles,
                                  CObArray* pRowStyles, ROWCOL nColCount) override;
    CGXCommand* MakeInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                                  CObArray* pColStyles, ROWCOL nRowCount) override;
    CGXCommand* MakeSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                       ROWCOL nRight) override;
    CGXCommand* MakeSetStyleRangeCmd(const CGXRange& range, int nType, CObArray* pStyles) override;
    CGXCommand* MakeSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader) override;
    CGXCommand* MakeSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader) override;
    CGXCommand* MakeMoveDataRowsCmd(CDWordArray* pOrder, const CGXRange& range) override;
    CGXCommand* MakeMoveDataColsCmd(CDWordArray* pOrder, const CGXRange& range) override;
    CGXCommand* MakeChangeStylesMapCmd(const CGXStylesMap& stylesMap) override;
    CGXCommand* MakeChangePropertiesCmd(const CGXProperties& properties) override;
    CGXCommand* MakeChangeBaseStyleCmd(const CGXStyle& style, LPCTSTR pszName,
                                       WORD wStyleId) override;
    CGXCommand* MakeMoveCellsCmd(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                 CObject* pMoved) override;
    CGXCommand* MakeSetRangeNameCmd(LPCTSTR pszName, BOOL bSet, const CGXRange& range) override;
    CGXCommand* MakeDeleteRangeNameCmd(LPCTSTR pszName, const CGXRange& range,
                                       CObject* pUserObject) override;

    // The data object's own undo state (the library's data object keeps none).
    BOOL SwitchRecording(CGXGridCore* pGrid, BOOL bOn) override;
    CObject* TakePendingState(CGXGridCore* pGrid) override;
    BOOL RestorePendingState(CGXGridCore* pGrid, CObject* pState, BOOL bSwitchOff,
                             int nReserved) override;
    void DiscardPendingState(CGXGridCore* pGrid) override;

    BOOL ExecuteCommand(CGXCommand* pCmd, CGXGridCore* pGrid, GXCmdType ctCmd) override;
    void RecordCommand(CGXGridCore* pGrid, CGXCommand* pCmd, GXCmdType ctCmd) override;
    void RemoveNewestCommand(CGXGridCore* pGrid, GXCmdType ctCmd) override;
    BOOL Undo(CGXGridCore* pGrid) override;
    BOOL Redo(CGXGridCore* pGrid) override;
    void BeginUndoBlock(CGXGridCore* pGrid, LPCTSTR pszName) override;
    void CommitUndoBlock(CGXGridCore* pGrid) override;
    void RollbackUndoBlock(CGXGridCore* pGrid) override;
    void ShowUndoPosition(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent) override;
    BOOL UpdateUndoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    BOOL UpdateRedoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    BOOL CopyRowStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstRow, ROWCOL nRowCount, ROWCOL nColCount,
                           CObArray*& pCellStyles, CObArray*& pRowStyles,
                           CGXLongOperation* pLongOp) override;
    BOOL CopyColStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstCol, ROWCOL nRowCount, ROWCOL nColCount,
                           CObArray*& pCellStyles, CObArray*& pColStyles,
                           CGXLongOperation* pLongOp) override;

    // Names as other callers know them.
    void AddCommand(CGXGridCore* pGrid, CGXCommand* pCmd, GXCmdType ctCmd)
    {
        RecordCommand(pGrid, pCmd, ctCmd);
    }
    void RemoveCommand(CGXGridCore* pGrid, GXCmdType ctCmd) { RemoveNewestCommand(pGrid, ctCmd); }
    void BeginTrans(CGXGridCore* pGrid, LPCTSTR pszName) { BeginUndoBlock(pGrid, pszName); }
    void CommitTrans(CGXGridCore* pGrid) { CommitUndoBlock(pGrid); }
    void Rollback(CGXGridCore* pGrid) { RollbackUndoBlock(pGrid); }
    void ShowUndoneCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent)
    {
        ShowUndoPosition(pGrid, nRow, nCol, bMakeCurrent);
    }
    BOOL OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
    {
        return UpdateUndoMenu(pGrid, pCmdUI);
    }
    BOOL OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
    {
        return UpdateRedoMenu(pGrid, pCmdUI);
    }
    BOOL SaveRowStyles(CGXGridCore* pGrid, ROWCOL nFirstRow, ROWCOL nRowCount, ROWCOL nColCount,
                       CObArray*& pCellStyles, CObArray*& pRowStyles, CGXLongOperation* pLongOp)
    {
        return CopyRowStyleBlock(pGrid, nFirstRow, nRowCount, nColCount, pCellStyles, pRowStyles,
                                 pLongOp);
    }
    BOOL SaveColStyles(CGXGridCore* pGrid, ROWCOL nFirstCol, ROWCOL nRowCount, ROWCOL nColCount,
                       CObArray*& pCellStyles, CObArray*& pColStyles, CGXLongOperation* pLongOp)
    {
        return CopyColStyleBlock(pGrid, nFirstCol, nRowCount, nColCount, pCellStyles, pColStyles,
                                 pLongOp);
    }

    // The grid's group-command state: set while a block command runs; a request to show
    // the changed cell that arrives meanwhile waits until the block ends.
    BOOL m_bGroupRunning = FALSE;
    BOOL m_bPendingShow = FALSE;
    ROWCOL m_nPendingRow = 0, m_nPendingCol = 0;
    BOOL m_bPendingMakeCurrent = FALSE;
    // The name of the open transaction; the menu formats, built at the first menu update.
    CString m_strTransName;
    CString m_strUndoMenuFormat, m_strRedoMenuFormat;
};
