// CGXGridCore: forwards to the data-exchange, clipboard, freeze, find-and-replace, range
// name and selection features. An empty slot answers 0 (an empty text for GetRangeText).
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"

// The system header's macro of this name would rename the feature's operation.
#ifdef FindText
#undef FindText
#endif

#define GX_FORWARD(getter, call, off)                                                              \
    if (auto* pImp = getter())                                                                     \
        return pImp->call;                                                                         \
    return off

#define GX_FORWARD_VOID(getter, call)                                                              \
    if (auto* pImp = getter())                                                                     \
    pImp->call

// Range names (29) and the reserved features (30, 31).
BOOL CGXGridCore::SetRangeName(LPCTSTR pszName, const CGXRange* pRange, CObject* pUserObject,
                               UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(RangeNameImp, SetRangeName(this, pszName, pRange, pUserObject, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::GetRangeName(LPCTSTR pszName, CGXRange& range)
{
    GX_FORWARD(RangeNameImp, GetRangeName(this, pszName, range), FALSE);
}
BOOL CGXGridCore::DeleteRangeName(LPCTSTR pszName, UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(RangeNameImp, DeleteRangeName(this, pszName, flags, ctCmd), FALSE);
}
BOOL CGXGridCore::TakeFramePress(CPoint point, UINT nFlags, int nHitState, ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(Reserved31Imp, TakeFramePress(this, point, nFlags, nHitState, nRow, nCol), FALSE);
}
BOOL CGXGridCore::ReleaseFramePress(CPoint point, UINT nFlags)
{
    GX_FORWARD(Reserved31Imp, ReleaseFramePress(this, point, nFlags), FALSE);
}

// Text and style data exchange.
BOOL CGXGridCore::ExportText(CFile* pFile, const CGXRangeList& ranges, BOOL bWithHeaders)
{
    GX_FORWARD(TextDataExchangeImp, ExportText(this, pFile, ranges, bWithHeaders), FALSE);
}
BOOL CGXGridCore::GetRangeText(CString& strText, const CGXRange& range)
{
    strText.Empty();
    GX_FORWARD(TextDataExchangeImp, GetRangeText(this, strText, range), FALSE);
}
BOOL CGXGridCore::ImportText(LPCTSTR pszText, DWORD dwSize, ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    GX_FORWARD(TextDataExchangeImp, ImportText(this, pszText, dwSize, nRow, nCol, flags), FALSE);
}
BOOL CGXGridCore::PutCellText(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags)
{
    GX_FORWARD(TextDataExchangeImp, PutCellText(this, nRow, nCol, pszText, flags), FALSE);
}
BOOL CGXGridCore::MeasureTextBlock(LPCTSTR pszText, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols)
{
    GX_FORWARD(TextDataExchangeImp, MeasureTextBlock(this, pszText, dwSize, nRows, nCols), FALSE);
}
BOOL CGXGridCore::ExportStyles(CArchive& ar, const CGXRangeList& ranges)
{
    GX_FORWARD(StyleDataExchangeImp, ExportStyles(this, ar, ranges), FALSE);
}
BOOL CGXGridCore::GetExportStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bComposed)
{
    GX_FORWARD(StyleDataExchangeImp, GetExportStyle(this, nRow, nCol, style, bComposed), FALSE);
}
BOOL CGXGridCore::ImportStyles(CArchive& ar, const CGXRange& target, BOOL bWithoutAsking)
{
    GX_FORWARD(StyleDataExchangeImp, ImportStyles(this, ar, target, bWithoutAsking), FALSE);
}

// Direct copy and move of cells.
BOOL CGXGridCore::CopyCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    GX_FORWARD(DirectCopyMoveCellsImp, CopyCells(this, range, nRow, nCol, flags), FALSE);
}
BOOL CGXGridCore::WriteCopyCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(DirectCopyMoveCellsImp, WriteCopyCells(this, range, nRow, nCol), FALSE);
}
BOOL CGXGridCore::MoveCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol, CObject* pUndoInfo,
                            UINT flags, GXCmdType ctCmd)
{
    GX_FORWARD(DirectCopyMoveCellsImp, MoveCells(this, range, nRow, nCol, pUndoInfo, flags, ctCmd),
               FALSE);
}
BOOL CGXGridCore::WriteMoveCells(const CGXRange& range, ROWCOL nRow, ROWCOL nCol,
                                 CObject*& pUndoInfo, BOOL bCreateUndoInfo)
{
    GX_FORWARD(DirectCopyMoveCellsImp,
               WriteMoveCells(this, range, nRow, nCol, pUndoInfo, bCreateUndoInfo), FALSE);
}

// Cut, copy and paste.
BOOL CGXGridCore::CanCopy() { GX_FORWARD(CutPasteImp, CanCopy(this), FALSE); }
BOOL CGXGridCore::Copy() { GX_FORWARD(CutPasteImp, Copy(this), FALSE); }
BOOL CGXGridCore::CopyRangesToClipboard(const CGXRangeList& ranges)
{
    GX_FORWARD(CutPasteImp, CopyRangesToClipboard(this, ranges), FALSE);
}
BOOL CGXGridCore::CanCut() { GX_FORWARD(CutPasteImp, CanCut(this), FALSE); }
BOOL CGXGridCore::Cut() { GX_FORWARD(CutPasteImp, Cut(this), FALSE); }
BOOL CGXGridCore::CutRangesToClipboard(const CGXRangeList& ranges, UINT flags)
{
    GX_FORWARD(CutPasteImp, CutRangesToClipboard(this, ranges, flags), FALSE);
}
BOOL CGXGridCore::CanPaste() { GX_FORWARD(CutPasteImp, CanPaste(this), FALSE); }
BOOL CGXGridCore::HasPasteableFormat() { GX_FORWARD(CutPasteImp, HasPasteableFormat(this), FALSE); }
BOOL CGXGridCore::Paste() { GX_FORWARD(CutPasteImp, Paste(this), FALSE); }
BOOL CGXGridCore::PasteStylesFromClipboard(const CGXRange& target)
{
    GX_FORWARD(CutPasteImp, PasteStylesFromClipboard(this, target), FALSE);
}
BOOL CGXGridCore::PasteTextFromClipboard(const CGXRange& range)
{
    GX_FORWARD(CutPasteImp, PasteTextFromClipboard(this, range), FALSE);
}
BOOL CGXGridCore::ConfirmPaste() { GX_FORWARD(CutPasteImp, ConfirmPaste(this), FALSE); }
BOOL CGXGridCore::PutTextOnClipboard(const CGXRangeList& ranges)
{
    GX_FORWARD(CutPasteImp, PutTextOnClipboard(this, ranges), FALSE);
}
BOOL CGXGridCore::PutStylesOnClipboard(const CGXRangeList& ranges)
{
    GX_FORWARD(CutPasteImp, PutStylesOnClipboard(this, ranges), FALSE);
}
BOOL CGXGridCore::CopyOneRange(const CGXRange& range)
{
    CGXRangeList list;
    list.AddRange(range);
    BOOL bResult = CopyRangesToClipboard(list);
    list.DeleteAreas();
    return bResult;
}
BOOL CGXGridCore::CutOneRange(const CGXRange& range, UINT flags)
{
    CGXRangeList list;
    list.AddRange(range);
    BOOL bResult = CutRangesToClipboard(list, flags);
    list.DeleteAreas();
    return bResult;
}

// Clearing cells.
BOOL CGXGridCore::CanClear() { GX_FORWARD(ClearCellsImp, CanClear(this), FALSE); }
BOOL CGXGridCore::Clear(BOOL bStyleOrValue)
{
    GX_FORWARD(ClearCellsImp, Clear(this, bStyleOrValue), FALSE);
}
BOOL CGXGridCore::ClearRanges(const CGXRangeList& ranges, BOOL bStyleOrValue, UINT flags)
{
    GX_FORWARD(ClearCellsImp, ClearRanges(this, ranges, bStyleOrValue, flags), FALSE);
}

// Freezing from the menu.
BOOL CGXGridCore::CanFreezeRows() { GX_FORWARD(FreezeMenuHelperImp, CanFreezeRows(this), FALSE); }
BOOL CGXGridCore::CanUnfreezeRows()
{
    GX_FORWARD(FreezeMenuHelperImp, CanUnfreezeRows(this), FALSE);
}
void CGXGridCore::FreezeRows() { GX_FORWARD_VOID(FreezeMenuHelperImp, FreezeRows(this)); }
void CGXGridCore::UnfreezeRows() { GX_FORWARD_VOID(FreezeMenuHelperImp, UnfreezeRows(this)); }
BOOL CGXGridCore::CanFreezeCols() { GX_FORWARD(FreezeMenuHelperImp, CanFreezeCols(this), FALSE); }
BOOL CGXGridCore::CanUnfreezeCols()
{
    GX_FORWARD(FreezeMenuHelperImp, CanUnfreezeCols(this), FALSE);
}
void CGXGridCore::FreezeCols() { GX_FORWARD_VOID(FreezeMenuHelperImp, FreezeCols(this)); }
void CGXGridCore::UnfreezeCols() { GX_FORWARD_VOID(FreezeMenuHelperImp, UnfreezeCols(this)); }

// Find and replace.
void CGXGridCore::ShowFindReplaceDialog(BOOL bFindOnly)
{
    GX_FORWARD_VOID(FindReplaceImp, ShowFindReplaceDialog(this, bFindOnly));
}
BOOL CGXGridCore::HandleFindReplace(CWnd* pDialog)
{
    if (CGXAbstractGridFindReplaceImp* pImp = FindReplaceImp()) {
        pImp->OnFindReplace(this, pDialog);
        return TRUE;
    }
    return FALSE;
}
BOOL CGXGridCore::FindInGrid(BOOL bNext)
{
    GX_FORWARD(FindReplaceImp, FindText(this, bNext), FALSE);
}
void CGXGridCore::ReplaceInGrid(GXFindReplaceInfo& info)
{
    GX_FORWARD_VOID(FindReplaceImp, OnReplaceSel(this, info));
}
void CGXGridCore::ReplaceAllInGrid(GXFindReplaceInfo& info)
{
    GX_FORWARD_VOID(FindReplaceImp, OnReplaceAll(this, info));
}
BOOL CGXGridCore::FindInCells(ROWCOL& nRow, ROWCOL nCol, GXFindReplaceInfo& info, BOOL bSelect)
{
    GX_FORWARD(FindReplaceImp, FindInCells(this, info, nRow, nCol, bSelect), FALSE);
}
BOOL CGXGridCore::Find(LPCTSTR pszFind, BOOL bDown, BOOL bCase)
{
    GX_FORWARD(FindReplaceImp, Find(this, pszFind, bDown, bCase), FALSE);
}
BOOL CGXGridCore::FindNext(BOOL bSetCell)
{
    GX_FORWARD(FindReplaceImp, FindText(this, bSetCell), FALSE);
}
BOOL CGXGridCore::Replace(LPCTSTR pszFind, BOOL bDown, BOOL bCase, LPCTSTR pszReplace)
{
    GX_FORWARD(FindReplaceImp, Replace(this, pszFind, bDown, bCase, pszReplace), FALSE);
}
BOOL CGXGridCore::ReplaceAll(LPCTSTR pszFind, LPCTSTR pszReplace, BOOL bCase)
{
    GX_FORWARD(FindReplaceImp, ReplaceAll(this, pszFind, pszReplace, bCase), FALSE);
}
void CGXGridCore::OnFindNextRow(ROWCOL) { }
void CGXGridCore::OnTextNotFound(LPCTSTR) { ::MessageBeep(0); }

// The selection features: user range selection (15), the frame (16) and the fill (17).
BOOL CGXGridCore::BeginSelect(CPoint point, UINT nFlags, int nHitState, ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(UserSelectRangeImp, BeginSelect(this, point, nFlags, nHitState, nRow, nCol), FALSE);
}
BOOL CGXGridCore::ExtendSelect(CPoint point, UINT nFlags, ROWCOL nRow, ROWCOL nCol)
{
    GX_FORWARD(UserSelectRangeImp, ExtendSelect(this, point, nFlags, nRow, nCol), FALSE);
}
BOOL CGXGridCore::EndSelect(CPoint point, UINT nFlags)
{
    GX_FORWARD(UserSelectRangeImp, EndSelect(this, point, nFlags), FALSE);
}
BOOL CGXGridCore::MoveCurrentCellEx(int nDirection, UINT nCount)
{
    GX_FORWARD(UserSelectRangeImp, MoveCurrentCellEx(this, nDirection, nCount), FALSE);
}
void CGXGridCore::SetSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                               ROWCOL nRight)
{
    GX_FORWARD_VOID(UserSelectRangeImp, SetSelection(this, pos, nTop, nLeft, nBottom, nRight));
}
BOOL CGXGridCore::SelectRange(const CGXRange& range, BOOL bSelect, BOOL bUpdate)
{
    if (UserSelectRangeImp() == nullptr || m_pGridParam == nullptr)
        return FALSE;
    CGXRangeList& sel = m_pGridParam->m_selRects;
    if (bSelect) {
        sel.AddRange(range);
    } else {
        POSITION pos = sel.GetHeadPosition();
        while (pos != nullptr) {
            POSITION cur = pos;
            CGXRange* pRange = sel.GetNextRange(pos);
            if (*pRange == range) {
                delete pRange;
                sel.RemoveAt(cur);
            }
        }
    }
    if (bUpdate)
        InvalidateCellRange(range, GX_INVALIDATE, FALSE);
    return TRUE;
}
void CGXGridCore::DrawSelectionFrame(CDC* pDC, BOOL bDrawOld, const CGXRange* pRange)
{
    GX_FORWARD_VOID(ExcelLikeFrameImp, DrawSelectionFrame(this, pDC, bDrawOld, pRange));
}
void CGXGridCore::UpdateSelectionFrame(BOOL bDraw, const CGXRange* pRange)
{
    GX_FORWARD_VOID(ExcelLikeFrameImp, UpdateSelectionFrame(this, bDraw, pRange));
}
BOOL CGXGridCore::LockSelectionFrame(BOOL bLock, BOOL bCreateHint)
{
    GX_FORWARD(ExcelLikeFrameImp, LockSelectionFrame(this, bLock, bCreateHint), FALSE);
}
BOOL CGXGridCore::ToggleSelectionFrame(BOOL bShow)
{
    if (ExcelLikeFrameImp() == nullptr)
        return FALSE;
    UpdateSelectionFrame(bShow, nullptr);
    return TRUE;
}
BOOL CGXGridCore::FillRange(const CGXRange& source, const CGXRange& target)
{
    GX_FORWARD(ExcelLikeFillImp, FillRange(this, source, target), FALSE);
}
BOOL CGXGridCore::SelectFilledRange(const CGXRange& range)
{
    GX_FORWARD(ExcelLikeFillImp, SelectFilledRange(this, range), FALSE);
}
BOOL CGXGridCore::CanChangeSelection(CGXRange* pRange, BOOL bIsDragging, BOOL bKey)
{
    BeforeSelectionChange(pRange, bIsDragging, bKey);
    return TRUE;
}
void CGXGridCore::AfterSelectionChange(const CGXRange*, BOOL, BOOL) { }
BOOL CGXGridCore::CanStartSelection(ROWCOL, ROWCOL, UINT, CPoint) { return TRUE; }
void CGXGridCore::BeforeSelectionChange(const CGXRange*, BOOL, BOOL) { }
BOOL CGXGridCore::CanFillRange(const CGXRange&) { return TRUE; }
BOOL CGXGridCore::CanApplyFill(const CGXRange&, const CGXRange&) { return TRUE; }
