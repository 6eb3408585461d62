// CGXGridCore: the members that only forward to a feature object, passing the grid first.
// An empty slot means the feature is off: the member does nothing and answers 0. Also the
// default text a cell sorts by.
#include "core/GXGridCore.h"
#include "controls/GXControl.h"
#include "core/GXGridParam.h"
#include "fw/cmdtarget.h"

#define GX_FORWARD(getter, call, off)                                                              \
    if (auto* pImp = getter())                                                                     \
        return pImp->call;                                                                         \
    return off

#define GX_FORWARD_VOID(getter, call)                                                              \
    if (auto* pImp = getter())                                                                     \
    pImp->call

// Printing.
void CGXGridCore::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(PrintImp, OnBeginPrinting(this, pDC, pInfo));
}
void CGXGridCore::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(PrintImp, OnPrint(this, pDC, pInfo));
}
void CGXGridCore::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(PrintImp, OnEndPrinting(this, pDC, pInfo));
}

// Sorting.
void CGXGridCore::SortKeyRecords(CGXSortInfoArray& keys, GXSortRecords& records)
{
    GX_FORWARD_VOID(SortImp, SortKeyRecords(this, keys, records));
}
void CGXGridCore::SortRows(const CGXRange& range, CGXSortInfoArray& keys, UINT flags)
{
    GX_FORWARD_VOID(SortImp, SortRows(this, range, keys, flags));
}
void CGXGridCore::SortCols(const CGXRange& range, CGXSortInfoArray& keys, UINT flags)
{
    GX_FORWARD_VOID(SortImp, SortCols(this, range, keys, flags));
}
BOOL CGXGridCore::MoveDataRows(const CGXRange& range, const CDWordArray& order, UINT flags,
                               GXCmdType ctCmd)
{
    GX_FORWARD(SortImp, MoveDataRows(this, range, order, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::MoveDataCols(const CGXRange& range, const CDWordArray& order, UINT flags,
                               GXCmdType ctCmd)
{
    GX_FORWARD(SortImp, MoveDataCols(this, range, order, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::StoreMoveDataRows(const CGXRange& range, const CDWordArray& order)
{
    GX_FORWARD(SortImp, StoreMoveDataRows(this, range, order), FALSE);
}
BOOL CGXGridCore::StoreMoveDataCols(const CGXRange& range, const CDWordArray& order)
{
    GX_FORWARD(SortImp, StoreMoveDataCols(this, range, order), FALSE);
}
void CGXGridCore::UpdateMoveDataRows(const CGXRange& range, UINT flags, BOOL bCreateHint)
{
    GX_FORWARD_VOID(SortImp, UpdateMoveDataRows(this, range, flags, bCreateHint));
}
void CGXGridCore::UpdateMoveDataCols(const CGXRange& range, UINT flags, BOOL bCreateHint)
{
    GX_FORWARD_VOID(SortImp, UpdateMoveDataCols(this, range, flags, bCreateHint));
}
void CGXGridCore::GetRowSortKeys(ROWCOL nRow, const CGXSortInfoArray& keys, CString* pTexts)
{
    GX_FORWARD_VOID(SortImp, GetRowSortKeys(this, nRow, keys, pTexts));
}
void CGXGridCore::GetColSortKeys(ROWCOL nCol, const CGXSortInfoArray& keys, CString* pTexts)
{
    GX_FORWARD_VOID(SortImp, GetColSortKeys(this, nCol, keys, pTexts));
}
BOOL CGXGridCore::SortByHeaderClick(ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(SortImp, SortByHeaderClick(this, nRow, nCol), FALSE);
}
void CGXGridCore::GetSortKey(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXSortKeyInfo&,
                             const CGXStyle& style, CString& strKey)
{
    if (pControl == nullptr || !pControl->GetStyleText(nRow, nCol, style, strKey))
        strKey = style.GetValue();
}

// Covered, floating and merged cells.
BOOL CGXGridCore::SetCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                  UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(CoveredCellsImp, SetCoveredCells(this, nRow, nCol, nToRow, nToCol, flags, ctCmd),
               FALSE);
}
CGXRange* CGXGridCore::GetCoveredBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range)
{
    GX_FORWARD(CoveredCellsImp, GetCoveredBlock(this, nRow, nCol, range), nullptr);
}
BOOL CGXGridCore::WriteCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                    BOOL bSet)
{
    GX_FORWARD(CoveredCellsImp, WriteCoveredCells(this, nRow, nCol, nToRow, nToCol, bSet), FALSE);
}
void CGXGridCore::RefreshCoveredCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                      UINT flags, BOOL bCreateHint)
{
    GX_FORWARD_VOID(CoveredCellsImp,
                    RefreshCoveredCells(this, nRow, nCol, nToRow, nToCol, flags, bCreateHint));
}
void CGXGridCore::GrowRangeByCovered(CGXRange& range)
{
    GX_FORWARD_VOID(CoveredCellsImp, GrowRangeByCovered(this, range));
}
BOOL CGXGridCore::QueryFloatRange(const CGXRange& range, CGXRange& result)
{
    GX_FORWARD(FloatCellsImp, QueryFloatRange(this, range, result), FALSE);
}
BOOL CGXGridCore::QueryMergeRange(const CGXRange& range, CGXRange& result)
{
    GX_FORWARD(MergeCellsImp, QueryMergeRange(this, range, result), FALSE);
}
BOOL CGXGridCore::CompareMergeValues(const CGXStyle& style1, const CGXStyle& style2)
{
    GX_FORWARD(MergeCellsImp, CompareMergeValues(this, style1, style2), FALSE);
}
CGXRange* CGXGridCore::GetSpanningBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range)
{
    if (GetCoveredBlock(nRow, nCol, range) != nullptr)
        return &range;
    if (GetMergeBlock(nRow, nCol, range) != nullptr)
        return &range;
    if (GetFloatBlock(nRow, nCol, range) != nullptr)
        return &range;
    return nullptr;
}
void CGXGridCore::MarkFloatRangeDirty(const CGXRange& range, UINT flags)
{
    GX_FORWARD_VOID(FloatCellsImp, MarkFloatRangeDirty(this, range, flags));
}
BOOL CGXGridCore::ResolveFloatRange(const CGXRange& range, BOOL bPrinting)
{
    GX_FORWARD(FloatCellsImp, ResolveFloatRange(this, range, bPrinting), FALSE);
}
CGXRange* CGXGridCore::GetFloatBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range)
{
    GX_FORWARD(FloatCellsImp, GetFloatBlock(this, nRow, nCol, range), nullptr);
}
void CGXGridCore::RefreshFloatBlocks(const CGXRange& range, UINT flags)
{
    GX_FORWARD_VOID(FloatCellsImp, RefreshFloatBlocks(this, range, flags));
}
void CGXGridCore::InvalidateFloatBlocks(const CGXRange& range)
{
    GX_FORWARD_VOID(FloatCellsImp, InvalidateFloatBlocks(this, range));
}
void CGXGridCore::GrowRangeByFloat(CGXRange& range)
{
    GX_FORWARD_VOID(FloatCellsImp, GrowRangeByFloat(this, range));
}
void CGXGridCore::MarkMergeRangeDirty(const CGXRange& range, UINT flags)
{
    GX_FORWARD_VOID(MergeCellsImp, MarkMergeRangeDirty(this, range, flags));
}
BOOL CGXGridCore::ResolveMergeRange(const CGXRange& range, BOOL bPrinting)
{
    GX_FORWARD(MergeCellsImp, ResolveMergeRange(this, range, bPrinting), FALSE);
}
CGXRange* CGXGridCore::GetMergeBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range, int nDirection)
{
    GX_FORWARD(MergeCellsImp, GetMergeBlock(this, nRow, nCol, range, nDirection), nullptr);
}
void CGXGridCore::RefreshMergeBlocks(const CGXRange& range, UINT flags)
{
    GX_FORWARD_VOID(MergeCellsImp, RefreshMergeBlocks(this, range, flags));
}
void CGXGridCore::InvalidateMergeBlocks(const CGXRange& range)
{
    GX_FORWARD_VOID(MergeCellsImp, InvalidateMergeBlocks(this, range));
}
void CGXGridCore::GrowRangeByMerge(CGXRange& range)
{
    GX_FORWARD_VOID(MergeCellsImp, GrowRangeByMerge(this, range));
}
WORD CGXGridCore::GetFloatMode() const
{
    return m_pGridParam != nullptr ? m_pGridParam->m_wFloatCellsMode : 0;
}
WORD CGXGridCore::GetMergeMode() const
{
    return m_pGridParam != nullptr ? m_pGridParam->m_wMergeCellsMode : 0;
}
CObject* CGXGridCore::GetFloatPool() const
{
    // Pools 1 and 2 of the parameter object hold the floated cells (display, printing).
    if (m_pGridParam == nullptr)
        return nullptr;
    return m_pGridParam->m_apPools[m_bPrinting ? 2 : 1];
}

// Undo and redo.
BOOL CGXGridCore::SwitchRecording(BOOL bOn)
{
    GX_FORWARD(CommandFactory, SwitchRecording(this, bOn), FALSE);
}
CObject* CGXGridCore::TakePendingState()
{
    GX_FORWARD(CommandFactory, TakePendingState(this), nullptr);
}
BOOL CGXGridCore::RestorePendingState(CObject* pState, BOOL bSwitchOff, int nReserved)
{
    GX_FORWARD(CommandFactory, RestorePendingState(this, pState, bSwitchOff, nReserved), FALSE);
}
void CGXGridCore::DiscardPendingState()
{
    GX_FORWARD_VOID(CommandFactory, DiscardPendingState(this));
}
BOOL CGXGridCore::ExecuteCommand(CGXCommand* pCmd, CGXGridCore* pGrid, GXCmdType ctCmd)
{
    GX_FORWARD(CommandFactory, ExecuteCommand(pCmd, pGrid, ctCmd), FALSE);
}
void CGXGridCore::RecordCommand(CGXCommand* pCmd, GXCmdType ctCmd)
{
    GX_FORWARD_VOID(CommandFactory, RecordCommand(this, pCmd, ctCmd));
}
void CGXGridCore::RemoveNewestCommand(GXCmdType ctCmd)
{
    GX_FORWARD_VOID(CommandFactory, RemoveNewestCommand(this, ctCmd));
}
BOOL CGXGridCore::Undo() { GX_FORWARD(CommandFactory, Undo(this), FALSE); }
BOOL CGXGridCore::Redo() { GX_FORWARD(CommandFactory, Redo(this), FALSE); }
void CGXGridCore::BeginUndoBlock(LPCTSTR pszName)
{
    GX_FORWARD_VOID(CommandFactory, BeginUndoBlock(this, pszName));
}
void CGXGridCore::CommitUndoBlock() { GX_FORWARD_VOID(CommandFactory, CommitUndoBlock(this)); }
void CGXGridCore::RollbackUndoBlock() { GX_FORWARD_VOID(CommandFactory, RollbackUndoBlock(this)); }
void CGXGridCore::ShowUndoPosition(ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent)
{
    GX_FORWARD_VOID(CommandFactory, ShowUndoPosition(this, nRow, nCol, bMakeCurrent));
}
BOOL CGXGridCore::UpdateUndoMenu(CCmdUI* pCmdUI)
{
    if (CGXAbstractCommandFactory* pImp = CommandFactory())
        return pImp->UpdateUndoMenu(this, pCmdUI);
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
    return FALSE;
}
BOOL CGXGridCore::UpdateRedoMenu(CCmdUI* pCmdUI)
{
    if (CGXAbstractCommandFactory* pImp = CommandFactory())
        return pImp->UpdateRedoMenu(this, pCmdUI);
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
    return FALSE;
}

// Resizing to fit, hiding and moving rows and columns.
BOOL CGXGridCore::FitRowHeights(const CGXRange& range, BOOL bRedraw, UINT flags)
{
    GX_FORWARD(ResizeToFitImp, FitRowHeights(this, range, bRedraw, flags), FALSE);
}
BOOL CGXGridCore::FitColWidths(const CGXRange& range, BOOL bRedraw, UINT flags)
{
    GX_FORWARD(ResizeToFitImp, FitColWidths(this, range, bRedraw, flags), FALSE);
}
BOOL CGXGridCore::HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates, UINT flags,
                           GXCmdType ctCmd)
{
    GX_FORWARD(HideCellsImp, HideRows(this, nFrom, nTo, bHide, abStates, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates, UINT flags,
                           GXCmdType ctCmd)
{
    GX_FORWARD(HideCellsImp, HideCols(this, nFrom, nTo, bHide, abStates, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::QueryRowHidden(ROWCOL nRow)
{
    GX_FORWARD(HideCellsImp, QueryRowHidden(this, nRow), FALSE);
}
BOOL CGXGridCore::QueryColHidden(ROWCOL nCol)
{
    GX_FORWARD(HideCellsImp, QueryColHidden(this, nCol), FALSE);
}
BOOL CGXGridCore::WriteRowHidden(ROWCOL nRow, BOOL bHide)
{
    GX_FORWARD(HideCellsImp, WriteRowHidden(this, nRow, bHide), FALSE);
}
BOOL CGXGridCore::WriteColHidden(ROWCOL nCol, BOOL bHide)
{
    GX_FORWARD(HideCellsImp, WriteColHidden(this, nCol, bHide), FALSE);
}
BOOL CGXGridCore::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(MoveRowsColsImp, MoveRows(this, nFrom, nTo, nDest, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(MoveRowsColsImp, MoveCols(this, nFrom, nTo, nDest, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::WriteRowMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GX_FORWARD(MoveRowsColsImp, WriteRowMove(this, nFrom, nTo, nDest), FALSE);
}
BOOL CGXGridCore::WriteColMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GX_FORWARD(MoveRowsColsImp, WriteColMove(this, nFrom, nTo, nDest), FALSE);
}
void CGXGridCore::RefreshRowMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                 BOOL bCreateHint)
{
    GX_FORWARD_VOID(MoveRowsColsImp, RefreshRowMove(this, nFrom, nTo, nDest, flags, bCreateHint));
}
void CGXGridCore::RefreshColMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                 BOOL bCreateHint)
{
    GX_FORWARD_VOID(MoveRowsColsImp, RefreshColMove(this, nFrom, nTo, nDest, flags, bCreateHint));
}

// Drag selection.
BOOL CGXGridCore::FindDragRange(ROWCOL nRow, ROWCOL nCol, CGXRange& range)
{
    GX_FORWARD(UserDragSelectRangeImp, FindDragRange(this, nRow, nCol, range), FALSE);
}
BOOL CGXGridCore::DrawDragFeedback(CDC* pDC, const CGXRange& range, ROWCOL nDest)
{
    GX_FORWARD(UserDragSelectRangeImp, DrawDragFeedback(this, pDC, range, nDest), FALSE);
}
BOOL CGXGridCore::HitTestDragRange(ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(UserDragSelectRangeImp, HitTestDragRange(this, nRow, nCol), FALSE);
}
void CGXGridCore::CancelDragSelect()
{
    GX_FORWARD_VOID(UserDragSelectRangeImp, CancelDragSelect(this));
}
BOOL CGXGridCore::CanDragRows()
{
    return !(::GetKeyState(VK_CONTROL) & 0x8000) && !(::GetKeyState(VK_SHIFT) & 0x8000);
}
BOOL CGXGridCore::CanDragCols() { return CGXGridCore::CanDragRows(); }
BOOL CGXGridCore::CanDropRows() { return TRUE; }
BOOL CGXGridCore::CanDropCols() { return TRUE; }
BOOL CGXGridCore::CanDragOutside() { return TRUE; }
BOOL CGXGridCore::CanDropOutside() { return TRUE; }

// Resizing by the user.
BOOL CGXGridCore::ApplyUserResize(ROWCOL nRow, ROWCOL nCol, int nMode)
{
    GX_FORWARD(UserResizeCellsImp, ApplyUserResize(this, nRow, nCol, nMode), FALSE);
}
void CGXGridCore::DrawResizeLine(ROWCOL nRow, ROWCOL nCol, int nMode, int nSize)
{
    GX_FORWARD_VOID(UserResizeCellsImp, DrawResizeLine(this, nRow, nCol, nMode, nSize));
}
void CGXGridCore::FinishUserResize(ROWCOL nRow, ROWCOL nCol, int nMode, int nSize)
{
    GX_FORWARD_VOID(UserResizeCellsImp, FinishUserResize(this, nRow, nCol, nMode, nSize));
}
void CGXGridCore::CancelUserResize()
{
    GX_FORWARD_VOID(UserResizeCellsImp, CancelUserResize(this));
}
BOOL CGXGridCore::CanUserResizeCols() { return UserResizeCellsImp() != nullptr; }
BOOL CGXGridCore::CanUserResizeRows() { return CGXGridCore::CanUserResizeCols(); }
BOOL CGXGridCore::CanResizeColsFromCells() { return TRUE; }
BOOL CGXGridCore::CanResizeColsToZero() { return TRUE; }
BOOL CGXGridCore::CanResizeColHeaders() { return TRUE; }
BOOL CGXGridCore::CanResizeRowsFromCells() { return TRUE; }
BOOL CGXGridCore::CanResizeRowsToZero() { return TRUE; }
BOOL CGXGridCore::CanResizeRowHeaders() { return TRUE; }
BOOL CGXGridCore::MayResizeCol(ROWCOL) { return UserResizeCellsImp() != nullptr; }
BOOL CGXGridCore::MayResizeRow(ROWCOL) { return UserResizeCellsImp() != nullptr; }
BOOL CGXGridCore::MayStartColResize(ROWCOL) { return TRUE; }
BOOL CGXGridCore::MayStartRowResize(ROWCOL) { return TRUE; }
BOOL CGXGridCore::MayMoveColResize(ROWCOL, int) { return TRUE; }
BOOL CGXGridCore::MayMoveRowResize(ROWCOL, int) { return TRUE; }
BOOL CGXGridCore::MayEndColResize(ROWCOL, int) { return TRUE; }
BOOL CGXGridCore::MayEndRowResize(ROWCOL, int) { return TRUE; }
