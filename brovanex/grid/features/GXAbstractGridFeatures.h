// The per-grid feature interfaces. Each optional behaviour of a grid is an object behind
// one of these interfaces, reached through the core's feature table (GXFeatureSlots.h).
// Every operation takes the grid core first; the object keeps no back pointer and no
// data of its own (it is freed without its destructor running). A null slot means the
// feature is off and the core's forwarder answers 0, FALSE, null or an empty text.
#pragma once
#include "core/GXDefs.h"

class CGXGridCore;
class CGXStyle;
class CGXRange;
class CGXRangeList;
class CGXControl;
class CGXCommand;
class CGXData;
class CGXProperties;
class CGXGridParam;
class CGXStylesMap;
class CGXGridHint;
class CGXStylesMap;
class CGXLongOperation;
class CObArray;
class CGXPluginComponent;
class CGXSpanCellPool;
class CDC;
class CWnd;
class CCmdUI;
class CDocument;
class CPrintInfo;
class CDWordArray;
class CStringArray;
class CObList;
struct GXFindReplaceInfo;
class CGXSortInfoArray;
struct GXSortRecords;
struct GXPaintPass;

// 2: printing and the header and footer of the properties of the first grid that uses them.
class CGXAbstractGridPrintImp
{
public:
    virtual void OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void DrawHeaderAndFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo* pInfo,
                                     CDocument* pDoc, CGXGridParam* pParam) = 0;
    // The height of a header or footer block (10 lines by 3 columns).
    virtual int CalcHeaderFooterHeight(CGXProperties* pProp, CDC* pDC, CGXData* pBlock,
                                       CGXStylesMap* pStylesMap) = 0;
    virtual void PrintHeaderFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo* pInfo, LPCRECT pRect,
                                   CGXData* pBlock, CGXStylesMap* pStylesMap) = 0;
    // The text with every token replaced (through the properties' SubstTokenText).
    virtual CString ExpandTokens(CGXProperties* pProp, LPCTSTR pszText) = 0;
    // A token's text; strRest is the text after the token, which loses what the token takes.
    virtual CString SubstTokenText(CGXProperties* pProp, int nToken, CString& strRest) = 0;
    // "{...}" at the start of strRest: its inside, taken off strRest; else empty.
    virtual CString GetTokenArgs(CGXProperties* pProp, CString& strRest) = 0;
};

// 3: sorting rows and columns and moving data rows and columns.
class CGXAbstractGridSortImp
{
public:
    // Orders the collected records by the keys (the positions before sorting break ties).
    virtual void SortKeyRecords(CGXGridCore* pGrid, CGXSortInfoArray& keys,
                                GXSortRecords& records) = 0;
    virtual void SortRows(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                          UINT nFlags) = 0;
    // order[i] is the row (column), relative to the range's first, that goes to position i.
    virtual BOOL MoveDataRows(CGXGridCore* pGrid, const CGXRange& range, const CDWordArray& order,
                              UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL StoreMoveDataRows(CGXGridCore* pGrid, const CGXRange& range,
                                   const CDWordArray& order) = 0;
    virtual void UpdateMoveDataRows(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                                    BOOL bCreateHint) = 0;
    virtual void GetRowSortKeys(CGXGridCore* pGrid, ROWCOL nRow, const CGXSortInfoArray& keys,
                                CString* pTexts) = 0;
    virtual void SortCols(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                          UINT nFlags) = 0;
    virtual BOOL MoveDataCols(CGXGridCore* pGrid, const CGXRange& range, const CDWordArray& order,
                              UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL StoreMoveDataCols(CGXGridCore* pGrid, const CGXRange& range,
                                   const CDWordArray& order) = 0;
    virtual void UpdateMoveDataCols(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                                    BOOL bCreateHint) = 0;
    virtual void GetColSortKeys(CGXGridCore* pGrid, ROWCOL nCol, const CGXSortInfoArray& keys,
                                CString* pTexts) = 0;
    // A double click on a row or column header sorts by that row or column when the grid
    // parameter allows it; TRUE when it sorted.
    virtual BOOL SortByHeaderClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
};

// 4: an alternate whole paint pass; TRUE means it drew everything.
class CGXAbstractGridOldDrawingImp
{
public:
    virtual BOOL OnGridDraw(CGXGridCore* pGrid, GXPaintPass* pPass) = 0;
};

// 5: covered cells.
class CGXAbstractGridCoveredCellsImp
{
public:
    virtual BOOL SetCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                 ROWCOL nToCol, UINT nFlags, GXCmdType ctCmd) = 0;
    virtual CGXRange* GetCoveredBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                      CGXRange& range) = 0;
    virtual BOOL WriteCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                   ROWCOL nToCol, BOOL bSet) = 0;
    virtual void RefreshCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                     ROWCOL nToCol, UINT nFlags, BOOL bCreateHint) = 0;
    virtual void GrowRangeByCovered(CGXGridCore* pGrid, CGXRange& range) = 0;
    virtual void PrepareRowRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                                   GXCmdType ctCmd) = 0;
    virtual void PrepareColRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                                   GXCmdType ctCmd) = 0;
};

// 6: drawing covered, floating and merged cells as one cell.
class CGXAbstractDrawSpannedCellsImp
{
public:
    // Offered each cell first during painting; TRUE means it drew the cell.
    virtual BOOL DrawSpannedCell(CGXGridCore* pGrid, GXPaintPass* pPass, ROWCOL nRow,
                                 ROWCOL nCol) = 0;
    virtual void EvalVisibleSpannedCells(CGXGridCore* pGrid, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                                         ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                         ROWCOL nLastCol) = 0;
    virtual void WidenRangeBySpans(CGXGridCore* pGrid, CGXRange& range) = 0;
    // After the pass's cells have their styles and flags: the cells of every block take
    // the block's first style, its outer borders and the span flags of GXPaintPass.h.
    virtual void PrepareSpannedCells(CGXGridCore* pGrid, GXPaintPass* pPass) = 0;
    // A cell of the pass flagged as spanned; TRUE when it was handled here.
    virtual BOOL DrawSpannedPassCell(CGXGridCore* pGrid, GXPaintPass* pPass, size_t r,
                                     size_t c) = 0;
};

// 7: floating cells.
class CGXAbstractGridFloatCellsImp
{
public:
    virtual void MarkFloatRangeDirty(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual BOOL ResolveFloatRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bPrinting) = 0;
    virtual CGXRange* GetFloatBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                    CGXRange& range) = 0;
    virtual void RefreshFloatBlocks(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual void InvalidateFloatBlocks(CGXGridCore* pGrid, const CGXRange& range) = 0;
    virtual void GrowRangeByFloat(CGXGridCore* pGrid, CGXRange& range) = 0;
    virtual BOOL QueryFloatRange(CGXGridCore* pGrid, const CGXRange& range, CGXRange& result) = 0;
    // Whether a cell's text may float into its neighbours.
    virtual BOOL CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, BOOL bFloatOrFlood) = 0;
    // 0 off, 1 worked out just before drawing, 2 at every change; a new mode starts with
    // new pools (and, delayed, the whole grid pending).
    virtual void SetFloatMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw) = 0;
};

// 8: merged cells.
class CGXAbstractGridMergeCellsImp
{
public:
    virtual void MarkMergeRangeDirty(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual BOOL ResolveMergeRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bPrinting) = 0;
    virtual CGXRange* GetMergeBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range,
                                    int nDirection) = 0;
    virtual void RefreshMergeBlocks(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual void InvalidateMergeBlocks(CGXGridCore* pGrid, const CGXRange& range) = 0;
    virtual void GrowRangeByMerge(CGXGridCore* pGrid, CGXRange& range) = 0;
    virtual BOOL QueryMergeRange(CGXGridCore* pGrid, const CGXRange& range, CGXRange& result) = 0;
    virtual BOOL CompareMergeValues(CGXGridCore* pGrid, const CGXStyle& style1,
                                    const CGXStyle& style2) = 0;
    // Low two bits 0 off, 1 worked out just before drawing, 2 at every change; 4 no
    // vertical, 8 no horizontal merging. A new mode starts with new pools.
    virtual void SetMergeMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw) = 0;
};

// 9: the command factory (undo and redo). Unlike the other interfaces its first
// operation is a virtual destructor (CGXCommandFactory, freed like the others). The
// creating operations come first, one per command class; each takes the command's fields
// (arrays and objects handed over become the command's) and returns the new command.
class CGXAbstractCommandFactory
{
public:
    virtual ~CGXAbstractCommandFactory() { }
    virtual CGXCommand* MakeBlockCmd(LPCTSTR pszName) = 0;
    virtual CGXCommand* MakeSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights) = 0;
    virtual CGXCommand* MakeHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden) = 0;
    virtual CGXCommand* MakeSetDefaultRowHeightCmd(int nHeight) = 0;
    virtual CGXCommand* MakeSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths) = 0;
    virtual CGXCommand* MakeHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden) = 0;
    virtual CGXCommand* MakeSetDefaultColWidthCmd(int nWidth) = 0;
    virtual CGXCommand* MakeMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual CGXCommand* MakeMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual CGXCommand* MakeRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual CGXCommand* MakeRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual CGXCommand* MakeInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights,
                                          CObArray* pCellStyles, CObArray* pRowStyles,
                                          ROWCOL nColCount) = 0;
    virtual CGXCommand* MakeInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths,
                                          CObArray* pCellStyles, CObArray* pColStyles,
                                          ROWCOL nRowCount) = 0;
    virtual CGXCommand* MakeSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                               ROWCOL nRight) = 0;
    virtual CGXCommand* MakeSetStyleRangeCmd(const CGXRange& range, int nType,
                                             CObArray* pStyles) = 0;
    virtual CGXCommand* MakeSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader) = 0;
    virtual CGXCommand* MakeSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader) = 0;
    virtual CGXCommand* MakeMoveDataRowsCmd(CDWordArray* pOrder, const CGXRange& range) = 0;
    virtual CGXCommand* MakeMoveDataColsCmd(CDWordArray* pOrder, const CGXRange& range) = 0;
    virtual CGXCommand* MakeChangeStylesMapCmd(const CGXStylesMap& stylesMap) = 0;
    virtual CGXCommand* MakeChangePropertiesCmd(const CGXProperties& properties) = 0;
    virtual CGXCommand* MakeChangeBaseStyleCmd(const CGXStyle& style, LPCTSTR pszName,
                                               WORD wStyleId) = 0;
    virtual CGXCommand* MakeMoveCellsCmd(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                         CObject* pMoved) = 0;
    virtual CGXCommand* MakeSetRangeNameCmd(LPCTSTR pszName, BOOL bSet, const CGXRange& range) = 0;
    virtual CGXCommand* MakeDeleteRangeNameCmd(LPCTSTR pszName, const CGXRange& range,
                                               CObject* pUserObject) = 0;
    virtual BOOL SwitchRecording(CGXGridCore* pGrid, BOOL bOn) = 0;
    virtual CObject* TakePendingState(CGXGridCore* pGrid) = 0;
    virtual BOOL RestorePendingState(CGXGridCore* pGrid, CObject* pState, BOOL bSwitchOff,
                                     int nReserved) = 0;
    virtual void DiscardPendingState(CGXGridCore* pGrid) = 0;
    virtual BOOL ExecuteCommand(CGXCommand* pCmd, CGXGridCore* pGrid, GXCmdType ctCmd) = 0;
    virtual void RecordCommand(CGXGridCore* pGrid, CGXCommand* pCmd, GXCmdType ctCmd) = 0;
    virtual void RemoveNewestCommand(CGXGridCore* pGrid, GXCmdType ctCmd) = 0;
    virtual BOOL Undo(CGXGridCore* pGrid) = 0;
    virtual BOOL Redo(CGXGridCore* pGrid) = 0;
    virtual void BeginUndoBlock(CGXGridCore* pGrid, LPCTSTR pszName) = 0;
    virtual void CommitUndoBlock(CGXGridCore* pGrid) = 0;
    virtual void RollbackUndoBlock(CGXGridCore* pGrid) = 0;
    virtual void ShowUndoPosition(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                  BOOL bMakeCurrent) = 0;
    virtual BOOL UpdateUndoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    virtual BOOL UpdateRedoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    // The styles of rows (columns) about to be removed, for the command that puts them back.
    // FALSE: the user cancelled, the removal does not happen.
    virtual BOOL CopyRowStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstRow, ROWCOL nRowCount,
                                   ROWCOL nColCount, CObArray*& pCellStyles, CObArray*& pRowStyles,
                                   CGXLongOperation* pLongOp) = 0;
    virtual BOOL CopyColStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstCol, ROWCOL nRowCount,
                                   ROWCOL nColCount, CObArray*& pCellStyles, CObArray*& pColStyles,
                                   CGXLongOperation* pLongOp) = 0;
};

// 10: the size a cell's content needs.
class CGXAbstractCalcSizeImp
{
public:
    virtual CSize CalcCellSize(CGXGridCore* pGrid, CGXControl* pControl, CDC* pDC, ROWCOL nRow,
                               ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                               BOOL bHeight) = 0;
};

// 11: update hints between the views of one document. One sender per kind of change,
// each with the sending grid first; a caller that returns BOOL ANDs the result in.
class CGXAbstractGridUpdateHintImp
{
public:
    virtual void ReplayHint(CGXGridCore* pGrid, CGXGridHint* pHint) = 0;
    virtual BOOL SendRowCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) = 0;
    virtual BOOL SendColCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) = 0;
    virtual BOOL SendFrozenRowsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                                    UINT nFlags) = 0;
    virtual BOOL SendFrozenColsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                                    UINT nFlags) = 0;
    virtual BOOL SendTopRowHint(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags) = 0;
    virtual BOOL SendLeftColHint(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags) = 0;
    virtual BOOL SendInsertRowsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                    UINT nFlags) = 0;
    virtual BOOL SendInsertColsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                    UINT nFlags) = 0;
    virtual BOOL SendRemoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                                    int nExtra) = 0;
    virtual BOOL SendRemoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                                    int nExtra) = 0;
    virtual BOOL SendMoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                  UINT nFlags) = 0;
    virtual BOOL SendMoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                  UINT nFlags) = 0;
    virtual BOOL SendRowHeightsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                                    int* pOldSizes) = 0;
    virtual BOOL SendColWidthsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                                   int* pOldSizes) = 0;
    virtual BOOL SendZoomHint(CGXGridCore* pGrid, int nZoom) = 0;
    virtual BOOL SendZoomChangedHint(CGXGridCore* pGrid, int nOldZoom, UINT nFlags) = 0;
    virtual BOOL SendRedrawRangeHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual BOOL SendRedrawAllHint(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL SendStyleRangeHint(CGXGridCore* pGrid, const CGXRange& range,
                                    const CGXStyle* pStyle, GXModifyType mt, int nType,
                                    UINT nFlags) = 0;
    virtual BOOL SendStylesMapHint(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL SendPropertiesHint(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL SendBaseStyleHint(CGXGridCore* pGrid, WORD wStyleId, UINT nFlags) = 0;
    virtual BOOL SendStoreCurrentCellHint(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                          UINT nFlags) = 0;
    virtual BOOL SendTabNameHint(CGXGridCore* pGrid, LPCTSTR pszName) = 0;
    virtual BOOL SendScrollHint(CGXGridCore* pGrid, int nDirection, ROWCOL nCount, UINT nFlags) = 0;
    // Rows (columns) of a range were rewritten in a new order (sorting).
    virtual BOOL SendMoveDataRowsHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
    virtual BOOL SendMoveDataColsHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) = 0;
};

// 12: resizing rows and columns to fit their contents.
class CGXAbstractGridResizeToFitImp
{
public:
    virtual BOOL FitRowHeights(CGXGridCore* pGrid, const CGXRange& range, BOOL bRedraw,
                               UINT nFlags) = 0;
    virtual BOOL FitColWidths(CGXGridCore* pGrid, const CGXRange& range, BOOL bRedraw,
                              UINT nFlags) = 0;
};

// 13: hidden rows and columns.
class CGXAbstractGridHideCellsImp
{
public:
    virtual BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates,
                          UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates,
                          UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL QueryRowHidden(CGXGridCore* pGrid, ROWCOL nRow) = 0;
    virtual BOOL QueryColHidden(CGXGridCore* pGrid, ROWCOL nCol) = 0;
    virtual BOOL WriteRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) = 0;
    virtual BOOL WriteColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) = 0;
    virtual void InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
};

// 14: find and replace. Searches run down or up the current cell's column; the record of the
// search is the library's one GXFindReplaceInfo.
class CGXAbstractGridFindReplaceImp
{
public:
    virtual void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) = 0;
    // A notification of the find dialog (pDialog is the CFindReplaceDialog).
    virtual void OnFindReplace(CGXGridCore* pGrid, CWnd* pDialog) = 0;
    // Find next with the last search; bNext: make the cell found current.
    virtual BOOL FindText(CGXGridCore* pGrid, BOOL bNext) = 0;
    virtual BOOL Find(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase) = 0;
    // The cells after nRow (before it when searching up) in column nCol; nRow is the row found.
    virtual BOOL FindInCells(CGXGridCore* pGrid, GXFindReplaceInfo& info, ROWCOL& nRow, ROWCOL nCol,
                             BOOL bSelect) = 0;
    virtual BOOL Replace(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase,
                         LPCTSTR pszReplace) = 0;
    virtual BOOL ReplaceAll(CGXGridCore* pGrid, LPCTSTR pszFind, LPCTSTR pszReplace,
                            BOOL bCase) = 0;
    virtual void OnReplaceSel(CGXGridCore* pGrid, GXFindReplaceInfo& info) = 0;
    virtual void OnReplaceAll(CGXGridCore* pGrid, GXFindReplaceInfo& info) = 0;
    virtual BOOL OnEditRepeat(CGXGridCore* pGrid) = 0;
    virtual BOOL FindInCell(CGXControl* pControl, GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol,
                            BOOL bContinue, BOOL bSelect) = 0;
    virtual BOOL ReplaceAllInCell(CGXControl* pControl, GXFindReplaceInfo& info, ROWCOL nRow,
                                  ROWCOL nCol) = 0;
};

// 15: range selection by the user.
class CGXAbstractGridUserSelectRangeImp
{
public:
    virtual BOOL BeginSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                             ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL ExtendSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags, ROWCOL nRow,
                              ROWCOL nCol) = 0;
    virtual BOOL EndSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual BOOL MoveCurrentCellEx(CGXGridCore* pGrid, int nDirection, UINT nCell) = 0;
    virtual BOOL OnLButtonClickedRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags,
                                        CPoint point) = 0;
    virtual void SetSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                              ROWCOL nBottom, ROWCOL nRight) = 0;
};

// 16: the spreadsheet-like selection frame.
class CGXAbstractGridExcelLikeFrameImp
{
public:
    virtual void DrawSelectionFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bDrawOld,
                                    const CGXRange* pRange) = 0;
    virtual void UpdateSelectionFrame(CGXGridCore* pGrid, BOOL bDraw, const CGXRange* pRange) = 0;
    virtual BOOL LockSelectionFrame(CGXGridCore* pGrid, BOOL bLock, BOOL bCreateHint) = 0;
};

// 17: the spreadsheet-like fill handle. Holds data of its own; installed through
// CGXGridCore::SetExcelLikeFillImp.
class CGXAbstractGridExcelLikeFillImp
{
public:
    virtual ~CGXAbstractGridExcelLikeFillImp() { }
    virtual BOOL FillPress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                           ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL FillMove(CGXGridCore* pGrid, CPoint point, UINT nFlags, ROWCOL nRow,
                          ROWCOL nCol) = 0;
    virtual BOOL FillRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual void HideFillHandle(CGXGridCore* pGrid) = 0;
    // The fill itself (CGXGridCore::FillRange) and the selection of what it filled.
    virtual BOOL FillRange(CGXGridCore* pGrid, const CGXRange& source, const CGXRange& target) = 0;
    virtual BOOL SelectFilledRange(CGXGridCore* pGrid, const CGXRange& range) = 0;
};

// 18: dragging selected rows and columns.
class CGXAbstractGridUserDragSelectRangeImp
{
public:
    virtual BOOL DragPress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                           ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL DragMove(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual BOOL DragRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual BOOL FindDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range) = 0;
    virtual BOOL DrawDragFeedback(CGXGridCore* pGrid, CDC* pDC, const CGXRange& range,
                                  ROWCOL nDest) = 0;
    virtual BOOL HitTestDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual void CancelDragSelect(CGXGridCore* pGrid) = 0;
};

// 19: moving rows and columns.
class CGXAbstractGridMoveRowsColsImp
{
public:
    virtual BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          GXCmdType ctCmd) = 0;
    virtual BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          GXCmdType ctCmd) = 0;
    virtual BOOL WriteRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual BOOL WriteColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual void RefreshRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                UINT nFlags, BOOL bCreateHint) = 0;
    virtual void RefreshColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                UINT nFlags, BOOL bCreateHint) = 0;
};

// 20: resizing rows and columns with the mouse.
class CGXAbstractGridUserResizeCellsImp
{
public:
    virtual BOOL ResizeHover(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual BOOL ResizePress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                             ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL ResizeRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
    virtual BOOL ResizeDblClk(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                              ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL ApplyUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode) = 0;
    virtual void DrawResizeLine(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode,
                                int nSize) = 0;
    virtual void FinishUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode,
                                  int nSize) = 0;
    virtual void CancelUserResize(CGXGridCore* pGrid) = 0;
};

// 21: the smart redraw after structure and size changes.
class CGXAbstractGridOptimizedUpdateImp
{
public:
    virtual void RedrawInsertedRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                    UINT nFlags) = 0;
    virtual void RedrawInsertedCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount,
                                    UINT nFlags) = 0;
    virtual void RedrawRemovedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                                   UINT nFlags) = 0;
    virtual void RedrawRemovedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                                   UINT nFlags) = 0;
    virtual void RedrawResizedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                                   UINT nFlags) = 0;
    virtual void RedrawResizedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                                   UINT nFlags) = 0;
};

// 22: marking the headers of the edited cell.
class CGXAbstractGridMarkEditHeaderImp
{
public:
    virtual void MarkEditHeader(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMark) = 0;
    virtual BOOL IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                const CGXStyle& style) = 0;
};

// 23: the freeze-rows and freeze-columns menu commands.
class CGXAbstractGridFreezeMenuHelperImp
{
public:
    virtual BOOL CanFreezeRows(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeRows(CGXGridCore* pGrid) = 0;
    virtual void FreezeRows(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeRows(CGXGridCore* pGrid) = 0;
    virtual BOOL CanFreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual void FreezeCols(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeCols(CGXGridCore* pGrid) = 0;
};

// 24: direct copy and move of cells inside the grid.
class CGXAbstractGridDirectCopyMoveCellsImp
{
public:
    virtual BOOL CopyCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                           UINT nFlags) = 0;
    virtual BOOL WriteCopyCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow,
                                ROWCOL nCol) = 0;
    virtual BOOL MoveCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                           CObject* pUndoInfo, UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL WriteMoveCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                                CObject*& pUndoInfo, BOOL bCreateUndoInfo) = 0;
};

// 25: text data exchange (tab-separated rows).
class CGXAbstractGridTextDataExchangeImp
{
public:
    virtual BOOL ExportText(CGXGridCore* pGrid, CFile* pFile, const CGXRangeList& ranges,
                            BOOL bWithHeaders) = 0;
    virtual BOOL GetRangeText(CGXGridCore* pGrid, CString& strText, const CGXRange& range) = 0;
    virtual BOOL ImportText(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize, ROWCOL nRow,
                            ROWCOL nCol, UINT nFlags) = 0;
    virtual BOOL PutCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText,
                             UINT nFlags) = 0;
    virtual BOOL MeasureTextBlock(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize, ROWCOL& nRows,
                                  ROWCOL& nCols) = 0;
};

// 26: style data exchange (the private clipboard format).
class CGXAbstractGridStyleDataExchangeImp
{
public:
    virtual BOOL ExportStyles(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& ranges) = 0;
    virtual BOOL GetExportStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                                BOOL bComposed) = 0;
    // Pastes into the target from its top-left; a block of another size than the target is
    // pasted only bWithoutAsking or when the user agrees.
    virtual BOOL ImportStyles(CGXGridCore* pGrid, CArchive& ar, const CGXRange& target,
                              BOOL bWithoutAsking) = 0;
};

// 27: cut, copy and paste through the clipboard.
class CGXAbstractGridCutPasteImp
{
public:
    virtual BOOL CanCopy(CGXGridCore* pGrid) = 0;
    virtual BOOL Copy(CGXGridCore* pGrid) = 0;
    virtual BOOL CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) = 0;
    virtual BOOL CanCut(CGXGridCore* pGrid) = 0;
    virtual BOOL Cut(CGXGridCore* pGrid) = 0;
    virtual BOOL CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges,
                                      UINT nFlags) = 0;
    virtual BOOL CanPaste(CGXGridCore* pGrid) = 0;
    virtual BOOL HasPasteableFormat(CGXGridCore* pGrid) = 0;
    virtual BOOL Paste(CGXGridCore* pGrid) = 0;
    virtual BOOL PasteStylesFromClipboard(CGXGridCore* pGrid, const CGXRange& target) = 0;
    virtual BOOL PasteTextFromClipboard(CGXGridCore* pGrid, const CGXRange& range) = 0;
    virtual BOOL ConfirmPaste(CGXGridCore* pGrid) = 0;
    virtual BOOL PutTextOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) = 0;
    virtual BOOL PutStylesOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) = 0;
};

// 28: clearing cells.
class CGXAbstractGridClearCellsImp
{
public:
    virtual BOOL CanClear(CGXGridCore* pGrid) = 0;
    virtual BOOL Clear(CGXGridCore* pGrid, BOOL bStyleOrValue) = 0;
    virtual BOOL ClearRanges(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyleOrValue,
                             UINT nFlags) = 0;
};

// 29: range names. No object of the library implements it; a derived grid may.
class CGXAbstractGridRangeNameImp
{
public:
    virtual BOOL SetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, const CGXRange* pRange,
                              CObject* pUserObject, UINT nFlags, GXCmdType ctCmd) = 0;
    virtual BOOL GetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, CGXRange& range) = 0;
    virtual BOOL DeleteRangeName(CGXGridCore* pGrid, LPCTSTR pszName, UINT nFlags,
                                 GXCmdType ctCmd) = 0;
};

// 30: reserved; no object of the library fills it. The core offers it each paint pass and
// each scroll by cells before anything is drawn or moved.
class CGXAbstractGridReserved30Imp
{
public:
    virtual void OnGridAccess(CGXGridCore* pGrid) = 0;
};

// 31: reserved; presses on the selection frame. The grid deletes an object found here.
class CGXAbstractGridReserved31Imp
{
public:
    virtual ~CGXAbstractGridReserved31Imp() { }
    virtual BOOL TakeFramePress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState,
                                ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL ReleaseFramePress(CGXGridCore* pGrid, CPoint point, UINT nFlags) = 0;
};
