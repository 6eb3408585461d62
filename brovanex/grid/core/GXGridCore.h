// CGXGridCore: the grid engine. It is bound to one window (a CGXGridWnd or a grid view,
// which embed it as their second base) and, through a CGXGridParam, to the grid's data,
// styles and properties. Optional behaviour lives in feature objects reached through the
// feature table (features/GXFeatureSlots.h); an empty slot means the feature is off and
// its forwarder answers 0.
//
// The definitions are split by concern: GXGridCore.cpp (life cycle, initialisation),
// GXGridCoreStyles.cpp (style access, controls, selection), GXGridCoreCaches.cpp (GDI
// objects and the style caches), GXGridCorePaint*.cpp (painting and invalidation),
// GXGridCoreSizes.cpp and GXGridCoreCoords.cpp (sizes, coordinates, hit tests),
// GXGridCoreStructure*.cpp (rows and columns), GXGridCoreForwarders*.cpp (features),
// GXGridCoreCell.cpp (current cell), GXGridCoreScroll.cpp (scrolling) and
// GXGridCoreEvents.cpp (window messages).
#pragma once
#include "core/GXDefs.h"
#include "core/GXPaintPass.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXAbstractGridFeatures.h"
#include "features/GXFeatureSlots.h"
#include "fw/win.h"
// After the framework: its window types come first.
#include "core/GXGridListener.h"
#include <unordered_map>
#include <vector>

class CGXGridLibraryState;
class CGXGridParam;
class CGXStylesMap;
class CGXProperties;
class CGXData;
class CGXControl;
class CGXPluginComponent;
class CGXCommandFactory;
class CGXLongOperation;
class CGXSortInfoArray;
struct CGXSortKeyInfo;
struct GXSortRecords;
class CScrollBar;
class CClientDC;
class CFont;
class CBrush;
class CPen;

// Scroll-bar modes (SetScrollBarPolicy): which bars a grid shows and when.
#define GX_SBMODE_NONE 0
#define GX_SBMODE_ALWAYS 1
#define GX_SBMODE_AUTO 2
#define GX_SBMODE_RANGEONLY 4
#define GX_SBMODE_LASTUSEFUL 8

// Flags of MakeCellCurrent beyond the update flags (GX_INVALIDATE, GX_UPDATENOW, GX_SMART).
#define GX_SCROLLINVIEW 0x08 // scroll the new cell into view
#define GX_ACTIVATE 0x10 // activate the new cell's control
#define GX_NOSETFOCUS 0x20 // leave the focus where it is
#define GX_NOHINT 0x40 // send no update hint
#define GX_NOSELECTION 0x80 // the selection does not follow the cell
#define GX_STOREONLY 0x100 // store the active cell in place (SyncCurrentCell)

// Clipboard flags (m_nClipboardFlags): what Copy, Cut and Paste exchange and how.
#define GX_CLIP_COLHEADERS 0x01 // copy header rows; paste may start in row-header columns
#define GX_CLIP_ROWHEADERS 0x02 // copy header columns; paste may start in column-header rows
#define GX_CLIP_TEXT 0x08 // plain text (CF_TEXT; a paste also reads CF_OEMTEXT)
#define GX_CLIP_STYLES 0x10 // the library's style format; a cut clears whole styles
#define GX_CLIP_ASKSIZE 0x100 // pasting styles into a range of another size asks first
#define GX_CLIP_NOADDROWS 0x200 // a paste never adds rows
#define GX_CLIP_NOADDCOLS 0x400 // a paste never adds columns
#define GX_CLIP_STORETYPE 0x800 // copied styles are read with the grid's store type
#define GX_CLIP_ESCAPES 0x1000 // CR, LF and TAB in cell text travel as "\r", "\n", "\t"

// Hit codes of HitTestPoint.
enum GXHitCode {
    gxHitNothing = 0,
    gxHitColEdge = 1,
    gxHitRowEdge = 2,
    gxHitCell = 3,
    gxHitHeader = 4,
    gxHitFrame = 5,
    gxHitFillHandle = 6,
    gxHitHiddenColEdge = 7,
    gxHitHiddenRowEdge = 8
};

class CGXGridCore
{
public:
    CGXGridCore(CWnd* pGridWnd = nullptr, CDocument* pGridDoc = nullptr, BOOL bViewContext = FALSE);
    virtual ~CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;

    // --- Life cycle, document, initialisation (GXGridCore.cpp) ---
    virtual void SetPrintMode(BOOL bPrint, BOOL bClientRect = FALSE);
    virtual void MarkDocumentModified(BOOL bModified = TRUE);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void NotifyAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    virtual void InitializeGrid();
    // Activation and deactivation of the grid (focus, view activation): the current cell's
    // control is activated or its editing ended. FALSE when the grid is not initialised or
    // the active control may not be left (its value is kept and it stays active).
    virtual BOOL HandleActivation(BOOL bActivate);
    virtual void DispatchUpdateHint(CGXGridHint* pHint);
    void AttachParam(CGXGridParam* pParam, BOOL bMustDelete);
    BOOL IsInGridParentWindow() const;
    // The parent window when it is one of the library's frames of grids (a tab window).
    CWnd* GetGridParentWindow() const;
    CWnd* GetGridWnd() const { return m_pWindow; }
    CGXGridParam* GetParam() const { return m_pGridParam; }
    CGXProperties* GetProperties() const;
    CGXStylesMap* GetStylesMap() const;
    CGXData* GetData() const;
    BOOL IsInitialized() const { return m_bInitialized; }
    BOOL IsPrinting() const { return m_bPrinting; }
    // Objects this grid frees when destroyed, newest first; each is deleted through its
    // own type, so its destructor runs once.
    template<class T>
    void AddToDeleteList(T* p)
    {
        AddOwnedObject(p, [](void* q) { delete static_cast<T*>(q); });
    }
    void AddOwnedObject(void* p, void (*pfnDelete)(void*));
    BOOL IsOnDeleteList(const void* p) const;
    // Plug-ins are attached to the grid window at initialisation and deleted with the grid
    // (never also through the delete list).
    void AddPlugin(CGXPluginComponent* pPlugin);
    // The feature table.
    void* GetFeature(int nSlot) const
    {
        return nSlot >= 0 && nSlot < gxFeatureSlotCount ? m_apFeatures[nSlot] : nullptr;
    }
    // Stores a feature object; with bAutoDelete it also goes on the delete list (through
    // AddToDeleteList, by its own type, before calling this).
    void SetFeature(int nSlot, void* pImp);
    void SetExcelLikeFillImp(CGXAbstractGridExcelLikeFillImp* pImp, BOOL bAutoDelete);
    CGXAbstractGridPrintImp* PrintImp() const { return Feat<CGXAbstractGridPrintImp>(gxSlotPrint); }
    CGXAbstractGridSortImp* SortImp() const { return Feat<CGXAbstractGridSortImp>(gxSlotSort); }
    CGXAbstractGridOldDrawingImp* OldDrawingImp() const
    {
        return Feat<CGXAbstractGridOldDrawingImp>(gxSlotOldDrawing);
    }
    CGXAbstractGridCoveredCellsImp* CoveredCellsImp() const
    {
        return Feat<CGXAbstractGridCoveredCellsImp>(gxSlotCoveredCells);
    }
    CGXAbstractDrawSpannedCellsImp* DrawSpannedCellsImp() const
    {
        return Feat<CGXAbstractDrawSpannedCellsImp>(gxSlotDrawSpannedCells);
    }
    CGXAbstractGridFloatCellsImp* FloatCellsImp() const
    {
        return Feat<CGXAbstractGridFloatCellsImp>(gxSlotFloatCells);
    }
    CGXAbstractGridMergeCellsImp* MergeCellsImp() const
    {
        return Feat<CGXAbstractGridMergeCellsImp>(gxSlotMergeCells);
    }
    CGXAbstractCommandFactory* CommandFactory() const
    {
        return Feat<CGXAbstractCommandFactory>(gxSlotCommandFactory);
    }
    CGXAbstractCalcSizeImp* CalcSizeImp() const
    {
        return Feat<CGXAbstractCalcSizeImp>(gxSlotCalcSize);
    }
    CGXAbstractGridUpdateHintImp* UpdateHintImp() const
    {
        return Feat<CGXAbstractGridUpdateHintImp>(gxSlotUpdateHint);
    }
    CGXAbstractGridResizeToFitImp* ResizeToFitImp() const
    {
        return Feat<CGXAbstractGridResizeToFitImp>(gxSlotResizeToFit);
    }
    CGXAbstractGridHideCellsImp* HideCellsImp() const
    {
        return Feat<CGXAbstractGridHideCellsImp>(gxSlotHideCells);
    }
    CGXAbstractGridFindReplaceImp* FindReplaceImp() const
    {
        return Feat<CGXAbstractGridFindReplaceImp>(gxSlotFindReplace);
    }
    CGXAbstractGridUserSelectRangeImp* UserSelectRangeImp() const
    {
        return Feat<CGXAbstractGridUserSelectRangeImp>(gxSlotUserSelectRange);
    }
    CGXAbstractGridExcelLikeFrameImp* ExcelLikeFrameImp() const
    {
        return Feat<CGXAbstractGridExcelLikeFrameImp>(gxSlotExcelLikeFrame);
    }
    CGXAbstractGridExcelLikeFillImp* ExcelLikeFillImp() const
    {
        return Feat<CGXAbstractGridExcelLikeFillImp>(gxSlotExcelLikeFill);
    }
    CGXAbstractGridUserDragSelectRangeImp* UserDragSelectRangeImp() const
    {
        return Feat<CGXAbstractGridUserDragSelectRangeImp>(gxSlotUserDragSelectRange);
    }
    CGXAbstractGridMoveRowsColsImp* MoveRowsColsImp() const
    {
        return Feat<CGXAbstractGridMoveRowsColsImp>(gxSlotMoveRowsCols);
    }
    CGXAbstractGridUserResizeCellsImp* UserResizeCellsImp() const
    {
        return Feat<CGXAbstractGridUserResizeCellsImp>(gxSlotUserResizeCells);
    }
    CGXAbstractGridOptimizedUpdateImp* OptimizedUpdateImp() const
    {
        return Feat<CGXAbstractGridOptimizedUpdateImp>(gxSlotOptimizedUpdate);
    }
    CGXAbstractGridMarkEditHeaderImp* MarkEditHeaderImp() const
    {
        return Feat<CGXAbstractGridMarkEditHeaderImp>(gxSlotMarkEditHeader);
    }
    CGXAbstractGridFreezeMenuHelperImp* FreezeMenuHelperImp() const
    {
        return Feat<CGXAbstractGridFreezeMenuHelperImp>(gxSlotFreezeMenuHelper);
    }
    CGXAbstractGridDirectCopyMoveCellsImp* DirectCopyMoveCellsImp() const
    {
        return Feat<CGXAbstractGridDirectCopyMoveCellsImp>(gxSlotDirectCopyMoveCells);
    }
    CGXAbstractGridTextDataExchangeImp* TextDataExchangeImp() const
    {
        return Feat<CGXAbstractGridTextDataExchangeImp>(gxSlotTextDataExchange);
    }
    CGXAbstractGridStyleDataExchangeImp* StyleDataExchangeImp() const
    {
        return Feat<CGXAbstractGridStyleDataExchangeImp>(gxSlotStyleDataExchange);
    }
    CGXAbstractGridCutPasteImp* CutPasteImp() const
    {
        return Feat<CGXAbstractGridCutPasteImp>(gxSlotCutPaste);
    }
    CGXAbstractGridClearCellsImp* ClearCellsImp() const
    {
        return Feat<CGXAbstractGridClearCellsImp>(gxSlotClearCells);
    }
    CGXAbstractGridRangeNameImp* RangeNameImp() const
    {
        return Feat<CGXAbstractGridRangeNameImp>(gxSlotRangeName);
    }
    CGXAbstractGridReserved30Imp* Reserved30Imp() const
    {
        return Feat<CGXAbstractGridReserved30Imp>(gxSlotReserved30);
    }
    CGXAbstractGridReserved31Imp* Reserved31Imp() const
    {
        return Feat<CGXAbstractGridReserved31Imp>(gxSlotReserved31);
    }

    // --- Style access (GXGridCoreStyles.cpp) ---
    virtual BOOL ApplyStyleToRange(const CGXRange& range, const CGXStyle* pStyle,
                                   GXModifyType mt = gxOverride, int nType = 0,
                                   const CObArray* pStyles = nullptr, UINT flags = GX_INVALIDATE,
                                   GXCmdType ctCmd = gxDo);
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                                int nType = 0);
    virtual CObArray* CollectRangeStyles(const CGXRange& range, int nType,
                                         CGXLongOperation* pLongOp);
    virtual const CGXStyle& GetCachedCellStyle(ROWCOL nRow, ROWCOL nCol);
    virtual void ComposeCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle,
                                  BOOL bApplyStandard = TRUE);
    virtual BOOL StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                GXModifyType mt = gxOverride, int nType = 0);
    virtual void UpdateStyleRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt,
                                  int nType, UINT flags, BOOL bCreateHint);
    virtual CGXStyle* TakeStyleObject();
    virtual void ReturnStyleObject(CGXStyle* pStyle);
    virtual BOOL ChangeStylesMap(const CGXStylesMap& stylesMap, UINT flags = GX_INVALIDATE,
                                 GXCmdType ctCmd = gxDo);
    virtual void UpdateStylesMap(UINT flags, BOOL bCreateHint);
    virtual BOOL ChangeProperties(const CGXProperties& properties, UINT flags = GX_INVALIDATE,
                                  GXCmdType ctCmd = gxDo);
    virtual void UpdateProperties(UINT flags, BOOL bCreateHint);
    virtual BOOL ChangeBaseStyle(WORD wStyleId, const CGXStyle& style, GXModifyType mt = gxOverride,
                                 UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual void UpdateBaseStyle(WORD wStyleId, UINT flags, BOOL bCreateHint);
    const CString& GetCellValueText(ROWCOL nRow, ROWCOL nCol);
    const CString& GetStoredCellValueText(ROWCOL nRow, ROWCOL nCol);
    BOOL SetCellText(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags = GX_INVALIDATE,
                     const CGXStyle* pStyle = nullptr);
    // The value of every cell of a range (through the scratch style and ApplyStyleToRange).
    BOOL SetCellValue(const CGXRange& range, LPCTSTR pszValue, UINT flags = GX_INVALIDATE,
                      GXCmdType ctCmd = gxDo);
    const CGXStyle& GetStandardStyle();
    const CGXStyle& FindBaseStyle(WORD nId);
    void RefreshBaseStylePointers();
    // The generated text of a column header: 1 "A", 26 "Z", 27 "AA".
    static CString ColumnLetters(ROWCOL nCol);

    // --- Control registry (GXGridCoreStyles.cpp) ---
    virtual CGXControl* LookupControl(WORD nID);
    void AddCellControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE,
                        BOOL bRegisterInStylesMap = FALSE);
    CGXControl* GetDefaultControl() const { return m_pDefaultControl; }

    // --- Selection access (GXGridCoreSelection.cpp) ---
    BOOL CopyRangeList(CGXRangeList& list, BOOL bAddCurrentCell);
    ROWCOL GetSelectedRows(CDWordArray& rows, BOOL bRangeRowsOnly, BOOL bAddCurrentRow);
    virtual BOOL IsCellInRangeList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList* pList);
    virtual BOOL SelectRange(const CGXRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    virtual BOOL ToggleSelectionFrame(BOOL bShow);
    virtual BOOL BeginSelect(CPoint point, UINT nFlags, int nHitState, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL ExtendSelect(CPoint point, UINT nFlags, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL EndSelect(CPoint point, UINT nFlags);
    virtual BOOL MoveCurrentCellEx(int nDirection, UINT nCount);
    virtual BOOL CanChangeSelection(CGXRange* pRange, BOOL bIsDragging, BOOL bKey);
    virtual void AfterSelectionChange(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey);
    virtual BOOL CanStartSelection(ROWCOL nRow, ROWCOL nCol, UINT flags, CPoint point);
    virtual void BeforeSelectionChange(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey);
    virtual BOOL CanFillRange(const CGXRange& range);
    virtual BOOL CanApplyFill(const CGXRange& source, const CGXRange& target);
    virtual BOOL FillRange(const CGXRange& source, const CGXRange& target);
    virtual BOOL SelectFilledRange(const CGXRange& range);
    void SetSelection(POSITION pos, ROWCOL nTop = 0, ROWCOL nLeft = 0, ROWCOL nBottom = 0,
                      ROWCOL nRight = 0);
    void DrawSelectionFrame(CDC* pDC, BOOL bDrawOld = TRUE, const CGXRange* pRange = nullptr);
    void UpdateSelectionFrame(BOOL bDraw, const CGXRange* pRange = nullptr);
    BOOL LockSelectionFrame(BOOL bLock, BOOL bCreateHint = TRUE);
    BOOL EvalVisibleSpannedCells(CGXRange& range);
    virtual BOOL EvaluateSpannedCells(CGXRange& range, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                                      ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                      ROWCOL nLastCol);
    ROWCOL GetLastVisibleRow();
    ROWCOL GetLastVisibleCol();

    // --- Read-only lock (GXGridCoreStyles.cpp) and zoom (GXGridCoreSizes.cpp) ---
    virtual void ApplyZoom(int nZoom, UINT flags = GX_INVALIDATE);
    virtual BOOL ApplyReadOnly(BOOL bReadOnly);
    virtual int GetZoomPercent() const;
    virtual BOOL IsGridReadOnly() const;
    virtual void WriteZoom(int nZoom, BOOL bCreateHint = TRUE);
    virtual BOOL WriteReadOnly(BOOL bReadOnly);
    virtual void RefreshZoom(int nOldZoom, UINT flags, BOOL bCreateHint);
    virtual void RefreshReadOnly(BOOL bCreateHint);

    // --- Rows and columns (GXGridCoreStructure*.cpp) ---
    virtual BOOL ChangeRowCount(ROWCOL nRows, UINT flags = GX_INVALIDATE);
    virtual BOOL ChangeColCount(ROWCOL nCols, UINT flags = GX_INVALIDATE);
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    virtual BOOL WriteRowCount(ROWCOL nRows);
    virtual BOOL WriteColCount(ROWCOL nCols);
    virtual void RefreshRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint);
    virtual void RefreshColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint);
    virtual BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_INVALIDATE,
                            GXCmdType ctCmd = gxDo);
    virtual BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_INVALIDATE,
                            GXCmdType ctCmd = gxDo);
    virtual BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow,
                          UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol,
                          UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, const int* anHeights = nullptr,
                            const CObArray* pCellStyles = nullptr,
                            const CObArray* pRowStyles = nullptr, ROWCOL nStyleCols = 0,
                            UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, const int* anWidths = nullptr,
                            const CObArray* pCellStyles = nullptr,
                            const CObArray* pColStyles = nullptr, ROWCOL nStyleRows = 0,
                            UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL WriteRowInsertion(ROWCOL nRow, ROWCOL nCount, BOOL bForce);
    virtual BOOL WriteColInsertion(ROWCOL nCol, ROWCOL nCount, BOOL bForce);
    virtual BOOL WriteRowRemoval(ROWCOL nFromRow, ROWCOL nToRow, BOOL bForce);
    virtual BOOL WriteColRemoval(ROWCOL nFromCol, ROWCOL nToCol, BOOL bForce);
    virtual BOOL WriteRowMove(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
    virtual BOOL WriteColMove(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol);
    virtual void RefreshRowInsertion(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void RefreshColInsertion(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void RefreshRowRemoval(ROWCOL nFromRow, ROWCOL nToRow, int* anOldHeights, UINT flags,
                                   BOOL bCreateHint);
    virtual void RefreshColRemoval(ROWCOL nFromCol, ROWCOL nToCol, int* anOldWidths, UINT flags,
                                   BOOL bCreateHint);
    virtual void RefreshRowMove(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags,
                                BOOL bCreateHint);
    virtual void RefreshColMove(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags,
                                BOOL bCreateHint);
    virtual BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0,
                               UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0,
                               UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual ROWCOL GetFrozenRowCount();
    virtual ROWCOL GetFrozenColCount();
    virtual ROWCOL GetHeaderRowCount();
    virtual ROWCOL GetHeaderColCount();
    virtual BOOL WriteFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows);
    virtual BOOL WriteFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols);
    virtual void RefreshFrozenRows(ROWCOL nOldFrozenRows, ROWCOL nOldHeaderRows, UINT flags,
                                   BOOL bCreateHint);
    virtual void RefreshFrozenCols(ROWCOL nOldFrozenCols, ROWCOL nOldHeaderCols, UINT flags,
                                   BOOL bCreateHint);
    virtual void SetFirstScrollRow(ROWCOL nRow, UINT flags = GX_INVALIDATE,
                                   BOOL bCreateHint = TRUE);
    virtual void SetFirstScrollCol(ROWCOL nCol, UINT flags = GX_INVALIDATE,
                                   BOOL bCreateHint = TRUE);
    ROWCOL GetTopRow() const { return m_bPrinting ? m_nPrintTopRow : m_nTopRow; }
    ROWCOL GetLeftCol() const { return m_bPrinting ? m_nPrintLeftCol : m_nLeftCol; }

    // --- Sorting forwards (GXGridCoreForwarders.cpp) ---
    virtual void SortKeyRecords(CGXSortInfoArray& keys, GXSortRecords& records);
    virtual void SortRows(const CGXRange& range, CGXSortInfoArray& keys,
                          UINT flags = GX_INVALIDATE);
    virtual BOOL MoveDataRows(const CGXRange& range, const CDWordArray& order,
                              UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL StoreMoveDataRows(const CGXRange& range, const CDWordArray& order);
    virtual void UpdateMoveDataRows(const CGXRange& range, UINT flags, BOOL bCreateHint = TRUE);
    virtual void GetRowSortKeys(ROWCOL nRow, const CGXSortInfoArray& keys, CString* pTexts);
    virtual void SortCols(const CGXRange& range, CGXSortInfoArray& keys,
                          UINT flags = GX_INVALIDATE);
    virtual BOOL MoveDataCols(const CGXRange& range, const CDWordArray& order,
                              UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL StoreMoveDataCols(const CGXRange& range, const CDWordArray& order);
    virtual void UpdateMoveDataCols(const CGXRange& range, UINT flags, BOOL bCreateHint = TRUE);
    virtual void GetColSortKeys(ROWCOL nCol, const CGXSortInfoArray& keys, CString* pTexts);
    virtual BOOL SortByHeaderClick(ROWCOL nRow, ROWCOL nCol);
    // The text a cell sorts by under a key: by default what its control displays.
    virtual void GetSortKey(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                            const CGXSortKeyInfo& key, const CGXStyle& style, CString& strKey);

    // --- Drag selection forwards ---
    virtual BOOL FindDragRange(ROWCOL nRow, ROWCOL nCol, CGXRange& range);
    virtual BOOL DrawDragFeedback(CDC* pDC, const CGXRange& range, ROWCOL nDest);
    virtual BOOL HitTestDragRange(ROWCOL nRow, ROWCOL nCol);
    virtual void CancelDragSelect();
    virtual BOOL CanDragRows(); // FALSE while Ctrl or Shift is down
    virtual BOOL CanDragCols(); // the same body
    virtual BOOL CanDropRows();
    virtual BOOL CanDropCols();
    virtual BOOL CanDragOutside();
    virtual BOOL CanDropOutside();

    // --- Sizes and hidden rows and columns (GXGridCoreSizes.cpp) ---
    virtual BOOL SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight,
                              const int* anHeights = nullptr, UINT flags = GX_INVALIDATE,
                              GXCmdType ctCmd = gxDo);
    virtual BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth,
                             const int* anWidths = nullptr, UINT flags = GX_INVALIDATE,
                             GXCmdType ctCmd = gxDo);
    virtual BOOL SetDefaultRowHeight(int nHeight, UINT flags = GX_INVALIDATE,
                                     GXCmdType ctCmd = gxDo);
    virtual BOOL SetDefaultColWidth(int nWidth, UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual int GetRowPixelHeight(ROWCOL nRow);
    virtual int GetColPixelWidth(ROWCOL nCol);
    virtual int GetDefaultRowPixelHeight();
    virtual int GetDefaultColPixelWidth();
    virtual BOOL HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, BOOL* abStates = nullptr,
                          UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, BOOL* abStates = nullptr,
                          UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL QueryRowHidden(ROWCOL nRow);
    virtual BOOL QueryColHidden(ROWCOL nCol);
    virtual BOOL FitRowHeights(const CGXRange& range, BOOL bRedraw = TRUE,
                               UINT flags = GX_INVALIDATE);
    virtual BOOL FitColWidths(const CGXRange& range, BOOL bRedraw = TRUE,
                              UINT flags = GX_INVALIDATE);
    virtual BOOL WriteRowHidden(ROWCOL nRow, BOOL bHide);
    virtual BOOL WriteColHidden(ROWCOL nCol, BOOL bHide);
    virtual BOOL WriteDefaultRowHeight(int nHeight);
    virtual BOOL WriteDefaultColWidth(int nWidth);
    virtual BOOL WriteColWidth(ROWCOL nCol, int nWidth);
    virtual BOOL WriteRowHeight(ROWCOL nRow, int nHeight);
    virtual void RefreshColWidths(ROWCOL nFromCol, ROWCOL nToCol, int* anOldWidths, UINT flags,
                                  BOOL bCreateHint);
    virtual void RefreshRowHeights(ROWCOL nFromRow, ROWCOL nToRow, int* anOldHeights, UINT flags,
                                   BOOL bCreateHint);
    virtual int HitTestPoint(CPoint point, ROWCOL* pnRow = nullptr, ROWCOL* pnCol = nullptr,
                             CRect* pRectHit = nullptr);
    virtual int HitTestFrame(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rect);

    // --- User resizing ---
    virtual BOOL ApplyUserResize(ROWCOL nRow, ROWCOL nCol, int nMode);
    virtual void DrawResizeLine(ROWCOL nRow, ROWCOL nCol, int nMode, int nSize);
    virtual void FinishUserResize(ROWCOL nRow, ROWCOL nCol, int nMode, int nSize);
    virtual void CancelUserResize();
    virtual BOOL CanUserResizeCols(); // TRUE when the user-resize feature is installed
    virtual BOOL CanResizeColsFromCells();
    virtual BOOL CanResizeColsToZero();
    virtual BOOL CanResizeColHeaders();
    virtual BOOL CanUserResizeRows(); // the same body
    virtual BOOL CanResizeRowsFromCells();
    virtual BOOL CanResizeRowsToZero();
    virtual BOOL CanResizeRowHeaders();
    // Hooks of the mouse sizing a derived grid overrides: may the column (row) be sized at
    // all (TRUE while the feature is on), may a drag start, may it move to a size, may it end
    // at one (TRUE). A refused move or end changes nothing.
    virtual BOOL MayResizeCol(ROWCOL nCol);
    virtual BOOL MayResizeRow(ROWCOL nRow);
    virtual BOOL MayStartColResize(ROWCOL nCol);
    virtual BOOL MayStartRowResize(ROWCOL nRow);
    virtual BOOL MayMoveColResize(ROWCOL nCol, int nWidth);
    virtual BOOL MayMoveRowResize(ROWCOL nRow, int nHeight);
    virtual BOOL MayEndColResize(ROWCOL nCol, int nWidth);
    virtual BOOL MayEndRowResize(ROWCOL nRow, int nHeight);
    BOOL IsUserResizing() const { return m_bUserResizing; }
    void SetUserResizing(BOOL b) { m_bUserResizing = b; }

    // --- Panes, tabs and listeners ---
    virtual void OnPaneEntered(int nDirection);
    virtual BOOL CanChangePane(int nDirection);
    virtual BOOL CanRenameTab();
    virtual void OnTabNameChanged(int nTab);
    // Tells the listeners of an event (GXGridListenerEvent): the library's current-cell
    // listener sees the grid when its current cell is set, the library's two listeners
    // when it is activated, and the grid's own listener when its structure changed.
    virtual void NotifyGridListeners(int nEvent);
    // The grid's own listener (owned; the previous one is deleted; null detaches).
    void AttachGridListener(CGXGridListener* pListener);
    CGXGridListener* GetGridListener() const { return m_pGridListener; }

    // --- Covered, floating and merged cells (GXGridCoreForwarders.cpp) ---
    virtual BOOL SetCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                 UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual CGXRange* GetCoveredBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range);
    virtual BOOL WriteCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   BOOL bSet);
    virtual void RefreshCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                     UINT flags, BOOL bCreateHint);
    virtual void GrowRangeByCovered(CGXRange& range);
    virtual BOOL QueryFloatRange(const CGXRange& range, CGXRange& result);
    virtual BOOL QueryMergeRange(const CGXRange& range, CGXRange& result);
    virtual BOOL CompareMergeValues(const CGXStyle& style1, const CGXStyle& style2);
    virtual CGXRange* GetSpanningBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range);
    void MarkFloatRangeDirty(const CGXRange& range, UINT flags = 0);
    BOOL ResolveFloatRange(const CGXRange& range, BOOL bPrinting);
    CGXRange* GetFloatBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range);
    void RefreshFloatBlocks(const CGXRange& range, UINT flags);
    void InvalidateFloatBlocks(const CGXRange& range);
    void GrowRangeByFloat(CGXRange& range);
    void MarkMergeRangeDirty(const CGXRange& range, UINT flags = 0);
    BOOL ResolveMergeRange(const CGXRange& range, BOOL bPrinting);
    CGXRange* GetMergeBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range, int nDirection = 0);
    void RefreshMergeBlocks(const CGXRange& range, UINT flags);
    void InvalidateMergeBlocks(const CGXRange& range);
    void GrowRangeByMerge(CGXRange& range);
    WORD GetFloatMode() const;
    WORD GetMergeMode() const;
    void SetFloatCellsMode(WORD wMode, BOOL bRedraw = TRUE);
    // The span-cell pools of merged and floated blocks follow inserted (nOp 0: at, count),
    // removed (1: from, to) and moved (2: from, to, destination) rows or columns; the area
    // from the change on is then worked out again.
    void ShiftSpanPools(int nOp, BOOL bRows, ROWCOL n1, ROWCOL n2, ROWCOL n3 = 0);
    void SetMergeCellsMode(WORD wMode, BOOL bRedraw = TRUE);
    CObject* GetFloatPool() const;

    // --- Find and replace forwards ---
    virtual BOOL FindInGrid(BOOL bNext);
    virtual void ReplaceInGrid(GXFindReplaceInfo& info);
    virtual void ReplaceAllInGrid(GXFindReplaceInfo& info);
    virtual void OnTextNotFound(LPCTSTR pszFind);
    virtual void ShowFindReplaceDialog(BOOL bFindOnly);
    virtual BOOL HandleFindReplace(CWnd* pDialog);
    // The cells after nRow (before it when the search goes up) in column nCol; on a hit nRow
    // is its row and, with bSelect, the cell is current.
    BOOL FindInCells(ROWCOL& nRow, ROWCOL nCol, GXFindReplaceInfo& info, BOOL bSelect = TRUE);
    // Find, find next, replace and replace all in the current cell's column (FALSE also
    // without the feature or rows or columns); an empty find text finds nothing.
    virtual BOOL Find(LPCTSTR pszFind, BOOL bDown = TRUE, BOOL bCase = FALSE);
    virtual BOOL FindNext(BOOL bSetCell = TRUE);
    virtual BOOL Replace(LPCTSTR pszFind, BOOL bDown, BOOL bCase, LPCTSTR pszReplace);
    virtual BOOL ReplaceAll(LPCTSTR pszFind, LPCTSTR pszReplace, BOOL bCase = FALSE);
    // Runs for each row a search leaves (with the next row); nothing by default.
    virtual void OnFindNextRow(ROWCOL nRow);

    // --- Undo and redo forwards ---
    virtual BOOL Undo();
    virtual BOOL Redo();
    virtual void BeginUndoBlock(LPCTSTR pszName = nullptr);
    virtual void CommitUndoBlock();
    virtual void RollbackUndoBlock();
    virtual BOOL UpdateUndoMenu(CCmdUI* pCmdUI);
    virtual BOOL UpdateRedoMenu(CCmdUI* pCmdUI);
    virtual void RecordCommand(CGXCommand* pCmd, GXCmdType ctCmd);
    virtual void RemoveNewestCommand(GXCmdType ctCmd);
    virtual void ShowUndoPosition(ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent);
    virtual BOOL SwitchRecording(BOOL bOn);
    virtual CObject* TakePendingState();
    virtual BOOL RestorePendingState(CObject* pState, BOOL bSwitchOff, int nReserved);
    virtual void DiscardPendingState();
    virtual BOOL ExecuteCommand(CGXCommand* pCmd, CGXGridCore* pGrid, GXCmdType ctCmd);

    // --- Scrolling (GXGridCoreScroll.cpp) ---
    virtual BOOL BringCellIntoView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW,
                                   BOOL bFloatCell = FALSE);
    virtual BOOL ScrollByCells(int nDirection, ROWCOL nCount, UINT flags = GX_UPDATENOW);
    virtual void RefreshScrollBars(BOOL bOnlyIfDimChanged = FALSE, BOOL bNoRedraw = FALSE);
    virtual void SetScrollBarPolicy(int nBar, int nMode);
    virtual void ScrollWithHint(int nDirection, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual BOOL MayChangeLeftCol(ROWCOL nNewLeftCol);
    virtual BOOL MayChangeTopRow(ROWCOL nNewTopRow);
    virtual void OnLeftColMoved(ROWCOL nOldLeftCol);
    virtual void OnTopRowMoved(ROWCOL nOldTopRow);
    virtual void SetScrollUnitPos(int nBar, ROWCOL nPos, BOOL bRedraw = TRUE);
    virtual void SetScrollUnitRange(int nBar, ROWCOL nMin, ROWCOL nMax, BOOL bRedraw = TRUE);
    virtual ROWCOL GetScrollUnitPos(int nBar);
    virtual void GetScrollUnitRange(int nBar, ROWCOL& nMin, ROWCOL& nMax);
    void ScrollGridWindow(int dx, int dy, LPCRECT lpRect, LPCRECT lpClip);
    // A window laid over a cell that has scrolled partly under the frozen rows or columns
    // is cut to the scrolling area (its window region), so the frozen cells show whole.
    void ClipCellWindowToScrollArea(CWnd* pCellWnd, ROWCOL nRow, ROWCOL nCol);
    void StartAutoScroll(BOOL bCapture, int nDirection, int nSpeed);
    void StopAutoScroll();
    int GetScrollBarMode(int nBar) const
    {
        return nBar == SB_VERT ? m_nVScrollMode : m_nHScrollMode;
    }

    // --- Current cell, editing and notifications (GXGridCoreCell.cpp) ---
    virtual BOOL MakeCellCurrent(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);
    virtual BOOL SyncCurrentCell(BOOL bSaveAndValidate = TRUE, UINT flags = GX_UPDATENOW,
                                 BOOL bCreateHint = TRUE);
    virtual BOOL StepToEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol);
    virtual BOOL DispatchKeyMessage(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt,
                                    UINT flags);
    virtual BOOL StepCurrentCell(int nDirection, UINT nCount = 1, BOOL bSelect = FALSE);
    virtual void ReleaseCurrentCellControl(BOOL bStore);
    virtual void HideCurrentCellControl();
    virtual void SetPendingMessage(LPCTSTR pszMessage);
    virtual void ShowPendingMessage();
    virtual BOOL MoveCurrentCell(int nDirection, UINT nCount = 1, BOOL bSelect = FALSE);
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCellModified(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnQueryCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnLeaveCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
    virtual BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL MayChangeCurrentCell(BOOL bSelect, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow,
                                      ROWCOL nOldCol);
    // Page moves scroll through this: direction as ScrollByCells, count of rows or columns.
    virtual BOOL OnScrollRequest(int nDirection, ROWCOL nCount);
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnMButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnMButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnRButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnMouseOverRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
    // A mouse step of a button pressed over (nRow, nCol), now over (nDragRow, nDragCol),
    // with the hit state (0x04 down, 0x08 move, 0x10 up, 0x20 just left the pressed cell,
    // 0x40 over it; OR-ed with the mouse-down state). FALSE refuses (cancels the mouse mode).
    virtual BOOL OnLButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                      CPoint point, UINT nFlags, WORD nHitState);
    virtual BOOL OnMButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                      CPoint point, UINT nFlags, WORD nHitState);
    virtual BOOL OnRButtonTrackRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                      CPoint point, UINT nFlags, WORD nHitState);
    virtual CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting = FALSE);
    void StoreCurrentCell(BOOL bValid, ROWCOL nRow = 0, ROWCOL nCol = 0);
    BOOL IsCurrentCell(ROWCOL nRow = GX_INVALID, ROWCOL nCol = GX_INVALID);
    BOOL IsActiveCurrentCell();
    CGXControl* GetCurrentCellControl();
    // Forgets the cached style of one cell (a control whose cell changed asks for it).
    void ReleaseCachedCellStyle(ROWCOL nRow, ROWCOL nCol);
    BOOL GetCurrentCellText(CString& strText);
    // Drops the keyboard messages queued for a window (before a message box or a veto).
    static void RemoveQueuedKeys(HWND hWnd);
    // Gives the focus back to a window without the grid treating it as a focus change.
    void GiveFocusBack(HWND hFocus);

    // --- Data exchange and clipboard forwards ---
    virtual BOOL SetRangeName(LPCTSTR pszName, const CGXRange* pRange, CObject* pUserObject,
                              UINT flags = GX_INVALIDATE, GXCmdType ctCmd = gxDo);
    virtual BOOL GetRangeName(LPCTSTR pszName, CGXRange& range);
    virtual BOOL DeleteRangeName(LPCTSTR pszName, UINT flags = GX_INVALIDATE,
                                 GXCmdType ctCmd = gxDo);
    virtual BOOL CopyRangesToClipboard(const CGXRangeList& ranges);
    virtual BOOL ExportText(CFile* pFile, const CGXRangeList& ranges, BOOL bWithHeaders);
    virtual BOOL ExportStyles(CArchive& ar, const CGXRangeList& ranges);
    virtual BOOL GetExportStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bComposed);
    virtual BOOL GetRangeText(CString& strText, const CGXRange& range);
    virtual BOOL CutRangesToClipboard(const CGXRangeList& ranges, UINT flags = GX_INVALIDATE);
    virtual BOOL ClearRanges(const CGXRangeList& ranges, BOOL bStyleOrValue,
                             UINT flags = GX_INVALIDATE);
    virtual BOOL ImportStyles(CArchive& ar, const CGXRange& target, BOOL bWithoutAsking);
    virtual BOOL ImportText(LPCTSTR pszText, DWORD dwSize, ROWCOL nRow, ROWCOL nCol, UINT flags);
    virtual BOOL MeasureTextBlock(LPCTSTR pszText, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols);
    virtual BOOL PutCellText(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags);
    virtual BOOL PasteStylesFromClipboard(const CGXRange& target);
    virtual BOOL PasteTextFromClipboard(const CGXRange& range);
    virtual BOOL HasPasteableFormat();
    virtual BOOL WriteCopyCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL WriteMoveCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol,
                                CObject*& pUndoInfo, BOOL bCreateUndoInfo);
    virtual BOOL CopyCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol,
                           UINT flags = GX_INVALIDATE);
    virtual BOOL MoveCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol,
                           CObject* pUndoInfo = nullptr, UINT flags = GX_INVALIDATE,
                           GXCmdType ctCmd = gxDo);
    virtual BOOL ConfirmPaste();
    virtual BOOL TakeFramePress(CPoint point, UINT nFlags, int nHitState, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL ReleaseFramePress(CPoint point, UINT nFlags);
    BOOL PutTextOnClipboard(const CGXRangeList& ranges);
    BOOL PutStylesOnClipboard(const CGXRangeList& ranges);
    BOOL CopyOneRange(const CGXRange& range);
    BOOL CutOneRange(const CGXRange& range, UINT flags = GX_INVALIDATE);

    // --- Evaluation (GXGridCorePaint.cpp) ---
    virtual BOOL NeedsEvaluation(ROWCOL nRow, ROWCOL nCol);
    virtual void MarkEvaluated(ROWCOL nRow, ROWCOL nCol);
    virtual void AddEvaluationRange(const CGXRange& range);
    virtual BOOL RefreshAll(BOOL bEvaluate = TRUE, CString* pErrorText = nullptr,
                            BOOL bCreateHint = TRUE);
    virtual BOOL EvaluateCells();
    virtual BOOL EvaluatePending();
    virtual BOOL GetEvaluationError(CString& strError);

    // --- Clipboard commands and freezing ---
    virtual BOOL Copy();
    virtual BOOL Paste();
    virtual BOOL Cut();
    virtual BOOL Clear(BOOL bStyleOrValue = TRUE);
    virtual BOOL CanCopy();
    virtual BOOL CanCut();
    virtual BOOL CanPaste();
    virtual BOOL CanClear();
    virtual void FreezeRows();
    virtual BOOL CanFreezeRows();
    virtual void UnfreezeRows();
    virtual BOOL CanUnfreezeRows();
    virtual void FreezeCols();
    virtual BOOL CanFreezeCols();
    virtual void UnfreezeCols();
    virtual BOOL CanUnfreezeCols();

    // --- Invalidation and cell rectangles (GXGridCorePaint.cpp) ---
    virtual void InvalidateCellRange(const CGXRange& range, UINT flags = GX_INVALIDATE,
                                     BOOL bCreateHint = FALSE);
    virtual void RedrawAll(UINT flags = GX_INVALIDATE, BOOL bCreateHint = FALSE);
    virtual CRect SubtractBorders(const CRect& rect, const CGXStyle& style, BOOL bInner = TRUE,
                                  ROWCOL nRow = GX_INVALID, ROWCOL nCol = GX_INVALID);
    virtual CSize AddBorderSize(const CSize& size, const CGXStyle& style, ROWCOL nRow = GX_INVALID,
                                ROWCOL nCol = GX_INVALID);
    void RedrawByRangeType(const CGXRange& range, UINT flags = GX_INVALIDATE,
                           BOOL bCreateHint = FALSE);
    CRect GetGridRect();
    void SetGridRect(BOOL bSet, LPCRECT pRect = nullptr);

    // --- Printing ---
    virtual void AdjustPrintMargins(CRect& rectLayout);
    virtual CString GetHeaderFooterText(BOOL bHeader, int nSection);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    // Called before the row and column counts are read for the grid up to (nRow, nCol), or
    // (-2, -2) for the whole grid: a grid whose rows come in late sets its counts here.
    virtual void OnRowColCountNeeded(ROWCOL nRow, ROWCOL nCol) { (void)nRow, (void)nCol; }

    // --- Cell access and the paint pass (GXGridCorePaint*.cpp) ---
    virtual void OnCellAccess(ROWCOL nRow, ROWCOL nCol);
    virtual void PaintGrid(CDC* pDC);
    virtual void DrawCellWithControl(CDC* pDC, CGXControl* pControl, const CRect& rect, ROWCOL nRow,
                                     ROWCOL nCol, const CGXStyle& style);
    virtual void UpdateEditHeaderMark(ROWCOL nRow, ROWCOL nCol, BOOL bMark);
    virtual void PaintCellRange(ROWCOL nFirstClientRow, ROWCOL nFirstClientCol,
                                ROWCOL nLastClientRow, ROWCOL nLastClientCol, CDC* pDC);
    virtual void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, CRect rectItem);
    virtual void DrawGridLineRect(CDC* pDC, const CRect& rect, int nType, UINT nFlags);
    void DrawGridLine(CDC* pDC, int nType, ROWCOL nIndex);
    CRect CalcGridLineRect(int nType, ROWCOL nIndex);
    void DrawBrushRect(CDC* pDC, const CRect& rect, const CGXBrush& brush);
    void DrawBorder(CDC* pDC, const CRect& rectCell, int nSide, const CGXPen& pen);
    void DrawStyleBorders(CDC* pDC, const CRect& rectCell, const CGXStyle& style);
    CRect CalcClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol);
    int SetPaintMode(int nMode);
    int GetPaintMode() const { return m_nPaintMode; }
    // A rectangle a windowed control covers: painting leaves it out.
    void AddExcludedRect(const CRect& rect);
    GXPaintPass* GetPaintPass() const { return m_pPaintPass; }
    // The border and grid-line flags of a cell drawn with the style; only the sides in
    // wOuterSides (border bits 1 left, 2 right, 4 top, 8 bottom) draw a border or a line.
    WORD CellEdgeFlags(const CGXStyle& style, ROWCOL nRow, ROWCOL nCol, WORD wOuterSides);

    // --- GDI caches, fonts and cursors (GXGridCoreCaches.cpp, GXGridCoreSizes.cpp) ---
    virtual CFont* SelectStyleFont(CDC* pDC, const CGXStyle& style,
                                   const CGXStyle* pPrevStyle = nullptr);
    virtual void FlushDrawingCaches();
    virtual void MeasureFontUnits(CDC* pDC, int& nHorzUnit, int& nVertUnit);
    virtual void SelectGridCursor(UINT nCursorId, LPCTSTR pszSystemId);
    virtual void ChooseCursorAt(CPoint point);
    BOOL IsFrameActiveView();
    virtual void SetOverrideCursor(UINT nCursorId);
    CFont* FindOrMakeFont(const CGXFont& font);
    CBrush* FindOrMakeBrush(const CGXBrush& brush);
    CPen* FindOrMakePen(const CGXPen& pen);
    CFont* SelectZoomedFont(CDC* pDC, const CGXFont& font);
    CDC* BorrowGridDC();
    void ReturnGridDC();
    COLORREF ResolveTextColor(const CGXStyle& style) const;
    int GetFreeStyleCount() const { return (int)m_freeStyles.size(); }
    int GetCachedStyleCount() const { return (int)m_styleCache.size(); }
    // Cells whose cached styles survive FlushDrawingCaches: up to two rows and two columns
    // (GX_INVALID: none) of a drawing in progress; the current cell is kept with them.
    void KeepCachedStyles(ROWCOL nRow1, ROWCOL nRow2, ROWCOL nCol1, ROWCOL nCol2);
    void ReleaseKeptStyles() { KeepCachedStyles(GX_INVALID, GX_INVALID, GX_INVALID, GX_INVALID); }
    // Switches of the current cell's style: kept in its own holder (on), looked up apart
    // from the style cache (on), held over a flush of the caches (off).
    BOOL m_bCacheCurrentCellStyle = TRUE;
    BOOL m_bCurrentCellStyleApart = TRUE;
    BOOL m_bPreserveCurrentCellStyle = FALSE;

    // --- Window messages and mouse (GXGridCoreEvents.cpp) ---
    virtual BOOL HandleSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual BOOL HandleVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual BOOL HandleHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual BOOL HandleSize(UINT nType, int cx, int cy);
    virtual BOOL HandleMouseMove(UINT nFlags, CPoint point);
    virtual void HandleShowWindow(BOOL bShow, UINT nStatus);
    virtual BOOL HandleLButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL HandleLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL HandleLButtonUp(UINT nFlags, CPoint point);
    virtual BOOL HandleMButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL HandleMButtonDown(UINT nFlags, CPoint point);
    virtual BOOL HandleMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL HandleRButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL HandleRButtonDown(UINT nFlags, CPoint point);
    virtual BOOL HandleRButtonUp(UINT nFlags, CPoint point);
    virtual HBRUSH HandleCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    virtual BOOL CloseGridPopup();
    virtual void HandleCancelMode();
    virtual BOOL HandleMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message,
                                     LRESULT& lResult);
    virtual BOOL HandleCommand(WPARAM wParam, LPARAM lParam);
    virtual void HandleWinIniChange(LPCTSTR lpszSection);
    virtual void HandleSysColorChange();
    virtual UINT HandleGetDlgCode(UINT nDefault);
    virtual CScrollBar* GetGridScrollBarCtrl(int nBar) const;
    virtual void HandleKillFocus(CWnd* pNewWnd);
    virtual void HandleSetFocus(CWnd* pOldWnd);
    virtual BOOL HandlePreTranslateMessage(MSG* pMsg);
    virtual BOOL DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void HandleTimer(UINT_PTR nIDEvent);

    // --- Keyboard ---
    virtual BOOL HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleCharString(LPCTSTR pszChars, UINT nFlags);
    virtual BOOL HandleDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // --- Coordinates (GXGridCoreCoords.cpp) ---
    int CollectRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anHeights, int nMax);
    int CollectColWidths(ROWCOL nFrom, ROWCOL nTo, int* anWidths, int nMax);
    CRect GetCellWindowRect(ROWCOL nRow, ROWCOL nCol, BOOL bNoLimit = FALSE);
    CRect GetSpannedCellRect(ROWCOL nRow, ROWCOL nCol);
    CRect GetSpannedRangeRect(const CGXRange& range);
    CRect GetRangeWindowRect(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                             BOOL bNoLimit = FALSE);
    ROWCOL ClientRowAtY(CPoint pt, int* pnTop = nullptr);
    ROWCOL ClientColAtX(CPoint pt, int* pnLeft = nullptr);
    ROWCOL RowAtRectBottom(const CRect& rect, BOOL* pbPastEnd = nullptr);
    ROWCOL ColAtRectRight(const CRect& rect, BOOL* pbPastEnd = nullptr);
    CRect GetRectBelowRow(ROWCOL nRow);
    CRect GetRectRightOfCol(ROWCOL nCol);
    int SumRowHeights(ROWCOL nFrom, ROWCOL nTo, int nLimit = 0);
    int SumColWidths(ROWCOL nFrom, ROWCOL nTo, int nLimit = 0);
    int SumClientRowHeights(ROWCOL nFrom, ROWCOL nTo, int nLimit = 0);
    int SumClientColWidths(ROWCOL nFrom, ROWCOL nTo, int nLimit = 0);
    ROWCOL RowToClientIndex(ROWCOL nRow);
    ROWCOL ColToClientIndex(ROWCOL nCol);
    ROWCOL ClientIndexToRow(ROWCOL nIndex);
    ROWCOL ClientIndexToCol(ROWCOL nIndex);
    BOOL RowIsFrozen(ROWCOL nRow);
    BOOL ColIsFrozen(ROWCOL nCol);
    int GetHorzBaseUnit() const { return m_bPrinting ? m_nPrintHorzUnit : m_nHorzUnit; }
    int GetVertBaseUnit() const { return m_bPrinting ? m_nPrintVertUnit : m_nVertUnit; }
    // Recomputes the base units from the standard style's font (each at least 1).
    void MeasureBaseUnits();
    void SetBaseUnits(int nHorz, int nVert);
    void ResetVisibleCache();

    // Names as other callers know them.
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApply = TRUE)
    {
        ComposeCellStyle(nRow, nCol, pStyle, bApply);
    }
    BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride,
                       int nType = 0, UINT flags = GX_INVALIDATE)
    {
        return ApplyStyleToRange(range, &style, mt, nType, nullptr, flags, gxDo);
    }
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                          int nType)
    {
        return StoreCellStyle(nRow, nCol, pStyle, mt, nType);
    }
    const CGXStyle& LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol)
    {
        return GetCachedCellStyle(nRow, nCol);
    }
    CGXStyle* CreateStyle() { return TakeStyleObject(); }
    void RecycleStyle(CGXStyle* pStyle) { ReturnStyleObject(pStyle); }
    const CString& GetValueRowCol(ROWCOL nRow, ROWCOL nCol) { return GetCellValueText(nRow, nCol); }
    BOOL SetValueRange(const CGXRange& range, LPCTSTR pszValue, UINT flags = GX_INVALIDATE)
    {
        return SetCellValue(range, pszValue, flags);
    }
    BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags = GX_INVALIDATE,
                              const CGXStyle* pStyle = nullptr)
    {
        return SetCellText(nRow, nCol, pszText, flags, pStyle);
    }
    void RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE,
                         BOOL bInsertInStyleMap = TRUE)
    {
        AddCellControl(nID, pControl, bDefault, bInsertInStyleMap);
    }
    CGXControl* GetRegisteredControl(WORD nID) { return LookupControl(nID); }
    ROWCOL CalcClientRowFromPt(CPoint pt, int* pnTop = nullptr) { return ClientRowAtY(pt, pnTop); }
    ROWCOL CalcClientColFromPt(CPoint pt, int* pnLeft = nullptr)
    {
        return ClientColAtX(pt, pnLeft);
    }
    ROWCOL GetClientRow(ROWCOL nRow) { return RowToClientIndex(nRow); }
    ROWCOL GetClientCol(ROWCOL nCol) { return ColToClientIndex(nCol); }
    ROWCOL GetRow(ROWCOL nClientRow) { return ClientIndexToRow(nClientRow); }
    ROWCOL GetCol(ROWCOL nClientCol) { return ClientIndexToCol(nClientCol); }
    void SetTopRow(ROWCOL nRow, UINT flags = GX_INVALIDATE, BOOL bHint = TRUE)
    {
        SetFirstScrollRow(nRow, flags, bHint);
    }
    void SetLeftCol(ROWCOL nCol, UINT flags = GX_INVALIDATE, BOOL bHint = TRUE)
    {
        SetFirstScrollCol(nCol, flags, bHint);
    }
    void RedrawRowCol(const CGXRange& range, UINT flags = GX_INVALIDATE, BOOL bHint = FALSE)
    {
        InvalidateCellRange(range, flags, bHint);
    }
    void Redraw(UINT flags = GX_INVALIDATE, BOOL bHint = FALSE) { RedrawAll(flags, bHint); }
    CRect CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) { return GetCellWindowRect(nRow, nCol); }
    CRect CalcRectFromRowColEx(ROWCOL nRow, ROWCOL nCol) { return GetSpannedCellRect(nRow, nCol); }
    int GetRowHeight(ROWCOL nRow) { return GetRowPixelHeight(nRow); }
    int GetColWidth(ROWCOL nCol) { return GetColPixelWidth(nCol); }
    int GetDefaultRowHeight() { return GetDefaultRowPixelHeight(); }
    int GetDefaultColWidth() { return GetDefaultColPixelWidth(); }
    BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_INVALIDATE)
    {
        return ChangeRowCount(nRows, flags);
    }
    BOOL SetColCount(ROWCOL nCols, UINT flags = GX_INVALIDATE)
    {
        return ChangeColCount(nCols, flags);
    }
    CRect GetGridRectEx() { return GetGridRect(); }
    CFont* LoadFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPrev = nullptr)
    {
        return SelectStyleFont(pDC, style, pPrev);
    }
    void ResetGridDC() { ReturnGridDC(); }
    CDC* GetGridDC() { return BorrowGridDC(); }
    void FreeObjectCache() { FlushDrawingCaches(); }
    void SetReadOnly(BOOL b) { ApplyReadOnly(b); }
    BOOL IsReadOnly() const { return IsGridReadOnly(); }
    void SetZoom(int nZoom, UINT flags = GX_INVALIDATE) { ApplyZoom(nZoom, flags); }
    int GetZoom() const { return GetZoomPercent(); }
    void SetWarningText(LPCTSTR psz) { SetPendingMessage(psz); }
    BOOL TransferCurrentCell(BOOL bSave = TRUE, UINT flags = GX_UPDATENOW, BOOL bHint = TRUE)
    {
        return SyncCurrentCell(bSave, flags, bHint);
    }
    BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW)
    {
        return MakeCellCurrent(nRow, nCol, flags);
    }
    void Initialize() { InitializeGrid(); }

public:
    // --- State (Parts of the class read and write these directly) ---
    CWnd* m_pWindow;
    CDocument* m_pOwnerDoc;
    BOOL m_bInView;
    BOOL m_bDocumentLinked;
    CGXGridLibraryState* m_pLibState;
    CGXGridParam* m_pGridParam;
    BOOL m_bOwnParam;
    CRuntimeClass* m_pDataClass;
    CRuntimeClass* m_pStyleClass;
    // The three scratch styles: composing and storing, value texts, the current cell.
    CGXStyle* m_pStyleScratch;
    CGXStyle* m_pStyleValue;
    CGXStyle* m_pStyleCurrentCell;
    BOOL m_bCurrentStyleValid;
    const CGXStyle* m_pStyleInValidation; // set by a control while it validates
    const CGXStyle* m_pStandardStyle;
    const CGXStyle* m_pRowHeaderStyle;
    const CGXStyle* m_pColHeaderStyle;
    int m_nDefaultStoreType; // the default store type of style changes
    BOOL m_bInitialized;

    // Scrolled position, zoom, printing.
    ROWCOL m_nTopRow, m_nLeftCol, m_nPrintTopRow, m_nPrintLeftCol;
    int m_nZoom;
    BOOL m_bPrinting;
    BOOL m_bPrintBlackWhite;
    BOOL m_bPrintOwnFrozen; // the print pass keeps its own frozen counts
    // When a print job asks for the whole grid's counts first: 1 always, 2 unless it is a
    // preview, else never.
    int m_nPrintDimensionMode = 2;
    CRect m_rectPrint;
    BOOL m_bExplicitRect;
    CRect m_rectExplicit;

    // Current cell (the current-cell code owns these).
    ROWCOL m_nCurrentRow, m_nCurrentCol;
    BOOL m_bCurrentCellValid;
    CGXControl* m_pCurrentCellControl;
    ROWCOL m_nLastMovedRow, m_nLastMovedCol;
    CString m_strPendingMessage;
    BOOL m_bShowingMessage;
    BOOL m_bMoveInProgress;
    // Cell drop-downs: raised while a control's pop-up list is open; the activation lock
    // and the suspended focus handling are held only while one opens or closes, so the
    // focus moving into or out of the pop-up is not the grid being left.
    BOOL m_bDropDownCell = FALSE;
    BOOL m_bLockActivate = FALSE;
    BOOL m_bIgnoreFocus = FALSE;
    // Set by a key-down handled as Ctrl+Backspace: the 0x7F character the system makes of
    // the same keystroke is swallowed, so that one keystroke is one action.
    BOOL m_bSwallowDelChar = FALSE;
    UINT m_nMouseHitState = 0; // the hit state of the mouse operation running (0x40 in cell)
    // Mouse: the down state (low byte 1 while a button is down over cells, 0x80 with Ctrl;
    // 0x100 when the pressed cell was current), the button (0 left, 1 middle, 2 right) and
    // its key flags, the pressed cell and the last cell visited.
    WORD m_wMouseDown = 0;
    int m_nMouseButton = 0;
    UINT m_nMouseDownFlags = 0;
    ROWCOL m_nPressRow = 0, m_nPressCol = 0, m_nLastRow = 0, m_nLastCol = 0;
    BOOL m_bAutoScrollOnDrag = TRUE; // a press over scrolling cells auto-scrolls while held
    int m_nAutoScrollAxes = 0; // of a press: 1 rows, 2 columns
    CPoint m_ptAutoScroll; // the held mouse's last position

    // Sizes and coordinates.
    int m_nHorzUnit, m_nVertUnit, m_nPrintHorzUnit, m_nPrintVertUnit;
    int m_nHitMargin;
    BOOL m_bClampRowHeight, m_bClampColWidth;
    ROWCOL m_nLastVisibleRow, m_nLastVisibleCol; // GX_INVALID: not computed
    BOOL m_bUserResizing;
    HCURSOR m_hCursorLast, m_hCursorDefault, m_hCursorLoaded;
    UINT m_nCursorIdLoaded, m_nOverrideCursorId;
    int m_nCyBorder, m_nCxBorder, m_nCyFrame, m_nCxFrame;

    // Painting.
    int m_nPaintMode;
    GXPaintPass* m_pPaintPass;
    int m_nPaintNesting;
    int m_nGridLinePenStyle; // PS_DASH after construction
    BOOL m_bForceInvert; // one-shot: invert the current cell whole
    BOOL m_bRefreshing; // RefreshAll keeps the GDI caches
    BOOL m_bEvaluationPaint;
    BOOL m_bStyleOperation; // an ApplyStyleToRange is running
    BOOL m_bDrawSelectionFrame;
    BOOL m_bShowSelection; // the pass marks selected cells
    BOOL m_bDelayedSizes;
    BOOL m_bSuspendSpanEvaluation = FALSE; // merged and floating cells are not worked out
    BOOL m_bOldDrawingUsed = FALSE; // a pass took the alternate drawing path: all later do
    std::vector<CRect> m_excludedRects;

    // Scroll bars.
    int m_nVScrollMode, m_nHScrollMode;
    int m_nVScrollFactor, m_nHScrollFactor;
    BOOL m_bScrollBarsChanged, m_bInRefreshScrollBars;
    ROWCOL m_nLastScrollRows, m_nLastScrollCols;
    BOOL m_bAutoScroll, m_bAutoScrollStop;
    int m_nAutoScrollDirection, m_nAutoScrollSpeed;
    // Raised by StartAutoScroll for the auto-scroll plug-in, which takes the request at its
    // next tick; a held key scrolls in key mode (the key repeated while the mouse is still).
    BOOL m_bAutoScrollRequest = FALSE;
    BOOL m_bAutoScrollKeyMode = FALSE;
    UINT m_nAutoScrollKey = 0, m_nAutoScrollKeyHigh = 0;
    BOOL m_bDeferUndoPosition;
    // The id update hints of this grid carry; a hint with another id (not -1) passes it by.
    int m_nHintId = 0;

    // Control registry.
    CMapWordToPtr m_mapControls; // id -> CGXControl*, owned
    CGXControl* m_pDefaultControl;
    WORD m_nLastControlId;
    CGXControl* m_pLastControl;

    // Clipboard and data exchange (read and written by the clipboard features).
    DWORD m_nClipboardFlags = GX_CLIP_TEXT | GX_CLIP_STYLES;
    CString m_strExportSeparator; // written between the cells of a row; a TAB when empty
    CString m_strImportSeparators; // any of these ends a pasted cell; a TAB when empty
    ROWCOL m_nLastExportRows = 0, m_nLastExportCols = 0; // size of the last export

    // The spreadsheet-like selection frame: the range it surrounds, where its fill handle
    // sits (0 bottom-right, 2 bottom-left for whole rows, 7 top-right for whole columns),
    // whether it shows and whether it is locked, and the window rectangles it inverted
    // (inverted once more to erase it).
    CGXRange m_rgSelFrame;
    int m_nSelFrameHandle = 0;
    BOOL m_bSelFrameVisible = FALSE;
    BOOL m_bSelFrameLocked = FALSE;
    std::vector<CRect> m_selFrameRects;
    // Activation and focus (GXGridCoreFocus.cpp): the window that had the focus before the
    // last focus change, whether the focus went to a window outside the grid, the grid's
    // own switch for ignoring focus changes, a refresh of the current cell's control owed
    // at the next focus gain, and whether the grid was last activated.
    HWND m_hLastFocusWnd = nullptr;
    BOOL m_bFocusLost = FALSE;
    BOOL m_bNoFocusHandling = FALSE;
    BOOL m_bRefreshOnSetFocus = FALSE;
    BOOL m_bActivated = FALSE;
    // Size changes: the client size last seen (less the scroll bars; empty when not
    // measured), the window rectangle on the screen and whether the parent frame was
    // maximised then.
    CSize m_sizeLastClient = CSize(0, 0);
    CRect m_rectLastWindow = CRect(0, 0, 0, 0);
    BOOL m_bParentMaximized = FALSE;

    // Feature table and owned objects.
    void* m_apFeatures[gxFeatureSlotCount];
    CPtrList m_plugins; // CGXPluginComponent*, owned
    CGXGridListener* m_pGridListener = nullptr; // owned
    CObList m_pendingDelete;

protected:
    template<class T>
    T* Feat(int nSlot) const
    {
        return static_cast<T*>(m_apFeatures[nSlot]);
    }
    void FreeOwnedObjects();
    // Leaves (or, with bSameCell, stores) the current cell for MakeCellCurrent.
    BOOL LeaveCurrentCell(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol, BOOL bSameCell);
    // The edge of the last row (column) that fits whole into nExtent pixels of the grid.
    int FullyShownExtent(BOOL bRows, int nExtent);
    // The one body behind each row (bRows) and column twin of the insert and remove layers
    // (GXGridCoreInsertRemove.cpp); each calls the other layers through their twins.
    BOOL InsertLines(BOOL bRows, ROWCOL nAt, ROWCOL nCount, const int* anSizes,
                     const CObArray* pCellStyles, const CObArray* pLineStyles, ROWCOL nOther,
                     UINT flags, GXCmdType ctCmd);
    BOOL WriteLineInsertion(BOOL bRows, ROWCOL nAt, ROWCOL nCount, BOOL bForce);
    void RefreshLineInsertion(BOOL bRows, ROWCOL nAt, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    BOOL RemoveLines(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT flags, GXCmdType ctCmd);
    BOOL WriteLineRemoval(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bForce);
    void RefreshLineRemoval(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                            BOOL bCreateHint);
    // The same for the row and column twins of counts, frozen lines and the first scrolled
    // line (GXGridCoreStructure.cpp).
    BOOL ChangeLineCount(BOOL bRows, ROWCOL nLines, UINT flags);
    void RefreshLineCount(BOOL bRows, ROWCOL nOldLines, UINT flags, BOOL bCreateHint);
    BOOL WriteFrozenLines(BOOL bRows, ROWCOL nFrozen, ROWCOL nHeader);
    BOOL SetFrozenLines(BOOL bRows, ROWCOL nFrozen, ROWCOL nHeader, UINT flags, GXCmdType ctCmd);
    void RefreshFrozenLines(BOOL bRows, ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                            BOOL bCreateHint);
    void SetFirstScrollLine(BOOL bRows, ROWCOL nLine, UINT flags, BOOL bCreateHint);
    // Mouse steps (GXGridCoreMouse.cpp).
    CPoint ClampToGrid(CPoint point);
    BOOL PressButton(int nButton, UINT nFlags, CPoint point);
    BOOL ReleaseButton(int nButton, UINT nFlags, CPoint point);
    BOOL DoubleClickButton(int nButton, UINT nFlags, CPoint point);
    WORD HitStateAt(CPoint point, ROWCOL& nRow, ROWCOL& nCol);
    BOOL TrackButton(int nButton, ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                     CPoint point, UINT nFlags, WORD nHitState);
    BOOL TrackCellMouse(int nButton, ROWCOL nRow, ROWCOL nCol, ROWCOL nDragRow, ROWCOL nDragCol,
                        CPoint point, UINT nFlags, WORD nHitState);
    // The target of a page move (5 down, 6 up) from a row: scrolls by a page first.
    ROWCOL PageTargetRow(int nDirection, ROWCOL nRow, UINT nCount);
    BOOL HintsEnabled() const;
    void RecordUndo(CGXCommand* pCmd, GXCmdType ctCmd, ROWCOL nRow, ROWCOL nCol);

public:
    // The command factory when a change in this mode is to be recorded, else null.
    CGXAbstractCommandFactory* UndoRecorder(GXCmdType ctCmd) const;
    // The sizes rows (columns) store of their own, -1 where a row takes the default; for the
    // command that puts them back (new[], owned by the caller).
    int* SaveStoredRowHeights(ROWCOL nFrom, ROWCOL nTo);
    int* SaveStoredColWidths(ROWCOL nFrom, ROWCOL nTo);

protected:
    friend class CGXGridOldDrawingImp; // draws the prepared pass's cells and lines itself
    void PaintPassBody(CDC* pDC, const CRect& rectClip);
    void PreparePassCells(GXPaintPass& pass);
    void DrawPassBackgrounds(GXPaintPass& pass, size_t r);
    void DrawPassCell(GXPaintPass& pass, size_t r, size_t c);
    void DrawRowBorders(GXPaintPass& pass, size_t r);
    void DrawColumnBorders(GXPaintPass& pass, size_t c);
    // The borders and grid lines of pass row n (bRow) or column n, each run of equal
    // segments drawn at once: what the two above share.
    void DrawLineBorders(GXPaintPass& pass, BOOL bRow, size_t n);
    void DrawBeyondGrid(GXPaintPass& pass);
    void DrawInvertCells(GXPaintPass& pass);
    COLORREF GridLineColor(int nIndex) const;
    BOOL ShowVertLines() const;
    BOOL ShowHorzLines() const;
    BOOL LinesAtTopLeft() const;

    struct OwnedObject
    {
        void* p;
        void (*pfnDelete)(void*);
    };
    std::vector<OwnedObject> m_deleteList; // newest first

    // GDI object caches (keyed by the compact descriptions) and style caches.
    std::unordered_map<ULONGLONG, CFont*> m_fontCache;
    std::unordered_map<ULONGLONG, CBrush*> m_brushCache;
    std::unordered_map<ULONGLONG, CPen*> m_penCache;
    std::unordered_map<ULONGLONG, CGXStyle*> m_styleCache; // (row << 32 | col)
    std::vector<CGXStyle*> m_tempStyles;
    std::vector<CGXStyle*> m_freeStyles; // LIFO, at most 501
    ROWCOL m_anKeepRows[2] = {GX_INVALID, GX_INVALID};
    ROWCOL m_anKeepCols[2] = {GX_INVALID, GX_INVALID};
    BOOL m_bKeepStyles = FALSE; // some row or column above is set
    CClientDC* m_pGridDC;
    HFONT m_hGridDCOldFont;
};

// Keeps the selection frame locked for a scope.
class CGXSelectionFrameLock
{
public:
    explicit CGXSelectionFrameLock(CGXGridCore* pGrid)
        : m_pGrid(pGrid), m_bOld(pGrid->LockSelectionFrame(TRUE, TRUE))
    { }
    ~CGXSelectionFrameLock() { m_pGrid->LockSelectionFrame(m_bOld, TRUE); }
    CGXSelectionFrameLock(const CGXSelectionFrameLock&) = delete;
    CGXSelectionFrameLock& operator=(const CGXSelectionFrameLock&) = delete;

private:
    CGXGridCore* m_pGrid;
    BOOL m_bOld;
};

// How a model colour is turned into RGB for drawing.
inline ULONGLONG GXCellKey(ROWCOL nRow, ROWCOL nCol) { return ((ULONGLONG)nRow << 32) | nCol; }
