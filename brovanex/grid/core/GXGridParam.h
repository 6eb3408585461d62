// CGXGridParam: what several views of one grid share: selection, covered cells, undo and
// redo lists, row heights and column widths, enable flags, and the properties, styles
// map, data object and print device (each owned or borrowed).
#pragma once
#include "core/GXDefs.h"
#include "core/GXCollections.h"
#include "core/GXRange.h"

#include <map>
#include <memory>

class CGXGridLibraryState;
class CGXProperties;
class CGXStylesMap;
class CGXData;
class CGXPrintDevice;
class CGXStyle;

// Cell attributes of the tabbed combo cells that their shared look-up tables are built from
// (51028 to 51033: key and display columns, column layout, title line, sort column) and the
// list-cache id that names the shared table (51055).
const WORD GX_IDS_UA_LISTCACHE_FIRST = 51028;
const WORD GX_IDS_UA_LISTCACHE_LAST = 51033;
const WORD GX_IDS_UA_LISTCACHE_ID = 51055;

// The places of the display pools in CGXGridParam::m_apPools.
enum GXPoolIndex {
    gxPoolFloatDelayed = 0, // floating cells: ranges waiting to be evaluated
    gxPoolFloatSpans = 1, // floating cells: their spans (display)
    gxPoolPrintSpans = 2, // spans while printing
    gxPoolMergeDelayed = 3, // merged cells: ranges waiting to be evaluated
    gxPoolMergeSpansH = 4, // merged cells: horizontal spans
    gxPoolMergeSpansV = 5, // merged cells: vertical spans
    gxPoolPrintDelayed = 6 // ranges waiting to be evaluated while printing
};

class CGXGridParam : public CObject
{
    DECLARE_SERIAL(CGXGridParam)
public:
    CGXGridParam();
    CGXGridParam(const CGXGridParam&) = delete;
    ~CGXGridParam() override;
    virtual CGXGridParam& operator=(const CGXGridParam& other);
    void Serialize(CArchive& ar) override;

    // Each first deletes an owned object it held.
    void AttachProperties(CGXProperties* p, BOOL bMustDelete);
    void AttachStylesMap(CGXStylesMap* p, BOOL bMustDelete);
    void AttachData(CGXData* p, BOOL bMustDelete);
    void AttachPrintDevice(CGXPrintDevice* p, BOOL bMustDelete);
    // Names as other callers know them.
    void SetProperties(CGXProperties* p, BOOL b = TRUE) { AttachProperties(p, b); }
    void SetStylesMap(CGXStylesMap* p, BOOL b = TRUE) { AttachStylesMap(p, b); }
    void SetData(CGXData* p, BOOL b = TRUE) { AttachData(p, b); }
    void SetPrintDevice(CGXPrintDevice* p, BOOL b = TRUE) { AttachPrintDevice(p, b); }
    CGXProperties* GetProperties() const { return m_pProperties; }
    CGXStylesMap* GetStylesMap() const { return m_pStylesMap; }
    CGXData* GetData() const { return m_pData; }
    CGXPrintDevice* GetPrintDevice() const { return m_pPD; }

    void SetSelectionFlags(WORD w) { m_wAllowSelection = w; }
    void EnableSelection(WORD w) { m_wAllowSelection = w; }
    BOOL TestSelectionFlags(WORD wMask) const { return (m_wAllowSelection & wMask) != 0; }
    void AllowColMoves(BOOL b) { m_bAllowMoveCols = b; }
    void AllowRowMoves(BOOL b) { m_bAllowMoveRows = b; }
    void EnableMoveCols(BOOL b) { m_bAllowMoveCols = b; }
    void EnableMoveRows(BOOL b) { m_bAllowMoveRows = b; }
    BOOL ColMovesAllowed() const { return m_bAllowMoveCols; }
    BOOL RowMovesAllowed() const { return m_bAllowMoveRows; }
    void SetRowResizeFlags(WORD w) { m_wRowResizeFlags = w; }
    void SetColResizeFlags(WORD w) { m_wColResizeFlags = w; }
    void EnableTrackRowHeight(WORD w) { m_wRowResizeFlags = w; }
    void EnableTrackColWidth(WORD w) { m_wColResizeFlags = w; }
    BOOL TestRowResizeFlags(WORD wMask) const { return (m_wRowResizeFlags & wMask) != 0; }
    BOOL TestColResizeFlags(WORD wMask) const { return (m_wColResizeFlags & wMask) != 0; }
    WORD IsEnableTrackRowHeight() const { return m_wRowResizeFlags; }
    WORD IsEnableTrackColWidth() const { return m_wColResizeFlags; }
    void SetWholeRowMode(WORD w) { m_wWholeRowMode = w; }
    void SetRowSelectionMode(WORD w) { m_wWholeRowMode = w; }
    BOOL TestWholeRowMode(WORD wMask) const { return (m_wWholeRowMode & wMask) != 0; }

    CObList& UndoCommands() { return m_undoList; }
    CObList& RedoCommands() { return m_redoList; }
    void ClearRedoCommands();
    void EmptyRedoList() { ClearRedoCommands(); }

    void CreateCoveredCellPool();
    void UpdateCoveredCellPool();

    // Look-up tables that the tabbed combo cells with one list-cache id (above 0) share: the
    // key column's text to the whole row, and the display column's text to the whole row.
    // Each is built on first use from the cells' choice list (the title line passed over;
    // the first of rows with equal texts wins). They are never stored or copied.
    CMapStringToString* GetListKeyMap(int nCacheId) const;
    CMapStringToString* GetListDisplayMap(int nCacheId) const;
    // The table of an id, built now when there is none; null for an id of 0 or less.
    CMapStringToString* ListKeyMap(int nCacheId, LPCTSTR pszChoices, int nKeyCol, BOOL bTitleLine);
    CMapStringToString* ListDisplayMap(int nCacheId, LPCTSTR pszChoices, int nDisplayCol,
                                       BOOL bTitleLine);
    // The whole row whose key column equals the value, from the key table of the id.
    BOOL FindListRowByKey(int nCacheId, LPCTSTR pszChoices, int nKeyCol, BOOL bTitleLine,
                          LPCTSTR pszValue, CString& strRow);
    // The whole row whose display column shows the text, from the display table of the id.
    // With bPrefix a text the table lacks picks the first row whose display text begins with
    // it, ignoring case, and the table keeps that row under the text for the next look-up.
    BOOL FindListRowByText(int nCacheId, LPCTSTR pszChoices, int nDisplayCol, BOOL bTitleLine,
                           LPCTSTR pszText, BOOL bPrefix, CString& strRow);
    // Frees both tables of an id (-1: of every id; 0: none) and raises the list-cache
    // generation, so that lists filled from them refill.
    void FreeListCache(int nCacheId);
    LONG GetListCacheGeneration() const { return m_nListCacheGeneration; }
    // TRUE when the style carries a choice list or one of the attributes above: storing it
    // changes what a shared table holds.
    static BOOL ChangesListCache(const CGXStyle& style);
    // The style's list-cache id (0: none).
    static int ListCacheId(const CGXStyle& style);

    CGXGridLibraryState* m_pAppData;
    DWORD m_nMaxUndoOp; // 512
    DWORD m_nTransactionLevel; // 0
    WORD m_wAllowSelection; // 0xFF
    BOOL m_bAllowMoveCols, m_bAllowMoveRows;
    WORD m_wRowResizeFlags, m_wColResizeFlags; // 178 each
    WORD m_wWholeRowMode;
    BOOL m_bThumbTrack;
    BOOL m_bUndoEnabled;
    BOOL m_bLockUpdate;
    BOOL m_bStoreGuard; // read-only protection of programmatic changes
    WORD m_wFloatCellsMode, m_wMergeCellsMode;
    CString m_strName;
    CGXRangeList m_selRects;
    CGXRangeList m_coveredCells;
    CObject* m_pCoveredCellPool;
    CObject* m_apPools[7]; // span, float, merge and delayed-range pools (GXPoolIndex)
    CGXProperties* m_pProperties;
    BOOL m_bOwnProperties;
    CGXStylesMap* m_pStylesMap;
    BOOL m_bOwnStylesMap;
    CGXData* m_pData;
    BOOL m_bOwnData;
    CGXPrintDevice* m_pPD;
    BOOL m_bOwnPD;
    CObList m_undoList, m_redoList;
    CGXMapDWordToLong m_rowHeights, m_colWidths;
    LONG m_nDefaultRowHeight, m_nDefaultColWidth;
    ROWCOL m_nFrozenRows, m_nFrozenCols, m_nHeaderRows, m_nHeaderCols;
    CGXRangeList m_rangeList1, m_rangeList2;
    CPtrArray m_apObjects1, m_apObjects2; // owned CObjects
    BYTE m_byFromState;
    WORD m_wFromState;
    LONG m_nValue1, m_nValue2; // -1, -1

    // Further flags and counts whose readers are the core, feature and command code.
    BOOL m_bReadOnly2, m_bDirectCopy, m_bDirectMove, m_bCutPending, m_bDirectPaste;
    BOOL m_bEnableFill, m_bFrameInsideBorders, m_bSelectionFrame, m_bKeepSingleCell;
    BOOL m_bSortRowsOnDblClk, m_bSortColsOnDblClk, m_bLastSortAscending;
    BOOL m_bNumberedColHeaders, m_bNumberedRowHeaders, m_bLineFlag, m_bShowStoredValues;
    BOOL m_bSpannedCellBorders, m_bOldDrawing;
    WORD m_wUndoSaveFlags; // 3
    WORD m_wMarkHeaders; // 3
    WORD m_wWordFlag; // 1
    DWORD m_dwOptionWord; // bit of value 2: cells draw their stored value text
    LONG m_nTwo, m_nHundred, m_nFour;
    LONG m_nMinTrackWidth, m_nMinTrackHeight;
    ROWCOL m_nLastSortRowKey, m_nLastSortColKey;
    CDWordArray m_awHiddenRows, m_awHiddenCols;
    // Rows (columns) frozen from the selection: where the block went, its length and where
    // it came from, for unfreezing.
    ROWCOL m_nFreezeRowStart = 0, m_nFreezeRowLength = 0, m_nFreezeRowFirst = 0;
    ROWCOL m_nFreezeColStart = 0, m_nFreezeColLength = 0, m_nFreezeColFirst = 0;

    // How the current cell's control is activated: 1 a click in its text, 2 a click on
    // the cell, 4 at once when the cell becomes current, 8 a double click.
    WORD m_wActivateCell; // 1
    BOOL m_bNoCurrentCellFrame; // no current-cell frame at all
    // 0 the current cell shows; 1 it is hidden; 2 it shows only while the grid has focus.
    WORD m_nHideCurrentCell; // 0
    // Non-zero: clipboard commands and Delete work on whole cells, not on a cell's text.
    WORD m_wClipboardFlags; // 1

    // Keys of the current cell.
    int m_nEnterKeyAction = 0; // Enter also moves the cell: a StepCurrentCell direction, 0 none
    BOOL m_bRangeMarking = FALSE; // range marking without Shift is on (Esc turns it off)
    BOOL m_bKeepSelection = FALSE; // Esc keeps the selection
    // A grown window repaints only the strips its new size shows (the rest stays valid).
    BOOL m_bSmartResize = TRUE;
    // Screen drawing measures text on the print device's printer (its DC becomes the
    // screen DC's attribute DC, mapped so that one unit is one display pixel) and the zoom
    // is 100%.
    BOOL m_bPrinterMetrics = FALSE;
    // A grid view takes the mouse's activation and shows its cursors only as its frame's
    // active view (a click from another frame or window moves the focus into the grid first).
    BOOL m_bActiveViewOnly = FALSE;
    // Three more settings (all TRUE at first) that documents carry for the core.
    BOOL m_abKeptSettings[3];

    // The shared look-up tables by list-cache id (see ListKeyMap) and their generation.
    std::map<int, std::unique_ptr<CMapStringToString>> m_listKeyMaps, m_listDisplayMaps;
    LONG m_nListCacheGeneration = 0;
};
